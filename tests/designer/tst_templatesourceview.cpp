// The designer's source view as a template author uses it: the markup with
// what the syntax catalogue does not know marked, Edit → Find and Replace with
// regular expressions, and edits that reach the template.
#include "designerwindow.h"
#include "frame/win32constants.h"
#include "recordingmessageboxfactory.h"
#include "sourcefindreplace.h"
#include "sourcehighlighter.h"
#include "sourcesearch.h"
#include "templatesourceview.h"
#include "testregistry.h"
#include "xml/widgets/xmlviewfindreplacedlg.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

using namespace Win32;

namespace {

const char* const templateText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
    "xmlns:kmb=\"http://www.varnel.com/kmb/1.0\" "
    "xmlns:my=\"urn:mine\">\n"
    "  <fo:layout-master-set><fo:simple-page-master master-name=\"p\" page-height=\"10cm\" "
    "page-width=\"10cm\">"
    "<fo:region-body/></fo:simple-page-master></fo:layout-master-set>\n"
    "  <fo:page-sequence master-reference=\"p\"><fo:flow flow-name=\"xsl-region-body\">\n"
    "    <fo:block id=\"first\" border-bottom-color=\"#112233\" src=\"x.png\">One <kmb:field "
    "xpath=\"/a\"/></fo:block>\n"
    "    <fo:block id=\"second\" colour=\"red\"\n"
    "              border-bottom-color=\"#445566\" master-name=\"m\">Two <my:thing/> "
    "<fo:blok/></fo:block>\n"
    "  </fo:flow></fo:page-sequence>\n"
    "</fo:root>\n";

SourceHighlighter::Verdict verdictAt(const TemplateSourceView* view, const QString& what,
                                     int occurrence = 0)
{
    const QString text = view->toPlainText();
    int position = -1;
    for (int i = 0; i <= occurrence; ++i) {
        position = int(text.indexOf(what, position + 1));
    }
    if (position < 0) {
        qFatal("\"%s\" is not in the source", qPrintable(what));
    }
    const QTextBlock block = view->document()->findBlock(position);
    const int inBlock = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (inBlock >= range.start && inBlock < range.start + range.length) {
            return SourceHighlighter::verdictOf(range.format);
        }
    }
    return SourceHighlighter::Verdict::Neutral;
}

template <class T> T* control(XmlViewFindReplaceDlg* dialog, int id)
{
    T* widget = dialog->control<T>(id);
    if (!widget) {
        qFatal("control %d not found: adapt this test", id);
    }
    return widget;
}

} // namespace

Q_DECLARE_METATYPE(SourceHighlighter::Verdict)

