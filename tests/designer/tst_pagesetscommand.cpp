// Page > Page Sets: a page set made in the dialog alternates the template's
// page layouts in the preview, in one undoable step that survives saving.
#include "designerwindow.h"
#include "dialogs/page/addpagetypedlg.h"
#include "dialogs/page/editpagesetdlg.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "outside/core/namespaces.h"
#include "templatepagesets.h"
#include "templatepreview.h"
#include "testregistry.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

// Odd pages are A4, even pages A5: the preview tells them apart by size.
const char* const OddEvenTemplate =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n"
    "  <fo:layout-master-set>\n"
    "    <fo:simple-page-master master-name=\"odd\" page-width=\"21cm\" page-height=\"29.7cm\">\n"
    "      <fo:region-body/>\n"
    "    </fo:simple-page-master>\n"
    "    <fo:simple-page-master master-name=\"even\" page-width=\"14.8cm\" page-height=\"21cm\">\n"
    "      <fo:region-body/>\n"
    "    </fo:simple-page-master>\n"
    "  </fo:layout-master-set>\n"
    "  <fo:page-sequence master-reference=\"odd\">\n"
    "    <fo:flow flow-name=\"xsl-region-body\">\n"
    "      <fo:block break-after=\"page\">one</fo:block>\n"
    "      <fo:block break-after=\"page\">two</fo:block>\n"
    "      <fo:block>three</fo:block>\n"
    "    </fo:flow>\n"
    "  </fo:page-sequence>\n"
    "</fo:root>\n";

// A page set written by hand, with what the dialog does not edit.
const char* const HandWrittenTemplate =
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:k=\"http://www.varnel.com/kmb/1.0\">\n"
    "  <fo:layout-master-set>\n"
    "    <fo:simple-page-master master-name=\"a\"><fo:region-body/></fo:simple-page-master>\n"
    "    <fo:page-sequence-master master-name=\"set\" id=\"keep\" k:xpath=\"/doc/item\">\n"
    "      <fo:repeatable-page-master-alternatives maximum-repeats=\"5\">\n"
    "        <fo:conditional-page-master-reference master-reference=\"a\" page-position=\"rest\" id=\"r\"/>\n"
    "        <fo:conditional-page-master-reference master-reference=\"a\"/>\n"
    "      </fo:repeatable-page-master-alternatives>\n"
    "    </fo:page-sequence-master>\n"
    "  </fo:layout-master-set>\n"
    "  <fo:page-sequence master-reference=\"set\"><fo:flow flow-name=\"xsl-region-body\"><fo:block/></fo:flow></fo:page-sequence>\n"
    "</fo:root>\n";

QString writeTemplate(const QTemporaryDir& dir, const char* markup)
{
    const QString path = dir.filePath(u"template.fo"_s);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(markup);
    }
    return path;
}

// Adds "even" for even pages through the Add dialog and confirms the page set.
void makeEvenPagesEven(EditPageSetDlg* dialog)
{
    TestSupport::ModalAnswerer answer;
    answer.onNext<AddPageTypeDlg>([](AddPageTypeDlg* add) {
        auto* list = add->control<QTreeWidget>(AddPageTypeDlg::IDC_LAYOUT_LIST);
        list->setCurrentItem(list->findItems(u"even"_s, Qt::MatchExactly).value(0));
        add->findChild<QRadioButton*>(u"conditionalRadio"_s)->click();
        auto* conditions = add->control<QComboBox>(AddPageTypeDlg::IDC_CONDITION);
        const int even = conditions->findText(Core::String::formatS(63199).toQString());
        conditions->setCurrentIndex(even);
        Q_EMIT conditions->activated(even);
        add->accept();
    });
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == u"&Add"_s) {
            button->click();
        }
    }
    QVERIFY(answer.handled());
    dialog->accept();
}

} // namespace

class TestPageSetsCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oddAndEvenLayoutsAlternateInThePreview()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(writeTemplate(dir, OddEvenTemplate)));
        window.show();
        QTRY_COMPARE(window.preview()->pageCount(), 3);
        QCOMPARE(window.preview()->pageSize(1), window.preview()->pageSize(0)); // one layout for all
        const QByteArray before = window.document()->text();
        const int steps = window.document()->undoStack()->count();

        TestSupport::ModalAnswerer answer;
        answer.onNext<EditPageSetDlg>(makeEvenPagesEven);
        window.menuBar()->findChild<QAction*>(u"EditPageSetDlg"_s)->trigger();
        QVERIFY(answer.handled());

        QCOMPARE(window.document()->undoStack()->count(), steps + 1);
        QTRY_VERIFY(window.preview()->pageSize(1) != window.preview()->pageSize(0));
        QCOMPARE(window.preview()->pageCount(), 3);
        QVERIFY(window.preview()->pageSize(1).width() < window.preview()->pageSize(0).width());
        QCOMPARE(window.preview()->pageSize(2), window.preview()->pageSize(0));

        const QString saved = dir.filePath(u"saved.fo"_s);
        window.document()->save(saved);
        const SmartPtr<TemplateDocument> reopened = TemplateDocument::load(saved);
        const PageMasterData pageSet = TemplatePageSets(*reopened).current();
        QCOMPARE(pageSet.getReferencesCount(), 2);
        QCOMPARE(pageSet.getReferences()[0].getMasterName().toQString(), u"even"_s);
        QCOMPARE(pageSet.getReferences()[0].getConditionValue().toQString(), u"even"_s);
        QCOMPARE(pageSet.getReferences()[1].getMasterName().toQString(), u"odd"_s);
        QVERIFY(pageSet.getReferences()[1].getCondition().isEmpty());

        window.document()->undoStack()->undo();
        QCOMPARE(window.document()->text(), before);
    }

    void aHandWrittenPageSetKeepsWhatTheDialogDoesNotEdit()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(writeTemplate(dir, HandWrittenTemplate)));
        QString repeat;
        TestSupport::ModalAnswerer answer;
        answer.onNext<EditPageSetDlg>([&repeat](EditPageSetDlg* dialog) {
            repeat = dialog->control<QLineEdit>(EditPageSetDlg::IDC_REPEAT)->text();
            dialog->control<QTreeWidget>(EditPageSetDlg::IDC_TYPE_LIST)->setCurrentItem(
                dialog->control<QTreeWidget>(EditPageSetDlg::IDC_TYPE_LIST)->topLevelItem(0));
            dialog->findChild<QPushButton*>(u"downButton"_s)->click();
            dialog->accept();
        });
        window.menuBar()->findChild<QAction*>(u"EditPageSetDlg"_s)->trigger();
        QVERIFY(answer.handled());
        QCOMPARE(repeat, u"/doc/item"_s);
        const Xml::NamespaceMap prefixes = {{"fo", Xml::Namespaces::FO}, {"k", Xml::Namespaces::KMB}};
        const QString kept = u"/fo:root/fo:layout-master-set/fo:page-sequence-master[@master-name='set'][@id='keep']"
                             u"[@k:xpath='/doc/item']/fo:repeatable-page-master-alternatives[@maximum-repeats='5']"
                             u"/fo:conditional-page-master-reference[2][@page-position='rest'][@id='r']"_s;
        QCOMPARE(int(window.document()->root().find(kept, prefixes).size()), 1);
    }
};

UIEDITOR_TEST_CLASS(TestPageSetsCommand)
#include "tst_pagesetscommand.moc"
