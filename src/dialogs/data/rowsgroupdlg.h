#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"

#include <memory>

namespace Ui {
class RowsGroupDlg;
}

/// Edits how repeated table rows are grouped: the nodes that form a group
/// (the group context), the expression the rows of a group share, and
/// whether a group's content merges into its first row. The group-by
/// expression is built relative to the group context, so it can only be
/// entered once a context is.
class UIEDITOR_EXPORT RowsGroupDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12812;
    enum { IDC_MERGE = 12808, IDC_GROUP_BY = 12809, IDC_GROUP_CONTEXT = 12811 };

    RowsGroupDlg(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                 QWidget* parent = nullptr);
    ~RowsGroupDlg() override;

    /// The three values the dialog opens with.
    void setProperties(const Core::String& groupContext, const Core::String& groupBy, bool merge);
    /// The values confirmed with OK; those set before until then.
    Core::String getGroupContextXpath() const { return m_groupContext; }
    Core::String getGroupByXPath() const { return m_groupBy; }
    bool isMergedContent() const { return m_merge; }

    /// The context the group-by expression is built in, for a group context
    /// `groupContext` entered in `context`: the composed path, cut before its
    /// first attribute step, without trailing "/" (unless it is the root).
    static Core::String groupByContext(const Core::String& context, const Core::String& groupContext);

protected:
    bool OnInitDialog() override;
    /// Refuses an empty group context, then an empty group-by expression.
    void OnOK() override;

private:
    void updateGroupByContext();

    std::unique_ptr<Ui::RowsGroupDlg> m_ui;
    Core::String m_groupContext;
    Core::String m_groupBy;
    bool m_merge = false;
};
