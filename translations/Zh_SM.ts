<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>软件退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>冲突，软件停止运行！</translation>
    </message>
</context>
</TS>
