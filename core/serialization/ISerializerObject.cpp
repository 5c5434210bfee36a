#include "serialization/ISerializerObject.h"

bool ISerializerObject::lessThan(QSharedPointer<ISerializerObject> n_first,
                                 QSharedPointer<ISerializerObject> n_second)
{
    return n_first->getFieldValue(ATTRIBUTE_NAME_ID).toString()
           < n_second->getFieldValue(ATTRIBUTE_NAME_ID).toString();
}
