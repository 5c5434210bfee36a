<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
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
        <translation>Отсутствует код ошибки.</translation>
    </message>
    <message>
        <source>Несоответствие данных в элементе.</source>
        <translation>Несоответствие данных в элементе.</translation>
    </message>
    <message>
        <source>Не могу выполнить отношение.</source>
        <translation>Не могу выполнить отношение.</translation>
    </message>
    <message>
        <source>Не используется.</source>
        <translation>Не используется.</translation>
    </message>
    <message>
        <source>Превышение число итераций.</source>
        <translation>Превышено число итераций.</translation>
    </message>
    <message>
        <source>Нет входных данных.</source>
        <translation>Нет входных данных.</translation>
    </message>
    <message>
        <source>Нет выходных данных.</source>
        <translation>Нет выходных данных.</translation>
    </message>
    <message>
        <source>Расчёт не был произведён.</source>
        <translation>Расчёт не был произведён.</translation>
    </message>
    <message>
        <source>Класс не может быть родителем для данного объекта.</source>
        <translation>Класс не может быть родителем для данного объекта.</translation>
    </message>
    <message>
        <source>Элемент уже существует.</source>
        <translation>Элемент уже существует.</translation>
    </message>
    <message>
        <source>Искомый элемент не найден.</source>
        <translation>Искомый элемент не найден.</translation>
    </message>
    <message>
        <source>Недостаточно данных для операции.</source>
        <translation>Недостаточно данных для операции.</translation>
    </message>
    <message>
        <source>Класс не может проводить операции над объектом, т.к. не является родителем объекта.</source>
        <translation>Класс не может проводить операции над объектом, т.к. не является родителем объекта.</translation>
    </message>
    <message>
        <source>Связь между такими типами объектов не поддерживается.</source>
        <translation>Связь между такими типами объектов не поддерживается.</translation>
    </message>
    <message>
        <source>Неправильные типы входных параметров.</source>
        <translation>Неправильные типы входных параметров.</translation>
    </message>
    <message>
        <source>Неправильные типы выходных параметров.</source>
        <translation>Неправильные типы выходных параметров.</translation>
    </message>
    <message>
        <source>Недействительный тип отношения.</source>
        <translation>Недействительный тип отношения.</translation>
    </message>
    <message>
        <source>Ошибка при вычислении значения параметра.</source>
        <translation>Ошибка при вычислении значения параметра.</translation>
    </message>
    <message>
        <source>Неправильный тип значения параметра.</source>
        <translation>Неправильный тип значения параметра.</translation>
    </message>
    <message>
        <source>Отсутствует ID объекта.</source>
        <translation>Отсутствует ID объекта.</translation>
    </message>
    <message>
        <source>У объекта должно быть более одного входного параметра.</source>
        <translation>У объекта должно быть более одного входного параметра.</translation>
    </message>
    <message>
        <source>У объекта должно быть более одного выходного параметра.</source>
        <translation>У объекта должно быть более одного выходного параметра.</translation>
    </message>
    <message>
        <source>Объект не связан ни с одним классом или моделью.</source>
        <translation>Объект не связан ни с одним классом или моделью.</translation>
    </message>
    <message>
        <source>Отсутствует связь с отношением.</source>
        <translation>Отсутствует связь с отношением.</translation>
    </message>
    <message>
        <source>Отсутствует обязательное поле.</source>
        <translation>Отсутствует обязательное поле.</translation>
    </message>
    <message>
        <source>Указатель равен NULL.</source>
        <translation>Указатель равен NULL.</translation>
    </message>
    <message>
        <source>Отсутствует тело отношения.</source>
        <translation>Отсутствует тело отношения.</translation>
    </message>
    <message>
        <source>Нельзя создать связь между объектами с данными типами.</source>
        <translation>Нельзя создать связь между объектами с данными типами.</translation>
    </message>
    <message>
        <source>Несовпадение типов значений переменных.</source>
        <translation>Несовпадение типов значений переменных.</translation>
    </message>
    <message>
        <source>Не могу создать QDomElement из объекта.</source>
        <translation>Не могу создать QDomElement из объекта.</translation>
    </message>
    <message>
        <source>Не могу открыть файл.</source>
        <translation>Не могу открыть файл.</translation>
    </message>
    <message>
        <source>Проблема с файлом.</source>
        <translation>Проблема с файлом.</translation>
    </message>
    <message>
        <source>Файл не существует.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>Неверный формат модели.</source>
        <translation>Неверный формат модели.</translation>
    </message>
    <message>
        <source>Не могу создать элемент из QDomElemnt.</source>
        <translation>Не могу создать элемент из QDomElemnt.</translation>
    </message>
    <message>
        <source>Неизвестный тэг в xml.</source>
        <translation>Неизвестный тэг в xml.</translation>
    </message>
    <message>
        <source>Отсутствует необходимый тэг для сериализации.</source>
        <translation>Отсутствует необходимый тэг для сериализации.</translation>
    </message>
    <message>
        <source>Не могу сохранить класс с ошибками целостности.</source>
        <translation>Не могу сохранить класс с ошибками целостности.</translation>
    </message>
    <message>
        <source>Правило не привязано к отношению.</source>
        <translation>Правило не привязано к отношению.</translation>
    </message>
    <message>
        <source>Правило без входных параметров.</source>
        <translation>Правило без входных параметров.</translation>
    </message>
    <message>
        <source>Правило без выходных параметров.</source>
        <translation>Правило без выходных параметров.</translation>
    </message>
    <message>
        <source>Количество входных параметров в правиле не совпадает с количеством параметров в отношении.</source>
        <translation>Количество входных параметров в правиле не совпадает с количеством параметров в отношении.</translation>
    </message>
    <message>
        <source>Количество выходных параметров в правиле не совпадает с количеством параметров в отношении.</source>
        <translation>Количество выходных параметров в правиле не совпадает с количеством параметров в отношении.</translation>
    </message>
    <message>
        <source>Тип входного параметра в правиле не совпадает с типом отношения.</source>
        <translation>Тип входного параметра в правиле не совпадает с типом отношения.</translation>
    </message>
    <message>
        <source>Тип выходного параметра в правиле не совпадает с типом отношения.</source>
        <translation>Тип выходного параметра в правиле не совпадает с типом отношения.</translation>
    </message>
    <message>
        <source>Входной параметр в правиле не имеет значения.</source>
        <translation>Входной параметр в правиле не имеет значения.</translation>
    </message>
    <message>
        <source>Выходной параметр в правиле не имеет значения.</source>
        <translation>Выходной параметр в правиле не имеет значения.</translation>
    </message>
    <message>
        <source>Ограничение не привязано к отношению.</source>
        <translation>Ограничение не привязано к отношению.</translation>
    </message>
    <message>
        <source>Ограничение без входных параметров.</source>
        <translation>Ограничение без входных параметров.</translation>
    </message>
    <message>
        <source>Количество входных параметров в ограничении не совпадает с количеством параметров в отношении.</source>
        <translation>Количество входных параметров в ограничении не совпадает с количеством параметров в отношении.</translation>
    </message>
    <message>
        <source>Тип входного параметра в ограничении не совпадает с типом отношения.</source>
        <translation>Тип входного параметра в ограничении не совпадает с типом отношения.</translation>
    </message>
    <message>
        <source>Входной параметр в ограничении не имеет значения.</source>
        <translation>Входной параметр в ограничении не имеет значения.</translation>
    </message>
    <message>
        <source>Входной параметр привязан к переменной, которой нет в отношении.</source>
        <translation>Входной параметр привязан к переменной, которой нет в отношении.</translation>
    </message>
    <message>
        <source>Ограничение с таким именем уже существует.</source>
        <translation>Ограничение с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Выходной параметр привязан к переменной, которой нет в отношении.</source>
        <translation>Выходной параметр привязан к переменной, которой нет в отношении.</translation>
    </message>
    <message>
        <source>Правило с таким именем уже существует.</source>
        <translation>Правило с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Класс с таким именем уже существует.</source>
        <translation>Класс с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Параметр с таким именем уже существует.</source>
        <translation>Параметр с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Отношение с таким именем уже существует.</source>
        <translation>Отношение с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Наименование отношения не может быть пустым.</source>
        <translation>Наименование отношения не может быть пустым.</translation>
    </message>
    <message>
        <source>Класс не связан с хранилищем отношений.</source>
        <translation>Класс не связан с хранилищем отношений.</translation>
    </message>
    <message>
        <source>Отсутствует имя у правила.</source>
        <translation>Отсутствует имя у правила.</translation>
    </message>
    <message>
        <source>Отсутствует имя у ограничения.</source>
        <translation>Отсутствует имя у ограничения.</translation>
    </message>
    <message>
        <source>Исходящий параметр используется более одного раза.</source>
        <translation>Исходящий параметр используется более одного раза.</translation>
    </message>
    <message>
        <source>Отсутствуют уникальные (не являющиеся входными) выходные параметры.</source>
        <translation>Отсутствуют уникальные (не являющиеся входными) выходные параметры.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Не пойманная ошибка.</source>
        <translation>Не пойманная ошибка.</translation>
    </message>
    <message>
        <source>Заполните поле IF.</source>
        <translation>Заполните поле IF.</translation>
    </message>
    <message>
        <source>Заполните блок IF-THEN-ELSE</source>
        <translation>Заполните блок IF-THEN-ELSE</translation>
    </message>
    <message>
        <source>Ошибка отладки.</source>
        <translation>Ошибка отладки.</translation>
    </message>
    <message>
        <source>Передан NULL указатель на страницу тестирования.</source>
        <translation>Передан NULL указатель на страницу тестирования.</translation>
    </message>
    <message>
        <source>Нет параметров, отмеченных для поиска.</source>
        <translation>Нет параметров, отмеченных для поиска.</translation>
    </message>
    <message>
        <source>Все входные параметры не могут быть пустыми!</source>
        <translation>Все входные параметры не могут быть пустыми!</translation>
    </message>
    <message>
        <source>Ошибка в левой части формулы:</source>
        <translation>Ошибка в левой части формулы:</translation>
    </message>
    <message>
        <source>Не допускается использование формул и математических операций.</source>
        <translation>Не допускается использование формул и математических операций.</translation>
    </message>
    <message>
        <source>Можно использовать только латинские буквы.</source>
        <translation>Можно использовать только латинские буквы.</translation>
    </message>
    <message>
        <source>Нельзя использовать символ</source>
        <translation>Нельзя использовать символ</translation>
    </message>
    <message>
        <source>Выходные параметры в THEN и ELSE должны совпадать!</source>
        <translation>Выходные параметры в THEN и ELSE должны совпадать!</translation>
    </message>
    <message>
        <source>В IF нельзя использовать выходной параметр.</source>
        <translation>В IF нельзя использовать выходной параметр.</translation>
    </message>
    <message>
        <source>Условное отношение должно содержать сравнительные конструкции.</source>
        <translation>Условное отношение должно содержать сравнительные конструкции.</translation>
    </message>
    <message>
        <source>Формула не прошла проверку на соответствие данных.</source>
        <translation>Формула не прошла проверку на соответствие данных.</translation>
    </message>
    <message>
        <source>Сложное отношение не прошло проверку на соответствие данных.</source>
        <translation>Сложное отношение не прошло проверку на соответствие данных.</translation>
    </message>
    <message>
        <source>Условное отношение не прошло проверку на соответствие данных.</source>
        <translation>Условное отношение не прошло проверку на соответствие данных.</translation>
    </message>
    <message>
        <source>Ограничение не прошло проверку на соответствие данных.</source>
        <translation>Ограничение не прошло проверку на соответствие данных.</translation>
    </message>
    <message>
        <source>Необходимо ввести выходной параметр.</source>
        <translation>Необходимо ввести выходной параметр.</translation>
    </message>
    <message>
        <source>Множества входных и выходных параметров не должны пересекаться!</source>
        <translation>Множества входных и выходных параметров не должны пересекаться!</translation>
    </message>
    <message>
        <source>Наименование класса не может быть пустым.</source>
        <translation>Наименование класса не может быть пустым.</translation>
    </message>
    <message>
        <source>Наименование параметра не может быть пустым.</source>
        <translation>Наименование параметра не может быть пустым.</translation>
    </message>
    <message>
        <source>Ввели текст вместо числа.</source>
        <translation>Ввели текст вместо числа.</translation>
    </message>
    <message>
        <source>Тело отношения не может быть пустым.</source>
        <translation>Тело отношения не может быть пустым.</translation>
    </message>
    <message>
        <source>Наименование правила не может быть пустым.</source>
        <translation>Наименование правила не может быть пустым.</translation>
    </message>
    <message>
        <source>Отсутствуют входные параметры.</source>
        <translation>Отсутствуют входные параметры.</translation>
    </message>
    <message>
        <source>Отсутствуют выходные параметры.</source>
        <translation>Отсутствуют выходные параметры.</translation>
    </message>
    <message>
        <source>Выбранный параметр присутствует в выходных данных.</source>
        <translation>Выбранный параметр присутствует в выходных данных.</translation>
    </message>
    <message>
        <source>Выбранный параметр присутствует во входных данных.</source>
        <translation>Выбранный параметр присутствует во входных данных.</translation>
    </message>
    <message>
        <source>Нарушена целостность класса. Невозможно провести тестирование.</source>
        <translation>Нарушена целостность класса. Невозможно провести тестирование.</translation>
    </message>
    <message>
        <source>Значение сравнения в строке %1 не является числом.</source>
        <translation>Значение сравнения в строке %1 не является числом.</translation>
    </message>
    <message>
        <source>Вычисление прервано: превышено допустимое время выполнения.</source>
        <translation>Вычисление прервано: превышено допустимое время выполнения.</translation>
    </message>
    <message>
        <source>Имена переменных должны быть непустыми, неповторяющимися и состоять из латинских букв, цифр и знака подчёркивания.</source>
        <translation>Имена переменных должны быть непустыми, неповторяющимися и состоять из латинских букв, цифр и знака подчёркивания.</translation>
    </message>
    <message>
        <source>Ничего не сохранено: текущая вкладка — тестирование класса.</source>
        <translation>Ничего не сохранено: текущая вкладка — тестирование класса.</translation>
    </message>
    <message>
        <source>Строка %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Тест остановлен пользователем.</source>
        <translation>Тест остановлен пользователем.</translation>
    </message>
    <message>
        <source>Вставляемый текст (символов: %1) не помещается в поле, которое вмещает не более %2 символов. Текст не вставлен.</source>
        <translation>Вставляемый текст (символов: %1) не помещается в поле, которое вмещает не более %2 символов. Текст не вставлен.</translation>
    </message>
    <message>
        <source>Не удалось открыть дисплей &quot;%1&quot; (платформа %2). Запустите программу в сеансе рабочего стола, под xvfb-run (xvfb-run bash scripts/run.sh) или с QT_QPA_PLATFORM=offscreen.</source>
        <translation>Не удалось открыть дисплей &quot;%1&quot; (платформа %2). Запустите программу в сеансе рабочего стола, под xvfb-run (xvfb-run bash scripts/run.sh) или с QT_QPA_PLATFORM=offscreen.</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Редактор</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Входные параметры</translation>
    </message>
    <message>
        <source>Выходные параметры</source>
        <translation>Выходные параметры</translation>
    </message>
    <message>
        <source>Не удалось открыть модель. Файл поврежден или имеет некорректный формат</source>
        <translation>Не удалось открыть модель. Файл поврежден или имеет некорректный формат</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Создать проект</source>
        <translation>Создать проект</translation>
    </message>
    <message>
        <source>Открыть проект...</source>
        <translation>Открыть проект...</translation>
    </message>
    <message>
        <source>Недавние проекты</source>
        <translation>Недавние проекты</translation>
    </message>
    <message>
        <source>Закрыть проект</source>
        <translation>Закрыть проект</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Сохранить всё</source>
        <translation>Сохранить всё</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Тестирование модели</source>
        <translation>Тестирование модели</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Окно &quot;Проект&quot;</source>
        <translation>Окно &quot;Проект&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;Отношения&quot;</source>
        <translation>Окно &quot;Отношения&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;Консоль&quot;</source>
        <translation>Окно &quot;Консоль&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;История&quot;</source>
        <translation>Окно &quot;История&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;Ошибки&quot;</source>
        <translation>Окно &quot;Ошибки&quot;</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Отсутствует модель для сохранения</source>
        <translation>Отсутствует модель для сохранения</translation>
    </message>
    <message>
        <source>физически не сохранена. Хотите сохранить модель?</source>
        <translation>физически не сохранена. Хотите сохранить модель?</translation>
    </message>
    <message>
        <source>Вкладка &quot;Проект&quot;</source>
        <translation>Вкладка &quot;Проект&quot;</translation>
    </message>
    <message>
        <source>Вкладка &quot;Отношения&quot;</source>
        <translation>Вкладка &quot;Отношения&quot;</translation>
    </message>
    <message>
        <source>Вкладка &quot;Консоль&quot;</source>
        <translation>Вкладка &quot;Консоль&quot;</translation>
    </message>
    <message>
        <source>Вкладка &quot;История&quot;</source>
        <translation>Вкладка &quot;История&quot;</translation>
    </message>
    <message>
        <source>Вкладка &quot;Ошибки&quot;</source>
        <translation>Вкладка &quot;Ошибки&quot;</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Показать граф</source>
        <translation>Показать граф</translation>
    </message>
    <message>
        <source>Отобразить только результат</source>
        <translation>Отобразить только результат</translation>
    </message>
    <message>
        <source>Очистить результат теста</source>
        <translation>Очистить результаты теста</translation>
    </message>
    <message>
        <source>Отладка</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Консоль</source>
        <translation>Консоль</translation>
    </message>
    <message>
        <source>Выбор параметра</source>
        <translation>Выбор параметра</translation>
    </message>
    <message>
        <source>Проект</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Отношения</source>
        <translation>Отношения</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Тип данных</source>
        <translation>Тип данных</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Правила</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Ограничение</source>
        <translation>Ограничение</translation>
    </message>
    <message>
        <source>Число</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Добавить оператор сравнения</source>
        <translation>Добавить оператор сравнения</translation>
    </message>
    <message>
        <source>Добавить логический оператор</source>
        <translation>Добавить логический оператор</translation>
    </message>
    <message>
        <source>Удалить оператор сравнения</source>
        <translation>Удалить оператор сравнения</translation>
    </message>
    <message>
        <source>Удалить логический оператор</source>
        <translation>Удалить логический оператор</translation>
    </message>
    <message>
        <source>Создать ограничение</source>
        <translation>Создать ограничение</translation>
    </message>
    <message>
        <source>Ограничения</source>
        <translation>Ограничения</translation>
    </message>
    <message>
        <source>Тело отношения</source>
        <translation>Тело отношения</translation>
    </message>
    <message>
        <source>Тип отношения</source>
        <translation>Тип отношения</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Формула</translation>
    </message>
    <message>
        <source>Условное отношение</source>
        <translation>Условное отношение</translation>
    </message>
    <message>
        <source>Сложное отношение</source>
        <translation>Сложное отношение</translation>
    </message>
    <message>
        <source>Отношение</source>
        <translation>Отношение</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Выбрать параметр</source>
        <translation>Выбрать параметр</translation>
    </message>
    <message>
        <source>Проблемы</source>
        <translation>Проблемы</translation>
    </message>
    <message>
        <source>Проблемный объект</source>
        <translation>Проблемный объект</translation>
    </message>
    <message>
        <source>Связанные объекты</source>
        <translation>Связанные объекты</translation>
    </message>
    <message>
        <source>Добавить отношение</source>
        <translation>Добавить отношение</translation>
    </message>
    <message>
        <source>Редактировать отношение</source>
        <translation>Редактировать отношение</translation>
    </message>
    <message>
        <source>Удалить отношение</source>
        <translation>Удалить отношение</translation>
    </message>
    <message>
        <source>Добавить правило</source>
        <translation>Добавить правило</translation>
    </message>
    <message>
        <source>Редактировать правило</source>
        <translation>Редактировать правило</translation>
    </message>
    <message>
        <source>Удалить правило</source>
        <translation>Удалить правило</translation>
    </message>
    <message>
        <source>Правило</source>
        <translation>Правило</translation>
    </message>
    <message>
        <source>Добавить ограничение</source>
        <translation>Добавить ограничение</translation>
    </message>
    <message>
        <source>Редактировать ограничение</source>
        <translation>Редактировать ограничение</translation>
    </message>
    <message>
        <source>Удалить ограничение</source>
        <translation>Удалить ограничение</translation>
    </message>
    <message>
        <source>Добавить класс</source>
        <translation>Добавить класс</translation>
    </message>
    <message>
        <source>Редактировать класс</source>
        <translation>Редактировать класс</translation>
    </message>
    <message>
        <source>Удалить класс</source>
        <translation>Удалить класс</translation>
    </message>
    <message>
        <source>Добавить параметр</source>
        <translation>Добавить параметр</translation>
    </message>
    <message>
        <source>Редактировать параметр</source>
        <translation>Редактировать параметр</translation>
    </message>
    <message>
        <source>Удалить параметр</source>
        <translation>Удалить параметр</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Класс</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Тестировать класс</source>
        <translation>Тестировать класс</translation>
    </message>
    <message>
        <source>Развернуть всё</source>
        <translation>Развернуть всё</translation>
    </message>
    <message>
        <source>Свернуть всё</source>
        <translation>Свернуть всё</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Сохранить файл</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>XML file (*.xml)</source>
        <translation>XML file (*.xml)</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Выберите параметр</source>
        <translation>Выберите параметр</translation>
    </message>
    <message>
        <source>Запрещено удалять корневой класс</source>
        <translation>Запрещено удалять корневой класс</translation>
    </message>
    <message>
        <source>Необходимо ввести выходной параметр</source>
        <translation>Необходимо ввести выходной параметр</translation>
    </message>
    <message>
        <source>Путь не найден.</source>
        <translation>Путь не найден.</translation>
    </message>
    <message>
        <source>Не найдены:</source>
        <translation>Не найдены:</translation>
    </message>
    <message>
        <source>Не выполнено ограничение:</source>
        <translation>Не выполнено ограничение:</translation>
    </message>
    <message>
        <source>Тест:</source>
        <translation>Тест:</translation>
    </message>
    <message>
        <source>Ошибка в вычислении:</source>
        <translation>Ошибка в вычислении:</translation>
    </message>
    <message>
        <source>Дальнейший алгоритм:</source>
        <translation>Дальнейший алгоритм:</translation>
    </message>
    <message>
        <source>Шаг №</source>
        <translation>Шаг №</translation>
    </message>
    <message>
        <source>Правило:</source>
        <translation>Правило:</translation>
    </message>
    <message>
        <source>Отношение:</source>
        <translation>Отношение:</translation>
    </message>
    <message>
        <source>Входные параметры:</source>
        <translation>Входные параметры:</translation>
    </message>
    <message>
        <source>Формула:</source>
        <translation>Формула:</translation>
    </message>
    <message>
        <source>Результат:</source>
        <translation>Результат:</translation>
    </message>
    <message>
        <source>ЕСЛИ</source>
        <translation>ЕСЛИ</translation>
    </message>
    <message>
        <source>ТО</source>
        <translation>ТО</translation>
    </message>
    <message>
        <source>ИНАЧЕ</source>
        <translation>ИНАЧЕ</translation>
    </message>
    <message>
        <source>Наименование программы</source>
        <translation>Наименование программы</translation>
    </message>
    <message>
        <source>Версия программы</source>
        <translation>Версия программы</translation>
    </message>
    <message>
        <source>Компания</source>
        <translation>Компания</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Редактирование информации о модели</source>
        <translation>Редактирование информации о модели</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>ТОРВА</source>
        <translation>ТОРВА</translation>
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
        <translation>О программе</translation>
    </message>
    <message>
        <source>Наименование программы:</source>
        <translation>Наименование программы:</translation>
    </message>
    <message>
        <source>Текущая версия:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>Компания:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ок</translation>
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
        <translation>Выбор параметра</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dEditModelInformation</name>
    <message>
        <source>Изменение информации модели</source>
        <translation>Изменение информации модели</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Автор</translation>
    </message>
