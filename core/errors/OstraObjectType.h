#ifndef OSTRAOBJECTTYPE_H
#define OSTRAOBJECTTYPE_H

#include <QtGlobal>

// Kind of a model element. The numbers are stored and compared as plain ints, so they must not
// move.
enum OstraObjectType : qint32 {
    OBJECT_TYPE_BASE = 0,
    OBJECT_TYPE_PARAMETER = 1,
    OBJECT_TYPE_RULE = 2,
    OBJECT_TYPE_RELATION = 3,
    OBJECT_TYPE_CONSTRAINT = 4,
    OBJECT_TYPE_CLASS = 5,
    OBJECT_TYPE_MODEL = 6
};

#endif // OSTRAOBJECTTYPE_H
