<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 Combos</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% Equity</translation>
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
            <numerusform>%n Combo</numerusform>
            <numerusform>%n Combos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>Einstellungen konnten nicht gespeichert werden: %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>Einstellungen konnten nicht gespeichert werden: %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>Einstellungen konnten nicht gelesen werden: %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>Einstellungen konnten nicht gespeichert werden: kein Speicherplatz mehr für %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>Einstellungen konnten nicht gespeichert werden: %1 wird von einer anderen Kopie des Programms benutzt</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>Einstellungen konnten nicht gespeichert werden: die Sperrdatei %1 kann nicht angelegt oder gelesen werden</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>Ungültige Datei-URL.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Nur lokale Dateien werden unterstützt.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Leerer Dateipfad.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Keine reguläre Datei.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>Die Datei ist zu groß (%1 Bytes).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>Ungültige oder nicht lokale Datei-URL</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Leerer Dateipfad</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>Während ein Solve läuft, kann kein Projekt geladen werden</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>Projektdatei ist zu groß</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>Ungültiges JSON</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Unbekanntes Projektformat</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Nicht unterstützte Projektversion</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Ungültige Projektdaten: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Nicht bereit: zuerst ein gültiges Board eingeben</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Nicht bereit: in beiden Ranges mindestens eine Hand auswählen</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Nicht bereit: OOP- und IP-Sizing ausfüllen</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>Nicht bereit: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Nicht genug RAM für den Solve (auch nach dem Löschen früherer Ergebnisse)</translation>
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
        <translation>Warten, bis der vorherige Solve beendet ist...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Keine vorherige Solve-Konfiguration (zuerst einen Solve ausführen)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Solve fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | Iter. %2 | Expl.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Projekt geladen (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n Strategieknoten</numerusform>
            <numerusform>%n Strategieknoten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n Combo-Knoten</numerusform>
            <numerusform>%n Combo-Knoten</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>ist kein Objekt</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>ist keine ganze Zahl von Iterationen</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>hat %1 Knoten, die Aktionslisten des Baums aber %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>enthält keinen Knoten</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>hat %1 Aktionen, der erste Knoten des Baums aber %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>ist keine Liste</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>ist kein Board aus höchstens fünf Karten</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>enthält „%1“, was keine Karte ist</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>enthält %1 zweimal</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Ungültiges Rangzeichen „%1“</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Ungültiges Farbzeichen „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>„%1“ ist keine Karte: Eine Karte hat zwei Zeichen</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>Der Flop muss aus genau drei Karten bestehen</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>Die Flopkarten müssen verschieden sein</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Alle Flopkarten müssen gesetzt sein</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>Der Flop enthält eine Karte, die es im gewählten Deck nicht gibt</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>Die Turnkarte gibt es im gewählten Deck nicht</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>Die Turnkarte liegt schon im Flop</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>Die Riverkarte gibt es im gewählten Deck nicht</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>Die Riverkarte liegt schon auf dem Board</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>Ohne Turn kann kein River gegeben werden</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>Nach dem Doppelpunkt fehlt das Gewicht</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>Das Gewicht „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>Das Gewicht „%1“ liegt außerhalb des Zahlenbereichs</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>Das Gewicht „%1“ enthält ungültige Zeichen</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>Das Gewicht muss zwischen 0 und 1 liegen</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Leere Hand</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Ungültige Länge des Handmusters</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Ungültiger Suited-/Offsuit-Zusatz</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>Der erste Rang muss mindestens so hoch sein wie der zweite</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>Ein Paar kann keinen Suited-/Offsuit-Zusatz haben</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>Doppelte Karten sind nicht erlaubt</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Ein Paar kann nicht suited/offsuit sein</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Am Ende wird ein „+“ erwartet</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>In der Spanne wird ein „-“ erwartet</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>Die beiden Enden der Spanne sind unterschiedlich suited/offsuit</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Diese Spanne wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>Vor dem Doppelpunkt fehlt die Hand</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Ungültige Prozentangabe „%1“ (erwartet wie „50%“)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Ohne die Karten des Boards bleibt keine Hand der Range übrig</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Leere Größenangabe</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>„%1“ ist keine lesbare Zahl</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>„%1“ ist keine lesbare ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>„%1“ ist zu groß</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Ein Vielfaches des Einsatzes (x) gibt es nur für Raises</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Ein Raise-Vielfaches muss größer als 1.0x sein</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>Eine Raise-Grenze gilt nur für Raises</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>Eine Raise-Grenze muss mit „r“ enden</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>Die Raise-Grenze muss positiv sein</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>Die Zahl der Streets einer geometrischen Größe muss positiv sein</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>ungültige Angabe „%“. Zahlen wie „33, 75“ oder „33%, 75%“ verwenden</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>ungültige Angabe „%1“</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>unbekannte Deck-Variante „%1“ (holdem oder shortdeck verwenden)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>Das Board muss mindestens einen Flop enthalten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>„%1“ sind nicht 3, 4 oder 5 Karten</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>%1 Karten passen nicht zur Start-Street %2, die %3 braucht</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>muss größer als 0 sein</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>muss zwischen 0 und 100 liegen</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>muss 0 (keine Grenze) oder mehr sein</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>muss eine Zahl sein</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>muss zwischen 0 und 1000 liegen</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>muss mindestens 1 Chip betragen</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>darf nicht negativ sein</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>Im ICM-Modus braucht jeder der beiden Spieler einen Stack</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>Im ICM-Modus werden Auszahlungen benötigt</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>Im ICM-Modus braucht jeder bezahlte Platz einen Stack (%1 bezahlte Plätze, %2 Spieler)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Zu viele bezahlte Plätze für das Chipmodell: %1 bezahlt, höchstens %3 bei %2 Spielern</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>Start-Pot und effektiver Stack dürfen nicht negativ sein</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>Start-Pot plus doppelter effektiver Stack ist zu groß</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Spielbaum zu tief: mehr als %1 Aktionen in einer Spiellinie (größere Bet- und Raise-Größen oder eine Raise-Grenze verwenden)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Spielbaum zu groß: mehr als %1 Knoten (weniger Bet- und Raise-Größen verwenden)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>Der Solve hat Werte ergeben, die keine endlichen Zahlen sind; Range-Gewichte, Pot und Stack prüfen</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>Nicht genug Arbeitsspeicher, um den Solve abzuschließen</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Iterationen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>„%1“ ist keine Karte dieses Decks</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>muss mindestens %1 sein</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>darf höchstens %1 sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>„%1“ kann %2 oder %3 bedeuten: ohne Trennzeichen schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>„%1“ kann %2 oder %3 bedeuten: %3 ohne Trennzeichen schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>„%1“ kann %2 oder %3 bedeuten: %2 oder %3 schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>„%1“ kann %2 oder %3 bedeuten: %2 schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>„%1“ kann %2 oder %3 bedeuten: %4 für %2 schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>„%1“ kann %2 oder %3 bedeuten: %3 ohne Trennzeichen schreiben, oder %4 für %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>„%1“ hat mehr als 2 Nachkommastellen</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>ist länger als fünf Karten</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>darf höchstens 100 % des Pots sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>„%1“ ist keine Straße</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 ist „%2“, weder true noch false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>ist doppelt angegeben</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>ist durch keine Prüfsumme gedeckt</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Eine Projektdatei wird bereits geschrieben oder gelesen</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1: nicht im Short Deck, ausgelassen</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>Die Gewichtung „%1“ hat ein Dezimalkomma: %2 schreiben</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>Der Range-Text ist zu lang: %1 Zeichen (höchstens %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>geschütztes Leerzeichen</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>Byte-Order-Mark</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>Leerzeichen ohne Breite</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>weicher Trennstrich</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>Steuerzeichen</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>unsichtbares Zeichen</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>Nicht genug Arbeitsspeicher, um das Projekt zu öffnen</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>Nicht genug Arbeitsspeicher, um den Solve zu starten</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>Nicht genug Arbeitsspeicher, um die Sprache zu wechseln</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>Nicht genug Arbeitsspeicher, um nach Updates zu suchen</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>Nicht genug Arbeitsspeicher, um das Update herunterzuladen</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>Nicht genug Arbeitsspeicher, um das Update zu installieren</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>Nicht genug Arbeitsspeicher, um die Download-Seite zu öffnen</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>Nicht genug Arbeitsspeicher, um die Update-Informationen zu löschen</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>Nicht genug Arbeitsspeicher, um die Update-Adresse zu ändern</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>Nicht genug Arbeitsspeicher, um den Dateidialog zu öffnen</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>Nicht genug Arbeitsspeicher, um den Dateidialog zu schließen</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>Nicht genug Arbeitsspeicher, um diesen Solve abzuschätzen</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>Nicht genug Arbeitsspeicher, um die Range zu lesen</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>Nicht genug Arbeitsspeicher, um die Datei zu speichern</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>Nicht genug Arbeitsspeicher, um die Datei zu öffnen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>„%1“ kann %2 oder %3 bedeuten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>„%1“ kann eine Zahl oder zwei sein: Leerzeichen nach jedem Komma, kein Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>„%1“ ist nicht größer als 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>„%1“ ist mehr als %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>Auf dem Datenträger ist nicht genug Platz für das Projekt</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Zugriff verweigert: In diesen Ordner darf nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Zugriff verweigert: Diese Datei darf nicht gelesen werden</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>Nicht genug Arbeitsspeicher, um das Projekt zu speichern</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Verteilungen nicht verfügbar (kein Lösungszustand im Speicher).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Ungültiger Knotenindex.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Wird berechnet…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Zugriff verweigert: In diese Datei darf nicht geschrieben werden</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>verweist auf einen Knoten außerhalb des Baums</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>hat %1 Einträge für einen Knoten mit %2 Aktionen</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>hat %1 Einträge, mehr als die %2 Hände eines Knotens</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>das Setup</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>die Lösung</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>eine gespeicherte Knotenantwort</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>eine Knotensperre</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>die Solve-Konfiguration</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>die Prüfsummenliste</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>Die Projektdatei ist beschädigt (unvollständig)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Die Projektdatei ist beschädigt</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>Die Projektdatei ist beschädigt: %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>Die Datei ließe sich nicht wieder öffnen: %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>Dies ist kein Pellaris-Projekt</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>Top Pair</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>Overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>Mittleres Paar</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>Unteres Paar</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>Trockenes Paar</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>Flush-Draw</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>Verpasster Flush-Draw</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>Beidseitiger Straßen-Draw</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>Verpasster beidseitiger Draw</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>Gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>Verpasster Gutshot</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>Backdoor-Flush-Draw</translation>
    </message>
    <message>
        <source>air</source>
        <translation>Luft</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>Das Projekt konnte nicht unter %1 gespeichert werden. Bitte prüfen, ob der Ordner existiert und beschreibbar ist.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Kein Controller</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>%1 konnte nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Pellaris-Projekt (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Statistik Spiel vs. Lösung löschen</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Alle Statistiken zu Spiel vs. Lösung löschen (heute + gesamt)?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (zukünftig)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Solves: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Ø Iterationen: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Ø Expl.: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Solve-Aktivität</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>Letzte 6 Monate</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Ein moderner, leistungsstarker Hold&apos;em-Solver</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Neuer Solve</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>Solve-Verlauf</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Solves gesamt</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Solves diese Woche</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Mittlere Laufzeit</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Pellaris Core</source>
        <translation>Pellaris Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 verfügbar</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 frei)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Spiel vs. Lösung</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Hände (heute / gesamt)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Genauigkeit (heute / gesamt)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Ø EV-Verlust (heute / gesamt)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Board, Ranges und Baum einrichten</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Schnell-Solve</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Mit Standardeinstellungen</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Range importieren</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Schnellaktionen</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Täglich: %2
Gesamt: %3
Ø Laufzeit: %4</translation>
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
        <translation>Solves im Zeitverlauf</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Noch keine Solves</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Projekt gespeichert unter %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Einige Werte nicht geladen</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>%1 wurde ohne diese Werte geöffnet, die ihre Felder nicht annehmen:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Projekt wird gespeichert…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Projekt wird geöffnet…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>Das Projekt konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 existiert bereits. Durch dieses Projekt ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Bitte ein Profil auswählen.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Standard-Ranges</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Populations-Ranges</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Eigene Ranges</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Kein Rake</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>50nl-Rake</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>100nl-Rake</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>200nl-Rake</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>500nl-Rake</translation>
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
        <translation>3Bet</translation>
    </message>
    <message>
        <source>4bet</source>
        <translation>4Bet</translation>
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
        <translation>vs 3Bet</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>vs 4Bet</translation>
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
        <translation>%1 vs %2 3Bet</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3Bet vs %2 4Bet</translation>
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
        <translation>Limp-Call</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Raise callen</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Check-back</translation>
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
        <translation>3b callen</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>4b callen</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>3b cold callen</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb Pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Schwächere Regs</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Tighterer Reg</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Looserer Reg</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
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
        <translation>Passiv</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passiv-tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passiv-neutral</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passiv-loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Extrem loose</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose-aggressiv</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>Standard-LAG</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniac</translation>
    </message>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Export fehlgeschlagen: appController.saveTextFile nicht verfügbar.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Populations-Ranges exportieren</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Standard-Ranges exportieren</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Import fehlgeschlagen: appController.readTextFile nicht verfügbar.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Import fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Import fehlgeschlagen: Die Datei enthielt keine erkennbaren Hände.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Import fehlgeschlagen: Alle Gewichte in der Datei sind null.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Kein Range-Inhalt zum Importieren.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Spielvariante</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Zu Hold&apos;em wechseln</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Zu Short Deck wechseln</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Nutzenmodell</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Zu Cash wechseln</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Zu ICM wechseln</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Karte wählen</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Flop-Karte</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Turn-Karte</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>River-Karte</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Karte entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Pot-Größe</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Start-Pot</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>z. B. 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Effektiver Stack</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>OOP-Stack</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>z. B. 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>IP-Stack</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Auszahlungen</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Auszahlungsbeträge für jeden bezahlten Platz in der Reihenfolge der Platzierung, durch Kommas getrennt, eingeben. Beispiel: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>z. B. 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Weitere Stacks</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Stackgrößen nur der übrigen Spieler (ohne OOP und IP), durch Kommas getrennt, eingeben. Beispiel: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>z. B. 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>z. B. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Rake-Cap</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>z. B. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Ziel-Ausnutzbarkeit (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>z. B. 0.10</translation>
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
        <translation>Projekteinrichtung</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Einrichtung erforderlich</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>Solve-RAM: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>Verfügbarer RAM: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Weiter zum Lösen →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Standard-Überschreibungen löschen</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Alle lokal überschriebenen Standard-Ranges für %1 löschen?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Populations-Überschreibungen löschen</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Alle lokal überschriebenen Populations-Ranges für %1 löschen?</translation>
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
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Einstellungsprofil speichern</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>z. B. 100bb ohne Rake (schnell)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Einstellungsprofil laden</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Gespeichertes Profil wählen:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Noch keine gespeicherten Profile.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>Die gespeicherten Einstellungsprofile sind beschädigt und können nicht gelesen werden. Der beschädigte Text wird beim Speichern eines Profils beiseitegelegt.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Einstellungsprofil löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Dieses gespeicherte Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>OOP Range</source>
        <translation>OOP-Range</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>IP-Range</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>z. B. AA, KK, AKs, QQ+ oder 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>IP-Range speichern</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>OOP-Range speichern</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Name der Range:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>z. B. BTN vs BB (Standard)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Neuer Ordner (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Neuer Ordner (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>z. B. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Range importieren</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Range-Text (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>z. B. BTN Open (eigene)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Range löschen</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Noch keine Ranges.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Standard exportieren…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Population exportieren…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Überschreibungen löschen…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Range speichern…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Range importieren…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Neuer Ordner…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Auswahl löschen…</translation>
    </message>
    <message>
        <source>OOP Sizing</source>
        <translation>OOP-Sizing</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>IP-Sizing</translation>
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
        <translation>Bet-Größen (%)</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Raise-Größen (%)</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>All-in ergänzen</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Nicht donken</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>OOP-Werte kopieren</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in ergänzen, wenn Jam unter</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>z. B. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% Pot</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>Dabei wird auch %n Range gelöscht. Dies kann nicht rückgängig gemacht werden.</numerusform>
            <numerusform>Dabei werden auch %n Ranges gelöscht. Dies kann nicht rückgängig gemacht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>Solve-RAM: wird gemessen…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>keine (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Wird gemessen…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Nicht bereit</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: „%2“</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Nur ganze Zahlen: „%1“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Zu viele Nachkommastellen: „%1“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Zahl von %1 bis %2 eingeben: „%3“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Leer: der Wert bleibt unverändert.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>Keine Zahl: „%1“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>Der Solver kann diese Range nicht lesen: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>Die mitgelieferten Vorlagen konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>Die mitgelieferten Standardvorlagen konnten nicht geladen werden (Ressourcendatei fehlt oder ist leer).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>Die mitgelieferten Vorlagen konnten nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Die aktuelle Range ist leer.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Unbekannter Spieler.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Bitte einen Ordnernamen eingeben.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Diesen Ordner wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Diese Range wirklich löschen?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Bitte ohne Vorzeichen: „%1“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Zahl bitte ohne Exponent ausschreiben: „%1“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>Höchstens ein Dezimaltrennzeichen: „%1“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>Das Profil „%1“ wurde ohne diese Werte geladen, die ihre Felder nicht annehmen:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Einige Werte nicht geladen</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Zu speichernde Range (%1 Combos):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert: ganze Chips ohne Trennzeichen schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert: %3 ohne Trennzeichen schreiben, oder %4 für %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert: %3 ohne Trennzeichen schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert: %2 oder %3 schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert: %2 schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert: %4 für %2 schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>„%1“ kann %2 oder %3 bedeuten und wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>Die gespeicherten eigenen Ranges sind beschädigt und können nicht gelesen werden. Der beschädigte Text wird beim Speichern einer Range beiseitegelegt.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>Die gespeicherten Überschreibungen dieser Bibliothek sind beschädigt und können nicht gelesen werden. Der beschädigte Text wird beim Speichern einer Überschreibung oder beim Löschen der Überschreibungen beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>z. B. AA, KK, AKs, QQ+ oder 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n Hand</numerusform>
            <numerusform>%n Hände</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Beste für OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Beste für IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Turn-Karte</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>River-Karte</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Spiel vs. Lösung</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rolle: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Rolle zum Starten wählen</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Als OOP spielen</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Beide spielen</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Als IP spielen</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Zum Ändern auf Turn/River klicken</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Nächste Hand</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Handklassen</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 angezeigt</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> Combos</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Verteilungen</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Equity nach Hand</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV nach Hand</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Wird berechnet…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
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
        <translation>Verteilungen werden berechnet…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Verteilungen nicht verfügbar.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Handdetails</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Suche (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Hand-Combos werden geladen…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Für diesen Knoten gibt es keine Hand-Combos.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Aufheben</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Keine Combos passen zu den aktuellen Filtern.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>Zu callen</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Diese Ergebnisse gelten für %1; das Setup wurde seither geändert: erneut lösen, um es zu sehen</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Rake-Abzug</translation>
    </message>
    <message>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <source>Pot odds</source>
        <translation>Pot Odds</translation>
    </message>
    <message>
        <source>Node-Locking</source>
        <translation>Node-Locking</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Node-Locking ist nur an Entscheidungsknoten verfügbar.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Locks löschen</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Re-Solve</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Tipp: Oben Frequenzen eingeben, dann eine Handzelle in der Matrix anklicken, um die gemischte Strategie anzuwenden.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Tipp: Oben eine Aktion wählen, dann eine Handzelle in der Matrix anklicken, um sie zu locken.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>EV Spiel vs. Lösung (kumuliert)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Hand %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Optimal: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Gespielt: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>Hand-EV: %1 (opt.) / %2 (gesp.)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>Hand-EV: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Strategieansicht</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>%1 am Zug</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Range-Ansicht</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Spiel vs. Lösung</translation>
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
        <translation>Ausnutzbarkeit</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Aktionsfrequenzen</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Strategie nach Hand</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standardmodus</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Node-Lock-Modus</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Spielbaum</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>%1 austeilen</translation>
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
        <translation>Verfügbare Aktionen</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 Optionen</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gewinner: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Gewonnen: %1   Rake: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV-Verlust: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>Handverlauf</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Training beenden</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Spot trainieren</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Preflop</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n Hand</numerusform>
            <numerusform>%n Hände</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Falsch — am besten: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Falsch — am besten: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Bei einem Fehler gestoppt</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>beide Plätze</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Zum Ändern auf River klicken</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Löse diesen Spot erneut, um zu spielen: seine Lösung ist nicht im Speicher.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>Nicht in diesem Projekt gespeichert: Spot erneut lösen, um diesen Knoten zu sehen</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>River-Karte wählen</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Turn-Karte wählen</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>Update installieren?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>Pellaris wird zum Installieren des Updates geschlossen. Fortfahren?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>Das Update wird heruntergeladen und der Ordner mit der Datei geöffnet; Pellaris bleibt geöffnet. Fortfahren?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Dunkler Modus</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Dunkles Farbschema in der gesamten Oberfläche verwenden</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Sprache der App ändern (wirkt sofort)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Hervorhebungsfarbe der App anpassen (Schaltflächen, Akzente, Kreuz/Check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Qt-Framework</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Laufzeit (dynamisch gelinkt)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Hinweise zu Drittanbietern und Lizenztexte liegen im Ordner „licenses“ neben der ausführbaren Datei.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Lizenzordner öffnen</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Hinweise öffnen</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Aktuelle Version: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Zuletzt geprüft: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Update verfügbar: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Keine Updates verfügbar.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Download: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Download läuft…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Update läuft…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Update installieren</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Kein Programm konnte es hier öffnen. Speicherort:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
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
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
        <translation>Überblick &amp; Schnellaktionen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, Ranges, Baum</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Solver starten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Strategien ansehen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Poker-Solver</translation>
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
        <translation>Bereit für den Solve</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Solver wird gestartet…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Wird abgeschlossen…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteration %1 | Ausnutzbarkeit=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: am Flop nicht donken</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: am Turn nicht donken</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: am River nicht donken</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: All-in am Flop ergänzen</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: All-in am Turn ergänzen</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: All-in am River ergänzen</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: All-in am Flop ergänzen</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: All-in am Turn ergänzen</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: All-in am River ergänzen</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: All-in ergänzen, wenn Jam &lt; %1% Pot</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: All-in ergänzen, wenn Jam &lt; %1% Pot</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterationen %1 • Ziel %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>CFR-Solver starten und den Fortschritt in Echtzeit verfolgen.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Genutzte CPU-Threads</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pot / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (Cap %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Bet-Größen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Aktive Optionen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Solve läuft...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Solve starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Ergebnisse ansehen →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Wird gemessen...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>Der Solver hat die Iterationen beendet; die Ergebnisse werden fertiggestellt.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Fenster %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iterationen: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Vergangen</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>It./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Ausnutzbarkeit</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Letzte Läufe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Noch keine Läufe — auf „Solve starten“ klicken, um hier einen Lauf aufzuzeichnen.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Max., %n Thread</numerusform>
            <numerusform>Max., %n Threads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n Thread</numerusform>
            <numerusform>%n Threads</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>bis Ziel</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>bis Limit</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP Bet %2 / Raise %3 · IP Bet %4 / Raise %5</translation>
    </message>
    <message>
        <source>Stacks</source>
        <translation>Stacks</translation>
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
        <translation>Start: Spielobjekt wird erstellt…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Start: Strukturen des Spielbaums werden erstellt…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Start: Solver wird gestartet…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Abschluss: Ergebnisse werden berechnet…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Abschluss: Ergebnisstand wird erstellt…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Iteration %1 | Ausnutzbarkeit≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Board, Ranges und Sizings ausfüllen, um „Lösen“ freizuschalten</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Einen Solve ausführen, um „Ergebnisse“ freizuschalten</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Unter „Start“ ein neues Projekt anlegen (oder eines laden), um „Einrichtung“ freizuschalten</translation>
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
        <translation>Austeilen</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Endknoten</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Freq.: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Zufällige Turn-Karte</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Zufällige River-Karte</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>Die Update-URL ist nicht konfiguriert.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Updateprüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Ungültige Update-Antwort (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Keine Download-URL verfügbar.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Die Download-Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Die Download-Datei konnte nicht abgeschlossen werden (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Kein heruntergeladenes Update ist zur Installation bereit.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Die heruntergeladene Installationsdatei fehlt.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Das Installationsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Kein Update verfügbar.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>Kein herunterladbares Update: Die Download-URL ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>die Datei überschreitet die Grenze von %1 MB</translation>
    </message>
</context>
</TS>
