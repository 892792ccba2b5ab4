// The designer as a person uses it: the sample opens, picking an object in the
// outline makes it the one dialogs work on, menus open the dialogs.
#include "controls/lengthorpercentctrl.h"
#include "dialogdriver.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "frame/logdlg.h"
#include "modalanswerer.h"
#include "outlineview.h"
#include "sampleinvoice.h"
#include "templatepreview.h"
#include "testregistry.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace DesignerTest;

namespace {

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& id)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(1) == id) {
            return *it;
        }
    }
    return nullptr;
}

void selectInOutline(DesignerWindow& window, const QString& id)
{
    QTreeWidgetItem* item = findItem(window.outline(), id);
    QVERIFY2(item, qPrintable(id));
    window.outline()->scrollToItem(item);
    QTest::mouseClick(window.outline()->viewport(), Qt::LeftButton, {},
                      window.outline()->visualItemRect(item).center());
}

QString attributesOf(const Xml::Element& element)
{
    return TemplateDocument::propertiesOf(element).getPropertiesString().toQString();
}

} // namespace

class TestDesignerWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bundledSampleOpensWithItsData()
    {
        QTemporaryDir dir;
        const QString path = BundledSamples::install(dir.path());
        QVERIFY(!path.isEmpty());
        DesignerWindow window;
        QVERIFY(window.openTemplate(path));
        window.show();
        QVERIFY(window.windowTitle().startsWith(QLatin1String("invoice-template.fo")));
        QVERIFY(window.document()->sampleError().isEmpty());
        QVERIFY(window.messages().isEmpty());
        // The renderer lays the invoice out on one A4 page.
        QCOMPARE(window.preview()->pageCount(), 1);
        QVERIFY(window.preview()->errorText().isEmpty());

        // Installing again keeps the user's edited copy.
        QFile edited(path);
        QVERIFY(edited.open(QIODevice::Append));
        edited.write("<!-- mine -->\n");
        edited.close();
        BundledSamples::install(dir.path());
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY(again.readAll().contains("<!-- mine -->"));
    }

    void menuOpensTheLogWithTheDesignersMessages()
    {
        QTemporaryDir dir;
        const QString path = BundledSamples::install(dir.path());
        QFile::remove(dir.filePath(QStringLiteral("invoice.xml")));
        DesignerWindow window;
        QVERIFY(window.openTemplate(path));
        window.show();
        QCOMPARE(window.messages().size(), 1); // the missing sample data
        auto* action = window.menuBar()->findChild<QAction*>(QStringLiteral("LogDlg"));
        QVERIFY2(action, "Document menu entry for the log not found");
        TestSupport::ModalAnswerer answer;
        int shown = -1;
        answer.onNext<LogDlg>([&shown](LogDlg* log) {
            shown = log->messageCount();
            log->reject();
        });
        action->trigger();
        QVERIFY(answer.handled());
        QCOMPARE(shown, 1);
    }

    void formatMenuAppliesBordersAndBackground()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        selectInOutline(window, QStringLiteral("payment"));
        auto* action =
            window.menuBar()->findChild<QAction*>(QStringLiteral("BordersBackgroundDlg"));
        QVERIFY2(action, "Format menu entry for borders and background not found");

        // Cancelled after an edit, the template stays as it was.
        const QString before = attributesOf(window.document()->selected());
        TestSupport::ModalAnswerer cancel;
        cancel.onNext<BordersBackgroundDlg>([](BordersBackgroundDlg* dialog) {
            TestSupport::pickEntry(dialog->control<QComboBox>(12920), QStringLiteral("Dotted"));
            dialog->reject();
        });
        action->trigger();
        QVERIFY(cancel.handled());
        QCOMPARE(attributesOf(window.document()->selected()), before);
        QVERIFY(!window.document()->isModified());

        // The payment block has padding="6pt"; its left padding is taken away.
        TestSupport::ModalAnswerer answer;
        answer.onNext<BordersBackgroundDlg>([](BordersBackgroundDlg* dialog) {
            TestSupport::pickEntry(dialog->control<QComboBox>(12920), QStringLiteral("Dashed"));
            TestSupport::typeLength(dialog->control<LengthOrPercentCtrl>(12924),
                                    QStringLiteral("2"));
            TestSupport::typeLength(dialog->control<LengthOrPercentCtrl>(4252),
                                    QStringLiteral("0"));
            QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
        });
        action->trigger();
        QVERIFY(answer.handled());

        const Xml::Element payment = window.document()->selected();
        QCOMPARE(payment.get_attribute_value("id").toQString(), QStringLiteral("payment"));
        QCOMPARE(payment.get_attribute_value("border-left-style").toQString(),
                 QStringLiteral("dashed"));
        QCOMPARE(payment.get_attribute_value("border-left-width").toQString(),
                 QStringLiteral("2px"));
        QCOMPARE(payment.get_attribute_value("background-color").toQString(),
                 QStringLiteral("#eef3f8"));
        QCOMPARE(payment.get_attribute_value("padding-top").toQString(), QStringLiteral("6pt"));
        // The shorthand would bring the removed left padding back.
        QVERIFY(payment.get_attribute("padding").isNull());
        QVERIFY(payment.get_attribute("padding-left").isNull());
        QVERIFY(window.document()->isModified());
        const auto* result = window.findChild<QPlainTextEdit*>(QStringLiteral("result"));
        QVERIFY(result->toPlainText().contains(QLatin1String("fo:border-left-style = dashed")));
    }
};

UIEDITOR_TEST_CLASS(TestDesignerWindow)
#include "tst_designerwindow.moc"
