<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>LogDlg</name>
        <message>
            <source>Log</source>
            <translation>Journal</translation>
        </message>
        <message>
            <source>&amp;Messages:</source>
            <translation>&amp;Messages :</translation>
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation>&amp;Effacer</translation>
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
