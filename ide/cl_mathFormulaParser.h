#ifndef CL_MATHFORMULAPARSER_H
#define CL_MATHFORMULAPARSER_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Checks a relation body typed by the user (a formula, an IF-THEN-ELSE clause or a constraint
// clause), finds its input and output variable names and builds the code of the conditional kinds.
// Every problem is reported at once through the message sink and clears the verdict; nothing is
// thrown. One analyser serves one analysis: its lists only grow. Needs no widget.
class cl_mathFormulaParser : public QObject
{
    Q_OBJECT
public:
    // Gets the dictionary key of a message (KEY_SCRIPT_MESSAGE for the script engine's own
    // messages) and the box body.
    using MessageSink = std::function<void(int n_key, const QString &n_body)>;
    static const int KEY_SCRIPT_MESSAGE = 0;

    // The sink of every analyser; an empty one restores the default, an information box (title:
    // the "Error" text, one Ok button, no parent) through MessageBoxes.
    static void setMessageSink(MessageSink n_sink);

    explicit cl_mathFormulaParser(QObject *n_parent = nullptr);

    bool simpleFormulaRelation(QString n_formula);
    bool IfThenElseRelation(QString n_condition, QString n_thenPart, QString n_elsePart);
    bool constraintRelation(QString n_condition);

    QList<QString> getInputVariables() const;
    QList<QString> getOutputVariables() const;
    QString getWholeString() const;
    bool getFlagState() const;

private:
    bool simpleFormulaFirstStep(QString n_text);
    bool analyzeLeftPart(QString *n_text);
    bool analyzeRightPart(QString *n_text, bool n_inCondition);
    bool simpleFormulaSecondStep(QString n_text);
    bool IfFormulaParse(QString n_condition);
    bool IfAndOrPartsParser(QString n_part);

    bool isAcceptedToken(const QString &n_token) const;
    void show(int n_key, const QString &n_body) const;
    void showKey(int n_offset) const;
    QString text(int n_offset) const;

    bool m_flagState;
    QStringList m_reservedWords;
    QStringList m_forbiddenSymbols;
    QList<QString> m_conditionVariables;
    QList<QString> m_inputVariables;
    QList<QString> m_outputVariables;
    QString m_currentFormula;
    QString m_relationText;
    QString m_wholeString;

    int m_ideBeginKey;
    static const int KEY_TITLE = 1;
    static const int KEY_LEFT_PART = 50;
    static const int KEY_LEFT_PART_TAIL = 51;
    static const int KEY_LATIN_ONLY = 60;
    static const int KEY_FORBIDDEN_SYMBOL = 70;
    static const int KEY_OUTPUT_IN_CONDITION = 90;
    static const int KEY_NO_COMPARISON = 100;
    static const int KEY_OVERLAP = 151;
};

#endif // CL_MATHFORMULAPARSER_H
