#pragma once

#include "css/designertemplates.h"
#include "frame/dialogpage.h"

#include <memory>
#include <vector>

class InsertTableDlg;
class QComboBox;
class TablePreviewStack;

namespace Ui {
class PredefinedTablesPage;
}

/// The predefined mode of the insert-table dialog: the list of table formats
/// and the preview of the chosen one, 3 × 3 with labelled cells.
class UIEDITOR_EXPORT PredefinedTablesPage : public DialogPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 10324;
    enum { IDC_PREVIEW = 10322, IDC_FORMATS = 10323 };

    explicit PredefinedTablesPage(InsertTableDlg& dialog, QWidget* parent = nullptr);
    ~PredefinedTablesPage() override;

    /// Lists the formats, chooses the first and shows it.
    void initPage();
    /// Shows the chosen format as the dialog's settings make it.
    void refreshPreview();

    QComboBox* formatList() const;
    TablePreviewStack* preview() const;

private:
    void OnSelChangeTemplates();

    std::unique_ptr<Ui::PredefinedTablesPage> m_ui;
    InsertTableDlg& m_dialog;
    std::vector<DesignerTemplate> m_templates;
};
