#include "dialogregistry.h"

#include "entries/dialogentries.h"

std::vector<DialogEntry> DialogRegistry::all()
{
    return {
        bordersBackgroundEntry(),
        dataSourceEntry(),
        loadSampleDataEntry(),
        xpathEditEntry(),
        insertTableEntry(),
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
