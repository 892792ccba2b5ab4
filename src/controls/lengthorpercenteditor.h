#pragma once

#include "controls/lengthorpercentbase.h"

/// The host's twin of LengthOrPercentCtrl, with the same flags, keyboard and
/// notification, and these differences: no "em" among all units; the number
/// takes three fifths of the width and the unit list two; the number shows
/// whole whenever it lies within (almost) one step of a whole number, so mm,
/// pt, px and percentages always show whole; picking a unit keeps the number
/// as typed (no conversion) and leaves the edit alone; getValue commits the
/// edit first; a value whose unit is not offered shows no unit entry.
class UIEDITOR_EXPORT LengthOrPercentEditor : public LengthOrPercentBase
{
    Q_OBJECT

public:
    /// Percent not allowed, positive only, pt and px only.
    explicit LengthOrPercentEditor(QWidget* parent = nullptr);
    LengthOrPercentEditor(bool percentAllowed, bool positiveOnly, bool allUnits,
                          QWidget* parent = nullptr);
    ~LengthOrPercentEditor() override;

    /// Commits what the edit shows (without notifying) and returns the value.
    const Xml::LengthOrPercent& getValue();
    /// Commits what the edit shows and returns the value as CSS text.
    Core::String getValueAsString();

    /// Makes `value` the committed value; with `convert` only its kind and unit
    /// are taken and the number is kept. With `notify` the modified signal is
    /// emitted and the display is left as it is; without, the value is shown.
    void setAssignedLengthOrPercent(const Xml::LengthOrPercent& value, bool notify, bool convert);

Q_SIGNALS:
    /// A committed change: Enter or focus loss in the edit, a step, a unit
    /// picked, or setAssignedLengthOrPercent with notify.
    void lengthOrPercentModified(LengthOrPercentEditor* editor, const Xml::LengthOrPercent& value);

protected:
    double getSensitivity() const override;
    QString formatNumber(double n) const override;
    bool offersEm() const override { return false; }
    void unitChosen(const Xml::LengthOrPercent& target) override;
    void emitModified() override;
};
