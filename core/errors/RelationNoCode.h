#ifndef RELATIONNOCODE_H
#define RELATIONNOCODE_H

#include "errors/ExceptionOstraImpl.h"

// A relation whose code is empty.
class RelationNoCode : public ExceptionOstraImpl<RelationNoCode, ExceptionOstra>
{
public:
    RelationNoCode(const QString &n_className, const QString &n_methodName,
                   QSharedPointer<ExceptionOstra> n_parentException);
    RelationNoCode(const RelationNoCode &n_other);
    ~RelationNoCode() override;
};

#endif // RELATIONNOCODE_H
