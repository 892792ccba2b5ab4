#include "dialogs/format/bordersbackgrounddlg.h"

#include "controls/staticpreview.h"
#include "css/shorthandhelper.h"
#include "dialogs/format/backgroundpage.h"
#include "dialogs/format/bordersbackgroundattributes.h"
#include "dialogs/format/borderspage.h"
#include "dialogs/format/formatpreviewpage.h"
#include "dialogs/format/paddingpage.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreformat.h"
#include "outside/xslfo/xslfonamespaces.h"

#include "ui_bordersbackgrounddlg.h"

namespace {

constexpr int PreviewControlId = 4062;

// Expands the shorthands, except one from whose value expanding reads no
// longhand at all ("fo:padding" = "inherit"): that would only drop it, so it
// stays as it was.
void expandReadableShorthands(PropertyCollection& properties)
{
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        PropertyCollection expanded;
        expanded.addProperty(property);
        ShorthandHelper::expandShorthands(expanded);
        const bool shorthand =
            expanded.count() != 1 || !expanded.containsProperty(property->getName());
        if (shorthand && !expanded.isEmpty()) {
            properties.removePropertyByName(property->getName());
            properties.addProperties(expanded);
        }
    }
}

// A small page: a block of the sample word with an inline in its middle, and
// empty blocks below so that a flow's background shows as an area.
const char* const PreviewContent = "<fo:block {0}>{2} <fo:inline {1}>{2}.</fo:inline> {2}.</fo:block>\n"
                                   "{3}";

Core::String emptyBlocks()
{
    Core::String blocks;
    for (int i = 0; i < 9; ++i) {
        blocks += "<fo:block>&#x00A0;</fo:block>\n";
    }
    return blocks;
}

} // namespace

BordersBackgroundDlg::BordersBackgroundDlg(QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::BordersBackgroundDlg>())
{
    m_ui->setupUi(this);

    m_bordersPage = new BordersPage(m_data);
    m_backgroundPage = new BackgroundPage(m_data);
    m_paddingPage = new PaddingPage(m_data);
    m_ui->tabs->addTab(m_bordersPage, Core::String::formatS(63046));
    m_ui->tabs->addTab(m_backgroundPage, Core::String::formatS(63047));
    m_ui->tabs->addTab(m_paddingPage, Core::String::formatS(63049));
    connect(m_bordersPage, &BordersPage::recordChanged, this,
            &BordersBackgroundDlg::onPropertiesChanged);
    connect(m_backgroundPage, &BackgroundPage::recordChanged, this,
            &BordersBackgroundDlg::onPropertiesChanged);
    connect(m_paddingPage, &PaddingPage::recordChanged, this,
            &BordersBackgroundDlg::onPropertiesChanged);

    // The form holds a placeholder; the preview takes its place and number.
    m_preview = new StaticPreview(true);
    m_preview->setProperty("controlId", PreviewControlId);
    m_preview->setMinimumSize(m_ui->previewPlaceholder->minimumSize());
    delete m_ui->previewLayout->replaceWidget(m_ui->previewPlaceholder, m_preview);
    delete m_ui->previewPlaceholder;
    m_ui->previewPlaceholder = nullptr;

    connect(m_ui->applyToCombo, &QComboBox::activated, this,
            &BordersBackgroundDlg::OnApplyToChanged);
}

BordersBackgroundDlg::BordersBackgroundDlg(SmartPtr<IDocumentInformation> document, QWidget* parent)
    : BordersBackgroundDlg(parent)
{
    m_chain = document->getObjectChain();
    m_document = std::move(document);
    m_backgroundPage->setDocumentPath(m_document->getDocumentPath());
}

BordersBackgroundDlg::BordersBackgroundDlg(const BordersAndBackgroundData& record, QWidget* parent)
    : BordersBackgroundDlg(parent)
{
    m_givenRecord = record;
    m_data = record;
    // So that OK without an edit hands the record back as an edit would.
    getAttributesFromControls();
}

BordersBackgroundDlg::~BordersBackgroundDlg() = default;

PropertyCollection BordersBackgroundDlg::getCurrentProperties() const
{
    return m_currentProperties;
}

Core::String BordersBackgroundDlg::getCurrentPath() const
{
    return m_currentPath;
}

const BordersAndBackgroundData& BordersBackgroundDlg::getData()
{
    loadAttributesFromProperties();
    return m_data;
}

bool BordersBackgroundDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    m_objectLoaded = false;
    m_loadedEntry = -1; // each run loads its object afresh
    QComboBox* applyTo = m_ui->applyToCombo;
    applyTo->clear();
    if (m_document.isNull()) {
        m_data = m_givenRecord;
        m_currentProperties.reset();
        getAttributesFromControls();
        applyTo->addItem(m_data.getElementName());
        applyTo->setCurrentIndex(0);
        m_loadedEntry = 0;
    } else {
        fillApplyTo();
    }
    if (!m_document.isNull() && applyTo->currentIndex() >= 0) {
        OnApplyToChanged(applyTo->currentIndex());
    } else {
        showRecord();
        updatePreview();
    }
    return result;
}

