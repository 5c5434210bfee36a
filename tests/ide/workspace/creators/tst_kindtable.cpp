#include "model/OstraModel.h"
#include "workspace/colleagues/ClassColleague.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/creators/BaseWorkSpaceCreator.h"
#include "workspace/creators/KindTable.h"
#include "workspace/creators/ObjectFactory.h"
#include "workspace/mediators/MainMediator.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QApplication>
#include <QtTest>

#include <memory>
#include <stdexcept>

Q_DECLARE_METATYPE(TypeWorkSpaceWindow)

namespace {

// The standard rows of the kinds given, in that order.
std::vector<KindTable::Row> rowsOf(std::initializer_list<TypeWorkSpaceWindow> n_kinds)
{
    std::vector<KindTable::Row> rows;
    for (TypeWorkSpaceWindow kind : n_kinds)
        rows.push_back(*KindTable::standard().row(kind));
    return rows;
}

// The text of what building a table of those rows throws; empty when it builds.
QString refusal(std::vector<KindTable::Row> n_rows)
{
    try {
        KindTable table(std::move(n_rows));
    } catch (const std::invalid_argument &e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

} // namespace

// The table of page kinds: a row for every kind with an editor page, built only when whole.
class tst_KindTable : public QObject
{
    Q_OBJECT

private slots:
    void everyKindWithAPageHasARowThatMakesIt_data();
    void everyKindWithAPageHasARowThatMakesIt();
    void aKindTwiceIsRefusedByName_data();
    void aKindTwiceIsRefusedByName();
    void aMissingRowIsRefusedByName_data();
    void aMissingRowIsRefusedByName();
    void saveAllOrderComesFromTheRows();
    void aColleagueOfAnotherKindIsRefused();
};

void tst_KindTable::everyKindWithAPageHasARowThatMakesIt_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    for (TypeWorkSpaceWindow kind : PAGE_KINDS)
        QTest::newRow(QByteArray::number(kind).constData()) << kind;
}

void tst_KindTable::everyKindWithAPageHasARowThatMakesIt()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    const KindTable::Row *row = KindTable::standard().row(kind);
    QVERIFY(row);
    QCOMPARE(row->kind, kind);
    QVERIFY(row->creator);
    const std::unique_ptr<WidgetWrapper> wrapper(row->creator->create());
    QCOMPARE(wrapper->getTypeWorkSpaceWindow(), kind);
    QCOMPARE(wrapper->getTypeWorkWindow(), WORKSPACE_TAB);
    QVERIFY(wrapper->getWidget());
}

void tst_KindTable::aKindTwiceIsRefusedByName_data()
{
    QTest::addColumn<int>("twice");
    QTest::newRow("class, first and last") << 0;
    QTest::newRow("relation, side by side") << 3;
    QTest::newRow("class test") << 5;
}

void tst_KindTable::aKindTwiceIsRefusedByName()
{
    QFETCH(int, twice);
    const auto kind = TypeWorkSpaceWindow(twice);
    std::vector<KindTable::Row> rows = rowsOf(
        {CLASS_WINDOW, PARAMETER_WINDOW, RELATION_WINDOW, RULE_WINDOW, TEST_CLASS_WINDOW});
    rows.push_back(*KindTable::standard().row(kind));
    const QString text = refusal(rows);
    QVERIFY2(text.contains(QStringLiteral("page kind %1 has two rows").arg(twice)),
             qPrintable(text));
}

void tst_KindTable::aMissingRowIsRefusedByName_data()
{
    everyKindWithAPageHasARowThatMakesIt_data();
}

void tst_KindTable::aMissingRowIsRefusedByName()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    std::vector<KindTable::Row> rows;
    for (TypeWorkSpaceWindow other : PAGE_KINDS)
        if (other != kind)
            rows.push_back(*KindTable::standard().row(other));
    const QString text = refusal(rows);
    QVERIFY2(text.contains(QStringLiteral("page kind %1 has an editor page").arg(kind)),
             qPrintable(text));

    // A row without a creator counts as none.
    rows.push_back(*KindTable::standard().row(kind));
    rows.back().creator = nullptr;
    QVERIFY(refusal(rows).contains(QStringLiteral("page kind %1 ").arg(kind)));
    rows.back() = *KindTable::standard().row(kind);
    QCOMPARE(refusal(rows), QString());
}

void tst_KindTable::saveAllOrderComesFromTheRows()
{
    QCOMPARE(
        KindTable::standard().saveOrder(),
        (QList<TypeWorkSpaceWindow>{PARAMETER_WINDOW, CLASS_WINDOW, RELATION_WINDOW, RULE_WINDOW}));
}

void tst_KindTable::aColleagueOfAnotherKindIsRefused()
{
    OstraModel model;
    MainMediator mediator;
    ClassColleague classColleague(&mediator);
    ObjectFactory factory;
    factory.setColleauges({{RULE_WINDOW, &classColleague}});
    const int widgets = QApplication::allWidgets().size();
    QVERIFY_EXCEPTION_THROWN(factory.create(RULE_WINDOW, QStringLiteral("NoName")),
                             std::logic_error);
    // The page made before the refusal went with its wrapper.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::allWidgets().size(), widgets);

    RuleColleague ruleColleague(&mediator);
    factory.setColleauges({{RULE_WINDOW, &ruleColleague}});
    const std::unique_ptr<WidgetWrapper> rule(
        factory.create(RULE_WINDOW, QStringLiteral("NoName")));
    QCOMPARE(ruleColleague.getRuleWidget(), rule->getWidget());
}

QTEST_MAIN(tst_KindTable)
#include "tst_kindtable.moc"
