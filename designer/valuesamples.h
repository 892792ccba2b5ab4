#pragma once

#include <memory>
#include <QWidget>

/// The property value dialogs as the gallery shows them, on the bundled
/// invoice: a colour made dynamic, and a colour with two conditions.
std::unique_ptr<QWidget> makeEditPropertyValuesSample();
std::unique_ptr<QWidget> makeEditConditionalValuesSample();
/// The designer's property inspector on the invoice's payment block, one of
/// its values dynamic.
std::unique_ptr<QWidget> makePropertyInspectorSample();
