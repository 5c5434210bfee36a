#include "model/ModelManager.h"

#include "errors/NoElementExceptionOstra.h"
#include "errors/NotSupportedXmlFormat.h"
#include "errors/PointerIsNull.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelXMLSerializerOld.h"
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
    const QString method = QStringLiteral("loadModel(const QString &n_modelStr)");
    QDomDocument document;
    // Refuses documents nested too deep before the DOM parser sees them.
    XMLDocumentReader::setContent(document, n_modelStr, CLASS_NAME, method);
    const OstraModel::OstraModelSharedPtr model = buildModel(document, method);
    m_models.insert(model);
    m_activeModel = model;
}

void ModelManager::loadModel(QFile &n_modelFile)
{
    const QString method = QStringLiteral("loadModel(QFile &n_modelFile)");
    QDomDocument document;
    // Checks the file, and refuses documents nested too deep before the DOM parser sees them.
    XMLDocumentReader::loadFromFile(document, n_modelFile, CLASS_NAME, method);
    const OstraModel::OstraModelSharedPtr model = buildModel(document, method);
    m_models.insert(model);
    m_activeModel = model;
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
