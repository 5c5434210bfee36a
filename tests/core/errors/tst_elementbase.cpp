#include <QtTest>

#include <QRegularExpression>

#include "errors/BaseOstraObj.h"
#include "errors/IElementId.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/uidgenerators.h"

namespace {

// Stand-ins for the concrete element kinds, which only differ in the kind they report.
class ParameterLike : public BaseOstraObj
{
public:
    using BaseOstraObj::BaseOstraObj;
    OstraObjectType getOstraObjectType() const override { return OBJECT_TYPE_PARAMETER; }
};

class RuleLike : public BaseOstraObj
{
public:
    using BaseOstraObj::BaseOstraObj;
    OstraObjectType getOstraObjectType() const override { return OBJECT_TYPE_RULE; }
};

} // namespace

class tst_ElementBase : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void emptyIdIsRefused();
    void equalityByIdAndKind();
    void typeNames_data();
    void typeNames();
    void elementIdMixin();
    void freshIdShape();
    void renewingIdsOfAHash();
};

void tst_ElementBase::construction()
{
    const BaseOstraObj empty;
    QVERIFY(empty.getId().isEmpty());
    QCOMPARE(empty.getOstraObjectType(), OBJECT_TYPE_BASE);

    const BaseOstraObj idOnly(QStringLiteral("id-1"));
    QCOMPARE(idOnly.getId(), QStringLiteral("id-1"));
    QVERIFY(idOnly.getShortName().isEmpty() && idOnly.getGUID().isEmpty());

    // The five-text form checks nothing, an empty id included.
    const BaseOstraObj full(QStringLiteral(""), QStringLiteral("name"), QStringLiteral("about"),
                            QStringLiteral("me"), QStringLiteral("guid-1"));
    QVERIFY(full.getId().isEmpty());
    QCOMPARE(full.getShortName(), QStringLiteral("name"));
    QCOMPARE(full.getDescription(), QStringLiteral("about"));
    QCOMPARE(full.getAuthor(), QStringLiteral("me"));
    QCOMPARE(full.getGUID(), QStringLiteral("guid-1"));

    BaseOstraObj copy(BaseOstraObj(QStringLiteral("id-2"), QStringLiteral("n"), QStringLiteral("d"),
                                   QStringLiteral("a"), QStringLiteral("g")));
    QCOMPARE(copy.getId(), QStringLiteral("id-2"));
    QCOMPARE(copy.getGUID(), QStringLiteral("g"));
    copy.setShortName(QStringLiteral("n2"));
    copy.setDescription(QStringLiteral("d2"));
    copy.setAuthor(QStringLiteral("a2"));
    copy.setGUID(QStringLiteral("g2"));
    copy.setId(QStringLiteral("id-3"));
    QCOMPARE(QStringList({copy.getId(), copy.getShortName(), copy.getDescription(),
                          copy.getAuthor(), copy.getGUID()}),
             QStringList({QStringLiteral("id-3"), QStringLiteral("n2"), QStringLiteral("d2"),
                          QStringLiteral("a2"), QStringLiteral("g2")}));
}

void tst_ElementBase::emptyIdIsRefused()
{
    try {
        BaseOstraObj noId{QString()};
        QFAIL("an element was made without an id");
    } catch (const NoIdExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 520);
        QCOMPARE(e.getClassName(), QStringLiteral("BaseOstraObj"));
        QCOMPARE(e.getMethodName(), QStringLiteral("BaseOstraObj(const QString &n_Id)"));
        QVERIFY(e.getParentException().isNull());
    }

    BaseOstraObj element(QStringLiteral("keep-me"));
    try {
        element.setId(QStringLiteral(""));
        QFAIL("an empty id was accepted");
    } catch (const NoIdExceptionOstra &e) {
        QCOMPARE(e.getMethodName(), QStringLiteral("setId(const QString &n_Id)"));
    }
    QCOMPARE(element.getId(), QStringLiteral("keep-me"));
}

