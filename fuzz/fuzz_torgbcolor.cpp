// Any text as a colour field's colour: ToRGBColor answers a colour or leaves
// its output alone, the field writes what it recognises as rgb() text that it
// recognises again, and text it does not know leaves the swatch as it was.
#include "fuzztext.h"

#include "controls/colorctrl.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <QApplication>
#include <string>

namespace {

using FuzzText::check;

void exercise(const QString& text)
{
    const COLORREF untouched = 0xFF123456; // no colour value has a high byte
    COLORREF color = untouched;
    const bool known = ColorCtrl::ToRGBColor(text, color);
    if (!known) {
        check(color == untouched);
    } else {
        check(color <= 0xFFFFFF);
        COLORREF again = untouched;
        check(ColorCtrl::ToRGBColor(QStringLiteral("rgb(%1,%2,%3)")
                                        .arg(GetRValue(color))
                                        .arg(GetGValue(color))
                                        .arg(GetBValue(color)),
                                    again));
        check(again == color);
    }

    static auto* widget = new ColorCtrl;
    ColorCtrl& field = *widget;
    field.setColor(RGB(1, 2, 3));
    field.setText(text);
    field.getColor();
    if (text.isEmpty()) {
        check(field.isColorEmpty() && !field.isGradient());
    } else if (known) {
        check(!field.isColorEmpty() && field.swatchColor() == color && !field.isGradient());
    } else {
        check(!field.isColorEmpty() && field.swatchColor() == RGB(1, 2, 3));
        check(field.isGradient() == (text == QLatin1String("Gradient")));
    }

    field.setColor(Core::String(text));
    if (known) {
        check(field.getColor() == color);
        check(field.text().startsWith(QLatin1String("rgb(")));
    } else {
        // A line edit keeps at most maxLength() characters of what it is given.
        check(field.text() == text.left(field.maxLength()));
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
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
