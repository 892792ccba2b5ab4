#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <set>

/// Lists the font families installed on the system, each once, sorted.
class UIEDITOR_EXPORT FontEnumerator
{
public:
    /// `fixedPitchOnly` keeps only fixed-pitch (monospaced) families. The
    /// second flag is accepted for hosts that pass it and has no effect.
    explicit FontEnumerator(bool fixedPitchOnly = false, bool reserved = false);
    virtual ~FontEnumerator();

    /// Fills the set with the installed families, replacing what it held.
    void loadFonts();

    bool isFixedPitchOnly() const { return m_fixedPitchOnly; }
    void setFixedPitchOnly(bool fixedPitchOnly) { m_fixedPitchOnly = fixedPitchOnly; }

    struct Order
    {
        bool operator()(const Core::String& a, const Core::String& b) const
        {
            return a.compare(b) < 0;
        }
    };
    using Families = std::set<Core::String, Order>;

    /// The families found so far, ordered by Core::String::compare.
    const Families& getFonts() const { return m_fonts; }

protected:
    /// Receives one family as the system reports it; a family reported more
    /// than once (once per writing system or foundry) is kept once, and with
    /// fixed pitch only a proportional family is skipped.
    virtual void OnEnumFontFamily(const Core::String& family, bool fixedPitch);

private:
    bool m_fixedPitchOnly;
    Families m_fonts;
};
