#include "BoxRecorder.h"
#include "ProjectFixture.h"
#include "../TextTables.h"

#include "Errors/ErrorDictionary.h"
#include "WidgetAreas/wClassArea.h"
#include "workspace/colleagues/ClassColleague.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

namespace {

QString ideText(int n_offset)
{
    return ErrorDictionary::Instance().getErrorById(10000 + n_offset);
}
QString clashText()
{
    return ErrorDictionary::Instance().getErrorById(1000 + 20);
}

// A class page over the fixture, driven as the workspace drives it.
struct Page
{
    // An empty id opens a page for a new class under n_parent. A description given is the
    // class's in the loaded model before the page opens.
    explicit Page(const QString &n_id, const QString &n_parent = QStringLiteral("root"),
                  bool n_colleague = true, const QString &n_description = QString())
    {
        if (n_colleague)
            page.setColleague(&colleague);
        page.setData(fixture.root());
        page.setParent(n_parent);
        if (!n_description.isNull())
            cls(n_id)->setDescription(n_description);
        if (!n_id.isEmpty())
            page.setEditData(fixture.root(), n_id);
        // Shown as its tab shows it.
        page.show();
    }
    QLineEdit *name() { return page.findChild<QLineEdit *>(QStringLiteral("leName")); }
    QComboBox *level() { return page.findChild<QComboBox *>(QStringLiteral("cbLevel")); }
    QTextEdit *description()
    {
        return page.findChild<QTextEdit *>(QStringLiteral("teDescription"));
    }
    void type(const QString &n_text)
    {
        name()->selectAll();
        QTest::keyClicks(name(), n_text);
    }
    void choose(const QString &n_id) { level()->setCurrentIndex(level()->findData(n_id)); }
    QStringList levelIds()
    {
        QStringList ids;
        for (int index = 0; index < level()->count(); ++index)
            ids << level()->itemData(index).toString();
        return ids;
    }
    ClassPtr cls(const QString &n_id) { return fixture.root()->getClassById(n_id); }

    ProjectFixture fixture;
    RecordingMediator mediator;
    ClassColleague colleague{&mediator};
    wClassArea page;
};

QStringList sorted(QStringList n_list)
{
    n_list.sort();
    return n_list;
}

} // namespace

// The class page: creating, renaming and moving classes with their name checks, the parent list,
// titles, limits and edit signals.
class tst_wClassArea : public QObject
{
    Q_OBJECT

private slots:
    void blankNameIsRefused_data();
    void blankNameIsRefused();
    void createChecksSiblingsCaseSensitively_data();
    void createChecksSiblingsCaseSensitively();
    void newClassSharesTheModelsRelations();
    void unshownPageSavesUnderItsParent();
    void renameAndMoveClashChangesNothing();
    void renameToSiblingNameInPlaceIsAccepted();
    void moveThroughTheParentList();
    void rootIsNeverMoved();
    void longNamesAndTitles_data();
    void longNamesAndTitles();
    void pastedDescriptionIsCut();
    void descriptionLimitCutsOnlyTheEdit_data();
    void descriptionLimitCutsOnlyTheEdit();
    void ownSubtreeIsNeverListed();
    void deletedParentChoiceSignalsAnEdit();
    void editsSignalOnlyOnceLoaded();
    void bothLanguages();
};

void tst_wClassArea::blankNameIsRefused_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("colleague");
    QTest::newRow("new, blanks, pane") << ""
                                       << "   " << true;
    QTest::newRow("new, empty, box") << ""
                                     << "" << false;
    QTest::newRow("existing, blanks, pane") << "cAb"
                                            << " \t " << true;
    QTest::newRow("existing, blanks, box") << "cAb"
                                           << "  " << false;
}

