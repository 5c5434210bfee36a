#ifndef RELATIONSSTORAGEXMLSERIALIZEROLD_H
#define RELATIONSSTORAGEXMLSERIALIZEROLD_H

#include <QDomDocument>
#include <QList>
#include <QSharedPointer>

#include "serialization/RelationsStorageXMLSerializer.h"

// Relations node of an older-format file: its items translate each relation's parallel name and
// type lists into the current variable form.
class RelationsStorageXMLSerializerOld : public RelationsStorageXMLSerializer
{
public:
    explicit RelationsStorageXMLSerializerOld(const QDomDocument &n_document);
    ~RelationsStorageXMLSerializerOld() override;

    // Every child node, whatever its tag or kind, is one item.
    QList<QSharedPointer<ISerializerObject>> getRelations() const override;
};

#endif // RELATIONSSTORAGEXMLSERIALIZEROLD_H
