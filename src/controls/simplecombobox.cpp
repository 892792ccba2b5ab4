#include "controls/simplecombobox.h"

SimpleComboBox::SimpleComboBox(QWidget* parent) : QComboBox(parent) {}

SimpleComboBox::~SimpleComboBox() = default;

void SimpleComboBox::setStringsAndData(std::map<int, QString> entries, int initial)
{
    m_entries = std::move(entries);
    m_initial = initial;
}

void SimpleComboBox::initializeItems()
{
    for (const auto& [key, text] : m_entries) {
        addItem(text, key);
    }
    selectByData(m_initial);
}

void SimpleComboBox::selectByData(int value)
{
    for (int i = 0; i < count(); ++i) {
        bool ok = false;
        if (itemData(i).toInt(&ok) == value && ok) {
            setCurrentIndex(i);
            return;
        }
    }
    setCurrentIndex(-1);
}
