<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QObject</name>
    <message>
        <source>Good %1 of %2</source>
        <translation>Gut %2 von %1</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation> </translation>
    </message>
    <message>
        <source>Placeholder %1</source>
        <translation>Platzhalter %2</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Wiederherstellen&amp; </translation>
    </message>
    <message>
        <source>Two
lines</source>
        <translation>Zwei Zeilen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bold&lt;/b&gt;</source>
        <translation>&lt;i&gt;Fett&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Label: </source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Left in English</source>
        <translation>Left in English</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation type="vanished">Weg</translation>
    </message>
</context>
</TS>
