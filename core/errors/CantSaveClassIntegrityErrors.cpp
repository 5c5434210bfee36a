#include "errors/CantSaveClassIntegrityErrors.h"

#include "errors/BaseOstraObj.h"

namespace {
const QString FINDINGS_SEPARATOR = QStringLiteral("**************************");
}

CantSaveClassIntegrityErrors::CantSaveClassIntegrityErrors(
    const ModelIntegrity &n_modelIntegrity, const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(539, EXCEPTION_DESCRIPTIONS[539 - 501], n_className, n_methodName,
                         n_parentException),
      m_modelIntegrity(n_modelIntegrity)
{
}

CantSaveClassIntegrityErrors::CantSaveClassIntegrityErrors(
    const CantSaveClassIntegrityErrors &n_other)
    : ExceptionOstraImpl(n_other), m_modelIntegrity(n_other.m_modelIntegrity)
{
}

CantSaveClassIntegrityErrors::~CantSaveClassIntegrityErrors() = default;

ModelIntegrity CantSaveClassIntegrityErrors::getModelIntegrity() const
{
    return m_modelIntegrity;
}

QString CantSaveClassIntegrityErrors::toString(bool n_withEndLine) const
{
    // The separators carry no line feed, so each finding's first line runs on from the one before.
    QString text = ExceptionOstra::toString(false);
    text += FINDINGS_SEPARATOR;
    const QList<IntegrityMsg> msgs = m_modelIntegrity.getIntegrityMsgs();
    for (const IntegrityMsg &msg : msgs) {
        text += QStringLiteral("Msg code: ") + QString::number(msg.getMsgCode())
                + QLatin1Char('\n');
        text += QStringLiteral("Msg type: ") + QString::number(static_cast<int>(msg.getMsgType()))
                + QLatin1Char('\n');
        const QList<QSharedPointer<const BaseOstraObj>> reasons = msg.getMsgReasons();
        for (int i = 0; i < reasons.size(); ++i) {
            // A finding may hold a null element; it is shown with an empty id, not dereferenced.
            const QString elementId = reasons.at(i).isNull() ? QString() : reasons.at(i)->getId();
            text += QStringLiteral("Reason ") + QString::number(i) + QStringLiteral(" : ")
                    + elementId + QLatin1Char('\n');
        }
        text += FINDINGS_SEPARATOR;
    }
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
