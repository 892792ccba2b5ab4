#include "values/editpropertyvaluesdlg.h"

#include "frame/win32constants.h"
#include "ui_editpropertyvaluesdlg.h"
#include "values/editconditionalvaluesdlg.h"
#include "xml/model/samplexml.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

const Core::String kDefaultCondition = "<default value>";

} // namespace

EditPropertyValuesDlg::EditPropertyValuesDlg(const Core::String& propertyName,
                                             const PropertyValueEx& value,
                                             const AttributeData& attribute,
                                             const SmartPtr<IDocumentInformation>& document,
                                             const Core::String& context, bool conditionalAllowed,
                                             QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::EditPropertyValuesDlg>()),
      m_propertyName(propertyName), m_givenValue(value), m_value(value), m_attribute(attribute),
      m_document(document),
      m_context(context), m_conditionalAllowed(conditionalAllowed)
{
    m_ui->setupUi(this);
    m_ui->dynamicEdit->setKMBDocument(document);
    m_ui->dynamicEdit->setContext(context);
    for (QRadioButton* radio : {m_ui->staticRadio, m_ui->dynamicRadio, m_ui->conditionalRadio}) {
        connect(radio, &QRadioButton::clicked, this, [this] {
            saveFromControls();
            updateEnabling();
        });
    }
    connect(m_ui->editConditionsButton, &QPushButton::clicked, this,
            &EditPropertyValuesDlg::OnEditConditionsBtnClick);
}

EditPropertyValuesDlg::~EditPropertyValuesDlg() = default;

bool EditPropertyValuesDlg::OnInitDialog()
{
    FeatureDialog::OnInitDialog();
    m_value = m_givenValue;
    m_ui->valueEditor->createControlFor(m_attribute);
    loadToControls();
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_ui->nameLabel->setFont(bold);
    m_ui->nameLabel->setText(m_propertyName);
    saveFromControls();
    updateEnabling();
    return true;
}

bool EditPropertyValuesDlg::isSampleLoaded() const
{
    return bool(SampleXml::loadedSample(m_document));
}

void EditPropertyValuesDlg::loadToControls()
{
    m_ui->staticRadio->setChecked(m_value.isStatic());
    m_ui->dynamicRadio->setChecked(m_value.isDynamic());
    m_ui->conditionalRadio->setChecked(m_value.isConditional());
    m_ui->valueEditor->setText(m_value.getStaticValue());
    m_ui->dynamicEdit->setText(m_value.getDynamicValue());
}

void EditPropertyValuesDlg::saveFromControls()
{
    if (m_ui->dynamicRadio->isChecked()) {
        m_value.setType(PropertyValueType::Dynamic);
    } else if (m_ui->conditionalRadio->isChecked()) {
        m_value.setType(PropertyValueType::Conditional);
    } else {
        m_value.setType(PropertyValueType::Static);
    }
    m_value.setStaticValue(m_ui->valueEditor->text());
    m_value.setDynamicValue(m_ui->dynamicEdit->text());
}

void EditPropertyValuesDlg::updateEnabling()
{
    const bool sample = isSampleLoaded();
    m_ui->dynamicRadio->setEnabled(sample);
    m_ui->conditionalRadio->setEnabled(sample && m_conditionalAllowed);
    m_ui->valueEditor->setEnabled(m_value.isStatic());
    m_ui->dynamicEdit->setEnabled(m_value.isDynamic() && sample);
    m_ui->editConditionsButton->setEnabled(m_value.isConditional() && sample);
    m_ui->staticRadio->setChecked(m_value.isStatic());
    m_ui->dynamicRadio->setChecked(m_value.isDynamic());
    m_ui->conditionalRadio->setChecked(m_value.isConditional());
}

void EditPropertyValuesDlg::OnEditConditionsBtnClick()
{
    saveFromControls();
    std::vector<ConditionalValue> records = m_value.getConditionalValues();
    records.emplace_back(m_value.getStaticValue(), Core::String(), kDefaultCondition, false);
    EditConditionalValuesDlg dialog(m_propertyName, records, m_attribute, m_document, m_context,
                                    this);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    records = dialog.getConditionalValues();
    const auto isDefault = [](const ConditionalValue& record) {
        return record.getCondition() == kDefaultCondition;
    };
    const auto found = std::find_if(records.begin(), records.end(), isDefault);
    if (found != records.end()) {
        m_value.setStaticValue(found->getStaticValue());
        records.erase(found);
    }
    m_value.setConditionalValues(records);
    loadToControls();
    updateEnabling();
}

void EditPropertyValuesDlg::OnEditDynamicBtnClick()
{
    XPathEditDlg editor(m_document, m_value.getDynamicValue(), m_context, this);
    if (editor.DoModal() != Win32::IDOK) {
        return;
    }
    m_value.setDynamicValue(editor.getXPath(false));
    loadToControls();
    updateEnabling();
}

void EditPropertyValuesDlg::OnOK()
{
    saveFromControls();
    m_givenValue = m_value;
    FeatureDialog::OnOK();
}
