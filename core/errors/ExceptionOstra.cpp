#include "errors/ExceptionOstra.h"

const QString ExceptionOstra::EXCEPTION_END_LINE = QString(38, QLatin1Char('-'))
                                                   + QLatin1Char('\n');

const QString EXCEPTION_DESCRIPTIONS[39] = {
    QStringLiteral("Inconsistency in element data"),
    QStringLiteral("Can't execute script equations"),
    QStringLiteral("Not use"),
    QStringLiteral("Not use"),
    QStringLiteral("Number of iterations is exceeded"),
    QStringLiteral("Do not set the known parameters"),
    QStringLiteral("Do not set the required parameters"),
    QStringLiteral("Calculations have not been made"),
    QStringLiteral("New parent class can't be the parent for this object"),
    QStringLiteral("Element already exist"),
    QStringLiteral("Seeking an element not found"),
    QStringLiteral("Not enough elements to perform the operation"),
    QStringLiteral("Current class can't do any action with this object, because class isn't owner "
                   "of this object"),
    QStringLiteral("Edge between this type of object doesn't support"),
    QStringLiteral("Bad input parameters types"),
    QStringLiteral("Bad output parameters types"),
    QStringLiteral("Relation type is invalid"),
    QStringLiteral("Unable to compute the value of parameter"),
    QStringLiteral("Invalid type of value"),
    QStringLiteral("Not specified object id"),
    QStringLiteral("Object hasn't input parameters, but it must have at least one"),
    QStringLiteral("Object hasn't output parameters, but it must have at least one"),
    QStringLiteral("Object not linked with any model or class"),
    QStringLiteral("Object hasn't relation"),
    QStringLiteral("No required field"),
    QStringLiteral("Pointer is null"),
    QStringLiteral("Relation code is empty"),
    QStringLiteral("Objects types are not suitable for creating connections between objects"),
    QStringLiteral("Do not match the types of values"),
    QStringLiteral("Can't create QDomElement from object"),
    QStringLiteral("Can't open file"),
    QStringLiteral("Problem with file"),
    QStringLiteral("File not exist"),
    QStringLiteral("Bad model format"),
    QStringLiteral("Failed to create an element from QDomElement"),
    QStringLiteral("Unexpected tag while reading xml"),
    QStringLiteral("Unable to read the XML document structure"),
    QStringLiteral("Required tag for serialization didn't found"),
    QStringLiteral("Can't save class, because class has integrity errors"),
};

ExceptionOstra::ExceptionOstra() : m_exceptionId(500)
{
}

ExceptionOstra::ExceptionOstra(int n_exceptionId, const QString &n_description,
                               const QString &n_className, const QString &n_methodName,
                               QSharedPointer<ExceptionOstra> n_parentException)
    : m_exceptionId(n_exceptionId), m_parentException(n_parentException),
      m_description(n_description), m_className(n_className), m_methodName(n_methodName)
{
}

// The parent is shared with the copy, not copied.
ExceptionOstra::ExceptionOstra(const ExceptionOstra &n_other) = default;

ExceptionOstra::~ExceptionOstra() = default;

void ExceptionOstra::raise() const
{
    throw *this;
}

ExceptionOstra *ExceptionOstra::clone() const
{
    return new ExceptionOstra(*this);
}

QString ExceptionOstra::toString(bool n_withEndLine) const
{
    QString text;
    // Virtual on purpose: the parent renders by its own class, its own causes first.
    if (!m_parentException.isNull())
        text += m_parentException->toString(true);
    text += QStringLiteral("Exception Id: ") + QString::number(m_exceptionId) + QLatin1Char('\n');
    text += QStringLiteral("Class name: ") + m_className + QLatin1Char('\n');
    text += QStringLiteral("Method name: ") + m_methodName + QLatin1Char('\n');
    text += QStringLiteral("Description: ") + m_description + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}

int ExceptionOstra::getExceptionId() const
{
    return m_exceptionId;
}

QSharedPointer<ExceptionOstra> ExceptionOstra::getParentException() const
{
    return m_parentException;
}

QString ExceptionOstra::getDescription() const
{
    return m_description;
}

QString ExceptionOstra::getClassName() const
{
    return m_className;
}

QString ExceptionOstra::getMethodName() const
{
    return m_methodName;
}
