#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "uieditor_export.h"

#include <QWidget>

class NumberEdit;
class SpinButtonCtrl;
class UnitComboBox;

/// What the two length fields, LengthOrPercentCtrl and LengthOrPercentEditor,
/// share: a number edit, the arrows beside it and a unit list, one committed
/// value, the three construction flags, the keyboard and the commits. Use one
/// of the two fields; this class only carries their common machinery.
///
/// Typed text is not yet the value. The value is committed, and the field's
/// modified signal emitted, when the edit loses the focus, on Enter in the
/// edit, on a step of the arrows (or of the Up and Down keys in the edit), when
/// the user picks another unit, and by setAssignedLengthOrPercent with notify.
/// Setters never emit it.
///
/// Flags may also be set after construction (a Designer form sets them as
/// properties of a promoted placeholder); the unit list is then rebuilt.
class UIEDITOR_EXPORT LengthOrPercentBase : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool percentAllowed READ isPercentAllowed WRITE setPercentAllowed)
    Q_PROPERTY(bool positiveOnly READ isPositiveOnly WRITE setPositiveOnly)
    Q_PROPERTY(bool allUnits READ hasAllUnits WRITE setAllUnits)

public:
    ~LengthOrPercentBase() override;

    bool isPercentAllowed() const { return m_percentAllowed; }
    bool isPositiveOnly() const { return m_positiveOnly; }
    bool hasAllUnits() const { return m_allUnits; }
    void setPercentAllowed(bool allowed);
    void setPositiveOnly(bool positiveOnly);
    void setAllUnits(bool allUnits);

    /// Parses CSS text ("12pt", "50%") into the committed value and shows it.
    /// Text that does not parse leaves the value as it was. No notification.
    void setValue(const Core::String& text);
    /// The number immediately followed by the unit text ("%" for a
    /// percentage), then as setValue(text). No notification.
    void setValue(double number, const Core::String& unit);
    /// Selects the first unit entry whose text begins with `prefix`. Only the
    /// list changes: the committed value keeps its unit. No notification.
    void setUnit(const Core::String& prefix);

    /// Enables or disables the edit, the arrows and the list (not this widget
    /// itself, which may hold a label). Answers whether the edit was disabled
    /// before the call.
    bool EnableWindow(bool enable);

    /// Steps as the arrows do, for a caller that forwards a spin notification:
    /// the edit is committed, then, if `source` is this field's own arrows,
    /// -delta steps are added (a negative delta steps up); the field then
    /// notifies. Any other source only commits and notifies.
    void handleDeltaPosChanged(QWidget* source, int delta);

    NumberEdit* numberEdit() const { return m_edit; }
    SpinButtonCtrl* spinButton() const { return m_spin; }
    UnitComboBox* unitList() const { return m_units; }

protected:
    /// The children are created by the concrete field (each has types of its
    /// own) and adopted here; `editStretch` and `unitStretch` share the width.
    LengthOrPercentBase(bool percentAllowed, bool positiveOnly, bool allUnits, NumberEdit* edit,
                        SpinButtonCtrl* spin, UnitComboBox* units, int editStretch, int unitStretch,
                        QWidget* parent);

    /// Builds the unit entries and shows the initial value. The concrete
    /// field's constructor calls it, once its overrides are in place.
    void initialize();

    /// The same enabling as EnableWindow, without the answer.
    void enableEditor(bool enable);
    /// The edit's text read as a value in the committed value's kind and unit.
    /// Changes nothing by itself.
    Xml::LengthOrPercent parseEditValue() const;
    /// The step of one arrow press, in the committed value's unit (percent
    /// points for a percentage).
    virtual double getSensitivity() const = 0;
    /// Shows the committed value in the edit.
    void updateValue();
    /// Selects the unit entry of the committed value.
    void updateUnitName();
    /// Adds `count` steps to the committed value and shows it.
    void signAddSensToValue(int count);
    /// Commits the edit and notifies (Enter, focus loss).
    void notifyValueChanged();

    /// The text the edit shows for the number `n` (size, or percent points).
    virtual QString formatNumber(double n) const = 0;
    /// Whether the list offers "em" when all units are allowed.
    virtual bool offersEm() const = 0;
    /// The entry to select when the value's unit is not offered; -1 for none.
    virtual int fallbackUnitIndex() const;
    /// The value of a field that was given none.
    virtual Xml::LengthOrPercent initialValue() const;
    /// The user picked another unit; `target` is a zero value of that kind.
    virtual void unitChosen(const Xml::LengthOrPercent& target) = 0;
    /// Emits the concrete field's modified signal with the committed value.
    virtual void emitModified() = 0;
    /// emitModified, unless a listener of this very notification caused it.
    void notify();

    /// The number the user sees for `value`: its size, or its percent points.
    static double numberOf(const Xml::LengthOrPercent& value);
    /// "%d" of `n` (no "-0"), or `n` with `decimals` decimals.
    static QString wholeNumberText(double n);
    static QString decimalNumberText(double n, int decimals);

    bool eventFilter(QObject* watched, QEvent* event) override;

    /// The committed value: what getValue returns and what is notified.
    const Xml::LengthOrPercent& committedValue() const { return m_value; }
    /// Replaces the committed value; nothing is shown or notified.
    void setCommittedValue(const Xml::LengthOrPercent& value);

private:
    /// `n` as a value of the committed value's kind and unit, as typed.
    Xml::LengthOrPercent valueFromNumber(double n) const;
    void rebuildUnits();
    void onUnitActivated(int index);

    Xml::LengthOrPercent m_value;

    NumberEdit* m_edit;
    SpinButtonCtrl* m_spin;
    UnitComboBox* m_units;
    bool m_percentAllowed;
    bool m_positiveOnly;
    bool m_allUnits;
    bool m_valueAssigned = false;
    bool m_notifying = false;
    int m_shownUnitIndex = -1;
};
