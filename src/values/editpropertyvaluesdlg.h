#pragma once

#include "frame/featuredialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/propertyvalueex.h"
#include "xml/model/attributedata.h"

#include <memory>

namespace Ui {
class EditPropertyValuesDlg;
}

/// Chooses the kind of a property's value and edits it: a static text in
/// the editor the property needs, a dynamic value as an XPath on the input
/// XML, or conditional values. Dynamic and conditional values need loaded
/// sample data; conditional ones also need the caller's permission.
class UIEDITOR_EXPORT EditPropertyValuesDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12201;

    EditPropertyValuesDlg(const Core::String& propertyName, const PropertyValueEx& value,
                          const AttributeData& attribute,
                          const SmartPtr<IDocumentInformation>& document,
                          const Core::String& context, bool conditionalAllowed,
                          QWidget* parent = nullptr);
    ~EditPropertyValuesDlg() override;

    /// The edited value, after OK.
    PropertyValueEx getPropertyValueEx() const { return m_value; }

    /// Edits the conditions (the "Edit Conditions..." button).
    void OnEditConditionsBtnClick();
    /// Edits the dynamic value in the XPath editor.
    void OnEditDynamicBtnClick();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void loadToControls();
    void saveFromControls();
    void updateEnabling();
    bool isSampleLoaded() const;

    std::unique_ptr<Ui::EditPropertyValuesDlg> m_ui;
    Core::String m_propertyName;
    PropertyValueEx m_givenValue; ///< what each run starts from
    PropertyValueEx m_value;
    AttributeData m_attribute;
    SmartPtr<IDocumentInformation> m_document;
    Core::String m_context;
    bool m_conditionalAllowed;
};
