#include "errors/uidgenerators.h"

#include <QUuid>

namespace uidgenerators {

QString genUid()
{
    // QUuid's text form is "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in lower case.
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace uidgenerators
