#include "Entities/Language/InterfaceLanguage.h"

#include "Entities/Language/LanguageChangeWatcher.h"
#include "ProgramVersion.h"

#include <QObject>

InterfaceLanguage::InterfaceLanguage()
{
    m_filledForGeneration = LanguageChangeWatcher::generation();
    initialize();
}

InterfaceLanguage &InterfaceLanguage::Instance()
{
    static InterfaceLanguage instance;
    // Translating the whole table is needed only when the translators changed since the last fill.
    const quint64 generation = LanguageChangeWatcher::generation();
    if (generation != instance.m_filledForGeneration) {
        instance.m_filledForGeneration = generation;
        instance.initialize();
    }
    return instance;
}

void InterfaceLanguage::initialize()
{
    m_mainInterfaceBeginKey = 1000;
    m_baseInterfaceBeginKey = 0;
    m_parameterBeginKey = 2000;
    m_relationBeginKey = 3000;
    m_ruleBeginKey = 4000;
    m_errorBeginKey = 5000;
    m_containerProjectBeginKey = 7000;
    m_containerRelationBeginKey = 6000;
    m_conditionalRelationBeginKey = 11000;
    m_errorAreaBeginKey = 12000;
    m_aboutDialogBeginKey = 13000;
    m_editModelDialogBeginKey = 14000;
    m_fileDialogBeginKey = 8000;
    m_informationMessageBoxBeginKey = 9000;
    m_ostraTestBeginKey = 10000;
    m_programVersionBeginKey = 15000;
    // Every fill inserts the same keys, so replacing entry by entry leaves no stale text.
    const auto insert = [this](int n_key, const QString &n_text) { m_texts.insert(n_key, n_text); };

    // BaseInterface
    insert(m_baseInterfaceBeginKey + 1, QObject::tr("Наименование"));
    insert(m_baseInterfaceBeginKey + 2, QObject::tr("Описание"));
    insert(m_baseInterfaceBeginKey + 3, QObject::tr("Тип"));
    insert(m_baseInterfaceBeginKey + 4, QObject::tr("Очистить"));
    insert(m_baseInterfaceBeginKey + 5, QObject::tr("Сохранить"));
    insert(m_baseInterfaceBeginKey + 6, QObject::tr("Отменить"));
    insert(m_baseInterfaceBeginKey + 7, QObject::tr("Продолжить"));
    insert(m_baseInterfaceBeginKey + 8, QObject::tr("Предупреждение"));
    insert(m_baseInterfaceBeginKey + 9, QObject::tr("Да"));
    insert(m_baseInterfaceBeginKey + 10, QObject::tr("Нет"));
    insert(m_baseInterfaceBeginKey + 20, QObject::tr("Команда"));
    insert(m_baseInterfaceBeginKey + 30, QObject::tr("Редактор"));
    insert(m_baseInterfaceBeginKey + 40, QObject::tr("Входные параметры"));
    insert(m_baseInterfaceBeginKey + 50, QObject::tr("Выходные параметры"));
    insert(m_baseInterfaceBeginKey + 60,
           QObject::tr("Не удалось открыть модель. Файл поврежден или имеет некорректный формат"));

    // MainInterface
    insert(m_mainInterfaceBeginKey + 1, QObject::tr("Файл"));
    insert(m_mainInterfaceBeginKey + 2, QObject::tr("Правка"));
    insert(m_mainInterfaceBeginKey + 3, QObject::tr("Инструменты"));
    insert(m_mainInterfaceBeginKey + 4, QObject::tr("Анализ"));
    insert(m_mainInterfaceBeginKey + 5, QObject::tr("Окно"));
    insert(m_mainInterfaceBeginKey + 6, QObject::tr("Справка"));
    insert(m_mainInterfaceBeginKey + 7, QObject::tr("Создать проект"));
    insert(m_mainInterfaceBeginKey + 8, QObject::tr("Открыть проект..."));
    insert(m_mainInterfaceBeginKey + 9, QObject::tr("Недавние проекты"));
    insert(m_mainInterfaceBeginKey + 10, QObject::tr("Закрыть проект"));
    insert(m_mainInterfaceBeginKey + 11, QObject::tr("Сохранить"));
    insert(m_mainInterfaceBeginKey + 12, QObject::tr("Сохранить как..."));
    insert(m_mainInterfaceBeginKey + 13, QObject::tr("Сохранить всё"));
    insert(m_mainInterfaceBeginKey + 14, QObject::tr("Выход"));
    insert(m_mainInterfaceBeginKey + 15, QObject::tr("Тестирование модели"));
    insert(m_mainInterfaceBeginKey + 16, QObject::tr("Вид"));
    insert(m_mainInterfaceBeginKey + 17, QObject::tr("Окно \"Проект\""));
    insert(m_mainInterfaceBeginKey + 18, QObject::tr("Окно \"Отношения\""));
    insert(m_mainInterfaceBeginKey + 19, QObject::tr("Окно \"Консоль\""));
    insert(m_mainInterfaceBeginKey + 20, QObject::tr("Окно \"История\""));
    insert(m_mainInterfaceBeginKey + 21, QObject::tr("Окно \"Ошибки\""));
    insert(m_mainInterfaceBeginKey + 22, QObject::tr("Модель"));
    insert(m_mainInterfaceBeginKey + 23, QObject::tr("Отсутствует модель для сохранения"));
    insert(m_mainInterfaceBeginKey + 24,
           QObject::tr("физически не сохранена. Хотите сохранить модель?"));
    insert(m_mainInterfaceBeginKey + 30, QObject::tr("Вкладка \"Проект\""));
    insert(m_mainInterfaceBeginKey + 40, QObject::tr("Вкладка \"Отношения\""));
    insert(m_mainInterfaceBeginKey + 50, QObject::tr("Вкладка \"Консоль\""));
    insert(m_mainInterfaceBeginKey + 60, QObject::tr("Вкладка \"История\""));
    insert(m_mainInterfaceBeginKey + 70, QObject::tr("Вкладка \"Ошибки\""));
    insert(m_mainInterfaceBeginKey + 80, QObject::tr("Ошибки"));
    insert(m_mainInterfaceBeginKey + 81, QObject::tr("Запустить"));
    insert(m_mainInterfaceBeginKey + 82, QObject::tr("Показать граф"));
    insert(m_mainInterfaceBeginKey + 83, QObject::tr("Отобразить только результат"));
    insert(m_mainInterfaceBeginKey + 84, QObject::tr("Очистить результат теста"));
    insert(m_mainInterfaceBeginKey + 85, QObject::tr("Отладка"));
    insert(m_mainInterfaceBeginKey + 90, QObject::tr("Консоль"));
    insert(m_mainInterfaceBeginKey + 100, QObject::tr("Выбор параметра"));
    insert(m_mainInterfaceBeginKey + 110, QObject::tr("Проект"));
    insert(m_mainInterfaceBeginKey + 120, QObject::tr("Отношения"));

    // Parameter
    insert(m_parameterBeginKey + 1, QObject::tr("Уровень"));
    insert(m_parameterBeginKey + 2, QObject::tr("Тип данных"));
    insert(m_parameterBeginKey + 3, QObject::tr("Значение"));
    insert(m_parameterBeginKey + 4, QObject::tr("Правила"));
    insert(m_parameterBeginKey + 5, QObject::tr("Ограничение"));
    insert(m_parameterBeginKey + 6, QObject::tr("Число"));
    insert(m_parameterBeginKey + 7, QObject::tr("Текст"));
    insert(m_parameterBeginKey + 20, QObject::tr("Добавить оператор сравнения"));
    insert(m_parameterBeginKey + 21, QObject::tr("Добавить логический оператор"));
    insert(m_parameterBeginKey + 22, QObject::tr("Удалить оператор сравнения"));
    insert(m_parameterBeginKey + 23, QObject::tr("Удалить логический оператор"));
    insert(m_parameterBeginKey + 24, QObject::tr("Создать ограничение"));
    insert(m_parameterBeginKey + 30, QObject::tr("Правила"));
    insert(m_parameterBeginKey + 40, QObject::tr("Ограничения"));

    // Relation
    insert(m_relationBeginKey + 1, QObject::tr("Тело отношения"));
    insert(m_relationBeginKey + 2, QObject::tr("Тип отношения"));
    insert(m_relationBeginKey + 3, QObject::tr("Формула"));
    insert(m_relationBeginKey + 4, QObject::tr("Условное отношение"));
    insert(m_relationBeginKey + 5, QObject::tr("Ограничение"));
    insert(m_relationBeginKey + 6, QObject::tr("Сложное отношение"));

    // Rule
    insert(m_ruleBeginKey + 1, QObject::tr("Отношение"));
    insert(m_ruleBeginKey + 2, QObject::tr("Входные параметры"));
    insert(m_ruleBeginKey + 3, QObject::tr("Выходные параметры"));
    insert(m_ruleBeginKey + 4, QObject::tr("Параметр"));
    insert(m_ruleBeginKey + 10, QObject::tr("Выбрать параметр"));
    insert(m_ruleBeginKey + 11, QObject::tr("Очистить"));

    // Error
    insert(m_errorBeginKey + 1, QObject::tr("Проблемы"));
    insert(m_errorBeginKey + 10, QObject::tr("Проблемный объект"));
    insert(m_errorBeginKey + 11, QObject::tr("Связанные объекты"));
    insert(m_errorBeginKey + 20, QObject::tr("Очистить"));

    // ContainerRelation
    insert(m_containerRelationBeginKey + 1, QObject::tr("Добавить отношение"));
    insert(m_containerRelationBeginKey + 2, QObject::tr("Редактировать отношение"));
    insert(m_containerRelationBeginKey + 3, QObject::tr("Удалить отношение"));
    insert(m_containerRelationBeginKey + 4, QObject::tr("Добавить правило"));
    insert(m_containerRelationBeginKey + 5, QObject::tr("Редактировать правило"));
    insert(m_containerRelationBeginKey + 6, QObject::tr("Удалить правило"));
    insert(m_containerRelationBeginKey + 7, QObject::tr("Отношение"));
    insert(m_containerRelationBeginKey + 8, QObject::tr("Ограничение"));
    insert(m_containerRelationBeginKey + 9, QObject::tr("Правило"));
    insert(m_containerRelationBeginKey + 10, QObject::tr("Добавить ограничение"));
    insert(m_containerRelationBeginKey + 11, QObject::tr("Редактировать ограничение"));
    insert(m_containerRelationBeginKey + 12, QObject::tr("Удалить ограничение"));

    // ContainerProject
    insert(m_containerProjectBeginKey + 1, QObject::tr("Добавить класс"));
    insert(m_containerProjectBeginKey + 2, QObject::tr("Редактировать класс"));
    insert(m_containerProjectBeginKey + 3, QObject::tr("Удалить класс"));
    insert(m_containerProjectBeginKey + 4, QObject::tr("Добавить параметр"));
    insert(m_containerProjectBeginKey + 5, QObject::tr("Редактировать параметр"));
    insert(m_containerProjectBeginKey + 6, QObject::tr("Удалить параметр"));
    insert(m_containerProjectBeginKey + 7, QObject::tr("Класс"));
    insert(m_containerProjectBeginKey + 8, QObject::tr("Параметр"));
    insert(m_containerProjectBeginKey + 10, QObject::tr("Наименование"));
    insert(m_containerProjectBeginKey + 20, QObject::tr("Тип"));
    insert(m_containerProjectBeginKey + 30, QObject::tr("UID"));
    insert(m_containerProjectBeginKey + 40, QObject::tr("Тестировать класс"));
    insert(m_containerProjectBeginKey + 50, QObject::tr("Развернуть всё"));
    insert(m_containerProjectBeginKey + 60, QObject::tr("Свернуть всё"));

    // FileDialog
    insert(m_fileDialogBeginKey + 10, QObject::tr("Открыть файл"));
    insert(m_fileDialogBeginKey + 20, QObject::tr("Сохранить файл"));
    insert(m_fileDialogBeginKey + 30, QObject::tr("XML file (*.xml)"));

    // InformationMessageBox
    insert(m_informationMessageBoxBeginKey + 10, QObject::tr("Информация"));
    insert(m_informationMessageBoxBeginKey + 20, QObject::tr("Выберите параметр"));
    insert(m_informationMessageBoxBeginKey + 30, QObject::tr("Предупреждение"));
    insert(m_informationMessageBoxBeginKey + 40, QObject::tr("Запрещено удалять корневой класс"));
    insert(m_informationMessageBoxBeginKey + 50,
           QObject::tr("Необходимо ввести выходной параметр"));

    // OstraTest
    insert(m_ostraTestBeginKey + 10, QObject::tr("Путь не найден."));
    insert(m_ostraTestBeginKey + 20, QObject::tr("Не найдены:"));
    insert(m_ostraTestBeginKey + 30, QObject::tr("Не выполнено ограничение:"));
    insert(m_ostraTestBeginKey + 40, QObject::tr("Тест:"));
    insert(m_ostraTestBeginKey + 50, QObject::tr("Ошибка в вычислении:"));
    insert(m_ostraTestBeginKey + 60, QObject::tr("Дальнейший алгоритм:"));
    insert(m_ostraTestBeginKey + 70, QObject::tr("Шаг №"));
    insert(m_ostraTestBeginKey + 80, QObject::tr("Правило:"));
    insert(m_ostraTestBeginKey + 81, QObject::tr("Отношение:"));
    insert(m_ostraTestBeginKey + 90, QObject::tr("Входные параметры:"));
    insert(m_ostraTestBeginKey + 100, QObject::tr("Формула:"));
    insert(m_ostraTestBeginKey + 110, QObject::tr("Результат:"));

    // ConditionalRelation
    insert(m_conditionalRelationBeginKey + 10, QObject::tr("Команда"));
    insert(m_conditionalRelationBeginKey + 20, QObject::tr("Описание"));
    insert(m_conditionalRelationBeginKey + 30, QObject::tr("ЕСЛИ"));
    insert(m_conditionalRelationBeginKey + 40, QObject::tr("ТО"));
    insert(m_conditionalRelationBeginKey + 50, QObject::tr("ИНАЧЕ"));
    insert(m_conditionalRelationBeginKey + 60, QObject::tr("Входные параметры"));
    insert(m_conditionalRelationBeginKey + 70, QObject::tr("Выходные параметры"));

    // ErrorArea
    insert(m_errorAreaBeginKey + 10, QObject::tr("Проблемы"));
    insert(m_errorAreaBeginKey + 20, QObject::tr("Очистить"));

    // AboutDialog
    insert(m_aboutDialogBeginKey + 1, QObject::tr("Наименование программы"));
    insert(m_aboutDialogBeginKey + 10, QObject::tr("Версия программы"));
    insert(m_aboutDialogBeginKey + 20, QObject::tr("Компания"));
    insert(m_aboutDialogBeginKey + 40, QObject::tr("О программе"));

    // EditModelDialog
    insert(m_editModelDialogBeginKey + 1, QObject::tr("Редактирование информации о модели"));
    insert(m_editModelDialogBeginKey + 2, QObject::tr("Имя"));
    insert(m_editModelDialogBeginKey + 3, QObject::tr("Версия"));
    insert(m_editModelDialogBeginKey + 4, QObject::tr("Автор"));

    // ProgramVersion
    insert(m_programVersionBeginKey + 1, QObject::tr("ТОРВА"));
}

