#include "dialogs/format/fonteditordlg.h"

#include "controls/colorctrl.h"
#include "controls/fontcombobox.h"
#include "controls/simplecombobox.h"
#include "controls/staticpreview.h"
#include "dialogs/format/formatpreviewpage.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreformat.h"

#include "ui_fonteditordlg.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

constexpr int FontPreviewId = 11302;
constexpr int SmallestSize = 1;
constexpr int LargestSize = 1638;


std::map<int, QString> styleEntries()
{
    return {{0, Core::String::formatS(63131).toQString()},
            {FontProperties::Italic, Core::String::formatS(63133).toQString()},
            {FontProperties::Bold, Core::String::formatS(63132).toQString()},
            {FontProperties::Bold | FontProperties::Italic,
             Core::String::formatS(63134).toQString()}};
}

std::map<int, QString> sizeEntries()
{
    std::map<int, QString> entries;
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}) {
        entries.emplace(size, QString::number(size));
    }
    return entries;
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FontEditorDlg::FontEditorDlg(QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::FontEditorDlg>())
{
    m_ui->setupUi(this);

    m_preview = new StaticPreview(true);
    m_preview->setProperty("controlId", FontPreviewId);
    m_preview->setMinimumSize(m_ui->previewPlaceholder->minimumSize());
    delete m_ui->previewLayout->replaceWidget(m_ui->previewPlaceholder, m_preview);
    delete m_ui->previewPlaceholder;
    m_ui->previewPlaceholder = nullptr;

    m_ui->styleCombo->setStringsAndData(styleEntries(), 0);
    m_ui->styleCombo->initializeItems();
    m_ui->sizeCombo->setStringsAndData(sizeEntries(), 12);
    m_ui->sizeCombo->initializeItems();

    // Enter in these boxes must reach the dialog's filter before the combo
    // box takes it (it would insert the text) or the dialog closes.
    for (QComboBox* box : {static_cast<QComboBox*>(m_ui->familyCombo),
                           static_cast<QComboBox*>(m_ui->sizeCombo)}) {
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }

    connect(m_ui->familyCombo, &QComboBox::activated, this, &FontEditorDlg::OnFontFamilyChanged);
    connect(m_ui->familyCombo->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_familyTyped = true; });
    connect(m_ui->styleCombo, &QComboBox::activated, this, &FontEditorDlg::OnFontStyleChanged);
    connect(m_ui->sizeCombo, &QComboBox::activated, this, &FontEditorDlg::OnFontSizeChanged);
    connect(m_ui->sizeCombo->lineEdit(), &QLineEdit::textEdited, this,
            &FontEditorDlg::onFontSizeChanged);
    connect(m_ui->colorField, &QLineEdit::textChanged, this, &FontEditorDlg::OnColorChanged);
    connect(m_ui->underlineCombo, &QComboBox::activated, this,
            &FontEditorDlg::OnUnderlineStyleChanged);
    connect(m_ui->lineThroughCheck, &QCheckBox::clicked, this, &FontEditorDlg::OnCheckLineThrough);
    connect(m_ui->doubleLineThroughCheck, &QCheckBox::clicked, this,
            &FontEditorDlg::OnCheckDoubleLineThrough);
    connect(m_ui->overlineCheck, &QCheckBox::clicked, this, &FontEditorDlg::OnCheckOverline);
    connect(m_ui->doubleOverlineCheck, &QCheckBox::clicked, this,
            &FontEditorDlg::OnCheckDoubleOverline);
    connect(m_ui->smallCapsCheck, &QCheckBox::clicked, this, &FontEditorDlg::OnCheckSmallCaps);
    connect(m_ui->capitalizeCheck, &QCheckBox::clicked, this, &FontEditorDlg::OnCheckCapitalize);
    connect(m_ui->lowercaseCheck, &QCheckBox::clicked, this, &FontEditorDlg::OnCheckLowerCase);
    connect(m_ui->uppercaseCheck, &QCheckBox::clicked, this, &FontEditorDlg::OnCheckUpperCase);
}

