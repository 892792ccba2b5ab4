<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>LogDlg</name>
        <message>
            <source>Log</source>
            <translation>Protokoll</translation>
        </message>
        <message>
            <source>&amp;Messages:</source>
            <translation>&amp;Meldungen:</translation>
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation>&amp;Leeren</translation>
        </message>
        <message numerus="yes">
            <source>%n message(s)</source>
            <translation>
                <numerusform>%n Meldung</numerusform>
                <numerusform>%n Meldungen</numerusform>
            </translation>
        </message>
    </context>
</TS>
