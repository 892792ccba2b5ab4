// Background-image values from any text: getGradientData gives a piece of the
// value, and isGradient answers without raising, also when the bytes are an
// SVG-like document sent inline as base64. File paths are not followed here:
// a value naming a file is rewritten into inline data first.
#include "css/gradientshelper.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>

namespace {

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString value = QString::fromUtf8(bytes);
    const QString gradientData = GradientsHelper::getGradientData(value).toQString();
    check(value.contains(gradientData));
    if (value.startsWith(QLatin1String("url(")) &&
        !value.mid(4).startsWith(QLatin1String("data:,"))) {
        value.insert(4, QLatin1String("data:,"));
    }
    GradientsHelper::isGradient(value);
    // The bytes themselves as the document.
    GradientsHelper::isGradient(QStringLiteral("url(data:,") +
                                QString::fromLatin1(bytes.toBase64()) + QLatin1Char(')'));
    return 0;
}
