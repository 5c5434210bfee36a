// Project tree and class page speed on a generated model of about 10^5 elements, written to a
// file and loaded through ModelManager. Each figure is the median of interleaved pairs against a
// plain baseline, with the spread (min, max) of the pair ratios:
// - tree_fill: the project tree's setData(root) against a bare QStandardItemModel in a QTreeView
//   with the same rows (four columns, texts, shared icons), each sibling list pre-sorted;
// - tree_filter_common / tree_filter_rare: filter(text) against a bare recursive pass setting the
//   same hidden states on a bare QTreeWidget with the same items, then expanding all and sorting;
//   tree_filter_proxy_*_ms is a bare recursive QSortFilterProxyModel pass, for reference only;
// - class_page_open: the class page's setData + setEditData against a bare QComboBox given the
//   same sorted entries.
// Prints `name: value` lines.

#include "ModelGenerator.h"
#include "WidgetAreas/wClassArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "model/MemoryTuning.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
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

// Interleaved A B A B ...; each side prepares outside its timed part.
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

struct Icons
{
    QIcon cls{QStringLiteral(":/prog/Images/24x24/class.png")};
    QIcon parameter{QStringLiteral(":/prog/Images/24x24/parameter.png")};
    QIcon number{QStringLiteral(":/prog/Images/32x32/number.png")};
    QIcon text{QStringLiteral(":/prog/Images/24x24/text.png")};
    const QIcon &typeIcon(int n_type) const
    {
        static const QIcon none;
        return n_type == QVariant::Double ? number : n_type == QVariant::String ? text : none;
    }
};

bool byName(const QString &a, const QString &b)
{
    return QString::localeAwareCompare(a, b) < 0;
}

// Children of a class as (name, is class, element) in sorted order.
struct Child
{
    QString name;
    QString id;
    int type;
    OstraClass *cls;
};

std::vector<Child> sortedChildren(const OstraClass &n_class)
{
    std::vector<Child> children;
    for (const auto &parameter : n_class.getOwnParametersSet())
        children.push_back({parameter->getShortName(), parameter->getId(),
                            int(parameter->getValueType()), nullptr});
    for (const auto &child : n_class.getOwnClassesSet())
        children.push_back({child->getShortName(), child->getId(), -1, child.data()});
    std::stable_sort(children.begin(), children.end(),
                     [](const Child &a, const Child &b) { return byName(a.name, b.name); });
    return children;
}

QList<QStandardItem *> plainRow(const Icons &n_icons, const QString &n_name, const QString &n_id,
                                bool n_class, int n_type)
{
    auto *name = new QStandardItem(n_class ? n_icons.cls : n_icons.parameter, n_name);
    auto *kind = new QStandardItem(n_class ? QStringLiteral("class") : QStringLiteral("parameter"));
    auto *id = new QStandardItem(n_id);
    auto *type = new QStandardItem(n_icons.typeIcon(n_type), QString());
    return {name, kind, id, type};
}

void plainFill(const Icons &n_icons, const OstraClass &n_class, QStandardItem *n_item)
{
    for (const Child &child : sortedChildren(n_class)) {
        const QList<QStandardItem *> row = plainRow(n_icons, child.name, child.id,
                                                    child.cls != nullptr, child.type);
        if (child.cls)
            plainFill(n_icons, *child.cls, row.first());
        n_item->appendRow(row);
    }
}

QTreeWidgetItem *plainWidgetItem(const Icons &n_icons, const OstraClass &n_class)
{
    auto *item = new QTreeWidgetItem(
        QStringList{n_class.getShortName(), QStringLiteral("class"), n_class.getId()});
    item->setIcon(0, n_icons.cls);
    QList<QTreeWidgetItem *> children;
    for (const Child &child : sortedChildren(n_class)) {
        if (child.cls) {
            children << plainWidgetItem(n_icons, *child.cls);
            continue;
        }
        auto *leaf = new QTreeWidgetItem(
            QStringList{child.name, QStringLiteral("parameter"), child.id});
        leaf->setIcon(0, n_icons.parameter);
        leaf->setIcon(3, n_icons.typeIcon(child.type));
        children << leaf;
    }
    item->addChildren(children);
    return item;
}

bool plainHide(QTreeWidgetItem *n_item, const QString &n_text)
{
    bool shownChild = false;
    for (int index = 0; index < n_item->childCount(); ++index)
        shownChild = plainHide(n_item->child(index), n_text) || shownChild;
    const bool shown = shownChild || n_item->text(0).toLower().contains(n_text);
    n_item->setHidden(!shown);
    return shown;
}

