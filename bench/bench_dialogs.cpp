// How long a user waits for a dialog: from constructing it until its window,
// and for the formatting dialogs their first preview, have been painted.
// QColorDialog, which opens in about the time a user does not notice, is the
// yardstick. Run offscreen with the median of several runs:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_dialogs -median 21
#include "controls/staticpreview.h"
#include "dialogs/field/formatfielddlg.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "dialogs/format/fonteditordlg.h"
#include "dialogs/format/paragrapheditdlg.h"
#include "dialogs/page/pagelayoutdlg.h"
#include "outside/types/simplepagemasterxml.h"
#include "paintwatcher.h"
#include "templatedocument.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QTest>

class BenchDialogs : public QObject
{
    Q_OBJECT

    // The invoice's page: A4 with a header and a footer.
    static PageLayoutData invoiceLayout()
    {
        auto document =
            TemplateDocument::load(QStringLiteral(UIEDITOR_SAMPLES_DIR "/invoice-template.fo"));
        const auto masters = document->root().find("//*[local-name()='simple-page-master']");
        return masters.empty() ? PageLayoutData() : SimplePageMasterXml::read(Xml::Element(masters.front()));
    }

private Q_SLOTS:
    void bordersBackgroundOnTheInvoice()
    {
        // The bold total line of the invoice: a block inside a block of the flow.
        auto document =
            TemplateDocument::load(QStringLiteral(UIEDITOR_SAMPLES_DIR "/invoice-template.fo"));
        const auto totals = document->root().find("//*[@id='totals']");
        QVERIFY(!totals.empty());
        document->select(Xml::Element(totals.front()).get_child_elements().back());
        bool painted = true;
        QBENCHMARK
        {
            BordersBackgroundDlg dialog{SmartPtr<IDocumentInformation>(document)};
            PaintWatcher watcher(dialog.preview());
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }

    void formatFieldOnACustomCurrency()
    {
        // The currency page with its preview, the page with the most controls.
        bool painted = true;
        QBENCHMARK
        {
            FormatFieldDlg dialog(QStringLiteral("currency:##,##0.00€ th:. dec:, sign:CR"), true);
            PaintWatcher watcher(&dialog);
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }

    void pageLayoutOnTheInvoice()
    {
        PageLayoutData layout = invoiceLayout();
        bool painted = true;
        QBENCHMARK
        {
            PageLayoutData edited = layout;
            PageLayoutDlg dialog(edited);
            PaintWatcher watcher(dialog.preview());
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }

    // One edit (another page format) until the preview shows it.
    void pageLayoutEditRepaintsThePreview()
    {
        PageLayoutData layout = invoiceLayout();
        PageLayoutDlg dialog(layout);
        PaintWatcher watcher(dialog.preview());
        dialog.show();
        QVERIFY(watcher.waitUntilPainted());
        auto* formats = dialog.control<QComboBox>(12318);
        bool painted = true;
        int format = 0;
        QBENCHMARK
        {
            formats->setCurrentIndex(format);
            format = (format + 1) % 8;
            painted = painted && watcher.waitUntilPainted();
        }
        QVERIFY(painted);
    }

    void paragraphOnTheInvoice()
    {
        // The payment note of the invoice, justified and indented.
        auto document =
            TemplateDocument::load(QStringLiteral(UIEDITOR_SAMPLES_DIR "/invoice-template.fo"));
        const auto payment = document->root().find("//*[@id='payment']");
        QVERIFY(!payment.empty());
        PropertyCollection block = TemplateDocument::propertiesOf(Xml::Element(payment.front()));
        block.setProperty(EditableProperty("fo:text-align", "justify"), true);
        block.setProperty(EditableProperty("fo:start-indent", "12pt"), true);
        block.setProperty(EditableProperty("fo:keep-with-next.within-page", "always"), true);
        bool painted = true;
        QBENCHMARK
        {
            PropertyCollection edited = block;
            ParagraphEditDlg dialog;
            dialog.setProprietiesForParagraph(&edited);
            PaintWatcher watcher(dialog.preview());
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }

    void fontOnTheInvoiceTotal()
    {
        // The bold total line of the invoice, as the designer hands it in.
        auto document =
            TemplateDocument::load(QStringLiteral(UIEDITOR_SAMPLES_DIR "/invoice-template.fo"));
        const auto totals = document->root().find("//*[@id='totals']");
        QVERIFY(!totals.empty());
        const PropertyCollection properties = TemplateDocument::propertiesOf(
            Xml::Element(Xml::Element(totals.front()).get_child_elements().back()));
        bool painted = true;
        QBENCHMARK
        {
            FontEditorDlg dialog;
            dialog.setProperties(properties);
            PaintWatcher watcher(dialog.preview());
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }

    void fontDialogForComparison()
    {
        bool painted = true;
        QBENCHMARK
        {
            QFontDialog dialog(QFont(QStringLiteral("DejaVu Serif"), 10));
            dialog.setOption(QFontDialog::DontUseNativeDialog);
            PaintWatcher watcher(&dialog);
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }

    void colorDialogForComparison()
    {
        bool painted = true;
        QBENCHMARK
        {
            QColorDialog dialog(Qt::red);
            dialog.setOption(QColorDialog::DontUseNativeDialog);
            PaintWatcher watcher(&dialog);
            dialog.show();
            painted = painted && watcher.waitUntilPainted();
            dialog.hide();
        }
        QVERIFY(painted);
    }
};

QTEST_MAIN(BenchDialogs)
#include "bench_dialogs.moc"
