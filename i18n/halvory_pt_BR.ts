<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>straight flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>quadra</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full house</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>sequência</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trinca</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>dois pares</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>par superior</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>par do meio</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>par inferior</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>par seco</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>projeto de flush</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>flush perdido</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>projeto de sequência aberta</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>sequência aberta perdida</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>gutshot perdido</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>projeto de flush backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>nada</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>A URL de atualização não está configurada.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Falha ao verificar atualizações: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Resposta de atualização inválida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Nenhuma URL de download disponível.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Falha ao criar o arquivo de download.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Falha no download: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Falha ao finalizar o arquivo de download (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Nenhuma atualização baixada está pronta para instalar.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>O arquivo do instalador baixado não foi encontrado.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Falha ao iniciar o instalador.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Nenhuma atualização disponível.</translation>
    </message>
</context>
</TS>
