#include "outside/types/simplepagemasterxml.h"

#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "outside/types/attributeset.h"
#include "outside/types/regionbordersxml.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

using PageSide = RegionData::Side;
using Attributes = RegionBordersXml::Attributes;

constexpr PageSide PageSides[] = {RegionData::Left, RegionData::Right, RegionData::Top,
                                  RegionData::Bottom};

const char* const RegionNames[PageLayoutData::RegionCount] = {
    "region-body", "region-before", "region-after", "region-start", "region-end"};
const char* const Alignments[RegionData::AlignmentCount] = {"before", "center", "after"};

// The borders record orders its sides otherwise.
BordersAndBackgroundData::Side bordersSideOf(PageSide side)
{
    return side == RegionData::Left    ? BordersAndBackgroundData::Left
           : side == RegionData::Right ? BordersAndBackgroundData::Right
           : side == RegionData::Top   ? BordersAndBackgroundData::Top
                                       : BordersAndBackgroundData::Bottom;
}

Core::String pageSideName(PageSide side)
{
    return BordersAndBackgroundData::sideName(bordersSideOf(side));
}

// A value as it will be written and read again: the text keeps six decimals.
Xml::LengthOrPercent canonical(const Xml::LengthOrPercent& value)
{
    Xml::LengthOrPercent again = value;
    Xml::LengthOrPercent::parseLengthOrPercent(again, value.getValueAsString(), false);
    return again;
}

Xml::Length canonical(const Xml::Length& value)
{
    Xml::Length again = value;
    Xml::Length::parseLength(again, value.getValueAsString());
    return again;
}

// A shorthand of one to four values (top, right, bottom, left) and its
// longhands; the longhands win. What does not parse is kept as written.
void readBox(AttributeSet& attributes, const Core::String& family,
             const std::function<void(PageSide, const Xml::LengthOrPercent&)>& store)
{
    std::array<Xml::LengthOrPercent, RegionData::SideCount> values;
    std::array<bool, RegionData::SideCount> given{};
    if (const Core::String shorthand = attributes.take(family); !shorthand.isEmpty()) {
        const std::vector<Core::String> words = shorthand.trimmed().split(" \t\r\n", true);
        std::vector<Xml::LengthOrPercent> parsed;
        for (const Core::String& word : words) {
            Xml::LengthOrPercent value;
            if (!Xml::LengthOrPercent::parseLengthOrPercent(value, word, false)) {
                break;
            }
            parsed.push_back(canonical(value));
        }
        if (parsed.size() != words.size() || parsed.empty() || parsed.size() > 4) {
            attributes.putBack(family);
        } else {
            // top, right, bottom, left, each missing one taken from its opposite
            const std::size_t n = parsed.size();
            const Xml::LengthOrPercent top = parsed[0];
            const Xml::LengthOrPercent right = n > 1 ? parsed[1] : top;
            const Xml::LengthOrPercent bottom = n > 2 ? parsed[2] : top;
            const Xml::LengthOrPercent left = n > 3 ? parsed[3] : right;
            values = {left, right, top, bottom};
            given.fill(true);
        }
    }
    for (PageSide side : PageSides) {
        const Core::String name = family + "-" + pageSideName(side);
        const Core::String text = attributes.take(name);
        if (text.isEmpty()) {
            continue;
        }
        Xml::LengthOrPercent value;
        if (Xml::LengthOrPercent::parseLengthOrPercent(value, text, false)) {
            values[side] = canonical(value);
            given[side] = true;
        } else {
            // Kept as written, it stays the side's value over the shorthand's.
            attributes.putBack(name);
            given[side] = false;
        }
    }
    for (PageSide side : PageSides) {
        if (given[side]) {
            store(side, values[side]);
        }
    }
}

void readLength(AttributeSet& attributes, const Core::String& name, Xml::Length& value)
{
    const Core::String text = attributes.take(name);
    if (text.isEmpty()) {
        return;
    }
    if (Xml::Length::parseLength(value, text)) {
        value = canonical(value);
    } else {
        attributes.putBack(name);
    }
}

