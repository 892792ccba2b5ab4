// Data > Parameters keeps the template's parameters; a save warns about names
// the stylesheet cannot take; and Insert > Conditional Section puts its markup
// at the selection. Each edit is one undoable step.
#include "dialogs/data/editvariablesdlg.h"
#include "dialogs/data/insertconditionalsectionsdlg.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "sampleinvoice.h"
#include "testregistry.h"

#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

class TestParametersCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parametersAreSavedReopenedAndOffered()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        const QString path = invoice.path;
        window.show();
        const int steps = window.document()->undoStack()->count();
        TestSupport::ModalAnswerer answer;
        answer.onNext<EditVariablesDlg>([](EditVariablesDlg* dialog) {
            dialog->addOrModifyItemList(u"currency"_s, u"'EUR' & \"x\""_s, -1);
            dialog->addOrModifyItemList(u"rate"_s, u"0.19"_s, -1);
            dialog->accept();
        });
        command(window, u"EditVariablesDlg"_s)->trigger();
        QVERIFY(answer.handled());
        QCOMPARE(window.document()->undoStack()->count(), steps + 1);
        QCOMPARE(window.document()->getVariables().size(), size_t(2));

        command(window, u"saveAction"_s)->trigger();
        DesignerWindow reopened;
        QVERIFY(reopened.openTemplate(path));
        const std::vector<KMBVariable> variables = reopened.document()->getVariables();
        QCOMPARE(variables.size(), size_t(2));
        QCOMPARE(variables[0].getSelect().toQString(), u"'EUR' & \"x\""_s);
        QCOMPARE(variables[1].getName().toQString(), u"rate"_s);

        // Replaced, not added to: a second edit leaves one declaration.
        TestSupport::ModalAnswerer again;
        again.onNext<EditVariablesDlg>([](EditVariablesDlg* dialog) {
            dialog->addOrModifyItemList(u"total"_s, u"sum(//amount)"_s, 0);
            dialog->accept();
        });
        command(reopened, u"EditVariablesDlg"_s)->trigger();
        QVERIFY(again.handled());
        QCOMPARE(reopened.document()->getVariables().size(), size_t(2));

        reopened.document()->undoStack()->undo();
        QCOMPARE(reopened.document()->getVariables().front().getName().toQString(), u"currency"_s);
    }

    void saveWarnsAboutNamesTheStylesheetCannotTake_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("warned");
        // clang-format off
        QTest::newRow("distinct") << QStringList{u"a"_s, u"b"_s} << false;
        QTest::newRow("duplicate") << QStringList{u"a"_s, u"b"_s, u"a"_s} << true;
        QTest::newRow("empty") << QStringList{u"a"_s, u" "_s} << true;
        QTest::newRow("no XML name") << QStringList{u"my rate"_s} << true;
        QTest::newRow("accented, digits") << QStringList{u"taux_réduit"_s, u"x-1.2"_s} << false;
        // clang-format on
    }
    void saveWarnsAboutNamesTheStylesheetCannotTake()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, warned);
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        const QString path = invoice.path;
        std::vector<KMBVariable> variables;
        for (const QString& name : names) {
            variables.emplace_back(name, u"1"_s);
        }
        window.document()->setVariables(variables);
        const QByteArray before = fileBytes(path);
        TestSupport::RecordingMessageBoxFactory messages;
        messages.answerWith({Win32::IDNO});
        command(window, u"saveAction"_s)->trigger();
        QCOMPARE(messages.count(), warned ? 1 : 0);
        QCOMPARE(fileBytes(path) == before, warned); // declined: the file stays as it was
        if (warned) {
            messages.answerWith({Win32::IDYES});
            command(window, u"saveAction"_s)->trigger();
            QVERIFY(fileBytes(path) != before);
        }
    }

    void conditionalSectionsGoWhereTheSelectionIs_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("inserted"); // where the sequence is expected
        // clang-format off
        QTest::newRow("blocks after a block") << u"//fo:block[@id='title']"_s << u"InsertConditionalSectionsDlg"_s << u"//fo:block[@id='title']/following-sibling::*[1]"_s;
        QTest::newRow("blocks after the block of a field") << u"//fo:block[@id='meta']/kmb:field[1]"_s << u"InsertConditionalSectionsDlg"_s << u"//fo:block[@id='meta']/following-sibling::*[1]"_s;
        QTest::newRow("inlines at the end of a block") << u"//fo:block[@id='title']"_s << u"InsertConditionalSectionsDlgInline"_s << u"//fo:block[@id='title']/*[last()]"_s;
        QTest::newRow("inlines after a field") << u"//fo:block[@id='meta']/kmb:field[1]"_s << u"InsertConditionalSectionsDlgInline"_s << u"//fo:block[@id='meta']/kmb:field[1]/following-sibling::*[1]"_s;
        // clang-format on
    }
    void conditionalSectionsGoWhereTheSelectionIs()
    {
        QFETCH(QString, selected);
        QFETCH(QString, action);
        QFETCH(QString, inserted);
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        window.selectObject(first(window, selected));
        TestSupport::ModalAnswerer answer;
        answer.onNext<InsertConditionalSectionsDlg>([](InsertConditionalSectionsDlg* dialog) {
            dialog->addCondition("count(lines/line) > 2 and @currency != 'A&B'");
            dialog->accept();
        });
        command(window, action)->trigger();
        QVERIFY(answer.handled());
        QVERIFY(first(window, inserted).get_local_name().toQString().endsWith(u"-sequence"_s));
        QCOMPARE(first(window, u"//*[@test]"_s).get_attribute_value("test").toQString(),
                 u"count(lines/line) > 2 and @currency != 'A&B'"_s);
        window.document()->undoStack()->undo();
        QVERIFY(first(window, u"//*[@test]"_s).isNull());
    }
};

UIEDITOR_TEST_CLASS(TestParametersCommand)
#include "tst_parameterscommand.moc"