</context>
<context>
    <name>dialogAlgGraph</name>
    <message>
        <source>Граф решения</source>
        <translation>Граф решения</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Распечатать граф</translation>
    </message>
</context>
<context>
    <name>frmMainIDE</name>
    <message>
        <source>MainWindow</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Окно &quot;Отношение&quot;</source>
        <translation>Окно &quot;Отношения&quot;</translation>
    </message>
    <message>
        <source>Отношения</source>
        <translation>Отношения</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>История</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Вкладка</source>
        <translation>Вкладка</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Окно &quot;Проект&quot;</source>
        <translation>Окно &quot;Проект&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;Консоль&quot;</source>
        <translation>Окно &quot;Консоль&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;История&quot;</source>
        <translation>Окно &quot;История&quot;</translation>
    </message>
    <message>
        <source>Окно &quot;Ошибки&quot;</source>
        <translation>Окно &quot;Ошибки&quot;</translation>
    </message>
    <message>
        <source>Создать проект...</source>
        <translation>Создать проект...</translation>
    </message>
    <message>
        <source>&amp;Открыть проект...</source>
        <translation>&amp;Открыть проект...</translation>
    </message>
    <message>
        <source>Недавние проекты</source>
        <translation>Недавние проекты</translation>
    </message>
    <message>
        <source>Закрыть проект</source>
        <translation>Закрыть проект</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Сохранить всё</source>
        <translation>Сохранить всё</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Тестирование модели</source>
        <translation>Тестирование модели</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Отладка</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Отобразить граф</source>
        <translation>Отобразить граф</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Языки</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Current Language changed to </source>
        <translation>Язык изменен на </translation>
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
        <translation>Свойства класса</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Описание</translation>
    </message>
