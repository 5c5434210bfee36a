#include "workspace/colleagues/ErrorColleague.h"

#include "WidgetAreas/wErrorArea.h"

ErrorColleague::ErrorColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void ErrorColleague::setErrorWidget(QWidget *n_widget)
{
    m_errors = qobject_cast<wErrorArea *>(n_widget);
}

void ErrorColleague::addError(MessageItem *n_message)
{
    if (m_errors)
        m_errors->addError(n_message);
}

void ErrorColleague::addErrors(const std::vector<MessageItem> &n_messages)
{
    if (m_errors)
        m_errors->addErrors(n_messages);
}

void ErrorColleague::clear()
{
    if (m_errors)
        m_errors->clear();
}

bool ErrorColleague::isErrorChecked()
{
    return m_errors && m_errors->isErrorChecked();
}

void ErrorColleague::retranslate()
{
    if (m_errors)
        m_errors->retranslateUI();
}

BaseColleague *ErrorColleague::asColleague()
{
    return this;
}
