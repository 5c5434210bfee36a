#ifndef CONSTRAINTCALCULATION_H
#define CONSTRAINTCALCULATION_H

#include <QHash>
#include <QString>

#include "elements/ConstraintVertexPtrConn.h"
#include "elements/ICalculate.h"

// The layer of a constraint that evaluates it: input parameter values into the relation, the
// relation's code, its Boolean output "flag" into the result parameter. True means the values are
// admissible. A constraint is evaluated at most once between two resets.
class ConstraintCalculation : public ConstraintVertexPtrConn, public ICalculate
{
public:
    // The name the relation's one output variable must have.
    inline static const QString FLAG_NAME = QStringLiteral("flag");

    ConstraintCalculation();
    // The vertex's constructors: this layer adds nothing that they would set.
    using ConstraintVertexPtrConn::ConstraintVertexPtrConn;
    // The vertex copy plus the calculated flag.
    ConstraintCalculation(const ConstraintCalculation &n_other);
    ~ConstraintCalculation() override;

    // Clears the calculated flag; the result parameter keeps its value.
    void reset() override;
    // Evaluates the constraint once; asked again before reset, it answers the stored result.
    bool calculate() override;

    void initInputRelationValue();
    void initOutputRelationValue();
    void getOutputRelationValue();
};

#endif // CONSTRAINTCALCULATION_H
