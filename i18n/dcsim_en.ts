<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>About</name>
    <message>
        <source>Программа моделирует работу замкнутой электрической цепи</source>
        <extracomment>About box, line 1 of 12.</extracomment>
        <translation>The program simulates a closed electric circuit,</translation>
    </message>
    <message>
        <source>с учётом сопротивлений амперметра и вольметра.</source>
        <extracomment>About box, line 2 of 12.</extracomment>
        <translation>taking the resistances of the ammeter and voltmeter into account.</translation>
    </message>
    <message>
        <source>История версий:</source>
        <extracomment>About box, line 4 of 12.</extracomment>
        <translation>Version history:</translation>
    </message>
    <message>
        <source>Это первая версия программы, более ранних версий нет.</source>
        <extracomment>About box, line 6 of 12.</extracomment>
        <translation>This is the first version of the program; there are no earlier ones.</translation>
    </message>
    <message>
        <source>Свидетельства о государственной регистрации у программы нет,</source>
        <extracomment>About box, line 8 of 12: the program has no state registration certificate.</extracomment>
        <translation>The program has no certificate of state registration,</translation>
    </message>
    <message>
        <source>в государственный реестр программ она не внесена,</source>
        <extracomment>About box, line 9 of 12.</extracomment>
        <translation>it is not entered in the state register of programs,</translation>
    </message>
    <message>
        <source>в официальном бюллетене сведения о ней не публиковались,</source>
        <extracomment>About box, line 10 of 12.</extracomment>
        <translation>no details of it have been published in the official bulletin,</translation>
    </message>
    <message>
        <source>поэтому нет тома, года, номера и страницы бюллетеня</source>
        <extracomment>About box, line 11 of 12.</extracomment>
        <translation>so there is no volume, year, issue or page of the bulletin</translation>
    </message>
    <message>
        <source>и нет веб-адреса такой публикации.</source>
        <extracomment>About box, line 12 of 12.</extracomment>
        <translation>and no web address of such a publication.</translation>
    </message>
    <message>
        <source>Версия %1, 2026 г., %2, команда проекта dcsim.</source>
        <extracomment>About box, line 5 of 12; %1 the version number, %2 the system it was built for.</extracomment>
        <translation>Version %1, 2026, %2, the dcsim project team.</translation>
    </message>
</context>
<context>
    <name>Authors</name>
    <message>
        <source>©, Команда проекта dcsim, 2026</source>
        <extracomment>Authors, line 1 of 6, at most 36 characters.</extracomment>
        <translation>©, the dcsim project team, 2026</translation>
    </message>
    <message>
        <source>учёная степень: не указана,</source>
        <extracomment>Authors, line 2 of 6, at most 36 characters: the academic degree.</extracomment>
        <translation>academic degree: not given,</translation>
    </message>
    <message>
        <source>учёное звание: не указано,</source>
        <extracomment>Authors, line 3 of 6, at most 36 characters: the academic title.</extracomment>
        <translation>academic title: not given,</translation>
    </message>
    <message>
        <source>организация: не указана,</source>
        <extracomment>Authors, line 4 of 6, at most 36 characters: the institution.</extracomment>
        <translation>institution: not given,</translation>
    </message>
    <message>
        <source>город и страна: не указаны,</source>
        <extracomment>Authors, line 5 of 6, at most 36 characters.</extracomment>
        <translation>town and country: not given,</translation>
    </message>
    <message>
        <source>Адрес e-mail не указан.</source>
        <extracomment>Authors, line 6 of 6.</extracomment>
        <translation>No e-mail address is given.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Моделирование работы электрической цепи постоянного тока.
Без параметров программа запускается как обычно.</source>
        <translation>Simulation of a direct-current electric circuit.
