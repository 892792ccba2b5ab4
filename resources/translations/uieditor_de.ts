<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>AddPageTypeDlg</name>
        <message>
            <source>Add Page Layout</source>
            <translation>Seitenlayout hinzufügen</translation>
        </message>
        <message>
            <source>&amp;All Pages</source>
            <translation>&amp;Alle Seiten</translation>
        </message>
        <message>
            <source>&amp;One time only</source>
            <translation>&amp;Einmalig</translation>
        </message>
        <message>
            <source>&amp;Multiple times</source>
            <translation>&amp;Mehrmals</translation>
        </message>
        <message>
            <source>Ma&amp;ximum repeats:</source>
            <translation>Ma&amp;ximale Wiederholungen:</translation>
        </message>
        <message>
            <source>&amp;Conditional</source>
            <translation>&amp;Bedingt</translation>
        </message>
        <message>
            <source>Condition for type:</source>
            <translation>Bedingung für Typ:</translation>
        </message>
    </context>
    <context>
        <name>BackgroundLoad</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>BackgroundPage</name>
        <message>
            <source>Background Properties</source>
            <translation>Hintergrundeigenschaften</translation>
        </message>
        <message>
            <source>Background &amp;Color:</source>
            <translation>Hintergrund&amp;farbe:</translation>
        </message>
        <message>
            <source>Background &amp;Image:</source>
            <translation>Hintergrund&amp;bild:</translation>
        </message>
        <message>
            <source>&amp;Browse</source>
            <translation>&amp;Durchsuchen</translation>
        </message>
        <message>
            <source>Image &amp;Repeat Mode:</source>
            <translation>Bild&amp;wiederholung:</translation>
        </message>
        <message>
            <source>Image Offset &amp;X:</source>
            <translation>Bildversatz &amp;X:</translation>
        </message>
        <message>
            <source>Image Offset &amp;Y:</source>
            <translation>Bildversatz &amp;Y:</translation>
        </message>
        <message>
            <source>Box Shadow Properties</source>
            <translation>Schatteneigenschaften</translation>
        </message>
        <message>
            <source>&amp;Shadow Color:</source>
            <translation>&amp;Schattenfarbe:</translation>
        </message>
        <message>
            <source>Offset on &amp;X axis:</source>
            <translation>&amp;Versatz auf der X-Achse:</translation>
        </message>
        <message>
            <source>Offset on &amp;Y axis:</source>
            <translation>Versatz a&amp;uf der Y-Achse:</translation>
        </message>
    </context>
    <context>
        <name>BarcodeRejection</name>
        <message>
            <source>digits only</source>
            <translation>nur Ziffern</translation>
        </message>
        <message>
            <source>ASCII only</source>
            <translation>nur ASCII</translation>
        </message>
        <message>
            <source>Latin-1 only</source>
            <translation>nur Latin-1</translation>
        </message>
        <message>
            <source>digits and %1 only</source>
            <translation>nur Ziffern und %1</translation>
        </message>
        <message>
            <source>The value is too long.</source>
            <translation>Der Wert ist zu lang.</translation>
        </message>
        <message>
            <source>The value is too long (at most %1 characters).</source>
            <translation>Der Wert ist zu lang (höchstens %1 Zeichen).</translation>
        </message>
        <message>
            <source>The value holds a character this type cannot encode.</source>
            <translation>Der Wert enthält ein Zeichen, das dieser Typ nicht codieren kann.</translation>
        </message>
        <message>
            <source>The value holds a character this type cannot encode (%1).</source>
            <translation>Der Wert enthält ein Zeichen, das dieser Typ nicht codieren kann (%1).</translation>
        </message>
        <message>
            <source>The check digit is wrong.</source>
            <translation>Die Prüfziffer ist falsch.</translation>
        </message>
        <message>
            <source>The value is empty.</source>
            <translation>Der Wert ist leer.</translation>
        </message>
        <message>
            <source>The value has the wrong number of digits.</source>
            <translation>Der Wert hat die falsche Anzahl Ziffern.</translation>
        </message>
        <message>
            <source>The value is not a sequence of hexadecimal byte pairs.</source>
            <translation>Der Wert ist keine Folge hexadezimaler Bytepaare.</translation>
        </message>
    </context>
    <context>
        <name>BordersBackgroundDlg</name>
        <message>
            <source>Borders and Background</source>
            <translation>Rahmen und Hintergrund</translation>
        </message>
        <message>
            <source>&amp;Apply to:</source>
            <translation>&amp;Anwenden auf:</translation>
        </message>
        <message>
            <source>&amp;Preview:</source>
            <translation>&amp;Vorschau:</translation>
        </message>
    </context>
    <context>
        <name>BordersPage</name>
        <message>
            <source>Borders Properties</source>
            <translation>Rahmeneigenschaften</translation>
        </message>
        <message>
            <source>Style</source>
            <translation>Linienart</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Breite</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>Farbe</translation>
        </message>
        <message>
            <source>Same for all</source>
            <translation>Für alle gleich</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Oben:</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Rechts:</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Unten:</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Links:</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldCustomDlg</name>
        <message>
            <source>Create custom formatting:</source>
            <translation>Benutzerdefinierte Formatierung erstellen:</translation>
        </message>
        <message>
            <source>Use #  to extract characters from the input string.
For example, to format a Social Security Number (SSN),
use ###-##-####. 123456789 will become 123-45-6789.</source>
            <translation>Verwenden Sie #, um Zeichen aus der Eingabe zu übernehmen.
Um zum Beispiel eine Sozialversicherungsnummer (SSN) zu formatieren,
verwenden Sie ###-##-####. Aus 123456789 wird 123-45-6789.</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldDateDlg</name>
        <message>
            <source>Predefined</source>
            <translation>Vordefiniert</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Beispiel</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Benutzerdefiniert</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldNoneDlg</name>
        <message>
            <source>No format. This will clear the format of the current field .</source>
            <translation>Kein Format. Damit wird das Format des aktuellen Felds entfernt.</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldNumberDlg</name>
        <message>
            <source>Predefined</source>
            <translation>Vordefiniert</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Beispiel</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Benutzerdefiniert</translation>
        </message>
        <message>
            <source>Decimal places:</source>
            <translation>Dezimalstellen:</translation>
        </message>
        <message>
            <source>Leading zeros:</source>
            <translation>Führende Nullen:</translation>
        </message>
        <message>
            <source>Decimal separator:</source>
            <translation>Dezimaltrennzeichen:</translation>
        </message>
        <message>
            <source>Thousand separator:</source>
            <translation>Tausendertrennzeichen:</translation>
        </message>
        <message>
            <source>Minus sign:</source>
            <translation>Minuszeichen:</translation>
        </message>
        <message>
            <source>Currency symbol:</source>
            <translation>Währungssymbol:</translation>
        </message>
        <message>
            <source>Currency Position:</source>
            <translation>Position der Währung:</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Vorschau:</translation>
        </message>
        <message>
            <source>Positive:</source>
            <translation>Positiv:</translation>
        </message>
        <message>
            <source>Negative:</source>
            <translation>Negativ:</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldPhoneDlg</name>
        <message>
            <source>Predefined</source>
            <translation>Vordefiniert</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Beispiel</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Benutzerdefiniert</translation>
        </message>
    </context>
    <context>
        <name>CellMarginsDlg</name>
        <message>
            <source>Cell Margins</source>
            <translation>Zellenränder</translation>
        </message>
        <message>
            <source>Margins:</source>
            <translation>Ränder:</translation>
        </message>
        <message>
            <source>&amp;Left Margin:</source>
            <translation>&amp;Linker Rand:</translation>
        </message>
        <message>
            <source>&amp;Right Margin:</source>
            <translation>&amp;Rechter Rand:</translation>
        </message>
        <message>
            <source>&amp;Top Margin:</source>
            <translation>&amp;Oberer Rand:</translation>
        </message>
        <message>
            <source>&amp;Bottom Margin:</source>
            <translation>&amp;Unterer Rand:</translation>
        </message>
        <message>
            <source>A cell margin cannot be negative.</source>
            <translation>Ein Zellenrand kann nicht negativ sein.</translation>
        </message>
    </context>
    <context>
        <name>ChooseDatasourceDlg</name>
        <message>
            <source>Set Data Source</source>
            <translation>Datenquelle festlegen</translation>
        </message>
        <message>
            <source>Data Source Type</source>
            <translation>Art der Datenquelle</translation>
        </message>
        <message>
            <source>XML File</source>
            <translation>XML-Datei</translation>
        </message>
        <message>
            <source>XSD and XML Files</source>
            <translation>XSD- und XML-Dateien</translation>
        </message>
        <message>
            <source>Data Aggregation File</source>
            <translation>Datenaggregationsdatei</translation>
        </message>
        <message>
            <source>Datasource</source>
            <translation>Datenquelle</translation>
        </message>
        <message>
            <source>&amp;File Path</source>
            <translation>&amp;Dateipfad</translation>
        </message>
        <message>
            <source>&amp;Xml Path</source>
            <translation>&amp;Xml-Pfad</translation>
        </message>
        <message>
            <source>&amp;Namespace Prefix</source>
            <translation>&amp;Namensraumpräfix</translation>
        </message>
        <message>
            <source>Note: Varnel Linkforge must be installed in order to use a Data Aggregation (.lfa) file.</source>
            <translation>Hinweis: Um eine Datenaggregationsdatei (.lfa) zu verwenden, muss Varnel Linkforge installiert sein.</translation>
        </message>
        <message>
            <source>XML Files (*.xml)</source>
            <translation>XML-Dateien (*.xml)</translation>
        </message>
        <message>
            <source>Linkforge Files (*.lfa)</source>
            <translation>Linkforge-Dateien (*.lfa)</translation>
        </message>
        <message>
            <source>XML Schema Definition Files (*.xsd)</source>
            <translation>XML-Schemadefinitionsdateien (*.xsd)</translation>
        </message>
    </context>
    <context>
        <name>ColorCtrl</name>
        <message>
            <source>Choose a colour</source>
            <translation>Farbe auswählen</translation>
        </message>
    </context>
    <context>
        <name>ConditionalFormattingDlg</name>
        <message>
            <source>Conditional Formatting</source>
            <translation>Bedingte Formatierung</translation>
        </message>
        <message>
            <source>Target Object:</source>
            <translation>Zielobjekt:</translation>
        </message>
        <message>
            <source>Conditions</source>
            <translation>Bedingungen</translation>
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
        <message>
            <source>(dynamic)</source>
            <translation>(dynamisch)</translation>
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
            <translation>&amp;Seite</translation>
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
        <message>
            <source>Source</source>
            <translation>Quelltext</translation>
        </message>
        <message>
            <source>The sample data has changed.</source>
            <translation>Die Beispieldaten wurden geändert.</translation>
        </message>
        <message>
            <source>The sample data was saved.</source>
            <translation>Die Beispieldaten wurden gespeichert.</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Suchen...</translation>
        </message>
        <message>
            <source>&amp;Replace...</source>
            <translation>&amp;Ersetzen...</translation>
        </message>
        <message>
            <source>The sample data has changed. Save the changes?</source>
            <translation>Die Beispieldaten wurden geändert. Änderungen speichern?</translation>
        </message>
        <message>
            <source>Inserted %1</source>
            <translation>%1 eingefügt</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Eigenschaften</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Rückgängig</translation>
        </message>
        <message>
            <source>&amp;Undo %1</source>
            <translation>&amp;Rückgängig: %1</translation>
        </message>
        <message>
            <source>Insert Field</source>
            <translation>Feld einfügen</translation>
        </message>
        <message>
            <source>&amp;New...</source>
            <translation>&amp;Neu...</translation>
        </message>
        <message>
            <source>Open &amp;Recent</source>
            <translation>&amp;Zuletzt geöffnet</translation>
        </message>
        <message>
            <source>The designer was not closed normally. Restore the unsaved changes to %1?</source>
            <translation>Der Designer wurde nicht normal beendet. Die nicht gespeicherten Änderungen an %1 wiederherstellen?</translation>
        </message>
        <message>
            <source>The unsaved changes cannot be restored: %1</source>
            <translation>Die nicht gespeicherten Änderungen können nicht wiederhergestellt werden: %1</translation>
        </message>
        <message>
            <source>The unsaved changes cannot be kept in %1.</source>
            <translation>Die nicht gespeicherten Änderungen können nicht in %1 gesichert werden.</translation>
        </message>
        <message>
            <source>%1 no longer exists. It was removed from the recent templates.</source>
            <translation>%1 existiert nicht mehr. Die Datei wurde aus den zuletzt geöffneten Vorlagen entfernt.</translation>
        </message>
        <message>
            <source>&amp;%1 %2</source>
            <translation>&amp;%1 %2</translation>
        </message>
        <message>
            <source>&amp;Clear Recent</source>
            <translation>Liste &amp;leeren</translation>
        </message>
        <message>
            <source>Re&amp;do</source>
            <translation>&amp;Wiederholen</translation>
        </message>
        <message>
            <source>Re&amp;do %1</source>
            <translation>&amp;Wiederholen: %1</translation>
        </message>
        <message>
            <source>Cancelled: the template and its sample data are as they were.</source>
            <translation>Abgebrochen: Vorlage und Beispieldaten sind unverändert.</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>A&amp;nsicht</translation>
        </message>
        <message>
            <source>Show Sample &amp;Data</source>
            <translation>&amp;Beispieldaten anzeigen</translation>
        </message>
        <message>
            <source>Opening %1...</source>
            <translation>%1 wird geöffnet...</translation>
        </message>
        <message>
            <source>Loading %1...</source>
            <translation>%1 wird geladen...</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>Wiederherstellen</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Verwerfen</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>The stylesheet made from this template will not compile: its parameters need distinct, non-empty names (Data &gt; Parameters).

