// Insert > Table puts the dialog's table at the nearest place that holds
// blocks, as one undoable step that survives saving; a repeated sample
// element selected in the data pane offers the table that repeats over it.
#include "bundledsamples.h"
#include "designerwindow.h"
#include "dialogs/table/inserttabledlg.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "outside/core/namespaces.h"
#include "recordingmessageboxfactory.h"
#include "samplepane.h"
#include "testregistry.h"
#include "xml/widgets/xmltreectrl.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

const Xml::NamespaceMap namespaces = {{"fo", Xml::Namespaces::FO}, {"kmb", Xml::Namespaces::KMB}};

int count(const Xml::Element& root, const QString& xpath)
{
    return int(root.find(xpath, namespaces).size());
}

void runInsertTable(DesignerWindow& window, const QString& rows)
{
    TestSupport::ModalAnswerer answer;
    answer.onNext<InsertTableDlg>([rows](InsertTableDlg* dialog) {
        dialog->control<QLineEdit>(InsertTableDlg::IDC_ROWS)->setText(rows);
        dialog->accept();
    });
    window.menuBar()->findChild<QAction*>(u"InsertTableDlg"_s)->trigger();
    QVERIFY(answer.handled());
}

} // namespace

class TestInsertTableCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableGoesToTheNearestPlaceForBlocks_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("inserted");
        // clang-format off
        QTest::newRow("field in a nested block: after the outer block") << u"//*[@id='address']/fo:block[1]/kmb:field"_s << u"//*[@id='address']/following-sibling::*[1][self::fo:table]"_s;
        QTest::newRow("the flow: at its end") << u"//fo:flow"_s << u"//fo:flow/*[last()][self::fo:table]"_s;
        QTest::newRow("page masters: the first flow") << u"//fo:layout-master-set"_s << u"//fo:flow/*[last()][self::fo:table]"_s;
        QTest::newRow("a cell holds blocks") << u"(//fo:table-cell)[1]"_s << u"(//fo:table-cell)[1]/*[last()][self::fo:table]"_s;
        // clang-format on
    }
    void tableGoesToTheNearestPlaceForBlocks()
    {
        QFETCH(QString, selected);
        QFETCH(QString, inserted);
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        window.selectObject(Xml::Element(window.document()->root().find(selected, namespaces).front()));
        QCOMPARE(count(window.document()->root(), inserted), 0);
        runInsertTable(window, u"2"_s);
        const QString bodyRows = inserted + u"/fo:table-body/fo:table-row"_s;
        QCOMPARE(count(window.document()->root(), bodyRows), 2);

        window.document()->undoStack()->undo();
        QCOMPARE(count(window.document()->root(), inserted), 0);
        window.document()->undoStack()->redo();
        const QString saved = dir.filePath(u"saved.fo"_s);
        window.document()->save(saved);
        QCOMPARE(count(TemplateDocument::load(saved)->root(), bodyRows), 2);
    }

    void selectedSampleElementOffersARepeatingTable()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        window.selectObject(Xml::Element(window.document()->root().find(u"//*[@id='address']"_s, namespaces).front()));
        XmlTreeCtrl* tree = window.samplePane()->tree();
        QTreeWidgetItem* item = tree->topLevelItem(0);
        for (const QString& label : {u"lines"_s, u"line"_s}) {
            tree->expandItem(item);
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; i < item->childCount() && !next; ++i) {
                next = item->child(i)->text(0) == label ? item->child(i) : nullptr;
            }
            QVERIFY2(next, qPrintable(label));
            item = next;
        }
        tree->setCurrentItem(item);
        const QString repeat = u"//*[@id='address']/following-sibling::*[1][self::fo:table]//kmb:table-row-repeat[@xpath='/invoice/lines/line']"_s;

        TestSupport::RecordingMessageBoxFactory messages;
        messages.answerWith({Win32::IDCANCEL});
        window.menuBar()->findChild<QAction*>(u"InsertTableDlg"_s)->trigger();
        QCOMPARE(messages.count(), 1);
        QVERIFY(!window.document()->isModified());

        messages.answerWith({Win32::IDYES});
        window.menuBar()->findChild<QAction*>(u"InsertTableDlg"_s)->trigger();
        QCOMPARE(count(window.document()->root(), repeat), 1);

        window.selectObject(Xml::Element(window.document()->root().find(u"//*[@id='address']"_s, namespaces).front()));
        messages.answerWith({Win32::IDNO});
        runInsertTable(window, u"3"_s); // No: the dialog's own table
        QCOMPARE(count(window.document()->root(), repeat), 0);
        QCOMPARE(count(window.document()->root(), u"//*[@id='address']/following-sibling::*[1][self::fo:table]/fo:table-body/fo:table-row"_s), 3);
    }
};

UIEDITOR_TEST_CLASS(TestInsertTableCommand)
#include "tst_inserttablecommand.moc"
