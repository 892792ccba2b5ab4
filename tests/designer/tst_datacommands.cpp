// The Data menu's dialogs: Sort and Group Rows act on the repeat around the
// selection and say why they cannot run elsewhere; Data Source names the
// sample on the root and reads it. Each is one undoable step.
#include "bundledsamples.h"
#include "designerwindow.h"
#include "dialogs/data/choosedatasourcedlg.h"
#include "dialogs/data/editsortdlg.h"
#include "dialogs/data/rowsgroupdlg.h"
#include "modalanswerer.h"
#include "outside/core/namespaces.h"
#include "scriptedfiledialogs.h"
#include "testregistry.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

Xml::Element first(DesignerWindow& window, const QString& xpath)
{
    const std::vector<Xml::Node> found =
        window.document()->root().find(xpath, {{"kmb", Xml::Namespaces::KMB}, {"fo", Xml::Namespaces::FO}});
    return found.empty() ? Xml::Element() : Xml::Element(found.front());
}

QAction* command(DesignerWindow& window, const QString& name)
{
    return window.menuBar()->findChild<QAction*>(name);
}

} // namespace

class TestDataCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortAndGroupAreWrittenOnTheRepeat()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
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

        window.document()->undoStack()->undo();
        QVERIFY(first(window, u"//kmb:table-row-repeat"_s).get_attribute("group-by").isNull());
        QCOMPARE(first(window, u"//kmb:table-row-repeat"_s).get_attribute_value("sort").toQString(), sort);
    }

    void outsideARepeatTheCommandsSayWhy()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.selectObject(first(window, u"//fo:flow/fo:block"_s));
        for (const QString& name : {u"EditSortDlg"_s, u"RowsGroupDlg"_s}) {
            QVERIFY(!command(window, name)->isEnabled());
            QVERIFY(command(window, name)->statusTip().contains(u"kmb:table-row-repeat"_s));
        }
    }

    void dataSourceIsNamedOnTheRootAndRead()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        const QString other = dir.filePath(u"other.xml"_s);
        QVERIFY(QFile::copy(dir.filePath(u"invoice.xml"_s), other));
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
