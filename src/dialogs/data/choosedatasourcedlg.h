#pragma once

#include "frame/dialog.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/propertycollection.h"
#include "xml/model/samplexml.h"

#include <memory>

namespace Ui {
class ChooseDatasourceDlg;
}

/// Chooses where a template's sample data come from: an XML file, a schema
/// with an XML file, or a data aggregation file. Paths are picked with the
/// browse buttons only, and come back relative to the template's folder
/// when the template has one (has been saved) and both share a root.
class UIEDITOR_EXPORT ChooseDatasourceDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12600;
    enum {
        IDC_FILE_PATH = 10413,
        IDC_BROWSE_FILE = 10414,
        IDC_BROWSE_XML = 10421,
        IDC_XML_PATH = 10424,
        IDC_NAMESPACE_PREFIX = 10425,
        IDC_XML_FILE = 12752,
        IDC_DATA_AGGREGATION_FILE = 12753,
        IDC_XSD_FILE = 12754,
        IDC_NOTE = 12755
    };

    ChooseDatasourceDlg(SmartPtr<IDocumentInformation> document, const PropertyCollection& properties,
                        QWidget* parent = nullptr);
    ~ChooseDatasourceDlg() override;

    /// The path "kmb:sample-xml", "kmb:sample-lfa" or "kmb:sample-xsd" of
    /// `properties` holds for `type`; empty when absent or for another type.
    static Core::String getDatasourceFilePath(DatasourceType type, const PropertyCollection& properties);
    /// The path of the chosen kind.
    Core::String getDatasourceFilePath() const;
    DatasourceType getDatasourceType() const { return m_type; }
    Core::String getXmlFilePath() const { return m_xmlPath; }
    Core::String getLfFilePath() const { return m_lfaPath; }
    Core::String getXsdFilePath() const { return m_xsdPath; }
    bool isPathRelative() const { return m_relative; }
    bool isXsdXmlPathRelative() const { return m_relative; }
    /// The prefix typed for the schema's namespace, for the host to bind.
    Core::String getNamespacePrefix() const { return m_namespacePrefix; }

    /// `path` relative to `folder` in `result` when they share a root (true);
    /// else `path` unchanged (false).
    static bool pathRelativePathTo(Core::String& result, const Core::String& path, const Core::String& folder);
    /// Whether the data aggregation designer is installed: its install key
    /// can be read from the system-wide settings.
    static bool isLFInstalled();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void setType(DatasourceType type);
    void refreshControls();
    void browseFilePath();
    void browseXmlPath();
    /// The picked path as it is stored: relative when possible and wanted.
    Core::String stored(const Core::String& picked) const;
    Core::String& pathOf(DatasourceType type);

    std::unique_ptr<Ui::ChooseDatasourceDlg> m_ui;
    SmartPtr<IDocumentInformation> m_document;
    Core::String m_xmlPath;
    Core::String m_lfaPath;
    Core::String m_xsdPath;
    bool m_relative = false;
    Core::String m_namespacePrefix;
    Core::String m_folder;
    DatasourceType m_type = DatasourceType::XmlFile;
};
