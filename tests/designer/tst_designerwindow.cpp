// The designer as a person uses it: the sample opens, picking an object in the
// outline makes it the one dialogs work on, menus open the dialogs.
#include "bundledsamples.h"
#include "controls/lengthorpercentctrl.h"
#include "designerwindow.h"
#include "dialogdriver.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "frame/logdlg.h"
#include "modalanswerer.h"
#include "outlineview.h"
#include "propertyinspector.h"
#include "recordingmessageboxfactory.h"
#include "templatepreview.h"
#include "testregistry.h"
#include "values/editpropertyvaluesdlg.h"
#include "values/propertyvaluesctrl.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

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

    void outlineSelectsTheObjectDialogsWorkOn()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        QTreeWidgetItem* payment = findItem(window.outline(), QStringLiteral("payment"));
        QVERIFY2(payment, "the outline lists objects with their identifiers");
        window.outline()->scrollToItem(payment);
        QTest::mouseClick(window.outline()->viewport(), Qt::LeftButton, {},
                          window.outline()->visualItemRect(payment).center());
        QCOMPARE(window.document()->getSelectedObjectInfo()->getObjectId().toQString(),
                 QStringLiteral("payment"));
        QCOMPARE(window.document()->getSelectedObjectPath().toQString(),
                 QStringLiteral("/fo:root/fo:page-sequence/fo:flow/fo:block"));
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
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
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

    void inspectorEditsStaticAndDynamicValues()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        selectInOutline(window, QStringLiteral("payment"));

        // A static value typed over the old one.
        PropertyValuesCtrl* background =
            window.inspector()->field(QStringLiteral("background-color"));
        QVERIFY(background);
        QCOMPARE(background->text(), QStringLiteral("#eef3f8"));
        background->setFocus();
        background->selectAll();
        QTest::keyClicks(background, QStringLiteral("#ffffff"));
        QTest::keyClick(background, Qt::Key_Return);
        QTRY_COMPARE(
            window.document()->selected().get_attribute_value("background-color").toQString(),
            QStringLiteral("#ffffff"));

        // A dynamic value chosen through the field's button, once the
        // inspector shows the changed template.
        QCoreApplication::processEvents();
        PropertyValuesCtrl* spacing = window.inspector()->field(QStringLiteral("space-before"));
        QVERIFY(spacing && spacing->isDialogButtonEnabled());
        TestSupport::ModalAnswerer answer;
        answer.onNext<EditPropertyValuesDlg>([](EditPropertyValuesDlg* dialog) {
            dialog->control<QRadioButton>(12202)->click();
            dialog->control<QLineEdit>(12205)->setText(QStringLiteral("/invoice/payment/@space"));
            dialog->accept();
        });
        QTest::mouseClick(spacing, Qt::LeftButton, {}, spacing->dialogButtonRect().center());
        QTRY_VERIFY(answer.handled());
        QTRY_VERIFY(window.document()
                        ->propertyValue(window.document()->selected(), "space-before")
                        .isDynamic());
        const PropertyValueEx spaceBefore =
            window.document()->propertyValue(window.document()->selected(), "space-before");
        QCOMPARE(spaceBefore.getDynamicValue().toQString(),
                 QStringLiteral("/invoice/payment/@space"));
        QCOMPARE(spaceBefore.getStaticValue().toQString(), QStringLiteral("18pt"));
        QCOMPARE(window.document()->selected().get_attribute_value("id").toQString(),
                 QStringLiteral("payment"));
        QTRY_VERIFY(window.inspector()->field(QStringLiteral("space-before")));
        QVERIFY(!window.inspector()
                     ->field(QStringLiteral("space-before"))
                     ->placeholderText()
                     .isEmpty());

        // A property the block accepts, added from the list.
        QComboBox* add = window.inspector()->addList();
        const int colour = add->findData(QStringLiteral("color"));
        QVERIFY(colour > 0);
        add->setCurrentIndex(colour);
        Q_EMIT add->activated(colour);
        PropertyValuesCtrl* color = window.inspector()->field(QStringLiteral("color"));
        QVERIFY(color);
        QTest::keyClicks(color, QStringLiteral("navy"));
        QTest::keyClick(color, Qt::Key_Return);
        QTRY_COMPARE(window.document()->selected().get_attribute_value("color").toQString(),
                     QStringLiteral("navy"));
    }

    void brokenTemplateIsReportedAndNothingOpens()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.fo"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block></fo:root>");
        file.close();
        TestSupport::RecordingMessageBoxFactory messages;
        DesignerWindow window;
        QVERIFY(!window.openTemplate(path));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(QLatin1String("broken.fo")));
        QVERIFY(window.document().isNull());
    }
};

UIEDITOR_TEST_CLASS(TestDesignerWindow)
#include "tst_designerwindow.moc"
