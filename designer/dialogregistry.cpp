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
        conditionalBlockEntry(),
        conditionalInlineEntry(),
        editBarcodeEntry(),
        insertBarcodeEntry(),
        dataSourceEntry(),
        loadSampleDataEntry(),
        xpathEditEntry(),
        insertTableEntry(),
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
