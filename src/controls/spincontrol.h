#pragma once

#include "controls/spinbuttonctrl.h"

/// The arrows of LengthOrPercentEditor. They behave as SpinButtonCtrl; a type of its own lets hosts
/// and style sheets tell the two length fields apart.
class UIEDITOR_EXPORT SpinControl : public SpinButtonCtrl
{
    Q_OBJECT

public:
    explicit SpinControl(QWidget* parent = nullptr);
};
