#pragma once

#include "dialogs/format/paragraphvalues.h"
#include "frame/dialogpage.h"

#include <array>
#include <memory>

namespace Ui {
class ParagraphAlignIndentPage;
}
class LengthOrPercentCtrl;

/// The first tab of the paragraph dialog: text alignment and the four indents.
/// Edits go straight into the values the dialog hands in.
class UIEDITOR_EXPORT ParagraphAlignIndentPage : public DialogPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 9008;

    /// `values` must outlive the page.
    explicit ParagraphAlignIndentPage(ParagraphValues& values, QWidget* parent = nullptr);
    ~ParagraphAlignIndentPage() override;

    /// Puts the values into the controls, without notifying.
    void showValues();

Q_SIGNALS:
    /// The user changed the alignment or an indent.
    void valuesChanged();

private:
    void OnAlignmentChosen(int entry);
    void OnIndentModified(ParagraphValues::Indent which, const Xml::LengthOrPercent& value);

    std::unique_ptr<Ui::ParagraphAlignIndentPage> m_ui;
    ParagraphValues& m_values;
    // Indexed by ParagraphValues::Indent.
    std::array<LengthOrPercentCtrl*, ParagraphValues::IndentCount> m_fields{};
    /// Text typed into a field since its last commit: its commit is an edit
    /// even when the number stays the same.
    std::array<bool, ParagraphValues::IndentCount> m_typed{};
};
