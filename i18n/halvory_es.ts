<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combos</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% de equity</translation>
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
            <numerusform>%n combos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>No se pudo guardar la configuración: %1 no se puede escribir</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>No se pudo guardar la configuración: %1 no se puede leer</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>No se pudo leer la configuración: %1 no se puede leer</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>No se pudo guardar la configuración: no queda espacio para %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>No se pudo guardar la configuración: otra copia del programa está usando %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>No se pudo guardar la configuración: el archivo de bloqueo %1 no se puede crear ni leer</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>URL de archivo no válida.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Solo se admiten archivos locales.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Ruta de archivo vacía.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>El archivo es demasiado grande (%1 bytes).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL de archivo no válida o no local</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Ruta de archivo vacía</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>No se puede cargar un proyecto mientras hay una resolución en curso</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>El archivo del proyecto es demasiado grande</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON no válido</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Formato de proyecto no reconocido</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Versión de proyecto no compatible</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Datos de proyecto no válidos: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>No se pudo guardar el archivo: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>No está listo: primero introduce un board válido</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>No está listo: selecciona al menos una mano en ambos rangos</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>No está listo: completa el sizing de OOP y el de IP</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>No está listo: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>No hay RAM suficiente para resolver (incluso tras borrar los resultados anteriores)</translation>
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
        <translation>Esperando a que se detenga la resolución anterior...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>No hay configuración de una resolución anterior (resuelve una vez primero)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Error en la resolución: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Proyecto cargado (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n nodo de estrategia</numerusform>
            <numerusform>%n nodos de estrategia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n nodo de combos</numerusform>
            <numerusform>%n nodos de combos</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>no es un número entero de iteraciones</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>tiene %1 nodos, pero las listas de acciones del árbol tienen %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>no contiene ningún nodo</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>tiene %1 acciones, pero el primer nodo del árbol tiene %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>no es una lista</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>no es un board de hasta cinco cartas</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>contiene «%1», que no es una carta</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>contiene %1 dos veces</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Carácter de valor no válido «%1»</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Carácter de palo no válido «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>«%1» no es una carta: una carta tiene dos caracteres</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>El flop debe tener exactamente tres cartas</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>Las cartas del flop deben ser distintas</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Todas las cartas del flop deben estar definidas</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>El flop contiene una carta que no está en la baraja elegida</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>La carta del turn no está en la baraja elegida</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>La carta del turn ya está en el flop</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>La carta del river no está en la baraja elegida</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>La carta del river ya está en el board</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>No puede haber river sin turn</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>Falta el peso después de los dos puntos</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>El peso «%1» no es un número</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>El peso «%1» está fuera del intervalo admitido</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>El peso «%1» contiene caracteres no válidos</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>El peso debe estar entre 0 y 1</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Mano vacía</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Longitud de mano no válida</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Sufijo suited/offsuit no válido</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>El primer valor debe ser mayor o igual que el segundo</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>Una pareja no puede llevar sufijo suited/offsuit</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>No se permiten cartas repetidas</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Una pareja no puede ser suited/offsuit</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Se esperaba un «+» al final</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>Se esperaba un «-» en el intervalo</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>Los dos extremos del intervalo difieren en suited/offsuit</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Intervalo no admitido</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>Falta la mano antes de los dos puntos</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Porcentaje no válido «%1» (se espera como «50%»)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Sin las cartas del board no queda ninguna mano del rango</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Tamaño vacío</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>No se puede leer «%1» como número</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>No se puede leer «%1» como número entero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>«%1» es demasiado grande</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Un múltiplo de la apuesta (x) solo vale para raises</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Un múltiplo de raise debe ser mayor que 1.0x</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>El límite de raises solo vale para raises</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>El límite de raises debe terminar en «r»</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>El límite de raises debe ser positivo</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>El número de calles geométricas debe ser positivo</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>valor no válido «%». Usa números como «33, 75» o «33%, 75%»</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>valor no válido «%1»</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>variante de baraja desconocida «%1» (usa holdem o shortdeck)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>El board debe incluir al menos un flop</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>«%1» no son 3, 4 o 5 cartas</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>%1 cartas no encajan con la calle inicial %2, que necesita %3</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>debe ser mayor que 0</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>debe estar entre 0 y 100</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>debe ser 0 (sin límite) o más</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>debe ser un número</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>debe estar entre 0 y 1000</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>debe ser al menos 1 ficha</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>no puede ser negativo</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>El modo ICM requiere un stack para ambos jugadores</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>El modo ICM requiere premios</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>El modo ICM requiere stacks para todos los puestos pagados (%1 puestos pagados, %2 jugadores)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Demasiados puestos pagados para el modelo de fichas: %1 pagados, como máximo %3 con %2 jugadores</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>El bote inicial y el stack efectivo no pueden ser negativos</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>El bote inicial más el doble del stack efectivo es demasiado grande</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Árbol de juego demasiado profundo: más de %1 acciones en una línea de juego (usa bets y raises mayores o un límite de raises)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Árbol de juego demasiado grande: más de %1 nodos (usa menos tamaños de bet y raise)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>La resolución produjo valores que no son números finitos; revisa los pesos del rango, el bote y el stack</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>No hay memoria suficiente para terminar la resolución</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Iteraciones</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>«%1» no es una carta de esta baraja</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>debe ser %1 o más</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>debe ser como máximo %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>«%1» puede significar %2 o %3: escríbalo sin separador</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>«%1» puede significar %2 o %3: escriba %3 sin separador</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>«%1» puede significar %2 o %3: escriba %2 o %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>«%1» puede significar %2 o %3: escriba %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>«%1» puede significar %2 o %3: escriba %4 para %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>«%1» puede significar %2 o %3: escriba %3 sin separador, o %4 para %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>«%1» tiene más de 2 decimales</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>es más largo que cinco cartas</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>debe ser como máximo el 100 % del bote</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>«%1» no es una calle</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 es «%2», ni true ni false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>aparece dos veces</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>no está cubierto por las sumas de comprobación</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Ya se está escribiendo o leyendo un archivo de proyecto</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1: no está en el short deck, se omite</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>El peso «%1» tiene una coma decimal: escribe %2</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>El texto del rango es demasiado largo: %1 caracteres (como máximo %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulación</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>salto de línea</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espacio de no separación</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>marca de orden de bytes</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>espacio de ancho cero</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>guion discrecional</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>carácter de control</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>carácter invisible</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>No hay memoria suficiente para abrir el proyecto</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>No hay memoria suficiente para iniciar la resolución</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>No hay memoria suficiente para cambiar el idioma</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>No hay memoria suficiente para buscar actualizaciones</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>No hay memoria suficiente para descargar la actualización</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>No hay memoria suficiente para instalar la actualización</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>No hay memoria suficiente para abrir la página de descarga</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>No hay memoria suficiente para borrar la información de actualizaciones</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>No hay memoria suficiente para cambiar la dirección de actualizaciones</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>No hay memoria suficiente para abrir el diálogo de archivos</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>No hay memoria suficiente para cerrar el diálogo de archivos</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>No hay memoria suficiente para estimar esta resolución</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>No hay memoria suficiente para leer el rango</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>No hay memoria suficiente para guardar el archivo</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>No hay memoria suficiente para abrir el archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>«%1» puede significar %2 o %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>«%1» puede ser un número o dos: un espacio tras cada coma, sin separador de miles</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>«%1» no es mayor que 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>«%1» es más de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>No hay espacio suficiente en el disco para el proyecto</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Permiso denegado: no se puede escribir en esta carpeta</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Permiso denegado: no se puede leer este archivo</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>No hay memoria suficiente para guardar el proyecto</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Distribuciones no disponibles (no hay una resolución en memoria).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Índice de nodo no válido.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Permiso denegado: no se puede escribir en este archivo</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>se refiere a un nodo fuera del árbol</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>no es un número finito</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>tiene %1 entradas para un nodo con %2 acciones</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>tiene %1 entradas, más que las %2 manos de un nodo</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>el planteamiento</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>el resultado del cálculo</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>un resultado guardado de un nodo</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>un bloqueo de nodo</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>el ajuste del cálculo</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>el registro de sumas de comprobación</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>El archivo del proyecto está dañado (incompleto)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>El archivo del proyecto está dañado</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>El archivo del proyecto está dañado: %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>El archivo no se podría volver a abrir: %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>Esto no es un proyecto de Pellaris</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>escalera de color</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>póker</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>color</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>escalera</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trío</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doble pareja</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>pareja alta</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>sobrepareja</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>pareja media</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>pareja baja</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>pareja seca</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>proyecto de color</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>proyecto de color fallido</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>proyecto de escalera abierta</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>escalera abierta fallida</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>escalera interna</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>escalera interna fallida</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>proyecto de color backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aire</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>Ene</translation>
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
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
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
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
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
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>No se pudo guardar el proyecto en %1. Comprueba que la carpeta existe y que se puede escribir en ella.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Sin controlador</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>No se pudo abrir %1:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Proyecto de Pellaris (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Borrar estadísticas de Jugar vs. solución</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>¿Borrar todas las estadísticas de Jugar vs. solución (hoy + total)?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (futuro)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Resoluciones: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Iter. medias: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Expl. media: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Actividad de resolución</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>Últimos 6 meses</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
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
        <translation>Un solver de holdem moderno y de alto rendimiento</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nueva resolución</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Resoluciones totales</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Resoluciones esta semana</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Duración media</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Pellaris Core</source>
        <translation>Pellaris Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 disponibles</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 libres)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jugar vs. solución</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Manos (hoy / total)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisión (hoy / total)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Pérdida media de EV (hoy / total)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configura board, rangos y árbol</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Resolución rápida</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Ajustes por defecto</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar rango</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Cargar desde archivo</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Acciones rápidas</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Ese día: %2
Total: %3
Duración media: %4</translation>
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
        <translation>Resoluciones en el tiempo</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Aún no hay resoluciones</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Proyecto guardado en %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Algunos valores no se cargaron</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>%1 se abrió sin estos valores, que sus campos no admiten:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Guardando el proyecto…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Abriendo el proyecto…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>No se pudo guardar el proyecto en %1:
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>¿Reemplazar el archivo?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 ya existe. ¿Reemplazarlo con este proyecto?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Introduce un nombre.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Selecciona un perfil.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Rangos estándar</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Rangos de población</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Rangos propios</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Sin rake</translation>
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
        <translation>Regs más flojos</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg más tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg más loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
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
        <translation>Pasivo</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Pasivo tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Pasivo neutro</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Pasivo loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Loose extremo</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose agresivo</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG estándar</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maníaco</translation>
    </message>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Error al exportar: appController.saveTextFile no está disponible.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Error al exportar: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Exportar rangos de población</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Exportar rangos estándar</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Error al importar: appController.readTextFile no está disponible.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Error al importar: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Error al importar: el archivo no contiene manos reconocibles.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Error al importar: todos los pesos del archivo son cero.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>No hay contenido de rango para importar.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Cambiar a Holdem</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Cambiar a Short Deck</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Modelo de utilidad</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Cambiar a cash</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Cambiar a ICM</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Elegir carta</translation>
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
        <translation>Borrar carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Ajustes de juego</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Tamaño del bote</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Bote inicial</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>p. ej., 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack efectivo</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>Stack OOP</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>p. ej., 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>Stack IP</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Introduce el premio de cada puesto pagado, separados por comas y por orden de clasificación. Ejemplo: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>p. ej., 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Otros stacks</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Introduce, separados por comas, solo los stacks del resto de jugadores, sin incluir a OOP ni a IP. Ejemplo: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>p. ej., 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>p. ej., 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Tope de rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>p. ej., 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Explotabilidad objetivo (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>p. ej., 0.10</translation>
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
        <translation>Configuración del proyecto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Falta configurar</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM necesaria: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponible: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Continuar a Resolver →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Borrar sobrescrituras estándar</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>¿Borrar todos los rangos estándar sobrescritos localmente para %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Borrar sobrescrituras de población</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>¿Borrar todos los rangos de población sobrescritos localmente para %1?</translation>
    </message>
    <message>
        <source>Short Deck</source>
        <translation>Short Deck</translation>
    </message>
    <message>
        <source>Holdem</source>
        <translation>Holdem</translation>
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
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Guardar perfil de ajustes</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>p. ej., 100bb sin rake (rápido)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Cargar perfil de ajustes</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Elige un perfil guardado:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Aún no hay perfiles guardados.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>Los perfiles de ajustes guardados están dañados y no se pueden leer. El texto dañado se aparta al guardar un perfil.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Eliminar perfil de ajustes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>¿Seguro que quieres eliminar este perfil guardado?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>OOP Range</source>
        <translation>Rango OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Rango IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>p. ej., AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Guardar rango IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Guardar rango OOP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nombre del rango:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>p. ej., BTN vs BB (por defecto)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Nueva carpeta (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Nueva carpeta (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>p. ej., BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar rango</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Texto de rango (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>p. ej., BTN open (propio)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Eliminar rango</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Aún no hay rangos.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Exportar estándar…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Exportar población…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Borrar sobrescrituras…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Guardar rango actual…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importar rango…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Nueva carpeta…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Eliminar selección…</translation>
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
        <translation>Bets (%)</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Raises (%)</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Añadir all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Sin donk</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>Copiar ajustes de OOP</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Añadir all-in si el jam es menor que</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>p. ej. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% del bote</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>También se eliminará %n rango. Esta acción no se puede deshacer.</numerusform>
            <numerusform>También se eliminarán %n rangos. Esta acción no se puede deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>RAM necesaria: midiendo…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>ninguno (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Midiendo…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>No listo</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Solo números enteros: «%1» no se guardó.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Demasiados decimales: «%1» no se guardó.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Introduce un número de %1 a %2: «%3» no se guardó.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Vacío: se mantuvo el valor.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>No es un número: «%1» no se guardó.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>El solver no puede leer este rango: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Eliminar carpeta</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>No se pudieron cargar los preajustes incluidos.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>No se pudieron cargar los preajustes estándar incluidos (archivo de recursos ausente o vacío).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>No se pudieron cargar los preajustes incluidos: %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>El rango actual está vacío.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Jugador desconocido.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Introduce un nombre de carpeta.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>¿Seguro que quieres eliminar esta carpeta?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>¿Seguro que quieres eliminar este rango?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Sin signo, por favor: «%1» no se guardó.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Escriba el número sin exponente: «%1» no se guardó.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>Como máximo un separador decimal: «%1» no se guardó.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>El perfil «%1» se cargó sin estos valores, que sus campos no admiten:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Algunos valores no se cargaron</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Rango que se guardará (%1 combos):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó: escriba fichas enteras sin separador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó: escriba %3 sin separador, o %4 para %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó: escriba %3 sin separador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó: escriba %2 o %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó: escriba %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó: escriba %4 para %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>«%1» puede significar %2 o %3, así que no se guardó.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>Los rangos propios guardados están dañados y no se pueden leer. El texto dañado se aparta al guardar un rango.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>Las sobrescrituras guardadas de esta biblioteca están dañadas y no se pueden leer. El texto dañado se aparta al guardar una sobrescritura o al borrar las sobrescrituras.</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>p. ej., AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n manos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Mejor para OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Mejor para IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Jugar vs. solución</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rol: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Elige un rol para empezar</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Jugar como OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Jugar con ambos</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Jugar como IP</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Haz clic en Turn/River para cambiarla</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Otra mano</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 visibles</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> combos</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Distribuciones</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Equity por mano</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV por mano</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
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
        <translation>Calculando distribuciones…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Distribuciones no disponibles.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Detalle de manos</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Buscar (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Cargando combos…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>No hay combos que mostrar en este nodo.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Ningún combo coincide con los filtros actuales.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>A pagar</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Estos resultados son de %1; la configuración ha cambiado desde entonces: vuelve a resolver para verla</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Rake cobrado</translation>
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
        <translation>Bloqueo de nodos</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>El bloqueo de nodos solo está disponible en nodos de decisión.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixta</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>frec.</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Quitar bloqueos</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Consejo: introduce las frecuencias arriba y luego haz clic en una celda de la matriz para aplicar la estrategia mixta.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Consejo: selecciona una acción arriba y luego haz clic en una celda de la matriz para bloquearla.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>Jugar vs. solución: EV acumulado</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Óptimo</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mano %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Óptimo: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Real: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>EV de la mano: %1 (ópt.) / %2 (real)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>EV de la mano: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Vista de estrategia</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Actúa %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Vista de rango</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Jugar vs. solución</translation>
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
        <translation>Explotabilidad</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Frecuencias de acción</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Estrategia por mano</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Modo estándar</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Modo bloqueo</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Árbol de juego</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Carta del %1</translation>
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
        <translation>Acciones disponibles</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 opciones</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Ganador: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Ganado: %1   Rake: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perdido: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Incorrecto: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>Historial de manos</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Detener práctica</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Practicar spot</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Preflop</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n manos</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfecto</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Incorrecto — mejor: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Incorrecto — mejor: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Detenida por un error</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>ambos puestos</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Haz clic en River para cambiarla</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Resuelve este spot de nuevo para jugar: su solución no está en memoria.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>No se guardó en este proyecto: resuelve el spot de nuevo para ver este nodo</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Elegir carta del river</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Elegir carta del turn</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>¿Instalar la actualización?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>Pellaris se cerrará para instalar la actualización. ¿Continuar?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>Se descargará la actualización y se abrirá la carpeta que la contiene; Pellaris seguirá abierto. ¿Continuar?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restablecer valores</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Modo oscuro</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usa un esquema de colores oscuro en toda la interfaz</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Cambia el idioma de la aplicación (se aplica al instante)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Color de acento</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personaliza el color de resalte de la aplicación (botones, acentos, tréboles/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Framework Qt</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Runtime (enlace dinámico)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Los avisos de terceros y los textos de las licencias se incluyen en la carpeta &apos;licenses&apos;, junto al ejecutable.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Abrir carpeta de licencias</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Abrir avisos</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Versión actual: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Última comprobación: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Actualización disponible: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>No hay actualizaciones disponibles.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descargada</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Descargando: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Instalar actualización</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Ningún programa pudo abrirlo aquí. Ubicación:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>ShellNavigation</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
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
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Resumen y acciones rápidas</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, rangos, árbol</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Ejecutar el solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Explorar estrategias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Solver de póker</translation>
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
        <translation>Listo para resolver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Iniciando el solver…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteración %1 | explotabilidad=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: sin donk en el flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: sin donk en el turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: sin donk en el river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: añadir all-in en el flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: añadir all-in en el turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: añadir all-in en el river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: añadir all-in en el flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: añadir all-in en el turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: añadir all-in en el river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: añadir all-in si el jam es &lt; %1% del bote</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: añadir all-in si el jam es &lt; %1% del bote</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iteraciones %1 • Objetivo %2% (≈ %3) • Hilos %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Ejecuta el solver CFR y sigue su progreso en tiempo real.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Hilos de CPU usados</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Bote / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (tope %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Sizings de bet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Opciones activadas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolviendo...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Ver resultados →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Midiendo...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>El solver ha terminado de iterar; se están finalizando los resultados.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Ventana %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iteraciones: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Transcurrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>iter./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Explotabilidad</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Ejecuciones recientes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Aún no hay ejecuciones — haz clic en Resolver para registrar una aquí.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Máx., %n hilo</numerusform>
            <numerusform>Máx., %n hilos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n hilo</numerusform>
            <numerusform>%n hilos</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>hasta objetivo</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>hasta límite</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP apuesta %2 / subida %3 · IP apuesta %4 / subida %5</translation>
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
        <translation>Inicio: creando el objeto de juego…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Inicio: creando las estructuras del árbol de juego…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Inicio: iniciando el solver…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizando: calculando los resultados…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizando: creando la instantánea de resultados…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Iteración %1 | explotabilidad≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Resolviendo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Completa el board, los rangos y los sizings para habilitar Resolver</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Ejecuta una resolución para habilitar Resultados</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Empieza un proyecto nuevo (o carga uno) desde Inicio para habilitar Configuración</translation>
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
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Bote: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Frec.: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Carta de turn aleatoria</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Carta de river aleatoria</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>La URL de actualización no está configurada.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Respuesta de actualización no válida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>No hay ninguna URL de descarga disponible.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>No se pudo crear el archivo de descarga.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Error en la descarga: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>No se pudo finalizar el archivo de descarga (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>No hay ninguna actualización descargada lista para instalar.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Falta el archivo del instalador descargado.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>No se pudo iniciar el instalador.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>No hay ninguna actualización disponible.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>No hay actualización descargable: la URL de descarga no es una dirección http ni https.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>el archivo supera el límite de %1 MB</translation>
    </message>
</context>
</TS>
