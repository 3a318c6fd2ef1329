<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Quillory</name>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Level %1, %n second. %2</numerusform>
            <numerusform>Level %1, %n seconds. %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds.</source>
        <translation>
            <numerusform>%n second.</numerusform>
            <numerusform>%n seconds.</numerusform>
        </translation>
    </message>
</context>
</TS>
