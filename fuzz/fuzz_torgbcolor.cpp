// Any text as a colour field's colour: ToRGBColor answers a colour or leaves
// its output alone, the field writes what it recognises as rgb() text that it
// recognises again, and text it does not know leaves the swatch as it was.
#include "controls/colorctrl.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <QApplication>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// The field needs an application; the fuzzer has no display. It is never
// destroyed: tearing Qt down among the static destructors at exit crashes
// inside Qt, far from anything under test.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_torgbcolor";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        new QApplication(argc, argv);
    }
}

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
        check(field.text() == text);
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
    ensureApplication();
    exercise(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * sizeof(char16_t));
    exercise(QString::fromStdU16String(wide));
    return 0;
}
