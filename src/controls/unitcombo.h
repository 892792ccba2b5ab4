#pragma once

#include "controls/unitcombobox.h"

/// The unit list of LengthOrPercentEditor. It behaves as UnitComboBox; a type of its own lets hosts
/// and style sheets tell the two length fields apart.
class UIEDITOR_EXPORT UnitCombo : public UnitComboBox
{
    Q_OBJECT

public:
    explicit UnitCombo(QWidget* parent = nullptr);
};
