#ifndef RELATIONSHIPBUILDER_H
#define RELATIONSHIPBUILDER_H

#include "workspace/builders/IDEBuilder.h"

#include <QString>

class wContainerRelationshipArea;

// The relations tree area.
class RelationshipBuilder : public IDEBuilder
{
public:
    RelationshipBuilder();
    ~RelationshipBuilder() override;

    void build(QWidget *n_parent) override;
    // A new, empty layout on each call; the caller owns it.
    QVBoxLayout *getResultBuild() override;
    FreeWindow *getFreeWindow() override;
    void clear() override;
    void retranslate() override;

private:
    FreeWindow *m_ownFreeWindow = nullptr;
    QString m_title;
    wContainerRelationshipArea *m_tree = nullptr;
    int m_titleKey = 7;
};

#endif // RELATIONSHIPBUILDER_H
