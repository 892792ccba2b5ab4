#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/kmbattribute.h"
#include "outside/xslfo/xslfoproperty.h"
#include "xml/model/attributedata.h"

#include <memory>

class QStringListModel;

namespace Ui {
class FormatConditionDlg;
}

/// Edits one formatting condition of a template object: which property,
/// the value it takes (typed, picked, or an XPath on the data) and the
/// XPath under which it takes it. The properties offered are those the
/// object accepts, grouped under headings that cannot be chosen.
class UIEDITOR_EXPORT FormatConditionDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12001;
    enum { IDC_PROPERTY = 12002, IDC_VALUE = 12004, IDC_CONDITION = 12005, IDC_TARGET = 12006 };

    /// `targetName` names the object whose properties are offered; empty for
    /// the selected object. `dynamicAllowed` lets the value be given as an
    /// XPath through the property values dialog; `editing` says an existing
    /// condition is changed, so its property is chosen from the start.
    FormatConditionDlg(const SmartPtr<IDocumentInformation>& document, const Core::String& targetName,
                       const Core::String& context, bool dynamicAllowed, QWidget* parent = nullptr,
                       bool editing = false);
    ~FormatConditionDlg() override;

    /// Presets a property (local name), a static value and a condition. Call before running.
    void setDefaultValues(const Core::String& name, const Core::String& value, const Core::String& condition);
    /// Presets a property (local name and prefix) and the record's value,
    /// its dynamic value when only that is set, and its condition.
    void setDefaultValues(const Core::String& name, const Core::String& prefix, const KMBAttribute& record);

    /// The condition confirmed with OK: the attribute as prefix, ":" and
    /// name, no namespace prefix, the value or the dynamic value, the condition.
    /// The record's object id is left as it was.
    void getValues(KMBAttribute& record) const;
    void getValues(Core::String& attributeName, Core::String& nsPrefix, Core::String& value,
                   Core::String& dynamicValue, Core::String& condition) const;

    /// The name the property lists show for `property`: its display name,
    /// with the side put before it for the border properties of one side.
    static QString displayNameOf(const XSLFO::Property& property);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillProperties();
    void OnPropertySelectionChaged(int row);
    void updatePropertyInfo();
    void readChosenProperty();
    void selectProperty(const Core::String& name, const Core::String& prefix);
    void saveFromControls();

    std::unique_ptr<Ui::FormatConditionDlg> m_ui;
    SmartPtr<IDocumentInformation> m_document;
    Core::String m_targetName;
    Core::String m_context;
    bool m_dynamicAllowed;
    bool m_editing;
    Core::String m_name;
    Core::String m_displayName;
    Core::String m_prefix;
    Core::String m_value;
    bool m_dynamic = false;
    Core::String m_condition;
    AttributeData m_attribute;
    QStringListModel* m_allowedValues = nullptr;
    int m_lastRow = -1; // where the choice came from, to skip headings in its direction
};
