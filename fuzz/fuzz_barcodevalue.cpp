// Barcode values as a user or a data file may type them: the value goes into
// the km:barcode element and the preview document of every symbology. The
// element always parses and gives the value back (less what XML cannot
// carry), and the renderer either draws the preview or refuses the value
// with its error status.
#include "dialogs/insert/barcodemarkup.h"
#include "fuzztext.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"
#include "outside/render/viewengine.h"
#include "outside/xslfo/xslforulercontext.h"

namespace {

bool carriedByXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void exercise(Xml::BarcodeType type, unsigned flags, const QString& text)
{
    BarcodeSettings settings;
    settings.type = type;
    settings.value = PropertyValueEx("km:value", "id-1");
    settings.value.setStaticValue(text);
    if (flags & 1) {
        settings.value.setType(PropertyValueType::Dynamic);
    }
    settings.hexValue = (flags & 2) != 0;
    settings.drawText = (flags & 4) ? "false" : "true";
    settings.rotation = int((flags >> 3) & 3) * 90;

    PropertyCollection properties;
    properties.addProperty(EditableProperty("xmlns:km", "urn:other"), true);
    const XSLFO::RulerContext ruler(4 + int((flags >> 5) & 3), {120}, {300});
    const Core::String element = BarcodeMarkup::element(settings, properties, &ruler);

    Xml::DomParser parser;
    parser.parseMemory(QStringLiteral("<t xmlns:fo=\"%1\">%2</t>")
                           .arg(QLatin1String(Xml::Namespaces::FO), element.toQString()));
    QString expected;
    for (char32_t c : text.toUcs4()) {
        if (carriedByXml(c)) {
            expected += QString::fromUcs4(&c, 1);
        }
    }
    const Xml::Element barcode = parser.getDocument()->getRootNode().get_first_child_element();
    FuzzText::check(barcode.get_attribute_value("value", Xml::Namespaces::KM).toQString() ==
                    expected);

    ViewEngine engine;
    try {
        engine.loadBuffer(BarcodeMarkup::previewDocument(settings));
    } catch (const Core::Exception&) {
        FuzzText::check(engine.getStatus() == ViewEngine::StatusError);
        return;
    }
    FuzzText::check(
        engine.getStatus() ==
        (type == Xml::BarcodeType::None ? ViewEngine::StatusEmpty : ViewEngine::StatusReady));
    engine.getPageBoxes(0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzText::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > 4096) {
        return 0;
    }
    const auto type = Xml::BarcodeType(data[0] % 19); // None too
    const unsigned flags = data[1];
    FuzzText::withEachDecoding(data + 2, size - 2,
                               [type, flags](const QString& text) { exercise(type, flags, text); });
    return 0;
}
