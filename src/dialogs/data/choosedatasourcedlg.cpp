#include "dialogs/data/choosedatasourcedlg.h"

#include "outside/core/corefilesystem.h"
#include "outside/sharedui/sharedfiledialogs.h"

#include "ui_choosedatasourcedlg.h"

#include <QSettings>
#include <QStyle>

namespace {

const char* propertyOf(DatasourceType type)
{
    switch (type) {
    case DatasourceType::XmlFile:
        return "kmb:sample-xml";
    case DatasourceType::DataAggregationFile:
        return "kmb:sample-lfa";
    case DatasourceType::XsdFile:
        return "kmb:sample-xsd";
    }
    return nullptr;
}

Core::String allFiles()
{
    Core::String label;
    label.loadString(63044);
    return label + "|*.*||";
}

} // namespace

ChooseDatasourceDlg::ChooseDatasourceDlg(SmartPtr<IDocumentInformation> document,
                                         const PropertyCollection& properties, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::ChooseDatasourceDlg>()), m_document(std::move(document))
{
    m_ui->setupUi(this);
    if (!m_document.isNull()) {
        const Core::String path = m_document->getDocumentPath();
        m_folder = path.isEmpty() ? Core::String() : Core::IO::FileSystem::getDirectoryName(path);
    }
    m_relative = !m_folder.isEmpty();
    m_xmlPath = getDatasourceFilePath(DatasourceType::XmlFile, properties);
    m_lfaPath = getDatasourceFilePath(DatasourceType::DataAggregationFile, properties);
    m_xsdPath = getDatasourceFilePath(DatasourceType::XsdFile, properties);

    const QStyle* look = style();
    m_ui->xmlBitmap->setPixmap(look->standardIcon(QStyle::SP_FileIcon).pixmap(16, 16));
    m_ui->xsdBitmap->setPixmap(look->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(16, 16));
    m_ui->lfaBitmap->setPixmap(look->standardIcon(QStyle::SP_DriveNetIcon).pixmap(16, 16));

    connect(m_ui->xmlRadio, &QRadioButton::clicked, this, [this] { setType(DatasourceType::XmlFile); });
    connect(m_ui->xsdRadio, &QRadioButton::clicked, this, [this] { setType(DatasourceType::XsdFile); });
    connect(m_ui->lfaRadio, &QRadioButton::clicked, this, [this] { setType(DatasourceType::DataAggregationFile); });
    connect(m_ui->browseFileButton, &QPushButton::clicked, this, &ChooseDatasourceDlg::browseFilePath);
    connect(m_ui->browseXmlButton, &QPushButton::clicked, this, &ChooseDatasourceDlg::browseXmlPath);
}

ChooseDatasourceDlg::~ChooseDatasourceDlg() = default;

Core::String ChooseDatasourceDlg::getDatasourceFilePath(DatasourceType type, const PropertyCollection& properties)
{
    const char* name = propertyOf(type);
    return name ? properties.getPropertyValue(name) : Core::String();
}

Core::String ChooseDatasourceDlg::getDatasourceFilePath() const
{
    switch (m_type) {
    case DatasourceType::XmlFile:
        return m_xmlPath;
    case DatasourceType::DataAggregationFile:
        return m_lfaPath;
    case DatasourceType::XsdFile:
        return m_xsdPath;
    }
    return {};
}

Core::String& ChooseDatasourceDlg::pathOf(DatasourceType type)
{
    return type == DatasourceType::DataAggregationFile ? m_lfaPath
           : type == DatasourceType::XsdFile           ? m_xsdPath
                                                       : m_xmlPath;
}

bool ChooseDatasourceDlg::pathRelativePathTo(Core::String& result, const Core::String& path,
                                             const Core::String& folder)
{
    const Core::String relative = Core::IO::FileSystem::makeRelative(path, folder);
    if (path.isEmpty() || folder.isEmpty() || Core::IO::FileSystem::isAbsolute(relative)) {
        result = path;
        return false;
    }
    result = relative;
    return true;
}

