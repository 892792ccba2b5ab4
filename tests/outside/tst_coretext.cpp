// Core text services: Core::String, positional formatting and integer parsing.
#include "outside/core/coreexception.h"
#include "outside/core/coreformat.h"
#include "outside/core/corestring.h"
#include "outside/core/corestringformatstream.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Core::String;

class TestCoreText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void subStringTakesInclusiveLastIndex()
    {
        const String text("border-left-width");
        QCOMPARE(text.subString(0, 5).toQString(), QStringLiteral("border"));
        QCOMPARE(text.subString(7, 10).toQString(), QStringLiteral("left"));
        QCOMPARE(text.subString(12).toQString(), QStringLiteral("width"));
        // Out-of-range indexes are clamped, an empty range gives "".
        QCOMPARE(text.subString(12, 999).toQString(), QStringLiteral("width"));
        QVERIFY(text.subString(5, 4).isEmpty());
        QVERIFY(text.subString(-3, -1).isEmpty());
    }

    void findAnswersMinusOneWhenAbsent()
    {
        const String text("a;b;c");
        QCOMPARE(text.find(";"), 1);
        QCOMPARE(text.find(";", 2), 3);
        QCOMPARE(text.find("x"), -1);
        QCOMPARE(text.find(";", 99), -1);
        QCOMPARE(text.find(QChar(u'c'), -5), -1);
        QCOMPARE(text.findLast(";"), 3);
        QCOMPARE(text.findAnyOf("cb"), 2);
    }

    void splitAtAnyOfSeveralCharacters()
    {
        const auto pieces = String("1px solid,red;;x").split(" ,;");
        QCOMPARE(int(pieces.size()), 5);
        QCOMPARE(pieces[2].toQString(), QStringLiteral("red"));
        QVERIFY(pieces[3].isEmpty());
        QCOMPARE(int(String("1px solid,red;;x").split(" ,;", true).size()), 4);
        QCOMPARE(int(String().split(",").size()), 1);
    }

    void replaceAndCompare()
    {
        const String text("a-b-c");
        QCOMPARE(text.replace("-", "+").toQString(), QStringLiteral("a+b-c"));
        QCOMPARE(text.replaceAll("-", "+").toQString(), QStringLiteral("a+b+c"));
        QCOMPARE(text.replaceAll("", "+").toQString(), QStringLiteral("a-b-c"));
        QCOMPARE(String("Solid").compareNoCase("SOLID"), 0);
        QVERIFY(String("a").compare("b") < 0);
        QCOMPARE(String("fo:border").substringAfter(":").toQString(), QStringLiteral("border"));
        QVERIFY(String("fo:border").substringAfter("#").isEmpty());
    }

    void formatFillsPlaceholders_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("positional") << u"{0}:{1}"_s << u"fo:12"_s;
        QTest::newRow("repeated and reordered") << u"{1}{0}{1}"_s << u"12fo12"_s;
        QTest::newRow("escaped braces") << u"{{{0}}}"_s << u"{fo}"_s;
        QTest::newRow("three decimals at most") << u"{2:0.###}"_s << u"1.235"_s;
        QTest::newRow("padding") << u"[{1,4}|{0,-4}]"_s << u"[  12|fo  ]"_s;
        QTest::newRow("no placeholder") << u"plain"_s << u"plain"_s;
    }
    void formatFillsPlaceholders()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(Core::Format::format(pattern, "fo", 12, 1.23456).toQString(), expected);
    }

    void numberFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing zeros dropped") << 2.5 << u"0.###"_s << u"2.5"_s;
        QTest::newRow("whole number keeps no dot") << 3.0 << u"0.###"_s << u"3"_s;
        QTest::newRow("rounding") << 0.0005 << u"0.###"_s << u"0.001"_s;
        QTest::newRow("negative zero") << -0.0001 << u"0.###"_s << u"0"_s;
        QTest::newRow("fixed decimals") << 1.0 << u"0.00"_s << u"1.00"_s;
        QTest::newRow("grouping") << 1234567.0 << u"#,##0"_s << u"1,234,567"_s;
        QTest::newRow("standard F") << 3.14159 << u"F2"_s << u"3.14"_s;
        QTest::newRow("leading zeros") << 7.0 << u"000"_s << u"007"_s;
    }
    void numberFormats()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(Core::Format::formatValue(value, format).toQString(), expected);
    }

    void malformedPatternsRaiseReadableErrors_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("unclosed") << u"{0"_s;
        QTest::newRow("lone closing") << u"a}b"_s;
        QTest::newRow("missing argument") << u"{3}"_s;
        QTest::newRow("not a number") << u"{x}"_s;
        QTest::newRow("bad number format") << u"{1:abc}"_s;
    }
    void malformedPatternsRaiseReadableErrors()
    {
        QFETCH(QString, pattern);
        try {
            Core::Format::format(pattern, "a", 1);
            QFAIL("a malformed pattern was accepted");
        } catch (const Core::Exception& e) {
            QVERIFY(e.getMessage().contains(pattern));
        }
    }

    void parseIntReadsDecimalIntegers()
    {
        QCOMPARE(Core::Format::parseInt(" 42 "), 42);
        QCOMPARE(Core::Format::parseInt("-7"), -7);
        QCOMPARE(Core::Format::parseInt("+7"), 7);
        for (const char* bad : {"", "12px", "1.5", "0x10", "-", "99999999999"}) {
            QVERIFY_THROWS_EXCEPTION(Core::Exception, Core::Format::parseInt(bad));
            QCOMPARE(Core::Format::parseInt(bad, -1), -1);
        }
    }
};

UIEDITOR_TEST_CLASS(TestCoreText)
#include "tst_coretext.moc"
