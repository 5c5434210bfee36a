#include "solver/BaseAlgorithmData.h"

BaseAlgorithmData::BaseAlgorithmData(bool n_useDefaultValues, bool n_useConstraints)
    : m_useDefaultValues(n_useDefaultValues), m_useConstraints(n_useConstraints)
{
}

BaseAlgorithmData::BaseAlgorithmData(const BaseAlgorithmData &n_other) = default;

BaseAlgorithmData::~BaseAlgorithmData()
{
}

bool BaseAlgorithmData::getUseDefaultValues() const
{
    return m_useDefaultValues;
}

bool BaseAlgorithmData::getUseConstraints() const
{
    return m_useConstraints;
}
