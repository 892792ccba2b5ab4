// The find and replace window driven as a user drives it, and what its host
// receives: the texts, the options as FR_* flags, the request, the closing.
#include "testregistry.h"
#include "xml/widgets/xmlviewfindreplacedlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Win32;

namespace {

// Control numbers of the find and replace template.
constexpr int findEditId = 1152;
constexpr int replaceEditId = 1153;
constexpr int wholeWordId = 1040;
constexpr int matchCaseId = 1041;
constexpr int regexId = 1042;
constexpr int upId = 1056;
constexpr int downId = 1057;
constexpr int directionId = 1072;
constexpr int findNextId = 1;
constexpr int replaceId = 1024;
constexpr int replaceAllId = 1025;
constexpr int closeId = 2;

template <class T> T* child(const XmlViewFindReplaceDlg& dialog, int id)
{
    T* widget = dialog.control<T>(id);
    if (!widget) {
        qFatal("control %d not found: adapt this test", id);
    }
    return widget;
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class TestXmlViewFindReplaceDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialTextsAreCutAtTheBuffer()
    {
        QWidget host;
        XmlViewFindReplaceDlg dialog;
        QVERIFY(dialog.Create(false, QString(1500, u'a'),
                              QString(1024, u'b') + QStringLiteral("tail"), FR_DOWN, &host));
        QCOMPARE(dialog.GetFindString().toQString(), QString(1024, u'a'));
        QCOMPARE(dialog.GetReplaceString().toQString(), QString(1024, u'b'));
        // A full field takes nothing more from the keyboard either.
        auto* find = child<QLineEdit>(dialog, findEditId);
        find->end(false);
        QTest::keyClicks(find, QStringLiteral("xyz"));
        QCOMPARE(dialog.GetFindString().length(), 1024);
        // A window of its own, beside the host's view, that does not block it.
        QCOMPARE(dialog.parentWidget(), &host);
        QVERIFY(dialog.isWindow());
        QVERIFY(!dialog.isModal());
        QVERIFY(!dialog.Create(true, "again", "", 0, &host));
    }

    void flagsSetTheOptions_data()
    {
        QTest::addColumn<bool>("findOnly");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<unsigned>("reported");
        QTest::addColumn<bool>("caseUsable");
        QTest::addColumn<bool>("wholeWordUsable");
        QTest::addColumn<bool>("directionShown");
        QTest::addColumn<bool>("directionEnabled");
        // clang-format off
        QTest::newRow("down, case") << true << (FR_DOWN | FR_MATCHCASE) << (FR_DOWN | FR_MATCHCASE) << true << true << true << true;
        QTest::newRow("up, whole word") << true << FR_WHOLEWORD << FR_WHOLEWORD << true << true << true << true;
        QTest::newRow("case disabled") << true << (FR_NOMATCHCASE | FR_MATCHCASE) << FR_MATCHCASE << false << true << true << true;
        QTest::newRow("whole word hidden") << true << FR_HIDEWHOLEWORD << 0u << true << false << true << true;
        QTest::newRow("direction disabled") << true << (FR_NOUPDOWN | FR_DOWN) << FR_DOWN << true << true << true << false;
        QTest::newRow("direction hidden") << true << FR_HIDEUPDOWN << 0u << true << true << false << true;
        // Replacing always goes down: no direction to choose.
        QTest::newRow("replace") << false << 0u << FR_DOWN << true << true << false << true;
        // clang-format on
    }
    void flagsSetTheOptions()
    {
        QFETCH(bool, findOnly);
        QFETCH(unsigned, flags);
        QFETCH(unsigned, reported);
        QFETCH(bool, caseUsable);
        QFETCH(bool, wholeWordUsable);
        QFETCH(bool, directionShown);
        QFETCH(bool, directionEnabled);
        XmlViewFindReplaceDlg dialog;
        dialog.Create(findOnly, "fo:block", "", flags);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.GetFlags(), reported);
        auto* matchCase = child<QCheckBox>(dialog, matchCaseId);
        auto* wholeWord = child<QCheckBox>(dialog, wholeWordId);
        auto* direction = child<QGroupBox>(dialog, directionId);
        QCOMPARE(matchCase->isVisible() && matchCase->isEnabled(), caseUsable);
        QCOMPARE(wholeWord->isVisible() && wholeWord->isEnabled(), wholeWordUsable);
        QCOMPARE(direction->isVisible(), directionShown);
        QCOMPARE(direction->isEnabled(), directionEnabled);
        QCOMPARE(child<QLineEdit>(dialog, replaceEditId)->isVisible(), !findOnly);
        QCOMPARE(child<QPushButton>(dialog, replaceAllId)->isVisible(), !findOnly);
    }

