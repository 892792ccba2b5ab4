#include "xpathsamples.h"

#include "templatedocument.h"
#include "xml/widgets/xpathctrl.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QFormLayout>
#include <QLabel>

namespace {

// The bundled invoice, read straight from the designer's resources.
SmartPtr<TemplateDocument> bundledInvoice()
{
    return TemplateDocument::load(":/designer/samples/invoice-template.fo");
}

} // namespace

std::unique_ptr<QWidget> makeXPathEditorSample()
{
    return std::make_unique<XPathEditDlg>(bundledInvoice(), "unit-price * quantity",
                                          "/invoice/lines/line");
}

XPathCtrlSheet::XPathCtrlSheet(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("XPath fields"));
    auto* layout = new QFormLayout(this);
    auto* bound = new XPathCtrl(bundledInvoice(), "/invoice/lines/line");
    bound->setText(QStringLiteral("sum(../line/amount)"));
    layout->addRow(tr("With sample data:"), bound);
    auto* unbound = new XPathCtrl;
    unbound->setText(QStringLiteral("/invoice/customer/name"));
    layout->addRow(tr("Without document:"), unbound);
    resize(420, sizeHint().height());
}
