// The two readings of a model document against each other: loading as the program does (the
// stream reader, and the DOM reading whenever the stream reader leaves the text) must come to what
// the DOM reading alone comes to: the same saved text, or the same exception with the same texts,
// line and column. The input bytes are decoded as a model file is; bytes refused there reach
// neither reading.

#include "FuzzSupport.h"

#include "LoadOutcome.h"
#include "elements/ScriptEngineGuard.h"
#include "serialization/XMLDocumentReader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initApplication(argc, argv);
    ScriptEngineGuard::setTimeLimit(50);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString method = QStringLiteral("loadModel(const QString &n_modelStr)");
    QString text;
    try {
        text = XMLDocumentReader::decode(
            QByteArray(reinterpret_cast<const char *>(data), int(size)), method, method);
    } catch (const ExceptionOstra &) {
        return 0;
    }
    const QString loaded = loadOutcome([&] {
        ModelManager manager;
        manager.loadModel(text);
        return manager.getActiveModel();
    });
    const QString throughDom = loadOutcome(
        [&] { return ModelManager::readThroughDom(text, method); });
    fuzzsupport::require(loaded == throughDom,
                         "loading came to another model or exception than the DOM reading");
    return 0;
}
