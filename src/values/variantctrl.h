#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "uieditor_export.h"
#include "xml/model/attributedata.h"

#include <QWidget>

class ColorCtrl;
class PropertyValuesCtrl;
class QComboBox;
class QLineEdit;

/// A placeholder that becomes the editor a property's static value needs: a
/// colour field, a drop-down of the allowed values that still takes free
/// text, a plain edit, or a property-value field. The owner picks the editor
/// once, from the attribute's description, and reads and writes the hosted
/// control's text.
class UIEDITOR_EXPORT VariantCtrl : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { None, Edit, DropDown, Color, PropertyValue };

    explicit VariantCtrl(QWidget* parent = nullptr);
    ~VariantCtrl() override;

    QLineEdit* createEditControl();
    /// An editable drop-down filled with the allowed values, in order.
    QComboBox* createComboControl(const AttributeData& attribute);
    ColorCtrl* createColorControl();
    PropertyValuesCtrl* createPropertyValuesControl(const SmartPtr<IDocumentInformation>& document,
                                                    const Core::String& context);
    /// The editor the property dialogs choose: colour when the attribute is
    /// a colour, a drop-down when it lists values, an edit otherwise.
    QWidget* createControlFor(const AttributeData& attribute);

    /// On a property-value field, a static (or, with `dynamic`, a dynamic)
    /// value; on any other editor, its text.
    void setValue(const Core::String& text, bool dynamic);
    /// The reverse; a conditional value leaves both outputs untouched.
    void getValue(Core::String& text, bool& dynamic) const;

    bool isCreated() const { return m_control != nullptr; }
    QWidget* getControl() const { return m_control; }
    Kind kind() const { return m_kind; }

    /// The hosted editor's text ("" when none is hosted).
    Core::String text() const;
    void setText(const Core::String& text);

Q_SIGNALS:
    /// The text of an edit (or of a property-value field) changed.
    void textEdited(VariantCtrl* control);
    /// An edit (or a property-value field) lost the focus.
    void editingFinished(VariantCtrl* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void host(QWidget* control, Kind kind);

    Kind m_kind = Kind::None;
    QWidget* m_control = nullptr;
};
