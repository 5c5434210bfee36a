#ifndef OSTRACLASS_H
#define OSTRACLASS_H

#include <QEnableSharedFromThis>
#include <QHash>
#include <QList>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QVarLengthArray>

#include "elements/BaseObjectParent.h"
#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "errors/ModelIntegrity.h"
#include "model/OstraSingleClass.h"
#include "serialization/ISerializableClass.h"

class ISerializerClass;
class RelationsStorage;

// One node of a model's class tree. Each kind of element is kept twice: in an own set (placed
// directly in the class) and in a whole-subtree store (the inherited stores of the class network),
// which also holds everything of the classes below.
class OstraClass : public OstraSingleClass,
                   public BaseObjectParent,
                   public ISerializableClass,
                   public QEnableSharedFromThis<OstraClass>
{
public:
    typedef QSharedPointer<OstraClass> OstraClassPtr;

    OstraClass();
    explicit OstraClass(QSharedPointer<RelationsStorage> n_storage);
    OstraClass(const QString &n_id, QSharedPointer<RelationsStorage> n_storage);
    ~OstraClass() override;

    // ---- adding: parameters, rules, constraints ----
    virtual void addParameter(ParameterModel::ParameterModelPtr n_parameterPtr);
    virtual void addRule(RuleModel::RuleModelPtr n_rulePtr);
    virtual void addConstraint(ConstraintModel::ConstraintModelPtr n_constrPtr);
    void addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr);
    void addRuleToOwn(RuleModel::RuleModelPtr n_rulePtr);
    void addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr);
    void addParameterToAll(ParameterModel::ParameterModelPtr n_parameterPtr);
    void addRuleToAll(RuleModel::RuleModelPtr n_rulePtr);
    void addConstraintToAll(ConstraintModel::ConstraintModelPtr n_constrPtr);
    void addParameterToAllInParent(ParameterModel::ParameterModelPtr n_parameterPtr);
    void addRuleToAllInParent(RuleModel::RuleModelPtr n_rulePtr);
    void addConstraintToAllInParent(ConstraintModel::ConstraintModelPtr n_constrPtr);
    void addParametersToAll(const QSet<ParameterModel::ParameterModelPtr> &n_parameters);
    void addParametersOnlyToAll(const QSet<ParameterModel::ParameterModelPtr> &n_parameters);
    void addRulesOnlyToAll(const QSet<RuleModel::RuleModelPtr> &n_rules);
    void addConstraintsOnlyToAll(const QSet<ConstraintModel::ConstraintModelPtr> &n_constraints);
    static void addParametersToAllinParent(
        OstraClassPtr n_parent, const QSet<ParameterModel::ParameterModelPtr> &n_parameters);
    static void addRulesToAllInParent(OstraClassPtr n_parent,
                                      const QSet<RuleModel::RuleModelPtr> &n_rules);
    static void addConstraintsToAllInParent(
        OstraClassPtr n_parent, const QSet<ConstraintModel::ConstraintModelPtr> &n_constraints);

    // ---- deleting: parameters, rules, constraints ----
    void deleteParameterFromClass(ParameterModel::ParameterModelPtr n_parameterPtr,
                                  bool n_deleteEdges);
    void deleteParameterFromClass(const QString &n_id, bool n_deleteEdges);
    void deleteRuleFromClass(RuleModel::RuleModelPtr n_rulePtr, bool n_deleteEdges);
    void deleteRuleFromClass(const QString &n_id, bool n_deleteEdges);
    void deleteConstraintFromClass(ConstraintModel::ConstraintModelPtr n_constrPtr,
                                   bool n_deleteEdges);
    void deleteConstraintFromClass(const QString &n_id, bool n_deleteEdges);
    void deleteParameterFromAll(const QString &n_parameterID);
    void deleteRuleFromAll(const QString &n_ruleId);
    void deleteConstraintFromAll(const QString &n_constrId);
    void deleteParameterFromAllInParent(const QString &n_parameterID);
    void deleteParameterFromAllInParent(ParameterModel::ParameterModelPtr n_parameterPtr);
    void deleteRuleFromAllInParent(const QString &n_ruleId);
    void deleteConstraintFromAllInParent(const QString &n_constrId);
    void deleteParameterExternalEdges(ParameterModel::ParameterModelPtr n_parameter);

    // ---- the own sets: parameters, rules, constraints ----
    bool isChild(ParameterModel::ParameterModelPtr n_parameterPtr) const;
    bool isChild(RuleModel::RuleModelPtr n_rulePtr) const;
    bool isChild(ConstraintModel::ConstraintModelPtr n_constrPtr) const;
    QHash<QString, ParameterModel::ParameterModelPtr> getOwnParametersHash() const;
    QHash<QString, RuleModel::RuleModelPtr> getOwnRulesHash() const;
    QHash<QString, ConstraintModel::ConstraintModelPtr> getOwnConstraintsHash() const;
    QSet<ParameterModel::ParameterModelPtr> getOwnParametersSet() const;
    QSet<RuleModel::RuleModelPtr> getOwnRulesSet() const;
    QSet<ConstraintModel::ConstraintModelPtr> getOwnConstraintsSet() const;
    int getOwnParametersCount() const;
    int getOwnRulesCount() const;
    int getOwnConstraintsCount() const;

    // ---- clearing and re-keying: parameters, rules, constraints ----
    void clearOwnParameters();
    void clearOwnRules();
    void clearOwnConstraints();
    void clearAllParameters();
    void clearAllRules();
    void clearAllConstraints();
    void clearParameters();
    void clearRules();
    void clearConstraints();
    void refreshParametersHash();
    void refreshRulesHash();
    void refreshConstraintsHash();

    // ---- child classes ----
    void addClass(OstraClassPtr n_childClass);
    void addClassToAll(OstraClassPtr n_childClass);
    void addClassToAllInParent(OstraClassPtr n_childClass);
    static void addClassesToAllinParent(OstraClassPtr n_parent,
                                        const QSet<OstraClassPtr> &n_classes);
    bool isChild(OstraClassPtr n_classPtr) const;
    void deleteChildClass(OstraClassPtr n_classPtr, bool n_deleteEdges);
    void deleteChildClass(const QString &n_id, bool n_deleteEdges);
    void deleteChildClassFromAll(OstraClassPtr n_classPtr);
    void deleteChildClassFromAllInParent(OstraClassPtr n_classPtr);
    int getOwnClassesCount() const;
    QSet<OstraClassPtr> getOwnClassesSet() const;
    QHash<QString, OstraClassPtr> getOwnClassesHash() const;
    QSet<OstraClassPtr> getAllClassesSet() const;
    QHash<QString, OstraClassPtr> getAllClassesHash() const;
    int getAllClassesCount() const;
    OstraClassPtr getClassById(const QString &n_id);
    OstraClassPtr getOwnClassById(const QString &n_id) const;
    bool classContains(const QString &n_id) const;
    void clearOwnClasses();
    void clearAllClasses();
    void clearClasses();
    void refreshClassesHash();
    void setTemplateClass(OstraClassPtr n_templateClass);
    OstraClassPtr getTemplateClass() const;

    // ---- external links of a parameter, measured from the class that owns it ----
    static QSet<RuleModel::RuleModelPtr> getExternalInputRules(
        const ParameterModel::ParameterModelPtr n_parameterPtr);
    static QSet<RuleModel::RuleModelPtr> getExternalOutputRules(
        const ParameterModel::ParameterModelPtr n_parameterPtr);
    static QSet<ConstraintModel::ConstraintModelPtr> getExternalConstraints(
        const ParameterModel::ParameterModelPtr n_parameterPtr);

    // ---- relations ----
    void deleteRelationPtr(QSharedPointer<RelationModel> n_relationPtr) override;
    int getRelationsCount();
    bool isRelationExist(const QString &n_id);
    void addConnections(const QHash<QString, QString> &n_inputs, const QString &n_id);
    void addConnections(const QString &n_id, const QHash<QString, QString> &n_outputs);
    OstraObjectType getObjectTypeById(const QString &n_id) const override;

    // ---- copying and cloning ----
    OstraClassPtr copy(QSharedPointer<RelationsStorage> n_storage) const;
    OstraClassPtr clone(QSharedPointer<RelationsStorage> n_storage) const;
    void copyOwnClasses(OstraClassPtr n_newClass) const;
    void copyOwnParameters(OstraClassPtr n_newClass) const;
    void copyOwnRules(OstraClassPtr n_newClass) const;
    void copyOwnConstraints(OstraClassPtr n_newClass) const;
    void copyOwnRulesEdges(OstraClassPtr n_newClass) const;
    void copyOwnConstraintsEdges(OstraClassPtr n_newClass) const;
    void replaceHashes();
    void refreshAllHashes();

    // ---- integrity ----
    ModelIntegrity checkClassIntegrity() const;
    ModelIntegrity checkClassIntegrityParametersClasses() const;
    ModelIntegrity checkClassIntegrityOfRulesConstraints() const;
    ModelIntegrity checkClassIntegrityOfRelations() const;
    static ParameterModel::ParameterModelPtr isParameterWithSameShortNameExist(
        ParameterModel::ParameterModelPtr n_parameter, QSharedPointer<OstraClass const> n_class);
    static OstraClassPtr isClassWithSameShortNameExist(
        OstraClassPtr n_class, QSharedPointer<OstraClass const> n_newParent);
    RuleModel::RuleModelPtr isRuleWithSameShortNameExist(RuleModel::RuleModelPtr n_rule) const;
    ConstraintModel::ConstraintModelPtr isConstraintWithSameShortNameExist(
        ConstraintModel::ConstraintModelPtr n_constraint) const;

    // ---- load and save ----
    void load(const ISerializerClass &n_object) override;
    void save(ISerializerClass &n_object) const override;
    virtual void loadClassAttributes(const ISerializerClass &n_object);
    virtual void saveClassAttributes(ISerializerClass &n_object) const;
    void saveClassAttribute(ISerializerClass &n_object) const;
    void loadOwnClasses(const ISerializerClass &n_object);
    void loadOwnParameters(const ISerializerClass &n_object);
    void loadOwnRules(const ISerializerClass &n_object);
    void loadOwnConstraints(const ISerializerClass &n_object);
    void saveOwnParameters(ISerializerClass &n_object) const;
    void saveOwnRules(ISerializerClass &n_object) const;
    void saveOwnConstraints(ISerializerClass &n_object) const;
    void saveOwnClasses(ISerializerClass &n_object) const;

    // ---- moves and owner link ----
    void changeParent(BaseClassCommonData::ParameterSharedPtr n_parameterPtr,
                      OstraClassPtr n_newParent);
    void changeParent(BaseClassCommonData::RuleSharedPtr n_rulePtr, OstraClassPtr n_newParent);
    void changeParent(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr,
                      OstraClassPtr n_newParent);
    void changeParent(OstraClassPtr n_classPtr, OstraClassPtr n_newParent);
    static QSet<RuleModel::RuleModelPtr> getExternalRulesForClass(OstraClassPtr n_class);
    static QSet<ConstraintModel::ConstraintModelPtr> getExternalConstraintForClass(
        OstraClassPtr n_class);
    static QSet<RuleModel::RuleModelPtr> getExternalRules(
        QSharedPointer<ParameterModel> n_parameter);
    void setParent(OstraClassPtr n_parent) override;
    void removeParent() override;

    // ---- rule and constraint levels ----
    static bool isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr, OstraClassPtr n_class);
    bool isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr) const;
    static bool isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr,
                                        OstraClassPtr n_class);
    bool isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr) const;
    OstraClassPtr getMinRuleLevel(RuleModel::RuleModelPtr n_rulePtr);
    OstraClassPtr getMinConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr);
    void setMinLevelToRule(RuleModel::RuleModelPtr n_rulePtr);
    void setMinLevelToConstraint(ConstraintModel::ConstraintModelPtr n_constraintPtr);
    static void setMinLevelToRules(QSet<RuleModel::RuleModelPtr> &n_rules);
    static void setMinLevelToConstraints(QSet<ConstraintModel::ConstraintModelPtr> &n_constraints);
    void changeRulesLevelIfNeed(const QList<RuleModel::RuleModelPtr> &n_rules);
    void changeConstraintsLevelIfNeed(
        const QList<ConstraintModel::ConstraintModelPtr> &n_constraints);

