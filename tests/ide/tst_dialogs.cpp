#include "TextTables.h"

#include "MessageBoxes.h"
#include "dAboutProgram.h"
#include "dEditModelInformation.h"

#include <QDialogButtonBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString labelText(const QWidget &n_dialog, const char *n_name)
{
    const auto *label = n_dialog.findChild<QLabel *>(QString::fromLatin1(n_name));
    return label == nullptr ? QStringLiteral("<missing>") : label->text();
}

QLineEdit *field(const QWidget &n_dialog, const char *n_name)
{
    return n_dialog.findChild<QLineEdit *>(QString::fromLatin1(n_name));
}

QStringList versionFields(const QWidget &n_dialog)
{
    QStringList texts;
    for (const char *name :
         {"leAlfaVersion", "leBetaVersion", "leReleaseVersion", "lePublicRelease"})
        texts << field(n_dialog, name)->text();
    return texts;
}

} // namespace

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void aboutDialogTexts_data();
    void aboutDialogTexts();
    void aboutDialogOkCloses();

    void editModelDialogCaptions_data();
    void editModelDialogCaptions();
    void editModelDialogStartsWithGivenValues();
    void editModelDialogSetVersion_data();
    void editModelDialogSetVersion();
    void editModelDialogEmptiedFieldsGiveThreeDots();
    void editModelDialogLimitsTyping();
    void editModelDialogOkAcceptsCancelRejects();

    void messageBoxHandlerAnswersInsteadOfUser();
    void customBoxReportsClickedButton();
    void dialogHandlerFillsAndAccepts();
};

void tst_Dialogs::cleanup()
{
    MessageBoxes::setBoxHandler({});
    MessageBoxes::setDialogHandler({});
}

void tst_Dialogs::aboutDialogTexts_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::addColumn<QStringList>("labels"); // program, version, company, Ok button
    QTest::newRow("no catalogue") << Catalogue::None
                                  << QStringList({QStringLiteral("Наименование программы:"),
                                                  QStringLiteral("Версия программы:"),
                                                  QStringLiteral("Компания:"),
                                                  QStringLiteral("OK")});
    QTest::newRow("IDE_eng") << Catalogue::English
                             << QStringList({QStringLiteral("Application name:"),
                                             QStringLiteral("Version:"), QStringLiteral("Company:"),
                                             QStringLiteral("Ok")});
    QTest::newRow("IDE_ru") << Catalogue::Russian
                            << QStringList({QStringLiteral("Наименование программы:"),
                                            QStringLiteral("Версия программы:"),
                                            QStringLiteral("Компания:"), QStringLiteral("Ок")});
}

void tst_Dialogs::aboutDialogTexts()
{
    QFETCH(Catalogue, catalogue);
    QFETCH(QStringList, labels);
    InstalledCatalogue installed(catalogue);
    QVERIFY(catalogue == Catalogue::None || installed.isLoaded());

    dAboutProgram about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("ТОРВА 2.1"));
    QCOMPARE(labelText(about, "lbProgramName"), about.windowTitle());
    QCOMPARE(labelText(about, "lbVersionNumber"), QStringLiteral("2.1.1.0"));
    QCOMPARE(labelText(about, "lbCompanyName"), QStringLiteral("OSTRA"));
    QCOMPARE(labelText(about, "lbProgram"), labels.at(0));
    QCOMPARE(labelText(about, "lbVersion"), labels.at(1));
    QCOMPARE(labelText(about, "lbCompany"), labels.at(2));
    QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("btnOk"))->text(), labels.at(3));
}

void tst_Dialogs::aboutDialogOkCloses()
{
    dAboutProgram about(nullptr);
    about.show();
    QVERIFY(about.isVisible());
    QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void tst_Dialogs::editModelDialogCaptions_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::addColumn<QStringList>("captions"); // title, name, version, author
    QTest::newRow("no catalogue") << Catalogue::None
                                  << QStringList(
                                         {QStringLiteral("Редактирование информации о модели"),
                                          QStringLiteral("Имя:"), QStringLiteral("Версия:"),
                                          QStringLiteral("Автор:")});
    QTest::newRow("IDE_eng") << Catalogue::English
                             << QStringList({QStringLiteral("Edit model information"),
                                             QStringLiteral("Name:"), QStringLiteral("Version:"),
                                             QStringLiteral("Author:")});
}

