#include "dialogs/format/cellmarginsdlg.h"

#include "controls/lengthorpercentctrl.h"
#include "css/shorthandhelper.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/cssvalues/xmllength.h"

#include "ui_cellmarginsdlg.h"

CellMarginsDlg::CellMarginsDlg(QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::CellMarginsDlg>())
{
    m_ui->setupUi(this);
}

CellMarginsDlg::~CellMarginsDlg() = default;

void CellMarginsDlg::setProperties(PropertyCollection properties)
{
    FeatureDialog::setProperties(std::move(properties));
    ShorthandHelper::expandShorthands(m_properties);
}

std::array<CellMarginsDlg::Side, 4> CellMarginsDlg::sides() const
{
    return {{{"fo:padding-left", m_ui->leftField},
             {"fo:padding-top", m_ui->topField},
             {"fo:padding-right", m_ui->rightField},
             {"fo:padding-bottom", m_ui->bottomField}}};
}

bool CellMarginsDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    if (m_properties.isEmpty()) {
        return result;
    }
    for (const Side& side : sides()) {
        Core::String text = m_properties.getPropertyValue(side.property);
        if (text.isEmpty()) {
            text = "0";
        }
        // A padding that is no length shows as none rather than as another side's.
        Xml::Length length;
        Xml::Length::parseLength(length, text);
        side.field->setAssignedLengthOrPercent(Xml::LengthOrPercent(length), false, false);
    }
    return result;
}

void CellMarginsDlg::OnOK()
{
    // A margin still being typed counts as entered.
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    for (const Side& side : sides()) {
        if (side.field->getValue().getLength().getSize() < 0) {
            UIApplication::MessageBoxW(Core::String(tr("A cell margin cannot be negative.")),
                                       Win32::MB_OK | Win32::MB_ICONWARNING);
            side.field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const std::array<Side, 4> all = sides();
    // Left, right, top, bottom: the order the properties are written in.
    for (const Side* side : {&all[0], &all[2], &all[1], &all[3]}) {
        m_properties.setProperty(
            EditableProperty(side->property, side->field->getValueAsString()), true);
    }
    ShorthandHelper::collapseShorthands(m_properties);
    FeatureDialog::OnOK();
}
