#include "WidgetAreas/TestResultText.h"

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "solver/AlgorithmSolution.h"

namespace {

QString nameWithDescription(const QString &n_name, const QString &n_description)
{
    return n_description.isEmpty()
               ? n_name
               : n_name + QStringLiteral(" (") + n_description + QLatin1Char(')');
}

// "name=value;" lines of the parameters, in the table's own order.
QString valueLines(const QHash<QString, QSharedPointer<ParameterModel>> &n_parameters)
{
    QString text;
    for (const QSharedPointer<ParameterModel> &parameter : n_parameters)
        if (parameter)
            text += parameter->getShortName() + QLatin1Char('=') + parameter->getValueStr()
                    + QStringLiteral(";\n");
    return text;
}

QString notFound(const QSet<QSharedPointer<ParameterModel>> &n_parameters,
                 const TestResultText::Labels &n_labels)
{
    QString item = n_labels.notFound + QLatin1Char('\n');
    for (const QSharedPointer<ParameterModel> &parameter : n_parameters)
        item += parameter->getShortName() + QStringLiteral(";\n");
    return item;
}

QStringList solvedLines(const AlgorithmSolution &n_solution, const TestResultText::Labels &n_labels)
{
    QStringList lines;
    if (n_solution.isRulesOrderEmpty())
        lines.append(n_labels.pathNotFound);
    else
        lines.append(TestResultText::ruleBlocks(n_solution.getRulesOrder(), 0, n_labels));
    const auto missing = n_solution.getNotCalculatedRequiredParameters();
    if (!missing.isEmpty())
        lines.append(notFound(missing, n_labels));
    return lines;
}

QStringList ruleFailedLines(AlgorithmSolution &n_solution, const TestResultText::Labels &n_labels)
{
    QStringList lines;
    const QList<QSharedPointer<RuleModel>> before = n_solution.getRulesBeforeFail();
    lines.append(TestResultText::ruleBlocks(before, 0, n_labels));
    lines.append(n_labels.calculationError);
    lines.append(TestResultText::ruleBlocks({n_solution.getProblemRule()}, -1, n_labels));
    lines.append(n_labels.following);
    lines.append(
        TestResultText::ruleBlocks(n_solution.getRulesAfterFail(), before.size(), n_labels));
    const auto unexplored = n_solution.getRequiredNotExploredParameters();
    if (!unexplored.isEmpty())
        lines.append(notFound(unexplored, n_labels));
    return lines;
}

QStringList constraintFailedLines(const AlgorithmSolution &n_solution,
                                  const TestResultText::Labels &n_labels)
{
    QStringList lines;
    const QSharedPointer<ConstraintModel> constraint = n_solution.getProblemConstraint();
    lines.append(n_labels.constraintFailed);
    const QSharedPointer<RelationModel> relation = constraint->getRelationPtr();
    lines.append(constraint->getId() + QStringLiteral(" | ")
                 + (relation ? relation->getCode() : QString()) + QStringLiteral(" | ")
                 + constraint->getDescription());
    for (const QSharedPointer<ParameterModel> &parameter : constraint->getInputParameters())
        if (parameter)
            lines.append(parameter->getShortName() + QLatin1Char('(') + parameter->getDescription()
                         + QStringLiteral(")=") + parameter->getValueStr());
    return lines;
}

} // namespace

QStringList TestResultText::lines(AlgorithmSolution &n_solution, const Labels &n_labels)
{
    QStringList lines;
    switch (n_solution.getSolutionStatus()) {
    case AlgorithmSolution::SOLVED:
        lines = solvedLines(n_solution, n_labels);
        break;
    case AlgorithmSolution::RULE_FAILED:
        lines = ruleFailedLines(n_solution, n_labels);
        break;
    case AlgorithmSolution::CONSTRAINT_FAILED:
        lines = constraintFailedLines(n_solution, n_labels);
        break;
    case AlgorithmSolution::NOT_SOLVED:
        return lines;
    }
    // An empty line closes every result.
    lines.append(QString());
    return lines;
}

QStringList TestResultText::ruleBlocks(const QList<QSharedPointer<RuleModel>> &n_rules,
                                       int n_firstStep, const Labels &n_labels)
{
    QStringList blocks;
    int number = n_firstStep;
    for (const QSharedPointer<RuleModel> &rule : n_rules) {
        if (!rule)
            continue;
        const QSharedPointer<RelationModel> relation = rule->getRelationPtr();
        const QString relationName = relation ? nameWithDescription(relation->getShortName(),
                                                                    relation->getDescription())
                                              : QString();
        const QString code = relation ? relation->getCode().trimmed() : QString();
        blocks.append(n_labels.step + QLatin1Char(' ') + QString::number(number) + QLatin1Char('\n')
                      + n_labels.relation + QLatin1Char(' ') + relationName + QLatin1Char('\n')
                      + n_labels.rule + QLatin1Char(' ')
                      + nameWithDescription(rule->getShortName(), rule->getDescription())
                      + QLatin1Char('\n') + n_labels.inputs + QLatin1Char('\n')
                      + valueLines(rule->getInputParameters()).trimmed() + QLatin1Char('\n')
                      + n_labels.formula + QStringLiteral(" \n") + code + QLatin1Char('\n')
                      + n_labels.results + QLatin1Char(' ')
                      + valueLines(rule->getOutputParameters()).trimmed() + QLatin1Char('\n')
                      + QString(36, QLatin1Char('-')) + QStringLiteral("\n\r"));
        ++number;
    }
    return blocks;
}

QList<QSharedPointer<RuleModel>> TestResultText::shownRules(const AlgorithmSolution &n_solution)
{
    switch (n_solution.getSolutionStatus()) {
    case AlgorithmSolution::SOLVED:
        return n_solution.getRulesOrder();
    case AlgorithmSolution::RULE_FAILED:
        return n_solution.getRulesBeforeFail()
               + QList<QSharedPointer<RuleModel>>{n_solution.getProblemRule()}
               + n_solution.getRulesAfterFail();
    case AlgorithmSolution::CONSTRAINT_FAILED:
    case AlgorithmSolution::NOT_SOLVED:
        break;
    }
    return {};
}
