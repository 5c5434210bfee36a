// Whole-model loading through ModelManager::loadModel(QString) over both formats: parse, format
// detection, the model, its relations storage and its class tree with every link. A loaded model
// is then checked for integrity and, when it has no errors, saved again as text; and its root
// class is solved with the runtime solver, every parameter with a default value known (at that
// value) and every other one required, relations running under a short time limit.

#include "FuzzSupport.h"

#include <QHash>
#include <QList>
#include <QVariant>

#include "elements/ParameterModel.h"
#include "elements/ScriptEngineGuard.h"
#include "errors/ExceptionOstra.h"
#include "errors/ModelIntegrity.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "solver/BaseAlgorithm.h"
#include "solver/BaseAlgorithmData.h"

namespace {

void solveRoot(const OstraClass::OstraClassPtr &n_root)
{
    QHash<QString, QVariant> known;
    QList<QString> required;
    const auto parameters = n_root->getParametersHash();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        if (it.value().isNull())
            continue;
        if (it.value()->hasDefaultValue())
            known.insert(it.key(), it.value()->getDefaultValue());
        else
            required.append(it.key());
    }
    n_root->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                               QSharedPointer<BaseAlgorithmData>::create(false, true));
    const QSharedPointer<BaseAlgorithm> solver = n_root->getSearchAlgorithm();
    fuzzsupport::require(!solver.isNull(), "no runtime solver");
    solver->addKnownParameters(known);
    solver->addRequiredParameters(required);
    solver->calculate();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initApplication(argc, argv);
    ScriptEngineGuard::setTimeLimit(50);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzsupport::toText(data, size);
    ModelManager manager;
    try {
        manager.loadModel(text);
    } catch (const ExceptionOstra &) {
        return 0;
    }
    const OstraModel::OstraModelSharedPtr model = manager.getActiveModel();
    fuzzsupport::require(!model.isNull(), "a load that did not throw left no active model");
    const OstraClass::OstraClassPtr root = model->getRootClass();
    if (!root)
        return 0;
    try {
        if (!root->checkClassIntegrity().areAnyErrors())
            manager.saveActiveModelInStr();
    } catch (const ExceptionOstra &) {
    }
    try {
        solveRoot(root);
    } catch (const ExceptionOstra &) {
    }
    return 0;
}
