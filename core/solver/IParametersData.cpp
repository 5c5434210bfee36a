#include "solver/IParametersData.h"

#include "elements/IdStore.h"
#include "errors/BadValueExceptionOstra.h"

namespace {

const QString CLASS_NAME = QStringLiteral("IParametersData");

} // namespace

IParametersData::IParametersData()
{
}

IParametersData::IParametersData(const IParametersData &n_other)
{
    copyParameters(n_other);
    copyDefaultValue(n_other);
}

IParametersData::~IParametersData()
{
}

IParametersData::ParameterSharedPtr IParametersData::getParameter(const QString &n_id) const
{
    return getParameterSharedPtr(n_id);
}

QHash<QString, IParametersData::ParameterSharedPtr> IParametersData::getParametersHash() const
{
    return m_parameters;
}

QSet<IParametersData::ParameterSharedPtr> IParametersData::getParametersDefaultValuesSet() const
{
    return m_defaultValueParameters;
}

int IParametersData::getParametersCount() const
{
    return m_parameters.size();
}

bool IParametersData::parametersContains(const QString &n_id) const
{
    return m_parameters.contains(n_id);
}

void IParametersData::setParameterDefaultValue(const QString &n_id, const QVariant &n_value)
{
    const ParameterSharedPtr parameter = getParameterPtr(n_id);
    if (n_value.type() != QVariant::Invalid && !n_value.isNull()) {
        parameter->setDefaultValue(n_value);
        m_defaultValueParameters.insert(parameter);
        return;
    }
    throw BadValueExceptionOstra(
        n_value,
        QStringLiteral("Unable to establish a value to default for parameter with  id=") + n_id,
        CLASS_NAME,
        QStringLiteral("setParameterDefaultValue(const QString &n_id, const QVariant &n_value)"),
        QSharedPointer<ExceptionOstra>());
}

void IParametersData::setParametersDefaultValues(const QHash<QString, QVariant> &n_values)
{
    for (auto it = n_values.constBegin(); it != n_values.constEnd(); ++it)
        setParameterDefaultValue(it.key(), it.value());
}

IParametersData::ParameterSharedPtr IParametersData::getParameterSharedPtr(
    const QString &n_id) const
{
    return idstore::findOrThrow(m_parameters, n_id, CLASS_NAME,
                                QStringLiteral("getParameterSharedPtr(const QString &n_id)"));
}

IParametersData::ParameterSharedPtr IParametersData::getParameterPtr(const QString &n_id) const
{
    return idstore::findOrThrow(m_parameters, n_id, CLASS_NAME,
                                QStringLiteral("getParameterPtr(const QString &n_id)"));
}

void IParametersData::copyParameters(const IParametersData &n_other)
{
    for (const ParameterSharedPtr &parameter : n_other.m_parameters)
        addParameter(*parameter);
}

void IParametersData::copyDefaultValue(const IParametersData &n_other)
{
    for (const ParameterSharedPtr &parameter : n_other.m_defaultValueParameters)
        setParameterDefaultValue(parameter->getId(), parameter->getDefaultValue());
}

void IParametersData::addParameter(const ParameterModel &n_parameter)
{
    addParameterPtr(QSharedPointer<ParameterModel>::create(n_parameter));
}

void IParametersData::addParameterPtr(ParameterSharedPtr n_parameter)
{
    idstore::insertUnique(
        m_parameters, n_parameter, CLASS_NAME,
        QStringLiteral("addParameterPtr(IParametersData::ParameterSharedPtr n_parameter)"));
}

int IParametersData::deleteParameter(const QString &n_id)
{
    const ParameterSharedPtr parameter = getParameterSharedPtr(n_id);
    m_defaultValueParameters.remove(parameter);
    return m_parameters.remove(n_id);
}

void IParametersData::resetParameters()
{
    for (const ParameterSharedPtr &parameter : qAsConst(m_parameters))
        parameter->reset();
}