    void requestsReachTheHost()
    {
        XmlViewFindReplaceDlg dialog;
        dialog.Create(false, "", "", FR_DOWN);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSignalSpy findNext(&dialog, &XmlViewFindReplaceDlg::findNextRequested);
        QSignalSpy replace(&dialog, &XmlViewFindReplaceDlg::replaceRequested);
        QSignalSpy replaceAll(&dialog, &XmlViewFindReplaceDlg::replaceAllRequested);
        QSignalSpy terminating(&dialog, &XmlViewFindReplaceDlg::dialogTerminating);

        // GIVEN nothing to look for, no request can be made
        auto* findNextButton = child<QPushButton>(dialog, findNextId);
        QVERIFY(!findNextButton->isEnabled());
        QVERIFY(!child<QPushButton>(dialog, replaceAllId)->isEnabled());

        // WHEN the user types, sets the options and asks
        QTest::keyClicks(child<QLineEdit>(dialog, findEditId), QStringLiteral("fo:block"));
        QTest::keyClicks(child<QLineEdit>(dialog, replaceEditId), QStringLiteral("fo:inline"));
        click(child<QCheckBox>(dialog, matchCaseId));
        click(child<QCheckBox>(dialog, wholeWordId));
        click(findNextButton);
        click(child<QPushButton>(dialog, replaceId));
        click(child<QPushButton>(dialog, replaceAllId));

        // THEN each request carries the texts, the options and what was asked
        const unsigned options = FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD;
        QCOMPARE(findNext.count(), 1);
        QCOMPARE(findNext.at(0), (QVariantList{QStringLiteral("fo:block"), options | FR_FINDNEXT}));
        QCOMPARE(replace.count(), 1);
        QCOMPARE(replace.at(0), (QVariantList{QStringLiteral("fo:block"),
                                              QStringLiteral("fo:inline"), options | FR_REPLACE}));
        QCOMPARE(replaceAll.count(), 1);
        QCOMPARE(replaceAll.at(0).at(2).toUInt(), options | FR_REPLACEALL);

        // Enter in the field finds again; Escape closes and says so once.
        auto* find = child<QLineEdit>(dialog, findEditId);
        QTest::mouseClick(find, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), find);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(findNext.count(), 2);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(terminating.count(), 1);
        QCOMPARE(terminating.at(0).at(0).toUInt(), options | FR_DIALOGTERM);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(replace.count(), 1);
    }

    void directionGoesWithTheRadios()
    {
        XmlViewFindReplaceDlg dialog;
        dialog.Create(true, "total", "", FR_DOWN);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy findNext(&dialog, &XmlViewFindReplaceDlg::findNextRequested);
        click(child<QRadioButton>(dialog, upId));
        click(child<QPushButton>(dialog, findNextId));
        click(child<QRadioButton>(dialog, downId));
        click(child<QPushButton>(dialog, findNextId));
        QCOMPARE(findNext.count(), 2);
        QCOMPARE(findNext.at(0).at(1).toUInt(), FR_FINDNEXT);
        QCOMPARE(findNext.at(1).at(1).toUInt(), FR_DOWN | FR_FINDNEXT);
        click(child<QPushButton>(dialog, closeId));
        QVERIFY(!dialog.isVisible());
    }

    void regularExpressionOptionIsCarried()
    {
        XmlViewFindReplaceDlg dialog;
        dialog.SetRegularExpression(1);
        dialog.Create(true, "border-(left|right", "", FR_DOWN);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* regex = child<QCheckBox>(dialog, regexId);
        QVERIFY(regex->isChecked());
        QCOMPARE(dialog.GetRegularExpression(), 1);
        // The dialog leaves patterns to the host: even a broken one is passed on.
        QSignalSpy findNext(&dialog, &XmlViewFindReplaceDlg::findNextRequested);
        click(child<QPushButton>(dialog, findNextId));
        QCOMPARE(findNext.count(), 1);
        QCOMPARE(findNext.at(0).at(0).toString(), QStringLiteral("border-(left|right"));
        click(regex);
        QCOMPARE(dialog.GetRegularExpression(), 0);
    }
};

UIEDITOR_TEST_CLASS(TestXmlViewFindReplaceDlg)
#include "tst_xmlviewfindreplacedlg.moc"
