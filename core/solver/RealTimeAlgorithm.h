#ifndef REALTIMEALGORITHM_H
#define REALTIMEALGORITHM_H

#include "solver/BaseAlgorithm.h"

// A solver kind reserved for later: it adds nothing and stays abstract.
class RealTimeAlgorithm : public BaseAlgorithm
{
public:
    RealTimeAlgorithm();
};

#endif // REALTIMEALGORITHM_H
