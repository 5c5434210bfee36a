#include "elements/AdditionalFields.h"

#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"

namespace {
const QString CLASS_NAME = QStringLiteral("AdditionalFields");
}

AdditionalFields::AdditionalFields() = default;

AdditionalFields::AdditionalFields(const AdditionalFields &n_other) = default;

AdditionalFields &AdditionalFields::operator=(const AdditionalFields &n_other) = default;

AdditionalFields::~AdditionalFields() = default;

QVariant AdditionalFields::getAdditionalField(const QString &n_name) const
{
    const auto it = m_additionalFields.constFind(n_name);
    if (it == m_additionalFields.constEnd())
        throw NoElementExceptionOstra(
            n_name, CLASS_NAME,
            QStringLiteral("getAdditionalField(const QString &n_name, const QVariant &n_value)"),
            nullptr);
    return it.value();
}

QHash<QString, QVariant> AdditionalFields::getAdditionalFields() const
{
    return m_additionalFields;
}

bool AdditionalFields::containAdditionalField(const QString &n_name) const
{
    return m_additionalFields.contains(n_name);
}

void AdditionalFields::addAdditionalFields(const QHash<QString, QVariant> &n_fields)
{
    for (auto it = n_fields.constBegin(); it != n_fields.constEnd(); ++it)
        addAdditionalField(it.key(), it.value());
}

void AdditionalFields::addAdditionalField(const QString &n_additionalFieldName,
                                          const QVariant &n_value)
{
    if (m_additionalFields.contains(n_additionalFieldName))
        throw ElementAlreadyExistExceptionOstra(
            n_additionalFieldName, CLASS_NAME,
            QStringLiteral("addAdditionalField(const QString &n_additionalFieldName, const "
                           "QVariant &n_value)"),
            nullptr);
    m_additionalFields.insert(n_additionalFieldName, n_value);
}

void AdditionalFields::setAdditionalFieldValue(const QString &n_allowedField,
                                               const QVariant &n_value)
{
    auto it = m_additionalFields.find(n_allowedField);
    if (it == m_additionalFields.end())
        throw NoElementExceptionOstra(
            n_allowedField, CLASS_NAME,
            QStringLiteral(
                "setAdditionalFieldValue(const QString &n_allowedField, const QVariant &n_value)"),
            nullptr);
    it.value() = n_value;
}

void AdditionalFields::deleteAdditionalField(const QString &n_allowedField)
{
    deleteFromHash(n_allowedField);
}

void AdditionalFields::clearAdditionalFields()
{
    m_additionalFields.clear();
}

void AdditionalFields::deleteFromHash(const QString &n_allowedField)
{
    if (m_additionalFields.remove(n_allowedField) == 0)
        throw NoElementExceptionOstra(
            n_allowedField, CLASS_NAME,
            QStringLiteral("deleteFromHash(const QString &n_allowedField)"), nullptr);
}
