#ifndef NOTOBJECTOWNER_H
#define NOTOBJECTOWNER_H

#include "errors/ExceptionOstraImpl.h"

// A class acting on an element that it does not own.
class NotObjectOwner : public ExceptionOstraImpl<NotObjectOwner, ExceptionOstra>
{
public:
    NotObjectOwner(const QString &n_objectId, const QString &n_wrongOwnerId,
                   const QString &n_className, const QString &n_methodName,
                   QSharedPointer<ExceptionOstra> n_parentException);
    NotObjectOwner(const NotObjectOwner &n_other);
    ~NotObjectOwner() override;

    QString getObjectId() const;
    QString getWrongOwnerId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_objectId;
    QString m_wrongOwnerId;
};

#endif // NOTOBJECTOWNER_H
