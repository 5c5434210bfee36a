#include "elements/RelationVertex.h"

#include <QStringList>

#include <stdexcept>

#include "elements/ScriptEngineGuard.h"
#include "errors/BadValueExceptionOstra.h"
#include "errors/BadValueTypeExceptionOstra.h"
#include "errors/CalculationExceptionOstra.h"
#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/InitScriptParameterExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RelationVertex");

QScriptProgram compileProgram(const QString &n_code)
{
    // Empty file name and first line 1, as a direct evaluation of the text reports them.
    return QScriptProgram(n_code, QString(), 1);
}

// The most array elements one result may hold in all, and the deepest nesting of its arrays: an
// array made with a huge length costs nothing until it is read, and one that holds itself never
// ends.
const quint32 MAX_READ_ARRAY_ELEMENTS = ScriptEngineGuard::MAX_WALKED_ARRAY_LENGTH;
const int MAX_READ_ARRAY_DEPTH = 64;

// QScriptValue::toVariant gives an Int for a whole number; a script number is a Double here,
// also inside an array. False, n_out unfinished, when the arrays in it pass the bounds above;
// n_budget is what is left of the element bound.
bool scriptValueToVariant(const QScriptValue &n_value, QVariant &n_out, quint32 &n_budget,
                          int n_depth = 0)
{
    if (n_value.isNumber()) {
        n_out = QVariant(static_cast<double>(n_value.toNumber()));
        return true;
    }
    if (!n_value.isArray()) {
        n_out = n_value.toVariant();
        return true;
    }
    const quint32 length = n_value.property(QStringLiteral("length")).toUInt32();
    if (length > n_budget || n_depth >= MAX_READ_ARRAY_DEPTH)
        return false;
    n_budget -= length;
    QVariantList items;
    items.reserve(int(length));
    for (quint32 i = 0; i < length; ++i) {
        QVariant item;
        if (!scriptValueToVariant(n_value.property(i), item, n_budget, n_depth + 1))
            return false;
        items.append(item);
    }
    n_out = QVariant(items);
    return true;
}

[[noreturn]] void throwNoElement(const QString &n_name, const char *n_methodName)
{
    throw NoElementExceptionOstra(n_name, CLASS_NAME, QString::fromLatin1(n_methodName), nullptr);
}

// Why a run was stopped, as the exception tells it.
QString stopText(ScriptEngineGuard::StopReason n_reason)
{
    switch (n_reason) {
    case ScriptEngineGuard::StoppedForTime:
        return QStringLiteral("The script was stopped after running longer than %1 ms; "
                              "check it for an endless loop")
            .arg(ScriptEngineGuard::getTimeLimit());
    case ScriptEngineGuard::StoppedForMemory:
        return QStringLiteral("The script was stopped after taking more than %1 MB of memory; "
                              "check it for an endless loop")
            .arg(ScriptEngineGuard::getMemoryLimit() >> 20);
    case ScriptEngineGuard::StoppedByUser:
        return QStringLiteral("The run was stopped by the user");
    case ScriptEngineGuard::NotStopped:
        break;
    }
    throw std::logic_error("a run that was not stopped has no stop text");
}

} // namespace

RelationVertex::RelationVertex(QScriptEngine *n_engine)
    : BaseOstraObj(), m_engine(n_engine), m_program(compileProgram(QString())),
      m_programIsOwnCode(true), m_scriptGlobalsStale(true)
{
}

RelationVertex::RelationVertex(const QString &n_id, const QString &n_code, QScriptEngine *n_engine)
    : BaseOstraObj(n_id), m_code(n_code), m_engine(n_engine), m_program(compileProgram(n_code)),
      m_programIsOwnCode(true), m_scriptGlobalsStale(true)
{
}

RelationVertex::RelationVertex(const QString &n_id, const QString &n_shortName,
                               const QString &n_description, const QString &n_author,
                               const QString &n_GUID, const QString &n_code,
                               QScriptEngine *n_engine)
    : BaseOstraObj(n_id, n_shortName, n_description, n_author, n_GUID), m_code(n_code),
      m_engine(n_engine), m_program(compileProgram(n_code)), m_programIsOwnCode(true),
      m_scriptGlobalsStale(true)
{
}

