#ifndef CONSTRAINTVERTEXPTRCONNDATA_H
#define CONSTRAINTVERTEXPTRCONNDATA_H

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "elements/AdditionalFields.h"
#include "elements/ConstraintCalculation.h"
#include "serialization/ISerializebleObject.h"

class ISerializerObject;

// A constraint that keeps the attributes it does not know and is stored as one "constraint"
// element. Save writes identity, input links as ids, the relation id and extra fields; load reads
// identity and extra fields only, since the class loader rebuilds the links.
class ConstraintVertexPtrConnData : public ConstraintCalculation,
                                    public AdditionalFields,
                                    public ISerializebleObject
{
public:
    inline static const QString TAG_NAME_CONSTRAINT = QStringLiteral("constraint");
    inline static const QString ATTRIBUTE_CONSTRAINT_NAME_INITID = QStringLiteral("initId");
    inline static const QString ATTRIBUTE_CONSTRAINT_NAME_RELATION = QStringLiteral("relation");
    inline static const QSet<QString> MANDATORY_CONSTRAINT_FIELDS_SET = {
        ATTRIBUTE_CONSTRAINT_NAME_INITID, ATTRIBUTE_CONSTRAINT_NAME_RELATION};

    ConstraintVertexPtrConnData();
    // The calculation layer's constructors: this layer adds nothing that they would set.
    using ConstraintCalculation::ConstraintCalculation;
    // The calculation layer's copy plus the extra fields.
    ConstraintVertexPtrConnData(const ConstraintVertexPtrConnData &n_other);
    // A constraint read from the node; a failing load ends the construction.
    explicit ConstraintVertexPtrConnData(const ISerializerObject &n_object);
    ~ConstraintVertexPtrConnData() override;

    void load(const ISerializerObject &n_object) override;
    // Stops at the first failure; what was written before it stays in the node.
    void save(ISerializerObject &n_object) override;

    // False for an index outside the list; otherwise whether the type there is the parameter's
    // declared type. The parameter must not be null.
    bool isTypesMatch(int n_index, QSharedPointer<ParameterVertexPtrConn> n_parameter,
                      const QList<QVariant::Type> &n_types);
};

#endif // CONSTRAINTVERTEXPTRCONNDATA_H
