#include "solver/RealTimeAlgorithm.h"

RealTimeAlgorithm::RealTimeAlgorithm() : BaseAlgorithm()
{
}
