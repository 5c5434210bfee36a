#include "BoxRecorder.h"
#include "FormGestures.h"
#include "ProjectFixture.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "WidgetAreas/wParameterArea.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/creators/ParameterCreator.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

QString ideText(int n_offset)
{
    return ErrorDictionary::Instance().getErrorById(10000 + n_offset);
}
QString typeTitle(int n_offset)
{
    return InterfaceLanguage::Instance().getTextById(2000 + n_offset);
}

// A parameter page over the fixture, driven as the workspace drives it.
struct Page
{
    // An empty id opens a page for a new parameter of n_class.
    explicit Page(const QString &n_id, const QString &n_class = QStringLiteral("cMid"),
                  bool n_colleague = true)
    {
        if (n_colleague)
            page.setColleague(&colleague);
        page.setData(fixture.root());
        page.setParent(n_id.isEmpty() ? n_class : n_id);
        if (!n_id.isEmpty())
            page.setEditData(fixture.root(), n_id);
        page.show();
    }
    template<typename T>
    T *child(const char *n_name)
    {
        return page.findChild<T *>(QLatin1String(n_name));
    }
    QComboBox *level() { return child<QComboBox>("cbLevel"); }
    QStringList levelTexts()
    {
        QStringList texts;
        for (int index = 0; index < level()->count(); ++index)
            texts << level()->itemText(index);
        return texts;
    }

    ProjectFixture fixture;
    RecordingMediator mediator;
    ParameterColleague colleague{&mediator};
    wParameterArea page;
};

} // namespace

// The parameter page alone: its lists, notices, type switch, limits, edit signals and messages.
class tst_wParameterArea : public QObject
{
    Q_OBJECT

private slots:
    void levelsAreSortedCutAndUnique_data();
    void levelsAreSortedCutAndUnique();
    void titlesAreCut_data();
    void titlesAreCut();
    void noticesOfOtherPages();
    void switchToNumberClearsWhatDoesNotRead_data();
    void switchToNumberClearsWhatDoesNotRead();
    void otherTypesShowNoEntryAndStayAsStored_data();
    void otherTypesShowNoEntryAndStayAsStored();
    void untouchedNumberKeepsEveryDigit_data();
    void untouchedNumberKeepsEveryDigit();
    void descriptionLimitAndEditSignals();
    void emptyNameGoesToPaneOrBox_data();
    void emptyNameGoesToPaneOrBox();
    void linksWithoutNamesOrRelation();
    void goneOrOwnerlessParameter();
    void creatorMakesAFreshPageEachTime();
};

void tst_wParameterArea::levelsAreSortedCutAndUnique_data()
{
    QTest::addColumn<QString>("midName");
    QTest::addColumn<QStringList>("texts");
    const QString fifty(50, QLatin1Char('m'));
    QTest::newRow("50 characters whole")
        << fifty
        << QStringList{QStringLiteral("Ab"), QStringLiteral("Root"), QStringLiteral("Yy"),
                       QStringLiteral("Zz"), fifty};
    QTest::newRow("51 characters cut")
        << fifty + QLatin1Char('m')
        << QStringList{QStringLiteral("Ab"), QStringLiteral("Root"), QStringLiteral("Yy"),
                       QStringLiteral("Zz"), fifty + QStringLiteral("...")};
    // Two classes of one name stand side by side; upper case sorts first.
    QTest::newRow("shared name") << QStringLiteral("Ab")
                                 << QStringList{QStringLiteral("Ab"), QStringLiteral("Ab"),
                                                QStringLiteral("Root"), QStringLiteral("Yy"),
                                                QStringLiteral("Zz")};
}

void tst_wParameterArea::levelsAreSortedCutAndUnique()
{
    QFETCH(QString, midName);
    QFETCH(QStringList, texts);
    Page page(QStringLiteral("p3"));
    page.fixture.root()->getClassById(QStringLiteral("cMid"))->setShortName(midName);
    page.page.setData(page.fixture.root());
    QCOMPARE(page.levelTexts(), texts);
    const int mid = page.level()->findData(QStringLiteral("cMid"));
    QCOMPARE(page.level()->itemData(mid, Qt::ToolTipRole).toString(), midName);
    QCOMPARE(page.level()->findData(QStringLiteral("cAb")) >= 0, true);
}

