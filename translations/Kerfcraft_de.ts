<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>cli</name>
    <message>
        <source>Dieser Befehl ist noch nicht verfügbar.</source>
        <translation>Dieser Befehl ist noch nicht verfügbar.</translation>
    </message>
</context>
</TS>
