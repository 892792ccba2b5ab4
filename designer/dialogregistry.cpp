#include "dialogregistry.h"

#include "entries/dialogentries.h"

std::vector<DialogEntry> DialogRegistry::all()
{
    return {
        bordersBackgroundEntry(),
        fontEntry(),
        paragraphEntry(),
        cellMarginsEntry(),
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
