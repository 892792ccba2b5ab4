#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/insert/insertbarcodedlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "onestepedit.h"
#include "outside/core/namespaces.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/dom/xmldomparser.h"
#include "outside/types/objectid.h"
#include "outside/xslfo/xslforulercontext.h"

#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

// The attributes the dialog writes itself; every other one is the host's and is carried over.
constexpr const char* DialogAttributes[] = {"km:type", "km:value", "km:draw-text", "km:rotation",
                                            "km:value-type"};

bool isBarcode(const Xml::Element& element)
{
    return !element.isNull() && element.get_local_name() == "barcode" &&
           element.get_namespace_uri() == Xml::Namespaces::KM;
}

std::optional<double> pixels(const Xml::Element& element, const char* attribute)
{
    Xml::Length length;
    const Core::String text = element.get_attribute_value(attribute);
    if (text.isEmpty() || !Xml::Length::parseLength(length, text) || length.pxSize() <= 0) {
        return std::nullopt;
    }
    return length.pxSize();
}

/// The width of the column `cell` sits in, from the table's fo:table-column elements.
std::optional<double> columnWidth(const Xml::Element& cell)
{
    const Xml::Element row = cell.get_parent();
    const Xml::Element section = row.isNull() ? Xml::Element() : row.get_parent();
    const Xml::Element table = section.isNull() ? Xml::Element() : section.get_parent();
    if (table.isNull() || !table.isNamed(Xml::Namespaces::FO, "table")) {
        return std::nullopt;
    }
    size_t index = 0;
    for (const Xml::Element& sibling : row.get_child_elements()) {
        if (sibling == cell) {
            break;
        }
        ++index;
    }
    std::vector<Xml::Element> columns;
    for (const Xml::Element& child : table.get_child_elements()) {
        if (child.isNamed(Xml::Namespaces::FO, "table-column")) {
            columns.push_back(child);
        }
    }
    return index < columns.size() ? pixels(columns[index], "column-width") : std::nullopt;
}

/// Where the barcode goes, as far as it bounds the barcode's size: the
/// nearest cell, fixed-height row or sized container around the selection.
std::optional<XSLFO::RulerContext> rulerAt(const Xml::Element& selected)
{
    for (Xml::Element up = selected; !up.isNull(); up = up.get_parent()) {
        if (up.isNamed(Xml::Namespaces::FO, "table-cell")) {
            if (const auto width = columnWidth(up)) {
                return XSLFO::RulerContext(XSLFO::RulerContext::TableCell, {}, {*width});
            }
        } else if (up.isNamed(Xml::Namespaces::FO, "table-row")) {
            if (const auto height = pixels(up, "height")) {
                return XSLFO::RulerContext(XSLFO::RulerContext::FixedHeightRow, {*height}, {});
            }
        } else if (up.isNamed(Xml::Namespaces::FO, "block-container")) {
            if (const auto height = pixels(up, "height")) {
                return XSLFO::RulerContext(XSLFO::RulerContext::HeightBlockContainer, {*height},
                                           {});
            }
            if (const auto width = pixels(up, "width")) {
                return XSLFO::RulerContext(XSLFO::RulerContext::SizedBlockContainer, {}, {*width});
            }
        }
    }
    return std::nullopt;
}

/// The attributes of `markup`'s element, named as the template's properties are.
PropertyCollection attributesOf(const Core::String& markup)
{
    Xml::DomParser parser;
    parser.parseMemory(QStringLiteral("<t xmlns:fo=\"%1\">%2</t>")
                           .arg(QLatin1String(Xml::Namespaces::FO), markup.toQString()));
    const Xml::Element element = parser.getDocument()->getRootNode().get_first_child_element();
    PropertyCollection properties;
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        const bool km = attribute.get_namespace_uri() == Xml::Namespaces::KM;
        properties.addProperty(
            EditableProperty(Core::String(km ? "km:" : "fo:") + attribute.get_local_name(),
                             attribute.get_value()),
            true);
    }
    return properties;
}