RelationVertex::RelationVertex(const RelationVertex &n_other, QScriptEngine *n_engine)
    : BaseOstraObj(n_other), m_code(n_other.m_code), m_inputValues(n_other.m_inputValues),
      m_outputValues(n_other.m_outputValues), m_inputTypes(n_other.m_inputTypes),
      m_outputTypes(n_other.m_outputTypes), m_engine(n_engine),
      // A program of its own: a shared one would be compiled again for each engine in turn.
      m_program(compileProgram(n_other.m_code)), m_programIsOwnCode(true),
      m_scriptGlobalsStale(true)
{
}

RelationVertex::RelationVertex(const RelationVertex &n_other)
    : RelationVertex(n_other, n_other.m_engine.data())
{
}

RelationVertex &RelationVertex::operator=(const RelationVertex &n_other)
{
    if (this == &n_other)
        return *this;
    BaseOstraObj::operator=(n_other);
    m_code = n_other.m_code;
    m_inputValues = n_other.m_inputValues;
    m_outputValues = n_other.m_outputValues;
    m_inputTypes = n_other.m_inputTypes;
    m_outputTypes = n_other.m_outputTypes;
    setScriptEngine(n_other.m_engine.data());
    compileCode();
    return *this;
}

RelationVertex::~RelationVertex() = default;

OstraObjectType RelationVertex::getOstraObjectType() const
{
    return OBJECT_TYPE_RELATION;
}

void RelationVertex::reset()
{
    resetAllValues();
}

QString RelationVertex::getCode() const
{
    return m_code;
}

void RelationVertex::setCode(QString n_code)
{
    m_code = n_code;
    compileCode();
}

void RelationVertex::compileCode()
{
    m_program = compileProgram(m_code);
    m_programIsOwnCode = true;
}

void RelationVertex::setScriptEngine(QScriptEngine *n_engine)
{
    m_engine = n_engine;
    m_guard.clear();
    m_globalObject = QScriptValue();
    m_inputGlobals.clear();
    m_outputGlobals.clear();
    m_scriptGlobalsStale = true;
}

RelationVertex::ScriptGlobal RelationVertex::makeScriptGlobal(const QString &n_name,
                                                              QVariant &n_value)
{
    return ScriptGlobal{m_engine->toStringHandle(n_name), engineGuard()->getRestValue(n_name),
                        &n_name, &n_value};
}

QHash<QString, QVariant> &RelationVertex::writableValues(QHash<QString, QVariant> &n_values)
{
    if (!n_values.isDetached())
        m_scriptGlobalsStale = true;
    return n_values;
}

void RelationVertex::rebuildScriptGlobals()
{
    // Interning a name costs about as much as evaluating a short formula, so it is done once per
    // variable and engine, not once per run. A hash node stays where it is while the hash holds
    // it alone and the keys stay; a value hash shared with a copy (a getter's result still alive)
    // is given nodes of its own here, before the run writes into them.
    m_globalObject = m_engine->globalObject();
    m_inputGlobals.clear();
    m_outputGlobals.clear();
    for (auto it = m_inputValues.begin(); it != m_inputValues.end(); ++it)
        m_inputGlobals.append(makeScriptGlobal(it.key(), it.value()));
    for (auto it = m_outputValues.begin(); it != m_outputValues.end(); ++it)
        m_outputGlobals.append(makeScriptGlobal(it.key(), it.value()));
    m_scriptGlobalsStale = false;
}

void RelationVertex::restoreGlobals()
{
    // The engine's own globals (a variable may be named Math or undefined) get their original
    // values back; nulling them would break every later run in this engine.
    QScriptValue &global = globalObject();
    for (const ScriptGlobal &variable : qAsConst(m_inputGlobals))
        global.setProperty(variable.handle, variable.restValue, QScriptValue::KeepExistingFlags);
    for (const ScriptGlobal &variable : qAsConst(m_outputGlobals))
        global.setProperty(variable.handle, variable.restValue, QScriptValue::KeepExistingFlags);
}

// ---- variables -------------------------------------------------------------------------------

QList<QString> RelationVertex::getInputParametersNames() const
{
    return m_inputTypes.keys();
}

QList<QString> RelationVertex::getOutputParametersNames() const
{
    return m_outputTypes.keys();
}

QHash<QString, QVariant::Type> RelationVertex::getInputParametersTypes() const
{
    return m_inputTypes;
}

