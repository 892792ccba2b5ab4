// A link's display text and address as a template or a user gives them: the
// title is read as plain text, a field or complex markup, the address loses
// its wrappers, and the link written from a readable title always parses and
// gives the title and address back.
#include "dialogs/insert/hyperlinkmarkup.h"
#include "fuzztext.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"

namespace {

QString carriedByXml(const QString& text)
{
    QString kept;
    for (char32_t c : text.toUcs4()) {
        if (c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
            (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF)) {
            kept += QString::fromUcs4(&c, 1);
        }
    }
    return kept;
}

void exercise(const QString& title, const QString& address, bool dynamicAddress)
{
    const HyperlinkMarkup::Title read = HyperlinkMarkup::classifyTitle(title);
    const Core::String shown = HyperlinkMarkup::processAddress(address);
    FuzzText::check(!shown.isEmpty() || !address.isEmpty());
    if (read.kind == HyperlinkMarkup::Title::Kind::Complex) {
        return; // written back unchanged
    }
    PropertyValueEx titleValue("title", "id-1");
    if (read.kind == HyperlinkMarkup::Title::Kind::Field) {
        titleValue.setType(PropertyValueType::Dynamic);
        titleValue.setDynamicValue(read.text);
    } else {
        titleValue.setStaticValue(read.text);
    }
    PropertyValueEx addressValue("external-destination", "id-1");
    addressValue.setStaticValue(shown);
    if (dynamicAddress) {
        addressValue.setType(PropertyValueType::Dynamic);
    }
    const Core::String link = HyperlinkMarkup::element(HyperlinkMarkup::referencePart(addressValue),
                                                       HyperlinkMarkup::titlePart(titleValue));
    Xml::DomParser parser;
    parser.parseMemory(QStringLiteral("<t xmlns:fo=\"%1\" xmlns:kmb=\"%2\">%3</t>")
                           .arg(QLatin1String(Xml::Namespaces::FO),
                                QLatin1String(Xml::Namespaces::KMB), link.toQString()));
    const Xml::Element element = parser.getDocument()->getRootNode().get_first_child_element();
    if (read.kind == HyperlinkMarkup::Title::Kind::Plain) {
        FuzzText::check(element.get_content().toQString() == carriedByXml(read.text.toQString()));
    } else {
        FuzzText::check(element.get_first_child_element().get_attribute_value("xpath") ==
                        read.text);
    }
    if (!dynamicAddress && !shown.isEmpty()) {
        FuzzText::check(element.get_attribute_value("external-destination").toQString() ==
                        QStringLiteral("url(%1)").arg(carriedByXml(shown.toQString())));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzText::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 8192) {
        return 0;
    }
    const bool dynamicAddress = (data[0] & 1) != 0;
    FuzzText::withEachDecoding(data + 1, size - 1, [dynamicAddress](const QString& text) {
        // A tab parts the title from the address.
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        exercise(tab < 0 ? text : text.left(tab), tab < 0 ? QString() : text.mid(tab + 1),
                 dynamicAddress);
    });
    return 0;
}
