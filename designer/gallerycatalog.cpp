#include "gallerycatalog.h"

#include "bundledsamples.h"
#include "controlssheet.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "expandersamples.h"
#include "frame/logdlg.h"
#include "samplepane.h"
#include "templatedocument.h"
#include "valuesamples.h"
#include "xml/widgets/editdatasourcenodedlg.h"
#include "xml/widgets/xmltreectrl.h"
#include "xml/widgets/xmlviewfindreplacedlg.h"
#include "xpathsamples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// The bundled invoice with the bold "Total" line of the totals block selected,
// so that "Apply to" shows a real chain (flow, the totals block, the line).
SmartPtr<TemplateDocument> invoiceWithTotalSelected()
{
    QFile file(QStringLiteral(":/designer/samples/invoice-template.fo"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    SmartPtr<TemplateDocument> document = TemplateDocument::fromText(file.readAll(), "invoice-template.fo");
    const auto totals = document->root().find("//*[@id='totals']");
    if (!totals.empty()) {
        const std::vector<Xml::Element> lines = Xml::Element(totals.front()).get_child_elements();
        if (!lines.empty()) {
            document->select(lines.back());
        }
    }
    return document;
}

std::unique_ptr<QWidget> bordersBackground(int tab)
{
    auto dialog = std::make_unique<BordersBackgroundDlg>(SmartPtr<IDocumentInformation>(invoiceWithTotalSelected()));
    dialog->control<QTabWidget>(4061)->setCurrentIndex(tab);
    return dialog;
}


// The data pane on the bundled invoice, opened down to its first line, or
// filtered by `filter`.
std::unique_ptr<QWidget> samplePane(const QString& filter)
{
    auto pane = std::make_unique<SamplePane>();
    pane->setWindowTitle(QCoreApplication::translate("DesignerWindow", "Sample Data"));
    pane->resize(360, 440);
    QTemporaryDir folder;
    auto sample = makeSmart<SampleXml>();
    BundledSamples::install(folder.path());
    sample->load(QDir(folder.path()).filePath(QStringLiteral("invoice.xml")),
                 DatasourceType::XmlFile);
    pane->showSample(sample, QString());
    XmlTreeCtrl* tree = pane->tree();
    if (!filter.isEmpty()) {
        pane->filterField()->setText(filter);
        Q_EMIT pane->filterField()->returnPressed();
        return pane;
    }
    QTreeWidgetItem* root = tree->topLevelItem(0);
    tree->expandItem(root);
    for (int i = 0; i < root->childCount(); ++i) {
        const QString label = root->child(i)->text(0);
        if (label == QLatin1String("lines") || label == QLatin1String("customer")) {
            tree->expandItem(root->child(i));
        }
        if (label == QLatin1String("lines")) {
            tree->expandItem(root->child(i)->child(0));
            tree->setCurrentItem(root->child(i)->child(1));
        }
    }
    return pane;
}

} // namespace

std::vector<GalleryEntry> GalleryCatalog::entries()
{
    std::vector<GalleryEntry> list;
    list.push_back({QStringLiteral("LogDlg"), [] {
                        auto log = std::make_unique<LogDlg>();
                        log->addMessage("invoice.xml: loaded 42 lines");
                        log->addMessage("invoice.xsd, line 17: the type \"Money\" is not defined");
                        return std::unique_ptr<QWidget>(std::move(log));
                    }});
    list.push_back({QStringLiteral("BordersBackgroundDlg"), [] { return bordersBackground(0); }});
    list.push_back({QStringLiteral("BordersBackgroundDlgBackground"), [] { return bordersBackground(1); }});
    list.push_back({QStringLiteral("BordersBackgroundDlgPadding"), [] { return bordersBackground(2); }});
    list.push_back({QStringLiteral("ControlsSheet"),
                    [] { return std::unique_ptr<QWidget>(std::make_unique<ControlsSheet>()); }});
    list.push_back({QStringLiteral("DialogExpander"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<ExpanderSampleDlg>(1));
                    }});
    list.push_back({QStringLiteral("DialogExpanderFolded"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<ExpanderSampleDlg>(0));
                    }});
    list.push_back({QStringLiteral("TextPanel"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<TextPanelSampleDlg>());
                    }});
    list.push_back({QStringLiteral("XmlViewFindReplaceDlg"), [] {
                        auto dialog = std::make_unique<XmlViewFindReplaceDlg>();
                        dialog->SetRegularExpression(1);
                        dialog->Create(false, "border-(left|right)-color=\"#[0-9a-f]+\"", "border-\\1-color=\"#1f4e79\"",
                                       Win32::FR_DOWN | Win32::FR_MATCHCASE);
                        return std::unique_ptr<QWidget>(std::move(dialog));
                    }});
    list.push_back({QStringLiteral("XmlViewFindReplaceDlgFindOnly"), [] {
                        auto dialog = std::make_unique<XmlViewFindReplaceDlg>();
                        dialog->Create(true, "kmb:field", "", Win32::FR_DOWN | Win32::FR_WHOLEWORD);
                        return std::unique_ptr<QWidget>(std::move(dialog));
                    }});
    list.push_back({QStringLiteral("XmlTreeCtrl"), [] { return samplePane(QString()); }});
    list.push_back({QStringLiteral("XmlTreeCtrlFiltered"),
                    [] { return samplePane(QStringLiteral("price")); }});
    list.push_back({QStringLiteral("EditDatasourceNodeDlg"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<EditDatasourceNodeDlg>(
                            EditDatasourceNodeDlg::EditAttribute, "currency", "EUR", true, true));
                    }});
    list.push_back({QStringLiteral("XPathEditDlg"), [] { return makeXPathEditorSample(); }});
    list.push_back({QStringLiteral("XPathCtrl"),
                    [] { return std::unique_ptr<QWidget>(std::make_unique<XPathCtrlSheet>()); }});
    list.push_back({QStringLiteral("EditPropertyValuesDlg"), [] { return makeEditPropertyValuesSample(); }});
    list.push_back({QStringLiteral("EditConditionalValuesDlg"), [] { return makeEditConditionalValuesSample(); }});
    list.push_back({QStringLiteral("PropertyInspector"), [] { return makePropertyInspectorSample(); }});
    return list;
}
