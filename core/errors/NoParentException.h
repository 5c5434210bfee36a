#ifndef NOPARENTEXCEPTION_H
#define NOPARENTEXCEPTION_H

#include "errors/ExceptionOstraImpl.h"

// An element, or a parameter being linked to it, that has no owner.
class NoParentException : public ExceptionOstraImpl<NoParentException, ExceptionOstra>
{
public:
    NoParentException(const QString &n_objectWithNoParnetId, const QString &n_className,
                      const QString &n_methodName,
                      QSharedPointer<ExceptionOstra> n_parentException);
    NoParentException(const NoParentException &n_other);
    ~NoParentException() override;

    QString getObjectWithNoParnetId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_objectWithNoParnetId;
};

#endif // NOPARENTEXCEPTION_H
