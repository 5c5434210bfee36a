#ifndef BADNEWOBJECTPARENT_H
#define BADNEWOBJECTPARENT_H

#include "errors/ExceptionOstraImpl.h"

// A rule or constraint moved to a class that cannot own it.
class BadNewObjectParent : public ExceptionOstraImpl<BadNewObjectParent, ExceptionOstra>
{
public:
    BadNewObjectParent(const QString &n_objectId, const QString &n_newParentId,
                       const QString &n_className, const QString &n_methodName,
                       QSharedPointer<ExceptionOstra> n_parentException);
    BadNewObjectParent(const BadNewObjectParent &n_other);
    ~BadNewObjectParent() override;

    QString getObjectId() const;
    QString getNewParentId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_objectId;
    QString m_newParentId;
};

#endif // BADNEWOBJECTPARENT_H
