<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>軟體退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>衝突，軟體停止運行！</translation>
    </message>
</context>
</TS>
