#pragma once

#include "controls/fontenumerator.h"

#include <QComboBox>

/// A combo box listing the installed font families, each once, in the list's
/// own sorted order (case-insensitive, as the user reads it). It fills itself
/// when created, so a dialog can select a family before showing it. Entries
/// added later, by addItem or insertItem at any place, take their place in
/// that order too; the current entry stays current.
class UIEDITOR_EXPORT FontComboBox : public QComboBox, public FontEnumerator
{
    Q_OBJECT
    Q_PROPERTY(bool fixedPitchOnly READ isFixedPitchOnly WRITE setFixedPitchOnlyList)

public:
    /// Every family.
    explicit FontComboBox(QWidget* parent = nullptr);
    FontComboBox(bool fixedPitchOnly, bool reserved, QWidget* parent = nullptr);
    ~FontComboBox() override;

    /// Fills the list with the families, only while it is empty: a list that
    /// already holds entries gets no font names.
    void initialize();

    /// Changes the filter and lists the families again (a Designer form sets
    /// it as a property after construction).
    void setFixedPitchOnlyList(bool fixedPitchOnly);

private:
    void sortInsertedRows(const QModelIndex& parent, int first, int last);

    bool m_sorting = false;
};
