<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>L'URL di aggiornamento non è configurato.</translation>
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
        <translation>Nessun aggiornamento scaricato è pronto per l'installazione.</translation>
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
</context>
</TS>
