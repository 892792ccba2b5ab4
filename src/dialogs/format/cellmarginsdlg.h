#pragma once

#include "frame/featuredialog.h"

#include <array>
#include <memory>

namespace Ui {
class CellMarginsDlg;
}
class LengthOrPercentCtrl;

/// "Cell Margins": the four paddings of a table cell.
///
/// The host hands in the cell's properties with setProperties(); "fo:padding"
/// arrives expanded into its four sides. After OK getProperties() holds all
/// four paddings, written whether changed or not, with the shorthands
/// collapsed again.
class UIEDITOR_EXPORT CellMarginsDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12846;

    explicit CellMarginsDlg(QWidget* parent = nullptr);
    ~CellMarginsDlg() override;

    /// Keeps a copy of `properties` with their shorthands expanded.
    void setProperties(PropertyCollection properties);

protected:
    bool OnInitDialog() override;
    /// Refuses a negative margin with a message and keeps the dialog open;
    /// otherwise writes the four paddings and collapses the shorthands.
    void OnOK() override;

private:
    struct Side
    {
        const char* property;
        LengthOrPercentCtrl* field;
    };
    /// Left, top, right, bottom: the order the fields are read in.
    std::array<Side, 4> sides() const;

    std::unique_ptr<Ui::CellMarginsDlg> m_ui;
};