// Quarter turns of "reference-orientation": 0, 90, 180, 270 and their negatives.
void readOrientation(AttributeSet& attributes, RegionData& region)
{
    const Core::String text = attributes.take("reference-orientation");
    if (text.isEmpty()) {
        return;
    }
    bool ok = false;
    const int degrees = text.trimmed().toQString().toInt(&ok);
    if (!ok || degrees % 90 != 0 || degrees < -270 || degrees > 270) {
        attributes.putBack("reference-orientation");
        return;
    }
    region.setOrientation(((degrees / 90) % 4 + 4) % 4);
}

void readAlignment(AttributeSet& attributes, RegionData& region)
{
    const Core::String text = attributes.take("display-align");
    if (text.isEmpty()) {
        return;
    }
    for (int index = 0; index < RegionData::AlignmentCount; ++index) {
        if (text == Alignments[index]) {
            region.setVerticalAlignment(index);
            return;
        }
    }
    attributes.putBack("display-align");
}

void readColumns(AttributeSet& attributes, RegionData& region)
{
    if (const Core::String text = attributes.take("column-count"); !text.isEmpty()) {
        bool ok = false;
        const int count = text.trimmed().toQString().toInt(&ok);
        if (ok && count >= 1 && count <= 999) {
            region.setColumnCount(count);
        } else {
            attributes.putBack("column-count");
        }
    }
    Xml::Length gap = region.getColumnGap();
    readLength(attributes, "column-gap", gap);
    region.setColumnGap(gap);
}

RegionData readRegion(const Xml::Element& element, int index)
{
    RegionData region;
    region.setVisible(true);
    AttributeSet attributes(element);
    readBox(attributes, "padding", [&](PageSide side, const Xml::LengthOrPercent& value) {
        region.setPadding(side, value);
    });
    if (index == PageLayoutData::Body) {
        readBox(attributes, "margin", [&](PageSide side, const Xml::LengthOrPercent& value) {
            region.setMargin(side, value);
        });
        readColumns(attributes, region);
    } else {
        Xml::Length extent;
        readLength(attributes, "extent", extent);
        region.setExtent(extent);
    }
    if (index == PageLayoutData::Before || index == PageLayoutData::After) {
        const Core::String precedence = attributes.take("precedence");
        region.setPrecedence(precedence == "true");
        if (!precedence.isEmpty() && precedence != "true" && precedence != "false") {
            attributes.putBack("precedence");
        }
    }
    readOrientation(attributes, region);
    readAlignment(attributes, region);
    BordersAndBackgroundData borders;
    RegionBordersXml::read(attributes, borders);
    for (PageSide side : PageSides) {
        // The borders dialog shows the region's padding in its own slots.
        borders.setPadding(bordersSideOf(side), region.getPadding(side));
    }
    region.setBordersAndBackground(borders);
    region.setKeptAttributes(attributes.kept());
    return region;
}

// Markup characters, and the white space a parser would turn into blanks.
Core::String attributeEscaped(const Core::String& text)
{
    QString out = text.toQString().toHtmlEscaped();
    out.replace(u'\t', QLatin1String("&#9;"))
        .replace(u'\n', QLatin1String("&#10;"))
        .replace(u'\r', QLatin1String("&#13;"));
    return out;
}

// The prefixes the designer's templates declare on their root, with their namespaces.
const std::pair<const char*, const char*> UsualPrefixes[] = {
    {"fo", Xml::Namespaces::FO}, {"kmb", Xml::Namespaces::KMB},
    {"km", Xml::Namespaces::KM}, {"svg", Xml::Namespaces::SVG},
    {"zc", Xml::Namespaces::ZC}, {"xml", "http://www.w3.org/XML/1998/namespace"}};

// Whether `prefix` means `uri` wherever the layout goes; false for other usual prefixes.
std::optional<bool> usualPrefixMeans(const Core::String& prefix, const Core::String& uri)
{
    for (const auto& [usual, usualUri] : UsualPrefixes) {
        if (prefix == usual) {
            return uri == usualUri;
        }
    }
    return std::nullopt;
}