void tst_wClassArea::blankNameIsRefused()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(bool, colleague);
    BoxRecorder boxes;
    Page page(id, QStringLiteral("root"), colleague);
    const int classes = page.fixture.root()->getAllClassesCount();
    page.name()->setText(name);
    QVERIFY(!page.page.save());
    QCOMPARE(page.fixture.root()->getAllClassesCount(), classes);
    if (!id.isEmpty())
        QCOMPARE(page.cls(id)->getShortName(), QStringLiteral("Ab"));
    if (colleague) {
        QCOMPARE(page.mediator.errors, QStringList{ideText(160)});
        QCOMPARE(page.mediator.commands, QStringList{QStringLiteral("command 3")});
        QVERIFY(boxes.boxes().isEmpty());
    } else {
        QCOMPARE(boxes.texts(), QStringList{ideText(160)});
        QCOMPARE(boxes.boxes().first().title, ideText(1));
        QCOMPARE(boxes.boxes().first().icon, QMessageBox::Critical);
    }
}

void tst_wClassArea::createChecksSiblingsCaseSensitively_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("same name under the parent") << "root"
                                                << "Mid" << false;
    QTest::newRow("other case") << "root"
                                << "mid" << true;
    QTest::newRow("leading blank kept") << "root"
                                        << " Mid" << true;
    QTest::newRow("same name elsewhere in the tree") << "root"
                                                     << "Yy" << true;
    QTest::newRow("same name under a nested parent") << "cZz"
                                                     << "Yy" << false;
}

void tst_wClassArea::createChecksSiblingsCaseSensitively()
{
    QFETCH(QString, parent);
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    Page page(QString(), parent);
    page.type(name);
    const int classes = page.fixture.root()->getAllClassesCount();
    QCOMPARE(page.page.save(), accepted);
    QCOMPARE(page.fixture.root()->getAllClassesCount(), classes + (accepted ? 1 : 0));
    if (accepted) {
        const ClassPtr made = page.cls(page.page.getUid());
        QCOMPARE(made->getShortName(), name);
        QCOMPARE(made->getParent()->getId(), parent);
        QCOMPARE(page.mediator.errors, QStringList());
    } else {
        QCOMPARE(page.page.getUid(), QString());
        QCOMPARE(page.mediator.errors, QStringList{clashText()});
    }
}

void tst_wClassArea::newClassSharesTheModelsRelations()
{
    Page page(QString(), QStringLiteral("cAb"));
    page.type(QStringLiteral("Fresh"));
    page.description()->setPlainText(QStringLiteral("about it"));
    QVERIFY(page.page.save());
    const QString id = page.page.getUid();
    QCOMPARE(id.size(), 36);
    QVERIFY(!id.startsWith(QLatin1Char('{')));
    const ClassPtr made = page.cls(id);
    QCOMPARE(made->getRelationsStorage(), page.fixture.root()->getRelationsStorage());
    QCOMPARE(made->getDescription(), QStringLiteral("about it"));
    QCOMPARE(page.page.windowTitle(), QStringLiteral("Fresh"));
    // A second save renames that class, no new one.
    page.type(QStringLiteral("Fresher"));
    QVERIFY(page.page.save());
    QCOMPARE(page.page.getUid(), id);
    QCOMPARE(made->getShortName(), QStringLiteral("Fresher"));
}

void tst_wClassArea::unshownPageSavesUnderItsParent()
{
    // Driven without ever being shown, the page still lists every class and honours the parent.
    ProjectFixture fixture;
    wClassArea page;
    page.setData(fixture.root());
    page.setParent(QStringLiteral("cYy"));
    page.findChild<QLineEdit *>(QStringLiteral("leName"))->setText(QStringLiteral("Leaf"));
    QVERIFY(page.save());
    QCOMPARE(fixture.root()->getClassById(page.getUid())->getParent()->getId(),
             QStringLiteral("cYy"));
    QCOMPARE(page.getParent(), QStringLiteral("cYy"));
    CommandItem gone(DELETE, CLASS_WINDOW, QStringLiteral("cAb"));
    wClassArea other;
    other.setData(fixture.root());
    other.deleteItem(&gone);
    QCOMPARE(other.findChild<QComboBox *>(QStringLiteral("cbLevel"))->count(),
             fixture.root()->getAllClassesCount());
}

