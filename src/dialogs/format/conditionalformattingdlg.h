#pragma once

#include "frame/featuredialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/kmbattribute.h"

#include <memory>
#include <vector>

class QTableWidgetItem;

namespace Ui {
class ConditionalFormattingDlg;
}

/// Lists and edits the formatting conditions of the selected object. The
/// host keeps the conditions of the whole template in one vector, tied to
/// their objects by "fo:id"; OK rewrites that vector in place: the object's
/// records go to its end, in list order, and every other record stays as
/// and where it was. Cancel leaves it alone.
class UIEDITOR_EXPORT ConditionalFormattingDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11901;
    enum { IDC_ADD = 11902, IDC_CONDITIONS = 11903, IDC_REMOVE = 11904, IDC_EDIT = 11905, IDC_TARGET = 11906 };

    ConditionalFormattingDlg(const SmartPtr<IDocumentInformation>& document, std::vector<KMBAttribute>* conditions,
                             const Core::String& context, QWidget* parent = nullptr);
    ~ConditionalFormattingDlg() override;

    /// The object's "fo:id"; after OK a new one when the object had none,
    /// which the host then writes on the object.
    Core::String getObjectID() const { return m_objectId; }
    /// The object's path, as the document information gave it.
    Core::String getObjectPath() const { return m_objectPath; }

    void OnAddCondition();
    void OnEditCondition();
    void OnRemoveCondition();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshList();
    void editRow(int row);
    int selectedRow() const;
    void updateButtons();

    std::unique_ptr<Ui::ConditionalFormattingDlg> m_ui;
    SmartPtr<IDocumentInformation> m_document;
    std::vector<KMBAttribute>* m_conditions;
    Core::String m_context;
    std::vector<KMBAttribute> m_records; ///< this object's, as the list shows them
    std::vector<Core::String> m_names;    ///< local names, parallel to the rows
    std::vector<Core::String> m_prefixes; ///< and their prefixes
    SmartPtr<XSLFO::DTObjectInfo> m_info;
    Core::String m_objectId;
    Core::String m_objectPath;
};
