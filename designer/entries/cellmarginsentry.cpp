#include "cellmarginstarget.h"
#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/format/cellmarginsdlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "onestepedit.h"


namespace {

int depthOf(Xml::Element element)
{
    int depth = 0;
    for (; !element.isNull(); element = element.get_parent()) {
        ++depth;
    }
    return depth;
}

// The cell's properties with its paddings replaced by `paddings`.
PropertyCollection withPaddings(const Xml::Element& cell, const PropertyCollection& paddings)
{
    PropertyCollection properties;
    for (const SmartPtr<EditableProperty>& property : TemplateDocument::propertiesOf(cell).getPropertyList()) {
        if (!property->getName().toQString().startsWith(QStringLiteral("fo:padding"))) {
            properties.addProperty(property);
        }
    }
    properties.addProperties(paddings);
    return properties;
}

void editCellMargins(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const CellMarginsTarget target(document->selected());
    const std::vector<Xml::Element> cells = target.cells();
    if (cells.empty()) {
        return;
    }
    CellMarginsDlg dialog(&window);
    dialog.setProperties(TemplateDocument::propertiesOf(cells.front()));
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    PropertyCollection paddings;
    QStringList lines;
    for (const SmartPtr<EditableProperty>& property : dialog.getProperties().getPropertyList()) {
        if (property->getName().toQString().startsWith(QStringLiteral("fo:padding"))) {
            paddings.addProperty(property);
            lines << property->getName().toQString() + QStringLiteral(" = ") + property->getValue().toQString();
        }
    }
    // Cells of one row share one path: each is addressed by selecting it, and
    // the container is found again above it after each edit re-reads the template.
    window.selectObject(target.container());
    const int containerDepth = depthOf(target.container());
    const bool done = editInOneStep(*document, DialogCommands::tr("Cell Margins"), [&] {
        for (size_t i = 0; i < cells.size(); ++i) {
            const std::vector<Xml::Element> now = CellMarginsTarget::cellsOf(document->selected());
            if (i >= now.size()) {
                break;
            }
            document->select(now[i]);
            document->applyProperties(TemplateDocument::pathOf(now[i]), withPaddings(now[i], paddings),
                                      TemplateDocument::ApplyMode::Replace, DialogCommands::tr("Cell Margins"));
            Xml::Element container = document->selected();
            while (depthOf(container) > containerDepth) {
                container = container.get_parent();
            }
            document->select(container);
        }
    });
    if (done) {
        window.selectObject(document->selected());
        window.showResult(document->getSelectedObjectPath(), lines.join(QLatin1Char('\n')));
    }
}

QString cannotSetCellMargins(const DesignerWindow& window)
{
    if (window.document().isNull()) {
        return CommandNeeds::openTemplate(window);
    }
    const CellMarginsTarget target(window.document()->selected());
    return target.kind() == CellMarginsTarget::Kind::None ? target.description() : QString();
}

QString cellMarginsActOn(const DesignerWindow& window)
{
    return window.document().isNull() ? QString() : CellMarginsTarget(window.document()->selected()).description();
}

} // namespace

DialogEntry cellMarginsEntry()
{
    DialogEntry entry{QStringLiteral("CellMarginsDlg"),
                      DialogEntry::Menu::Format,
                      DialogCommands::tr("&Cell Margins..."),
                      editCellMargins,
                      cannotSetCellMargins,
                      // A cell of the invoice's item table, padded 4pt all round.
                      {{QStringLiteral("CellMarginsDlg"), [] {
                            auto dialog = std::make_unique<CellMarginsDlg>();
                            dialog->setProperties(TemplateDocument::propertiesOf(
                                GallerySamples::invoiceSelecting("//*[local-name()='table-cell'][2]")->selected()));
                            return std::unique_ptr<QWidget>(std::move(dialog));
                        }}}};
    entry.actsOn = cellMarginsActOn;
    return entry;
}
