#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/format/fonteditordlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"

namespace {

// What the dialog set differently from what the object had: the dialog writes
// only what the user touched and removes nothing, so this is the whole edit.
PropertyCollection changedProperties(const PropertyCollection& before, const PropertyCollection& after)
{
    PropertyCollection changed;
    for (const SmartPtr<EditableProperty>& property : after.getPropertyList()) {
        const SmartPtr<EditableProperty> old = before.getProperty(property->getName());
        if (old.isNull() || old->getValue() != property->getValue()) {
            changed.addProperty(property);
        }
    }
    return changed;
}

void editFont(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!TemplateDocument::isInFlow(document->selected())) {
        window.selectObject(document->firstFlowBlock(document->selected()));
    }
    const PropertyCollection before = TemplateDocument::propertiesOf(document->selected());
    FontEditorDlg dialog(&window);
    dialog.setProperties(before);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const PropertyCollection changed = changedProperties(before, dialog.getProperties());
    const Core::String path = document->getSelectedObjectPath();
    QStringList lines;
    for (const SmartPtr<EditableProperty>& property : changed.getPropertyList()) {
        lines << property->getName().toQString() + QStringLiteral(" = ") + property->getValue().toQString();
    }
    if (!changed.isEmpty()) {
        document->applyProperties(path, changed, TemplateDocument::ApplyMode::Merge, DialogCommands::tr("Font"));
    }
    window.showResult(path, lines.join(QLatin1Char('\n')));
}

// `extra` ("name=value;...") adds settings the sample does not have, so that
// the preview shows them.
GalleryShot shotOf(const QString& name, const char* xpath, const QString& extra = QString())
{
    return {name, [xpath, extra] {
                auto dialog = std::make_unique<FontEditorDlg>();
                PropertyCollection properties =
                    TemplateDocument::propertiesOf(GallerySamples::invoiceSelecting(xpath)->selected());
                for (const QString& setting : extra.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                    properties.setProperty(EditableProperty(setting.section(QLatin1Char('='), 0, 0),
                                                            setting.section(QLatin1Char('='), 1)));
                }
                dialog->setProperties(properties);
                return std::unique_ptr<QWidget>(std::move(dialog));
            }};
}

} // namespace

DialogEntry fontEntry()
{
    return {QStringLiteral("FontEditorDlg"),
            DialogEntry::Menu::Format,
            DialogCommands::tr("&Font..."),
            editFont,
            CommandNeeds::flowBlock,
            // The invoice's bold total line, and its letterhead in small
            // capitals with a double underline.
            {shotOf(QStringLiteral("FontEditorDlg"), "//*[@id='totals']/*[last()]"),
             shotOf(QStringLiteral("FontEditorDlgLetterhead"), "//*[@id='letterhead']",
                    QStringLiteral("fo:font-variant=small-caps;fo:text-underline-style=double"))}};
}