%1

Save anyway?</source>
            <translation>Das aus dieser Vorlage erzeugte Stylesheet lässt sich nicht kompilieren: Ihre Parameter brauchen eindeutige, nicht leere Namen (Daten &gt; Parameter).

%1

Trotzdem speichern?</translation>
        </message>
    </context>
    <context>
        <name>DialogCommands</name>
        <message>
            <source>&amp;Log...</source>
            <translation>&amp;Protokoll...</translation>
        </message>
        <message>
            <source>Open a template first.</source>
            <translation>Öffnen Sie zuerst eine Vorlage.</translation>
        </message>
        <message>
            <source>Load Sample Data</source>
            <translation>Beispieldaten laden</translation>
        </message>
        <message>
            <source>Sample data (*.xml *.lfa *.xsd);;XML files (*.xml);;Data aggregation files (*.lfa);;XML schemas (*.xsd);;All files (*)</source>
            <translation>Beispieldaten (*.xml *.lfa *.xsd);;XML-Dateien (*.xml);;Datenaggregationsdateien (*.lfa);;XML-Schemas (*.xsd);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>The template has no sample data to build an expression against.</source>
            <translation>Die Vorlage hat keine Beispieldaten, aus denen sich ein Ausdruck bilden ließe.</translation>
        </message>
        <message>
            <source>XPath Expression</source>
            <translation>XPath-Ausdruck</translation>
        </message>
        <message>
            <source>&amp;Borders and Background...</source>
            <translation>&amp;Rahmen und Hintergrund...</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data...</source>
            <translation>&amp;Beispieldaten laden...</translation>
        </message>
        <message>
            <source>Edit &amp;XPath...</source>
            <translation>&amp;XPath bearbeiten...</translation>
        </message>
        <message>
            <source>The template has no flow with a block to format.</source>
            <translation>Die Vorlage hat keinen Fluss mit einem Absatz, der formatiert werden kann.</translation>
        </message>
        <message>
            <source>Nothing was changed: no object was chosen under "Apply to".</source>
            <translation>Nichts wurde geändert: Unter „Anwenden auf“ wurde kein Objekt gewählt.</translation>
        </message>
        <message>
            <source>Borders and Background</source>
            <translation>Rahmen und Hintergrund</translation>
        </message>
        <message>
            <source>Select a repeating row (kmb:table-row-repeat) or an object inside one.</source>
            <translation>Wählen Sie eine wiederholte Zeile (kmb:table-row-repeat) oder ein Objekt darin.</translation>
        </message>
        <message>
            <source>Sort</source>
            <translation>Sortieren</translation>
        </message>
        <message>
            <source>Group Rows</source>
            <translation>Zeilen gruppieren</translation>
        </message>
        <message>
            <source>Sort field</source>
            <translation>Sortierfeld</translation>
        </message>
        <message>
            <source>Sort:</source>
            <translation>Sortierung:</translation>
        </message>
        <message>
            <source>Sor&amp;t...</source>
            <translation>Sor&amp;tieren...</translation>
        </message>
        <message>
            <source>&amp;Group Rows...</source>
            <translation>Zeilen &amp;gruppieren...</translation>
        </message>
        <message>
            <source>Data Source</source>
            <translation>Datenquelle</translation>
        </message>
        <message>
            <source>&amp;Data Source...</source>
            <translation>&amp;Datenquelle...</translation>
        </message>
        <message>
            <source>The template has no block to set paragraph properties on.</source>
            <translation>Die Vorlage enthält keinen Absatz, dessen Absatzeigenschaften gesetzt werden können.</translation>
        </message>
        <message>
            <source>Paragraph</source>
            <translation>Absatz</translation>
        </message>
        <message>
            <source>&amp;Paragraph...</source>
            <translation>Absa&amp;tz...</translation>
        </message>
        <message>
            <source>Sets the margins of the selected table cell.</source>
            <translation>Legt die Ränder der ausgewählten Tabellenzelle fest.</translation>
        </message>
        <message>
            <source>Sets the margins of every cell of the selected table row.</source>
            <translation>Legt die Ränder jeder Zelle der ausgewählten Tabellenzeile fest.</translation>
        </message>
        <message>
            <source>Sets the margins of every cell of the selected table.</source>
            <translation>Legt die Ränder jeder Zelle der ausgewählten Tabelle fest.</translation>
        </message>
        <message>
            <source>Select a table cell, row or table to set its cell margins.</source>
            <translation>Wählen Sie eine Tabellenzelle, -zeile oder Tabelle aus, um ihre Zellenränder festzulegen.</translation>
        </message>
        <message>
            <source>Cell Margins</source>
            <translation>Zellenränder</translation>
        </message>
        <message>
            <source>&amp;Cell Margins...</source>
            <translation>&amp;Zellenränder...</translation>
        </message>
        <message>
            <source>Insert Conditional Section (Inline)</source>
            <translation>Bedingten Abschnitt einfügen (Inline)</translation>
        </message>
        <message>
            <source>Insert Conditional Section (Block)</source>
            <translation>Bedingten Abschnitt einfügen (Block)</translation>
        </message>
        <message>
            <source>Conditional Section</source>
            <translation>Bedingter Abschnitt</translation>
        </message>
        <message>
            <source>Conditional Section (&amp;Block)...</source>
            <translation>Bedingter Abschnitt (&amp;Block)...</translation>
        </message>
        <message>
            <source>Conditional Section (&amp;Inline)...</source>
            <translation>Bedingter Abschnitt (&amp;Inline)...</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Schriftart</translation>
        </message>
        <message>
            <source>&amp;Font...</source>
            <translation>&amp;Schriftart...</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>&amp;Parameters...</source>
            <translation>&amp;Parameter...</translation>
        </message>
        <message>
            <source>The template has no flow to hold a table.</source>
            <translation>Die Vorlage hat keinen Fluss, der eine Tabelle aufnehmen kann.</translation>
        </message>
        <message>
            <source>Insert a table whose row repeats for each %1 of the sample data?
Choose No to design a table of your own.</source>
            <translation>Eine Tabelle einfügen, deren Zeile sich für jedes %1 der Beispieldaten wiederholt?
