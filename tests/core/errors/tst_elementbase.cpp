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

    const BaseOstraObj idOnly("id-1");
    QCOMPARE(idOnly.getId(), QString("id-1"));
    QVERIFY(idOnly.getShortName().isEmpty() && idOnly.getGUID().isEmpty());

    // The five-text form checks nothing, an empty id included.
    const BaseOstraObj full("", "name", "about", "me", "guid-1");
    QVERIFY(full.getId().isEmpty());
    QCOMPARE(full.getShortName(), QString("name"));
    QCOMPARE(full.getDescription(), QString("about"));
    QCOMPARE(full.getAuthor(), QString("me"));
    QCOMPARE(full.getGUID(), QString("guid-1"));

    BaseOstraObj copy(BaseOstraObj("id-2", "n", "d", "a", "g"));
    QCOMPARE(copy.getId(), QString("id-2"));
    QCOMPARE(copy.getGUID(), QString("g"));
    copy.setShortName("n2");
    copy.setDescription("d2");
    copy.setAuthor("a2");
    copy.setGUID("g2");
    copy.setId("id-3");
    QCOMPARE(QStringList({copy.getId(), copy.getShortName(), copy.getDescription(), copy.getAuthor(),
                          copy.getGUID()}),
             QStringList({"id-3", "n2", "d2", "a2", "g2"}));
}

void tst_ElementBase::emptyIdIsRefused()
{
    try {
        BaseOstraObj noId{QString()};
        QFAIL("an element was made without an id");
    } catch (const NoIdExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 520);
        QCOMPARE(e.getClassName(), QString("BaseOstraObj"));
        QCOMPARE(e.getMethodName(), QString("BaseOstraObj(const QString &n_Id)"));
        QVERIFY(e.getParentException().isNull());
    }

    BaseOstraObj element("keep-me");
    try {
        element.setId("");
        QFAIL("an empty id was accepted");
    } catch (const NoIdExceptionOstra &e) {
        QCOMPARE(e.getMethodName(), QString("setId(const QString &n_Id)"));
    }
    QCOMPARE(element.getId(), QString("keep-me"));
}

void tst_ElementBase::equalityByIdAndKind()
{
    const ParameterLike parameter("x", "a", "", "", "");
    const RuleLike rule("x", "a", "", "", "");
    QVERIFY(!(parameter == rule));
    QVERIFY(parameter != rule);

    const ParameterLike renamed("x", "other", "other", "other", "other");
    QVERIFY(parameter == renamed);

    const ParameterLike upper("X", "a", "", "", "");
    QVERIFY(parameter != upper);
}

void tst_ElementBase::typeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("base") << 0 << "Base";
    QTest::newRow("parameter") << 1 << "Parameter";
    QTest::newRow("rule") << 2 << "Rule";
    QTest::newRow("relation") << 3 << "Relation";
    QTest::newRow("constraint") << 4 << "Constraint";
    QTest::newRow("class") << 5 << QString();
    QTest::newRow("model") << 6 << QString();
    QTest::newRow("beyond") << 7 << QString();
    QTest::newRow("negative") << -1 << QString();
}

void tst_ElementBase::typeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    const QString text = BaseOstraObj::convertOstraObjectTypeToString(static_cast<OstraObjectType>(type));
    QCOMPARE(text, name);
    if (name.isEmpty())
        QVERIFY(text.isEmpty());
}

void tst_ElementBase::elementIdMixin()
{
    const IElementId id("rel-1", OBJECT_TYPE_RELATION);
    QCOMPARE(id.getElementId(), QString("rel-1"));
    QCOMPARE(id.getElementType(), OBJECT_TYPE_RELATION);
}

void tst_ElementBase::freshIdShape()
{
    const QRegularExpression shape("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$");
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        const QString id = uidgenerators::genUid();
        QCOMPARE(id.size(), 36);
        // Hyphens at 9, 14, 19 and 24 counted from 1.
        QCOMPARE(id.at(8), QChar('-'));
        QCOMPARE(id.at(13), QChar('-'));
        QCOMPARE(id.at(18), QChar('-'));
        QCOMPARE(id.at(23), QChar('-'));
        QVERIFY2(shape.match(id).hasMatch(), qPrintable(id));
        QVERIFY(!id.contains('{') && !id.contains('}'));
        seen.insert(id);
    }
    QCOMPARE(seen.size(), 100);
}

void tst_ElementBase::renewingIdsOfAHash()
{
    QHash<QString, QSharedPointer<ParameterLike>> hash;
    for (const QString &id : {QString("a"), QString("b"), QString("c")})
        hash.insert(id, QSharedPointer<ParameterLike>::create(id));
    const QList<QSharedPointer<ParameterLike>> elements = hash.values();

    // New ids, old keys: the hash was passed as a copy.
    uidgenerators::replaceUuid(hash);
    QCOMPARE(QSet<QString>(hash.keyBegin(), hash.keyEnd()), QSet<QString>({"a", "b", "c"}));
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
