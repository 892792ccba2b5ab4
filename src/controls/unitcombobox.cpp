#include "controls/unitcombobox.h"

UnitComboBox::UnitComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    // Sized to the unit names on first show (Qt's default): adjusting to the
    // contents all the time makes the drop-down list at once, for every
    // length field of a dialog that may never open it.
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
