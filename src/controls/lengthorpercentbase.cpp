#include "controls/lengthorpercentbase.h"

#include "controls/numberedit.h"
#include "controls/spinbuttonctrl.h"
#include "controls/unitcombobox.h"
#include "outside/core/corestringformatstream.h"

#include <algorithm>
#include <cmath>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace {

// Binary fractions make 0.29 * 100 come out as 28.999999999999996; the user
// typed 29 and must see 29, so shown numbers are taken to nine decimals first.
double withoutBinaryNoise(double n)
{
    if (std::fabs(n) >= Xml::Length::MaxMagnitude) {
        return n;
    }
    return std::round(n * 1e9) / 1e9 + 0.0;
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

LengthOrPercentBase::LengthOrPercentBase(bool percentAllowed, bool positiveOnly, bool allUnits,
                                         NumberEdit* edit, SpinButtonCtrl* spin,
                                         UnitComboBox* units, int editStretch, int unitStretch,
                                         QWidget* parent)
    : QWidget(parent), m_edit(edit), m_spin(spin), m_units(units), m_percentAllowed(percentAllowed),
      m_positiveOnly(positiveOnly), m_allUnits(allUnits)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // The arrows sit against the edit, as a spin box's do.
    auto* number = new QHBoxLayout;
    number->setSpacing(0);
    number->addWidget(m_edit, 1);
    number->addWidget(m_spin);
    layout->addLayout(number, editStretch);
    layout->addWidget(m_units, unitStretch);
    m_spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    m_edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_units->setSizePolicy(unitStretch > 0 ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                           QSizePolicy::Preferred);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // A dialog that gives the field the focus (or a mnemonic of its label)
    // reaches the number.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);

    m_edit->setPositiveOnly(m_positiveOnly);
    m_edit->setAccessibleName(tr("Value"));
    m_units->setAccessibleName(tr("Unit"));
    m_edit->installEventFilter(this);
    m_units->installEventFilter(this);
    connect(m_spin, &SpinButtonCtrl::deltaPos, this,
            [this](int delta) { handleDeltaPosChanged(m_spin, delta); });
    connect(m_units, &QComboBox::activated, this, &LengthOrPercentBase::onUnitActivated);
}

LengthOrPercentBase::~LengthOrPercentBase()
{
    // The children outlive this part of the object; their last focus-out must
    // not reach a half-destroyed field.
    m_edit->removeEventFilter(this);
    m_units->removeEventFilter(this);
}

void LengthOrPercentBase::initialize()
{
    if (!m_valueAssigned) {
        m_value = initialValue();
    }
    rebuildUnits();
}

void LengthOrPercentBase::setPercentAllowed(bool allowed)
{
    m_percentAllowed = allowed;
    initialize();
}

void LengthOrPercentBase::setPositiveOnly(bool positiveOnly)
{
    m_positiveOnly = positiveOnly;
    m_edit->setPositiveOnly(positiveOnly);
}

void LengthOrPercentBase::setAllUnits(bool allUnits)
{
    m_allUnits = allUnits;
    initialize();
}

Xml::LengthOrPercent LengthOrPercentBase::initialValue() const
{
    return Xml::LengthOrPercent();
}

void LengthOrPercentBase::setCommittedValue(const Xml::LengthOrPercent& value)
{
    m_value = value;
    m_valueAssigned = true;
}

void LengthOrPercentBase::setValue(const Core::String& text)
{
    Xml::LengthOrPercent parsed = m_value;
    Xml::LengthOrPercent::parseLengthOrPercent(parsed, text, false);
    setCommittedValue(parsed);
    updateUnitName();
    updateValue();
}

void LengthOrPercentBase::setValue(double number, const Core::String& unit)
{
    setValue((Core::StringFormatStream("{0}{1}") << number << unit).toString());
}

void LengthOrPercentBase::setUnit(const Core::String& prefix)
{
    const int index = m_units->findText(prefix, Qt::MatchStartsWith);
    if (index >= 0) {
        m_units->setCurrentIndex(index);
        m_shownUnitIndex = index;
    }
}

bool LengthOrPercentBase::EnableWindow(bool enable)
{
    const bool wasDisabled = !m_edit->isEnabledTo(this);
    enableEditor(enable);
    return wasDisabled;
}

void LengthOrPercentBase::enableEditor(bool enable)
{
    m_edit->setEnabled(enable);
    m_spin->setEnabled(enable);
    m_units->setEnabled(enable);
}

double LengthOrPercentBase::numberOf(const Xml::LengthOrPercent& value)
{
    return value.isPercent() ? value.getPercent() * 100.0 : value.getLength().getSize();
}

Xml::LengthOrPercent LengthOrPercentBase::valueFromNumber(double n) const
{
    if (m_value.isPercent()) {
        return Xml::LengthOrPercent(n / 100.0);
    }
    return Xml::LengthOrPercent(Xml::Length(n, m_value.getLength().getUnit()));
}

Xml::LengthOrPercent LengthOrPercentBase::parseEditValue() const
{
    double number = NumberEdit::readNumber(m_edit->text());
    if (m_positiveOnly && number < 0) {
        number = 0.0;
    }
    return valueFromNumber(number);
}

