#ifndef TEXTTABLES_H
#define TEXTTABLES_H

// The texts both dictionaries must give, key by key, written out independently of the code: the
// Russian source text, the English text (null: the English catalogue leaves it Russian) and the
// text under the Russian catalogue where it differs from the source (null: the same). Shared by
// the dictionary tests and the check of the translation sources.

#include <QCoreApplication>
#include <QMetaType>
#include <QString>
#include <QTranslator>

#include <vector>

struct ExpectedText
{
    int key;
    const char *russian;
    const char *english;
    const char *russianCatalogue;
};

inline const std::vector<ExpectedText> &expectedErrorTexts()
{
    static const std::vector<ExpectedText> texts = {
        {0, "Отсутствует код ошибки.", "Unknown error code.", nullptr},
        {501, "Несоответствие данных в элементе.", "Inconsistency data in element.", nullptr},
        {502, "Не могу выполнить отношение.", "Unable to calculate relation.", nullptr},
        {503, "Не используется.", "Not used.", nullptr},
        {504, "Не используется.", "Not used.", nullptr},
        {505, "Превышение число итераций.", "Exceeded number of iterations.",
         "Превышено число итераций."},
        {506, "Нет входных данных.", "No input data.", nullptr},
        {507, "Нет выходных данных.", "No output data.", nullptr},
        {508, "Расчёт не был произведён.", "Calculation failed.", nullptr},
        {509, "Класс не может быть родителем для данного объекта.",
         "Current class can't be parent of this object.", nullptr},
        {510, "Элемент уже существует.", "Element already exist.", nullptr},
        {511, "Искомый элемент не найден.", "Element not found.", nullptr},
        {512, "Недостаточно данных для операции.", "Not enough data.", nullptr},
        {513, "Класс не может проводить операции над объектом, т.к. не является родителем объекта.",
         "Current class can't manage this object. Current class is not parent of this object.",
         nullptr},
        {514, "Связь между такими типами объектов не поддерживается.",
         "Connection between two objects of such types is not supported.", nullptr},
        {515, "Неправильные типы входных параметров.", "Invalid input parameter types.", nullptr},
        {516, "Неправильные типы выходных параметров.", "Invalid output parameter types.", nullptr},
        {517, "Недействительный тип отношения.", "Invalid relation type.", nullptr},
        {518, "Ошибка при вычислении значения параметра.", "Invalid parameter value.", nullptr},
        {519, "Неправильный тип значения параметра.", "Invalid parameter type.", nullptr},
        {520, "Отсутствует ID объекта.", "No ID exception.", nullptr},
        {521, "У объекта должно быть более одного входного параметра.",
         "There must be at least one input parameter.", nullptr},
        {522, "У объекта должно быть более одного выходного параметра.",
         "There must be at least one output parameter.", nullptr},
        {523, "Объект не связан ни с одним классом или моделью.",
         "Object is not connected with any class or model.", nullptr},
        {524, "Отсутствует связь с отношением.", "Not connected with relation.", nullptr},
        {525, "Отсутствует обязательное поле.", "Required field is missing.", nullptr},
        {526, "Указатель равен NULL.", "NULL pointer.", nullptr},
        {527, "Отсутствует тело отношения.", "No body in relation.", nullptr},
        {528, "Нельзя создать связь между объектами с данными типами.",
         "Can't link objects. Type mismatch.", nullptr},
        {529, "Несовпадение типов значений переменных.", "Parameter value types mismatch.",
         nullptr},
        {530, "Не могу создать QDomElement из объекта.", "Can't create QDomElement.", nullptr},
        {531, "Не могу открыть файл.", "Can't open file.", nullptr},
        {532, "Проблема с файлом.", "File error.", nullptr},
        {533, "Файл не существует.", "File doesn't exist.", nullptr},
        {534, "Неверный формат модели.", "Invalid model format.", nullptr},
        {535, "Не могу создать элемент из QDomElemnt.", "Can't create element from QDomElement.",
         nullptr},
        {536, "Неизвестный тэг в xml.", "Unknown tag in xml.", nullptr},
        {537, "Неизвестный тэг в xml.", "Unknown tag in xml.", nullptr},
        {538, "Отсутствует необходимый тэг для сериализации.", "Required tag is missing.", nullptr},
        {539, "Не могу сохранить класс с ошибками целостности.",
         "Can't save class with integrity errors.", nullptr},
        {1001, "Правило не привязано к отношению.", "Rule has no relation.", nullptr},
        {1002, "Правило без входных параметров.", "Rule has no input parameters.", nullptr},
        {1003, "Правило без выходных параметров.", "Rule has no output parameters.", nullptr},
        {1004,
         "Количество входных параметров в правиле не совпадает с количеством параметров в "
         "отношении.",
         "The number of rule input parameters is not equall to the number of relation input "
         "parameters.",
         nullptr},
        {1005,
         "Количество выходных параметров в правиле не совпадает с количеством параметров в "
         "отношении.",
         "The number of rule output parameters is not equall to the number of relation output "
         "parameters.",
         nullptr},
        {1006, "Тип входного параметра в правиле не совпадает с типом отношения.",
         "Input parameter type mismatch.", nullptr},
        {1007, "Тип выходного параметра в правиле не совпадает с типом отношения.",
         "Output parameter type mismatch.", nullptr},
        {1008, "Входной параметр в правиле не имеет значения.",
         "Input parameter in rule has no value.", nullptr},
        {1009, "Выходной параметр в правиле не имеет значения.",
         "Output parameter in rule has no value.", nullptr},
        {1010, "Ограничение не привязано к отношению.", "Constraint has no relation.", nullptr},
        {1011, "Ограничение без входных параметров.", "Constraint has no input parameters.",
         nullptr},
        {1012,
         "Количество входных параметров в ограничении не совпадает с количеством параметров в "
         "отношении.",
         "The number of constraint input parameters is not equall to the number of relation input "
         "parameters.",
         nullptr},
        {1013, "Тип входного параметра в ограничении не совпадает с типом отношения.",
         "Input parameter type mismatch.", nullptr},
        {1014, "Входной параметр в ограничении не имеет значения.",
         "Input parameter in constraint has no value.", nullptr},
        {1015, "Входной параметр привязан к переменной, которой нет в отношении.",
         "The input parameter is connected to a variable, that does not exist in the relation.",
         nullptr},
        {1016, "Ограничение с таким именем уже существует.",
         "Constraint with the same name already exists.", nullptr},
        {1017, "Входной параметр привязан к переменной, которой нет в отношении.",
         "The input parameter is connected to a variable, that does not exist in the relation.",
         nullptr},
        {1018, "Выходной параметр привязан к переменной, которой нет в отношении.",
         "The output parameter is connected to a variable, that does not exist in the relation.",
         nullptr},
        {1019, "Правило с таким именем уже существует.", "Rule with the same name already exists.",
         nullptr},
        {1020, "Класс с таким именем уже существует.", "Class with the same name already exists.",
         nullptr},
        {1021, "Параметр с таким именем уже существует.",
         "Parameter with the same name already exists.", nullptr},
        {1022, "Отношение с таким именем уже существует.",
         "Relation with the same name already exists.", nullptr},
        {1023, "Наименование отношения не может быть пустым.", "Relation name can't be empty.",
         nullptr},
        {1024, "Класс не связан с хранилищем отношений.",
         "The class is not related to relations storage.", nullptr},
        {1025, "Отсутствует имя у правила.", "Rule has no name.", nullptr},
        {1026, "Отсутствует имя у ограничения.", "Constraint has no name.", nullptr},
        {1028, "Исходящий параметр используется более одного раза.",
         "Output parameter used more then once.", nullptr},
        {1029, "Отсутствуют уникальные (не являющиеся входными) выходные параметры.",
         "No unique output parameters.", nullptr},
        {10001, "Ошибка", "Error", nullptr},
        {10002, "Не пойманная ошибка.", "Uncaught error.", nullptr},
        {10010, "Заполните поле IF.", "IF line can not be empty.", nullptr},
        {10011, "Заполните блок IF-THEN-ELSE", nullptr, nullptr},
        {10020, "Ошибка отладки.", nullptr, nullptr},
        {10030, "Передан NULL указатель на страницу тестирования.", "Null pointer exception.",
         nullptr},
        {10040, "Нет параметров, отмеченных для поиска.", nullptr, nullptr},
        {10041, "Все входные параметры не могут быть пустыми!", nullptr, nullptr},
        {10050, "Ошибка в левой части формулы:", "Error in the left part of the formula:", nullptr},
        {10051, "Не допускается использование формул и математических операций.",
         "Can't use formulas or math operations in the left part.", nullptr},
        {10060, "Можно использовать только латинские буквы.", "Only latin letters allowed.",
         nullptr},
        {10070, "Нельзя использовать символ", "Forbidden symbol ", nullptr},
        {10080, "Выходные параметры в THEN и ELSE должны совпадать!",
         "Output parameters in THEN and ELSE must be equal!", nullptr},
        {10090, "В IF нельзя использовать выходной параметр.", nullptr, nullptr},
        {10100, "Условное отношение должно содержать сравнительные конструкции.",
         "IF-clause relation must contain comparative constructions.", nullptr},
        {10110, "Формула не прошла проверку на соответствие данных.",
         "Inconsistency data in formula relation.", nullptr},
        {10120, "Сложное отношение не прошло проверку на соответствие данных.",
         "Inconsistency data in programming relation.", nullptr},
        {10130, "Условное отношение не прошло проверку на соответствие данных.",
         "Inconsistency data in if-clause relation.", nullptr},
        {10140, "Ограничение не прошло проверку на соответствие данных.",
         "Inconsistency data in constraint relation.", nullptr},
        {10150, "Необходимо ввести выходной параметр.", "Add output parameter.", nullptr},
        {10151, "Множества входных и выходных параметров не должны пересекаться!", nullptr,
         nullptr},
        {10160, "Наименование класса не может быть пустым.", "Class name can't be empty.", nullptr},
        {10170, "Наименование параметра не может быть пустым.", "Parameter name can't be empty.",
         nullptr},
        {10180, "Ввели текст вместо числа.", "Text entered instead of number.", nullptr},
        {10190, "Наименование отношения не может быть пустым.", "Relation name can't be empty.",
         nullptr},
        {10200, "Тело отношения не может быть пустым.", "Relations body can't be empty.", nullptr},
        {10210, "Наименование правила не может быть пустым.", "Rule name can't be empty.", nullptr},
        {10220, "Отсутствуют входные параметры.", "No input parameters.", nullptr},
        {10230, "Отсутствуют выходные параметры.", "No output parameters.", nullptr},
        {10240, "Выбранный параметр присутствует в выходных данных.",
         "Choosed parameter already exist in output parameters.", nullptr},
        {10250, "Выбранный параметр присутствует во входных данных.",
         "Choosed parameter already exist in input parameters.", nullptr},
        {10260, "Нарушена целостность класса. Невозможно провести тестирование.",
         "Violating the integrity of the class. It is impossible to test.", nullptr},
        {10270, "Отсутствуют входные параметры.", "No input parameters.", nullptr},
        {10280, "Отсутствуют выходные параметры.", "No output parameters.", nullptr},
        {10310, "Значение сравнения в строке %1 не является числом.",
         "The comparison value in row %1 is not a number.", nullptr},
        {10290, "Вычисление прервано: превышено допустимое время выполнения.",
         "Evaluation stopped: it ran past its time limit.", nullptr},
        {10300,
         "Имена переменных должны быть непустыми, неповторяющимися и состоять из латинских букв, "
         "цифр и знака подчёркивания.",
         "Variable names must be non-empty, unique and made of latin letters, digits and "
         "underscores.",
         nullptr},
        {10340, "Ничего не сохранено: текущая вкладка — тестирование класса.",
         "Nothing was saved: the current tab is a class test.", nullptr},
        {10400, "Строка %1: %2", "Line %1: %2", nullptr},
        {10410, "Тест остановлен пользователем.", "The test was stopped by the user.", nullptr},
        {10420,
         "Вставляемый текст (символов: %1) не помещается в поле, которое вмещает не более %2 "
         "символов. Текст не вставлен.",
         "The pasted text (%1 characters) does not fit into the field, which takes at most %2 "
         "characters. Nothing was pasted.",
         nullptr},
        {10430,
         "Не удалось открыть дисплей \"%1\" (платформа %2). Запустите программу в сеансе "
         "рабочего стола, под xvfb-run (xvfb-run bash scripts/run.sh) или с "
         "QT_QPA_PLATFORM=offscreen.",
         "Cannot open the display \"%1\" (platform %2). Start the program in a desktop session, "
         "under xvfb-run (xvfb-run bash scripts/run.sh) or with QT_QPA_PLATFORM=offscreen.",
         nullptr},
    };
    return texts;
}

