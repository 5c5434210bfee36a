// Relations tree speed on a generated model of about 10^5 elements, written to a file and loaded
// through ModelManager. Each figure is the median of interleaved pairs against a plain baseline,
// with the spread (min, max) of the pair ratios:
// - relations_fill: the tree's setData(root) against a bare QTreeWidget given the same items
//   (three columns, shared icons) from lists prepared beforehand;
// - relations_filter: one filter keystroke against a bare rebuild of the matching items;
// - relations_update_view: UpdateView after one new relation, and relations_title:
//   setChangeTitleItem, each against one bare walk over the tree's items.
// Prints `name: value` lines.

#include "ModelGenerator.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "elements/ConstraintModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"
#include "model/MemoryTuning.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <vector>

namespace {

const int PAIRS = 7;

void print(const QByteArray &n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name.constData(), n_value);
}

double millis(const std::function<void()> &n_run)
{
    malloc_trim(0);
    QElapsedTimer timer;
    timer.start();
    n_run();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> n_values)
{
    std::sort(n_values.begin(), n_values.end());
    return n_values[n_values.size() / 2];
}

void report(const QByteArray &n_name, const std::function<double()> &n_ours,
            const std::function<double()> &n_plain)
{
    std::vector<double> ours, plain, ratios;
    for (int pair = 0; pair < PAIRS; ++pair) {
        ours.push_back(n_ours());
        plain.push_back(n_plain());
        ratios.push_back(ours.back() / plain.back());
    }
    print(n_name + "_ms", median(ours));
    print(n_name + "_baseline_ms", median(plain));
    print(n_name + "_ratio", median(ratios));
    print(n_name + "_ratio_min", *std::min_element(ratios.begin(), ratios.end()));
    print(n_name + "_ratio_max", *std::max_element(ratios.begin(), ratios.end()));
}

class SilentMediator : public BaseMediator
{
public:
    void send(CommandItem *, BaseColleague *) const override {}
    bool command(CommandType, BaseColleague *) const override { return true; }
    void sendError(MessageItem *, BaseColleague *) const override {}
    void sendInformation(QStringList, BaseColleague *) const override {}
};

struct Row
{
    QString label;
    QString kind;
    QString id;
    std::vector<Row> children;
};

// The tree's items as plain rows, prepared outside the timed part.
std::vector<Row> plainRows(const OstraClass &n_root)
{
    QHash<QString, std::vector<Row>> children;
    for (const auto &rule : n_root.getRulesHash())
        if (rule->getRelationPtr())
            children[rule->getRelationPtr()->getId()].push_back(
                {rule->getShortName(), QStringLiteral("rule"), rule->getId(), {}});
    for (const auto &constraint : n_root.getConstraintsHash())
        if (constraint->getRelationPtr())
            children[constraint->getRelationPtr()->getId()].push_back({constraint->getShortName(),
                                                                       QStringLiteral("constraint"),
                                                                       constraint->getId(),
                                                                       {}});
    std::vector<Row> rows;
    const auto relations = n_root.getRelationsHash();
    for (auto it = relations.cbegin(); it != relations.cend(); ++it)
        rows.push_back({it.value()->getShortName(), QStringLiteral("relation"), it.key(),
                        children.value(it.key())});
    return rows;
}

void plainFill(QTreeWidget &n_tree, const std::vector<Row> &n_rows, const QIcon &n_icon,
               const QString &n_text)
{
    n_tree.clear();
    QList<QTreeWidgetItem *> items;
    for (const Row &row : n_rows) {
        auto *item = new QTreeWidgetItem(QStringList{row.label, row.kind, row.id});
        item->setIcon(0, n_icon);
        for (const Row &child : row.children) {
            if (!n_text.isEmpty() && !child.label.contains(n_text, Qt::CaseInsensitive))
                continue;
            auto *leaf = new QTreeWidgetItem(QStringList{child.label, child.kind, child.id});
            leaf->setIcon(0, n_icon);
            item->addChild(leaf);
        }
        if (n_text.isEmpty() || item->childCount() > 0
            || row.label.contains(n_text, Qt::CaseInsensitive))
            items.append(item);
        else
            delete item;
    }
    n_tree.addTopLevelItems(items);
    if (!n_text.isEmpty())
        n_tree.expandAll();
}

int walk(QTreeWidget &n_tree, const QString &n_id)
{
    int found = 0;
    for (QTreeWidgetItemIterator it(&n_tree); *it; ++it)
        found += (*it)->text(2) == n_id ? 1 : 0;
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    ModelGenerator::Options options;
    options.elements = 100000;
    const ModelGenerator generator(options);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("model.xml")));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(generator.currentFormat().toUtf8());
    file.close();
    ModelManager manager;
    manager.loadModel(file);
    OstraClass *root = manager.getActiveModel()->getRootClass().data();
    std::printf("relations: %d\n", root->getRelationsHash().size());
    std::printf("rules_and_constraints: %d\n",
                root->getRulesHash().size() + root->getConstraintsHash().size());

    SilentMediator mediator;
    RelationshipColleague colleague(&mediator);
    wContainerRelationshipArea tree;
    tree.setColleague(&colleague);
    tree.resize(400, 800);
    tree.show();
    QTreeWidget plain;
    plain.setColumnCount(3);
    plain.resize(400, 800);
    plain.show();
    const std::vector<Row> rows = plainRows(*root);
    const QIcon icon(QStringLiteral(":/prog/Images/24x24/relation.png"));
    auto *filterLine = tree.findChild<QLineEdit *>(QStringLiteral("leFilter"));

    report(
        "relations_fill",
        [&] {
            tree.clear();
            return millis([&] { tree.setData(root); });
        },
        [&] { return millis([&] { plainFill(plain, rows, icon, QString()); }); });
    const QString text = QStringLiteral("1");
    report(
        "relations_filter",
        [&] {
            filterLine->clear();
            return millis([&] { filterLine->setText(text); });
        },
        [&] { return millis([&] { plainFill(plain, rows, icon, text); }); });
    filterLine->clear();
    plainFill(plain, rows, icon, QString());

    int added = 0;
    report(
        "relations_update_view",
        [&] {
            const auto relation = QSharedPointer<RelationModel>::create(
                QStringLiteral("bench-%1").arg(++added), QStringLiteral("y = 1"), nullptr);
            relation->setShortName(relation->getId());
            root->addRelationPtr(relation);
            return millis([&] { tree.UpdateView(); });
        },
        [&] { return millis([&] { walk(plain, QStringLiteral("none")); }); });
    const QString someRule = root->getRulesHash().isEmpty() ? QString()
                                                            : root->getRulesHash().cbegin().key();
    report(
        "relations_title",
        [&] {
            CommandItem update(UPDATE, RULE_WINDOW, someRule, QString(), QStringLiteral("Renamed"));
            return millis([&] { tree.setChangeTitleItem(&update); });
        },
        [&] { return millis([&] { walk(plain, someRule); }); });
    return 0;
}