void tst_wParameterArea::titlesAreCut_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("title");
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    QTest::newRow("15") << 15 << letters.left(15);
    QTest::newRow("16") << 16 << letters.left(15) + QStringLiteral("...");
}

void tst_wParameterArea::titlesAreCut()
{
    QFETCH(int, length);
    QFETCH(QString, title);
    const QString name = QStringLiteral("abcdefghijklmnopqrstuvwxyz").left(length);
    Page opened(QStringLiteral("p3"));
    opened.fixture.root()->getParameter(QStringLiteral("p3"))->setShortName(name);
    opened.page.setEditData(opened.fixture.root(), QStringLiteral("p3"));
    QCOMPARE(opened.page.windowTitle(), title);
    Page fresh{QString()};
    QTest::keyClicks(fresh.child<QLineEdit>("leName"), name);
    QVERIFY(fresh.page.save());
    QCOMPARE(fresh.page.windowTitle(), title);
}

void tst_wParameterArea::noticesOfOtherPages()
{
    Page page(QStringLiteral("p3"));
    QSignalSpy edits(&page.page, &wParameterArea::changeDataWidget);
    // A saved class shows its page's title.
    CommandItem renamed(UPDATE, CLASS_WINDOW, QStringLiteral("cZz"), QStringLiteral("root"),
                        QStringLiteral("Zeta"));
    QVERIFY(page.page.updateItem(&renamed));
    const int zz = page.level()->findData(QStringLiteral("cZz"));
    QCOMPARE(page.level()->itemText(zz), QStringLiteral("Zeta"));
    QCOMPARE(page.level()->itemData(zz, Qt::ToolTipRole).toString(), QStringLiteral("Zeta"));
    // A class made after the page was opened comes in at its sorted place, from the model.
    page.fixture.root_->addClass(makeClass(
        QStringLiteral("cAa"), page.fixture.root()->getRelationsStorage(), QStringLiteral("Aa")));
    CommandItem made(UPDATE, CLASS_WINDOW, QStringLiteral("cAa"), QStringLiteral("root"),
                     QStringLiteral("Title"));
    page.page.updateItem(&made);
    QCOMPARE(page.level()->findData(QStringLiteral("cAa")), 0);
    QCOMPARE(page.level()->itemText(0), QStringLiteral("Aa"));
    // Parameter commands and creations change no entry.
    const QStringList before = page.levelTexts();
    CommandItem parameter(UPDATE, PARAMETER_WINDOW, QStringLiteral("p1"), QStringLiteral("cAb"),
                          QStringLiteral("Other"));
    page.page.updateItem(&parameter);
    page.page.createItem(&made);
    QCOMPARE(page.levelTexts(), before);
    QCOMPARE(page.level()->currentData().toString(), QStringLiteral("cMid"));
    QCOMPARE(edits.count(), 0);
    // A renamed class moves to its sorted place; the chosen level stays chosen, no edit.
    CommandItem moved(UPDATE, CLASS_WINDOW, QStringLiteral("cAb"), QStringLiteral("root"),
                      QStringLiteral("Zulu"));
    page.page.updateItem(&moved);
    QCOMPARE(page.level()->findData(QStringLiteral("cAb")), page.level()->count() - 1);
    QCOMPARE(page.level()->itemText(page.level()->count() - 1), QStringLiteral("Zulu"));
    QCOMPARE(page.level()->currentData().toString(), QStringLiteral("cMid"));
    QCOMPARE(edits.count(), 0);
    // A deleted class leaves the list; deleting the chosen one chooses another, an edit.
    CommandItem deleted(DELETE, CLASS_WINDOW, QStringLiteral("cMid"));
    QVERIFY(page.page.deleteItem(&deleted));
    QCOMPARE(page.level()->findData(QStringLiteral("cMid")), -1);
    QCOMPARE(edits.count(), 1);
}

