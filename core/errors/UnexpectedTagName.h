#ifndef UNEXPECTEDTAGNAME_H
#define UNEXPECTEDTAGNAME_H

#include "errors/ExceptionOstraImpl.h"

// A child element whose tag is not the one the reader awaits.
class UnexpectedTagName : public ExceptionOstraImpl<UnexpectedTagName, ExceptionOstra>
{
public:
    UnexpectedTagName(const QString &n_expectedTag, const QString &n_problemTag,
                      const QString &n_className, const QString &n_methodName,
                      QSharedPointer<ExceptionOstra> n_parentException);
    UnexpectedTagName(const UnexpectedTagName &n_other);
    ~UnexpectedTagName() override;

    QString getExpectedTag() const;
    QString getProblemTag() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_expectedTag;
    QString m_problemTag;
};

#endif // UNEXPECTEDTAGNAME_H
