<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combo</translation>
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
            <numerusform>%n combo</numerusform>
            <numerusform>%n combo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>Impossibile salvare le impostazioni: %1 non è scrivibile</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>Impossibile salvare le impostazioni: %1 non è leggibile</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>Impossibile leggere le impostazioni: %1 non è leggibile</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>Impossibile salvare le impostazioni: spazio esaurito per %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>Impossibile salvare le impostazioni: %1 è in uso da un&apos;altra copia del programma</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>Impossibile salvare le impostazioni: il file di blocco %1 non può essere creato né letto</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>URL del file non valido.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Sono supportati solo file locali.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Percorso del file vuoto.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>Il file è troppo grande (%1 byte).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Il file non è testo UTF-8.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL del file non valido o non locale</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Percorso file vuoto</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>Impossibile caricare un progetto durante un calcolo</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>File di progetto troppo grande</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON non valido</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Formato di progetto non riconosciuto</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Versione di progetto non supportata</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Dati di progetto non validi: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Impossibile salvare il file: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Non pronto: inserisci prima un board valido</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Non pronto: seleziona almeno una mano in entrambi i range</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Non pronto: compila il sizing sia di OOP sia di IP</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>Non pronto: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>RAM insufficiente per il calcolo (anche dopo aver liberato i risultati precedenti)</translation>
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
        <translation>In attesa che il calcolo precedente si fermi...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Nessuna configurazione di calcolo precedente (esegui prima un calcolo)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Calcolo non riuscito: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iter. %2 | sfrutt.≈%3 | EV(oop)=%4 EV(ip)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Progetto caricato (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n nodo di strategia</numerusform>
            <numerusform>%n nodi di strategia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n nodo combo</numerusform>
            <numerusform>%n nodi combo</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>non è un oggetto</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>non è un numero intero di iterazioni</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>ha %1 nodi, ma le liste di azioni dell’albero ne hanno %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>non contiene alcun nodo</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>ha %1 azioni, ma il primo nodo dell’albero ne ha %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>non è un elenco</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>non è un board di al massimo cinque carte</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>contiene «%1», che non è una carta</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>contiene %1 due volte</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Carattere di valore non valido «%1»</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Carattere di seme non valido «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>«%1» non è una carta: una carta è di due caratteri</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>Il flop deve avere esattamente tre carte</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>Le carte del flop devono essere diverse</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Tutte le carte del flop devono essere definite</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>Il flop contiene una carta che non è nel mazzo scelto</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>La carta del turn non è nel mazzo scelto</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>La carta del turn è già nel flop</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>La carta del river non è nel mazzo scelto</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>La carta del river è già sul board</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>Non può esserci river senza turn</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>Manca il peso dopo i due punti</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>Il peso «%1» non è un numero</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>Il peso «%1» è fuori dai limiti</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>Il peso «%1» contiene caratteri non validi</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>Il peso deve essere tra 0 e 1</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Mano vuota</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Lunghezza della mano non valida</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Suffisso suited/offsuit non valido</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>Il primo valore deve essere maggiore o uguale al secondo</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>Una coppia non può avere il suffisso suited/offsuit</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>Non sono ammesse carte doppie</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Una coppia non può essere suited/offsuit</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Si attendeva un «+» finale</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>Si attendeva un «-» nell’intervallo</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>I due estremi dell’intervallo differiscono per suited/offsuit</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Intervallo non supportato</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>Manca la mano prima dei due punti</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Percentuale non valida «%1» (atteso come «50%»)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Tolte le carte del board, non resta alcuna mano del range</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Dimensione vuota</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>Impossibile leggere «%1» come numero</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>Impossibile leggere «%1» come numero intero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>«%1» è troppo grande</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Un multiplo della puntata (x) vale solo per i raise</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Un multiplo di raise deve superare 1.0x</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>Il limite di raise vale solo per i raise</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>Il limite di raise deve finire con «r»</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>Il limite di raise deve essere positivo</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>Il numero di street geometriche deve essere positivo</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>valore non valido «%». Usa numeri come «33, 75» o «33%, 75%»</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>valore non valido «%1»</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>variante di mazzo sconosciuta «%1» (usa holdem o shortdeck)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>Il board deve contenere almeno un flop</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>«%1» non sono 3, 4 o 5 carte</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>%1 carte non vanno bene per la street iniziale %2, che ne richiede %3</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>deve essere maggiore di 0</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>deve essere tra 0 e 100</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>deve essere 0 (nessun tetto) o più</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>deve essere un numero</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>deve essere tra 0 e 1000</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>deve essere almeno 1 chip</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>non può essere negativo</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>La modalità ICM richiede uno stack per entrambi i giocatori</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>La modalità ICM richiede i premi</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>La modalità ICM richiede gli stack per tutti i posti a premio (%1 posti pagati, %2 giocatori)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Troppi posti pagati per il modello delle fiches: %1 pagati, al massimo %3 con %2 giocatori</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>Il piatto iniziale e lo stack effettivo non possono essere negativi</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>Il piatto iniziale più il doppio dello stack effettivo è troppo grande</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Albero di gioco troppo profondo: più di %1 azioni in una linea di gioco (usa bet e raise più grandi o un limite di raise)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Albero di gioco troppo grande: più di %1 nodi (usa meno sizing di bet e raise)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>Il calcolo ha prodotto valori non finiti; controlla i pesi del range, il piatto e lo stack</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>Memoria insufficiente per completare il calcolo</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Iterazioni</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>«%1» non è una carta di questo mazzo</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>deve essere almeno %1</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>deve essere al massimo %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>«%1» può significare %2 o %3: scrivilo senza separatore</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>«%1» può significare %2 o %3: scrivi %3 senza separatore</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>«%1» può significare %2 o %3: scrivi %2 o %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>«%1» può significare %2 o %3: scrivi %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>«%1» può significare %2 o %3: scrivi %4 per %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>«%1» può significare %2 o %3: scrivi %3 senza separatore, o %4 per %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>«%1» ha più di 2 decimali</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>è più lungo di cinque carte</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>deve essere al massimo il 100 % del piatto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>«%1» non è una street</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 è «%2», né true né false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>compare due volte</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>non è coperto dai checksum</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Un file di progetto è già in scrittura o in lettura</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1: non è nello short deck, escluso</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>Il peso «%1» ha una virgola decimale: scrivi %2</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>Il testo del range è troppo lungo: %1 caratteri (al massimo %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulazione</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>a capo</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>spazio unificatore</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>indicatore dell’ordine dei byte</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>spazio a larghezza zero</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>trattino facoltativo</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>carattere di controllo</translation>
    </message>
    <message>
        <source>space</source>
        <translation>spazio</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>carattere invisibile</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>Memoria insufficiente per aprire il progetto</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>Memoria insufficiente per avviare il calcolo</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>Memoria insufficiente per cambiare la lingua</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>Memoria insufficiente per cercare aggiornamenti</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>Memoria insufficiente per scaricare l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>Memoria insufficiente per installare l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>Memoria insufficiente per aprire la pagina di download</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>Memoria insufficiente per cancellare le informazioni sugli aggiornamenti</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>Memoria insufficiente per cambiare l&apos;indirizzo degli aggiornamenti</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>Memoria insufficiente per aprire la finestra dei file</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>Memoria insufficiente per chiudere la finestra dei file</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>Memoria insufficiente per stimare questo calcolo</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>Memoria insufficiente per leggere il range</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>Memoria insufficiente per salvare il file</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>Memoria insufficiente per aprire il file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>«%1» può significare %2 o %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>«%1» può essere un numero o due: uno spazio dopo ogni virgola, senza separatore delle migliaia</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>«%1» non è maggiore di 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>«%1» è più di %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>Spazio su disco insufficiente per il progetto</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Permesso negato: questa cartella non è scrivibile</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Permesso negato: questo file non è leggibile</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>Memoria insufficiente per salvare il progetto</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Distribuzioni non disponibili (nessuna risoluzione in memoria).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Indice di nodo non valido.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Elaborazione…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Permesso negato: questo file non è scrivibile</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>rimanda a un nodo fuori dall’albero</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>non è un numero finito</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>ha %1 voci per un nodo con %2 azioni</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>ha %1 voci, più delle %2 mani di un nodo</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>il setup</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>il risultato del calcolo</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>un risultato salvato di un nodo</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>un blocco di nodo</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>il profilo di calcolo</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>il registro dei checksum</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>Il file di progetto è danneggiato (troncato)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Il file di progetto è danneggiato</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>Il file di progetto è danneggiato: %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>Il file non si potrebbe riaprire: %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>Questo non è un progetto Pellaris</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>scala colore</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>poker</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>colore</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>scala</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>tris</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doppia coppia</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>top pair</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>coppia media</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>coppia bassa</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>coppia secca</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>progetto di colore</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>progetto di colore mancato</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>progetto di scala bilaterale</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>scala bilaterale mancata</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>scala interna</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>scala interna mancata</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>progetto di colore backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aria</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>Gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dic</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>Impossibile salvare il progetto in %1. Verifica che la cartella esista e che sia scrivibile.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Nessun controller</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Apertura non riuscita</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>Impossibile aprire %1:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Progetto Pellaris (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Azzera statistiche Gioco vs. soluzione</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Azzerare tutte le statistiche di Gioco vs. soluzione (oggi + totale)?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (futura)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Calcoli: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Iterazioni medie: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Sfruttabilità media: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Attività di calcolo</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>Ultimi 6 mesi</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Un solver di Hold&apos;em moderno e ad alte prestazioni</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nuovo calcolo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>Cronologia calcoli</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Calcoli totali</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Tempo medio di calcolo</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Pellaris Core</source>
        <translation>Pellaris Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 disponibili</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (libera: %2)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gioco vs. soluzione</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Mani (oggi / totale)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisione (oggi / totale)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perdita EV media (oggi / totale)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configura board, range e albero</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Calcolo rapido</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Impostazioni predefinite</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importa range</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Carica da file</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Azioni rapide</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Nel giorno: %2
Totale: %3
Tempo medio: %4</translation>
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
        <translation>Calcoli nel tempo</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliero</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Nessun calcolo</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Progetto salvato in %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Alcuni valori non caricati</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>%1 è stato aperto senza questi valori, che i loro campi non accettano:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Salvataggio del progetto…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Apertura del progetto…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>Impossibile salvare il progetto in %1:
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>Sostituire il file?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 esiste già. Sostituirlo con questo progetto?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
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
        <translation>Annulla</translation>
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
        <translation>Inserisci un nome.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Seleziona un profilo.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Range standard</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Range di popolazione</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Range personalizzati</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Senza rake</translation>
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
        <translation>Reg più deboli</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg più tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg più loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altri</translation>
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
        <translation>Passivo</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passivo tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passivo neutro</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passivo loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Loose estremo</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose aggressivo</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG standard</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniac</translation>
    </message>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Esportazione non riuscita: appController.saveTextFile non disponibile.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Esporta range di popolazione</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Esporta range standard</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Importazione non riuscita: appController.readTextFile non disponibile.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Importazione non riuscita: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Importazione non riuscita: il file non contiene mani riconoscibili.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Importazione non riuscita: tutti i pesi nel file sono zero.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Nessun range da importare.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Variante di gioco</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Passa a Hold&apos;em</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Passa a Short Deck</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Modello di utilità</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Passa a Cash</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Passa a ICM</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Seleziona carta</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Carta del flop</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carta del turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carta del river</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Rimuovi carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Impostazioni di gioco</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Piatto iniziale</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>es. 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack effettivo</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>Stack OOP</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>es. 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>Stack IP</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Premi</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Inserisci l&apos;importo del premio per ogni posizione pagata, separati da virgole, in ordine di arrivo. Esempio: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>es. 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Altri stack</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Inserisci, separati da virgole, gli stack dei soli giocatori restanti, esclusi OOP e IP. Esempio: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>es. 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>es. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Cap del rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>es. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Sfruttabilità obiettivo (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>es. 0.10</translation>
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
        <translation>Setup del progetto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Setup richiesto</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM calcolo: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponibile: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Vai al calcolo →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Rimuovi sovrascritture standard</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Rimuovere tutti i range standard sovrascritti localmente per %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Rimuovi sovrascritture di popolazione</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Rimuovere tutti i range di popolazione sovrascritti localmente per %1?</translation>
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
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Salva profilo impostazioni</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome del profilo:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>es. 100bb senza rake (veloce)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Carica profilo impostazioni</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Scegli un profilo salvato:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Ancora nessun profilo salvato.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>I profili impostazioni salvati sono danneggiati e non possono essere letti. Il testo danneggiato viene messo da parte al salvataggio di un profilo.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Elimina profilo impostazioni</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Vuoi davvero eliminare questo profilo salvato?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>OOP Range</source>
        <translation>Range OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Range IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>es. AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Salva range IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Salva range OOP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nome del range:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>es. BTN vs BB (predefinito)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Nuova cartella (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Nuova cartella (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nome cartella:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>es. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importa range</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Testo range (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>es. BTN open (personalizzato)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Elimina range</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Ancora nessun range.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Esporta standard…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Esporta popolazione…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Rimuovi sovrascritture…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Salva range attuale…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importa range…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Nuova cartella…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Elimina selezionati…</translation>
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
        <translation>Sizing bet (%)</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Sizing raise (%)</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Aggiungi all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>No donk</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>Copia impostazioni OOP</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Aggiungi all-in se il jam è sotto il</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>es. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% del piatto</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>Verrà eliminato anche %n range. L&apos;operazione non può essere annullata.</numerusform>
            <numerusform>Verranno eliminati anche %n range. L&apos;operazione non può essere annullata.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>RAM calcolo: misurazione…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>nessuno (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Misurazione…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Non pronto</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Solo numeri interi: «%1» non è stato salvato.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Troppi decimali: «%1» non è stato salvato.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Inserisci un numero da %1 a %2: «%3» non è stato salvato.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Vuoto: il valore è stato mantenuto.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>Non è un numero: «%1» non è stato salvato.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>Il solver non riesce a leggere questo range: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Elimina cartella</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>Impossibile caricare i preset inclusi.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>Impossibile caricare i preset standard inclusi (file di risorse mancante o vuoto).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>Impossibile caricare i preset inclusi: %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Il range attuale è vuoto.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Giocatore sconosciuto.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Inserisci un nome per la cartella.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Vuoi davvero eliminare questa cartella?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Vuoi davvero eliminare questo range?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Senza segno, per favore: «%1» non è stato salvato.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Scrivi il numero per esteso, senza esponente: «%1» non è stato salvato.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>Al massimo un separatore decimale: «%1» non è stato salvato.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>Il profilo «%1» è stato caricato senza questi valori, che i loro campi non accettano:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Alcuni valori non caricati</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Range da salvare (%1 combo):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato: scrivi fiche intere senza separatore.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato: scrivi %3 senza separatore, o %4 per %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato: scrivi %3 senza separatore.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato: scrivi %2 o %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato: scrivi %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato: scrivi %4 per %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>«%1» può significare %2 o %3, quindi non è stato salvato.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>I range personalizzati salvati sono danneggiati e non possono essere letti. Il testo danneggiato viene messo da parte al salvataggio di un range.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>Le sovrascritture salvate di questa libreria sono danneggiate e non possono essere lette. Il testo danneggiato viene messo da parte al salvataggio di una sovrascrittura o alla rimozione delle sovrascritture.</translation>
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
        <translation>Azzera</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>es. AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n mani</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Migliore per OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Migliore per IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carta del turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carta del river</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gioco vs. soluzione</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Ruolo: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Scegli un ruolo per iniziare</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Gioca come OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Gioca con entrambi</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Gioca come IP</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Fai clic su Turn/River per cambiare carta</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Un&apos;altra mano</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 mostrate</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> combo</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Distribuzioni</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Equity per mano</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV per mano</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Elaborazione…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nessun dato</translation>
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
        <translation>Calcolo delle distribuzioni…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Distribuzioni non disponibili.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Dettagli mano</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Cerca (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Caricamento combo…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Nessuna combo da mostrare per questo nodo.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Nessuna combo corrisponde ai filtri attuali.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>Da chiamare</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Questi risultati sono per %1; il setup è cambiato da allora: risolvi di nuovo per vederlo</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Rake trattenuto</translation>
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
        <translation>Node-locking</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Il node-locking è disponibile solo sui nodi decisionali.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mista</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>freq</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Rimuovi lock</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Ricalcola</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Suggerimento: inserisci le frequenze qui sopra, poi fai clic su una mano nella matrice per applicare la strategia mista.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Suggerimento: seleziona un&apos;azione qui sopra, poi fai clic su una mano nella matrice per bloccarla.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>EV Gioco vs. soluzione (cumulativo)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Ottimale</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Effettivo</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mano %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Ottimale: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Effettivo: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>EV mano: %1 (ott.) / %2 (eff.)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>EV mano: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Vista strategia</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Vista range</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Gioca vs soluzione</translation>
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
        <translation>Sfruttabilità</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Frequenze delle azioni</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Strategia per mano</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Modalità standard</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Modalità node-lock</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Albero di gioco</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Carta %1</translation>
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
        <translation>Azioni disponibili</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 opzioni</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Vincitore: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Vinto: %1   Rake: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perso: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Errato: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Corretto: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>Storico mani</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Ferma esercizio</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Esercitati sullo spot</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Preflop</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n mani</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfetto</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corretto</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Sbagliato — migliore: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Sbagliato — migliore: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Fermata su un errore</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>entrambi i posti</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Fai clic su River per cambiare carta</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Risolvi di nuovo questo spot per giocare: la sua soluzione non è in memoria.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>Non conservato in questo progetto: risolvi di nuovo lo spot per vedere questo nodo</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Scegli la carta del river</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Scegli la carta del turn</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Non disponibile</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>Installare l&apos;aggiornamento?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>Pellaris verrà chiuso per installare l&apos;aggiornamento. Continuare?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>L&apos;aggiornamento verrà scaricato e si aprirà la cartella che lo contiene; Pellaris resterà aperto. Continuare?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Modalità scura</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usa la combinazione di colori scura in tutta l&apos;interfaccia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Cambia la lingua dell&apos;app (effetto immediato)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Colore d&apos;accento</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personalizza il colore di evidenziazione dell&apos;app (pulsanti, accenti, fiori/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Framework Qt</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Runtime (collegamento dinamico)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Le note di terze parti e i testi delle licenze si trovano nella cartella &apos;licenses&apos; accanto all&apos;eseguibile.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Apri cartella licenze</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Apri note</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Versione attuale: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuta</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Ultimo controllo: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Aggiornamento disponibile: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Nessun aggiornamento disponibile.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Scaricato</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Download: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Download…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Controllo...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Aggiornamento…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Nessun programma ha potuto aprirlo qui. Posizione:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>ShellNavigation</name>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
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
        <translation>Home</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Panoramica e azioni rapide</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, range, albero</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Avvia il solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Esplora le strategie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Poker Solver</translation>
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
        <translation>Pronto al calcolo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Avvio del solver…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizzazione…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iterazione %1 | sfruttabilità=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: no donk al flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: no donk al turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: no donk al river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: aggiungi all-in al flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: aggiungi all-in al turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: aggiungi all-in al river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: aggiungi all-in al flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: aggiungi all-in al turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: aggiungi all-in al river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: aggiungi all-in se jam &lt; %1% del piatto</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: aggiungi all-in se jam &lt; %1% del piatto</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterazioni %1 • Obiettivo %2% (≈ %3) • Thread %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Esegui il solver CFR e segui l&apos;avanzamento in tempo reale.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Risorse</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Thread CPU utilizzati</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Piatto / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (cap %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Sizing bet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Opzioni attive</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controlli</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Calcolo...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Avvia calcolo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Vedi risultati →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Misurazione...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>Il solver ha terminato le iterazioni; i risultati sono in fase di finalizzazione.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Finestra %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iterazioni: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Metriche</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Trascorso</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Rimanente</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>iter./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Sfruttabilità</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Ultimi calcoli</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Ancora nessun calcolo — fai clic su Avvia calcolo per registrarne uno qui.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Max, %n thread</numerusform>
            <numerusform>Max, %n thread</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n thread</numerusform>
            <numerusform>%n thread</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>al target</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>al limite</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP puntata %2 / rilancio %3 · IP puntata %4 / rilancio %5</translation>
    </message>
    <message>
        <source>Stacks</source>
        <translation>Stack</translation>
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
        <translation>Avvio: creazione dell’oggetto di gioco…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Avvio: creazione delle strutture dell’albero di gioco…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Avvio: avvio del solver…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizzazione: calcolo dei risultati…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizzazione: creazione dell’istantanea dei risultati…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Iterazione %1 | sfruttabilità≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inizializzazione</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Compila board, range e sizing per abilitare Calcolo</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Esegui un calcolo per abilitare Risultati</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Avvia un nuovo progetto (o caricane uno) da Home per abilitare Setup</translation>
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
        <translation>Carta</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Piatto: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Freq: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Carta del turn casuale</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Carta del river casuale</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>L&apos;URL di aggiornamento non è configurato.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Controllo degli aggiornamenti non riuscito: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Risposta di aggiornamento non valida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Nessun URL di download disponibile.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Impossibile creare il file di download.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download non riuscito: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Impossibile finalizzare il file di download (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Nessun aggiornamento scaricato è pronto per l&apos;installazione.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Il file di installazione scaricato è mancante.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Impossibile avviare il programma di installazione.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Nessun aggiornamento disponibile.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>Nessun aggiornamento scaricabile: l&apos;URL di download non è un indirizzo http o https.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>il file supera il limite di %1 MB</translation>
    </message>
</context>
</TS>
