#pragma once

#include "frame/featuredialog.h"
#include "outside/core/corestring.h"

#include <memory>

class PredefinedTablesPage;
class QLineEdit;
class QStackedLayout;

namespace Ui {
class InsertTableDlg;
}

/// "Insert Table": one fo:table, built either from a predefined table format
/// stretched to the chosen rows and columns, or from custom borders, padding
/// and alignment. Every cell holds a non-breaking space. After OK the host
/// reads the table with getTableXml(false); the settings stay after the
/// dialog closes.
class UIEDITOR_EXPORT InsertTableDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 10301;
    enum {
        IDC_ROWS = 10302,
        IDC_COLUMNS = 10303,
        IDC_COLLAPSE = 10304,
        IDC_ROWS_SPIN = 10305,
        IDC_COLUMNS_SPIN = 10306,
        IDC_PADDING = 10307,
        IDC_PADDING_SPIN = 10308,
        IDC_HAS_BORDERS = 10309,
        IDC_WIDTH = 10310,
        IDC_WIDTH_SPIN = 10311,
        IDC_STYLE = 10316,
        IDC_COLOR = 10317,
        IDC_VERTICAL_ALIGN = 10318,
        IDC_HORIZONTAL_ALIGN = 10319,
        IDC_HEADER = 10320,
        IDC_FOOTER = 10321,
        IDC_AUTOFORMAT = 10351,
        IDC_CUSTOM = 10352,
        IDC_BORDERS_GROUP = 10355,
        IDC_CELLS_GROUP = 10356,
    };

    explicit InsertTableDlg(QWidget* parent = nullptr);
    ~InsertTableDlg() override;

    /// The table markup. With `preview` the predefined table is 3 × 3 with
    /// labelled cells, as the page shows it. A predefined format that cannot
    /// be read or stretched is reported to the user and gives "".
    Core::String getTableXml(bool preview);
    /// Always empty: the table is read with getTableXml.
    virtual Core::String getFeatureXml();
    /// The text of the chosen predefined format; "" when none is chosen.
    /// Raises Core::Exception when its resource cannot be loaded.
    virtual Core::String getTemplateContent();

    /// The resource name of the predefined format, set by the page.
    void setTemplateName(const Core::String& name) { m_templateName = name; }
    Core::String getTemplateName() const { return m_templateName; }
    PredefinedTablesPage* page() const { return m_page; }

protected:
    bool OnInitDialog() override;
    /// Checks the ranges of the four numbers; a failure is reported and keeps
    /// the dialog open.
    void OnOK() override;

private:
    enum class Number { Rows, Columns, Width, Padding };

    /// Reads the controls into the members without complaint, then updates
    /// enabling and the preview.
    void readControls();
    void writeControls();
    void updateEnabling();
    void OnRadioPredefinedOrCustom();
    void OnNumberInc(Number number, int delta);
    /// Reads one range-checked number; false (and a message) when it is no
    /// number or out of range.
    bool validate(QLineEdit* edit, bool integer, double minimum, double maximum, double& value);

    std::unique_ptr<Ui::InsertTableDlg> m_ui;
    PredefinedTablesPage* m_page;
    QStackedLayout* m_modes;
    bool m_loading = false;

    int m_formatChoice = 0;
    int m_rows = 1;
    int m_columns = 3;
    bool m_header = true;
    bool m_footer = false;
    bool m_collapseBorders = true;
    bool m_hasBorders = true;
    float m_borderWidth = 1.0f;
    Core::String m_borderStyle = "solid";
    Core::String m_borderColor = "rgb(0,0,0)";
    float m_padding = 2.0f;
    Core::String m_horizontalAlign = "left";
    Core::String m_verticalAlign = "top";
    Core::String m_templateName;
};