Without options the program starts as usual.</translation>
    </message>
    <message>
        <source>Файл задания учителя (INI в UTF-8): значения параметров, скрытые параметры, диапазоны вариантов, название.</source>
        <translation>The teacher&apos;s task file (INI in UTF-8): parameter values, hidden parameters, ranges for the variants, a title.</translation>
    </message>
    <message>
        <source>файл</source>
        <extracomment>The value of --task, in the help: &quot;--task &lt;файл&gt;&quot;.</extracomment>
        <translation>file</translation>
    </message>
    <message>
        <source>Номер варианта для раздела [random] файла задания, от 1 до %1; по умолчанию 1.</source>
        <translation>The variant number for the [random] section of the task file, from 1 to %1; 1 by default.</translation>
    </message>
    <message>
        <source>варианты</source>
        <extracomment>The value of --answers, in the help.</extracomment>
        <translation>variants</translation>
    </message>
    <message>
        <source>Увеличить окно и всё в нём в указанное число раз, от 1 до 4 (например, 1.5), для проектора.</source>
        <translation>Enlarge the window and everything in it by the given factor, from 1 to 4 (for example 1.5), for a projector.</translation>
    </message>
    <message>
        <source>множитель</source>
        <extracomment>The value of --zoom, in the help.</extracomment>
        <translation>factor</translation>
    </message>
    <message>
        <source>Язык программы: %1. По умолчанию первый из них в списке языков рабочего стола (LANGUAGE, LANG), иначе ru.</source>
        <extracomment>%1 the languages the program ships, &quot;ru, en&quot;.</extracomment>
        <translation>The program&apos;s language: %1. By default the first of them in the desktop&apos;s list of languages (LANGUAGE, LANG), otherwise ru.</translation>
    </message>
    <message>
        <source>язык</source>
        <extracomment>The value of --lang, in the help.</extracomment>
        <translation>language</translation>
    </message>
    <message>
        <source>Справка: dcsim --help</source>
        <translation>Help: dcsim --help</translation>
    </message>
    <message>
        <source>--lang: нужен один из языков %1, а не «%2».</source>
        <translation>--lang: expected one of the languages %1, not “%2”.</translation>
    </message>
    <message>
        <source>лишний аргумент «%1».</source>
        <translation>unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>--zoom: нужно число от 1 до 4, например 1.5, а не «%1».</source>
        <translation>--zoom: expected a number from 1 to 4, such as 1.5, not “%1”.</translation>
    </message>
    <message>
        <source>--variant: нужен номер варианта от 1 до %1, а не «%2».</source>
        <translation>--variant: expected a variant number from 1 to %1, not “%2”.</translation>
    </message>
    <message>
        <source>--answers: нужен список вариантов от 1 до %1 вида 1-30 или 1,4,7-9, а не «%2».</source>
        <translation>--answers: expected a list of variants from 1 to %1 such as 1-30 or 1,4,7-9, not “%2”.</translation>
    </message>
    <message>
        <source>--answers печатает варианты списком, --variant к нему не нужен.</source>
        <translation>--answers prints a list of variants and needs no --variant.</translation>
    </message>
    <message>
        <source>варианты задаются файлом задания: добавьте --task файл.</source>
        <translation>variants come from a task file: add --task file.</translation>
    </message>
    <message>
        <source>dcsim: таблица «%1»: %2
</source>
        <translation>dcsim: table “%1”: %2
