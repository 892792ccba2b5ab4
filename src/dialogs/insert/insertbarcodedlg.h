#pragma once

#include "dialogs/insert/barcodemarkup.h"
#include "frame/featuredialog.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"

class PropertyValuesCtrl;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class StaticPreview;

namespace XSLFO {
class RulerContext;
}

/// Inserts or edits a barcode. The user picks a symbology, enters a static or
/// data-bound value and sees the symbol drawn; a value is accepted exactly
/// when the renderer can draw it, and why it cannot is shown as it is typed.
/// After OK the host reads the km:barcode element and the edited value.
class UIEDITOR_EXPORT InsertBarcodeDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 10401;
    enum {
        IDC_VALUE = 10402,
        IDC_TYPES = 10403,
        IDC_PREVIEW = 10404,
        IDC_PREVIEW_BTN = 10405,
        IDC_DESCRIPTION = 10406,
        IDC_DRAW_TEXT = 10407,
        IDC_ROTATE_90 = 10408,
        IDC_ROTATE_180 = 10409,
        IDC_ROTATE_270 = 10410,
        IDC_ROTATE_0 = 10411,
        IDC_HEX_VALUE = 12813,
    };

    /// `ruler` describes where the barcode goes; it may be null and must
    /// outlive the dialog.
    InsertBarcodeDlg(PropertyValueEx value, SmartPtr<IDocumentInformation> info,
                     Core::String context, const XSLFO::RulerContext* ruler,
                     QWidget* parent = nullptr);
    ~InsertBarcodeDlg() override;

    /// Primes the dialog with an existing element's attributes: draw text as
    /// stored, the type keyword (any case; an unknown one means "128"), the
    /// rotation in degrees, and the value type ("hex" in any case).
    void setBarcodeData(Core::String drawText, Core::String type, Core::String rotation,
                        Core::String valueType);

    /// The km:barcode element for the confirmed settings.
    Core::String getFeatureXml();
    PropertyValueEx getPropertyValueEx() const { return m_value; }

    Core::String getDrawText() const { return m_drawText; }
    Core::String getTypeDisplayName() const { return m_typeDisplayName; }
    int getRotation() const { return m_rotation; }
    bool isHexValue() const { return m_hexValue; }
    /// Why the preview's value cannot be drawn, in the user's language; "" while it can.
    Core::String getRejectionReason() const;
    StaticPreview* preview() const { return m_preview; }

    static Xml::BarcodeType getBarcodeType(const Core::String& text);
    static Core::String getBarcodeDisplayType(const Core::String& keyword);
    static Core::String getDefaultValue(Xml::BarcodeType type);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

    /// Reads the controls and draws the value; false when it cannot be drawn.
    bool canRender();
    void OnBarcodeTypesListSelectedChange();
    void OnEnValueKillFocus();
    void OnBnClickedPreviewBtn();
    void updateRotation();
    void enableDrawTextCheck(Xml::BarcodeType type);
    void showHexTextCheck(Xml::BarcodeType type);

private:
    void buildControls();
    /// Draws `settings` and shows why not when it cannot be drawn.
    bool render(const BarcodeSettings& settings);
    /// Redraws what is being typed, without touching the stored value.
    void previewTypedValue();
    BarcodeSettings previewSettings(const PropertyValueEx& value) const;
    void repaintPreview();
    void rejectValue();
    void reportCannotRender();

    QComboBox* m_types = nullptr;
    PropertyValuesCtrl* m_valueCtrl = nullptr;
    StaticPreview* m_preview = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_description = nullptr;
    QCheckBox* m_drawTextCheck = nullptr;
    QCheckBox* m_hexCheck = nullptr;
    QButtonGroup* m_rotations = nullptr;

    Core::String m_drawText = "true";
    Core::String m_typeDisplayName = "128";
    int m_rotation = 0;
    bool m_hexValue = false;
    const XSLFO::RulerContext* m_ruler = nullptr;
    PropertyValueEx m_value;
    bool m_reporting = false;
};
