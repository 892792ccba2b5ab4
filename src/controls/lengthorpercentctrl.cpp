#include "controls/lengthorpercentctrl.h"

#include "controls/numberedit.h"
#include "controls/spinbuttonctrl.h"
#include "controls/unitcombobox.h"
#include "outside/types/globalunitmeasurehelper.h"

#include <cmath>

namespace {

bool hasFineSteps(const Xml::LengthOrPercent& value)
{
    if (value.isPercent()) {
        return false;
    }
    const Xml::Length::Unit unit = value.getLength().getUnit();
    return unit == Xml::Length::Cm || unit == Xml::Length::In || unit == Xml::Length::Em;
}

// Percentages, points and pixels are shown to one decimal, the rest to two.
bool showsOneDecimal(const Xml::LengthOrPercent& value)
{
    if (value.isPercent()) {
        return true;
    }
    const Xml::Length::Unit unit = value.getLength().getUnit();
    return unit == Xml::Length::Px || unit == Xml::Length::Pt;
}

} // namespace

LengthOrPercentCtrl::LengthOrPercentCtrl(QWidget* parent)
    : LengthOrPercentCtrl(false, true, false, parent)
{
}

LengthOrPercentCtrl::LengthOrPercentCtrl(bool percentAllowed, bool positiveOnly, bool allUnits,
                                         QWidget* parent)
    : LengthOrPercentBase(percentAllowed, positiveOnly, allUnits, new NumberEdit,
                          new SpinButtonCtrl, new UnitComboBox, 1, 0, parent)
{
    initialize();
}

LengthOrPercentCtrl::~LengthOrPercentCtrl() = default;

double LengthOrPercentCtrl::getSensitivity() const
{
    return hasFineSteps(committedValue()) ? 0.1 : 1.0;
}

QString LengthOrPercentCtrl::formatNumber(double n) const
{
    const bool oneDecimal = showsOneDecimal(committedValue());
    const double factor = oneDecimal ? 10.0 : 100.0;
    if (std::floor(n) * factor == std::trunc(factor * n)) {
        return wholeNumberText(std::floor(n));
    }
    return decimalNumberText(n, oneDecimal ? 1 : 2);
}

int LengthOrPercentCtrl::fallbackUnitIndex() const
{
    const UnitMeasure preferred = GlobalUnitMeasureHelper::getGlobalUnitMeasure();
    return unitList()->indexOfData(UnitMeasureHelper::toCSSLength(preferred));
}

Xml::LengthOrPercent LengthOrPercentCtrl::initialValue() const
{
    const UnitMeasure preferred = GlobalUnitMeasureHelper::getGlobalUnitMeasure();
    if (preferred == UnitMeasure::Point || preferred == UnitMeasure::Pixel || hasAllUnits()) {
        return Xml::LengthOrPercent(
            Xml::Length(0.0, Xml::Length::Unit(UnitMeasureHelper::toCSSLength(preferred))));
    }
    return Xml::LengthOrPercent();
}

void LengthOrPercentCtrl::setAssignedLengthOrPercent(const Xml::LengthOrPercent& value, bool notify,
                                                     bool convert)
{
    if (!convert) {
        setCommittedValue(value);
    } else {
        const Xml::LengthOrPercent current = committedValue();
        double n = numberOf(current);
        if (value.isPercent()) {
            setCommittedValue(Xml::LengthOrPercent(n / 100.0));
        } else {
            const Xml::Length::Unit target = value.getLength().getUnit();
            if (!current.isPercent()) {
                n = UnitMeasureHelper::convertUnitMeasure(
                    n, UnitMeasureHelper::fromCSSLength(current.getLength().getUnit()),
                    UnitMeasureHelper::fromCSSLength(target));
            }
            setCommittedValue(Xml::LengthOrPercent(Xml::Length(n, target)));
        }
    }
    if (notify) {
        this->notify();
    }
    updateUnitName();
    updateValue();
}

void LengthOrPercentCtrl::DDX_Value(const DataExchange& dx, Xml::LengthOrPercent& value)
{
    if (dx.isSaving()) {
        value = committedValue();
        return;
    }
    setCommittedValue(value);
    updateUnitName();
    updateValue();
}

void LengthOrPercentCtrl::DDX_Value(const DataExchange& dx, Xml::Length& value)
{
    if (dx.isSaving()) {
        value = committedValue().getLength();
        return;
    }
    setCommittedValue(Xml::LengthOrPercent(value));
    updateUnitName();
    updateValue();
}

void LengthOrPercentCtrl::DDX_Value(const DataExchange& dx, Core::String& value)
{
    if (dx.isSaving()) {
        value = getValueAsString();
        return;
    }
    setValue(value);
}

void LengthOrPercentCtrl::unitChosen(const Xml::LengthOrPercent& target)
{
    setAssignedLengthOrPercent(target, true, true);
}

void LengthOrPercentCtrl::emitModified()
{
    Q_EMIT lengthOrPercentModified(this, committedValue());
}