</translation>
    </message>
    <message>
        <source>в имени файла нет номера варианта от 1 до %1 («вариант-7»); укажите его: --variant N.</source>
        <translation>the file name carries no variant number from 1 to %1 (“variant-7”); give it: --variant N.</translation>
    </message>
    <message>
        <source>файл не удаётся прочитать.</source>
        <translation>the file cannot be read.</translation>
    </message>
    <message>
        <source>такого файла нет.</source>
        <translation>there is no such file.</translation>
    </message>
    <message>
        <source>Таблица «%1», вариант %2</source>
        <translation>Table “%1”, variant %2</translation>
    </message>
    <message>
        <source>Таблица «%1», вариант %2 (из имени файла)</source>
        <translation>Table “%1”, variant %2 (from the file name)</translation>
    </message>
    <message>
        <source>, хотя в имени файла вариант %1</source>
        <translation>, though the file name says variant %1</translation>
    </message>
    <message>
        <source>Напечатать ключ к вариантам (например, 1-30 или 1,4,7-9) по одной строке через табуляцию: вариант, E, r, Rv, Ra, Rmax, затем прямая U = kI + b каждой схемы (k1, b1, k2, b2) и E = b, r = −k, которые по ней найдёт ученик (E1, r1, E2, r2); окно не открывается.</source>
        <extracomment>The printed columns keep their names: &quot;Вариант&quot;, E, r, Rv, Ra, Rmax, k1, b1, k2, b2, E1, r1, E2, r2.</extracomment>
        <translation>Print the answer key for the variants (for example 1-30 or 1,4,7-9), one tab-separated line each: variant, E, r, Rv, Ra, Rmax, then the line U = kI + b of each circuit (k1, b1, k2, b2) and the E = b, r = −k a student finds from it (E1, r1, E2, r2); no window opens.</translation>
    </message>
    <message>
        <source>Проверить сданные таблицы (CSV программы; после первой можно перечислить ещё): каждая ли строка — показания цепи варианта при каком-то положении движка в схеме 1 или 2. Вариант берётся из --variant, без него — из имени файла («вариант-7»). Окно не открывается. Код выхода: 0 — все строки настоящие, 1 — есть не настоящие, 2 — файл не таблица программы.</source>
        <translation>Check handed-in tables (the program&apos;s CSV; more may follow the first): is every row a reading of the variant&apos;s circuit at some slider position in Circuit 1 or 2? The variant comes from --variant, without it from the file name (“variant-7”). No window opens. Exit status: 0 all rows genuine, 1 some are not, 2 a file is not the program&apos;s table.</translation>
    </message>
    <message>
        <source>таблица.csv</source>
        <extracomment>The value of --check, in the help.</extracomment>
        <translation>table.csv</translation>
    </message>
    <message>
        <source>--answers и --check делают разное: укажите что-то одно.</source>
        <translation>--answers and --check do different things: give only one of them.</translation>
    </message>
    <message>
        <source>в ссылке неизвестный параметр «%1»; понятны %2.</source>
        <translation>the link has an unknown parameter “%1”; it may have %2.</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>таблица</source>
        <translation>table</translation>
    </message>
    <message>
        <source>график</source>
        <translation>graph</translation>
    </message>
    <message>
        <source>отчёт</source>
        <translation>report</translation>
    </message>
    <message>
        <source>вариант</source>
        <translation>variant</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Ключ замкнут</source>
        <extracomment>Told to a screen reader when the switch closes, then its readings.</extracomment>
        <translation>Switch closed</translation>
    </message>
    <message>
        <source>Ключ разомкнут</source>
        <translation>Switch open</translation>
    </message>
    <message>
        <source>замкнут</source>
        <extracomment>The switch&apos;s state, after its name: &quot;Ключ: замкнут&quot;.</extracomment>
        <translation>closed</translation>
    </message>
    <message>
        <source>разомкнут</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Моделирование работы электрической цепи постоянного тока</source>
        <translation>Simulation of a Direct-Current Electric Circuit</translation>
    </message>
    <message>
        <source>Значение сопротивления</source>
        <extracomment>The rheostat&apos;s present resistance, shown beside its slider.</extracomment>
        <translation>Resistance value</translation>
    </message>
    <message>
        <source>Ключ</source>
        <extracomment>The switch in the circuit.</extracomment>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Параметры задачи</source>
        <extracomment>Heading of the parameter panel.</extracomment>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>E (В)=</source>
        <extracomment>E, the source&apos;s EMF, in volts.</extracomment>
        <translation>E (V)=</translation>
    </message>
    <message>
        <source>ЭДС источника</source>
        <translation>EMF of the source</translation>
    </message>
    <message>
        <source>r(Oм)=</source>
        <extracomment>r, the source&apos;s internal resistance, in ohms.</extracomment>
        <translation>r(Ω)=</translation>
    </message>
    <message>
        <source>Внутреннее сопротивление источника</source>
        <translation>Internal resistance of the source</translation>
    </message>
    <message>
        <source>Rv(Ом)=</source>
        <extracomment>Rv, the voltmeter&apos;s resistance, in ohms.</extracomment>
        <translation>Rv(Ω)=</translation>
    </message>
    <message>
        <source>Сопротивление вольтметра</source>
        <translation>Resistance of the voltmeter</translation>
    </message>
    <message>
        <source>Ra(Ом)=</source>
        <extracomment>Ra, the ammeter&apos;s resistance, in ohms.</extracomment>
        <translation>Ra(Ω)=</translation>
    </message>
    <message>
        <source>Сопротивление амперметра</source>
        <translation>Resistance of the ammeter</translation>
    </message>
    <message>
        <source>Rmax(Ом)=</source>
        <extracomment>Rmax, the rheostat&apos;s full resistance, in ohms.</extracomment>
        <translation>Rmax(Ω)=</translation>
    </message>
    <message>
        <source>Максимальное сопротивление реостата</source>
        <translation>Maximum resistance of the rheostat</translation>
    </message>
    <message>
        <source>Сила тока, А</source>
        <extracomment>The ammeter&apos;s reading.</extracomment>
        <translation>Current, A</translation>
    </message>
    <message>
        <source>Напряжение, В</source>
        <extracomment>The voltmeter&apos;s reading.</extracomment>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Реостат</source>
        <translation>Rheostat</translation>
    </message>
    <message>
        <source>Выбор схемы</source>
        <extracomment>The frame round the two wirings of the meters.</extracomment>
        <translation>Circuit choice</translation>
    </message>
    <message>
        <source>Выбор схемы для опыта</source>
        <translation>Choose the circuit for the experiment</translation>
    </message>
    <message>
        <source>Схема 1</source>
        <translation>Circuit 1</translation>
    </message>
    <message>
        <source>Вольметр параллельно источнику</source>
        <translation>Voltmeter across the source</translation>
    </message>
    <message>
        <source>Схема 2</source>
        <translation>Circuit 2</translation>
    </message>
    <message>
        <source>Вольтметр параллельно реостату</source>
        <translation>Voltmeter across the rheostat</translation>
    </message>
    <message>
        <source>коэффициент k прямой U=kI+b</source>
        <translation>coefficient k of the line U=kI+b</translation>
    </message>
    <message>
        <source>коэффициент b прямой U=kI+b</source>
        <translation>coefficient b of the line U=kI+b</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Справка 1</source>
        <extracomment>The first reference document: the theory.</extracomment>
        <translation>Reference 1</translation>
    </message>
    <message>
        <source>Справка 2</source>
        <extracomment>The second reference document: the meters and the two circuits.</extracomment>
        <translation>Reference 2</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Управление</source>
        <extracomment>The document on how to work the program.</extracomment>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Не удалось запустить текстовый редактор.</source>
        <translation>The text editor could not be started.</translation>
    </message>
    <message>
        <source>скрыто</source>
        <translation>hidden</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Схема цепи: источник, амперметр, вольтметр, реостат и ключ</source>
        <extracomment>The picture&apos;s name for a screen reader.</extracomment>
        <translation>Circuit diagram: source, ammeter, voltmeter, rheostat and switch</translation>
    </message>
