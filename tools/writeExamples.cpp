// Writes the example models of examples/ with the model core, as the program saves them:
//   writeExamples <folder>   ->  <folder>/beam.xml, <folder>/loan.xml
// Each model is built in code, saved, loaded back and saved again, so that the file written is the
// one that reopening and saving in the program gives again byte for byte. Identifiers are fresh
// on every run, as the program makes them.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/Exceptions.h"
#include "errors/uidgenerators.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"

namespace {

typedef OstraClass::OstraClassPtr ClassPtr;
typedef QList<QPair<QString, QString>> Links; // relation variable, parameter short name
typedef QList<QPair<QString, QVariant::Type>> Variables;

const QVariant::Type REAL = QVariant::Double;
const QVariant::Type TEXT = QVariant::String;

// Builds one model; elements are referred to by short name, unique within the model.
class ExampleBuilder
{
public:
    ExampleBuilder(const QString &n_name, const QString &n_description)
        : m_model(QSharedPointer<OstraModel>::create())
    {
        m_model->setId(uidgenerators::genUid());
        m_model->setShortName(n_name);
        m_model->setDescription(n_description);
        const ClassPtr root = QSharedPointer<OstraClass>::create(
            uidgenerators::genUid(), QSharedPointer<RelationsStorage>::create());
        root->setShortName(n_name);
        root->setDescription(n_description);
        m_model->setRootClass(root);
    }

    ClassPtr root() const { return m_model->getRootClass(); }

    ClassPtr subclass(const ClassPtr &n_parent, const QString &n_name, const QString &n_description)
    {
        const ClassPtr created = QSharedPointer<OstraClass>::create(
            uidgenerators::genUid(), n_parent->getRelationsStorage());
        created->setShortName(n_name);
        created->setDescription(n_description);
        n_parent->addClass(created);
        return created;
    }

    // An input parameter, with its default value, of the default's type.
    void parameter(const ClassPtr &n_class, const QString &n_name, const QVariant &n_default,
                   const QString &n_description)
    {
        add(n_class, n_name, n_default.type(), n_description, n_default);
    }

    // A parameter that rules compute: no default.
    void result(const ClassPtr &n_class, const QString &n_name, QVariant::Type n_type,
                const QString &n_description)
    {
        add(n_class, n_name, n_type, n_description, QVariant());
    }

    void relation(const QString &n_name, RelationModel::RelationType n_kind, const QString &n_code,
                  const Variables &n_inputs, const Variables &n_outputs)
    {
        const auto created = QSharedPointer<RelationModel>::create(uidgenerators::genUid(), n_code,
                                                                   nullptr);
        created->setShortName(n_name);
        created->setRelationType(n_kind);
        for (const auto &input : n_inputs)
            created->addInputParameterType(input.first, input.second);
        for (const auto &output : n_outputs)
            created->addOutputParameterType(output.first, output.second);
        m_model->getRelationsStorage()->addRelationPtr(created);
        m_ids.insert(n_name, created->getId());
    }

    void rule(const ClassPtr &n_class, const QString &n_name, const QString &n_description,
              const QString &n_relation, const Links &n_inputs, const Links &n_outputs)
    {
        const auto created = QSharedPointer<RuleModel>::create();
        created->setId(uidgenerators::genUid());
        created->setShortName(n_name);
        created->setDescription(n_description);
        n_class->addRule(created);
        bind(n_class, created->getId(), n_relation, n_inputs);
        for (const auto &output : n_outputs)
            n_class->addEdge(created->getId(), m_ids.value(output.second), output.first);
    }

    void constraint(const ClassPtr &n_class, const QString &n_name, const QString &n_description,
                    const QString &n_relation, const Links &n_inputs)
    {
        const auto created = QSharedPointer<ConstraintModel>::create();
        created->setId(uidgenerators::genUid());
        created->setShortName(n_name);
        created->setDescription(n_description);
        n_class->addConstraint(created);
        bind(n_class, created->getId(), n_relation, n_inputs);
    }

