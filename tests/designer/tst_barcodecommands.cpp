// Insert > Barcode puts a km:barcode at the selection in one undoable step;
// double-clicking it in the outline edits it in place; the value survives
// saving and reopening.
#include "bundledsamples.h"
#include "designerwindow.h"
#include "dialogs/insert/insertbarcodedlg.h"
#include "modalanswerer.h"
#include "outlineview.h"
#include "outside/core/namespaces.h"
#include "testregistry.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

std::vector<Xml::Node> barcodes(const Xml::Element& root)
{
    return root.find(u"//km:barcode"_s, {{"km", Xml::Namespaces::KM}});
}

QTreeWidgetItem* itemOf(OutlineView* outline, const Xml::Element& element)
{
    for (QTreeWidgetItemIterator it(outline); *it; ++it) {
        if (outline->elementOf(*it) == element) {
            return *it;
        }
    }
    return nullptr;
}

} // namespace

class TestBarcodeCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insertEditUndoAndReopen()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        const std::vector<Xml::Node> blocks =
            window.document()->root().find(u"//fo:flow//fo:block"_s, {{"fo", Xml::Namespaces::FO}});
        QVERIFY(!blocks.empty());
        window.selectObject(Xml::Element(blocks.front()));
        const size_t before = barcodes(window.document()->root()).size();

        const QString value = u"A\"B<C & D"_s;
        TestSupport::ModalAnswerer insert;
        insert.onNext<InsertBarcodeDlg>([&value](InsertBarcodeDlg* dialog) {
            dialog->control<QLineEdit>(InsertBarcodeDlg::IDC_VALUE)->setText(value);
            dialog->accept();
        });
        window.menuBar()->findChild<QAction*>(u"InsertBarcodeDlg"_s)->trigger();
        QVERIFY(insert.handled());
        std::vector<Xml::Node> found = barcodes(window.document()->root());
        QCOMPARE(found.size(), before + 1);
        Xml::Element barcode(found.back());
        QCOMPARE(barcode.get_attribute_value("value", Xml::Namespaces::KM).toQString(), value);

        const QString saved = dir.filePath(u"with-barcode.fo"_s);
        window.document()->save(saved);
        QVERIFY(window.openTemplate(saved));
        found = barcodes(window.document()->root());
        QCOMPARE(found.size(), before + 1);
        barcode = Xml::Element(found.back());
        QCOMPARE(barcode.get_attribute_value("value", Xml::Namespaces::KM).toQString(), value);

        QTreeWidgetItem* item = itemOf(window.outline(), barcode);
        QVERIFY(item);
        window.outline()->scrollToItem(item);
        QString openedOn;
        TestSupport::ModalAnswerer edit;
        edit.onNext<InsertBarcodeDlg>([&openedOn](InsertBarcodeDlg* dialog) {
            auto* types = dialog->control<QComboBox>(InsertBarcodeDlg::IDC_TYPES);
            openedOn = types->currentText() + u'|' +
                       dialog->control<QLineEdit>(InsertBarcodeDlg::IDC_VALUE)->text();
            types->setCurrentIndex(types->findText(u"QR Barcode"_s));
            dialog->accept();
        });
        const QRect rect = window.outline()->visualItemRect(item);
        QTest::mouseClick(window.outline()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(window.outline()->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(edit.handled());
        QCOMPARE(openedOn, u"128|"_s + value);
        found = barcodes(window.document()->root());
        QCOMPARE(found.size(), before + 1);
        QCOMPARE(
            Xml::Element(found.back()).get_attribute_value("type", Xml::Namespaces::KM).toQString(),
            u"QRBarcode"_s);
        QCOMPARE(Xml::Element(found.back())
                     .get_attribute_value("value", Xml::Namespaces::KM)
                     .toQString(),
                 value);

        window.document()->undoStack()->undo();
        found = barcodes(window.document()->root());
        QCOMPARE(
            Xml::Element(found.back()).get_attribute_value("type", Xml::Namespaces::KM).toQString(),
            u"Code128"_s);
    }
};

UIEDITOR_TEST_CLASS(TestBarcodeCommands)
#include "tst_barcodecommands.moc"