</context>
<context>
    <name>LabReport</name>
    <message>
        <source>№</source>
        <extracomment>Header of the table&apos;s column of row numbers.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе</source>
        <translation>Laboratory report</translation>
    </message>
    <message>
        <source>Выполнил(а): ______________________________</source>
        <extracomment>Where the student writes their name.</extracomment>
        <translation>Student: ______________________________</translation>
    </message>
    <message>
        <source>dd.MM.yyyy, HH:mm</source>
        <extracomment>The date and time the report was made, as QDateTime::toString() takes it.</extracomment>
        <translation>d MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>Таблица измерений</source>
        <translation>Table of measurements</translation>
    </message>
    <message>
        <source>Прямая U = kI + b не построена</source>
        <translation>The line U = kI + b has not been fitted</translation>
    </message>
    <message>
        <source>Прямая U = kI + b: k = %1, b = %2</source>
        <translation>The line U = kI + b: k = %1, b = %2</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Задание: %1, вариант %2</source>
        <translation>Task: %1, variant %2</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Ошибка</source>
        <extracomment>Title of every error message.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>На Выход</source>
        <extracomment>Title of the question asked when the window is closed.</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation>Are you absolutely sure?</translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <extracomment>Title of the About box, in capitals.</extracomment>
        <translation>ABOUT</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Маловато будет!</source>
        <extracomment>A typed value below the parameter&apos;s bounds (colloquial).</extracomment>
        <translation>Too small!</translation>
    </message>
    <message>
        <source>Многовато будет!</source>
        <extracomment>A typed value above the parameter&apos;s bounds (colloquial).</extracomment>
        <translation>Too large!</translation>
    </message>
    <message>
        <source>Опасно для жизни!</source>
        <extracomment>An EMF above 220 V.</extracomment>
        <translation>Danger to life!</translation>
    </message>
