// The markup of conditional sections and the rules of their list, and the
// parameters list as an author edits it.
#include "dialogs/data/editvariablesdlg.h"
#include "dialogs/data/insertconditionalsectionsdlg.h"
#include "dialogs/data/vareditdlg.h"
#include "dialogdriver.h"
#include "fakedocumentinformation.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using TestSupport::FakeDocumentInformation;

namespace {

bool isWellFormed(const QString& markup)
{
    QXmlStreamReader xml(u"<r xmlns:fo=\"urn:fo\" xmlns:kmb=\"urn:kmb\">"_s + markup + u"</r>"_s);
    while (!xml.atEnd()) {
        xml.readNext();
    }
    return !xml.hasError();
}

QListWidget* conditionList(InsertConditionalSectionsDlg& dialog)
{
    return dialog.control<QListWidget>(InsertConditionalSectionsDlg::IDC_CONDITIONS);
}

// The in-place editor of the list, while one is open.
QLineEdit* openEditor(QListWidget* list)
{
    const QList<QLineEdit*> editors = list->viewport()->findChildren<QLineEdit*>();
    for (QLineEdit* editor : editors) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

bool enabled(Dialog& dialog, int id)
{
    return dialog.control<QPushButton>(id)->isEnabled();
}

// "name=value;name=value": the parameters as one line.
QString joined(const std::vector<KMBVariable>& variables)
{
    QStringList parts;
    for (const KMBVariable& variable : variables) {
        parts << variable.getName().toQString() + u'=' + variable.getSelect().toQString();
    }
    return parts.join(u';');
}

} // namespace

class TestConditionsParameters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sectionMarkup_data()
    {
        QTest::addColumn<QStringList>("tests");
        QTest::addColumn<bool>("inlines");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("fallback only") << QStringList{} << false << u"<kmb:conditional-block-sequence><kmb:conditional-block><fo:block>Customize this fallback section.</fo:block></kmb:conditional-block></kmb:conditional-block-sequence>"_s;
        QTest::newRow("comparison") << QStringList{u"count(item) > 2"_s} << false << u"<kmb:conditional-block-sequence><kmb:conditional-block test=\"count(item) &gt; 2\"><fo:block>Customize this section for condition \"count(item) &gt; 2\".</fo:block></kmb:conditional-block><kmb:conditional-block><fo:block>Customize this fallback section.</fo:block></kmb:conditional-block></kmb:conditional-block-sequence>"_s;
        QTest::newRow("ampersand and quotes") << QStringList{u"a & b"_s, u"x='<y>'"_s} << true << u"<kmb:conditional-inline-sequence><kmb:conditional-inline test=\"a &amp; b\"><fo:inline>Condition \"a &amp; b\".</fo:inline></kmb:conditional-inline><kmb:conditional-inline test=\"x=&apos;&lt;y&gt;&apos;\"><fo:inline>Condition \"x=&apos;&lt;y&gt;&apos;\".</fo:inline></kmb:conditional-inline><kmb:conditional-inline><fo:inline>Fallback section.</fo:inline></kmb:conditional-inline></kmb:conditional-inline-sequence>"_s;
        QTest::newRow("quotation mark") << QStringList{u"@n = \"1\""_s} << true << u"<kmb:conditional-inline-sequence><kmb:conditional-inline test=\"@n = &quot;1&quot;\"><fo:inline>Condition \"@n = &quot;1&quot;\".</fo:inline></kmb:conditional-inline><kmb:conditional-inline><fo:inline>Fallback section.</fo:inline></kmb:conditional-inline></kmb:conditional-inline-sequence>"_s;
        // clang-format on
    }
    void sectionMarkup()
    {
        QFETCH(QStringList, tests);
        QFETCH(bool, inlines);
        QFETCH(QString, expected);
        InsertConditionalSectionsDlg dialog(makeSmart<FakeDocumentInformation>(), "/");
        dialog.addCondition(QString());
        for (const QString& test : tests) {
            dialog.addCondition(test);
        }
        dialog.addCondition(Core::String::formatS(63391)); // the fallback is there already
        const QString markup =
            (inlines ? dialog.getInlineConditionalSectionXml() : dialog.getConditionalSectionXml()).toQString();
        QCOMPARE(markup, expected);
        QVERIFY(isWellFormed(markup));
    }