void tst_Dialogs::editModelDialogCaptions()
{
    QFETCH(Catalogue, catalogue);
    QFETCH(QStringList, captions);
    InstalledCatalogue installed(catalogue);

    dEditModelInformation dialog(nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("dEditModelInformation"));
    QCOMPARE(dialog.windowTitle(), captions.at(0));
    QCOMPARE(labelText(dialog, "lbName"), captions.at(1));
    QCOMPARE(labelText(dialog, "lbVersion"), captions.at(2));
    QCOMPARE(labelText(dialog, "lbAuthor"), captions.at(3));
    QCOMPARE(dialog.getModelTitle(), QString());
    QCOMPARE(dialog.getAuthor(), QString());
    QCOMPARE(dialog.getVersion(), QStringLiteral("1.0.0.0"));
}

void tst_Dialogs::editModelDialogStartsWithGivenValues()
{
    dEditModelInformation dialog(QStringLiteral("Модель"), QStringLiteral("Автор"),
                                 QStringLiteral("3.2.1.0"), nullptr);
    QCOMPARE(dialog.getModelTitle(), QStringLiteral("Модель"));
    QCOMPARE(dialog.getAuthor(), QStringLiteral("Автор"));
    QCOMPARE(dialog.getVersion(), QStringLiteral("3.2.1.0"));

    dEditModelInformation noVersion(QStringLiteral("M"), QString(), QString(), nullptr);
    QCOMPARE(noVersion.getVersion(), QStringLiteral("1.0.0.0"));
}

void tst_Dialogs::editModelDialogSetVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("fields");
    const QStringList byDefault(
        {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
    QTest::newRow("four numbers") << QStringLiteral("2.0.1.5")
                                  << QStringList({QStringLiteral("2"), QStringLiteral("0"),
                                                  QStringLiteral("1"), QStringLiteral("5")});
    QTest::newRow("two parts") << QStringLiteral("2.0") << byDefault;
    QTest::newRow("five parts") << QStringLiteral("1.2.3.4.5") << byDefault;
    QTest::newRow("letters pass unchecked")
        << QStringLiteral("a.b.c.d")
        << QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                        QStringLiteral("d")});
    QTest::newRow("empty") << QString() << byDefault;
    QTest::newRow("empty parts count") << QStringLiteral("1..2") << byDefault;
    QTest::newRow("four parts, two empty")
        << QStringLiteral("1...2")
        << QStringList({QStringLiteral("1"), QString(), QString(), QStringLiteral("2")});
    QTest::newRow("not trimmed") << QStringLiteral(" 1.2.3.4 ")
                                 << QStringList({QStringLiteral(" 1"), QStringLiteral("2"),
                                                 QStringLiteral("3"), QStringLiteral("4 ")});
}

void tst_Dialogs::editModelDialogSetVersion()
{
    QFETCH(QString, version);
    QFETCH(QStringList, fields);
    dEditModelInformation dialog(nullptr);
    dialog.setVersion(QStringLiteral("7.7.7.7"));
    dialog.setVersion(version);
    QCOMPARE(versionFields(dialog), fields);
    QCOMPARE(dialog.getVersion(), fields.join(QLatin1Char('.')));
}

