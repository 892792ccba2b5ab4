// Page > Page Layouts: a new layout, an edited one and a deleted one are each
// one undoable step of the template and survive saving; a layout that a page
// sequence uses is not deleted.
#include "dialogdriver.h"
#include "dialogs/page/pagelayoutdlg.h"
#include "dialogs/page/pagemasternamedlg.h"
#include "modalanswerer.h"
#include "outside/types/simplepagemasterxml.h"
#include "pagelayoutlist.h"
#include "recordingmessageboxfactory.h"
#include "sampleinvoice.h"
#include "testregistry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

constexpr int FormatCombo = 12318;

// Runs Page > Page Layouts and does `work` in its list, then closes it.
bool inLayoutList(DesignerWindow& window, const std::function<void(PageLayoutList*)>& work)
{
    TestSupport::ModalAnswerer answer(20000);
    answer.onNext<PageLayoutList>([&work](PageLayoutList* list) {
        work(list);
        list->reject();
    });
    command(window, u"PageLayoutDlg"_s)->trigger();
    return answer.handled();
}

void choose(PageLayoutList* list, const QString& name)
{
    list->list()->setCurrentItem(list->list()->findItems(name, Qt::MatchExactly).value(0));
}

PageLayoutData layoutNamed(const SmartPtr<TemplateDocument>& document, const QString& name)
{
    return SimplePageMasterXml::read(first(document, u"//fo:simple-page-master[@master-name='%1']"_s.arg(name)));
}

} // namespace

class TestPageLayoutsCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutsAreAddedEditedAndDeletedAsUndoableSteps()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const SmartPtr<TemplateDocument> document = window.document();
        const int steps = document->undoStack()->count();
        const QByteArray before = document->text();

        QVERIFY(inLayoutList(window, [](PageLayoutList* list) {
            TestSupport::ModalAnswerer name;
            name.onNext<PageMasterNameDlg>([](PageMasterNameDlg* dialog) {
                TestSupport::typeText(dialog->findChild<QLineEdit*>(), u"odd"_s);
                dialog->accept();
            });
            TestSupport::ModalAnswerer layout;
            layout.onNext<PageLayoutDlg>([](PageLayoutDlg* dialog) {
                TestSupport::pickEntry(dialog->control<QComboBox>(FormatCombo), u"A5"_s);
                dialog->accept();
            });
            QTest::mouseClick(list->newButton(), Qt::LeftButton);
            QVERIFY(name.handled() && layout.handled());
            QCOMPARE(list->list()->count(), 2);

            // Used by the page sequence: refused, with the reason.
            choose(list, u"invoice-page"_s);
            QTest::mouseClick(list->deleteButton(), Qt::LeftButton);
        }));
        QCOMPARE(document->undoStack()->count(), steps + 1);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(u"a page sequence"_s));
        QCOMPARE(layoutNamed(document, u"odd"_s).getWidth().getValueAsString().toQString(), u"424.8pt"_s);

        // Edited with Cancel: nothing changes; with OK: one step.
        QVERIFY(inLayoutList(window, [](PageLayoutList* list) {
            choose(list, u"invoice-page"_s);
            for (const bool keep : {false, true}) {
                TestSupport::ModalAnswerer layout;
                layout.onNext<PageLayoutDlg>([keep](PageLayoutDlg* dialog) {
                    TestSupport::pickEntry(dialog->control<QComboBox>(FormatCombo), u"A3 Landscape"_s);
                    keep ? dialog->accept() : dialog->reject();
                });
                QTest::mouseClick(list->editButton(), Qt::LeftButton);
                QVERIFY(layout.handled());
            }
        }));
        QCOMPARE(document->undoStack()->count(), steps + 2);
        const PageLayoutData edited = layoutNamed(document, u"invoice-page"_s);
        QCOMPARE(edited.getWidth().getValueAsString().toQString(), u"1188pt"_s);
        QCOMPARE(edited.getRegion(PageLayoutData::Before).getExtent().getValueAsString().toQString(), u"2.2cm"_s);

        command(window, u"saveAction"_s)->trigger();
        DesignerWindow reopened;
        QVERIFY(reopened.openTemplate(invoice.path));
        QVERIFY(layoutNamed(reopened.document(), u"odd"_s) == layoutNamed(document, u"odd"_s));
        QVERIFY(layoutNamed(reopened.document(), u"invoice-page"_s) == edited);

        QVERIFY(inLayoutList(window, [](PageLayoutList* list) {
            choose(list, u"odd"_s);
            QTest::mouseClick(list->deleteButton(), Qt::LeftButton);
            QCOMPARE(list->list()->count(), 1);
        }));
        QVERIFY(first(document, u"//fo:simple-page-master[@master-name='odd']"_s).isNull());
        QCOMPARE(document->undoStack()->count(), steps + 3);
        document->undoStack()->setIndex(steps);
        QCOMPARE(document->text(), before);
    }
};

UIEDITOR_TEST_CLASS(TestPageLayoutsCommand)
#include "tst_pagelayoutscommand.moc"
