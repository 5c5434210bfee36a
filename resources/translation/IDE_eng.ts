<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>LayeredGraphWidget</name>
    <message>
        <source>Page #</source>
        <translation>Page #</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Отсутствует код ошибки.</source>
        <translation>Unknown error code.</translation>
    </message>
    <message>
        <source>Несоответствие данных в элементе.</source>
        <translation>Inconsistency data in element.</translation>
    </message>
    <message>
        <source>Не могу выполнить отношение.</source>
        <translation>Unable to calculate relation.</translation>
    </message>
    <message>
        <source>Не используется.</source>
        <translation>Not used.</translation>
    </message>
    <message>
        <source>Превышение число итераций.</source>
        <translation>Exceeded number of iterations.</translation>
    </message>
    <message>
        <source>Нет входных данных.</source>
        <translation>No input data.</translation>
    </message>
    <message>
        <source>Нет выходных данных.</source>
        <translation>No output data.</translation>
    </message>
    <message>
        <source>Расчёт не был произведён.</source>
        <translation>Calculation failed.</translation>
    </message>
    <message>
        <source>Класс не может быть родителем для данного объекта.</source>
        <translation>Current class can&apos;t be parent of this object.</translation>
    </message>
    <message>
        <source>Элемент уже существует.</source>
        <translation>Element already exist.</translation>
    </message>
    <message>
        <source>Искомый элемент не найден.</source>
        <translation>Element not found.</translation>
    </message>
    <message>
        <source>Недостаточно данных для операции.</source>
        <translation>Not enough data.</translation>
    </message>
    <message>
        <source>Класс не может проводить операции над объектом, т.к. не является родителем объекта.</source>
        <translation>Current class can&apos;t manage this object. Current class is not parent of this object.</translation>
    </message>
    <message>
        <source>Связь между такими типами объектов не поддерживается.</source>
        <translation>Connection between two objects of such types is not supported.</translation>
    </message>
    <message>
        <source>Неправильные типы входных параметров.</source>
        <translation>Invalid input parameter types.</translation>
    </message>
    <message>
        <source>Неправильные типы выходных параметров.</source>
        <translation>Invalid output parameter types.</translation>
    </message>
    <message>
        <source>Недействительный тип отношения.</source>
        <translation>Invalid relation type.</translation>
    </message>
    <message>
        <source>Ошибка при вычислении значения параметра.</source>
        <translation>Invalid parameter value.</translation>
    </message>
    <message>
        <source>Неправильный тип значения параметра.</source>
        <translation>Invalid parameter type.</translation>
    </message>
    <message>
        <source>Отсутствует ID объекта.</source>
        <translation>No ID exception.</translation>
    </message>
    <message>
        <source>У объекта должно быть более одного входного параметра.</source>
        <translation>There must be at least one input parameter.</translation>
    </message>
    <message>
        <source>У объекта должно быть более одного выходного параметра.</source>
        <translation>There must be at least one output parameter.</translation>
    </message>
    <message>
        <source>Объект не связан ни с одним классом или моделью.</source>
        <translation>Object is not connected with any class or model.</translation>
    </message>
    <message>
        <source>Отсутствует связь с отношением.</source>
        <translation>Not connected with relation.</translation>
    </message>
    <message>
        <source>Отсутствует обязательное поле.</source>
        <translation>Required field is missing.</translation>
    </message>
    <message>
        <source>Указатель равен NULL.</source>
        <translation>NULL pointer.</translation>
    </message>
    <message>
        <source>Отсутствует тело отношения.</source>
        <translation>No body in relation.</translation>
    </message>
    <message>
        <source>Нельзя создать связь между объектами с данными типами.</source>
        <translation>Can&apos;t link objects. Type mismatch.</translation>
    </message>
    <message>
        <source>Несовпадение типов значений переменных.</source>
        <translation>Parameter value types mismatch.</translation>
    </message>
    <message>
        <source>Не могу создать QDomElement из объекта.</source>
        <translation>Can&apos;t create QDomElement.</translation>
    </message>
    <message>
        <source>Не могу открыть файл.</source>
        <translation>Can&apos;t open file.</translation>
    </message>
    <message>
        <source>Проблема с файлом.</source>
        <translation>File error.</translation>
    </message>
    <message>
        <source>Файл не существует.</source>
        <translation>File doesn&apos;t exist.</translation>
    </message>
    <message>
        <source>Неверный формат модели.</source>
        <translation>Invalid model format.</translation>
    </message>
    <message>
        <source>Не могу создать элемент из QDomElemnt.</source>
        <translation>Can&apos;t create element from QDomElement.</translation>
    </message>
    <message>
        <source>Неизвестный тэг в xml.</source>
        <translation>Unknown tag in xml.</translation>
    </message>
    <message>
        <source>Отсутствует необходимый тэг для сериализации.</source>
        <translation>Required tag is missing.</translation>
    </message>
    <message>
        <source>Не могу сохранить класс с ошибками целостности.</source>
        <translation>Can&apos;t save class with integrity errors.</translation>
    </message>
    <message>
        <source>Правило не привязано к отношению.</source>
        <translation>Rule has no relation.</translation>
    </message>
    <message>
        <source>Правило без входных параметров.</source>
        <translation>Rule has no input parameters.</translation>
    </message>
    <message>
        <source>Правило без выходных параметров.</source>
        <translation>Rule has no output parameters.</translation>
    </message>
    <message>
        <source>Количество входных параметров в правиле не совпадает с количеством параметров в отношении.</source>
        <translation>The number of rule input parameters is not equall to the number of relation input parameters.</translation>
    </message>
    <message>
        <source>Количество выходных параметров в правиле не совпадает с количеством параметров в отношении.</source>
        <translation>The number of rule output parameters is not equall to the number of relation output parameters.</translation>
    </message>
    <message>
        <source>Тип входного параметра в правиле не совпадает с типом отношения.</source>
        <translation>Input parameter type mismatch.</translation>
    </message>
    <message>
        <source>Тип выходного параметра в правиле не совпадает с типом отношения.</source>
        <translation>Output parameter type mismatch.</translation>
    </message>
    <message>
        <source>Входной параметр в правиле не имеет значения.</source>
        <translation>Input parameter in rule has no value.</translation>
    </message>
    <message>
        <source>Выходной параметр в правиле не имеет значения.</source>
        <translation>Output parameter in rule has no value.</translation>
    </message>
    <message>
        <source>Ограничение не привязано к отношению.</source>
        <translation>Constraint has no relation.</translation>
    </message>
    <message>
        <source>Ограничение без входных параметров.</source>
        <translation>Constraint has no input parameters.</translation>
    </message>
    <message>
        <source>Количество входных параметров в ограничении не совпадает с количеством параметров в отношении.</source>
        <translation>The number of constraint input parameters is not equall to the number of relation input parameters.</translation>
    </message>
    <message>
        <source>Тип входного параметра в ограничении не совпадает с типом отношения.</source>
        <translation>Input parameter type mismatch.</translation>
    </message>
    <message>
        <source>Входной параметр в ограничении не имеет значения.</source>
        <translation>Input parameter in constraint has no value.</translation>
    </message>
    <message>
        <source>Входной параметр привязан к переменной, которой нет в отношении.</source>
        <translation>The input parameter is connected to a variable, that does not exist in the relation.</translation>
    </message>
    <message>
        <source>Ограничение с таким именем уже существует.</source>
        <translation>Constraint with the same name already exists.</translation>
    </message>
    <message>
        <source>Выходной параметр привязан к переменной, которой нет в отношении.</source>
        <translation>The output parameter is connected to a variable, that does not exist in the relation.</translation>
    </message>
    <message>
        <source>Правило с таким именем уже существует.</source>
        <translation>Rule with the same name already exists.</translation>
    </message>
    <message>
        <source>Класс с таким именем уже существует.</source>
        <translation>Class with the same name already exists.</translation>
    </message>
    <message>
        <source>Параметр с таким именем уже существует.</source>
        <translation>Parameter with the same name already exists.</translation>
    </message>
    <message>
        <source>Отношение с таким именем уже существует.</source>
        <translation>Relation with the same name already exists.</translation>
    </message>
    <message>
        <source>Наименование отношения не может быть пустым.</source>
        <translation>Relation name can&apos;t be empty.</translation>
    </message>
    <message>
        <source>Класс не связан с хранилищем отношений.</source>
        <translation>The class is not related to relations storage.</translation>
    </message>
    <message>
        <source>Отсутствует имя у правила.</source>
        <translation>Rule has no name.</translation>
    </message>
    <message>
        <source>Отсутствует имя у ограничения.</source>
        <translation>Constraint has no name.</translation>
    </message>
    <message>
        <source>Исходящий параметр используется более одного раза.</source>
        <translation>Output parameter used more then once.</translation>
    </message>
    <message>
        <source>Отсутствуют уникальные (не являющиеся входными) выходные параметры.</source>
        <translation>No unique output parameters.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не пойманная ошибка.</source>
        <translation>Uncaught error.</translation>
    </message>
    <message>
        <source>Заполните поле IF.</source>
        <translation>IF line can not be empty.</translation>
    </message>
    <message>
        <source>Заполните блок IF-THEN-ELSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка отладки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передан NULL указатель на страницу тестирования.</source>
        <translation>Null pointer exception.</translation>
    </message>
    <message>
        <source>Нет параметров, отмеченных для поиска.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все входные параметры не могут быть пустыми!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка в левой части формулы:</source>
        <translation>Error in the left part of the formula:</translation>
    </message>
    <message>
        <source>Не допускается использование формул и математических операций.</source>
        <translation>Can&apos;t use formulas or math operations in the left part.</translation>
    </message>
    <message>
        <source>Можно использовать только латинские буквы.</source>
        <translation>Only latin letters allowed.</translation>
    </message>
    <message>
        <source>Нельзя использовать символ</source>
        <translation>Forbidden symbol </translation>
    </message>
    <message>
        <source>Выходные параметры в THEN и ELSE должны совпадать!</source>
        <translation>Output parameters in THEN and ELSE must be equal!</translation>
    </message>
    <message>
        <source>В IF нельзя использовать выходной параметр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Условное отношение должно содержать сравнительные конструкции.</source>
        <translation>IF-clause relation must contain comparative constructions.</translation>
    </message>
    <message>
        <source>Формула не прошла проверку на соответствие данных.</source>
        <translation>Inconsistency data in formula relation.</translation>
    </message>
    <message>
        <source>Сложное отношение не прошло проверку на соответствие данных.</source>
        <translation>Inconsistency data in programming relation.</translation>
    </message>
    <message>
        <source>Условное отношение не прошло проверку на соответствие данных.</source>
        <translation>Inconsistency data in if-clause relation.</translation>
    </message>
    <message>
        <source>Ограничение не прошло проверку на соответствие данных.</source>
        <translation>Inconsistency data in constraint relation.</translation>
    </message>
    <message>
        <source>Необходимо ввести выходной параметр.</source>
        <translation>Add output parameter.</translation>
    </message>
    <message>
        <source>Множества входных и выходных параметров не должны пересекаться!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименование класса не может быть пустым.</source>
        <translation>Class name can&apos;t be empty.</translation>
    </message>
    <message>
        <source>Наименование параметра не может быть пустым.</source>
        <translation>Parameter name can&apos;t be empty.</translation>
    </message>
    <message>
        <source>Ввели текст вместо числа.</source>
        <translation>Text entered instead of number.</translation>
    </message>
    <message>
        <source>Тело отношения не может быть пустым.</source>
        <translation>Relations body can&apos;t be empty.</translation>
    </message>
    <message>
        <source>Наименование правила не может быть пустым.</source>
        <translation>Rule name can&apos;t be empty.</translation>
    </message>
    <message>
        <source>Отсутствуют входные параметры.</source>
        <translation>No input parameters.</translation>
    </message>
    <message>
        <source>Отсутствуют выходные параметры.</source>
        <translation>No output parameters.</translation>
    </message>
    <message>
        <source>Выбранный параметр присутствует в выходных данных.</source>
        <translation>Choosed parameter already exist in output parameters.</translation>
    </message>
    <message>
        <source>Выбранный параметр присутствует во входных данных.</source>
        <translation>Choosed parameter already exist in input parameters.</translation>
    </message>
    <message>
        <source>Нарушена целостность класса. Невозможно провести тестирование.</source>
        <translation>Violating the integrity of the class. It is impossible to test.</translation>
    </message>
    <message>
        <source>Значение сравнения в строке %1 не является числом.</source>
        <translation>The comparison value in row %1 is not a number.</translation>
    </message>
    <message>
        <source>Вычисление прервано: превышено допустимое время выполнения.</source>
        <translation>Evaluation stopped: it ran past its time limit.</translation>
    </message>
    <message>
        <source>Имена переменных должны быть непустыми, неповторяющимися и состоять из латинских букв, цифр и знака подчёркивания.</source>
        <translation>Variable names must be non-empty, unique and made of latin letters, digits and underscores.</translation>
    </message>
    <message>
        <source>Ничего не сохранено: текущая вкладка — тестирование класса.</source>
        <translation>Nothing was saved: the current tab is a class test.</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Тест остановлен пользователем.</source>
        <translation>The test was stopped by the user.</translation>
    </message>
    <message>
        <source>Вставляемый текст (символов: %1) не помещается в поле, которое вмещает не более %2 символов. Текст не вставлен.</source>
        <translation>The pasted text (%1 characters) does not fit into the field, which takes at most %2 characters. Nothing was pasted.</translation>
    </message>
    <message>
        <source>Не удалось открыть дисплей &quot;%1&quot; (платформа %2). Запустите программу в сеансе рабочего стола, под xvfb-run (xvfb-run bash scripts/run.sh) или с QT_QPA_PLATFORM=offscreen.</source>
        <translation>Cannot open the display &quot;%1&quot; (platform %2). Start the program in a desktop session, under xvfb-run (xvfb-run bash scripts/run.sh) or with QT_QPA_PLATFORM=offscreen.</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Редактор</source>
        <translation>Redactor</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Выходные параметры</source>
        <translation>Output parmeters</translation>
    </message>
    <message>
        <source>Не удалось открыть модель. Файл поврежден или имеет некорректный формат</source>
        <translation>Unable to open the model. The file is damaged or has incorrect format</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Analyze</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Создать проект</source>
        <translation>Create project</translation>
    </message>
    <message>
        <source>Открыть проект...</source>
        <translation>Open project...</translation>
    </message>
    <message>
        <source>Недавние проекты</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>Закрыть проект</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Сохранить всё</source>
        <translation>Save all</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Тестирование модели</source>
        <translation>Test model</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Окно &quot;Проект&quot;</source>
        <translation>&quot;Project&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;Отношения&quot;</source>
        <translation>&quot;Relations&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;Консоль&quot;</source>
        <translation>&quot;Console&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;История&quot;</source>
        <translation>&quot;History&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;Ошибки&quot;</source>
        <translation>&quot;Errors&quot; window</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Отсутствует модель для сохранения</source>
        <translation>There is no model to save</translation>
    </message>
    <message>
        <source>физически не сохранена. Хотите сохранить модель?</source>
        <translation>has never been saved. Do you want to save model?</translation>
    </message>
    <message>
        <source>Вкладка &quot;Проект&quot;</source>
        <translation>&quot;Project&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Отношения&quot;</source>
        <translation>&quot;Relation&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Консоль&quot;</source>
        <translation>&quot;Console&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;История&quot;</source>
        <translation>&quot;History&quot; tab</translation>
    </message>
    <message>
        <source>Вкладка &quot;Ошибки&quot;</source>
        <translation>&quot;Errors&quot; tab</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Показать граф</source>
        <translation>Show graph</translation>
    </message>
    <message>
        <source>Отобразить только результат</source>
        <translation>Show results only</translation>
    </message>
    <message>
        <source>Очистить результат теста</source>
        <translation>Clear results</translation>
    </message>
    <message>
        <source>Отладка</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Консоль</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Выбор параметра</source>
        <translation>Choose parameter</translation>
    </message>
    <message>
        <source>Проект</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Отношения</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Тип данных</source>
        <translation>Value Type</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Правила</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Ограничение</source>
        <translation>Constraints</translation>
    </message>
    <message>
        <source>Число</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Добавить оператор сравнения</source>
        <translation>Add a comparison operator</translation>
    </message>
    <message>
        <source>Добавить логический оператор</source>
        <translation>Add a logical operator</translation>
    </message>
    <message>
        <source>Удалить оператор сравнения</source>
        <translation>Delete comparison operator</translation>
    </message>
    <message>
        <source>Удалить логический оператор</source>
        <translation>Delete logical operator</translation>
    </message>
    <message>
        <source>Создать ограничение</source>
        <translation>Create constraint</translation>
    </message>
    <message>
        <source>Ограничения</source>
        <translation>Constraints</translation>
    </message>
    <message>
        <source>Тело отношения</source>
        <translation>Relation formula</translation>
    </message>
    <message>
        <source>Тип отношения</source>
        <translation>Relation type</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Условное отношение</source>
        <translation>IF-clause relation</translation>
    </message>
    <message>
        <source>Сложное отношение</source>
        <translation>Programming relation</translation>
    </message>
    <message>
        <source>Отношение</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Выбрать параметр</source>
        <translation>Choose parameter</translation>
    </message>
    <message>
        <source>Проблемы</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>Проблемный объект</source>
        <translation>Problem element</translation>
    </message>
    <message>
        <source>Связанные объекты</source>
        <translation>Connected elements</translation>
    </message>
    <message>
        <source>Добавить отношение</source>
        <translation>Add relation</translation>
    </message>
    <message>
        <source>Редактировать отношение</source>
        <translation>Edit relation</translation>
    </message>
    <message>
        <source>Удалить отношение</source>
        <translation>Delete relation</translation>
    </message>
    <message>
        <source>Добавить правило</source>
        <translation>Add rule</translation>
    </message>
    <message>
        <source>Редактировать правило</source>
        <translation>Change rule</translation>
    </message>
    <message>
        <source>Удалить правило</source>
        <translation>Delete rule</translation>
    </message>
    <message>
        <source>Правило</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Добавить ограничение</source>
        <translation>Add constraint</translation>
    </message>
    <message>
        <source>Редактировать ограничение</source>
        <translation>Change constraint</translation>
    </message>
    <message>
        <source>Удалить ограничение</source>
        <translation>Delete constraint</translation>
    </message>
    <message>
        <source>Добавить класс</source>
        <translation>Add class</translation>
    </message>
    <message>
        <source>Редактировать класс</source>
        <translation>Change class</translation>
    </message>
    <message>
        <source>Удалить класс</source>
        <translation>Delete class</translation>
    </message>
    <message>
        <source>Добавить параметр</source>
        <translation>Add parameter</translation>
    </message>
    <message>
        <source>Редактировать параметр</source>
        <translation>Change parameter</translation>
    </message>
    <message>
        <source>Удалить параметр</source>
        <translation>Delete parameter</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Тестировать класс</source>
        <translation>Test class</translation>
    </message>
    <message>
        <source>Развернуть всё</source>
        <translation>Expend all</translation>
    </message>
    <message>
        <source>Свернуть всё</source>
        <translation>Hide all</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Сохранить файл</source>
        <translation>Savel file</translation>
    </message>
    <message>
        <source>XML file (*.xml)</source>
        <translation>XML file (*.xml)</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Выберите параметр</source>
        <translation>Choose parameter</translation>
    </message>
    <message>
        <source>Запрещено удалять корневой класс</source>
        <translation>Unable to delete root class</translation>
    </message>
    <message>
        <source>Необходимо ввести выходной параметр</source>
        <translation>Add output parameter</translation>
    </message>
    <message>
        <source>Путь не найден.</source>
        <translation>Solution not found.</translation>
    </message>
    <message>
        <source>Не найдены:</source>
        <translation>Not found:</translation>
    </message>
    <message>
        <source>Не выполнено ограничение:</source>
        <translation>Constraint triggered:</translation>
    </message>
    <message>
        <source>Тест:</source>
        <translation>Test:</translation>
    </message>
    <message>
        <source>Ошибка в вычислении:</source>
        <translation>Calculation error:</translation>
    </message>
    <message>
        <source>Дальнейший алгоритм:</source>
        <translation>Following algorithm:</translation>
    </message>
    <message>
        <source>Шаг №</source>
        <translation>Step #</translation>
    </message>
    <message>
        <source>Правило:</source>
        <translation>Rule description:</translation>
    </message>
    <message>
        <source>Отношение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входные параметры:</source>
        <translation>Input parameters:</translation>
    </message>
    <message>
        <source>Формула:</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>Результат:</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>ЕСЛИ</source>
        <translation>IF</translation>
    </message>
    <message>
        <source>ТО</source>
        <translation>THEN</translation>
    </message>
    <message>
        <source>ИНАЧЕ</source>
        <translation>ELSE</translation>
    </message>
    <message>
        <source>Наименование программы</source>
        <translation>Application name</translation>
    </message>
    <message>
        <source>Версия программы</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Компания</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Редактирование информации о модели</source>
        <translation>Edit model information</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>ТОРВА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cl_mathFormulaParser</name>
    <message>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