void tst_Dialogs::editModelDialogEmptiedFieldsGiveThreeDots()
{
    dEditModelInformation dialog(nullptr);
    for (const char *name :
         {"leAlfaVersion", "leBetaVersion", "leReleaseVersion", "lePublicRelease"}) {
        QLineEdit *edit = field(dialog, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    QCOMPARE(dialog.getVersion(), QStringLiteral("..."));
}

void tst_Dialogs::editModelDialogLimitsTyping()
{
    dEditModelInformation dialog(nullptr);
    const QString longText(101, QLatin1Char('x'));
    for (const char *name : {"leName", "leAuthor"}) {
        QLineEdit *edit = field(dialog, name);
        QTest::keyClicks(edit, longText);
        QCOMPARE(edit->text().size(), 100);
    }

    QLineEdit *alfa = field(dialog, "leAlfaVersion");
    auto *validator = qobject_cast<const QIntValidator *>(alfa->validator());
    QVERIFY(validator != nullptr);
    QCOMPARE(validator->bottom(), 0);
    QCOMPARE(validator->top(), 65536);
    alfa->clear();
    QTest::keyClicks(alfa, QStringLiteral("1a2-"));
    QCOMPARE(alfa->text(), QStringLiteral("12"));
    alfa->clear();
    QTest::keyClicks(alfa, QStringLiteral("1234567"));
    QCOMPARE(alfa->text(), QStringLiteral("12345"));
    // Every field has a validator of its own.
    QVERIFY(field(dialog, "lePublicRelease")->validator() != validator);
    QVERIFY(field(dialog, "lePublicRelease")->validator() != nullptr);
}

void tst_Dialogs::editModelDialogOkAcceptsCancelRejects()
{
    dEditModelInformation dialog(nullptr);
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("btnOkCancelGroup"));
    QVERIFY(buttons != nullptr);
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    dialog.show();
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    dialog.show();
    buttons->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void tst_Dialogs::messageBoxHandlerAnswersInsteadOfUser()
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    MessageBoxes::setBoxHandler([&](QMessageBox &n_box) {
        title = n_box.windowTitle();
        text = n_box.text();
        icon = n_box.icon();
        buttons = n_box.standardButtons();
        defaultButton = n_box.defaultButton() ? n_box.standardButton(n_box.defaultButton())
                                              : QMessageBox::NoButton;
        return int(QMessageBox::No);
    });

    QCOMPARE(MessageBoxes::question(nullptr, QStringLiteral("Вопрос"), QStringLiteral("Сохранить?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
             QMessageBox::No);
    QCOMPARE(title, QStringLiteral("Вопрос"));
    QCOMPARE(text, QStringLiteral("Сохранить?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(defaultButton, QMessageBox::Yes);

    MessageBoxes::setBoxHandler([&](QMessageBox &n_box) {
        icon = n_box.icon();
        return int(QMessageBox::Ok);
    });
    QCOMPARE(MessageBoxes::critical(nullptr, QStringLiteral("Ошибка"), QStringLiteral("текст")),
             QMessageBox::Ok);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(MessageBoxes::information(nullptr, QString(), QString()), QMessageBox::Ok);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(MessageBoxes::warning(nullptr, QString(), QString()), QMessageBox::Ok);
    QCOMPARE(icon, QMessageBox::Warning);

    // An answer that names no button of the box is no button.
    MessageBoxes::setBoxHandler([](QMessageBox &) { return int(QMessageBox::Save); });
    QCOMPARE(MessageBoxes::critical(nullptr, QString(), QString()), QMessageBox::NoButton);
}

void tst_Dialogs::customBoxReportsClickedButton()
{
    MessageBoxes::setBoxHandler([](QMessageBox &) { return int(QMessageBox::Discard); });
    QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Нет"));
    QCOMPARE(MessageBoxes::execBox(box), int(QMessageBox::Discard));
    QCOMPARE(box.clickedButton(), box.button(QMessageBox::Discard));
}

void tst_Dialogs::dialogHandlerFillsAndAccepts()
{
    MessageBoxes::setDialogHandler([](QDialog &n_dialog) {
        auto *edit = qobject_cast<dEditModelInformation *>(&n_dialog);
        if (edit == nullptr)
            return int(QDialog::Rejected);
        edit->findChild<QLineEdit *>(QStringLiteral("leName"))->setText(QStringLiteral("Новая"));
        edit->setVersion(QStringLiteral("2.1.0.0"));
        return int(QDialog::Accepted);
    });
    dEditModelInformation dialog(QStringLiteral("Старая"), QString(), QString(), nullptr);
    QCOMPARE(MessageBoxes::execDialog(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getModelTitle(), QStringLiteral("Новая"));
    QCOMPARE(dialog.getVersion(), QStringLiteral("2.1.0.0"));

    dAboutProgram about(nullptr);
    QCOMPARE(MessageBoxes::execDialog(about), int(QDialog::Rejected));
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
