#include "errors/NoRequiredField.h"

NoRequiredField::NoRequiredField(const QString &n_objectId, const QString &n_fieldName,
                                 const QString &n_className, const QString &n_methodName,
                                 QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(525, EXCEPTION_DESCRIPTIONS[525 - 501], n_className, n_methodName,
                         n_parentException),
      m_objectId(n_objectId), m_fieldName(n_fieldName)
{
}

NoRequiredField::NoRequiredField(const NoRequiredField &n_other)
    : ExceptionOstraImpl(n_other), m_objectId(n_other.m_objectId), m_fieldName(n_other.m_fieldName)
{
}

NoRequiredField::~NoRequiredField() = default;

QString NoRequiredField::getObjectId() const
{
    return m_objectId;
}

QString NoRequiredField::getFieldName() const
{
    return m_fieldName;
}

QString NoRequiredField::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Object Id: ") + m_objectId + QLatin1Char('\n');
    text += QStringLiteral("Required Field Name: ") + m_fieldName + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