</context>
<context>
    <name>dAboutProgram</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Наименование программы:</source>
        <translation>Application name:</translation>
    </message>
    <message>
        <source>Текущая версия:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Компания:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>dBaseConstraintInParameter</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>dChooseParamRule</name>
    <message>
        <source>Выбор параметра</source>
        <translation>Choose parameter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dEditModelInformation</name>
    <message>
        <source>Изменение информации модели</source>
        <translation>Model change</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
</context>
<context>
    <name>dialogAlgGraph</name>
    <message>
        <source>Граф решения</source>
        <translation>Algorithm Graph</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print graph</translation>
    </message>
</context>
<context>
    <name>frmMainIDE</name>
    <message>
        <source>MainWindow</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>Окно &quot;Отношение&quot;</source>
        <translation>&quot;Relations&quot; window</translation>
    </message>
    <message>
        <source>Отношения</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Вкладка</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Окно &quot;Проект&quot;</source>
        <translation>&quot;Project&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;Консоль&quot;</source>
        <translation>&quot;Console&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;История&quot;</source>
        <translation>&quot;History&quot; window</translation>
    </message>
    <message>
        <source>Окно &quot;Ошибки&quot;</source>
        <translation>&quot;Errors&quot; window</translation>
    </message>
    <message>
        <source>Создать проект...</source>
        <translation>Create project...</translation>
    </message>
    <message>
        <source>&amp;Открыть проект...</source>
        <translation>&amp;Open project...</translation>
    </message>
    <message>
        <source>Недавние проекты</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>Закрыть проект</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Сохранить всё</source>
        <translation>Save all</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Тестирование модели</source>
        <translation>Test model</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Отладка</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Отобразить граф</source>
        <translation>Show graph</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Языки</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Current Language changed to </source>
        <translation>Current language changed to</translation>
    </message>
