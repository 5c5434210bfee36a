#include "model/ModelManager.h"

#include "errors/NoElementExceptionOstra.h"
#include "errors/NotSupportedXmlFormat.h"
#include "errors/PointerIsNull.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelStreamReader.h"
#include "serialization/ModelXMLSerializerOld.h"
#include "serialization/StreamModelNode.h"
#include "serialization/XMLDocumentReader.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ModelManager");
const QSharedPointer<ExceptionOstra> NO_PARENT_EXCEPTION;

[[noreturn]] void throwNull(const QString &n_methodName)
{
    throw PointerIsNull(CLASS_NAME, n_methodName, NO_PARENT_EXCEPTION);
}
} // namespace

ModelManager::ModelManager()
{
}

void ModelManager::addModel(OstraModel::OstraModelSharedPtr n_modelPtr)
{
    // A null entry would break every later walk over the open models.
    if (n_modelPtr.isNull())
        throwNull(QStringLiteral("addModel(OstraModel::OstraModelSharedPtr n_modelPtr)"));
    m_models.insert(n_modelPtr);
}

OstraModel::OstraModelSharedPtr ModelManager::getActiveModel() const
{
    return m_activeModel;
}

QSet<OstraModel::OstraModelSharedPtr> ModelManager::getAllModels() const
{
    return m_models;
}

void ModelManager::loadModel(const QString &n_modelStr)
{
    const OstraModel::OstraModelSharedPtr model = readModel(
        n_modelStr, QStringLiteral("loadModel(const QString &n_modelStr)"));
    m_models.insert(model);
    m_activeModel = model;
}

void ModelManager::loadModel(QFile &n_modelFile)
{
    const QString method = QStringLiteral("loadModel(QFile &n_modelFile)");
    const OstraModel::OstraModelSharedPtr model = readModel(
        XMLDocumentReader::readFile(n_modelFile, CLASS_NAME, method), method);
    m_models.insert(model);
    m_activeModel = model;
}

OstraModel::OstraModelSharedPtr ModelManager::readModel(QString n_text, const QString &n_methodName)
{
    try {
        return readThroughStream(n_text);
    } catch (...) {
        // Whatever stopped the stream reader (a document it leaves to the DOM, or one that is
        // refused), the DOM reading starts again on a fresh model and raises what it raises.
    }
    return readThroughDom(std::move(n_text), n_methodName);
}

OstraModel::OstraModelSharedPtr ModelManager::readThroughStream(const QString &n_text)
{
    const QSharedPointer<StreamModelNode> node = ModelStreamReader::read(n_text);
    const OstraModel::OstraModelSharedPtr model = QSharedPointer<OstraModel>::create();
    model->load(*node);
    return model;
}

OstraModel::OstraModelSharedPtr ModelManager::readThroughDom(QString n_text,
                                                             const QString &n_methodName)
{
    QDomDocument document;
    // Refuses hostile and malformed documents before the DOM parser builds anything from them.
    XMLDocumentReader::setContent(document, n_text, CLASS_NAME, n_methodName);
    // This copy of the text stays out of the peak memory of building the model.
    n_text = QString();
    return buildModel(document, n_methodName);
}

OstraModel::OstraModelSharedPtr ModelManager::buildModel(QDomDocument &n_document,
                                                         const QString &n_methodName)
{
    const OstraModel::OstraModelSharedPtr model = QSharedPointer<OstraModel>::create();
    ModelXMLSerializer current;
    if (current.isFormatSupport(n_document)) {
        current.loadFromDomDocument(n_document);
        model->load(current);
        return model;
    }
    ModelXMLSerializerOld older;
    if (older.isFormatSupport(n_document)) {
        older.loadFromDomDocument(n_document);
        model->load(older);
        return model;
    }
    throw NotSupportedXmlFormat(CLASS_NAME, n_methodName, NO_PARENT_EXCEPTION);
}

