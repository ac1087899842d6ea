<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 komb.</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% equity</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · %5</source>
        <translation>%1 · %2 · %3 · %4 · %5</translation>
    </message>
    <message numerus="yes">
        <source>%n combo(s)</source>
        <translation>
            <numerusform>%n komb.</numerusform>
            <numerusform>%n komb.</numerusform>
            <numerusform>%n komb.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>Nie można zapisać ustawień: %1 nie jest zapisywalny</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>Nie można zapisać ustawień: nie można odczytać %1</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>Nie można odczytać ustawień: nie można odczytać %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>Nie można zapisać ustawień: brak miejsca na %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>Nie można zapisać ustawień: %1 jest używany przez inną kopię programu</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>Nie można zapisać ustawień: pliku blokady %1 nie można utworzyć ani odczytać</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>Nieprawidłowy adres URL pliku.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Obsługiwane są tylko pliki lokalne.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Pusta ścieżka pliku.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>Plik jest za duży (%1 bajtów).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Plik nie jest tekstem UTF-8.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>Nieprawidłowy lub nielokalny adres URL pliku</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Pusta ścieżka pliku</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>Nie można wczytać projektu podczas obliczeń</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Nie udało się otworzyć pliku</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>Plik projektu jest za duży</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>Nieprawidłowy JSON</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Nierozpoznany format projektu</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Nieobsługiwana wersja projektu</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Nieprawidłowe dane projektu: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Nie udało się otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Nie udało się zapisać pliku: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Uruchamianie...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Nie można rozpocząć: wprowadź poprawny board</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Nie można rozpocząć: zaznacz co najmniej jedną rękę w obu zakresach</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Nie można rozpocząć: uzupełnij sizing OOP i IP</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>Nie można rozpocząć: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Za mało RAM-u do obliczeń (po wyczyszczeniu poprzednich wyników)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Waiting for the previous solve to stop...</source>
        <translation>Oczekiwanie na zatrzymanie poprzednich obliczeń...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Brak konfiguracji poprzednich obliczeń (najpierw uruchom obliczenia)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Obliczenia nie powiodły się: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iteracje %2 | expl.≈%3 | EV(oop)=%4 EV(ip)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Wczytano projekt (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n węzeł strategii</numerusform>
            <numerusform>%n węzły strategii</numerusform>
            <numerusform>%n węzłów strategii</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n węzeł kombinacji</numerusform>
            <numerusform>%n węzły kombinacji</numerusform>
            <numerusform>%n węzłów kombinacji</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>nie jest obiektem</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>nie jest całkowitą liczbą iteracji</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>ma %1 węzłów, a listy akcji drzewa mają %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>nie zawiera żadnego węzła</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>ma %1 akcji, a pierwszy węzeł drzewa ma %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>nie jest listą</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>nie jest boardem z najwyżej pięciu kart</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>zawiera „%1”, co nie jest kartą</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>zawiera %1 dwukrotnie</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Nieprawidłowy znak wartości karty „%1”</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Nieprawidłowy znak koloru „%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>„%1” nie jest kartą: karta to dwa znaki</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>Flop musi mieć dokładnie trzy karty</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>Karty flopa muszą być różne</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Wszystkie karty flopa muszą być podane</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>Flop zawiera kartę spoza wybranej talii</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>Karty turnu nie ma w wybranej talii</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>Karta turnu jest już na flopie</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>Karty rivera nie ma w wybranej talii</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>Karta rivera jest już na boardzie</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>Nie ma rivera bez turnu</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>Brak wagi po dwukropku</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>Waga „%1” nie jest liczbą</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>Waga „%1” jest poza zakresem liczb</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>Waga „%1” zawiera nieprawidłowe znaki</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>Waga musi mieścić się w przedziale od 0 do 1</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Pusta ręka</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Nieprawidłowa długość zapisu ręki</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Nieprawidłowy przyrostek suited/offsuit</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>Pierwsza wartość musi być co najmniej równa drugiej</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>Para nie może mieć przyrostka suited/offsuit</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>Powtórzone karty są niedozwolone</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Para nie może być suited/offsuit</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Oczekiwano „+” na końcu</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>Oczekiwano „-” w przedziale</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>Końce przedziału różnią się suited/offsuit</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Nieobsługiwany przedział</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>Brak ręki przed dwukropkiem</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Nieprawidłowy procent „%1” (oczekiwano np. „50%”)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Po odjęciu kart z boardu w zakresie nie zostaje żadna ręka</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Pusty rozmiar</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>Nie można odczytać „%1” jako liczby</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>Nie można odczytać „%1” jako liczby całkowitej</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>„%1” jest za duże</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Wielokrotność zakładu (x) dotyczy tylko raise’ów</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Wielokrotność raise’a musi przekraczać 1.0x</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>Limit raise’ów dotyczy tylko raise’ów</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>Limit raise’ów musi kończyć się na „r”</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>Limit raise’ów musi być dodatni</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>Liczba ulic geometrycznych musi być dodatnia</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>nieprawidłowy element „%”. Użyj liczb, np. „33, 75” lub „33%, 75%”</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>nieprawidłowy element „%1”</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>nieznany wariant talii „%1” (użyj holdem lub shortdeck)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>Board musi zawierać co najmniej flop</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>„%1” to nie 3, 4 ani 5 kart</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>Liczba kart (%1) nie pasuje do ulicy startowej %2, która wymaga %3</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>musi być większe od 0</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>musi mieścić się między 0 a 100</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>musi wynosić 0 (bez limitu) lub więcej</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>musi być liczbą</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>musi mieścić się między 0 a 1000</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>musi wynosić co najmniej 1 żeton</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>nie może być ujemne</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>Tryb ICM wymaga stacku dla obu graczy</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>Tryb ICM wymaga wypłat</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>Tryb ICM wymaga stacków dla wszystkich płatnych miejsc (płatnych miejsc: %1, graczy: %2)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Zbyt wiele płatnych miejsc dla modelu żetonów: %1 (graczy: %2, najwyżej %3)</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>Pula początkowa i efektywny stack nie mogą być ujemne</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>Pula początkowa plus dwukrotność efektywnego stacku jest za duża</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Drzewo gry za głębokie: ponad %1 akcji w jednej linii gry (użyj większych betów i raise’ów lub limitu raise’ów)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Drzewo gry za duże: ponad %1 węzłów (użyj mniej rozmiarów betów i raise’ów)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>Obliczenia dały wartości, które nie są skończonymi liczbami; sprawdź wagi zakresu, pulę i stack</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>Za mało pamięci, aby dokończyć obliczenia</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Iteracje</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>„%1” nie jest kartą tej talii</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>musi wynosić co najmniej %1</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>może wynosić najwyżej %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>„%1” może oznaczać %2 lub %3: wpisz bez separatora</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>„%1” może oznaczać %2 lub %3: wpisz %3 bez separatora</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>„%1” może oznaczać %2 lub %3: wpisz %2 lub %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>„%1” może oznaczać %2 lub %3: wpisz %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>„%1” może oznaczać %2 lub %3: wpisz %4 dla %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>„%1” może oznaczać %2 lub %3: wpisz %3 bez separatora albo %4 dla %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>„%1” ma więcej niż 2 miejsca po przecinku</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>jest dłuższy niż pięć kart</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>może wynosić najwyżej 100 % puli</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>„%1” nie jest ulicą</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 ma wartość „%2”, ani true, ani false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>jest uszkodzone</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>występuje dwukrotnie</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>nie jest objęte sumami kontrolnymi</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Plik projektu jest już zapisywany lub odczytywany</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1: nie ma w talii short deck, pominięto</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>Waga „%1” ma przecinek dziesiętny: wpisz %2</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>Tekst zakresu jest za długi: %1 znaków (najwyżej %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulator</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>podział wiersza</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>spacja nierozdzielająca</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>znacznik kolejności bajtów</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>spacja o zerowej szerokości</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>miękki łącznik</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>znak sterujący</translation>
    </message>
    <message>
        <source>space</source>
        <translation>spacja</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>niewidoczny znak</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>Za mało pamięci, aby otworzyć projekt</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>Za mało pamięci, aby rozpocząć obliczenia</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>Za mało pamięci, aby zmienić język</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>Za mało pamięci, aby sprawdzić aktualizacje</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>Za mało pamięci, aby pobrać aktualizację</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>Za mało pamięci, aby zainstalować aktualizację</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>Za mało pamięci, aby otworzyć stronę pobierania</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>Za mało pamięci, aby wyczyścić informacje o aktualizacjach</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>Za mało pamięci, aby zmienić adres aktualizacji</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>Za mało pamięci, aby otworzyć okno wyboru plików</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>Za mało pamięci, aby zamknąć okno wyboru plików</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>Za mało pamięci, aby oszacować te obliczenia</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>Za mało pamięci, aby odczytać zakres</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>Za mało pamięci, aby zapisać plik</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>Za mało pamięci, aby otworzyć plik</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>„%1” może oznaczać %2 lub %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>„%1” może być jedną liczbą lub dwiema: spacja po każdym przecinku, bez separatora tysięcy</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>„%1” nie jest większe od 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>„%1” to więcej niż %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>„%1”: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>Na dysku brakuje miejsca na projekt</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Brak uprawnień: do tego folderu nie można zapisywać</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Brak uprawnień: tego pliku nie można odczytać</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>Za mało pamięci, aby zapisać projekt</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Rozkłady niedostępne (brak rozwiązania w pamięci).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Nieprawidłowy indeks węzła.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Obliczanie…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Brak uprawnień: do tego pliku nie można zapisywać</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>wskazuje węzeł spoza drzewa</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>nie jest liczbą skończoną</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>ma %1 wpisów dla węzła z %2 akcjami</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>ma %1 wpisów, więcej niż %2 rąk węzła</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>ustawienie</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>rozwiązanie</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>zapisane zestawienie węzła</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>zablokowanie węzła</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>ustawienie obliczeń</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>zestawienie sum kontrolnych</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>Plik projektu jest uszkodzony (ucięty)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Plik projektu jest uszkodzony</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>Plik projektu jest uszkodzony: %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>Pliku nie dałoby się ponownie otworzyć: %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>To nie jest projekt Pellaris</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Losowa</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>poker</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>kareta</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>kolor</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>strit</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>dwie pary</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>najwyższa para</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpara</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>średnia para</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>najniższa para</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>sucha para</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>dobieranie do koloru</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>chybiony kolor</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>dwustronne dobieranie do strita</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>chybiony strit dwustronny</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>chybiony gutshot</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>backdoorowe dobieranie do koloru</translation>
    </message>
    <message>
        <source>air</source>
        <translation>nic</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>Sty</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Lut</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Kwi</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Cze</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Lip</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Wrz</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Paź</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Gru</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>Nie udało się zapisać projektu w %1. Sprawdź, czy folder istnieje i czy można w nim zapisywać.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Brak kontrolera</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Błąd otwierania</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>Nie udało się otworzyć %1:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Projekt Pellaris (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Wyczyść statystyki gry vs rozwiązanie</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Wyczyścić wszystkie statystyki gry vs rozwiązanie (dziś + łącznie)?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (w przyszłości)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Obliczenia: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Śr. liczba iteracji: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Śr. exploitowalność: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Aktywność obliczeń</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>Ostatnie 6 miesięcy</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Nowoczesny, wydajny solver do hold&apos;ema</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nowe obliczenie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>Historia obliczeń</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Obliczenia łącznie</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Obliczenia w tym tygodniu</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Średni czas obliczeń</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Pellaris Core</source>
        <translation>Pellaris Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Wątki</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>dostępne: %1</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (wolne: %2)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gra vs rozwiązanie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Rozdania (dziś / łącznie)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Dokładność (dziś / łącznie)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Śr. strata EV (dziś / łącznie)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Skonfiguruj board, zakresy, drzewo</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Szybkie obliczenie</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Użyj ustawień domyślnych</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importuj zakres</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Szybkie akcje</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Dziennie: %2
Łącznie: %3
Śr. czas: %4</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Solves over time</source>
        <translation>Obliczenia w czasie</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dziennie</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Brak obliczeń</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Zapisano projekt: %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Nie wczytano niektórych wartości</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>Otwarto %1 bez tych wartości, których ich pola nie przyjmują:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Zapisywanie projektu…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Otwieranie projektu…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>Nie udało się zapisać projektu w %1:
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>Zastąpić plik?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 już istnieje. Zastąpić go tym projektem?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Podaj nazwę.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Wybierz profil.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Zakresy standardowe</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Zakresy populacji</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Własne zakresy</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Bez rake&apos;u</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>Rake 50nl</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>Rake 100nl</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>Rake 200nl</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>Rake 500nl</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>RFI</source>
        <translation>RFI</translation>
    </message>
    <message>
        <source>3bet</source>
        <translation>3bet</translation>
    </message>
    <message>
        <source>4bet</source>
        <translation>4bet</translation>
    </message>
    <message>
        <source>6-max</source>
        <translation>6-max</translation>
    </message>
    <message>
        <source>Heads up</source>
        <translation>Heads-up</translation>
    </message>
    <message>
        <source>vs RFI</source>
        <translation>vs RFI</translation>
    </message>
    <message>
        <source>vs 3bet</source>
        <translation>vs 3bet</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>vs 4bet</translation>
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
        <translation>vs %1 RFI</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs %2 3bet</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs %2 4bet</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Limp</source>
        <translation>Limp</translation>
    </message>
    <message>
        <source>Limp-call</source>
        <translation>Limp-call</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Call raise</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Check back</translation>
    </message>
    <message>
        <source>3b</source>
        <translation>3b</translation>
    </message>
    <message>
        <source>4b</source>
        <translation>4b</translation>
    </message>
    <message>
        <source>Call 3b</source>
        <translation>Call 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Call 4b</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>3b cold call</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Słabsze regi</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Ciaśniejszy reg</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Luźniejszy reg</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Nit</source>
        <translation>Nit</translation>
    </message>
    <message>
        <source>Overfolder</source>
        <translation>Overfolder</translation>
    </message>
    <message>
        <source>%1 (VPIP %2)</source>
        <translation>%1 (VPIP %2)</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Pasywny</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Pasywny ciasny</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Pasywny neutralny</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Pasywny luźny</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Skrajnie luźny</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Luźno-agresywny</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>Standardowy LAG</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniak</translation>
    </message>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Eksport nie powiódł się: appController.saveTextFile jest niedostępne.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Eksport nie powiódł się: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Eksportuj zakresy populacji</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Eksportuj zakresy standardowe</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Import nie powiódł się: appController.readTextFile jest niedostępne.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Import nie powiódł się: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Import nie powiódł się: plik nie zawiera rozpoznawalnych rąk.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Import nie powiódł się: wszystkie wagi w pliku są zerowe.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Brak zakresu do zaimportowania.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Wariant gry</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Przełącz na Hold&apos;em</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Przełącz na Short Deck</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Model użyteczności</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Przełącz na cash</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Przełącz na ICM</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Wybierz kartę</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Karta flopa</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Karta turna</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Karta rivera</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Wyczyść kartę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Wielkość puli</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pula początkowa</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>np. 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Efektywny stack</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>Stack OOP</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>np. 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>Stack IP</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Wypłaty</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Wpisz oddzielone przecinkami kwoty wypłat dla kolejnych płatnych miejsc, w kolejności zajętych miejsc. Przykład: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>np. 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Pozostałe stacki</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Wpisz oddzielone przecinkami stacki wyłącznie pozostałych graczy, bez OOP i IP. Przykład: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>np. 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>np. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Limit rake&apos;u</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>np. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Docelowa exploitowalność (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>np. 0.10</translation>
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
        <translation>Konfiguracja projektu</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Wymaga konfiguracji</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM obliczeń: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>Dostępny RAM: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Przejdź do solvera →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Wyczyść nadpisania standardowe</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Wyczyścić wszystkie lokalnie nadpisane zakresy standardowe dla %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Wyczyść nadpisania populacji</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Wyczyścić wszystkie lokalnie nadpisane zakresy populacji dla %1?</translation>
    </message>
    <message>
        <source>Short Deck</source>
        <translation>Short Deck</translation>
    </message>
    <message>
        <source>Holdem</source>
        <translation>Hold&apos;em</translation>
    </message>
    <message>
        <source>ICM</source>
        <translation>ICM</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Zapisz profil ustawień</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nazwa profilu:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>np. 100bb bez rake&apos;u (szybki)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Wczytaj profil ustawień</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Wybierz zapisany profil:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Brak zapisanych profili.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>Zapisane profile ustawień są uszkodzone i nie można ich odczytać. Uszkodzony tekst zostanie odłożony na bok przy zapisie profilu.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Usuń profil ustawień</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Czy na pewno chcesz usunąć ten zapisany profil?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>OOP Range</source>
        <translation>Zakres OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Zakres IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>np. AA, KK, AKs, QQ+ lub 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Zapisz zakres IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Zapisz zakres OOP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nazwa zakresu:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>np. BTN vs BB (domyślny)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Dodaj folder (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Dodaj folder (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nazwa folderu:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>np. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importuj zakres</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Zakres w formie tekstu (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>np. BTN open (własny)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Usuń zakres</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Brak zakresów.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Eksportuj standardowe…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Eksportuj populację…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Wyczyść nadpisania…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Zapisz zakres…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importuj zakres…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Dodaj folder…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Usuń zaznaczone…</translation>
    </message>
    <message>
        <source>OOP Sizing</source>
        <translation>Sizing OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Sizing IP</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Bet sizes (%)</source>
        <translation>Bety (%)</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Raise&apos;y (%)</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Dodaj all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Bez donk betów</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>Kopiuj ustawienia OOP</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Dodaj all-in, gdy push poniżej</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>np. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% puli</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>Spowoduje to także usunięcie %n zakresu. Tej operacji nie można cofnąć.</numerusform>
            <numerusform>Spowoduje to także usunięcie %n zakresów. Tej operacji nie można cofnąć.</numerusform>
            <numerusform>Spowoduje to także usunięcie %n zakresów. Tej operacji nie można cofnąć.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>RAM obliczeń: pomiar…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>brak (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Pomiar…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Niegotowe</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: „%2”</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Tylko liczby całkowite: „%1” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Za dużo miejsc po przecinku: „%1” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Wpisz liczbę od %1 do %2: „%3” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Puste: zachowano poprzednią wartość.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>To nie jest liczba: „%1” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>Solver nie może odczytać tego zakresu: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Usuń folder</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>Nie udało się wczytać wbudowanych ustawień.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>Nie udało się wczytać wbudowanych ustawień standardowych (brak pliku zasobów lub jest pusty).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>Nie udało się wczytać wbudowanych ustawień: %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Bieżący zakres jest pusty.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Nieznany gracz.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Wpisz nazwę folderu.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Czy na pewno usunąć ten folder?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Czy na pewno usunąć ten zakres?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Bez znaku, proszę: „%1” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Wpisz liczbę bez wykładnika: „%1” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>Najwyżej jeden separator dziesiętny: „%1” nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>Profil „%1” wczytano bez tych wartości, których ich pola nie przyjmują:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Nie wczytano niektórych wartości</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Zakres do zapisania (%1 komb.):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano: wpisz całe żetony bez separatora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano: wpisz %3 bez separatora albo %4 dla %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano: wpisz %3 bez separatora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano: wpisz %2 lub %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano: wpisz %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano: wpisz %4 dla %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>„%1” może oznaczać %2 lub %3, więc nie zapisano.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>Zapisane własne zakresy są uszkodzone i nie można ich odczytać. Uszkodzony tekst zostanie odłożony na bok przy zapisie zakresu.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>Zapisane nadpisania tej biblioteki są uszkodzone i nie można ich odczytać. Uszkodzony tekst zostanie odłożony na bok przy zapisie nadpisania lub wyczyszczeniu nadpisań.</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>np. AA, KK, AKs, QQ+ lub 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n ręka</numerusform>
            <numerusform>%n ręce</numerusform>
            <numerusform>%n rąk</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Losowa</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Najlepsza dla OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Najlepsza dla IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Karta turna</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Karta rivera</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gra vs rozwiązanie</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rola: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Wybierz rolę, aby zacząć</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Graj jako OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Graj za obu</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Graj jako IP</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Kliknij turn/river, aby zmienić</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Kolejne rozdanie</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>Widoczne: %1</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> komb.</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Rozkłady</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Equity wg rąk</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV wg rąk</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Obliczanie…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Brak danych</translation>
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
        <translation>Equity</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Computing distributions…</source>
        <translation>Obliczanie rozkładów…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Rozkłady niedostępne.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Szczegóły ręki</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Szukaj (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Wczytywanie kombinacji…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Brak kombinacji do wyświetlenia w tym węźle.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtr: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Żadna kombinacja nie pasuje do bieżących filtrów.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pula</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>Do calla</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Te wyniki dotyczą %1; projekt zmienił się od tego czasu: przelicz ponownie, aby go zobaczyć</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Pobrany rake</translation>
    </message>
    <message>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <source>Pot odds</source>
        <translation>Pot odds</translation>
    </message>
    <message>
        <source>Node-Locking</source>
        <translation>Blokowanie węzłów</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Blokowanie węzłów działa tylko w węzłach decyzyjnych.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mieszana</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>częstotliwość</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>częst.</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Zdejmij blokady</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Przelicz</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Wskazówka: wpisz powyżej częstotliwości, a potem kliknij komórkę ręki w macierzy, aby zastosować strategię mieszaną.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Wskazówka: wybierz powyżej akcję, a potem kliknij komórkę ręki w macierzy, aby ją zablokować.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>Gra vs rozwiązanie: EV (skumulowane)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Optymalne</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Rzeczywiste</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Rozdanie %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Optymalne: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Rzeczywiste: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>EV rozdania: %1 (opt.) / %2 (rzecz.)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>EV rozdania: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Widok strategii</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Widok zakresu</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Gra vs rozwiązanie</translation>
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
        <translation>Exploitowalność</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Częstotliwości akcji</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Strategia wg rąk</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Tryb standardowy</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Tryb blokowania</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Drzewo gry</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Karta: %1</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Available actions</source>
        <translation>Dostępne akcje</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>Opcje: %1</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Ręce</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Zwycięzca: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Wygrana: %1   Rake: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>Utracone EV: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Błędnie: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Poprawnie: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>Historia rozdań</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Zakończ trening</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Trenuj spot</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Preflop</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n ręka</numerusform>
            <numerusform>%n ręce</numerusform>
            <numerusform>%n rąk</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Idealnie</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Źle — najlepiej: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Źle — najlepiej: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Zatrzymano na błędzie</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>oba miejsca</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Kliknij river, aby zmienić</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Rozwiąż ten spot ponownie, aby grać: jego rozwiązania nie ma w pamięci.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>Nie zachowano w tym projekcie: rozwiąż spot ponownie, aby zobaczyć ten węzeł</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Wybierz kartę rivera</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Wybierz kartę turna</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Niedostępne</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoty</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Zgodnie z systemem</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>Zainstalować aktualizację?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>Pellaris zostanie zamknięty, aby zainstalować aktualizację. Kontynuować?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>Aktualizacja zostanie pobrana i otworzy się folder, w którym się znajduje; Pellaris pozostanie otwarty. Kontynuować?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Tryb ciemny</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Używaj ciemnego schematu kolorów w całym interfejsie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Zmień język aplikacji (zmiana działa od razu)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Kolor akcentu</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Dostosuj kolor wyróżnień w aplikacji (przyciski, akcenty, trefle/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Framework Qt</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Biblioteka uruchomieniowa (linkowanie dynamiczne)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Informacje o komponentach zewnętrznych i teksty licencji znajdują się w folderze &apos;licenses&apos; obok pliku wykonywalnego.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Otwórz folder licencji</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Otwórz informacje</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Bieżąca wersja: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznana</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Ostatnie sprawdzenie: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Dostępna aktualizacja: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Brak dostępnych aktualizacji.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Pobrano</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Pobieranie: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Pobieranie…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Sprawdzanie...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Aktualizowanie…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Żaden program nie mógł tego tu otworzyć. Lokalizacja:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>ShellNavigation</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Przegląd i szybkie akcje</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, zakresy, drzewo</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Solver</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Uruchom obliczenia</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Przeglądaj strategie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Solver pokerowy</translation>
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
        <translation>Gotowe do obliczeń</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Uruchamianie solvera…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizowanie…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteracja %1 | exploitowalność=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizowanie</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>W toku</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: bez donk betów na flopie</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: bez donk betów na turnie</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: bez donk betów na riverze</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: dodaj all-in na flopie</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: dodaj all-in na turnie</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: dodaj all-in na riverze</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: dodaj all-in na flopie</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: dodaj all-in na turnie</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: dodaj all-in na riverze</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: dodaj all-in, gdy push &lt; %1% puli</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: dodaj all-in, gdy push &lt; %1% puli</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iteracje %1 • Cel %2% (≈ %3) • Wątki %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Solver</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Uruchom solver CFR i śledź postęp na bieżąco.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Moc obliczeniowa</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Używane wątki CPU</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pula / stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (limit %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Rozmiary betów</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Włączone opcje</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Obliczanie...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Uruchom solver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Zobacz wyniki →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Pomiar...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>Solver zakończył iteracje; wyniki są finalizowane.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Okno %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iteracje: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Metryki</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Upłynęło</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Pozostało</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>iter./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Exploitowalność</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Ostatnie uruchomienia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Brak uruchomień — kliknij Uruchom solver, aby zapisać tu przebieg.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Maks., %n wątek</numerusform>
            <numerusform>Maks., %n wątki</numerusform>
            <numerusform>Maks., %n wątków</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n wątek</numerusform>
            <numerusform>%n wątki</numerusform>
            <numerusform>%n wątków</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>do celu</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>do limitu</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP zakład %2 / podbicie %3 · IP zakład %4 / podbicie %5</translation>
    </message>
    <message>
        <source>Stacks</source>
        <translation>Stacki</translation>
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
        <translation>Start: tworzenie obiektu gry…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Start: tworzenie struktur drzewa gry…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Start: uruchamianie solvera…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizacja: obliczanie wyników…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizacja: tworzenie migawki wyników…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Iteracja %1 | exploitowalność≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>W toku</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Niepowodzenie</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizowanie</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicjalizacja</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Obliczanie</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Uzupełnij board, zakresy i sizingi, aby włączyć Solver</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Uruchom obliczenia, aby włączyć Wyniki</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Rozpocznij nowy projekt (lub wczytaj istniejący) na stronie Start, aby włączyć Projekt</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Bet %1</source>
        <translation>Bet %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Raise %1</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pula: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Częst.: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Losowa karta turn</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Losowa karta river</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>Adres URL aktualizacji nie jest skonfigurowany.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Sprawdzanie aktualizacji nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Nieprawidłowa odpowiedź serwera aktualizacji (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Brak dostępnego adresu URL pobierania.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Nie można utworzyć pliku pobierania.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Pobieranie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Nie można sfinalizować pliku pobierania (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Brak pobranej aktualizacji gotowej do instalacji.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Brak pobranego pliku instalatora.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Nie można uruchomić instalatora.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Brak dostępnej aktualizacji.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>Brak aktualizacji do pobrania: adres pobierania nie jest adresem http ani https.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>plik przekracza limit %1 MB</translation>
    </message>
</context>
</TS>
