#ifndef INCONSISTENCYDATAEXCEPTIONOSTRA_H
#define INCONSISTENCYDATAEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// Stored data or element state that contradicts itself.
class InconsistencyDataExceptionOstra
    : public ExceptionOstraImpl<InconsistencyDataExceptionOstra, ExceptionOstra>
{
public:
    InconsistencyDataExceptionOstra(const QString &n_className, const QString &n_methodName,
                                    QSharedPointer<ExceptionOstra> n_parentException);
    InconsistencyDataExceptionOstra(const InconsistencyDataExceptionOstra &n_other);
    ~InconsistencyDataExceptionOstra() override;
};

#endif // INCONSISTENCYDATAEXCEPTIONOSTRA_H
