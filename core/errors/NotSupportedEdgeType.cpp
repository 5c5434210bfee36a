#include "errors/NotSupportedEdgeType.h"

NotSupportedEdgeType::NotSupportedEdgeType(const QString &n_firstObjectId,
                                           const QString &n_secondObjectId,
                                           const QString &n_className, const QString &n_methodName,
                                           QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(514, EXCEPTION_DESCRIPTIONS[514 - 501], n_className, n_methodName,
                         n_parentException),
      m_firstObjectId(n_firstObjectId), m_secondObjectId(n_secondObjectId)
{
}

NotSupportedEdgeType::NotSupportedEdgeType(const NotSupportedEdgeType &n_other)
    : ExceptionOstraImpl(n_other), m_firstObjectId(n_other.m_firstObjectId),
      m_secondObjectId(n_other.m_secondObjectId)
{
}

NotSupportedEdgeType::~NotSupportedEdgeType() = default;

QString NotSupportedEdgeType::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Object 1 id: ") + m_firstObjectId + QLatin1Char('\n');
    text += QStringLiteral("Object 2 id: ") + m_secondObjectId + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
