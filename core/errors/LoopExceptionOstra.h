#ifndef LOOPEXCEPTIONOSTRA_H
#define LOOPEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A solver whose rule ordering ran past its iteration limit.
class LoopExceptionOstra : public ExceptionOstraImpl<LoopExceptionOstra, ExceptionOstra>
{
public:
    LoopExceptionOstra(long n_currentIteartionCount, long n_limitIteartionCount,
                       const QString &n_className, const QString &n_methodName,
                       QSharedPointer<ExceptionOstra> n_parentException);
    LoopExceptionOstra(const LoopExceptionOstra &n_other);
    ~LoopExceptionOstra() override;

    long getCurrentIteartionCount() const;
    long getLimitIteartionCount() const;

    QString toString(bool n_withEndLine) const override;

private:
    long m_currentIteartionCount;
    long m_limitIteartionCount;
};

#endif // LOOPEXCEPTIONOSTRA_H
