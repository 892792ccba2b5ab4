// The barcode dialog as an author uses it: every symbology draws its own
// default, values the encoder refuses keep the dialog open and say why while
// typing, and the element it returns carries what the host needs.
#include "controls/staticpreview.h"
#include "dialogdriver.h"
#include "dialogs/insert/insertbarcodedlg.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"
#include "outside/xslfo/xslforulercontext.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <zint.h>

using namespace Qt::StringLiterals;

namespace {

bool previewShowsBarcode(InsertBarcodeDlg& dialog)
{
    ViewEngine& engine = dialog.preview()->getViewEngine();
    for (const ViewLayoutBox& box : engine.getPageBoxes(0)) {
        if (box.kind == ViewLayoutBox::Kind::Barcode) {
            return true;
        }
    }
    return false;
}

void paste(QLineEdit* edit, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

int zintVerdict(int symbology, const QString& value)
{
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = symbology;
    symbol->input_mode = UNICODE_MODE;
    const QByteArray data = value.toUtf8();
    const int result = ZBarcode_Encode(
        symbol, reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()));
    ZBarcode_Delete(symbol);
    return result;
}

/// The root of `element` parsed as it sits in a template, where "fo" is declared.
Xml::Element parsed(Xml::DomParser& parser, const Core::String& element)
{
    parser.parseMemory(u"<t xmlns:fo=\"%1\">%2</t>"_s.arg(QLatin1String(Xml::Namespaces::FO),
                                                          element.toQString()));
    return parser.getDocument()->getRootNode().get_first_child_element();
}

QString attributeOf(const Xml::Element& element, const QString& qualifiedName)
{
    const qsizetype colon = qualifiedName.indexOf(u':');
    if (colon < 0) {
        return element.get_attribute_value(qualifiedName).toQString();
    }
    const QString prefix = qualifiedName.left(colon);
    const char* uri = prefix == u"km"_s ? Xml::Namespaces::KM : Xml::Namespaces::FO;
    return element.get_attribute_value(qualifiedName.mid(colon + 1), uri).toQString();
}

} // namespace

