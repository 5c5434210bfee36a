#ifndef LOADOUTCOME_H
#define LOADOUTCOME_H

#include <QString>

#include <functional>

#include "errors/ExceptionOstra.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"

// What loading a document comes to, as one text to compare: the model saved again, or the
// rendering of the exception that refused the load or the save (id, texts, place, findings).
inline QString loadOutcome(const std::function<OstraModel::OstraModelSharedPtr()> &n_load)
{
    OstraModel::OstraModelSharedPtr model;
    try {
        model = n_load();
    } catch (const ExceptionOstra &exception) {
        return QStringLiteral("refused:\n") + exception.toString(true);
    }
    try {
        ModelManager saver;
        return saver.saveModelInStr(model);
    } catch (const ExceptionOstra &exception) {
        return QStringLiteral("not saved:\n") + exception.toString(true);
    }
}

#endif // LOADOUTCOME_H
