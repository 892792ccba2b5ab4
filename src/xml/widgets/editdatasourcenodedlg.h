#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"

#include <memory>

namespace Ui {
class EditDatasourceNodeDlg;
}

/// The small dialog with which the XML tree's edit commands ask for the name
/// and value of a node. The caption and the group label follow the dialog
/// type; boxes the caller disables are shown but not editable.
class UIEDITOR_EXPORT EditDatasourceNodeDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 2089;
    enum {
        IDC_NODE_GROUP = 2090,
        IDC_NAME_LABEL = 2091,
        IDC_NAME = 2092,
        IDC_VALUE_LABEL = 2093,
        IDC_VALUE = 2094
    };

    // Any other number keeps the template's texts, so the type holds every int.
    enum DialogType : int {
        EditElement = 0,
        EditAttribute = 1,
        InsertElement = 2,
        InsertAttribute = 3
    };

    EditDatasourceNodeDlg(DialogType dialogType, const Core::String& name,
                          const Core::String& value, bool nameEnabled, bool valueEnabled,
                          QWidget* parent = nullptr);
    ~EditDatasourceNodeDlg() override;

    /// The texts confirmed with OK; the initial ones until then.
    Core::String getName() const { return m_name; }
    Core::String getValue() const { return m_value; }

    /// A name the sample may take: not empty, not starting with a digit, and
    /// only ASCII letters, digits, "_" and "-" (no prefix, no dot).
    static bool isValidName(const Core::String& name);

protected:
    bool OnInitDialog() override;
    /// Refuses an invalid name while the name box is enabled, with a warning.
    void OnOK() override;

private:
    std::unique_ptr<Ui::EditDatasourceNodeDlg> m_ui;
    DialogType m_dialogType;
    Core::String m_name;
    Core::String m_value;
    bool m_nameEnabled;
    bool m_valueEnabled;
};
