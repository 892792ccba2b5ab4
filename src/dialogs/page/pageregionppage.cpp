#include "dialogs/page/pageregionppage.h"

#include "controls/lengthorpercentctrl.h"
#include "controls/spinbuttonctrl.h"
#include "css/gradientshelper.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "dialogs/page/pagelayoutdlg.h"
#include "frame/win32constants.h"

#include "ui_pageregionppage.h"

#include <QIntValidator>
#include <QScopedValueRollback>

namespace {

constexpr unsigned RegionItems[PageLayoutData::RegionCount] = {63178, 63179, 63180, 63181, 63182};
constexpr unsigned OrientationItems[RegionData::OrientationCount] = {63183, 63184, 63185, 63186};
constexpr unsigned AlignmentItems[RegionData::AlignmentCount] = {63296, 63297, 63298};

// The borders dialog's record orders the sides left, top, right, bottom.
BordersAndBackgroundData::Side bordersSide(int side)
{
    switch (RegionData::Side(side)) {
    case RegionData::Left:
        return BordersAndBackgroundData::Left;
    case RegionData::Right:
        return BordersAndBackgroundData::Right;
    case RegionData::Top:
        return BordersAndBackgroundData::Top;
    case RegionData::Bottom:
        break;
    }
    return BordersAndBackgroundData::Bottom;
}

} // namespace

PageRegionPPage::PageRegionPPage(PageLayoutData& record, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::PageRegionPPage>()), m_data(record)
{
    m_ui->setupUi(this);
    m_paddings = {m_ui->paddingLeftField, m_ui->paddingRightField, m_ui->paddingTopField,
                  m_ui->paddingBottomField};
    m_margins = {m_ui->marginLeftField, m_ui->marginRightField, m_ui->marginTopField,
                 m_ui->marginBottomField};
    m_ui->columnCountEdit->setValidator(new QIntValidator(1, 999, m_ui->columnCountEdit));

    for (LengthOrPercentCtrl* field :
         {m_ui->paddingLeftField, m_ui->paddingRightField, m_ui->paddingTopField,
          m_ui->paddingBottomField, m_ui->marginLeftField, m_ui->marginRightField,
          m_ui->marginTopField, m_ui->marginBottomField, m_ui->extentField, m_ui->columnGapField}) {
        connect(field, &LengthOrPercentCtrl::lengthOrPercentModified, this,
                &PageRegionPPage::OnLengthOrPercentModified);
    }
    connect(m_ui->regionCombo, &QComboBox::currentIndexChanged, this,
            &PageRegionPPage::OnRegionChanged);
    connect(m_ui->orientationCombo, &QComboBox::currentIndexChanged, this,
            &PageRegionPPage::readPage);
    connect(m_ui->alignmentCombo, &QComboBox::currentIndexChanged, this,
            &PageRegionPPage::readPage);
    connect(m_ui->visibleCheck, &QCheckBox::toggled, this, &PageRegionPPage::readPage);
    connect(m_ui->precedenceCheck, &QCheckBox::toggled, this, &PageRegionPPage::OnCheckPrecedence);
    connect(m_ui->columnCountEdit, &QLineEdit::textEdited, this,
            &PageRegionPPage::OnChangeColumnCount);
    connect(m_ui->columnCountSpin, &SpinButtonCtrl::deltaPos, this,
            &PageRegionPPage::OnColumnCountSpin);
    connect(m_ui->bordersButton, &QPushButton::clicked, this,
            &PageRegionPPage::formatRegionBordersAndBackGround);
}

PageRegionPPage::~PageRegionPPage() = default;

PageLayoutDlg* PageRegionPPage::getParent() const
{
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* dialog = qobject_cast<PageLayoutDlg*>(up)) {
            return dialog;
        }
    }
    return nullptr;
}

void PageRegionPPage::OnInitDialog()
{
    {
        const QScopedValueRollback showing(m_showing, true);
        m_ui->regionCombo->clear();
        for (unsigned id : RegionItems) {
            m_ui->regionCombo->addItem(Core::String::formatS(id).toQString());
        }
        m_ui->regionCombo->setCurrentIndex(0);
        m_ui->orientationCombo->clear();
        for (unsigned id : OrientationItems) {
            m_ui->orientationCombo->addItem(Core::String::formatS(id).toQString());
        }
        m_ui->alignmentCombo->clear();
        for (unsigned id : AlignmentItems) {
            m_ui->alignmentCombo->addItem(Core::String::formatS(id).toQString());
        }
    }
    OnRegionChanged();
}

int PageRegionPPage::getSelectedRegion() const
{
    return std::max(0, m_ui->regionCombo->currentIndex());
}