// The letter found in most names, and one parameter's whole name.
QString commonText(const OstraClass &n_root)
{
    QHash<QChar, int> counts;
    for (const auto &parameter : n_root.getParametersHash()) {
        const QString name = parameter->getShortName().toLower();
        for (const QChar letter : QSet<QChar>(name.begin(), name.end()))
            ++counts[letter];
    }
    QChar best;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.key().isLetter() && (it.value() > most || (it.value() == most && it.key() < best))) {
            most = it.value();
            best = it.key();
        }
    return QString(best);
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
    const Icons icons;
    std::printf("tree_items: %d\n",
                1 + root->getAllClassesCount() + root->getParametersHash().size());

    wContainerProjectArea tree;
    tree.resize(400, 800);
    tree.show();
    QStandardItemModel plainModel;
    QTreeView plainView;
    plainView.resize(400, 800);
    plainView.setModel(&plainModel);
    plainView.show();
    report(
        "tree_fill",
        [&] {
            tree.setData(nullptr);
            return millis([&] { tree.setData(root); });
        },
        [&] {
            plainModel.clear();
            return millis([&] {
                const QList<QStandardItem *> row = plainRow(icons, root->getShortName(),
                                                            root->getId(), true, -1);
                plainFill(icons, *root, row.first());
                plainModel.appendRow(row);
                plainView.expand(plainModel.index(0, 0));
            });
        });

    QTreeWidget plainTree;
    plainTree.setColumnCount(4);
    plainTree.resize(400, 800);
    plainTree.show();
    const QString rare = root->getParametersHash().constBegin().value()->getShortName().toLower();
    for (const QString &text : {commonText(*root), rare}) {
        const QByteArray name = text == rare ? "tree_filter_rare" : "tree_filter_common";
        std::printf("%s_text: %s\n", name.constData(), qPrintable(text));
        report(
            name,
            [&] {
                tree.setData(root);
                return millis([&] { tree.filter(text); });
            },
            [&] {
                plainTree.clear();
                plainTree.addTopLevelItem(plainWidgetItem(icons, *root));
                return millis([&] {
                    for (int index = 0; index < plainTree.topLevelItemCount(); ++index)
                        plainHide(plainTree.topLevelItem(index), text);
                    plainTree.expandAll();
                    plainTree.sortItems(0, Qt::AscendingOrder);
                });
            });
        std::vector<double> proxyTimes;
        for (int run = 0; run < PAIRS; ++run) {
            plainModel.clear();
            const QList<QStandardItem *> row = plainRow(icons, root->getShortName(), root->getId(),
                                                        true, -1);
            plainFill(icons, *root, row.first());
            plainModel.appendRow(row);
            QSortFilterProxyModel proxy;
            proxy.setSourceModel(&plainModel);
            proxy.setRecursiveFilteringEnabled(true);
            proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
            QTreeView proxyView;
            proxyView.setModel(&proxy);
            proxyView.show();
            proxyTimes.push_back(millis([&] {
                proxy.setFilterFixedString(text);
                proxyView.expandAll();
                proxy.sort(0);
            }));
        }
        print(name + "_proxy_ms", median(proxyTimes));
    }
    tree.setData(nullptr);

    // The class page over a class near the top, so nearly every class is listed.
    QStringList childIds;
    for (const auto &child : root->getOwnClassesSet())
        childIds << child->getId();
    std::sort(childIds.begin(), childIds.end());
    const QString edited = childIds.first();
    QStringList names;
    QStringList ids;
    {
        wClassArea probe;
        probe.setData(root);
        probe.setEditData(root, edited);
        auto *level = probe.findChild<QComboBox *>(QStringLiteral("cbLevel"));
        for (int index = 0; index < level->count(); ++index) {
            names << level->itemData(index, Qt::ToolTipRole).toString();
            ids << level->itemData(index).toString();
        }
    }
    std::printf("class_page_entries: %d\n", int(ids.size()));
    report(
        "class_page_open",
        [&] {
            wClassArea page;
            return millis([&] {
                page.setData(root);
                page.setEditData(root, edited);
            });
        },
        [&] {
            QComboBox combo;
            return millis([&] {
                for (int index = 0; index < ids.size(); ++index) {
                    combo.addItem(names.at(index).left(50), ids.at(index));
                    combo.setItemData(index, names.at(index), Qt::ToolTipRole);
                }
            });
        });
    return 0;
}
