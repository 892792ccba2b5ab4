// The engine showing a template with its data: repeats print once per row,
// fields their values, conditional sections and formatting what holds for
// the row, dynamic page sets one page sequence per row, with the data given
// through a small evaluator over a table of rows.
#include "outside/render/viewdataevaluator.h"
#include "outside/render/viewengine.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace RenderTest;

namespace {

struct Row
{
    QString name;
    int amount;
};

/// Rows as contexts 1, 2, 3...; "rows" selects them all, "pairs" the same
/// rows in groups of two, "many" 100,000 rows. "name" and "amount" read the
/// row, "missing" gives no value, "blank" an empty one; the test "big" holds
/// for amounts over 100, where the object with id "amount" prints at 24pt.
class RowEvaluator : public ViewDataEvaluator
{
public:
    std::vector<Row> rows{{u"Ann"_s, 50}, {u"Bob"_s, 150}, {u"Cyd"_s, 20}};

    Repetition repeat(const Xml::Element& repeat, Context, int limit) override
    {
        // Repeats carry "xpath", dynamic page sets "kmb:xpath".
        const QString xpath = (repeat.get_attribute_value(u"xpath"_s) +
                               repeat.get_attribute_value(u"xpath"_s, u"http://www.varnel.com/kmb/1.0"_s))
                                  .toQString();
        Repetition repetition;
        const int count = xpath == u"many"_s ? 100000 : int(rows.size());
        for (int row = 1; row <= std::min(count, limit); ++row) {
            if (xpath == u"pairs"_s && row % 2 == 0) {
                repetition.groups.back().push_back(contextOf(row));
            } else {
                repetition.groups.push_back({contextOf(row)});
            }
        }
        repetition.mergesGroups = xpath == u"pairs"_s;
        return repetition;
    }

    std::optional<Core::String> value(const Xml::Element& element, Context context) override
    {
        const QString xpath = element.get_attribute_value(u"xpath"_s).toQString();
        const Row* row = rowOf(context);
        if (xpath == u"blank"_s) {
            return Core::String(u" "_s);
        }
        if (xpath == u"missing"_s || !row) {
            return std::nullopt;
        }
        return Core::String(xpath == u"name"_s ? row->name : QString::number(row->amount));
    }

    bool holds(const Core::String& test, Context context) override
    {
        return test.toQString() == u"big"_s && rowOf(context) && rowOf(context)->amount > 100;
    }

    std::vector<Attribute> attributes(const Xml::Element& element, Context context) override
    {
        if (element.get_attribute_value(u"id"_s).toQString() == u"amount"_s && holds(u"big"_s, context)) {
            return {{Core::String(), Core::String(u"font-size"_s), Core::String(u"24pt"_s)}};
        }
        return {};
    }

private:
    static Context contextOf(int row) { return reinterpret_cast<Context>(quintptr(row)); }
    const Row* rowOf(Context context) const
    {
        const auto row = quintptr(context);
        return row >= 1 && row <= rows.size() ? &rows[row - 1] : nullptr;
    }
};

QString table(const QString& repeat)
{
    return u"<fo:table><fo:table-body><kmb:table-row-repeat xpath=\"%1\"><fo:table-row><fo:table-cell>"
           "<fo:block><kmb:field xpath=\"name\"/></fo:block></fo:table-cell></fo:table-row>"
           "</kmb:table-row-repeat></fo:table-body></fo:table>"_s.arg(repeat);
}

/// Every page's text, pages separated by "|".
QString allText(ViewEngine& engine)
{
    QStringList pages;
    for (int page = 0; engine.hasPage(page); ++page) {
        pages << pageText(engine, page);
    }
    return pages.join(u'|');
}

} // namespace

