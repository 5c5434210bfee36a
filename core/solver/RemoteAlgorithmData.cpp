#include "solver/RemoteAlgorithmData.h"

RemoteAlgorithmData::RemoteAlgorithmData() : BaseAlgorithmData(true, true)
{
}

RemoteAlgorithmData::RemoteAlgorithmData(const QString &n_serverIP, const QString &n_serverPort,
                                         bool n_useDefaultValues, bool n_useConstraints)
    : BaseAlgorithmData(n_useDefaultValues, n_useConstraints), m_serverIP(n_serverIP),
      m_serverPort(n_serverPort)
{
}

RemoteAlgorithmData::~RemoteAlgorithmData()
{
}

QString RemoteAlgorithmData::getServerIP() const
{
    return m_serverIP;
}

QString RemoteAlgorithmData::getServerPort() const
{
    return m_serverPort;
}
