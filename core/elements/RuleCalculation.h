#ifndef RULECALCULATION_H
#define RULECALCULATION_H

#include <QHash>
#include <QMap>
#include <QSharedPointer>
#include <QString>
#include <QVariant>
#include <QWeakPointer>

#include "elements/ICalculate.h"
#include "elements/RuleVertexPtrConn.h"

// The layer of a rule that runs it: input parameter values into the relation, the relation's code,
// the results back into the output parameters. A rule runs at most once between two resets.
class RuleCalculation : public RuleVertexPtrConn, public ICalculate
{
public:
    RuleCalculation();
    // The vertex's constructors: this layer adds nothing that they would set.
    using RuleVertexPtrConn::RuleVertexPtrConn;
    // The vertex copy plus the calculated flag; the problem parameter is not copied.
    RuleCalculation(const RuleCalculation &n_other);
    ~RuleCalculation() override;

    // Clears the search data, then the calculated flag; links and values stay.
    void reset() override;
    // Runs the rule once; true, or an exception. A second call before reset does nothing.
    bool calculate() override;

    // Output parameter id -> its current value, for every bound output.
    QMap<QString, QVariant> getResultsMap() const;
    // Nothing assigns it: always null.
    ParameterSharedPtr getProblemParameter() const;

    void initInputRelationValue();
    void getOutputRelationValue();

private:
    QWeakPointer<ParameterVertexPtrConn> m_problemParameter;
};

#endif // RULECALCULATION_H
