#include "workspace/colleagues/ConsoleColleague.h"

#include "WidgetAreas/wConsoleArea.h"

ConsoleColleague::ConsoleColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void ConsoleColleague::setConsoleWidget(QWidget *n_widget)
{
    m_console = qobject_cast<wConsoleArea *>(n_widget);
}

void ConsoleColleague::setInformation(QStringList n_lines)
{
    if (!m_console)
        return;
    m_console->setInformation(n_lines);
    m_console->setFocus(Qt::OtherFocusReason);
}

void ConsoleColleague::clear()
{
    if (m_console)
        m_console->clear();
}

void ConsoleColleague::retranslate()
{
    if (m_console)
        m_console->retranslateUI();
}

BaseColleague *ConsoleColleague::asColleague()
{
    return this;
}