// The attributes, then every kept one the edited values do not name; the
// namespaces of kept ones are declared once each where their prefix is unusual.
Core::String attributeText(const Attributes& written, const std::vector<KeptAttribute>& kept)
{
    Core::String text;
    std::vector<std::pair<Core::String, Core::String>> declared; // prefix, namespace
    for (const auto& [name, value] : written) {
        text = text + " " + name + "=\"" + attributeEscaped(value) + "\"";
    }
    for (const KeptAttribute& attribute : kept) {
        if (attribute.namespaceUri.isEmpty()) {
            if (std::none_of(written.begin(), written.end(), [&](const auto& pair) {
                    return pair.first == attribute.qualifiedName;
                })) {
                text = text + " " + attribute.qualifiedName + "=\"" +
                       attributeEscaped(attribute.value) + "\"";
            }
            continue;
        }
        Core::String prefix = attribute.qualifiedName.substringBefore(":");
        const std::optional<bool> usual = usualPrefixMeans(prefix, attribute.namespaceUri);
        if (!usual || !*usual) {
            const auto same = std::find_if(declared.begin(), declared.end(), [&](const auto& pair) {
                return pair.second == attribute.namespaceUri;
            });
            if (same != declared.end()) {
                prefix = same->first;
            } else {
                // A usual prefix bound elsewhere to another namespace, or one
                // declared here already for another, is renamed.
                const auto taken = [&](const Core::String& candidate) {
                    return usualPrefixMeans(candidate, attribute.namespaceUri).has_value() ||
                           std::any_of(declared.begin(), declared.end(),
                                       [&](const auto& pair) { return pair.first == candidate; });
                };
                for (int n = 1; prefix.isEmpty() || taken(prefix); ++n) {
                    prefix = Core::String("ns") + Core::String(QString::number(n));
                }
                declared.emplace_back(prefix, attribute.namespaceUri);
                text = text + " xmlns:" + prefix + "=\"" +
                       attributeEscaped(attribute.namespaceUri) + "\"";
            }
        }
        text = text + " " + prefix + ":" + attribute.localName() + "=\"" +
               attributeEscaped(attribute.value) + "\"";
    }
    return text;
}

void writeBox(Attributes& attributes, const Core::String& family,
              const std::function<Xml::LengthOrPercent(PageSide)>& value)
{
    for (PageSide side : PageSides) {
        if (!(value(side) == Xml::LengthOrPercent())) {
            attributes.emplace_back(family + "-" + pageSideName(side),
                                    value(side).getValueAsString());
        }
    }
}

Core::String regionMarkup(const RegionData& region, int index)
{
    Attributes attributes;
    if (index == PageLayoutData::Body) {
        writeBox(attributes, "margin", [&](PageSide side) { return region.getMargin(side); });
    } else if (!(region.getExtent() == Xml::Length())) {
        attributes.emplace_back("extent", region.getExtent().getValueAsString());
    }
    writeBox(attributes, "padding", [&](PageSide side) { return region.getPadding(side); });
    if (index == PageLayoutData::Body) {
        if (region.getColumnCount() != 1) {
            attributes.emplace_back("column-count",
                                    Core::String(QString::number(region.getColumnCount())));
        }
        if (!(region.getColumnGap() == RegionData().getColumnGap())) {
            attributes.emplace_back("column-gap", region.getColumnGap().getValueAsString());
        }
    }
    if ((index == PageLayoutData::Before || index == PageLayoutData::After) &&
        region.hasPrecedence()) {
        attributes.emplace_back("precedence", Core::String("true"));
    }
    if (region.getOrientation() > 0 && region.getOrientation() < RegionData::OrientationCount) {
        attributes.emplace_back("reference-orientation",
                                Core::String(QString::number(region.getOrientation() * 90)));
    }
    if (region.getVerticalAlignment() > 0 &&
        region.getVerticalAlignment() < RegionData::AlignmentCount) {
        attributes.emplace_back("display-align",
                                Core::String(Alignments[region.getVerticalAlignment()]));
    }
    RegionBordersXml::write(region.getBordersAndBackground(), attributes);
    return Core::String("<fo:") + RegionNames[index] +
           attributeText(attributes, region.getKeptAttributes()) + "/>";
}

} // namespace

