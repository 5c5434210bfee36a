#ifndef CLASSXMLSERIALIZER_H
#define CLASSXMLSERIALIZER_H

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QList>
#include <QSharedPointer>
#include <QString>

#include "serialization/ISerializerClass.h"

// XML node of one class, current format: element "class" with the lists "parameters", "rules",
// "constraints" and "classes". Empty attribute values are not written.
class ClassXMLSerializer : public ISerializerClass
{
public:
    explicit ClassXMLSerializer(const QDomDocument &n_document);
    ~ClassXMLSerializer() override;

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    // An absent attribute gives a null string, never an invalid QVariant.
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;

    void addOwnParameters(const QList<QSharedPointer<ISerializerObject>> &n_parameters) override;
    void addOwnRules(const QList<QSharedPointer<ISerializerObject>> &n_rules) override;
    void addOwnConstraints(const QList<QSharedPointer<ISerializerObject>> &n_constraints) override;
    void addOwnClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes) override;

    QList<QSharedPointer<ISerializerObject>> getOwnParameters() const override;
    QList<QSharedPointer<ISerializerObject>> getOwnRules() const override;
    QList<QSharedPointer<ISerializerObject>> getOwnConstraints() const override;
    QList<QSharedPointer<ISerializerClass>> getOwnClasses() const override;

    void loadFromFile(QFile &n_file) override;
    void loadFromString(const QString &n_string) override;
    void saveToFile(QFile &n_file) const override;
    QString saveToString() const override;

    QSharedPointer<ISerializerObject> getParameterPrototype() const override;
    QSharedPointer<ISerializerObject> getRulePrototype() const override;
    QSharedPointer<ISerializerObject> getConstraintPrototype() const override;
    QSharedPointer<ISerializerClass> getClassPrototype() const override;

    virtual QDomElement getXMLObject() const;
    virtual void setXMLObject(QDomElement &n_domElement);

    void loadOwnParameters();
    void loadOwnRules();
    void loadOwnConstraints();
    void loadOwnClasses();

    inline static const QString TAG_NAME_CLASS = QStringLiteral("class");
    inline static const QString TAG_NAME_PARAMETERS = QStringLiteral("parameters");
    inline static const QString TAG_NAME_RULES = QStringLiteral("rules");
    inline static const QString TAG_NAME_CONSTRAINTS = QStringLiteral("constraints");
    inline static const QString TAG_NAME_CLASSES = QStringLiteral("classes");
    inline static const QString TAG_NAME_PARAMETER = QStringLiteral("parameter");
    inline static const QString TAG_NAME_RULE = QStringLiteral("rule");
    inline static const QString TAG_NAME_CONSTRAINT = QStringLiteral("constraint");

protected:
    QDomElement m_classElement;
    QDomElement m_parametersElement;
    QDomElement m_rulesElement;
    QDomElement m_constraintsElement;
    QDomElement m_classesElement;
    QDomDocument m_domDocument;

private:
    QList<QSharedPointer<ISerializerObject>> getItems(const QDomElement &n_listElement,
                                                      const QString &n_itemTag,
                                                      const QString &n_methodName) const;
};

#endif // CLASSXMLSERIALIZER_H
