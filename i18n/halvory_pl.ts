<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
</context>
</TS>
