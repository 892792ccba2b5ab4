// The expression editor as a user drives it: navigating the sample, inserting
// from the lists and the toolbar, undo, the check, and the questions of OK
// and Cancel.
#include "frame/win32constants.h"
#include "recordingmessageboxfactory.h"
#include "sampledocument.h"
#include "testregistry.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;
using TestSupport::FakeDocumentInformation;
using TestSupport::RecordingMessageBoxFactory;

namespace {

constexpr int expressionId = 11202;
constexpr int objectListId = 11203;
constexpr int itemListId = 11204;
constexpr int detailListId = 11205;
constexpr int messageIconId = 11206;
constexpr int messageLineId = 11207;

QString text(unsigned id)
{
    return Core::String::formatS(id).toQString();
}

// A small invoice on disk, loaded the way the host loads its sample.
SmartPtr<FakeDocumentInformation> invoiceDocument(const QTemporaryDir& dir)
{
    auto document = TestSupport::documentWithSample(dir, "<invoice number=\"7\">\n"
                                                         "  <line id=\"1\"><price>12.50</price><name>Pen</name></line>\n"
                                                         "  <line id=\"2\"><price>3</price></line>\n"
                                                         "</invoice>\n");
    document->setVariables({KMBVariable("total", "sum(//price)"), KMBVariable("currency", "'A&B'"),
                            KMBVariable("none", "")});
    document->setScripts(
        {ManagedScript("my", "C#", "public string f(string s) { return s; }", {"f", "g"})});
    return document;
}

QLineEdit* expression(const XPathEditDlg& dialog)
{
    return dialog.control<QLineEdit>(expressionId);
}

QTreeWidget* list(const XPathEditDlg& dialog, int id)
{
    return dialog.control<QTreeWidget>(id);
}

QTreeWidgetItem* row(QTreeWidget* tree, const QString& label)
{
    const QList<QTreeWidgetItem*> found = tree->findItems(label, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

QPoint textPoint(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    return QPoint(tree->columnViewportPosition(0) + tree->columnWidth(0) - 3, rect.center().y());
}

void clickRow(QTreeWidget* tree, const QString& label)
{
    QTreeWidgetItem* item = row(tree, label);
    QVERIFY2(item, qPrintable(QStringLiteral("no row \"%1\"").arg(label)));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, textPoint(tree, item));
}

void doubleClickRow(QTreeWidget* tree, const QString& label)
{
    QTreeWidgetItem* item = row(tree, label);
    QVERIFY2(item, qPrintable(QStringLiteral("no row \"%1\"").arg(label)));
    // As a mouse does it: the first click, then the second that makes it double.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, textPoint(tree, item));
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, textPoint(tree, item));
}

// The icon sits at the start of the row.
void clickIcon(QTreeWidget* tree, const QString& label)
{
    QTreeWidgetItem* item = row(tree, label);
    QVERIFY2(item, qPrintable(QStringLiteral("no row \"%1\"").arg(label)));
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      QPoint(tree->columnViewportPosition(0) + 11, rect.center().y()));
}

void command(const XPathEditDlg& dialog, int id)
{
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->property("commandId").toInt() == id) {
            QToolBar* toolbar = dialog.findChild<QToolBar*>();
            auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
            QVERIFY2(button && button->isEnabled(),
                     qPrintable(QStringLiteral("command %1 cannot be clicked").arg(id)));
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no toolbar command %1").arg(id)));
}

bool commandEnabled(const XPathEditDlg& dialog, int id)
{
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->property("commandId").toInt() == id) {
            return action->isEnabled();
        }
    }
    return false;
}

