#ifndef RELATIONVERTEX_H
#define RELATIONVERTEX_H

#include <QHash>
#include <QList>
#include <QPointer>
#include <QScriptEngine>
#include <QScriptProgram>
#include <QScriptString>
#include <QScriptValue>
#include <QString>
#include <QVariant>
#include <QVector>

#include "elements/ScriptEngineGuard.h"
#include "errors/BaseOstraObj.h"

// The evaluable core of a relation: its program text, its typed input and output variables with
// their current values, and the script engine it runs in. The engine belongs to the relations
// storage and is shared by every relation of a model; the relation only points at it and notices
// when it is gone.
class RelationVertex : public BaseOstraObj
{
public:
    explicit RelationVertex(QScriptEngine *n_engine);
    // Throws NoIdExceptionOstra for an empty id.
    RelationVertex(const QString &n_id, const QString &n_code, QScriptEngine *n_engine);
    RelationVertex(const QString &n_id, const QString &n_shortName, const QString &n_description,
                   const QString &n_author, const QString &n_GUID, const QString &n_code,
                   QScriptEngine *n_engine);
    // Identity, code and variables; the engine is the given one, not the source's.
    RelationVertex(const RelationVertex &n_other, QScriptEngine *n_engine);
    RelationVertex(const RelationVertex &n_other);
    RelationVertex &operator=(const RelationVertex &n_other);
    ~RelationVertex() override;

    OstraObjectType getOstraObjectType() const override;
    // Clears every input and output value and their globals in the engine.
    virtual void reset();

    QString getCode() const;
    void setCode(QString n_code);
    void setScriptEngine(QScriptEngine *n_engine);

    QList<QString> getInputParametersNames() const;
    QList<QString> getOutputParametersNames() const;
    QHash<QString, QVariant::Type> getInputParametersTypes() const;
    QHash<QString, QVariant::Type> getOutputParametersTypes() const;
    QVariant::Type getInputParameterType(const QString &n_linkedName) const;
    QVariant::Type getOutputParameterType(const QString &n_linkedName) const;
    bool containInputParameter(const QString &n_name) const;
    bool containOutputParameter(const QString &n_name) const;

    // Declares the name; its value becomes a typed null.
    void addInputParameterType(QString n_name, QVariant::Type n_type);
    void addOutputParameterType(const QString &n_name, QVariant::Type n_type);
    void addInputParametersTypes(const QHash<QString, QVariant::Type> &n_types);
    void addOutputParametersTypes(const QHash<QString, QVariant::Type> &n_types);
    // Changes the type of a declared name; its value becomes invalid.
    void setInputParameterType(const QString &n_name, QVariant::Type n_parameterType);
    void setOutputParameterType(const QString &n_name, QVariant::Type n_parameterType);
    // Replaces the whole side; every value becomes a typed null.
    void setInputParametersTypes(const QHash<QString, QVariant::Type> &n_types);
    void setOutputParametersTypes(const QHash<QString, QVariant::Type> &n_types);
    void deleteInputParameter(const QString &n_name);
    void deleteOutputParameter(const QString &n_name);

    QHash<QString, QVariant> getInputParametersValues() const;
    QHash<QString, QVariant> getOutputParametersValues() const;
    QHash<QString, QVariant> getInputMapOfParameters() const;
    QHash<QString, QVariant> getOutputMapOfParameters() const;
    QVariant getInputParameterValue(const QString &n_linkedName) const;
    QVariant getOutputParameterValue(const QString &n_linkedName) const;
    // No type check: a value goes to the script by its own type.
    void setInputParameterValue(const QString &n_name, const QVariant &n_value);
    void setOutputParameterValue(const QString &n_name, const QVariant &n_value);
    void setInputParametersValues(const QHash<QString, QVariant> &n_values);
    void setOutputParametersValues(const QHash<QString, QVariant> &n_values);
    void removeInputParameterValue(const QString &n_name);
    void removeOutputParameterValue(const QString &n_name);

    // One run: inputs into the engine's globals, the code, outputs back, the globals cleared.
    // Throws PointerIsNull without an engine, InconsistencyDataExceptionOstra,
    // InitScriptParameterExceptionOstra, and CalculationExceptionOstra for a script error or a run
    // stopped at the time limit.
    void calculate();

    bool checkBeforeCalculate() const;
    bool checkEngineLastException();
    void setPropertyToEngine(const QString &n_name, QScriptValue &n_value);

    // Same id, code, input values and both sides' types; output values do not count.
    bool operator==(const RelationVertex &n_other) const;
    bool operator!=(const RelationVertex &n_other) const;

protected:
    void preparationBeforeCalculation();
    void calculation(const QString &n_code);
    void preparationAfterCalculation();
    void resetScriptEngine();
    void addInputVariablesToEngine();
    void getOutputVariablesFromEngine();
    QScriptValue convertFromQVariantToQScriptValue(const QVariant &n_value);
    QVariant getPropertyFromEngine(const QString &n_name);
    void resetAllValues();

private:
    // A variable's global in the current engine: its name interned once, the value the global
    // gets back after a run, and the variable's name and value in its value hash, where the run
    // reads and writes them without walking the hash.
    struct ScriptGlobal
    {
        QScriptString handle;
        QScriptValue restValue;
        const QString *name;
        QVariant *value;
    };

    // The engine's guard, found once per engine; called at every run, so kept inline.
    ScriptEngineGuard *engineGuard()
    {
        if (m_guard.isNull())
            m_guard = ScriptEngineGuard::guardOf(m_engine.data());
        return m_guard.data();
    }
    // The engine's global object; needs an engine.
    QScriptValue &globalObject()
    {
        prepareScriptGlobals();
        return m_globalObject;
    }
    // The global object and the globals of both sides, in the iteration order of the value
    // hashes; rebuilt after a variable is declared or deleted, the engine changes, or a value hash
    // is shared with a copy. Checked at every step of a run, so kept inline.
    void prepareScriptGlobals()
    {
        if (m_scriptGlobalsStale || !m_inputValues.isDetached() || !m_outputValues.isDetached())
            rebuildScriptGlobals();
    }
    void rebuildScriptGlobals();
    ScriptGlobal makeScriptGlobal(const QString &n_name, QVariant &n_value);
    // A value hash about to be written: one that shares its nodes with a copy gets nodes of its
    // own at the write, and the run's pointers into it must be taken again.
    QHash<QString, QVariant> &writableValues(QHash<QString, QVariant> &n_values);
    QScriptValue inputScriptValue(const ScriptGlobal &n_variable);
    void restoreGlobals();
    QVariant readGlobal(const QScriptString &n_handle);
    void compileCode();

    QString m_code;
    QHash<QString, QVariant> m_inputValues;
    QHash<QString, QVariant> m_outputValues;
    QHash<QString, QVariant::Type> m_inputTypes;
    QHash<QString, QVariant::Type> m_outputTypes;
    // Tracks the engine's lifetime: a relation that outlives its storage sees no engine.
    QPointer<QScriptEngine> m_engine;

    // The code compiled once and reused by every run until the code changes; another text given to
    // calculation() replaces it until the relation's own text is run again.
    QScriptProgram m_program;
    bool m_programIsOwnCode;
    QPointer<ScriptEngineGuard> m_guard;
    QScriptValue m_globalObject;
    QVector<ScriptGlobal> m_inputGlobals;
    QVector<ScriptGlobal> m_outputGlobals;
    bool m_scriptGlobalsStale;
};

#endif // RELATIONVERTEX_H
