#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/field/formatfielddlg.h"
#include "frame/win32constants.h"
#include "outside/core/namespaces.h"

namespace {

bool isField(const Xml::Element& element)
{
    return !element.isNull() && element.get_local_name() == "field" &&
           element.get_namespace_uri() == Xml::Namespaces::KMB;
}

void editFieldFormat(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const Xml::Element field = document->selected();
    const QString before = field.get_attribute_value("format").toQString();
    FormatFieldDlg dialog(before, true, &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const QString after = dialog.getFormat();
    const Core::String path = TemplateDocument::pathOf(field);
    if (after != before) {
        // An empty format removes the attribute.
        PropertyCollection format;
        format.addProperty(EditableProperty("format", Core::String(after)), true);
        document->applyProperties(path, format, TemplateDocument::ApplyMode::Merge,
                                  DialogCommands::tr("Field Format"));
    }
    window.showResult(path, QStringLiteral("format = ") + after);
}

QString needsField(const DesignerWindow& window)
{
    const QString missing = CommandNeeds::openTemplate(window);
    if (!missing.isEmpty()) {
        return missing;
    }
    return isField(window.document()->selected()) ? QString()
                                                  : DialogCommands::tr("Select a data field (kmb:field) first.");
}

GalleryShot shot(const QString& name, const QString& format)
{
    return {name, [format] { return std::unique_ptr<QWidget>(std::make_unique<FormatFieldDlg>(format, true)); }};
}

} // namespace

DialogEntry fieldFormatEntry()
{
    // One picture per page: the invoice's amounts in euros, its date, a
    // customer's phone number and a tax number laid out by hand.
    return {QStringLiteral("FormatFieldDlg"),
            DialogEntry::Menu::Format,
            DialogCommands::tr("Fi&eld Format..."),
            editFieldFormat,
            needsField,
            {shot(QStringLiteral("CFormatFieldNoneDlg"), QString()),
             shot(QStringLiteral("CFormatFieldNumberDlg"), QStringLiteral("number:##,##0.00 th:, dec:. sign:()")),
             shot(QStringLiteral("FormatFieldDlg"),
                  QStringLiteral("currency:#.##0,00€ th:. dec:, sign:")),
             shot(QStringLiteral("CFormatFieldDateDlg"), QStringLiteral("date:dd MMMM yyyy")),
             shot(QStringLiteral("CFormatFieldPhoneDlg"), QStringLiteral("phone:+## (###)###-####")),
             shot(QStringLiteral("CFormatFieldCustomDlg"), QStringLiteral("custom:DE ### ### ###"))}};
}
