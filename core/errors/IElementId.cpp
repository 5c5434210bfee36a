#include "errors/IElementId.h"

IElementId::IElementId(const QString &n_elementId, OstraObjectType n_elementType)
    : m_elementId(n_elementId), m_elementType(n_elementType)
{
}

QString IElementId::getElementId() const
{
    return m_elementId;
}

OstraObjectType IElementId::getElementType() const
{
    return m_elementType;
}
