<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Software exit</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflict, software out of operation!</translation>
    </message>
</context>
</TS>
