#include "dialogs/format/borderspage.h"

#include "controls/colorctrl.h"
#include "controls/lengthorpercentctrl.h"

#include "ui_borderspage.h"

#include <QScopedValueRollback>

namespace {

using Data = BordersAndBackgroundData;

// The list order: the names as the user knows them, each carrying its index in
// the record's style table.
constexpr std::pair<unsigned, const char*> StyleEntries[] = {
    {63050, "none"},   {63051, "hidden"}, {63052, "dotted"}, {63053, "dashed"}, {63054, "solid"},
    {63055, "double"}, {63056, "groove"}, {63057, "ridge"},  {63058, "inset"},  {63059, "outset"}};

constexpr Data::Side OtherSides[] = {Data::Right, Data::Bottom, Data::Left};

int selectedStyle(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

} // namespace

BordersPage::BordersPage(BordersAndBackgroundData& record, QWidget* parent)
    : DialogPage(TemplateId, parent), m_ui(std::make_unique<Ui::BordersPage>()), m_data(record)
{
    m_ui->setupUi(this);
    m_styles = {m_ui->leftStyleCombo, m_ui->topStyleCombo, m_ui->rightStyleCombo,
                m_ui->bottomStyleCombo};
    m_widths = {m_ui->leftWidthField, m_ui->topWidthField, m_ui->rightWidthField,
                m_ui->bottomWidthField};
    m_colors = {m_ui->leftColorEdit, m_ui->topColorEdit, m_ui->rightColorEdit,
                m_ui->bottomColorEdit};

    for (QComboBox* combo : m_styles) {
        for (const auto& [textId, name] : StyleEntries) {
            combo->addItem(Core::String::formatS(textId), Data::getStyleIdx(name));
        }
        combo->setCurrentIndex(-1);
        connect(combo, &QComboBox::activated, this, &BordersPage::OnStyleChanged);
    }
    connect(m_ui->sameStyleCheck, &QCheckBox::clicked, this, &BordersPage::OnStyleChanged);

    for (LengthOrPercentCtrl* field : m_widths) {
        connect(field, &LengthOrPercentCtrl::lengthOrPercentModified, this,
                [this] { OnWidthChanged(false); });
    }
    connect(m_ui->sameWidthCheck, &QCheckBox::clicked, this, [this] { OnWidthChanged(true); });

    for (int side = 0; side < Data::SideCount; ++side) {
        connect(m_colors[side], &QLineEdit::textChanged, this,
                [this, side] { OnColorChanged(Side(side), false); });
    }
    connect(m_ui->sameColorCheck, &QCheckBox::clicked, this,
            [this] { OnColorChanged(Data::Top, true); });
}

BordersPage::~BordersPage() = default;

void BordersPage::showRecord()
{
    QScopedValueRollback showing(m_showing, true);
    for (int side = 0; side < Data::SideCount; ++side) {
        const int style = m_data.getStyle(Side(side));
        m_styles[side]->setCurrentIndex(style < 0 ? -1 : m_styles[side]->findData(style));
        m_colors[side]->setText(m_data.getColor(Side(side)));
        m_widths[side]->setAssignedLengthOrPercent(
            Xml::LengthOrPercent(m_data.getWidth(Side(side))), false, false);
    }
}

void BordersPage::OnStyleChanged()
{
    if (m_showing) {
        return;
    }
    const bool same = m_ui->sameStyleCheck->isChecked();
    QComboBox* top = m_styles[Data::Top];
    for (Side side : OtherSides) {
        m_styles[side]->setEnabled(!same);
        if (same) {
            m_styles[side]->setCurrentIndex(top->currentIndex());
        }
    }
    for (int side = 0; side < Data::SideCount; ++side) {
        m_data.setStyle(Side(side), selectedStyle(same ? top : m_styles[side]));
    }
    // A border needs a width to show; one picked for a side of width 0 gets 1px.
    for (int side = 0; side < Data::SideCount; ++side) {
        if (same && side != Data::Top) {
            continue;
        }
        LengthOrPercentCtrl* width = m_widths[side];
        if (m_data.getStyle(Side(side)) > 0 && width->getValue().getLength().getSize() == 0.0) {
            width->setAssignedLengthOrPercent(
                Xml::LengthOrPercent(Xml::Length(1.0, Xml::Length::Px)), true, false);
        }
    }
    Q_EMIT recordChanged();
}

void BordersPage::OnWidthChanged(bool clicked)
{
    if (m_showing) {
        return;
    }
    const bool same = m_ui->sameWidthCheck->isChecked();
    const LengthOrPercentCtrl* top = m_widths[Data::Top];
    {
        QScopedValueRollback showing(m_showing, true);
        for (Side side : OtherSides) {
            m_widths[side]->EnableWindow(!same);
            if (same) {
                m_widths[side]->setAssignedLengthOrPercent(top->getValue(), false, false);
            }
        }
    }
    for (int side = 0; side < Data::SideCount; ++side) {
        m_data.setWidth(Side(side),
                        Xml::BorderWidth((same ? top : m_widths[side])->getValue().getLength()));
    }
    if (clicked) {
        update();
    }
    Q_EMIT recordChanged();
}

void BordersPage::OnColorChanged(Side source, bool clicked)
{
    if (m_showing) {
        return;
    }
    const bool same = m_ui->sameColorCheck->isChecked();
    const ColorCtrl* top = m_colors[Data::Top];
    {
        QScopedValueRollback showing(m_showing, true);
        for (Side side : OtherSides) {
            m_colors[side]->setEnabled(!same);
            if (same && (clicked || source == Data::Top)) {
                m_colors[side]->setText(top->text());
            }
        }
    }
    for (int side = 0; side < Data::SideCount; ++side) {
        m_data.setColor(Side(side), (same ? top : m_colors[side])->text());
    }
    Q_EMIT recordChanged();
}