class TestTemplateSourceView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    XmlViewFindReplaceDlg* openFindReplace(DesignerWindow& window, const char* action)
    {
        window.menuBar()->findChild<QAction*>(QLatin1String(action))->trigger();
        XmlViewFindReplaceDlg* dialog = window.findReplace()->dialog();
        if (dialog) {
            [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(dialog);
        }
        return dialog;
    }

private Q_SLOTS:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("source.fo"));
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(templateText);
    }

    void namesAreMarkedByTheCatalogue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<SourceHighlighter::Verdict>("verdict");
        // clang-format off
        QTest::newRow("element") << u"fo:block"_s << 0 << SourceHighlighter::Verdict::Known;
        QTest::newRow("designer element") << u"kmb:field"_s << 0 << SourceHighlighter::Verdict::Known;
        QTest::newRow("misspelt element") << u"fo:blok"_s << 0 << SourceHighlighter::Verdict::Unknown;
        QTest::newRow("property") << u"border-bottom-color"_s << 0 << SourceHighlighter::Verdict::Known;
        QTest::newRow("designer attribute") << u"xpath"_s << 0 << SourceHighlighter::Verdict::Known;
        QTest::newRow("misspelt property") << u"colour"_s << 0 << SourceHighlighter::Verdict::Unknown;
        QTest::newRow("property of another object") << u"src"_s << 0 << SourceHighlighter::Verdict::NotTaken;
        // The start tag goes on over the line: its element still decides.
        QTest::newRow("next line, taken") << u"border-bottom-color"_s << 1 << SourceHighlighter::Verdict::Known;
        QTest::newRow("next line, not taken") << u"master-name"_s << 1 << SourceHighlighter::Verdict::NotTaken;
        QTest::newRow("other namespace") << u"my:thing"_s << 0 << SourceHighlighter::Verdict::Neutral;
        QTest::newRow("declaration") << u"xmlns:fo"_s << 0 << SourceHighlighter::Verdict::Neutral;
        // clang-format on
    }
    void namesAreMarkedByTheCatalogue()
    {
        QFETCH(QString, name);
        QFETCH(int, occurrence);
        QFETCH(SourceHighlighter::Verdict, verdict);
        DesignerWindow window;
        QVERIFY(window.openTemplate(m_path));
        QVERIFY(window.source()->toPlainText().contains(QStringLiteral("<fo:block id=\"second\"")));
        QCOMPARE(verdictAt(window.source(), name, occurrence), verdict);
    }

    void findWalksThroughRegularExpressionMatches()
    {
        DesignerWindow window;
        QVERIFY(window.openTemplate(m_path));
        window.show();
        XmlViewFindReplaceDlg* dialog = openFindReplace(window, "findAction");
        QVERIFY2(dialog, "Edit > Find opens the find window");
        QVERIFY(dialog->IsFindOnly());
        QTest::mouseClick(control<QCheckBox>(dialog, 1042), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClicks(control<QLineEdit>(dialog, 1152), QStringLiteral("id=\"[a-z]+\""));
        auto* findNext = control<QPushButton>(dialog, 1);
        QTest::mouseClick(findNext, Qt::LeftButton);
        QCOMPARE(window.source()->textCursor().selectedText(), QStringLiteral("id=\"first\""));
        QTest::mouseClick(findNext, Qt::LeftButton);
        QCOMPARE(window.source()->textCursor().selectedText(), QStringLiteral("id=\"second\""));
        // Past the last one, the search starts again at the top.
        QTest::mouseClick(findNext, Qt::LeftButton);
        QCOMPARE(window.source()->textCursor().selectedText(), QStringLiteral("id=\"first\""));

        // Nothing found leaves the selection and says so.
        control<QLineEdit>(dialog, 1152)->setText(QStringLiteral("fo:table"));
        QTest::mouseClick(findNext, Qt::LeftButton);
        QCOMPARE(window.source()->textCursor().selectedText(), QStringLiteral("id=\"first\""));
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("fo:table")));

        // A broken pattern is reported, not searched for.
        TestSupport::RecordingMessageBoxFactory messages;
        control<QLineEdit>(dialog, 1152)->setText(QStringLiteral("border-(left"));
        QTest::mouseClick(findNext, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().type, unsigned(Win32::MB_ICONWARNING));
    }

    void replaceAllReachesTheTemplate()
    {
        DesignerWindow window;
        QVERIFY(window.openTemplate(m_path));
        window.show();
        XmlViewFindReplaceDlg* dialog = openFindReplace(window, "replaceAction");
        QVERIFY(dialog && !dialog->IsFindOnly());
        QTest::mouseClick(control<QCheckBox>(dialog, 1042), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClicks(control<QLineEdit>(dialog, 1152),
                         QStringLiteral("border-bottom-color=\"#(\\d+)\""));
        QTest::keyClicks(control<QLineEdit>(dialog, 1153),
                         QStringLiteral("border-top-color=\"#\\1\""));
        QTest::mouseClick(control<QPushButton>(dialog, 1025), Qt::LeftButton);
        QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("2 occurrence")));

        // Once typing pauses, the template itself has changed.
        QTRY_VERIFY(!window.source()->hasPendingEdits());
        const std::vector<Xml::Node> blocks = window.document()->root().find(
            "//fo:block[@id]", {{"fo", "http://www.w3.org/1999/XSL/Format"}});
        QCOMPARE(int(blocks.size()), 2);
        QCOMPARE(Xml::Element(blocks[0]).get_attribute_value("border-top-color").toQString(),
                 QStringLiteral("#112233"));
        QCOMPARE(Xml::Element(blocks[1]).get_attribute_value("border-top-color").toQString(),
                 QStringLiteral("#445566"));
        QVERIFY(Xml::Element(blocks[0]).get_attribute_value("border-bottom-color").isEmpty());
        QVERIFY(window.document()->isModified());

        // Markup that does not parse leaves the template as it was.
        window.source()->textCursor().insertText(QStringLiteral("<fo:block"));
        window.source()->applyPendingEdits();
        QCOMPARE(int(window.document()
                         ->root()
                         .find("//fo:block[@id]", {{"fo", "http://www.w3.org/1999/XSL/Format"}})
                         .size()),
                 2);
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("source.fo")));
    }

    void searchFollowsTheOptions_data()
    {
        QTest::addColumn<QString>("findWhat");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("found");
        // clang-format off
        QTest::newRow("any case, down") << u"block"_s << FR_DOWN << false << 0 << 0;
        QTest::newRow("match case") << u"block"_s << (FR_DOWN | FR_MATCHCASE) << false << 0 << 6;
        QTest::newRow("whole word skips blocks") << u"block"_s << (FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE) << false << 7 << 20;
        QTest::newRow("whole word in any case") << u"BLOCK"_s << (FR_DOWN | FR_WHOLEWORD) << false << 1 << 6;
        QTest::newRow("whole word matching case") << u"BLOCK"_s << (FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE) << false << 1 << 27;
        QTest::newRow("up from the end") << u"block"_s << FR_MATCHCASE << false << 32 << 20;
        QTest::newRow("up wraps to the last") << u"BLOCK"_s << FR_MATCHCASE << false << 0 << 27;
        QTest::newRow("down wraps to the first") << u"Block"_s << (FR_DOWN | FR_MATCHCASE) << false << 1 << 0;
        QTest::newRow("brackets are text") << u"(block)"_s << FR_DOWN << false << 0 << 19;
        QTest::newRow("brackets group") << u"\\((b\\w+)\\)"_s << FR_DOWN << true << 0 << 19;
        QTest::newRow("none") << u"table"_s << FR_DOWN << false << 0 << -1;
        // clang-format on
    }
    void searchFollowsTheOptions()
    {
        QFETCH(QString, findWhat);
        QFETCH(unsigned, flags);
        QFETCH(bool, regex);
        QFETCH(int, from);
        QFETCH(int, found);
        const QString text = QStringLiteral("Block block blocks (block) BLOCK");
        const auto range = SourceSearch(findWhat, flags, regex).find(text, {from, from});
        QCOMPARE(range ? range->first : -1, found);
    }

    void replacementsExpandGroupsOnlyInPatterns()
    {
        const QString text = QStringLiteral("a1 b22 c\\3");
        int count = 0;
        QCOMPARE(SourceSearch(QStringLiteral("([a-z])(\\d+)"), FR_DOWN, true)
                     .replaceAll(text, QStringLiteral("\\2\\1\\\\"), &count),
                 QStringLiteral("1a\\ 22b\\ c\\3"));
        QCOMPARE(count, 2);
        QCOMPARE(SourceSearch(QStringLiteral("\\3"), FR_DOWN, false)
                     .replaceAll(text, QStringLiteral("\\1"), &count),
                 QStringLiteral("a1 b22 c\\1"));
        QCOMPARE(count, 1);
    }
};

UIEDITOR_TEST_CLASS(TestTemplateSourceView)
#include "tst_templatesourceview.moc"
