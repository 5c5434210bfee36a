#include "solver/RemoteAlgorithm.h"

#include "solver/RemoteAlgorithmData.h"

RemoteAlgorithm::RemoteAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : BaseAlgorithm(n_algorithmData)
{
    takeServerFrom(n_algorithmData);
}

RemoteAlgorithm::RemoteAlgorithm(const BaseClassCommonData &n_network,
                                 QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : BaseAlgorithm(n_network, n_algorithmData)
{
    takeServerFrom(n_algorithmData);
}

RemoteAlgorithm::RemoteAlgorithm(const QString &n_serverIP, const QString &n_serverPort,
                                 bool n_useDefaultValues, bool n_useConstraints)
    : BaseAlgorithm(QSharedPointer<RemoteAlgorithmData>::create(
        n_serverIP, n_serverPort, n_useDefaultValues, n_useConstraints))
{
    takeServerFrom(m_algorithmData);
}

RemoteAlgorithm::~RemoteAlgorithm()
{
}

void RemoteAlgorithm::takeServerFrom(const QSharedPointer<BaseAlgorithmData> &n_algorithmData)
{
    const QSharedPointer<RemoteAlgorithmData> remote =
        qSharedPointerDynamicCast<RemoteAlgorithmData>(n_algorithmData);
    if (remote.isNull())
        return;
    m_serverIP = remote->getServerIP();
    m_serverPort = remote->getServerPort();
}

void RemoteAlgorithm::setServerIP(QString n_serverIP)
{
    m_serverIP = n_serverIP;
}

void RemoteAlgorithm::setServerPort(QString n_serverPort)
{
    m_serverPort = n_serverPort;
}

QString RemoteAlgorithm::getServerIP() const
{
    return m_serverIP;
}

QString RemoteAlgorithm::getServerPort() const
{
    return m_serverPort;
}

BaseAlgorithm::OstraSearchType RemoteAlgorithm::getAlgorithmType() const
{
    return REMOTE_ALGORITHM;
}

void RemoteAlgorithm::search()
{
    throw "RemoteAlgorithm::search()";
}

bool RemoteAlgorithm::calculate()
{
    throw "RemoteAlgorithm::calculate()";
}

void RemoteAlgorithm::resetAlgorithm()
{
    throw "RemoteAlgorithm::resetAlgorithm()";
}
