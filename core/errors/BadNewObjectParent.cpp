#include "errors/BadNewObjectParent.h"

BadNewObjectParent::BadNewObjectParent(const QString &n_objectId, const QString &n_newParentId,
                                       const QString &n_className, const QString &n_methodName,
                                       QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(509, EXCEPTION_DESCRIPTIONS[509 - 501], n_className, n_methodName,
                         n_parentException),
      m_objectId(n_objectId), m_newParentId(n_newParentId)
{
}

BadNewObjectParent::BadNewObjectParent(const BadNewObjectParent &n_other)
    : ExceptionOstraImpl(n_other), m_objectId(n_other.m_objectId),
      m_newParentId(n_other.m_newParentId)
{
}

BadNewObjectParent::~BadNewObjectParent() = default;

QString BadNewObjectParent::getObjectId() const
{
    return m_objectId;
}

QString BadNewObjectParent::getNewParentId() const
{
    return m_newParentId;
}

QString BadNewObjectParent::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Object Id: ") + m_objectId + QLatin1Char('\n');
    text += QStringLiteral("New Parent Id: ") + m_newParentId + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
