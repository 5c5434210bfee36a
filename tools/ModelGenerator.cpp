#include "ModelGenerator.h"

#include <QPair>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cstdint>

namespace {

// splitmix64: a fixed, tiny generator, so that a seed gives the same model with any Qt or
// library version.
class Random
{
public:
    explicit Random(quint64 n_seed) : m_state(n_seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= result < n_bound (n_bound > 0)
    int below(int n_bound) { return static_cast<int>(next() % static_cast<quint64>(n_bound)); }
    bool chance(int n_percent) { return below(100) < n_percent; }
    // A value with two decimals in [n_low, n_high).
    double cents(int n_low, int n_high) { return n_low + below((n_high - n_low) * 100) / 100.0; }
    template<typename T>
    const T &pick(const QVector<T> &n_items)
    {
        return n_items.at(below(n_items.size()));
    }

    // An element id as the program makes them: a random UUID, lower-case, without braces.
    QString uuid()
    {
        const quint64 high = next();
        const quint64 low = next();
        QString hex = QStringLiteral("%1%2")
                          .arg(high, 16, 16, QLatin1Char('0'))
                          .arg(low, 16, 16, QLatin1Char('0'));
        hex[12] = QLatin1Char('4');
        hex[16] = QLatin1Char("89ab"[low >> 62]);
        return hex.mid(0, 8) + QLatin1Char('-') + hex.mid(8, 4) + QLatin1Char('-') + hex.mid(12, 4)
               + QLatin1Char('-') + hex.mid(16, 4) + QLatin1Char('-') + hex.mid(20, 12);
    }

private:
    quint64 m_state;
};

// Signatures of the relations; a rule or constraint needs a relation of the signature it binds.
enum Shape {
    D1,  // double -> double
    D2,  // double, double -> double
    D22, // double, double -> double, double
    C1,  // double -> flag
    C2,  // double, double -> flag
    CI,  // integer -> flag
    I1,  // integer -> integer
    IB,  // integer -> boolean
    S2,  // string, string -> string
    SHAPE_COUNT
};

enum Kind { SIMPLE, IFCLAUSE, CONSTR, PROG, KIND_COUNT };
const char *const KIND_WORDS[KIND_COUNT] = {"simple", "ifclause", "constr", "prog"};

const QString T_DOUBLE = QStringLiteral("double");
const QString T_INTEGER = QStringLiteral("integer");
const QString T_BOOLEAN = QStringLiteral("boolean");
const QString T_STRING = QStringLiteral("string");
const QString T_STRING_LIST = QStringLiteral("string_list");
const QString T_LIST = QStringLiteral("list");

struct ShapeInfo
{
    QVector<QString> inputTypes;
    QVector<QString> outputTypes;
};

ShapeInfo shapeInfo(Shape n_shape)
{
    switch (n_shape) {
    case D1:
        return {{T_DOUBLE}, {T_DOUBLE}};
    case D2:
        return {{T_DOUBLE, T_DOUBLE}, {T_DOUBLE}};
    case D22:
        return {{T_DOUBLE, T_DOUBLE}, {T_DOUBLE, T_DOUBLE}};
    case C1:
        return {{T_DOUBLE}, {T_BOOLEAN}};
    case C2:
        return {{T_DOUBLE, T_DOUBLE}, {T_BOOLEAN}};
    case CI:
        return {{T_INTEGER}, {T_BOOLEAN}};
    case I1:
        return {{T_INTEGER}, {T_INTEGER}};
    case IB:
        return {{T_INTEGER}, {T_BOOLEAN}};
    case S2:
        return {{T_STRING, T_STRING}, {T_STRING}};
    default:
        return {};
    }
}

// Bodies by kind and signature. %I0, %I1 are the inputs, %O0, %O1 the outputs, %C a constant.
// With inputs in [0, M] every double body gives a result in [0, M + 6], so values stay finite
// along chains of any length and the constraints below always hold for solved values.
QVector<QString> bodies(Kind n_kind, Shape n_shape)
{
    switch (n_kind) {
    case SIMPLE:
        switch (n_shape) {
        case D1:
            return {QStringLiteral("%O0 = %I0 * 0.75 + %C;"),
                    QStringLiteral("%O0 = Math.abs(%I0 - %C) / 2;"),
                    QStringLiteral("%O0 = Math.min(%I0, %C * 10) + 1;")};
        case D2:
            return {QStringLiteral("%O0 = (%I0 + %I1) / 2 + %C;"),
                    QStringLiteral("%O0 = Math.sqrt(%I0 * %I0 + %I1 * %I1) / 2;"),
                    QStringLiteral("%O0 = Math.max(%I0, %I1) - Math.min(%I0, %I1) * 0.5;"),
                    QStringLiteral("%O0 = %I0 * 0.6 + %I1 * 0.3;")};
        case I1:
            return {QStringLiteral("%O0 = %I0 * 2 + %C;")};
        case S2:
            return {QStringLiteral("%O0 = %I0 + \"-\" + %I1;"),
                    QStringLiteral("%O0 = %I0.toUpperCase() + %I1;")};
        default:
            return {};
        }
    case IFCLAUSE:
        switch (n_shape) {
        case D1:
            return {QStringLiteral(
                "if (%I0 > %C) {\n    %O0 = %I0 - %C / 2;\n} else {\n    %O0 = %I0 + %C;\n}")};
        case D2:
            return {QStringLiteral("if (%I0 >= %I1) {\n    %O0 = %I0 - %I1 / 2;\n} else {\n    %O0 "
                                   "= %I1 - %I0 / 2;\n}"),
                    QStringLiteral("if (%I0 > %C && %I1 > %C) {\n    %O0 = (%I0 + %I1) / 2;\n} "
                                   "else if (%I0 > %I1) {\n"
                                   "    %O0 = %I0;\n} else {\n    %O0 = %I1 + 1;\n}")};
        case IB:
            return {
                QStringLiteral("if (%I0 > %C) {\n    %O0 = true;\n} else {\n    %O0 = false;\n}")};
        default:
            return {};
        }
    case CONSTR:
        switch (n_shape) {
        case C1:
            return {QStringLiteral("flag = %I0 >= 0 && %I0 < 1e9;"),
                    QStringLiteral("flag = !isNaN(%I0) && %I0 > -%C;")};
        case C2:
            return {QStringLiteral("flag = (%I0 + %I1) >= 0;"),
                    QStringLiteral("flag = Math.abs(%I0 - %I1) < 1e12;")};
        case CI:
            return {QStringLiteral("flag = %I0 >= -1000000;")};
        default:
            return {};
        }
    case PROG:
        switch (n_shape) {
        case D1:
            return {QStringLiteral("var s = 0;\nfor (var i = 1; i <= %C + 2; i++) {\n    s += %I0 "
                                   "/ i;\n}\n%O0 = s / (%C + 3);")};
        case D2:
            return {QStringLiteral("var t = %I0;\nvar k = 0;\nwhile (t > %I1 && k < 8) {\n    t = "
                                   "t / 2;\n    k++;\n}\n%O0 = t + k;"),
                    QStringLiteral("var v = [%I0, %I1, (%I0 + %I1) / 2];\nv.sort(function (p, q) { "
                                   "return p - q; });\n%O0 = v[1] + %C;")};
        case D22:
            return {QStringLiteral("var m = Math.max(%I0, %I1);\nvar n = Math.min(%I0, %I1);\n%O0 "
                                   "= m - n / 2;\n%O1 = (m + n) / 4 + %C;")};
        case I1:
            return {QStringLiteral(
                "var r = %I0;\nfor (var i = 0; i < 3; i++) {\n    r = r + i;\n}\n%O0 = r;")};
        default:
            return {};
        }
    default:
        return {};
    }
}

QVector<Shape> shapesOf(Kind n_kind)
{
    QVector<Shape> shapes;
    for (int s = 0; s < SHAPE_COUNT; ++s)
        if (!bodies(n_kind, static_cast<Shape>(s)).isEmpty())
            shapes.append(static_cast<Shape>(s));
    return shapes;
}

const QVector<QString> SINGLE_INPUT_NAMES = {QStringLiteral("x"), QStringLiteral("load"),
                                             QStringLiteral("level"), QStringLiteral("inVal"),
                                             QStringLiteral("k")};
const QVector<QPair<QString, QString>> PAIR_INPUT_NAMES = {
    {QStringLiteral("a"), QStringLiteral("b")},
    {QStringLiteral("u"), QStringLiteral("w")},
    {QStringLiteral("left"), QStringLiteral("right")},
    {QStringLiteral("x1"), QStringLiteral("x2")}};
const QVector<QString> OUTPUT_NAMES = {QStringLiteral("y"), QStringLiteral("result"),
                                       QStringLiteral("outVal"), QStringLiteral("total")};
const QVector<QString> WORDS = {
    QStringLiteral("pressure"), QStringLiteral("flow"),    QStringLiteral("speed"),
    QStringLiteral("mass"),     QStringLiteral("heat"),    QStringLiteral("level"),
    QStringLiteral("angle"),    QStringLiteral("voltage"), QStringLiteral("load"),
    QStringLiteral("width"),    QStringLiteral("count"),   QStringLiteral("label")};

struct ClassNode
{
    QString id;
    QString shortName;
    int parent = -1;
    int depth = 0;
    QVector<int> children;
    QVector<int> parameters;
    QVector<int> rules;
    QVector<int> constraints;
};

struct Parameter
{
    QString id;
    QString shortName;
    QString type;
    QString defaultValue; // empty: none
    QString unit;         // an extra attribute on some parameters
    int owner = 0;
    bool source = false;   // given as known; no rule produces it
    bool produced = false; // the output of a rule
    int chainDepth = 0;    // rules between the known parameters and this one
    int producer = -1;
};

struct Relation
{
    QString id;
    QString shortName;
    Kind kind = SIMPLE;
    Shape shape = D1;
    QVector<QString> inputs;
    QVector<QString> outputs;
    QString code;
};

struct Binding
{
    QString id;
    QString shortName;
    int relation = -1;
    QVector<int> inputs;  // parameters by the relation's input order
    QVector<int> outputs; // by the relation's output order (rules only)
    int owner = 0;
};

QString escape(const QString &n_text)
{
    QString out;
    out.reserve(n_text.size() + 8);
    for (const QChar c : n_text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString number(double n_value)
{
    return QString::number(n_value, 'f', 2);
}

QString parameterAttributes(const Parameter &n_p)
{
    QString out = QStringLiteral(" id=\"%1\" shortName=\"%2\" type=\"%3\"")
                      .arg(n_p.id, escape(n_p.shortName), n_p.type);
    if (!n_p.defaultValue.isEmpty())
        out += QStringLiteral(" defaultValue=\"%1\"").arg(escape(n_p.defaultValue));
    if (!n_p.unit.isEmpty())
        out += QStringLiteral(" unit=\"%1\"").arg(escape(n_p.unit));
    return out;
}

// Items sorted by id, as the program writes its lists.
template<typename T>
QVector<int> byId(const QVector<int> &n_items, const QVector<T> &n_all)
{
    QVector<int> sorted = n_items;
    std::sort(sorted.begin(), sorted.end(),
              [&n_all](int a, int b) { return n_all.at(a).id < n_all.at(b).id; });
    return sorted;
}

QString typedNames(const QVector<QString> &n_names, const QVector<QString> &n_types)
{
    QStringList pairs;
    for (int n = 0; n < n_names.size(); ++n)
        pairs.append(n_names.at(n) + QLatin1Char(':') + n_types.at(n));
    return pairs.join(QLatin1Char(';'));
}

QString idList(const QVector<int> &n_items, const QVector<Parameter> &n_parameters)
{
    QStringList ids;
    for (int p : n_items)
        ids.append(n_parameters.at(p).id);
    return ids.join(QLatin1Char(','));
}

} // namespace

class ModelGenerator::Generator
{
public:
    // n_options has every size set; n_depthLimited: the tree stops at n_options.depth.
    Generator(const Options &n_options, bool n_depthLimited)
        : m_options(n_options), m_depthLimited(n_depthLimited), m_random(n_options.seed)
    {
    }

    void generate()
    {
        m_modelId = m_random.uuid();
        m_modelGuid = m_random.uuid();
        makeClasses();
        makeParameters();
        makeRelations();
        makeRules();
        makeSideRules();
        makeConstraints();
        chooseSolveSet();
    }

    QString currentFormat() const;
    QString oldFormat() const;
    SolveSet solveSet() const;
    QString solveText(bool n_oldFormat) const;
    QString summary() const;

private:
    void makeClasses();
    void makeParameters();
    void makeRelations();
    void makeRules();
    void makeSideRules();
    void makeConstraints();
    void chooseSolveSet();

    int lowestCommonClass(const QVector<int> &n_parameters) const;
    int nearbyClass(int n_class);
    int availableInput(int n_class, const QVector<int> &n_taken);
    int relationFor(Shape n_shape);
    void writeClass(QString &n_out, int n_class, int n_indent) const;
    QString links(const Binding &n_binding, const QVector<int> &n_parameters,
                  const QVector<QString> &n_names) const;
    QVector<QPair<int, QString>> knownValues() const;

    Options m_options;
    bool m_depthLimited;
    Random m_random;
    QString m_modelId;
    QString m_modelGuid;
    QVector<ClassNode> m_classes;
    QVector<Parameter> m_parameters;
    QVector<Relation> m_relations;
    QVector<QVector<int>> m_relationsByShape = QVector<QVector<int>>(SHAPE_COUNT);
    QVector<Binding> m_rules;
    QVector<Binding> m_constraints;
    QVector<QVector<int>> m_available; // per class: double parameters known or produced so far
    QVector<int> m_availableAll;
    QVector<int> m_known;
    QVector<int> m_required;
};

void ModelGenerator::Generator::makeClasses()
{
    // Whole levels of depth and fan-out unless a count is given; clamped, since a deep and wide
    // tree would overflow the count long before anyone could generate it.
    const qint64 maxClasses = 10000000;
    qint64 count = m_options.classes;
    if (count < 1) {
        count = 0;
        qint64 level = 1;
        for (int d = 0; d <= m_options.depth && count < maxClasses; ++d) {
            count += level;
            level = std::min<qint64>(level * std::max(1, m_options.fanout), maxClasses);
        }
        count = std::min(count, maxClasses);
    }
    ClassNode root;
    root.id = m_random.uuid();
    root.shortName = QStringLiteral("Model");
    m_classes.append(root);
    // Breadth first: every class gets its fan-out of children before the next level starts.
    for (int next = 0; next < m_classes.size() && m_classes.size() < count; ++next) {
        if (m_depthLimited && m_classes[next].depth >= m_options.depth)
            continue;
        for (int c = 0; c < m_options.fanout && m_classes.size() < count; ++c) {
            ClassNode child;
            child.id = m_random.uuid();
            child.parent = next;
            child.depth = m_classes[next].depth + 1;
            child.shortName = QStringLiteral("Unit_%1").arg(m_classes.size());
            m_classes[next].children.append(m_classes.size());
            m_classes.append(child);
        }
    }
    m_available.resize(m_classes.size());
}

void ModelGenerator::Generator::makeParameters()
{
    for (int c = 0; c < m_classes.size(); ++c) {
        // Some variety in class sizes around the chosen mean.
        const int count = std::max(2, m_options.paramsPerClass / 2
                                          + m_random.below(m_options.paramsPerClass + 1));
        for (int i = 0; i < count; ++i) {
            Parameter p;
            // Parameter ids carry a capital P: the older format tells parameters apart by it.
            p.id = QLatin1Char('P') + m_random.uuid();
            p.owner = c;
            const int roll = m_random.below(100);
            p.type = roll < 64   ? T_DOUBLE
                     : roll < 76 ? T_INTEGER
                     : roll < 82 ? T_BOOLEAN
                     : roll < 92 ? T_STRING
                     : roll < 98 ? T_STRING_LIST
                                 : T_LIST;
            p.shortName =
                QStringLiteral("%1_%2").arg(m_random.pick(WORDS)).arg(m_parameters.size());
            if (m_random.chance(40) || p.type == T_LIST) {
                if (p.type == T_DOUBLE)
                    p.defaultValue = number(m_random.cents(0, 100));
                else if (p.type == T_INTEGER)
                    p.defaultValue = QString::number(m_random.below(1000));
                else if (p.type == T_BOOLEAN)
                    p.defaultValue = m_random.chance(50) ? QStringLiteral("true")
                                                         : QStringLiteral("false");
                else if (p.type == T_STRING)
                    p.defaultValue = QStringLiteral("value %1").arg(m_random.below(100));
                else if (p.type == T_STRING_LIST)
                    p.defaultValue = QStringLiteral("\"red\",\"green\",\"blue\"");
                else
                    p.defaultValue = number(m_random.cents(0, 10)) + QLatin1Char(',')
                                     + number(m_random.cents(0, 10));
            }
            if (m_random.chance(10))
                p.unit = m_random.chance(50) ? QStringLiteral("kPa") : QStringLiteral("m/s");
            // A quarter of the double parameters (and the first two of the root) are inputs.
            if (p.type == T_DOUBLE
                && (m_random.chance(25) || (c == 0 && m_available[0].size() < 2))) {
                p.source = true;
                m_available[c].append(m_parameters.size());
                m_availableAll.append(m_parameters.size());
            }
            m_classes[c].parameters.append(m_parameters.size());
            m_parameters.append(p);
        }
    }
}

void ModelGenerator::Generator::makeRelations()
{
    for (int k = 0; k < KIND_COUNT; ++k) {
        const Kind kind = static_cast<Kind>(k);
        const QVector<Shape> shapes = shapesOf(kind);
        for (int i = 0; i < m_options.relationsPerKind; ++i) {
            Relation r;
            r.id = m_random.uuid();
            r.kind = kind;
            // The double signatures carry the models; the others are a minority.
            r.shape = shapes.at(i % shapes.size());
            if (m_random.chance(50) && shapes.contains(D2))
                r.shape = D2;
            r.shortName = QStringLiteral("%1_%2").arg(QLatin1String(KIND_WORDS[k])).arg(i);
            const ShapeInfo info = shapeInfo(r.shape);
            if (info.inputTypes.size() == 1)
                r.inputs = {m_random.pick(SINGLE_INPUT_NAMES)};
            else {
                const QPair<QString, QString> pair = m_random.pick(PAIR_INPUT_NAMES);
                r.inputs = {pair.first, pair.second};
            }
            if (kind == CONSTR)
                r.outputs = {QStringLiteral("flag")};
            else if (info.outputTypes.size() == 1)
                r.outputs = {m_random.pick(OUTPUT_NAMES)};
            else
                r.outputs = {QStringLiteral("y"), QStringLiteral("z")};
            QString code = m_random.pick(bodies(kind, r.shape));
            code.replace(QLatin1String("%C"), QString::number(1 + m_random.below(5)));
            for (int n = 0; n < r.inputs.size(); ++n)
                code.replace(QStringLiteral("%I%1").arg(n), r.inputs.at(n));
            for (int n = 0; n < r.outputs.size(); ++n)
                code.replace(QStringLiteral("%O%1").arg(n), r.outputs.at(n));
            r.code = code;
            m_relationsByShape[r.shape].append(m_relations.size());
            m_relations.append(r);
        }
    }
}

int ModelGenerator::Generator::relationFor(Shape n_shape)
{
    const QVector<int> &candidates = m_relationsByShape.at(n_shape);
    return candidates.isEmpty() ? -1 : m_random.pick(candidates);
}

// Mostly the class itself or its neighbours in the tree, so that rules stay local but many of
// them still join parameters of two levels.
int ModelGenerator::Generator::nearbyClass(int n_class)
{
    const int roll = m_random.below(100);
    const ClassNode &node = m_classes.at(n_class);
    if (roll < 45)
        return n_class;
    if (roll < 65 && !node.children.isEmpty())
        return m_random.pick(node.children);
    if (roll < 85 && node.parent >= 0)
        return node.parent;
    if (roll < 92 && node.parent >= 0 && !m_classes.at(node.parent).children.isEmpty())
        return m_random.pick(m_classes.at(node.parent).children);
    return m_random.below(m_classes.size());
}

int ModelGenerator::Generator::availableInput(int n_class, const QVector<int> &n_taken)
{
    for (int attempt = 0; attempt < 6; ++attempt) {
        const QVector<int> &pool = m_available.at(nearbyClass(n_class));
        if (pool.isEmpty())
            continue;
        const int p = m_random.pick(pool);
        if (!n_taken.contains(p))
            return p;
    }
    for (int attempt = 0; attempt < 6; ++attempt) {
        const int p = m_random.pick(m_availableAll);
        if (!n_taken.contains(p))
            return p;
    }
    return -1;
}

int ModelGenerator::Generator::lowestCommonClass(const QVector<int> &n_parameters) const
{
    int common = m_parameters.at(n_parameters.first()).owner;
    for (int p : n_parameters) {
        int other = m_parameters.at(p).owner;
        while (m_classes.at(common).depth > m_classes.at(other).depth)
            common = m_classes.at(common).parent;
        while (m_classes.at(other).depth > m_classes.at(common).depth)
            other = m_classes.at(other).parent;
        while (common != other) {
            common = m_classes.at(common).parent;
            other = m_classes.at(other).parent;
        }
    }
    return common;
}

void ModelGenerator::Generator::makeRules()
{
    QVector<int> outputs;
    for (int p = 0; p < m_parameters.size(); ++p)
        if (m_parameters.at(p).type == T_DOUBLE && !m_parameters.at(p).source)
            outputs.append(p);
    // Fisher-Yates, so that chains wander over the whole tree.
    for (int i = outputs.size() - 1; i > 0; --i)
        std::swap(outputs[i], outputs[m_random.below(i + 1)]);

    const int target = m_options.rules >= 0 ? m_options.rules : m_parameters.size() * 6 / 10;
    for (int i = 0; i < outputs.size() && m_rules.size() < target; ++i) {
        const int out = outputs.at(i);
        if (m_parameters.at(out).produced)
            continue;
        Shape shape = m_random.chance(35) ? D1 : D2;
        int second = -1;
        if (m_random.chance(8)) {
            for (int j = i + 1; j < outputs.size(); ++j) {
                const int candidate = outputs.at(j);
                if (!m_parameters.at(candidate).produced
                    && m_parameters.at(candidate).owner == m_parameters.at(out).owner) {
                    second = candidate;
                    shape = D22;
                    break;
                }
            }
        }
        const int relation = relationFor(shape);
        if (relation < 0)
            continue;
        Binding rule;
        rule.relation = relation;
        rule.outputs.append(out);
        if (second >= 0)
            rule.outputs.append(second);
        const int owner = m_parameters.at(out).owner;
        bool complete = true;
        for (int n = 0; n < m_relations.at(relation).inputs.size(); ++n) {
            const int in = availableInput(owner, rule.inputs);
            if (in < 0) {
                complete = false;
                break;
            }
            rule.inputs.append(in);
        }
        if (!complete)
            continue;
        int depth = 0;
        for (int in : qAsConst(rule.inputs))
            depth = std::max(depth, m_parameters.at(in).chainDepth);
        rule.id = m_random.uuid();
        rule.shortName = QStringLiteral("rule_%1").arg(m_rules.size());
        rule.owner = lowestCommonClass(rule.inputs + rule.outputs);
        for (int o : qAsConst(rule.outputs)) {
            Parameter &p = m_parameters[o];
            p.produced = true;
            p.chainDepth = depth + 1;
            p.producer = m_rules.size();
            m_available[p.owner].append(o);
            m_availableAll.append(o);
        }
        m_classes[rule.owner].rules.append(m_rules.size());
        m_rules.append(rule);
    }
}

// Rules over the integer, boolean and string parameters: part of a realistic model, never
// needed for the solve set.
void ModelGenerator::Generator::makeSideRules()
{
    QHash<QString, QVector<int>> byType;
    for (int p = 0; p < m_parameters.size(); ++p)
        byType[m_parameters.at(p).type].append(p);
    const int target = m_rules.size() / 6 + 1;
    for (int attempt = 0, made = 0; attempt < target * 4 && made < target; ++attempt) {
        const Shape shape = m_random.pick(QVector<Shape>{I1, IB, S2});
        const ShapeInfo info = shapeInfo(shape);
        const QVector<int> &outPool = byType.value(info.outputTypes.first());
        const QVector<int> &inPool = byType.value(info.inputTypes.first());
        if (outPool.isEmpty() || inPool.size() < info.inputTypes.size() + 1)
            continue;
        const int out = m_random.pick(outPool);
        if (m_parameters.at(out).produced)
            continue;
        const int relation = relationFor(shape);
        if (relation < 0)
            continue;
        Binding rule;
        rule.relation = relation;
        rule.outputs = {out};
        // Inputs from the output's own class where it can, to keep these rules low in the tree.
        const int owner = m_parameters.at(out).owner;
        for (int n = 0; n < info.inputTypes.size(); ++n) {
            int in = -1;
            for (int tries = 0; tries < 8 && in < 0; ++tries) {
                const int candidate = m_random.pick(inPool);
                const bool local = m_parameters.at(candidate).owner == owner || tries > 4;
                if (local && candidate != out && !rule.inputs.contains(candidate))
                    in = candidate;
            }
            if (in < 0)
                break;
            rule.inputs.append(in);
        }
        if (rule.inputs.size() != info.inputTypes.size())
            continue;
        rule.id = m_random.uuid();
        rule.shortName = QStringLiteral("rule_%1").arg(m_rules.size());
        rule.owner = lowestCommonClass(rule.inputs + rule.outputs);
        m_parameters[out].produced = true;
        m_parameters[out].producer = m_rules.size();
        m_classes[rule.owner].rules.append(m_rules.size());
        m_rules.append(rule);
        ++made;
    }
}

// A constraint binds parameters of one class only: the older format places a constraint only in
// a class that owns all of its parameters, and the same model must read alike in both formats.
void ModelGenerator::Generator::makeConstraints()
{
    const int target = m_options.constraints >= 0 ? m_options.constraints : m_parameters.size() / 7;
    for (int attempt = 0; attempt < target * 4 && m_constraints.size() < target; ++attempt) {
        const int owner = m_random.below(m_classes.size());
        QVector<int> doubles;
        QVector<int> integers;
        for (int p : m_classes.at(owner).parameters) {
            if (m_parameters.at(p).type == T_DOUBLE)
                doubles.append(p);
            else if (m_parameters.at(p).type == T_INTEGER)
                integers.append(p);
        }
        Shape shape = m_random.chance(60) ? C1 : C2;
        if (m_random.chance(10) && !integers.isEmpty())
            shape = CI;
        const QVector<int> &pool = shape == CI ? integers : doubles;
        const int needed = shape == C2 ? 2 : 1;
        if (pool.size() < needed)
            continue;
        const int relation = relationFor(shape);
        if (relation < 0)
            continue;
        Binding constraint;
        constraint.relation = relation;
        while (constraint.inputs.size() < needed) {
            const int p = m_random.pick(pool);
            if (!constraint.inputs.contains(p))
                constraint.inputs.append(p);
        }
        constraint.id = m_random.uuid();
        constraint.shortName = QStringLiteral("constraint_%1").arg(m_constraints.size());
        constraint.owner = owner;
        m_classes[owner].constraints.append(m_constraints.size());
        m_constraints.append(constraint);
    }
}

// The deepest produced parameters are required; the known set is every input parameter they
// depend on, so the root class can be solved without default values.
void ModelGenerator::Generator::chooseSolveSet()
{
    QVector<int> produced;
    for (int p = 0; p < m_parameters.size(); ++p)
        if (m_parameters.at(p).produced && m_parameters.at(p).type == T_DOUBLE)
            produced.append(p);
    std::stable_sort(produced.begin(), produced.end(), [this](int a, int b) {
        return m_parameters.at(a).chainDepth > m_parameters.at(b).chainDepth;
    });
    m_required = produced.mid(0, 5);
    QVector<bool> seen(m_parameters.size(), false);
    QVector<int> stack = m_required;
    while (!stack.isEmpty()) {
        const int p = stack.takeLast();
        if (seen.at(p))
            continue;
        seen[p] = true;
        if (m_parameters.at(p).source)
            m_known.append(p);
        else if (m_parameters.at(p).producer >= 0)
            stack += m_rules.at(m_parameters.at(p).producer).inputs;
    }
    std::sort(m_known.begin(), m_known.end());
}

QString ModelGenerator::Generator::links(const Binding &, const QVector<int> &n_parameters,
                                         const QVector<QString> &n_names) const
{
    QStringList pairs;
    for (int n = 0; n < n_parameters.size(); ++n)
        pairs.append(n_names.at(n) + QLatin1Char(':') + m_parameters.at(n_parameters.at(n)).id);
    return pairs.join(QLatin1Char(';'));
}

void ModelGenerator::Generator::writeClass(QString &n_out, int n_class, int n_indent) const
{
    const ClassNode &node = m_classes.at(n_class);
    const QString pad(n_indent, QLatin1Char(' '));
    const QString in1(n_indent + 1, QLatin1Char(' '));
    const QString in2(n_indent + 2, QLatin1Char(' '));
    n_out += pad
             + QStringLiteral("<class id=\"%1\" shortName=\"%2\" description=\"Level %3 unit\">\n")
                   .arg(node.id, escape(node.shortName))
                   .arg(node.depth);
    n_out += in1 + QLatin1String("<parameters>\n");
    for (int p : byId(node.parameters, m_parameters))
        n_out += in2 + QLatin1String("<parameter") + parameterAttributes(m_parameters.at(p))
                 + QLatin1String("/>\n");
    n_out += in1 + QLatin1String("</parameters>\n") + in1 + QLatin1String("<rules>\n");
    for (int r : byId(node.rules, m_rules)) {
        const Binding &rule = m_rules.at(r);
        const Relation &relation = m_relations.at(rule.relation);
        n_out += in2
                 + QStringLiteral("<rule id=\"%1\" shortName=\"%2\" relation=\"%3\" initId=\"%4\" "
                                  "resultId=\"%5\"/>\n")
                       .arg(rule.id, rule.shortName, relation.id,
                            links(rule, rule.inputs, relation.inputs),
                            links(rule, rule.outputs, relation.outputs));
    }
    n_out += in1 + QLatin1String("</rules>\n") + in1 + QLatin1String("<constraints>\n");
    for (int c : byId(node.constraints, m_constraints)) {
        const Binding &constraint = m_constraints.at(c);
        const Relation &relation = m_relations.at(constraint.relation);
        n_out += in2
                 + QStringLiteral(
                       "<constraint id=\"%1\" shortName=\"%2\" relation=\"%3\" initId=\"%4\"/>\n")
                       .arg(constraint.id, constraint.shortName, relation.id,
                            links(constraint, constraint.inputs, relation.inputs));
    }
    n_out += in1 + QLatin1String("</constraints>\n") + in1 + QLatin1String("<classes>\n");
    for (int child : byId(node.children, m_classes))
        writeClass(n_out, child, n_indent + 2);
    n_out += in1 + QLatin1String("</classes>\n") + pad + QLatin1String("</class>\n");
}

QString ModelGenerator::Generator::currentFormat() const
{
    QString out;
    out += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out += QStringLiteral(
               "<model formatXmlVersion=\"2.0\" id=\"%1\" shortName=\"Generated model %2\" "
               "description=\"Generated from seed %2\" author=\"generateModel\" GUID=\"%3\">\n")
               .arg(m_modelId)
               .arg(m_options.seed)
               .arg(m_modelGuid);
    writeClass(out, 0, 1);
    out += QLatin1String(" <relations>\n");
    QVector<int> all(m_relations.size());
    for (int r = 0; r < all.size(); ++r)
        all[r] = r;
    for (int r : byId(all, m_relations)) {
        const Relation &relation = m_relations.at(r);
        const ShapeInfo info = shapeInfo(relation.shape);
        out += QStringLiteral("  <relation id=\"%1\" shortName=\"%2\" relationType=\"%3\" "
                              "inObj=\"%4\" outObj=\"%5\">%6</relation>\n")
                   .arg(relation.id, relation.shortName, QLatin1String(KIND_WORDS[relation.kind]),
                        typedNames(relation.inputs, info.inputTypes),
                        typedNames(relation.outputs, info.outputTypes), escape(relation.code));
    }
    out += QLatin1String(" </relations>\n</model>\n");
    return out;
}

// The older format: flat lists under "root"; a class names its parent ("0" for the root class)
// and lists its own element ids; links are positional id lists; relations keep names and types in
// two parallel lists.
QString ModelGenerator::Generator::oldFormat() const
{
    QString out;
    out += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out += QStringLiteral("<root id=\"%1\" shortName=\"Generated model %2\" "
                          "description=\"Generated from seed %2\" "
                          "author=\"generateModel\" GUID=\"%3\">\n")
               .arg(m_modelId)
               .arg(m_options.seed)
               .arg(m_modelGuid);
    out += QLatin1String(" <classes>\n");
    for (int c = 1; c < m_classes.size(); ++c) {
        const ClassNode &node = m_classes.at(c);
        QStringList childs;
        for (int p : node.parameters)
            childs.append(m_parameters.at(p).id);
        QStringList internalRules;
        for (int r : node.rules) {
            childs.append(m_rules.at(r).id);
            internalRules.append(m_rules.at(r).id);
        }
        for (int k : node.constraints)
            childs.append(m_constraints.at(k).id);
        const QString parentId = node.parent == 0 ? QStringLiteral("0")
                                                  : m_classes.at(node.parent).id;
        out += QStringLiteral("  <class id=\"%1\" shortName=\"%2\" levelUID=\"%3\" "
                              "levelName=\"level%4\" childs=\"%5\" internal_rules=\"%6\"/>\n")
                   .arg(node.id, escape(node.shortName), parentId)
                   .arg(node.depth)
                   .arg(childs.join(QLatin1Char(';')), internalRules.join(QLatin1Char(';')));
    }
    out += QLatin1String(" </classes>\n <parameters>\n");
    for (const Parameter &p : m_parameters)
        out += QLatin1String("  <parametr") + parameterAttributes(p) + QLatin1String("/>\n");
    out += QLatin1String(" </parameters>\n <rules>\n");
    for (const Binding &rule : m_rules)
        out += QStringLiteral("  <rule id=\"%1\" shortName=\"%2\" relation=\"%3\" initId=\"%4\" "
                              "resultId=\"%5\"/>\n")
                   .arg(rule.id, rule.shortName, m_relations.at(rule.relation).id,
                        idList(rule.inputs, m_parameters), idList(rule.outputs, m_parameters));
    out += QLatin1String(" </rules>\n <constraints>\n");
    for (const Binding &constraint : m_constraints)
        out += QStringLiteral(
                   "  <constraint id=\"%1\" shortName=\"%2\" relation=\"%3\" initId=\"%4\"/>\n")
                   .arg(constraint.id, constraint.shortName, m_relations.at(constraint.relation).id,
                        idList(constraint.inputs, m_parameters));
    out += QLatin1String(" </constraints>\n <relations>\n");
    for (const Relation &relation : m_relations) {
        const ShapeInfo info = shapeInfo(relation.shape);
        out += QStringLiteral("  <relation id=\"%1\" shortName=\"%2\" relationType=\"%3\" "
                              "inObj=\"%4\" inputTypes=\"%5\" "
                              "outObj=\"%6\" outputTypes=\"%7\">%8</relation>\n")
                   .arg(relation.id, relation.shortName, QLatin1String(KIND_WORDS[relation.kind]),
                        relation.inputs.toList().join(QLatin1Char(',')),
                        info.inputTypes.toList().join(QLatin1Char(',')),
                        relation.outputs.toList().join(QLatin1Char(',')),
                        info.outputTypes.toList().join(QLatin1Char(',')), escape(relation.code));
    }
    out += QLatin1String(" </relations>\n</root>\n");
    return out;
}

// The known values as they are written: two decimals, from a generator of their own so that
// they do not depend on the model's draws.
QVector<QPair<int, QString>> ModelGenerator::Generator::knownValues() const
{
    QVector<QPair<int, QString>> values;
    Random random(m_options.seed ^ 0x5EEDULL);
    for (int p : m_known)
        values.append({p, number(random.cents(1, 100))});
    return values;
}

ModelGenerator::SolveSet ModelGenerator::Generator::solveSet() const
{
    SolveSet set;
    set.classId = m_classes.first().id;
    // Read back from the written text, so that a test sees the values a file user sees.
    for (const auto &known : knownValues())
        set.known.insert(m_parameters.at(known.first).id, QVariant(known.second.toDouble()));
    for (int p : m_required)
        set.required.append(m_parameters.at(p).id);
    return set;
}

QString ModelGenerator::Generator::solveText(bool n_oldFormat) const
{
    QString out =
        QStringLiteral("class %1\n").arg(n_oldFormat ? QStringLiteral("0") : m_classes.first().id);
    for (const auto &known : knownValues())
        out += QStringLiteral("known %1 %2\n").arg(m_parameters.at(known.first).id, known.second);
    for (int p : m_required)
        out += QStringLiteral("required %1\n").arg(m_parameters.at(p).id);
    return out;
}

QString ModelGenerator::Generator::summary() const
{
    int kinds[KIND_COUNT] = {0, 0, 0, 0};
    for (const Relation &r : m_relations)
        ++kinds[r.kind];
    int maxDepth = 0;
    for (const ClassNode &c : m_classes)
        maxDepth = std::max(maxDepth, c.depth);
    int crossLevel = 0;
    for (const Binding &rule : m_rules) {
        for (int p : rule.inputs + rule.outputs)
            if (m_parameters.at(p).owner != rule.owner) {
                ++crossLevel;
                break;
            }
    }
    int chain = 0;
    for (int p : m_required)
        chain = std::max(chain, m_parameters.at(p).chainDepth);
    const int elements = m_classes.size() + m_parameters.size() + m_rules.size()
                         + m_constraints.size() + m_relations.size();
    QString out;
    QTextStream s(&out);
    s << "classes: " << m_classes.size() << "\nclass_depth: " << maxDepth
      << "\nparameters: " << m_parameters.size() << "\nrules: " << m_rules.size()
      << "\nrules_across_levels: " << crossLevel << "\nconstraints: " << m_constraints.size()
      << "\nrelations_simple: " << kinds[SIMPLE] << "\nrelations_ifclause: " << kinds[IFCLAUSE]
      << "\nrelations_constr: " << kinds[CONSTR] << "\nrelations_prog: " << kinds[PROG]
      << "\nelements: " << elements << "\nknown: " << m_known.size()
      << "\nrequired: " << m_required.size() << "\nlongest_required_chain: " << chain << "\n";
    return out;
}

namespace {

// Sets every size the caller left unset. With an element count: 45% parameters, 20% relations,
// 25% rules, 6% constraints, the rest classes.
ModelGenerator::Options resolved(const ModelGenerator::Options &n_options)
{
    ModelGenerator::Options options = n_options;
    options.fanout = std::max(1, options.fanout);
    options.paramsPerClass = std::max(2, options.paramsPerClass);
    const bool depthGiven = n_options.depth >= 0;
    if (!depthGiven)
        options.depth = 3;
    if (options.elements >= 0) {
        const int parameters = std::max(4, options.elements * 45 / 100);
        if (options.classes < 0)
            options.classes = std::max(1, parameters / options.paramsPerClass);
        if (options.relationsPerKind < 0)
            options.relationsPerKind = std::max(4, options.elements * 5 / 100);
        if (options.rules < 0)
            options.rules = options.elements * 25 / 100;
        if (options.constraints < 0)
            options.constraints = options.elements * 6 / 100;
    }
    if (options.relationsPerKind < 0)
        options.relationsPerKind = 200;
    // A class count alone shapes the tree breadth first, however deep it gets.
    if (options.classes >= 0 && !depthGiven)
        options.depth = 1 << 20;
    return options;
}

} // namespace

ModelGenerator::ModelGenerator(const Options &n_options)
    : m_generator(std::make_unique<Generator>(resolved(n_options), n_options.depth >= 0))
{
    m_generator->generate();
}

ModelGenerator::~ModelGenerator() = default;

QString ModelGenerator::currentFormat() const
{
    return m_generator->currentFormat();
}

QString ModelGenerator::olderFormat() const
{
    return m_generator->oldFormat();
}

ModelGenerator::SolveSet ModelGenerator::solveSet() const
{
    return m_generator->solveSet();
}

QString ModelGenerator::solveText(bool n_olderFormat) const
{
    return m_generator->solveText(n_olderFormat);
}

QString ModelGenerator::summary() const
{
    return m_generator->summary();
}
