<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>AddPageTypeDlg</name>
        <message>
            <source>Add Page Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;All Pages</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;One time only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Multiple times</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ma&amp;ximum repeats:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Conditional</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Condition for type:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>BackgroundLoad</name>
        <message>
            <source>Cancel</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>BackgroundPage</name>
        <message>
            <source>Background Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background &amp;Color:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background &amp;Image:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Browse</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Image &amp;Repeat Mode:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Image Offset &amp;X:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Image Offset &amp;Y:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Box Shadow Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Shadow Color:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Offset on &amp;X axis:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Offset on &amp;Y axis:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>BarcodeRejection</name>
        <message>
            <source>digits only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>ASCII only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Latin-1 only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>digits and %1 only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value is too long.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value is too long (at most %1 characters).</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value holds a character this type cannot encode.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value holds a character this type cannot encode (%1).</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The check digit is wrong.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value is empty.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value has the wrong number of digits.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The value is not a sequence of hexadecimal byte pairs.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>BordersBackgroundDlg</name>
        <message>
            <source>Borders and Background</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Apply to:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Preview:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>BordersPage</name>
        <message>
            <source>Borders Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Same for all</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Top:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Right:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bottom:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Left:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CFormatFieldCustomDlg</name>
        <message>
            <source>Create custom formatting:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Use #  to extract characters from the input string.
For example, to format a Social Security Number (SSN),
use ###-##-####. 123456789 will become 123-45-6789.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CFormatFieldDateDlg</name>
        <message>
            <source>Predefined</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Format</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Example</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Custom</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CFormatFieldNoneDlg</name>
        <message>
            <source>No format. This will clear the format of the current field .</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CFormatFieldNumberDlg</name>
        <message>
            <source>Predefined</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Format</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Example</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Custom</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Decimal places:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leading zeros:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Decimal separator:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Thousand separator:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Minus sign:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Currency symbol:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Currency Position:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preview:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Positive:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Negative:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CFormatFieldPhoneDlg</name>
        <message>
            <source>Predefined</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Format</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Example</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Custom</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CellMarginsDlg</name>
        <message>
            <source>Cell Margins</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margins:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Left Margin:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Right Margin:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Top Margin:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Bottom Margin:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A cell margin cannot be negative.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ChooseDatasourceDlg</name>
        <message>
            <source>Set Data Source</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Data Source Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XML File</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XSD and XML Files</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Data Aggregation File</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Datasource</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;File Path</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Xml Path</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Namespace Prefix</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Note: Varnel Linkforge must be installed in order to use a Data Aggregation (.lfa) file.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XML Files (*.xml)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Linkforge Files (*.lfa)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XML Schema Definition Files (*.xsd)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ColorCtrl</name>
        <message>
            <source>Choose a colour</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ConditionalFormattingDlg</name>
        <message>
            <source>Conditional Formatting</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Target Object:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditions</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>(dynamic)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ControlsSheet</name>
        <message>
            <source>Common controls</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Lengths</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Points and pixels:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Decimals:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>With percent:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>All units, negatives allowed:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Disabled:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Host's length editor:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Colours</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No colour:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Colour keyword:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chosen colour:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Gradient:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fonts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font family:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fixed pitch only:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font style:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Size:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Buttons: normal, hot, disabled</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>DesignerWindow</name>
        <message>
            <source>Templates (*.fo *.xml);;All files (*)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Outline</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dialog Result</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;File</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Save</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>F&amp;ormat</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Insert</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Page</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Do&amp;cument</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Untitled</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1[*] - uieditor designer</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open Template</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save Template As</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has changed. Save the changes?</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Source</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The sample data has changed.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The sample data was saved.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Replace...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The sample data has changed. Save the changes?</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Inserted %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Undo %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Field</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;New...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open &amp;Recent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The designer was not closed normally. Restore the unsaved changes to %1?</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The unsaved changes cannot be restored: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The unsaved changes cannot be kept in %1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 no longer exists. It was removed from the recent templates.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;%1 %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Clear Recent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Re&amp;do</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Re&amp;do %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cancelled: the template and its sample data are as they were.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;View</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show Sample &amp;Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Opening %1...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Loading %1...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Restore</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Discard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Format</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The stylesheet made from this template will not compile: its parameters need distinct, non-empty names (Data &gt; Parameters).

%1

