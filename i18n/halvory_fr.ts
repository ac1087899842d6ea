<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>équité %1%</translation>
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
            <numerusform>%n combo</numerusform>
            <numerusform>%n combos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>Impossible d'enregistrer les paramètres : %1 n'est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>Impossible d'enregistrer les paramètres : %1 est illisible</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>Impossible de lire les paramètres : %1 est illisible</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>Impossible d&apos;enregistrer les paramètres : plus d&apos;espace disponible pour %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>Impossible d&apos;enregistrer les paramètres : %1 est utilisé par une autre copie du programme</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>Impossible d&apos;enregistrer les paramètres : le fichier de verrou %1 ne peut être ni créé ni lu</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>URL de fichier non valide.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Seuls les fichiers locaux sont pris en charge.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Chemin de fichier vide.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>Le fichier n'existe pas.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Ce n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>Le fichier est trop volumineux (%1 octets).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n'est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL de fichier invalide ou non locale</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Chemin de fichier vide</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>Impossible de charger un projet pendant un calcul</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>Fichier de projet trop volumineux</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON invalide</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Format de projet non reconnu</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Version de projet non prise en charge</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Données de projet invalides&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Impossible d’enregistrer le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Pas prêt&#xa0;: saisissez d’abord un board valide</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Pas prêt&#xa0;: sélectionnez au moins une main dans chacune des deux ranges</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Pas prêt&#xa0;: renseignez les sizings OOP et IP</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>Pas prêt&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>RAM insuffisante pour le calcul (même après suppression des résultats précédents)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;Go</translation>
    </message>
    <message>
        <source>Waiting for the previous solve to stop...</source>
        <translation>Attente de l’arrêt du calcul précédent...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Aucune configuration de calcul précédente (lancez d’abord un calcul)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Échec du calcul&#xa0;: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | itér. %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Projet chargé (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n nœud de stratégie</numerusform>
            <numerusform>%n nœuds de stratégie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n nœud de combos</numerusform>
            <numerusform>%n nœuds de combos</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>n’est pas un objet</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>n’est pas un nombre entier d’itérations</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>compte %1 nœuds, mais les listes d’actions de l’arbre en comptent %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>ne contient aucun nœud</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>compte %1 actions, mais le premier nœud de l’arbre en compte %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>n’est pas une liste</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>n’est pas un board d’au plus cinq cartes</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>contient «&#xa0;%1&#xa0;», qui n’est pas une carte</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>contient %1 deux fois</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Caractère de valeur non valide «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Caractère de couleur non valide «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une carte : une carte s’écrit en deux caractères</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>Le flop doit compter exactement trois cartes</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>Les cartes du flop doivent être différentes</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Toutes les cartes du flop doivent être définies</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>Le flop contient une carte absente du jeu choisi</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>La carte du turn est absente du jeu choisi</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>La carte du turn est déjà sur le flop</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>La carte de la river est absente du jeu choisi</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>La carte de la river est déjà sur le board</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>Pas de river sans turn</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>Le poids manque après les deux-points</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>Le poids «&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>Le poids «&#xa0;%1&#xa0;» est hors limites</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>Le poids «&#xa0;%1&#xa0;» contient des caractères non valides</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>Le poids doit être compris entre 0 et 1</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Main vide</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Longueur de main non valide</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Suffixe suited/offsuit non valide</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>La première valeur doit être supérieure ou égale à la seconde</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>Une paire ne peut pas avoir de suffixe suited/offsuit</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>Les cartes en double ne sont pas permises</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Une paire ne peut pas être suited/offsuit</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Un «&#xa0;+&#xa0;» est attendu à la fin</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>Un «&#xa0;-&#xa0;» est attendu dans l’intervalle</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>Les deux bornes de l’intervalle diffèrent en suited/offsuit</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Intervalle non pris en charge</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>La main manque avant les deux-points</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Pourcentage non valide «&#xa0;%1&#xa0;» (attendu sous la forme «&#xa0;50%&#xa0;»)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Sans les cartes du board, il ne reste aucune main de la range</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Taille vide</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» comme un nombre</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» comme un nombre entier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>«&#xa0;%1&#xa0;» est trop grand</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Un multiple de la mise (x) n’est possible que pour les raises</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Un multiple de raise doit dépasser 1.0x</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>La limite de raises ne vaut que pour les raises</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>La limite de raises doit se terminer par «&#xa0;r&#xa0;»</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>La limite de raises doit être positive</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>Le nombre de streets géométriques doit être positif</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>valeur non valide «&#xa0;%&#xa0;». Utilisez des nombres comme «&#xa0;33, 75&#xa0;» ou «&#xa0;33%, 75%&#xa0;»</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>valeur non valide «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>variante de jeu inconnue «&#xa0;%1&#xa0;» (utilisez holdem ou shortdeck)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>Le board doit comporter au moins un flop</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas 3, 4 ou 5 cartes</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>%1 cartes ne conviennent pas à la street de départ %2, qui en demande %3</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>doit être supérieur à 0</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>doit être compris entre 0 et 100</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>doit valoir 0 (sans plafond) ou plus</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>doit être un nombre</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>doit être compris entre 0 et 1000</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>doit valoir au moins 1 jeton</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>ne peut pas être négatif</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>Le mode ICM exige un stack pour chacun des deux joueurs</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>Le mode ICM exige des paiements</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>Le mode ICM exige un stack pour chaque place payée (%1 places payées, %2 joueurs)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Trop de places payées pour le modèle de jetons : %1 payées, au plus %3 avec %2 joueurs</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>Le pot de départ et le stack effectif ne peuvent pas être négatifs</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>Le pot de départ plus deux fois le stack effectif est trop grand</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Arbre de jeu trop profond : plus de %1 actions sur une même ligne (utilisez des bets et raises plus grands, ou une limite de raises)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Arbre de jeu trop grand : plus de %1 nœuds (utilisez moins de tailles de bet et de raise)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>Le calcul a produit des valeurs non finies ; vérifiez les poids de la range, le pot et le stack</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>Pas assez de mémoire pour terminer le calcul</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Itérations</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une carte de ce paquet</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>doit être au moins %1</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>doit être au plus %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 : écrivez-le sans séparateur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3&#xa0;: écrivez %3 sans séparateur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3&#xa0;: écrivez %2 ou %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3&#xa0;: écrivez %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3&#xa0;: écrivez %4 pour %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3&#xa0;: écrivez %3 sans séparateur, ou %4 pour %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>«&#xa0;%1&#xa0;» a plus de 2 décimales</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>est plus long que cinq cartes</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>doit être au plus 100 % du pot</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une street</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 vaut «&#xa0;%2&#xa0;», ni true ni false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>apparaît deux fois</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>n’est couvert par aucune somme de contrôle</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Un fichier de projet est déjà en cours d&apos;écriture ou de lecture</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1 : absent du short deck, ignoré</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>Le poids «&#xa0;%1&#xa0;» a une virgule décimale : écrivez %2</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>Le texte de la range est trop long : %1 caractères (au plus %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>saut de ligne</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espace insécable</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>indicateur d’ordre des octets</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>espace sans chasse</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>trait d’union conditionnel</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>caractère de contrôle</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>caractère invisible</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>Pas assez de mémoire pour ouvrir le projet</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>Pas assez de mémoire pour lancer le calcul</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>Pas assez de mémoire pour changer de langue</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>Pas assez de mémoire pour rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>Pas assez de mémoire pour télécharger la mise à jour</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>Pas assez de mémoire pour installer la mise à jour</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>Pas assez de mémoire pour ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>Pas assez de mémoire pour effacer les informations de mise à jour</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>Pas assez de mémoire pour changer l&apos;adresse des mises à jour</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>Pas assez de mémoire pour ouvrir la boîte de dialogue des fichiers</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>Pas assez de mémoire pour fermer la boîte de dialogue des fichiers</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>Pas assez de mémoire pour estimer ce calcul</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>Pas assez de mémoire pour lire la range</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>Pas assez de mémoire pour enregistrer le fichier</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>Pas assez de mémoire pour ouvrir le fichier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>«&#xa0;%1&#xa0;» peut être un nombre ou deux&#xa0;: une espace après chaque virgule, sans séparateur de milliers</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas supérieur à 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>«&#xa0;%1&#xa0;» dépasse %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>Il n’y a pas assez d’espace sur le disque pour le projet</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Permission refusée : ce dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Permission refusée : ce fichier n’est pas accessible en lecture</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>Pas assez de mémoire pour enregistrer le projet</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Distributions indisponibles (aucune résolution en mémoire).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Index de nœud non valide.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calcul…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Permission refusée : ce fichier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>renvoie à un nœud hors de l’arbre</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>n’est pas un nombre fini</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>a %1 entrées pour un nœud à %2 actions</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>a %1 entrées, plus que les %2 mains d’un nœud</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>le paramétrage</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>le résultat du calcul</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>un résultat enregistré d’un nœud</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>un verrou de nœud</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>le réglage du calcul</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>le relevé des sommes de contrôle</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>Le fichier de projet est endommagé (tronqué)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Le fichier de projet est endommagé</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>Le fichier de projet est endommagé : %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>Le fichier ne pourrait pas être rouvert : %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>Ce n’est pas un projet Pellaris</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>quinte flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>quinte</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>brelan</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>deux paires</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>top paire</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>paire moyenne</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>paire basse</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>paire sèche</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>tirage couleur</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>tirage couleur manqué</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>tirage quinte bilatéral</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>tirage quinte bilatéral manqué</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>tirage ventral</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>tirage ventral manqué</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>tirage couleur backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>rien</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>Impossible d’enregistrer le projet dans %1. Vérifiez que le dossier existe et qu’il est accessible en écriture.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Aucun contrôleur</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Échec de l’ouverture</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>Impossible d’ouvrir %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Projet Pellaris (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Effacer les stats «&#xa0;Jouer vs solution&#xa0;»</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Effacer toutes les statistiques «&#xa0;Jouer vs solution&#xa0;» (aujourd’hui + total)&#xa0;?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (à venir)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Calculs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Itér. moy.&#xa0;: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Expl. moy.&#xa0;: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Activité de calcul</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>6 derniers mois</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Un solveur de hold’em moderne et performant</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nouveau calcul</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>Historique des calculs</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Total des calculs</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Calculs cette semaine</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Durée moyenne</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
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
        <translation>%1 disponibles</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 libres)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jouer vs solution</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Mains (auj. / total)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Précision (auj. / total)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perte d’EV moy. (auj. / total)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configurer board, ranges et arbre</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Calcul rapide</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Avec les réglages par défaut</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importer une range</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Actions rapides</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Par jour&#xa0;: %2
