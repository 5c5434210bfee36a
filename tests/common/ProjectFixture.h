#ifndef PROJECTFIXTURE_H
#define PROJECTFIXTURE_H

#include "ModelFixtures.h"

#include "WidgetAreas/MessageItem.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"

#include <QStringList>

#include <functional>

// A small model saved and loaded back through ModelManager, as a user opens a file:
// Root { Ab { pq }, Mid { xABy (text), cd }, Zz { zz, Yy {} }, alpha }.
struct ProjectFixture
{
    ProjectFixture()
    {
        auto model = OstraModel::OstraModelSharedPtr::create();
        model->setId(QStringLiteral("fixture"));
        const ClassPtr root = model->getRootClass();
        root->setId(QStringLiteral("root"));
        root->setShortName(QStringLiteral("Root"));
        const auto storage = model->getRelationsStorage();
        const ClassPtr ab = makeClass(QStringLiteral("cAb"), storage, QStringLiteral("Ab"));
        const ClassPtr mid = makeClass(QStringLiteral("cMid"), storage, QStringLiteral("Mid"));
        const ClassPtr zz = makeClass(QStringLiteral("cZz"), storage, QStringLiteral("Zz"));
        const ClassPtr yy = makeClass(QStringLiteral("cYy"), storage, QStringLiteral("Yy"));
        root->addClass(ab);
        root->addClass(mid);
        root->addClass(zz);
        zz->addClass(yy);
        ab->addParameter(
            makeParameter(QStringLiteral("p1"), QVariant::Double, QStringLiteral("pq")));
        mid->addParameter(
            makeParameter(QStringLiteral("p2"), QVariant::String, QStringLiteral("xABy")));
        mid->addParameter(
            makeParameter(QStringLiteral("p3"), QVariant::Double, QStringLiteral("cd")));
        zz->addParameter(
            makeParameter(QStringLiteral("p4"), QVariant::Double, QStringLiteral("zz")));
        root->addParameter(
            makeParameter(QStringLiteral("p5"), QVariant::Double, QStringLiteral("alpha")));
        ModelManager saver;
        saver.addModel(model);
        manager.loadModel(saver.saveModelInStr(model));
        root_ = manager.getActiveModel()->getRootClass();
    }
    OstraClass *root() const { return root_.data(); }

    ModelManager manager;
    ClassPtr root_;
};

// Records what reaches the mediator as "operation kind uid"; an optional action runs inside send,
// as the workspace's handling would.
class RecordingMediator : public BaseMediator
{
public:
    void send(CommandItem *n_command, BaseColleague *) const override
    {
        commands << QStringLiteral("%1 %2 %3")
                        .arg(n_command->getTypeCommand())
                        .arg(n_command->getTypeWorkSpace())
                        .arg(n_command->getUid());
        if (onSend)
            onSend(*n_command);
    }
    bool command(CommandType n_type, BaseColleague *) const override
    {
        commands << QStringLiteral("command %1").arg(n_type);
        return true;
    }
    void sendError(MessageItem *n_message, BaseColleague *) const override
    {
        errors << n_message->getInformation();
    }
    void sendInformation(QStringList, BaseColleague *) const override {}

    mutable QStringList commands;
    mutable QStringList errors;
    std::function<void(const CommandItem &)> onSend;
};

#endif // PROJECTFIXTURE_H
