#pragma once

#include "dialogentry.h"

// One function per dialog or control; DialogRegistry lists them in menu order.
DialogEntry bordersBackgroundEntry();
DialogEntry fontEntry();
DialogEntry paragraphEntry();
DialogEntry cellMarginsEntry();
DialogEntry conditionalFormattingEntry();
DialogEntry fieldFormatEntry();
DialogEntry conditionalBlockEntry();
DialogEntry conditionalInlineEntry();
DialogEntry dataSourceEntry();
DialogEntry loadSampleDataEntry();
DialogEntry xpathEditEntry();
DialogEntry insertTableEntry();
DialogEntry sortEntry();
DialogEntry groupRowsEntry();
DialogEntry parametersEntry();
DialogEntry logEntry();
DialogEntry insertBarcodeEntry();
DialogEntry editBarcodeEntry();
DialogEntry pageLayoutsEntry();
DialogEntry pageSetsEntry();
DialogEntry insertDateTimeEntry();
DialogEntry insertPageNumberEntry();
DialogEntry insertHyperlinkEntry();

DialogEntry designerWindowEntry();
DialogEntry newTemplateEntry();
DialogEntry controlsSheetEntry();
DialogEntry dialogExpanderEntry();
DialogEntry textPanelEntry();
DialogEntry xpathCtrlEntry();
DialogEntry findReplaceEntry();
DialogEntry xmlTreeEntry();
DialogEntry datasourceNodeEntry();
DialogEntry propertyValuesEntry();
DialogEntry conditionalValuesEntry();
DialogEntry propertyInspectorEntry();