QHash<QString, QVariant::Type> RelationVertex::getOutputParametersTypes() const
{
    return m_outputTypes;
}

QVariant::Type RelationVertex::getInputParameterType(const QString &n_linkedName) const
{
    const auto it = m_inputTypes.constFind(n_linkedName);
    if (it == m_inputTypes.constEnd())
        throwNoElement(n_linkedName, "getInputParameterType(const QString &n_linkedName)");
    return it.value();
}

QVariant::Type RelationVertex::getOutputParameterType(const QString &n_linkedName) const
{
    const auto it = m_outputTypes.constFind(n_linkedName);
    if (it == m_outputTypes.constEnd())
        throwNoElement(n_linkedName, "getOutputParameterType(const QString &n_linkedName)");
    return it.value();
}

bool RelationVertex::containInputParameter(const QString &n_name) const
{
    return m_inputTypes.contains(n_name);
}

bool RelationVertex::containOutputParameter(const QString &n_name) const
{
    return m_outputTypes.contains(n_name);
}

void RelationVertex::addInputParameterType(QString n_name, QVariant::Type n_type)
{
    if (m_inputTypes.contains(n_name))
        throw ElementAlreadyExistExceptionOstra(
            n_name, CLASS_NAME,
            QStringLiteral(
                "addInputParameterType(const QString n_name, const QVariant::Type n_type)"),
            nullptr);
    m_inputTypes.insert(n_name, n_type);
    m_inputValues.insert(n_name, QVariant(n_type));
    m_scriptGlobalsStale = true;
}

void RelationVertex::addOutputParameterType(const QString &n_name, QVariant::Type n_type)
{
    if (m_outputTypes.contains(n_name))
        throw ElementAlreadyExistExceptionOstra(
            n_name, CLASS_NAME,
            QStringLiteral(
                "addOutputParameterType(const QString& n_name, const QVariant::Type n_type)"),
            nullptr);
    m_outputTypes.insert(n_name, n_type);
    m_outputValues.insert(n_name, QVariant(n_type));
    m_scriptGlobalsStale = true;
}

void RelationVertex::addInputParametersTypes(const QHash<QString, QVariant::Type> &n_types)
{
    for (auto it = n_types.constBegin(); it != n_types.constEnd(); ++it)
        addInputParameterType(it.key(), it.value());
}

void RelationVertex::addOutputParametersTypes(const QHash<QString, QVariant::Type> &n_types)
{
    for (auto it = n_types.constBegin(); it != n_types.constEnd(); ++it)
        addOutputParameterType(it.key(), it.value());
}

void RelationVertex::setInputParameterType(const QString &n_name, QVariant::Type n_parameterType)
{
    auto it = m_inputTypes.find(n_name);
    if (it == m_inputTypes.end())
        throwNoElement(n_name, "setInputParamertType(const QString &n_name, const QVariant::Type "
                               "n_parameterType)");
    it.value() = n_parameterType;
    writableValues(m_inputValues)[n_name] = QVariant();
}

void RelationVertex::setOutputParameterType(const QString &n_name, QVariant::Type n_parameterType)
{
    auto it = m_outputTypes.find(n_name);
    if (it == m_outputTypes.end())
        throwNoElement(n_name, "setOutputParamertType(const QString &n_name, const QVariant::Type "
                               "n_parameterType)");
    it.value() = n_parameterType;
    writableValues(m_outputValues)[n_name] = QVariant();
}

void RelationVertex::setInputParametersTypes(const QHash<QString, QVariant::Type> &n_types)
{
    m_inputTypes.clear();
    m_inputValues.clear();
    m_scriptGlobalsStale = true;
    addInputParametersTypes(n_types);
}

void RelationVertex::setOutputParametersTypes(const QHash<QString, QVariant::Type> &n_types)
{
    m_outputTypes.clear();
    m_outputValues.clear();
    m_scriptGlobalsStale = true;
    addOutputParametersTypes(n_types);
}

void RelationVertex::deleteInputParameter(const QString &n_name)
{
    if (!m_inputTypes.remove(n_name))
        throwNoElement(n_name, "deleteInputParameter(const QString &n_name)");
    m_inputValues.remove(n_name);
    m_scriptGlobalsStale = true;
}

