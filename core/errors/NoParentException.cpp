#include "errors/NoParentException.h"

NoParentException::NoParentException(const QString &n_objectWithNoParnetId,
                                     const QString &n_className, const QString &n_methodName,
                                     QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(523, EXCEPTION_DESCRIPTIONS[523 - 501], n_className, n_methodName,
                         n_parentException),
      m_objectWithNoParnetId(n_objectWithNoParnetId)
{
}

NoParentException::NoParentException(const NoParentException &n_other)
    : ExceptionOstraImpl(n_other), m_objectWithNoParnetId(n_other.m_objectWithNoParnetId)
{
}

NoParentException::~NoParentException() = default;

QString NoParentException::getObjectWithNoParnetId() const
{
    return m_objectWithNoParnetId;
}

QString NoParentException::toString(bool n_withEndLine) const
{
    // No line feed after the id: the end line, when asked for, follows on the same line.
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Object Id with no parent: ") + m_objectWithNoParnetId
            + QStringLiteral("; ");
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