void tst_wParameterArea::switchToNumberClearsWhatDoesNotRead_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letters") << "abc"
                             << "";
    QTest::newRow("number") << "2.5"
                            << "2.5";
    QTest::newRow("blanks") << "  "
                            << "  ";
    // Read as the save reads them.
    QTest::newRow("decimal comma") << "3,5"
                                   << "3,5";
    QTest::newRow("infinity") << "inf"
                              << "";
}

void tst_wParameterArea::switchToNumberClearsWhatDoesNotRead()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Page page(QStringLiteral("p2"));
    auto *value = page.child<QLineEdit>("leValue");
    QVERIFY(!value->validator());
    value->clear();
    QTest::keyClicks(value, typed);
    page.child<QComboBox>("cbDataType")->setCurrentText(typeTitle(6));
    QCOMPARE(value->text(), kept);
    QVERIFY(value->validator());
    page.child<QComboBox>("cbDataType")->setCurrentText(typeTitle(7));
    QVERIFY(!value->validator());
}

void tst_wParameterArea::otherTypesShowNoEntryAndStayAsStored_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QVariant>("converted");
    QTest::newRow("boolean, made a number") << QVariant(true) << 6 << QVariant(7.0);
    QTest::newRow("integer, made a text") << QVariant(7) << 7 << QVariant(QStringLiteral("7"));
    QTest::newRow("list, made a number") << QVariant(QVariantList{1.5, 2.5}) << 6 << QVariant(7.0);
    QTest::newRow("string list, made a text")
        << QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b")}) << 7
        << QVariant(QStringLiteral("7"));
}

void tst_wParameterArea::otherTypesShowNoEntryAndStayAsStored()
{
    QFETCH(QVariant, stored);
    QFETCH(int, chosen);
    QFETCH(QVariant, converted);
    Page page(QStringLiteral("p4"));
    const ParamPtr zz = page.fixture.root()->getParameter(QStringLiteral("p4"));
    zz->setValueType(stored.type());
    zz->setDefaultValue(stored);
    page.page.setEditData(page.fixture.root(), QStringLiteral("p4"));
    auto *type = page.child<QComboBox>("cbDataType");
    auto *value = page.child<QLineEdit>("leValue");
    QCOMPARE(type->currentIndex(), -1);
    QCOMPARE(type->count(), 2);
    QTest::keyClicks(value, QStringLiteral("5"));
    QCOMPARE(value->text(), QString());
    QVERIFY(page.page.save());
    QCOMPARE(zz->getValueType(), stored.type());
    QCOMPARE(zz->getDefaultValue(), stored);
    // Choosing a type converts the parameter: the field takes typing again.
    QVERIFY(chooseByKeys(type, typeTitle(chosen)));
    QTest::keyClicks(value, QStringLiteral("7"));
    QVERIFY(page.page.save());
    QCOMPARE(zz->getValueType(), converted.type());
    QCOMPARE(zz->getDefaultValue(), converted);
}

void tst_wParameterArea::untouchedNumberKeepsEveryDigit_data()
{
    QTest::addColumn<double>("stored");
    QTest::newRow("pi") << 3.141592653589793;
    QTest::newRow("19 digits") << 1234567890123456789.0;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2;
    // A hand-edited file may hold one; left untouched it is not refused as text.
    QTest::newRow("infinity") << qInf();
}

