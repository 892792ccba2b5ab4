#include "dialogs/table/inserttabledlg.h"

#include "css/designertemplates.h"
#include "dialogs/table/customtable.h"
#include "dialogs/table/predefinedtablespage.h"
#include "dialogs/table/tableformatexpander.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/core/coretextreader.h"

#include "ui_inserttabledlg.h"

#include <QLocale>
#include <QStackedLayout>

#include <algorithm>

namespace {

// Numbers are read as typed in the C locale: "1,5" is no number rather than 15.
QLocale numberLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

QString numberText(float value)
{
    return QString::number(double(value), 'g', 6);
}

void selectText(QComboBox* combo, const Core::String& text)
{
    const int index = combo->findText(text.toQString());
    if (index >= 0) {
        combo->setCurrentIndex(index);
    }
}

// The lists keep their entries sorted, as the dialog has always shown them.
void fill(QComboBox* combo, QStringList items, const QString& selected)
{
    items.sort();
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(int(items.indexOf(selected)));
}

} // namespace

InsertTableDlg::InsertTableDlg(QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::InsertTableDlg>())
{
    m_ui->setupUi(this);
    // The page and the custom settings take turns in one place, so that
    // switching modes does not resize the dialog.
    auto* modes = new QWidget(this);
    m_modes = new QStackedLayout(modes);
    m_modes->setContentsMargins(0, 0, 0, 0);
    m_ui->mainLayout->replaceWidget(m_ui->customArea, modes);
    m_modes->addWidget(m_ui->customArea);
    m_page = new PredefinedTablesPage(*this, modes);
    m_modes->addWidget(m_page);
    m_modes->setCurrentWidget(m_page);

    connect(m_ui->autoformatRadio, &QRadioButton::clicked, this,
            &InsertTableDlg::OnRadioPredefinedOrCustom);
    connect(m_ui->customRadio, &QRadioButton::clicked, this,
            &InsertTableDlg::OnRadioPredefinedOrCustom);
    for (QCheckBox* check : {m_ui->headerCheck, m_ui->footerCheck, m_ui->hasBordersCheck}) {
        connect(check, &QCheckBox::toggled, this, [this] {
            if (!m_loading) {
                readControls();
            }
        });
    }
    const std::pair<SpinButtonCtrl*, Number> spins[] = {{m_ui->rowsSpin, Number::Rows},
                                                        {m_ui->columnsSpin, Number::Columns},
                                                        {m_ui->widthSpin, Number::Width},
                                                        {m_ui->paddingSpin, Number::Padding}};
    for (const auto& [spin, number] : spins) {
        connect(spin, &SpinButtonCtrl::deltaPos, this,
                [this, number = number](int delta) { OnNumberInc(number, delta); });
    }
}

InsertTableDlg::~InsertTableDlg() = default;

bool InsertTableDlg::OnInitDialog()
{
    FeatureDialog::OnInitDialog();
    writeControls();
    fill(m_ui->styleCombo,
         {"none", "hidden", "solid", "dotted", "dashed", "double", "groove", "ridge", "inset",
          "outset"},
         QStringLiteral("solid"));
    fill(m_ui->verticalCombo, {"top", "middle", "bottom"}, QStringLiteral("middle"));
    fill(m_ui->horizontalCombo, {"left", "center", "right", "justify"}, QStringLiteral("left"));
    // Every run opens on the predefined formats.
    m_ui->autoformatRadio->setChecked(true);
    m_formatChoice = 0;
    m_page->initPage();
    OnRadioPredefinedOrCustom();
    return true;
}

void InsertTableDlg::writeControls()
{
    m_loading = true;
    m_ui->rowsEdit->setText(QString::number(m_rows));
    m_ui->columnsEdit->setText(QString::number(m_columns));
    m_ui->headerCheck->setChecked(m_header);
    m_ui->footerCheck->setChecked(m_footer);
    (m_formatChoice == 1 ? m_ui->customRadio : m_ui->autoformatRadio)->setChecked(true);
    m_ui->collapseCheck->setChecked(m_collapseBorders);
    m_ui->hasBordersCheck->setChecked(m_hasBorders);
    m_ui->widthEdit->setText(numberText(m_borderWidth));
    selectText(m_ui->styleCombo, m_borderStyle);
    m_ui->colorEdit->setText(m_borderColor.toQString());
    m_ui->paddingEdit->setText(numberText(m_padding));
    selectText(m_ui->verticalCombo, m_verticalAlign);
    selectText(m_ui->horizontalCombo, m_horizontalAlign);
    m_loading = false;
    updateEnabling();
}

void InsertTableDlg::readControls()
{
    bool ok = false;
    if (const int rows = m_ui->rowsEdit->text().trimmed().toInt(&ok); ok) {
        m_rows = rows;
    }
    if (const int columns = m_ui->columnsEdit->text().trimmed().toInt(&ok); ok) {
        m_columns = columns;
    }
    if (const float width = numberLocale().toFloat(m_ui->widthEdit->text().trimmed(), &ok); ok) {
        m_borderWidth = width;
    }
    if (const float padding = numberLocale().toFloat(m_ui->paddingEdit->text().trimmed(), &ok);
        ok) {
        m_padding = padding;
    }
    m_header = m_ui->headerCheck->isChecked();
    m_footer = m_ui->footerCheck->isChecked();
    m_formatChoice = m_ui->customRadio->isChecked() ? 1 : 0;
    m_collapseBorders = m_ui->collapseCheck->isChecked();
    m_hasBorders = m_ui->hasBordersCheck->isChecked();
    m_borderStyle = m_ui->styleCombo->currentText();
    m_borderColor = m_ui->colorEdit->text();
    m_verticalAlign = m_ui->verticalCombo->currentText();
    m_horizontalAlign = m_ui->horizontalCombo->currentText();
    updateEnabling();
    if (m_formatChoice == 0 && isInitialized()) {
        m_page->refreshPreview();
    }
}

