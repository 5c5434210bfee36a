#include "errors/NotObjectOwner.h"

NotObjectOwner::NotObjectOwner(const QString &n_objectId, const QString &n_wrongOwnerId,
                               const QString &n_className, const QString &n_methodName,
                               QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(513, EXCEPTION_DESCRIPTIONS[513 - 501], n_className, n_methodName,
                         n_parentException),
      m_objectId(n_objectId), m_wrongOwnerId(n_wrongOwnerId)
{
}

NotObjectOwner::NotObjectOwner(const NotObjectOwner &n_other)
    : ExceptionOstraImpl(n_other), m_objectId(n_other.m_objectId),
      m_wrongOwnerId(n_other.m_wrongOwnerId)
{
}

NotObjectOwner::~NotObjectOwner() = default;

QString NotObjectOwner::getObjectId() const
{
    return m_objectId;
}

QString NotObjectOwner::getWrongOwnerId() const
{
    return m_wrongOwnerId;
}

QString NotObjectOwner::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Current object Id: ") + m_objectId + QLatin1Char('\n');
    text += QStringLiteral("Current class Id: ") + m_wrongOwnerId + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
