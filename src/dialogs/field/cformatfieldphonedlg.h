#pragma once

#include "dialogs/field/formatfieldlistpage.h"

#include <memory>

namespace Ui {
class CFormatFieldPhoneDlg;
}

/// The page of phone formats: a predefined pattern or one typed.
class UIEDITOR_EXPORT CFormatFieldPhoneDlg : public FormatFieldListPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12813;
    static constexpr int IDC_LIST = 12815;
    static constexpr int IDC_PREDEFINED = 12816;
    static constexpr int IDC_CUSTOM = 12817;

    explicit CFormatFieldPhoneDlg(QWidget* parent = nullptr);
    ~CFormatFieldPhoneDlg() override;

private:
    std::unique_ptr<Ui::CFormatFieldPhoneDlg> m_ui;
};
