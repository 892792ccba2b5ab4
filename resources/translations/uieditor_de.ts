<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>ColorCtrl</name>
        <message>
            <source>Choose a colour</source>
            <translation>Farbe auswählen</translation>
        </message>
    </context>
    <context>
        <name>ControlsSheet</name>
        <message>
            <source>Common controls</source>
            <translation>Allgemeine Steuerelemente</translation>
        </message>
        <message>
            <source>Lengths</source>
            <translation>Längen</translation>
        </message>
        <message>
            <source>Points and pixels:</source>
            <translation>Punkt und Pixel:</translation>
        </message>
        <message>
            <source>Decimals:</source>
            <translation>Dezimalstellen:</translation>
        </message>
        <message>
            <source>With percent:</source>
            <translation>Mit Prozent:</translation>
        </message>
        <message>
            <source>All units, negatives allowed:</source>
            <translation>Alle Einheiten, negative Werte erlaubt:</translation>
        </message>
        <message>
            <source>Disabled:</source>
            <translation>Deaktiviert:</translation>
        </message>
        <message>
            <source>Host's length editor:</source>
            <translation>Längeneditor der Anwendung:</translation>
        </message>
        <message>
            <source>Colours</source>
            <translation>Farben</translation>
        </message>
        <message>
            <source>No colour:</source>
            <translation>Keine Farbe:</translation>
        </message>
        <message>
            <source>Colour keyword:</source>
            <translation>Farbname:</translation>
        </message>
        <message>
            <source>Chosen colour:</source>
            <translation>Gewählte Farbe:</translation>
        </message>
        <message>
            <source>Gradient:</source>
            <translation>Farbverlauf:</translation>
        </message>
        <message>
            <source>Fonts</source>
            <translation>Schriften</translation>
        </message>
        <message>
            <source>Font family:</source>
            <translation>Schriftfamilie:</translation>
        </message>
        <message>
            <source>Fixed pitch only:</source>
            <translation>Nur feste Zeichenbreite:</translation>
        </message>
        <message>
            <source>Font style:</source>
            <translation>Schriftschnitt:</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Größe:</translation>
        </message>
        <message>
            <source>Buttons: normal, hot, disabled</source>
            <translation>Schaltflächen: normal, hervorgehoben, deaktiviert</translation>
        </message>
    </context>
    <context>
        <name>DesignerWindow</name>
        <message>
            <source>Templates (*.fo *.xml);;All files (*)</source>
            <translation>Vorlagen (*.fo *.xml);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Outline</source>
            <translation>Gliederung</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Beispieldaten</translation>
        </message>
        <message>
            <source>Dialog Result</source>
            <translation>Dialogergebnis</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>Ö&amp;ffnen...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Speichern &amp;unter...</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>F&amp;ormat</source>
            <translation>F&amp;ormat</translation>
        </message>
        <message>
            <source>&amp;Insert</source>
            <translation>&amp;Einfügen</translation>
        </message>
        <message>
            <source>&amp;Data</source>
            <translation>D&amp;aten</translation>
        </message>
        <message>
            <source>&amp;Page</source>
            <translation>S&amp;eite</translation>
        </message>
        <message>
            <source>Do&amp;cument</source>
            <translation>Do&amp;kument</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>Unbenannt</translation>
        </message>
        <message>
            <source>%1[*] - uieditor designer</source>
            <translation>%1[*] - uieditor-Designer</translation>
        </message>
        <message>
            <source>Open Template</source>
            <translation>Vorlage öffnen</translation>
        </message>
        <message>
            <source>Save Template As</source>
            <translation>Vorlage speichern unter</translation>
        </message>
        <message>
            <source>The template has changed. Save the changes?</source>
            <translation>Die Vorlage wurde geändert. Änderungen speichern?</translation>
        </message>
    </context>
    <context>
        <name>DialogCommands</name>
        <message>
            <source>&amp;Log...</source>
            <translation>&amp;Protokoll...</translation>
        </message>
    </context>
    <context>
        <name>ExpanderSampleDlg</name>
        <message>
            <source>Insert Building Block</source>
            <translation>Baustein einfügen</translation>
        </message>
        <message>
            <source>&amp;File:</source>
            <translation>&amp;Datei:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Durchsuchen...</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Hinzufügen</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Entfernen</translation>
        </message>
    </context>
    <context>
        <name>LengthOrPercentBase</name>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Einheit</translation>
        </message>
    </context>
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
    <context>
        <name>OutlineView</name>
        <message>
            <source>Object</source>
            <translation>Objekt</translation>
        </message>
        <message>
            <source>Identifier</source>
            <translation>Kennung</translation>
        </message>
    </context>
    <context>
        <name>SampleTreeView</name>
        <message>
            <source>Node</source>
            <translation>Knoten</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>No sample data</source>
            <translation>Keine Beispieldaten</translation>
        </message>
    </context>
    <context>
        <name>TextPanelSampleDlg</name>
        <message>
            <source>Text Panels</source>
            <translation>Textfelder</translation>
        </message>
        <message>
            <source>Sample text</source>
            <translation>Beispieltext</translation>
        </message>
        <message>
            <source>No preview available</source>
            <translation>Keine Vorschau verfügbar</translation>
        </message>
        <message>
            <source>The text stays centred on one line</source>
            <translation>Der Text bleibt mittig auf einer Zeile</translation>
        </message>
    </context>
</TS>
