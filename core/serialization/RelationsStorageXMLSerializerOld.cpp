#include "serialization/RelationsStorageXMLSerializerOld.h"

#include <QDomNodeList>

#include "serialization/ObjectXmlSerializerOld.h"

RelationsStorageXMLSerializerOld::RelationsStorageXMLSerializerOld(const QDomDocument &n_document)
    : RelationsStorageXMLSerializer(n_document)
{
}

RelationsStorageXMLSerializerOld::~RelationsStorageXMLSerializerOld()
{
}

QList<QSharedPointer<ISerializerObject>> RelationsStorageXMLSerializerOld::getRelations() const
{
    QList<QSharedPointer<ISerializerObject>> relations;
    const QDomNodeList children = m_domElement.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        QDomElement child = children.at(i).toElement();
        QSharedPointer<ObjectXmlSerializerOld> relation =
            QSharedPointer<ObjectXmlSerializerOld>::create(TAG_NAME_RELATION, m_domDocument);
        relation->setXMLObject(child);
        relations.append(relation);
    }
    return relations;
}
