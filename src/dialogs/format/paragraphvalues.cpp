#include "dialogs/format/paragraphvalues.h"

#include "outside/core/coreformat.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "outside/types/propertycollection.h"
#include "outside/types/unitmeasurehelper.h"

#include <limits>

namespace {

const char* const IndentNames[] = {"fo:start-indent", "fo:end-indent", "fo:text-indent",
                                   "fo:last-line-end-indent"};
const char* const KeepPrefixes[] = {"fo:keep-together", "fo:keep-with-next",
                                    "fo:keep-with-previous"};
const char* const KeepContexts[] = {".within-line", ".within-column", ".within-page"};
const char* const LineCountNames[] = {"fo:widows", "fo:orphans"};

Core::String keepName(int keep, int context)
{
    return Core::String(KeepPrefixes[keep]) + KeepContexts[context];
}

// The integer the text starts with ("3", " 2 lines"); 0 without one. A number
// too large for an int is taken as the largest.
int leadingInteger(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < trimmed.size() && trimmed.at(i) == QLatin1Char('-');
    if (i < trimmed.size() &&
        (trimmed.at(i) == QLatin1Char('-') || trimmed.at(i) == QLatin1Char('+'))) {
        ++i;
    }
    qint64 value = 0;
    for (; i < trimmed.size() && trimmed.at(i).isDigit() && trimmed.at(i).unicode() < 128; ++i) {
        value = std::min<qint64>(value * 10 + (trimmed.at(i).unicode() - '0'),
                                 std::numeric_limits<int>::max());
    }
    return int(negative ? -value : value);
}

void setValue(PropertyCollection& properties, const Core::String& name, const Core::String& value)
{
    properties.setProperty(EditableProperty(name, value), true);
}

} // namespace

ParagraphValues::ParagraphValues()
{
    const auto unit = Xml::Length::Unit(
        UnitMeasureHelper::toCSSLength(GlobalUnitMeasureHelper::getGlobalUnitMeasure()));
    m_indents.fill(Xml::LengthOrPercent(Xml::Length(0.0, unit)));
}

void ParagraphValues::read(const PropertyCollection& properties)
{
    m_alignment = alignmentOf(properties.getPropertyValue("fo:text-align"));
    for (int i = 0; i < IndentCount; ++i) {
        const Core::String text = properties.getPropertyValue(IndentNames[i]);
        if (!text.isEmpty()) {
            Xml::LengthOrPercent::parseLengthOrPercent(m_indents[i], text, false);
        }
    }
    for (int keep = 0; keep < KeepCount; ++keep) {
        m_keeps[keep] = false;
        for (int context = 0; context < 3; ++context) {
            m_keeps[keep] = m_keeps[keep] || properties.containsProperty(keepName(keep, context));
        }
    }
    m_hyphenate = !properties.getPropertyValue("fo:hyphenate").isEmpty();
    m_spanAll = !properties.getPropertyValue("fo:span").isEmpty();
    for (int i = 0; i < LineCountCount; ++i) {
        m_lineCounts[i] =
            leadingInteger(properties.getPropertyValue(LineCountNames[i]).toQString());
    }
}

void ParagraphValues::write(PropertyCollection& properties) const
{
    if (m_alignmentChanged) {
        setValue(properties, "fo:text-align", alignmentName(m_alignment));
    }
    for (int i = 0; i < IndentCount; ++i) {
        if (m_indentChanged[i]) {
            setValue(properties, IndentNames[i], m_indents[i].getValueAsString());
        }
    }
    for (int keep = 0; keep < KeepCount; ++keep) {
        if (!m_keepChanged[keep]) {
            continue;
        }
        for (int context = 0; context < 3; ++context) {
            if (m_keeps[keep]) {
                setValue(properties, keepName(keep, context), "always");
            } else {
                properties.removePropertyByName(keepName(keep, context));
            }
        }
    }
    if (m_hyphenateChanged) {
        if (m_hyphenate) {
            setValue(properties, "fo:hyphenate", "true");
        } else {
            properties.removePropertyByName("fo:hyphenate");
        }
    }
    for (int i = 0; i < LineCountCount; ++i) {
        if (!m_lineCountChanged[i]) {
            continue;
        }
        if (m_lineCounts[i] != 0) {
            setValue(properties, LineCountNames[i], Core::Format::format("{0}", m_lineCounts[i]));
        } else {
            properties.removePropertyByName(LineCountNames[i]);
        }
    }
    if (m_spanAllChanged) {
        if (m_spanAll) {
            setValue(properties, "fo:span", "all");
        } else {
            properties.removePropertyByName("fo:span");
        }
    }
}

Core::String ParagraphValues::alignmentName(int alignment)
{
    switch (alignment) {
    case Left:
        return "left";
    case Right:
        return "right";
    case Center:
        return "center";
    case Justify:
        return "justify";
    default:
        return Core::String();
    }
}

int ParagraphValues::alignmentOf(const Core::String& name)
{
    if (name == "center") {
        return Center;
    }
    if (name == "right") {
        return Right;
    }
    if (name == "justify") {
        return Justify;
    }
    return Left;
}

void ParagraphValues::setAlignment(int alignment)
{
    m_alignment = alignment;
    m_alignmentChanged = true;
}

void ParagraphValues::setIndent(Indent which, const Xml::LengthOrPercent& value)
{
    m_indents[which] = value;
    m_indentChanged[which] = true;
}

void ParagraphValues::setKeep(Keep which, bool on)
{
    m_keeps[which] = on;
    m_keepChanged[which] = true;
}

void ParagraphValues::setHyphenate(bool on)
{
    m_hyphenate = on;
    m_hyphenateChanged = true;
}

void ParagraphValues::setSpanAll(bool on)
{
    m_spanAll = on;
    m_spanAllChanged = true;
}

void ParagraphValues::setLineCount(LineCount which, int count)
{
    m_lineCounts[which] = count;
    m_lineCountChanged[which] = true;
}
