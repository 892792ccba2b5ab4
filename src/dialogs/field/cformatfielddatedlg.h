#pragma once

#include "dialogs/field/formatfieldlistpage.h"

#include <memory>

namespace Ui {
class CFormatFieldDateDlg;
}

/// The page of date formats: a predefined pattern or one typed.
class UIEDITOR_EXPORT CFormatFieldDateDlg : public FormatFieldListPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12621;
    static constexpr int IDC_LIST = 12622;
    static constexpr int IDC_PREDEFINED = 12623;
    static constexpr int IDC_CUSTOM = 12624;

    explicit CFormatFieldDateDlg(QWidget* parent = nullptr);
    ~CFormatFieldDateDlg() override;

private:
    std::unique_ptr<Ui::CFormatFieldDateDlg> m_ui;
};