    // Saved, loaded back and saved again: the file the program itself keeps writing.
    void write(const QString &n_fileName) const
    {
        QTemporaryDir scratch;
        QFile first(scratch.filePath(QStringLiteral("first.xml")));
        ModelManager builtManager;
        builtManager.addModel(m_model);
        builtManager.setActiveModel(m_model);
        builtManager.saveActiveModelInFile(first);
        ModelManager loaded;
        loaded.loadModel(first);
        QFile out(n_fileName);
        loaded.saveActiveModelInFile(out);
    }

private:
    void add(const ClassPtr &n_class, const QString &n_name, QVariant::Type n_type,
             const QString &n_description, const QVariant &n_default)
    {
        const auto created = QSharedPointer<ParameterModel>::create();
        created->setId(uidgenerators::genUid());
        created->setShortName(n_name);
        created->setDescription(n_description);
        created->setValueType(n_type);
        if (n_default.isValid())
            created->setDefaultValue(n_default);
        n_class->addParameter(created);
        m_ids.insert(n_name, created->getId());
    }

    void bind(const ClassPtr &n_class, const QString &n_id, const QString &n_relation,
              const Links &n_inputs)
    {
        n_class->addEdge(n_id, m_ids.value(n_relation), QString());
        for (const auto &input : n_inputs)
            n_class->addEdge(m_ids.value(input.second), n_id, input.first);
    }

