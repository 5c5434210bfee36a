#ifndef BASEOSTRAOBJ_H
#define BASEOSTRAOBJ_H

#include <QString>

#include "errors/OstraObjectType.h"

// Identity and descriptive texts shared by every model element. The id keys the element in every
// hash; the GUID is a separate text that copies carry over unchanged.
class BaseOstraObj
{
public:
    BaseOstraObj();
    // Throws NoIdExceptionOstra for an empty id.
    explicit BaseOstraObj(const QString &n_Id);
    BaseOstraObj(const QString &n_Id, const QString &n_shortName, const QString &n_description,
                 const QString &n_author, const QString &n_GUID);
    BaseOstraObj(const BaseOstraObj &n_other);
    BaseOstraObj &operator=(const BaseOstraObj &n_other);
    virtual ~BaseOstraObj();

    virtual OstraObjectType getOstraObjectType() const;

    QString getId() const;
    QString getShortName() const;
    QString getDescription() const;
    QString getAuthor() const;
    QString getGUID() const;

    // Throws NoIdExceptionOstra for an empty id and keeps the old one.
    void setId(const QString &n_Id);
    void setShortName(const QString &n_shortName);
    void setDescription(const QString &n_description);
    void setAuthor(const QString &n_author);
    void setGUID(const QString &n_GUID);

    // Same id (case-sensitive) and same kind; the descriptive texts do not count.
    bool operator==(const BaseOstraObj &n_other) const;
    bool operator!=(const BaseOstraObj &n_other) const;

    static QString convertOstraObjectTypeToString(OstraObjectType n_type);

private:
    QString m_id;
    QString m_shortName;
    QString m_description;
    QString m_author;
    QString m_GUID;
};

#endif // BASEOSTRAOBJ_H
