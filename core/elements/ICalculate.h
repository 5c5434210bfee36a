#ifndef ICALCULATE_H
#define ICALCULATE_H

// Something that can be calculated once between two resets.
class ICalculate
{
public:
    ICalculate();
    ICalculate(const ICalculate &n_other);
    virtual ~ICalculate();

    virtual bool calculate() = 0;
    bool isCalculated() const;

protected:
    bool m_calculated;
};

#endif // ICALCULATE_H
