#pragma once

#include "controls/dialogexpander.h"

#include <QDialog>

/// A folding dialog as the gallery shows it: a building block with its
/// parameters in the part that folds away.
class ExpanderSampleDlg : public DialogExpander
{
    Q_OBJECT

public:
    explicit ExpanderSampleDlg(int initiallyExpanded, QWidget* parent = nullptr);
};

/// Text panels in the colours and fonts dialogs give them.
class TextPanelSampleDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TextPanelSampleDlg(QWidget* parent = nullptr);
};
