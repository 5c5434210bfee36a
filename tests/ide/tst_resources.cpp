#include "TextTables.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Every icon the interface names, as it names it.
const char *const NAMED_ICONS[] = {
    ":/prog/Images/16x16/error message.png",
    ":/prog/Images/16x16/warning message.png",
    ":/prog/Images/16x16/information message.png",
    ":/prog/Images/16x16/error.png",
    ":/prog/Images/24x24/add base operand.png",
    ":/prog/Images/24x24/class.png",
    ":/prog/Images/24x24/clear.png",
    ":/prog/Images/24x24/close model.png",
    ":/prog/Images/24x24/console.png",
    ":/prog/Images/24x24/constraint.png",
    ":/prog/Images/24x24/create model.png",
    ":/prog/Images/24x24/debug.png",
    ":/prog/Images/24x24/del base operand.png",
    ":/prog/Images/24x24/error.png",
    ":/prog/Images/24x24/filter.png",
    ":/prog/Images/24x24/graph.png",
    ":/prog/Images/24x24/open model.png",
    ":/prog/Images/24x24/parameter.png",
    ":/prog/Images/24x24/project.png",
    ":/prog/Images/24x24/relation.png",
    ":/prog/Images/24x24/relations.png",
    ":/prog/Images/24x24/rule.png",
    ":/prog/Images/24x24/run.png",
    ":/prog/Images/24x24/save all.png",
    ":/prog/Images/24x24/save as.png",
    ":/prog/Images/24x24/save.png",
    ":/prog/Images/24x24/text.png",
    ":/prog/Images/32x32/number.png",
    ":/prog/Images/64x64/class.png",
    ":/prog/Images/logo.ico",
};

const int ICON_SIZES[] = {8, 16, 24, 32, 64, 128};

struct TsMessage
{
    QString translation;
    bool unfinished = false;
};

// Context name -> source text -> translation, as a translation source file holds them.
using TsFile = QMap<QString, QMap<QString, TsMessage>>;

QString translationSource(const char *n_name)
{
    return QStringLiteral(SOURCE_ROOT_DIR "/resources/translation/") + QLatin1String(n_name);
}

bool readTs(const QString &n_path, TsFile &n_file, QString &n_problem)
{
    QFile file(n_path);
    if (!file.open(QIODevice::ReadOnly)) {
        n_problem = QStringLiteral("cannot open ") + n_path;
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            TsMessage message;
            message.unfinished = xml.attributes().value(QLatin1String("type"))
                                 == QLatin1String("unfinished");
            message.translation = xml.readElementText();
            if (n_file[context].contains(source)) {
                n_problem = QStringLiteral("%1: \"%2\" appears twice").arg(context, source);
                return false;
            }
            n_file[context].insert(source, message);
        }
    }
    if (xml.hasError())
        n_problem = n_path + QStringLiteral(": ") + xml.errorString();
    return !xml.hasError();
}

// What a catalogue shows for the source: its translation, or the source itself when it has none.
QString shown(const TsMessage &n_message, const QString &n_source)
{
    return n_message.unfinished || n_message.translation.isEmpty() ? n_source
                                                                   : n_message.translation;
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namedIconsResolve();
    void everyIconInEverySize();
    void logoHoldsSeveralSizes();
    void cataloguesAreEmbedded();
    void translationSourcesHoldTheSameMessages();
    void dictionaryContextMatchesTheTables();
    void formContextsMatchTheForms();

private:
    TsFile m_english;
    TsFile m_russian;
};

void tst_Resources::initTestCase()
{
    QString problem;
    QVERIFY2(readTs(translationSource("IDE_eng.ts"), m_english, problem), qPrintable(problem));
    QVERIFY2(readTs(translationSource("IDE_ru.ts"), m_russian, problem), qPrintable(problem));
}

void tst_Resources::namedIconsResolve()
{
    for (const char *path : NAMED_ICONS) {
        const QString name = QString::fromUtf8(path);
        QVERIFY2(QFile::exists(name), path);
        const QIcon icon(name);
        QVERIFY2(!icon.isNull(), path);
        QVERIFY2(!icon.pixmap(16, 16).isNull(), path);
    }
}

