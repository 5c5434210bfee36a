#include <QtTest>

#include "ModelGenerator.h"
#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/IntegrityMsg.h"
#include "errors/ModelIntegrity.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"

// The whole-class check on a generated model with faults of many kinds, against a reference made
// here the plain way: every namesake looked up one at a time, every rule's and constraint's links
// read from their tables. The two must agree finding by finding, in order.
namespace {

typedef QSharedPointer<const BaseOstraObj> Reason;

QString line(IntegrityMsg::MsgType n_type, int n_code, const QList<Reason> &n_reasons)
{
    QStringList ids;
    for (const Reason &reason : n_reasons)
        ids.append(reason.isNull() ? QStringLiteral("<null>") : reason->getId());
    return QStringLiteral("%1 %2 %3").arg(n_type).arg(n_code).arg(ids.join(QLatin1Char(',')));
}

QStringList lines(const ModelIntegrity &n_report)
{
    QStringList result;
    for (const IntegrityMsg &msg : n_report.getIntegrityMsgs())
        result.append(line(msg.getMsgType(), msg.getMsgCode(), msg.getMsgReasons()));
    return result;
}

// Each element paired with its first namesake, a partner not paired again on its own turn.
template<class T, class Lookup, class Line>
void pairNamesakes(const QHash<QString, QSharedPointer<T>> &n_store, Lookup n_lookup, Line n_line,
                   QStringList &n_out)
{
    QSet<QString> partners;
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        if (partners.contains(it.key()))
            continue;
        const QSharedPointer<T> namesake = n_lookup(it.value());
        if (namesake.isNull())
            continue;
        n_out.append(n_line(it.value(), namesake));
        partners.insert(namesake->getId());
    }
}

void referenceClass(const QSharedPointer<OstraClass> &n_class, QStringList &n_out)
{
    pairNamesakes(
        n_class->getOwnParametersHash(),
        [&](const ParameterModel::ParameterModelPtr &n_parameter) {
            return OstraClass::isParameterWithSameShortNameExist(n_parameter, n_class);
        },
        [&](const Reason &n_element, const Reason &n_namesake) {
            return line(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME,
                        {n_element, n_namesake, n_class});
        },
        n_out);
    for (const QSharedPointer<OstraClass> &child : n_class->getOwnClassesHash())
        referenceClass(child, n_out);
    pairNamesakes(
        n_class->getOwnClassesHash(),
        [&](const QSharedPointer<OstraClass> &n_child) {
            return OstraClass::isClassWithSameShortNameExist(n_child, n_class);
        },
        [&](const Reason &n_element, const Reason &n_namesake) {
            return line(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME,
                        {n_element, n_namesake, n_class});
        },
        n_out);
}

struct LinkCodes
{
    int unbound, notInRelation, typeMismatch;
};

// The counts and links of one side, as the element's own check names them.
void referenceLinks(const Reason &n_element, const QSharedPointer<RelationModel> &n_relation,
                    const QHash<QString, QSharedPointer<ParameterModel>> &n_links, bool n_input,
                    const LinkCodes &n_codes, QStringList &n_out)
{
    for (auto it = n_links.constBegin(); it != n_links.constEnd(); ++it) {
        if (it.value().isNull())
            continue;
        const bool declared = n_input ? n_relation->containInputParameter(it.key())
                                      : n_relation->containOutputParameter(it.key());
        if (!declared)
            n_out.append(line(IntegrityMsg::ERROR, n_codes.notInRelation,
                              {n_element, n_relation, it.value()}));
        else if ((n_input ? n_relation->getInputParameterType(it.key())
                          : n_relation->getOutputParameterType(it.key()))
                 != it.value()->getValueType())
            n_out.append(line(IntegrityMsg::ERROR, n_codes.typeMismatch,
                              {n_element, n_relation, it.value()}));
    }
}

int live(const QHash<QString, QSharedPointer<ParameterModel>> &n_links)
{
    return n_links.size() - n_links.keys(QSharedPointer<ParameterModel>()).size();
}

