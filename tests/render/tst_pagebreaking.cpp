// Where pages break: keeps, widows and orphans, page masters for the last
// and blank pages, footnotes, page-number citations, leaders, hyphenation,
// and documents that ask for the impossible.
#include "outside/render/viewengine.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace RenderTest;
using Kind = ViewLayoutBox::Kind;

namespace {

/// Blocks of one 20-pixel line each, named `prefix` 0, 1, ...
QString lines(int count, const QString& prefix = u"Line"_s)
{
    QString flow;
    for (int i = 0; i < count; ++i) {
        flow += u"<fo:block>%1 %2</fo:block>"_s.arg(prefix).arg(i);
    }
    return flow;
}

/// A 200 x 100 page of five 20-pixel lines; `sequence` holds the page
/// sequences, `masters` more masters.
QString pages(const QString& sequences, const QString& masters = QString())
{
    return u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" font-family=\"Times\" "
           "font-size=\"12pt\" line-height=\"20px\"><fo:layout-master-set>"
           "<fo:simple-page-master master-name=\"p\" page-width=\"200px\" page-height=\"100px\">"
           "<fo:region-body/></fo:simple-page-master>%2</fo:layout-master-set>%1</fo:root>"_s.arg(
               sequences, masters);
}

QString sequence(const QString& flow, const QString& attributes = QString(),
                 const QString& master = u"p"_s)
{
    return u"<fo:page-sequence master-reference=\"%1\" %2><fo:flow "
           "flow-name=\"xsl-region-body\">%3</fo:flow></fo:page-sequence>"_s.arg(master, attributes,
                                                                                 flow);
}

/// A sequence on `master` whose footnotes stand under a 4-pixel rule.
QString withSeparator(const QString& flow, const QString& master = u"p"_s)
{
    return u"<fo:page-sequence master-reference=\"%1\"><fo:static-content "
           "flow-name=\"xsl-footnote-separator\"><fo:block line-height=\"4px\"><fo:leader "
           "leader-pattern=\"rule\" leader-length=\"50px\"/></fo:block></fo:static-content>"
           "<fo:flow flow-name=\"xsl-region-body\">%2</fo:flow></fo:page-sequence>"_s.arg(master,
                                                                                          flow);
}

/// A citation of a footnote `lines` lines long.
QString footnote(int lines = 1)
{
    return u"<fo:footnote><fo:inline>*</fo:inline><fo:footnote-body><fo:block "
           "linefeed-treatment=\"preserve\">Note%1</fo:block></fo:footnote-body></fo:footnote>"_s
               .arg(u"\nmore"_s.repeated(lines - 1));
}

/// The page master "cols": the page of pages() in `count` columns.
QString columns(int count = 2)
{
    return u"<fo:simple-page-master master-name=\"cols\" page-width=\"200px\" "
           "page-height=\"100px\"><fo:region-body column-count=\"%1\" column-gap=\"0px\"/>"
           "</fo:simple-page-master>"_s.arg(count);
}

/// A block across both columns.
QString spanning(const QString& content)
{
    return u"<fo:block span=\"all\">%1</fo:block>"_s.arg(content);
}

/// The page a text is on, -1 when none.
int pageOf(ViewEngine& engine, const QString& text)
{
    for (int page = 0; engine.hasPage(page); ++page) {
        if (!textBox(engine, page, text).text.isEmpty()) {
            return page;
        }
    }
    return -1;
}

} // namespace

