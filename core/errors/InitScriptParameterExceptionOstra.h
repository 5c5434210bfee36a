#ifndef INITSCRIPTPARAMETEREXCEPTIONOSTRA_H
#define INITSCRIPTPARAMETEREXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/BadValueExceptionOstra.h"
#include "errors/IElementId.h"

// An input value that cannot be put into the script engine. The parameter is the named element;
// the caught value exception is usually the parent.
class InitScriptParameterExceptionOstra
    : public ExceptionOstraImpl<InitScriptParameterExceptionOstra, BadValueExceptionOstra>,
      private IElementId
{
public:
    InitScriptParameterExceptionOstra(QString n_relationId, const QString &n_parameterId,
                                      const QVariant &n_value, const QString &n_description,
                                      const QString &n_className, const QString &n_methodName,
                                      QSharedPointer<ExceptionOstra> n_parentException);
    InitScriptParameterExceptionOstra(const InitScriptParameterExceptionOstra &n_other);
    ~InitScriptParameterExceptionOstra() override;

    QString getRelationId() const;
    QString getParameterId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_relationId;
};

#endif // INITSCRIPTPARAMETEREXCEPTIONOSTRA_H
