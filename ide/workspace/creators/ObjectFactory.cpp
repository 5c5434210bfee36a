#include "workspace/creators/ObjectFactory.h"

#include "workspace/creators/ClassCreator.h"
#include "workspace/creators/ParameterCreator.h"
#include "workspace/creators/RelationshipCreator.h"
#include "workspace/creators/RuleCreator.h"
#include "workspace/creators/TestClassCreator.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <memory>

namespace {

std::unique_ptr<BaseWorkSpaceCreator> creatorOf(TypeWorkSpaceWindow n_kind)
{
    switch (n_kind) {
    case CLASS_WINDOW:
        return std::make_unique<ClassCreator>();
    case PARAMETER_WINDOW:
        return std::make_unique<ParameterCreator>();
    case RELATION_WINDOW:
        return std::make_unique<RelationshipCreator>();
    case RULE_WINDOW:
        return std::make_unique<RuleCreator>();
    case TEST_CLASS_WINDOW:
        return std::make_unique<TestClassCreator>();
    default:
        return nullptr;
    }
}

} // namespace

ObjectFactory::ObjectFactory() = default;

void ObjectFactory::setColleauges(QHash<TypeWorkSpaceWindow, BaseColleague *> n_colleagues)
{
    m_colleagues = n_colleagues;
}

WidgetWrapper *ObjectFactory::create(TypeWorkSpaceWindow n_kind, QString n_title)
{
    const std::unique_ptr<BaseWorkSpaceCreator> creator = creatorOf(n_kind);
    if (!creator)
        return nullptr;
    WidgetWrapper *wrapper = creator->create();
    wrapper->setTitle(n_title);
    if (BaseColleague *colleague = m_colleagues.value(n_kind))
        wrapper->setColleague(colleague);
    return wrapper;
}
