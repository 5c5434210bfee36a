#ifndef NOELEMENTEXCEPTIONOSTRA_H
#define NOELEMENTEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A lookup by id that found nothing.
class NoElementExceptionOstra : public ExceptionOstraImpl<NoElementExceptionOstra, ExceptionOstra>
{
public:
    NoElementExceptionOstra(const QString &n_desiredId, const QString &n_className,
                            const QString &n_methodName,
                            QSharedPointer<ExceptionOstra> n_parentException);
    NoElementExceptionOstra(const NoElementExceptionOstra &n_other);
    ~NoElementExceptionOstra() override;

    QString getDesiredId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_desiredId;
};

#endif // NOELEMENTEXCEPTIONOSTRA_H
