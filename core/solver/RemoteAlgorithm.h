#ifndef REMOTEALGORITHM_H
#define REMOTEALGORITHM_H

#include <QString>

#include "solver/BaseAlgorithm.h"

// A solver meant to hand the class to a solving server. There is no server protocol, so it holds
// the address and port and refuses to plan, run or reset with a plain text exception.
class RemoteAlgorithm : public BaseAlgorithm
{
public:
    // A record of another kind leaves the address and port empty; a null one is refused.
    explicit RemoteAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData);
    RemoteAlgorithm(const BaseClassCommonData &n_network,
                    QSharedPointer<BaseAlgorithmData> n_algorithmData);
    RemoteAlgorithm(const QString &n_serverIP, const QString &n_serverPort, bool n_useDefaultValues,
                    bool n_useConstraints);
    ~RemoteAlgorithm() override;

    void setServerIP(QString n_serverIP);
    void setServerPort(QString n_serverPort);
    QString getServerIP() const;
    QString getServerPort() const;

    OstraSearchType getAlgorithmType() const override;
    void search() override;
    bool calculate() override;
    void resetAlgorithm() override;

private:
    void takeServerFrom(const QSharedPointer<BaseAlgorithmData> &n_algorithmData);

    QString m_serverIP;
    QString m_serverPort;
};

#endif // REMOTEALGORITHM_H
