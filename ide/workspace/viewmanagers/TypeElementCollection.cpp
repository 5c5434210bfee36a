#include "workspace/viewmanagers/TypeElementCollection.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "workspace/viewmanagers/TypeElement.h"

TypeElementCollection::TypeElementCollection()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    for (int offset : {m_numberOffset, m_textOffset})
        m_elements.append(
            new TypeElement(texts.getTextById(texts.getParameterBeginKey() + offset)));
}

TypeElementCollection::~TypeElementCollection()
{
    qDeleteAll(m_elements);
}

QList<TypeElement *> TypeElementCollection::getCollection() const
{
    return m_elements;
}
