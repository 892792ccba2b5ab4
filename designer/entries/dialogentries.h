#pragma once

#include "dialogentry.h"

// One function per dialog or control; DialogRegistry lists them in menu order.
DialogEntry bordersBackgroundEntry();
DialogEntry dataSourceEntry();
DialogEntry loadSampleDataEntry();
DialogEntry xpathEditEntry();
DialogEntry sortEntry();
DialogEntry groupRowsEntry();
DialogEntry logEntry();
DialogEntry insertBarcodeEntry();
DialogEntry editBarcodeEntry();

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
