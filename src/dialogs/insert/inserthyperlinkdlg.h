#pragma once

#include "frame/featuredialog.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/propertyvalueex.h"

#include <memory>

namespace Ui {
class InsertHyperlinkDlg;
}

/// Inserts or edits a link: a display text (plain, or a value from the
/// data) and an address that is fixed, taken from the data or chosen by
/// conditions. A display text made of more than one text or field cannot be
/// edited here; it stays as it was unless the user types a new one.
class UIEDITOR_EXPORT InsertHyperlinkDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 10101;
    enum { IDC_ADDRESS = 10102, IDC_TITLE = 10103 };

    /// A new link.
    explicit InsertHyperlinkDlg(SmartPtr<IDocumentInformation> info, QWidget* parent = nullptr);
    /// An existing link: its address value and the markup of its content.
    InsertHyperlinkDlg(SmartPtr<IDocumentInformation> info, QWidget* parent,
                       PropertyValueEx address, const Core::String& title);
    ~InsertHyperlinkDlg() override;

    /// Where the expressions of the two values are evaluated.
    void setContext(const Core::String& context);

    /// After OK: the fo:basic-link element.
    Core::String getFeatureXml() const;
    /// After OK: the address value, for the host to keep when it is not static.
    PropertyValueEx getHyperlinkProperty() const { return m_address; }
    bool isComplexTitle() const { return m_complexTitle; }

    static Core::String processAddress(const Core::String& address);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

    void processTitle();
    Core::String getXmlTitle() const;
    Core::String getXmlExternalReference() const;

private:
    std::unique_ptr<Ui::InsertHyperlinkDlg> m_ui;
    SmartPtr<IDocumentInformation> m_info;
    PropertyValueEx m_title;
    PropertyValueEx m_address;
    Core::String m_titleMarkup;
    bool m_complexTitle = false;
};
