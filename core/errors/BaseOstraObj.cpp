#include "errors/BaseOstraObj.h"

#include "errors/NoIdExceptionOstra.h"

BaseOstraObj::BaseOstraObj() = default;

BaseOstraObj::BaseOstraObj(const QString &n_Id)
{
    if (n_Id.isEmpty())
        throw NoIdExceptionOstra(QStringLiteral("BaseOstraObj"),
                                 QStringLiteral("BaseOstraObj(const QString &n_Id)"), nullptr);
    m_id = n_Id;
}

BaseOstraObj::BaseOstraObj(const QString &n_Id, const QString &n_shortName,
                           const QString &n_description, const QString &n_author,
                           const QString &n_GUID)
    : m_id(n_Id), m_shortName(n_shortName), m_description(n_description), m_author(n_author),
      m_GUID(n_GUID)
{
}

BaseOstraObj::BaseOstraObj(const BaseOstraObj &n_other) = default;

BaseOstraObj &BaseOstraObj::operator=(const BaseOstraObj &n_other) = default;

BaseOstraObj::~BaseOstraObj() = default;

OstraObjectType BaseOstraObj::getOstraObjectType() const
{
    return OBJECT_TYPE_BASE;
}

QString BaseOstraObj::getId() const
{
    return m_id;
}

QString BaseOstraObj::getShortName() const
{
    return m_shortName;
}

QString BaseOstraObj::getDescription() const
{
    return m_description;
}

QString BaseOstraObj::getAuthor() const
{
    return m_author;
}

QString BaseOstraObj::getGUID() const
{
    return m_GUID;
}

void BaseOstraObj::setId(const QString &n_Id)
{
    if (n_Id.isEmpty())
        throw NoIdExceptionOstra(QStringLiteral("BaseOstraObj"),
                                 QStringLiteral("setId(const QString &n_Id)"), nullptr);
    m_id = n_Id;
}

void BaseOstraObj::setShortName(const QString &n_shortName)
{
    m_shortName = n_shortName;
}

void BaseOstraObj::setDescription(const QString &n_description)
{
    m_description = n_description;
}

void BaseOstraObj::setAuthor(const QString &n_author)
{
    m_author = n_author;
}

void BaseOstraObj::setGUID(const QString &n_GUID)
{
    m_GUID = n_GUID;
}

bool BaseOstraObj::operator==(const BaseOstraObj &n_other) const
{
    return m_id == n_other.m_id && getOstraObjectType() == n_other.getOstraObjectType();
}

bool BaseOstraObj::operator!=(const BaseOstraObj &n_other) const
{
    return !(*this == n_other);
}

QString BaseOstraObj::convertOstraObjectTypeToString(OstraObjectType n_type)
{
    // Classes and models have no name here.
    switch (n_type) {
    case OBJECT_TYPE_BASE:
        return QStringLiteral("Base");
    case OBJECT_TYPE_PARAMETER:
        return QStringLiteral("Parameter");
    case OBJECT_TYPE_RULE:
        return QStringLiteral("Rule");
    case OBJECT_TYPE_RELATION:
        return QStringLiteral("Relation");
    case OBJECT_TYPE_CONSTRAINT:
        return QStringLiteral("Constraint");
    default:
        return QString();
    }
}