    QSharedPointer<OstraModel> m_model;
    QHash<QString, QString> m_ids;
};

// Links of relation variables to the parameters of the same names.
Links same(const QStringList &n_names)
{
    Links links;
    for (const QString &name : n_names)
        links.append({name, name});
    return links;
}

// A simply supported beam under a uniform load: bending moment, stress and mid-span deflection of
// a rectangular section, the stress checked against the allowed one.
void buildBeam(ExampleBuilder &n_b)
{
    const ClassPtr beam = n_b.root();
    const ClassPtr section = n_b.subclass(beam, QStringLiteral("Cross-section"),
                                          QStringLiteral("Rectangular section of the beam"));
    n_b.parameter(beam, QStringLiteral("L"), 4.0, QStringLiteral("Span, m"));
    n_b.parameter(beam, QStringLiteral("w"), 5000.0, QStringLiteral("Uniform load, N/m"));
    n_b.parameter(beam, QStringLiteral("E"), 2.1e11, QStringLiteral("Young's modulus, Pa"));
    n_b.parameter(beam, QStringLiteral("fy"), 2.35e8, QStringLiteral("Allowed stress, Pa"));
    n_b.parameter(beam, QStringLiteral("material"), QStringLiteral("S235 steel"),
                  QStringLiteral("Material name"));
    n_b.result(beam, QStringLiteral("M"), REAL, QStringLiteral("Largest bending moment, N*m"));
    n_b.result(beam, QStringLiteral("sigma"), REAL, QStringLiteral("Largest stress, Pa"));
    n_b.result(beam, QStringLiteral("delta"), REAL, QStringLiteral("Mid-span deflection, m"));
    n_b.result(beam, QStringLiteral("verdict"), TEXT,
               QStringLiteral("Deflection against span / 250"));
    n_b.parameter(section, QStringLiteral("b"), 0.1, QStringLiteral("Width, m"));
    n_b.parameter(section, QStringLiteral("h"), 0.2, QStringLiteral("Height, m"));
    n_b.result(section, QStringLiteral("I"), REAL, QStringLiteral("Second moment of area, m^4"));
    n_b.parameter(section, QStringLiteral("shape"), QStringLiteral("rectangle"),
                  QStringLiteral("Shape of the section"));

    n_b.relation(QStringLiteral("Second moment"), RelationModel::RELATION_PROGRAM,
                 QStringLiteral("var cube = h * h * h;\nI = b * cube / 12;"),
                 {{QStringLiteral("b"), REAL}, {QStringLiteral("h"), REAL}},
                 {{QStringLiteral("I"), REAL}});
    n_b.relation(QStringLiteral("Bending moment"), RelationModel::RELATION_SIMPLE,
                 QStringLiteral("M = w * L * L / 8;"),
                 {{QStringLiteral("w"), REAL}, {QStringLiteral("L"), REAL}},
                 {{QStringLiteral("M"), REAL}});
    n_b.relation(
        QStringLiteral("Stress"), RelationModel::RELATION_SIMPLE,
        QStringLiteral("sigma = M * (h / 2) / I;"),
        {{QStringLiteral("M"), REAL}, {QStringLiteral("h"), REAL}, {QStringLiteral("I"), REAL}},
        {{QStringLiteral("sigma"), REAL}});
    n_b.relation(QStringLiteral("Deflection"), RelationModel::RELATION_SIMPLE,
                 QStringLiteral("delta = 5 * w * Math.pow(L, 4) / (384 * E * I);"),
                 {{QStringLiteral("w"), REAL},
                  {QStringLiteral("L"), REAL},
                  {QStringLiteral("E"), REAL},
                  {QStringLiteral("I"), REAL}},
                 {{QStringLiteral("delta"), REAL}});
    n_b.relation(QStringLiteral("Serviceability"), RelationModel::RELATION_IFCLAUSE,
                 QStringLiteral("if (delta <= L / 250) {verdict = \"ok\";} else {verdict = \"too "
                                "flexible\";}"),
                 {{QStringLiteral("delta"), REAL}, {QStringLiteral("L"), REAL}},
                 {{QStringLiteral("verdict"), TEXT}});
    n_b.relation(QStringLiteral("Strength"), RelationModel::RELATION_CONSTRAINT,
                 QStringLiteral("if (sigma <= fy) {flag = true;} else {flag = false;}"),
                 {{QStringLiteral("sigma"), REAL}, {QStringLiteral("fy"), REAL}},
                 {{QStringLiteral("flag"), QVariant::Bool}});

    n_b.rule(section, QStringLiteral("Second moment of the section"),
             QStringLiteral("I = b h^3 / 12"), QStringLiteral("Second moment"),
             same({QStringLiteral("b"), QStringLiteral("h")}), same({QStringLiteral("I")}));
    n_b.rule(beam, QStringLiteral("Moment at mid-span"), QStringLiteral("M = w L^2 / 8"),
             QStringLiteral("Bending moment"), same({QStringLiteral("w"), QStringLiteral("L")}),
             same({QStringLiteral("M")}));
    n_b.rule(beam, QStringLiteral("Stress at the edge"), QStringLiteral("sigma = M (h/2) / I"),
             QStringLiteral("Stress"),
             same({QStringLiteral("M"), QStringLiteral("h"), QStringLiteral("I")}),
             same({QStringLiteral("sigma")}));
    n_b.rule(
        beam, QStringLiteral("Deflection at mid-span"),
        QStringLiteral("delta = 5 w L^4 / (384 E I)"), QStringLiteral("Deflection"),
        same({QStringLiteral("w"), QStringLiteral("L"), QStringLiteral("E"), QStringLiteral("I")}),
        same({QStringLiteral("delta")}));
    n_b.rule(beam, QStringLiteral("Deflection verdict"), QStringLiteral("delta <= L / 250"),
             QStringLiteral("Serviceability"), same({QStringLiteral("delta"), QStringLiteral("L")}),
             same({QStringLiteral("verdict")}));
    n_b.constraint(beam, QStringLiteral("Stress within the allowed"), QStringLiteral("sigma <= fy"),
                   QStringLiteral("Strength"),
                   same({QStringLiteral("sigma"), QStringLiteral("fy")}));
}

// An annuity loan: monthly rate and number of payments, the monthly payment (a zero rate taken
// apart), the total paid and the interest, the payment checked against the borrower's income.
void buildLoan(ExampleBuilder &n_b)
{
    const ClassPtr loan = n_b.root();
    const ClassPtr schedule = n_b.subclass(loan, QStringLiteral("Monthly schedule"),
                                           QStringLiteral("Payments made once a month"));
    n_b.parameter(loan, QStringLiteral("principal"), 100000.0, QStringLiteral("Sum borrowed"));
    n_b.parameter(loan, QStringLiteral("rate"), 6.0, QStringLiteral("Yearly interest rate, %"));
    n_b.parameter(loan, QStringLiteral("years"), 20.0, QStringLiteral("Term in years"));
    n_b.parameter(loan, QStringLiteral("income"), 3000.0, QStringLiteral("Monthly income"));
    n_b.parameter(loan, QStringLiteral("currency"), QStringLiteral("EUR"),
                  QStringLiteral("Currency of every sum"));
    n_b.result(schedule, QStringLiteral("i"), REAL, QStringLiteral("Monthly interest rate"));
    n_b.result(schedule, QStringLiteral("n"), REAL, QStringLiteral("Number of payments"));
    n_b.result(schedule, QStringLiteral("payment"), REAL, QStringLiteral("Monthly payment"));
    n_b.result(schedule, QStringLiteral("total"), REAL, QStringLiteral("Sum of all payments"));
    n_b.result(schedule, QStringLiteral("interest"), REAL, QStringLiteral("Interest paid"));
    n_b.result(schedule, QStringLiteral("summary"), TEXT, QStringLiteral("The payment in words"));

    n_b.relation(QStringLiteral("Monthly rate"), RelationModel::RELATION_SIMPLE,
                 QStringLiteral("i = rate / 1200;"), {{QStringLiteral("rate"), REAL}},
                 {{QStringLiteral("i"), REAL}});
    n_b.relation(QStringLiteral("Payments"), RelationModel::RELATION_SIMPLE,
                 QStringLiteral("n = years * 12;"), {{QStringLiteral("years"), REAL}},
                 {{QStringLiteral("n"), REAL}});
    n_b.relation(QStringLiteral("Annuity"), RelationModel::RELATION_IFCLAUSE,
                 QStringLiteral("if (i > 0) {payment = principal * i / (1 - Math.pow(1 + i, "
                                "-n));} else {payment = principal / n;}"),
                 {{QStringLiteral("i"), REAL},
                  {QStringLiteral("n"), REAL},
                  {QStringLiteral("principal"), REAL}},
                 {{QStringLiteral("payment"), REAL}});
    n_b.relation(QStringLiteral("Totals"), RelationModel::RELATION_PROGRAM,
                 QStringLiteral("total = payment * n;\ninterest = total - principal;\n"
                                "summary = payment.toFixed(2) + \" \" + currency + \" a month\";"),
                 {{QStringLiteral("payment"), REAL},
                  {QStringLiteral("n"), REAL},
                  {QStringLiteral("principal"), REAL},
                  {QStringLiteral("currency"), TEXT}},
                 {{QStringLiteral("total"), REAL},
                  {QStringLiteral("interest"), REAL},
                  {QStringLiteral("summary"), TEXT}});
    n_b.relation(QStringLiteral("Affordable"), RelationModel::RELATION_CONSTRAINT,
                 QStringLiteral("if (payment <= 0.4 * income) {flag = true;} else {flag = "
                                "false;}"),
                 {{QStringLiteral("payment"), REAL}, {QStringLiteral("income"), REAL}},
                 {{QStringLiteral("flag"), QVariant::Bool}});

    n_b.rule(loan, QStringLiteral("Rate per month"), QStringLiteral("i = rate / 1200"),
             QStringLiteral("Monthly rate"), same({QStringLiteral("rate")}),
             same({QStringLiteral("i")}));
    n_b.rule(loan, QStringLiteral("Number of payments"), QStringLiteral("n = 12 years"),
             QStringLiteral("Payments"), same({QStringLiteral("years")}),
             same({QStringLiteral("n")}));
    n_b.rule(loan, QStringLiteral("Monthly payment"), QStringLiteral("The annuity formula"),
             QStringLiteral("Annuity"),
             same({QStringLiteral("i"), QStringLiteral("n"), QStringLiteral("principal")}),
             same({QStringLiteral("payment")}));
    n_b.rule(
        loan, QStringLiteral("Totals of the loan"), QStringLiteral("Total, interest, summary"),
        QStringLiteral("Totals"),
        same({QStringLiteral("payment"), QStringLiteral("n"), QStringLiteral("principal"),
              QStringLiteral("currency")}),
        same({QStringLiteral("total"), QStringLiteral("interest"), QStringLiteral("summary")}));
    n_b.constraint(loan, QStringLiteral("Payment within 40% of income"),
                   QStringLiteral("payment <= 0.4 income"), QStringLiteral("Affordable"),
                   same({QStringLiteral("payment"), QStringLiteral("income")}));
}

} // namespace

int main(int argc, char *argv[])
{
    // As the program does: the order of every saved list follows the hashes.
    qSetGlobalQHashSeed(0);
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: writeExamples <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        ExampleBuilder beam(QStringLiteral("Beam"),
                            QStringLiteral("Simply supported beam under a uniform load"));
        buildBeam(beam);
        beam.write(folder.filePath(QStringLiteral("beam.xml")));
        ExampleBuilder loan(QStringLiteral("Loan"),
                            QStringLiteral("Loan repaid in equal monthly payments"));
        buildLoan(loan);
        loan.write(folder.filePath(QStringLiteral("loan.xml")));
    } catch (const ExceptionOstra &exception) {
        std::fprintf(stderr, "writeExamples: %s\n", qPrintable(exception.toString(false)));
        return 1;
    }
    return 0;
}
