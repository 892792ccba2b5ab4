#include "dialogregistry.h"

#include "entries/dialogentries.h"

std::vector<DialogEntry> DialogRegistry::all()
{
    return {
        bordersBackgroundEntry(),
        fontEntry(),
        paragraphEntry(),
        cellMarginsEntry(),
        fieldFormatEntry(),
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
        pageSetsEntry(),
        logEntry(),
        pageLayoutsEntry(),
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
