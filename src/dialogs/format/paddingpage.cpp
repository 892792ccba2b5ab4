#include "dialogs/format/paddingpage.h"

#include "controls/lengthorpercentctrl.h"

#include "ui_paddingpage.h"

PaddingPage::PaddingPage(BordersAndBackgroundData& record, QWidget* parent)
    : DialogPage(TemplateId, parent), m_ui(std::make_unique<Ui::PaddingPage>()), m_data(record)
{
    m_ui->setupUi(this);
    m_fields = {m_ui->leftField, m_ui->topField, m_ui->rightField, m_ui->bottomField};
    for (int side = 0; side < BordersAndBackgroundData::SideCount; ++side) {
        connect(m_fields[side], &LengthOrPercentCtrl::lengthOrPercentModified, this,
                [this, side](LengthOrPercentCtrl*, const Xml::LengthOrPercent& value) {
                    m_data.setPadding(BordersAndBackgroundData::Side(side), value);
                    Q_EMIT recordChanged();
                });
    }
}

PaddingPage::~PaddingPage() = default;

void PaddingPage::showRecord()
{
    for (int side = 0; side < BordersAndBackgroundData::SideCount; ++side) {
        m_fields[side]->setAssignedLengthOrPercent(
            m_data.getPadding(BordersAndBackgroundData::Side(side)), false, false);
    }
}
