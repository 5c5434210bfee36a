#ifndef IELEMENTID_H
#define IELEMENTID_H

#include <QString>

#include "errors/OstraObjectType.h"

// Second base of the exceptions that name one element together with its kind.
class IElementId
{
public:
    IElementId(const QString &n_elementId, OstraObjectType n_elementType);

    QString getElementId() const;
    OstraObjectType getElementType() const;

private:
    QString m_elementId;
    OstraObjectType m_elementType;
};

#endif // IELEMENTID_H
