#include "elements/RelationDataObj.h"

RelationDataObj::RelationDataObj(QScriptEngine *n_engine)
    : RelationVertex(n_engine), AdditionalFields()
{
}

RelationDataObj::RelationDataObj(const QString &n_id, const QString &n_code,
                                 QScriptEngine *n_engine)
    : RelationVertex(n_id, n_code, n_engine), AdditionalFields()
{
}

RelationDataObj::RelationDataObj(const QString &n_id, const QString &n_shortName,
                                 const QString &n_description, const QString &n_author,
                                 const QString &n_GUID, const QString &n_code,
                                 QScriptEngine *n_engine)
    : RelationVertex(n_id, n_shortName, n_description, n_author, n_GUID, n_code, n_engine),
      AdditionalFields()
{
}

RelationDataObj::RelationDataObj(const RelationDataObj &n_other, QScriptEngine *n_engine)
    : RelationVertex(n_other, n_engine), AdditionalFields(n_other)
{
}

RelationDataObj::RelationDataObj(const RelationVertex &n_other, QScriptEngine *n_engine)
    : RelationVertex(n_other, n_engine), AdditionalFields()
{
}

RelationDataObj::RelationDataObj(const RelationDataObj &n_other) = default;

RelationDataObj &RelationDataObj::operator=(const RelationDataObj &n_other) = default;

RelationDataObj::~RelationDataObj() = default;
