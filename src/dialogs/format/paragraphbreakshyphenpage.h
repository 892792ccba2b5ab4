#pragma once

#include "dialogs/format/paragraphvalues.h"
#include "frame/dialogpage.h"

#include <array>
#include <memory>

namespace Ui {
class ParagraphBreaksHyphenPage;
}
class QCheckBox;
class QLineEdit;

/// The second tab of the paragraph dialog: the keeps, widows and orphans,
/// hyphenation and spanning all columns. Edits go straight into the values
/// the dialog hands in.
class UIEDITOR_EXPORT ParagraphBreaksHyphenPage : public DialogPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 9010;
    /// Widows and orphans are lines; more than this is a typing slip.
    static constexpr int MaxLineCount = 999;

    /// `values` must outlive the page.
    explicit ParagraphBreaksHyphenPage(ParagraphValues& values, QWidget* parent = nullptr);
    ~ParagraphBreaksHyphenPage() override;

    /// Puts the values into the controls, without notifying.
    void showValues();
    /// Answers whether the widows and orphans the user typed can be written;
    /// otherwise says why in a message box and puts the focus on the field.
    bool validate();

Q_SIGNALS:
    /// The user changed a check box, the widows or the orphans.
    void valuesChanged();

private:
    void OnCheckBoxClicked();
    void OnLineCountEdited(ParagraphValues::LineCount which);
    /// The number in a widows or orphans field; false when it cannot be one.
    bool readLineCount(ParagraphValues::LineCount which, int& count) const;

    std::unique_ptr<Ui::ParagraphBreaksHyphenPage> m_ui;
    ParagraphValues& m_values;
    // Indexed by ParagraphValues::Keep and ParagraphValues::LineCount.
    std::array<QCheckBox*, ParagraphValues::KeepCount> m_keepBoxes{};
    std::array<QLineEdit*, ParagraphValues::LineCountCount> m_lineCountFields{};
};