void tst_wClassArea::renameAndMoveClashChangesNothing()
{
    Page page(QStringLiteral("cYy"));
    page.type(QStringLiteral("Mid"));
    page.description()->setPlainText(QStringLiteral("new words"));
    page.choose(QStringLiteral("root"));
    QVERIFY(!page.page.save());
    const ClassPtr yy = page.cls(QStringLiteral("cYy"));
    QCOMPARE(yy->getShortName(), QStringLiteral("Yy"));
    QCOMPARE(yy->getDescription(), QString());
    QCOMPARE(yy->getParent()->getId(), QStringLiteral("cZz"));
    QCOMPARE(page.mediator.errors, QStringList{clashText()});
}

void tst_wClassArea::renameToSiblingNameInPlaceIsAccepted()
{
    Page page(QStringLiteral("cAb"));
    page.type(QStringLiteral("Mid"));
    QVERIFY(page.page.save());
    QCOMPARE(page.cls(QStringLiteral("cAb"))->getShortName(), QStringLiteral("Mid"));
    QCOMPARE(page.cls(QStringLiteral("cAb"))->getParent()->getId(), QStringLiteral("root"));
}

void tst_wClassArea::moveThroughTheParentList()
{
    Page page(QStringLiteral("cYy"));
    QCOMPARE(page.level()->currentData().toString(), QStringLiteral("cZz"));
    page.type(QStringLiteral("Moved"));
    page.choose(QStringLiteral("cAb"));
    QVERIFY(page.page.save());
    const ClassPtr yy = page.cls(QStringLiteral("cYy"));
    QCOMPARE(yy->getParent()->getId(), QStringLiteral("cAb"));
    QCOMPARE(yy->getShortName(), QStringLiteral("Moved"));
    QCOMPARE(page.page.getParent(), QStringLiteral("cAb"));
    QVERIFY(!page.cls(QStringLiteral("cZz"))->classContains(QStringLiteral("cYy")));
}

void tst_wClassArea::rootIsNeverMoved()
{
    Page page(QStringLiteral("root"));
    QCOMPARE(page.levelIds(), QStringList{QStringLiteral("root")});
    // Even with another entry forced in, the root stays where it is.
    CommandItem other(UPDATE, CLASS_WINDOW, QStringLiteral("cAb"), QStringLiteral("root"),
                      QStringLiteral("Ab"));
    page.page.updateItem(&other);
    QCOMPARE(page.levelIds(), QStringList{QStringLiteral("root")});
    page.type(QStringLiteral("Top"));
    QVERIFY(page.page.save());
    QVERIFY(!page.fixture.root()->hasParent());
    QCOMPARE(page.fixture.root()->getShortName(), QStringLiteral("Top"));
}

void tst_wClassArea::longNamesAndTitles_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("title");
    const QString letters = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QTest::newRow("15") << 15 << letters.left(15) << letters.left(15);
    QTest::newRow("16") << 16 << letters.left(16) << letters.left(15) + QStringLiteral("...");
    QTest::newRow("50") << 50 << letters.left(50) << letters.left(15) + QStringLiteral("...");
    QTest::newRow("60") << 60 << letters.left(50) + QStringLiteral("...")
                        << letters.left(15) + QStringLiteral("...");
}

void tst_wClassArea::longNamesAndTitles()
{
    QFETCH(int, length);
    QFETCH(QString, listed);
    QFETCH(QString, title);
    const QString name = QStringLiteral(
                             "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")
                             .left(length);
    ProjectFixture fixture;
    fixture.root()->getClassById(QStringLiteral("cMid"))->setShortName(name);
    wClassArea page;
    page.setData(fixture.root());
    page.show();
    auto *level = page.findChild<QComboBox *>(QStringLiteral("cbLevel"));
    const int index = level->findData(QStringLiteral("cMid"));
    QCOMPARE(level->itemText(index), listed);
    QCOMPARE(level->itemData(index, Qt::ToolTipRole).toString(), name);
    page.setEditData(fixture.root(), QStringLiteral("cMid"));
    QCOMPARE(page.windowTitle(), title);
    // Entries are sorted by plain comparison: upper case before lower case.
    QStringList texts;
    for (int row = 0; row < level->count(); ++row)
        texts << level->itemData(row, Qt::ToolTipRole).toString();
    QStringList plain = texts;
    std::sort(plain.begin(), plain.end());
    QCOMPARE(texts, plain);
}

