#ifndef PARAMETERVERTEXPTRCONNDATA_H
#define PARAMETERVERTEXPTRCONNDATA_H

#include <QSet>
#include <QString>

#include "elements/AdditionalFields.h"
#include "elements/ParameterVertexPtrConn.h"
#include "serialization/ISerializebleObject.h"

class ISerializerObject;

// A linked parameter that keeps the attributes it does not know and loads and saves itself through
// one serializer node. Edges, search data and the current value are never stored: the class
// rebuilds the edges from the rules' and constraints' own attributes.
class ParameterVertexPtrConnData : public ParameterVertexPtrConn,
                                   public AdditionalFields,
                                   public ISerializebleObject
{
public:
    inline static const QString TAG_NAME_PARAMETER = QStringLiteral("parametr");
    inline static const QString ATTRIBUTE_PARAMETER_NAME_TYPE = QStringLiteral("type");
    inline static const QString ATTRIBUTE_PARAMETER_NAME_DEFAULT_VALUE = QStringLiteral(
        "defaultValue");
    // Names never taken as extra fields.
    inline static const QSet<QString> MANDATORY_PARAMETER_FIELDS_SET = {
        TAG_NAME_PARAMETER, ATTRIBUTE_PARAMETER_NAME_DEFAULT_VALUE, ATTRIBUTE_PARAMETER_NAME_TYPE};

    ParameterVertexPtrConnData();
    // The linked parameter's constructors: this layer adds nothing that they would set.
    using ParameterVertexPtrConn::ParameterVertexPtrConn;
    // As the linked parameter's copy, plus the extra fields.
    ParameterVertexPtrConnData(const ParameterVertexPtrConnData &n_other);
    // An empty parameter read from the node; a failing load ends the construction.
    explicit ParameterVertexPtrConnData(const ISerializerObject &n_object);
    ~ParameterVertexPtrConnData() override;

    // Not transactional: what the steps before a failure set stays set.
    void load(const ISerializerObject &n_object) override;
    void save(ISerializerObject &n_object) override;
};

#endif // PARAMETERVERTEXPTRCONNDATA_H
