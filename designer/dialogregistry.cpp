#include "dialogregistry.h"

#include "entries/dialogentries.h"

std::vector<DialogEntry> DialogRegistry::all()
{
    return {
        bordersBackgroundEntry(),
        fontEntry(),
        paragraphEntry(),
        cellMarginsEntry(),
        conditionalFormattingEntry(),
        fieldFormatEntry(),
        conditionalBlockEntry(),
        conditionalInlineEntry(),
        editBarcodeEntry(),
        insertBarcodeEntry(),
        dataSourceEntry(),
        loadSampleDataEntry(),
        xpathEditEntry(),
        insertTableEntry(),
        insertDateTimeEntry(),
        insertPageNumberEntry(),
        insertHyperlinkEntry(),
        sortEntry(),
        groupRowsEntry(),
        parametersEntry(),
        pageLayoutsEntry(),
        pageSetsEntry(),
        logEntry(),
        designerWindowEntry(),
        newTemplateEntry(),
        controlsSheetEntry(),
        dialogExpanderEntry(),
        textPanelEntry(),
        findReplaceEntry(),
        xmlTreeEntry(),
        datasourceNodeEntry(),
        xpathCtrlEntry(),
        propertyValuesEntry(),
        conditionalValuesEntry(),
        propertyInspectorEntry(),
    };
}