void RelationVertex::deleteOutputParameter(const QString &n_name)
{
    if (!m_outputTypes.remove(n_name))
        throwNoElement(n_name, "deleteOutputParameter(const QString &n_name)");
    m_outputValues.remove(n_name);
    m_scriptGlobalsStale = true;
}

QHash<QString, QVariant> RelationVertex::getInputParametersValues() const
{
    return m_inputValues;
}

QHash<QString, QVariant> RelationVertex::getOutputParametersValues() const
{
    return m_outputValues;
}

QHash<QString, QVariant> RelationVertex::getInputMapOfParameters() const
{
    return m_inputValues;
}

QHash<QString, QVariant> RelationVertex::getOutputMapOfParameters() const
{
    return m_outputValues;
}

QVariant RelationVertex::getInputParameterValue(const QString &n_linkedName) const
{
    const auto it = m_inputValues.constFind(n_linkedName);
    if (it == m_inputValues.constEnd())
        throwNoElement(n_linkedName, "getInputParameterValue(const QString &n_linkedName)");
    return it.value();
}

QVariant RelationVertex::getOutputParameterValue(const QString &n_linkedName) const
{
    const auto it = m_outputValues.constFind(n_linkedName);
    if (it == m_outputValues.constEnd())
        throwNoElement(n_linkedName, "getOutputParameterValue(const QString &n_linkedName)");
    return it.value();
}

void RelationVertex::setInputParameterValue(const QString &n_name, const QVariant &n_value)
{
    auto it = writableValues(m_inputValues).find(n_name);
    if (it == m_inputValues.end())
        throwNoElement(n_name,
                       "setInputParameterValue(const QString &n_name, const QVariant &n_value)");
    it.value() = n_value;
}

void RelationVertex::setOutputParameterValue(const QString &n_name, const QVariant &n_value)
{
    auto it = writableValues(m_outputValues).find(n_name);
    if (it == m_outputValues.end())
        throwNoElement(n_name,
                       "setOutputParameterValue(const QString &n_name, const QVariant &n_value)");
    it.value() = n_value;
}

void RelationVertex::setInputParametersValues(const QHash<QString, QVariant> &n_values)
{
    for (auto it = n_values.constBegin(); it != n_values.constEnd(); ++it)
        setInputParameterValue(it.key(), it.value());
}

void RelationVertex::setOutputParametersValues(const QHash<QString, QVariant> &n_values)
{
    for (auto it = n_values.constBegin(); it != n_values.constEnd(); ++it)
        setOutputParameterValue(it.key(), it.value());
}

void RelationVertex::removeInputParameterValue(const QString &n_name)
{
    auto it = writableValues(m_inputValues).find(n_name);
    if (it == m_inputValues.end())
        throwNoElement(n_name,
                       "setInputParameterValue(const QString &n_name, const QVariant &n_value)");
    it.value() = QVariant();
}

void RelationVertex::removeOutputParameterValue(const QString &n_name)
{
    auto it = writableValues(m_outputValues).find(n_name);
    if (it == m_outputValues.end())
        throwNoElement(n_name,
                       "setOutputParameterValue(const QString &n_name, const QVariant &n_value)");
    it.value() = QVariant();
}

// ---- evaluation ------------------------------------------------------------------------------

void RelationVertex::calculate()
{
    if (m_engine.isNull())
        throw PointerIsNull(CLASS_NAME, QStringLiteral("calculate()"), nullptr);
    // An engine that no storage prepared gets its guard here, before any input becomes a global,
    // so that only the engine's own globals are taken for built-ins.
    engineGuard();
    preparationBeforeCalculation();
    addInputVariablesToEngine();
    calculation(m_code);
    preparationAfterCalculation();
    resetScriptEngine();
}

bool RelationVertex::checkBeforeCalculate() const
{
    return m_inputTypes.size() == m_inputValues.size();
}

bool RelationVertex::checkEngineLastException()
{
    return !m_engine.isNull() && m_engine->hasUncaughtException();
}

void RelationVertex::setPropertyToEngine(const QString &n_name, QScriptValue &n_value)
{
    if (m_engine.isNull())
        throw PointerIsNull(
            CLASS_NAME,
            QStringLiteral("setPropertyToEngine(const QString &n_name, QScriptValue &n_value)"),
            nullptr);
    globalObject().setProperty(n_name, n_value, QScriptValue::KeepExistingFlags);
}

