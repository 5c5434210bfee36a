#include "cl_mathFormulaParser.h"

#include "Errors/ErrorDictionary.h"
#include "PlainTextBox.h"
#include "QuotedText.h"
#include "elements/ScriptEngineGuard.h"

#include <QDebug>
#include <QRegExp>
#include <QScriptEngine>
#include <QScriptSyntaxCheckResult>

#include <utility>

namespace {

cl_mathFormulaParser::MessageSink &messageSink()
{
    static cl_mathFormulaParser::MessageSink sink;
    return sink;
}

const QRegExp &cyrillicPattern()
{
    static const QRegExp pattern(QStringLiteral("[а-яА-Я]+"));
    return pattern;
}

// Drops every quoted piece: keeps the text before the first quote, the pieces between the second
// and third, fourth and fifth quotes and so on, and the whole rest after the last quote.
QString removeQuoted(const QString &n_text, const QString &n_quote)
{
    const QRegExp quote(n_quote);
    QList<int> positions;
    for (int pos = quote.indexIn(n_text); pos >= 0; pos = quote.indexIn(n_text, pos + 1))
        positions.append(pos);
    if (positions.isEmpty())
        return n_text;
    QString result = n_text.left(positions.first());
    for (int i = 1; i + 1 < positions.size(); i += 2)
        result += n_text.mid(positions[i] + 1, positions[i + 1] - positions[i] - 1);
    result += n_text.mid(positions.last() + 1);
    return result;
}

// The pieces of n_text cut at every match of n_pattern: the first from the start, each later one
// from a match (included) to the next. The last piece runs to the end of the text.
QStringList cutAt(const QString &n_text, QRegExp n_pattern, int *n_lastMatch)
{
    QStringList pieces;
    int start = 0;
    *n_lastMatch = -1;
    for (int pos = n_pattern.indexIn(n_text); pos >= 0;
         pos = n_pattern.indexIn(n_text, pos + qMax(1, n_pattern.matchedLength()))) {
        pieces.append(n_text.mid(start, pos - start));
        start = pos;
        *n_lastMatch = pos;
    }
    pieces.append(n_text.mid(start));
    return pieces;
}

} // namespace

void cl_mathFormulaParser::setMessageSink(MessageSink n_sink)
{
    messageSink() = std::move(n_sink);
}

cl_mathFormulaParser::cl_mathFormulaParser(QObject *n_parent) : QObject(n_parent), m_flagState(true)
{
    m_reservedWords = QStringList{
        QStringLiteral("sqrt"), QStringLiteral("round"), QStringLiteral("abs"),
        QStringLiteral("sin"),  QStringLiteral("cos"),   QStringLiteral("tan"),
        QStringLiteral("asin"), QStringLiteral("acos"),  QStringLiteral("atan"),
        QStringLiteral("exp"),  QStringLiteral("log"),   QStringLiteral("lg"),
        QStringLiteral("ln"),   QStringLiteral("if"),    QStringLiteral("then"),
        QStringLiteral("else"), QStringLiteral("and"),   QStringLiteral("or"),
        QStringLiteral("Math"), QStringLiteral("math"),  QStringLiteral("Pi"),
        QStringLiteral("PI"),   QStringLiteral("pow")};
    m_forbiddenSymbols = QStringList{QStringLiteral("||"), QStringLiteral("<"), QStringLiteral(">"),
                                     QStringLiteral("=")};
    m_ideBeginKey = ErrorDictionary::Instance().getOstraIDEBeginKey();
}

QString cl_mathFormulaParser::text(int n_offset) const
{
    return ErrorDictionary::Instance().getErrorById(m_ideBeginKey + n_offset);
}

void cl_mathFormulaParser::show(int n_key, const QString &n_body) const
{
    const MessageSink &sink = messageSink();
    if (sink)
        sink(n_key, n_body);
    else
        PlainTextBox::show(QMessageBox::Information, text(KEY_TITLE), n_body);
}

void cl_mathFormulaParser::showKey(int n_offset) const
{
    show(m_ideBeginKey + n_offset, text(n_offset));
}

bool cl_mathFormulaParser::simpleFormulaFirstStep(QString n_text)
{
    m_currentFormula = n_text;
    const int equals = n_text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return m_flagState;
    QString left = n_text.left(equals);
    QString right = n_text.mid(equals + 1);
    // A verdict already cleared (by the condition of an IF clause) stays cleared.
    const bool leftPassed = analyzeLeftPart(&left);
    m_flagState = m_flagState && leftPassed;
    if (!leftPassed) {
        show(m_ideBeginKey + KEY_LEFT_PART, text(KEY_LEFT_PART) + QLatin1Char(' ')
                                                + QuotedText::quote(n_text) + QStringLiteral(". ")
                                                + text(KEY_LEFT_PART_TAIL));
        return false;
    }
    const bool rightPassed = analyzeRightPart(&right, false);
    m_flagState = m_flagState && rightPassed;
    return m_flagState;
}

