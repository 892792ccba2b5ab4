#include "dialogs/format/paragrapheditdlg.h"

#include "controls/staticpreview.h"
#include "dialogs/format/formatpreviewpage.h"
#include "dialogs/format/paragraphalignindentpage.h"
#include "dialogs/format/paragraphbreakshyphenpage.h"
#include "outside/core/coreformat.h"

#include "ui_paragrapheditdlg.h"

namespace {

constexpr int ParagraphPreviewId = 9005;

// The edited block between two grey neighbours, so that its indents and the
// space around it show against the text before and after. The sample words
// are separated, or they would make one word that no alignment can move.
const char* const ParagraphPreviewContent = "<fo:block fo:color=\"#a0a0a0\">{1}</fo:block>\n"
                                            "<fo:block {0}>{2}</fo:block>\n"
                                            "<fo:block fo:color=\"#a0a0a0\">{1}</fo:block>\n";

constexpr int PreviewPageHeight = 200;

Core::String words(int count)
{
    const QString word = Core::String::formatS(63036).toQString().toHtmlEscaped();
    QStringList list;
    for (int i = 0; i < count; ++i) {
        list << word;
    }
    return list.join(QLatin1Char(' '));
}

} // namespace

ParagraphEditDlg::ParagraphEditDlg(QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::ParagraphEditDlg>())
{
    m_ui->setupUi(this);

    m_alignIndentPage = new ParagraphAlignIndentPage(m_values);
    m_breaksHyphenPage = new ParagraphBreaksHyphenPage(m_values);
    m_ui->tabs->addTab(m_alignIndentPage, Core::String::formatS(63037).toQString());
    m_ui->tabs->addTab(m_breaksHyphenPage, Core::String::formatS(63038).toQString());
    connect(m_alignIndentPage, &ParagraphAlignIndentPage::valuesChanged, this,
            &ParagraphEditDlg::onPropChanged);
    connect(m_breaksHyphenPage, &ParagraphBreaksHyphenPage::valuesChanged, this,
            &ParagraphEditDlg::onPropChanged);

    // The form holds a placeholder; the preview takes its place and number.
    m_preview = new StaticPreview(true);
    m_preview->setProperty("controlId", ParagraphPreviewId);
    m_preview->setMinimumSize(m_ui->previewPlaceholder->minimumSize());
    delete m_ui->previewLayout->replaceWidget(m_ui->previewPlaceholder, m_preview);
    delete m_ui->previewPlaceholder;
    m_ui->previewPlaceholder = nullptr;
}

ParagraphEditDlg::~ParagraphEditDlg() = default;

void ParagraphEditDlg::setProprietiesForParagraph(PropertyCollection* properties)
{
    m_paragraph = properties;
    if (m_paragraph) {
        m_values.read(*m_paragraph);
    }
}

Core::String ParagraphEditDlg::getAlignValue() const
{
    return ParagraphValues::alignmentName(m_values.alignment());
}

void ParagraphEditDlg::setAlignValue(const Core::String& value)
{
    m_values.loadAlignment(ParagraphValues::alignmentOf(value));
}

bool ParagraphEditDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    m_alignIndentPage->showValues();
    m_breaksHyphenPage->showValues();
    updatePreview();
    return result;
}

void ParagraphEditDlg::OnOK()
{
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    if (!m_breaksHyphenPage->validate()) {
        return;
    }
    FeatureDialog::OnOK();
}

void ParagraphEditDlg::setNewAttributtes()
{
    if (m_paragraph) {
        m_values.write(*m_paragraph);
    }
}

void ParagraphEditDlg::onPropChanged()
{
    setNewAttributtes();
    updatePreview();
}

void ParagraphEditDlg::updatePreview()
{
    if (m_paragraph) {
        m_paragraph->removePropertyByName("kmb:src");
    }
    m_preview->openFromString(previewDocument());
}

Core::String ParagraphEditDlg::previewDocument() const
{
    const Core::String attributes =
        m_paragraph ? m_paragraph->getPropertiesString() : Core::String();
    return FormatPreviewPage::document(
        360, PreviewPageHeight, Core::Format::format(ParagraphPreviewContent, attributes, words(8), words(10)));
}
