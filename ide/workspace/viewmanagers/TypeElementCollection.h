#ifndef TYPEELEMENTCOLLECTION_H
#define TYPEELEMENTCOLLECTION_H

#include <QList>

class TypeElement;

// The value types a parameter can take, number first, text second, titled in the interface
// language current when the collection is made. Owns its elements.
class TypeElementCollection
{
public:
    TypeElementCollection();
    ~TypeElementCollection();
    TypeElementCollection(const TypeElementCollection &) = delete;
    TypeElementCollection &operator=(const TypeElementCollection &) = delete;

    QList<TypeElement *> getCollection() const;

private:
    QList<TypeElement *> m_elements;
    int m_numberOffset = 6;
    int m_textOffset = 7;
};

#endif // TYPEELEMENTCOLLECTION_H