class TestPageBreaking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsChooseTheBreak_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        // Four lines; `free` lets them break anywhere.
        const QString four =
            u"<fo:block %1 linefeed-treatment=\"preserve\">A1\nA2\nA3\nA4</fo:block>"_s;
        const QString free = four.arg(u"widows=\"1\" orphans=\"1\" %1"_s);
        const QString keeps =
            u"<fo:block keep-with-next=\"5\">K1</fo:block><fo:block keep-with-next=\"2\">K2</fo:block><fo:block keep-with-next=\"5\">K3</fo:block><fo:block keep-with-next=\"5\">K4</fo:block><fo:block keep-with-next=\"5\">K5</fo:block>"_s;
        // clang-format off
        QTest::newRow("free lines fill the page") << lines(3) + free.arg(u""_s) << u"A3"_s << 1;
        QTest::newRow("keep-together moves the block") << lines(3) + free.arg(u"keep-together.within-page=\"always\""_s) << u"A1"_s << 1;
        QTest::newRow("page-break-inside avoid") << lines(3) + free.arg(u"page-break-inside=\"avoid\""_s) << u"A1"_s << 1;
        QTest::newRow("orphans: one line is not left behind") << lines(4) + four.arg(u""_s) << u"A1"_s << 1;
        QTest::newRow("widows: one line does not go on alone") << lines(2) + four.arg(u""_s) << u"A3"_s << 1;
        QTest::newRow("widows=\"1\"") << lines(2) + four.arg(u"widows=\"1\""_s) << u"A3"_s << 0;
        QTest::newRow("keep-with-next takes the heading along") << lines(4, u"L"_s) + u"<fo:block keep-with-next=\"always\">Head</fo:block>"_s + lines(1) << u"Head"_s << 1;
        QTest::newRow("keep-with-previous") << lines(5, u"L"_s) + u"<fo:block keep-with-previous.within-page=\"always\">After</fo:block>"_s << u"L 4"_s << 1;
        QTest::newRow("a chain of keeps goes back as far as it must") << lines(2, u"L"_s) + lines(4).replace(u"<fo:block>"_s, u"<fo:block keep-with-next=\"always\">"_s) << u"Line 0"_s << 1;
        QTest::newRow("the weakest integer keep breaks") << keeps + lines(1) << u"K3"_s << 1;
        QTest::newRow("a keep taller than the page gives way") << lines(1, u"L"_s) + u"<fo:block keep-together=\"always\">"_s + lines(8) + u"</fo:block>"_s << u"Line 5"_s << 2;
        QTest::newRow("table rows keep with the next") << lines(4, u"L"_s) + u"<fo:table><fo:table-body><fo:table-row keep-with-next=\"always\"><fo:table-cell><fo:block>R1</fo:block></fo:table-cell></fo:table-row><fo:table-row><fo:table-cell><fo:block>R2</fo:block></fo:table-cell></fo:table-row></fo:table-body></fo:table>"_s << u"R1"_s << 1;
        // clang-format on
    }
    void keepsChooseTheBreak()
    {
        QFETCH(QString, flow);
        QFETCH(QString, text);
        QFETCH(int, page);
        ViewEngine engine;
        engine.loadBuffer(pages(sequence(flow)));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        QCOMPARE(pageOf(engine, text), page);
        // Nothing is lost and nothing overflows the page.
        for (int p = 0; engine.hasPage(p); ++p) {
            for (const ViewLayoutBox& box : boxesOf(engine, p, Kind::Text)) {
                QVERIFY2(box.rect.bottom() <= 100.5, qPrintable(box.text.toQString()));
            }
        }
    }

    void columnKeepsMoveToTheNextColumn()
    {
        ViewEngine engine;
        engine.loadBuffer(
            u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" line-height=\"20px\">"
            "<fo:layout-master-set><fo:simple-page-master master-name=\"p\" page-width=\"200px\" "
            "page-height=\"100px\"><fo:region-body column-count=\"2\" column-gap=\"0px\"/>"
            "</fo:simple-page-master></fo:layout-master-set>"_s +
            sequence(lines(4) + u"<fo:block keep-together.within-column=\"always\" "
                                "linefeed-treatment=\"preserve\">A1\nA2</fo:block>"_s) +
            u"</fo:root>"_s);
        QCOMPARE(engine.getPageCount(), 1);
        const QRectF a1 = textBox(engine, 0, u"A1"_s).rect;
        QCOMPARE(a1.left(), 100.0);
        QVERIFY(a1.top() < 20); // at the top of the second column
    }

    void mastersForTheLastAndBlankPages_data()
    {
        QTest::addColumn<QString>("sequences");
        QTest::addColumn<QList<int>>("widths"); // of every page: each master has its own
        // clang-format off
        QTest::newRow("last page on its master") << sequence(lines(7), QString(), u"set"_s) << QList<int>{200, 300};
        QTest::newRow("one page is the last") << sequence(lines(2), QString(), u"set"_s) << QList<int>{300};
        QTest::newRow("even: a blank page") << sequence(lines(2), u"force-page-count=\"even\""_s, u"set"_s) << QList<int>{200, 100};
        QTest::newRow("odd: none needed") << sequence(lines(2), u"force-page-count=\"odd\""_s, u"set"_s) << QList<int>{300};
        QTest::newRow("end-on-even") << sequence(lines(7), u"force-page-count=\"end-on-even\""_s, u"set"_s) << QList<int>{200, 300};
        QTest::newRow("end-on-odd") << sequence(lines(7), u"force-page-count=\"end-on-odd\""_s, u"set"_s) << QList<int>{200, 200, 100};
        QTest::newRow("auto: the next starts odd") << sequence(lines(1), QString(), u"set"_s) + sequence(lines(1), u"initial-page-number=\"auto-odd\""_s) << QList<int>{200, 100, 200};
        QTest::newRow("auto: the next starts at 2") << sequence(lines(1), QString(), u"set"_s) + sequence(lines(1), u"initial-page-number=\"2\""_s) << QList<int>{300, 200};
        QTest::newRow("no-force") << sequence(lines(1), u"force-page-count=\"no-force\""_s, u"set"_s) + sequence(lines(1), u"initial-page-number=\"auto-odd\""_s) << QList<int>{300, 200};
        // clang-format on
    }
    void mastersForTheLastAndBlankPages()
    {
        QFETCH(QString, sequences);
        QFETCH(QList<int>, widths);
        ViewEngine engine;
        engine.loadBuffer(pages(
            sequences,
            u"<fo:simple-page-master master-name=\"last\" page-width=\"300px\" "
            u"page-height=\"100px\"><fo:region-body/></fo:simple-page-master>"
            "<fo:simple-page-master master-name=\"blank\" page-width=\"100px\" "
            "page-height=\"100px\"><fo:region-body/></fo:simple-page-master>"
            "<fo:page-sequence-master master-name=\"set\"><fo:repeatable-page-master-alternatives>"
            "<fo:conditional-page-master-reference master-reference=\"blank\" "
            "blank-or-not-blank=\"blank\"/>"
            "<fo:conditional-page-master-reference master-reference=\"last\" "
            "page-position=\"last\"/>"
            "<fo:conditional-page-master-reference master-reference=\"p\"/>"
            "</fo:repeatable-page-master-alternatives></fo:page-sequence-master>"_s));
        QList<int> actual;
        for (int page = 0; engine.hasPage(page); ++page) {
            actual << int(engine.getPageSize(page).width());
        }
        QCOMPARE(actual, widths);
    }
    void footnotesSitAtTheBottomOfTheirPage_data()
    {
        QTest::addColumn<int>("before"); // lines before the citing one
        QTest::addColumn<int>("noteLines");
        QTest::addColumn<int>("page"); // where the citing line and its note go
        // clang-format off
        QTest::newRow("on the citing line's page") << 1 << 1 << 0;
        QTest::newRow("a line whose note does not fit moves on with it") << 3 << 1 << 1;
        QTest::newRow("a note taller than the page") << 2 << 12 << 1;
        // clang-format on
    }
    void footnotesSitAtTheBottomOfTheirPage()
    {
        QFETCH(int, before);
        QFETCH(int, noteLines);
        QFETCH(int, page);
        ViewEngine engine;
        engine.loadBuffer(
            pages(withSeparator(lines(before) + u"<fo:block>Cites"_s + footnote(noteLines) +
                                u"</fo:block>"_s + lines(3, u"L"_s))));
        QCOMPARE(pageOf(engine, u"Cites"_s), page);
        QCOMPARE(pageOf(engine, u"Note"_s), page);
        const QRectF text = textBox(engine, page, u"Note"_s).rect;
        const auto rules = boxesOf(engine, page, Kind::Leader);
        QCOMPARE(int(rules.size()), 1);
        QVERIFY2(rules[0].rect.bottom() <= text.top() + 0.5, "the separator is above the note");
        if (noteLines * 20 + 4 <= 100) {
            const auto all = boxesOf(engine, page, Kind::Text);
            QVERIFY(qAbs(all.back().rect.bottom() - 100) < 3); // the note ends at the bottom
            QVERIFY(textBox(engine, page, u"Cites"_s).rect.bottom() <= rules[0].rect.top());
        }
    }

    void footnotesAcrossColumnsSitAtThePageFoot_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<int>("page"); // of the citation and its notes
        QTest::addColumn<int>("notes");
        const QString cites = u"<fo:block>Cites"_s + footnote() + u"</fo:block>"_s;
        // clang-format off
        QTest::newRow("cited in a spanning block") << lines(2) + spanning(u"Cites"_s + footnote()) + lines(2, u"L"_s) << 0 << 1;
        QTest::newRow("cited in a balanced band") << cites + lines(3) + spanning(u"Title"_s) + lines(2, u"L"_s) << 0 << 1;
        QTest::newRow("a spanning citation moves on with its note") << lines(8) + spanning(u"Cites"_s + footnote()) << 1 << 1;
        QTest::newRow("a band too tall to balance above its note") << cites + lines(7) + spanning(u"Title"_s) << 0 << 1;
        QTest::newRow("two notes under one band") << cites + lines(1) + spanning(u"Cites again"_s + footnote()) << 0 << 2;
        // clang-format on
    }
    void footnotesAcrossColumnsSitAtThePageFoot()
    {
        QFETCH(QString, flow);
        QFETCH(int, page);
        QFETCH(int, notes);
        ViewEngine engine;
        engine.loadBuffer(pages(withSeparator(flow, u"cols"_s), columns()));
        QCOMPARE(pageOf(engine, u"Cites"_s), page);
        QCOMPARE(pageOf(engine, u"Note"_s), page);
        const auto rules = boxesOf(engine, page, Kind::Leader);
        QCOMPARE(int(rules.size()), 1);
        // The notes end at the foot, under the rule; the text of the rule's column above it.
        int found = 0;
        double foot = 0.0;
        for (const ViewLayoutBox& box : boxesOf(engine, page, Kind::Text)) {
            const bool note = box.text.toQString().startsWith(u"Note"_s);
            found += note ? 1 : 0;
            foot = note ? std::max(foot, box.rect.bottom()) : foot;
            QVERIFY2(note ? box.rect.top() >= rules[0].rect.bottom() - 0.5
                          : box.rect.bottom() <= rules[0].rect.top() + 0.5 ||
                                box.rect.left() >= rules[0].rect.right(),
                     qPrintable(box.text.toQString()));
        }
        QCOMPARE(found, notes);
        QVERIFY(qAbs(foot - 100) < 3);
    }

    void balancedColumnsKeepWhatIsKept_data()
    {
        QTest::addColumn<QString>("band"); // above a spanning block, on one page
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("sameColumn");
        QTest::addColumn<int>("count"); // of columns
        const QString pair = u"<fo:block %1 linefeed-treatment=\"preserve\">K1\nK2</fo:block>"_s;
        const QString kept =
            pair.arg(u"widows=\"1\" orphans=\"1\" keep-together.within-column=\"3\""_s);
        // clang-format off
        QTest::newRow("free lines split") << lines(2) + pair.arg(u"widows=\"1\" orphans=\"1\""_s) + lines(1, u"L"_s) << u"K1"_s << u"K2"_s << false << 2;
        QTest::newRow("keep-together") << lines(2) + pair.arg(u"widows=\"1\" orphans=\"1\" keep-together.within-column=\"always\""_s) + lines(1, u"L"_s) << u"K1"_s << u"K2"_s << true << 2;
        QTest::newRow("keep-with-next") << lines(2) + u"<fo:block keep-with-next=\"always\">Head</fo:block>"_s + lines(2, u"L"_s) << u"Head"_s << u"L 0"_s << true << 2;
        QTest::newRow("an integer keep-with-previous") << lines(3) + u"<fo:block keep-with-previous=\"3\">After</fo:block>"_s + lines(1, u"L"_s) << u"Line 2"_s << u"After"_s << true << 2;
        QTest::newRow("a keep taller than a column gives way") << u"<fo:block keep-together=\"always\">"_s + lines(6) + u"</fo:block>"_s << u"Line 0"_s << u"Line 5"_s << false << 2;
        QTest::newRow("not shorter by breaking a keep") << lines(1) + kept << u"K1"_s << u"K2"_s << true << 3;
        // clang-format on
    }
    void balancedColumnsKeepWhatIsKept()
    {
        QFETCH(QString, band);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, sameColumn);
        QFETCH(int, count);
        ViewEngine engine;
        engine.loadBuffer(
            pages(sequence(band + spanning(u"Title"_s), QString(), u"cols"_s), columns(count)));
        QCOMPARE(engine.getPageCount(), 1);
        const QRectF a = textBox(engine, 0, first).rect;
        const QRectF b = textBox(engine, 0, second).rect;
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        QCOMPARE(a.left() == b.left(), sameColumn);
    }

    void citationsShowThePageNumber_data()
    {
        QTest::addColumn<QString>("citation");
        QTest::addColumn<QString>("number");
        // clang-format off
        QTest::newRow("ahead") << u"<fo:page-number-citation ref-id=\"c2\"/>"_s << u"3"_s;
        QTest::newRow("last page of a long chapter") << u"<fo:page-number-citation-last ref-id=\"c3\"/>"_s << u"5"_s;
        QTest::newRow("first page of it") << u"<fo:page-number-citation ref-id=\"c3\"/>"_s << u"4"_s;
        QTest::newRow("an inline") << u"<fo:page-number-citation ref-id=\"word\"/>"_s << u"2"_s;
        QTest::newRow("a missing id") << u"<fo:page-number-citation ref-id=\"nowhere\"/>"_s << u"?"_s;
        // clang-format on
    }
    void citationsShowThePageNumber()
    {
        QFETCH(QString, citation);
        QFETCH(QString, number);
        ViewEngine engine;
        engine.loadBuffer(document(
            u"<fo:block text-align-last=\"justify\">Entry <fo:leader leader-pattern=\"dots\"/> "_s +
            citation +
            u"</fo:block><fo:block id=\"c1\" break-before=\"page\">One <fo:inline "
            "id=\"word\">w</fo:inline></fo:block><fo:block id=\"c2\" "
            "break-before=\"page\">Two</fo:block>"
            "<fo:block id=\"c3\" break-before=\"page\">Three<fo:block break-before=\"page\">"
            "more</fo:block></fo:block><fo:block>after</fo:block>"_s));
        QVERIFY(engine.hasPage(0));
        const auto texts = boxesOf(engine, 0, Kind::Text);
        QCOMPARE(texts.back().text.toQString(), number);
        // Put in after layout, the number still ends the justified line,
        // the leader reaching it.
        QVERIFY2(qAbs(texts.back().rect.right() - 400) < 0.5,
                 qPrintable(QString::number(texts.back().rect.right())));
        const auto leaders = boxesOf(engine, 0, Kind::Leader);
        QCOMPARE(int(leaders.size()), 1);
        QVERIFY(texts.back().rect.left() - leaders[0].rect.right() < 6);
        QCOMPARE(engine.getPageCount(), 5);
    }

    void leadersTakeTheirLength_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("leader");
        QTest::addColumn<double>("width"); // < 0: up to the number at the line's end
        // clang-format off
        QTest::newRow("optimum 12pt") << u""_s << u""_s << 16.0;
        QTest::newRow("percent of the line") << u""_s << u"leader-length=\"25%\""_s << 100.0;
        QTest::newRow("justified: fills the line") << u"text-align-last=\"justify\""_s << u""_s << -1.0;
        QTest::newRow("justified, up to its maximum") << u"text-align-last=\"justify\""_s << u"leader-length.maximum=\"30px\""_s << 30.0;
        QTest::newRow("shrinks on a full line") << u""_s << u"leader-length.minimum=\"10px\" leader-length.optimum=\"390px\""_s << -1.0;
        // clang-format on
    }
    void leadersTakeTheirLength()
    {
        QFETCH(QString, block);
        QFETCH(QString, leader);
        QFETCH(double, width);
        ViewEngine engine;
        engine.loadBuffer(document(
            u"<fo:block %1>Title <fo:leader leader-pattern=\"rule\" %2/> 12</fo:block>"_s.arg(
                block, leader)));
        const auto leaders = boxesOf(engine, 0, Kind::Leader);
        QCOMPARE(int(leaders.size()), 1);
        const QRectF number = textBox(engine, 0, u"12"_s).rect;
        QVERIFY2(qAbs(number.center().y() - textBox(engine, 0, u"Title"_s).rect.center().y()) < 1,
                 "one line");
        if (width < 0) {
            QVERIFY2(qAbs(number.right() - 400) < 0.5, qPrintable(QString::number(number.right())));
            QVERIFY(number.left() - leaders[0].rect.right() < 6);
        } else {
            QVERIFY2(qAbs(leaders[0].rect.width() - width) < 0.01,
                     qPrintable(QString::number(leaders[0].rect.width())));
        }
    }

    void longWordsHyphenate_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hyphen"); // what ends the first line; "" for a plain cut
        QTest::addColumn<int>("head");       // letters at least before it
        // clang-format off
        QTest::newRow("English") << u"hyphenate=\"true\" language=\"en\" country=\"US\""_s << u"The hyphenation algorithm"_s << u"\u2010"_s << 2;
        QTest::newRow("German") << u"hyphenate=\"true\" language=\"de\""_s << u"Die Silbentrennungsregeln"_s << u"\u2010"_s << 2;
        QTest::newRow("French, xml:lang") << u"hyphenate=\"true\" xml:lang=\"fr\""_s << u"Les anticonstitutionnellement"_s << u"\u2010"_s << 2;
        QTest::newRow("own character") << u"hyphenate=\"true\" language=\"en\" hyphenation-character=\"+\""_s << u"The hyphenation algorithm"_s << u"+"_s << 2;
        QTest::newRow("remain count") << u"hyphenate=\"true\" language=\"en\" hyphenation-remain-character-count=\"5\""_s << u"The hyphenation algorithm"_s << u"\u2010"_s << 5;
        QTest::newRow("a word too long for the line, dictionary") << u"language=\"en\""_s << u"Incomprehensibilities"_s << u"\u2010"_s << 2;
        QTest::newRow("no dictionary: cut") << u""_s << u"Incomprehensibilities"_s << u""_s << 1;
        // clang-format on
    }
    void longWordsHyphenate()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, text);
        QFETCH(QString, hyphen);
        QFETCH(int, head);
        ViewEngine engine;
        engine.loadBuffer(document(u"<fo:block %1>%2</fo:block>"_s.arg(attributes, text), 90, 300,
                                   QString(),
                                   u"font-family=\"Times\" font-size=\"12pt\" "
                                   "xmlns:xml=\"http://www.w3.org/XML/1998/namespace\""_s));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        const auto runs = boxesOf(engine, 0, Kind::Text);
        QVERIFY(runs.size() >= 2);
        QString joined;
        for (const ViewLayoutBox& run : runs) {
            QVERIFY2(run.rect.right() <= 90.5, qPrintable(run.text.toQString()));
            QString piece = run.text.toQString().trimmed();
            if (!hyphen.isEmpty() && piece.endsWith(hyphen)) {
                piece.chop(1);
            }
            joined += piece;
        }
        QCOMPARE(joined.remove(u' '), QString(text).remove(u' '));
        const QString first = runs[0].text.toQString();
        QCOMPARE(first.right(1) == hyphen, !hyphen.isEmpty());
        const QString lastWord = first.section(u' ', -1);
        QVERIFY2(lastWord.size() - hyphen.size() >= head, qPrintable(first));
    }

    void hostileDocumentsEndBounded_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<int>("pages");
        // clang-format off
        QTest::newRow("100000 page breaks") << pages(sequence(u"<fo:block break-after=\"page\">x</fo:block>"_s.repeated(100000))) << 10000;
        QTest::newRow("every block kept with the next") << pages(sequence(lines(1000).replace(u"<fo:block>"_s, u"<fo:block keep-with-next=\"always\" keep-together=\"always\">"_s))) << 200;
        QTest::newRow("spanning citations of notes taller than the page") << pages(withSeparator((u"<fo:block keep-with-next=\"always\">A</fo:block>"_s + spanning(u"S"_s + footnote(12))).repeated(3000), u"cols"_s), columns()) << 6000;
        QTest::newRow("a blank page after each of many sequences") << pages(sequence(lines(1), u"force-page-count=\"even\""_s).repeated(3000)) << 6000;
        // clang-format on
    }
    void hostileDocumentsEndBounded()
    {
        QFETCH(QString, markup);
        QFETCH(int, pages);
        ViewEngine engine;
        engine.loadBuffer(markup);
        QCOMPARE(engine.getPageCount(), pages);
        QCOMPARE(engine.getLastError().isEmpty(), pages < 10000);
    }
};

UIEDITOR_TEST_CLASS(TestPageBreaking)
#include "tst_pagebreaking.moc"
