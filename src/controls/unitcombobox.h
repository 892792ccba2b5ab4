#pragma once

#include "uieditor_export.h"

#include <QComboBox>

/// The drop-down list of unit names beside a length field's number. Each
/// entry carries, as item data, the Xml::Length unit code it stands for; the
/// percent entry carries PercentMarker. The list is never sorted: the field
/// decides the order.
class UIEDITOR_EXPORT UnitComboBox : public QComboBox
{
    Q_OBJECT

public:
    /// Item data of the "%" entry; no Xml::Length unit has this code.
    static constexpr int PercentMarker = -1;

    explicit UnitComboBox(QWidget* parent = nullptr);

    void addUnit(const QString& text, int unitData);
    /// The entry carrying `unitData`, or -1.
    int indexOfData(int unitData) const;
    /// The item data of entry `index`; PercentMarker for the percent entry.
    int dataAt(int index) const;
};