Save anyway?</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>DialogCommands</name>
        <message>
            <source>&amp;Log...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open a template first.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Load Sample Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample data (*.xml *.lfa *.xsd);;XML files (*.xml);;Data aggregation files (*.lfa);;XML schemas (*.xsd);;All files (*)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has no sample data to build an expression against.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XPath Expression</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Borders and Background...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Load &amp;Sample Data...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit &amp;XPath...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has no flow with a block to format.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Nothing was changed: no object was chosen under "Apply to".</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Borders and Background</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select a repeating row (kmb:table-row-repeat) or an object inside one.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sort</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Group Rows</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sort field</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sort:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sor&amp;t...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Group Rows...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Data Source</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Data Source...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has no block to set paragraph properties on.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Paragraph</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Paragraph...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sets the margins of the selected table cell.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sets the margins of every cell of the selected table row.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sets the margins of every cell of the selected table.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select a table cell, row or table to set its cell margins.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cell Margins</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Cell Margins...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Conditional Section (Inline)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Conditional Section (Block)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditional Section</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditional Section (&amp;Block)...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditional Section (&amp;Inline)...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Font...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Parameters</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Parameters...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has no flow to hold a table.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert a table whose row repeats for each %1 of the sample data?
Choose No to design a table of your own.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Table</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Table inserted into %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Table...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit Barcode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Barcode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select a barcode (km:barcode) first.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ba&amp;rcode...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>B&amp;arcode...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Field Format</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select a data field (kmb:field) first.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fi&amp;eld Format...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditional Formatting</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Co&amp;nditional Formatting...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Date and Time</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Date and Time...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Hyperlink</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Hyperlink...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>New Page Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page &amp;Layouts...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Page Number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page &amp;Number...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has no page sequence with page layouts.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Sets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page &amp;Sets...</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>EditConditionalValuesDlg</name>
        <message>
            <source>Conditional Values</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Static value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Dynamic value from input XML</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dynamic</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Static</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The condition "&lt;default value&gt;" is reserved for the default value. Please enter another condition.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>EditDatasourceNodeDlg</name>
        <message>
            <source>Edit Node</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Node</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Name:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Value:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit Element</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Element</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit Attribtue</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Attribute</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Element</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Attribute</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please a valid name</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>EditPageSetDlg</name>
        <message>
            <source>&amp;Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>R&amp;emove</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Up</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Down</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dynamic Page Set</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Repeat for XPath:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Condition:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Sort:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Parent Set:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>None</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>EditPropertyValuesDlg</name>
        <message>
            <source>Property Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Static value:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Dynamic value from input XML:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Conditional values</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit Conditions...</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>EditSortDlg</name>
        <message>
            <source>Edit Sort Conditions</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sort Criteria:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XPath:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Move Up</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Move Down</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Data Type:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sort Order:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Case Order:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A sort key cannot contain blanks or ";": %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>EditVariablesDlg</name>
        <message>
            <source>Parameters</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Document &amp;Parameters:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Add ...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit ...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;OK</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ExpanderSampleDlg</name>
        <message>
            <source>Insert Building Block</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;File:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Parameters</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FieldFormatCatalogue</name>
        <message>
            <source>(space)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>€ Euro</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>$ Dollar</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>¢ Cent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₤ Lira</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>£ Pound</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>¥ Japanese yen</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ұ Chinese Renminbi yuan</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>^ Generic currency</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>฿ Thai baht</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₡ Colón</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₫ Vietnamese đồng</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>ƒ Aruban Florin</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₭ Lao kip</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₥ Mill</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₦ Nigerian naira</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>P Botswana pula</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Q Guatemalan Quetzal</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>R South African rand</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sk Slovak koruna</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₨ Rupee</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rp rupiah in Indonesia</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>R$ Brazilian real</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>S/. Peruvian sol</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₮ Mongolian tögrög</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₩ Korean won</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>₪ Israeli new sheqel</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Lm Malta Lira</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Br Belarusian Rouble</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>zł Polish Zloty</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>1,234.5 - US Number Format.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>1.234,5 - Europe Number Format.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>$1,234.5 - US Currency Format 1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>1.234,5€ - Europe Currency Format 1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>£1,234.5 - UK Currency Format 1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>1,234.5$ - US Currency Format 2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>€1.234,5 - Europe Currency Format 2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>1,234.5£ - UK Currency Format 2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extract year and month: 2008-10</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extract year: 2008</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extract month and day: 10-24</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extract month: 10</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extract day: 24</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FontEditorDlg</name>
        <message>
            <source>Font</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font &amp;Family:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font St&amp;yle:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Size:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font &amp;Color:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Underline Style:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Linethrough</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Double Linethrough</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Overline</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dou&amp;ble Overline</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Small C&amp;aps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Capi&amp;talize</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Lo&amp;wercase</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>U&amp;ppercase</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preview:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Enter a font size between %1 and %2 points.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FontToggleActions</name>
        <message>
            <source>B&amp;old</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Italic</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Underline</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open a template first.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select an object in a flow to format its text.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FormatConditionDlg</name>
        <message>
            <source>Add/Edit Formatting Condition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Target Object:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Condition definition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Property Name:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Property Value:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Condition:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Left %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Right %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Top %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bottom %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Other</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FormatFieldDlg</name>
        <message>
            <source>Format Field</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>InsertBarcodeDlg</name>
        <message>
            <source>Insert Barcode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preview:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Barcode &amp;Type:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Value:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Draw Text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Hex Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rotation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;0° (None)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;90° (To Right)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;180°(Reverse)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;270°(To Left)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Description</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please select barcode type.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>InsertConditionalSectionsDlg</name>
        <message>
            <source>Insert Conditional Sections</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditions:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit conditions in the list below:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt;new condition&gt;</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A condition cannot be empty.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>InsertDateTime</name>
        <message>
            <source>Insert Date and Time</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Available Formats:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Effective Format:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Update Automatically</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>InsertHyperlinkDlg</name>
        <message>
            <source>Insert Hyperlink</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display Text:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Address:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Complex title!</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>InsertPageNumberDlg</name>
        <message>
            <source>Insert Page Numbers</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Element &amp;Type:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>InsertTableDlg</name>
        <message>
            <source>Insert Table</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Rows:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Col&amp;umns:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Header</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Footer</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Autoformat</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Custom</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Borders</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Has borders</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>C&amp;ollapse borders</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Width:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Style:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Colo&amp;r:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Cells</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Padding:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Vertical Align:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Horizontal Align:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please enter an integer.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please enter a number.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The table format "%1" cannot be used: its %2 section does not start with a row of three cells.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The table format "%1" holds no table.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>LengthOrPercentBase</name>
        <message>
            <source>Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unit</source>
            <translation type="unfinished" />
        </message>
    </context>
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
    <context>
        <name>NewTemplateDialog</name>
        <message>
            <source>New Template</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Start from:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>OutlineView</name>
        <message>
            <source>Object</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Identifier</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PaddingPage</name>
        <message>
            <source>Padding Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Left:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Top:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Right:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Bottom:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PageLayoutDlg</name>
        <message>
            <source>Page Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preview:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PageLayoutList</name>
        <message>
            <source>Page Layouts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;New...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>a page sequence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the page set "%1"</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The page layout "%1" cannot be deleted: %2 uses it.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>New Page Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template has no layout master set to add the page layout to.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Delete Page Layout</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PageMasterNameDlg</name>
        <message>
            <source>Page Layout Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PagePropertiesPPage</name>
        <message>
            <source>Page Format:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Page Dimensions</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Width:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Height:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Margins</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Left:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Right:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Top:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bottom:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 Landscape</source>
            <extracomment>A page format turned on its side; %1 is the format's name ("A4"), which must come first and be followed by a blank.</extracomment>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PageRegionPPage</name>
        <message>
            <source>Choose &amp;Region:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Visible</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Padding</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Left:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Right:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Top:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bottom:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Content &amp;Orientation:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vertical Alignment:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Margins</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Column Count:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Column Gap:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Extent:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Precedence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Borders and Background ...</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ParagraphAlignIndentPage</name>
        <message>
            <source>Text &amp;Align:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Start Indent:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;End Indent:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;First Line Start Indent:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Last Line End Indent:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ParagraphBreaksHyphenPage</name>
        <message>
            <source>Keep With &amp;Next</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep With &amp;Previous</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep &amp;Toghether</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Widows:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>O&amp;rphans:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Use &amp;hyphenation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Span All Col&amp;umns</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Widows: enter a whole number of lines from 0 to %1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orphans: enter a whole number of lines from 0 to %1.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ParagraphEditDlg</name>
        <message>
            <source>Paragraph</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preview:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ParameterNames</name>
        <message numerus="yes">
            <source>%n parameter(s) without a name</source>
            <translation>
                <numerusform>%n parameter without a name</numerusform>
                <numerusform>%n parameters without a name</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>"%1" %n times</source>
            <translation>
                <numerusform>"%1" %n time</numerusform>
                <numerusform>"%1" %n times</numerusform>
            </translation>
        </message>
        <message>
            <source>"%1" is not a name</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PredefinedTablesPage</name>
        <message>
            <source>Table Format:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Preview:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PropertyInspector</name>
        <message>
            <source>Add a property the object accepts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No object selected</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Add property...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Remove Property</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Remove %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ReferenceInfo</name>
        <message>
            <source>All Pages</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>One Time Only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Multiple Times, No Limit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Multiple Times, at Most %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>RowsGroupDlg</name>
        <message>
            <source>Group By</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Row Group</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Group &amp;Context:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Group By XPath:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Merge content with first row</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>SamplePane</name>
        <message>
            <source>Filter the sample data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Element...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert Attribute...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit Node...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Delete Node</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Copy XPath</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save Sample Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No sample data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save Sample Data As</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XML files (*.xml);;All files (*)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>SampleXml</name>
        <message>
            <source>There is not enough memory to hold the sample data.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The output of the data aggregation file describes no element.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The %1 described at line %2 of the data aggregation file has no name.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>SourceFindReplace</name>
        <message>
            <source>Cannot find "%1".</source>
            <translation type="unfinished" />
        </message>
        <message numerus="yes">
            <source>%n occurrence(s) replaced.</source>
            <translation>
                <numerusform>%n occurrence replaced.</numerusform>
                <numerusform>%n occurrences replaced.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>SourceSearch</name>
        <message>
            <source>The regular expression is not valid: %1 (at position %2).</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>StarterTemplates</name>
        <message>
            <source>Blank A4 page</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>An empty A4 page (21 × 29.7 cm) with 2 cm margins and one block to start from.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Blank Letter page</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>An empty US Letter page (8.5 × 11 in) with 1 in margins and one block to start from.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Invoice</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The sample invoice: letterhead, address, item table and totals, bound to its sample data.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>SyntaxNames</name>
        <message>
            <source>Absolute Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Accessibility</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Active State</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Address</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Alignment Adjust</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Alignment Baseline</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Allowed Height Scale</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Allowed Width Scale</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Alt Text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Area Alignment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Area Dimension</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Aural</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Author</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Auto Restore</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Azimuth</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Attachment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Image</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Position Horizontal</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Position Vertical</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Repeat</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Background Size</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Barcode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Baseline Shift</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Blank Or Not Blank</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Block Progression Dimension</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Block and Line</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bookmarks</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border After Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border After Precedence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border After Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border After Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Before Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Before Precedence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Before Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Before Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Collapse</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border End Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border End Precedence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border End Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border End Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Separation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Spacing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Start Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Start Precedence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Start Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Start Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Border Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Borders</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bottom</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Box Shadow</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Break After</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Break Before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Caption Side</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Case Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Case Order</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Case Title</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cdata Section Elements</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bar Class</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bar Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bar Offset</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bar Placement</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bar Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bar Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Bars</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Character</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Clear</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Clip</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Color Profile Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Column Count</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Column Gap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Column Number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Column Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Condition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Content Height</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Content Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Content Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Count</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Country</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cue</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cue After</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cue Before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Data Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Decimal Separator</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Designer</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Destination Placement Offset</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Digit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Direction</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Disable Output Escaping</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display Align</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display Marker</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Doctype Public</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Doctype System</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Document Information</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dominant Baseline</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Draw Text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dynamic Effects</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Elements</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Elevation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Empty Cells</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Encoding</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>End Indent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ends Row</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Exclude Result Prefixes</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extended</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extension Element Prefixes</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Extent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>External Destination</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Float</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Flow Map Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Flow Map Reference</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Flow Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Flow Name Reference</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Family</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Selection Strategy</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Size</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Size Adjust</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Stretch</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Variant</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Font Weight</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Force Page Count</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Format</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>From</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Glyph Orientation Horizontal</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Glyph Orientation Vertical</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Group By</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Group Context</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Group Merge</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Grouping Separator</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Grouping Size</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Height</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Href</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenate</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenation Character</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenation Keep</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenation Ladder Count</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenation Push Character Count</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hyphenation Remain Character Count</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>ID</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Include Checksum</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Indent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Index</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Index Class</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Index Key</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Indicate Destination</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Infinity</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Initial Page Number</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Inline Progression Dimension</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Internal Destination</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Intrinsic Scale Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Intrusion Displace</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep Together</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep With Next</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep With Previous</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keeps and Breaks</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Key</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keywords</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Lang</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Language</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Last Line End Indent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leader Alignment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leader Length</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leader Pattern</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leader Pattern Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leader and Rule</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Left</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Letter Spacing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Letter Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Lighting Scheme</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Line Height</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Line Height Shift Adjustment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Line Stacking Strategy</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Linefeed Treatment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Map</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Map Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margin</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margin Bottom</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margin Left</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margin Right</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margin Top</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Margins</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Marker Class Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Markers</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Master Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Master Reference</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Match</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Max Height</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Max Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Maximum Repeats</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Media</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Media Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Media Usage</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Merge Pages Across Index Key References</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Merge Ranges Across Index Key References</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Merge Sequential Page Numbers</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Meta Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Method</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Min Height</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Min Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Minus Sign</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>NaN</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Namespace</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Number Columns Repeated</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Number Columns Spanned</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Number Rows Spanned</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Number to String</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Object</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Object ID</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Odd Or Even</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Omit XML Declaration</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Order</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orphans</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Overflow</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding After</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding Before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding Bottom</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding End</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding Left</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding Right</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding Start</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padding Top</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Break After</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Break Before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Break Inside</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Citation Strategy</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Height</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Number Treatment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Sets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Page Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pagination</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Param Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Parent Set</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pattern Separator</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pause</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pause After</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pause Before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Per Mille</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Percent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pitch</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pitch Range</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Play During</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Precedence</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Prefix</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preview Src</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Priority</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Provisional Distance Between Starts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Provisional Label Separation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ref ID</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ref Index Key</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ref Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Reference Orientation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Region Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Region Name Reference</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Relative Align</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Relative Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rendering Intent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Repeated Element</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Result Prefix</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Retrieve Boundary</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Retrieve Boundary Within Table</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Retrieve Class Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Retrieve Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Retrieve Position Within Table</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Richness</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Right</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Role</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rotation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rule</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rule Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rule Thickness</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample LFA</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample XML</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample XSD</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Scale Option</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Scaling</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Scaling Method</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Score Spaces</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Script</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Scripts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shorthands</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show Destination</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Size</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sort</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Source Document</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Space After</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Space Before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Space End</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Space Start</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Span</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Speak</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Speak Header</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Speak Numeral</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Speak Punctuation</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Speech Rate</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Src</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Standalone</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Start Indent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Starting State</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Starts Row</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Stress</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Stylesheet Prefix</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Subject</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Suppress At Line Break</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Switch To</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Table</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Table Layout</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Table Omit Footer At Break</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Table Omit Header At Break</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Target Presentation Context</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Target Processing Context</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Target Stylesheet</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Terminate</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Test</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Align</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Align Last</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Altitude</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Decoration</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Depth</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Indent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Line Through Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Overline Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Shadow</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Transform</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Underline Color</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Underline Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Text Underline Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Title</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Top</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Transpromo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Treat As Word Space</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unicode Bidi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Use</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Use Attribute Sets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Value Type</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Version</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vertical Align</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Visibility</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Voice Family</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Volume</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>White Space</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>White Space Collapse</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>White Space Treatment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Widows</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Width</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Word Spacing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Wrap Option</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Writing Mode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XML Language</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XPath</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XSLT</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>XSLT Engine</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Z Index</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Zero Digit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Zoom</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>TemplateDocument</name>
        <message>
            <source>Cannot read %1: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cannot save %1: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The markup of this object cannot be changed here. Edit it in the source view.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change Properties</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The template binds the prefix %1 to another namespace.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Insert</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit Source</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The object is no longer in the template.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Load Sample Data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 is too large to open as a template (more than %2 MB).</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 is not an XSL-FO template: its root element is not fo:root.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Parameters</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Conditional Formatting</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>TemplatePageSets</name>
        <message>
            <source>The template has no page layouts to make a page set of.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>TextPanelSampleDlg</name>
        <message>
            <source>Text Panels</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sample text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No preview available</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The text stays centred on one line</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>VarEditDlg</name>
        <message>
            <source>Edit Parameter</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Default Value:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>XPathCtrlSheet</name>
        <message>
            <source>XPath fields</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>With sample data:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Without document:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>XPathEditDlg</name>
        <message>
            <source> Edit Expression</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Context:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Expression:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Division ('/' reserved)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Modulo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Boolean And</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Boolean Or</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Boolean Not</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Logical And</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Logical Or</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Logical Not</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Undo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Redo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Check the expression</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Back to the context node</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Function Types</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>XmlViewFindReplaceDlg</name>
        <message>
            <source>Replace</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fi&amp;nd what:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Re&amp;place with:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Match &amp;whole word only</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Match &amp;case</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Regular e&amp;xpression</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Direction</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Up</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Down</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Find Next</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Replace</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Replace &amp;All</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Close</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Find</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>XsdSampleBuilder</name>
        <message>
            <source>The schema's content models are nested too deeply or repeated too often to build sample data from.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The schema nests elements more than %1 levels deep.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The complex type "%1" derives from itself.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The attribute group "%1" contains itself.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The group "%1" contains itself.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The sample data built from the schema would have more than %1 elements.</source>
            <translation type="unfinished" />
        </message>
    </context>
</TS>