void tst_wParameterArea::untouchedNumberKeepsEveryDigit()
{
    QFETCH(double, stored);
    Page page(QStringLiteral("p3"));
    const ParamPtr cd = page.fixture.root()->getParameter(QStringLiteral("p3"));
    cd->setDefaultValue(stored);
    page.page.setEditData(page.fixture.root(), QStringLiteral("p3"));
    auto *value = page.child<QLineEdit>("leValue");
    QCOMPARE(value->text(), QString::number(stored, 'g', 15));
    // Compared as 17 digits: a double comparison would forgive the last ones.
    const auto digits = [&cd] {
        return QString::number(cd->getDefaultValue().toDouble(), 'g', 17);
    };
    QVERIFY(page.page.save());
    QCOMPARE(digits(), QString::number(stored, 'g', 17));
    // A type changed and changed back is no change (infinity does not read as a typed number).
    auto *type = page.child<QComboBox>("cbDataType");
    if (qIsFinite(stored)) {
        QVERIFY(chooseByKeys(type, typeTitle(7)));
        QVERIFY(chooseByKeys(type, typeTitle(6)));
        QVERIFY(page.page.save());
        QCOMPARE(digits(), QString::number(stored, 'g', 17));
    }
    // A value typed is read from its text.
    retype(value, QStringLiteral("2.5"));
    QVERIFY(page.page.save());
    QCOMPARE(digits(), QStringLiteral("2.5"));
}

void tst_wParameterArea::descriptionLimitAndEditSignals()
{
    Page fresh{QString()};
    QSignalSpy freshEdits(&fresh.page, &wParameterArea::changeDataWidget);
    QTest::keyClicks(fresh.child<QLineEdit>("leName"), QStringLiteral("Unique"));
    QCOMPARE(freshEdits.count(), 0);
    QVERIFY(fresh.page.save());
    QTest::keyClicks(fresh.child<QLineEdit>("leName"), QStringLiteral("2"));
    QCOMPARE(freshEdits.count(), 1);

    Page page(QStringLiteral("p3"));
    QSignalSpy edits(&page.page, &wParameterArea::changeDataWidget);
    page.page.retranslateUI();
    QCOMPARE(edits.count(), 0);
    auto *description = page.child<QTextEdit>("teDescription");
    QApplication::clipboard()->setText(QString(6000, QLatin1Char('d')));
    description->setFocus();
    QTest::keyClick(description, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(description->toPlainText().size(), wParameterArea::DESCRIPTION_LIMIT);
    QCOMPARE(description->textCursor().position(), wParameterArea::DESCRIPTION_LIMIT);
    QVERIFY(edits.count() > 0);
    QCOMPARE(page.child<QLineEdit>("leName")->maxLength(), wParameterArea::NAME_LIMIT);
}

void tst_wParameterArea::emptyNameGoesToPaneOrBox_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("colleague");
    QTest::newRow("new, pane") << "" << true;
    QTest::newRow("new, box") << "" << false;
    QTest::newRow("existing, pane") << "p3" << true;
    QTest::newRow("existing, box") << "p3" << false;
}

void tst_wParameterArea::emptyNameGoesToPaneOrBox()
{
    QFETCH(QString, id);
    QFETCH(bool, colleague);
    BoxRecorder boxes;
    Page page(id, QStringLiteral("cMid"), colleague);
    const int parameters = page.fixture.root()->getParametersHash().size();
    page.child<QLineEdit>("leName")->setText(QStringLiteral("  "));
    QVERIFY(!page.page.save());
    QCOMPARE(page.fixture.root()->getParametersHash().size(), parameters);
    QCOMPARE(page.fixture.root()->getParameter(QStringLiteral("p3"))->getShortName(),
             QStringLiteral("cd"));
    if (colleague) {
        QCOMPARE(page.mediator.errors, QStringList{ideText(170)});
        QVERIFY(boxes.boxes().isEmpty());
    } else {
        QCOMPARE(boxes.texts(), QStringList{ideText(170)});
        QCOMPARE(boxes.boxes().first().title, ideText(1));
        QCOMPARE(boxes.boxes().first().icon, QMessageBox::Critical);
    }
}

