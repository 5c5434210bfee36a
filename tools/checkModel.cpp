// Reads a model file (either format) the way the model core reads it and says whether everything
// in it loads: first through the serializer nodes alone (every class, parameter, rule, constraint
// and relation loaded into its element, every link resolved against the relation's variables and
// the file's parameters), then, where the model manager is part of the core, as a whole model,
// whose integrity is checked and whose root class is solved with the known/required set that
// generateModel wrote beside the file.
//
// checkModel MODEL_FILE [SOLVE_FILE]     (SOLVE_FILE defaults to MODEL_FILE.solve when present)
// Prints `name: value` lines; exits 1 on the first failure.

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include "elements/ConstraintModel.h"
#include "elements/ConstraintVertexPtrConnData.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "elements/RuleVertexPtrConnData.h"
#include "errors/ExceptionOstra.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelXMLSerializerOld.h"
#include "serialization/XMLDocumentReader.h"

#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "elements/RelationsStorage.h"
#include "errors/ModelIntegrity.h"
#include "solver/AlgorithmSolution.h"
#include "solver/BaseAlgorithm.h"
#include "solver/BaseAlgorithmData.h"
#include "model/MemoryTuning.h"

namespace {

void line(const char *n_name, const QString &n_value)
{
    std::printf("%s: %s\n", n_name, qPrintable(n_value));
}

[[noreturn]] void fail(const QString &n_what)
{
    std::fprintf(stderr, "checkModel: %s\n", qPrintable(n_what));
    std::exit(1);
}

struct Counts
{
    int classes = 0;
    int parameters = 0;
    int rules = 0;
    int constraints = 0;
    int links = 0;
};

struct NodeCheck
{
    QHash<QString, QSharedPointer<RelationModel>> relations;
    QSet<QString> parameterIds;
    QList<QPair<QString, QHash<QString, QString>>> inputLinks; // relation id, variable -> parameter
    QList<QPair<QString, QHash<QString, QString>>> outputLinks;
    Counts counts;

    void walk(const ISerializerClass &n_class)
    {
        ++counts.classes;
        for (const QSharedPointer<ISerializerObject> &node : n_class.getOwnParameters()) {
            const QSharedPointer<ParameterModel> parameter =
                QSharedPointer<ParameterModel>::create();
            parameter->load(*node);
            parameterIds.insert(parameter->getId());
            ++counts.parameters;
        }
        for (const QSharedPointer<ISerializerObject> &node : n_class.getOwnRules()) {
            QSharedPointer<RuleModel>::create()->load(*node);
            const QString relation =
                node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RELATION).toString();
            inputLinks.append(
                {relation,
                 ISerializebleObject::convertStringToLinkedObjects(
                     node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_INITID)
                         .toString())});
            outputLinks.append(
                {relation,
                 ISerializebleObject::convertStringToLinkedObjects(
                     node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RESULTID)
                         .toString())});
            ++counts.rules;
        }
        for (const QSharedPointer<ISerializerObject> &node : n_class.getOwnConstraints()) {
            QSharedPointer<ConstraintModel>::create()->load(*node);
            const QString relation =
                node->getFieldValue(ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_RELATION)
                    .toString();
            inputLinks.append(
                {relation,
                 ISerializebleObject::convertStringToLinkedObjects(
                     node->getFieldValue(
                             ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_INITID)
                         .toString())});
            ++counts.constraints;
        }
        for (const QSharedPointer<ISerializerClass> &child : n_class.getOwnClasses())
            walk(*child);
    }

    void checkLinks(const QList<QPair<QString, QHash<QString, QString>>> &n_links, bool n_inputs)
    {
        for (const auto &entry : n_links) {
            const QSharedPointer<RelationModel> relation = relations.value(entry.first);
            if (!relation)
                fail(QStringLiteral("a rule or constraint names the missing relation %1")
                         .arg(entry.first));
            const QStringList names = n_inputs ? relation->getInputParametersNames()
                                               : relation->getOutputParametersNames();
            if (QSet<QString>(names.begin(), names.end())
                != QSet<QString>(entry.second.keyBegin(), entry.second.keyEnd()))
                fail(QStringLiteral("links do not match the variables of relation %1")
                         .arg(entry.first));
            for (const QString &parameter : entry.second) {
                if (!parameterIds.contains(parameter))
                    fail(QStringLiteral("a link names the missing parameter %1").arg(parameter));
                ++counts.links;
            }
        }
    }
};

