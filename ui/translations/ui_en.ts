<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>FieldText</name>
    <message>
        <location filename="../field_reader.cpp" line="+18"/>
        <source>输入错误！</source>
        <translatorcomment>Glossary: 输入错误！ = Input error!</translatorcomment>
        <translation>Input error!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>输入错误：%1</source>
        <translation>Input error: %1</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <location filename="../file_failure_text.cpp" line="+12"/>
        <source>文件不存在: %1</source>
        <translation>File does not exist: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文件不能读: %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文件不能读: %1 (%2)</source>
        <translation>Cannot read the file: %1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>不是普通文件(目录、管道或设备),不能读: %1</source>
        <translation>Not a regular file (a directory, pipe or device); not read: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件太大(超过%1 MiB),没有读: %2</source>
        <translation>File too large (over %1 MiB); not read: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>没有文件名</source>
        <translation>No file name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>符号链接不能解析: %1</source>
        <translation>The symbolic link cannot be resolved: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>不是普通文件,没有覆盖: %1</source>
        <translation>Not a regular file; not overwritten: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件是只读的,没有覆盖: %1</source>
        <translation>The file is read-only; not overwritten: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件写入失败: %1 (%2)</source>
        <translation>Writing the file failed: %1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>超过文件大小限制,没有保存: %1</source>
        <translation>Over the file size limit; not saved: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>设置没有保存：不能写入 %1</source>
        <translation>Settings not saved: cannot write %1</translation>
    </message>
</context>
</TS>
