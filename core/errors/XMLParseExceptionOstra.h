#ifndef XMLPARSEEXCEPTIONOSTRA_H
#define XMLPARSEEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A text that is not a well-formed XML document, with the position the parser reports.
class XMLParseExceptionOstra : public ExceptionOstraImpl<XMLParseExceptionOstra, ExceptionOstra>
{
public:
    XMLParseExceptionOstra(const QString &n_errorMsg, int n_errorLine, int n_errorColumn,
                           const QString &n_className, const QString &n_methodName,
                           QSharedPointer<ExceptionOstra> n_parentException);
    XMLParseExceptionOstra(const XMLParseExceptionOstra &n_other);
    ~XMLParseExceptionOstra() override;

    QString getErrorMsg() const;
    int getErrorLine() const;
    int getErrorColumn() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_errorMsg;
    int m_errorLine;
    int m_errorColumn;
};

#endif // XMLPARSEEXCEPTIONOSTRA_H
