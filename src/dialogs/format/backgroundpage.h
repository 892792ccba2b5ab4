#pragma once

#include "frame/dialogpage.h"
#include "outside/types/bordersandbackgrounddata.h"

#include <memory>

namespace Ui {
class BackgroundPage;
}
class LengthOrPercentCtrl;

namespace Xml {
class LengthOrPercent;
}

/// The background tab of the borders and background dialog: background colour
/// (or the gradient a template already has), image with its repeat mode and
/// offsets, and the box shadow. Edits go straight into the record the dialog
/// hands in.
class UIEDITOR_EXPORT BackgroundPage : public DialogPage
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 4060;

    /// `record` must outlive the page.
    explicit BackgroundPage(BordersAndBackgroundData& record, QWidget* parent = nullptr);
    ~BackgroundPage() override;

    /// The template's file path, "" while unsaved or without a document:
    /// Browse starts in its folder and makes the chosen image relative to it.
    void setDocumentPath(const Core::String& path) { m_documentPath = path; }

    /// Puts the record into the controls; nothing of it counts as an edit.
    void showRecord();

Q_SIGNALS:
    /// The user changed the record.
    void recordChanged();

private:
    void OnBackgroundColorChanged();
    void OnImageChanged();
    void OnRepeatModeChanged(int index);
    void OnLengthOrPercentModified(LengthOrPercentCtrl* control, const Xml::LengthOrPercent& value);
    void OnShadowColorChanged();
    void OnBnClickedBrowse();
    void fillRepeatModes();
    void updateImageControls();

    std::unique_ptr<Ui::BackgroundPage> m_ui;
    BordersAndBackgroundData& m_data;
    Core::String m_documentPath;
    /// Set while controls are written from the record or from one another.
    bool m_showing = false;
};