FontEditorDlg::~FontEditorDlg() = default;

bool FontEditorDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    {
        const QScopedValueRollback loading(m_loading, true);
        m_font.clearChanged();
        setFontPropertiesFromObject();
        m_ui->colorField->clearGradient();
        m_ui->colorField->setText(m_font.color.toQString());

        // The family shows as the first entry it begins; a family this system
        // does not have stays readable as it is written.
        const QString family = m_font.family.toQString();
        const int entry = m_ui->familyCombo->findText(family, Qt::MatchStartsWith);
        m_ui->familyCombo->setCurrentIndex(entry);
        if (entry < 0) {
            m_ui->familyCombo->setEditText(family);
        }
        m_familyTyped = false;

        m_ui->styleCombo->selectByData(m_font.style);
        m_ui->sizeCombo->selectByData(m_font.size);
        if (m_ui->sizeCombo->currentIndex() < 0) {
            m_ui->sizeCombo->setEditText(QString::number(m_font.size));
        }

        QComboBox* underline = m_ui->underlineCombo;
        underline->clear();
        for (int kind = FontProperties::NoUnderline; kind <= FontProperties::Dashed; ++kind) {
            underline->addItem(Core::String::formatS(63135u + unsigned(kind)).toQString(), kind);
        }
        underline->setCurrentIndex(underline->findData(m_font.underline));
    }
    getPropertiesFromControls();
    updatePreview();
    m_font.clearChanged();
    showChecks();
    return result;
}

void FontEditorDlg::OnOK()
{
    if (m_familyTyped) {
        applyTypedFamily();
    }
    if (m_font.sizeChanged && (m_font.size < SmallestSize || m_font.size > LargestSize)) {
        UIApplication::MessageBoxW(
            Core::String(tr("Enter a font size between %1 and %2 points.")
                             .arg(SmallestSize)
                             .arg(LargestSize)),
            Win32::MB_OK | Win32::MB_ICONWARNING);
        m_ui->sizeCombo->setFocus(Qt::OtherFocusReason);
        m_ui->sizeCombo->lineEdit()->selectAll();
        return;
    }
    FeatureDialog::OnOK();
}

bool FontEditorDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event)) {
        for (QComboBox* box : {static_cast<QComboBox*>(m_ui->familyCombo),
                               static_cast<QComboBox*>(m_ui->sizeCombo)}) {
            if (watched == box || watched == box->lineEdit()) {
                handleComboTextChanged(box);
                return true;
            }
        }
    }
    return FeatureDialog::eventFilter(watched, event);
}

void FontEditorDlg::handleComboTextChanged(QComboBox* combo)
{
    if (combo == m_ui->familyCombo) {
        applyTypedFamily();
    } else {
        onFontSizeChanged(combo->currentText());
    }
    focusNextChild();
}

void FontEditorDlg::applyTypedFamily()
{
    m_familyTyped = false;
    const QString typed = m_ui->familyCombo->currentText().trimmed();
    if (typed.isEmpty()) {
        return;
    }
    // A listed family is taken as the list spells it.
    const int entry = m_ui->familyCombo->findText(typed, Qt::MatchFixedString);
    if (entry >= 0) {
        OnFontFamilyChanged(entry);
        return;
    }
    m_font.family = typed;
    m_font.familyChanged = true;
    changed();
}

void FontEditorDlg::OnFontFamilyChanged(int index)
{
    if (index < 0) {
        return;
    }
    m_familyTyped = false;
    const QString text = m_ui->familyCombo->itemText(index);
    m_ui->familyCombo->setEditText(text);
    m_font.family = text;
    m_font.familyChanged = true;
    changed();
}

void FontEditorDlg::OnFontStyleChanged(int index)
{
    if (index < 0) {
        return;
    }
    const int style = m_ui->styleCombo->itemData(index).toInt();
    m_font.style = style;
    // Regular as the first choice leaves both parts as they were.
    m_font.italicChanged = m_font.italicChanged || (style & FontProperties::Italic);
    m_font.boldChanged = m_font.boldChanged || (style & FontProperties::Bold);
    changed();
}

