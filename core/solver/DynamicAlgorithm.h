#ifndef DYNAMICALGORITHM_H
#define DYNAMICALGORITHM_H

#include "solver/BaseAlgorithm.h"

// A solver kind reserved for later: it adds nothing and stays abstract.
class DynamicAlgorithm : public BaseAlgorithm
{
public:
    DynamicAlgorithm();
};

#endif // DYNAMICALGORITHM_H
