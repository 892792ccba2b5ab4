#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"

#include <memory>
#include <vector>

namespace Ui {
class PageMasterNameDlg;
}

/// "Page Layout Name": asks for the name of a new page layout, which must not
/// be one of the template's layout names (letter case and surrounding blanks
/// do not make a name new). OK waits for a name that is not blank.
class UIEDITOR_EXPORT PageMasterNameDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12515;

    PageMasterNameDlg(const Core::String& caption, QWidget* parent = nullptr);
    ~PageMasterNameDlg() override;

    /// The names a new layout must differ from. Call before running the dialog.
    void setAllMasterNames(std::vector<Core::String> names) { m_names = std::move(names); }
    /// The name shown when the dialog opens.
    void setMasterName(const Core::String& name) { m_name = name; }
    /// The name typed, without surrounding blanks, after OK.
    const Core::String& getMasterName() const { return m_name; }

protected:
    bool OnInitDialog() override;
    /// Refuses a name that is already taken, with message 63385.
    void OnOK() override;

private:
    std::unique_ptr<Ui::PageMasterNameDlg> m_ui;
    Core::String m_caption;
    Core::String m_name;
    std::vector<Core::String> m_names;
};