bool ChooseDatasourceDlg::isLFInstalled()
{
    // Only read: the settings of another product are never written.
    const QSettings install(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Varnel"),
                            QStringLiteral("Install"));
    return install.childGroups().contains(QStringLiteral("LFDesigner"));
}

bool ChooseDatasourceDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    const DatasourceType type = !m_lfaPath.isEmpty()   ? DatasourceType::DataAggregationFile
                                : !m_xsdPath.isEmpty() ? DatasourceType::XsdFile
                                                       : DatasourceType::XmlFile;
    (type == DatasourceType::DataAggregationFile ? m_ui->lfaRadio
     : type == DatasourceType::XsdFile           ? m_ui->xsdRadio
                                                 : m_ui->xmlRadio)
        ->setChecked(true);
    m_ui->namespacePrefixEdit->setText(m_namespacePrefix.toQString());
    setType(type);
    return true;
}

void ChooseDatasourceDlg::setType(DatasourceType type)
{
    m_type = type;
    refreshControls();
}

void ChooseDatasourceDlg::refreshControls()
{
    const bool xsd = m_type == DatasourceType::XsdFile;
    m_ui->noteLabel->setVisible(m_type == DatasourceType::DataAggregationFile);
    for (QWidget* widget : {static_cast<QWidget*>(m_ui->xmlPathLabel), static_cast<QWidget*>(m_ui->xmlPathEdit),
                            static_cast<QWidget*>(m_ui->browseXmlButton),
                            static_cast<QWidget*>(m_ui->namespacePrefixLabel),
                            static_cast<QWidget*>(m_ui->namespacePrefixEdit)}) {
        widget->setVisible(xsd);
    }
    m_ui->filePathEdit->setText(getDatasourceFilePath().toQString());
    m_ui->xmlPathEdit->setText(xsd ? m_xmlPath.toQString() : QString());
}

Core::String ChooseDatasourceDlg::stored(const Core::String& picked) const
{
    Core::String result = picked;
    if (m_relative) {
        pathRelativePathTo(result, picked, m_folder);
    }
    return result;
}

void ChooseDatasourceDlg::browseFilePath()
{
    m_namespacePrefix = m_ui->namespacePrefixEdit->text();
    Core::String filter;
    switch (m_type) {
    case DatasourceType::XmlFile:
        filter = tr("XML Files (*.xml)") + "|*.xml|";
        break;
    case DatasourceType::DataAggregationFile:
        filter = tr("Linkforge Files (*.lfa)") + "|*.lfa|";
        break;
    case DatasourceType::XsdFile:
        filter = tr("XML Schema Definition Files (*.xsd)") + "|*.xsd|";
        break;
    }
    Core::String& path = pathOf(m_type);
    const Core::String start = path.isEmpty() ? m_folder : Core::IO::FileSystem::combine(m_folder, path);
    Core::String title;
    title.loadString(63045);
    const Core::String picked = SharedUI::FileDialogs::getOpenFileName(this, title, start, filter + allFiles());
    if (picked.isEmpty()) {
        return;
    }
    path = stored(picked);
    refreshControls();
    if (QWidget* ok = control(1)) {
        ok->setFocus();
    }
}

void ChooseDatasourceDlg::browseXmlPath()
{
    const Core::String start = m_xmlPath.isEmpty() ? m_folder : Core::IO::FileSystem::combine(m_folder, m_xmlPath);
    Core::String title;
    title.loadString(63045);
    const Core::String picked = SharedUI::FileDialogs::getOpenFileName(
        this, title, start, tr("XML Files (*.xml)") + "|*.xml|" + allFiles());
    if (picked.isEmpty()) {
        return;
    }
    m_xmlPath = stored(picked);
    refreshControls();
}

void ChooseDatasourceDlg::OnOK()
{
    m_namespacePrefix = m_ui->namespacePrefixEdit->text();
    EndDialog(Accepted);
}
