#include "solver/BaseAlgorithm.h"

#include "errors/PointerIsNull.h"

namespace {

// The record is read before the body runs, so a null one is refused first.
QSharedPointer<BaseAlgorithmData> checkedData(QSharedPointer<BaseAlgorithmData> n_data,
                                              const QString &n_method)
{
    if (n_data.isNull())
        throw PointerIsNull(QStringLiteral("BaseAlgorithm"), n_method,
                            QSharedPointer<ExceptionOstra>());
    return n_data;
}

} // namespace

BaseAlgorithm::BaseAlgorithm() : BaseAlgorithm(true, true)
{
}

BaseAlgorithm::BaseAlgorithm(bool n_useDefaultValues, bool n_useConstraints)
    : BaseClassCommonData(QSharedPointer<RelationsStorage>::create()),
      m_algorithmSolution(QSharedPointer<AlgorithmSolution>::create()),
      m_useDefaultValues(n_useDefaultValues), m_useConstraints(n_useConstraints),
      m_calculated(false), m_algorithmData(QSharedPointer<BaseAlgorithmData>::create(
                               n_useDefaultValues, n_useConstraints))
{
}

BaseAlgorithm::BaseAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : BaseClassCommonData(QSharedPointer<RelationsStorage>::create()),
      m_algorithmSolution(QSharedPointer<AlgorithmSolution>::create()),
      m_useDefaultValues(
          checkedData(
              n_algorithmData,
              QStringLiteral("BaseAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData)"))
              ->getUseDefaultValues()),
      m_useConstraints(n_algorithmData->getUseConstraints()), m_calculated(false),
      m_algorithmData(n_algorithmData)
{
}

BaseAlgorithm::BaseAlgorithm(const BaseClassCommonData &n_network,
                             QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : BaseClassCommonData(n_network, QSharedPointer<RelationsStorage>::create()),
      m_algorithmSolution(QSharedPointer<AlgorithmSolution>::create()),
      m_useDefaultValues(
          checkedData(n_algorithmData,
                      QStringLiteral("BaseAlgorithm(const BaseClassCommonData &n_network, "
                                     "QSharedPointer<BaseAlgorithmData> n_algorithmData)"))
              ->getUseDefaultValues()),
      m_useConstraints(n_algorithmData->getUseConstraints()), m_calculated(false),
      m_algorithmData(n_algorithmData)
{
}

BaseAlgorithm::~BaseAlgorithm()
{
}

void BaseAlgorithm::addKnownParameter(ParameterModel::ParameterModelPtr n_parameter)
{
    m_algorithmSolution->addKnownParameter(n_parameter);
}

void BaseAlgorithm::addKnownParameter(ParameterModel::ParameterModelPtr n_parameter,
                                      QVariant n_value)
{
    m_algorithmSolution->addKnownParameter(n_parameter, n_value);
}

void BaseAlgorithm::addKnownParameter(const QString &n_id, QVariant n_value)
{
    if (parametersContains(n_id))
        addKnownParameter(getParameterPtr(n_id), n_value);
}

void BaseAlgorithm::addRequiredParameter(const QString &n_id)
{
    if (parametersContains(n_id))
        addRequiredParameter(getParameterPtr(n_id));
}

QSharedPointer<BaseAlgorithmData> BaseAlgorithm::getAlgorithmData()
{
    return m_algorithmData;
}

void BaseAlgorithm::setData(BaseClassCommonData &n_network)
{
    reset();
    m_parameters = n_network.getParametersHash();
    m_defaultValueParameters = n_network.getParametersDefaultValuesSet();
    m_rules = n_network.getRulesHash();
    m_constraints = n_network.getConstraintsHash();
    m_relationsStorage = n_network.getRelationsStorage();
}

void BaseAlgorithm::addKnownParameters(
    const QHash<ParameterModel::ParameterModelPtr, QVariant> &n_parameters)
{
    m_algorithmSolution->addKnownParameters(n_parameters);
}

void BaseAlgorithm::addKnownParameters(const QHash<QString, QVariant> &n_parameters)
{
    for (auto it = n_parameters.constBegin(); it != n_parameters.constEnd(); ++it)
        addKnownParameter(it.key(), it.value());
}

void BaseAlgorithm::setKnownParameters(QSet<ParameterModel::ParameterModelPtr> n_parameters)
{
    m_algorithmSolution->setKnownParameters(n_parameters);
}

void BaseAlgorithm::setKnownParameters(
    QHash<ParameterModel::ParameterModelPtr, QVariant> n_parameters)
{
    for (auto it = n_parameters.constBegin(); it != n_parameters.constEnd(); ++it)
        m_algorithmSolution->addKnownParameter(it.key(), it.value());
}

void BaseAlgorithm::addRequiredParameter(ParameterModel::ParameterModelPtr n_parameter)
{
    m_algorithmSolution->addRequiredParameter(n_parameter);
}

void BaseAlgorithm::addRequiredParameters(QSet<ParameterModel::ParameterModelPtr> n_parameters)
{
    m_algorithmSolution->addRequiredParameters(n_parameters);
}

void BaseAlgorithm::addRequiredParameters(const QSet<QString> &n_ids)
{
    for (const QString &id : n_ids)
        addRequiredParameter(id);
}

void BaseAlgorithm::addRequiredParameters(const QList<QString> &n_ids)
{
    for (const QString &id : n_ids)
        addRequiredParameter(id);
}

void BaseAlgorithm::setRequiredParameters(QSet<ParameterModel::ParameterModelPtr> n_parameters)
{
    m_algorithmSolution->setRequiredParameters(n_parameters);
}

void BaseAlgorithm::setUseDefaultValues(bool n_useDefaultValues)
{
    m_useDefaultValues = n_useDefaultValues;
}

void BaseAlgorithm::setUseConstraints(bool n_useConstraints)
{
    m_useConstraints = n_useConstraints;
}

bool BaseAlgorithm::getUseDefaultValues() const
{
    return m_useDefaultValues;
}

bool BaseAlgorithm::getUseConstraints() const
{
    return m_useConstraints;
}

bool BaseAlgorithm::isCalculated() const
{
    return m_calculated;
}

QSharedPointer<AlgorithmSolution> BaseAlgorithm::getAlgorithmSolution()
{
    return m_algorithmSolution;
}
