#include "controls/fontenumerator.h"

#include <QFontDatabase>

// The second flag only ever reached a reserved argument of the system's
// enumeration; there is nothing for it to change here.
FontEnumerator::FontEnumerator(bool fixedPitchOnly, bool) : m_fixedPitchOnly(fixedPitchOnly) {}

FontEnumerator::~FontEnumerator() = default;

void FontEnumerator::loadFonts()
{
    m_fonts.clear();
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        OnEnumFontFamily(family, QFontDatabase::isFixedPitch(family));
    }
}

void FontEnumerator::OnEnumFontFamily(const Core::String& family, bool fixedPitch)
{
    if (m_fixedPitchOnly && !fixedPitch) {
        return;
    }
    m_fonts.insert(family);
}