class TestInsertBarcode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDefaultValueRenders_data()
    {
        QTest::addColumn<QString>("type");
        for (const char* name : {"UPC-E", "EAN-8", "UPC-A", "EAN-13", "Data Matrix", "3 of 9",
                                 "2 of 5", "Postnet", "Planet", "128", "128 Raw", "128 UCC", "OMR",
                                 "PDF417", "Aztec", "Maxicode", "QR Barcode", "Intelligent Mail"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void everyDefaultValueRenders()
    {
        QFETCH(QString, type);
        TestSupport::RecordingMessageBoxFactory messages;
        InsertBarcodeDlg dialog(PropertyValueEx(), {}, "/", nullptr);
        dialog.open();
        auto* value = dialog.control<QLineEdit>(InsertBarcodeDlg::IDC_VALUE);
        TestSupport::typeText(value, QString());
        TestSupport::pickEntry(dialog.control<QComboBox>(InsertBarcodeDlg::IDC_TYPES), type);
        QCOMPARE(messages.count(), 0);
        QVERIFY(previewShowsBarcode(dialog));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!value->text().isEmpty());
        QCOMPARE(dialog.getPropertyValueEx().getStaticValue().toQString(), value->text());
    }

    void refusedValuesSayWhyAndKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("symbology");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("UPC-E letter") << u"UPC-E"_s << BARCODE_UPCE << u"04X5261"_s;
        QTest::newRow("EAN-13 letter") << u"EAN-13"_s << BARCODE_EANX << u"12345678901A"_s;
        QTest::newRow("2 of 5 letter") << u"2 of 5"_s << BARCODE_C25INTER << u"12A4"_s;
        QTest::newRow("3 of 9 accent") << u"3 of 9"_s << BARCODE_EXCODE39 << u"caf\u00e9"_s;
        QTest::newRow("Postnet letter") << u"Postnet"_s << BARCODE_POSTNET << u"12A45"_s;
        QTest::newRow("Planet letter") << u"Planet"_s << BARCODE_PLANET << u"12A45"_s;
        QTest::newRow("128 too long") << u"128"_s << BARCODE_CODE128 << QString(161, u'x');
        QTest::newRow("128 Raw CJK") << u"128 Raw"_s << BARCODE_CODE128B << u"\u4e2d"_s;
        QTest::newRow("Data Matrix too long") << u"Data Matrix"_s << BARCODE_DATAMATRIX << QString(4000, u'x');
        QTest::newRow("PDF417 too long") << u"PDF417"_s << BARCODE_PDF417 << QString(3000, u'x');
        QTest::newRow("Aztec too long") << u"Aztec"_s << BARCODE_AZTEC << QString(6000, u'x');
        QTest::newRow("Maxicode too long") << u"Maxicode"_s << BARCODE_MAXICODE << QString(200, u'x');
        QTest::newRow("QR too long") << u"QR Barcode"_s << BARCODE_QRCODE << QString(9000, u'x');
        QTest::newRow("Intelligent Mail short") << u"Intelligent Mail"_s << BARCODE_USPS_IMAIL << u"123"_s;
        // clang-format on
    }
    void refusedValuesSayWhyAndKeepTheDialogOpen()
    {
        QFETCH(QString, type);
        QFETCH(int, symbology);
        QFETCH(QString, value);
        QVERIFY2(zintVerdict(symbology, value) >= ZINT_ERROR, "the encoder takes this value");

        TestSupport::RecordingMessageBoxFactory messages;
        InsertBarcodeDlg dialog(PropertyValueEx(), {}, "/", nullptr);
        dialog.setBarcodeData(
            "true", Xml::BarcodeTypes::getKeyword(Xml::BarcodeTypes::fromDisplayName(type)), "0",
            "");
        dialog.open();
        paste(dialog.control<QLineEdit>(InsertBarcodeDlg::IDC_VALUE), value);
        const QString reason = dialog.getRejectionReason().toQString();
        QVERIFY(!reason.isEmpty());
        QVERIFY2(!reason.startsWith(u"Error"_s), qPrintable(reason));
        QCOMPARE(messages.count(), 0);

        dialog.accept();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, 63029u);
        QVERIFY(dialog.isVisible());
    }

    void editingOpensOnTheStoredSettings_data()
    {
        QTest::addColumn<QString>("drawText");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("rotation");
        QTest::addColumn<QString>("valueType");
        QTest::addColumn<QString>("shownType");
        QTest::addColumn<int>("radio");
        QTest::addColumn<bool>("hex");
        // clang-format off
        QTest::newRow("matrix, 90, HEX") << u"false"_s << u"DataMatrix"_s << u"90"_s << u"HEX"_s << u"Data Matrix"_s << int(InsertBarcodeDlg::IDC_ROTATE_90) << true;
        QTest::newRow("lower-case keyword") << u"true"_s << u"pdf417"_s << u"270"_s << u"Hex"_s << u"PDF417"_s << int(InsertBarcodeDlg::IDC_ROTATE_270) << true;
        QTest::newRow("unknown keyword") << u"true"_s << u"Code999"_s << u"180"_s << u"text"_s << u"128"_s << int(InsertBarcodeDlg::IDC_ROTATE_180) << false;
        QTest::newRow("odd rotation") << u"true"_s << u"2OF5"_s << u"45"_s << u""_s << u"2 of 5"_s << int(InsertBarcodeDlg::IDC_ROTATE_0) << false;
        // clang-format on
    }
    void editingOpensOnTheStoredSettings()
    {
        QFETCH(QString, drawText);
        QFETCH(QString, keyword);
        QFETCH(QString, rotation);
        QFETCH(QString, valueType);
        QFETCH(QString, shownType);
        QFETCH(int, radio);
        QFETCH(bool, hex);
        TestSupport::RecordingMessageBoxFactory messages;
        InsertBarcodeDlg dialog(PropertyValueEx(), {}, "/", nullptr);
        dialog.setBarcodeData(drawText, keyword, rotation, valueType);
        dialog.open();
        QCOMPARE(dialog.control<QComboBox>(InsertBarcodeDlg::IDC_TYPES)->currentText(), shownType);
        QVERIFY(dialog.control<QRadioButton>(radio)->isChecked());
        QCOMPARE(dialog.control<QCheckBox>(InsertBarcodeDlg::IDC_DRAW_TEXT)->isChecked(),
                 drawText == u"true"_s);
        dialog.accept();
        QCOMPARE(dialog.isHexValue(), hex);
        const Core::String xml = dialog.getFeatureXml();
        Xml::DomParser parser;
        QCOMPARE(attributeOf(parsed(parser, xml), u"km:type"_s),
                 Xml::BarcodeTypes::getKeyword(Xml::BarcodeTypes::fromDisplayName(shownType))
                     .toQString());
    }

    void elementCarriesWhatTheHostNeeds_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("valueType");
        QTest::addColumn<QString>("hostProperty"); // name=value, or ""
        QTest::addColumn<int>("rulerKind");
        QTest::addColumn<bool>("dynamic");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("expected"); // "" when the attribute must be absent
        // clang-format off
        QTest::newRow("2 of 5 without checksum") << u"2of5"_s << u""_s << u""_s << 0 << false << u"include-checksum"_s << u"false"_s;
        QTest::newRow("host checksum kept") << u"2of5"_s << u""_s << u"include-checksum=true"_s << 0 << false << u"include-checksum"_s << u"true"_s;
        QTest::newRow("PDF417 hex") << u"Pdf417"_s << u"hex"_s << u""_s << 0 << false << u"km:value-type"_s << u"hex"_s;
        QTest::newRow("QR never hex") << u"QRBarcode"_s << u"hex"_s << u""_s << 0 << false << u"km:value-type"_s << u""_s;
        QTest::newRow("km declared once") << u"Code128"_s << u""_s << u"xmlns:km=urn:other"_s << 0 << false << u"km:type"_s << u"Code128"_s;
        QTest::newRow("host attribute copied") << u"Code128"_s << u""_s << u"fo:border=1px solid"_s << 0 << false << u"fo:border"_s << u"1px solid"_s;
        QTest::newRow("row height") << u"Code128"_s << u""_s << u"fo:content-height=5px"_s << 6 << false << u"fo:content-height"_s << u"98px"_s;
        QTest::newRow("container height") << u"Code128"_s << u""_s << u""_s << 7 << false << u"fo:content-height"_s << u"98px"_s;
        QTest::newRow("cell width") << u"Code128"_s << u""_s << u"fo:content-width=5px"_s << 4 << false << u"fo:content-width"_s << u"196px"_s;
        QTest::newRow("other kind sizes nothing") << u"Code128"_s << u""_s << u""_s << 1 << false << u"fo:content-width"_s << u""_s;
        QTest::newRow("dynamic gets id") << u"Code128"_s << u""_s << u""_s << 0 << true << u"fo:id"_s << u"obj-7"_s;
        QTest::newRow("dynamic gets default") << u"EAN-8"_s << u""_s << u""_s << 0 << true << u"km:value"_s << u"04210009"_s;
        QTest::newRow("static has no id") << u"Code128"_s << u""_s << u""_s << 0 << false << u"fo:id"_s << u""_s;
        // clang-format on
    }
    void elementCarriesWhatTheHostNeeds()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, valueType);
        QFETCH(QString, hostProperty);
        QFETCH(int, rulerKind);
        QFETCH(bool, dynamic);
        QFETCH(QString, attribute);
        QFETCH(QString, expected);
        PropertyValueEx value("km:value", "obj-7");
        if (dynamic) {
            value.setType(PropertyValueType::Dynamic);
            value.setDynamicValue("/order/code");
        } else {
            value.setStaticValue("1234"); // digits, and hexadecimal bytes too
        }
        const XSLFO::RulerContext ruler(rulerKind, {100}, {200});
        TestSupport::RecordingMessageBoxFactory messages;
        InsertBarcodeDlg dialog(value, {}, "/", rulerKind ? &ruler : nullptr);
        if (!hostProperty.isEmpty()) {
            PropertyCollection properties;
            properties.addProperty(
                EditableProperty(hostProperty.section(u'=', 0, 0), hostProperty.section(u'=', 1)));
            dialog.setProperties(properties);
        }
        dialog.setBarcodeData("true", keyword, "0", valueType);
        dialog.open();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Core::String xml = dialog.getFeatureXml();
        QCOMPARE(xml.toQString().count(u"xmlns:km"_s), 1);
        Xml::DomParser parser;
        QCOMPARE(attributeOf(parsed(parser, xml), attribute), expected);
    }

    void valuesRoundTripThroughElementAndRenderer_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quote and angle") << u"A\"B<C"_s;
        QTest::newRow("ampersand entity") << u"a&amp;b &#65;"_s;
        QTest::newRow("line break and tab") << u"one\ntwo\tthree\r"_s;
        QTest::newRow("apostrophe and >") << u"it's > that"_s;
    }
    void valuesRoundTripThroughElementAndRenderer()
    {
        QFETCH(QString, value);
        PropertyValueEx stored("km:value", "");
        stored.setStaticValue(value);
        TestSupport::RecordingMessageBoxFactory messages;
        InsertBarcodeDlg dialog(stored, {}, "/", nullptr);
        dialog.open();
        dialog.accept();
        QCOMPARE(messages.count(), 0);
        const Core::String xml = dialog.getFeatureXml();
        Xml::DomParser parser;
        QCOMPARE(attributeOf(parsed(parser, xml), u"km:value"_s), value);

        ViewEngine engine;
        engine.loadBuffer(StaticPreview::wrapFragment(xml));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        bool drawn = false;
        for (const ViewLayoutBox& box : engine.getPageBoxes(0)) {
            drawn = drawn || box.kind == ViewLayoutBox::Kind::Barcode;
        }
        QVERIFY(drawn);
    }
};

UIEDITOR_TEST_CLASS(TestInsertBarcode)
#include "tst_insertbarcode.moc"
