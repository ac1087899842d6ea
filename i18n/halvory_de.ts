<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</context>
</TS>
