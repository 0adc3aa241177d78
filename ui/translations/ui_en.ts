<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>FieldText</name>
    <message>
        <location filename="../field_reader.cpp" line="+18"/>
        <source>输入错误：%1</source>
        <translation>Input error: %1</translation>
    </message>
</context>
</TS>
