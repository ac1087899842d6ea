<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>
