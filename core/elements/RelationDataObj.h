#ifndef RELATIONDATAOBJ_H
#define RELATIONDATAOBJ_H

#include "elements/AdditionalFields.h"
#include "elements/RelationVertex.h"

// A relation with the extra attributes of its stored element.
class RelationDataObj : public RelationVertex, public AdditionalFields
{
public:
    explicit RelationDataObj(QScriptEngine *n_engine);
    RelationDataObj(const QString &n_id, const QString &n_code, QScriptEngine *n_engine);
    RelationDataObj(const QString &n_id, const QString &n_shortName, const QString &n_description,
                    const QString &n_author, const QString &n_GUID, const QString &n_code,
                    QScriptEngine *n_engine);
    // Vertex part (with the given engine) and extra fields.
    RelationDataObj(const RelationDataObj &n_other, QScriptEngine *n_engine);
    // Vertex part only; no extra fields.
    RelationDataObj(const RelationVertex &n_other, QScriptEngine *n_engine);
    RelationDataObj(const RelationDataObj &n_other);
    RelationDataObj &operator=(const RelationDataObj &n_other);
    ~RelationDataObj() override;
};

#endif // RELATIONDATAOBJ_H
