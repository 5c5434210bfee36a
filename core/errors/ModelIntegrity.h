#ifndef MODELINTEGRITY_H
#define MODELINTEGRITY_H

#include <QList>

#include "errors/IntegrityMsg.h"

// An integrity report: the findings in the order added and a flag that is set by the first error
// and never cleared.
class ModelIntegrity
{
public:
    ModelIntegrity();

    void addIntegrityMsg(IntegrityMsg &n_msg);
    void addAllFromModelInegrity(const ModelIntegrity &n_other);

    QList<IntegrityMsg> getIntegrityMsgs() const;
    bool areAnyErrors() const;

private:
    QList<IntegrityMsg> m_integrityMsgs;
    bool m_anyErrors;
};

#endif // MODELINTEGRITY_H