void BordersBackgroundDlg::OnOK()
{
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    if (m_document.isNull()) {
        m_givenRecord = getData();
    }
    FeatureDialog::OnOK();
}

void BordersBackgroundDlg::fillApplyTo()
{
    QComboBox* applyTo = m_ui->applyToCombo;
    m_paths.clear();
    if (m_chain.isNull()) {
        return;
    }
    const SmartPtr<XSLFO::DTObjectInfo> current = m_document->getSelectedObjectInfo();
    Core::String path;
    Core::String indent;
    bool listing = false;
    int selected = -1;
    // The chain runs from the selected object up; the list from the root down.
    for (int i = m_chain->count() - 1; i >= 0; --i) {
        const SmartPtr<XSLFO::DTObjectInfo> object = m_chain->get(i);
        const Core::String local = object->getLocalName();
        path += Core::Format::format("/{0}:{1}",
                                     XSLFO::getDefaultNSPrefix(object->getNamespaceURI()), local);
        m_paths.push_back(path);
        listing = listing || local == "flow" || local == "static-content";
        if (!listing) {
            continue;
        }
        applyTo->addItem(indent + local, int(m_paths.size()) - 1);
        if (!current.isNull() && *object == *current) {
            selected = applyTo->count() - 1;
        }
        indent += "    ";
    }
    applyTo->setCurrentIndex(selected);
}

int BordersBackgroundDlg::entryOfPath(const Core::String& path) const
{
    const QComboBox* applyTo = m_ui->applyToCombo;
    for (int entry = 0; entry < applyTo->count(); ++entry) {
        const int index = applyTo->itemData(entry).toInt();
        if (index >= 0 && index < int(m_paths.size()) && m_paths[std::size_t(index)] == path) {
            return entry;
        }
    }
    return -1;
}

void BordersBackgroundDlg::OnApplyToChanged(int entry)
{
    QComboBox* applyTo = m_ui->applyToCombo;
    const int index = applyTo->itemData(entry).toInt();
    if (m_document.isNull() || entry == m_loadedEntry || index < 0 ||
        index >= int(m_paths.size())) {
        return;
    }
    const Core::String path = m_paths[std::size_t(index)];
    if (path != m_currentPath && m_objectLoaded &&
        UIApplication::MessageBoxW(63068, Win32::MB_OKCANCEL | Win32::MB_ICONQUESTION) !=
            Win32::IDOK) {
        applyTo->setCurrentIndex(entryOfPath(m_currentPath));
        return;
    }
    m_loadedEntry = entry;
    m_currentPath = path;
    m_currentProperties.reset();
    m_currentProperties.addProperties(m_document->getObjectProperties(path));
    expandReadableShorthands(m_currentProperties);
    loadAttributesFromProperties();
    m_keptValues.remember(m_currentProperties, m_data);
    showRecord();
    m_objectLoaded = true;
    getAttributesFromControls();
    updatePreview();
}

void BordersBackgroundDlg::loadAttributesFromProperties()
{
    BordersBackgroundAttributes::load(m_currentProperties, m_data);
}

void BordersBackgroundDlg::getAttributesFromControls()
{
    BordersBackgroundAttributes::store(m_data, m_currentProperties);
    m_keptValues.restore(m_data, m_currentProperties);
}

void BordersBackgroundDlg::showRecord()
{
    m_bordersPage->showRecord();
    m_backgroundPage->showRecord();
    m_paddingPage->showRecord();
}

void BordersBackgroundDlg::onPropertiesChanged()
{
    m_objectLoaded = true;
    getAttributesFromControls();
    updatePreview();
}

void BordersBackgroundDlg::updatePreview()
{
    m_preview->openFromString(previewDocument());
}

Core::String BordersBackgroundDlg::previewDocument() const
{
    const Core::String attributes = m_currentProperties.getPropertiesString();
    const Core::String target = m_ui->applyToCombo->currentText().trimmed();
    const bool onFlow = !m_data.getElementName().isEmpty() || target == "flow";
    const bool onBlock = !onFlow && target == "block";
    const Core::String word = Core::String::formatS(63036).toQString().toHtmlEscaped();
    return FormatPreviewPage::document(
        250, 265,
        Core::Format::format(PreviewContent, onBlock ? attributes : Core::String(),
                             onFlow || onBlock ? Core::String() : attributes, word, emptyBlocks()),
        onFlow ? attributes : Core::String());
}
