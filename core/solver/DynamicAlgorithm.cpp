#include "solver/DynamicAlgorithm.h"

DynamicAlgorithm::DynamicAlgorithm() : BaseAlgorithm()
{
}
