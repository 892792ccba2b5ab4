#pragma once

#include "uieditor_export.h"

#include <map>
#include <QComboBox>

/// A combo box showing a fixed set of texts, each carrying an integer as its
/// item data (font styles, sizes...), in ascending order of that integer.
class UIEDITOR_EXPORT SimpleComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SimpleComboBox(QWidget* parent = nullptr);
    ~SimpleComboBox() override;

    /// Stores the entries and the value to select once they are listed.
    void setStringsAndData(std::map<int, QString> entries, int initial);
    /// Appends the stored entries in ascending key order, each with its key as
    /// item data, and selects the entry of the initial value (none if no entry
    /// has it).
    void initializeItems();
    /// Selects the first entry whose item data is `value`; with none, clears
    /// the selection.
    void selectByData(int value);

    int initialValue() const { return m_initial; }

private:
    std::map<int, QString> m_entries;
    int m_initial = 0;
};
