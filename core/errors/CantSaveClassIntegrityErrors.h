#ifndef CANTSAVECLASSINTEGRITYERRORS_H
#define CANTSAVECLASSINTEGRITYERRORS_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/ModelIntegrity.h"

// A class that refused to save itself because its integrity report holds errors. Carries its own
// copy of that report and renders every finding by code, type and element ids.
class CantSaveClassIntegrityErrors
    : public ExceptionOstraImpl<CantSaveClassIntegrityErrors, ExceptionOstra>
{
public:
    CantSaveClassIntegrityErrors(const ModelIntegrity &n_modelIntegrity, const QString &n_className,
                                 const QString &n_methodName,
                                 QSharedPointer<ExceptionOstra> n_parentException);
    CantSaveClassIntegrityErrors(const CantSaveClassIntegrityErrors &n_other);
    ~CantSaveClassIntegrityErrors() override;

    ModelIntegrity getModelIntegrity() const;

    QString toString(bool n_withEndLine) const override;

private:
    ModelIntegrity m_modelIntegrity;
};

#endif // CANTSAVECLASSINTEGRITYERRORS_H
