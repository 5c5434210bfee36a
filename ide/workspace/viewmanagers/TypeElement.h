#ifndef TYPEELEMENT_H
#define TYPEELEMENT_H

#include <QString>

// One value type offered to the user for a parameter.
class TypeElement
{
public:
    explicit TypeElement(QString n_title);
    QString getTitle() const;

private:
    QString m_title;
};

#endif // TYPEELEMENT_H
