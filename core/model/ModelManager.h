#ifndef MODELMANAGER_H
#define MODELMANAGER_H

#include <QDomDocument>
#include <QFile>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "model/OstraModel.h"
#include "serialization/ModelPartialXMLSerializer.h"

// The open models and the one the editors work on. Reads model documents in either format and
// writes them, whole or in parts, always in the current format.
class ModelManager
{
public:
    ModelManager();

    void addModel(OstraModel::OstraModelSharedPtr n_modelPtr);
    OstraModel::OstraModelSharedPtr getActiveModel() const;
    QSet<OstraModel::OstraModelSharedPtr> getAllModels() const;

    void loadModel(const QString &n_modelStr);
    void loadModel(QFile &n_modelFile);

    void setActiveModel(OstraModel::OstraModelSharedPtr n_modelPtr);
    void setActiveModel(QString n_modelId);
    bool deleteModel(const QString &n_modelId);
    bool deleteModel(OstraModel::OstraModelSharedPtr n_modelPtr);

    QString saveActiveModelInStr() const;
    QString saveModelInStr(OstraModel::OstraModelSharedPtr n_modelPtr) const;
    QStringList saveAllModelsInStr() const;
    void saveActiveModelInFile(QFile &n_modelFile) const;
    void saveModelInFile(OstraModel::OstraModelSharedPtr n_modelPtr, QFile &n_modelFile) const;
    void saveActiveModelInFile(QFile &n_modelFile,
                               QList<ModelPartialXMLSerializer::serializerParts> n_saveFlags,
                               bool n_useHierarchy) const;
    void saveModelInFile(OstraModel::OstraModelSharedPtr n_modelPtr, QFile &n_modelFile,
                         QList<ModelPartialXMLSerializer::serializerParts> n_saveFlags,
                         bool n_useHierarchy) const;

    // The two ways a document text becomes a model; loadModel takes the first and, when it raises
    // anything, the second. The stream reader reads the current format as the program writes it,
    // without a DOM (ModelStreamReader); the DOM reading takes either format and raises what
    // loading raises for every other text, under the method name given.
    static OstraModel::OstraModelSharedPtr readThroughStream(const QString &n_text);
    static OstraModel::OstraModelSharedPtr readThroughDom(QString n_text,
                                                          const QString &n_methodName);

private:
    static OstraModel::OstraModelSharedPtr readModel(QString n_text, const QString &n_methodName);
    static OstraModel::OstraModelSharedPtr buildModel(QDomDocument &n_document,
                                                      const QString &n_methodName);

    OstraModel::OstraModelSharedPtr m_activeModel;
    QSet<OstraModel::OstraModelSharedPtr> m_models;
};

#endif // MODELMANAGER_H