void tst_wParameterArea::linksWithoutNamesOrRelation()
{
    ProjectFixture fixture;
    const ParamPtr cd = fixture.root()->getParameter(QStringLiteral("p3"));
    // A rule computing cd without relation or name, one reading it on a relation without name.
    RulePtr loose;
    {
        // Its relation is gone once this block ends.
        const auto gone = QSharedPointer<RelationModel>::create(QStringLiteral("gone"),
                                                                QStringLiteral("b = 1;"), nullptr);
        gone->addOutputParametersTypes(variables({QStringLiteral("b")}));
        loose = makeRule(QStringLiteral("loose"), gone, {}, {{QStringLiteral("b"), cd}});
    }
    loose->setShortName(QString(QLatin1String("")));
    loose->setDescription(QStringLiteral("about the loose rule"));
    const RelPtr unnamed = makeRelation(
        fixture.root()->getRelationsStorage(), QStringLiteral("rel"), QStringLiteral("b = a;"),
        QStringList{QStringLiteral("a")}, QStringList{QStringLiteral("b")},
        RelationModel::RELATION_SIMPLE, QString(QLatin1String("")));
    const RulePtr reader = makeRule(QStringLiteral("reader"), unnamed, {{QStringLiteral("a"), cd}});
    wParameterArea page;
    page.setData(fixture.root());
    page.setParent(QStringLiteral("p3"));
    page.setEditData(fixture.root(), QStringLiteral("p3"));
    auto *rules = page.findChild<QTableWidget *>(QStringLiteral("twLinkRules"));
    QCOMPARE(rules->rowCount(), 2);
    QCOMPARE(rules->item(0, 0)->text(), QStringLiteral("about the loose rule"));
    QCOMPARE(rules->item(0, 1)->text(), QString());
    QCOMPARE(rules->item(1, 0)->text(), QStringLiteral("reader"));
    QCOMPARE(rules->item(1, 1)->text(), QStringLiteral("b = a;"));
    page.removeRule(loose);
    QCOMPARE(rules->rowCount(), 1);
    QCOMPARE(rules->item(0, 2)->text(), QStringLiteral("reader"));
    // Double-clicking a row changes nothing.
    emit rules->itemDoubleClicked(rules->item(0, 0));
    QCOMPARE(rules->rowCount(), 1);
}

void tst_wParameterArea::goneOrOwnerlessParameter()
{
    // A parameter the model knows but no class owns: opening it is no failure.
    Page page(QStringLiteral("p3"));
    const ParamPtr loose = makeParameter(QStringLiteral("loose"));
    page.fixture.root()->addParameterToAll(loose);
    page.page.setParent(QStringLiteral("loose"));
    QCOMPARE(page.page.getParent(), QStringLiteral("cMid"));
    // A page whose parameter left the model refuses to save and writes nothing.
    const ParamPtr cd = page.fixture.root()->getParameter(QStringLiteral("p3"));
    cd->getParent()->deleteParameterFromClass(cd, true);
    page.child<QLineEdit>("leName")->setText(QStringLiteral("back"));
    QVERIFY(!page.page.save());
    QCOMPARE(page.mediator.errors, QStringList{ErrorDictionary::Instance().getErrorById(511)});
    QVERIFY(!page.fixture.root()->parametersContains(QStringLiteral("p3")));
    QCOMPARE(cd->getShortName(), QStringLiteral("cd"));
    page.page.updateView();
    QCOMPARE(page.child<QTableWidget>("twLinkRules")->rowCount(), 0);
    QCOMPARE(page.child<QTableWidget>("twLinkConstraint")->rowCount(), 0);
}

void tst_wParameterArea::creatorMakesAFreshPageEachTime()
{
    const ParameterCreator creator;
    std::unique_ptr<WidgetWrapper> first(creator.create());
    std::unique_ptr<WidgetWrapper> second(creator.create());
    QCOMPARE(first->getTypeWorkWindow(), WORKSPACE_TAB);
    QCOMPARE(first->getTypeWorkSpaceWindow(), PARAMETER_WINDOW);
    QVERIFY(qobject_cast<wParameterArea *>(first->getWidget()));
    QVERIFY(!first->getWidget()->parentWidget());
    QVERIFY(first->getWidget() != second->getWidget());
}

QTEST_MAIN(tst_wParameterArea)
#include "tst_wparameterarea.moc"
