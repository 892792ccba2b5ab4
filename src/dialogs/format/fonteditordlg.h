#pragma once

#include "dialogs/format/fontproperties.h"
#include "frame/featuredialog.h"

#include <memory>

namespace Ui {
class FontEditorDlg;
}
class QComboBox;
class StaticPreview;

/// "Font": family, style, size, colour, underline, line-through, overline,
/// small capitals and letter case of one formatting object, with a live
/// preview.
///
/// The host hands in the object's properties with setProperties() and reads
/// them back with getProperties(). The dialog writes into that collection on
/// every change, and only the settings the user touched: after Cancel the
/// host discards it. No property is ever removed.
class UIEDITOR_EXPORT FontEditorDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11301;

    explicit FontEditorDlg(QWidget* parent = nullptr);
    ~FontEditorDlg() override;

    StaticPreview* preview() const { return m_preview; }

protected:
    bool OnInitDialog() override;
    /// Takes a family typed but not yet confirmed, and refuses a size that is
    /// no size with a message, keeping the dialog open.
    void OnOK() override;
    /// Enter in the family or size box applies the typed value instead of
    /// closing the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFontFamilyChanged(int index);
    void OnFontStyleChanged(int index);
    void OnFontSizeChanged(int index);
    void onFontSizeChanged(const QString& text);
    void OnColorChanged(const QString& text);
    void OnUnderlineStyleChanged(int index);
    void OnCheckLineThrough();
    void OnCheckDoubleLineThrough();
    void OnCheckOverline();
    void OnCheckDoubleOverline();
    void OnCheckSmallCaps();
    void OnCheckCapitalize();
    void OnCheckLowerCase();
    void OnCheckUpperCase();
    /// Enter in `combo`'s box: the family typed or the size typed becomes the value.
    void handleComboTextChanged(QComboBox* combo);
    void applyTypedFamily();

    void setFontPropertiesFromObject();
    void getPropertiesFromControls();
    void updatePreview();
    /// Writes the properties and refreshes the preview after a change.
    void changed();
    void readChecks();
    void showChecks();

    std::unique_ptr<Ui::FontEditorDlg> m_ui;
    StaticPreview* m_preview = nullptr;
    FontProperties m_font;
    /// Set while the controls are filled from the properties, which is no edit.
    bool m_loading = false;
    /// The family box holds text typed since the family was last applied.
    bool m_familyTyped = false;
};
