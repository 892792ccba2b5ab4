#include "frame/dialogpage.h"

#include "frame/dialog.h"

#include <QVariant>

DialogPage::DialogPage(unsigned templateId, QWidget* parent)
    : QWidget(parent), m_templateId(templateId)
{
    setProperty("templateId", templateId);
}

DialogPage::~DialogPage() = default;

QWidget* DialogPage::control(int id) const
{
    return Dialog::findControl(this, id);
}
