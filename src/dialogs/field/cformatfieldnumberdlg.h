#pragma once

#include "dialogs/field/customnumbersettings.h"
#include "dialogs/field/formatfieldpage.h"

#include <memory>

namespace Ui {
class CFormatFieldNumberDlg;
}
class QComboBox;

/// The page of number and currency formats: a predefined format, or one
/// made from decimal places, leading zeros, separators, the minus sign and,
/// for a currency, the symbol and where it goes. The preview shows 1234.5
/// and its negative as a field prints them.
class UIEDITOR_EXPORT CFormatFieldNumberDlg : public FormatFieldPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12607;
    static constexpr int IDC_PREDEFINED = 12617;
    static constexpr int IDC_PREDEFINED_LIST = 12619;
    static constexpr int IDC_CUSTOM = 12618;
    static constexpr int IDC_POSITIVE = 12608;
    static constexpr int IDC_NEGATIVE = 12620;
    static constexpr int IDC_DECIMAL_PLACES = 12609;
    static constexpr int IDC_LEADING_ZEROS = 12611;
    static constexpr int IDC_DECIMAL_SEPARATOR = 12613;
    static constexpr int IDC_THOUSAND_SEPARATOR = 12614;
    static constexpr int IDC_MINUS_SIGN = 12646;
    static constexpr int IDC_CURRENCY_SYMBOL = 12615;
    static constexpr int IDC_CURRENCY_POSITION = 12616;
    /// The value the preview shows.
    static constexpr double PreviewValue = 1234.5;

    explicit CFormatFieldNumberDlg(bool currency, QWidget* parent = nullptr);
    ~CFormatFieldNumberDlg() override;

    /// Shows the settings derived from `pattern` and selects the predefined
    /// row it is, if any, else "Custom".
    void readPattern(const QString& pattern) override;
    QString pattern() const override;
    /// Refuses, with message 63295, a custom format whose thousands
    /// separator is the decimal separator.
    bool validate() override;

    bool isCurrency() const { return m_currency; }
    NumberFormat numberFormat() const;
    /// The custom settings as the controls show them.
    CustomNumberSettings customSettings() const;

private:
    void showSettings(const CustomNumberSettings& settings);
    void predefinedRowChosen();
    void updateEnabling();
    void updatePreview();

    std::unique_ptr<Ui::CFormatFieldNumberDlg> m_ui;
    bool m_currency;
};
