// Writes a generated model file (see ModelGenerator), the same for the same options and seed, in
// the current or in the older file format.
//
// generateModel [--seed S] [--classes N | --depth D --fanout F | --elements N]
//               [--params-per-class N] [--relations-per-kind N] [--rules N] [--constraints N]
//               [--format current|old] [-o FILE] [--solve FILE]
//
// The known/required set goes to --solve FILE, or next to -o FILE as FILE.solve, or to stderr:
//   class <id of the class to solve>
//   known <parameter id> <value>
//   required <parameter id>
// A summary of `name: value` lines (element counts) goes to stderr.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>

#include "ModelGenerator.h"

namespace {

bool writeText(const QString &n_fileName, const QString &n_text)
{
    QSaveFile file(n_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QByteArray bytes = n_text.toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

int positive(QCommandLineParser &n_parser, const QString &n_name, int n_default, bool *n_ok)
{
    if (!n_parser.isSet(n_name))
        return n_default;
    bool ok = false;
    const int value = n_parser.value(n_name).toInt(&ok);
    if (!ok || value < 0) {
        std::fprintf(stderr, "generateModel: --%s needs a number >= 0\n", qPrintable(n_name));
        *n_ok = false;
    }
    return value;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a generated model file, the same for the same seed."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("seed"), QStringLiteral("Seed of the generator (default 1)."),
         QStringLiteral("S")},
        {QStringLiteral("classes"), QStringLiteral("Number of classes, made breadth first."),
         QStringLiteral("N")},
        {QStringLiteral("depth"), QStringLiteral("Depth of the class tree (default 3)."),
         QStringLiteral("D")},
        {QStringLiteral("fanout"), QStringLiteral("Child classes per class (default 3)."),
         QStringLiteral("F")},
        {QStringLiteral("elements"),
         QStringLiteral("Approximate number of elements in all; sets every size."),
         QStringLiteral("N")},
        {QStringLiteral("params-per-class"),
         QStringLiteral("Mean parameters per class (default 10)."), QStringLiteral("N")},
        {QStringLiteral("relations-per-kind"),
         QStringLiteral("Relations of each kind (default 200)."), QStringLiteral("N")},
        {QStringLiteral("rules"),
         QStringLiteral("Rules over double parameters (default 0.6 per parameter)."),
         QStringLiteral("N")},
        {QStringLiteral("constraints"),
         QStringLiteral("Constraints (default one per 7 parameters)."), QStringLiteral("N")},
        {QStringLiteral("format"), QStringLiteral("current (default) or old."),
         QStringLiteral("F")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("Model file (default: standard output)."),
         QStringLiteral("FILE")},
        {QStringLiteral("solve"),
         QStringLiteral("Known/required set file (default: FILE.solve, or stderr)."),
         QStringLiteral("FILE")},
    });
    parser.process(application);

    bool ok = true;
    ModelGenerator::Options options;
    if (parser.isSet(QStringLiteral("seed"))) {
        options.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            std::fprintf(stderr, "generateModel: --seed needs a number\n");
    }
    const QString format = parser.value(QStringLiteral("format"));
    if (!format.isEmpty() && format != QLatin1String("current") && format != QLatin1String("old")) {
        std::fprintf(stderr, "generateModel: --format is current or old\n");
        ok = false;
    }
    const bool oldFormat = format == QLatin1String("old");
    options.depth = positive(parser, QStringLiteral("depth"), options.depth, &ok);
    options.fanout = positive(parser, QStringLiteral("fanout"), options.fanout, &ok);
    options.paramsPerClass = positive(parser, QStringLiteral("params-per-class"),
                                      options.paramsPerClass, &ok);
    options.classes = positive(parser, QStringLiteral("classes"), options.classes, &ok);
    options.relationsPerKind = positive(parser, QStringLiteral("relations-per-kind"),
                                        options.relationsPerKind, &ok);
    options.rules = positive(parser, QStringLiteral("rules"), options.rules, &ok);
    options.constraints = positive(parser, QStringLiteral("constraints"), options.constraints, &ok);
    options.elements = positive(parser, QStringLiteral("elements"), options.elements, &ok);
    if (!ok)
        return 2;

    const ModelGenerator generator(options);
    const QString model = oldFormat ? generator.olderFormat() : generator.currentFormat();
    const QString solve = generator.solveText(oldFormat);

    const QString output = parser.value(QStringLiteral("output"));
    QString solveFile = parser.value(QStringLiteral("solve"));
    if (solveFile.isEmpty() && !output.isEmpty())
        solveFile = output + QLatin1String(".solve");
    if (output.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return 1;
        out.write(model.toUtf8());
    } else if (!writeText(output, model)) {
        std::fprintf(stderr, "generateModel: cannot write %s\n", qPrintable(output));
        return 1;
    }
    if (solveFile.isEmpty()) {
        std::fputs(qPrintable(solve), stderr);
    } else if (!writeText(solveFile, solve)) {
        std::fprintf(stderr, "generateModel: cannot write %s\n", qPrintable(solveFile));
        return 1;
    }
    std::fputs(qPrintable(generator.summary()), stderr);
    return 0;
}
