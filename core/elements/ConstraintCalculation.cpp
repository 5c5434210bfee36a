#include "elements/ConstraintCalculation.h"

#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoRelation.h"

namespace {

const QString CLASS_NAME = QStringLiteral("ConstraintCalculation");

} // namespace

ConstraintCalculation::ConstraintCalculation() {}

ConstraintCalculation::ConstraintCalculation(const QString &n_id) : ConstraintVertexPtrConn(n_id) {}

ConstraintCalculation::ConstraintCalculation(const QString &n_id, const QString &n_shortName,
                                             const QString &n_description, const QString &n_author,
                                             const QString &n_GUID)
    : ConstraintVertexPtrConn(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

ConstraintCalculation::ConstraintCalculation(const QString &n_id,
                                             const QHash<QString, ParameterSharedPtr> &n_inputParameters)
    : ConstraintVertexPtrConn(n_id, n_inputParameters)
{
}

ConstraintCalculation::ConstraintCalculation(const QString &n_id, const QString &n_shortName,
                                             const QString &n_description, const QString &n_author,
                                             const QString &n_GUID,
                                             const QHash<QString, ParameterSharedPtr> &n_inputParameters)
    : ConstraintVertexPtrConn(n_id, n_shortName, n_description, n_author, n_GUID, n_inputParameters)
{
}

ConstraintCalculation::ConstraintCalculation(const ConstraintCalculation &n_other)
    : ConstraintVertexPtrConn(n_other), ICalculate(n_other)
{
}

ConstraintCalculation::ConstraintCalculation(const ConstraintVertex &n_vertex) : ConstraintVertexPtrConn(n_vertex) {}

ConstraintCalculation::~ConstraintCalculation() {}

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
        throw NoRelation(CLASS_NAME, QStringLiteral("calculate()"), QSharedPointer<ExceptionOstra>());
    initInputRelationValue();
    initOutputRelationValue();
    getRelationSharedPtr()->calculate();
    getOutputRelationValue();
    m_calculated = true;
    return m_resultParameter->getValue().toBool();
}

void ConstraintCalculation::initInputRelationValue()
{
    const QString method = QStringLiteral("initInputRelationValue()");
    const QSharedPointer<RelationModel> relation = getRelationSharedPtr();
    if (relation.isNull())
        throw NoRelation(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (relation->getInputParametersNames().size() != countOfInputParameters())
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QHash<QString, ParameterSharedPtr> inputs = getInputParametersHash();
    // A name left over from an earlier variable can be unbound while the counts still agree; it
    // has no value to give, so refuse before anything is written.
    for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
        if (it.value().isNull())
            throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
        relation->setInputParameterValue(it.key(), it.value()->getValue());
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
