#include "elements/ConstraintCalculation.h"

#include "elements/RelationBinding.h"
#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoRelation.h"

namespace {

const QString CLASS_NAME = QStringLiteral("ConstraintCalculation");

} // namespace

ConstraintCalculation::ConstraintCalculation()
{
}

ConstraintCalculation::ConstraintCalculation(const ConstraintCalculation &n_other)
    : ConstraintVertexPtrConn(n_other), ICalculate(n_other)
{
}

ConstraintCalculation::~ConstraintCalculation()
{
}

void ConstraintCalculation::reset()
{
    ConstraintVertexPtrConn::reset();
    m_calculated = false;
}

bool ConstraintCalculation::calculate()
{
    // A violated constraint must stay violated when asked again; the result parameter holds the
    // outcome of the run that set the calculated flag.
    if (m_calculated)
        return m_resultParameter->getValue().toBool();
    if (getRelationPtr().isNull())
        throw NoRelation(CLASS_NAME, QStringLiteral("calculate()"),
                         QSharedPointer<ExceptionOstra>());
    initInputRelationValue();
    initOutputRelationValue();
    getRelationSharedPtr()->calculate();
    getOutputRelationValue();
    m_calculated = true;
    return m_resultParameter->getValue().toBool();
}

void ConstraintCalculation::initInputRelationValue()
{
    relationbinding::passInputValues(getRelationSharedPtr(), *this, CLASS_NAME);
}

void ConstraintCalculation::initOutputRelationValue()
{
    const QString method = QStringLiteral("initOutputRelationValue()");
    const QSharedPointer<RelationModel> relation = getRelationSharedPtr();
    if (relation.isNull())
        throw NoRelation(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QList<QString> outputNames = relation->getOutputParametersNames();
    if (outputNames.size() != 1)
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    relation->setOutputParameterValue(outputNames.first(), m_resultParameter->getValue());
}

void ConstraintCalculation::getOutputRelationValue()
{
    const QString method = QStringLiteral("getOutputRelationValue()");
    const QSharedPointer<RelationModel> relation = getRelationSharedPtr();
    if (relation.isNull())
        throw NoRelation(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (!relation->containOutputParameter(FLAG_NAME))
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    m_resultParameter->setValue(relation->getOutputParameterValue(FLAG_NAME));
}