    void firstRowIsTheFallbackAndStays()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        InsertConditionalSectionsDlg dialog(makeSmart<FakeDocumentInformation>(), "/invoice");
        dialog.addCondition("total > 100");
        int asked = 0;
        dialog.setConditionEditor([&asked](Core::String& condition) {
            ++asked;
            condition = u"total > 500"_s;
            return true;
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = conditionList(dialog);
        QCOMPARE(list->item(0)->text(), Core::String::formatS(63391).toQString());
        QVERIFY(enabled(dialog, InsertConditionalSectionsDlg::IDC_ADD));

        list->setCurrentRow(0);
        QVERIFY(!enabled(dialog, InsertConditionalSectionsDlg::IDC_EDIT));
        QVERIFY(!enabled(dialog, InsertConditionalSectionsDlg::IDC_REMOVE));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F2);
        QVERIFY(!openEditor(list));

        // A double-click on the fallback adds a test instead of editing it.
        const QPoint fallback = list->visualItemRect(list->item(0)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, fallback);
        QCOMPARE(asked, 1);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), Core::String::formatS(63391).toQString());

        // Renamed in place: the text typed replaces the test; an empty one is refused.
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_F2);
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = openEditor(list)) != nullptr);
        TestSupport::typeText(editor, u"total >= 100"_s);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits once the key press is handled.
        QTRY_COMPARE(dialog.getConditions().front().toQString(), u"total >= 100"_s);
        QTest::keyClick(list, Qt::Key_F2);
        QTRY_VERIFY((editor = openEditor(list)) != nullptr);
        TestSupport::typeText(editor, QString());
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(list->item(1)->text(), u"total >= 100"_s);

        dialog.control<QPushButton>(InsertConditionalSectionsDlg::IDC_REMOVE)->click();
        QCOMPARE(dialog.getConditions().size(), size_t(1));
        QCOMPARE(dialog.getConditions().front().toQString(), u"total > 500"_s);
        QCOMPARE(list->count(), 2);
    }

    void addCancelledInTheEditorChangesNothing()
    {
        // Without a sample the expression editor ends at once, cancelled.
        InsertConditionalSectionsDlg dialog(makeSmart<FakeDocumentInformation>(), "/");
        dialog.addCondition("a");
        dialog.show();
        const QString before = dialog.getConditionalSectionXml().toQString();
        dialog.control<QPushButton>(InsertConditionalSectionsDlg::IDC_ADD)->click();
        QCOMPARE(conditionList(dialog)->count(), 2);
        QCOMPARE(dialog.getConditionalSectionXml().toQString(), before);
    }

    void parameterListEdits_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        // Steps: "+name=value" adds, "N:name=value" edits row N, "-N" deletes
        // row N, "cancel" ends with Cancel instead of OK.
        // clang-format off
        QTest::newRow("untouched") << u""_s << u"a=1;b=$a * 2"_s;
        QTest::newRow("duplicate and empty names kept") << u"+a=3,+=4"_s << u"a=1;b=$a * 2;a=3;=4"_s;
        QTest::newRow("edit then delete") << u"1:c='x',-0"_s << u"c='x'"_s;
        QTest::newRow("delete all") << u"-0,-0"_s << u""_s;
        QTest::newRow("cancel keeps input") << u"-0,+z=9,cancel"_s << u"a=1;b=$a * 2"_s;
        // clang-format on
    }
    void parameterListEdits()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        EditVariablesDlg dialog({KMBVariable("a", "1"), KMBVariable("b", "$a * 2")});
        dialog.show();
        auto* list = dialog.control<QTableWidget>(EditVariablesDlg::IDC_VARIABLES);
        bool cancel = false;
        for (const QString& step : steps.split(u',', Qt::SkipEmptyParts)) {
            if (step == u"cancel") {
                cancel = true;
                continue;
            }
            if (step.startsWith(u'-')) {
                list->selectRow(step.mid(1).toInt());
                dialog.control<QPushButton>(EditVariablesDlg::IDC_DELETE)->click();
                continue;
            }
            const bool add = step.startsWith(u'+');
            const QString assignment = add ? step.mid(1) : step.section(u':', 1);
            TestSupport::ModalAnswerer answer;
            answer.onNext<VarEditDlg>([&assignment](VarEditDlg* editor) {
                TestSupport::typeText(editor->control<QLineEdit>(VarEditDlg::IDC_NAME), assignment.section(u'=', 0, 0));
                TestSupport::typeText(editor->control<QLineEdit>(VarEditDlg::IDC_DEFAULT_VALUE), assignment.section(u'=', 1));
                editor->accept();
            });
            if (add) {
                dialog.control<QPushButton>(EditVariablesDlg::IDC_ADD)->click();
            } else {
                // Edited by a double-click on its row, as a user does.
                const int row = step.section(u':', 0, 0).toInt();
                const QPoint cell = list->visualItemRect(list->item(row, 1)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
            }
            QVERIFY(answer.handled());
        }
        if (cancel) {
            dialog.control<QPushButton>(Win32::IDCANCEL)->click();
        } else {
            dialog.control<QPushButton>(Win32::IDOK)->click();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(joined(dialog.getVariables()), expected);
    }
};

UIEDITOR_TEST_CLASS(TestConditionsParameters)
#include "tst_conditionsparameters.moc"