Total&#xa0;: %3
Durée moy.&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message>
        <source>Solves over time</source>
        <translation>Évolution des calculs</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Aucun calcul pour l’instant</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Projet enregistré dans %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Certaines valeurs non chargées</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>%1 a été ouvert sans ces valeurs, que leurs champs n’acceptent pas&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Enregistrement du projet…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Ouverture du projet…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>Le projet n’a pas pu être enregistré dans %1 :
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>Remplacer le fichier ?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 existe déjà. Le remplacer par ce projet ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
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
        <translation>Annuler</translation>
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
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Veuillez sélectionner un profil.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Ranges standard</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Ranges de population</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Mes ranges</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Sans rake</translation>
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
        <translation>Regs plus faibles</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg plus tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg plus loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Passif</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passif tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passif neutre</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passif loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Loose extrême</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose agressif</translation>
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
        <translation>Échec de l’export&#xa0;: appController.saveTextFile indisponible.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Échec de l’export&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Exporter les ranges de population</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Exporter les ranges standard</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Échec de l’import&#xa0;: appController.readTextFile indisponible.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Échec de l’import&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Échec de l’import&#xa0;: le fichier ne contient aucune main reconnaissable.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Échec de l’import&#xa0;: tous les poids du fichier sont nuls.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Aucun contenu de range à importer.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Variante de jeu</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Passer au Hold’em</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Passer au Short Deck</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Modèle d’utilité</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Passer en cash</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Passer en ICM</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Choisir une carte</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Carte du flop</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carte du turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carte de la river</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Retirer la carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Réglages de jeu</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Taille du pot</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pot de départ</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>ex. 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack effectif</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>Stack OOP</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>ex. 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>Stack IP</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Saisissez le montant payé à chaque place, dans l’ordre d’arrivée, séparé par des virgules. Exemple&#xa0;: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>ex. 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Autres stacks</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Saisissez les stacks des autres joueurs uniquement (hors OOP et IP), séparés par des virgules. Exemple&#xa0;: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>ex. 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>ex. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Plafond de rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>ex. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Exploitabilité cible (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>ex. 0.10</translation>
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
        <translation>Configuration du projet</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Configuration requise</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM du calcul&#xa0;: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Passer au calcul →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Effacer les remplacements standard</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Effacer toutes les ranges standard remplacées localement pour %1&#xa0;?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Effacer les remplacements de population</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Effacer toutes les ranges de population remplacées localement pour %1&#xa0;?</translation>
    </message>
    <message>
        <source>Short Deck</source>
        <translation>Short Deck</translation>
    </message>
    <message>
        <source>Holdem</source>
        <translation>Hold’em</translation>
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
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Enregistrer le profil de réglages</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nom du profil&#xa0;:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>ex. 100bb sans rake (rapide)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Charger un profil de réglages</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Choisissez un profil enregistré&#xa0;:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Aucun profil enregistré pour l’instant.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>Les profils de réglages enregistrés sont endommagés et ne peuvent pas être lus. Le texte endommagé est mis de côté à l'enregistrement d'un profil.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Supprimer le profil de réglages</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil enregistré&#xa0;?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex. AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Enregistrer la range IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Enregistrer la range OOP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nom de cette range&#xa0;:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>ex. BTN vs BB (défaut)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Ajouter un dossier (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Ajouter un dossier (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nom du dossier&#xa0;:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>ex. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importer une range</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Range en texte (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>ex. BTN open (perso)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Supprimer la range</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Aucune range pour l’instant.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Exporter standard…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Exporter population…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Effacer les remplacements…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Enregistrer la range…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importer une range…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Supprimer la sélection…</translation>
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
        <translation>Ajouter all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Pas de donk</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>Copier les réglages OOP</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Ajouter all-in si jam inférieur à</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>ex. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% du pot</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>Cela supprimera aussi %n range. Cette action est irréversible.</numerusform>
            <numerusform>Cela supprimera aussi %n ranges. Cette action est irréversible.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>RAM du calcul&#xa0;: mesure…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>aucun (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Mesure…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Pas prêt</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Nombres entiers uniquement&#xa0;: «&#xa0;%1&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Trop de décimales&#xa0;: «&#xa0;%1&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Saisissez un nombre de %1 à %2&#xa0;: «&#xa0;%3&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Vide&#xa0;: la valeur a été conservée.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>Pas un nombre&#xa0;: «&#xa0;%1&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>Le solveur ne peut pas lire cette range&#xa0;: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Supprimer le dossier</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>Impossible de charger les préréglages fournis.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>Impossible de charger les préréglages standard fournis (fichier de ressources absent ou vide).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>Impossible de charger les préréglages fournis : %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>La range actuelle est vide.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Joueur inconnu.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Veuillez saisir un nom de dossier.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Voulez-vous vraiment supprimer ce dossier ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Voulez-vous vraiment supprimer cette range ?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Sans signe, s’il vous plaît&#xa0;: «&#xa0;%1&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Écrivez le nombre sans exposant&#xa0;: «&#xa0;%1&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>Un seul séparateur décimal au plus&#xa0;: «&#xa0;%1&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>Le profil «&#xa0;%1&#xa0;» a été chargé sans ces valeurs, que leurs champs n’acceptent pas&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Certaines valeurs non chargées</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Range à enregistrer (%1 combos) :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a pas été enregistré : écrivez des jetons entiers sans séparateur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a pas été enregistré : écrivez %3 sans séparateur, ou %4 pour %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a donc pas été enregistré&#xa0;: écrivez %3 sans séparateur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a donc pas été enregistré&#xa0;: écrivez %2 ou %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a donc pas été enregistré&#xa0;: écrivez %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a donc pas été enregistré&#xa0;: écrivez %4 pour %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>«&#xa0;%1&#xa0;» peut signifier %2 ou %3 et n’a donc pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>Les ranges enregistrées dans Mes ranges sont endommagées et ne peuvent pas être lues. Le texte endommagé est mis de côté à l'enregistrement d'une range.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>Les remplacements enregistrés de cette bibliothèque sont endommagés et ne peuvent pas être lus. Le texte endommagé est mis de côté à l'enregistrement d'un remplacement ou à l'effacement des remplacements.</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex. AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n main</numerusform>
            <numerusform>%n mains</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Meilleure pour OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Meilleure pour IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carte du turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carte de la river</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jouer vs solution</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rôle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Choisissez un rôle pour commencer</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Jouer OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Jouer les deux</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Jouer IP</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Cliquez sur Turn/River pour changer</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Nouvelle main</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 affichées</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> combos</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Distributions</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Équité par main</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV par main</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calcul…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
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
        <translation>%1&#xa0;: %2%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>OOP: %1    IP: %2</source>
        <translation>OOP&#xa0;: %1    IP&#xa0;: %2</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Équité</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Computing distributions…</source>
        <translation>Calcul des distributions…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Distributions indisponibles.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Détail des mains</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Rechercher (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Chargement des combos…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Aucun combo à afficher pour ce nœud.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Aucun combo ne correspond aux filtres actuels.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV&#xa0;:</translation>
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
        <translation>À payer</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Ces résultats portent sur %1 ; la configuration a changé depuis : relancez la résolution pour la voir</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Rake prélevé</translation>
    </message>
    <message>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <source>Pot odds</source>
        <translation>Cote du pot</translation>
    </message>
    <message>
        <source>Node-Locking</source>
        <translation>Node-locking</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Le node-locking n’est disponible que sur les nœuds de décision.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixte</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>fréq.</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Effacer les locks</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Astuce&#xa0;: saisissez les fréquences ci-dessus, puis cliquez sur une case de la matrice pour appliquer la stratégie mixte à cette main.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Astuce&#xa0;: choisissez une action ci-dessus, puis cliquez sur une case de la matrice pour locker cette main.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>EV cumulée «&#xa0;Jouer vs solution&#xa0;»</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Main %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Optimal&#xa0;: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Réel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>EV de la main&#xa0;: %1 (opt.) / %2 (réel)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>EV de la main&#xa0;: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Vue stratégie</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Parole à %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Vue des ranges</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Jouer vs solution</translation>
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
        <translation>Exploitabilité</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Fréquences des actions</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Stratégie par main</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Mode standard</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Mode node-lock</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Arbre de jeu</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Donne %1</translation>
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
        <translation>Actions disponibles</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 options</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gagnant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Gain&#xa0;: %1   Rake&#xa0;: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perdue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Incorrect&#xa0;: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Correct&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>Historique des mains</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Arrêter l’exercice</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Exercice sur le spot</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Préflop</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n main</numerusform>
            <numerusform>%n mains</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Parfait</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Faux — meilleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Faux — meilleur&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Tapis : %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Arrêtée sur une erreur</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>les deux places</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Cliquez sur River pour changer</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Résolvez de nouveau ce spot pour jouer : sa solution n&apos;est pas en mémoire.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>Non conservé dans ce projet : résolvez à nouveau le spot pour voir ce nœud</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Choisir la carte de la river</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Choisir la carte du turn</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>Installer la mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>Pellaris va se fermer pour installer la mise à jour. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>La mise à jour va être téléchargée et le dossier qui la contient s’ouvrira&#xa0;; Pellaris reste ouvert. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Mode sombre</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Utiliser un thème sombre dans toute l’interface</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Changer la langue de l’application (effet immédiat)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Couleur d’accent</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personnaliser la couleur de mise en valeur de l’application (boutons, accents, trèfle/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Licences</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Framework Qt</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Exécution (liaison dynamique)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Les mentions des composants tiers et les textes de licence se trouvent dans le dossier «&#xa0;licenses&#xa0;», à côté de l’exécutable.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Ouvrir le dossier des licences</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Ouvrir les mentions</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Version actuelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Dernière vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Mise à jour disponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Aucune mise à jour disponible.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargée</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Téléchargement&#xa0;: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Installer la mise à jour</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Aucun programme n’a pu l’ouvrir ici. Emplacement :</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>ShellNavigation</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
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
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Aperçu et actions rapides</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, ranges, arbre</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Lancer le solveur</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Parcourir les stratégies</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Solveur de poker</translation>
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
        <translation>Prêt pour le calcul</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Démarrage du solveur…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalisation…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Itération %1 | exploitabilité=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP&#xa0;: pas de donk au flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP&#xa0;: pas de donk au turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP&#xa0;: pas de donk à la river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP&#xa0;: all-in ajouté au flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP&#xa0;: all-in ajouté au turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP&#xa0;: all-in ajouté à la river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP&#xa0;: all-in ajouté au flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP&#xa0;: all-in ajouté au turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP&#xa0;: all-in ajouté à la river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP&#xa0;: all-in ajouté si jam &lt; %1% du pot</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP&#xa0;: all-in ajouté si jam &lt; %1% du pot</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Itérations %1 • Cible %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Lancez le solveur CFR et suivez sa progression en temps réel.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Ressources</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Threads CPU utilisés</translation>
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
        <translation>Cible</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (plafond %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Sizings de bet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Options activées</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Calcul en cours...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Lancer le calcul</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Voir les résultats →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Mesure...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>Le solveur a terminé ses itérations&#xa0;; les résultats sont en cours de finalisation.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Fenêtre %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Itérations&#xa0;: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>itér./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Exploitabilité</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Calculs récents</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Aucun calcul pour l’instant — cliquez sur Lancer le calcul pour en enregistrer un ici.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Max, %n thread</numerusform>
            <numerusform>Max, %n threads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n thread</numerusform>
            <numerusform>%n threads</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>vers la cible</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>vers la limite</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP mise %2 / relance %3 · IP mise %4 / relance %5</translation>
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
        <translation>Initialisation : création de l’objet de jeu…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Initialisation : création des structures de l’arbre de jeu…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Initialisation : démarrage du solveur…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalisation : calcul des résultats…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalisation : création de l’instantané des résultats…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Itération %1 | exploitabilité≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Calcul en cours</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Renseignez le board, les ranges et les sizings pour activer l’onglet Calcul</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Lancez un calcul pour activer l’onglet Résultats</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Créez un projet (ou chargez-en un) depuis l’Accueil pour activer l’onglet Configuration</translation>
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
        <translation>Donne</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot&#xa0;: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Fréq.&#xa0;: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Carte de turn aléatoire</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Carte de river aléatoire</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>L&apos;URL de mise à jour n&apos;est pas configurée.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la vérification des mises à jour : %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Réponse de mise à jour invalide (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Aucune URL de téléchargement disponible.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Impossible de créer le fichier de téléchargement.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Échec du téléchargement : %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Impossible de finaliser le fichier de téléchargement (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Aucune mise à jour téléchargée n&apos;est prête à être installée.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Le fichier d&apos;installation téléchargé est introuvable.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Impossible de lancer le programme d&apos;installation.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Aucune mise à jour disponible.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>Aucune mise à jour téléchargeable&#xa0;: l’URL de téléchargement n’est pas une adresse http ou https.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>le fichier dépasse la limite de %1&#xa0;Mo</translation>
    </message>
</context>
</TS>
