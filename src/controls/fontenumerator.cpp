#include "controls/fontenumerator.h"

#include <QFontDatabase>

FontEnumerator::FontEnumerator(bool fixedPitchOnly, bool reserved)
    : m_fixedPitchOnly(fixedPitchOnly), m_reserved(reserved)
{
}

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