void RelationVertex::preparationBeforeCalculation()
{
    if (!checkBeforeCalculate())
        throw InconsistencyDataExceptionOstra(
            CLASS_NAME, QStringLiteral("preparationBeforeCalculation()"), nullptr);
}

void RelationVertex::addInputVariablesToEngine()
{
    QScriptValue &global = globalObject();
    for (const ScriptGlobal &variable : qAsConst(m_inputGlobals))
        global.setProperty(variable.handle, inputScriptValue(variable),
                           QScriptValue::KeepExistingFlags);
}

QScriptValue RelationVertex::inputScriptValue(const ScriptGlobal &n_variable)
{
    try {
        return convertFromQVariantToQScriptValue(*n_variable.value);
    } catch (const BadValueExceptionOstra &e) {
        throw InitScriptParameterExceptionOstra(
            getId(), *n_variable.name, e.getValue(),
            QStringLiteral("Unable to initialize the incoming value"), CLASS_NAME,
            QStringLiteral("addInputVariablesToEngine()"),
            QSharedPointer<ExceptionOstra>::create(static_cast<const ExceptionOstra &>(e)));
    } catch (const BadValueTypeExceptionOstra &e) {
        throw InitScriptParameterExceptionOstra(
            getId(), *n_variable.name, *n_variable.value,
            QStringLiteral("Unable to initialize the output value"), CLASS_NAME,
            QStringLiteral("addInputVariablesToEngine()"),
            QSharedPointer<ExceptionOstra>::create(static_cast<const ExceptionOstra &>(e)));
    }
}

void RelationVertex::calculation(const QString &n_code)
{
    // The relation's own text is compiled whenever it changes, so only another text is compared.
    if (&n_code == &m_code) {
        if (!m_programIsOwnCode)
            compileCode();
    } else if (n_code != m_program.sourceCode()) {
        m_program = compileProgram(n_code);
        m_programIsOwnCode = false;
    }
    ScriptEngineGuard *guard = engineGuard();
    guard->beginEvaluation();
    m_engine->evaluate(m_program);
    const ScriptEngineGuard::StopReason stopped = guard->endEvaluation();
    if (stopped == ScriptEngineGuard::NotStopped)
        return;
    // What the stopped run allocated is given back now, as far as no global still holds it.
    m_engine->collectGarbage();
    // The engine cannot tell the line of a stopped run.
    throw CalculationExceptionOstra(getId(), n_code, stopText(stopped), -1, QStringList(),
                                    CLASS_NAME,
                                    QStringLiteral("calculation(const QString &n_code)"), nullptr);
}

void RelationVertex::preparationAfterCalculation()
{
    if (m_engine->hasUncaughtException()) {
        const QScriptValue exception = m_engine->uncaughtException();
        throw CalculationExceptionOstra(getId(), m_code, exception.toString(),
                                        m_engine->uncaughtExceptionLineNumber(),
                                        m_engine->uncaughtExceptionBacktrace(), CLASS_NAME,
                                        QStringLiteral("preparationAfterCalculation()"), nullptr);
    }
    getOutputVariablesFromEngine();
}

void RelationVertex::getOutputVariablesFromEngine()
{
    prepareScriptGlobals();
    for (const ScriptGlobal &variable : qAsConst(m_outputGlobals))
        *variable.value = readGlobal(variable.handle);
}

void RelationVertex::resetScriptEngine()
{
    prepareScriptGlobals();
    restoreGlobals();
}

