#ifndef RULEVERTEXPTRCONNDATA_H
#define RULEVERTEXPTRCONNDATA_H

#include <QHash>
#include <QSet>
#include <QString>

#include "elements/AdditionalFields.h"
#include "elements/RuleCalculation.h"
#include "serialization/ISerializebleObject.h"

class ISerializerObject;

// A rule that keeps the attributes it does not know and is stored as one "rule" element. Save
// writes identity, links as ids and extra fields; load reads identity and extra fields only, since
// the class loader rebuilds the links through the class network.
class RuleVertexPtrConnData : public RuleCalculation,
                              public AdditionalFields,
                              public ISerializebleObject
{
public:
    inline static const QString TAG_NAME_RULE = QStringLiteral("rule");
    inline static const QString ATTRIBUTE_RULE_NAME_INITID = QStringLiteral("initId");
    inline static const QString ATTRIBUTE_RULE_NAME_RESULTID = QStringLiteral("resultId");
    inline static const QString ATTRIBUTE_RULE_NAME_RELATION = QStringLiteral("relation");
    inline static const QSet<QString> MANDATORY_RULE_FIELDS_SET = {
        ATTRIBUTE_RULE_NAME_RESULTID, ATTRIBUTE_RULE_NAME_INITID, ATTRIBUTE_RULE_NAME_RELATION};

    RuleVertexPtrConnData();
    // The calculation layer's constructors: this layer adds nothing that they would set.
    using RuleCalculation::RuleCalculation;
    // The calculation layer's copy plus the extra fields.
    RuleVertexPtrConnData(const RuleVertexPtrConnData &n_other);
    // A rule read from the node; a failing load ends the construction.
    explicit RuleVertexPtrConnData(const ISerializerObject &n_object);
    ~RuleVertexPtrConnData() override;

    void load(const ISerializerObject &n_object) override;
    // Stops at the first failure; what was written before it stays in the node.
    void save(ISerializerObject &n_object) override;
};

#endif // RULEVERTEXPTRCONNDATA_H
