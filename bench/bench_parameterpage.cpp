// Parameter page speed on a generated model of about 10^5 elements (about 4,500 classes): opening
// a page on a parameter (setData, setParent, setEditData), against filling a bare QComboBox with
// the same class entries, already sorted (text, id as data, whole name as tooltip). The figure is
// the median of interleaved pairs, with the spread (min, max) of the pair ratios.
// Prints `name: value` lines.

#include "ModelGenerator.h"
#include "PairedRatio.h"
#include "WidgetAreas/ClassLevelList.h"
#include "WidgetAreas/wParameterArea.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "model/MemoryTuning.h"

#include <QApplication>
#include <QComboBox>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
const int PAIRS = 11;
} // namespace

int main(int argc, char *argv[])
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    QApplication application(argc, argv);
    ModelGenerator::Options options;
    options.elements = 100000;
    ModelManager manager;
    manager.loadModel(ModelGenerator(options).currentFormat());
    OstraClass *root = manager.getActiveModel()->getRootClass().data();

    // The parameter of the deepest-sorted class, so that its entry is searched to the end.
    const auto parameters = root->getParametersHash();
    QString parameterId = parameters.constBegin().key();
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        parameterId = std::max(parameterId, it.key());

    // The baseline's entries, sorted outside the timed part.
    std::vector<ClassLevelList::Level> entries{{root->getShortName(), root->getId()}};
    for (const auto &cls : root->getAllClassesHash())
        entries.push_back({cls->getShortName(), cls->getId()});
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        return a.name < b.name || (a.name == b.name && a.id < b.id);
    });
    printFigure("classes", double(entries.size()));

    const PairedRatio ratio = pairedRatio(
        PAIRS,
        [&] {
            wParameterArea page;
            return settledMillis([&] {
                page.setData(root);
                page.setParent(parameterId);
                page.setEditData(root, parameterId);
            });
        },
        [&] {
            QComboBox plain;
            return settledMillis([&] {
                for (const ClassLevelList::Level &entry : entries) {
                    plain.addItem(ClassLevelList::cut(entry.name), entry.id);
                    plain.setItemData(plain.count() - 1, entry.name, Qt::ToolTipRole);
                }
            });
        });
    printAgainstBaseline("parameter_page_open", ratio);
    return 0;
}