bool cl_mathFormulaParser::analyzeLeftPart(QString *n_text)
{
    const QString side = n_text->trimmed();
    if (cyrillicPattern().indexIn(side) >= 0) {
        showKey(KEY_LATIN_ONLY);
        m_flagState = false;
        return false;
    }
    if (!QRegExp(QStringLiteral("\\w+")).exactMatch(side))
        return false;
    if (!m_outputVariables.contains(side))
        m_outputVariables.append(side);
    return true;
}

bool cl_mathFormulaParser::isAcceptedToken(const QString &n_token) const
{
    bool ok = false;
    const int value = n_token.toInt(&ok, 10);
    return (ok && value != 0) || n_token == QLatin1String("0");
}

bool cl_mathFormulaParser::analyzeRightPart(QString *n_text, bool n_inCondition)
{
    const QString rebuilt = removeQuoted(removeQuoted(n_text->trimmed(), QStringLiteral("\"")),
                                         QStringLiteral("'"));
    if (!n_inCondition) {
        for (const QString &symbol : qAsConst(m_forbiddenSymbols)) {
            if (n_text->contains(symbol)) {
                show(m_ideBeginKey + KEY_FORBIDDEN_SYMBOL,
                     text(KEY_FORBIDDEN_SYMBOL) + QLatin1Char(' ') + symbol);
                m_flagState = false;
                return false;
            }
        }
    }
    if (cyrillicPattern().indexIn(rebuilt) >= 0) {
        showKey(KEY_LATIN_ONLY);
        m_flagState = false;
        return false;
    }
    QRegExp tokens(QStringLiteral("((\\w+))"));
    const QRegExp identifier(QStringLiteral("(\\D)((\\w+)|$)"));
    for (int pos = tokens.indexIn(rebuilt); pos >= 0;
         pos = tokens.indexIn(rebuilt, pos + tokens.matchedLength())) {
        const QString token = tokens.cap(1);
        if (!identifier.exactMatch(token)) {
            if (isAcceptedToken(token))
                continue;
            show(m_ideBeginKey + KEY_FORBIDDEN_SYMBOL,
                 text(KEY_FORBIDDEN_SYMBOL) + QLatin1Char(' ') + QuotedText::quote(token));
            m_flagState = false;
            return false;
        }
        if (!m_reservedWords.contains(token) && !m_inputVariables.contains(token))
            m_inputVariables.append(token);
    }
    return true;
}

bool cl_mathFormulaParser::simpleFormulaSecondStep(QString n_text)
{
    if (!m_flagState)
        return false;
    // A fresh engine for this one check, freed when it ends.
    QScriptEngine engine;
    QScriptValue global = engine.globalObject();
    for (const QString &name : qAsConst(m_inputVariables))
        global.setProperty(name, 1, QScriptValue::KeepExistingFlags);
    for (const QString &name : qAsConst(m_outputVariables))
        global.setProperty(name, 1, QScriptValue::KeepExistingFlags);

    // A body may loop for ever: the run is bounded by the core's time budget.
    ScriptEngineGuard *guard = ScriptEngineGuard::guardOf(&engine);
    guard->beginEvaluation();
    const QScriptValue result = engine.evaluate(n_text, QString(), 1);
    const bool timedOut = guard->endEvaluation();

    const QScriptSyntaxCheckResult syntax = QScriptEngine::checkSyntax(n_text);
    if (!syntax.errorMessage().isEmpty()) {
        show(KEY_SCRIPT_MESSAGE, tr("Error:") + QLatin1Char(' ')
                                     + QuotedText::quote(syntax.errorMessage())
                                     + QStringLiteral("; \n") + tr("Value:") + QLatin1Char(' ')
                                     + n_text.mid(syntax.errorColumnNumber() - 1, 1));
        m_flagState = false;
    } else if (timedOut) {
        showKey(ErrorDictionary::ERROR_IDE_EVALUATION_TIMEOUT);
        m_flagState = false;
    } else if (engine.hasUncaughtException()) {
        qDebug() << "uncaught exception at line" << engine.uncaughtExceptionLineNumber() << ":"
                 << result.toString();
        show(KEY_SCRIPT_MESSAGE, QuotedText::quote(result.toString() + QLatin1Char(' ') + tr("in")
                                                   + QLatin1Char(' ') + n_text));
        m_flagState = false;
    } else {
        qDebug() << "good";
    }
    return m_flagState;
}