</context>
<context>
    <name>TableCheck</name>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>кавычка не закрыта</source>
        <translation>a quotation mark is not closed</translation>
    </message>
    <message>
        <source>после закрывающей кавычки нужна запятая или конец строки</source>
        <translation>a closing quotation mark must be followed by a comma or the end of the line</translation>
    </message>
    <message>
        <source>схема %1, R = %2 Ом (положение движка %3)</source>
        <translation>Circuit %1, R = %2 Ω (slider position %3)</translation>
    </message>
    <message>
        <source>; в столбце %1 стоит %2, а в строке «%3» было бы %4</source>
        <translation>; column %1 holds %2, where the row “%3” would hold %4</translation>
    </message>
    <message>
        <source>файл слишком велик для таблицы измерений (больше %1 КиБ)</source>
        <translation>the file is too large for a table of measurements (over %1 KiB)</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>the text is not in UTF-8</translation>
    </message>
    <message>
        <source>файл пуст, а таблица начинается заголовком %1</source>
        <translation>the file is empty, but a table starts with the header %1</translation>
    </message>
    <message>
        <source>это не таблица измерений программы: её первая строка — %1</source>
        <translation>this is not the program&apos;s table of measurements: its first line is %1</translation>
    </message>
    <message>
        <source>полей %1, а в таблице их %2</source>
        <translation>%1 fields, where the table has %2</translation>
    </message>
    <message>
        <source>номер строки %1 — не целое число от 1 до 10</source>
        <translation>the row number %1 is not a whole number from 1 to 10</translation>
    </message>
    <message>
        <source>строка %1, n = %2</source>
        <translation>line %1, n = %2</translation>
    </message>
    <message>
        <source>%1: НЕ НАСТОЯЩАЯ: таких показаний нет ни в одной схеме ни при одном положении движка%2
</source>
        <translation>%1: NOT GENUINE: no circuit shows these readings at any slider position%2
</translation>
    </message>
    <message>
        <source>%1: настоящая: %2
</source>
        <translation>%1: genuine: %2
</translation>
    </message>
    <message>
        <source>Прямая по строкам таблицы: k = %1, b = %2
</source>
        <translation>The line through the table&apos;s rows: k = %1, b = %2
</translation>
    </message>
    <message>
        <source>Прямую по строкам таблицы не построить: все токи равны
</source>
        <translation>No line can be fitted through the table&apos;s rows: all the currents are equal
</translation>
    </message>
    <message>
        <source>Ключ, схема %1: k = %2, b = %3
</source>
        <translation>Answer key, Circuit %1: k = %2, b = %3
</translation>
    </message>
    <message>
        <source>Итог: в таблице нет ни одной строки измерений.
</source>
        <translation>Result: the table has no rows of measurements.
</translation>
    </message>
    <message>
        <source>Итог: не настоящие строки: %1.
</source>
        <translation>Result: rows not genuine: %1.
</translation>
    </message>
    <message>
        <source>Итог: все строки настоящие.
</source>
        <translation>Result: all rows are genuine.
</translation>
    </message>
