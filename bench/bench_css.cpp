// The stylesheet helper on a large stylesheet: about 5,000 rules in 1 MB, the
// size of a designer's house style with generated classes. Each step is timed
// over many runs and reported as the median and as throughput, e.g.
//   build/bench/bench_css
//   build/bench/bench_css getStyleProperties -runs 101
#include "css/csshelper.h"
#include "css/stylesheetfile.h"
#include "outside/cssvalues/xmlcssparser.h"

#include <algorithm>
#include <functional>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

int g_runs = 41;

// A stylesheet of realistic rules: simple and compound selectors, selector
// lists, complex selectors, comments, @media blocks, strings, data URLs.
QByteArray generateStylesheet(int rules)
{
    QByteArray css = "@charset \"utf-8\";\n/* House style, generated for the benchmark. */\n";
    const char* families[] = {"\"Helvetica Neue\", Arial, sans-serif",
                              "Georgia, \"Times New Roman\", serif", "\"Courier New\", monospace"};
    for (int i = 0; i < rules; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (i % 50 == 0) {
            css += "\n/* ---- section " + n + ": cards, notes { and } braces in comments ---- */\n";
        }
        const bool media = i % 97 == 0;
        if (media) {
            css += "@media print {\n";
        }
        switch (i % 5) {
        case 0:
            css += ".c" + n;
            break;
        case 1:
            css += "p.c" + n;
            break;
        case 2:
            css += "div > p.c" + n + ", td.c" + n;
            break;
        case 3:
            css += "h1.c" + n + ",\nh2.c" + n + ", .c" + n + ":hover";
            break;
        default:
            css += "table.c" + n + " td + td";
            break;
        }
        css += " {\n  font-family: " + QByteArray(families[i % 3]) + ";\n";
        css += "  font-size: " + QByteArray::number(8 + i % 9) + "pt;\n";
        css += "  color: rgb(" + QByteArray::number(i % 256) + ", " +
               QByteArray::number((i * 7) % 256) + ", " + QByteArray::number((i * 13) % 256) +
               ");\n";
        css += "  border: " + QByteArray::number(1 + i % 3) + "pt solid #" +
               QByteArray::number(0x100000 + (i * 2654435761u) % 0xEFFFFF, 16) + ";\n";
        css +=
            "  padding: " + QByteArray::number(i % 4) + "pt " + QByteArray::number(i % 6) + "pt;\n";
        if (i % 7 == 0) {
            css += "  background: "
                   "url(data:image/"
                   "png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk"
                   "+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==) no-repeat;\n";
        }
        if (i % 11 == 0) {
            css += "  content: \"} not the end; \\\"quoted\\\" \";\n";
        }
        css += "  margin: 0 0 " + QByteArray::number(i % 12) + "pt !important;\n}\n";
        if (media) {
            css += "}\n";
        }
    }
    return css;
}

struct Timing
{
    double medianMs;
    double mbPerSecond;
};

Timing measure(qint64 bytes, const std::function<void()>& step)
{
    step(); // warm the caches once
    std::vector<double> ms;
    for (int i = 0; i < g_runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    return {median, (bytes / 1e6) / (median / 1e3)};
}

void report(const char* what, qint64 bytes, const Timing& timing)
{
    qInfo("%-34s %8.2f ms median over %d runs, %7.1f MB/s (%.2f MB)", what, timing.medianMs, g_runs,
          timing.mbPerSecond, bytes / 1e6);
}

} // namespace

class BenchCss : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_css;

private Q_SLOTS:
    void initTestCase()
    {
        m_css = generateStylesheet(5000);
        // The rule looked for and edited, at the end where the last match is.
        m_css += "\n.target {\n  color: red;\n  font-size: 12pt;\n}\n/* tail */\n";
        m_path = m_dir.filePath("house.css");
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(m_css);
        file.close();
        Xml::CssParser parser;
        parser.loadCss(QString::fromUtf8(m_css));
        qInfo("stylesheet: %.2f MB, %zu rules", m_css.size() / 1e6, parser.getStyles().size());
    }

    void parseOnly()
    {
        const QString text = QString::fromUtf8(m_css);
        report("CssParser::loadCss", m_css.size(), measure(m_css.size(), [&] {
                   Xml::CssParser parser;
                   parser.loadCss(text);
               }));
    }

    // Declarations are read when first asked for; this is the cost of all of them.
    void parseAndReadEveryDeclaration()
    {
        const QString text = QString::fromUtf8(m_css);
        std::size_t declarations = 0;
        report("CssParser, every declaration read", m_css.size(), measure(m_css.size(), [&] {
                   Xml::CssParser parser;
                   parser.loadCss(text);
                   declarations = 0;
                   for (const Xml::CssStyle& rule : parser.getStyles()) {
                       declarations += rule.getProperties().size();
                   }
               }));
        QVERIFY(declarations > 25000);
    }

    void readFileOnly()
    {
        report("StylesheetFile (read, decode)", m_css.size(),
               measure(m_css.size(), [&] { StylesheetFile file(m_path); }));
    }

    void getStyleProperties()
    {
        const CssHelper helper(m_path);
        PropertyCollection found;
        report("CssHelper::getStyleProperties", m_css.size(),
               measure(m_css.size(), [&] { found = helper.getStyleProperties("", "target"); }));
        QCOMPARE(found.getPropertyValue("fo:color").toQString(), QStringLiteral("red"));
    }

    void editStyle()
    {
        const CssHelper helper(m_path);
        PropertyCollection properties;
        properties.addProperty(EditableProperty("fo:color", "blue"), true);
        properties.addProperty(EditableProperty("fo:font-size", "12pt"), true);
        report("CssHelper::editStyle", m_css.size(),
               measure(m_css.size(), [&] { helper.editStyle("", "target", properties); }));
        QCOMPARE(helper.getStyleProperties("", "target").getPropertyValue("fo:color").toQString(),
                 QStringLiteral("blue"));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const qsizetype runs = arguments.indexOf(QStringLiteral("-runs"));
    if (runs >= 0 && runs + 1 < arguments.size()) {
        g_runs = std::max(1, arguments.at(runs + 1).toInt());
        arguments.remove(runs, 2);
    }
    BenchCss bench;
    return QTest::qExec(&bench, arguments);
}

#include "bench_css.moc"
