#include "BoxRecorder.h"
#include "ProjectFixture.h"
#include "../TextTables.h"

#include "RuleWidgets/dChooseParamRule.h"
#include "WidgetAreas/wContainerProjectArea.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList listedIds(const QTreeWidget *n_tree)
{
    QStringList ids;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(n_tree)); *it; ++it)
        ids << (*it)->text(2);
    ids.sort();
    return ids;
}

// A chooser over the fixture limited to text parameters, shown as exec() would show it.
struct Chooser
{
    explicit Chooser(QVariant::Type n_type = QVariant::String)
    {
        dialog.setData(fixture.root());
        dialog.setFilterType(n_type);
        dialog.show();
    }
    QTreeWidget *tree() { return dialog.tree()->treeWidget(); }
    QTreeWidgetItem *item(const QString &n_id)
    {
        const auto found = tree()->findItems(n_id, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? nullptr : found.first();
    }
    void doubleClick(const QString &n_id)
    {
        for (QTreeWidgetItem *parent = item(n_id)->parent(); parent; parent = parent->parent())
            parent->setExpanded(true);
        tree()->scrollToItem(item(n_id));
        const QPoint at = tree()->visualItemRect(item(n_id)).center();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void click(const char *n_button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(n_button)), Qt::LeftButton);
    }

    ProjectFixture fixture;
    dChooseParamRule dialog;
};

const QString CHOOSE = QStringLiteral("Выберите параметр");

} // namespace

// The parameter chooser: what it lists, when it accepts, and what the caller reads.
class tst_dChooseParamRule : public QObject
{
    Q_OBJECT

private slots:
    void listsEveryClassButOnlyTheType();
    void confirmingWithoutParameterKeepsTheDialogOpen_data();
    void confirmingWithoutParameterKeepsTheDialogOpen();
    void doubleClickOnParameterAccepts();
    void preselectionAndCancel();
    void clearingTheFilterKeepsTheType();
    void runsThroughTheDialogSeam();
    void bothLanguages();
};

void tst_dChooseParamRule::listsEveryClassButOnlyTheType()
{
    Chooser chooser;
    QCOMPARE(listedIds(chooser.tree()),
             (QStringList{QStringLiteral("cAb"), QStringLiteral("cMid"), QStringLiteral("cYy"),
                          QStringLiteral("cZz"), QStringLiteral("p2"), QStringLiteral("root")}));
    // Null entries of an excluded list are dropped; the others are left out.
    chooser.dialog.setFilterParameters(
        {ParamPtr(), chooser.fixture.root()->getParameter(QStringLiteral("p2"))});
    QVERIFY(!chooser.item(QStringLiteral("p2")));
    QCOMPARE(chooser.dialog.size(), QSize(555, 421));
}

void tst_dChooseParamRule::confirmingWithoutParameterKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("nothing, OK") << "" << false;
    QTest::newRow("class, OK") << "cMid" << false;
    QTest::newRow("class, double-click") << "cMid" << true;
}

void tst_dChooseParamRule::confirmingWithoutParameterKeepsTheDialogOpen()
{
    QFETCH(QString, selected);
    QFETCH(bool, byDoubleClick);
    BoxRecorder boxes;
    Chooser chooser;
    QVERIFY(QTest::qWaitForWindowExposed(&chooser.dialog));
    if (byDoubleClick) {
        chooser.doubleClick(selected);
    } else {
        if (!selected.isEmpty())
            chooser.tree()->setCurrentItem(chooser.item(selected));
        chooser.click("okButton");
    }
    QCOMPARE(boxes.texts(), QStringList{CHOOSE});
    QCOMPARE(boxes.boxes().first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.boxes().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(chooser.dialog.isVisible());
    QCOMPARE(chooser.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(chooser.dialog.getChooseId(), QString());
}

void tst_dChooseParamRule::doubleClickOnParameterAccepts()
{
    BoxRecorder boxes;
    Chooser chooser;
    QVERIFY(QTest::qWaitForWindowExposed(&chooser.dialog));
    chooser.doubleClick(QStringLiteral("p2"));
    QVERIFY(boxes.boxes().isEmpty());
    QVERIFY(!chooser.dialog.isVisible());
    QCOMPARE(chooser.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.dialog.getChooseId(), QStringLiteral("p2"));
}

void tst_dChooseParamRule::preselectionAndCancel()
{
    Chooser chooser(QVariant::Double);
    QString bound = QStringLiteral("p3");
    chooser.dialog.setCurrentParameter(bound);
    QCOMPARE(chooser.dialog.getChooseId(), QStringLiteral("p3"));
    // A parameter of another type is not in the tree: nothing new is preselected.
    QString text = QStringLiteral("p2");
    chooser.dialog.setCurrentParameter(text);
    QCOMPARE(chooser.dialog.getChooseId(), QStringLiteral("p3"));
    chooser.click("cancelButton");
    QCOMPARE(chooser.dialog.result(), int(QDialog::Rejected));
    QVERIFY(!chooser.dialog.isVisible());
    // OK with the preselected parameter accepts.
    chooser.dialog.show();
    chooser.click("okButton");
    QCOMPARE(chooser.dialog.result(), int(QDialog::Accepted));
}

void tst_dChooseParamRule::clearingTheFilterKeepsTheType()
{
    Chooser chooser;
    QLineEdit *line = chooser.dialog.tree()->filterLine();
    QTest::keyClicks(line, QStringLiteral("zz"));
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QCOMPARE(listedIds(chooser.tree()).size(), 6);
    QVERIFY(!chooser.item(QStringLiteral("p4")));
}

void tst_dChooseParamRule::runsThroughTheDialogSeam()
{
    ProjectFixture fixture;
    MessageBoxes::setDialogHandler([](QDialog &n_dialog) {
        auto &chooser = static_cast<dChooseParamRule &>(n_dialog);
        QString id = QStringLiteral("p5");
        chooser.setCurrentParameter(id);
        QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("okButton")),
                          Qt::LeftButton);
        return chooser.result();
    });
    dChooseParamRule dialog;
    dialog.setData(fixture.root());
    dialog.setFilterType(QVariant::Double);
    QCOMPARE(MessageBoxes::execDialog(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.getChooseId(), QStringLiteral("p5"));
    MessageBoxes::setDialogHandler({});
}

void tst_dChooseParamRule::bothLanguages()
{
    const auto texts = [](const dChooseParamRule &n_dialog) {
        return QStringList{
            n_dialog.windowTitle(),
            n_dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->text(),
            n_dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"))->text()};
    };
    {
        InstalledCatalogue english(Catalogue::English);
        QVERIFY(english.isLoaded());
        dChooseParamRule dialog;
        QCOMPARE(texts(dialog), (QStringList{QStringLiteral("Choose parameter"),
                                             QStringLiteral("OK"), QStringLiteral("Cancel")}));
    }
    dChooseParamRule dialog;
    QCOMPARE(texts(dialog), (QStringList{QStringLiteral("Выбор параметра"), QStringLiteral("OK"),
                                         QStringLiteral("Отмена")}));
}

QTEST_MAIN(tst_dChooseParamRule)
#include "tst_dchooseparamrule.moc"
