#pragma once

#include "controls/fieldbuttonedit.h"
#include "frame/dataexchange.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/propertyvalueex.h"
#include "uieditor_export.h"
#include "xml/model/attributedata.h"

/// The field for one property value. A static value is typed in place; a
/// dynamic or conditional value shows a grey placeholder and can only be
/// changed through the property values dialog, which the "..." button at the
/// right opens. The button works only with a document whose sample data are
/// loaded, and only when the owner allows the dialog.
class UIEDITOR_EXPORT PropertyValuesCtrl : public FieldButtonEdit
{
    Q_OBJECT

public:
    /// For forms that promote an edit to this control; set the rest later.
    explicit PropertyValuesCtrl(QWidget* parent = nullptr);
    PropertyValuesCtrl(const SmartPtr<IDocumentInformation>& document, const Core::String& context,
                       bool passThrough, bool dialogAllowed, QWidget* parent = nullptr);
    PropertyValuesCtrl(const PropertyValueEx& value, const SmartPtr<IDocumentInformation>& document,
                       const Core::String& context, bool passThrough, bool dialogAllowed,
                       QWidget* parent = nullptr);
    PropertyValuesCtrl(const PropertyValueEx& value, const Core::String& propertyName,
                       const AttributeData& attribute,
                       const SmartPtr<IDocumentInformation>& document, const Core::String& context,
                       bool passThrough, bool dialogAllowed, QWidget* parent = nullptr);
    ~PropertyValuesCtrl() override;

    /// For dialogs that build the field at run time: places it in `parent`
    /// over `rect`, empty and visible. Answers success.
    bool Create(const QRect& rect, QWidget* parent);

    /// Takes the value: a static value's text becomes the field's text, any
    /// other kind shows its placeholder.
    void setPropertyValueEx(const PropertyValueEx& value);
    /// The value, with a static value's text taken from the field first.
    PropertyValueEx getPropertyValueEx();
    void setData(const PropertyValueEx& value, const Core::String& propertyName,
                 const AttributeData& attribute);

    void setContext(const Core::String& context) { m_context = context; }
    Core::String getContext() const { return m_context; }
    void setDocumentInformation(const SmartPtr<IDocumentInformation>& document);
    void setDialogAllowed(bool allowed);

    /// Shows `text` in grey in place of the value (or stops showing it).
    void showCueBanner(bool show, const Core::String& text = Core::String());
    bool isCueBannerShown() const { return m_cueBannerShown; }

    /// What the field shows in grey instead of its text; empty when it shows its text.
    Core::String placeholderText() const;
    /// Whether the "..." button can be pressed: a document with sample data,
    /// and the dialog allowed.
    bool isDialogButtonEnabled() const;
    QRect dialogButtonRect() const;

    /// Opens the property values dialog on the value (what the button does).
    void OnPropertyValueDialog();

Q_SIGNALS:
    /// The value was replaced through the property values dialog.
    void propertyValueChanged(PropertyValuesCtrl* control);
    /// The "..." button was pressed; the dialog opens right after.
    void propertyValueDialogRequested(PropertyValuesCtrl* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintFieldButton(QPainter& painter, const QRect& rect) override;
    void buttonAreaPressed(const QPoint& pos) override;
    void openKeyPressed() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool showsPlaceholder() const;
    void storeStaticText();
    void updateLook();

    PropertyValueEx m_value;
    Core::String m_propertyName;
    AttributeData m_attribute;
    SmartPtr<IDocumentInformation> m_document;
    Core::String m_context;
    bool m_passThrough = false;
    bool m_dialogAllowed = true;
    bool m_cueBannerShown = false;
    Core::String m_cueBanner;
};

/// Loading shows `value` in `control`; saving reads it back.
UIEDITOR_EXPORT void DDX_Value(const DataExchange& dx, PropertyValueEx& value,
                               PropertyValuesCtrl& control);
