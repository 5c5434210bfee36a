#include "elements/PtrLinkerInputParameters.h"

#include "elements/ParameterVertexPtrConn.h"

PtrLinkerInputParameters::PtrLinkerInputParameters()
{
}

PtrLinkerInputParameters::PtrLinkerInputParameters(
    const QHash<QString, QSharedPointer<ParameterVertexPtrConn>> &n_inputParameters)
    : m_inputParameters(n_inputParameters)
{
}

PtrLinkerInputParameters::~PtrLinkerInputParameters()
{
}

QHash<QString, QString> PtrLinkerInputParameters::getInputParametersIds() const
{
    return m_inputParameters.getLinkedObjectsIdsHash();
}

int PtrLinkerInputParameters::countOfInputParameters() const
{
    return m_inputParameters.countOfLinkedObjectsHash();
}

QHash<QString, QSharedPointer<ParameterVertexPtrConn>>
PtrLinkerInputParameters::getInputParametersHash() const
{
    return m_inputParameters.getLinkedObjectsHash();
}

QString PtrLinkerInputParameters::getLinkedNameOfInputeParameter(
    QSharedPointer<ParameterVertexPtrConn> n_parameter) const
{
    return m_inputParameters.getLinkedNameOfLinkedObject(n_parameter);
}

bool PtrLinkerInputParameters::containsInInputParameters(
    QSharedPointer<ParameterVertexPtrConn> n_parameter) const
{
    return m_inputParameters.containsLinkedObject(n_parameter);
}

void PtrLinkerInputParameters::addInputParameter(const QString &n_linkedName,
                                                 QSharedPointer<ParameterVertexPtrConn> n_parameter)
{
    m_inputParameters.addLinkedObject(n_linkedName, n_parameter);
}

void PtrLinkerInputParameters::deleteAllNullPointersInputParameters()
{
    m_inputParameters.deleteAllNullPointersLinkedObjects();
}

void PtrLinkerInputParameters::removeInputParameterConn(const QString &n_linkedName)
{
    m_inputParameters.removeLinkedObject(n_linkedName);
}

void PtrLinkerInputParameters::deleteInputParameterConn(const QString &n_linkedName)
{
    m_inputParameters.deleteLinkedObject(n_linkedName);
}

void PtrLinkerInputParameters::replaceInputParameter(
    const QString &n_linkedName, QSharedPointer<ParameterVertexPtrConn> n_parameter)
{
    m_inputParameters.replaceLinkedObject(n_linkedName, n_parameter);
}

bool PtrLinkerInputParameters::canBeExplored() const
{
    return m_inputParameters.canBeExplored();
}

QSharedPointer<ParameterVertexPtrConn> PtrLinkerInputParameters::getInputParameterConn(
    const QString &n_linkedName) const
{
    return m_inputParameters.getObject(n_linkedName);
}
