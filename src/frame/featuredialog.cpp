#include "frame/featuredialog.h"

#include "frame/win32constants.h"

FeatureDialog::FeatureDialog(unsigned templateId, QWidget* parent) : Dialog(templateId, parent) {}

FeatureDialog::~FeatureDialog() = default;

void FeatureDialog::setProperties(PropertyCollection properties)
{
    m_properties = std::move(properties);
}

PropertyCollection FeatureDialog::getProperties() const
{
    return m_properties;
}

void FeatureDialog::setProtection(bool protection)
{
    m_protection = protection;
}

bool FeatureDialog::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    // Each run follows the protection set for it, whatever an earlier run left.
    if (QWidget* ok = control(Win32::IDOK)) {
        ok->setEnabled(!m_protection);
    }
    return result;
}

void FeatureDialog::accept()
{
    if (!m_protection) {
        Dialog::accept();
    }
}