</context>
<context>
    <name>TaskFile</name>
    <message>
        <source>ожидается диапазон вида «от..до, шаг», например «4.5..12, 0.1»</source>
        <translation>a range of the form “from..to, step” is expected, for example “4.5..12, 0.1”</translation>
    </message>
    <message>
        <source>нижний конец диапазона, %1, вне допустимых пределов («%2»)</source>
        <extracomment>%1 the value, %2 the message a parameter box gives for it.</extracomment>
        <translation>the lower end of the range, %1, is out of bounds (“%2”)</translation>
    </message>
    <message>
        <source>верхний конец диапазона, %1, вне допустимых пределов («%2»)</source>
        <extracomment>%1 the value, %2 the message a parameter box gives for it.</extracomment>
        <translation>the upper end of the range, %1, is out of bounds (“%2”)</translation>
    </message>
    <message>
        <source>слишком много цифр (не больше %1)</source>
        <translation>too many digits (at most %1)</translation>
    </message>
    <message>
        <source>шаг должен быть больше нуля</source>
        <translation>the step must be greater than zero</translation>
    </message>
    <message>
        <source>нижний конец диапазона больше верхнего</source>
        <translation>the lower end of the range is greater than the upper end</translation>
    </message>
    <message>
        <source>Файл задания «%1», строка %2:</source>
        <translation>Task file “%1”, line %2:</translation>
    </message>
    <message>
        <source>Файл задания «%1»:</source>
        <translation>Task file “%1”:</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>файл не удаётся прочитать</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>файл слишком велик для файла задания (больше 64 КиБ)</source>
        <translation>the file is too large for a task file (over 64 KiB)</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>the text is not in UTF-8</translation>
    </message>
    <message>
        <source>файл не читается как INI</source>
        <translation>the file cannot be read as INI</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1» (есть E, r, Rv, Ra, Rmax)</source>
        <translation>unknown parameter “%1” (there are E, r, Rv, Ra, Rmax)</translation>
    </message>
    <message>
        <source>Rmax скрыть нельзя: его показывает подпись реостата</source>
        <translation>Rmax cannot be hidden: the rheostat&apos;s label shows it</translation>
    </message>
    <message>
        <source>это не число</source>
        <translation>this is not a number</translation>
    </message>
    <message>
        <source>значение вне допустимых пределов («%1»)</source>
        <translation>the value is out of bounds (“%1”)</translation>
    </message>
    <message>
        <source>ожидается целое число от 0 до 18446744073709551615</source>
        <translation>a whole number from 0 to 18446744073709551615 is expected</translation>
    </message>
    <message>
        <source> в разделе [%1]</source>
        <extracomment>Where an unknown key stands, after its name.</extracomment>
        <translation> in the section [%1]</translation>
    </message>
    <message>
        <source>неизвестный ключ «%1»%2 (есть [task]: title, E, r, Rv, Ra, Rmax, hidden; [random]: E, r, Rv, Ra, Rmax, seed)</source>
        <extracomment>%1 the key, %2 nothing or where it stands (&quot; in the section [random]&quot;).</extracomment>
        <translation>unknown key “%1”%2 (there are [task]: title, E, r, Rv, Ra, Rmax, hidden; [random]: E, r, Rv, Ra, Rmax, seed)</translation>
    </message>
    <message>
        <source>%1 задан и в [task], и в [random]</source>
        <translation>%1 is given both in [task] and in [random]</translation>
    </message>
    <message>
        <source>Программа запускается с обычными значениями.</source>
        <translation>The program starts with its usual values.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Задание учителя (*.ini)</source>
        <translation>Teacher’s task (*.ini)</translation>
    </message>
    <message>
        <source>Вариант</source>
        <extracomment>Asked after a task file was opened in the browser.</extracomment>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Номер варианта в задании «%1»:</source>
        <translation>Variant number in the task “%1”:</translation>
    </message>
    <message>
        <source>Открыть задание…</source>
        <extracomment>In the browser: a teacher&apos;s task file from the student&apos;s disk.</extracomment>
        <translation>Open task…</translation>
    </message>
</context>
<context>
    <name>graphs::Graphs</name>
    <message>
        <source>Таблица измерений очищена</source>
        <translation>Table of measurements cleared</translation>
    </message>
</context>
<context>
    <name>graphs::Plots</name>
    <message>
        <source>I, A</source>
        <extracomment>The current axis&apos;s caption: I in amperes.</extracomment>
        <translation>I, A</translation>
    </message>
    <message>
        <source>U, B</source>
        <extracomment>The voltage axis&apos;s caption: U in volts (a Latin B, as the Russian В).</extracomment>
        <translation>U, V</translation>
    </message>
    <message>
        <source>Pв,Po, Bт</source>
        <extracomment>The power axis&apos;s caption: the useful power Pв and the total power Po, in watts.</extracomment>
        <translation>Pu,Pt, W</translation>
    </message>
    <message>
        <source>h, %</source>
        <extracomment>The efficiency axis&apos;s caption; the efficiency runs from 0 to 1.</extracomment>
        <translation>η, %</translation>
    </message>
    <message>
        <source>График U(I)</source>
        <extracomment>The voltage against the current, as a screen reader names it.</extracomment>
        <translation>U(I) graph</translation>
    </message>
    <message>
        <source>График Pв(I), Po(I)</source>
        <extracomment>The useful and the total power against the current, as a screen reader names it.</extracomment>
        <translation>Pu(I), Pt(I) graph</translation>
    </message>
    <message>
        <source>График h(I)</source>
        <extracomment>The efficiency against the current, as a screen reader names it.</extracomment>
        <translation>η(I) graph</translation>
    </message>
    <message>
        <source>график</source>
        <extracomment>The frame round the choice of the graph shown.</extracomment>
        <translation>Graph</translation>
    </message>
    <message>
        <source>U(I)</source>
        <extracomment>Graph choice: the voltage against the current.</extracomment>
        <translation>U(I)</translation>
    </message>
    <message>
        <source>Зависимость напряжения от тока</source>
        <translation>Voltage against current</translation>
    </message>
    <message>
        <source>Pв(I), Po(I)</source>
        <extracomment>Graph choice: the useful power (Pв) and the total power (Po) against the current.</extracomment>
        <translation>Pu(I), Pt(I)</translation>
    </message>
    <message>
        <source>Зависимости мощностей от тока</source>
        <translation>Power against current</translation>
    </message>
    <message>
        <source>h(I)</source>
        <extracomment>Graph choice: the efficiency against the current.</extracomment>
        <translation>η(I)</translation>
    </message>
    <message>
        <source>Точек измерений: %1</source>
        <extracomment>How many rows a graph shows, told to a screen reader.</extracomment>
        <translation>Measured points: %1</translation>
    </message>
