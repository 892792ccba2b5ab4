#include "commandneeds.h"

#include "designerwindow.h"
#include "dialogentry.h"

namespace CommandNeeds {

QString openTemplate(const DesignerWindow& window)
{
    return window.document().isNull() ? DialogCommands::tr("Open a template first.") : QString();
}

QString flowBlock(const DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (document.isNull()) {
        return openTemplate(window);
    }
    const bool found = TemplateDocument::isInFlow(document->selected()) ||
                       !document->firstFlowBlock(document->selected()).isNull();
    return found ? QString() : DialogCommands::tr("The template has no flow with a block to format.");
}

QString sampleData(const DesignerWindow& window)
{
    if (window.document().isNull()) {
        return openTemplate(window);
    }
    return window.document()->hasSampleData()
               ? QString()
               : DialogCommands::tr("The template has no sample data to build an expression against.");
}

QString repeatWithSample(const DesignerWindow& window)
{
    const QString missing = sampleData(window);
    if (!missing.isEmpty()) {
        return missing;
    }
    return enclosingRepeat(window.document()->selected()).isNull()
               ? DialogCommands::tr("Select a repeating row (kmb:table-row-repeat) or an object inside one.")
               : QString();
}

Xml::Element enclosingRepeat(const Xml::Element& element)
{
    for (Xml::Element up = element; !up.isNull(); up = up.get_parent()) {
        if (TemplateDocument::isRepeat(up)) {
            return up;
        }
    }
    return {};
}

} // namespace CommandNeeds
