#pragma once

#include "dialogs/field/formatfieldpage.h"

#include <memory>

namespace Ui {
class CFormatFieldNoneDlg;
}

/// The page of no format: a note that OK clears the field's format.
class UIEDITOR_EXPORT CFormatFieldNoneDlg : public FormatFieldPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12620;

    explicit CFormatFieldNoneDlg(QWidget* parent = nullptr);
    ~CFormatFieldNoneDlg() override;

    void readPattern(const QString&) override {}
    QString pattern() const override { return QString(); }

private:
    std::unique_ptr<Ui::CFormatFieldNoneDlg> m_ui;
};
