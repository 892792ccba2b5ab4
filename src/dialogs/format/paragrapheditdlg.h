#pragma once

#include "dialogs/format/paragraphvalues.h"
#include "frame/featuredialog.h"

#include <memory>

namespace Ui {
class ParagraphEditDlg;
}
class ParagraphAlignIndentPage;
class ParagraphBreaksHyphenPage;
class StaticPreview;

/// "Paragraph": the alignment, indents, keeps, widows and orphans,
/// hyphenation and column spanning of a block, with a live preview.
///
/// The dialog edits the host's collection in place: every edit writes the
/// properties the user has changed so far (and only those) and refreshes the
/// preview. The first preview also removes "kmb:src" from the collection. The
/// host that cancels puts its collection back itself.
class UIEDITOR_EXPORT ParagraphEditDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 9004;

    explicit ParagraphEditDlg(QWidget* parent = nullptr);
    ~ParagraphEditDlg() override;

    /// The collection to edit, read here; it must outlive the dialog's run.
    /// Call before running the dialog.
    void setProprietiesForParagraph(PropertyCollection* properties);

    /// "left", "right", "center" or "justify"; "" when the code is none of them.
    Core::String getAlignValue() const;
    /// "center", "right" and "justify" give theirs, anything else left; not
    /// counted as an edit.
    void setAlignValue(const Core::String& value);

    /// Writes the changed values into the collection.
    void setNewAttributtes();
    /// Renders the sample paragraph with the collection's properties.
    void updatePreview();
    /// A page changed a value: writes, then refreshes the preview.
    void onPropChanged();

    StaticPreview* preview() const { return m_preview; }
    /// The sample document the preview shows.
    Core::String previewDocument() const;

protected:
    bool OnInitDialog() override;
    /// Commits a length still being typed, then refuses widows or orphans
    /// that are no count of lines.
    void OnOK() override;

private:
    std::unique_ptr<Ui::ParagraphEditDlg> m_ui;
    StaticPreview* m_preview = nullptr;
    ParagraphAlignIndentPage* m_alignIndentPage = nullptr;
    ParagraphBreaksHyphenPage* m_breaksHyphenPage = nullptr;
    ParagraphValues m_values;
    PropertyCollection* m_paragraph = nullptr; ///< the host's, not owned
};
