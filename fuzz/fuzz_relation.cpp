// Evaluation of arbitrary relation code: a relations storage with its script engine, one relation
// whose code is the input (after a selector byte choosing the variables' types), run twice with the
// time limit on. Runaway scripts must end at the limit with a CalculationExceptionOstra; nothing
// else but an ExceptionOstra may leave.

#include "FuzzSupport.h"

#include <QSharedPointer>
#include <QStringList>
#include <QVariant>

#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/ScriptEngineGuard.h"
#include "errors/ExceptionOstra.h"

namespace {

// Short enough for the fuzzer to get past endless loops quickly, long enough for honest code.
const int TIME_LIMIT_MS = 50;
// Well under the fuzzer's own memory limit, with the sanitizers' overhead.
const qint64 MEMORY_LIMIT_BYTES = qint64(256) << 20;

struct Variable
{
    QVariant::Type type;
    QVariant value;
};

Variable variableOf(int n_selector)
{
    switch (n_selector & 3) {
    case 0:
        return {QVariant::Double, QVariant(2.5)};
    case 1:
        return {QVariant::Int, QVariant(7)};
    case 2:
        return {QVariant::String, QVariant(QStringLiteral("text"))};
    default:
        return {QVariant::Bool, QVariant(true)};
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initApplication(argc, argv);
    ScriptEngineGuard::setTimeLimit(TIME_LIMIT_MS);
    ScriptEngineGuard::setMemoryLimit(MEMORY_LIMIT_BYTES);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int selector = data[0];
    const QString code = fuzzsupport::toText(data + 1, size - 1);
    const Variable a = variableOf(selector);
    const Variable b = variableOf(selector >> 2);
    const Variable y = variableOf(selector >> 4);

    // A fresh storage (and engine) per input, so that every finding replays on its own.
    const QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    try {
        const QSharedPointer<RelationModel> relation = QSharedPointer<RelationModel>::create(
            QStringLiteral("fuzzRelation"), code, nullptr);
        relation->addInputParameterType(QStringLiteral("a"), a.type);
        relation->addInputParameterType(QStringLiteral("b"), b.type);
        relation->addOutputParameterType(QStringLiteral("y"), y.type);
        relation->addOutputParameterType(QStringLiteral("flag"), QVariant::Bool);
        storage->addRelationPtr(relation);
        for (int run = 0; run < 2; ++run) {
            relation->setInputParameterValue(QStringLiteral("a"), a.value);
            relation->setInputParameterValue(QStringLiteral("b"), b.value);
            try {
                relation->calculate();
                relation->getOutputParametersValues();
            } catch (const ExceptionOstra &) {
            }
            relation->reset();
        }
    } catch (const ExceptionOstra &) {
    }
    return 0;
}
