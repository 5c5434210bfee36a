#include "workspace/wrappers/PageAdaptor.h"

PageAdaptor::PageAdaptor(QObject *n_page) : QObject(n_page)
{
}
