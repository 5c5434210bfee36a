#include "Errors/ErrorDictionary.h"

#include "Entities/Language/LanguageChangeWatcher.h"
#include "errors/IntegrityMsg.h"

#include <QObject>

ErrorDictionary::ErrorDictionary()
{
    m_filledForGeneration = LanguageChangeWatcher::generation();
    gatherHash();
}

ErrorDictionary &ErrorDictionary::Instance()
{
    static ErrorDictionary instance;
    // Translating the whole table is needed only when the translators changed since the last fill.
    const quint64 generation = LanguageChangeWatcher::generation();
    if (generation != instance.m_filledForGeneration) {
        instance.m_filledForGeneration = generation;
        instance.gatherHash();
    }
    return instance;
}

void ErrorDictionary::gatherHash()
{
    m_ostraCoreBeginKey = 0;
    m_ostraIntegrityBeginKey = 1000;
    m_ostraIDEBeginKey = 10000;
    m_errors.clear();
    const auto insert = [this](int n_key, const QString &n_text) {
        m_errors.insert(n_key, n_text);
    };

    // Core: the exception ids (the exception classes raised with them in the comments).
    insert(m_ostraCoreBeginKey + 0, QObject::tr("Отсутствует код ошибки."));
    insert(m_ostraCoreBeginKey + 501,
           QObject::tr("Несоответствие данных в элементе.")); // InconsistencyDataExceptionOstra
    insert(m_ostraCoreBeginKey + 502,
           QObject::tr("Не могу выполнить отношение."));                // CalculationExceptionOstra
    insert(m_ostraCoreBeginKey + 503, QObject::tr("Не используется.")); // BadValueExceptionOstra
    insert(m_ostraCoreBeginKey + 504,
           QObject::tr("Не используется.")); // InitScriptParameterExceptionOstra
    insert(m_ostraCoreBeginKey + 505,
           QObject::tr("Превышение число итераций.")); // LoopExceptionOstra
    insert(m_ostraCoreBeginKey + 506,
           QObject::tr("Нет входных данных.")); // NoKnownParametersExceptionOstra
    insert(m_ostraCoreBeginKey + 507,
           QObject::tr("Нет выходных данных.")); // NoRequiredParametersExceptionOstra
    insert(m_ostraCoreBeginKey + 508,
           QObject::tr("Расчёт не был произведён.")); // NotCalculatedExceptionOstra
    insert(m_ostraCoreBeginKey + 509,
           QObject::tr("Класс не может быть родителем для данного объекта.")); // BadNewObjectParent
    insert(m_ostraCoreBeginKey + 510,
           QObject::tr("Элемент уже существует.")); // ElementAlreadyExistExceptionOstra
    insert(m_ostraCoreBeginKey + 511,
           QObject::tr("Искомый элемент не найден.")); // NoElementExceptionOstra
    insert(m_ostraCoreBeginKey + 512,
           QObject::tr("Недостаточно данных для операции.")); // NotEnoughDataExceptionOstra
    insert(m_ostraCoreBeginKey + 513,
           QObject::tr("Класс не может проводить операции над объектом, т.к. не является родителем "
                       "объекта.")); // NotObjectOwner
    insert(m_ostraCoreBeginKey + 514,
           QObject::tr(
               "Связь между такими типами объектов не поддерживается.")); // NotSupportedEdgeType
    insert(m_ostraCoreBeginKey + 515,
           QObject::tr("Неправильные типы входных параметров.")); // BadInputParametersTypes
    insert(m_ostraCoreBeginKey + 516,
           QObject::tr("Неправильные типы выходных параметров.")); // BadOutputParametersTypes
    insert(m_ostraCoreBeginKey + 517,
           QObject::tr("Недействительный тип отношения.")); // BadRelationType
    insert(m_ostraCoreBeginKey + 518,
           QObject::tr("Ошибка при вычислении значения параметра.")); // BadValueFromRule
    insert(m_ostraCoreBeginKey + 519,
           QObject::tr("Неправильный тип значения параметра.")); // BadValueTypeExceptionOstra
    insert(m_ostraCoreBeginKey + 520, QObject::tr("Отсутствует ID объекта.")); // NoIdExceptionOstra
    insert(
        m_ostraCoreBeginKey + 521,
        QObject::tr("У объекта должно быть более одного входного параметра.")); // NoInputParameters
    insert(m_ostraCoreBeginKey + 522,
           QObject::tr(
               "У объекта должно быть более одного выходного параметра.")); // NoOutputParameters
    insert(m_ostraCoreBeginKey + 523,
           QObject::tr("Объект не связан ни с одним классом или моделью.")); // NoParentException
    insert(m_ostraCoreBeginKey + 524, QObject::tr("Отсутствует связь с отношением.")); // NoRelation
    insert(m_ostraCoreBeginKey + 525,
           QObject::tr("Отсутствует обязательное поле."));                   // NoRequiredField
    insert(m_ostraCoreBeginKey + 526, QObject::tr("Указатель равен NULL.")); // PointerIsNull
    insert(m_ostraCoreBeginKey + 527, QObject::tr("Отсутствует тело отношения.")); // RelationNoCode
    insert(m_ostraCoreBeginKey + 528, QObject::tr("Нельзя создать связь между объектами с данными "
                                                  "типами.")); // TypesMismatchExceptionOstra
    insert(m_ostraCoreBeginKey + 529,
           QObject::tr(
               "Несовпадение типов значений переменных.")); // ValuesTypesMismatchExceptionOstra
    insert(
        m_ostraCoreBeginKey + 530,
        QObject::tr("Не могу создать QDomElement из объекта.")); // CreateDomElementExceptionOstra
    insert(m_ostraCoreBeginKey + 531,
           QObject::tr("Не могу открыть файл.")); // FileCantOpenExceptionOstra
    insert(m_ostraCoreBeginKey + 532, QObject::tr("Проблема с файлом.")); // FileIOExceptionOstra
    insert(m_ostraCoreBeginKey + 533,
           QObject::tr("Файл не существует.")); // FileNotExistExceptionOstra
    insert(m_ostraCoreBeginKey + 534,
           QObject::tr("Неверный формат модели.")); // NotSupportedXmlFormat
    insert(m_ostraCoreBeginKey + 535,
           QObject::tr("Не могу создать элемент из QDomElemnt.")); // ReadDomElementExceptionOstra
    insert(m_ostraCoreBeginKey + 536, QObject::tr("Неизвестный тэг в xml.")); // UnexpectedTagName
    insert(m_ostraCoreBeginKey + 537,
           QObject::tr("Неизвестный тэг в xml.")); // XMLParseExceptionOstra
    insert(m_ostraCoreBeginKey + 538,
           QObject::tr("Отсутствует необходимый тэг для сериализации.")); // NoRequiredTag
    insert(m_ostraCoreBeginKey + 539,
           QObject::tr(
               "Не могу сохранить класс с ошибками целостности.")); // CantSaveClassIntegrityErrors

    // Integrity: the codes of the integrity findings.
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION,
           QObject::tr("Правило не привязано к отношению."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_WITHOUT_INPUT_PARAMETERS,
           QObject::tr("Правило без входных параметров."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_WITHOUT_OUTPUT_PARAMETERS,
           QObject::tr("Правило без выходных параметров."));
    insert(
        m_ostraIntegrityBeginKey
            + IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT,
        QObject::tr("Количество входных параметров в правиле не совпадает с количеством параметров "
                    "в отношении."));
    insert(
        m_ostraIntegrityBeginKey
            + IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT,
        QObject::tr("Количество выходных параметров в правиле не совпадает с количеством "
                    "параметров в отношении."));
    insert(
        m_ostraIntegrityBeginKey
            + IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE,
        QObject::tr("Тип входного параметра в правиле не совпадает с типом отношения."));
    insert(m_ostraIntegrityBeginKey
               + IntegrityMsg::
                   MSG_CODE_RULE_OUTPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE,
           QObject::tr("Тип выходного параметра в правиле не совпадает с типом отношения."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_ONE_INPUT_PARAMETER_IS_NULL,
           QObject::tr("Входной параметр в правиле не имеет значения."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_ONE_OUTPUT_PARAMETER_IS_NULL,
           QObject::tr("Выходной параметр в правиле не имеет значения."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_RELATION,
           QObject::tr("Ограничение не привязано к отношению."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_INPUT_PARAMETERS,
           QObject::tr("Ограничение без входных параметров."));
    insert(m_ostraIntegrityBeginKey
               + IntegrityMsg::
                   MSG_CODE_CONSTRAINT_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT,
           QObject::tr("Количество входных параметров в ограничении не совпадает с количеством "
                       "параметров в отношении."));
    insert(m_ostraIntegrityBeginKey
               + IntegrityMsg::
                   MSG_CODE_CONSTRAINT_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE,
           QObject::tr("Тип входного параметра в ограничении не совпадает с типом отношения."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CONSTRAINT_ONE_INPUT_PARAMETER_IS_NULL,
           QObject::tr("Входной параметр в ограничении не имеет значения."));
    insert(m_ostraIntegrityBeginKey
               + IntegrityMsg::MSG_CODE_CONSTRAINT_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
           QObject::tr("Входной параметр привязан к переменной, которой нет в отношении."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME,
           QObject::tr("Ограничение с таким именем уже существует."));
    insert(m_ostraIntegrityBeginKey
               + IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
           QObject::tr("Входной параметр привязан к переменной, которой нет в отношении."));
    insert(m_ostraIntegrityBeginKey
               + IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
           QObject::tr("Выходной параметр привязан к переменной, которой нет в отношении."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_WITH_SAME_SHORTNAME,
           QObject::tr("Правило с таким именем уже существует."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME,
           QObject::tr("Класс с таким именем уже существует."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME,
           QObject::tr("Параметр с таким именем уже существует."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME,
           QObject::tr("Отношение с таким именем уже существует."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY,
           QObject::tr("Наименование отношения не может быть пустым."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CLASS_NO_RELATIONS_STORAGE,
           QObject::tr("Класс не связан с хранилищем отношений."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_SHORTNAME_IS_EMPTY,
           QObject::tr("Отсутствует имя у правила."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_CONSTRAINT_SHORTNAME_IS_EMPTY,
           QObject::tr("Отсутствует имя у ограничения."));
    insert(m_ostraIntegrityBeginKey + IntegrityMsg::MSG_CODE_RULE_SAME_OUTPUT_PARAMETERS,
           QObject::tr("Исходящий параметр используется более одного раза."));
    insert(
        m_ostraIntegrityBeginKey
            + IntegrityMsg::MSG_CODE_RULE_SAME_INPUT_AND_OUTPUT_PARAMETERS_WITHOUT_UNIQ_PARAMETER,
        QObject::tr("Отсутствуют уникальные (не являющиеся входными) выходные параметры."));

    // Environment: messages of the editors, the class test and the main window.
    insert(m_ostraIDEBeginKey + 1, QObject::tr("Ошибка"));
    insert(m_ostraIDEBeginKey + 2, QObject::tr("Не пойманная ошибка."));
    insert(m_ostraIDEBeginKey + 10, QObject::tr("Заполните поле IF."));
    insert(m_ostraIDEBeginKey + 11, QObject::tr("Заполните блок IF-THEN-ELSE"));
    insert(m_ostraIDEBeginKey + 20, QObject::tr("Ошибка отладки."));
    insert(m_ostraIDEBeginKey + 30,
           QObject::tr("Передан NULL указатель на страницу тестирования."));
    insert(m_ostraIDEBeginKey + 40, QObject::tr("Нет параметров, отмеченных для поиска."));
    insert(m_ostraIDEBeginKey + 41, QObject::tr("Все входные параметры не могут быть пустыми!"));
    insert(m_ostraIDEBeginKey + 50, QObject::tr("Ошибка в левой части формулы:"));
    insert(m_ostraIDEBeginKey + 51,
           QObject::tr("Не допускается использование формул и математических операций."));
    insert(m_ostraIDEBeginKey + 60, QObject::tr("Можно использовать только латинские буквы."));
    insert(m_ostraIDEBeginKey + 70, QObject::tr("Нельзя использовать символ"));
    insert(m_ostraIDEBeginKey + 80,
           QObject::tr("Выходные параметры в THEN и ELSE должны совпадать!"));
    insert(m_ostraIDEBeginKey + 90, QObject::tr("В IF нельзя использовать выходной параметр."));
    insert(m_ostraIDEBeginKey + 100,
           QObject::tr("Условное отношение должно содержать сравнительные конструкции."));
    insert(m_ostraIDEBeginKey + 110,
           QObject::tr("Формула не прошла проверку на соответствие данных."));
    insert(m_ostraIDEBeginKey + 120,
           QObject::tr("Сложное отношение не прошло проверку на соответствие данных."));
    insert(m_ostraIDEBeginKey + 130,
           QObject::tr("Условное отношение не прошло проверку на соответствие данных."));
    insert(m_ostraIDEBeginKey + 140,
           QObject::tr("Ограничение не прошло проверку на соответствие данных."));
    insert(m_ostraIDEBeginKey + 150, QObject::tr("Необходимо ввести выходной параметр."));
    insert(m_ostraIDEBeginKey + 151,
           QObject::tr("Множества входных и выходных параметров не должны пересекаться!"));
    insert(m_ostraIDEBeginKey + 160, QObject::tr("Наименование класса не может быть пустым."));
    insert(m_ostraIDEBeginKey + 170, QObject::tr("Наименование параметра не может быть пустым."));
    insert(m_ostraIDEBeginKey + 180, QObject::tr("Ввели текст вместо числа."));
    insert(m_ostraIDEBeginKey + 190, QObject::tr("Наименование отношения не может быть пустым."));
    insert(m_ostraIDEBeginKey + 200, QObject::tr("Тело отношения не может быть пустым."));
    insert(m_ostraIDEBeginKey + 210, QObject::tr("Наименование правила не может быть пустым."));
    insert(m_ostraIDEBeginKey + 220, QObject::tr("Отсутствуют входные параметры."));
    insert(m_ostraIDEBeginKey + 230, QObject::tr("Отсутствуют выходные параметры."));
    insert(m_ostraIDEBeginKey + 240,
           QObject::tr("Выбранный параметр присутствует в выходных данных."));
    insert(m_ostraIDEBeginKey + 250,
           QObject::tr("Выбранный параметр присутствует во входных данных."));
    insert(m_ostraIDEBeginKey + 260,
           QObject::tr("Нарушена целостность класса. Невозможно провести тестирование."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_NO_INPUTS, QObject::tr("Отсутствуют входные параметры."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_NO_OUTPUTS,
           QObject::tr("Отсутствуют выходные параметры."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_BAD_COMPARISON_VALUE,
           QObject::tr("Значение сравнения в строке %1 не является числом."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_EVALUATION_TIMEOUT,
           QObject::tr("Вычисление прервано: превышено допустимое время выполнения."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_BAD_VARIABLE_NAME,
           QObject::tr("Имена переменных должны быть непустыми, неповторяющимися и состоять из "
                       "латинских букв, цифр и знака подчёркивания."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_TEST_TAB_NOT_SAVED,
           QObject::tr("Ничего не сохранено: текущая вкладка — тестирование класса."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_SCRIPT_LINE, QObject::tr("Строка %1: %2"));
    insert(m_ostraIDEBeginKey + ERROR_IDE_STOPPED_BY_USER,
           QObject::tr("Тест остановлен пользователем."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_PASTE_TOO_LONG,
           QObject::tr("Вставляемый текст (символов: %1) не помещается в поле, которое вмещает "
                       "не более %2 символов. Текст не вставлен."));
    insert(m_ostraIDEBeginKey + ERROR_IDE_NO_DISPLAY,
           QObject::tr("Не удалось открыть дисплей \"%1\" (платформа %2). Запустите программу в "
                       "сеансе рабочего стола, под xvfb-run (xvfb-run bash scripts/run.sh) или с "
                       "QT_QPA_PLATFORM=offscreen."));
}

QString ErrorDictionary::getErrorById(int n_key) const
{
    return m_errors.value(n_key);
}

int ErrorDictionary::getOstraCoreBeginKey() const
{
    return m_ostraCoreBeginKey;
}

int ErrorDictionary::getOstraIntegrityBeginKey() const
{
    return m_ostraIntegrityBeginKey;
}

int ErrorDictionary::getOstraIDEBeginKey() const
{
    return m_ostraIDEBeginKey;
}
