#include "dialogs/page/pagepropertiesppage.h"

#include "controls/lengthorpercentctrl.h"
#include "dialogs/page/pagelayoutdlg.h"
#include "outside/types/globalunitmeasurehelper.h"

#include "ui_pagepropertiesppage.h"

#include <QScopedValueRollback>

namespace {

constexpr unsigned CustomSizeItem = 63177;

struct StandardSize
{
    const char* name;
    double width; // inches
    double height;
};

constexpr StandardSize StandardSizes[] = {
    {"Letter", 8.5, 11.0}, {"A4", 8.3, 11.7}, {"A5", 5.9, 8.3}, {"A3", 11.7, 16.5}};

Xml::Length inUserUnit(double inches)
{
    const UnitMeasure unit = GlobalUnitMeasureHelper::getGlobalUnitMeasure();
    return Xml::Length(UnitMeasureHelper::convertUnitMeasure(inches, UnitMeasure::Inch, unit),
                       Xml::Length::Unit(UnitMeasureHelper::toCSSLength(unit)));
}

} // namespace

PagePropertiesPPage::PagePropertiesPPage(PageLayoutData& record, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::PagePropertiesPPage>()), m_data(record)
{
    m_ui->setupUi(this);
    m_margins = {m_ui->marginLeftField, m_ui->marginRightField, m_ui->marginTopField,
                 m_ui->marginBottomField};
    for (LengthOrPercentCtrl* field :
         {m_ui->widthField, m_ui->heightField, m_ui->marginLeftField, m_ui->marginRightField,
          m_ui->marginTopField, m_ui->marginBottomField}) {
        connect(field, &LengthOrPercentCtrl::lengthOrPercentModified, this,
                &PagePropertiesPPage::OnLengthOrPercentModified);
    }
    connect(m_ui->formatCombo, &QComboBox::currentIndexChanged, this,
            &PagePropertiesPPage::OnChangePredefinedPageSize);
}

PagePropertiesPPage::~PagePropertiesPPage() = default;

QStringList PagePropertiesPPage::formatNames()
{
    QStringList names;
    for (const StandardSize& size : StandardSizes) {
        names << QString::fromLatin1(size.name);
    }
    for (const StandardSize& size : StandardSizes) {
        //: A page format turned on its side; %1 is the format's name ("A4"),
        //: which must come first and be followed by a blank.
        names << tr("%1 Landscape").arg(QString::fromLatin1(size.name));
    }
    names << Core::String::formatS(CustomSizeItem).toQString();
    return names;
}

void PagePropertiesPPage::getStandardPageSize(const Core::String& name, Xml::Length& width,
                                              Xml::Length& height)
{
    const int blank = name.find(QChar(u' '));
    const Core::String format = blank >= 0 ? name.left(blank) : name;
    width = Xml::Length();
    height = Xml::Length();
    for (const StandardSize& size : StandardSizes) {
        if (format == size.name) {
            width = inUserUnit(blank >= 0 ? size.height : size.width);
            height = inUserUnit(blank >= 0 ? size.width : size.height);
            return;
        }
    }
}

PageLayoutDlg* PagePropertiesPPage::getParent() const
{
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* dialog = qobject_cast<PageLayoutDlg*>(up)) {
            return dialog;
        }
    }
    return nullptr;
}

void PagePropertiesPPage::OnInitDialog()
{
    const QScopedValueRollback showing(m_showing, true);
    m_ui->formatCombo->clear();
    m_ui->formatCombo->addItems(formatNames());
    showDimensions();
    selectPageSize();
}

bool PagePropertiesPPage::isCustomSelected() const
{
    return m_ui->formatCombo->currentIndex() == m_ui->formatCombo->count() - 1;
}

void PagePropertiesPPage::showDimensions()
{
    const QScopedValueRollback showing(m_showing, true);
    const DataExchange load = DataExchange::load();
    Xml::Length width = m_data.getWidth();
    Xml::Length height = m_data.getHeight();
    m_ui->widthField->DDX_Value(load, width);
    m_ui->heightField->DDX_Value(load, height);
    for (int side = 0; side < RegionData::SideCount; ++side) {
        Xml::LengthOrPercent margin = m_data.getMargin(RegionData::Side(side));
        m_margins[std::size_t(side)]->DDX_Value(load, margin);
    }
}

void PagePropertiesPPage::selectPageSize()
{
    QComboBox* formats = m_ui->formatCombo;
    int match = formats->count() - 1;
    const double width = m_data.getWidth().pxSize();
    const double height = m_data.getHeight().pxSize();
    for (int item = 0; item + 1 < formats->count(); ++item) {
        Xml::Length standardWidth;
        Xml::Length standardHeight;
        getStandardPageSize(formats->itemText(item), standardWidth, standardHeight);
        if (standardWidth.pxSize() == width && standardHeight.pxSize() == height) {
            match = item;
            break;
        }
    }
    {
        const QScopedValueRollback showing(m_showing, true);
        formats->setCurrentIndex(match);
    }
    showDimensions();
    updateInterface();
}

void PagePropertiesPPage::updateInterface()
{
    const bool custom = isCustomSelected();
    m_ui->widthField->setEnabled(custom);
    m_ui->heightField->setEnabled(custom);
    refreshPreview();
}

void PagePropertiesPPage::OnChangePredefinedPageSize(int index)
{
    if (m_showing || index < 0) {
        return;
    }
    if (!isCustomSelected()) {
        Xml::Length width;
        Xml::Length height;
        getStandardPageSize(m_ui->formatCombo->itemText(index), width, height);
        m_data.setWidth(width);
        m_data.setHeight(height);
    }
    showDimensions();
    updateInterface();
}

void PagePropertiesPPage::OnLengthOrPercentModified()
{
    if (m_showing) {
        return;
    }
    const DataExchange save = DataExchange::save();
    Xml::Length width;
    Xml::Length height;
    m_ui->widthField->DDX_Value(save, width);
    m_ui->heightField->DDX_Value(save, height);
    m_data.setWidth(width);
    m_data.setHeight(height);
    for (int side = 0; side < RegionData::SideCount; ++side) {
        Xml::LengthOrPercent margin;
        m_margins[std::size_t(side)]->DDX_Value(save, margin);
        m_data.setMargin(RegionData::Side(side), margin);
    }
    // Typing a standard format's exact size selects it.
    selectPageSize();
}

void PagePropertiesPPage::refreshPreview()
{
    if (PageLayoutDlg* dialog = getParent()) {
        dialog->updatePreview();
    }
}
