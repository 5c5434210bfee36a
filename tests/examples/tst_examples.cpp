// The example models of examples/: each opens through the model manager, holds every element kind,
// passes the integrity check, is what saving writes again byte for byte, and solves with known
// values to the expected numbers and texts; a violated constraint is reported as such.

#include <QtTest>

#include "elements/ConstraintModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "solver/AlgorithmSolution.h"
#include "solver/BaseAlgorithmData.h"

typedef QHash<QString, QVariant> Values; // by parameter short name

class tst_Examples : public QObject
{
    Q_OBJECT

private slots:
    void opensWhole_data();
    void opensWhole();
    void solves_data();
    void solves();

private:
    static QString examplePath(const QString &n_name);
};

QString tst_Examples::examplePath(const QString &n_name)
{
    return QStringLiteral(SOURCE_ROOT_DIR "/examples/") + n_name;
}

void tst_Examples::opensWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("beam") << QStringLiteral("beam.xml");
    QTest::newRow("loan") << QStringLiteral("loan.xml");
}

void tst_Examples::opensWhole()
{
    QFETCH(QString, file);
    QFile source(examplePath(file));
    ModelManager manager;
    manager.loadModel(source);
    const OstraClass::OstraClassPtr root = manager.getActiveModel()->getRootClass();
    QVERIFY(!root->checkClassIntegrity().areAnyErrors());

    // Every element kind: a nested class, Double and String parameters with defaults, relations of
    // the four kinds, rules and constraints.
    QVERIFY(root->getOwnClassesCount() >= 1);
    QSet<int> typesWithDefaults;
    for (const auto &parameter : root->getParametersHash())
        if (parameter->hasDefaultValue())
            typesWithDefaults.insert(int(parameter->getValueType()));
    QCOMPARE(typesWithDefaults, QSet<int>({int(QVariant::Double), int(QVariant::String)}));
    QSet<int> kinds;
    for (const auto &relation : root->getRelationsStorage()->getRelationsHash())
        kinds.insert(int(relation->getRelationType()));
    QCOMPARE(kinds, QSet<int>({0, 1, 2, 3}));
    QVERIFY(!root->getRulesHash().isEmpty());
    QVERIFY(!root->getConstraintsHash().isEmpty());

    // Saved again, the file comes out the same, byte for byte.
    QTemporaryDir dir;
    QFile again(dir.filePath(file));
    manager.saveActiveModelInFile(again);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), source.readAll());
}

