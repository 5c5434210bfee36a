// The raw bytes of a model file, as the program opens one: the input is written to a file and
// loaded through ModelManager::loadModel(QFile&), so encoding detection and the document guard run
// on bytes no text conversion has cleaned. A loaded model whose integrity allows a save is saved to
// text; that text must be well-formed to a strict reader, must load again, and must save again to
// the same text (an equal model).

#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "elements/ScriptEngineGuard.h"
#include "errors/ExceptionOstra.h"
#include "errors/ModelIntegrity.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"

namespace {

QString g_fileName;

bool isWellFormed(const QString &n_text)
{
    QXmlStreamReader reader(n_text);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initApplication(argc, argv);
    ScriptEngineGuard::setTimeLimit(50);
    // Lives until the process ends; one file is rewritten for every input.
    static QTemporaryDir *directory = new QTemporaryDir();
    g_fileName = directory->filePath(QStringLiteral("input.xml"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_fileName);
    fuzzsupport::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
                         "cannot write the input file");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    ModelManager manager;
    try {
        manager.loadModel(file);
    } catch (const ExceptionOstra &) {
        return 0;
    }
    fuzzsupport::require(!file.isOpen(), "the loader left the file open");
    const OstraModel::OstraModelSharedPtr model = manager.getActiveModel();
    fuzzsupport::require(!model.isNull(), "a load that did not throw left no active model");
    const OstraClass::OstraClassPtr root = model->getRootClass();
    if (!root || root->checkClassIntegrity().areAnyErrors())
        return 0;

    // Whatever a file held, a model read from it saves to text that reads back the same.
    QString saved;
    try {
        saved = manager.saveActiveModelInStr();
    } catch (const ExceptionOstra &) {
        fuzzsupport::require(false, "a loaded model without integrity errors could not be saved");
    }
    fuzzsupport::require(isWellFormed(saved), "a save wrote text a strict XML reader refuses");
    QString again;
    try {
        manager.loadModel(saved);
        again = manager.saveActiveModelInStr();
    } catch (const ExceptionOstra &) {
        fuzzsupport::require(false, "a saved model could not be loaded again");
    }
    fuzzsupport::require(again == saved, "a saved model loaded again saves differently");
    return 0;
}