void runBarcodeDialog(DesignerWindow& window, bool editing)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const Xml::Element selected = document->selected();
    PropertyValueEx value("km:value", ObjectId::generate());
    PropertyCollection hostProperties;
    if (editing) {
        value = document->propertyValue(selected, "km:value");
        value.setAttributeName("km:value");
        for (const SmartPtr<EditableProperty>& property :
             TemplateDocument::propertiesOf(selected).getPropertyList()) {
            const Core::String& name = property->getName();
            const bool dialogs =
                std::any_of(std::begin(DialogAttributes), std::end(DialogAttributes),
                            [&name](const char* own) { return name == own; });
            // A bound value's element carries its id through the dialog.
            if (!dialogs && !(name == "fo:id" && !value.isStatic())) {
                hostProperties.addProperty(*property, true);
            }
        }
        if (!value.isStatic() && value.getObjectId().isEmpty()) {
            value.setObjectId(document->objectIdOf(selected));
        }
    }
    const std::optional<XSLFO::RulerContext> ruler = editing ? std::nullopt : rulerAt(selected);
    InsertBarcodeDlg dialog(value, SmartPtr<IDocumentInformation>(document),
                            TemplateDocument::expressionContext(selected),
                            ruler ? &*ruler : nullptr, &window);
    dialog.setProperties(hostProperties);
    if (editing) {
        dialog.setBarcodeData(selected.get_attribute_value("draw-text", Xml::Namespaces::KM),
                              selected.get_attribute_value("type", Xml::Namespaces::KM),
                              selected.get_attribute_value("rotation", Xml::Namespaces::KM),
                              selected.get_attribute_value("value-type", Xml::Namespaces::KM));
    }
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String markup = dialog.getFeatureXml();
    const PropertyValueEx edited = dialog.getPropertyValueEx();
    const QString action =
        editing ? DialogCommands::tr("Edit Barcode") : DialogCommands::tr("Insert Barcode");
    const bool done = editInOneStep(*document, action, [&] {
        Xml::Element barcode = selected;
        if (editing) {
            document->applyProperties(TemplateDocument::pathOf(selected), attributesOf(markup),
                                      TemplateDocument::ApplyMode::Replace, action);
            barcode = document->selected();
        } else {
            const bool inside =
                TemplateDocument::isInFlow(selected) &&
                (selected.isNamed(Xml::Namespaces::FO, "block") || selected.isNamed(Xml::Namespaces::FO, "table-cell") ||
                 selected.isNamed(Xml::Namespaces::FO, "block-container") || selected.isNamed(Xml::Namespaces::FO, "inline"));
            barcode = document->insertMarkup(markup,
                                             inside ? TemplateDocument::InsertPosition::Inside
                                                    : TemplateDocument::InsertPosition::After,
                                             action);
        }
        if (!edited.isStatic()) {
            document->setPropertyValue(barcode, edited, action);
        }
    });
    if (done) {
        window.showResult(action, markup.toQString());
    }
}

QString needsBarcode(const DesignerWindow& window)
{
    const QString missing = CommandNeeds::openTemplate(window);
    if (!missing.isEmpty()) {
        return missing;
    }
    return isBarcode(window.document()->selected())
               ? QString()
               : DialogCommands::tr("Select a barcode (km:barcode) first.");
}

GalleryShot shot(const QString& name, const char* keyword, const char* rotation,
                 const QString& value)
{
    return {name, [keyword, rotation, value] {
                PropertyValueEx stored("km:value", "");
                stored.setStaticValue(value);
                auto dialog = std::make_unique<InsertBarcodeDlg>(
                    stored, SmartPtr<IDocumentInformation>(), "/", nullptr);
                dialog->setBarcodeData("true", keyword, rotation, "text");
                return std::unique_ptr<QWidget>(std::move(dialog));
            }};
}

} // namespace

DialogEntry insertBarcodeEntry()
{
    return {
        QStringLiteral("InsertBarcodeDlg"),
        DialogEntry::Menu::Insert,
        DialogCommands::tr("Ba&rcode..."),
        [](DesignerWindow& window) { runBarcodeDialog(window, false); },
        CommandNeeds::flowBlock,
        {shot(QStringLiteral("InsertBarcodeDlg"), "Code128", "0", QStringLiteral("Hello World!")),
         shot(QStringLiteral("InsertBarcodeDlgQR"), "QRBarcode", "0",
              QStringLiteral("https://example.com/invoice/42")),
         shot(QStringLiteral("InsertBarcodeDlgPostal"), "IntelligentMail", "0",
              QStringLiteral("01234567094987654321-01234567891")),
         shot(QStringLiteral("InsertBarcodeDlgRotated"), "EAN-13", "90",
              QStringLiteral("4006381333931")),
         {QStringLiteral("InsertBarcodeDlgRefused"), [] {
              auto dialog = std::make_unique<InsertBarcodeDlg>(
                  PropertyValueEx("km:value", ""), SmartPtr<IDocumentInformation>(), "/", nullptr);
              dialog->setBarcodeData("true", "EAN-13", "0", "text");
              // Typed once the dialog shows, so that the reason appears as it does while typing.
              InsertBarcodeDlg* shown = dialog.get();
              QTimer::singleShot(0, shown, [shown] {
                  auto* field = shown->control<QLineEdit>(InsertBarcodeDlg::IDC_VALUE);
                  field->setText(QStringLiteral("4006381A33393"));
                  Q_EMIT field->textEdited(field->text());
              });
              return std::unique_ptr<QWidget>(std::move(dialog));
          }}}};
}

DialogEntry editBarcodeEntry()
{
    return {QStringLiteral("FormatBarcode"),
            DialogEntry::Menu::Format,
            DialogCommands::tr("B&arcode..."),
            [](DesignerWindow& window) { runBarcodeDialog(window, true); },
            needsBarcode,
            {}};
}