Wählen Sie Nein, um eine eigene Tabelle zu gestalten.</translation>
        </message>
        <message>
            <source>Insert Table</source>
            <translation>Tabelle einfügen</translation>
        </message>
        <message>
            <source>Table inserted into %1</source>
            <translation>Tabelle eingefügt in %1</translation>
        </message>
        <message>
            <source>&amp;Table...</source>
            <translation>&amp;Tabelle...</translation>
        </message>
        <message>
            <source>Edit Barcode</source>
            <translation>Barcode bearbeiten</translation>
        </message>
        <message>
            <source>Insert Barcode</source>
            <translation>Barcode einfügen</translation>
        </message>
        <message>
            <source>Select a barcode (km:barcode) first.</source>
            <translation>Wählen Sie zuerst einen Barcode (km:barcode).</translation>
        </message>
        <message>
            <source>Ba&amp;rcode...</source>
            <translation>Ba&amp;rcode...</translation>
        </message>
        <message>
            <source>B&amp;arcode...</source>
            <translation>Bar&amp;code...</translation>
        </message>
        <message>
            <source>Field Format</source>
            <translation>Feldformat</translation>
        </message>
        <message>
            <source>Select a data field (kmb:field) first.</source>
            <translation>Wählen Sie zuerst ein Datenfeld (kmb:field).</translation>
        </message>
        <message>
            <source>Fi&amp;eld Format...</source>
            <translation>Fe&amp;ldformat...</translation>
        </message>
        <message>
            <source>Conditional Formatting</source>
            <translation>Bedingte Formatierung</translation>
        </message>
        <message>
            <source>Co&amp;nditional Formatting...</source>
            <translation>Bedingte For&amp;matierung...</translation>
        </message>
        <message>
            <source>Insert Date and Time</source>
            <translation>Datum und Uhrzeit einfügen</translation>
        </message>
        <message>
            <source>&amp;Date and Time...</source>
            <translation>&amp;Datum und Uhrzeit...</translation>
        </message>
        <message>
            <source>Insert Hyperlink</source>
            <translation>Hyperlink einfügen</translation>
        </message>
        <message>
            <source>&amp;Hyperlink...</source>
            <translation>&amp;Hyperlink...</translation>
        </message>
        <message>
            <source>New Page Layout</source>
            <translation>Neues Seitenlayout</translation>
        </message>
        <message>
            <source>Page &amp;Layouts...</source>
            <translation>Seiten&amp;layouts...</translation>
        </message>
        <message>
            <source>Insert Page Number</source>
            <translation>Seitenzahl einfügen</translation>
        </message>
        <message>
            <source>Page &amp;Number...</source>
            <translation>Seiten&amp;zahl...</translation>
        </message>
        <message>
            <source>The template has no page sequence with page layouts.</source>
            <translation>Die Vorlage hat keine Seitenfolge mit Seitenlayouts.</translation>
        </message>
        <message>
            <source>Page Sets</source>
            <translation>Seitensätze</translation>
        </message>
        <message>
            <source>Page &amp;Sets...</source>
            <translation>Seiten&amp;sätze...</translation>
        </message>
    </context>
    <context>
        <name>EditConditionalValuesDlg</name>
        <message>
            <source>Conditional Values</source>
            <translation>Bedingte Werte</translation>
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
        <message>
            <source>&amp;Static value</source>
            <translation>&amp;Statischer Wert</translation>
        </message>
        <message>
            <source>&amp;Dynamic value from input XML</source>
            <translation>&amp;Dynamischer Wert aus den Eingabe-XML-Daten</translation>
        </message>
        <message>
            <source>Dynamic</source>
            <translation>Dynamisch</translation>
        </message>
        <message>
            <source>Static</source>
            <translation>Statisch</translation>
        </message>
        <message>
            <source>The condition "&lt;default value&gt;" is reserved for the default value. Please enter another condition.</source>
            <translation>Die Bedingung "&lt;default value&gt;" ist dem Standardwert vorbehalten. Bitte geben Sie eine andere Bedingung ein.</translation>
        </message>
    </context>
    <context>
        <name>EditDatasourceNodeDlg</name>
        <message>
            <source>Edit Node</source>
            <translation>Knoten bearbeiten</translation>
        </message>
        <message>
            <source>Node</source>
            <translation>Knoten</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Value:</source>
            <translation>Wert:</translation>
        </message>
        <message>
            <source>Edit Element</source>
            <translation>Element bearbeiten</translation>
        </message>
        <message>
            <source>Element</source>
            <translation>Element</translation>
        </message>
        <message>
            <source>Edit Attribtue</source>
            <translation>Attribut bearbeiten</translation>
        </message>
        <message>
            <source>Attribute</source>
            <translation>Attribut</translation>
        </message>
        <message>
            <source>Insert Element</source>
            <translation>Element einfügen</translation>
        </message>
        <message>
            <source>Insert Attribute</source>
            <translation>Attribut einfügen</translation>
        </message>
        <message>
            <source>Please a valid name</source>
            <translation>Bitte einen gültigen Namen eingeben</translation>
        </message>
    </context>
    <context>
        <name>EditPageSetDlg</name>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Hinzufügen</translation>
        </message>
        <message>
            <source>R&amp;emove</source>
            <translation>&amp;Entfernen</translation>
        </message>
        <message>
            <source>&amp;Up</source>
            <translation>Nach &amp;oben</translation>
        </message>
        <message>
            <source>&amp;Down</source>
            <translation>Nach &amp;unten</translation>
        </message>
        <message>
            <source>Dynamic Page Set</source>
            <translation>Dynamischer Seitensatz</translation>
        </message>
        <message>
            <source>&amp;Repeat for XPath:</source>
            <translation>&amp;Wiederholen für XPath:</translation>
        </message>
        <message>
            <source>&amp;Condition:</source>
            <translation>&amp;Bedingung:</translation>
        </message>
        <message>
            <source>&amp;Sort:</source>
            <translation>&amp;Sortierung:</translation>
        </message>
        <message>
            <source>Parent Set:</source>
            <translation>Übergeordneter Satz:</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keiner</translation>
        </message>
    </context>
    <context>
        <name>EditPropertyValuesDlg</name>
        <message>
            <source>Property Value</source>
            <translation>Merkmalswert</translation>
        </message>
        <message>
            <source>&amp;Static value:</source>
            <translation>&amp;Statischer Wert:</translation>
        </message>
        <message>
            <source>&amp;Dynamic value from input XML:</source>
            <translation>&amp;Dynamischer Wert aus den Eingabe-XML-Daten:</translation>
        </message>
        <message>
            <source>&amp;Conditional values</source>
            <translation>&amp;Bedingte Werte</translation>
        </message>
        <message>
            <source>Edit Conditions...</source>
            <translation>Bedingungen bearbeiten...</translation>
        </message>
    </context>
    <context>
        <name>EditSortDlg</name>
        <message>
            <source>Edit Sort Conditions</source>
            <translation>Sortierungsbedingungen editieren</translation>
        </message>
        <message>
            <source>Sort Criteria:</source>
            <translation>Sortierkriterien:</translation>
        </message>
        <message>
            <source>XPath:</source>
            <translation>XPath:</translation>
        </message>
        <message>
            <source>Move Up</source>
            <translation>Nach oben</translation>
        </message>
        <message>
            <source>Move Down</source>
            <translation>Nach unten</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Hinzufügen</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Entfernen</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>Data Type:</source>
            <translation>Datentyp:</translation>
        </message>
        <message>
            <source>Sort Order:</source>
            <translation>Sortierfolge:</translation>
        </message>
        <message>
            <source>Case Order:</source>
            <translation>Groß-/Kleinschreibung:</translation>
        </message>
        <message>
            <source>A sort key cannot contain blanks or ";": %1</source>
            <translation>Ein Sortierschlüssel darf keine Leerzeichen und kein „;“ enthalten: %1</translation>
        </message>
    </context>
    <context>
        <name>EditVariablesDlg</name>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Document &amp;Parameters:</source>
            <translation>Dokument&amp;parameter:</translation>
        </message>
        <message>
            <source>&amp;Add ...</source>
            <translation>&amp;Hinzufügen ...</translation>
        </message>
        <message>
            <source>&amp;Edit ...</source>
            <translation>&amp;Bearbeiten ...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Abbrechen</translation>
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
        <name>FieldFormatCatalogue</name>
        <message>
            <source>(space)</source>
            <translation>(Leerzeichen)</translation>
        </message>
        <message>
            <source>€ Euro</source>
            <translation>€ Euro</translation>
        </message>
        <message>
            <source>$ Dollar</source>
            <translation>$ Dollar</translation>
        </message>
        <message>
            <source>¢ Cent</source>
            <translation>¢ Cent</translation>
        </message>
        <message>
            <source>₤ Lira</source>
            <translation>₤ Lira</translation>
        </message>
        <message>
            <source>£ Pound</source>
            <translation>£ Pfund</translation>
        </message>
        <message>
            <source>¥ Japanese yen</source>
            <translation>¥ Japanischer Yen</translation>
        </message>
        <message>
            <source>Ұ Chinese Renminbi yuan</source>
            <translation>Ұ Chinesischer Renminbi Yuan</translation>
        </message>
        <message>
            <source>^ Generic currency</source>
            <translation>^ Allgemeine Währung</translation>
        </message>
        <message>
            <source>฿ Thai baht</source>
            <translation>฿ Thailändischer Baht</translation>
        </message>
        <message>
            <source>₡ Colón</source>
            <translation>₡ Colón</translation>
        </message>
        <message>
            <source>₫ Vietnamese đồng</source>
            <translation>₫ Vietnamesischer Đồng</translation>
        </message>
        <message>
            <source>ƒ Aruban Florin</source>
            <translation>ƒ Aruba-Florin</translation>
        </message>
        <message>
            <source>₭ Lao kip</source>
            <translation>₭ Laotischer Kip</translation>
        </message>
        <message>
            <source>₥ Mill</source>
            <translation>₥ Mill</translation>
        </message>
        <message>
            <source>₦ Nigerian naira</source>
            <translation>₦ Nigerianischer Naira</translation>
        </message>
        <message>
            <source>P Botswana pula</source>
            <translation>P Botswanischer Pula</translation>
        </message>
        <message>
            <source>Q Guatemalan Quetzal</source>
            <translation>Q Guatemaltekischer Quetzal</translation>
        </message>
        <message>
            <source>R South African rand</source>
            <translation>R Südafrikanischer Rand</translation>
        </message>
        <message>
            <source>Sk Slovak koruna</source>
            <translation>Sk Slowakische Krone</translation>
        </message>
        <message>
            <source>₨ Rupee</source>
            <translation>₨ Rupie</translation>
        </message>
        <message>
            <source>Rp rupiah in Indonesia</source>
            <translation>Rp Indonesische Rupiah</translation>
        </message>
        <message>
            <source>R$ Brazilian real</source>
            <translation>R$ Brasilianischer Real</translation>
        </message>
        <message>
            <source>S/. Peruvian sol</source>
            <translation>S/. Peruanischer Sol</translation>
        </message>
        <message>
            <source>₮ Mongolian tögrög</source>
            <translation>₮ Mongolischer Tögrög</translation>
        </message>
        <message>
            <source>₩ Korean won</source>
            <translation>₩ Koreanischer Won</translation>
        </message>
        <message>
            <source>₪ Israeli new sheqel</source>
            <translation>₪ Neuer Israelischer Schekel</translation>
        </message>
        <message>
            <source>Lm Malta Lira</source>
            <translation>Lm Maltesische Lira</translation>
        </message>
        <message>
            <source>Br Belarusian Rouble</source>
            <translation>Br Belarussischer Rubel</translation>
        </message>
        <message>
            <source>zł Polish Zloty</source>
            <translation>zł Polnischer Złoty</translation>
        </message>
        <message>
            <source>1,234.5 - US Number Format.</source>
            <translation>1,234.5 - US-Zahlenformat.</translation>
        </message>
        <message>
            <source>1.234,5 - Europe Number Format.</source>
            <translation>1.234,5 - Europäisches Zahlenformat.</translation>
        </message>
        <message>
            <source>$1,234.5 - US Currency Format 1.</source>
            <translation>$1,234.5 - US-Währungsformat 1.</translation>
        </message>
        <message>
            <source>1.234,5€ - Europe Currency Format 1.</source>
            <translation>1.234,5€ - Europäisches Währungsformat 1.</translation>
        </message>
        <message>
            <source>£1,234.5 - UK Currency Format 1.</source>
            <translation>£1,234.5 - Britisches Währungsformat 1.</translation>
        </message>
        <message>
            <source>1,234.5$ - US Currency Format 2.</source>
            <translation>1,234.5$ - US-Währungsformat 2.</translation>
        </message>
        <message>
            <source>€1.234,5 - Europe Currency Format 2.</source>
            <translation>€1.234,5 - Europäisches Währungsformat 2.</translation>
        </message>
        <message>
            <source>1,234.5£ - UK Currency Format 2.</source>
            <translation>1,234.5£ - Britisches Währungsformat 2.</translation>
        </message>
        <message>
            <source>Extract year and month: 2008-10</source>
            <translation>Jahr und Monat übernehmen: 2008-10</translation>
        </message>
        <message>
            <source>Extract year: 2008</source>
            <translation>Jahr übernehmen: 2008</translation>
        </message>
        <message>
            <source>Extract month and day: 10-24</source>
            <translation>Monat und Tag übernehmen: 10-24</translation>
        </message>
        <message>
            <source>Extract month: 10</source>
            <translation>Monat übernehmen: 10</translation>
        </message>
        <message>
            <source>Extract day: 24</source>
            <translation>Tag übernehmen: 24</translation>
        </message>
    </context>
    <context>
        <name>FontEditorDlg</name>
        <message>
            <source>Font</source>
            <translation>Schriftart</translation>
        </message>
        <message>
            <source>Font &amp;Family:</source>
            <translation>Schrift&amp;art:</translation>
        </message>
        <message>
            <source>Font St&amp;yle:</source>
            <translation>Schrift&amp;schnitt:</translation>
        </message>
        <message>
            <source>&amp;Size:</source>
            <translation>&amp;Größe:</translation>
        </message>
        <message>
            <source>Font &amp;Color:</source>
            <translation>Schrift&amp;farbe:</translation>
        </message>
        <message>
            <source>&amp;Underline Style:</source>
            <translation>&amp;Unterstreichung:</translation>
        </message>
        <message>
            <source>&amp;Linethrough</source>
            <translation>&amp;Durchgestrichen</translation>
        </message>
        <message>
            <source>&amp;Double Linethrough</source>
            <translation>Doppelt durchgestri&amp;chen</translation>
        </message>
        <message>
            <source>&amp;Overline</source>
            <translation>Ü&amp;berstrichen</translation>
        </message>
        <message>
            <source>Dou&amp;ble Overline</source>
            <translation>Doppelt überstric&amp;hen</translation>
        </message>
        <message>
            <source>Small C&amp;aps</source>
            <translation>&amp;Kapitälchen</translation>
        </message>
        <message>
            <source>Capi&amp;talize</source>
            <translation>&amp;Wortanfänge groß</translation>
        </message>
        <message>
            <source>Lo&amp;wercase</source>
            <translation>Klei&amp;nbuchstaben</translation>
        </message>
        <message>
            <source>U&amp;ppercase</source>
            <translation>Gr&amp;oßbuchstaben</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Vorschau:</translation>
        </message>
        <message>
            <source>Enter a font size between %1 and %2 points.</source>
            <translation>Geben Sie eine Schriftgröße zwischen %1 und %2 Punkt ein.</translation>
        </message>
    </context>
    <context>
        <name>FontToggleActions</name>
        <message>
            <source>B&amp;old</source>
            <translation>&amp;Fett</translation>
        </message>
        <message>
            <source>&amp;Italic</source>
            <translation>&amp;Kursiv</translation>
        </message>
        <message>
            <source>&amp;Underline</source>
            <translation>&amp;Unterstrichen</translation>
        </message>
        <message>
            <source>Open a template first.</source>
            <translation>Öffnen Sie zuerst eine Vorlage.</translation>
        </message>
        <message>
            <source>Select an object in a flow to format its text.</source>
            <translation>Wählen Sie ein Objekt in einem Textfluss aus, um seinen Text zu formatieren.</translation>
        </message>
    </context>
    <context>
        <name>FormatConditionDlg</name>
        <message>
            <source>Add/Edit Formatting Condition</source>
            <translation>Formatierungsbedingung hinzufügen/bearbeiten</translation>
        </message>
        <message>
            <source>Target Object:</source>
            <translation>Zielobjekt:</translation>
        </message>
        <message>
            <source>Condition definition</source>
            <translation>Bedingungsdefinition</translation>
        </message>
        <message>
            <source>Property Name:</source>
            <translation>Eigenschaftsname:</translation>
        </message>
        <message>
            <source>Property Value:</source>
            <translation>Eigenschaftswert:</translation>
        </message>
        <message>
            <source>Condition:</source>
            <translation>Bedingung:</translation>
        </message>
        <message>
            <source>Left %1</source>
            <translation>%1 links</translation>
        </message>
        <message>
            <source>Right %1</source>
            <translation>%1 rechts</translation>
        </message>
        <message>
            <source>Top %1</source>
            <translation>%1 oben</translation>
        </message>
        <message>
            <source>Bottom %1</source>
            <translation>%1 unten</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Weitere</translation>
        </message>
    </context>
    <context>
        <name>FormatFieldDlg</name>
        <message>
            <source>Format Field</source>
            <translation>Feld formatieren</translation>
        </message>
    </context>
    <context>
        <name>InsertBarcodeDlg</name>
        <message>
            <source>Insert Barcode</source>
            <translation>Barcode einfügen</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Vorschau:</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Eigenschaften</translation>
        </message>
        <message>
            <source>Barcode &amp;Type:</source>
            <translation>Barcode-&amp;Typ:</translation>
        </message>
        <message>
            <source>&amp;Value:</source>
            <translation>&amp;Wert:</translation>
        </message>
        <message>
            <source>&amp;Draw Text</source>
            <translation>Text &amp;zeichnen</translation>
        </message>
        <message>
            <source>&amp;Hex Value</source>
            <translation>&amp;Hexadezimalwert</translation>
        </message>
        <message>
            <source>Rotation</source>
            <translation>Drehung</translation>
        </message>
        <message>
            <source>&amp;0° (None)</source>
            <translation>&amp;0° (Keine)</translation>
        </message>
        <message>
            <source>&amp;90° (To Right)</source>
            <translation>&amp;90° (Nach rechts)</translation>
        </message>
        <message>
            <source>&amp;180°(Reverse)</source>
            <translation>&amp;180° (Umgekehrt)</translation>
        </message>
        <message>
            <source>&amp;270°(To Left)</source>
            <translation>&amp;270° (Nach links)</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Vorschau</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Beschreibung</translation>
        </message>
        <message>
            <source>Please select barcode type.</source>
            <translation>Bitte wählen Sie den Barcode-Typ.</translation>
        </message>
    </context>
    <context>
        <name>InsertConditionalSectionsDlg</name>
        <message>
            <source>Insert Conditional Sections</source>
            <translation>Bedingte Abschnitte einfügen</translation>
        </message>
        <message>
            <source>Conditions:</source>
            <translation>Bedingungen:</translation>
        </message>
        <message>
            <source>Edit conditions in the list below:</source>
            <translation>Bearbeiten Sie die Bedingungen in der Liste unten:</translation>
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
        <message>
            <source>&lt;new condition&gt;</source>
            <translation>&lt;neue Bedingung&gt;</translation>
        </message>
        <message>
            <source>A condition cannot be empty.</source>
            <translation>Eine Bedingung darf nicht leer sein.</translation>
        </message>
    </context>
    <context>
        <name>InsertDateTime</name>
        <message>
            <source>Insert Date and Time</source>
            <translation>Datum und Uhrzeit einfügen</translation>
        </message>
        <message>
            <source>Available Formats:</source>
            <translation>Verfügbare Formate:</translation>
        </message>
        <message>
            <source>Effective Format:</source>
            <translation>Wirksames Format:</translation>
        </message>
        <message>
            <source>Update Automatically</source>
            <translation>Automatisch aktualisieren</translation>
        </message>
    </context>
    <context>
        <name>InsertHyperlinkDlg</name>
        <message>
            <source>Insert Hyperlink</source>
            <translation>Hyperlink einfügen</translation>
        </message>
        <message>
            <source>Display Text:</source>
            <translation>Anzeigetext:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Adresse:</translation>
        </message>
        <message>
            <source>Complex title!</source>
            <translation>Komplexer Titel!</translation>
        </message>
    </context>
    <context>
        <name>InsertPageNumberDlg</name>
        <message>
            <source>Insert Page Numbers</source>
            <translation>Seitenzahlen einfügen</translation>
        </message>
        <message>
            <source>Element &amp;Type:</source>
            <translation>Element&amp;typ:</translation>
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation>&amp;Format:</translation>
        </message>
    </context>
    <context>
        <name>InsertTableDlg</name>
        <message>
            <source>Insert Table</source>
            <translation>Tabelle einfügen</translation>
        </message>
        <message>
            <source>&amp;Rows:</source>
            <translation>&amp;Zeilen:</translation>
        </message>
        <message>
            <source>Col&amp;umns:</source>
            <translation>&amp;Spalten:</translation>
        </message>
        <message>
            <source>&amp;Header</source>
            <translation>&amp;Kopfzeile</translation>
        </message>
        <message>
            <source>&amp;Footer</source>
            <translation>&amp;Fußzeile</translation>
        </message>
        <message>
            <source>&amp;Autoformat</source>
            <translation>&amp;Autoformat</translation>
        </message>
        <message>
            <source>&amp;Custom</source>
            <translation>Ben&amp;utzerdefiniert</translation>
        </message>
        <message>
            <source>&amp;Borders</source>
            <translation>&amp;Rahmen</translation>
        </message>
        <message>
            <source>&amp;Has borders</source>
            <translation>Mi&amp;t Rahmen</translation>
        </message>
        <message>
            <source>C&amp;ollapse borders</source>
            <translation>Rahmen zusa&amp;mmenfassen</translation>
        </message>
        <message>
            <source>&amp;Width:</source>
            <translation>&amp;Breite:</translation>
        </message>
        <message>
            <source>&amp;Style:</source>
            <translation>St&amp;il:</translation>
        </message>
        <message>
            <source>Colo&amp;r:</source>
            <translation>Farb&amp;e:</translation>
        </message>
        <message>
            <source>&amp;Cells</source>
            <translation>Ze&amp;llen</translation>
        </message>
        <message>
            <source>&amp;Padding:</source>
            <translation>In&amp;nenabstand:</translation>
        </message>
        <message>
            <source>&amp;Vertical Align:</source>
            <translation>&amp;Vertikal ausrichten:</translation>
        </message>
        <message>
            <source>&amp;Horizontal Align:</source>
            <translation>&amp;Horizontal ausrichten:</translation>
        </message>
        <message>
            <source>Please enter an integer.</source>
            <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
        </message>
        <message>
            <source>Please enter a number.</source>
            <translation>Bitte geben Sie eine Zahl ein.</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
        </message>
        <message>
            <source>The table format "%1" cannot be used: its %2 section does not start with a row of three cells.</source>
            <translation>Das Tabellenformat „%1“ ist unbrauchbar: sein Abschnitt %2 beginnt nicht mit einer Zeile aus drei Zellen.</translation>
        </message>
        <message>
            <source>The table format "%1" holds no table.</source>
            <translation>Das Tabellenformat „%1“ enthält keine Tabelle.</translation>
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
        <name>NewTemplateDialog</name>
        <message>
            <source>New Template</source>
            <translation>Neue Vorlage</translation>
        </message>
        <message>
            <source>Start from:</source>
            <translation>Ausgehen von:</translation>
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
        <name>PaddingPage</name>
        <message>
            <source>Padding Properties</source>
            <translation>Innenabstände</translation>
        </message>
        <message>
            <source>&amp;Left:</source>
            <translation>&amp;Links:</translation>
        </message>
        <message>
            <source>&amp;Top:</source>
            <translation>&amp;Oben:</translation>
        </message>
        <message>
            <source>&amp;Right:</source>
            <translation>&amp;Rechts:</translation>
        </message>
        <message>
            <source>&amp;Bottom:</source>
            <translation>&amp;Unten:</translation>
        </message>
    </context>
    <context>
        <name>PageLayoutDlg</name>
        <message>
            <source>Page Layout</source>
            <translation>Seitenlayout</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Vorschau:</translation>
        </message>
    </context>
    <context>
        <name>PageLayoutList</name>
        <message>
            <source>Page Layouts</source>
            <translation>Seitenlayouts</translation>
        </message>
        <message>
            <source>&amp;New...</source>
            <translation>&amp;Neu...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Bearbeiten...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>a page sequence</source>
            <translation>eine Seitenfolge</translation>
        </message>
        <message>
            <source>the page set "%1"</source>
            <translation>der Seitensatz „%1“</translation>
        </message>
        <message>
            <source>The page layout "%1" cannot be deleted: %2 uses it.</source>
            <translation>Das Seitenlayout „%1“ kann nicht gelöscht werden: %2 verwendet es.</translation>
        </message>
        <message>
            <source>New Page Layout</source>
            <translation>Neues Seitenlayout</translation>
        </message>
        <message>
            <source>The template has no layout master set to add the page layout to.</source>
            <translation>Die Vorlage hat keinen Layout-Master-Satz, dem das Seitenlayout hinzugefügt werden könnte.</translation>
        </message>
        <message>
            <source>Page Layout</source>
            <translation>Seitenlayout</translation>
        </message>
        <message>
            <source>Delete Page Layout</source>
            <translation>Seitenlayout löschen</translation>
        </message>
    </context>
    <context>
        <name>PageMasterNameDlg</name>
        <message>
            <source>Page Layout Name</source>
            <translation>Name des Seitenlayouts</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Name:</translation>
        </message>
    </context>
    <context>
        <name>PagePropertiesPPage</name>
        <message>
            <source>Page Format:</source>
            <translation>Seitenformat:</translation>
        </message>
        <message>
            <source>&amp;Page Dimensions</source>
            <translation>&amp;Seitenmaße</translation>
        </message>
        <message>
            <source>Width:</source>
            <translation>Breite:</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Höhe:</translation>
        </message>
        <message>
            <source>&amp;Margins</source>
            <translation>&amp;Ränder</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Links:</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Rechts:</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Oben:</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Unten:</translation>
        </message>
        <message>
            <source>%1 Landscape</source>
            <extracomment>A page format turned on its side; %1 is the format's name ("A4"), which must come first and be followed by a blank.</extracomment>
            <translation>%1 Querformat</translation>
        </message>
    </context>
    <context>
        <name>PageRegionPPage</name>
        <message>
            <source>Choose &amp;Region:</source>
            <translation>&amp;Bereich wählen:</translation>
        </message>
        <message>
            <source>&amp;Visible</source>
            <translation>&amp;Sichtbar</translation>
        </message>
        <message>
            <source>&amp;Padding</source>
            <translation>&amp;Innenabstand</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Links:</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Rechts:</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Oben:</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Unten:</translation>
        </message>
        <message>
            <source>Content &amp;Orientation:</source>
            <translation>Inhalts&amp;drehung:</translation>
        </message>
        <message>
            <source>Vertical Alignment:</source>
            <translation>Vertikale Ausrichtung:</translation>
        </message>
        <message>
            <source>&amp;Margins</source>
            <translation>&amp;Ränder</translation>
        </message>
        <message>
            <source>Column Count:</source>
            <translation>Spaltenanzahl:</translation>
        </message>
        <message>
            <source>Column Gap:</source>
            <translation>Spaltenabstand:</translation>
        </message>
        <message>
            <source>&amp;Extent:</source>
            <translation>&amp;Ausdehnung:</translation>
        </message>
        <message>
            <source>&amp;Precedence</source>
            <translation>&amp;Vorrang</translation>
        </message>
        <message>
            <source>&amp;Borders and Background ...</source>
            <translation>Rahmen und &amp;Hintergrund ...</translation>
        </message>
    </context>
    <context>
        <name>ParagraphAlignIndentPage</name>
        <message>
            <source>Text &amp;Align:</source>
            <translation>&amp;Textausrichtung:</translation>
        </message>
        <message>
            <source>&amp;Start Indent:</source>
            <translation>Einzug am &amp;Anfang:</translation>
        </message>
        <message>
            <source>&amp;End Indent:</source>
            <translation>Einzug am &amp;Ende:</translation>
        </message>
        <message>
            <source>&amp;First Line Start Indent:</source>
            <translation>Einzug der e&amp;rsten Zeile:</translation>
        </message>
        <message>
            <source>&amp;Last Line End Indent:</source>
            <translation>Einzug am Ende der &amp;letzten Zeile:</translation>
        </message>
    </context>
    <context>
        <name>ParagraphBreaksHyphenPage</name>
        <message>
            <source>Keep With &amp;Next</source>
            <translation>Mit &amp;nächstem zusammenhalten</translation>
        </message>
        <message>
            <source>Keep With &amp;Previous</source>
            <translation>Mit &amp;vorherigem zusammenhalten</translation>
        </message>
        <message>
            <source>Keep &amp;Toghether</source>
            <translation>Absatz &amp;zusammenhalten</translation>
        </message>
        <message>
            <source>&amp;Widows:</source>
            <translation>&amp;Hurenkinder:</translation>
        </message>
        <message>
            <source>O&amp;rphans:</source>
            <translation>&amp;Schusterjungen:</translation>
        </message>
        <message>
            <source>Use &amp;hyphenation</source>
            <translation>Silbentrennung ver&amp;wenden</translation>
        </message>
        <message>
            <source>Span All Col&amp;umns</source>
            <translation>Über alle S&amp;palten</translation>
        </message>
        <message>
            <source>Widows: enter a whole number of lines from 0 to %1.</source>
            <translation>Hurenkinder: Geben Sie eine ganze Zahl von Zeilen zwischen 0 und %1 ein.</translation>
        </message>
        <message>
            <source>Orphans: enter a whole number of lines from 0 to %1.</source>
            <translation>Schusterjungen: Geben Sie eine ganze Zahl von Zeilen zwischen 0 und %1 ein.</translation>
        </message>
    </context>
    <context>
        <name>ParagraphEditDlg</name>
        <message>
            <source>Paragraph</source>
            <translation>Absatz</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Vorschau:</translation>
        </message>
    </context>
    <context>
        <name>ParameterNames</name>
        <message numerus="yes">
            <source>%n parameter(s) without a name</source>
            <translation>
                <numerusform>%n Parameter ohne Namen</numerusform>
                <numerusform>%n Parameter ohne Namen</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>"%1" %n times</source>
            <translation>
                <numerusform>„%1“ %n-mal</numerusform>
                <numerusform>„%1“ %n-mal</numerusform>
            </translation>
        </message>
        <message>
            <source>"%1" is not a name</source>
            <translation>„%1“ ist kein gültiger Name</translation>
        </message>
    </context>
    <context>
        <name>PredefinedTablesPage</name>
        <message>
            <source>Table Format:</source>
            <translation>Tabellenformat:</translation>
        </message>
        <message>
            <source>&amp;Preview:</source>
            <translation>&amp;Vorschau:</translation>
        </message>
    </context>
    <context>
        <name>PropertyInspector</name>
        <message>
            <source>Add a property the object accepts</source>
            <translation>Eine Eigenschaft hinzufügen, die das Objekt annimmt</translation>
        </message>
        <message>
            <source>No object selected</source>
            <translation>Kein Objekt ausgewählt</translation>
        </message>
        <message>
            <source>Add property...</source>
            <translation>Eigenschaft hinzufügen...</translation>
        </message>
        <message>
            <source>Remove Property</source>
            <translation>Eigenschaft entfernen</translation>
        </message>
        <message>
            <source>Remove %1</source>
            <translation>%1 entfernen</translation>
        </message>
    </context>
    <context>
        <name>ReferenceInfo</name>
        <message>
            <source>All Pages</source>
            <translation>Alle Seiten</translation>
        </message>
        <message>
            <source>One Time Only</source>
            <translation>Einmalig</translation>
        </message>
        <message>
            <source>Multiple Times, No Limit</source>
            <translation>Mehrmals, unbegrenzt</translation>
        </message>
        <message>
            <source>Multiple Times, at Most %1</source>
            <translation>Mehrmals, höchstens %1</translation>
        </message>
    </context>
    <context>
        <name>RowsGroupDlg</name>
        <message>
            <source>Group By</source>
            <translation>Gruppieren nach</translation>
        </message>
        <message>
            <source>Row Group</source>
            <translation>Zeilengruppe</translation>
        </message>
        <message>
            <source>Group &amp;Context:</source>
            <translation>Gruppen&amp;kontext:</translation>
        </message>
        <message>
            <source>&amp;Group By XPath:</source>
            <translation>&amp;Gruppieren nach XPath:</translation>
        </message>
        <message>
            <source>&amp;Merge content with first row</source>
            <translation>Inhalt mit erster Zeile &amp;zusammenführen</translation>
        </message>
    </context>
    <context>
        <name>SamplePane</name>
        <message>
            <source>Filter the sample data</source>
            <translation>Beispieldaten filtern</translation>
        </message>
        <message>
            <source>Insert Element...</source>
            <translation>Element einfügen...</translation>
        </message>
        <message>
            <source>Insert Attribute...</source>
            <translation>Attribut einfügen...</translation>
        </message>
        <message>
            <source>Edit Node...</source>
            <translation>Knoten bearbeiten...</translation>
        </message>
        <message>
            <source>Delete Node</source>
            <translation>Knoten löschen</translation>
        </message>
        <message>
            <source>Copy XPath</source>
            <translation>XPath kopieren</translation>
        </message>
        <message>
            <source>Save Sample Data</source>
            <translation>Beispieldaten speichern</translation>
        </message>
        <message>
            <source>No sample data</source>
            <translation>Keine Beispieldaten</translation>
        </message>
        <message>
            <source>Save Sample Data As</source>
            <translation>Beispieldaten speichern unter</translation>
        </message>
        <message>
            <source>XML files (*.xml);;All files (*)</source>
            <translation>XML-Dateien (*.xml);;Alle Dateien (*)</translation>
        </message>
    </context>
    <context>
        <name>SampleXml</name>
        <message>
            <source>There is not enough memory to hold the sample data.</source>
            <translation>Für die Beispieldaten ist nicht genügend Arbeitsspeicher vorhanden.</translation>
        </message>
        <message>
            <source>The output of the data aggregation file describes no element.</source>
            <translation>Die Ausgabe der Datenaggregationsdatei beschreibt kein Element.</translation>
        </message>
        <message>
            <source>The %1 described at line %2 of the data aggregation file has no name.</source>
            <translation>Das in Zeile %2 der Datenaggregationsdatei beschriebene Element „%1“ hat keinen Namen.</translation>
        </message>
    </context>
    <context>
        <name>SourceFindReplace</name>
        <message>
            <source>Cannot find "%1".</source>
            <translation>„%1“ wurde nicht gefunden.</translation>
        </message>
        <message numerus="yes">
            <source>%n occurrence(s) replaced.</source>
            <translation>
                <numerusform>%n Vorkommen ersetzt.</numerusform>
                <numerusform>%n Vorkommen ersetzt.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>SourceSearch</name>
        <message>
            <source>The regular expression is not valid: %1 (at position %2).</source>
            <translation>Der reguläre Ausdruck ist ungültig: %1 (an Position %2).</translation>
        </message>
    </context>
    <context>
        <name>StarterTemplates</name>
        <message>
            <source>Blank A4 page</source>
            <translation>Leere A4-Seite</translation>
        </message>
        <message>
            <source>An empty A4 page (21 × 29.7 cm) with 2 cm margins and one block to start from.</source>
            <translation>Eine leere A4-Seite (21 × 29,7 cm) mit 2 cm Rand und einem Block für den Anfang.</translation>
        </message>
        <message>
            <source>Blank Letter page</source>
            <translation>Leere Letter-Seite</translation>
        </message>
        <message>
            <source>An empty US Letter page (8.5 × 11 in) with 1 in margins and one block to start from.</source>
            <translation>Eine leere US-Letter-Seite (8,5 × 11 in) mit 1 in Rand und einem Block für den Anfang.</translation>
        </message>
        <message>
            <source>Invoice</source>
            <translation>Rechnung</translation>
        </message>
        <message>
            <source>The sample invoice: letterhead, address, item table and totals, bound to its sample data.</source>
            <translation>Die Beispielrechnung: Briefkopf, Anschrift, Positionstabelle und Summen, an ihre Beispieldaten gebunden.</translation>
        </message>
    </context>
    <context>
        <name>SyntaxNames</name>
        <message>
            <source>Absolute Position</source>
            <translation>Absolute Positionierung</translation>
        </message>
        <message>
            <source>Accessibility</source>
            <translation>Barrierefreiheit</translation>
        </message>
        <message>
            <source>Active State</source>
            <translation>Aktiver Zustand</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>Alignment Adjust</source>
            <translation>Ausrichtungskorrektur</translation>
        </message>
        <message>
            <source>Alignment Baseline</source>
            <translation>Ausrichtungsgrundlinie</translation>
        </message>
        <message>
            <source>Allowed Height Scale</source>
            <translation>Zulässige Höhenskalierung</translation>
        </message>
        <message>
            <source>Allowed Width Scale</source>
            <translation>Zulässige Breitenskalierung</translation>
        </message>
        <message>
            <source>Alt Text</source>
            <translation>Alternativtext</translation>
        </message>
        <message>
            <source>Area Alignment</source>
            <translation>Bereichsausrichtung</translation>
        </message>
        <message>
            <source>Area Dimension</source>
            <translation>Bereichsgröße</translation>
        </message>
        <message>
            <source>Aural</source>
            <translation>Sprachausgabe</translation>
        </message>
        <message>
            <source>Author</source>
            <translation>Autor</translation>
        </message>
        <message>
            <source>Auto Restore</source>
            <translation>Automatisch zurücksetzen</translation>
        </message>
        <message>
            <source>Azimuth</source>
            <translation>Azimut</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Hintergrund</translation>
        </message>
        <message>
            <source>Background Attachment</source>
            <translation>Hintergrundfixierung</translation>
        </message>
        <message>
            <source>Background Color</source>
            <translation>Hintergrundfarbe</translation>
        </message>
        <message>
            <source>Background Image</source>
            <translation>Hintergrundbild</translation>
        </message>
        <message>
            <source>Background Position</source>
            <translation>Hintergrundposition</translation>
        </message>
        <message>
            <source>Background Position Horizontal</source>
            <translation>Horizontale Hintergrundposition</translation>
        </message>
        <message>
            <source>Background Position Vertical</source>
            <translation>Vertikale Hintergrundposition</translation>
        </message>
        <message>
            <source>Background Repeat</source>
            <translation>Hintergrundwiederholung</translation>
        </message>
        <message>
            <source>Background Size</source>
            <translation>Hintergrundgröße</translation>
        </message>
        <message>
            <source>Barcode</source>
            <translation>Barcode</translation>
        </message>
        <message>
            <source>Baseline Shift</source>
            <translation>Grundlinienversatz</translation>
        </message>
        <message>
            <source>Blank Or Not Blank</source>
            <translation>Leer oder nicht leer</translation>
        </message>
        <message>
            <source>Block Progression Dimension</source>
            <translation>Ausdehnung in Blockrichtung</translation>
        </message>
        <message>
            <source>Block and Line</source>
            <translation>Block und Zeile</translation>
        </message>
        <message>
            <source>Bookmarks</source>
            <translation>Lesezeichen</translation>
        </message>
        <message>
            <source>Border</source>
            <translation>Rahmen</translation>
        </message>
        <message>
            <source>Border After Color</source>
            <translation>Rahmenfarbe am Blockende</translation>
        </message>
        <message>
            <source>Border After Precedence</source>
            <translation>Rahmenvorrang am Blockende</translation>
        </message>
        <message>
            <source>Border After Style</source>
            <translation>Rahmenstil am Blockende</translation>
        </message>
        <message>
            <source>Border After Width</source>
            <translation>Rahmenbreite am Blockende</translation>
        </message>
        <message>
            <source>Border Before Color</source>
            <translation>Rahmenfarbe am Blockanfang</translation>
        </message>
        <message>
            <source>Border Before Precedence</source>
            <translation>Rahmenvorrang am Blockanfang</translation>
        </message>
        <message>
            <source>Border Before Style</source>
            <translation>Rahmenstil am Blockanfang</translation>
        </message>
        <message>
            <source>Border Before Width</source>
            <translation>Rahmenbreite am Blockanfang</translation>
        </message>
        <message>
            <source>Border Collapse</source>
            <translation>Rahmen zusammenfassen</translation>
        </message>
        <message>
            <source>Border Color</source>
            <translation>Rahmenfarbe</translation>
        </message>
        <message>
            <source>Border End Color</source>
            <translation>Rahmenfarbe am Zeilenende</translation>
        </message>
        <message>
            <source>Border End Precedence</source>
            <translation>Rahmenvorrang am Zeilenende</translation>
        </message>
        <message>
            <source>Border End Style</source>
            <translation>Rahmenstil am Zeilenende</translation>
        </message>
        <message>
            <source>Border End Width</source>
            <translation>Rahmenbreite am Zeilenende</translation>
        </message>
        <message>
            <source>Border Separation</source>
            <translation>Rahmenabstand</translation>
        </message>
        <message>
            <source>Border Spacing</source>
            <translation>Zellenabstand</translation>
        </message>
        <message>
            <source>Border Start Color</source>
            <translation>Rahmenfarbe am Zeilenanfang</translation>
        </message>
        <message>
            <source>Border Start Precedence</source>
            <translation>Rahmenvorrang am Zeilenanfang</translation>
        </message>
        <message>
            <source>Border Start Style</source>
            <translation>Rahmenstil am Zeilenanfang</translation>
        </message>
        <message>
            <source>Border Start Width</source>
            <translation>Rahmenbreite am Zeilenanfang</translation>
        </message>
        <message>
            <source>Border Style</source>
            <translation>Rahmenstil</translation>
        </message>
        <message>
            <source>Border Width</source>
            <translation>Rahmenbreite</translation>
        </message>
        <message>
            <source>Borders</source>
            <translation>Rahmen</translation>
        </message>
        <message>
            <source>Bottom</source>
            <translation>Unten</translation>
        </message>
        <message>
            <source>Box Shadow</source>
            <translation>Schlagschatten</translation>
        </message>
        <message>
            <source>Break After</source>
            <translation>Umbruch danach</translation>
        </message>
        <message>
            <source>Break Before</source>
            <translation>Umbruch davor</translation>
        </message>
        <message>
            <source>Caption Side</source>
            <translation>Position der Beschriftung</translation>
        </message>
        <message>
            <source>Case Name</source>
            <translation>Fallname</translation>
        </message>
        <message>
            <source>Case Order</source>
            <translation>Reihenfolge Groß-/Kleinschreibung</translation>
        </message>
        <message>
            <source>Case Title</source>
            <translation>Falltitel</translation>
        </message>
        <message>
            <source>Cdata Section Elements</source>
            <translation>Elemente mit CDATA-Abschnitten</translation>
        </message>
        <message>
            <source>Change Bar Class</source>
            <translation>Änderungsbalkenklasse</translation>
        </message>
        <message>
            <source>Change Bar Color</source>
            <translation>Änderungsbalkenfarbe</translation>
        </message>
        <message>
            <source>Change Bar Offset</source>
            <translation>Änderungsbalkenabstand</translation>
        </message>
        <message>
            <source>Change Bar Placement</source>
            <translation>Änderungsbalkenposition</translation>
        </message>
        <message>
            <source>Change Bar Style</source>
            <translation>Änderungsbalkenstil</translation>
        </message>
        <message>
            <source>Change Bar Width</source>
            <translation>Änderungsbalkenbreite</translation>
        </message>
        <message>
            <source>Change Bars</source>
            <translation>Änderungsbalken</translation>
        </message>
        <message>
            <source>Character</source>
            <translation>Zeichen</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Umfließen beenden</translation>
        </message>
        <message>
            <source>Clip</source>
            <translation>Beschneidung</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>Farbe</translation>
        </message>
        <message>
            <source>Color Profile Name</source>
            <translation>Farbprofilname</translation>
        </message>
        <message>
            <source>Column Count</source>
            <translation>Spaltenanzahl</translation>
        </message>
        <message>
            <source>Column Gap</source>
            <translation>Spaltenabstand</translation>
        </message>
        <message>
            <source>Column Number</source>
            <translation>Spaltennummer</translation>
        </message>
        <message>
            <source>Column Width</source>
            <translation>Spaltenbreite</translation>
        </message>
        <message>
            <source>Condition</source>
            <translation>Bedingung</translation>
        </message>
        <message>
            <source>Content Height</source>
            <translation>Inhaltshöhe</translation>
        </message>
        <message>
            <source>Content Type</source>
            <translation>Inhaltstyp</translation>
        </message>
        <message>
            <source>Content Width</source>
            <translation>Inhaltsbreite</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>Zählmuster</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>Land</translation>
        </message>
        <message>
            <source>Cue</source>
            <translation>Signalton</translation>
        </message>
        <message>
            <source>Cue After</source>
            <translation>Signalton danach</translation>
        </message>
        <message>
            <source>Cue Before</source>
            <translation>Signalton davor</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Daten</translation>
        </message>
        <message>
            <source>Data Type</source>
            <translation>Datentyp</translation>
        </message>
        <message>
            <source>Decimal Separator</source>
            <translation>Dezimaltrennzeichen</translation>
        </message>
        <message>
            <source>Designer</source>
            <translation>Designer</translation>
        </message>
        <message>
            <source>Destination Placement Offset</source>
            <translation>Versatz am Linkziel</translation>
        </message>
        <message>
            <source>Digit</source>
            <translation>Ziffernplatzhalter</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Schreibrichtung</translation>
        </message>
        <message>
            <source>Disable Output Escaping</source>
            <translation>Ausgabe-Maskierung abschalten</translation>
        </message>
        <message>
            <source>Display Align</source>
            <translation>Vertikale Ausrichtung</translation>
        </message>
        <message>
            <source>Display Marker</source>
            <translation>Markierung anzeigen</translation>
        </message>
        <message>
            <source>Doctype Public</source>
            <translation>Öffentlicher Doctype-Bezeichner</translation>
        </message>
        <message>
            <source>Doctype System</source>
            <translation>System-Doctype-Bezeichner</translation>
        </message>
        <message>
            <source>Document Information</source>
            <translation>Dokumentinformationen</translation>
        </message>
        <message>
            <source>Dominant Baseline</source>
            <translation>Dominante Grundlinie</translation>
        </message>
        <message>
            <source>Draw Text</source>
            <translation>Klartext anzeigen</translation>
        </message>
        <message>
            <source>Dynamic Effects</source>
            <translation>Dynamische Effekte</translation>
        </message>
        <message>
            <source>Elements</source>
            <translation>Elemente</translation>
        </message>
        <message>
            <source>Elevation</source>
            <translation>Höhenwinkel</translation>
        </message>
        <message>
            <source>Empty Cells</source>
            <translation>Leere Zellen</translation>
        </message>
        <message>
            <source>Encoding</source>
            <translation>Zeichenkodierung</translation>
        </message>
        <message>
            <source>End Indent</source>
            <translation>Einzug am Zeilenende</translation>
        </message>
        <message>
            <source>Ends Row</source>
            <translation>Beendet Zeile</translation>
        </message>
        <message>
            <source>Exclude Result Prefixes</source>
            <translation>Ausgeschlossene Ergebnispräfixe</translation>
        </message>
        <message>
            <source>Extended</source>
            <translation>Erweitert</translation>
        </message>
        <message>
            <source>Extension Element Prefixes</source>
            <translation>Präfixe von Erweiterungselementen</translation>
        </message>
        <message>
            <source>Extent</source>
            <translation>Ausdehnung</translation>
        </message>
        <message>
            <source>External Destination</source>
            <translation>Externes Linkziel</translation>
        </message>
        <message>
            <source>Float</source>
            <translation>Umfließen</translation>
        </message>
        <message>
            <source>Flow Map Name</source>
            <translation>Name der Flusszuordnung</translation>
        </message>
        <message>
            <source>Flow Map Reference</source>
            <translation>Verweis auf Flusszuordnung</translation>
        </message>
        <message>
            <source>Flow Name</source>
            <translation>Flussname</translation>
        </message>
        <message>
            <source>Flow Name Reference</source>
            <translation>Verweis auf Flussnamen</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Schrift</translation>
        </message>
        <message>
            <source>Font Family</source>
            <translation>Schriftfamilie</translation>
        </message>
        <message>
            <source>Font Selection Strategy</source>
            <translation>Schriftauswahlverfahren</translation>
        </message>
        <message>
            <source>Font Size</source>
            <translation>Schriftgröße</translation>
        </message>
        <message>
            <source>Font Size Adjust</source>
            <translation>Schriftgrößenanpassung</translation>
        </message>
        <message>
            <source>Font Stretch</source>
            <translation>Schriftbreite</translation>
        </message>
        <message>
            <source>Font Style</source>
            <translation>Schriftstil</translation>
        </message>
        <message>
            <source>Font Variant</source>
            <translation>Schriftvariante</translation>
        </message>
        <message>
            <source>Font Weight</source>
            <translation>Schriftstärke</translation>
        </message>
        <message>
            <source>Force Page Count</source>
            <translation>Seitenanzahl erzwingen</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>From</source>
            <translation>Zählbeginn</translation>
        </message>
        <message>
            <source>Glyph Orientation Horizontal</source>
            <translation>Glyphenausrichtung horizontal</translation>
        </message>
        <message>
            <source>Glyph Orientation Vertical</source>
            <translation>Glyphenausrichtung vertikal</translation>
        </message>
        <message>
            <source>Group By</source>
            <translation>Gruppieren nach</translation>
        </message>
        <message>
            <source>Group Context</source>
            <translation>Gruppenkontext</translation>
        </message>
        <message>
            <source>Group Merge</source>
            <translation>Gruppe zusammenführen</translation>
        </message>
        <message>
            <source>Grouping Separator</source>
            <translation>Tausendertrennzeichen</translation>
        </message>
        <message>
            <source>Grouping Size</source>
            <translation>Gruppengröße</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Höhe</translation>
        </message>
        <message>
            <source>Href</source>
            <translation>Verweisadresse</translation>
        </message>
        <message>
            <source>Hyphenate</source>
            <translation>Silben trennen</translation>
        </message>
        <message>
            <source>Hyphenation</source>
            <translation>Silbentrennung</translation>
        </message>
        <message>
            <source>Hyphenation Character</source>
            <translation>Trennzeichen</translation>
        </message>
        <message>
            <source>Hyphenation Keep</source>
            <translation>Trennung zusammenhalten</translation>
        </message>
        <message>
            <source>Hyphenation Ladder Count</source>
            <translation>Trennungen in Folge</translation>
        </message>
        <message>
            <source>Hyphenation Push Character Count</source>
            <translation>Mindestzeichen nach Trennung</translation>
        </message>
        <message>
            <source>Hyphenation Remain Character Count</source>
            <translation>Mindestzeichen vor Trennung</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Include Checksum</source>
            <translation>Prüfziffer einschließen</translation>
        </message>
        <message>
            <source>Indent</source>
            <translation>Einrücken</translation>
        </message>
        <message>
            <source>Index</source>
            <translation>Index</translation>
        </message>
        <message>
            <source>Index Class</source>
            <translation>Indexklasse</translation>
        </message>
        <message>
            <source>Index Key</source>
            <translation>Indexschlüssel</translation>
        </message>
        <message>
            <source>Indicate Destination</source>
            <translation>Linkziel hervorheben</translation>
        </message>
        <message>
            <source>Infinity</source>
            <translation>Unendlich</translation>
        </message>
        <message>
            <source>Initial Page Number</source>
            <translation>Erste Seitenzahl</translation>
        </message>
        <message>
            <source>Inline Progression Dimension</source>
            <translation>Ausdehnung in Zeilenrichtung</translation>
        </message>
        <message>
            <source>Internal Destination</source>
            <translation>Internes Linkziel</translation>
        </message>
        <message>
            <source>Intrinsic Scale Value</source>
            <translation>Eigene Skalierung</translation>
        </message>
        <message>
            <source>Intrusion Displace</source>
            <translation>Verdrängung durch Umfluss</translation>
        </message>
        <message>
            <source>Keep Together</source>
            <translation>Zusammenhalten</translation>
        </message>
        <message>
            <source>Keep With Next</source>
            <translation>Mit nächstem zusammenhalten</translation>
        </message>
        <message>
            <source>Keep With Previous</source>
            <translation>Mit vorigem zusammenhalten</translation>
        </message>
        <message>
            <source>Keeps and Breaks</source>
            <translation>Zusammenhalt und Umbrüche</translation>
        </message>
        <message>
            <source>Key</source>
            <translation>Schlüssel</translation>
        </message>
        <message>
            <source>Keywords</source>
            <translation>Stichwörter</translation>
        </message>
        <message>
            <source>Lang</source>
            <translation>Sprachcode</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Last Line End Indent</source>
            <translation>Einzug am Ende der letzten Zeile</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Layout</translation>
        </message>
        <message>
            <source>Leader Alignment</source>
            <translation>Füllzeichenausrichtung</translation>
        </message>
        <message>
            <source>Leader Length</source>
            <translation>Füllzeichenlänge</translation>
        </message>
        <message>
            <source>Leader Pattern</source>
            <translation>Füllzeichenmuster</translation>
        </message>
        <message>
            <source>Leader Pattern Width</source>
            <translation>Füllzeichenmusterbreite</translation>
        </message>
        <message>
            <source>Leader and Rule</source>
            <translation>Füllzeichen und Linie</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Links</translation>
        </message>
        <message>
            <source>Letter Spacing</source>
            <translation>Zeichenabstand</translation>
        </message>
        <message>
            <source>Letter Value</source>
            <translation>Buchstabenzählung</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Zählebene</translation>
        </message>
        <message>
            <source>Lighting Scheme</source>
            <translation>Beleuchtung</translation>
        </message>
        <message>
            <source>Line Height</source>
            <translation>Zeilenhöhe</translation>
        </message>
        <message>
            <source>Line Height Shift Adjustment</source>
            <translation>Zeilenhöhe bei Versatz</translation>
        </message>
        <message>
            <source>Line Stacking Strategy</source>
            <translation>Zeilenstapelung</translation>
        </message>
        <message>
            <source>Linefeed Treatment</source>
            <translation>Behandlung von Zeilenumbrüchen</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Karte</translation>
        </message>
        <message>
            <source>Map Type</source>
            <translation>Kartentyp</translation>
        </message>
        <message>
            <source>Margin</source>
            <translation>Außenabstand</translation>
        </message>
        <message>
            <source>Margin Bottom</source>
            <translation>Außenabstand unten</translation>
        </message>
        <message>
            <source>Margin Left</source>
            <translation>Außenabstand links</translation>
        </message>
        <message>
            <source>Margin Right</source>
            <translation>Außenabstand rechts</translation>
        </message>
        <message>
            <source>Margin Top</source>
            <translation>Außenabstand oben</translation>
        </message>
        <message>
            <source>Margins</source>
            <translation>Außenabstände</translation>
        </message>
        <message>
            <source>Marker Class Name</source>
            <translation>Markerklasse</translation>
        </message>
        <message>
            <source>Markers</source>
            <translation>Marker</translation>
        </message>
        <message>
            <source>Master Name</source>
            <translation>Vorlagenname</translation>
        </message>
        <message>
            <source>Master Reference</source>
            <translation>Verweis auf Seitenvorlage</translation>
        </message>
        <message>
            <source>Match</source>
            <translation>Muster</translation>
        </message>
        <message>
            <source>Max Height</source>
            <translation>Maximale Höhe</translation>
        </message>
        <message>
            <source>Max Width</source>
            <translation>Maximale Breite</translation>
        </message>
        <message>
            <source>Maximum Repeats</source>
            <translation>Maximale Wiederholungen</translation>
        </message>
        <message>
            <source>Media</source>
            <translation>Medien</translation>
        </message>
        <message>
            <source>Media Type</source>
            <translation>Medientyp</translation>
        </message>
        <message>
            <source>Media Usage</source>
            <translation>Mediennutzung</translation>
        </message>
        <message>
            <source>Merge Pages Across Index Key References</source>
            <translation>Seiten über Indexverweise hinweg zusammenfassen</translation>
        </message>
        <message>
            <source>Merge Ranges Across Index Key References</source>
            <translation>Seitenbereiche über Indexverweise hinweg zusammenfassen</translation>
        </message>
        <message>
            <source>Merge Sequential Page Numbers</source>
            <translation>Aufeinanderfolgende Seitenzahlen zusammenfassen</translation>
        </message>
        <message>
            <source>Meta Type</source>
            <translation>Knotentyp</translation>
        </message>
        <message>
            <source>Method</source>
            <translation>Ausgabemethode</translation>
        </message>
        <message>
            <source>Min Height</source>
            <translation>Minimale Höhe</translation>
        </message>
        <message>
            <source>Min Width</source>
            <translation>Minimale Breite</translation>
        </message>
        <message>
            <source>Minus Sign</source>
            <translation>Minuszeichen</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>Sonstiges</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>Modus</translation>
        </message>
        <message>
            <source>NaN</source>
            <translation>Keine Zahl (NaN)</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Namespace</source>
            <translation>Namensraum</translation>
        </message>
        <message>
            <source>Number Columns Repeated</source>
            <translation>Spaltenwiederholungen</translation>
        </message>
        <message>
            <source>Number Columns Spanned</source>
            <translation>Verbundene Spalten</translation>
        </message>
        <message>
            <source>Number Rows Spanned</source>
            <translation>Verbundene Zeilen</translation>
        </message>
        <message>
            <source>Number to String</source>
            <translation>Zahlendarstellung</translation>
        </message>
        <message>
            <source>Object</source>
            <translation>Objekt</translation>
        </message>
        <message>
            <source>Object ID</source>
            <translation>Objekt-ID</translation>
        </message>
        <message>
            <source>Odd Or Even</source>
            <translation>Gerade oder ungerade</translation>
        </message>
        <message>
            <source>Omit XML Declaration</source>
            <translation>XML-Deklaration weglassen</translation>
        </message>
        <message>
            <source>Order</source>
            <translation>Sortierrichtung</translation>
        </message>
        <message>
            <source>Orphans</source>
            <translation>Mindestzeilen am Seitenende</translation>
        </message>
        <message>
            <source>Overflow</source>
            <translation>Überlauf</translation>
        </message>
        <message>
            <source>Padding</source>
            <translation>Innenabstand</translation>
        </message>
        <message>
            <source>Padding After</source>
            <translation>Innenabstand am Blockende</translation>
        </message>
        <message>
            <source>Padding Before</source>
            <translation>Innenabstand am Blockanfang</translation>
        </message>
        <message>
            <source>Padding Bottom</source>
            <translation>Innenabstand unten</translation>
        </message>
        <message>
            <source>Padding End</source>
            <translation>Innenabstand am Zeilenende</translation>
        </message>
        <message>
            <source>Padding Left</source>
            <translation>Innenabstand links</translation>
        </message>
        <message>
            <source>Padding Right</source>
            <translation>Innenabstand rechts</translation>
        </message>
        <message>
            <source>Padding Start</source>
            <translation>Innenabstand am Zeilenanfang</translation>
        </message>
        <message>
            <source>Padding Top</source>
            <translation>Innenabstand oben</translation>
        </message>
        <message>
            <source>Page Break After</source>
            <translation>Seitenumbruch danach</translation>
        </message>
        <message>
            <source>Page Break Before</source>
            <translation>Seitenumbruch davor</translation>
        </message>
        <message>
            <source>Page Break Inside</source>
            <translation>Seitenumbruch innerhalb</translation>
        </message>
        <message>
            <source>Page Citation Strategy</source>
            <translation>Seitenverweisverfahren</translation>
        </message>
        <message>
            <source>Page Height</source>
            <translation>Seitenhöhe</translation>
        </message>
        <message>
            <source>Page Number Treatment</source>
            <translation>Darstellung der Seitenzahlen</translation>
        </message>
        <message>
            <source>Page Position</source>
            <translation>Seitenposition</translation>
        </message>
        <message>
            <source>Page Sets</source>
            <translation>Seitensätze</translation>
        </message>
        <message>
            <source>Page Width</source>
            <translation>Seitenbreite</translation>
        </message>
        <message>
            <source>Pagination</source>
            <translation>Seitenaufbau</translation>
        </message>
        <message>
            <source>Param Type</source>
            <translation>Parametertyp</translation>
        </message>
        <message>
            <source>Parent Set</source>
            <translation>Übergeordneter Seitensatz</translation>
        </message>
        <message>
            <source>Pattern Separator</source>
            <translation>Mustertrennzeichen</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Pause After</source>
            <translation>Pause danach</translation>
        </message>
        <message>
            <source>Pause Before</source>
            <translation>Pause davor</translation>
        </message>
        <message>
            <source>Per Mille</source>
            <translation>Promillezeichen</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>Prozentzeichen</translation>
        </message>
        <message>
            <source>Pitch</source>
            <translation>Tonhöhe</translation>
        </message>
        <message>
            <source>Pitch Range</source>
            <translation>Tonhöhenumfang</translation>
        </message>
        <message>
            <source>Play During</source>
            <translation>Hintergrundton</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Precedence</source>
            <translation>Vorrang</translation>
        </message>
        <message>
            <source>Prefix</source>
            <translation>Präfix</translation>
        </message>
        <message>
            <source>Preview Src</source>
            <translation>Vorschaubild</translation>
        </message>
        <message>
            <source>Priority</source>
            <translation>Priorität</translation>
        </message>
        <message>
            <source>Provisional Distance Between Starts</source>
            <translation>Abstand zwischen Marken- und Textanfang</translation>
        </message>
        <message>
            <source>Provisional Label Separation</source>
            <translation>Abstand nach der Marke</translation>
        </message>
        <message>
            <source>Ref ID</source>
            <translation>Verweis-ID</translation>
        </message>
        <message>
            <source>Ref Index Key</source>
            <translation>Verweis auf Indexschlüssel</translation>
        </message>
        <message>
            <source>Ref Type</source>
            <translation>Verweistyp</translation>
        </message>
        <message>
            <source>Reference Orientation</source>
            <translation>Drehung des Bezugsbereichs</translation>
        </message>
        <message>
            <source>Region Name</source>
            <translation>Bereichsname</translation>
        </message>
        <message>
            <source>Region Name Reference</source>
            <translation>Verweis auf Bereichsnamen</translation>
        </message>
        <message>
            <source>Relative Align</source>
            <translation>Relative Ausrichtung</translation>
        </message>
        <message>
            <source>Relative Position</source>
            <translation>Relative Positionierung</translation>
        </message>
        <message>
            <source>Rendering Intent</source>
            <translation>Renderpriorität</translation>
        </message>
        <message>
            <source>Repeated Element</source>
            <translation>Wiederholtes Element</translation>
        </message>
        <message>
            <source>Result Prefix</source>
            <translation>Ergebnispräfix</translation>
        </message>
        <message>
            <source>Retrieve Boundary</source>
            <translation>Abrufgrenze</translation>
        </message>
        <message>
            <source>Retrieve Boundary Within Table</source>
            <translation>Abrufgrenze in der Tabelle</translation>
        </message>
        <message>
            <source>Retrieve Class Name</source>
            <translation>Abgerufene Markerklasse</translation>
        </message>
        <message>
            <source>Retrieve Position</source>
            <translation>Abrufposition</translation>
        </message>
        <message>
            <source>Retrieve Position Within Table</source>
            <translation>Abrufposition in der Tabelle</translation>
        </message>
        <message>
            <source>Richness</source>
            <translation>Stimmfülle</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Rechts</translation>
        </message>
        <message>
            <source>Role</source>
            <translation>Rolle</translation>
        </message>
        <message>
            <source>Rotation</source>
            <translation>Drehung</translation>
        </message>
        <message>
            <source>Rule</source>
            <translation>Regel</translation>
        </message>
        <message>
            <source>Rule Style</source>
            <translation>Linienstil</translation>
        </message>
        <message>
            <source>Rule Thickness</source>
            <translation>Linienstärke</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Beispieldaten</translation>
        </message>
        <message>
            <source>Sample LFA</source>
            <translation>Beispiel-LFA</translation>
        </message>
        <message>
            <source>Sample XML</source>
            <translation>Beispiel-XML</translation>
        </message>
        <message>
            <source>Sample XSD</source>
            <translation>Beispiel-XSD</translation>
        </message>
        <message>
            <source>Scale Option</source>
            <translation>Skalierungsangabe</translation>
        </message>
        <message>
            <source>Scaling</source>
            <translation>Skalierung</translation>
        </message>
        <message>
            <source>Scaling Method</source>
            <translation>Skalierungsverfahren</translation>
        </message>
        <message>
            <source>Score Spaces</source>
            <translation>Leerzeichen unterstreichen</translation>
        </message>
        <message>
            <source>Script</source>
            <translation>Schriftsystem</translation>
        </message>
        <message>
            <source>Scripts</source>
            <translation>Skripte</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>Auswahl</translation>
        </message>
        <message>
            <source>Shorthands</source>
            <translation>Kurzformen</translation>
        </message>
        <message>
            <source>Show Destination</source>
            <translation>Linkziel anzeigen</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>Sort</source>
            <translation>Sortierung</translation>
        </message>
        <message>
            <source>Source Document</source>
            <translation>Quelldokument</translation>
        </message>
        <message>
            <source>Space After</source>
            <translation>Abstand nach</translation>
        </message>
        <message>
            <source>Space Before</source>
            <translation>Abstand vor</translation>
        </message>
        <message>
            <source>Space End</source>
            <translation>Abstand am Zeilenende</translation>
        </message>
        <message>
            <source>Space Start</source>
            <translation>Abstand am Zeilenanfang</translation>
        </message>
        <message>
            <source>Span</source>
            <translation>Spaltenübergreifend</translation>
        </message>
        <message>
            <source>Speak</source>
            <translation>Vorlesen</translation>
        </message>
        <message>
            <source>Speak Header</source>
            <translation>Kopfzeilen vorlesen</translation>
        </message>
        <message>
            <source>Speak Numeral</source>
            <translation>Zahlen vorlesen</translation>
        </message>
        <message>
            <source>Speak Punctuation</source>
            <translation>Satzzeichen vorlesen</translation>
        </message>
        <message>
            <source>Speech Rate</source>
            <translation>Sprechtempo</translation>
        </message>
        <message>
            <source>Src</source>
            <translation>Quelle</translation>
        </message>
        <message>
            <source>Standalone</source>
            <translation>Eigenständig</translation>
        </message>
        <message>
            <source>Start Indent</source>
            <translation>Einzug am Zeilenanfang</translation>
        </message>
        <message>
            <source>Starting State</source>
            <translation>Anfangszustand</translation>
        </message>
        <message>
            <source>Starts Row</source>
            <translation>Beginnt Zeile</translation>
        </message>
        <message>
            <source>Stress</source>
            <translation>Betonung</translation>
        </message>
        <message>
            <source>Stylesheet Prefix</source>
            <translation>Stylesheet-Präfix</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Thema</translation>
        </message>
        <message>
            <source>Suppress At Line Break</source>
            <translation>Am Zeilenumbruch unterdrücken</translation>
        </message>
        <message>
            <source>Switch To</source>
            <translation>Wechseln zu</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tabelle</translation>
        </message>
        <message>
            <source>Table Layout</source>
            <translation>Tabellenlayout</translation>
        </message>
        <message>
            <source>Table Omit Footer At Break</source>
            <translation>Tabellenfuß am Umbruch weglassen</translation>
        </message>
        <message>
            <source>Table Omit Header At Break</source>
            <translation>Tabellenkopf am Umbruch weglassen</translation>
        </message>
        <message>
            <source>Target Presentation Context</source>
            <translation>Darstellungskontext des Ziels</translation>
        </message>
        <message>
            <source>Target Processing Context</source>
            <translation>Verarbeitungskontext des Ziels</translation>
        </message>
        <message>
            <source>Target Stylesheet</source>
            <translation>Stylesheet des Ziels</translation>
        </message>
        <message>
            <source>Terminate</source>
            <translation>Transformation abbrechen</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Prüfausdruck</translation>
        </message>
        <message>
            <source>Text Align</source>
            <translation>Textausrichtung</translation>
        </message>
        <message>
            <source>Text Align Last</source>
            <translation>Ausrichtung der letzten Zeile</translation>
        </message>
        <message>
            <source>Text Altitude</source>
            <translation>Oberlänge</translation>
        </message>
        <message>
            <source>Text Decoration</source>
            <translation>Textdekoration</translation>
        </message>
        <message>
            <source>Text Depth</source>
            <translation>Unterlänge</translation>
        </message>
        <message>
            <source>Text Indent</source>
            <translation>Erstzeileneinzug</translation>
        </message>
        <message>
            <source>Text Line Through Style</source>
            <translation>Durchstreichungsstil</translation>
        </message>
        <message>
            <source>Text Overline Style</source>
            <translation>Überstreichungsstil</translation>
        </message>
        <message>
            <source>Text Shadow</source>
            <translation>Textschatten</translation>
        </message>
        <message>
            <source>Text Transform</source>
            <translation>Groß-/Kleinschreibung</translation>
        </message>
        <message>
            <source>Text Underline Color</source>
            <translation>Unterstreichungsfarbe</translation>
        </message>
        <message>
            <source>Text Underline Style</source>
            <translation>Unterstreichungsstil</translation>
        </message>
        <message>
            <source>Text Underline Width</source>
            <translation>Unterstreichungsstärke</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Titel</translation>
        </message>
        <message>
            <source>Top</source>
            <translation>Oben</translation>
        </message>
        <message>
            <source>Transpromo</source>
            <translation>Transpromo</translation>
        </message>
        <message>
            <source>Treat As Word Space</source>
            <translation>Als Wortzwischenraum behandeln</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Typ</translation>
        </message>
        <message>
            <source>Unicode Bidi</source>
            <translation>Unicode-Bidirektionalität</translation>
        </message>
        <message>
            <source>Use</source>
            <translation>Schlüsselausdruck</translation>
        </message>
        <message>
            <source>Use Attribute Sets</source>
            <translation>Verwendete Attributsätze</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Value Type</source>
            <translation>Werttyp</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>Version</translation>
        </message>
        <message>
            <source>Vertical Align</source>
            <translation>Vertikale Ausrichtung im Text</translation>
        </message>
        <message>
            <source>Visibility</source>
            <translation>Sichtbarkeit</translation>
        </message>
        <message>
            <source>Voice Family</source>
            <translation>Stimme</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>Lautstärke</translation>
        </message>
        <message>
            <source>White Space</source>
            <translation>Leerraum</translation>
        </message>
        <message>
            <source>White Space Collapse</source>
            <translation>Leerraum zusammenfassen</translation>
        </message>
        <message>
            <source>White Space Treatment</source>
            <translation>Behandlung von Leerraum</translation>
        </message>
        <message>
            <source>Widows</source>
            <translation>Mindestzeilen am Seitenanfang</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Breite</translation>
        </message>
        <message>
            <source>Word Spacing</source>
            <translation>Wortabstand</translation>
        </message>
        <message>
            <source>Wrap Option</source>
            <translation>Zeilenumbruch</translation>
        </message>
        <message>
            <source>Writing Mode</source>
            <translation>Schreibmodus</translation>
        </message>
        <message>
            <source>XML Language</source>
            <translation>XML-Sprache</translation>
        </message>
        <message>
            <source>XPath</source>
            <translation>XPath</translation>
        </message>
        <message>
            <source>XSLT</source>
            <translation>XSLT</translation>
        </message>
        <message>
            <source>XSLT Engine</source>
            <translation>XSLT-Prozessor</translation>
        </message>
        <message>
            <source>Z Index</source>
            <translation>Stapelreihenfolge</translation>
        </message>
        <message>
            <source>Zero Digit</source>
            <translation>Nullziffer</translation>
        </message>
        <message>
            <source>Zoom</source>
            <translation>Zoomstufe</translation>
        </message>
    </context>
    <context>
        <name>TemplateDocument</name>
        <message>
            <source>Cannot read %1: %2</source>
            <translation>%1 kann nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>Cannot save %1: %2</source>
            <translation>%1 kann nicht gespeichert werden: %2</translation>
        </message>
        <message>
            <source>The markup of this object cannot be changed here. Edit it in the source view.</source>
            <translation>Das Markup dieses Objekts kann hier nicht geändert werden. Bearbeiten Sie es in der Quelltextansicht.</translation>
        </message>
        <message>
            <source>Change Properties</source>
            <translation>Eigenschaften ändern</translation>
        </message>
        <message>
            <source>The template binds the prefix %1 to another namespace.</source>
            <translation>Die Vorlage bindet das Präfix %1 an einen anderen Namensraum.</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>Edit Source</source>
            <translation>Quelltext bearbeiten</translation>
        </message>
        <message>
            <source>The object is no longer in the template.</source>
            <translation>Das Objekt ist nicht mehr in der Vorlage.</translation>
        </message>
        <message>
            <source>Change %1</source>
            <translation>%1 ändern</translation>
        </message>
        <message>
            <source>Load Sample Data</source>
            <translation>Beispieldaten laden</translation>
        </message>
        <message>
            <source>%1 is too large to open as a template (more than %2 MB).</source>
            <translation>%1 ist zu groß, um als Vorlage geöffnet zu werden (mehr als %2 MB).</translation>
        </message>
        <message>
            <source>%1 is not an XSL-FO template: its root element is not fo:root.</source>
            <translation>%1 ist keine XSL-FO-Vorlage: Das Wurzelelement ist nicht fo:root.</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Conditional Formatting</source>
            <translation>Bedingte Formatierung</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
    </context>
    <context>
        <name>TemplatePageSets</name>
        <message>
            <source>The template has no page layouts to make a page set of.</source>
            <translation>Die Vorlage hat keine Seitenlayouts, aus denen ein Seitensatz entstehen kann.</translation>
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
    <context>
        <name>VarEditDlg</name>
        <message>
            <source>Edit Parameter</source>
            <translation>Parameter bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Name:</translation>
        </message>
        <message>
            <source>&amp;Default Value:</source>
            <translation>&amp;Standardwert:</translation>
        </message>
    </context>
    <context>
        <name>XPathCtrlSheet</name>
        <message>
            <source>XPath fields</source>
            <translation>XPath-Felder</translation>
        </message>
        <message>
            <source>With sample data:</source>
            <translation>Mit Beispieldaten:</translation>
        </message>
        <message>
            <source>Without document:</source>
            <translation>Ohne Dokument:</translation>
        </message>
    </context>
    <context>
        <name>XPathEditDlg</name>
        <message>
            <source> Edit Expression</source>
            <translation>Ausdrücke editieren</translation>
        </message>
        <message>
            <source>&amp;Context:</source>
            <translation>&amp;Kontext:</translation>
        </message>
        <message>
            <source>&amp;Expression:</source>
            <translation>&amp;Ausdruck:</translation>
        </message>
        <message>
            <source>Division ('/' reserved)</source>
            <translation>Division ('/' reserviert)</translation>
        </message>
        <message>
            <source>Modulo</source>
            <translation>Modulo</translation>
        </message>
        <message>
            <source>Boolean And</source>
            <translation>Boolesches Und</translation>
        </message>
        <message>
            <source>Boolean Or</source>
            <translation>Boolesches Oder</translation>
        </message>
        <message>
            <source>Boolean Not</source>
            <translation>Boolesches Nicht</translation>
        </message>
        <message>
            <source>Logical And</source>
            <translation>Logisches Und</translation>
        </message>
        <message>
            <source>Logical Or</source>
            <translation>Logisches Oder</translation>
        </message>
        <message>
            <source>Logical Not</source>
            <translation>Logisches Nicht</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Rückgängig</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>Check the expression</source>
            <translation>Ausdruck prüfen</translation>
        </message>
        <message>
            <source>Back to the context node</source>
            <translation>Zurück zum Kontextknoten</translation>
        </message>
        <message>
            <source>Function Types</source>
            <translation>Funktionstypen</translation>
        </message>
    </context>
    <context>
        <name>XmlViewFindReplaceDlg</name>
        <message>
            <source>Replace</source>
            <translation>Ersetzen</translation>
        </message>
        <message>
            <source>Fi&amp;nd what:</source>
            <translation>&amp;Suchen nach:</translation>
        </message>
        <message>
            <source>Re&amp;place with:</source>
            <translation>Erset&amp;zen durch:</translation>
        </message>
        <message>
            <source>Match &amp;whole word only</source>
            <translation>Nur ganzes Wo&amp;rt suchen</translation>
        </message>
        <message>
            <source>Match &amp;case</source>
            <translation>&amp;Groß-/Kleinschreibung beachten</translation>
        </message>
        <message>
            <source>Regular e&amp;xpression</source>
            <translation>Regulärer Aus&amp;druck</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Richtung</translation>
        </message>
        <message>
            <source>&amp;Up</source>
            <translation>Nach &amp;oben</translation>
        </message>
        <message>
            <source>&amp;Down</source>
            <translation>Nach &amp;unten</translation>
        </message>
        <message>
            <source>&amp;Find Next</source>
            <translation>&amp;Weitersuchen</translation>
        </message>
        <message>
            <source>&amp;Replace</source>
            <translation>&amp;Ersetzen</translation>
        </message>
        <message>
            <source>Replace &amp;All</source>
            <translation>&amp;Alle ersetzen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>Suchen</translation>
        </message>
    </context>
    <context>
        <name>XsdSampleBuilder</name>
        <message>
            <source>The schema's content models are nested too deeply or repeated too often to build sample data from.</source>
            <translation>Die Inhaltsmodelle des Schemas sind zu tief verschachtelt oder wiederholen sich zu oft, um daraus Beispieldaten zu erstellen.</translation>
        </message>
        <message>
            <source>The schema nests elements more than %1 levels deep.</source>
            <translation>Das Schema verschachtelt Elemente tiefer als %1 Ebenen.</translation>
        </message>
        <message>
            <source>The complex type "%1" derives from itself.</source>
            <translation>Der komplexe Typ "%1" leitet sich von sich selbst ab.</translation>
        </message>
        <message>
            <source>The attribute group "%1" contains itself.</source>
            <translation>Die Attributgruppe "%1" enthält sich selbst.</translation>
        </message>
        <message>
            <source>The group "%1" contains itself.</source>
            <translation>Die Gruppe "%1" enthält sich selbst.</translation>
        </message>
        <message>
            <source>The sample data built from the schema would have more than %1 elements.</source>
            <translation>Die aus dem Schema erstellten Beispieldaten hätten mehr als %1 Elemente.</translation>
        </message>
    </context>
</TS>
