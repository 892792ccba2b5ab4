#include "dialogs/field/cformatfieldnumberdlg.h"

#include "dialogs/field/fieldformatcatalogue.h"
#include "dialogs/field/numberformatter.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/corestring.h"

#include "ui_formatfieldnumberdlg.h"

#include <QHeaderView>

namespace {

constexpr unsigned SeparatorsEqualText = 63295;
constexpr unsigned BeforeText = 63162;
constexpr unsigned AfterText = 63163;

void fill(QComboBox* combo, const std::vector<FieldFormatCatalogue::Choice>& choices)
{
    for (const FieldFormatCatalogue::Choice& choice : choices) {
        combo->addItem(choice.text, choice.value);
    }
}

void select(QComboBox* combo, const QVariant& value)
{
    const int index = combo->findData(value);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

CFormatFieldNumberDlg::CFormatFieldNumberDlg(bool currency, QWidget* parent)
    : FormatFieldPage(TemplateId, parent), m_ui(std::make_unique<Ui::CFormatFieldNumberDlg>()), m_currency(currency)
{
    m_ui->setupUi(this);
    for (const FieldFormatCatalogue::NumberRow& row : FieldFormatCatalogue::numberRows(m_currency)) {
        new QTreeWidgetItem(m_ui->predefinedList, {row.digits, row.example});
    }
    m_ui->predefinedList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->predefinedList->setCurrentItem(m_ui->predefinedList->topLevelItem(0));
    m_ui->decimalPlacesSpin->setMaximum(CustomNumberSettings::maximumDigits);
    m_ui->leadingZerosSpin->setMaximum(CustomNumberSettings::maximumDigits);
    fill(m_ui->decimalSeparatorCombo, FieldFormatCatalogue::decimalSeparators());
    fill(m_ui->thousandSeparatorCombo, FieldFormatCatalogue::thousandsSeparators());
    fill(m_ui->minusSignCombo, FieldFormatCatalogue::signs());
    const QStringList currencies = FieldFormatCatalogue::currencies();
    const QStringList symbols = FieldFormatCatalogue::currencySymbols();
    for (qsizetype i = 0; i < currencies.size(); ++i) {
        m_ui->currencySymbolCombo->addItem(currencies[i], symbols[i]);
    }
    m_ui->currencyPositionCombo->addItem(Core::String::formatS(AfterText).toQString(), true);
    m_ui->currencyPositionCombo->addItem(Core::String::formatS(BeforeText).toQString(), false);
    for (QWidget* widget : {static_cast<QWidget*>(m_ui->currencySymbolLabel), static_cast<QWidget*>(m_ui->currencySymbolCombo),
                            static_cast<QWidget*>(m_ui->currencyPositionLabel),
                            static_cast<QWidget*>(m_ui->currencyPositionCombo)}) {
        widget->setVisible(m_currency);
    }
    m_ui->predefinedRadio->setChecked(true);
    showSettings(CustomNumberSettings::from(numberFormat(), m_currency));
    updateEnabling();
    updatePreview();

    auto changed = [this] {
        markEdited();
        updatePreview();
    };
    connect(m_ui->predefinedRadio, &QRadioButton::toggled, this, [this, changed] {
        updateEnabling();
        changed();
    });
    connect(m_ui->predefinedList, &QTreeWidget::currentItemChanged, this, [this, changed] {
        predefinedRowChosen();
        changed();
    });
    for (QSpinBox* spin : {m_ui->decimalPlacesSpin, m_ui->leadingZerosSpin}) {
        connect(spin, &QSpinBox::valueChanged, this, changed);
    }
    for (QComboBox* combo : {m_ui->decimalSeparatorCombo, m_ui->thousandSeparatorCombo, m_ui->minusSignCombo,
                             m_ui->currencySymbolCombo, m_ui->currencyPositionCombo}) {
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    }
}

CFormatFieldNumberDlg::~CFormatFieldNumberDlg() = default;

void CFormatFieldNumberDlg::showSettings(const CustomNumberSettings& settings)
{
    m_ui->decimalPlacesSpin->setValue(settings.decimalPlaces);
    m_ui->leadingZerosSpin->setValue(settings.leadingZeros);
    select(m_ui->decimalSeparatorCombo, settings.decimal);
    select(m_ui->thousandSeparatorCombo, settings.thousands);
    select(m_ui->minusSignCombo, settings.sign);
    select(m_ui->currencySymbolCombo, settings.symbol);
    select(m_ui->currencyPositionCombo, settings.symbolAfter);
}

CustomNumberSettings CFormatFieldNumberDlg::customSettings() const
{
    CustomNumberSettings settings;
    settings.decimalPlaces = m_ui->decimalPlacesSpin->value();
    settings.leadingZeros = m_ui->leadingZerosSpin->value();
    settings.decimal = m_ui->decimalSeparatorCombo->currentData().toString();
    settings.thousands = m_ui->thousandSeparatorCombo->currentData().toString();
    settings.sign = m_ui->minusSignCombo->currentData().toString();
    if (m_currency) {
        settings.symbol = m_ui->currencySymbolCombo->currentData().toString();
        settings.symbolAfter = m_ui->currencyPositionCombo->currentData().toBool();
    }
    return settings;
}

NumberFormat CFormatFieldNumberDlg::numberFormat() const
{
    if (m_ui->customRadio->isChecked()) {
        return customSettings().toFormat();
    }
    const std::vector<FieldFormatCatalogue::NumberRow> rows = FieldFormatCatalogue::numberRows(m_currency);
    const int row = std::max(0, m_ui->predefinedList->indexOfTopLevelItem(m_ui->predefinedList->currentItem()));
    const FieldFormatCatalogue::NumberRow& chosen = rows[size_t(std::min(row, int(rows.size()) - 1))];
    return NumberFormat{chosen.digits, chosen.thousands, chosen.decimal, QString()};
}

void CFormatFieldNumberDlg::readPattern(const QString& pattern)
{
    const PageLoading loading(*this);
    const NumberFormat format = NumberFormat::parse(pattern);
    showSettings(CustomNumberSettings::from(format, m_currency));
    int matching = -1;
    const std::vector<FieldFormatCatalogue::NumberRow> rows = FieldFormatCatalogue::numberRows(m_currency);
    for (size_t i = 0; i < rows.size() && matching < 0; ++i) {
        const FieldFormatCatalogue::NumberRow& row = rows[i];
        if (row.digits == format.digits && format.thousands.value_or(row.thousands) == row.thousands &&
            format.decimal.value_or(row.decimal) == row.decimal && format.sign.isEmpty()) {
            matching = int(i);
        }
    }
    if (matching >= 0) {
        // Selecting the row sets its separators, which are those just shown.
        m_ui->predefinedList->setCurrentItem(m_ui->predefinedList->topLevelItem(matching));
        m_ui->predefinedRadio->setChecked(true);
    } else {
        m_ui->customRadio->setChecked(true);
    }
    updateEnabling();
    updatePreview();
}

QString CFormatFieldNumberDlg::pattern() const
{
    return numberFormat().toString();
}

bool CFormatFieldNumberDlg::validate()
{
    const CustomNumberSettings settings = customSettings();
    if (m_ui->customRadio->isChecked() && !settings.thousands.isEmpty() && settings.thousands == settings.decimal) {
        UIApplication::MessageBoxW(SeparatorsEqualText, Win32::MB_OK | Win32::MB_ICONINFORMATION);
        m_ui->thousandSeparatorCombo->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void CFormatFieldNumberDlg::predefinedRowChosen()
{
    if (m_loading) {
        return;
    }
    const NumberFormat format = numberFormat();
    select(m_ui->decimalSeparatorCombo, format.decimal.value_or(QString()));
    select(m_ui->thousandSeparatorCombo, format.thousands.value_or(QString()));
}

void CFormatFieldNumberDlg::updateEnabling()
{
    const bool custom = m_ui->customRadio->isChecked();
    m_ui->predefinedList->setEnabled(!custom);
    for (QWidget* widget : {static_cast<QWidget*>(m_ui->decimalPlacesSpin), static_cast<QWidget*>(m_ui->leadingZerosSpin),
                            static_cast<QWidget*>(m_ui->decimalSeparatorCombo),
                            static_cast<QWidget*>(m_ui->thousandSeparatorCombo), static_cast<QWidget*>(m_ui->minusSignCombo),
                            static_cast<QWidget*>(m_ui->currencySymbolCombo),
                            static_cast<QWidget*>(m_ui->currencyPositionCombo)}) {
        widget->setEnabled(custom);
    }
}

void CFormatFieldNumberDlg::updatePreview()
{
    const NumberFormat format = numberFormat();
    m_ui->positiveEdit->setText(NumberFormatter::format(PreviewValue, format));
    m_ui->negativeEdit->setText(NumberFormatter::format(-PreviewValue, format));
}
