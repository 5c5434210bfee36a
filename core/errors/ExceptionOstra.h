#ifndef EXCEPTIONOSTRA_H
#define EXCEPTIONOSTRA_H

#include <QException>
#include <QSharedPointer>
#include <QString>

// Base of every failure raised by the model, the solvers and the serialisation. Thrown by value;
// the parent is the exception that caused this one and is shared between copies.
class ExceptionOstra : public QException
{
public:
    // Closes every rendered block of a chain but the last: 38 hyphens and a line feed.
    static const QString EXCEPTION_END_LINE;

    ExceptionOstra();
    ExceptionOstra(int n_exceptionId, const QString &n_description, const QString &n_className,
                   const QString &n_methodName, QSharedPointer<ExceptionOstra> n_parentException);
    ExceptionOstra(const ExceptionOstra &n_other);
    ~ExceptionOstra() override;

    void raise() const override;
    ExceptionOstra *clone() const override;
    // The whole chain, deepest cause first; n_withEndLine closes the text with EXCEPTION_END_LINE.
    virtual QString toString(bool n_withEndLine) const;

    int getExceptionId() const;
    QSharedPointer<ExceptionOstra> getParentException() const;
    QString getDescription() const;
    QString getClassName() const;
    QString getMethodName() const;

private:
    int m_exceptionId;
    QSharedPointer<ExceptionOstra> m_parentException;
    QString m_description;
    QString m_className;
    QString m_methodName;
};

// Fixed English description of every exception id from 501 to 539, indexed by id - 501.
extern const QString EXCEPTION_DESCRIPTIONS[39];

#endif // EXCEPTIONOSTRA_H