template<typename ModelNode>
void checkNodes(QDomDocument &n_document, const char *n_format)
{
    ModelNode node;
    node.loadFromDomDocument(n_document);
    NodeCheck check;
    for (const QSharedPointer<ISerializerObject> &item :
         node.getRelationStorage()->getRelations()) {
        const QSharedPointer<RelationModel> relation = QSharedPointer<RelationModel>::create(
            nullptr);
        relation->load(*item);
        check.relations.insert(relation->getId(), relation);
    }
    check.walk(*node.getClass());
    check.checkLinks(check.inputLinks, true);
    check.checkLinks(check.outputLinks, false);
    line("format", QString::fromLatin1(n_format));
    line("nodes_classes", QString::number(check.counts.classes));
    line("nodes_parameters", QString::number(check.counts.parameters));
    line("nodes_rules", QString::number(check.counts.rules));
    line("nodes_constraints", QString::number(check.counts.constraints));
    line("nodes_relations", QString::number(check.relations.size()));
    line("nodes_links", QString::number(check.counts.links));
}

void checkModel(const QString &n_fileName, const QString &n_solveFile)
{
    ModelManager manager;
    QFile file(n_fileName);
    manager.loadModel(file);
    const OstraClass::OstraClassPtr root = manager.getActiveModel()->getRootClass();
    line("model_classes", QString::number(root->getAllClassesCount() + 1));
    line("model_parameters", QString::number(root->getParametersCount()));
    line("model_rules", QString::number(root->getRulesCount()));
    line("model_constraints", QString::number(root->getConstraintsCount()));
    line("model_relations",
         QString::number(manager.getActiveModel()->getRelationsStorage()->getRelationsCount()));
    const ModelIntegrity report = root->checkClassIntegrity();
    line("integrity_errors", report.areAnyErrors() ? QStringLiteral("yes") : QStringLiteral("no"));
    if (report.areAnyErrors())
        fail(QStringLiteral("the model has integrity errors"));

    QFile solve(n_solveFile);
    if (n_solveFile.isEmpty() || !solve.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QHash<QString, QVariant> known;
    QList<QString> required;
    QTextStream in(&solve);
    while (!in.atEnd()) {
        const QStringList words = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() == 3 && words.first() == QLatin1String("known"))
            known.insert(words.at(1), QVariant(words.at(2).toDouble()));
        else if (words.size() == 2 && words.first() == QLatin1String("required"))
            required.append(words.at(1));
    }
    if (known.isEmpty() || required.isEmpty()) {
        // A model without rules has nothing to solve.
        line("solve_status", QStringLiteral("skipped"));
        return;
    }
    root->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                             QSharedPointer<BaseAlgorithmData>::create(false, true));
    const QSharedPointer<BaseAlgorithm> solver = root->getSearchAlgorithm();
    solver->setUseDefaultValues(false);
    solver->addKnownParameters(known);
    solver->addRequiredParameters(required);
    solver->calculate();
    const int status = int(solver->getAlgorithmSolution()->getSolutionStatus());
    line("solve_status", QString::number(status));
    for (const QString &id : qAsConst(required))
        line("required_value",
             id + QLatin1Char(' ') + root->getParameter(id)->getValue().toString());
    if (status != 0)
        fail(QStringLiteral("the root class was not solved"));
}

} // namespace

int main(int argc, char *argv[])
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: checkModel MODEL_FILE [SOLVE_FILE]\n");
        return 2;
    }
    const QString fileName = arguments.at(1);
    QString solveFile = arguments.size() > 2 ? arguments.at(2) : fileName + QLatin1String(".solve");
    if (!QFile::exists(solveFile))
        solveFile.clear();
    try {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot open %1").arg(fileName));
        QDomDocument document;
        XMLDocumentReader::setContent(document, file.readAll(), QStringLiteral("checkModel"),
                                      QStringLiteral("main"));
        if (ModelXMLSerializer().isFormatSupport(document))
            checkNodes<ModelXMLSerializer>(document, "current");
        else if (ModelXMLSerializerOld().isFormatSupport(document))
            checkNodes<ModelXMLSerializerOld>(document, "old");
        else
            fail(QStringLiteral("neither format"));
        checkModel(fileName, solveFile);
    } catch (const ExceptionOstra &e) {
        fail(e.toString(false));
    }
    return 0;
}