void tst_ElementBase::equalityByIdAndKind()
{
    const ParameterLike parameter(QStringLiteral("x"), QStringLiteral("a"), QStringLiteral(""),
                                  QStringLiteral(""), QStringLiteral(""));
    const RuleLike rule(QStringLiteral("x"), QStringLiteral("a"), QStringLiteral(""),
                        QStringLiteral(""), QStringLiteral(""));
    QVERIFY(!(parameter == rule));
    QVERIFY(parameter != rule);

    const ParameterLike renamed(QStringLiteral("x"), QStringLiteral("other"),
                                QStringLiteral("other"), QStringLiteral("other"),
                                QStringLiteral("other"));
    QVERIFY(parameter == renamed);

    const ParameterLike upper(QStringLiteral("X"), QStringLiteral("a"), QStringLiteral(""),
                              QStringLiteral(""), QStringLiteral(""));
    QVERIFY(parameter != upper);
}

void tst_ElementBase::typeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("base") << 0 << QStringLiteral("Base");
    QTest::newRow("parameter") << 1 << QStringLiteral("Parameter");
    QTest::newRow("rule") << 2 << QStringLiteral("Rule");
    QTest::newRow("relation") << 3 << QStringLiteral("Relation");
    QTest::newRow("constraint") << 4 << QStringLiteral("Constraint");
    QTest::newRow("class") << 5 << QString();
    QTest::newRow("model") << 6 << QString();
    QTest::newRow("beyond") << 7 << QString();
    QTest::newRow("negative") << -1 << QString();
}

void tst_ElementBase::typeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    const QString text = BaseOstraObj::convertOstraObjectTypeToString(
        static_cast<OstraObjectType>(type));
    QCOMPARE(text, name);
    if (name.isEmpty())
        QVERIFY(text.isEmpty());
}

void tst_ElementBase::elementIdMixin()
{
    const IElementId id(QStringLiteral("rel-1"), OBJECT_TYPE_RELATION);
    QCOMPARE(id.getElementId(), QStringLiteral("rel-1"));
    QCOMPARE(id.getElementType(), OBJECT_TYPE_RELATION);
}

void tst_ElementBase::freshIdShape()
{
    const QRegularExpression shape(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        const QString id = uidgenerators::genUid();
        QCOMPARE(id.size(), 36);
        // Hyphens at 9, 14, 19 and 24 counted from 1.
        QCOMPARE(id.at(8), QLatin1Char('-'));
        QCOMPARE(id.at(13), QLatin1Char('-'));
        QCOMPARE(id.at(18), QLatin1Char('-'));
        QCOMPARE(id.at(23), QLatin1Char('-'));
        QVERIFY2(shape.match(id).hasMatch(), qPrintable(id));
        QVERIFY(!id.contains(QLatin1Char('{')) && !id.contains(QLatin1Char('}')));
        seen.insert(id);
    }
    QCOMPARE(seen.size(), 100);
}

void tst_ElementBase::renewingIdsOfAHash()
{
    QHash<QString, QSharedPointer<ParameterLike>> hash;
    for (const QString &id : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
        hash.insert(id, QSharedPointer<ParameterLike>::create(id));
    const QList<QSharedPointer<ParameterLike>> elements = hash.values();

    // New ids, old keys: the hash was passed as a copy.
    uidgenerators::replaceUuid(hash);
    QCOMPARE(QSet<QString>(hash.keyBegin(), hash.keyEnd()),
             QSet<QString>({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    for (const auto &element : elements)
        QCOMPARE(element->getId().size(), 36);

    uidgenerators::refreshHash(hash);
    QCOMPARE(hash.size(), 3);
    for (const auto &element : elements)
        QCOMPARE(hash.value(element->getId()), element);

    // Keys that already match stay.
    const auto before = hash;
    uidgenerators::refreshHash(hash);
    QCOMPARE(hash, before);
}

QTEST_GUILESS_MAIN(tst_ElementBase)
#include "tst_elementbase.moc"