void tst_Resources::everyIconInEverySize()
{
    // Each named picture comes in every size, drawn at that size.
    QSet<QString> names;
    for (const char *path : NAMED_ICONS) {
        const QString file = QString::fromUtf8(path).section(QLatin1Char('/'), -1);
        if (file.endsWith(QLatin1String(".png")))
            names.insert(file);
    }
    QCOMPARE(names.size(), 27);
    for (int size : ICON_SIZES) {
        for (const QString &name : qAsConst(names)) {
            const QString path = QStringLiteral(":/prog/Images/%1x%1/%2").arg(size).arg(name);
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY2(image.hasAlphaChannel(), qPrintable(path));
        }
    }
}

void tst_Resources::logoHoldsSeveralSizes()
{
    QImageReader reader(QStringLiteral(":/prog/Images/logo.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QVERIFY(reader.imageCount() >= 4);
    const QImage first = reader.read();
    QVERIFY(!first.isNull());
    QVERIFY(first.hasAlphaChannel());
    const QIcon logo(QStringLiteral(":/prog/Images/logo.ico"));
    QVERIFY(!logo.pixmap(64, 64).isNull());
}

void tst_Resources::cataloguesAreEmbedded()
{
    for (const char *name : {"IDE_eng", "IDE_ru", "qtbase_ru"}) {
        QTranslator translator;
        QVERIFY2(translator.load(QString::fromLatin1(name), QStringLiteral(":/translation")), name);
        QVERIFY2(!translator.isEmpty(), name);
    }
    // The toolkit's catalogue is the installed Qt one: it translates the toolkit's own buttons.
    QTranslator toolkit;
    QVERIFY(toolkit.load(QStringLiteral("qtbase_ru"), QStringLiteral(":/translation")));
    QCOMPARE(toolkit.translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

void tst_Resources::translationSourcesHoldTheSameMessages()
{
    // Both languages translate exactly the same texts, context by context.
    QCOMPARE(QSet<QString>(m_english.keyBegin(), m_english.keyEnd()),
             QSet<QString>(m_russian.keyBegin(), m_russian.keyEnd()));
    for (auto context = m_english.cbegin(); context != m_english.cend(); ++context) {
        const auto &russian = m_russian.value(context.key());
        QVERIFY2(QSet<QString>(context->keyBegin(), context->keyEnd())
                     == QSet<QString>(russian.keyBegin(), russian.keyEnd()),
                 qPrintable(context.key()));
    }
}

void tst_Resources::dictionaryContextMatchesTheTables()
{
    const auto english = m_english.value(QStringLiteral("QObject"));
    const auto russian = m_russian.value(QStringLiteral("QObject"));
    QSet<QString> sources;
    std::vector<ExpectedText> all = expectedErrorTexts();
    all.insert(all.end(), expectedInterfaceTexts().begin(), expectedInterfaceTexts().end());
    for (const ExpectedText &text : all) {
        const QString source = QString::fromUtf8(text.russian);
        sources.insert(source);
        QVERIFY2(english.contains(source), qPrintable(source));
        QVERIFY2(russian.contains(source), qPrintable(source));
        QCOMPARE(shown(english.value(source), source), expectedText(text, Catalogue::English));
        QCOMPARE(shown(russian.value(source), source), expectedText(text, Catalogue::Russian));
    }
    // The error list's uid heading goes through the same context and has no translation.
    const QString uid = QStringLiteral("id");
    sources.insert(uid);
    QVERIFY(english.value(uid).unfinished && russian.value(uid).unfinished);
    QCOMPARE(QSet<QString>(english.keyBegin(), english.keyEnd()), sources);
}

void tst_Resources::formContextsMatchTheForms()
{
    const struct
    {
        const char *context;
        const char *source;
        const char *english;
        const char *russian;
    } forms[] = {
        {"cl_mathFormulaParser", "Error:", "Error:", "Error:"},
        {"cl_mathFormulaParser", "Value:", "Value:", "Value:"},
        {"cl_mathFormulaParser", "in", "in", "in"},
        {"dAboutProgram", "О программе", "About", "О программе"},
        {"dAboutProgram",
         "Наименование программы:", "Application name:", "Наименование программы:"},
        {"dAboutProgram", "Текущая версия:", "Current version:", "Текущая версия:"},
        {"dAboutProgram", "Компания:", "Company:", "Компания:"},
        {"dAboutProgram", "OK", "Ok", "Ок"},
        {"dBaseConstraintInParameter", "Form", "Form", "Form"},
        {"dChooseParamRule", "Выбор параметра", "Choose parameter", "Выбор параметра"},
        {"dChooseParamRule", "OK", "OK", "OK"},
        {"dChooseParamRule", "Отмена", "Cancel", "Отмена"},
        {"dEditModelInformation", "Изменение информации модели", "Model change",
         "Изменение информации модели"},
        {"dEditModelInformation", "Имя", "Name", "Имя"},
        {"dEditModelInformation", "Версия", "Version", "Версия"},
        {"dEditModelInformation", "Автор", "Author", "Автор"},
        {"frmMainIDE", "MainWindow", "Main window", "Главное окно"},
        {"frmMainIDE", "Окно \"Отношение\"", "\"Relations\" window", "Окно \"Отношения\""},
        {"frmMainIDE", "Отношения", "Relation", "Отношения"},
        {"frmMainIDE", "Ошибки", "Errors", "Ошибки"},
        {"frmMainIDE", "История", "History", "История"},
        {"frmMainIDE", "Вкладка", "Tab", "Вкладка"},
        {"frmMainIDE", "Окно", "Window", "Окно"},
        {"frmMainIDE", "Окно \"Проект\"", "\"Project\" window", "Окно \"Проект\""},
        {"frmMainIDE", "Окно \"Консоль\"", "\"Console\" window", "Окно \"Консоль\""},
        {"frmMainIDE", "Окно \"История\"", "\"History\" window", "Окно \"История\""},
        {"frmMainIDE", "Окно \"Ошибки\"", "\"Errors\" window", "Окно \"Ошибки\""},
        {"frmMainIDE", "Создать проект...", "Create project...", "Создать проект..."},
        {"frmMainIDE", "&Открыть проект...", "&Open project...", "&Открыть проект..."},
        {"frmMainIDE", "Недавние проекты", "Recent projects", "Недавние проекты"},
        {"frmMainIDE", "Закрыть проект", "Close project", "Закрыть проект"},
        {"frmMainIDE", "Сохранить", "Save", "Сохранить"},
        {"frmMainIDE", "Сохранить как...", "Save as...", "Сохранить как..."},
        {"frmMainIDE", "Сохранить всё", "Save all", "Сохранить всё"},
        {"frmMainIDE", "Выход", "Exit", "Выход"},
        {"frmMainIDE", "Тестирование модели", "Test model", "Тестирование модели"},
        {"frmMainIDE", "Русский", "Russian", "Русский"},
        {"frmMainIDE", "Английский", "English", "Английский"},
        {"frmMainIDE", "Отладка", "Debug", "Отладка"},
        {"frmMainIDE", "Запустить", "Run", "Запустить"},
        {"frmMainIDE", "Отобразить граф", "Show graph", "Отобразить граф"},
        {"frmMainIDE", "О программе", "About", "О программе"},
        {"frmMainIDE", "Панель инструментов", "Панель инструментов", "Панель инструментов"},
        {"frmMainIDE", "Файл", "File", "Файл"},
        {"frmMainIDE", "Инструменты", "Tools", "Инструменты"},
        {"frmMainIDE", "Вид", "View", "Вид"},
        {"frmMainIDE", "Языки", "Languages", "Языки"},
        {"frmMainIDE", "Справка", "Help", "Справка"},
        {"frmMainIDE", "Current Language changed to ", "Current language changed to",
         "Язык изменен на "},
        {"wBaseComparisonConstraint", "Form", "Form", "Form"},
        {"wChangeRelation", "Form", "Form", "Form"},
        {"wClassArea", "Form", "Class Properties", "Свойства класса"},
        {"wClassArea", "Наименование", "Name", "Наименование"},
        {"wClassArea", "Уровень", "Level", "Уровень"},
        {"wClassArea", "Описание", "Description", "Описание"},
        {"wClassTestArea", "Тестирование", "Testing", "Тестирование класса"},
        {"wClassTestArea", "Object", "Object", "Объект"},
        {"wClassTestArea", "Value", "Value", "Значение"},
        {"wClassTestArea", "Find", "Find", "Найти"},
        {"wClassTestArea", "Только результаты", "Show results", "Только результаты"},
        {"wClassTestArea", "Show graph", "Show graph", "Показать граф"},
        {"wClassTestArea", "Тестировать", "Test", "Тестировать"},
        {"wClassTestArea", "Очистить", "Clear", "Очистить"},
        {"wConditionalRelationship", "Form", "Form", "Form"},
        {"wConsoleArea", "Консоль", "Console", "Консоль"},
        {"wContainerProjectArea", "Проект", "Project", "Проект"},
        {"wContainerRelationshipArea", "Отношения", "Relations", "Отношения"},
        {"wErrorArea", "Ошибки", "Errors", "Ошибки"},
        {"wLogicComparisonConstraint", "Form", "Form", "Form"},
        {"wParameterArea", "Form", "Parameter Properties", "Свойства параметра"},
        {"wParameterArea", "Наименование", "Name", "Наименование"},
        {"wParameterArea", "Уровень", "Level", "Уровень"},
        {"wParameterArea", "Тип данных", "Type", "Тип данных"},
        {"wParameterArea", "Значение", "Value", "Значение"},
        {"wParameterArea", "Описание", "Description", "Описание"},
        {"wParameterArea", "Правила", "Rules", "Правила"},
        {"wParameterArea", "Ограничения", "Constraints", "Ограничения"},
        {"wParameterArea", "+", "+", "+"},
        {"wParameterRelationGroups", "Form", "Parameter Relation Groups", "Form"},
        {"wParameterRelationGroups", "Параметры", "Parameters", "Параметры"},
        {"wParameterRelationGroups", "Добавить", "Add", "Добавить"},
        {"wParameterRelationGroups", "Удалить", "Delete", "Удалить"},
        {"wProgramRelation", "Form", "Form", "Form"},
        {"wRelationshipArea", "Отношение", "Relation", "Свойства отношения"},
        {"wRelationshipArea", "Наименование", "Name", "Наименование"},
        {"wRelationshipArea", "Тип отношения", "Relation type", "Тип отношения"},
        {"wRelationshipArea", "Тело отношения", "Relation formula", "Тело отношения"},
        {"wRelationshipArea", "Изменить тело отношения", "Change relation's body",
         "Изменить тело отношения"},
        {"wRelationshipArea", "...", "...", "..."},
        {"wRelationshipArea", "Описание", "Description", "Описание"},
        {"wRuleArea", "Form", "Rule Properties", "Свойства правила"},
        {"wRuleArea", "Отношение", "Relation", "Отношение"},
        {"wRuleArea", "Наименование", "Name", "Наименование"},
        {"wRuleArea", "Описание", "Description", "Описание"},
        {"wRuleArea", "Входные параметры", "Input parameters", "Входные параметры"},
        {"wRuleArea", "Выходные параметры", "Output parmeters", "Выходные параметры"},
        {"wSimpleRelation", "Form", "Form", "Form"},
        {"widgetLineEditWithUIDMember", "Form", "LineEditWithUIDMembers", "Form"},
    };
    QMap<QString, int> perContext;
    for (const auto &form : forms) {
        const QString context = QString::fromLatin1(form.context);
        const QString source = QString::fromUtf8(form.source);
        ++perContext[context];
        QVERIFY2(m_english.value(context).contains(source),
                 qPrintable(context + QLatin1Char(' ') + source));
        QCOMPARE(shown(m_english.value(context).value(source), source),
                 QString::fromUtf8(form.english));
        QCOMPARE(shown(m_russian.value(context).value(source), source),
                 QString::fromUtf8(form.russian));
    }
    for (auto it = perContext.cbegin(); it != perContext.cend(); ++it)
        QCOMPARE(m_english.value(it.key()).size(), it.value());
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