void PageRegionPPage::exchange(const DataExchange& dx)
{
    const QScopedValueRollback showing(m_showing, true);
    RegionData& region = m_data.getRegion(getSelectedRegion());
    for (int side = 0; side < RegionData::SideCount; ++side) {
        Xml::LengthOrPercent padding = region.getPadding(RegionData::Side(side));
        m_paddings[std::size_t(side)]->DDX_Value(dx, padding);
        Xml::LengthOrPercent margin = region.getMargin(RegionData::Side(side));
        m_margins[std::size_t(side)]->DDX_Value(dx, margin);
        if (dx.isSaving()) {
            region.setPadding(RegionData::Side(side), padding);
            region.setMargin(RegionData::Side(side), margin);
        }
    }
    Xml::Length extent = region.getExtent();
    m_ui->extentField->DDX_Value(dx, extent);
    Xml::Length gap = region.getColumnGap();
    m_ui->columnGapField->DDX_Value(dx, gap);
    if (dx.isSaving()) {
        region.setExtent(extent);
        region.setColumnGap(gap);
        bool ok = false;
        const int count = m_ui->columnCountEdit->text().toInt(&ok);
        if (ok && count >= 1) {
            region.setColumnCount(count);
        }
        region.setPrecedence(m_ui->precedenceCheck->isChecked());
        // The body is always there.
        region.setVisible(getSelectedRegion() == PageLayoutData::Body ||
                          m_ui->visibleCheck->isChecked());
        region.setOrientation(std::max(0, m_ui->orientationCombo->currentIndex()));
        region.setVerticalAlignment(std::max(0, m_ui->alignmentCombo->currentIndex()));
        refreshPreview();
    } else {
        m_ui->columnCountEdit->setText(QString::number(region.getColumnCount()));
        m_ui->precedenceCheck->setChecked(region.hasPrecedence());
        m_ui->visibleCheck->setChecked(region.isVisible());
        m_ui->orientationCombo->setCurrentIndex(region.getOrientation());
        m_ui->alignmentCombo->setCurrentIndex(region.getVerticalAlignment());
    }
    updateInterface();
}

void PageRegionPPage::readPage()
{
    if (!m_showing) {
        exchange(DataExchange::save());
    }
}

void PageRegionPPage::updateInterface()
{
    const int index = getSelectedRegion();
    const bool body = index == PageLayoutData::Body;
    const bool visible = body || m_ui->visibleCheck->isChecked();
    m_ui->visibleCheck->setEnabled(!body);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_ui->paddingGroup, m_ui->orientationLabel, m_ui->orientationCombo,
             m_ui->alignmentLabel, m_ui->alignmentCombo, m_ui->bordersButton}) {
        control->setEnabled(visible);
    }
    m_ui->marginsGroup->setVisible(body);
    m_ui->marginsGroup->setEnabled(body && visible);
    m_ui->extentLabel->setVisible(!body);
    m_ui->extentField->setVisible(!body);
    m_ui->extentLabel->setEnabled(!body && visible);
    m_ui->extentField->setEnabled(!body && visible);
    const bool precedence = index == PageLayoutData::Before || index == PageLayoutData::After;
    m_ui->precedenceCheck->setVisible(precedence);
    m_ui->precedenceCheck->setEnabled(precedence && visible);
}

void PageRegionPPage::OnRegionChanged()
{
    if (!m_showing) {
        exchange(DataExchange::load());
    }
}

void PageRegionPPage::OnCheckPrecedence()
{
    if (m_showing) {
        return;
    }
    m_data.getRegion(getSelectedRegion()).setPrecedence(m_ui->precedenceCheck->isChecked());
    refreshPreview();
}

void PageRegionPPage::OnChangeColumnCount()
{
    readPage();
}

void PageRegionPPage::OnColumnCountSpin(int delta)
{
    const int count = std::max(1, m_ui->columnCountEdit->text().toInt() - delta);
    m_ui->columnCountEdit->setText(QString::number(count));
    readPage();
}

void PageRegionPPage::OnLengthOrPercentModified()
{
    readPage();
}

void PageRegionPPage::formatRegionBordersAndBackGround()
{
    RegionData& region = m_data.getRegion(getSelectedRegion());
    BordersAndBackgroundData record = region.getBordersAndBackground();
    for (int side = 0; side < RegionData::SideCount; ++side) {
        record.setPadding(bordersSide(side), region.getPadding(RegionData::Side(side)));
    }
    if (GradientsHelper::isGradient(record.getBackgroundImage())) {
        record.setGradient(GradientsHelper::getGradientData(record.getBackgroundImage()));
        record.setBackgroundImage(Core::String());
    }
    record.setElementName(m_ui->regionCombo->currentText());
    BordersBackgroundDlg dialog(record, this);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    record = dialog.getData();
    record.setElementName(Core::String()); // only shown in the dialog
    region.setBordersAndBackground(record);
    for (int side = 0; side < RegionData::SideCount; ++side) {
        region.setPadding(RegionData::Side(side), record.getPadding(bordersSide(side)));
    }
    exchange(DataExchange::load());
    refreshPreview();
}

void PageRegionPPage::refreshPreview()
{
    if (PageLayoutDlg* dialog = getParent()) {
        dialog->updatePreview();
    }
}