</context>
<context>
    <name>graphs::Table</name>
    <message>
        <source>I, A</source>
        <extracomment>Header of the current column: I in amperes.</extracomment>
        <translation>I, A</translation>
    </message>
    <message>
        <source>Сила тока, А</source>
        <translation>Current, A</translation>
    </message>
    <message>
        <source>U, B</source>
        <extracomment>Header of the voltage column: U in volts (a Latin B, as the Russian В).</extracomment>
        <translation>U, V</translation>
    </message>
    <message>
        <source>Напряжение, В</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Po, Вт</source>
        <extracomment>Header of the total power column: the source&apos;s power in watts.</extracomment>
        <translation>Pt, W</translation>
    </message>
    <message>
        <source>Полная мощность, Вт</source>
        <translation>Total power, W</translation>
    </message>
    <message>
        <source>Pв, Вт</source>
        <extracomment>Header of the useful power column: the rheostat&apos;s power in watts.</extracomment>
        <translation>Pu, W</translation>
    </message>
    <message>
        <source>Полезная мощность, Вт</source>
        <translation>Useful power, W</translation>
    </message>
    <message>
        <source>η, %</source>
        <extracomment>Header of the efficiency column, shown as a fraction from 0 to 1.</extracomment>
        <translation>η, %</translation>
    </message>
    <message>
        <source>КПД, %</source>
        <translation>Efficiency, %</translation>
    </message>
    <message>
        <source>%1, строка %2</source>
        <extracomment>A cell&apos;s name for a screen reader: %1 the column&apos;s name, %2 the row&apos;s number.</extracomment>
        <translation>%1, row %2</translation>
    </message>
    <message>
        <source>Записать измерение в строку %1</source>
        <translation>Record the measurement in row %1</translation>
    </message>
    <message>
        <source>Строка %1: </source>
        <extracomment>A recorded row as a screen reader is told it, before its five readings.</extracomment>
        <translation>Row %1: </translation>
    </message>
</context>
<context>
    <name>report::ExportActions</name>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Сохранить таблицу (CSV)…</source>
        <translation>Save table (CSV)…</translation>
    </message>
    <message>
        <source>Сохранить график (PNG)…</source>
        <translation>Save graph (PNG)…</translation>
    </message>
    <message>
        <source>Сохранить отчёт (PDF)…</source>
        <extracomment>The one-page lab report.</extracomment>
        <translation>Save report (PDF)…</translation>
    </message>
    <message>
        <source>Печать отчёта…</source>
        <translation>Print report…</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <extracomment>A file dialog&apos;s title.</extracomment>
        <translation>Save Table</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <extracomment>A file dialog&apos;s title.</extracomment>
        <translation>Save Graph</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <extracomment>A file dialog&apos;s title.</extracomment>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Контекстное меню</source>
        <translation>Context menu</translation>
    </message>
    <message>
        <source>Результаты</source>
        <extracomment>The context menu of the table and the graphs, as a screen reader names it.</extracomment>
        <translation>Results</translation>
    </message>
    <message>
        <source>Не удалось напечатать отчёт на принтере «%1».</source>
        <translation>The report could not be printed on the printer “%1”.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1».</source>
        <translation>The file “%1” could not be saved.</translation>
    </message>
    <message>
        <source>Печать отчёта (PDF)…</source>
        <extracomment>In the browser the report to print leaves as a PDF, which the browser prints.</extracomment>
        <translation>Print report (PDF)…</translation>
    </message>
</context>
<context>
    <name>ui::Announcer</name>
    <message>
        <source>Сообщение</source>
        <extracomment>What a screen reader calls the program&apos;s one-off messages.</extracomment>
        <translation>Message</translation>
    </message>
</context>
</TS>
