#include "controls/spincontrol.h"

SpinControl::SpinControl(QWidget* parent) : SpinButtonCtrl(parent) {}
