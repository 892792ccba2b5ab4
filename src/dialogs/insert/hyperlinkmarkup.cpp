#include "dialogs/insert/hyperlinkmarkup.h"

#include "dialogs/insert/barcodemarkup.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"

namespace {

bool isField(const Xml::Element& element)
{
    if (element.get_local_name() != "field" ||
        element.get_namespace_uri() != Xml::Namespaces::KMB) {
        return false;
    }
    // A field with a format, an id or content would lose them when rewritten.
    const std::vector<Xml::Attribute> attributes = element.get_attributes();
    return attributes.size() == 1 && attributes.front().get_name() == "xpath" &&
           !attributes.front().get_value().isEmpty() && element.get_children().empty();
}

} // namespace

Core::String HyperlinkMarkup::processAddress(const Core::String& address)
{
    QString text = address.toQString();
    if (text.isEmpty()) {
        return QStringLiteral("http://");
    }
    if (text.startsWith(QLatin1String("url(")) && text.endsWith(QLatin1Char(')'))) {
        text = text.mid(4, text.size() - 5);
    }
    if (text.size() >= 2 && text.startsWith(QLatin1Char('\'')) &&
        text.endsWith(QLatin1Char('\''))) {
        text = text.mid(1, text.size() - 2);
    }
    if (text.endsWith(QLatin1Char('"'))) {
        text.chop(1);
    }
    return text;
}

HyperlinkMarkup::Title HyperlinkMarkup::classifyTitle(const Core::String& markup)
{
    const Title complex{Title::Kind::Complex, Core::String()};
    const QString text = markup.toQString();
    Xml::DomParser parser;
    try {
        parser.parseMemory(
            QStringLiteral("<t xmlns:kmb=\"%1\" xmlns:fo=\"%2\" xmlns:km=\"%3\" xmlns:svg=\"%4\">%5</t>")
                .arg(QLatin1String(Xml::Namespaces::KMB), QLatin1String(Xml::Namespaces::FO),
                     QLatin1String(Xml::Namespaces::KM), QLatin1String(Xml::Namespaces::SVG),
                     text));
    } catch (const Core::Exception&) {
        // Without a tag it is text with a bare "&" in it; with one it is
        // markup this dialog cannot read, and it is kept as it came.
        return text.contains(QLatin1Char('<')) ? complex : Title{Title::Kind::Plain, markup};
    }
    const Xml::Element root = parser.getDocument()->getRootNode();
    const std::vector<Xml::Node> children = root.get_children();
    bool textOnly = true;
    for (const Xml::Node& child : children) {
        textOnly = textOnly && child.is_text();
    }
    if (textOnly) {
        return {Title::Kind::Plain, root.get_content()};
    }
    if (children.size() == 1 && children.front().is_element()) {
        const Xml::Element field(children.front());
        if (isField(field)) {
            return {Title::Kind::Field, field.get_attribute_value("xpath")};
        }
    }
    return complex;
}

Core::String HyperlinkMarkup::referencePart(const PropertyValueEx& address)
{
    if (!address.isStatic()) {
        return QStringLiteral("id=\"%1\"")
            .arg(BarcodeMarkup::escapeAttribute(address.getObjectId()).toQString());
    }
    if (address.getStaticValue().isEmpty()) {
        return Core::String();
    }
    return QStringLiteral("external-destination=\"url(%1)\"")
        .arg(BarcodeMarkup::escapeAttribute(address.getStaticValue()).toQString());
}

Core::String HyperlinkMarkup::titlePart(const PropertyValueEx& title)
{
    if (title.isStatic()) {
        return BarcodeMarkup::escapeAttribute(title.getStaticValue());
    }
    if (title.isDynamic()) {
        return QStringLiteral("<kmb:field xpath=\"%1\" />")
            .arg(BarcodeMarkup::escapeAttribute(title.getDynamicValue()).toQString());
    }
    return Core::String();
}

Core::String HyperlinkMarkup::element(const Core::String& reference, const Core::String& title)
{
    return QStringLiteral("<fo:basic-link text-underline-style=\"solid\" "
                          "text-underline-width=\"auto\" color=\"rgb(0,0,255)\" %1>%2"
                          "</fo:basic-link>")
        .arg(reference.toQString(), title.toQString());
}
