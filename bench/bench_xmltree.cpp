// The sample tree on a sample of 100 MB: opening must not wait for the size
// of the document, filtering walks all of it. Opening an element and
// filtering show their first items at once (measured up to the first paint)
// and make the rest in batches from the event loop: "rest" is the time until
// all are made, "longest batch" how long the user waited at most meanwhile.
// Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_xmltree
// The sample is written to a temporary folder and parsed once, outside the
// measurements.
#include "outside/dom/xmldomparser.h"
#include "xml/widgets/xmltreectrl.h"

#include <algorithm>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr qint64 sampleSize = 100 * 1024 * 1024;
// One order in ten thousand carries a note: the rare match.
constexpr int noteEvery = 10000;

QByteArray order(int number)
{
    QByteArray text;
    text += "  <order id=\"O-" + QByteArray::number(number).rightJustified(7, '0') +
            "\" date=\"2026-03-" + QByteArray::number(1 + number % 28).rightJustified(2, '0') +
            "\" currency=\"EUR\">\n";
    text += "    <customer id=\"C-" + QByteArray::number(number % 5000) +
            "\">\n      <name>Customer " + QByteArray::number(number % 5000) +
            "</name>\n      <street>Harbour Street " + QByteArray::number(number % 300) +
            "</street>\n      <city>Hamburg</city>\n    </customer>\n";
    for (int line = 0; line < 3; ++line) {
        const int sku = (number * 7 + line * 13) % 900;
        text += "    <line sku=\"SKU-" + QByteArray::number(sku) +
                "\">\n      <description>Recycled copy paper A4, " +
                "80 g/m\xc2\xb2, 500 sheets, item " + QByteArray::number(sku) +
                "</description>\n      <quantity>" + QByteArray::number(1 + line) +
                "</quantity>\n      <unit-price>4.90</unit-price>\n    </line>\n";
    }
    if (number % noteEvery == 0) {
        text += "    <note>Deliver to the back door</note>\n";
    }
    text += "    <total>" + QByteArray::number(4.9 * 6, 'f', 2) + "</total>\n  </order>\n";
    return text;
}

// Lets the event loop make the pending items; reports the time until all are
// made and the longest the loop was kept from the user.
void reportRest(XmlTreeCtrl& tree, const char* what)
{
    QElapsedTimer total;
    total.start();
    qint64 longest = 0;
    while (tree.hasPendingItems()) {
        QElapsedTimer step;
        step.start();
        QCoreApplication::processEvents();
        longest = std::max(longest, step.nsecsElapsed());
    }
    qInfo("%s: rest made in %.1f ms, longest batch %.1f ms", what, total.nsecsElapsed() / 1e6,
          longest / 1e6);
}

} // namespace

class BenchXmlTree : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SmartPtr<Xml::XmlDocument> m_sample;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("orders.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<orders generated=\"2026-11-28\">\n");
        int orders = 0;
        while (file.pos() < sampleSize) {
            file.write(order(++orders));
        }
        file.write("</orders>\n");
        file.close();
        QElapsedTimer timer;
        timer.start();
        Xml::DomParser parser(path);
        m_sample = parser.getDocument();
        qInfo("Sample: %lld bytes, %d orders, parsed in %lld ms (not measured below)",
              qint64(QFile(path).size()), orders, qint64(timer.elapsed()));
    }

    void openTree()
    {
        XmlTreeCtrl tree;
        tree.resize(400, 600);
        tree.show();
        QBENCHMARK
        {
            tree.setData(m_sample);
            tree.viewport()->repaint(); // the root is on screen
        }
        QCOMPARE(tree.topLevelItemCount(), 1);
        QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("orders"));
    }

    void expandRoot()
    {
        XmlTreeCtrl tree;
        tree.resize(400, 600);
        tree.show();
        tree.setData(m_sample);
        QBENCHMARK_ONCE
        {
            tree.expandItem(tree.topLevelItem(0));
            tree.viewport()->repaint();
        }
        reportRest(tree, "expand");
        QVERIFY(tree.topLevelItem(0)->childCount() > 100000);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expectedOrders");
        // Every order in ten thousand: a handful of items.
        QTest::newRow("rare: note") << "note" << -1;
        // One total per order: more items than a filter makes at once.
        QTest::newRow("one per order: total") << "total" << -1;
        // Nearly every node matches.
        QTest::newRow("everywhere: e") << "e" << -1;
    }

    void filter()
    {
        QFETCH(QString, text);
        XmlTreeCtrl tree;
        tree.resize(400, 600);
        tree.show();
        tree.setData(m_sample);
        QBENCHMARK_ONCE
        {
            tree.filterTree(text);
            tree.viewport()->repaint();
        }
        reportRest(tree, qPrintable(text));
        QCOMPARE(tree.topLevelItemCount(), 1);
        int items = 0;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
            ++items;
        }
        qInfo("%s: %d items made, root holds %d", qPrintable(text), items,
              tree.topLevelItem(0)->childCount());
    }
};

QTEST_MAIN(BenchXmlTree)
#include "bench_xmltree.moc"
