<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>LogDlg</name>
        <message>
            <source>Log</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Messages:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation type="unfinished" />
        </message>
        <message numerus="yes">
            <source>%n message(s)</source>
            <translation>
                <numerusform>%n message</numerusform>
                <numerusform>%n messages</numerusform>
            </translation>
        </message>
    </context>
</TS>
