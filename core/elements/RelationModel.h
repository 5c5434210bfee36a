#ifndef RELATIONMODEL_H
#define RELATIONMODEL_H

#include <QEnableSharedFromThis>
#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include "elements/BaseRelationParent.h"
#include "elements/RelationDataObj.h"
#include "serialization/ISerializebleObject.h"

// A relation as the model keeps it: the evaluable core with its extra attributes, its kind, the
// weak link to the relations storage that holds it, and its stored form as one "relation" element.
// The kind records which editor built the code; evaluation does not look at it.
class RelationModel : public RelationDataObj,
                      public BaseRelationParent,
                      public ISerializebleObject,
                      public QEnableSharedFromThis<RelationModel>
{
public:
    typedef QSharedPointer<RelationModel> RelationModelPtr;

    enum RelationType : int {
        RELATION_SIMPLE = 0,
        RELATION_IFCLAUSE = 1,
        RELATION_CONSTRAINT = 2,
        RELATION_PROGRAM = 3
    };

    inline static const QString TAG_NAME_RELATION = QStringLiteral("relation");
    inline static const QString ATTRIBUTE_RELATION_NAME_RELATION_TYPE = QStringLiteral(
        "relationType");
    inline static const QString ATTRIBUTE_RELATION_NAME_IN_OBJECT = QStringLiteral("inObj");
    inline static const QString ATTRIBUTE_RELATION_NAME_OUT_OBJECT = QStringLiteral("outObj");
    // Names of the older file format; listed as mandatory so that they never become extra fields.
    inline static const QString ATTRIBUTE_RELATION_NAME_INPUT_TYPES = QStringLiteral("inputTypes");
    inline static const QString ATTRIBUTE_RELATION_NAME_OUTPUT_TYPES = QStringLiteral(
        "outputTypes");
    inline static const QSet<QString> MANDATORY_RELATION_FIELDS_SET = {
        ATTRIBUTE_RELATION_NAME_OUT_OBJECT, ATTRIBUTE_RELATION_NAME_IN_OBJECT,
        ATTRIBUTE_RELATION_NAME_INPUT_TYPES, ATTRIBUTE_RELATION_NAME_OUTPUT_TYPES,
        ATTRIBUTE_RELATION_NAME_RELATION_TYPE};
    // The words of the kinds in the file, in value order.
    inline static const QVector<QString> m_relationTypesStrings = {
        QStringLiteral("simple"), QStringLiteral("ifclause"), QStringLiteral("constr"),
        QStringLiteral("prog")};

    explicit RelationModel(QScriptEngine *n_engine);
    RelationModel(const QString &n_id, const QString &n_code, QScriptEngine *n_engine);
    RelationModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
                  const QString &n_author, const QString &n_GUID, const QString &n_code,
                  QScriptEngine *n_engine);
    RelationModel(const RelationDataObj &n_other, QScriptEngine *n_engine);
    RelationModel(const RelationVertex &n_other, QScriptEngine *n_engine);
    // A whole copy: no engine until a storage adopts it; kind, extra fields and storage link kept.
    RelationModel(const RelationModel &n_other);
    ~RelationModel() override;

    RelationType getRelationType() const;
    // Clamped to the four kinds.
    void setRelationType(RelationModel::RelationType n_type);
    // Empty for a value outside the four kinds.
    static QString getRelationTypeString(RelationModel::RelationType n_type);

    int getInputParametersCount();
    int getOutputParametersCount();

    void load(const ISerializerObject &n_object) override;
    void save(ISerializerObject &n_object) override;

    static QHash<QString, QVariant::Type> convertStringTypeListToQVariantTypeList(
        const QStringList &n_list);
    static QStringList convertQVariantTypeListToStringTypeList(
        const QHash<QString, QVariant::Type> &n_types);

private:
    RelationType m_relationType;
};

#endif // RELATIONMODEL_H
