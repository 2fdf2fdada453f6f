<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>cli</name>
    <message>
        <source>Dieser Befehl ist noch nicht verfügbar.</source>
        <translation>This command is not available yet.</translation>
    </message>
</context>
</TS>
