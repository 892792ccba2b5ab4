// Insert > Page Number puts a page number or the number of pages into the
// selected block as one undoable step; the number style goes to the page
// sequence, which XSL-FO formats its page numbers by, and both survive saving
// and reopening.
#include "dialogs/insert/insertpagenumberdlg.h"
#include "dialogdriver.h"
#include "modalanswerer.h"
#include "sampleinvoice.h"
#include "testregistry.h"

#include <QComboBox>
#include <QPushButton>
#include <QUndoStack>

using namespace Qt::StringLiterals;

class TestFieldCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberOfPagesInsertedUndoneAndReopened()
    {
        DesignerTest::SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const Xml::Element block = DesignerTest::first(window, u"//fo:flow//fo:block"_s);
        QVERIFY(!block.isNull());
        window.selectObject(block);
        const QByteArray before = window.document()->text();

        TestSupport::ModalAnswerer answer;
        answer.onNext<InsertPageNumberDlg>([](InsertPageNumberDlg* dialog) {
            TestSupport::pickEntry(dialog->control<QComboBox>(InsertPageNumberDlg::IDC_ELEMENT_TYPE),
                                   u"Total Number of Pages"_s);
            TestSupport::pickEntry(dialog->control<QComboBox>(InsertPageNumberDlg::IDC_FORMAT),
                                   u"i ii iii iv v vi vii viii ix x..."_s);
            dialog->accept();
        });
        DesignerTest::command(window, u"InsertPageNumberDlg"_s)->trigger();
        QVERIFY(answer.handled());

        const auto check = [](const SmartPtr<TemplateDocument>& document) {
            const Xml::Element citation =
                DesignerTest::first(document, u"//fo:flow//fo:block/fo:page-number-citation-last"_s);
            QVERIFY(!citation.isNull());
            const Xml::Element sequence = DesignerTest::first(document, u"//fo:page-sequence"_s);
            QCOMPARE(sequence.get_attribute_value("format").toQString(), u"i"_s);
            QVERIFY(!citation.get_attribute_value("ref-id").isEmpty());
            QCOMPARE(citation.get_attribute_value("ref-id"), sequence.get_attribute_value("id"));
        };
        check(window.document());
        QCOMPARE(window.document()->undoStack()->count(), 1);

        window.document()->undoStack()->undo();
        QCOMPARE(window.document()->text(), before);
        window.document()->undoStack()->redo();

        const QString saved = invoice.dir.filePath(u"with-pages.fo"_s);
        window.document()->save(saved);
        QVERIFY(window.openTemplate(saved));
        check(window.document());
    }
};

UIEDITOR_TEST_CLASS(TestFieldCommands)
#include "tst_fieldcommands.moc"
