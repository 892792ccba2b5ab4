#include "xpathsamples.h"

#include "gallerysamples.h"
#include "xml/widgets/xpathctrl.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QFormLayout>
#include <QLabel>

std::unique_ptr<QWidget> makeXPathEditorSample()
{
    return std::make_unique<XPathEditDlg>(GallerySamples::invoice(), "unit-price * quantity",
                                          "/invoice/lines/line");
}

XPathCtrlSheet::XPathCtrlSheet(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("XPath fields"));
    auto* layout = new QFormLayout(this);
    auto* bound = new XPathCtrl(GallerySamples::invoice(), "/invoice/lines/line");
    bound->setText(QStringLiteral("sum(../line/amount)"));
    layout->addRow(tr("With sample data:"), bound);
    auto* unbound = new XPathCtrl;
    unbound->setText(QStringLiteral("/invoice/customer/name"));
    layout->addRow(tr("Without document:"), unbound);
    resize(420, sizeHint().height());
}
