#pragma once

#include <QWidget>

/// A sheet of the library's common controls in their main states, for the
/// gallery: length fields with each combination of flags, colour fields empty,
/// with a keyword, with rgb text and as a gradient, the font lists, and the
/// small buttons of the owner-drawn fields.
class ControlsSheet : public QWidget
{
    Q_OBJECT

public:
    explicit ControlsSheet(QWidget* parent = nullptr);
};