void tst_Examples::solves_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Values>("known");
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("violated");

    const Values beam{{QStringLiteral("L"), 4.0},    {QStringLiteral("w"), 5000.0},
                      {QStringLiteral("E"), 2.1e11}, {QStringLiteral("fy"), 2.35e8},
                      {QStringLiteral("b"), 0.1},    {QStringLiteral("h"), 0.2}};
    const QStringList beamRequired{QStringLiteral("delta"), QStringLiteral("verdict"),
                                   QStringLiteral("sigma")};
    // I = 0.1 * 0.2^3 / 12; M = 5000 * 4^2 / 8; sigma = M * 0.1 / I; delta = 5 w L^4 / (384 E I).
    QTest::newRow("beam within limits")
        << QStringLiteral("beam.xml") << beam << beamRequired
        << Values{{QStringLiteral("I"), 0.1 * 0.008 / 12},
                  {QStringLiteral("M"), 10000.0},
                  {QStringLiteral("sigma"), 1.5e7},
                  {QStringLiteral("delta"), 5.0 * 5000 * 256 / (384 * 2.1e11 * (0.1 * 0.008 / 12))},
                  {QStringLiteral("verdict"), QStringLiteral("ok")}}
        << int(AlgorithmSolution::SOLVED) << QString();
    Values soft = beam;
    soft[QStringLiteral("E")] = 1.0e9;
    QTest::newRow("beam too flexible")
        << QStringLiteral("beam.xml") << soft << beamRequired
        << Values{{QStringLiteral("verdict"), QStringLiteral("too flexible")}}
        << int(AlgorithmSolution::SOLVED) << QString();
    Values heavy = beam;
    heavy[QStringLiteral("w")] = 2.0e5; // sigma = 6e8 > fy
    QTest::newRow("beam overstressed")
        << QStringLiteral("beam.xml") << heavy << beamRequired << Values()
        << int(AlgorithmSolution::CONSTRAINT_FAILED) << QStringLiteral("Stress within the allowed");

    const Values loan{{QStringLiteral("principal"), 100000.0},
                      {QStringLiteral("rate"), 6.0},
                      {QStringLiteral("years"), 20.0},
                      {QStringLiteral("income"), 3000.0},
                      {QStringLiteral("currency"), QStringLiteral("EUR")}};
    const QStringList loanRequired{QStringLiteral("payment"), QStringLiteral("interest"),
                                   QStringLiteral("summary")};
    const double payment = 100000 * 0.005 / (1 - std::pow(1.005, -240));
    QTest::newRow("loan") << QStringLiteral("loan.xml") << loan << loanRequired
                          << Values{{QStringLiteral("i"), 0.005},
                                    {QStringLiteral("n"), 240.0},
                                    {QStringLiteral("payment"), payment},
                                    {QStringLiteral("total"), payment * 240},
                                    {QStringLiteral("interest"), payment * 240 - 100000},
                                    {QStringLiteral("summary"),
                                     QStringLiteral("716.43 EUR a month")}}
                          << int(AlgorithmSolution::SOLVED) << QString();
    Values free = loan;
    free[QStringLiteral("rate")] = 0.0;
    QTest::newRow("loan without interest")
        << QStringLiteral("loan.xml") << free << loanRequired
        << Values{{QStringLiteral("payment"), 100000.0 / 240}, {QStringLiteral("interest"), 0.0}}
        << int(AlgorithmSolution::SOLVED) << QString();
    Values poor = loan;
    poor[QStringLiteral("income")] = 1500.0; // 40% is 600 < 716.43
    QTest::newRow("loan unaffordable") << QStringLiteral("loan.xml") << poor << loanRequired
                                       << Values() << int(AlgorithmSolution::CONSTRAINT_FAILED)
                                       << QStringLiteral("Payment within 40% of income");
}

void tst_Examples::solves()
{
    QFETCH(QString, file);
    QFETCH(Values, known);
    QFETCH(QStringList, required);
    QFETCH(Values, expected);
    QFETCH(int, status);
    QFETCH(QString, violated);

    QFile source(examplePath(file));
    ModelManager manager;
    manager.loadModel(source);
    const OstraClass::OstraClassPtr root = manager.getActiveModel()->getRootClass();
    QHash<QString, ParameterModel::ParameterModelPtr> byName;
    for (const auto &parameter : root->getParametersHash())
        byName.insert(parameter->getShortName(), parameter);

    // As the class test runs it: the runtime solver, known values only, no defaults.
    root->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                             QSharedPointer<BaseAlgorithmData>::create(false, true));
    const QSharedPointer<BaseAlgorithm> solver = root->getSearchAlgorithm();
    solver->setUseDefaultValues(false);
    QHash<QString, QVariant> knownById;
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        knownById.insert(byName.value(it.key())->getId(), it.value());
    QList<QString> requiredIds;
    for (const QString &name : required)
        requiredIds << byName.value(name)->getId();
    solver->addKnownParameters(knownById);
    solver->addRequiredParameters(requiredIds);
    solver->calculate();

    const QSharedPointer<AlgorithmSolution> solution = solver->getAlgorithmSolution();
    QCOMPARE(int(solution->getSolutionStatus()), status);
    const auto problem = solution->getProblemConstraint();
    QCOMPARE(problem.isNull() ? QString() : problem->getShortName(), violated);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant value = byName.value(it.key())->getValue();
        if (it.value().type() == QVariant::String)
            QCOMPARE(value.toString(), it.value().toString());
        else
            QVERIFY2(qAbs(value.toDouble() - it.value().toDouble())
                         <= 1e-9 * qMax(1.0, qAbs(it.value().toDouble())),
                     qPrintable(it.key() + QStringLiteral(" = ") + value.toString()));
    }
}

QTEST_GUILESS_MAIN(tst_Examples)
#include "tst_examples.moc"
