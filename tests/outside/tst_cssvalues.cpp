// CSS lengths, percentages, border widths and box shadows as the formatting
// dialogs, the shorthand helper and the page setup read and write them.
#include "outside/core/coreexception.h"
#include "outside/cssvalues/xmlborderwidth.h"
#include "outside/cssvalues/xmlboxshadow.h"
#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "testregistry.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

using Xml::Length;
using Xml::LengthOrPercent;

Q_DECLARE_METATYPE(Xml::Length::Unit)

class TestCssValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lengthsInEveryUnitReadAndWriteBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<Length::Unit>("unit");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("pt") << u"12pt"_s << 12.0 << Length::Pt << u"12pt"_s;
        QTest::newRow("px negative") << u"-3px"_s << -3.0 << Length::Px << u"-3px"_s;
        QTest::newRow("cm with a blank before the unit") << u"1.5 cm"_s << 1.5 << Length::Cm << u"1.5cm"_s;
        QTest::newRow("mm, blanks around") << u" \t25.4mm\n"_s << 25.4 << Length::Mm << u"25.4mm"_s;
        QTest::newRow("in without leading zero") << u".5in"_s << 0.5 << Length::In << u"0.5in"_s;
        QTest::newRow("em is not an exponent") << u"1em"_s << 1.0 << Length::Em << u"1em"_s;
        QTest::newRow("pc") << u"3pc"_s << 3.0 << Length::Pc << u"3pc"_s;
        QTest::newRow("upper-case unit") << u"2PT"_s << 2.0 << Length::Pt << u"2pt"_s;
        QTest::newRow("plus sign") << u"+4px"_s << 4.0 << Length::Px << u"4px"_s;
        QTest::newRow("exponent") << u"1.5e2px"_s << 150.0 << Length::Px << u"150px"_s;
        QTest::newRow("exponent before em") << u"2e-1em"_s << 0.2 << Length::Em << u"0.2em"_s;
        QTest::newRow("bare zero is 0px") << u"0"_s << 0.0 << Length::Px << u"0px"_s;
        QTest::newRow("negative zero") << u"-0pt"_s << 0.0 << Length::Pt << u"0pt"_s;
        QTest::newRow("trailing zeros dropped") << u"12.500pt"_s << 12.5 << Length::Pt << u"12.5pt"_s;
        QTest::newRow("six decimals at most") << u"0.1234567in"_s << 0.1234567 << Length::In << u"0.123457in"_s;
        QTest::newRow("long run of digits") << QString(300, QLatin1Char('0')) + "7mm" << 7.0 << Length::Mm << u"7mm"_s;
        QTest::newRow("largest accepted") << u"1000000px"_s << 1e6 << Length::Px << u"1000000px"_s;
        // clang-format on
    }
    void lengthsInEveryUnitReadAndWriteBack()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(Length::Unit, unit);
        QFETCH(QString, written);
        Length value(99.0, Length::Mm);
        QVERIFY(Length::parseLength(value, text));
        QCOMPARE(value.getSize(), size);
        QCOMPARE(value.getUnit(), unit);
        QCOMPARE(value.getValueAsString().toQString(), written);
        // The written text reads back as the same value.
        Length again;
        QVERIFY(Length::parseLength(again, value.getValueAsString()));
        QCOMPARE(again.getValueAsString().toQString(), written);
    }

    void pxSizeAt96Dpi_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("fontSizePx");
        QTest::addColumn<double>("px");
        QTest::newRow("inch") << u"1in"_s << 16.0 << 96.0;
        QTest::newRow("points") << u"72pt"_s << 16.0 << 96.0;
        QTest::newRow("centimetres") << u"2.54cm"_s << 16.0 << 96.0;
        QTest::newRow("one point, to a millionth") << u"1pt"_s << 16.0 << 1.333333;
        QTest::newRow("em at the default font size") << u"2em"_s << 16.0 << 32.0;
        QTest::newRow("em at a given font size") << u"2em"_s << 20.0 << 40.0;
        QTest::newRow("em with an unusable font size") << u"2em"_s << 0.0 << 32.0;
        QTest::newRow("negative") << u"-0.5in"_s << 16.0 << -48.0;
    }
    void pxSizeAt96Dpi()
    {
        QFETCH(QString, text);
        QFETCH(double, fontSizePx);
        QFETCH(double, px);
        QCOMPARE(Length::fromString(text).pxSize(fontSizePx), px);
    }

    void oneLengthInTwoUnitsHasExactlyTheSamePxSize()
    {
        // Page setup matches a standard format by comparing pxSize with ==.
        const double letterWidth = Length(8.5, Length::In).pxSize();
        QCOMPARE(letterWidth, 816.0);
        QVERIFY(Length::fromString("612pt").pxSize() == letterWidth);
        QVERIFY(Length::fromString("21.59cm").pxSize() == letterWidth);
        QVERIFY(Length::fromString("215.9mm").pxSize() == letterWidth);
        QVERIFY(Length(8.5, Length::In).convertTo(Length::Cm).pxSize() == letterWidth);
        QVERIFY(Length(8.3, Length::In).convertTo(Length::Mm).pxSize() ==
                Length(8.3, Length::In).pxSize());
        QVERIFY(Length::fromString("21.08cm").pxSize() != Length(8.3, Length::In).pxSize());
    }

    void convertsBetweenUnits_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Length::Unit>("unit");
        QTest::addColumn<QString>("to");
        QTest::newRow("pt to in") << u"72pt"_s << Length::In << u"1in"_s;
        QTest::newRow("in to mm") << u"8.5in"_s << Length::Mm << u"215.9mm"_s;
        QTest::newRow("cm to pt") << u"2.54cm"_s << Length::Pt << u"72pt"_s;
        QTest::newRow("pc to pt") << u"1pc"_s << Length::Pt << u"12pt"_s;
        QTest::newRow("pt to px") << u"12pt"_s << Length::Px << u"16px"_s;
        QTest::newRow("pt to em") << u"12pt"_s << Length::Em << u"1em"_s;
        QTest::newRow("em to mm") << u"1em"_s << Length::Mm << u"4.233333mm"_s;
        QTest::newRow("same unit") << u"3.25cm"_s << Length::Cm << u"3.25cm"_s;
        QTest::newRow("negative") << u"-1in"_s << Length::Pt << u"-72pt"_s;
    }
    void convertsBetweenUnits()
    {
        QFETCH(QString, from);
        QFETCH(Length::Unit, unit);
        QFETCH(QString, to);
        const Length source = Length::fromString(from);
        const Length converted = source.convertTo(unit);
        QCOMPARE(converted.getUnit(), unit);
        QCOMPARE(converted.getValueAsString().toQString(), to);
        // And back again to the text it came from.
        QCOMPARE(converted.convertTo(source.getUnit()).getValueAsString().toQString(),
                 source.getValueAsString().toQString());
    }

    void unitCodesKeepTheirNumbers()
    {
        // Hosts store these numbers; the unit lists of the controls carry them as item data.
        const std::pair<const char*, int> codes[] = {{"px", 0}, {"pt", 1}, {"pc", 2}, {"cm", 3},
                                                     {"mm", 4}, {"in", 5}, {"em", 6}};
        for (const auto& [name, code] : codes) {
            Length::Unit unit = Length::Px;
            QVERIFY(Length::unitFromName(name, unit));
            QCOMPARE(int(unit), code);
            QCOMPARE(Length::unitName(unit).toQString(), QString::fromLatin1(name));
            QCOMPARE(Length::fromString(QStringLiteral("1%1").arg(QLatin1String(name))).getUnit(),
                     unit);
        }
        Length::Unit unit = Length::Pt;
        QVERIFY(!Length::unitFromName("%", unit));
        QCOMPARE(unit, Length::Pt);
        // A code that is no unit does not survive into a value.
        QCOMPARE(Length(1.0, Length::Unit(9)).getUnit(), Length::Px);
        QVERIFY(!Length::isUnitCode(7) && !Length::isUnitCode(-1));
    }

    void sizesThatAreNotFiniteBecomeZero()
    {
        const double inf = std::numeric_limits<double>::infinity();
        QCOMPARE(Length(inf, Length::Pt).getValueAsString().toQString(), QStringLiteral("0pt"));
        QCOMPARE(Length(std::nan(""), Length::Cm).pxSize(), 0.0);
        QCOMPARE(LengthOrPercent(-inf).getValueAsString().toQString(), QStringLiteral("0%"));
        Length value(1.0, Length::In);
        value.setSize(std::nan(""));
        QCOMPARE(value.getValueAsString().toQString(), QStringLiteral("0in"));
    }

    void lengthsOrPercentagesReadAndWriteBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("half") << u"50%"_s << true << 0.5 << u"50%"_s;
        QTest::newRow("decimals, blank before the sign") << u"12.5 %"_s << true << 0.125 << u"12.5%"_s;
        QTest::newRow("negative") << u"-10%"_s << true << -0.1 << u"-10%"_s;
        QTest::newRow("zero") << u"0%"_s << true << 0.0 << u"0%"_s;
        QTest::newRow("no float noise") << u"7%"_s << true << 0.07 << u"7%"_s;
        QTest::newRow("more than whole") << u"250%"_s << true << 2.5 << u"250%"_s;
        QTest::newRow("length") << u"12pt"_s << false << 0.0 << u"12pt"_s;
        QTest::newRow("bare zero") << u"0"_s << false << 0.0 << u"0px"_s;
        QTest::newRow("blanks around") << u"  3 mm "_s << false << 0.0 << u"3mm"_s;
        // clang-format on
    }
    void lengthsOrPercentagesReadAndWriteBack()
    {
        QFETCH(QString, text);
        QFETCH(bool, percent);
        QFETCH(double, fraction);
        QFETCH(QString, written);
        LengthOrPercent value;
        QVERIFY(LengthOrPercent::parseLengthOrPercent(value, text, false));
        QCOMPARE(value.isPercent(), percent);
        QCOMPARE(value.getPercent(), fraction);
        QCOMPARE(value.getValueAsString().toQString(), written);
        LengthOrPercent again(0.33);
        QVERIFY(LengthOrPercent::parseLengthOrPercent(again, value.getValueAsString(), false));
        QVERIFY(again == value);
    }

    void lengthPartOfAPercentageIsZeroOnlyForZeroPercent()
    {
        // Dialogs drop paddings and positions whose length part has size 0:
        // "0%" must go, "50%" must stay.
        LengthOrPercent value;
        QVERIFY(LengthOrPercent::parseLengthOrPercent(value, "0%", false));
        QCOMPARE(value.getLength().getSize(), 0.0);
        QVERIFY(LengthOrPercent::parseLengthOrPercent(value, "50%", false));
        QVERIFY(value.getLength().getSize() != 0.0);
        QVERIFY(LengthOrPercent::parseLengthOrPercent(value, "-0.5%", false));
        QVERIFY(value.getLength().getSize() != 0.0);
        // A length answers itself, and no percentage.
        const LengthOrPercent length(Length(2.0, Length::Cm));
        QCOMPARE(length.getLength().getValueAsString().toQString(), QStringLiteral("2cm"));
        QCOMPARE(length.getPercent(), 0.0);
        QVERIFY(!(length == LengthOrPercent(Length(2.0, Length::Mm))));
        QVERIFY(!(LengthOrPercent(0.02) == length));
    }

    void textIsTheSameWhateverTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));

        QCOMPARE(Length(1.5, Length::Cm).getValueAsString().toQString(), QStringLiteral("1.5cm"));
        QCOMPARE(Length(1234567.25, Length::Px).getValueAsString().toQString(),
                 QStringLiteral("1234567.25px"));
        QCOMPARE(LengthOrPercent(0.125).getValueAsString().toQString(), QStringLiteral("12.5%"));
        Length value;
        QVERIFY(Length::parseLength(value, "2.75in"));
        QCOMPARE(value.getSize(), 2.75);
        QVERIFY(!Length::parseLength(value, "2,75in"));
        Xml::BoxShadow shadow;
        QVERIFY(shadow.readFromString("0.5pt 1.25pt rgba(0,0,0,0.5)"));
        QCOMPARE(shadow.getValueAsString().toQString(),
                 QStringLiteral("0.5pt 1.25pt rgba(0,0,0,0.502)"));
    }

    void borderWidths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::addColumn<double>("px");
        QTest::newRow("thin") << u"thin"_s << u"1pt"_s << 1.333333;
        QTest::newRow("medium, upper case") << u"MEDIUM"_s << u"3pt"_s << 4.0;
        QTest::newRow("thick, blanks around") << u" thick "_s << u"5pt"_s << 6.666667;
        QTest::newRow("length") << u"2px"_s << u"2px"_s << 2.0;
        QTest::newRow("bare zero") << u"0"_s << u"0px"_s << 0.0;
        QTest::newRow("millimetres") << u"0.5mm"_s << u"0.5mm"_s << 1.889764;
    }
    void borderWidths()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QFETCH(double, px);
        Xml::BorderWidth width(Length(9.0, Length::Mm));
        QVERIFY(Xml::BorderWidth::parseBorderWidth(width, text));
        QCOMPARE(width.getValueAsString().toQString(), written);
        QCOMPARE(width.pxSize(), px);
    }

    void boxShadowsRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lengths"); // dx dy blur spread
        QTest::addColumn<bool>("inset");
        QTest::addColumn<QString>("color"); // "" when none is given
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("offsets only") << "2px 3px" << "2px 3px 0px 0px" << false << "" << "2px 3px";
        QTest::newRow("colour last") << "2px 3px red" << "2px 3px 0px 0px" << false << "rgb(255,0,0)" << "2px 3px rgb(255,0,0)";
        QTest::newRow("colour first") << "navy -1pt 4pt" << "-1pt 4pt 0px 0px" << false << "rgb(0,0,128)" << "-1pt 4pt rgb(0,0,128)";
        QTest::newRow("negative spread, rgb with blanks") << "1pt 2pt 3pt -1pt rgb(10, 20, 30)" << "1pt 2pt 3pt -1pt" << false << "rgb(10,20,30)" << "1pt 2pt 3pt -1pt rgb(10,20,30)";
        QTest::newRow("spread without blur") << "1px 1px 0 2px" << "1px 1px 0px 2px" << false << "" << "1px 1px 0px 2px";
        QTest::newRow("inset first") << "inset 1px 1px blue" << "1px 1px 0px 0px" << true << "rgb(0,0,255)" << "inset 1px 1px rgb(0,0,255)";
        QTest::newRow("inset last") << "1px 1px blue INSET" << "1px 1px 0px 0px" << true << "rgb(0,0,255)" << "inset 1px 1px rgb(0,0,255)";
        QTest::newRow("the borders dialog's form") << "0.5pt 0.5pt rgb(0,128,0)" << "0.5pt 0.5pt 0px 0px" << false << "rgb(0,128,0)" << "0.5pt 0.5pt rgb(0,128,0)";
        QTest::newRow("translucent") << "4px 4px rgba(0, 0, 0, 0.5)" << "4px 4px 0px 0px" << false << "rgba(0,0,0,0.502)" << "4px 4px rgba(0,0,0,0.502)";
        QTest::newRow("blur below six decimals") << "4e-2pt 4e-2pt 8.542e-54mm" << "0.04pt 0.04pt 0mm 0px" << false << "" << "0.04pt 0.04pt";
        // clang-format on
    }
    void boxShadowsRead()
    {
        QFETCH(QString, text);
        QFETCH(QString, lengths);
        QFETCH(bool, inset);
        QFETCH(QString, color);
        QFETCH(QString, written);
        Xml::BoxShadow shadow;
        QVERIFY(shadow.readFromString(text));
        QVERIFY(!shadow.isNone());
        const QStringList read{shadow.getDx().getValueAsString(), shadow.getDy().getValueAsString(),
                               shadow.getBlur().getValueAsString(),
                               shadow.getSpread().getValueAsString()};
        QCOMPARE(read.join(QLatin1Char(' ')), lengths);
        QCOMPARE(shadow.isInset(), inset);
        QCOMPARE(shadow.getColor().isSet(), !color.isEmpty());
        if (shadow.getColor().isSet()) {
            QCOMPARE(Xml::ColorParse::getColorAsString(shadow.getColor().getValue()).toQString(),
                     color);
        }
        QCOMPARE(shadow.getValueAsString().toQString(), written);
        Xml::BoxShadow again;
        QVERIFY(again.readFromString(shadow.getValueAsString()));
        QCOMPARE(again.getValueAsString().toQString(), written);
    }

    void noneIsAShadowWithoutOffsets()
    {
        Xml::BoxShadow shadow;
        QVERIFY(shadow.readFromString("2px 2px red"));
        QVERIFY(shadow.readFromString(" None "));
        QVERIFY(shadow.isNone());
        QCOMPARE(shadow.getDx().getSize(), 0.0);
        QVERIFY(!shadow.getColor().isSet());
        QCOMPARE(shadow.getValueAsString().toQString(), QStringLiteral("none"));
        QVERIFY(shadow == Xml::BoxShadow());
        shadow.setDx(Length(1.0, Length::Pt));
        QCOMPARE(shadow.getValueAsString().toQString(), QStringLiteral("1pt 0px"));
    }

    void malformedValuesLeaveTheValueAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("length: bare non-zero number") << u"length"_s << u"12"_s;
        QTest::newRow("length: unit only") << u"length"_s << u"pt"_s;
        QTest::newRow("length: two dots") << u"length"_s << u"1.2.3px"_s;
        QTest::newRow("length: empty") << u"length"_s << u""_s;
        QTest::newRow("length: blanks only") << u"length"_s << u"   "_s;
        QTest::newRow("length: nan") << u"length"_s << u"nan"_s;
        QTest::newRow("length: overflowing exponent") << u"length"_s << u"1e999px"_s;
        QTest::newRow("length: percentage") << u"length"_s << u"50%"_s;
        QTest::newRow("length: decimal comma") << u"length"_s << u"1,5cm"_s;
        QTest::newRow("length: unknown unit") << u"length"_s << u"12qq"_s;
        QTest::newRow("length: ex is not supported") << u"length"_s << u"2ex"_s;
        QTest::newRow("length: sign apart from the number") << u"length"_s << u"- 3px"_s;
        QTest::newRow("length: hexadecimal") << u"length"_s << u"0x10px"_s;
        QTest::newRow("length: two lengths") << u"length"_s << u"12pt 3pt"_s;
        QTest::newRow("length: Arabic-Indic digits") << u"length"_s << QString::fromUtf8("\u0661\u0662px");
        QTest::newRow("shadow: empty") << u"shadow"_s << u""_s;
        QTest::newRow("shadow: none with more") << u"shadow"_s << u"none 2px 2px"_s;
        QTest::newRow("shadow: one offset") << u"shadow"_s << u"2px"_s;
        QTest::newRow("shadow: colour alone") << u"shadow"_s << u"red"_s;
        QTest::newRow("shadow: colour between the lengths") << u"shadow"_s << u"2px red 3px"_s;
        QTest::newRow("shadow: five lengths") << u"shadow"_s << u"2px 3px 4px 5px 6px"_s;
        QTest::newRow("shadow: negative blur") << u"shadow"_s << u"2px 3px -4px"_s;
        QTest::newRow("shadow: two colours") << u"shadow"_s << u"2px 3px red blue"_s;
        QTest::newRow("shadow: not a colour") << u"shadow"_s << u"2px 3px reddish"_s;
        QTest::newRow("shadow: a list of shadows") << u"shadow"_s << u"2px 3px red, 4px 4px blue"_s;
        QTest::newRow("shadow: unclosed function") << u"shadow"_s << u"2px 3px rgb(1,2,3"_s;
        QTest::newRow("shadow: inset alone") << u"shadow"_s << u"inset"_s;
        QTest::newRow("shadow: inset twice") << u"shadow"_s << u"inset 1px 1px inset"_s;
        QTest::newRow("shadow: percentage offset") << u"shadow"_s << u"2px 50%"_s;
        QTest::newRow("shadow: bare numbers") << u"shadow"_s << u"2 3"_s;
        QTest::newRow("percentage: sign alone") << u"percent"_s << u"%"_s;
        QTest::newRow("percentage: two signs") << u"percent"_s << u"50%%"_s;
        QTest::newRow("percentage: word") << u"percent"_s << u"abc%"_s;
        QTest::newRow("percentage: text after the sign") << u"percent"_s << u"50% 3"_s;
        QTest::newRow("percentage: auto, bare numbers allowed") << u"percent or px"_s << u"auto"_s;
        QTest::newRow("percentage: empty") << u"percent"_s << u""_s;
        QTest::newRow("percentage: bare number") << u"percent"_s << u"12"_s;
        QTest::newRow("percentage: overflowing") << u"percent"_s << u"1e999%"_s;
        QTest::newRow("percentage: beyond the largest") << u"percent"_s << u"5e6%"_s;
        QTest::newRow("percentage: length and percentage") << u"percent"_s << u"12pt%"_s;
        QTest::newRow("border width: negative") << u"border"_s << u"-1px"_s;
        QTest::newRow("border width: percentage") << u"border"_s << u"50%"_s;
        QTest::newRow("border width: unknown keyword") << u"border"_s << u"thinner"_s;
        QTest::newRow("border width: empty") << u"border"_s << u""_s;
        QTest::newRow("border width: bare number") << u"border"_s << u"3"_s;
        // clang-format on
    }
    void malformedValuesLeaveTheValueAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        if (kind == u"length") {
            Length value(7.0, Length::Mm);
            QVERIFY(!Length::parseLength(value, text));
            QCOMPARE(value.getValueAsString().toQString(), u"7mm"_s);
            try {
                Length::fromString(text);
                QFAIL("fromString accepted malformed text");
            } catch (const Core::Exception& e) {
                QVERIFY(e.getMessage().contains(text));
            }
        } else if (kind.startsWith(u"percent")) {
            LengthOrPercent value(0.25);
            QVERIFY(!LengthOrPercent::parseLengthOrPercent(value, text, kind.endsWith(u"px")));
            QCOMPARE(value.getValueAsString().toQString(), u"25%"_s);
        } else if (kind == u"border") {
            Xml::BorderWidth width(Length(9.0, Length::Mm));
            QVERIFY(!Xml::BorderWidth::parseBorderWidth(width, text));
            QCOMPARE(width.getValueAsString().toQString(), u"9mm"_s);
        } else {
            Xml::BoxShadow shadow;
            QVERIFY(shadow.readFromString("1pt 2pt 3pt lime"));
            const Xml::BoxShadow before = shadow;
            QVERIFY(!shadow.readFromString(text));
            QVERIFY(shadow == before);
        }
    }
};

UIEDITOR_TEST_CLASS(TestCssValues)
#include "tst_cssvalues.moc"