PageLayoutData SimplePageMasterXml::read(const Xml::Element& element)
{
    PageLayoutData data;
    AttributeSet attributes(element);
    data.setMasterName(attributes.take("master-name"));
    Xml::Length length;
    readLength(attributes, "page-width", length);
    data.setWidth(length);
    length = Xml::Length();
    readLength(attributes, "page-height", length);
    data.setHeight(length);
    readBox(attributes, "margin",
            [&](PageSide side, const Xml::LengthOrPercent& value) { data.setMargin(side, value); });
    data.setKeptAttributes(attributes.kept());
    data.getRegion(PageLayoutData::Body).setVisible(true);
    std::array<bool, PageLayoutData::RegionCount> seen{};
    const auto readChild = [&](const Xml::Element& child, bool visible) {
        for (int index = 0; index < PageLayoutData::RegionCount; ++index) {
            // The first of each region counts, as for the renderer.
            if (!seen[std::size_t(index)] && child.isNamed(Xml::Namespaces::FO, RegionNames[index])) {
                seen[std::size_t(index)] = true;
                data.getRegion(index) = readRegion(child, index);
                data.getRegion(index).setVisible(visible || index == PageLayoutData::Body);
            }
        }
    };
    for (const Xml::Element& child : element.get_child_elements()) {
        if (child.isNamed(Xml::Namespaces::KMB, "hidden-region")) {
            for (const Xml::Element& hidden : child.get_child_elements()) {
                readChild(hidden, false);
            }
        } else {
            readChild(child, true);
        }
    }
    return data;
}

PageLayoutData SimplePageMasterXml::readText(const Core::String& markup)
{
    Xml::DomParser parser;
    parser.parseMemory(markup, "page layout");
    const Xml::Element root = parser.getDocument()->getRootNode();
    if (root.isNamed(Xml::Namespaces::FO, "simple-page-master")) {
        return read(root);
    }
    const std::vector<Xml::Node> found =
        root.find("//fo:simple-page-master", {{"fo", Xml::Namespaces::FO}});
    if (found.empty()) {
        throw Core::Exception(Core::String("The markup holds no simple page master."));
    }
    return read(Xml::Element(found.front()));
}

Core::String SimplePageMasterXml::write(const PageLayoutData& data, const Core::String& indent,
                                        const Core::String& lineEnd)
{
    Attributes attributes;
    attributes.emplace_back("master-name", data.getMasterName());
    if (!(data.getWidth() == Xml::Length())) {
        attributes.emplace_back("page-width", data.getWidth().getValueAsString());
    }
    if (!(data.getHeight() == Xml::Length())) {
        attributes.emplace_back("page-height", data.getHeight().getValueAsString());
    }
    writeBox(attributes, "margin", [&](PageSide side) { return data.getMargin(side); });
    Core::String markup = "<fo:simple-page-master" +
                          attributeText(attributes, data.getKeptAttributes()) + ">" + lineEnd;
    for (int index = 0; index < PageLayoutData::RegionCount; ++index) {
        const RegionData& region = data.getRegion(index);
        if (index == PageLayoutData::Body || region.isVisible()) {
            markup = markup + indent + "  " + regionMarkup(region, index) + lineEnd;
        } else if (!(region == RegionData())) {
            // XSL-FO has no hidden region: one switched off keeps its
            // settings in the designer's wrapper, which renderers skip.
            markup = markup + indent + "  <kmb:hidden-region>" + regionMarkup(region, index) +
                     "</kmb:hidden-region>" + lineEnd;
        }
    }
    return markup + indent + "</fo:simple-page-master>";
}
