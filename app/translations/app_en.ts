<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>Startup</name>
    <message>
        <location filename="../main.cpp" line="+39"/>
        <source>软件已经运行还要运行码？</source>
        <translation>Quorvane is already running. Start another copy?</translation>
    </message>
</context>
</TS>
