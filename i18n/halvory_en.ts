<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ActionBar</name>
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
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n strategy node</numerusform>
            <numerusform>%n strategy nodes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n combo node</numerusform>
            <numerusform>%n combo nodes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>This will also delete %n range. This cannot be undone.</numerusform>
            <numerusform>This will also delete %n ranges. This cannot be undone.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n hand</numerusform>
            <numerusform>%n hands</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n hand</numerusform>
            <numerusform>%n hands</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SolvePage</name>
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
</context>
</TS>