</context>
<context>
    <name>wClassTestArea</name>
    <message>
        <source>Тестирование</source>
        <translation>Тестирование класса</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Только результаты</source>
        <translation>Только результаты</translation>
    </message>
    <message>
        <source>Show graph</source>
        <translation>Показать граф</translation>
    </message>
    <message>
        <source>Тестировать</source>
        <translation>Тестировать</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистить</translation>
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
        <translation>Консоль</translation>
    </message>
</context>
<context>
    <name>wContainerProjectArea</name>
    <message>
        <source>Проект</source>
        <translation>Проект</translation>
    </message>
</context>
<context>
    <name>wContainerRelationshipArea</name>
    <message>
        <source>Отношения</source>
        <translation>Отношения</translation>
    </message>
</context>
<context>
    <name>wErrorArea</name>
    <message>
        <source>Ошибки</source>
        <translation>Ошибки</translation>
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
        <translation>Свойства параметра</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Тип данных</source>
        <translation>Тип данных</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Правила</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Ограничения</source>
        <translation>Ограничения</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Удалить</translation>
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
        <translation>Свойства отношения</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Тип отношения</source>
        <translation>Тип отношения</translation>
    </message>
    <message>
        <source>Тело отношения</source>
        <translation>Тело отношения</translation>
    </message>
    <message>
        <source>Изменить тело отношения</source>
        <translation>Изменить тело отношения</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Описание</translation>
    </message>
</context>
<context>
    <name>wRuleArea</name>
    <message>
        <source>Form</source>
        <translation>Свойства правила</translation>
    </message>
    <message>
        <source>Отношение</source>
        <translation>Отношение</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Входные параметры</translation>
    </message>
    <message>
        <source>Выходные параметры</source>
        <translation>Выходные параметры</translation>
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
        <translation>Form</translation>
    </message>
</context>
</TS>
