#ifndef NOREQUIREDTAG_H
#define NOREQUIREDTAG_H

#include "errors/ExceptionOstraImpl.h"

// A model element that lacks a child element it must have.
class NoRequiredTag : public ExceptionOstraImpl<NoRequiredTag, ExceptionOstra>
{
public:
    NoRequiredTag(const QString &n_requiredTag, const QString &n_className,
                  const QString &n_methodName, QSharedPointer<ExceptionOstra> n_parentException);
    NoRequiredTag(const NoRequiredTag &n_other);
    ~NoRequiredTag() override;

    QString getRequiredTag() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_requiredTag;
};

#endif // NOREQUIREDTAG_H