void InsertTableDlg::updateEnabling()
{
    const bool borders = m_ui->hasBordersCheck->isChecked() && m_ui->customRadio->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->collapseCheck), static_cast<QWidget*>(m_ui->widthLabel),
          static_cast<QWidget*>(m_ui->widthEdit), static_cast<QWidget*>(m_ui->widthSpin),
          static_cast<QWidget*>(m_ui->styleLabel), static_cast<QWidget*>(m_ui->styleCombo)}) {
        control->setEnabled(borders);
    }
}

void InsertTableDlg::OnRadioPredefinedOrCustom()
{
    readControls();
    const bool custom = m_formatChoice == 1;
    m_modes->setCurrentWidget(custom ? m_ui->customArea : static_cast<QWidget*>(m_page));
}

void InsertTableDlg::OnNumberInc(Number number, int delta)
{
    // The upper arrow reports a negative delta and increases the value.
    if (number == Number::Rows || number == Number::Columns) {
        QLineEdit* edit = number == Number::Rows ? m_ui->rowsEdit : m_ui->columnsEdit;
        const int maximum = number == Number::Rows ? 100 : 20;
        const int next = edit->text().trimmed().toInt() - delta;
        if (next >= 0 && next <= maximum) {
            edit->setText(QString::number(next));
        }
        return;
    }
    // Typed text is taken first, so that stepping does not throw it away.
    readControls();
    float& value = number == Number::Width ? m_borderWidth : m_padding;
    const float rounded = float(int(value * 10.0f + 0.5f)) * 0.1f;
    const float next = rounded - float(delta) * 0.1f;
    if (next < 0.0f) {
        return;
    }
    value = next;
    writeControls();
}

bool InsertTableDlg::validate(QLineEdit* edit, bool integer, double minimum, double maximum,
                              double& value)
{
    bool ok = false;
    const QString text = edit->text().trimmed();
    value = integer ? double(text.toInt(&ok)) : numberLocale().toDouble(text, &ok);
    QString message;
    if (!ok) {
        message = integer ? tr("Please enter an integer.") : tr("Please enter a number.");
    } else if (value < minimum || value > maximum) {
        message = (integer ? tr("Please enter an integer between %1 and %2.")
                           : tr("Please enter a number between %1 and %2."))
                      .arg(minimum)
                      .arg(maximum);
    }
    if (message.isEmpty()) {
        return true;
    }
    UIApplication::MessageBoxW(Core::String(message), Win32::MB_OK | Win32::MB_ICONWARNING);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void InsertTableDlg::OnOK()
{
    readControls();
    double value = 0;
    const bool valid = validate(m_ui->rowsEdit, true, 1, 100, value) &&
                       validate(m_ui->columnsEdit, true, 1, 20, value) &&
                       validate(m_ui->widthEdit, false, 0, 20, value) &&
                       validate(m_ui->paddingEdit, false, 0, 20, value);
    if (!valid) {
        m_rows = std::clamp(m_rows, 0, 100);
        m_columns = std::clamp(m_columns, 0, 20);
        m_borderWidth = std::clamp(m_borderWidth, 0.0f, 20.0f);
        m_padding = std::clamp(m_padding, 0.0f, 20.0f);
        return;
    }
    EndDialog(Accepted);
}

Core::String InsertTableDlg::getFeatureXml()
{
    return Core::String();
}

Core::String InsertTableDlg::getTemplateContent()
{
    if (m_templateName.isEmpty()) {
        return Core::String();
    }
    Core::IO::TextReader reader(GetTemplateContent(m_templateName), Core::IO::TextEncoding::Utf8);
    return reader.readToEnd();
}

Core::String InsertTableDlg::getTableXml(bool preview)
{
    if (m_formatChoice == 1) {
        CustomTable table;
        table.rows = m_rows;
        table.columns = m_columns;
        table.header = m_header;
        table.footer = m_footer;
        table.collapseBorders = m_collapseBorders;
        table.hasBorders = m_hasBorders;
        table.borderWidth = m_borderWidth;
        table.borderStyle = m_borderStyle;
        table.borderColor = m_borderColor;
        table.padding = m_padding;
        table.horizontalAlign = m_horizontalAlign;
        table.verticalAlign = m_verticalAlign;
        return table.markup();
    }
    TableFormatExpander::Shape shape;
    shape.rows = preview ? 3 : m_rows;
    shape.columns = preview ? 3 : m_columns;
    shape.header = m_header;
    shape.footer = m_footer;
    shape.labels = preview;
    try {
        return TableFormatExpander::expand(getTemplateContent(), shape, m_templateName);
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage());
        return Core::String();
    }
}