QString InterfaceLanguage::getTextById(int n_key) const
{
    return m_texts.value(n_key);
}

int InterfaceLanguage::getMainInterfaceBeginKey() const
{
    return m_mainInterfaceBeginKey;
}

int InterfaceLanguage::getBaseInterfaceBeginKey() const
{
    return m_baseInterfaceBeginKey;
}

int InterfaceLanguage::getParameterBeginKey() const
{
    return m_parameterBeginKey;
}

int InterfaceLanguage::getRelationBeginKey() const
{
    return m_relationBeginKey;
}

int InterfaceLanguage::getRuleBeginKey() const
{
    return m_ruleBeginKey;
}

int InterfaceLanguage::getErrorBeginKey() const
{
    return m_errorBeginKey;
}

int InterfaceLanguage::getContainerProjectBeginKey() const
{
    return m_containerProjectBeginKey;
}

int InterfaceLanguage::getContainerRelationBeginKey() const
{
    return m_containerRelationBeginKey;
}

int InterfaceLanguage::getConditionalRelationBeginKey() const
{
    return m_conditionalRelationBeginKey;
}

int InterfaceLanguage::getErrorAreaBeginKey() const
{
    return m_errorAreaBeginKey;
}

int InterfaceLanguage::getAboutDialogBeginKey() const
{
    return m_aboutDialogBeginKey;
}

int InterfaceLanguage::getEditModelDialog() const
{
    return m_editModelDialogBeginKey;
}

int InterfaceLanguage::getFileDialogBeginKey() const
{
    return m_fileDialogBeginKey;
}

int InterfaceLanguage::getInformationMessageBoxBeginKey() const
{
    return m_informationMessageBoxBeginKey;
}

int InterfaceLanguage::getOstraTestBeginKey() const
{
    return m_ostraTestBeginKey;
}

int InterfaceLanguage::getProgramVersion() const
{
    return m_programVersionBeginKey;
}

QString getMainTitle(bool n_withVersion)
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const QString name = texts.getTextById(texts.getProgramVersion() + 1);
    if (!n_withVersion)
        return name;
    const QString version = QString::fromLatin1(PROGRAM_VERSION);
    // Major and minor number only: everything before the first "." from index 3 on.
    return name + QLatin1Char(' ') + version.left(version.indexOf(QLatin1Char('.'), 3));
}
