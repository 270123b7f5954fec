<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
