#pragma once

#include "dialogs/field/formatfieldpage.h"

#include <memory>

namespace Ui {
class CFormatFieldCustomDlg;
}

/// The page of a custom format: "#" takes the next character of the value.
class UIEDITOR_EXPORT CFormatFieldCustomDlg : public FormatFieldPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12814;
    static constexpr int IDC_PATTERN = 12625;

    explicit CFormatFieldCustomDlg(QWidget* parent = nullptr);
    ~CFormatFieldCustomDlg() override;

    void readPattern(const QString& pattern) override;
    QString pattern() const override;

private:
    std::unique_ptr<Ui::CFormatFieldCustomDlg> m_ui;
};
