#ifndef NOTENOUGHDATAEXCEPTIONOSTRA_H
#define NOTENOUGHDATAEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A list holding fewer elements than an operation needs.
class NotEnoughDataExceptionOstra
    : public ExceptionOstraImpl<NotEnoughDataExceptionOstra, ExceptionOstra>
{
public:
    NotEnoughDataExceptionOstra(long n_desiredElementsCounts, long n_currentElementsCounts,
                                const QString &n_className, const QString &n_methodName,
                                QSharedPointer<ExceptionOstra> n_parentException);
    NotEnoughDataExceptionOstra(const NotEnoughDataExceptionOstra &n_other);
    ~NotEnoughDataExceptionOstra() override;

    long getDesiredElementsCounts() const;
    long getCurrentElementsCounts() const;

    QString toString(bool n_withEndLine) const override;

private:
    long m_desiredElementsCounts;
    long m_currentElementsCounts;
};

#endif // NOTENOUGHDATAEXCEPTIONOSTRA_H