void open(XPathEditDlg& dialog)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class TestXPathEditDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void navigatingAndInsertingNodes()
    {
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QString(), QStringLiteral("invoice/line"));
        open(dialog);
        QCOMPARE(dialog.control<QLineEdit>(11208)->text(), QStringLiteral("/invoice/line"));
        QCOMPARE(dialog.control<QLineEdit>(messageLineId)->text(), text(63099));
        QTreeWidget* nodes = list(dialog, itemListId);
        QCOMPARE(nodes->topLevelItem(0)->text(0), text(63073));
        QCOMPARE(row(nodes, QStringLiteral("id"))->text(1), QStringLiteral("1"));
        // A click on an icon moves into the node and inserts nothing.
        clickIcon(nodes, QStringLiteral("price"));
        QVERIFY(expression(dialog)->text().isEmpty());
        QVERIFY(!row(nodes, QStringLiteral("name")));
        // The toolbar brings the lists back to the context node.
        command(dialog, 11234);
        QVERIFY(row(nodes, QStringLiteral("price")));
    }

    void contextMissingFromTheSample()
    {
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QString(), QStringLiteral("/order/item"));
        open(dialog);
        QCOMPARE(dialog.control<QLineEdit>(messageLineId)->text(), text(63074));
        QCOMPARE(dialog.control(messageIconId)->property("icon").toUInt(), Win32::MB_ICONWARNING);
        doubleClickRow(list(dialog, itemListId), QStringLiteral("invoice"));
        QCOMPARE(expression(dialog)->text(), QStringLiteral("/invoice"));
    }

    void pathsFollowTheNavigation_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QStringList>("moves"); // icons clicked; ".." is the way up
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("inserted");
        // clang-format off
        QTest::newRow("child at the context") << u"/invoice/line"_s << QStringList() << u"price"_s << u"price"_s;
        QTest::newRow("attribute at the context") << u"/invoice/line"_s << QStringList() << u"id"_s << u"@id"_s;
        QTest::newRow("text below the context") << u"/invoice/line"_s << QStringList{"price"} << u"text()"_s << u"price/text()"_s;
        QTest::newRow("attribute above the context") << u"/invoice/line"_s << QStringList{".."} << u"number"_s << u"../@number"_s;
        QTest::newRow("down again to the context") << u"/invoice/line"_s << QStringList{"..", "line"} << u"price"_s << u"price"_s;
        QTest::newRow("two levels down") << u"/invoice"_s << QStringList{"line", "price"} << u"text()"_s << u"line/price/text()"_s;
        QTest::newRow("context not in the sample") << u"/order/item"_s << QStringList() << u"invoice"_s << u"/invoice"_s;
        QTest::newRow("below a context not in the sample") << u"/order/item"_s << QStringList{"invoice"} << u"line"_s << u"/invoice/line"_s;
        // clang-format on
    }

    void pathsFollowTheNavigation()
    {
        QFETCH(QString, context);
        QFETCH(QStringList, moves);
        QFETCH(QString, row);
        QFETCH(QString, inserted);
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QString(), context);
        open(dialog);
        QTreeWidget* nodes = list(dialog, itemListId);
        for (const QString& move : moves) {
            clickIcon(nodes, move == u".." ? text(63073) : move);
        }
        doubleClickRow(nodes, row);
        QCOMPARE(expression(dialog)->text(), inserted);
    }

    void pathsFromContextsTheListCannotShow_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("enter"); // element whose icon is clicked first, if any
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("missing, element") << u"/invoice/nosuch"_s << u"invoice"_s << u"line"_s << u"/invoice/line"_s;
        QTest::newRow("missing, attribute") << u"/invoice/nosuch"_s << u"invoice"_s << u"number"_s << u"/invoice/@number"_s;
        QTest::newRow("attribute, element") << u"/invoice/@number"_s << QString() << u"line"_s << u"../line"_s;
        QTest::newRow("attribute, itself") << u"/invoice/@number"_s << QString() << u"number"_s << u"../@number"_s;
        // clang-format on
    }

    void pathsFromContextsTheListCannotShow()
    {
        QFETCH(QString, context);
        QFETCH(QString, enter);
        QFETCH(QString, node);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QString(), context);
        open(dialog);
        QTreeWidget* nodes = list(dialog, itemListId);
        if (!enter.isEmpty()) {
            clickIcon(nodes, enter);
        }
        doubleClickRow(nodes, node);
        QCOMPARE(expression(dialog)->text(), expected);
    }

    void listsInsertOverTheSelection_data()
    {
        QTest::addColumn<unsigned>("objectRow");
        QTest::addColumn<QString>("itemRow");
        QTest::addColumn<QString>("detailRow"); // empty: the item row itself inserts
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("function") << 63107u << text(63114) << u"substring()"_s << u"a = substring() + c"_s;
        QTest::newRow("script function") << 63107u << u"my"_s << u"my:g"_s << u"a = my:g + c"_s;
        QTest::newRow("arithmetic operator") << 63108u << text(63115) << u">"_s << u"a = &gt; + c"_s;
        QTest::newRow("grouping operator") << 63108u << text(63121) << text(63126) << u"a = [] + c"_s;
        QTest::newRow("comparison") << 63108u << text(63118) << text(63129) << u"a = != + c"_s;
        QTest::newRow("constant") << 63109u << text(63119) << u"NaN"_s << u"a = NaN + c"_s;
        QTest::newRow("built-in variable") << 63110u << u"$KMCrtUTCDate"_s << QString() << u"a = $KMCrtUTCDate + c"_s;
        QTest::newRow("template variable") << 63110u << u"$total"_s << QString() << u"a = $total + c"_s;
        // clang-format on
    }

    void listsInsertOverTheSelection()
    {
        QFETCH(unsigned, objectRow);
        QFETCH(QString, itemRow);
        QFETCH(QString, detailRow);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QStringLiteral("a = b + c"),
                            QStringLiteral("/invoice"));
        open(dialog);
        expression(dialog)->setFocus();
        expression(dialog)->setSelection(4, 1);
        // Clicking the lists takes the focus from the expression; the selection still counts.
        clickRow(list(dialog, objectListId), text(objectRow));
        if (detailRow.isEmpty()) {
            doubleClickRow(list(dialog, itemListId), itemRow);
        } else {
            clickRow(list(dialog, itemListId), itemRow);
            doubleClickRow(list(dialog, detailListId), detailRow);
        }
        QCOMPARE(expression(dialog)->text(), expected);
        QCOMPARE(expression(dialog)->cursorPosition(),
                 int(expected.indexOf(QStringLiteral(" + c"))));
    }

    void functionRowsShowSignatureAndDescription()
    {
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QString(), QStringLiteral("/invoice"));
        open(dialog);
        clickRow(list(dialog, objectListId), text(63107));
        clickRow(list(dialog, itemListId), text(63111));
        QTreeWidget* functions = list(dialog, detailListId);
        // Script functions come first, then the three predefined groups.
        QCOMPARE(functions->topLevelItem(0)->text(0), QStringLiteral("my:f"));
        QCOMPARE(functions->topLevelItemCount(), 2 + 23);
        clickRow(functions, QStringLiteral("format-number()"));
        QCOMPARE(dialog.control<QLabel>(11209)->text(),
                 QStringLiteral("string format-number(number, string, string?)"));
        QCOMPARE(dialog.control<QLabel>(11210)->text(), text(63097));
        QVERIFY(dialog.control<QLabel>(11209)->font().bold());
    }

    void toolbarInsertsPlainOperators()
    {
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), QStringLiteral("price"),
                            QStringLiteral("/invoice/line"));
        open(dialog);
        command(dialog, 11221);
        command(dialog, 11227);
        QCOMPARE(expression(dialog)->text(), QStringLiteral("price>not()"));
    }

    void quickTypingIsOneUndoStep()
    {
        QTemporaryDir dir;
        RecordingMessageBoxFactory messages;
        XPathEditDlg dialog(invoiceDocument(dir), QStringLiteral("count(x)"),
                            QStringLiteral("/invoice"));
        qint64 now = 5000;
        dialog.setClock([&now] { return now; });
        open(dialog);
        QVERIFY(!commandEnabled(dialog, 11231));
        for (const char key : QByteArray(" > 1")) {
            QTest::keyClick(expression(dialog), key);
            now += 300; // within a second of the previous key
        }
        now += 2000;
        QTest::keyClicks(expression(dialog), QStringLiteral("0"));
        QCOMPARE(expression(dialog)->text(), QStringLiteral("count(x) > 10"));

        command(dialog, 11231);
        QCOMPARE(expression(dialog)->text(), QStringLiteral("count(x) > 1"));
        QVERIFY(commandEnabled(dialog, 11232));
        command(dialog, 11231);
        QCOMPARE(expression(dialog)->text(), QStringLiteral("count(x)"));
        QVERIFY(!commandEnabled(dialog, 11231));
        command(dialog, 11232);
        QCOMPARE(expression(dialog)->text(), QStringLiteral("count(x) > 1"));

        // A changed expression is only given up after a question; No keeps the dialog.
        messages.answerWith({Win32::IDNO});
        dialog.reject();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, 63104u);
        QVERIFY(dialog.isVisible());
        // Undone back to where it started, there is nothing to lose.
        command(dialog, 11231);
        dialog.reject();
        QCOMPARE(messages.count(), 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void checkShowsItsVerdict_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected"); // empty: valid
        // clang-format off
        QTest::newRow("quotes and apostrophe") << u"concat(\"it's\", 'a \"b\"')"_s << QString();
        QTest::newRow("less and greater") << u"count(line) < 2 and 3 > 1"_s << QString();
        QTest::newRow("entity form") << u"1 &lt;= 2"_s << QString();
        QTest::newRow("variables and script") << u"my:f($total) = $KMOutputFormat or $currency = $none"_s << QString();
        QTest::newRow("syntax error") << u"line[@id = "_s << u"Invalid expression"_s;
        QTest::newRow("unknown function") << u"nosuch(1)"_s << u"Unregistered function"_s;
        QTest::newRow("other files") << u"document('/etc/passwd')"_s << u"Reading \"/etc/passwd\" was refused"_s;
        // clang-format on
    }

    void checkShowsItsVerdict()
    {
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), expression, QStringLiteral("/invoice"));
        open(dialog);
        command(dialog, 11233);
        const QString message = dialog.control<QLineEdit>(messageLineId)->text();
        const unsigned icon = dialog.control(messageIconId)->property("icon").toUInt();
        if (expected.isEmpty()) {
            QCOMPARE(message, text(63100));
            QCOMPARE(icon, Win32::MB_ICONINFORMATION);
        } else {
            QVERIFY2(message.contains(expected), qPrintable(message));
            QVERIFY2(!message.contains(u'\n'), qPrintable(message));
            QCOMPARE(icon, Win32::MB_ICONERROR);
        }
    }

    void okChecksAndAsks()
    {
        QTemporaryDir dir;
        RecordingMessageBoxFactory messages;
        XPathEditDlg dialog(invoiceDocument(dir), QString(), QStringLiteral("/invoice"));
        open(dialog);
        dialog.accept();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, 63373u);
        QVERIFY(dialog.isVisible());

        expression(dialog)->setText(QStringLiteral("line["));
        messages.answerWith({Win32::IDNO});
        dialog.accept();
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.last().type, Win32::MB_YESNO | Win32::MB_ICONWARNING);
        QVERIFY(messages.last().text.startsWith(text(63101)));
        QVERIFY(messages.last().text.contains(QStringLiteral("Invalid expression")));
        QVERIFY(messages.last().text.endsWith(text(63102)));
        QVERIFY(dialog.isVisible());

        messages.answerWith({Win32::IDYES});
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getXPath(false).toQString(), QStringLiteral("line["));
    }

    void resultComesBackUnescapedOrEscaped()
    {
        QTemporaryDir dir;
        RecordingMessageBoxFactory messages;
        XPathEditDlg dialog(invoiceDocument(dir), QStringLiteral("@number &gt; 5 and \"x\" != 'y'"),
                            QStringLiteral("/invoice"));
        open(dialog);
        dialog.accept();
        QCOMPARE(messages.count(), 0); // valid: no question
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getXPath(false).toQString(),
                 QStringLiteral("@number > 5 and \"x\" != 'y'"));
        QCOMPARE(dialog.getXPath(true).toQString(),
                 QStringLiteral("@number &gt; 5 and &quot;x&quot; != &apos;y&apos;"));
    }

    void withoutSampleEndsCancelled()
    {
        RecordingMessageBoxFactory messages;
        auto document = makeSmart<FakeDocumentInformation>();
        XPathEditDlg dialog(document, QStringLiteral("a"), QStringLiteral("/"));
        QCOMPARE(dialog.DoModal(), Win32::IDCANCEL);
        QCOMPARE(messages.count(), 0);
    }

    void secondRunStartsFromTheInputs()
    {
        RecordingMessageBoxFactory messages; // agrees to drop the change
        QTemporaryDir dir;
        XPathEditDlg dialog(invoiceDocument(dir), u"price"_s, u"/invoice/line"_s);
        open(dialog);
        expression(dialog)->setText(u"changed"_s);
        clickIcon(list(dialog, itemListId), u"price"_s);
        clickRow(list(dialog, objectListId), text(63108));
        dialog.reject();
        QVERIFY(!dialog.isVisible());

        open(dialog);
        QCOMPARE(expression(dialog)->text(), u"price"_s);
        QVERIFY(row(list(dialog, itemListId), u"price"_s));
        QCOMPARE(dialog.findChildren<QToolBar*>().size(), 1);
    }
};

UIEDITOR_TEST_CLASS(TestXPathEditDlg)
#include "tst_xpatheditdlg.moc"
