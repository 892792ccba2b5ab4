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
        QTest::newRow("pt") << "12pt" << 12.0 << Length::Pt << "12pt";
        QTest::newRow("px negative") << "-3px" << -3.0 << Length::Px << "-3px";
        QTest::newRow("cm with a blank before the unit")
            << "1.5 cm" << 1.5 << Length::Cm << "1.5cm";
        QTest::newRow("mm, blanks around") << " \t25.4mm\n" << 25.4 << Length::Mm << "25.4mm";
        QTest::newRow("in without leading zero") << ".5in" << 0.5 << Length::In << "0.5in";
        QTest::newRow("em is not an exponent") << "1em" << 1.0 << Length::Em << "1em";
        QTest::newRow("pc") << "3pc" << 3.0 << Length::Pc << "3pc";
        QTest::newRow("upper-case unit") << "2PT" << 2.0 << Length::Pt << "2pt";
        QTest::newRow("mixed-case unit") << "4Mm" << 4.0 << Length::Mm << "4mm";
        QTest::newRow("plus sign") << "+4px" << 4.0 << Length::Px << "4px";
        QTest::newRow("exponent") << "1.5e2px" << 150.0 << Length::Px << "150px";
        QTest::newRow("exponent before em") << "2e-1em" << 0.2 << Length::Em << "0.2em";
        QTest::newRow("bare zero is 0px") << "0" << 0.0 << Length::Px << "0px";
        QTest::newRow("bare zero with decimals") << "0.00" << 0.0 << Length::Px << "0px";
        QTest::newRow("negative zero") << "-0pt" << 0.0 << Length::Pt << "0pt";
        QTest::newRow("trailing zeros dropped") << "12.500pt" << 12.5 << Length::Pt << "12.5pt";
        QTest::newRow("six decimals at most")
            << "0.1234567in" << 0.1234567 << Length::In << "0.123457in";
        QTest::newRow("long run of digits")
            << QString(300, QLatin1Char('0')) + "7mm" << 7.0 << Length::Mm << "7mm";
        QTest::newRow("largest accepted") << "1000000px" << 1e6 << Length::Px << "1000000px";
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

    void malformedLengthsLeaveTheValueAlone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("bare non-zero number") << "12";
        QTest::newRow("unit only") << "pt";
        QTest::newRow("two dots") << "1.2.3px";
        QTest::newRow("unit split by blanks") << "12 p t";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("nan") << "nan";
        QTest::newRow("nan with unit") << "nanpx";
        QTest::newRow("infinity") << "infpx";
        QTest::newRow("overflowing exponent") << "1e999px";
        QTest::newRow("beyond the largest size") << "1000001px";
        QTest::newRow("huge number") << "99999999999999999999999999pt";
        QTest::newRow("percentage") << "50%";
        QTest::newRow("decimal comma") << "1,5cm";
        QTest::newRow("unknown unit") << "12qq";
        QTest::newRow("ex is not supported") << "2ex";
        QTest::newRow("sign apart from the number") << "- 3px";
        QTest::newRow("unit first") << "px12";
        QTest::newRow("dot without decimals") << "1.px";
        QTest::newRow("hexadecimal") << "0x10px";
        QTest::newRow("two lengths") << "12pt 3pt";
        QTest::newRow("trailing semicolon") << "12px;";
        QTest::newRow("keyword") << "auto";
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661\u0662px");
        QTest::newRow("full-width digits") << QString::fromUtf8("\uFF11\uFF12pt");
        QTest::newRow("nul inside") << QString::fromUtf8("12\0pt", 5);
    }
    void malformedLengthsLeaveTheValueAlone()
    {
        QFETCH(QString, text);
        Length value(7.0, Length::Mm);
        QVERIFY(!Length::parseLength(value, text));
        QCOMPARE(value.getValueAsString().toQString(), QStringLiteral("7mm"));
        try {
            Length::fromString(text);
            QFAIL("fromString accepted malformed text");
        } catch (const Core::Exception& e) {
            QVERIFY(e.getMessage().contains(text));
        }
    }

    void bareNumbersArePixelsOnlyWhenAsked()
    {
        Length value;
        QVERIFY(!Length::parseLength(value, "12"));
        QVERIFY(Length::parseLength(value, "12", true));
        QCOMPARE(value.getValueAsString().toQString(), QStringLiteral("12px"));
        QCOMPARE(Length::fromString("-2.5", true).getValueAsString().toQString(),
                 QStringLiteral("-2.5px"));
        // The flag does not make other garbage acceptable.
        QVERIFY(!Length::parseLength(value, "12 pt pt", true));
    }

    void pxSizeAt96Dpi_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("fontSizePx");
        QTest::addColumn<double>("px");
        QTest::newRow("inch") << "1in" << 16.0 << 96.0;
        QTest::newRow("points") << "72pt" << 16.0 << 96.0;
        QTest::newRow("picas") << "6pc" << 16.0 << 96.0;
        QTest::newRow("centimetres") << "2.54cm" << 16.0 << 96.0;
        QTest::newRow("millimetres") << "25.4mm" << 16.0 << 96.0;
        QTest::newRow("pixels") << "96px" << 16.0 << 96.0;
        QTest::newRow("one point, to a millionth") << "1pt" << 16.0 << 1.333333;
        QTest::newRow("em at the default font size") << "2em" << 16.0 << 32.0;
        QTest::newRow("em at a given font size") << "2em" << 20.0 << 40.0;
        QTest::newRow("em with an unusable font size") << "2em" << 0.0 << 32.0;
        QTest::newRow("negative") << "-0.5in" << 16.0 << -48.0;
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
        QTest::newRow("pt to in") << "72pt" << Length::In << "1in";
        QTest::newRow("in to cm") << "1in" << Length::Cm << "2.54cm";
        QTest::newRow("in to mm") << "8.5in" << Length::Mm << "215.9mm";
        QTest::newRow("mm to cm") << "10mm" << Length::Cm << "1cm";
        QTest::newRow("cm to pt") << "2.54cm" << Length::Pt << "72pt";
        QTest::newRow("pc to pt") << "1pc" << Length::Pt << "12pt";
        QTest::newRow("pt to px") << "12pt" << Length::Px << "16px";
        QTest::newRow("pt to em") << "12pt" << Length::Em << "1em";
        QTest::newRow("em to mm") << "1em" << Length::Mm << "4.233333mm";
        QTest::newRow("same unit") << "3.25cm" << Length::Cm << "3.25cm";
        QTest::newRow("negative") << "-1in" << Length::Pt << "-72pt";
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
        QTest::newRow("half") << "50%" << true << 0.5 << "50%";
        QTest::newRow("decimals, blank before the sign") << "12.5 %" << true << 0.125 << "12.5%";
        QTest::newRow("negative") << "-10%" << true << -0.1 << "-10%";
        QTest::newRow("zero") << "0%" << true << 0.0 << "0%";
        QTest::newRow("no float noise") << "7%" << true << 0.07 << "7%";
        QTest::newRow("more than whole") << "250%" << true << 2.5 << "250%";
        QTest::newRow("length") << "12pt" << false << 0.0 << "12pt";
        QTest::newRow("bare zero") << "0" << false << 0.0 << "0px";
        QTest::newRow("blanks around") << "  3 mm " << false << 0.0 << "3mm";
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

    void malformedLengthsOrPercentagesLeaveTheValueAlone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bareNumberIsPx");
        QTest::newRow("sign alone") << "%" << false;
        QTest::newRow("two signs") << "50%%" << false;
        QTest::newRow("word") << "abc%" << false;
        QTest::newRow("text after the sign") << "50% 3" << false;
        QTest::newRow("sign first") << "%50" << false;
        QTest::newRow("auto") << "auto" << false;
        QTest::newRow("auto, bare numbers allowed") << "auto" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("bare number") << "12" << false;
        QTest::newRow("overflowing") << "1e999%" << false;
        QTest::newRow("beyond the largest") << "5e6%" << false;
        QTest::newRow("length and percentage") << "12pt%" << false;
    }
    void malformedLengthsOrPercentagesLeaveTheValueAlone()
    {
        QFETCH(QString, text);
        QFETCH(bool, bareNumberIsPx);
        LengthOrPercent value(0.25);
        QVERIFY(!LengthOrPercent::parseLengthOrPercent(value, text, bareNumberIsPx));
        QCOMPARE(value.getValueAsString().toQString(), QStringLiteral("25%"));
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

    void defaultValuesAreZeroPixels()
    {
        QCOMPARE(Length().getValueAsString().toQString(), QStringLiteral("0px"));
        QCOMPARE(LengthOrPercent().getValueAsString().toQString(), QStringLiteral("0px"));
        QCOMPARE(Xml::BorderWidth().getValueAsString().toQString(), QStringLiteral("0px"));
        QVERIFY(!LengthOrPercent().isPercent());
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
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("written");
        QTest::addColumn<double>("px");
        QTest::newRow("thin") << "thin" << true << "1pt" << 1.333333;
        QTest::newRow("medium, upper case") << "MEDIUM" << true << "3pt" << 4.0;
        QTest::newRow("thick, blanks around") << " thick " << true << "5pt" << 6.666667;
        QTest::newRow("length") << "2px" << true << "2px" << 2.0;
        QTest::newRow("bare zero") << "0" << true << "0px" << 0.0;
        QTest::newRow("millimetres") << "0.5mm" << true << "0.5mm" << 1.889764;
        QTest::newRow("negative") << "-1px" << false << "" << 0.0;
        QTest::newRow("percentage") << "50%" << false << "" << 0.0;
        QTest::newRow("unknown keyword") << "thinner" << false << "" << 0.0;
        QTest::newRow("two keywords") << "thin thick" << false << "" << 0.0;
        QTest::newRow("empty") << "" << false << "" << 0.0;
        QTest::newRow("bare number") << "3" << false << "" << 0.0;
    }
    void borderWidths()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, written);
        QFETCH(double, px);
        Xml::BorderWidth width(Length(9.0, Length::Mm));
        QCOMPARE(Xml::BorderWidth::parseBorderWidth(width, text), ok);
        QCOMPARE(width.getValueAsString().toQString(), ok ? written : QStringLiteral("9mm"));
        if (ok) {
            QCOMPARE(width.pxSize(), px);
        }
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
        QTest::newRow("colour last") << "2px 3px red" << "2px 3px 0px 0px" << false
            << "rgb(255,0,0)" << "2px 3px rgb(255,0,0)";
        QTest::newRow("colour first") << "navy -1pt 4pt" << "-1pt 4pt 0px 0px" << false
            << "rgb(0,0,128)" << "-1pt 4pt rgb(0,0,128)";
        QTest::newRow("blur") << "4px 4px 5px #000" << "4px 4px 5px 0px" << false
            << "rgb(0,0,0)" << "4px 4px 5px rgb(0,0,0)";
        QTest::newRow("negative spread, rgb with blanks") << "1pt 2pt 3pt -1pt rgb(10, 20, 30)"
            << "1pt 2pt 3pt -1pt" << false << "rgb(10,20,30)" << "1pt 2pt 3pt -1pt rgb(10,20,30)";
        QTest::newRow("spread without blur") << "1px 1px 0 2px" << "1px 1px 0px 2px" << false
            << "" << "1px 1px 0px 2px";
        QTest::newRow("inset first") << "inset 1px 1px blue" << "1px 1px 0px 0px" << true
            << "rgb(0,0,255)" << "inset 1px 1px rgb(0,0,255)";
        QTest::newRow("inset last") << "1px 1px blue INSET" << "1px 1px 0px 0px" << true
            << "rgb(0,0,255)" << "inset 1px 1px rgb(0,0,255)";
        QTest::newRow("zero offsets") << "0 0" << "0px 0px 0px 0px" << false << "" << "0px 0px";
        QTest::newRow("the borders dialog's form") << "0.5pt 0.5pt rgb(0,128,0)"
            << "0.5pt 0.5pt 0px 0px" << false << "rgb(0,128,0)" << "0.5pt 0.5pt rgb(0,128,0)";
        QTest::newRow("translucent") << "4px 4px rgba(0, 0, 0, 0.5)" << "4px 4px 0px 0px" << false
            << "rgba(0,0,0,0.502)" << "4px 4px rgba(0,0,0,0.502)";
        QTest::newRow("cmyk colour") << "1mm 1mm cmyk(0,1,1,0)" << "1mm 1mm 0px 0px" << false
            << "rgb(255,0,0)" << "1mm 1mm rgb(255,0,0)";
        QTest::newRow("extra blanks") << "  2px \t 3px   green " << "2px 3px 0px 0px" << false
            << "rgb(0,128,0)" << "2px 3px rgb(0,128,0)";
        QTest::newRow("blur below six decimals") << "4e-2pt 4e-2pt 8.542e-54mm"
            << "0.04pt 0.04pt 0mm 0px" << false << "" << "0.04pt 0.04pt";
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

    void malformedBoxShadowsLeaveTheValueAlone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "  ";
        QTest::newRow("none with more") << "none 2px 2px";
        QTest::newRow("one offset") << "2px";
        QTest::newRow("colour alone") << "red";
        QTest::newRow("colour between the lengths") << "2px red 3px";
        QTest::newRow("five lengths") << "2px 3px 4px 5px 6px";
        QTest::newRow("negative blur") << "2px 3px -4px";
        QTest::newRow("two colours") << "2px 3px red blue";
        QTest::newRow("not a colour") << "2px 3px reddish";
        QTest::newRow("a list of shadows") << "2px 3px red, 4px 4px blue";
        QTest::newRow("unclosed function") << "2px 3px rgb(1,2,3";
        QTest::newRow("extra parenthesis") << "2px 3px rgb(1,2,3))";
        QTest::newRow("inset alone") << "inset";
        QTest::newRow("inset twice") << "inset 1px 1px inset";
        QTest::newRow("percentage offset") << "2px 50%";
        QTest::newRow("bare numbers") << "2 3";
        QTest::newRow("nested garbage") << "((((((((";
    }
    void malformedBoxShadowsLeaveTheValueAlone()
    {
        QFETCH(QString, text);
        Xml::BoxShadow shadow;
        QVERIFY(shadow.readFromString("1pt 2pt 3pt lime"));
        const Xml::BoxShadow before = shadow;
        QVERIFY(!shadow.readFromString(text));
        QVERIFY(shadow == before);
    }

    void shadowColourTextIsOneAColourFieldFollows()
    {
        // The borders dialog puts the shadow's colour text into a colour field, whose
        // swatch follows only keywords and the scanned rgb() form.
        Xml::BoxShadow shadow;
        QVERIFY(shadow.readFromString("4px 4px #336699"));
        const Core::String text = Xml::ColorParse::getColorAsString(shadow.getColor().getValue());
        const auto swatch = Xml::ColorParse::scanRGBTriplet(text);
        QVERIFY(swatch.has_value());
        QCOMPARE(swatch->toCOLORREF(), RGB(0x33, 0x66, 0x99));
    }
};

UIEDITOR_TEST_CLASS(TestCssValues)
#include "tst_cssvalues.moc"