inline const std::vector<ExpectedText> &expectedInterfaceTexts()
{
    static const std::vector<ExpectedText> texts = {
        {1, "Наименование", "Name", nullptr},
        {2, "Описание", "Description", nullptr},
        {3, "Тип", "Type", nullptr},
        {4, "Очистить", "Clear", nullptr},
        {5, "Сохранить", "Save", nullptr},
        {6, "Отменить", "Cancel", nullptr},
        {7, "Продолжить", "Continue", nullptr},
        {8, "Предупреждение", "Warning", nullptr},
        {9, "Да", "Yes", nullptr},
        {10, "Нет", "No", nullptr},
        {20, "Команда", "Command", nullptr},
        {30, "Редактор", "Redactor", nullptr},
        {40, "Входные параметры", "Input parameters", nullptr},
        {50, "Выходные параметры", "Output parmeters", nullptr},
        {60, "Не удалось открыть модель. Файл поврежден или имеет некорректный формат",
         "Unable to open the model. The file is damaged or has incorrect format", nullptr},
        {1001, "Файл", "File", nullptr},
        {1002, "Правка", "Edit", nullptr},
        {1003, "Инструменты", "Tools", nullptr},
        {1004, "Анализ", "Analyze", nullptr},
        {1005, "Окно", "Window", nullptr},
        {1006, "Справка", "Help", nullptr},
        {1007, "Создать проект", "Create project", nullptr},
        {1008, "Открыть проект...", "Open project...", nullptr},
        {1009, "Недавние проекты", "Recent projects", nullptr},
        {1010, "Закрыть проект", "Close project", nullptr},
        {1011, "Сохранить", "Save", nullptr},
        {1012, "Сохранить как...", "Save as...", nullptr},
        {1013, "Сохранить всё", "Save all", nullptr},
        {1014, "Выход", "Exit", nullptr},
        {1015, "Тестирование модели", "Test model", nullptr},
        {1016, "Вид", "View", nullptr},
        {1017, "Окно \"Проект\"", "\"Project\" window", nullptr},
        {1018, "Окно \"Отношения\"", "\"Relations\" window", nullptr},
        {1019, "Окно \"Консоль\"", "\"Console\" window", nullptr},
        {1020, "Окно \"История\"", "\"History\" window", nullptr},
        {1021, "Окно \"Ошибки\"", "\"Errors\" window", nullptr},
        {1022, "Модель", "Model", nullptr},
        {1023, "Отсутствует модель для сохранения", "There is no model to save", nullptr},
        {1024, "физически не сохранена. Хотите сохранить модель?",
         "has never been saved. Do you want to save model?", nullptr},
        {1030, "Вкладка \"Проект\"", "\"Project\" tab", nullptr},
        {1040, "Вкладка \"Отношения\"", "\"Relation\" tab", nullptr},
        {1050, "Вкладка \"Консоль\"", "\"Console\" tab", nullptr},
        {1060, "Вкладка \"История\"", "\"History\" tab", nullptr},
        {1070, "Вкладка \"Ошибки\"", "\"Errors\" tab", nullptr},
        {1080, "Ошибки", "Errors", nullptr},
        {1081, "Запустить", "Run", nullptr},
        {1082, "Показать граф", "Show graph", nullptr},
        {1083, "Отобразить только результат", "Show results only", nullptr},
        {1084, "Очистить результат теста", "Clear results", "Очистить результаты теста"},
        {1085, "Отладка", "Debug", nullptr},
        {1090, "Консоль", "Console", nullptr},
        {1100, "Выбор параметра", "Choose parameter", nullptr},
        {1110, "Проект", "Project", nullptr},
        {1120, "Отношения", "Relations", nullptr},
        {2001, "Уровень", "Level", nullptr},
        {2002, "Тип данных", "Value Type", nullptr},
        {2003, "Значение", "Value", nullptr},
        {2004, "Правила", "Rules", nullptr},
        {2005, "Ограничение", "Constraints", nullptr},
        {2006, "Число", "Number", nullptr},
        {2007, "Текст", "Text", nullptr},
        {2020, "Добавить оператор сравнения", "Add a comparison operator", nullptr},
        {2021, "Добавить логический оператор", "Add a logical operator", nullptr},
        {2022, "Удалить оператор сравнения", "Delete comparison operator", nullptr},
        {2023, "Удалить логический оператор", "Delete logical operator", nullptr},
        {2024, "Создать ограничение", "Create constraint", nullptr},
        {2030, "Правила", "Rules", nullptr},
        {2040, "Ограничения", "Constraints", nullptr},
        {3001, "Тело отношения", "Relation formula", nullptr},
        {3002, "Тип отношения", "Relation type", nullptr},
        {3003, "Формула", "Formula", nullptr},
        {3004, "Условное отношение", "IF-clause relation", nullptr},
        {3005, "Ограничение", "Constraints", nullptr},
        {3006, "Сложное отношение", "Programming relation", nullptr},
        {4001, "Отношение", "Relation", nullptr},
        {4002, "Входные параметры", "Input parameters", nullptr},
        {4003, "Выходные параметры", "Output parmeters", nullptr},
        {4004, "Параметр", "Parameter", nullptr},
        {4010, "Выбрать параметр", "Choose parameter", nullptr},
        {4011, "Очистить", "Clear", nullptr},
        {5001, "Проблемы", "Problems", nullptr},
        {5010, "Проблемный объект", "Problem element", nullptr},
        {5011, "Связанные объекты", "Connected elements", nullptr},
        {5020, "Очистить", "Clear", nullptr},
        {6001, "Добавить отношение", "Add relation", nullptr},
        {6002, "Редактировать отношение", "Edit relation", nullptr},
        {6003, "Удалить отношение", "Delete relation", nullptr},
        {6004, "Добавить правило", "Add rule", nullptr},
        {6005, "Редактировать правило", "Change rule", nullptr},
        {6006, "Удалить правило", "Delete rule", nullptr},
        {6007, "Отношение", "Relation", nullptr},
        {6008, "Ограничение", "Constraints", nullptr},
        {6009, "Правило", "Rule", nullptr},
        {6010, "Добавить ограничение", "Add constraint", nullptr},
        {6011, "Редактировать ограничение", "Change constraint", nullptr},
        {6012, "Удалить ограничение", "Delete constraint", nullptr},
        {7001, "Добавить класс", "Add class", nullptr},
        {7002, "Редактировать класс", "Change class", nullptr},
        {7003, "Удалить класс", "Delete class", nullptr},
        {7004, "Добавить параметр", "Add parameter", nullptr},
        {7005, "Редактировать параметр", "Change parameter", nullptr},
        {7006, "Удалить параметр", "Delete parameter", nullptr},
        {7007, "Класс", "Class", nullptr},
        {7008, "Параметр", "Parameter", nullptr},
        {7010, "Наименование", "Name", nullptr},
        {7020, "Тип", "Type", nullptr},
        {7030, "UID", "UID", nullptr},
        {7040, "Тестировать класс", "Test class", nullptr},
        {7050, "Развернуть всё", "Expend all", nullptr},
        {7060, "Свернуть всё", "Hide all", nullptr},
        {8010, "Открыть файл", "Open file", nullptr},
        {8020, "Сохранить файл", "Savel file", nullptr},
        {8030, "XML file (*.xml)", "XML file (*.xml)", nullptr},
        {9010, "Информация", "Information", nullptr},
        {9020, "Выберите параметр", "Choose parameter", nullptr},
        {9030, "Предупреждение", "Warning", nullptr},
        {9040, "Запрещено удалять корневой класс", "Unable to delete root class", nullptr},
        {9050, "Необходимо ввести выходной параметр", "Add output parameter", nullptr},
        {10010, "Путь не найден.", "Solution not found.", nullptr},
        {10020, "Не найдены:", "Not found:", nullptr},
        {10030, "Не выполнено ограничение:", "Constraint triggered:", nullptr},
        {10040, "Тест:", "Test:", nullptr},
        {10050, "Ошибка в вычислении:", "Calculation error:", nullptr},
        {10060, "Дальнейший алгоритм:", "Following algorithm:", nullptr},
        {10070, "Шаг №", "Step #", nullptr},
        {10080, "Правило:", "Rule description:", nullptr},
        {10081, "Отношение:", nullptr, nullptr},
        {10090, "Входные параметры:", "Input parameters:", nullptr},
        {10100, "Формула:", "Formula:", nullptr},
        {10110, "Результат:", "Results:", nullptr},
        {11010, "Команда", "Command", nullptr},
        {11020, "Описание", "Description", nullptr},
        {11030, "ЕСЛИ", "IF", nullptr},
        {11040, "ТО", "THEN", nullptr},
        {11050, "ИНАЧЕ", "ELSE", nullptr},
        {11060, "Входные параметры", "Input parameters", nullptr},
        {11070, "Выходные параметры", "Output parmeters", nullptr},
        {12010, "Проблемы", "Problems", nullptr},
        {12020, "Очистить", "Clear", nullptr},
        {13001, "Наименование программы", "Application name", nullptr},
        {13010, "Версия программы", "Version", nullptr},
        {13020, "Компания", "Company", nullptr},
        {13040, "О программе", "About", nullptr},
        {14001, "Редактирование информации о модели", "Edit model information", nullptr},
        {14002, "Имя", "Name", nullptr},
        {14003, "Версия", "Version", nullptr},
        {14004, "Автор", "Author", nullptr},
        {15001, "ТОРВА", nullptr, nullptr},
    };
    return texts;
}

