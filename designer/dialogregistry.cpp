#include "dialogregistry.h"

#include "entries/dialogentries.h"

std::vector<DialogEntry> DialogRegistry::all()
{
    return {
        bordersBackgroundEntry(),
        editBarcodeEntry(),
        insertBarcodeEntry(),
        dataSourceEntry(),
        loadSampleDataEntry(),
        xpathEditEntry(),
        sortEntry(),
        groupRowsEntry(),
        logEntry(),
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