bool cl_mathFormulaParser::simpleFormulaRelation(QString n_formula)
{
    m_relationText = n_formula;
    if (simpleFormulaFirstStep(n_formula))
        simpleFormulaSecondStep(n_formula);
    if (m_inputVariables.isEmpty()) {
        m_flagState = false;
        showKey(ErrorDictionary::ERROR_IDE_NO_INPUTS);
    } else if (m_outputVariables.isEmpty()) {
        m_flagState = false;
        showKey(ErrorDictionary::ERROR_IDE_NO_OUTPUTS);
    } else {
        for (const QString &name : qAsConst(m_inputVariables)) {
            if (m_outputVariables.contains(name)) {
                m_flagState = false;
                showKey(KEY_OVERLAP);
                break;
            }
        }
    }
    return m_flagState;
}

bool cl_mathFormulaParser::IfAndOrPartsParser(QString n_part)
{
    int lastMatch = -1;
    const QStringList pieces = cutAt(n_part, QRegExp(QStringLiteral("((\\>|<|=|!)\\=)|(\\>|<)")),
                                     &lastMatch);
    for (QString piece : pieces)
        analyzeRightPart(&piece, true);
    const bool passed = lastMatch > 0;
    if (passed)
        m_conditionVariables = m_inputVariables;
    return passed;
}

bool cl_mathFormulaParser::IfFormulaParse(QString n_condition)
{
    int lastMatch = -1;
    const QStringList parts = cutAt(n_condition, QRegExp(QStringLiteral("(\\&\\&)|(\\|\\|)")),
                                    &lastMatch);
    bool result = true;
    if (lastMatch < 0) {
        result = IfAndOrPartsParser(n_condition);
    } else {
        // The rest after the last logical operator is only scanned for names.
        for (int i = 0; i + 1 < parts.size(); ++i)
            result = IfAndOrPartsParser(parts[i]) && result;
        QString rest = parts.last();
        analyzeRightPart(&rest, true);
    }
    if (!result)
        m_flagState = false;
    return result;
}

bool cl_mathFormulaParser::IfThenElseRelation(QString n_condition, QString n_thenPart,
                                              QString n_elsePart)
{
    if (!IfFormulaParse(n_condition)) {
        m_flagState = false;
        showKey(KEY_NO_COMPARISON);
        return false;
    }
    if (!simpleFormulaFirstStep(n_thenPart) || !simpleFormulaFirstStep(n_elsePart))
        return m_flagState;
    if (m_conditionVariables.isEmpty()) {
        m_flagState = false;
        showKey(ErrorDictionary::ERROR_IDE_NO_INPUTS);
        return false;
    }
    for (const QString &name : qAsConst(m_outputVariables)) {
        if (m_conditionVariables.contains(name)) {
            m_flagState = false;
            showKey(KEY_OUTPUT_IN_CONDITION);
            return false;
        }
    }
    simpleFormulaSecondStep(n_thenPart);
    simpleFormulaSecondStep(n_elsePart);
    simpleFormulaSecondStep(n_condition);
    const QString code = QStringLiteral("if (") + n_condition + QStringLiteral(") {") + n_thenPart
                         + QStringLiteral(";} else {") + n_elsePart + QStringLiteral(";}");
    if (simpleFormulaSecondStep(code))
        m_wholeString = code;
    return m_flagState;
}

bool cl_mathFormulaParser::constraintRelation(QString n_condition)
{
    if (!IfFormulaParse(n_condition)) {
        m_flagState = false;
        showKey(KEY_NO_COMPARISON);
        return false;
    }
    simpleFormulaSecondStep(n_condition);
    const QString code = QStringLiteral("if (") + n_condition
                         + QStringLiteral(") {flag = true;} else {flag = false;}");
    if (simpleFormulaSecondStep(code))
        m_wholeString = code;
    if (m_conditionVariables.isEmpty()) {
        m_flagState = false;
        showKey(ErrorDictionary::ERROR_IDE_NO_INPUTS);
    }
    return m_flagState;
}

QList<QString> cl_mathFormulaParser::getInputVariables() const
{
    return m_inputVariables;
}

QList<QString> cl_mathFormulaParser::getOutputVariables() const
{
    return m_outputVariables;
}

QString cl_mathFormulaParser::getWholeString() const
{
    return m_wholeString;
}

bool cl_mathFormulaParser::getFlagState() const
{
    return m_flagState;
}
