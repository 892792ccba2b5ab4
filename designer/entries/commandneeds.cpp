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

} // namespace CommandNeeds
