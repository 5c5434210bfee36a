#ifndef PROJECTBUILDER_H
#define PROJECTBUILDER_H

#include "workspace/builders/IDEBuilder.h"

#include <QString>

class wContainerProjectArea;

// The project tree area.
class ProjectBuilder : public IDEBuilder
{
public:
    ProjectBuilder();
    ~ProjectBuilder() override;

    void build(QWidget *n_parent) override;
    QVBoxLayout *getResultBuild() override;
    void clear() override;
    void retranslate() override;

private:
    QString m_title;
    wContainerProjectArea *m_tree = nullptr;
    int m_titleKey = 110;
};

#endif // PROJECTBUILDER_H
