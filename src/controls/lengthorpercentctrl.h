#pragma once

#include "controls/lengthorpercentbase.h"
#include "frame/dataexchange.h"

/// The length field of the formatting and page dialogs: a right-aligned
/// number, arrows that step it and a list of units. Percent allowed, positive
/// only and all units (in, mm, cm, em) are chosen at construction or, in a
/// Designer form, as properties of the promoted placeholder.
///
/// Its number shows whole when it is whole at the unit's precision (one decimal
/// for %, pt and px, two for the others): 12 pt shows 12, 12.5 pt 12.5 and
/// 2.54 cm 2.54. Picking another unit converts the number between length units
/// (72 pt become 1 in) and keeps it between a length and a percentage.
class UIEDITOR_EXPORT LengthOrPercentCtrl : public LengthOrPercentBase
{
    Q_OBJECT

public:
    /// Percent not allowed, positive only, pt and px only.
    explicit LengthOrPercentCtrl(QWidget* parent = nullptr);
    LengthOrPercentCtrl(bool percentAllowed, bool positiveOnly, bool allUnits,
                        QWidget* parent = nullptr);
    ~LengthOrPercentCtrl() override;

    /// The committed value; text typed but not yet committed is not in it.
    Xml::LengthOrPercent getValue() const { return committedValue(); }
    /// The committed value as CSS text ("12pt", "50%").
    Core::String getValueAsString() const { return committedValue().getValueAsString(); }

    /// Makes `value` the committed value. With `convert` only its kind and unit
    /// are taken: the number shown is converted to that unit (between length
    /// units) or kept (to or from a percentage). With `notify` the modified
    /// signal is emitted, before the display is refreshed.
    void setAssignedLengthOrPercent(const Xml::LengthOrPercent& value, bool notify, bool convert);

    /// Saving copies the committed value out; loading makes the given value
    /// the committed value and shows it. Never notifies.
    void DDX_Value(const DataExchange& dx, Xml::LengthOrPercent& value);
    /// As above with the length part (Xml::LengthOrPercent::getLength).
    void DDX_Value(const DataExchange& dx, Xml::Length& value);
    /// As above with CSS text; loading parses as setValue(text).
    void DDX_Value(const DataExchange& dx, Core::String& value);

Q_SIGNALS:
    /// A committed change: Enter or focus loss in the edit, a step, a unit
    /// picked, or setAssignedLengthOrPercent with notify. `value` is the
    /// committed value, valid during the call.
    void lengthOrPercentModified(LengthOrPercentCtrl* control, const Xml::LengthOrPercent& value);

protected:
    double getSensitivity() const override;
    QString formatNumber(double n) const override;
    bool offersEm() const override { return true; }
    int fallbackUnitIndex() const override;
    Xml::LengthOrPercent initialValue() const override;
    void unitChosen(const Xml::LengthOrPercent& target) override;
    void emitModified() override;
};
