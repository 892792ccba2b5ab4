// Core text services on the hot paths of the dialogs: every preview document
// and every property string is built with the formatter, and every label and
// message goes through the string table.
#include "outside/core/coreformat.h"
#include "outside/core/corestring.h"
#include "outside/core/stringtable.h"

#include <QTest>

class BenchCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatPreviewDocument()
    {
        const Core::String pattern(
            "<fo:simple-page-master master-name=\"all-pages\" page-height=\"{0}px\" page-width=\"{1}px\">"
            "<fo:region-body region-name=\"xsl-region-body\"/></fo:simple-page-master>{2}");
        const Core::String markup("<fo:block border-left-style=\"solid\">Sample</fo:block>");
        Core::String result;
        QBENCHMARK {
            result = Core::Format::format(pattern, 152, 200, markup);
        }
        QVERIFY(result.contains("152px"));
    }

    void formatDecimals()
    {
        double value = 0.1;
        Core::String result;
        QBENCHMARK {
            result = Core::Format::format("{0:0.###}pt", value);
            value += 0.37;
        }
        QVERIFY(!result.isEmpty());
    }

    void lookUpMessages()
    {
        const QList<unsigned> ids = Core::StringTable::instance().ids();
        qsizetype total = 0;
        QBENCHMARK {
            for (unsigned id : ids) {
                total += Core::String::formatS(id).length();
            }
        }
        QVERIFY(total > 0);
    }

    void splitSortString()
    {
        const Core::String sort("@name;ascending;text;;@date;descending;number;;total;ascending;number");
        size_t pieces = 0;
        QBENCHMARK {
            pieces += sort.split(";").size();
        }
        QVERIFY(pieces > 0);
    }
};

QTEST_GUILESS_MAIN(BenchCore)
#include "bench_core.moc"
