// Shorthands and longhands of borders, padding and margin, as the property
// dialogs expand them on the way in and collapse them on the way out.
#include "css/shorthandhelper.h"
#include "propertytestsupport.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

using TestSupport::collection;
using TestSupport::listOf;

namespace {

using Entries = QList<QPair<QString, QString>>;

QString expanded(const Entries& entries)
{
    PropertyCollection properties = collection(entries);
    ShorthandHelper::expandShorthands(properties);
    return listOf(properties);
}

QString collapsed(const Entries& entries)
{
    PropertyCollection properties = collection(entries);
    ShorthandHelper::collapseShorthands(properties);
    return listOf(properties);
}

QString sides(const QString& pattern, const QString& left, const QString& right, const QString& top,
              const QString& bottom)
{
    return pattern.arg(QStringLiteral("left")) + QLatin1Char('=') + left + QLatin1Char(';') +
           pattern.arg(QStringLiteral("right")) + QLatin1Char('=') + right + QLatin1Char(';') +
           pattern.arg(QStringLiteral("top")) + QLatin1Char('=') + top + QLatin1Char(';') +
           pattern.arg(QStringLiteral("bottom")) + QLatin1Char('=') + bottom;
}

} // namespace

class TestShorthandHelper : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void expandDistributesValuesOverTheSides_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("one value") << u"fo:padding"_s << u"1pt"_s << u"fo:padding-left=1pt;fo:padding-right=1pt;fo:padding-top=1pt;fo:padding-bottom=1pt"_s;
        QTest::newRow("two values") << u"fo:margin"_s << u"1pt 2%"_s << u"fo:margin-top=1pt;fo:margin-bottom=1pt;fo:margin-left=2%;fo:margin-right=2%"_s;
        QTest::newRow("three values") << u"fo:padding"_s << u"1pt 2pt 3pt"_s << u"fo:padding-top=1pt;fo:padding-left=2pt;fo:padding-right=2pt;fo:padding-bottom=3pt"_s;
        QTest::newRow("four values") << u"fo:border-width"_s << u"1pt 2pt 3pt 4pt"_s << u"fo:border-top-width=1pt;fo:border-right-width=2pt;fo:border-bottom-width=3pt;fo:border-left-width=4pt"_s;
        QTest::newRow("only four tokens are read") << u"fo:padding"_s << u"1pt 2pt 3pt 4pt 5pt"_s << u"fo:padding-top=1pt;fo:padding-right=2pt;fo:padding-bottom=3pt;fo:padding-left=4pt"_s;
        QTest::newRow("tokens that are no length are dropped") << u"fo:margin"_s << u"0 auto"_s << u"fo:margin-left=0;fo:margin-right=0;fo:margin-top=0;fo:margin-bottom=0"_s;
        QTest::newRow("colours with functions and blanks") << "fo:border-color" << "rgb(255, 0, 0)  #00f" << "fo:border-top-color=rgb(255, 0, 0);fo:border-bottom-color=rgb(255, 0, 0);fo:border-left-color=#00f;fo:border-right-color=#00f";
        QTest::newRow("styles") << u"fo:border-style"_s << u"solid dashed"_s << u"fo:border-top-style=solid;fo:border-bottom-style=solid;fo:border-left-style=dashed;fo:border-right-style=dashed"_s;
        // "none" has style index 0 in the borders record, so it is no style here.
        QTest::newRow("border-style none gives nothing") << u"fo:border-style"_s << u"none"_s << u""_s;
        QTest::newRow("empty value removes the shorthand") << u"fo:padding"_s << u""_s << u""_s;
        QTest::newRow("nothing of the kind removes the shorthand") << u"fo:border-color"_s << u"1pt solid"_s << u""_s;
        // clang-format on
    }
    void expandDistributesValuesOverTheSides()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(expanded({{name, value}}), expected);
    }

    void expandBorderSetsEverySide_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        const QString all = QStringLiteral(
            "fo:border-left-color=red;fo:border-left-style=solid;fo:border-left-width=1pt;"
            "fo:border-right-color=red;fo:border-right-style=solid;fo:border-right-width=1pt;"
            "fo:border-top-color=red;fo:border-top-style=solid;fo:border-top-width=1pt;"
            "fo:border-bottom-color=red;fo:border-bottom-style=solid;fo:border-bottom-width=1pt");
        // clang-format off
        QTest::newRow("any order of the three parts") << u"fo:border"_s << u"solid 1pt red"_s << all;
        QTest::newRow("only three tokens are read") << u"fo:border"_s << u"1pt solid rgb(0, 0, 255) dashed"_s << QString(all).replace("red", "rgb(0, 0, 255)");
        QTest::newRow("one side, no colour") << u"fo:border-left"_s << u"2pt dotted"_s << u"fo:border-left-style=dotted;fo:border-left-width=2pt"_s;
        QTest::newRow("none is a style keyword in a border") << u"fo:border-top"_s << u"none"_s << u"fo:border-top-style=none"_s;
        QTest::newRow("keywords are compared exactly") << u"fo:border-bottom"_s << u"SOLID 1pt"_s << u"fo:border-bottom-width=1pt"_s;
        QTest::newRow("a later token of a kind wins") << u"fo:border-right"_s << u"red blue 1pt"_s << u"fo:border-right-color=blue;fo:border-right-width=1pt"_s;
        // clang-format on
    }
    void expandBorderSetsEverySide()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(expanded({{name, value}}), expected);
    }

    void expandReplacesLonghandsInPlaceAndKeepsTheRest()
    {
        QCOMPARE(expanded({{"fo:padding-left", "9pt"},
                           {"fo:padding", "1pt"},
                           {"fo:color", "red"},
                           {"padding", "3pt"}}),
                 QStringLiteral("fo:padding-left=1pt;fo:color=red;padding=3pt;fo:padding-right=1pt;"
                                "fo:padding-top=1pt;fo:padding-bottom=1pt"));
        // A later shorthand of the same family wins over an earlier one.
        QCOMPARE(expanded({{"fo:border-width", "1pt"}, {"fo:border-left", "5pt"}}),
                 sides("fo:border-%1-width", "5pt", "1pt", "1pt", "1pt"));
    }

    void collapseWritesTheShortestSideForm_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("all equal") << u"1pt"_s << u"1pt"_s << u"1pt"_s << u"1pt"_s << u"fo:padding=1pt"_s;
        QTest::newRow("pairs") << u"1pt"_s << u"2pt"_s << u"1pt"_s << u"2pt"_s << u"fo:padding=1pt 2pt"_s;
        QTest::newRow("three distinct values give four") << u"1pt"_s << u"2pt"_s << u"3pt"_s << u"2pt"_s << u"fo:padding=1pt 2pt 3pt 2pt"_s;
        QTest::newRow("top equals bottom, left and right differ") << u"1pt"_s << u"2pt"_s << u"1pt"_s << u"3pt"_s << u"fo:padding=1pt 2pt 1pt 3pt"_s;
        QTest::newRow("text comparison, not numeric") << u"1pt"_s << u"1.0pt"_s << u"1pt"_s << u"1.0pt"_s << u"fo:padding=1pt 1.0pt"_s;
        QTest::newRow("a missing side keeps the longhands") << u"1pt"_s << u"1pt"_s << u""_s << u"1pt"_s << u"fo:padding-top=1pt;fo:padding-right=1pt;fo:padding-left=1pt"_s;
        // clang-format on
    }
    void collapseWritesTheShortestSideForm()
    {
        QFETCH(QString, top);
        QFETCH(QString, right);
        QFETCH(QString, bottom);
        QFETCH(QString, left);
        QFETCH(QString, expected);
        Entries entries;
        for (const auto& [side, value] :
             Entries{{"top", top}, {"right", right}, {"bottom", bottom}, {"left", left}}) {
            if (!value.isEmpty()) {
                entries.append({QStringLiteral("fo:padding-") + side, value});
            }
        }
        QCOMPARE(collapsed(entries), expected);
    }

    void collapseBorder_data()
    {
        QTest::addColumn<QString>("expandFrom");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("uniform border") << u"fo:border=1pt solid red"_s << u"fo:border=1pt solid red"_s;
        QTest::newRow("uniform without colour ends in a blank") << u"fo:border=1pt solid"_s << u"fo:border=1pt solid "_s;
        QTest::newRow("none is no single style, so it stays apart") << u"fo:border=1pt none red"_s << u"fo:border-style=none;fo:border=1pt red"_s;
        QTest::newRow("a family with several values stays beside fo:border") << u"fo:border=1pt solid;fo:border-color=red blue"_s << u"fo:border-color=red blue;fo:border=1pt solid "_s;
        QTest::newRow("one side only collapses into its own shorthand") << u"fo:border-left=2pt dashed green"_s << u"fo:border-left=2pt dashed green"_s;
        QTest::newRow("sides in the order top, right, bottom, left") << u"fo:border-left=1pt solid;fo:border-top=2pt dotted"_s << u"fo:border-top=2pt dotted ;fo:border-left=1pt solid "_s;
        QTest::newRow("a side with only a style") << u"fo:border-top-style=double"_s << u"fo:border-top= double "_s;
        // clang-format on
    }
    void collapseBorder()
    {
        QFETCH(QString, expandFrom);
        QFETCH(QString, expected);
        PropertyCollection properties = TestSupport::collectionOf(expandFrom);
        ShorthandHelper::expandShorthands(properties);
        ShorthandHelper::collapseShorthands(properties);
        QCOMPARE(listOf(properties), expected);
    }

    void collapseLeavesIncompleteMarginsAndOtherProperties()
    {
        QCOMPARE(collapsed({{"fo:margin-top", "1pt"},
                            {"fo:margin-left", "1pt"},
                            {"fo:margin-right", "1pt"},
                            {"fo:color", "red"}}),
                 QStringLiteral(
                     "fo:margin-top=1pt;fo:margin-left=1pt;fo:margin-right=1pt;fo:color=red"));
    }

    void removeDefaultValuesDropsZerosOfUnprefixedNames()
    {
        PropertyCollection properties = collection({{"margin", "0pt"},
                                                    {"padding-top", ""},
                                                    {"fo:margin", "0pt"},
                                                    {"padding-left", "0%"},
                                                    {"padding-right", "2pt"},
                                                    {"margin-top", "auto"},
                                                    {"margin-left", "0"},
                                                    {"margin-bottom", "-0.0mm"},
                                                    {"color", ""}});
        ShorthandHelper::removeDefaultValues(properties);
        QCOMPARE(listOf(properties),
                 QStringLiteral("fo:margin=0pt;padding-right=2pt;margin-top=auto;color="));
    }
};

UIEDITOR_TEST_CLASS(TestShorthandHelper)
#include "tst_shorthands.moc"