QString LengthOrPercentBase::wholeNumberText(double n)
{
    return QString::number(n + 0.0, 'f', 0);
}

QString LengthOrPercentBase::decimalNumberText(double n, int decimals)
{
    QString text = QString::number(n, 'f', decimals);
    // -0.04 rounds to "-0.0": a sign on nothing only confuses.
    if (text.startsWith(QLatin1Char('-')) &&
        std::all_of(text.cbegin() + 1, text.cend(),
                    [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); })) {
        text.remove(0, 1);
    }
    return text;
}

void LengthOrPercentBase::updateValue()
{
    m_edit->setText(formatNumber(withoutBinaryNoise(numberOf(m_value))));
}

void LengthOrPercentBase::updateUnitName()
{
    const int unitData =
        m_value.isPercent() ? UnitComboBox::PercentMarker : int(m_value.getLength().getUnit());
    int index = m_units->indexOfData(unitData);
    if (index < 0) {
        index = fallbackUnitIndex();
    }
    m_units->setCurrentIndex(index);
    m_shownUnitIndex = index;
}

int LengthOrPercentBase::fallbackUnitIndex() const
{
    return -1;
}

void LengthOrPercentBase::rebuildUnits()
{
    const QSignalBlocker blocker(m_units);
    m_units->clear();
    if (m_percentAllowed) {
        m_units->addUnit(QStringLiteral("%"), UnitComboBox::PercentMarker);
    }
    if (m_allUnits) {
        m_units->addUnit(QStringLiteral("in"), Xml::Length::In);
        m_units->addUnit(QStringLiteral("mm"), Xml::Length::Mm);
        m_units->addUnit(QStringLiteral("cm"), Xml::Length::Cm);
        if (offersEm()) {
            m_units->addUnit(QStringLiteral("em"), Xml::Length::Em);
        }
    }
    m_units->addUnit(QStringLiteral("pt"), Xml::Length::Pt);
    m_units->addUnit(QStringLiteral("px"), Xml::Length::Px);
    updateUnitName();
    updateValue();
}

void LengthOrPercentBase::signAddSensToValue(int count)
{
    const double step = getSensitivity();
    double n = numberOf(m_value) + count * step;
    if (m_positiveOnly && n < 0) {
        n = 0.0;
    }
    n = std::clamp(n, -Xml::Length::MaxMagnitude, Xml::Length::MaxMagnitude);
    setCommittedValue(valueFromNumber(n));
    updateValue();
}

void LengthOrPercentBase::handleDeltaPosChanged(QWidget* source, int delta)
{
    setCommittedValue(parseEditValue());
    if (source == m_spin && delta != 0) {
        signAddSensToValue(-delta);
    }
    // What the edit now shows is the value, rounded as shown.
    setCommittedValue(parseEditValue());
    notify();
}

void LengthOrPercentBase::notify()
{
    // A listener that opens a message box takes the focus from the edit; that
    // commit must not notify again, or each box would open the next.
    if (m_notifying) {
        return;
    }
    const QScopedValueRollback<bool> guard(m_notifying, true);
    emitModified();
}

void LengthOrPercentBase::notifyValueChanged()
{
    setCommittedValue(parseEditValue());
    // Text such as "1,5", " 7" or "-" is shown as the value it gave, so the
    // user sees what was taken; a shown text that would round the value is
    // not written, or the next commit would lose what was typed.
    const QString shown = formatNumber(withoutBinaryNoise(numberOf(m_value)));
    if (shown != m_edit->text() && valueFromNumber(NumberEdit::readNumber(shown)) == m_value) {
        m_edit->setText(shown);
    }
    notify();
}

void LengthOrPercentBase::onUnitActivated(int index)
{
    if (index == m_shownUnitIndex || index < 0) {
        return;
    }
    m_shownUnitIndex = index;
    const int unitData = m_units->dataAt(index);
    const Xml::LengthOrPercent target =
        unitData == UnitComboBox::PercentMarker
            ? Xml::LengthOrPercent(0.0)
            : Xml::LengthOrPercent(Xml::Length(0.0, Xml::Length::Unit(unitData)));
    unitChosen(target);
}

bool LengthOrPercentBase::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit) {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Enter, the arrows and Ctrl+Tab belong to the field, not to a
            // shortcut of the window.
            auto* key = static_cast<QKeyEvent*>(event);
            if (isEnterKey(key->key()) || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                key->key() == Qt::Key_Tab) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier)) {
                m_units->setFocus(Qt::TabFocusReason);
                if (key->modifiers() & Qt::ControlModifier) {
                    m_units->showPopup();
                }
                return true;
            }
            if (isEnterKey(key->key())) {
                // Consumed: Enter commits the number and does not press the
                // dialog's default button.
                notifyValueChanged();
                return true;
            }
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                handleDeltaPosChanged(m_spin, key->key() == Qt::Key_Up ? -1 : 1);
                return true;
            }
            break;
        }
        case QEvent::FocusOut:
            // A context menu of the edit is no leaving of the field.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                notifyValueChanged();
            }
            break;
        default:
            break;
        }
    } else if (watched == m_units && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab) {
        m_edit->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
