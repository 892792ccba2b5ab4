#pragma once

#include "frame/dialog.h"
#include "outside/types/referenceinfo.h"

#include <memory>
#include <vector>

namespace Ui {
class AddPageTypeDlg;
}
class QAbstractButton;

/// Chooses one page layout for a page set and when it is used: on all
/// pages, once, a number of times (or without limit), or on the pages that
/// meet a condition.
class UIEDITOR_EXPORT AddPageTypeDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12521;
    enum {
        IDC_MAXIMUM_REPEATS = 12525,
        IDC_MAXIMUM_REPEATS_LABEL = 12526,
        IDC_CONDITION_LABEL = 12528,
        IDC_LAYOUT_LIST = 12529,
        IDC_CONDITION = 11102
    };

    explicit AddPageTypeDlg(QWidget* parent = nullptr);
    /// Opens on a copy of `reference`.
    explicit AddPageTypeDlg(const ReferenceInfo& reference, QWidget* parent = nullptr);
    ~AddPageTypeDlg() override;

    /// The layouts to choose from; the caller gives at least one.
    void setAvailMasters(const std::vector<Core::String>& names);
    /// The reference as chosen; after OK, the result.
    const ReferenceInfo& getReference() const { return m_reference; }

protected:
    bool OnInitDialog() override;
    /// Refuses a reference without layout, and a maximum below 1.
    void OnOK() override;

private:
    void OnTypeRadio(int type);
    void OnConditionSelected(int index);
    void OnMaximumSelected(int index);
    void OnMaximumEdited(const QString& text);
    void OnLayoutSelected();
    void updateInterface();
    QAbstractButton* radioOf(int type) const;

    std::unique_ptr<Ui::AddPageTypeDlg> m_ui;
    ReferenceInfo m_reference;
    std::vector<Core::String> m_masters;
    bool m_loading = false;
};
