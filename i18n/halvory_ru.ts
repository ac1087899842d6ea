<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>стрит-флеш</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>каре</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>фулл-хаус</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>флеш</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>стрит</translation>
    </message>
    <message>
        <source>set</source>
        <translation>сет</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>трипс</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>две пары</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>топ-пара</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>оверпара</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>средняя пара</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>нижняя пара</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>сухая пара</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>флеш-дро</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>несобранное флеш-дро</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>двустороннее стрит-дро</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>несобранное двустороннее дро</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>гатшот</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>несобранный гатшот</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>бэкдор флеш-дро</translation>
    </message>
    <message>
        <source>air</source>
        <translation>воздух</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>URL обновления не настроен.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Не удалось проверить обновления: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Некорректный ответ сервера обновлений (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Нет доступного URL для загрузки.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Не удалось создать файл загрузки.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Ошибка загрузки: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Не удалось завершить запись файла загрузки (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Нет загруженного обновления, готового к установке.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Загруженный файл установщика отсутствует.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Не удалось запустить установщик.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Нет доступных обновлений.</translation>
    </message>
</context>
</TS>
