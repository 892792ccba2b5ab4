#pragma once

// Shared by the text fuzz targets: a failed law stops the run loudly, and every
// input is read both as UTF-8 and as UTF-16, the two ways text reaches us.
#include <QApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace FuzzText {

inline void check(bool condition, const char* file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "law broken at %s:%d\n", file, line);
        std::abort();
    }
}

/// Targets that drive widgets need an application, offscreen. It is never
/// destroyed: tearing Qt down among the static destructors at exit crashes
/// inside Qt, far from anything under test.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        new QApplication(argc, argv);
    }
}

template <class Exercise>
void withEachDecoding(const uint8_t* data, size_t size, Exercise exercise)
{
    exercise(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * sizeof(char16_t));
    exercise(QString::fromStdU16String(wide));
}

} // namespace FuzzText
