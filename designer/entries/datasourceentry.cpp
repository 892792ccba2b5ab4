#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/data/choosedatasourcedlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "outside/core/namespaces.h"

namespace {

const char* const SampleProperties[] = {"kmb:sample-xml", "kmb:sample-xsd", "kmb:sample-lfa"};

PropertyCollection sampleProperties(const Xml::Element& root)
{
    PropertyCollection properties;
    for (const char* name : SampleProperties) {
        const Core::String value = root.get_attribute_value(Core::String(name).substringAfter(":"), Xml::Namespaces::KMB);
        if (!value.isEmpty()) {
            properties.addProperty(EditableProperty(name, value), false);
        }
    }
    return properties;
}

// The root names the chosen source; the sources that would take precedence
// over it when the template is opened again go. The XML path stays: it
// never takes precedence, and a schema uses it too.
void chooseDataSource(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const Xml::Element root = document->root();
    ChooseDatasourceDlg dialog(document, sampleProperties(root), &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const DatasourceType type = dialog.getDatasourceType();
    PropertyCollection properties;
    properties.addProperty(EditableProperty("kmb:sample-xml", dialog.getXmlFilePath()), true);
    properties.addProperty(
        EditableProperty("kmb:sample-xsd", type == DatasourceType::XsdFile ? dialog.getXsdFilePath() : Core::String()),
        true);
    properties.addProperty(EditableProperty("kmb:sample-lfa", type == DatasourceType::DataAggregationFile
                                                                  ? dialog.getLfFilePath()
                                                                  : Core::String()),
                           true);
    document->applyProperties(TemplateDocument::pathOf(root), properties, TemplateDocument::ApplyMode::Merge,
                              DialogCommands::tr("Data Source"));
    if (!document->sampleError().isEmpty()) {
        window.addMessage(document->sampleError());
    }
}

std::unique_ptr<QWidget> dataSourceSample()
{
    PropertyCollection properties;
    properties.addProperty(EditableProperty("kmb:sample-xml", "invoice.xml"), false);
    properties.addProperty(EditableProperty("kmb:sample-xsd", "invoice.xsd"), false);
    auto dialog = std::make_unique<ChooseDatasourceDlg>(GallerySamples::invoice(), properties);
    return dialog;
}

} // namespace

DialogEntry dataSourceEntry()
{
    return {QStringLiteral("ChooseDatasourceDlg"),
            DialogEntry::Menu::Data,
            DialogCommands::tr("&Data Source..."),
            chooseDataSource,
            CommandNeeds::openTemplate,
            {{QStringLiteral("ChooseDatasourceDlg"), dataSourceSample}}};
}
