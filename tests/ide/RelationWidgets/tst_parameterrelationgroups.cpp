#include "../TextTables.h"

#include "PrimitiveWidgets/wLineEdit.h"
#include "RelationWidgets/wParameterRelationGroups.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "Utf8Strings.h"

namespace {

QTableWidget *tableOf(wParameterRelationGroups &n_groups)
{
    return n_groups.findChild<QTableWidget *>(QStringLiteral("twParameters"));
}

QLineEdit *nameField(wParameterRelationGroups &n_groups, int n_row)
{
    return qobject_cast<QLineEdit *>(tableOf(n_groups)->cellWidget(n_row, 0));
}

QComboBox *typeList(wParameterRelationGroups &n_groups, int n_row)
{
    return qobject_cast<QComboBox *>(tableOf(n_groups)->cellWidget(n_row, 1));
}

QPushButton *button(wParameterRelationGroups &n_groups, const char *n_name)
{
    return n_groups.findChild<QPushButton *>(QLatin1String(n_name));
}

// Selects a row as a user does, by its row header.
void clickRowHeader(wParameterRelationGroups &n_groups, int n_row)
{
    QHeaderView *header = tableOf(n_groups)->verticalHeader();
    const QPoint point(header->width() / 2,
                       header->sectionViewportPosition(n_row) + header->sectionSize(n_row) / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

QStringList shownTypes(wParameterRelationGroups &n_groups)
{
    QStringList types;
    for (int row = 0; row < tableOf(n_groups)->rowCount(); ++row)
        types.append(typeList(n_groups, row)->currentText());
    return types;
}

} // namespace

// The relation's variable table and the focus-reporting line edit, driven as a user drives them.
class tst_ParameterRelationGroups : public QObject
{
    Q_OBJECT

private slots:
    void textsInBothLanguages_data();
    void textsInBothLanguages();
    void setParamsShowsTypesAndMarksChanged();
    void removingEveryRowKeepsStoredNamesAndTypes();
    void typedNamesAndTypesAreReadBack();
    void readOnlyHidesButtonsAndLocksNewNames();
    void removeWithoutCurrentRowOnlyMarksChanged();
    void rowsBeyondStoredNamesAreNotRead();
    void lineEditReportsFocus();
};

void tst_ParameterRelationGroups::textsInBothLanguages_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("russian") << Catalogue::Russian
                             << strings({"Наименование", "Тип", "Число", "Текст", "Параметры",
                                         "Добавить", "Удалить"});
    QTest::newRow("english") << Catalogue::English
                             << strings({"Name", "Type", "Number", "Text", "Parameters", "Add",
                                         "Delete"});
}

void tst_ParameterRelationGroups::textsInBothLanguages()
{
    QFETCH(Catalogue, catalogue);
    QFETCH(QStringList, texts);
    InstalledCatalogue installed(catalogue);
    QVERIFY(installed.isLoaded());
    wParameterRelationGroups groups;
    groups.setParams({QStringLiteral("x"), QStringLiteral("s")},
                     {{QStringLiteral("s"), QVariant::String}});
    QTableWidget *table = tableOf(groups);
    QCOMPARE(
        (QStringList{table->horizontalHeaderItem(0)->text(), table->horizontalHeaderItem(1)->text(),
                     typeList(groups, 0)->currentText(), typeList(groups, 1)->currentText(),
                     groups.findChild<QLabel *>(QStringLiteral("lbTitle"))->text(),
                     button(groups, "btnAddParameter")->text(),
                     button(groups, "btnRemoveParameter")->text()}),
        texts);
}

void tst_ParameterRelationGroups::setParamsShowsTypesAndMarksChanged()
{
    wParameterRelationGroups groups;
    QVERIFY(!groups.getIsChanged());
    groups.setParams(
        {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")},
        {{QStringLiteral("y"), QVariant::String}, {QStringLiteral("z"), QVariant::Int}});
    QCOMPARE(shownTypes(groups), (strings({"Число", "Текст", "Число"})));
    QCOMPARE(nameField(groups, 1)->text(), QStringLiteral("y"));
    // The entries carry null values of their types.
    QCOMPARE(typeList(groups, 0)->itemData(0), QVariant(QVariant::Double));
    QCOMPARE(typeList(groups, 0)->itemData(1), QVariant(QVariant::String));
    QVERIFY(groups.getIsChanged());
    groups.setIsChanged(false);
    QVERIFY(!groups.getIsChanged());
    QCOMPARE(groups.getParams(), (QList<QString>(strings({"x", "y", "z"}))));
    const QHash<QString, QVariant::Type> types{{QStringLiteral("x"), QVariant::Double},
                                               {QStringLiteral("y"), QVariant::String},
                                               {QStringLiteral("z"), QVariant::Double}};
    QCOMPARE(groups.getTypes(), types);
}

void tst_ParameterRelationGroups::removingEveryRowKeepsStoredNamesAndTypes()
{
    wParameterRelationGroups groups;
    groups.show();
    const QHash<QString, QVariant::Type> stored{{QStringLiteral("a"), QVariant::String}};
    groups.setParams({QStringLiteral("a"), QStringLiteral("b")}, stored);
    groups.setIsChanged(false);
    for (int row = 1; row >= 0; --row) {
        clickRowHeader(groups, row);
        QTest::mouseClick(button(groups, "btnRemoveParameter"), Qt::LeftButton);
    }
    QCOMPARE(tableOf(groups)->rowCount(), 0);
    QVERIFY(groups.getIsChanged());
    QCOMPARE(groups.getParams(), (QList<QString>(strings({"a", "b"}))));
    QCOMPARE(groups.getTypes(), stored);
}

void tst_ParameterRelationGroups::typedNamesAndTypesAreReadBack()
{
    wParameterRelationGroups groups;
    groups.show();
    QTest::mouseClick(button(groups, "btnAddParameter"), Qt::LeftButton);
    QTest::mouseClick(button(groups, "btnAddParameter"), Qt::LeftButton);
    QVERIFY(!groups.getIsChanged());
    QTest::keyClicks(nameField(groups, 0), QStringLiteral(" a "));
    QVERIFY(groups.getIsChanged());
    QTest::keyClicks(nameField(groups, 1), QStringLiteral("t"));
    typeList(groups, 1)->setFocus();
    QTest::keyClick(typeList(groups, 1), Qt::Key_Down);
    QCOMPARE(groups.getParams(), (QList<QString>(strings({" a ", "t"}))));
    const QHash<QString, QVariant::Type> types{{QStringLiteral(" a "), QVariant::Double},
                                               {QStringLiteral("t"), QVariant::String}};
    QCOMPARE(groups.getTypes(), types);
    // Trimmed names with the text form of the null values.
    QCOMPARE(groups.getAllCells(), (QList<QString>(strings({"a", "0", "t", ""}))));
}

void tst_ParameterRelationGroups::readOnlyHidesButtonsAndLocksNewNames()
{
    wParameterRelationGroups groups;
    groups.show();
    groups.setReadOnlyLineEdit(true);
    QVERIFY(!button(groups, "btnAddParameter")->isVisible());
    QVERIFY(!button(groups, "btnRemoveParameter")->isVisible());
    groups.setParams({QStringLiteral("x")}, {});
    groups.setIsChanged(false);
    QTest::keyClicks(nameField(groups, 0), QStringLiteral("zz"));
    QCOMPARE(nameField(groups, 0)->text(), QStringLiteral("x"));
    QVERIFY(!groups.getIsChanged());
    // The type stays the user's choice.
    typeList(groups, 0)->setFocus();
    QTest::keyClick(typeList(groups, 0), Qt::Key_Down);
    QCOMPARE(typeList(groups, 0)->currentText(), QStringLiteral("Текст"));
    QVERIFY(groups.getIsChanged());
    groups.setReadOnlyLineEdit(false);
    QVERIFY(button(groups, "btnAddParameter")->isVisible());
}

void tst_ParameterRelationGroups::removeWithoutCurrentRowOnlyMarksChanged()
{
    wParameterRelationGroups groups;
    groups.show();
    groups.setParams({QStringLiteral("x")}, {});
    groups.setIsChanged(false);
    tableOf(groups)->setCurrentCell(-1, -1);
    QTest::mouseClick(button(groups, "btnRemoveParameter"), Qt::LeftButton);
    QCOMPARE(tableOf(groups)->rowCount(), 1);
    QVERIFY(groups.getIsChanged());
}

void tst_ParameterRelationGroups::rowsBeyondStoredNamesAreNotRead()
{
    wParameterRelationGroups groups;
    groups.show();
    groups.setParams({QStringLiteral("x")}, {});
    QTest::mouseClick(button(groups, "btnAddParameter"), Qt::LeftButton);
    QTest::keyClicks(nameField(groups, 1), QStringLiteral("extra"));
    const QHash<QString, QVariant::Type> types{{QStringLiteral("x"), QVariant::Double}};
    QCOMPARE(groups.getTypes(), types);
}

void tst_ParameterRelationGroups::lineEditReportsFocus()
{
    QWidget window;
    auto *first = new wLineEdit(&window);
    auto *second = new wLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy got(second, &wLineEdit::gotFocus);
    QSignalSpy lost(first, &wLineEdit::lostFocus);
    first->setFocus();
    QVERIFY(first->isFocused());
    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(second->isFocused());
    QVERIFY(!first->isFocused());
    QCOMPARE(got.count(), 1);
    QCOMPARE(lost.count(), 1);
}

QTEST_MAIN(tst_ParameterRelationGroups)
#include "tst_parameterrelationgroups.moc"
