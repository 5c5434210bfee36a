#ifndef INFORMATIONBUILDER_H
#define INFORMATIONBUILDER_H

#include "workspace/builders/IDEBuilder.h"

#include <QStringList>

class wConsoleArea;
class wErrorArea;

// The information area: the error list (tab 0) and the console (tab 1).
class InformationBuilder : public IDEBuilder
{
public:
    InformationBuilder();
    ~InformationBuilder() override;

    void build(QWidget *n_parent) override;
    QVBoxLayout *getResultBuild() override;
    void clear() override;
    void retranslate() override;
    void gatherTabNames();

private:
    int m_errorsKey = 80;
    int m_consoleKey = 90;
    wErrorArea *m_errors = nullptr;
    wConsoleArea *m_console = nullptr;
    QStringList m_tabNames;
};

#endif // INFORMATIONBUILDER_H
