#include "elements/ParameterModel.h"

#include "elements/ConstraintModel.h"
#include "elements/RuleModel.h"
#include "errors/NoParentException.h"
#include "model/OwnedElementParent.h"
#include "errors/PointerIsNull.h"

ParameterModel::ParameterModel()
{
}

ParameterModel::ParameterModel(const QString &n_id, QVariant::Type n_type,
                               const QVariant &n_defaultValue, QSharedPointer<OstraClass> n_parent)
    : ParameterVertexPtrConnData(n_id, n_type, n_defaultValue), BaseObjectParent(n_parent)
{
}

ParameterModel::ParameterModel(const QString &n_id, QVariant::Type n_type,
                               const QVariant &n_defaultValue,
                               const QList<RuleSharedPtr> &n_inputRules,
                               const QList<RuleSharedPtr> &n_outputRules,
                               QSharedPointer<OstraClass> n_parent)
    : ParameterVertexPtrConnData(n_id, n_type, n_defaultValue, n_inputRules, n_outputRules),
      BaseObjectParent(n_parent)
{
}

ParameterModel::ParameterModel(const QString &n_id, QVariant::Type n_type,
                               const QVariant &n_defaultValue,
                               const QList<ConstraintSharedPtr> &n_constraints,
                               QSharedPointer<OstraClass> n_parent)
    : ParameterVertexPtrConnData(n_id, n_type, n_defaultValue, n_constraints),
      BaseObjectParent(n_parent)
{
}

ParameterModel::ParameterModel(const QString &n_id, const QString &n_shortName,
                               const QString &n_description, const QString &n_author,
                               const QString &n_GUID, QVariant::Type n_type,
                               const QVariant &n_defaultValue,
                               const QList<RuleSharedPtr> &n_inputRules,
                               const QList<RuleSharedPtr> &n_outputRules,
                               const QList<ConstraintSharedPtr> &n_constraints,
                               QSharedPointer<OstraClass> n_parent)
    : ParameterVertexPtrConnData(n_id, n_shortName, n_description, n_author, n_GUID, n_type,
                                 n_defaultValue, n_inputRules, n_outputRules, n_constraints),
      BaseObjectParent(n_parent)
{
}

ParameterModel::ParameterModel(const ParameterModel &n_other)
    : ParameterVertexPtrConnData(n_other),
      BaseObjectParent(), QEnableSharedFromThis<ParameterModel>()
{
}

ParameterModel::~ParameterModel()
{
}

QList<QSharedPointer<RuleModel>> ParameterModel::getInputRules() const
{
    return getAdjacentInVerticesConvert<RuleModel>();
}

QList<QSharedPointer<RuleModel>> ParameterModel::getOutputRules() const
{
    return getAdjacentOutVerticesConvert<RuleModel>();
}

QList<QSharedPointer<ConstraintModel>> ParameterModel::getConstraints() const
{
    return getLinkedConstraintsConvert<ConstraintModel>();
}

QString ParameterModel::getValueStr() const
{
    return valueToString(getValue());
}

QString ParameterModel::getDefaultValueStr() const
{
    return valueToString(getDefaultValue());
}

QString ParameterModel::valueToString(const QVariant &n_value) const
{
    if (n_value.isNull())
        return QString();
    switch (getValueType()) {
    case QVariant::String:
        return n_value.toString();
    case QVariant::Double:
        return QString::number(n_value.toDouble(), 'g', 15);
    default:
        return QString();
    }
}

void ParameterModel::setParent(QSharedPointer<OstraClass> n_newParent)
{
    ownedelement::setParent(*this, n_newParent, QStringLiteral("ParameterModel"),
                            &OstraClass::addParameter);
}

void ParameterModel::removeParent()
{
    ownedelement::removeParent(*this, QStringLiteral("ParameterModel"),
                               &OstraClass::deleteParameterFromClass);
}
