#include "controls/lengthorpercenteditor.h"

#include "controls/numbereditor.h"
#include "controls/spincontrol.h"
#include "controls/unitcombo.h"

#include <cmath>

LengthOrPercentEditor::LengthOrPercentEditor(QWidget* parent)
    : LengthOrPercentEditor(false, true, false, parent)
{
}

LengthOrPercentEditor::LengthOrPercentEditor(bool percentAllowed, bool positiveOnly, bool allUnits,
                                             QWidget* parent)
    : LengthOrPercentBase(percentAllowed, positiveOnly, allUnits, new NumberEditor, new SpinControl,
                          new UnitCombo, 3, 2, parent)
{
    initialize();
}

LengthOrPercentEditor::~LengthOrPercentEditor() = default;

const Xml::LengthOrPercent& LengthOrPercentEditor::getValue()
{
    setCommittedValue(parseEditValue());
    return committedValue();
}

Core::String LengthOrPercentEditor::getValueAsString()
{
    return getValue().getValueAsString();
}

double LengthOrPercentEditor::getSensitivity() const
{
    const Xml::LengthOrPercent& value = committedValue();
    if (value.isPercent()) {
        return 1.0;
    }
    const Xml::Length::Unit unit = value.getLength().getUnit();
    return unit == Xml::Length::Cm || unit == Xml::Length::In ? 0.1 : 1.0;
}

QString LengthOrPercentEditor::formatNumber(double n) const
{
    const double whole = std::floor(n + 0.5);
    if (std::fabs(n - whole) < getSensitivity() * 0.98) {
        return wholeNumberText(whole);
    }
    const Xml::LengthOrPercent& value = committedValue();
    const bool oneDecimal = value.isPercent() || value.getLength().getUnit() == Xml::Length::Px ||
                            value.getLength().getUnit() == Xml::Length::Pt;
    return decimalNumberText(n, oneDecimal ? 1 : 2);
}

void LengthOrPercentEditor::setAssignedLengthOrPercent(const Xml::LengthOrPercent& value,
                                                       bool notify, bool convert)
{
    if (!convert) {
        setCommittedValue(value);
    } else {
        const double n = numberOf(committedValue());
        setCommittedValue(value.isPercent()
                              ? Xml::LengthOrPercent(n / 100.0)
                              : Xml::LengthOrPercent(Xml::Length(n, value.getLength().getUnit())));
    }
    if (notify) {
        this->notify();
        return;
    }
    updateUnitName();
    updateValue();
}

void LengthOrPercentEditor::unitChosen(const Xml::LengthOrPercent& target)
{
    setAssignedLengthOrPercent(target, true, true);
}

void LengthOrPercentEditor::emitModified()
{
    Q_EMIT lengthOrPercentModified(this, committedValue());
}