void ModelManager::setActiveModel(OstraModel::OstraModelSharedPtr n_modelPtr)
{
    const QString method = QStringLiteral(
        "setActiveModel(OstraModel::OstraModelSharedPtr n_modelPtr)");
    if (n_modelPtr.isNull())
        throwNull(method);
    if (!m_models.contains(n_modelPtr))
        throw NoElementExceptionOstra(n_modelPtr->getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    m_activeModel = n_modelPtr;
}

void ModelManager::setActiveModel(QString n_modelId)
{
    for (const OstraModel::OstraModelSharedPtr &model : qAsConst(m_models)) {
        if (!model.isNull() && model->getId() == n_modelId) {
            m_activeModel = model;
            return;
        }
    }
    throw NoElementExceptionOstra(n_modelId, CLASS_NAME,
                                  QStringLiteral("setActiveModel(QString n_modelId)"),
                                  NO_PARENT_EXCEPTION);
}

bool ModelManager::deleteModel(const QString &n_modelId)
{
    const QString method = QStringLiteral("deleteModel(const QString &n_modelId)");
    for (const OstraModel::OstraModelSharedPtr &model : qAsConst(m_models)) {
        if (model.isNull())
            throwNull(method);
        if (model->getId() == n_modelId) {
            m_models.remove(model);
            return true;
        }
    }
    throw NoElementExceptionOstra(n_modelId, CLASS_NAME, method, NO_PARENT_EXCEPTION);
}

bool ModelManager::deleteModel(OstraModel::OstraModelSharedPtr n_modelPtr)
{
    const QString method = QStringLiteral(
        "deleteModel(OstraModel::OstraModelSharedPtr n_modelPtr)");
    if (n_modelPtr.isNull())
        throwNull(method);
    if (!m_models.contains(n_modelPtr))
        throw NoElementExceptionOstra(n_modelPtr->getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    m_models.remove(n_modelPtr);
    return true;
}

QString ModelManager::saveActiveModelInStr() const
{
    if (m_activeModel.isNull())
        throwNull(QStringLiteral("saveActiveModelInStr()"));
    return saveModelInStr(m_activeModel);
}

QString ModelManager::saveModelInStr(OstraModel::OstraModelSharedPtr n_modelPtr) const
{
    if (n_modelPtr.isNull())
        throwNull(QStringLiteral("saveModelInStr(OstraModel::OstraModelSharedPtr n_modelPtr)"));
    ModelXMLSerializer serializer;
    n_modelPtr->save(serializer);
    return serializer.saveToString();
}

QStringList ModelManager::saveAllModelsInStr() const
{
    QStringList texts;
    for (const OstraModel::OstraModelSharedPtr &model : qAsConst(m_models))
        texts.append(saveModelInStr(model));
    return texts;
}

void ModelManager::saveActiveModelInFile(QFile &n_modelFile) const
{
    if (m_activeModel.isNull())
        throwNull(QStringLiteral("saveActiveModelInFile(QFile &n_modelFile)"));
    saveModelInFile(m_activeModel, n_modelFile);
}

// The model is serialised completely before the file is touched, and the file is replaced as a
// whole, so a failed save leaves the old file as it was.
void ModelManager::saveModelInFile(OstraModel::OstraModelSharedPtr n_modelPtr,
                                   QFile &n_modelFile) const
{
    if (n_modelPtr.isNull())
        throwNull(QStringLiteral("saveModelInFile(OstraModel::OstraModelSharedPtr n_modelPtr, "
                                 "QFile& n_modelFile) const"));
    ModelXMLSerializer serializer;
    n_modelPtr->save(serializer);
    serializer.saveToFile(n_modelFile);
}

void ModelManager::saveActiveModelInFile(
    QFile &n_modelFile, QList<ModelPartialXMLSerializer::serializerParts> n_saveFlags,
    bool n_useHierarchy) const
{
    if (m_activeModel.isNull())
        throwNull(QStringLiteral(
            "saveActiveModelInFile(QFile &n_modelFile, "
            "QList<ModelPartialXMLSerializer::serializerParts> n_saveFlags, bool n_useHierarchy)"));
    saveModelInFile(m_activeModel, n_modelFile, n_saveFlags, n_useHierarchy);
}

void ModelManager::saveModelInFile(OstraModel::OstraModelSharedPtr n_modelPtr, QFile &n_modelFile,
                                   QList<ModelPartialXMLSerializer::serializerParts> n_saveFlags,
                                   bool n_useHierarchy) const
{
    if (n_modelPtr.isNull())
        throwNull(QStringLiteral(
            "saveModelInFile(OstraModel::OstraModelSharedPtr n_modelPtr, QFile& n_modelFile, "
            "QList<ModelPartialXMLSerializer::serializerParts> n_saveFlags, bool n_useHierarchy)"));
    ModelPartialXMLSerializer serializer;
    serializer.setSaveFlags(n_saveFlags);
    serializer.useHierarchy(n_useHierarchy);
    n_modelPtr->save(serializer);
    serializer.saveToFile(n_modelFile);
}
