<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 комбо</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>эквити %1%</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>EV %1</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · %5</source>
        <translation>%1 · %2 · %3 · %4 · %5</translation>
    </message>
    <message numerus="yes">
        <source>%n combo(s)</source>
        <translation>
            <numerusform>%n комбо</numerusform>
            <numerusform>%n комбо</numerusform>
            <numerusform>%n комбо</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>Не удалось сохранить настройки: %1 недоступен для записи</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>Не удалось сохранить настройки: не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>Не удалось прочитать настройки: не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>Не удалось сохранить настройки: нет места для %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>Не удалось сохранить настройки: %1 используется другой копией программы</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>Не удалось сохранить настройки: файл блокировки %1 нельзя создать или прочитать</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>Недопустимый URL файла.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Поддерживаются только локальные файлы.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Пустой путь к файлу.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>Файл слишком большой (%1 байт).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Файл не является текстом в UTF-8.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>Недопустимый или нелокальный URL файла</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Пустой путь к файлу</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>Нельзя загрузить проект во время расчёта</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>Файл проекта слишком большой</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>Некорректный JSON</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Неизвестный формат проекта</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Неподдерживаемая версия проекта</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Некорректные данные проекта: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Не удалось сохранить файл: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Запуск...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Не готово: сначала введите корректный борд</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Не готово: выберите хотя бы одну руку в обоих диапазонах</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Не готово: заполните сайзинги OOP и IP</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>Не готово: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Недостаточно ОЗУ для расчёта (даже после очистки прежних результатов)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>Waiting for the previous solve to stop...</source>
        <translation>Ожидание остановки предыдущего расчёта...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Нет конфигурации прошлого расчёта (сначала выполните расчёт)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Ошибка расчёта: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Борд %1 | итер. %2 | эксп.≈%3 | EV(oop)=%4 EV(ip)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Проект загружен (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n узел стратегии</numerusform>
            <numerusform>%n узла стратегии</numerusform>
            <numerusform>%n узлов стратегии</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n узел комбо</numerusform>
            <numerusform>%n узла комбо</numerusform>
            <numerusform>%n узлов комбо</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>не является объектом</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>не является целым числом итераций</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>содержит %1 узлов, а списки действий дерева — %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>не содержит ни одного узла</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>содержит %1 действий, а первый узел дерева — %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>не является списком</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>не является бордом не более чем из пяти карт</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>содержит «%1», а это не карта</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>содержит %1 дважды</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Недопустимый символ ранга «%1»</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Недопустимый символ масти «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>«%1» — не карта: карта записывается двумя символами</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>Флоп должен состоять ровно из трёх карт</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>Карты флопа должны быть разными</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Все карты флопа должны быть заданы</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>Во флопе есть карта, которой нет в выбранной колоде</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>Карты тёрна нет в выбранной колоде</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>Карта тёрна уже есть на флопе</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>Карты ривера нет в выбранной колоде</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>Карта ривера уже есть на борде</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>Ривер не может быть без тёрна</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>После двоеточия нет веса</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>Вес «%1» — не число</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>Вес «%1» вне допустимых пределов</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>Вес «%1» содержит недопустимые символы</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>Вес должен быть от 0 до 1</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Пустая рука</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Недопустимая длина записи руки</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Недопустимый суффикс одномастности</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>Первый ранг должен быть не ниже второго</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>У пары не может быть суффикса одномастности</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>Повторяющиеся карты недопустимы</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Пара не может быть одномастной или разномастной</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Ожидался «+» в конце</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>В интервале ожидался «-»</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>Концы интервала различаются по одномастности</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Такой интервал не поддерживается</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>Перед двоеточием нет руки</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Недопустимый процент «%1» (ожидается, например, «50%»)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Без карт борда в диапазоне не остаётся ни одной руки</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Пустой размер</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>Не удаётся прочитать «%1» как число</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>Не удаётся прочитать «%1» как целое число</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>«%1» слишком велико</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Кратное ставки (x) допустимо только для рейзов</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Кратное рейза должно быть больше 1.0x</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>Ограничение рейзов допустимо только для рейзов</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>Ограничение рейзов должно заканчиваться на «r»</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>Ограничение рейзов должно быть положительным</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>Число улиц геометрической ставки должно быть положительным</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>недопустимое значение «%». Используйте числа вида «33, 75» или «33%, 75%»</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>недопустимое значение «%1»</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>неизвестный вариант колоды «%1» (используйте holdem или shortdeck)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>Борд должен содержать хотя бы флоп</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>«%1» — не 3, 4 или 5 карт</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>Число карт (%1) не подходит к начальной улице %2, где нужно %3</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>должно быть больше 0</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>должно быть от 0 до 100</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>должно быть 0 (без ограничения) или больше</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>должно быть числом</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>должно быть от 0 до 1000</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>должно быть не меньше 1 фишки</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>не может быть отрицательным</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>В режиме ICM нужен стек для обоих игроков</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>В режиме ICM нужны выплаты</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>В режиме ICM нужны стеки для всех призовых мест (призовых мест: %1, игроков: %2)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Слишком много призовых мест для модели фишек: %1 (игроков: %2, не более %3)</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>Начальный банк и эффективный стек не могут быть отрицательными</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>Начальный банк плюс двойной эффективный стек слишком велики</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Дерево игры слишком глубокое: более %1 действий в одной линии (используйте более крупные беты и рейзы или ограничение рейзов)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Дерево игры слишком большое: более %1 узлов (используйте меньше размеров бетов и рейзов)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>Расчёт дал значения, не являющиеся конечными числами; проверьте веса диапазона, банк и стек</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>Недостаточно памяти, чтобы завершить расчёт</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Итерации</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>«%1» — не карта этой колоды</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>должно быть не меньше %1</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>должно быть не больше %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>«%1» может означать %2 или %3: запишите без разделителя</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>«%1» может означать %2 или %3: запишите %3 без разделителя</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>«%1» может означать %2 или %3: запишите %2 или %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>«%1» может означать %2 или %3: запишите %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>«%1» может означать %2 или %3: запишите %4 для %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>«%1» может означать %2 или %3: запишите %3 без разделителя или %4 для %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>«%1»: больше 2 знаков после запятой</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>длиннее пяти карт</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>должно быть не больше 100 % банка</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>«%1» — не улица</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 равно «%2»: ни true, ни false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>повреждено</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>указано дважды</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>не защищено контрольными суммами</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Файл проекта уже записывается или читается</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1: нет в колоде short deck, пропущено</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>В весе «%1» десятичная запятая: пишите %2</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>Текст диапазона слишком длинный: %1 символов (не более %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>табуляция</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>перевод строки</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>неразрывный пробел</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>метка порядка байтов</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>пробел нулевой ширины</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>мягкий перенос</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>управляющий символ</translation>
    </message>
    <message>
        <source>space</source>
        <translation>пробел</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>невидимый символ</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>Недостаточно памяти, чтобы открыть проект</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>Недостаточно памяти, чтобы начать расчёт</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>Недостаточно памяти, чтобы сменить язык</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>Недостаточно памяти, чтобы проверить обновления</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>Недостаточно памяти, чтобы скачать обновление</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>Недостаточно памяти, чтобы установить обновление</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>Недостаточно памяти, чтобы открыть страницу загрузки</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>Недостаточно памяти, чтобы очистить сведения об обновлениях</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>Недостаточно памяти, чтобы изменить адрес обновлений</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>Недостаточно памяти, чтобы открыть окно выбора файлов</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>Недостаточно памяти, чтобы закрыть окно выбора файлов</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>Недостаточно памяти, чтобы оценить этот расчёт</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>Недостаточно памяти, чтобы прочитать диапазон</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>Недостаточно памяти, чтобы сохранить файл</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>Недостаточно памяти, чтобы открыть файл</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>«%1» может означать %2 или %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>«%1» может быть одним числом или двумя: пробел после каждой запятой, без разделителя тысяч</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>«%1» не больше 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>«%1» больше %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>На диске недостаточно места для проекта</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Доступ запрещён: в эту папку нельзя записывать</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Доступ запрещён: этот файл нельзя прочитать</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>Недостаточно памяти, чтобы сохранить проект</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Распределения недоступны (нет решения в памяти).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Недопустимый индекс узла.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Вычисление…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Доступ запрещён: в этот файл нельзя записывать</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>ссылается на узел вне дерева</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>не является конечным числом</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>содержит %1 записей для узла с %2 действиями</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>содержит %1 записей — больше, чем %2 рук узла</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>описание раздачи</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>решение</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>сохранённое значение узла</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>закрепление узла</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>задание расчёта</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>поле контрольных сумм</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>Файл проекта повреждён (обрезан)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Файл проекта повреждён</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>Файл проекта повреждён: %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>Файл нельзя было бы открыть снова: %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>Это не проект Pellaris</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Случайная</translation>
    </message>
    <message>
        <source>✕</source>
        <translation>✕</translation>
    </message>
</context>
<context>
    <name>FileProgressPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>стрит-флеш</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>каре</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>фулл-хаус</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>флеш</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>стрит</translation>
    </message>
    <message>
        <source>set</source>
        <translation>сет</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>трипс</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>две пары</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>топ-пара</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>оверпара</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>средняя пара</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>нижняя пара</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>сухая пара</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>флеш-дро</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>несобранное флеш-дро</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>двустороннее стрит-дро</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>несобранное двустороннее дро</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>гатшот</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>несобранный гатшот</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>бэкдор флеш-дро</translation>
    </message>
    <message>
        <source>air</source>
        <translation>воздух</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>Янв</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Фев</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Мар</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Апр</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Июн</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Июл</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Авг</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Сен</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Окт</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Ноя</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Дек</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>Не удалось сохранить проект в %1. Проверьте, что папка существует и доступна для записи.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Нет контроллера</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Ошибка открытия</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>Не удалось открыть %1:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Проект Pellaris (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Очистить статистику «Игра против решения»</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Очистить всю статистику «Игра против решения» (сегодня + всего)?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (в будущем)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Расчётов: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Ср. итераций: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Ср. эксп.: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Активность расчётов</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>Последние 6 месяцев</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Современный высокопроизводительный солвер для холдема</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Новый расчёт</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>История расчётов</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Всего расчётов</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Расчётов за неделю</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Среднее время расчёта</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Движок</translation>
    </message>
    <message>
        <source>Pellaris Core</source>
        <translation>Pellaris Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>Доступно: %1</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (свободно %2)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Раздачи (сегодня / всего)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Точность (сегодня / всего)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Ср. потеря EV (сегодня / всего)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Борд, диапазоны, дерево</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Быстрый расчёт</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Настройки по умолчанию</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Импорт диапазона</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Загрузить из файла</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Быстрые действия</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
За день: %2
Всего: %3
Ср. время: %4</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>Solves over time</source>
        <translation>Динамика расчётов</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>За день</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Расчётов пока нет</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Проект сохранён: %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Некоторые значения не загружены</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>%1 открыт без этих значений, их поля таких значений не принимают:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Сохранение проекта…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Открытие проекта…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>Не удалось сохранить проект в %1:
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>Заменить файл?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 уже существует. Заменить его этим проектом?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>PlayingCard</name>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Введите название.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Выберите профиль.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Стандартные диапазоны</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Диапазоны популяции</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Свои диапазоны</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Без рейка</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>Рейк 50nl</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>Рейк 100nl</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>Рейк 200nl</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>Рейк 500nl</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Колл</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Фолд</translation>
    </message>
    <message>
        <source>RFI</source>
        <translation>RFI</translation>
    </message>
    <message>
        <source>3bet</source>
        <translation>3-бет</translation>
    </message>
    <message>
        <source>4bet</source>
        <translation>4-бет</translation>
    </message>
    <message>
        <source>6-max</source>
        <translation>6-max</translation>
    </message>
    <message>
        <source>Heads up</source>
        <translation>Хедз-ап</translation>
    </message>
    <message>
        <source>vs RFI</source>
        <translation>vs RFI</translation>
    </message>
    <message>
        <source>vs 3bet</source>
        <translation>vs 3-бет</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>vs 4-бет</translation>
    </message>
    <message>
        <source>6-max, %1</source>
        <translation>6-max, %1</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>vs RFI %1</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3-бет %2</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>3-бет %1 vs 4-бет %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Limp</source>
        <translation>Лимп</translation>
    </message>
    <message>
        <source>Limp-call</source>
        <translation>Лимп-колл</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Лимп-3-бет</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Колл рейза</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Чек-бэк</translation>
    </message>
    <message>
        <source>3b</source>
        <translation>3-бет</translation>
    </message>
    <message>
        <source>4b</source>
        <translation>4-бет</translation>
    </message>
    <message>
        <source>Call 3b</source>
        <translation>Колл 3-бета</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Колл 4-бета</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>Колд-колл 3-бета</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Бомб-пот</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Слабые реги</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Тайтовый рег</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Лузовый рег</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Nit</source>
        <translation>Нит</translation>
    </message>
    <message>
        <source>Overfolder</source>
        <translation>Оверфолдер</translation>
    </message>
    <message>
        <source>%1 (VPIP %2)</source>
        <translation>%1 (VPIP %2)</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Пассивный</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Тайт-пассивный</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Пассивный средний</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Луз-пассивный</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Крайне лузовый</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Луз-агрессивный</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>Стандартный LAG</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Маньяк</translation>
    </message>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Ошибка экспорта: appController.saveTextFile недоступен.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Ошибка экспорта: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Экспорт диапазонов популяции</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Экспорт стандартных диапазонов</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Ошибка импорта: appController.readTextFile недоступен.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Ошибка импорта: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Ошибка импорта: в файле нет распознаваемых рук.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Ошибка импорта: все веса в файле равны нулю.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Нет диапазона для импорта.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Вариант игры</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Перейти на холдем</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Перейти на шорт-дек</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Модель полезности</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Перейти на кэш</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Перейти на ICM</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Борд</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Выбор карты</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Карта флопа</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Карта тёрна</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Карта ривера</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Убрать карту</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Размер банка</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Начальный банк</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>напр., 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Эффективный стек</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>Стек OOP</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>напр., 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>Стек IP</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Выплаты</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Введите через запятую выплаты за каждое призовое место в порядке занятых мест. Пример: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>напр., 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Стеки остальных</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Введите через запятую стеки только остальных игроков, без OOP и IP. Пример: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>напр., 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Рейк (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>напр., 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Лимит рейка</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>напр., 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Целевая эксплуатируемость (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>напр., 0.10</translation>
    </message>
    <message>
        <source>1%</source>
        <translation>1%</translation>
    </message>
    <message>
        <source>0.5%</source>
        <translation>0.5%</translation>
    </message>
    <message>
        <source>0.1%</source>
        <translation>0.1%</translation>
    </message>
    <message>
        <source>Project Setup</source>
        <translation>Настройка проекта</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Нужна настройка</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>ОЗУ для расчёта: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>Доступно ОЗУ: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Перейти к расчёту →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Сброс переопределений стандартных диапазонов</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Сбросить все локально переопределённые стандартные диапазоны для %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Сброс переопределений диапазонов популяции</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Сбросить все локально переопределённые диапазоны популяции для %1?</translation>
    </message>
    <message>
        <source>Short Deck</source>
        <translation>Шорт-дек</translation>
    </message>
    <message>
        <source>Holdem</source>
        <translation>Холдем</translation>
    </message>
    <message>
        <source>ICM</source>
        <translation>ICM</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Кэш</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Сохранить профиль настроек</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Название профиля:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>напр., 100bb без рейка (быстро)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Загрузить профиль настроек</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Выберите сохранённый профиль:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Сохранённых профилей пока нет.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>Сохранённые профили настроек повреждены и не могут быть прочитаны. Повреждённый текст откладывается в сторону при сохранении профиля.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Удаление профиля настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Вы действительно хотите удалить этот сохранённый профиль?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>OOP Range</source>
        <translation>Диапазон OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Диапазон IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>напр., AA, KK, AKs, QQ+ или 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Сохранить диапазон IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Сохранить диапазон OOP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Название диапазона:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>напр., BTN vs BB (по умолчанию)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Добавить папку (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Добавить папку (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Название папки:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>напр., BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Импорт диапазона</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Текст диапазона (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>напр., BTN опен (свой)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Удаление диапазона</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Диапазонов пока нет.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Переопределить</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Экспорт стандартных…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Экспорт популяции…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Сбросить к исходным…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Сохранить диапазон…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Импорт диапазона…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Добавить папку…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Удалить выбранное…</translation>
    </message>
    <message>
        <source>OOP Sizing</source>
        <translation>Сайзинг OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Сайзинг IP</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <source>Bet sizes (%)</source>
        <translation>Беты (%)</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Рейзы (%)</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Олл-ин</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Без донка</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>Копировать из OOP</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Добавить олл-ин, если пуш меньше</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>напр. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% банка</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>Также будет удалён %n вложенный диапазон. Это действие нельзя отменить.</numerusform>
            <numerusform>Также будут удалены %n вложенных диапазона. Это действие нельзя отменить.</numerusform>
            <numerusform>Также будут удалены %n вложенных диапазонов. Это действие нельзя отменить.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>ОЗУ для расчёта: измерение…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>нет (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Измерение…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Не готово</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Только целые числа: «%1» не сохранено.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Слишком много знаков после запятой: «%1» не сохранено.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Введите число от %1 до %2: «%3» не сохранено.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Пусто: прежнее значение сохранено.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>Не число: «%1» не сохранено.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>Солвер не может прочитать этот диапазон: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Удалить папку</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>Не удалось загрузить встроенные наборы.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>Не удалось загрузить встроенные стандартные наборы (файл ресурсов отсутствует или пуст).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>Не удалось загрузить встроенные наборы: %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Текущий диапазон пуст.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Неизвестный игрок.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Введите имя папки.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Удалить эту папку?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Удалить этот диапазон?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Без знака, пожалуйста: «%1» не сохранено.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Запишите число без экспоненты: «%1» не сохранено.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>Не больше одного десятичного разделителя: «%1» не сохранено.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>Профиль «%1» загружен без этих значений, их поля таких значений не принимают:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Некоторые значения не загружены</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Диапазон для сохранения (%1 комбо):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено: запишите целые фишки без разделителя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено: запишите %3 без разделителя или %4 для %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено: запишите %3 без разделителя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено: запишите %2 или %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено: запишите %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено: запишите %4 для %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>«%1» может означать %2 или %3, поэтому не сохранено.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>Сохранённые свои диапазоны повреждены и не могут быть прочитаны. Повреждённый текст откладывается в сторону при сохранении диапазона.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>Сохранённые переопределения этой библиотеки повреждены и не могут быть прочитаны. Повреждённый текст откладывается в сторону при сохранении переопределения или сбросе переопределений.</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>напр., AA, KK, AKs, QQ+ или 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n рука</numerusform>
            <numerusform>%n руки</numerusform>
            <numerusform>%n рук</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Случайная</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Лучшая для OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Лучшая для IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Карта тёрна</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Карта ривера</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Роль: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Выберите роль, чтобы начать</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Играть за OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Играть за обоих</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Играть за IP</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Нажмите на тёрн/ривер, чтобы сменить</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Ещё раздача</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>Показано: %1</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> комбо</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Распределения</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Эквити по рукам</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV по рукам</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Вычисление…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>OOP</source>
        <translation>OOP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>OOP: %1    IP: %2</source>
        <translation>OOP: %1    IP: %2</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Эквити</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Computing distributions…</source>
        <translation>Вычисление распределений…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Распределения недоступны.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Детали рук</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Поиск (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Загрузка комбо…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>В этом узле нет комбо для показа.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Фильтр: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Нет комбо, подходящих под текущие фильтры.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Стек (%1)</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>Для колла</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Эти результаты для %1; проект с тех пор изменён: пересчитайте, чтобы увидеть его</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Снятый рейк</translation>
    </message>
    <message>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <source>Pot odds</source>
        <translation>Шансы банка</translation>
    </message>
    <message>
        <source>Node-Locking</source>
        <translation>Нодлок</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Нодлок доступен только в узлах принятия решений.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Микс</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>частота</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>част.</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Сбросить нодлок</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Пересчитать</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Совет: введите частоты выше, затем нажмите на клетку руки в матрице, чтобы применить смешанную стратегию.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Совет: выберите действие выше, затем нажмите на клетку руки в матрице, чтобы зафиксировать её.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>EV игры против решения (накопленный)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Оптимальный</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Фактический</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Раздача %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Оптимальный: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Фактический: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>EV раздачи: %1 (опт.) / %2 (факт.)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>EV раздачи: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Просмотр стратегии</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Ход %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Вид диапазона</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <source>EV (OOP)</source>
        <translation>EV (OOP)</translation>
    </message>
    <message>
        <source>EV (IP)</source>
        <translation>EV (IP)</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Эксплуатируемость</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Частоты действий</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Стратегия по рукам</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Обычный режим</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Режим нодлока</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Дерево игры</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Сдача: %1</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>Available actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>Вариантов: %1</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Руки</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Победитель: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Выигрыш: %1   Рейк: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>Потеря EV: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Верно: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>История раздач</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Остановить тренировку</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Тренировать спот</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Префлоп</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n рука</numerusform>
            <numerusform>%n руки</numerusform>
            <numerusform>%n рук</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Идеально</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Неверно — лучше: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Неверно — лучше: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Стек: %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Остановлено на ошибке</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>оба места</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Нажмите на ривер, чтобы сменить</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Решите этот спот заново, чтобы играть: его решения нет в памяти.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>Не сохранено в этом проекте: решите спот заново, чтобы увидеть этот узел</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Выберите карту ривера</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Выберите карту тёрна</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Недоступно</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотой</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>Установить обновление?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>Pellaris закроется для установки обновления. Продолжить?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>Обновление будет загружено, и откроется папка с ним; Pellaris останется открытым. Продолжить?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Тёмная цветовая схема во всём интерфейсе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Язык интерфейса (меняется сразу)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Акцентный цвет</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Цвет выделения в приложении (кнопки, акценты, трефы/чек).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Лицензии</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Фреймворк Qt</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Среда выполнения (динамическая компоновка)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Уведомления о сторонних компонентах и тексты лицензий находятся в папке «licenses» рядом с исполняемым файлом.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Открыть папку лицензий</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Открыть уведомления</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Текущая версия: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Последняя проверка: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Доступно обновление: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Обновлений нет.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Загрузка: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Здесь нет программы, которая откроет это. Расположение:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>ShellNavigation</name>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Обзор и быстрые действия</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Борд, диапазоны, дерево</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Запуск солвера</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Просмотр стратегий</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Покерный солвер</translation>
    </message>
    <message>
        <source>v0.1.0 dev</source>
        <translation>v0.1.0 dev</translation>
    </message>
</context>
<context>
    <name>SolvePage</name>
    <message>
        <source>Ready to solve</source>
        <translation>Готово к расчёту</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Запуск солвера…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Завершение…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Итерация %1 | эксплуатируемость=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: без донка на флопе</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: без донка на тёрне</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: без донка на ривере</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: добавить олл-ин на флопе</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: добавить олл-ин на тёрне</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: добавить олл-ин на ривере</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: добавить олл-ин на флопе</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: добавить олл-ин на тёрне</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: добавить олл-ин на ривере</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: добавить олл-ин, если пуш &lt; %1% банка</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: добавить олл-ин, если пуш &lt; %1% банка</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Итераций: %1 • Цель: %2% (≈ %3) • Потоков: %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Запустите CFR-солвер и следите за ходом расчёта в реальном времени.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Вычисления</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Используемые потоки CPU</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Банк / стек</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Рейк</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (лимит %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Сайзинги</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Включённые опции</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Идёт расчёт...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Начать расчёт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>К результатам →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Измерение...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>Солвер завершил итерации; результаты подготавливаются.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Окно %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Итераций: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Показатели</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>итер./с</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Эксплуатируемость</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Последние запуски</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Запусков пока нет — нажмите «Начать расчёт», и здесь появится запись.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Макс., %n поток</numerusform>
            <numerusform>Макс., %n потока</numerusform>
            <numerusform>Макс., %n потоков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n поток</numerusform>
            <numerusform>%n потока</numerusform>
            <numerusform>%n потоков</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>до цели</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>до лимита</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP ставка %2 / рейз %3 · IP ставка %4 / рейз %5</translation>
    </message>
    <message>
        <source>Stacks</source>
        <translation>Стеки</translation>
    </message>
    <message>
        <source>OOP %1 · IP %2</source>
        <translation>OOP %1 · IP %2</translation>
    </message>
</context>
<context>
    <name>SolveProgress</name>
    <message>
        <source>Init: building game object...</source>
        <translation>Запуск: создание объекта игры…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Запуск: построение структур дерева игры…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Запуск: старт солвера…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Завершение: расчёт результатов…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Завершение: создание снимка результатов…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Итерация %1 | эксплуатируемость≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Инициализация</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Идёт расчёт</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Заполните борд, диапазоны и сайзинги, чтобы открыть «Расчёт»</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Выполните расчёт, чтобы открыть «Результаты»</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Создайте новый проект (или загрузите готовый) на «Главной», чтобы открыть «Проект»</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Bet %1</source>
        <translation>Бет %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Бет</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Рейз %1</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Рейз</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Чек</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Колл</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Фолд</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>Олл-ин</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Сдача</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Банк: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Частота: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Случайная карта тёрна</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Случайная карта ривера</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>URL обновления не настроен.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Не удалось проверить обновления: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Некорректный ответ сервера обновлений (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Нет доступного URL для загрузки.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Не удалось создать файл загрузки.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Ошибка загрузки: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Не удалось завершить запись файла загрузки (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Нет загруженного обновления, готового к установке.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Загруженный файл установщика отсутствует.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Не удалось запустить установщик.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Нет доступных обновлений.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>Нет обновления для загрузки: URL загрузки не является адресом http или https.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>файл превышает лимит в %1 МБ</translation>
    </message>
</context>
</TS>
