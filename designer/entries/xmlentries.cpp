#include "bundledsamples.h"
#include "dialogentries.h"
#include "frame/win32constants.h"
#include "samplepane.h"
#include "xml/widgets/editdatasourcenodedlg.h"
#include "xml/widgets/xmltreectrl.h"
#include "xml/widgets/xmlviewfindreplacedlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

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

DialogEntry findReplaceEntry()
{
    return {QStringLiteral("XmlViewFindReplaceDlg"),
            DialogEntry::Menu::None,
            {},
            nullptr,
            nullptr,
            {{QStringLiteral("XmlViewFindReplaceDlg"),
              [] {
                  auto dialog = std::make_unique<XmlViewFindReplaceDlg>();
                  dialog->SetRegularExpression(1);
                  dialog->Create(false, "border-(left|right)-color=\"#[0-9a-f]+\"", "border-\\1-color=\"#1f4e79\"",
                                 Win32::FR_DOWN | Win32::FR_MATCHCASE);
                  return std::unique_ptr<QWidget>(std::move(dialog));
              }},
             {QStringLiteral("XmlViewFindReplaceDlgFindOnly"), [] {
                  auto dialog = std::make_unique<XmlViewFindReplaceDlg>();
                  dialog->Create(true, "kmb:field", "", Win32::FR_DOWN | Win32::FR_WHOLEWORD);
                  return std::unique_ptr<QWidget>(std::move(dialog));
              }}}};
}

DialogEntry xmlTreeEntry()
{
    return {QStringLiteral("XmlTreeCtrl"),
            DialogEntry::Menu::None,
            {},
            nullptr,
            nullptr,
            {{QStringLiteral("XmlTreeCtrl"), [] { return samplePane(QString()); }},
             {QStringLiteral("XmlTreeCtrlFiltered"), [] { return samplePane(QStringLiteral("price")); }}}};
}

DialogEntry datasourceNodeEntry()
{
    return {QStringLiteral("EditDatasourceNodeDlg"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("EditDatasourceNodeDlg"), [] {
                  return std::unique_ptr<QWidget>(std::make_unique<EditDatasourceNodeDlg>(
                      EditDatasourceNodeDlg::EditAttribute, "currency", "EUR", true, true));
              }}}};
}
