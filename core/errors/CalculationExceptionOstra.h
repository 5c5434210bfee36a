#ifndef CALCULATIONEXCEPTIONOSTRA_H
#define CALCULATIONEXCEPTIONOSTRA_H

#include <QStringList>

#include "errors/ExceptionOstraImpl.h"
#include "errors/IElementId.h"

// A relation's script that the script engine refused to run. The relation is the named element.
class CalculationExceptionOstra
    : public ExceptionOstraImpl<CalculationExceptionOstra, ExceptionOstra>,
      public IElementId
{
public:
    CalculationExceptionOstra(const QString &n_relationId, const QString &n_script,
                              const QString &n_scriptExceptionMessage, int n_scriptExceptionLine,
                              const QStringList &n_scriptExceptionBacktrace,
                              const QString &n_className, const QString &n_methodName,
                              QSharedPointer<ExceptionOstra> n_parentException);
    CalculationExceptionOstra(const CalculationExceptionOstra &n_other);
    ~CalculationExceptionOstra() override;

    QString getRelationId() const;
    QString getScript() const;
    QString getScriptExceptionMessage() const;
    int getScriptExceptionLine() const;
    QStringList getScriptExceptionBacktrace() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_script;
    QString m_scriptExceptionMessage;
    int m_scriptExceptionLine;
    QStringList m_scriptExceptionBacktrace;
};

#endif // CALCULATIONEXCEPTIONOSTRA_H
