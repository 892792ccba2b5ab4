// Page sets: where a new page layout reference goes, which page sets OK
// accepts, and the two dialogs as an author fills them in.
#include "dialogs/page/addpagetypedlg.h"
#include "dialogs/page/editpagesetdlg.h"
#include "dialogs/page/pagesetrules.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// A reference written as layout:use, the use being all, once, a maximum
// (3, no-limit), a condition value (first, last, odd, even, blank,
// not-blank) or any (the fallback).
ReferenceInfo referenceOf(const QString& text)
{
    const QString name = text.section(u':', 0, 0);
    const QString use = text.section(u':', 1);
    if (use == u"all"_s) {
        return {ReferenceInfo::AllPages, name};
    }
    if (use == u"once"_s) {
        return {ReferenceInfo::OneTimeOnly, name};
    }
    if (use == u"no-limit"_s || use.toInt() > 0) {
        return {ReferenceInfo::MultipleTimes, name, {}, {}, use};
    }
    if (use == u"any"_s) {
        return {ReferenceInfo::Conditional, name};
    }
    const QString condition = use == u"first"_s || use == u"last"_s ? u"page-position"_s
                              : use.contains(u"blank"_s)            ? u"blank-or-not-blank"_s
                                                                    : u"odd-or-even"_s;
    return {ReferenceInfo::Conditional, name, condition, use};
}

PageMasterData pageSetOf(const QString& list)
{
    PageMasterData data;
    for (const QString& text : list.split(u',', Qt::SkipEmptyParts)) {
        data.references().push_back(referenceOf(text));
    }
    return data;
}

QString listOf(const PageMasterData& data)
{
    QStringList texts;
    for (const ReferenceInfo& reference : data.getReferences()) {
        QString use;
        switch (reference.getType()) {
        case ReferenceInfo::AllPages:
            use = u"all"_s;
            break;
        case ReferenceInfo::OneTimeOnly:
            use = u"once"_s;
            break;
        case ReferenceInfo::MultipleTimes:
            use = reference.getMaximumRepeat().toQString();
            break;
        default:
            use = reference.getConditionValue().isEmpty() ? u"any"_s : reference.getConditionValue().toQString();
        }
        texts << reference.getMasterName().toQString() + u':' + use;
    }
    return texts.join(u',');
}

QStringList rows(EditPageSetDlg& dialog)
{
    auto* list = dialog.control<QTreeWidget>(EditPageSetDlg::IDC_TYPE_LIST);
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        texts << list->topLevelItem(i)->text(0);
    }
    return texts;
}

QPushButton* button(QDialog& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

// Answers the Add dialog: the layout `layout` with the use chosen by the
// radio `radio` and, for conditions, the condition list's item `condition`.
void addThroughDialog(EditPageSetDlg& dialog, const QString& layout, const QString& radio, int condition)
{
    TestSupport::ModalAnswerer answer;
    answer.onNext<AddPageTypeDlg>([&](AddPageTypeDlg* add) {
        auto* list = add->control<QTreeWidget>(AddPageTypeDlg::IDC_LAYOUT_LIST);
        list->setCurrentItem(list->findItems(layout, Qt::MatchExactly).value(0));
        add->findChild<QRadioButton*>(radio)->click();
        if (condition >= 0) {
            auto* combo = add->control<QComboBox>(AddPageTypeDlg::IDC_CONDITION);
            combo->setCurrentIndex(condition);
            Q_EMIT combo->activated(condition);
        }
        add->accept();
    });
    button(dialog, u"&Add"_s)->click();
    QVERIFY(answer.handled());
}

} // namespace

