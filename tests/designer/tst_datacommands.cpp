// The Data menu's dialogs: Sort and Group Rows act on the repeat around the
// selection and say why they cannot run elsewhere; Data Source names the
// sample on the root and reads it. Each is one undoable step.
#include "dialogs/data/choosedatasourcedlg.h"
#include "dialogs/data/editsortdlg.h"
#include "dialogs/data/rowsgroupdlg.h"
#include "modalanswerer.h"
#include "sampleinvoice.h"
#include "scriptedfiledialogs.h"
#include "testregistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

class TestDataCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortAndGroupAreWrittenOnTheRepeat()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        window.selectObject(first(window, u"//kmb:table-row-repeat//kmb:field"_s));
        QVERIFY(command(window, u"EditSortDlg"_s)->isEnabled());

        TestSupport::ModalAnswerer answer;
        answer.onNext<EditSortDlg>([](EditSortDlg* dialog) {
            dialog->addCriteriaFromString("s:amount dt:number or:descending co:upper-first");
            dialog->accept();
        });
        command(window, u"EditSortDlg"_s)->trigger();
        QVERIFY(answer.handled());
        const QString sort = u"s:amount dt:number or:descending co:upper-first"_s;
        QCOMPARE(first(window, u"//kmb:table-row-repeat"_s).get_attribute_value("sort").toQString(), sort);

        TestSupport::ModalAnswerer group;
        group.onNext<RowsGroupDlg>([](RowsGroupDlg* dialog) {
            dialog->control<QLineEdit>(RowsGroupDlg::IDC_GROUP_CONTEXT)->setText(u"."_s);
            dialog->control<QLineEdit>(RowsGroupDlg::IDC_GROUP_BY)->setText(u"@sku"_s);
            dialog->accept();
        });
        command(window, u"RowsGroupDlg"_s)->trigger();
        QVERIFY(group.handled());
        const Xml::Element repeat = first(window, u"//kmb:table-row-repeat"_s);
        QCOMPARE(repeat.get_attribute_value("group-by").toQString(), u"@sku"_s);
        QVERIFY(repeat.get_attribute("group-merge").isNull());

        const QString saved = invoice.dir.filePath(u"saved.fo"_s);
        window.document()->save(saved);
        DesignerWindow reopened;
        QVERIFY(reopened.openTemplate(saved));
        const Xml::Element again = first(reopened, u"//kmb:table-row-repeat"_s);
        QCOMPARE(again.get_attribute_value("sort").toQString(), sort);
        QCOMPARE(again.get_attribute_value("group-context").toQString(), u"."_s);

        window.document()->undoStack()->undo();
        QVERIFY(first(window, u"//kmb:table-row-repeat"_s).get_attribute("group-by").isNull());
        QCOMPARE(first(window, u"//kmb:table-row-repeat"_s).get_attribute_value("sort").toQString(), sort);
    }

    void outsideARepeatTheCommandsSayWhy()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.selectObject(first(window, u"//fo:flow/fo:block"_s));
        for (const QString& name : {u"EditSortDlg"_s, u"RowsGroupDlg"_s}) {
            QVERIFY(!command(window, name)->isEnabled());
            QVERIFY(command(window, name)->statusTip().contains(u"kmb:table-row-repeat"_s));
        }
    }

    void dataSourceIsNamedOnTheRootAndRead()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        const QString other = invoice.dir.filePath(u"other.xml"_s);
        QVERIFY(QFile::copy(invoice.dir.filePath(u"invoice.xml"_s), other));
        TestSupport::ScriptedFileDialogs files;
        files.answerWith({other});
        TestSupport::ModalAnswerer answer;
        answer.onNext<ChooseDatasourceDlg>([](ChooseDatasourceDlg* dialog) {
            dialog->control<QPushButton>(ChooseDatasourceDlg::IDC_BROWSE_FILE)->click();
            dialog->accept();
        });
        command(window, u"ChooseDatasourceDlg"_s)->trigger();
        QVERIFY(answer.handled());
        const auto samplePath = [&window] { return window.document()->getSampleXml()->getXmlDocumentFilePath().toQString(); };
        QCOMPARE(window.document()->root().get_attribute_value("sample-xml", Xml::Namespaces::KMB).toQString(), u"other.xml"_s);
        QVERIFY(samplePath().endsWith(u"other.xml"_s));
        window.document()->undoStack()->undo();
        QVERIFY(samplePath().endsWith(u"invoice.xml"_s));
    }
};

UIEDITOR_TEST_CLASS(TestDataCommands)
#include "tst_datacommands.moc"
