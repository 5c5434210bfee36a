#include "errors/RelationNoCode.h"

RelationNoCode::RelationNoCode(const QString &n_className, const QString &n_methodName,
                               QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(527, EXCEPTION_DESCRIPTIONS[527 - 501], n_className, n_methodName,
                         n_parentException)
{
}

RelationNoCode::RelationNoCode(const RelationNoCode &n_other) : ExceptionOstraImpl(n_other)
{
}

RelationNoCode::~RelationNoCode() = default;