QScriptValue RelationVertex::convertFromQVariantToQScriptValue(const QVariant &n_value)
{
    static const QString methodName = QStringLiteral(
        "convertFromQVariantToQScriptValue(const QVariant &n_value)");
    if (!n_value.isValid())
        throw BadValueExceptionOstra(n_value, QStringLiteral("Value not validate or nullptr"),
                                     CLASS_NAME, methodName, nullptr);
    auto cannotConvert = [&](const char *n_description) {
        return BadValueExceptionOstra(n_value, QString::fromLatin1(n_description), CLASS_NAME,
                                      methodName, nullptr);
    };
    // Plain values are made without the engine, which is cheaper; the engine takes them over when
    // they become globals or array items.
    switch (n_value.type()) {
    case QVariant::Bool:
        if (!n_value.canConvert(QVariant::Bool))
            throw cannotConvert("Could not convert the value to Bool");
        return QScriptValue(n_value.toBool());
    case QVariant::Int:
        if (!n_value.canConvert(QVariant::Int))
            throw cannotConvert("Could not convert the value to Int");
        return QScriptValue(n_value.toInt());
    case QVariant::Double:
        if (!n_value.canConvert(QVariant::Double))
            throw cannotConvert("Could not convert the value to Double");
        return QScriptValue(static_cast<qsreal>(n_value.toDouble()));
    case QVariant::String:
        if (!n_value.canConvert(QVariant::String))
            throw cannotConvert("Could not convert the value to String");
        return QScriptValue(n_value.toString());
    case QVariant::List: {
        if (!n_value.canConvert(QVariant::List))
            throw cannotConvert("Could not convert the value to List");
        const QVariantList items = n_value.toList();
        QScriptValue array = m_engine->newArray(0);
        for (int i = 0; i < items.size(); ++i)
            array.setProperty(quint32(i), convertFromQVariantToQScriptValue(items.at(i)));
        return array;
    }
    case QVariant::StringList: {
        if (!n_value.canConvert(QVariant::StringList))
            throw cannotConvert("Could not convert the value to StringList");
        const QStringList items = n_value.toStringList();
        QScriptValue array = m_engine->newArray(0);
        for (int i = 0; i < items.size(); ++i)
            array.setProperty(quint32(i), convertFromQVariantToQScriptValue(QVariant(items.at(i))));
        return array;
    }
    default:
        throw BadValueTypeExceptionOstra(n_value.type(), CLASS_NAME, methodName, nullptr);
    }
}

QVariant RelationVertex::getPropertyFromEngine(const QString &n_name)
{
    return readGlobal(m_engine->toStringHandle(n_name));
}

QVariant RelationVertex::readGlobal(const QScriptString &n_handle)
{
    const QScriptValue value = globalObject().property(n_handle, QScriptValue::ResolvePrototype);
    // A number, the usual result, is read with one more call into the engine. Its text is "NaN"
    // or "Infinity" exactly for these two values; testing the value spares converting every
    // result to text.
    if (value.isNumber()) {
        const double number = value.toNumber();
        if (qIsNaN(number) || (qIsInf(number) && number > 0))
            return QVariant();
        return QVariant(number);
    }
    if (!value.isValid() || value.isNull() || value.isUndefined())
        return QVariant();
    if (value.isBool())
        return QVariant(value.toBool());
    const QString text = value.toString();
    if (text.compare(QLatin1String("nan"), Qt::CaseInsensitive) == 0
        || text.compare(QLatin1String("Infinity"), Qt::CaseInsensitive) == 0)
        return QVariant();
    QVariant result;
    quint32 budget = MAX_READ_ARRAY_ELEMENTS;
    if (!scriptValueToVariant(value, result, budget))
        throw CalculationExceptionOstra(
            getId(), m_code,
            QStringLiteral("The result holds more than %1 array elements, or arrays nested more "
                           "than %2 deep, too many to read")
                .arg(MAX_READ_ARRAY_ELEMENTS)
                .arg(MAX_READ_ARRAY_DEPTH),
            -1, QStringList(), CLASS_NAME,
            QStringLiteral("readGlobal(const QScriptString &n_handle)"), nullptr);
    return result;
}

void RelationVertex::resetAllValues()
{
    QHash<QString, QVariant> &inputs = writableValues(m_inputValues);
    for (auto it = inputs.begin(); it != inputs.end(); ++it)
        it.value() = QVariant();
    QHash<QString, QVariant> &outputs = writableValues(m_outputValues);
    for (auto it = outputs.begin(); it != outputs.end(); ++it)
        it.value() = QVariant();
    // Without an engine (the storage is gone, or none was ever given) only the values are cleared.
    if (m_engine.isNull())
        return;
    prepareScriptGlobals();
    restoreGlobals();
}

bool RelationVertex::operator==(const RelationVertex &n_other) const
{
    return getId() == n_other.getId() && m_code == n_other.m_code
           && m_inputValues == n_other.m_inputValues && m_outputTypes == n_other.m_outputTypes
           && m_inputTypes == n_other.m_inputTypes;
}

bool RelationVertex::operator!=(const RelationVertex &n_other) const
{
    return !(*this == n_other);
}
