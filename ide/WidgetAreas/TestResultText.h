#ifndef TESTRESULTTEXT_H
#define TESTRESULTTEXT_H

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

class AlgorithmSolution;
class RuleModel;

// The console text of a class-test run, made from the solution alone: the caller shows it and
// fills its own fields.
class TestResultText
{
public:
    // The headings and step labels, in the interface's language.
    struct Labels
    {
        QString pathNotFound;
        QString notFound;
        QString constraintFailed;
        QString calculationError;
        QString following;
        QString step;
        QString rule;
        QString relation;
        QString inputs;
        QString formula;
        QString results;
    };

    // The result lines of the solution; none when it was not solved.
    static QStringList lines(AlgorithmSolution &n_solution, const Labels &n_labels);
    // One block per rule: its step number (from n_firstStep on), relation, inputs, formula and
    // results. Null rules are passed over and take no number.
    static QStringList ruleBlocks(const QList<QSharedPointer<RuleModel>> &n_rules, int n_firstStep,
                                  const Labels &n_labels);
    // The rules whose results the text shows, in its order.
    static QList<QSharedPointer<RuleModel>> shownRules(const AlgorithmSolution &n_solution);
};

#endif // TESTRESULTTEXT_H
