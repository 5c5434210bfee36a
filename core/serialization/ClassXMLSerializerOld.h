#ifndef CLASSXMLSERIALIZEROLD_H
#define CLASSXMLSERIALIZEROLD_H

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QSharedPointer>
#include <QString>

#include "serialization/ISerializerClass.h"
#include "serialization/ObjectXMLSerializer.h"

class ObjectXmlSerializerOld;
struct OldFormatFileIndex;

// Class node of an older-format file. Such a file keeps parameters, rules, constraints and classes
// in four flat lists under "root"; a class names its parent ("levelUID") and lists its parameters
// ("childs"), and rules and constraints belong to no class at all. Reading one node builds the
// class and its whole subtree so that the node answers the ISerializerClass queries as a
// current-format class node would. Rules and constraints go to the lowest class whose subtree holds
// all their parameters. The node only reads: its save operations warn and write nothing.
class ClassXMLSerializerOld : public ISerializerClass
{
public:
    ClassXMLSerializerOld(const QString &n_id, const QDomDocument &n_document);
    ~ClassXMLSerializerOld() override;

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
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

    virtual void addAllParameters(const QList<QSharedPointer<ISerializerObject>> &n_parameters);
    virtual void addAllRules(const QList<QSharedPointer<ISerializerObject>> &n_rules);
    virtual void addAllConstraints(const QList<QSharedPointer<ISerializerObject>> &n_constraints);
    virtual void addAllClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes);
    virtual QList<QSharedPointer<ISerializerObject>> getAllParameters() const;
    virtual QList<QSharedPointer<ISerializerObject>> getAllRules() const;
    virtual QList<QSharedPointer<ISerializerObject>> getAllConstraints() const;
    virtual QList<QSharedPointer<ISerializerClass>> getAllClasses() const;

    // Not available for this format: warns and returns a null element.
    virtual QDomElement getXMLObject() const;
    // Reads this class and its subtree from the file whose document element is n_domElement.
    // A "levelUID" chain that leads back to a class on its own path, or a chain deeper than
    // MAX_CLASS_DEPTH, raises InconsistencyDataExceptionOstra; a rule or constraint naming a
    // relation that is not in the file raises NoElementExceptionOstra.
    virtual void setXMLObject(QDomElement &n_domElement);

    // The first element named n_tagName among all descendants, in document order.
    static QDomElement getNodesByTagsNames(QDomElement &n_domElement, const QString &n_tagName);
    void setRelations(const QList<QSharedPointer<ISerializerObject>> &n_relations);

    inline static const QString TAG_NAME_ROOT = QStringLiteral("root");
    inline static const QString ROOT_ID = QStringLiteral("0");
    inline static const QString TAG_NAME_PARAMETERS = QStringLiteral("parameters");
    inline static const QString TAG_NAME_RULES = QStringLiteral("rules");
    inline static const QString TAG_NAME_CONSTRAINTS = QStringLiteral("constraints");
    inline static const QString TAG_NAME_CLASSES = QStringLiteral("classes");
    inline static const QString TAG_NAME_PARAMETER = QStringLiteral("parametr");
    inline static const QString TAG_NAME_RULE = QStringLiteral("rule");
    inline static const QString TAG_NAME_CONSTRAINT = QStringLiteral("constraint");
    inline static const QString TAG_NAME_CLASS = QStringLiteral("class");
    inline static const QString ATTRIBUTE_NAME_CLASS_LEVEL_UID = QStringLiteral("levelUID");
    inline static const QString ATTRIBUTE_NAME_CLASS_LEVEL_NAME = QStringLiteral("levelName");
    inline static const QString ATTRIBUTE_NAME_CLASS_CHILDS = QStringLiteral("childs");
    inline static const QString ATTRIBUTE_NAME_CLASS_INTERNAL_RULES = QStringLiteral(
        "internal_rules");
    inline static const QString ATTRIBUTE_NAME_RULE_INIT_ID = QStringLiteral("initId");
    inline static const QString ATTRIBUTE_NAME_RULE_RESULT_ID = QStringLiteral("resultId");

    // A class tree read from an older file is written back in the current format, where every
    // class level costs two levels of XML nesting; deeper trees could not be reopened from there
    // (and would exhaust the stack while being read).
    static const int MAX_CLASS_DEPTH;

protected:
    QDomElement m_domElement;
    QHash<QString, QSharedPointer<ObjectXMLSerializer>> m_ownParameters;
    QHash<QString, QSharedPointer<ObjectXMLSerializer>> m_ownRules;
    QHash<QString, QSharedPointer<ObjectXMLSerializer>> m_ownConstraints;
    QHash<QString, QSharedPointer<ObjectXMLSerializer>> m_allParameters;
    QHash<QString, QSharedPointer<ObjectXMLSerializer>> m_allRules;
    QHash<QString, QSharedPointer<ObjectXMLSerializer>> m_allConstraints;
    QHash<QString, QSharedPointer<ClassXMLSerializerOld>> m_ownClasses;
    QHash<QString, QSharedPointer<ClassXMLSerializerOld>> m_allClasses;
    ObjectXMLSerializer m_classObject;
    QHash<QString, QSharedPointer<ISerializerObject>> m_relations;
    QDomDocument m_domDocument;

    // Reading steps; each uses the file index of the read in progress.
    void addChildsParameters(const QStringList &n_ids);
    void addChildParameter(const QString &n_id);
    void addChildParameter(QDomElement &n_element);
    void readRootParameters();
    void readInternalRules();
    void readInternalConstraints();
    void addChildRule(QDomElement &n_element);
    void addChildConstraint(QDomElement &n_element);

private:
    QString id() const;
    void readTree(const QSharedPointer<OldFormatFileIndex> &n_index, QSet<QString> &n_path,
                  int n_depth);
    void reportUnplaced(const OldFormatFileIndex &n_index) const;
    QSharedPointer<ISerializerObject> relationFor(const QDomElement &n_element,
                                                  const QString &n_methodName) const;
    // A rule (n_withOutputs) or constraint node bound to n_element and told its relation's
    // variables.
    QSharedPointer<ObjectXmlSerializerOld> linkedNode(const QString &n_tagName,
                                                      QDomElement &n_element,
                                                      const QString &n_methodName,
                                                      bool n_withOutputs) const;

    // Only while a read is in progress: the index of the file and the rules and constraints that
    // came up from the subtree without finding all their parameters there.
    QSharedPointer<OldFormatFileIndex> m_index;
    QList<int> m_pendingRules;
    QList<int> m_pendingConstraints;
};

#endif // CLASSXMLSERIALIZEROLD_H
