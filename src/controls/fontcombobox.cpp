#include "controls/fontcombobox.h"

#include <algorithm>
#include <QCollator>
#include <vector>

FontComboBox::FontComboBox(QWidget* parent) : FontComboBox(false, false, parent) {}

FontComboBox::FontComboBox(bool fixedPitchOnly, bool reserved, QWidget* parent)
    : QComboBox(parent), FontEnumerator(fixedPitchOnly, reserved)
{
    setInsertPolicy(QComboBox::InsertAlphabetically);
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
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), collator);
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
