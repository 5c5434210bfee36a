#include "workspace/viewmanagers/TypeElement.h"

#include <utility>

TypeElement::TypeElement(QString n_title) : m_title(std::move(n_title))
{
}

QString TypeElement::getTitle() const
{
    return m_title;
}
