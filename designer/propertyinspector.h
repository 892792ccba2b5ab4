#pragma once

#include "templatedocument.h"

#include <QWidget>

class PropertyValuesCtrl;
class QComboBox;
class QFormLayout;
class QLabel;
class QMenu;

/// The properties of the selected object, one value field each: a value is
/// typed in place, or made dynamic or conditional through the field's
/// "..." button. Properties the object accepts but does not carry yet are
/// offered in a list above the fields.
class PropertyInspector : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyInspector(QWidget* parent = nullptr);
    ~PropertyInspector() override;

    /// Shows the properties of `element` of `document` (nothing when either is null).
    void showObject(const SmartPtr<TemplateDocument>& document, const Xml::Element& element);
    /// The field of attribute `name`, null when it is not shown.
    PropertyValuesCtrl* field(const QString& name) const;
    /// The list of properties that can be added.
    QComboBox* addList() const { return m_addList; }
    /// The context menu of `field`: the field's own entries and "Remove
    /// Property". The caller owns it.
    QMenu* createContextMenu(PropertyValuesCtrl* field);

Q_SIGNALS:
    /// A value was written into the template.
    void templateChanged();

private:
    void rebuild();
    PropertyValuesCtrl* addField(const Core::String& name);
    void apply(PropertyValuesCtrl* field);
    void remove(const QString& name);
    void onAddChosen(int index);

    SmartPtr<TemplateDocument> m_document;
    Xml::Element m_element;
    QLabel* m_title;
    QComboBox* m_addList;
    QFormLayout* m_form;
};
