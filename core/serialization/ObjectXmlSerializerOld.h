#ifndef OBJECTXMLSERIALIZEROLD_H
#define OBJECTXMLSERIALIZEROLD_H

#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "serialization/ObjectXMLSerializer.h"

// Item node bound to a rule, constraint or relation of an older-format file. Older files keep links
// by position ("P1,P2" for the relation's first and second input) and a relation's variables as two
// parallel lists of names and types; this node answers the link attributes in the current
// "name:value;name:value" form, so that the elements load with their usual code.
class ObjectXmlSerializerOld : public ObjectXMLSerializer
{
public:
    ObjectXmlSerializerOld(const QString &n_tagName, const QDomDocument &n_document);
    ~ObjectXmlSerializerOld() override;

    // "initId", "resultId", "inObj" and "outObj" are translated; everything else is read as stored.
    // A count mismatch between ids (or names) and variables (or types) raises
    // InconsistencyDataExceptionOstra here, when the attribute is asked for.
    QVariant getFieldValue(const QString &n_name) const override;
    // Through the values, as the loaders always asked: a translated value may raise the exception
    // above.
    QStringList getFieldNames() const override { return ISerializerObject::getFieldNames(); }

    // The relation's variable lists in the current pair form; the names are appended, in order.
    void setInputRelationNames(const QString &n_inputRelationNames);
    void setOutputRelationNames(const QString &n_outputRelationNames);

    // Pairs the two lists position by position: "a:P1;b:P2".
    static QString convertLinkedObjectsHash(const QStringList &n_linkedNames,
                                            const QStringList &n_linkedObjects);

    // The same texts as the attribute names of the rule, constraint and relation attribute sets;
    // kept here so that the reader does not depend on the element classes.
    inline static const QString ATTRIBUTE_NAME_INIT_ID = QStringLiteral("initId");
    inline static const QString ATTRIBUTE_NAME_RESULT_ID = QStringLiteral("resultId");
    inline static const QString ATTRIBUTE_NAME_RELATION = QStringLiteral("relation");
    inline static const QString ATTRIBUTE_NAME_IN_OBJECT = QStringLiteral("inObj");
    inline static const QString ATTRIBUTE_NAME_OUT_OBJECT = QStringLiteral("outObj");
    inline static const QString ATTRIBUTE_NAME_INPUT_TYPES = QStringLiteral("inputTypes");
    inline static const QString ATTRIBUTE_NAME_OUTPUT_TYPES = QStringLiteral("outputTypes");

protected:
    QStringList m_inputRelationNames;
    QStringList m_outputRelationNames;

private:
    static void appendRelationNames(QStringList &n_names, const QString &n_text,
                                    const QString &n_methodName);
    QString pairAttributes(const QString &n_first, const QString &n_second) const;
};

#endif // OBJECTXMLSERIALIZEROLD_H
