<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Help</name>
    <message>
        <location filename="../editor/commands/readme_command.cpp" line="+22"/>
        <source>Readme&amp;help.txt</source>
        <translation>Readme&amp;help.en.txt</translation>
    </message>
</context>
</TS>
