#include "workspace/creators/KindTable.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/creators/ClassCreator.h"
#include "workspace/creators/ParameterCreator.h"
#include "workspace/creators/RelationshipCreator.h"
#include "workspace/creators/RuleCreator.h"
#include "workspace/creators/TestClassCreator.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

// ---- element lookups: the current class, or a subtree being deleted ----

QSharedPointer<BaseOstraObj> findClass(OstraClass &n_current, const QString &n_uid)
{
    if (n_uid == n_current.getId())
        return n_current.sharedFromThis();
    return n_current.classContains(n_uid) ? n_current.getClassById(n_uid) : nullptr;
}

QSharedPointer<BaseOstraObj> findParameter(OstraClass &n_current, const QString &n_uid)
{
    return n_current.parametersContains(n_uid) ? n_current.getParameter(n_uid) : nullptr;
}

QSharedPointer<BaseOstraObj> findRelation(OstraClass &n_current, const QString &n_uid)
{
    return n_current.relationsContains(n_uid) ? n_current.getRelationPtr(n_uid) : nullptr;
}

// A rule page edits a rule or a constraint; a constraint of the id wins.
QSharedPointer<BaseOstraObj> findRuleOrConstraint(OstraClass &n_current, const QString &n_uid)
{
    if (n_current.constraintsContains(n_uid))
        return n_current.getConstraint(n_uid);
    return n_current.rulesContains(n_uid) ? n_current.getRule(n_uid) : nullptr;
}

// ---- parent lookups ----

QString idOf(const QSharedPointer<OstraClass> &n_class)
{
    return n_class ? n_class->getId() : QString();
}

QString relationIdOf(const QSharedPointer<RelationModel> &n_relation)
{
    return n_relation ? n_relation->getId() : QString();
}

QString parentClassOf(OstraClass &n_current, const QString &n_uid)
{
    if (n_uid == n_current.getId() || !n_current.classContains(n_uid))
        return QString();
    return idOf(n_current.getClassById(n_uid)->getParent());
}

QString ownerOfParameter(OstraClass &n_current, const QString &n_uid)
{
    return n_current.parametersContains(n_uid) ? idOf(n_current.getParameter(n_uid)->getParent())
                                               : QString();
}

// A rule or constraint without a relation has no parent to name.
QString relationOfRule(OstraClass &n_current, const QString &n_uid)
{
    if (n_current.constraintsContains(n_uid))
        return relationIdOf(n_current.getConstraint(n_uid)->getRelationPtr());
    return n_current.rulesContains(n_uid) ? relationIdOf(n_current.getRule(n_uid)->getRelationPtr())
                                          : QString();
}

std::string kindName(TypeWorkSpaceWindow n_kind)
{
    return "page kind " + std::to_string(static_cast<int>(n_kind));
}

// The program's rows: one per kind with an editor page. Columns: kind, creator, takes a parent,
// save order, element, parent, subject in a deleted subtree, delete, tree.
std::vector<KindTable::Row> standardRows()
{
    return {
        {CLASS_WINDOW, std::make_shared<ClassCreator>(), true, 1, &findClass, &parentClassOf,
         &findClass, &WorkSpaceColleague::deleteClass, KindTable::Tree::PROJECT},
        {PARAMETER_WINDOW, std::make_shared<ParameterCreator>(), true, 0, &findParameter,
         &ownerOfParameter, &findParameter, &WorkSpaceColleague::deleteParameter,
         KindTable::Tree::PROJECT},
        {RELATION_WINDOW, std::make_shared<RelationshipCreator>(), false, 2, &findRelation, nullptr,
         nullptr, &WorkSpaceColleague::deleteRelation, KindTable::Tree::RELATIONS},
        {RULE_WINDOW, std::make_shared<RuleCreator>(), true, 3, &findRuleOrConstraint,
         &relationOfRule, nullptr, &WorkSpaceColleague::deleteRuleOrConstraint,
         KindTable::Tree::RELATIONS},
        // A test page shows a class but edits nothing: no element, no save, no delete.
        {TEST_CLASS_WINDOW, std::make_shared<TestClassCreator>(), false, -1, nullptr, nullptr,
         &findClass, nullptr, KindTable::Tree::NONE},
    };
}

} // namespace

KindTable::KindTable(std::vector<Row> n_rows) : m_rows(std::move(n_rows))
{
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        if (std::any_of(m_rows.cbegin(), it,
                        [&](const Row &n_row) { return n_row.kind == it->kind; }))
            throw std::invalid_argument(kindName(it->kind) + " has two rows in the table of kinds");
    for (TypeWorkSpaceWindow kind : PAGE_KINDS)
        if (!row(kind) || !row(kind)->creator)
            throw std::invalid_argument(kindName(kind)
                                        + " has an editor page but no row with a creator in the "
                                          "table of kinds");
}

const KindTable &KindTable::standard()
{
    static const KindTable table(standardRows());
    return table;
}

const KindTable::Row *KindTable::row(TypeWorkSpaceWindow n_kind) const
{
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [n_kind](const Row &n_row) { return n_row.kind == n_kind; });
    return found == m_rows.cend() ? nullptr : &*found;
}

QList<TypeWorkSpaceWindow> KindTable::saveOrder() const
{
    std::vector<const Row *> saved;
    for (const Row &row : m_rows)
        if (row.saveOrder >= 0)
            saved.push_back(&row);
    std::stable_sort(saved.begin(), saved.end(), [](const Row *n_left, const Row *n_right) {
        return n_left->saveOrder < n_right->saveOrder;
    });
    QList<TypeWorkSpaceWindow> kinds;
    for (const Row *row : saved)
        kinds.append(row->kind);
    return kinds;
}