void tst_wClassArea::pastedDescriptionIsCut()
{
    Page page(QStringLiteral("cAb"));
    QSignalSpy edits(&page.page, &wClassArea::changeDataWidget);
    QApplication::clipboard()->setText(QString(6000, QLatin1Char('d')));
    page.description()->setFocus();
    QTest::keyClick(page.description(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(page.description()->toPlainText().size(), wClassArea::DESCRIPTION_LIMIT);
    QCOMPARE(page.description()->textCursor().position(), wClassArea::DESCRIPTION_LIMIT);
    QVERIFY(edits.count() > 0);
    QCOMPARE(page.name()->maxLength(), wClassArea::NAME_LIMIT);
}

void tst_wClassArea::descriptionLimitCutsOnlyTheEdit_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("at");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    const auto x = [](int n_count) { return QString(n_count, QLatin1Char('x')); };
    const QString longer = x(6000) + QStringLiteral("END45");
    QTest::newRow("typed into a longer loaded text") << longer << 0 << false << "ab" << longer;
    QTest::newRow("typed one below the limit")
        << x(4999) << 10 << false << "ab" << x(10) + QLatin1Char('a') + x(4989);
    QTest::newRow("a line pasted") << x(4990) << 5 << true << "0123456789abcdefghij"
                                   << x(5) + QStringLiteral("0123456789") + x(4985);
    // Paragraphs pasted at the start: the document reports the paragraph after them as changed.
    QTest::newRow("lines pasted at the start")
        << QStringLiteral("head\n") + x(4985) << 0 << true << "12\n34\n56789abcdef"
        << QStringLiteral("12\n34\n5678head\n") + x(4985);
}

void tst_wClassArea::descriptionLimitCutsOnlyTheEdit()
{
    QFETCH(QString, loaded);
    QFETCH(int, at);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    Page page(QStringLiteral("cAb"), QStringLiteral("root"), true, loaded);
    QTextEdit *description = page.description();
    description->setFocus();
    QTextCursor cursor = description->textCursor();
    cursor.setPosition(at);
    description->setTextCursor(cursor);
    if (paste) {
        QApplication::clipboard()->setText(input);
        QTest::keyClick(description, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(description, input);
    }
    // The cursor stays after what was kept of the input.
    const int cursorAt = at + kept.size() - loaded.size();
    QCOMPARE(description->toPlainText(), kept);
    QCOMPARE(description->textCursor().position(), cursorAt);
    QVERIFY(page.page.save());
    QCOMPARE(page.cls(QStringLiteral("cAb"))->getDescription(), kept);
    // Undo steps back to no text longer than the limit, and leaves the cursor.
    QTest::keyClick(description, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(description->toPlainText(), kept);
    QCOMPARE(description->textCursor().position(), cursorAt);
}

void tst_wClassArea::ownSubtreeIsNeverListed()
{
    Page page(QStringLiteral("cZz"));
    QCOMPARE(sorted(page.levelIds()),
             sorted({QStringLiteral("root"), QStringLiteral("cAb"), QStringLiteral("cMid")}));
    // Classes saved in other tabs: below the edited class they stay out, elsewhere they join.
    const ClassPtr below = makeClass(QStringLiteral("cBelow"),
                                     page.fixture.root()->getRelationsStorage(),
                                     QStringLiteral("Below"));
    page.cls(QStringLiteral("cYy"))->addClass(below);
    const ClassPtr beside = makeClass(QStringLiteral("cBeside"),
                                      page.fixture.root()->getRelationsStorage(),
                                      QStringLiteral("Beside"));
    page.cls(QStringLiteral("cAb"))->addClass(beside);
    for (const QString &id : {QStringLiteral("cBelow"), QStringLiteral("cYy"),
                              QStringLiteral("cZz"), QStringLiteral("cBeside")}) {
        CommandItem saved(UPDATE, CLASS_WINDOW, id, QString(), QStringLiteral("Title*"));
        QVERIFY(page.page.updateItem(&saved));
    }
    QCOMPARE(sorted(page.levelIds()), sorted({QStringLiteral("root"), QStringLiteral("cAb"),
                                              QStringLiteral("cMid"), QStringLiteral("cBeside")}));
    // A listed class takes the other page's title.
    CommandItem renamed(UPDATE, CLASS_WINDOW, QStringLiteral("cMid"), QString(),
                        QStringLiteral("Middle class ..."));
    page.page.updateItem(&renamed);
    QCOMPARE(page.level()->itemText(page.level()->findData(QStringLiteral("cMid"))),
             QStringLiteral("Middle class ..."));
}

void tst_wClassArea::deletedParentChoiceSignalsAnEdit()
{
    Page page(QStringLiteral("cYy"));
    QSignalSpy edits(&page.page, &wClassArea::changeDataWidget);
    CommandItem deleted(DELETE, CLASS_WINDOW, QStringLiteral("cZz"));
    QVERIFY(page.page.deleteItem(&deleted));
    QVERIFY(!page.levelIds().contains(QStringLiteral("cZz")));
    QVERIFY(page.level()->currentIndex() >= 0);
    QCOMPARE(edits.count(), 1);
}

void tst_wClassArea::editsSignalOnlyOnceLoaded()
{
    Page fresh{QString()};
    QSignalSpy freshEdits(&fresh.page, &wClassArea::changeDataWidget);
    fresh.type(QStringLiteral("Mid"));
    fresh.choose(QStringLiteral("cAb"));
    QCOMPARE(freshEdits.count(), 0);
    fresh.choose(QStringLiteral("root"));
    QVERIFY(!fresh.page.save()); // a clash leaves the page unloaded
    fresh.type(QStringLiteral("x"));
    QCOMPARE(freshEdits.count(), 0);
    fresh.type(QStringLiteral("Unique"));
    QVERIFY(fresh.page.save());
    fresh.type(QStringLiteral("Unique2"));
    QVERIFY(freshEdits.count() > 0);

    Page loaded(QStringLiteral("cAb"));
    QSignalSpy edits(&loaded.page, &wClassArea::changeDataWidget);
    loaded.page.retranslateUI();
    QCOMPARE(edits.count(), 0);
    QTest::keyClicks(loaded.name(), QStringLiteral("c"));
    QCOMPARE(edits.count(), 1);
    loaded.choose(QStringLiteral("cMid"));
    QCOMPARE(edits.count(), 2);
}

void tst_wClassArea::bothLanguages()
{
    Page page(QStringLiteral("cAb"));
    const auto labels = [&] {
        QStringList texts;
        for (const char *name : {"lbName", "lbLevel", "lbDescription"})
            texts << page.page.findChild<QLabel *>(QLatin1String(name))->text();
        return texts;
    };
    {
        InstalledCatalogue russian(Catalogue::Russian);
        QVERIFY(russian.isLoaded());
        page.page.retranslateUI();
        QCOMPARE(page.page.windowTitle(), QStringLiteral("Свойства класса"));
    }
    QCOMPARE(labels(), (QStringList{QStringLiteral("Наименование"), QStringLiteral("Уровень"),
                                    QStringLiteral("Описание")}));
    {
        InstalledCatalogue english(Catalogue::English);
        QVERIFY(english.isLoaded());
        page.page.retranslateUI();
        QCOMPARE(page.page.windowTitle(), QStringLiteral("Class Properties"));
        QCOMPARE(labels(), (QStringList{QStringLiteral("Name"), QStringLiteral("Level"),
                                        QStringLiteral("Description")}));
    }
}

QTEST_MAIN(tst_wClassArea)
#include "tst_wclassarea.moc"