void FontEditorDlg::OnFontSizeChanged(int index)
{
    if (index < 0) {
        return;
    }
    const QString text = m_ui->sizeCombo->itemText(index);
    m_ui->sizeCombo->setEditText(text);
    onFontSizeChanged(text);
}

void FontEditorDlg::onFontSizeChanged(const QString& text)
{
    m_font.size = FontProperties::leadingInteger(text);
    m_font.sizeChanged = true;
    changed();
}

void FontEditorDlg::OnColorChanged(const QString& text)
{
    if (m_loading) {
        return;
    }
    m_font.color = text;
    m_font.colorChanged = true;
    changed();
}

void FontEditorDlg::OnUnderlineStyleChanged(int index)
{
    if (index < 0) {
        return;
    }
    m_font.underline = m_ui->underlineCombo->itemData(index).toInt();
    m_font.underlineChanged = true;
    changed();
}

void FontEditorDlg::OnCheckLineThrough()
{
    readChecks();
    m_font.doubleLineThrough = 0;
    m_font.lineThroughChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckDoubleLineThrough()
{
    readChecks();
    m_font.lineThrough = 0;
    m_font.lineThroughChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckOverline()
{
    readChecks();
    m_font.doubleOverline = 0;
    m_font.overlineChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckDoubleOverline()
{
    readChecks();
    m_font.overline = 0;
    m_font.overlineChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckSmallCaps()
{
    readChecks();
    m_font.capitalize = m_font.lowercase = m_font.uppercase = 0;
    m_font.caseChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckCapitalize()
{
    readChecks();
    m_font.smallCaps = m_font.lowercase = m_font.uppercase = 0;
    m_font.caseChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckLowerCase()
{
    readChecks();
    m_font.smallCaps = m_font.capitalize = m_font.uppercase = 0;
    m_font.caseChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::OnCheckUpperCase()
{
    readChecks();
    m_font.smallCaps = m_font.capitalize = m_font.lowercase = 0;
    m_font.caseChanged = true;
    showChecks();
    changed();
}

void FontEditorDlg::readChecks()
{
    m_font.lineThrough = m_ui->lineThroughCheck->isChecked();
    m_font.doubleLineThrough = m_ui->doubleLineThroughCheck->isChecked();
    m_font.overline = m_ui->overlineCheck->isChecked();
    m_font.doubleOverline = m_ui->doubleOverlineCheck->isChecked();
    m_font.smallCaps = m_ui->smallCapsCheck->isChecked();
    m_font.capitalize = m_ui->capitalizeCheck->isChecked();
    m_font.lowercase = m_ui->lowercaseCheck->isChecked();
    m_font.uppercase = m_ui->uppercaseCheck->isChecked();
}

void FontEditorDlg::showChecks()
{
    m_ui->lineThroughCheck->setChecked(m_font.lineThrough);
    m_ui->doubleLineThroughCheck->setChecked(m_font.doubleLineThrough);
    m_ui->overlineCheck->setChecked(m_font.overline);
    m_ui->doubleOverlineCheck->setChecked(m_font.doubleOverline);
    m_ui->smallCapsCheck->setChecked(m_font.smallCaps);
    m_ui->capitalizeCheck->setChecked(m_font.capitalize);
    m_ui->lowercaseCheck->setChecked(m_font.lowercase);
    m_ui->uppercaseCheck->setChecked(m_font.uppercase);
}

void FontEditorDlg::setFontPropertiesFromObject()
{
    m_font.read(m_properties);
}

void FontEditorDlg::getPropertiesFromControls()
{
    m_font.write(m_properties);
}

void FontEditorDlg::changed()
{
    getPropertiesFromControls();
    updatePreview();
}

void FontEditorDlg::updatePreview()
{
    const Core::String word = Core::String::formatS(63036).toQString().toHtmlEscaped();
    m_preview->openFromString(
        FormatPreviewPage::document(
            660, 120, Core::Format::format("<fo:block {0}>{1}</fo:block>\n", m_properties.getPropertiesString(), word)));
}
