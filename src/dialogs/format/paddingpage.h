#pragma once

#include "frame/dialogpage.h"
#include "outside/types/bordersandbackgrounddata.h"

#include <array>
#include <memory>

namespace Ui {
class PaddingPage;
}
class LengthOrPercentCtrl;

/// The padding tab of the borders and background dialog: the space between
/// each side's border and the content. Edits go straight into the record the
/// dialog hands in.
class UIEDITOR_EXPORT PaddingPage : public DialogPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 4256;

    /// `record` must outlive the page.
    explicit PaddingPage(BordersAndBackgroundData& record, QWidget* parent = nullptr);
    ~PaddingPage() override;

    /// Puts the record's paddings into the fields, without notifying.
    void showRecord();

Q_SIGNALS:
    /// The user changed a padding.
    void recordChanged();

private:
    std::unique_ptr<Ui::PaddingPage> m_ui;
    BordersAndBackgroundData& m_data;
    // Indexed by BordersAndBackgroundData::Side.
    std::array<LengthOrPercentCtrl*, BordersAndBackgroundData::SideCount> m_fields{};
};