class TestPageSets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void referenceGoesWhereItBelongs_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("masterName");
        // clang-format off
        QTest::newRow("first for all pages names the set") << u""_s << u"P:all"_s << u"P:all"_s << u"P"_s;
        QTest::newRow("all pages replaces the catch-all") << u"P:all"_s << u"Q:all"_s << u"Q:all"_s << u"Q"_s;
        QTest::newRow("all pages takes the fallback's place") << u"O:odd,P:any"_s << u"Q:all"_s << u"O:odd,Q:any"_s << u""_s;
        QTest::newRow("all pages after conditions is the fallback") << u"O:odd"_s << u"Q:all"_s << u"O:odd,Q:any"_s << u""_s;
        QTest::newRow("any other page turns the catch-all") << u"P:all"_s << u"Q:any"_s << u"Q:any"_s << u""_s;
        QTest::newRow("any other page replaces the fallback") << u"O:odd,P:any"_s << u"Q:any"_s << u"O:odd,Q:any"_s << u""_s;
        QTest::newRow("any other page is appended") << u"F:once"_s << u"Q:any"_s << u"F:once,Q:any"_s << u""_s;
        QTest::newRow("odd before the catch-all") << u"P:all"_s << u"O:odd"_s << u"O:odd,P:any"_s << u""_s;
        QTest::newRow("even goes to the front") << u"O:odd,P:any"_s << u"E:even"_s << u"E:even,O:odd,P:any"_s << u""_s;
        QTest::newRow("same condition replaces") << u"O:odd,P:any"_s << u"Q:odd"_s << u"Q:odd,P:any"_s << u""_s;
        QTest::newRow("condition after the first conditions") << u"F:once,L:last,P:any,G:once,H:once"_s << u"A:first"_s << u"F:once,L:last,P:any,A:first,G:once,H:once"_s << u""_s;
        QTest::newRow("condition before all when they end the list") << u"F:once,O:odd,P:any"_s << u"E:even"_s << u"E:even,F:once,O:odd,P:any"_s << u""_s;
        QTest::newRow("condition into a list that ends in one") << u"F:once,M:3"_s << u"O:odd"_s << u"O:odd,F:once,M:3"_s << u""_s;
        QTest::newRow("once before the fallback") << u"O:odd,P:any"_s << u"F:once"_s << u"O:odd,F:once,P:any"_s << u""_s;
        QTest::newRow("once before the catch-all") << u"P:all"_s << u"F:once"_s << u"F:once,P:any"_s << u""_s;
        QTest::newRow("repeated without fallback is appended") << u"O:odd"_s << u"M:3"_s << u"O:odd,M:3"_s << u""_s;
        QTest::newRow("into an empty set") << u""_s << u"O:odd"_s << u"O:odd"_s << u""_s;
        // clang-format on
    }
    void referenceGoesWhereItBelongs()
    {
        QFETCH(QString, before);
        QFETCH(QString, added);
        QFETCH(QString, after);
        QFETCH(QString, masterName);
        PageMasterData data = pageSetOf(before);
        PageSetRules::addReference(data, referenceOf(added));
        QCOMPARE(listOf(data), after);
        QCOMPARE(data.getMasterName().toQString(), masterName);
    }

    void okRefusesASetThatRunsOutOfPages_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("accepted");
        // clang-format off
        QTest::newRow("one layout for all pages") << u"P:all"_s << true;
        QTest::newRow("odd and even") << u"O:odd,E:even"_s << true;
        QTest::newRow("odd alone") << u"O:odd"_s << false;
        QTest::newRow("blank and not blank") << u"B:blank,N:not-blank"_s << true;
        QTest::newRow("odd and blank") << u"O:odd,B:blank"_s << false;
        QTest::newRow("repeated without limit") << u"F:once,M:no-limit"_s << true;
        QTest::newRow("repeated three times") << u"F:once,M:3"_s << false;
        QTest::newRow("a fallback") << u"A:first,P:any"_s << true;
        // clang-format on
    }
    void okRefusesASetThatRunsOutOfPages()
    {
        QFETCH(QString, list);
        QFETCH(bool, accepted);
        TestSupport::RecordingMessageBoxFactory messages;
        EditPageSetDlg dialog(pageSetOf(list), nullptr);
        dialog.show();
        dialog.control<QPushButton>(Win32::IDOK)->click();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(messages.count(), accepted ? 0 : 1);
        if (!accepted) {
            QCOMPARE(messages.last().textId, 63337u);
        }
    }

    void addingThroughTheDialogsBuildsAnAlternatingSet()
    {
        PageMasterData start = pageSetOf(u"odd:all"_s);
        start.setMasterName("odd");
        EditPageSetDlg dialog(start, nullptr);
        dialog.setSimpleMasters({"odd", "even", "cover"});
        dialog.show();
        QCOMPARE(dialog.windowTitle(), Core::String::formatS(63336).toQString());
        addThroughDialog(dialog, u"even"_s, u"conditionalRadio"_s, 3);
        addThroughDialog(dialog, u"cover"_s, u"conditionalRadio"_s, 0);
        QCOMPARE(rows(dialog), (QStringList{u"cover (First Page)"_s, u"even (Even Pages)"_s, u"odd (Any Other Page)"_s}));
        QCOMPARE(listOf(dialog.getMasterData()), u"cover:first,even:even,odd:any"_s);

        // The added reference stays selected: it moves down, then goes.
        QVERIFY(!button(dialog, u"&Up"_s)->isEnabled());
        button(dialog, u"&Down"_s)->click();
        QCOMPARE(listOf(dialog.getMasterData()), u"even:even,cover:first,odd:any"_s);
        button(dialog, u"R&emove"_s)->click();
        QCOMPARE(listOf(dialog.getMasterData()), u"even:even,odd:any"_s);
        QCOMPARE(rows(dialog).size(), 2);
        QVERIFY(!button(dialog, u"&Down"_s)->isEnabled()); // the last row is selected now
        button(dialog, u"R&emove"_s)->click();
        button(dialog, u"R&emove"_s)->click();
        QVERIFY(!dialog.control<QPushButton>(Win32::IDOK)->isEnabled());
        QVERIFY(dialog.getMasterData().getMasterName().isEmpty());
    }

    void maximumRepeatsAreANumberOfAtLeastOne_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("maximum");
        // clang-format off
        QTest::newRow("three") << u"3"_s << u"3"_s;
        QTest::newRow("zero") << u"0"_s << u""_s;
        QTest::newRow("no number") << u"x"_s << u""_s;
        // clang-format on
    }
    void maximumRepeatsAreANumberOfAtLeastOne()
    {
        QFETCH(QString, typed);
        QFETCH(QString, maximum);
        TestSupport::RecordingMessageBoxFactory messages;
        AddPageTypeDlg dialog;
        dialog.setAvailMasters({"body"});
        dialog.show();
        QCOMPARE(dialog.windowTitle(), Core::String::formatS(63206).toQString());
        dialog.findChild<QRadioButton*>(u"multipleRadio"_s)->click();
        auto* combo = dialog.control<QComboBox>(AddPageTypeDlg::IDC_MAXIMUM_REPEATS);
        QCOMPARE(combo->currentText(), Core::String::formatS(63192).toQString());
        combo->setCurrentIndex(1);
        Q_EMIT combo->activated(1);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), typed);
        dialog.control<QPushButton>(Win32::IDOK)->click();
        QCOMPARE(dialog.isVisible(), maximum.isEmpty());
        QCOMPARE(messages.count(), maximum.isEmpty() ? 1 : 0);
        if (maximum.isEmpty()) {
            QCOMPARE(messages.last().textId, 63204u);
        } else {
            QCOMPARE(dialog.getReference().getMaximumRepeat().toQString(), maximum);
            QCOMPARE(dialog.getReference().getMasterName().toQString(), u"body"_s);
        }
    }
};

UIEDITOR_TEST_CLASS(TestPageSets)
#include "tst_pagesets.moc"
