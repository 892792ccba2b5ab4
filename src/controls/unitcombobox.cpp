#include "controls/unitcombobox.h"

UnitComboBox::UnitComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setMaxVisibleItems(10);
}

void UnitComboBox::addUnit(const QString& text, int unitData)
{
    addItem(text, unitData);
}

int UnitComboBox::indexOfData(int unitData) const
{
    return findData(unitData);
}

int UnitComboBox::dataAt(int index) const
{
    bool ok = false;
    const int unitData = itemData(index).toInt(&ok);
    return ok ? unitData : PercentMarker;
}
