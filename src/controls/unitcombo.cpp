#include "controls/unitcombo.h"

UnitCombo::UnitCombo(QWidget* parent) : UnitComboBox(parent) {}
