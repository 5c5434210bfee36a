#ifndef NOTSUPPORTEDEDGETYPE_H
#define NOTSUPPORTEDEDGETYPE_H

#include "errors/ExceptionOstraImpl.h"

// An edge between two elements whose kinds the class network does not join.
class NotSupportedEdgeType : public ExceptionOstraImpl<NotSupportedEdgeType, ExceptionOstra>
{
public:
    NotSupportedEdgeType(const QString &n_firstObjectId, const QString &n_secondObjectId,
                         const QString &n_className, const QString &n_methodName,
                         QSharedPointer<ExceptionOstra> n_parentException);
    NotSupportedEdgeType(const NotSupportedEdgeType &n_other);
    ~NotSupportedEdgeType() override;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_firstObjectId;
    QString m_secondObjectId;
};

#endif // NOTSUPPORTEDEDGETYPE_H
