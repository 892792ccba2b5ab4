#pragma once

#include "frame/dialogpage.h"
#include "outside/types/bordersandbackgrounddata.h"

#include <array>
#include <memory>

namespace Ui {
class BordersPage;
}
class ColorCtrl;
class LengthOrPercentCtrl;
class QComboBox;

/// The borders tab of the borders and background dialog: style, width and
/// colour of each side, each column with a "Same for all" box that makes the
/// top row stand for all four sides. Edits go straight into the record the
/// dialog hands in.
class UIEDITOR_EXPORT BordersPage : public DialogPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 4059;

    /// `record` must outlive the page.
    explicit BordersPage(BordersAndBackgroundData& record, QWidget* parent = nullptr);
    ~BordersPage() override;

    /// Puts the record into the controls; nothing of it counts as an edit.
    void showRecord();

Q_SIGNALS:
    /// The user changed the record.
    void recordChanged();

private:
    using Side = BordersAndBackgroundData::Side;

    void OnStyleChanged();
    void OnWidthChanged(bool clicked);
    void OnColorChanged(Side source, bool clicked);

    std::unique_ptr<Ui::BordersPage> m_ui;
    BordersAndBackgroundData& m_data;
    // Indexed by BordersAndBackgroundData::Side.
    std::array<QComboBox*, BordersAndBackgroundData::SideCount> m_styles{};
    std::array<LengthOrPercentCtrl*, BordersAndBackgroundData::SideCount> m_widths{};
    std::array<ColorCtrl*, BordersAndBackgroundData::SideCount> m_colors{};
    /// Set while controls are written from the record or from one another, so
    /// that their change signals are not taken for the user's edits.
    bool m_showing = false;
};