class TestDataMode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsWhatTheDataGives_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("printed");
        QTest::newRow("one row per node") << table(u"rows"_s) << u"AnnBobCyd"_s;
        QTest::newRow("merged group in the first row's cells") << table(u"pairs"_s) << u"AnnBobCyd"_s;
        QTest::newRow("no value: the expression") << u"<fo:block><kmb:field xpath=\"missing\"/>!</fo:block>"_s << u"missing!"_s;
        QTest::newRow("empty value: nothing") << u"<fo:block>a<kmb:field xpath=\"blank\"/>b</fo:block>"_s << u"ab"_s;
        QTest::newRow("value-of in a repeat") << u"<kmb:block-repeat xpath=\"rows\"><fo:block><xsl:value-of select=\"amount\"/></fo:block></kmb:block-repeat>"_s << u"5015020"_s;
        QTest::newRow("alternative that holds, else the fallback")
            << u"<kmb:block-repeat xpath=\"rows\"><kmb:conditional-block-sequence><kmb:conditional-block test=\"big\"><fo:block>big</fo:block></kmb:conditional-block><kmb:conditional-block><fo:block>small</fo:block></kmb:conditional-block></kmb:conditional-block-sequence></kmb:block-repeat>"_s
            << u"smallbigsmall"_s;
    }

    void printsWhatTheDataGives()
    {
        QFETCH(QString, flow);
        QFETCH(QString, printed);
        RowEvaluator data;
        ViewEngine engine;
        engine.setDataEvaluator(&data);
        engine.loadBuffer(document(flow).replace(u"<fo:root "_s, u"<fo:root xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "_s));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        QCOMPARE(allText(engine), printed);
        // A merged group is one table row.
        QCOMPARE(int(boxesOf(engine, 0, ViewLayoutBox::Kind::TableRow).size()),
                 flow.contains(u"pairs"_s) ? 2 : flow.contains(u"rows\"><fo:table-row"_s) ? 3 : 0);
    }

    void conditionalFormattingFollowsTheRow()
    {
        RowEvaluator data;
        ViewEngine engine;
        engine.setDataEvaluator(&data);
        engine.loadBuffer(document(u"<kmb:block-repeat xpath=\"rows\"><fo:block id=\"amount\"><kmb:field xpath=\"name\"/></fo:block></kmb:block-repeat>"_s));
        const double ann = textBox(engine, 0, u"Ann"_s).rect.height();
        QVERIFY(ann > 0);
        QVERIFY(textBox(engine, 0, u"Bob"_s).rect.height() > 1.5 * ann);
        QCOMPARE(textBox(engine, 0, u"Cyd"_s).rect.height(), ann);
    }

    void repeatsStopAtTheCopyLimit()
    {
        RowEvaluator data;
        ViewEngine engine;
        engine.setDataEvaluator(&data);
        engine.loadBuffer(document(u"<kmb:block-repeat xpath=\"many\"><fo:block>x</fo:block></kmb:block-repeat>"_s, 400, 20000));
        QCOMPARE(allText(engine).count(u'x'), 500);
    }

    void dynamicPageSetPrintsASequencePerRowWithItsHeaders()
    {
        RowEvaluator data;
        ViewEngine engine;
        engine.setDataEvaluator(&data);
        engine.loadBuffer(u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:kmb=\"http://www.varnel.com/kmb/1.0\">"
                          "<fo:layout-master-set><fo:simple-page-master master-name=\"p\" page-width=\"300px\" page-height=\"200px\">"
                          "<fo:region-body margin-top=\"30px\"/><fo:region-before extent=\"30px\"/></fo:simple-page-master>"
                          "<fo:page-sequence-master master-name=\"set\" kmb:xpath=\"rows\"><fo:repeatable-page-master-reference master-reference=\"p\"/>"
                          "</fo:page-sequence-master></fo:layout-master-set><fo:page-sequence master-reference=\"set\">"
                          "<fo:static-content flow-name=\"xsl-region-before\"><fo:block><fo:retrieve-marker retrieve-class-name=\"c\"/></fo:block></fo:static-content>"
                          "<fo:flow flow-name=\"xsl-region-body\"><fo:block><fo:marker marker-class-name=\"c\"><kmb:field xpath=\"amount\"/>:</fo:marker>"
                          "<kmb:field xpath=\"name\"/></fo:block></fo:flow></fo:page-sequence></fo:root>"_s);
        QCOMPARE(allText(engine), u"50:Ann|150:Bob|20:Cyd"_s);
    }
};

UIEDITOR_TEST_CLASS(TestDataMode)
#include "tst_datamode.moc"
