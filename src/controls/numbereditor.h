#pragma once

#include "controls/numberedit.h"

/// The number entry of LengthOrPercentEditor. It behaves as NumberEdit; a type of its own lets
/// hosts and style sheets tell the two length fields apart.
class UIEDITOR_EXPORT NumberEditor : public NumberEdit
{
    Q_OBJECT

public:
    explicit NumberEditor(QWidget* parent = nullptr);
};
