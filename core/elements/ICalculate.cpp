#include "elements/ICalculate.h"

ICalculate::ICalculate() : m_calculated(false)
{
}

ICalculate::ICalculate(const ICalculate &n_other) : m_calculated(n_other.m_calculated)
{
}

ICalculate::~ICalculate()
{
}

bool ICalculate::isCalculated() const
{
    return m_calculated;
}
