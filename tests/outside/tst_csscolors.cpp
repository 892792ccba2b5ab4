// CSS and XSL-FO colour notations, the Windows colour values hosts receive,
// optional attributes and the barcode symbology names.
#include "outside/core/coreexception.h"
#include "outside/cssvalues/colorref.h"
#include "outside/cssvalues/xmlbarcodetype.h"
#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/cssvalues/xmltxmlattribute.h"
#include "testregistry.h"

#include <QColor>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

using Xml::ColorParse;

Q_DECLARE_METATYPE(Xml::BarcodeType)

class TestCssColors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourNotations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("alpha");
        // clang-format off
        QTest::newRow("#rrggbb") << u"#ff0000"_s << 255 << 0 << 0 << 255;
        QTest::newRow("#rgb, upper case") << u"#0AF"_s << 0 << 170 << 255 << 255;
        QTest::newRow("#rgba") << u"#0f08"_s << 0 << 255 << 0 << 136;
        QTest::newRow("#rrggbbaa") << u"#12345678"_s << 0x12 << 0x34 << 0x56 << 0x78;
        QTest::newRow("rgb, no blanks") << u"rgb(255,0,0)"_s << 255 << 0 << 0 << 255;
        QTest::newRow("rgb, blanks") << u" rgb( 0 , 128 , 0 ) "_s << 0 << 128 << 0 << 255;
        QTest::newRow("rgb percentages") << u"rgb(100%, 50%, 0%)"_s << 255 << 128 << 0 << 255;
        QTest::newRow("rgb clamps") << u"rgb(300,-5,12.6)"_s << 255 << 0 << 13 << 255;
        QTest::newRow("rgba") << u"rgba(0,0,255,0.5)"_s << 0 << 0 << 255 << 128;
        QTest::newRow("rgba, alpha clamped") << u"rgba(0,0,255,7)"_s << 0 << 0 << 255 << 255;
        QTest::newRow("blank-separated") << u"rgb(10 20 30)"_s << 10 << 20 << 30 << 255;
        QTest::newRow("blank-separated with alpha") << u"rgb(0 0 255 / 50%)"_s << 0 << 0 << 255 << 128;
        QTest::newRow("rgb-icc takes the fallback") << u"rgb-icc(255, 204, 51, #CMYK, 0, 0.2, 0.8, 0)"_s << 255 << 204 << 51 << 255;
        QTest::newRow("rgb-icc with a quoted profile") << u"rgb-icc(10,20,30, 'my, profile', 1)"_s << 10 << 20 << 30 << 255;
        QTest::newRow("cmyk red") << u"cmyk(0,1,1,0)"_s << 255 << 0 << 0 << 255;
        QTest::newRow("cmyk half cyan") << u"cmyk(0.5,0,0,0)"_s << 128 << 255 << 255 << 255;
        QTest::newRow("cmyk clamps") << u"cmyk(2,-1,0,0)"_s << 0 << 255 << 255 << 255;
        QTest::newRow("spot colour") << u"spot-color('PANTONE 100 C', 0, 0, 1, 0)"_s << 255 << 255 << 0 << 255;
        QTest::newRow("spot colour at half tint") << u"spot-color(\"Gold\", 0, 0, 1, 0, 50%)"_s << 255 << 255 << 128 << 255;
        QTest::newRow("spot colour, bare name, no tint") << u"spot-color(Red, 0, 1, 1, 0)"_s << 255 << 0 << 0 << 255;
        QTest::newRow("keyword in any case") << u"NaVy"_s << 0 << 0 << 128 << 255;
        QTest::newRow("grey spelling") << u"lightslategrey"_s << 0x77 << 0x88 << 0x99 << 255;
        QTest::newRow("transparent") << u"transparent"_s << 0 << 0 << 0 << 0;
        // clang-format on
    }
    void colourNotations()
    {
        QFETCH(QString, text);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, alpha);
        const ColorParse::Result color = ColorParse::parseColor(text);
        QVERIFY2(color.has_value(), qPrintable(text));
        QCOMPARE(color->getR(), red);
        QCOMPARE(color->getG(), green);
        QCOMPARE(color->getB(), blue);
        QCOMPARE(color->getAlpha(), alpha);
        // The text written back reads as the same colour.
        QVERIFY(ColorParse::parseColor(ColorParse::getColorAsString(*color)) == color);
    }

    void textThatIsNoColourGivesNoValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << u""_s;
        QTest::newRow("five hex digits") << u"#ff000"_s;
        QTest::newRow("not hex") << u"#gg0000"_s;
        QTest::newRow("Unicode hex lookalike") << QString::fromUtf8("#ff000\uFF10");
        QTest::newRow("rgb, two numbers") << u"rgb(1,2)"_s;
        QTest::newRow("rgb, empty argument") << u"rgb(1,,3)"_s;
        QTest::newRow("rgb unclosed") << u"rgb(1,2,3"_s;
        QTest::newRow("rgb, text after") << u"rgb(1,2,3)x"_s;
        QTest::newRow("blank before the parenthesis") << u"rgb (1,2,3)"_s;
        QTest::newRow("nested parentheses") << u"rgb(1,(2),3)"_s;
        QTest::newRow("rgb, not a number") << u"rgb(nan,0,0)"_s;
        QTest::newRow("blank-separated, two numbers") << u"rgb(1 2 / 1)"_s;
        QTest::newRow("rgba, bad alpha") << u"rgba(1,2,3,x)"_s;
        QTest::newRow("cmyk, three inks") << u"cmyk(0,0,0)"_s;
        QTest::newRow("cmyk, word") << u"cmyk(0,0,0,k)"_s;
        QTest::newRow("rgb-icc without a profile") << u"rgb-icc(1,2,3)"_s;
        QTest::newRow("rgb-icc, empty value") << u"rgb-icc(1,2,3,#CMYK,)"_s;
        QTest::newRow("spot colour without a name") << u"spot-color(,0,0,0,0)"_s;
        QTest::newRow("spot colour, empty quoted name") << u"spot-color('',0,0,0,0)"_s;
        QTest::newRow("spot colour, unclosed quote") << u"spot-color('x, 0,0,0,0)"_s;
        QTest::newRow("misspelt keyword") << u"redd"_s;
        QTest::newRow("keyword with a semicolon") << u"blue;"_s;
        QTest::newRow("Kelvin sign for K") << QString::fromUtf8("\u212Ahaki");
        QTest::newRow("newer keyword") << u"rebeccapurple"_s;
        QTest::newRow("none") << u"none"_s;
    }
    void textThatIsNoColourGivesNoValue()
    {
        QFETCH(QString, text);
        QVERIFY(!ColorParse::parseColor(text).has_value());
    }

    void rgbIntegersCanKeepTheirLowByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("clamped");
        QTest::addColumn<uint>("lowByte");
        // clang-format off
        QTest::newRow("in range") << u"rgb(1,2,3)"_s << uint(RGB(1, 2, 3)) << uint(RGB(1, 2, 3));
        QTest::newRow("300") << u"rgb(300,0,0)"_s << uint(RGB(255, 0, 0)) << uint(RGB(44, 0, 0));
        QTest::newRow("negative and 256") << u"rgb(-1,256,511)"_s << uint(RGB(0, 255, 255)) << uint(RGB(255, 0, 255));
        QTest::newRow("decimals are cut") << u"rgb(257.9,0,0)"_s << uint(RGB(255, 0, 0)) << uint(RGB(1, 0, 0));
        QTest::newRow("huge") << u"rgb(1e300,0,0)"_s << uint(RGB(255, 0, 0)) << uint(RGB(0, 0, 0));
        QTest::newRow("percentages always clamp") << u"rgb(200%,0,0)"_s << uint(RGB(255, 0, 0)) << uint(RGB(255, 0, 0));
        // clang-format on
    }
    void rgbIntegersCanKeepTheirLowByte()
    {
        QFETCH(QString, text);
        QFETCH(uint, clamped);
        QFETCH(uint, lowByte);
        QCOMPARE(uint(ColorParse::parseRGB(text)->toCOLORREF()), clamped);
        QCOMPARE(uint(ColorParse::parseRGB(text, ColorParse::Range::LowByte)->toCOLORREF()),
                 lowByte);
    }

    void scannedFormsOfAColourField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("recognised");
        QTest::addColumn<uint>("color");
        // clang-format off
        QTest::newRow("written form") << u"rgb(255,0,0)"_s << true << uint(RGB(255, 0, 0));
        QTest::newRow("blanks anywhere") << u"rgb( 0 , 128 , 0 )"_s << true << uint(RGB(0, 128, 0));
        QTest::newRow("low byte of 300") << u"rgb(300,0,0)"_s << true << uint(RGB(44, 0, 0));
        QTest::newRow("minus one") << u"rgb(-1,0,0)"_s << true << uint(RGB(255, 0, 0));
        QTest::newRow("endless digits") << u"rgb(99999999999999999999,0,0)"_s << true << uint(RGB(255, 0, 0));
        QTest::newRow("unclosed") << u"rgb(1,2,3"_s << true << uint(RGB(1, 2, 3));
        QTest::newRow("text after") << u"rgb(1,2,3)garbage"_s << true << uint(RGB(1, 2, 3));
        QTest::newRow("semicolons") << u"10;20;30"_s << true << uint(RGB(10, 20, 30));
        QTest::newRow("semicolons with blanks") << u" 10 ; 20 ; 30 )"_s << true << uint(RGB(10, 20, 30));
        QTest::newRow("decimals") << u"rgb(10.5,0,0)"_s << false << 0u;
        QTest::newRow("hexadecimal") << u"#ff0000"_s << false << 0u;
        QTest::newRow("rgba") << u"rgba(1,2,3,0.5)"_s << false << 0u;
        QTest::newRow("blank before the parenthesis") << u"rgb (1,2,3)"_s << false << 0u;
        QTest::newRow("percentages") << u"rgb(100%,0%,0%)"_s << false << 0u;
        QTest::newRow("empty") << u""_s << false << 0u;
        // clang-format on
    }
    void scannedFormsOfAColourField()
    {
        QFETCH(QString, text);
        QFETCH(bool, recognised);
        QFETCH(uint, color);
        const ColorParse::Result result = ColorParse::scanRGBTriplet(text);
        QCOMPARE(result.has_value(), recognised);
        if (recognised) {
            QCOMPARE(uint(result->toCOLORREF()), color);
        }
    }

    void keywordsHaveTheirStandardValues()
    {
        // Qt carries the same SVG keyword table, written independently of ours.
        QSet<QString> qtNames;
        for (const QString& name : QColor::colorNames()) {
            qtNames.insert(name);
        }
        qtNames.remove(QStringLiteral("transparent"));
        QSet<QString> ours;
        for (const Core::String& name : ColorParse::colorKeywords()) {
            ours.insert(name.toQString());
            const QColor expected = QColor::fromString(name.toQString());
            const std::optional<COLORREF> color = ColorParse::lookupColorKeyword(name);
            QVERIFY2(color.has_value(), qPrintable(name.toQString()));
            QCOMPARE(GetRValue(*color), expected.red());
            QCOMPARE(GetGValue(*color), expected.green());
            QCOMPARE(GetBValue(*color), expected.blue());
            // The written form reads back, also through a colour field's scan.
            const Drawing::RGBColor parsed = *ColorParse::parseColorName(name);
            QCOMPARE(ColorParse::scanRGBTriplet(ColorParse::getColorAsString(parsed)), parsed);
        }
        QCOMPARE(ours, qtNames);
        QCOMPARE(int(ColorParse::colorKeywords().size()), int(ours.size())); // no keyword twice
    }

    void keywordCaseMattersOnlyWhenAsked()
    {
        // Colour fields match keywords exactly; CSS text in any case.
        QCOMPARE(ColorParse::lookupColorKeyword("red", Qt::CaseSensitive),
                 std::optional<COLORREF>(0x0000FF));
        QVERIFY(!ColorParse::lookupColorKeyword("Red", Qt::CaseSensitive));
        QCOMPARE(ColorParse::lookupColorKeyword("RED"), std::optional<COLORREF>(0x0000FF));
        QVERIFY(!ColorParse::parseColorName("Transparent", Qt::CaseSensitive));
        QVERIFY(ColorParse::parseColorName("TRANSPARENT"));
        QVERIFY(!ColorParse::lookupColorKeyword("transparent"));
        QVERIFY(!ColorParse::lookupColorKeyword(""));
    }

    void colourText_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        // clang-format off
        QTest::newRow("opaque") << 255 << 0 << 0 << 255 << u"rgb(255,0,0)"_s << u"#ff0000"_s;
        QTest::newRow("small components") << 10 << 11 << 12 << 255 << u"rgb(10,11,12)"_s << u"#0a0b0c"_s;
        QTest::newRow("transparent") << 0 << 0 << 0 << 0 << u"transparent"_s << u"#000000"_s;
        QTest::newRow("translucent") << 255 << 0 << 0 << 128 << u"rgba(255,0,0,0.502)"_s << u"#ff0000"_s;
        QTest::newRow("transparent red") << 255 << 0 << 0 << 0 << u"rgba(255,0,0,0)"_s << u"#ff0000"_s;
        // clang-format on
    }
    void colourText()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, alpha);
        QFETCH(QString, text);
        QFETCH(QString, hex);
        const Drawing::RGBColor color(red, green, blue, alpha);
        QCOMPARE(ColorParse::getColorAsString(color).toQString(), text);
        QCOMPARE(ColorParse::getColorAsHexString(color).toQString(), hex);
        QCOMPARE(ColorParse::parseColor(text), std::optional(color));
    }

    void optionalAttributes()
    {
        Xml::TXmlAttribute<int> attribute;
        QVERIFY(!attribute.isSet());
        QVERIFY_THROWS_EXCEPTION(Core::Exception, attribute.getValue());
        QCOMPARE(attribute.getValueOr(7), 7);
        // Set to the value a default would have: still told apart from not set.
        attribute.setValue(0);
        QVERIFY(attribute.isSet());
        QCOMPARE(attribute.getValue(), 0);
        QCOMPARE(attribute.getValueOr(7), 0);
        QVERIFY(!(attribute == Xml::TXmlAttribute<int>()));
        attribute.reset();
        QVERIFY(attribute == Xml::TXmlAttribute<int>());
        const Xml::TXmlAttribute<Core::String> text(Core::String("red"));
        QCOMPARE(text.getValue().toQString(), QStringLiteral("red"));
    }

    void barcodeSymbologies_data()
    {
        // Each row is named after the display name the user picks from.
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("keyword");
        QTest::newRow("UPC-E") << 1 << u"UPC-E"_s;
        QTest::newRow("Data Matrix") << 5 << u"DataMatrix"_s;
        QTest::newRow("2 of 5") << 7 << u"2of5"_s;
        QTest::newRow("128") << 10 << u"Code128"_s;
        QTest::newRow("128 UCC") << 12 << u"Code128UCC"_s;
        QTest::newRow("Intelligent Mail") << 18 << u"IntelligentMail"_s;
    }
    void barcodeSymbologies()
    {
        QFETCH(int, code);
        QFETCH(QString, keyword);
        const QString displayName = QString::fromUtf8(QTest::currentDataTag());
        const Xml::BarcodeType type = Xml::BarcodeTypes::fromCode(code);
        QCOMPARE(int(type), code);
        QCOMPARE(Xml::BarcodeTypes::getDisplayName(type).toQString(), displayName);
        QCOMPARE(Xml::BarcodeTypes::getKeyword(type).toQString(), keyword);
        QCOMPARE(Xml::BarcodeTypes::fromKeyword(keyword), type);
        QCOMPARE(Xml::BarcodeTypes::fromDisplayName(displayName), type);
        QCOMPARE(Xml::BarcodeTypes::fromText(displayName), type);
        QCOMPARE(Xml::BarcodeTypes::fromText(keyword), type);
        QCOMPARE(Xml::BarcodeTypes::fromKeyword(keyword.toUpper(), Qt::CaseInsensitive), type);
        QCOMPARE(int(Xml::BarcodeTypes::all().at(size_t(code - 1))), code);
    }

    void unknownBarcodeTextFailsCleanly()
    {
        using Xml::BarcodeType;
        using Xml::BarcodeTypes;
        QCOMPARE(int(BarcodeTypes::all().size()), 18);
        QCOMPARE(BarcodeTypes::fromKeyword("code128"), BarcodeType::None);
        QCOMPARE(BarcodeTypes::fromKeyword("code128", Qt::CaseInsensitive), BarcodeType::Code128);
        QCOMPARE(BarcodeTypes::fromKeyword(""), BarcodeType::None);
        QCOMPARE(BarcodeTypes::fromKeyword("128"), BarcodeType::None);
        QCOMPARE(BarcodeTypes::fromDisplayName("Code128"), BarcodeType::None);
        QCOMPARE(BarcodeTypes::fromText("Code 128"), BarcodeType::None);
        QCOMPARE(BarcodeTypes::fromText(" 128"), BarcodeType::None);
        for (int code : {0, 19, -1, 1000}) {
            QCOMPARE(BarcodeTypes::fromCode(code), BarcodeType::None);
            QVERIFY(BarcodeTypes::getKeyword(BarcodeType(code)).isEmpty());
            QVERIFY(BarcodeTypes::getDisplayName(BarcodeType(code)).isEmpty());
        }
    }
};

UIEDITOR_TEST_CLASS(TestCssColors)
#include "tst_csscolors.moc"