void referenceRule(const RuleModel::RuleModelPtr &n_rule, QStringList &n_out)
{
    const QSharedPointer<RelationModel> relation = n_rule->getRelationPtr();
    const auto inputs = n_rule->getInputParameters();
    const auto outputs = n_rule->getOutputParameters();
    if (relation.isNull()) {
        n_out.append(
            line(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION, {n_rule}));
    } else {
        const auto add = [&](IntegrityMsg::MsgType n_type, int n_code) {
            n_out.append(line(n_type, n_code, {n_rule, relation}));
        };
        if (n_rule->getShortName().isEmpty())
            add(IntegrityMsg::WARNING, IntegrityMsg::MSG_CODE_RULE_SHORTNAME_IS_EMPTY);
        if (live(inputs) < 1)
            add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_INPUT_PARAMETERS);
        if (live(outputs) < 1)
            add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_OUTPUT_PARAMETERS);
        if (live(inputs) < inputs.size())
            add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_ONE_INPUT_PARAMETER_IS_NULL);
        for (int i = live(outputs); i < outputs.size(); ++i)
            add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_ONE_OUTPUT_PARAMETER_IS_NULL);
        if (relation->getInputParametersCount() != live(inputs))
            add(IntegrityMsg::ERROR,
                IntegrityMsg::
                    MSG_CODE_RULE_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT);
        if (relation->getOutputParametersCount() != live(outputs))
            add(IntegrityMsg::ERROR,
                IntegrityMsg::
                    MSG_CODE_RULE_OUTPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT);
        referenceLinks(n_rule, relation, inputs, true, {0, 17, 6}, n_out);
        referenceLinks(n_rule, relation, outputs, false, {0, 18, 7}, n_out);
    }
    ModelIntegrity own;
    n_rule->checkSameOutputParameters(own);
    n_rule->checkRuleInputOutputParametersAccord(own);
    n_out.append(lines(own));
}

void referenceConstraint(const ConstraintModel::ConstraintModelPtr &n_constraint,
                         QStringList &n_out)
{
    const QSharedPointer<RelationModel> relation = n_constraint->getRelationPtr();
    if (relation.isNull()) {
        n_out.append(line(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_RELATION,
                          {n_constraint}));
        return;
    }
    const auto inputs = n_constraint->getInputParameters();
    const auto add = [&](IntegrityMsg::MsgType n_type, int n_code) {
        n_out.append(line(n_type, n_code, {n_constraint, relation}));
    };
    if (n_constraint->getShortName().isEmpty())
        add(IntegrityMsg::WARNING, IntegrityMsg::MSG_CODE_CONSTRAINT_SHORTNAME_IS_EMPTY);
    if (live(inputs) < 1)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_INPUT_PARAMETERS);
    if (live(inputs) < inputs.size())
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CONSTRAINT_ONE_INPUT_PARAMETER_IS_NULL);
    if (relation->getInputParametersCount() != live(inputs))
        add(IntegrityMsg::ERROR,
            IntegrityMsg::
                MSG_CODE_CONSTRAINT_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT);
    referenceLinks(n_constraint, relation, inputs, true, {0, 15, 13}, n_out);
}

QStringList reference(const QSharedPointer<OstraClass> &n_root)
{
    QStringList out;
    referenceClass(n_root, out);
    const auto rules = n_root->getRulesHash();
    for (const RuleModel::RuleModelPtr &rule : rules)
        referenceRule(rule, out);
    pairNamesakes(
        rules,
        [&](const RuleModel::RuleModelPtr &n_rule) {
            return n_root->isRuleWithSameShortNameExist(n_rule);
        },
        [](const RuleModel::RuleModelPtr &, const RuleModel::RuleModelPtr &n_namesake) {
            return line(IntegrityMsg::WARNING, IntegrityMsg::MSG_CODE_RULE_WITH_SAME_SHORTNAME,
                        {n_namesake, n_namesake->getRelationPtr()});
        },
        out);
    const auto constraints = n_root->getConstraintsHash();
    for (const ConstraintModel::ConstraintModelPtr &constraint : constraints)
        referenceConstraint(constraint, out);
    pairNamesakes(
        constraints,
        [&](const ConstraintModel::ConstraintModelPtr &n_constraint) {
            return n_root->isConstraintWithSameShortNameExist(n_constraint);
        },
        [](const ConstraintModel::ConstraintModelPtr &,
           const ConstraintModel::ConstraintModelPtr &n_namesake) {
            return line(IntegrityMsg::WARNING,
                        IntegrityMsg::MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME,
                        {n_namesake, n_namesake->getRelationPtr()});
        },
        out);
    const QSharedPointer<RelationsStorage> storage = n_root->getRelationsStorage();
    const auto relations = storage->getRelationsHash();
    for (const QSharedPointer<RelationModel> &relation : relations)
        if (relation->getShortName().isEmpty())
            out.append(line(IntegrityMsg::WARNING,
                            IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY, {relation}));
    pairNamesakes(
        relations,
        [&](const QSharedPointer<RelationModel> &n_relation) {
            return storage->isRelationWithSameShortNameExist(n_relation);
        },
        [](const Reason &n_relation, const Reason &n_namesake) {
            return line(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME,
                        {n_relation, n_namesake});
        },
        out);
    return out;
}

