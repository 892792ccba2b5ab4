<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>ColorCtrl</name>
        <message>
            <source>Choose a colour</source>
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
    </context>
    <context>
        <name>DialogCommands</name>
        <message>
            <source>&amp;Log...</source>
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
        <name>SampleTreeView</name>
        <message>
            <source>Node</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Value</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No sample data</source>
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
</TS>
