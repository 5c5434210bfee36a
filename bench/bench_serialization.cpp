// Load times of an older-format file of about 10^4 classes and 10^4 parameters against the
// current-format file of the same model: through the serializer nodes alone, and as a whole model
// through the model manager. Prints `name: value` lines.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QVector>

#include <cstdio>
#include <functional>

#include "model/ModelManager.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelXMLSerializerOld.h"
#include "model/MemoryTuning.h"

namespace {

// A class tree of n_classCount classes (every seventh under the root, the others under a class
// drawn among those before), one parameter per class listed in its "childs", a rule per
// parameter linking it with its class's parent's parameter, and a constraint per ten parameters.
QString olderFile(int n_classCount)
{
    QRandomGenerator random(2026);
    QString classes, parameters, rules, constraints;
    QVector<int> parent(n_classCount);
    for (int c = 0; c < n_classCount; ++c) {
        parent[c] = (c % 7 == 0) ? -1 : int(random.bounded(quint32(c)));
        const QString levelUid = parent[c] < 0 ? QStringLiteral("0")
                                               : QStringLiteral("K%1").arg(parent[c]);
        classes += QStringLiteral(
                       "<class id=\"K%1\" shortName=\"class %1\" levelUID=\"%2\" levelName=\"l\" "
                       "childs=\"P%1;R%1\"/>\n")
                       .arg(QString::number(c), levelUid);
        parameters +=
            QStringLiteral(
                "<parametr id=\"P%1\" shortName=\"p%1\" type=\"double\" defaultValue=\"1.00\"/>\n")
                .arg(c);
        const int other = parent[c] < 0 ? c : parent[c];
        rules += QStringLiteral(
                     "<rule id=\"R%1\" relation=\"rel\" initId=\"P%1\" resultId=\"P%2\"/>\n")
                     .arg(c)
                     .arg(other);
        if (c % 10 == 0)
            constraints +=
                QStringLiteral("<constraint id=\"C%1\" relation=\"con\" initId=\"P%1\"/>\n").arg(c);
    }
    return QStringLiteral(
               "<root id=\"x\" "
               "shortName=\"big\">\n<classes>\n%1</classes>\n<parameters>\n%2</parameters>\n"
               "<rules>\n%3</rules>\n<constraints>\n%4</constraints>\n<relations>\n"
               "<relation id=\"rel\" relationType=\"simple\" inObj=\"x\" inputTypes=\"double\" "
               "outObj=\"y\" "
               "outputTypes=\"double\">y = x;</relation>\n"
               "<relation id=\"con\" relationType=\"constr\" inObj=\"v\" inputTypes=\"double\" "
               "outObj=\"flag\" "
               "outputTypes=\"boolean\">flag = v &gt; 0;</relation>\n</relations>\n</root>\n")
        .arg(classes, parameters, rules, constraints);
}

// Reads every item the way a model's load does; returns the number of elements met.
int walk(const QSharedPointer<ISerializerClass> &n_class)
{
    n_class->getFieldsHash();
    int count = 1;
    const auto lists = {n_class->getOwnParameters(), n_class->getOwnRules(),
                        n_class->getOwnConstraints()};
    for (const auto &list : lists)
        for (const auto &item : list) {
            item->getFieldsHash();
            ++count;
        }
    for (const auto &child : n_class->getOwnClasses())
        count += walk(child);
    return count;
}

void copyItems(const QList<QSharedPointer<ISerializerObject>> &n_items,
               const std::function<QSharedPointer<ISerializerObject>()> &n_prototype,
               QList<QSharedPointer<ISerializerObject>> &n_out)
{
    for (const auto &item : n_items) {
        auto copy = n_prototype();
        copy->addFields(item->getFieldsHash());
        n_out.append(copy);
    }
}

void copyClass(const QSharedPointer<ISerializerClass> &n_from,
               const QSharedPointer<ISerializerClass> &n_to)
{
    n_to->addFields(n_from->getFieldsHash());
    QList<QSharedPointer<ISerializerObject>> parameters, rules, constraints;
    copyItems(
        n_from->getOwnParameters(), [&] { return n_to->getParameterPrototype(); }, parameters);
    copyItems(
        n_from->getOwnRules(), [&] { return n_to->getRulePrototype(); }, rules);
    copyItems(
        n_from->getOwnConstraints(), [&] { return n_to->getConstraintPrototype(); }, constraints);
    n_to->addOwnParameters(parameters);
    n_to->addOwnRules(rules);
    n_to->addOwnConstraints(constraints);
    QList<QSharedPointer<ISerializerClass>> classes;
    for (const auto &child : n_from->getOwnClasses()) {
        auto copy = n_to->getClassPrototype();
        copyClass(child, copy);
        classes.append(copy);
    }
    n_to->addOwnClasses(classes);
}

// The same model in the current format, written through the node interfaces.
QString currentFile(ModelXMLSerializerOld &n_older)
{
    ModelXMLSerializer model;
    model.addFields(n_older.getFieldsHash());
    auto root = model.getClassPrototype();
    copyClass(n_older.getClass(), root);
    model.setClass(root);
    auto relations = model.getRelationsStoragePrototype();
    QList<QSharedPointer<ISerializerObject>> items;
    copyItems(
        n_older.getRelationStorage()->getRelations(),
        [&] { return relations->getRelationPrototype(); }, items);
    relations->addRelations(items);
    model.setRelationStorage(relations);
    return model.saveToString();
}

template<class Model>
double bestOf(int n_runs, const QString &n_text, int &n_elements)
{
    double best = 1e100;
    for (int run = 0; run < n_runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        Model model;
        model.loadFromString(n_text);
        n_elements = walk(model.getClass());
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// The whole road of opening a file: parse, recognise the format, build the model.
double modelLoad(int n_runs, const QString &n_text)
{
    double best = 1e100;
    for (int run = 0; run < n_runs; ++run) {
        ModelManager manager;
        QElapsedTimer timer;
        timer.start();
        manager.loadModel(n_text);
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    QCoreApplication application(argc, argv);
    for (int classCount : {1000, 10000}) {
        const QString older = olderFile(classCount);
        ModelXMLSerializerOld converted;
        converted.loadFromString(older);
        const QString current = currentFile(converted);

        int olderElements = 0;
        int currentElements = 0;
        const double olderMs = bestOf<ModelXMLSerializerOld>(3, older, olderElements);
        const double currentMs = bestOf<ModelXMLSerializer>(3, current, currentElements);
        std::printf("older_format_classes_%d_elements: %d\n", classCount, olderElements);
        std::printf("older_format_classes_%d_load_ms: %.1f\n", classCount, olderMs);
        std::printf("current_format_classes_%d_elements: %d\n", classCount, currentElements);
        std::printf("current_format_classes_%d_load_ms: %.1f\n", classCount, currentMs);
        std::printf("older_to_current_load_ratio_classes_%d: %.2f\n", classCount,
                    olderMs / currentMs);
        const double olderModelMs = modelLoad(2, older);
        const double currentModelMs = modelLoad(2, current);
        std::printf("older_format_classes_%d_model_load_ms: %.1f\n", classCount, olderModelMs);
        std::printf("current_format_classes_%d_model_load_ms: %.1f\n", classCount, currentModelMs);
    }
    return 0;
}