// Which catalogue a check runs under.
enum class Catalogue { None, English, Russian };
Q_DECLARE_METATYPE(Catalogue)

inline QString catalogueName(Catalogue n_catalogue)
{
    return n_catalogue == Catalogue::English ? QStringLiteral("IDE_eng") : QStringLiteral("IDE_ru");
}

// The text a key must show under the catalogue.
inline QString expectedText(const ExpectedText &n_text, Catalogue n_catalogue)
{
    if (n_catalogue == Catalogue::English && n_text.english != nullptr)
        return QString::fromUtf8(n_text.english);
    if (n_catalogue == Catalogue::Russian && n_text.russianCatalogue != nullptr)
        return QString::fromUtf8(n_text.russianCatalogue);
    return QString::fromUtf8(n_text.russian);
}

// Installs one of the embedded interface catalogues for the guard's lifetime.
class InstalledCatalogue
{
public:
    explicit InstalledCatalogue(Catalogue n_catalogue)
    {
        if (n_catalogue == Catalogue::None)
            return;
        m_loaded = m_translator.load(catalogueName(n_catalogue), QStringLiteral(":/translation"))
                   && QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledCatalogue() { QCoreApplication::removeTranslator(&m_translator); }
    InstalledCatalogue(const InstalledCatalogue &) = delete;
    InstalledCatalogue &operator=(const InstalledCatalogue &) = delete;

    bool isLoaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// Answers nothing and counts how often the toolkit asked it for a text of the context "QObject":
// every translation of the dictionaries passes through it while it is installed.
class CountingTranslator : public QTranslator
{
public:
    QString translate(const char *n_context, const char *, const char *, int) const override
    {
        if (qstrcmp(n_context, "QObject") == 0)
            ++m_calls;
        return QString();
    }
    bool isEmpty() const override { return false; }
    int calls() const { return m_calls; }

private:
    mutable int m_calls = 0;
};

#endif // TEXTTABLES_H