// Every n-th element of a store, in store order.
template<class T>
QList<QSharedPointer<T>> everyNth(const QHash<QString, QSharedPointer<T>> &n_store, int n_step)
{
    QList<QSharedPointer<T>> picked;
    int index = 0;
    for (const QSharedPointer<T> &element : n_store)
        if (++index % n_step == 0)
            picked.append(element);
    return picked;
}

// Namesakes among parameters, classes, rules, constraints and relations; empty names; unbound
// links; variables whose type no longer matches the bound parameters.
void breakModel(const QSharedPointer<OstraClass> &n_root)
{
    for (const QSharedPointer<OstraClass> &cls : everyNth(n_root->getAllClassesHash(), 3)) {
        const QList<ParameterModel::ParameterModelPtr> own = cls->getOwnParametersHash().values();
        for (int i = 1; i < own.size() && i < 3; ++i)
            own.at(i)->setShortName(own.first()->getShortName());
        const QList<QSharedPointer<OstraClass>> children = cls->getOwnClassesHash().values();
        if (children.size() > 1)
            children.last()->setShortName(children.first()->getShortName());
    }
    for (const RuleModel::RuleModelPtr &rule : everyNth(n_root->getRulesHash(), 5))
        rule->setShortName(QStringLiteral("twin"));
    for (const RuleModel::RuleModelPtr &rule : everyNth(n_root->getRulesHash(), 11))
        rule->setShortName(QString());
    for (const RuleModel::RuleModelPtr &rule : everyNth(n_root->getRulesHash(), 7))
        rule->removeInputParameter(rule->getInputParameters().keys().first());
    for (const auto &constraint : everyNth(n_root->getConstraintsHash(), 3))
        constraint->setShortName(QStringLiteral("twin"));
    for (const auto &constraint : everyNth(n_root->getConstraintsHash(), 4))
        constraint->removeInputParameter(constraint->getInputParameters().keys().first());
    const auto relations = n_root->getRelationsStorage()->getRelationsHash();
    for (const QSharedPointer<RelationModel> &relation : everyNth(relations, 4))
        relation->setShortName(QStringLiteral("twin"));
    for (const QSharedPointer<RelationModel> &relation : everyNth(relations, 9))
        relation->setShortName(QString());
    for (const QSharedPointer<RelationModel> &relation : everyNth(relations, 5))
        for (const QString &name : relation->getInputParametersNames())
            relation->setInputParameterType(name, QVariant::String);
}

} // namespace

class tst_ClassIntegrity : public QObject
{
    Q_OBJECT

private slots:
    void wholeModelAgreesWithPlainReference();
};

void tst_ClassIntegrity::wholeModelAgreesWithPlainReference()
{
    ModelGenerator::Options options;
    options.elements = 3000;
    ModelManager manager;
    manager.loadModel(ModelGenerator(options).currentFormat());
    const QSharedPointer<OstraClass> root = manager.getActiveModel()->getRootClass();

    // A clean model: nothing to report.
    QVERIFY(root->checkClassIntegrity().getIntegrityMsgs().isEmpty());

    breakModel(root);
    const ModelIntegrity report = root->checkClassIntegrity();
    const QStringList found = lines(report);
    QCOMPARE(found, reference(root));
    QVERIFY(report.areAnyErrors());
    // Every planted kind is there.
    QSet<int> codes;
    for (const IntegrityMsg &msg : report.getIntegrityMsgs())
        codes.insert(msg.getMsgCode());
    for (int code : {2, 4, 6, 8, 11, 12, 13, 14, 16, 19, 20, 21, 22, 23, 25})
        QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
}

QTEST_GUILESS_MAIN(tst_ClassIntegrity)
#include "tst_classintegrity.moc"
