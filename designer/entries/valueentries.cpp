#include "dialogentries.h"
#include "valuesamples.h"

DialogEntry propertyValuesEntry()
{
    return {QStringLiteral("EditPropertyValuesDlg"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("EditPropertyValuesDlg"), makeEditPropertyValuesSample}}};
}

DialogEntry conditionalValuesEntry()
{
    return {QStringLiteral("EditConditionalValuesDlg"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("EditConditionalValuesDlg"), makeEditConditionalValuesSample}}};
}

DialogEntry propertyInspectorEntry()
{
    return {QStringLiteral("PropertyInspector"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("PropertyInspector"), makePropertyInspectorSample}}};
}
