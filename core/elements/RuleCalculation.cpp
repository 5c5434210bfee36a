#include "elements/RuleCalculation.h"

#include "elements/RelationBinding.h"
#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoRelation.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RuleCalculation");

} // namespace

RuleCalculation::RuleCalculation()
{
}

RuleCalculation::RuleCalculation(const RuleCalculation &n_other)
    : RuleVertexPtrConn(n_other), ICalculate(n_other)
{
}

RuleCalculation::~RuleCalculation()
{
    m_problemParameter.clear();
}

void RuleCalculation::reset()
{
    RuleVertexPtrConn::reset();
    m_calculated = false;
}

bool RuleCalculation::calculate()
{
    if (m_calculated)
        return true;
    if (getRelationPtr().isNull())
        throw NoRelation(CLASS_NAME, QStringLiteral("calculate()"),
                         QSharedPointer<ExceptionOstra>());
    initInputRelationValue();
    getRelationSharedPtr()->calculate();
    getOutputRelationValue();
    m_calculated = true;
    return true;
}

void RuleCalculation::initInputRelationValue()
{
    relationbinding::passInputValues(getRelationSharedPtr(), *this, CLASS_NAME);
}

void RuleCalculation::getOutputRelationValue()
{
    const QString method = QStringLiteral("getOutputRelationValue()");
    const QSharedPointer<RelationModel> relation = getRelationSharedPtr();
    if (relation.isNull())
        throw NoRelation(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QHash<QString, QVariant> values = relation->getOutputParametersValues();
    if (values.size() != countOfOutputParameters())
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QHash<QString, ParameterSharedPtr> outputs = getOutputParametersHash();
    // A result with no bound parameter under its name would be lost: refuse before writing any.
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        if (it.value().isValid() && outputs.value(it.key()).isNull())
            throw InconsistencyDataExceptionOstra(CLASS_NAME, method,
                                                  QSharedPointer<ExceptionOstra>());
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        if (it.value().isValid())
            outputs.value(it.key())->setValue(it.value());
}

QMap<QString, QVariant> RuleCalculation::getResultsMap() const
{
    QMap<QString, QVariant> results;
    const QHash<QString, ParameterSharedPtr> outputs = getOutputParametersHash();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
        if (!it.value().isNull())
            results.insert(it.value()->getId(), it.value()->getValue());
    return results;
}

RuleCalculation::ParameterSharedPtr RuleCalculation::getProblemParameter() const
{
    return m_problemParameter.toStrongRef();
}
