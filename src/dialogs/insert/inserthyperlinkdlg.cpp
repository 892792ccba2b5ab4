#include "dialogs/insert/inserthyperlinkdlg.h"

#include "dialogs/insert/hyperlinkmarkup.h"
#include "outside/types/objectid.h"
#include "values/propertyvaluesctrl.h"

#include "ui_inserthyperlinkdlg.h"

namespace {

const char* const AddressAttribute = "external-destination";

} // namespace

InsertHyperlinkDlg::InsertHyperlinkDlg(SmartPtr<IDocumentInformation> info, QWidget* parent)
    : InsertHyperlinkDlg(std::move(info), parent,
                         PropertyValueEx(AddressAttribute, ObjectId::generate()), Core::String())
{
}

InsertHyperlinkDlg::InsertHyperlinkDlg(SmartPtr<IDocumentInformation> info, QWidget* parent,
                                       PropertyValueEx address, const Core::String& title)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::InsertHyperlinkDlg>()),
      m_info(std::move(info)), m_title("title", address.getObjectId()),
      m_address(std::move(address)), m_titleMarkup(title)
{
    m_ui->setupUi(this);
    for (PropertyValuesCtrl* field : {m_ui->titleEdit, m_ui->addressEdit}) {
        field->setDocumentInformation(m_info);
    }
}

InsertHyperlinkDlg::~InsertHyperlinkDlg() = default;

void InsertHyperlinkDlg::setContext(const Core::String& context)
{
    m_ui->titleEdit->setContext(context);
    m_ui->addressEdit->setContext(context);
}

Core::String InsertHyperlinkDlg::processAddress(const Core::String& address)
{
    return HyperlinkMarkup::processAddress(address);
}

bool InsertHyperlinkDlg::OnInitDialog()
{
    FeatureDialog::OnInitDialog();
    processTitle();
    if (m_address.isStatic()) {
        m_address.setStaticValue(processAddress(m_address.getStaticValue()));
    }
    m_ui->titleEdit->setPropertyValueEx(m_title);
    m_ui->titleEdit->showCueBanner(m_complexTitle,
                                   m_complexTitle ? Core::String(tr("Complex title!"))
                                                  : Core::String());
    m_ui->addressEdit->setPropertyValueEx(m_address);
    return true;
}

void InsertHyperlinkDlg::processTitle()
{
    const HyperlinkMarkup::Title title = HyperlinkMarkup::classifyTitle(m_titleMarkup);
    m_complexTitle = title.kind == HyperlinkMarkup::Title::Kind::Complex;
    if (title.kind == HyperlinkMarkup::Title::Kind::Field) {
        m_title.setType(PropertyValueType::Dynamic);
        m_title.setDynamicValue(title.text);
    } else {
        m_title.setType(PropertyValueType::Static);
        m_title.setStaticValue(title.text);
    }
}

void InsertHyperlinkDlg::OnOK()
{
    m_title = m_ui->titleEdit->getPropertyValueEx();
    // Typing over the hint, or a value from the values dialog, replaces the complex title.
    m_complexTitle = m_complexTitle && m_ui->titleEdit->isCueBannerShown();
    m_address = m_ui->addressEdit->getPropertyValueEx();
    // A wrapped or quoted address typed or pasted in is kept bare; an emptied one stays empty.
    if (m_address.isStatic() && !m_address.getStaticValue().isEmpty()) {
        m_address.setStaticValue(processAddress(m_address.getStaticValue()));
    }
    EndDialog(Accepted);
}

Core::String InsertHyperlinkDlg::getXmlTitle() const
{
    return m_complexTitle ? m_titleMarkup : HyperlinkMarkup::titlePart(m_title);
}

Core::String InsertHyperlinkDlg::getXmlExternalReference() const
{
    return HyperlinkMarkup::referencePart(m_address);
}

Core::String InsertHyperlinkDlg::getFeatureXml() const
{
    return HyperlinkMarkup::element(getXmlExternalReference(), getXmlTitle());
}
