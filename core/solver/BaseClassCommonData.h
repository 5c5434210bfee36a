#ifndef BASECLASSCOMMONDATA_H
#define BASECLASSCOMMONDATA_H

#include <QList>
#include <QSharedPointer>
#include <QString>

#include "elements/RelationsStorage.h"
#include "errors/OstraObjectType.h"
#include "solver/IConstraintsData.h"
#include "solver/IParametersData.h"
#include "solver/IRuleData.h"

// The network of one class: its parameters, rules and constraints, and the edges between them and
// to the model's relations. Every edge lives in the two elements it joins; the operations here keep
// both ends in step. Base of the class tree's classes and of every solver.
class BaseClassCommonData : public IParametersData, public IRuleData, public IConstraintsData
{
public:
    typedef QSharedPointer<ParameterModel> ParameterSharedPtr;
    typedef QSharedPointer<RuleModel> RuleSharedPtr;
    typedef QSharedPointer<ConstraintModel> ConstraintSharedPtr;
    typedef QSharedPointer<RelationModel> RelationSharedPtr;

    explicit BaseClassCommonData(QSharedPointer<RelationsStorage> n_relationsStorage);
    // New element objects with the same ids, linked among themselves by id and variable name to the
    // relations of the given storage. Elements without a relation and unbound names are skipped.
    BaseClassCommonData(const BaseClassCommonData &n_source,
                        QSharedPointer<RelationsStorage> n_relationsStorage);
    BaseClassCommonData &operator=(const BaseClassCommonData &) = delete;
    ~BaseClassCommonData() override;

    // Clears the computed state of the class's elements and of every relation of the model.
    virtual void reset();
    virtual OstraObjectType getObjectTypeById(const QString &n_id) const;
    virtual QList<RuleSharedPtr> getRelationConnections(
        QSharedPointer<RelationModel> n_relation) const;
    virtual QList<RuleSharedPtr> getRelationConnections(QString n_relationId) const;
    virtual QList<ConstraintSharedPtr> getRelationConstraintConnections(
        QSharedPointer<RelationModel> n_relation) const;
    virtual QList<ConstraintSharedPtr> getRelationConstraintConnections(QString n_relationId) const;
    // Removes the relation with the rules and constraints of this class that use it; their edges
    // stay.
    virtual void deleteRelationPtr(QSharedPointer<RelationModel> n_relation);
    virtual void deleteRelation(const QString &n_relationId);
    virtual bool relationsContains(const QString &n_id) const;

    void copyRulesEdges(const BaseClassCommonData &n_source);
    void copyConstraintsEdges(const BaseClassCommonData &n_source);

    bool isParameterExist(const QString &n_id) const;
    bool isRuleExist(const QString &n_id) const;
    bool isConstraintExist(const QString &n_id) const;
    int countOfBadLinkedParameters() const;
    int countOfBadLinkedRules() const;
    int countOfBadLinkedConstraints() const;

    // By ids: the order of the ids gives the direction of a parameter edge.
    void addEdge(const QString &n_vertex_1, const QString &n_vertex_2, const QString &n_linkedName);
    void addEdge(ParameterSharedPtr n_parameter, const QString &n_linkedName, RuleSharedPtr n_rule);
    void addEdge(const QString &n_linkedName, RuleSharedPtr n_rule, ParameterSharedPtr n_parameter);
    void addEdge(ParameterSharedPtr n_parameter, const QString &n_linkedName,
                 ConstraintSharedPtr n_constraint);
    void addEdge(RuleSharedPtr n_rule, QSharedPointer<RelationModel> n_relation);
    void addEdge(ConstraintSharedPtr n_constraint, QSharedPointer<RelationModel> n_relation);

    // An empty name means every binding between the two elements.
    void deleteEdge(const QString &n_vertex_1, const QString &n_vertex_2,
                    const QString &n_linkedName);
    void deleteEdge(ParameterSharedPtr n_parameter, RuleSharedPtr n_rule,
                    const QString &n_linkedName);
    void deleteEdge(RuleSharedPtr n_rule, ParameterSharedPtr n_parameter,
                    const QString &n_linkedName);
    void deleteEdge(ParameterSharedPtr n_parameter, ConstraintSharedPtr n_constraint,
                    const QString &n_linkedName);
    void deleteEdge(RuleSharedPtr n_rule, QSharedPointer<RelationModel> n_relation);
    void deleteEdge(ConstraintSharedPtr n_constraint, QSharedPointer<RelationModel> n_relation);

    void deleteAllObjectEdges(const QString &n_vertex_1);
    void deleteAllParameterEdges(ParameterSharedPtr n_parameter);
    void deleteAllRuleEdges(RuleSharedPtr n_rule);
    void deleteAllConstraintEdges(ConstraintSharedPtr n_constraint);
    void deleteAllRelationEdges(QSharedPointer<RelationModel> n_relation);

    QSharedPointer<RelationModel> getRelationPtr(QString n_id) const;
    QSharedPointer<const RelationModel> getRelationConstPtr(QString n_id) const;
    QHash<QString, QSharedPointer<RelationModel>> getRelationsHash() const;
    QSharedPointer<RelationsStorage> getRelationsStorage() const;
    void addRelationPtr(QSharedPointer<RelationModel> n_relation);

protected:
    QSharedPointer<RelationsStorage> m_relationsStorage;

private:
    // The edges that rules and constraints both have: to their relation and from each bound input.
    void copyRelationAndInputEdges(const QString &n_elementId, const QString &n_relationId,
                                   const QHash<QString, ParameterSharedPtr> &n_inputs);
};

#endif // BASECLASSCOMMONDATA_H
