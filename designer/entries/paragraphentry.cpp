#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/format/paragrapheditdlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "outside/core/namespaces.h"

#include <QTabWidget>

namespace {

bool isBlock(const Xml::Element& element)
{
    return element.get_namespace_uri() == Xml::Namespaces::FO &&
           element.get_local_name() == "block";
}

// Paragraph settings belong to a block: the one around the selection, else
// the first inside it, else (a page-level selection) the first of a flow.
Xml::Element paragraphBlock(const TemplateDocument& document)
{
    const Xml::Element selected = document.selected();
    for (Xml::Element up = selected; !up.isNull(); up = up.get_parent()) {
        if (isBlock(up)) {
            return up;
        }
    }
    if (!selected.isNull()) {
        const auto inside = selected.find("descendant::fo:block[1]", {{"fo", Xml::Namespaces::FO}});
        if (!inside.empty()) {
            return Xml::Element(inside.front());
        }
    }
    return document.firstFlowBlock(selected);
}

QString needsBlock(const DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (document.isNull()) {
        return CommandNeeds::openTemplate(window);
    }
    return paragraphBlock(*document).isNull()
               ? DialogCommands::tr("The template has no block to set paragraph properties on.")
               : QString();
}

// What the dialog changed, as a merge: new and changed values, and removed
// ones as empty values. "kmb:src" goes from the dialog's collection only
// because its preview cannot show it; the block keeps it.
PropertyCollection changesBetween(const PropertyCollection& before, const PropertyCollection& after)
{
    PropertyCollection changes;
    for (const SmartPtr<EditableProperty>& property : after.getPropertyList()) {
        const SmartPtr<EditableProperty> old = before.getProperty(property->getName());
        if (old.isNull() || old->getValue() != property->getValue()) {
            changes.addProperty(property);
        }
    }
    for (const SmartPtr<EditableProperty>& property : before.getPropertyList()) {
        if (!after.containsProperty(property->getName()) && property->getName() != "kmb:src") {
            changes.addProperty(EditableProperty(property->getName(), Core::String()), true);
        }
    }
    return changes;
}

void editParagraph(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const Xml::Element block = paragraphBlock(*document);
    if (!(block == document->selected())) {
        window.selectObject(block);
    }
    const Core::String path = TemplateDocument::pathOf(block);
    const PropertyCollection before = document->getObjectProperties(path);
    // The dialog edits the collection it is given as it goes: it gets a copy,
    // so that Cancel leaves the template as it was.
    PropertyCollection edited = before;
    ParagraphEditDlg dialog(&window);
    dialog.setProprietiesForParagraph(&edited);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const PropertyCollection changes = changesBetween(before, edited);
    if (changes.isEmpty()) {
        return;
    }
    document->applyProperties(path, changes, TemplateDocument::ApplyMode::Merge,
                              DialogCommands::tr("Paragraph"));
    QStringList lines;
    for (const SmartPtr<EditableProperty>& property : changes.getPropertyList()) {
        lines << property->getName().toQString() + QStringLiteral(" = ") +
                     property->getValue().toQString();
    }
    window.showResult(path.toQString(), lines.join(QLatin1Char('\n')));
}

// The gallery has no host to hold the collection the dialog edits.
class GalleryParagraphDlg : public ParagraphEditDlg
{
public:
    explicit GalleryParagraphDlg(PropertyCollection block) : m_block(std::move(block))
    {
        setProprietiesForParagraph(&m_block);
    }

private:
    PropertyCollection m_block;
};

// The invoice's payment note, set as a justified, indented paragraph kept
// with what follows.
GalleryShot shotOfTab(const QString& name, int tab)
{
    return {name, [tab] {
                const SmartPtr<TemplateDocument> invoice =
                    GallerySamples::invoiceSelecting("//*[@id='payment']");
                PropertyCollection block =
                    invoice->getObjectProperties(invoice->getSelectedObjectPath());
                for (const auto& [property, value] :
                     {std::pair<const char*, const char*>{"fo:text-align", "justify"},
                      {"fo:start-indent", "12pt"},
                      {"fo:end-indent", "1cm"},
                      {"fo:text-indent", "18pt"},
                      {"fo:keep-with-next.within-page", "always"},
                      {"fo:widows", "2"},
                      {"fo:orphans", "3"},
                      {"fo:hyphenate", "true"}}) {
                    block.setProperty(EditableProperty(property, value), true);
                }
                auto dialog = std::make_unique<GalleryParagraphDlg>(block);
                dialog->control<QTabWidget>(9006)->setCurrentIndex(tab);
                return std::unique_ptr<QWidget>(std::move(dialog));
            }};
}

} // namespace

DialogEntry paragraphEntry()
{
    return {QStringLiteral("ParagraphEditDlg"),
            DialogEntry::Menu::Format,
            DialogCommands::tr("&Paragraph..."),
            editParagraph,
            needsBlock,
            {shotOfTab(QStringLiteral("ParagraphEditDlg"), 0),
             shotOfTab(QStringLiteral("ParagraphEditDlgBreaks"), 1)}};
}
