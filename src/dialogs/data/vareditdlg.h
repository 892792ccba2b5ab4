#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"

#include <memory>

namespace Ui {
class VarEditDlg;
}

/// Asks for one parameter of a template: its name and its default value.
/// Neither is checked: the list of parameters is judged as a whole by its owner.
class UIEDITOR_EXPORT VarEditDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11601;
    enum { IDC_NAME = 11602, IDC_DEFAULT_VALUE = 11603 };

    VarEditDlg(const Core::String& name, const Core::String& value, QWidget* parent = nullptr);
    ~VarEditDlg() override;

    /// The texts confirmed with OK; those given until then.
    Core::String getName() const { return m_name; }
    Core::String getValue() const { return m_value; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::unique_ptr<Ui::VarEditDlg> m_ui;
    Core::String m_name;
    Core::String m_value;
};
