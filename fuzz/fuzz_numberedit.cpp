// Any text in the length fields: typed through the character filter, pasted,
// stepped, or given to setValue. The number read is finite and bounded, a
// positive-only field never commits a negative number, and what the edit
// shows after a commit reads back as the committed value.
#include "fuzztext.h"

#include "controls/lengthorpercentctrl.h"
#include "controls/lengthorpercenteditor.h"
#include "controls/numberedit.h"
#include "controls/unitcombobox.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <QApplication>
#include <QKeyEvent>
#include <string>

namespace {

using FuzzText::check;

double numberOf(const Xml::LengthOrPercent& value)
{
    return value.isPercent() ? value.getPercent() * 100.0 : value.getLength().getSize();
}

// The value the edit's text stands for in the kind and unit of `current`.
Xml::LengthOrPercent readBack(const QString& text, const Xml::LengthOrPercent& current,
                              bool positiveOnly)
{
    double n = NumberEdit::readNumber(text);
    if (positiveOnly && n < 0) {
        n = 0.0;
    }
    if (current.isPercent()) {
        return Xml::LengthOrPercent(n / 100.0);
    }
    return Xml::LengthOrPercent(Xml::Length(n, current.getLength().getUnit()));
}

void checkValue(const Xml::LengthOrPercent& value, bool positiveOnly)
{
    const double n = numberOf(value);
    check(std::isfinite(n));
    if (positiveOnly) {
        check(n >= 0.0);
    }
}

void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
    }
}

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

template <class Field> void exerciseField(Field& field, const QString& text, int unitChoice)
{
    const bool positive = field.isPositiveOnly();
    NumberEdit* edit = field.numberEdit();

    // Typed: only characters of a number reach the text.
    edit->clear();
    type(edit, text.left(24));
    for (const QChar c : edit->text()) {
        check(NumberEdit::acceptsCharacter(c, positive));
    }
    pressKey(edit, Qt::Key_Return);
    Xml::LengthOrPercent committed = field.getValue();
    checkValue(committed, positive);
    check(readBack(edit->text(), committed, positive) == committed);

    // Pasted, then stepped: the value is what the edit now shows.
    edit->setText(text);
    pressKey(edit, (unitChoice & 1) ? Qt::Key_Up : Qt::Key_Down);
    committed = field.getValue();
    checkValue(committed, positive);
    check(readBack(edit->text(), committed, positive) == committed);

    // Given as CSS text, then switched to another unit.
    field.setValue(Core::String(text));
    checkValue(field.getValue(), false);
    check(std::isfinite(NumberEdit::readNumber(edit->text())));
    UnitComboBox* units = field.unitList();
    if (units->count() > 0) {
        const int unit = units->dataAt(unitChoice % units->count());
        const Xml::LengthOrPercent target =
            unit == UnitComboBox::PercentMarker
                ? Xml::LengthOrPercent(0.0)
                : Xml::LengthOrPercent(Xml::Length(0.0, Xml::Length::Unit(unit)));
        field.setAssignedLengthOrPercent(target, true, true);
        checkValue(field.getValue(), false);
        check(field.getValue().isPercent() == target.isPercent());
    }
}

void exercise(const QString& text, int unitChoice)
{
    const double n = NumberEdit::readNumber(text);
    check(std::isfinite(n));
    check(std::fabs(n) <= Xml::Length::MaxMagnitude);
    check(!std::signbit(n) || n < 0); // never "-0"
    if (n == 0.0 || std::fabs(n) > 1e-300) {
        check(NumberEdit::readNumber(QString::number(n, 'g', 17)) == n);
    }
    check(!NumberEdit::acceptsCharacter(QLatin1Char('-'), true));

    // Laying out and shaping a line edit's text is what costs here: the
    // reading above took the whole input, one of the fields (picked by the
    // input) takes a prefix long enough for any number.
    const QString shorter = text.left(128);
    static auto* negatives = new LengthOrPercentCtrl(true, false, true);
    static auto* positive = new LengthOrPercentCtrl(false, true, false);
    static auto* editor = new LengthOrPercentEditor(true, true, true);
    switch (unitChoice % 3) {
    case 0:
        exerciseField(*negatives, shorter, unitChoice / 3);
        break;
    case 1:
        exerciseField(*positive, shorter, unitChoice / 3);
        break;
    default:
        exerciseField(*editor, shorter, unitChoice / 3);
        break;
    }
}

} // namespace

// fontconfig keeps its font caches until FcFini, which Qt never calls: those
// blocks are still held at exit, not lost by the code under test.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::ensureApplication();
    const int unitChoice = size > 0 ? data[0] : 0;
    exercise(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)), unitChoice);
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * sizeof(char16_t));
    exercise(QString::fromStdU16String(wide), unitChoice + 1);
    return 0;
}