private:
    enum class SameObject { Refuse, Allow };
    // What the routines below need of one element kind (parameters, rules, constraints): its own
    // set, its whole-subtree store and the texts its exceptions carry (OstraClassKinds.h).
    template<class T>
    friend struct OstraClassKind;

    OstraClassPtr selfPtr(const QString &n_methodName);
    // This class and its ancestors up to the root, nearest first; trees are shallow.
    typedef QVarLengthArray<OstraClass *, 16> ClassChain;
    ClassChain chainToRoot() const;
    void refuseForeignOwner(BaseObjectParent &n_element, const QString &n_elementId,
                            const QString &n_methodName);
    void checkClassCanEnter(OstraClassPtr n_child, SameObject n_same) const;
    void checkNotInsideSubtree(OstraClassPtr n_child, const QString &n_methodName) const;
    void saveClassTree(ISerializerClass &n_object) const;
    void cutBorderEdges(ParameterModel::ParameterModelPtr n_parameter, const OstraClass &n_subtree);

    // One routine per operation for the three element kinds, defined in OstraClassKinds.h.
    template<class T>
    void checkCanEnter(const QSharedPointer<T> &n_element, SameObject n_same) const;
    template<class T>
    static void refuseTaken(const OstraClass &n_holder,
                            const QHash<QString, QSharedPointer<T>> &n_entering, bool n_refuseSame);
    template<class T>
    void addOwned(const QSharedPointer<T> &n_element);
    template<class T>
    void addToOwn(const QSharedPointer<T> &n_element);
    template<class T>
    void addToAll(const QSharedPointer<T> &n_element);
    template<class T>
    void addToAllInParent(const QSharedPointer<T> &n_element);
    template<class T>
    void addOnlyToAll(const QSet<QSharedPointer<T>> &n_elements);
    template<class T>
    static void addAllToParent(OstraClassPtr n_parent, const QSet<QSharedPointer<T>> &n_elements);
    template<class T>
    void deleteFromClass(const QSharedPointer<T> &n_element, bool n_deleteEdges);
    template<class T>
    void deleteFromAll(const QString &n_id);
    template<class T>
    void deleteFromAllInParent(const QString &n_id);
    template<class T>
    void clearStore();
    template<class T>
    void refreshStore();
    template<class T>
    void copyOwn(OstraClassPtr n_newClass) const;
    template<class T>
    void copyOwnEdges(OstraClassPtr n_newClass) const;
    template<class T>
    void loadOwn(const ISerializerClass &n_object);
    template<class T>
    void saveOwn(ISerializerClass &n_object) const;
    template<class T>
    bool moveTo(const QSharedPointer<T> &n_element, OstraClassPtr n_newParent);
    template<class T>
    QSharedPointer<T> namesakeInRelation(const QSharedPointer<T> &n_element) const;
    template<class T>
    bool isNormalLevel(const QSharedPointer<T> &n_element) const;
    template<class T>
    OstraClassPtr minLevel(const QSharedPointer<T> &n_element);
    template<class T>
    void setMinLevel(const QSharedPointer<T> &n_element);
    template<class T>
    static void setMinLevels(const QSet<QSharedPointer<T>> &n_elements);
    template<class T>
    void changeLevelsIfNeed(const QList<QSharedPointer<T>> &n_elements);

    QHash<QString, OstraClassPtr> m_ownClasses;
    QHash<QString, OstraClassPtr> m_allClasses;
    OstraClassPtr m_templateClass;
    QHash<QString, ParameterModel::ParameterModelPtr> m_ownParameters;
    QHash<QString, RuleModel::RuleModelPtr> m_ownRules;
    QHash<QString, ConstraintModel::ConstraintModelPtr> m_ownConstraints;
};

#endif // OSTRACLASS_H
