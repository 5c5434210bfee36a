#ifndef REMOTEALGORITHMDATA_H
#define REMOTEALGORITHMDATA_H

#include <QString>

#include "solver/BaseAlgorithmData.h"

// Settings of the remote solver: the flags plus a server address and port, held as text.
class RemoteAlgorithmData : public BaseAlgorithmData
{
public:
    RemoteAlgorithmData();
    RemoteAlgorithmData(const QString &n_serverIP, const QString &n_serverPort,
                        bool n_useDefaultValues, bool n_useConstraints);
    ~RemoteAlgorithmData() override;

    QString getServerIP() const;
    QString getServerPort() const;

private:
    QString m_serverIP;
    QString m_serverPort;
};

#endif // REMOTEALGORITHMDATA_H
