#include "controls/fontcombobox.h"

#include <algorithm>
#include <QCollator>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <vector>

FontComboBox::FontComboBox(QWidget* parent) : FontComboBox(false, false, parent) {}

namespace {

const QCollator& readingOrder()
{
    static const QCollator collator = [] {
        QCollator order;
        order.setCaseSensitivity(Qt::CaseInsensitive);
        return order;
    }();
    return collator;
}

} // namespace

FontComboBox::FontComboBox(bool fixedPitchOnly, bool reserved, QWidget* parent)
    : QComboBox(parent), FontEnumerator(fixedPitchOnly, reserved)
{
    setInsertPolicy(QComboBox::InsertAlphabetically);
    // QComboBox appends or inserts where it is told; a sorted list takes every
    // new entry to its place, as the platform's sorted combo does.
    connect(model(), &QAbstractItemModel::rowsInserted, this, &FontComboBox::sortInsertedRows);
    initialize();
}

FontComboBox::~FontComboBox() = default;

void FontComboBox::initialize()
{
    if (count() > 0) {
        return;
    }
    loadFonts();
    std::vector<QString> names;
    names.reserve(getFonts().size());
    for (const Core::String& family : getFonts()) {
        names.push_back(family.toQString());
    }
    std::stable_sort(names.begin(), names.end(), readingOrder());
    for (const QString& name : names) {
        addItem(name);
    }
}

void FontComboBox::setFixedPitchOnlyList(bool fixedPitchOnly)
{
    if (fixedPitchOnly == isFixedPitchOnly() && count() > 0) {
        return;
    }
    setFixedPitchOnly(fixedPitchOnly);
    clear();
    initialize();
}

void FontComboBox::sortInsertedRows(const QModelIndex& parent, int first, int last)
{
    auto* items = qobject_cast<QStandardItemModel*>(model());
    if (m_sorting || parent.isValid() || !items) {
        return;
    }
    const auto inPlace = [&](int row) {
        const QString text = items->item(row)->text();
        return (row == 0 || readingOrder().compare(items->item(row - 1)->text(), text) <= 0) &&
               (row + 1 == items->rowCount() ||
                readingOrder().compare(text, items->item(row + 1)->text()) <= 0);
    };
    bool sorted = true;
    for (int row = first; row <= last && sorted; ++row) {
        sorted = inPlace(row);
    }
    if (sorted) {
        return; // the usual case: the initial fill appends in order
    }
    const QScopedValueRollback guard(m_sorting, true);
    const QSignalBlocker quiet(this); // moving entries is no change of the user's choice
    QStandardItem* current = items->item(currentIndex());
    std::vector<QList<QStandardItem*>> taken;
    for (int row = last; row >= first; --row) {
        taken.push_back(items->takeRow(row));
    }
    for (QList<QStandardItem*>& row : taken) {
        const QString text = row.first()->text();
        int low = 0;
        int high = items->rowCount();
        while (low < high) {
            const int middle = (low + high) / 2;
            if (readingOrder().compare(items->item(middle)->text(), text) <= 0) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        items->insertRow(low, row);
    }
    setCurrentIndex(current ? current->row() : -1);
}
