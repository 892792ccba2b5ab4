#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "uieditor_export.h"

#include <array>

class PropertyCollection;

/// What the paragraph dialog edits for one block: alignment, four indents,
/// three keeps, hyphenation, column spanning, widows and orphans. Every value
/// remembers whether the user changed it, so that writing touches only those
/// properties; a flag once set stays set.
class UIEDITOR_EXPORT ParagraphValues
{
public:
    /// The alignment codes of the list: left, right, center, justify.
    enum Alignment { Left = 1, Right = 2, Center = 3, Justify = 4 };
    enum Indent { StartIndent, EndIndent, FirstLineIndent, LastLineEndIndent, IndentCount };
    enum Keep { KeepTogether, KeepWithNext, KeepWithPrevious, KeepCount };
    enum LineCount { Widows, Orphans, LineCountCount };

    /// Left, zero indents in the user's preferred unit, everything else off,
    /// nothing changed.
    ParagraphValues();

    /// Loads the values from a block's properties. Changed flags stay as they are.
    void read(const PropertyCollection& properties);
    /// Sets or removes the properties of the changed values only.
    void write(PropertyCollection& properties) const;

    /// "left", "right", "center" or "justify"; "" for any other code.
    static Core::String alignmentName(int alignment);
    /// "center", "right" and "justify" give theirs; anything else is left.
    static int alignmentOf(const Core::String& name);

    int alignment() const { return m_alignment; }
    Xml::LengthOrPercent indent(Indent which) const { return m_indents[which]; }
    bool keep(Keep which) const { return m_keeps[which]; }
    bool hyphenate() const { return m_hyphenate; }
    bool spanAll() const { return m_spanAll; }
    int lineCount(LineCount which) const { return m_lineCounts[which]; }

    /// The setters are the user's edits: each sets its changed flag.
    void setAlignment(int alignment);
    void setIndent(Indent which, const Xml::LengthOrPercent& value);
    void setKeep(Keep which, bool on);
    void setHyphenate(bool on);
    void setSpanAll(bool on);
    void setLineCount(LineCount which, int count);

    /// Loads an alignment without counting it as an edit.
    void loadAlignment(int alignment) { m_alignment = alignment; }

    bool alignmentChanged() const { return m_alignmentChanged; }
    bool indentChanged(Indent which) const { return m_indentChanged[which]; }
    bool keepChanged(Keep which) const { return m_keepChanged[which]; }
    bool hyphenateChanged() const { return m_hyphenateChanged; }
    bool spanAllChanged() const { return m_spanAllChanged; }
    bool lineCountChanged(LineCount which) const { return m_lineCountChanged[which]; }

private:
    int m_alignment = Left;
    bool m_alignmentChanged = false;
    std::array<Xml::LengthOrPercent, IndentCount> m_indents;
    std::array<bool, IndentCount> m_indentChanged{};
    std::array<bool, KeepCount> m_keeps{};
    std::array<bool, KeepCount> m_keepChanged{};
    bool m_hyphenate = false;
    bool m_hyphenateChanged = false;
    bool m_spanAll = false;
    bool m_spanAllChanged = false;
    std::array<int, LineCountCount> m_lineCounts{};
    std::array<bool, LineCountCount> m_lineCountChanged{};
};