</context>
<context>
    <name>wBaseComparisonConstraint</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>wChangeRelation</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>wClassArea</name>
    <message>
        <source>Form</source>
        <translation>Class Properties</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>wClassTestArea</name>
    <message>
        <source>Тестирование</source>
        <translation>Testing</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Только результаты</source>
        <translation>Show results</translation>
    </message>
    <message>
        <source>Show graph</source>
        <translation>Show graph</translation>
    </message>
    <message>
        <source>Тестировать</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>wConditionalRelationship</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>wConsoleArea</name>
    <message>
        <source>Консоль</source>
        <translation>Console</translation>
    </message>
</context>
<context>
    <name>wContainerProjectArea</name>
    <message>
        <source>Проект</source>
        <translation>Project</translation>
    </message>
</context>
<context>
    <name>wContainerRelationshipArea</name>
    <message>
        <source>Отношения</source>
        <translation>Relations</translation>
    </message>
</context>
<context>
    <name>wErrorArea</name>
    <message>
        <source>Ошибки</source>
        <translation>Errors</translation>
    </message>
</context>
<context>
    <name>wLogicComparisonConstraint</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>wParameterArea</name>
    <message>
        <source>Form</source>
        <translation>Parameter Properties</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Тип данных</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Правила</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Ограничения</source>
        <translation>Constraints</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
</context>
<context>
    <name>wParameterRelationGroups</name>
    <message>
        <source>Form</source>
        <translation>Parameter Relation Groups</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>wProgramRelation</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>wRelationshipArea</name>
    <message>
        <source>Отношение</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Тип отношения</source>
        <translation>Relation type</translation>
    </message>
    <message>
        <source>Тело отношения</source>
        <translation>Relation formula</translation>
    </message>
    <message>
        <source>Изменить тело отношения</source>
        <translation>Change relation&apos;s body</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>wRuleArea</name>
    <message>
        <source>Form</source>
        <translation>Rule Properties</translation>
    </message>
    <message>
        <source>Отношение</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Выходные параметры</source>
        <translation>Output parmeters</translation>
    </message>
</context>
<context>
    <name>wSimpleRelation</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>widgetLineEditWithUIDMember</name>
    <message>
        <source>Form</source>
        <translation>LineEditWithUIDMembers</translation>
    </message>
</context>
</TS>
