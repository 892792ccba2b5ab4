// The borders and background dialog as a user fills it in: what "Apply to"
// offers, what each page writes into the object's properties, the question
// before another object is loaded, the image picker, the preview, and the
// record the page-region page hands in.
#include "controls/colorctrl.h"
#include "controls/lengthorpercentctrl.h"
#include "controls/staticpreview.h"
#include "dialogdriver.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "fakedocumentinformation.h"
#include "frame/win32constants.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "recordingmessageboxfactory.h"
#include "scriptedfiledialogs.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::FakeDocumentInformation;
using Data = BordersAndBackgroundData;

const QString flowPath = QStringLiteral("/fo:root/fo:page-sequence/fo:flow");
const QString blockPath = flowPath + QStringLiteral("/fo:block");
const QString inlinePath = blockPath + QStringLiteral("/fo:inline");

QList<QPair<QString, QString>> pairs(const QStringList& assignments)
{
    QList<QPair<QString, QString>> list;
    for (const QString& assignment : assignments) {
        list.append(
            {assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1)});
    }
    return list;
}

// A block selected in the flow, carrying `properties` ("name=value"); the
// flow has a background of its own.
SmartPtr<FakeDocumentInformation> blockInFlow(const QStringList& properties = {})
{
    auto document = makeSmart<FakeDocumentInformation>();
    document->addToChain("fo:block", blockPath, pairs(properties));
    document->addToChain("fo:flow", flowPath, {{"fo:background-color", "yellow"}});
    document->addToChain("fo:page-sequence", "/fo:root/fo:page-sequence");
    document->addToChain("fo:root", "/fo:root");
    return document;
}

QString valueOf(const BordersBackgroundDlg& dialog, const QString& name)
{
    return dialog.getCurrentProperties().getPropertyValue(name).toQString();
}

QStringList entries(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->itemText(i);
    }
    return texts;
}

QString lengthShown(const BordersBackgroundDlg& dialog, int id)
{
    return dialog.control<LengthOrPercentCtrl>(id)->getValueAsString().toQString();
}

int pixelsOf(const QImage& image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == color;
        }
    }
    return count;
}

// The base64 text of a gradient as the designer stores it.
QString gradientData()
{
    return QString::fromLatin1(
        QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><!-- default svg gradient -->"
                   "<linearGradient id=\"g\"/></svg>")
            .toBase64());
}

// Top, right, bottom, left: the rows of the borders page.
constexpr int TopStyle = 12917, RightStyle = 12918, BottomStyle = 12919, LeftStyle = 12920;
constexpr int TopWidth = 12921, LeftWidth = 12924;
constexpr int TopColor = 12703, RightColor = 12707, BottomColor = 12708, LeftColor = 12710;
constexpr int SameStyle = 12914, SameWidth = 12915, SameColor = 12916;

} // namespace

class TestBordersBackgroundDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point));
    }

    void applyToListsTheObjectsFromTheFlowDown()
    {
        auto document = makeSmart<FakeDocumentInformation>();
        document->addToChain("fo:inline", inlinePath, {{"fo:padding", "2pt"}});
        document->addToChain("fo:block", blockPath);
        document->addToChain("fo:flow", flowPath);
        document->addToChain("fo:page-sequence", "/fo:root/fo:page-sequence");
        document->addToChain("fo:root", "/fo:root");
        BordersBackgroundDlg dialog(document);
        dialog.show();

        auto* applyTo = dialog.control<QComboBox>(4163);
        QCOMPARE(entries(applyTo), QStringList({"flow", "    block", "        inline"}));
        QCOMPARE(applyTo->currentText(), QStringLiteral("        inline"));
        QCOMPARE(dialog.getCurrentPath().toQString(), inlinePath);
        QCOMPARE(document->askedPaths(), QStringList{inlinePath});
        // The shorthand arrives expanded in the padding fields.
        QCOMPARE(lengthShown(dialog, 4246), QStringLiteral("2pt"));
        QVERIFY(!dialog.getCurrentProperties().containsProperty("fo:padding"));
    }

    void anotherObjectIsLoadedOnlyAfterTheQuestion()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        BordersBackgroundDlg dialog(blockInFlow({"fo:padding-left=2pt"}));
        dialog.show();
        auto* applyTo = dialog.control<QComboBox>(4163);
        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(4252), "7");
        QCOMPARE(valueOf(dialog, "fo:padding-left"), QStringLiteral("7pt"));

        messages.answerWith({Win32::IDCANCEL});
        TestSupport::pickEntry(applyTo, "flow");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, 63068u);
        QCOMPARE(messages.last().type, Win32::MB_OKCANCEL | Win32::MB_ICONQUESTION);
        // Cancel keeps the object, its entry and the edit.
        QCOMPARE(applyTo->currentText(), QStringLiteral("    block"));
        QCOMPARE(dialog.getCurrentPath().toQString(), blockPath);
        QCOMPARE(valueOf(dialog, "fo:padding-left"), QStringLiteral("7pt"));

        messages.answerWith({Win32::IDOK});
        TestSupport::pickEntry(applyTo, "flow");
        QCOMPARE(messages.count(), 2);
        QCOMPARE(dialog.getCurrentPath().toQString(), flowPath);
        QCOMPARE(valueOf(dialog, "fo:background-color"), QStringLiteral("yellow"));
        QVERIFY(!dialog.getCurrentProperties().containsProperty("fo:padding-left"));
        QCOMPARE(dialog.control<ColorCtrl>(4067)->text(), QStringLiteral("yellow"));
        QCOMPARE(lengthShown(dialog, 4252), QStringLiteral("0px"));
    }

    void choosingAStyleGivesAZeroWidthOnePixel()
    {
        BordersBackgroundDlg dialog(blockInFlow());
        dialog.show();
        TestSupport::pickEntry(dialog.control<QComboBox>(TopStyle), "Solid");
        QCOMPARE(lengthShown(dialog, TopWidth), QStringLiteral("1px"));
        QCOMPARE(valueOf(dialog, "fo:border-top-style"), QStringLiteral("solid"));
        QCOMPARE(valueOf(dialog, "fo:border-top-width"), QStringLiteral("1px"));

        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(TopWidth), "3");
        QCOMPARE(valueOf(dialog, "fo:border-top-width"), QStringLiteral("3px"));
        // The other sides stay without a border, and without a zero width.
        for (const char* side : {"left", "right", "bottom"}) {
            QVERIFY(!dialog.getCurrentProperties().containsProperty(
                QStringLiteral("fo:border-%1-style").arg(side)));
            QVERIFY(!dialog.getCurrentProperties().containsProperty(
                QStringLiteral("fo:border-%1-width").arg(side)));
        }
        // A width on a side without a style is kept: only 0px goes.
        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(LeftWidth), "2");
        QCOMPARE(valueOf(dialog, "fo:border-left-width"), QStringLiteral("2px"));
        QVERIFY(!dialog.getCurrentProperties().containsProperty("fo:border-left-style"));
    }

    void sameForAllMakesTheTopRowStandForEverySide()
    {
        BordersBackgroundDlg dialog(blockInFlow());
        dialog.show();
        QTest::mouseClick(dialog.control<QCheckBox>(SameWidth), Qt::LeftButton);
        QTest::mouseClick(dialog.control<QCheckBox>(SameStyle), Qt::LeftButton);
        QTest::mouseClick(dialog.control<QCheckBox>(SameColor), Qt::LeftButton);
        for (int id : {RightStyle, BottomStyle, LeftStyle, RightColor, BottomColor, LeftColor}) {
            QVERIFY2(!dialog.control(id)->isEnabled(), qPrintable(QString::number(id)));
        }

        TestSupport::pickEntry(dialog.control<QComboBox>(TopStyle), "Dashed");
        TestSupport::typeText(dialog.control<ColorCtrl>(TopColor), "red");
        for (const char* side : {"left", "top", "right", "bottom"}) {
            const QString prefix = QStringLiteral("fo:border-%1-").arg(side);
            QCOMPARE(valueOf(dialog, prefix + "style"), QStringLiteral("dashed"));
            QCOMPARE(valueOf(dialog, prefix + "width"), QStringLiteral("1px"));
            QCOMPARE(valueOf(dialog, prefix + "color"), QStringLiteral("red"));
        }
        QCOMPARE(dialog.control<ColorCtrl>(LeftColor)->text(), QStringLiteral("red"));

        // Unticked, each side is its own again.
        QTest::mouseClick(dialog.control<QCheckBox>(SameStyle), Qt::LeftButton);
        TestSupport::pickEntry(dialog.control<QComboBox>(BottomStyle), "Double");
        QCOMPARE(valueOf(dialog, "fo:border-bottom-style"), QStringLiteral("double"));
        QCOMPARE(valueOf(dialog, "fo:border-top-style"), QStringLiteral("dashed"));
    }

    void propertiesAfterOpening_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("removed");

        // clang-format off
        QTest::newRow("border style alone") << QStringList{"fo:border-style=solid"} << QStringList{"fo:border-left-style=solid", "fo:border-left-color=black", "fo:border-bottom-style=solid", "fo:border-bottom-width=3pt"} << QStringList{"fo:border-style"};
        QTest::newRow("border shorthand") << QStringList{"fo:border=2pt dashed blue"} << QStringList{"fo:border-top-style=dashed", "fo:border-top-width=2pt", "fo:border-top-color=blue"} << QStringList{"fo:border"};
        QTest::newRow("none style drops a zero width") << QStringList{"fo:border-left-style=none", "fo:border-left-width=0px"} << QStringList{} << QStringList{"fo:border-left-style", "fo:border-left-width"};
        QTest::newRow("shadow offsets below one point and no colour") << QStringList{"fo:box-shadow=0.5pt 0.5pt"} << QStringList{} << QStringList{"fo:box-shadow"};
        QTest::newRow("shadow without a colour") << QStringList{"fo:box-shadow=2px 3px"} << QStringList{"fo:box-shadow=2px 3px "} << QStringList{};
        QTest::newRow("shadow with a colour") << QStringList{"fo:box-shadow=2px 3px rgb(255, 0, 0)"} << QStringList{"fo:box-shadow=2px 3px rgb(255,0,0)"} << QStringList{};
        QTest::newRow("image path too short to keep") << QStringList{"fo:background-image=url(a.png)"} << QStringList{} << QStringList{"fo:background-image"};
        QTest::newRow("image") << QStringList{"fo:background-image=url(img/logo.png)", "fo:background-repeat=repeat-y"} << QStringList{"fo:background-image=url(img/logo.png)", "fo:background-repeat=repeat-y"} << QStringList{};
        QTest::newRow("gradient") << QStringList{"fo:background-image=url(data:," + gradientData() + ")"} << QStringList{"fo:background-image=data:," + gradientData(), "fo:background-repeat=no-repeat", "fo:background-size=100%"} << QStringList{};
        QTest::newRow("zero paddings and positions") << QStringList{"fo:padding=0pt 5%", "fo:background-position-horizontal=0px", "fo:background-position-vertical=10pt"} << QStringList{"fo:padding-left=5%", "fo:padding-right=5%", "fo:background-position-vertical=10pt"} << QStringList{"fo:padding", "fo:padding-top", "fo:padding-bottom", "fo:background-position-horizontal"};
        // clang-format on
        // Values the dialog's fields cannot show stay as they were while unedited.
        // clang-format off
        QTest::newRow("position keywords") << QStringList{"fo:background-position-horizontal=center", "fo:background-position-vertical=top"} << QStringList{"fo:background-position-horizontal=center", "fo:background-position-vertical=top"} << QStringList{};
        QTest::newRow("inherited padding") << QStringList{"fo:padding=inherit", "fo:padding-top=inherit"} << QStringList{"fo:padding=inherit", "fo:padding-top=inherit"} << QStringList{"fo:padding-left"};
        QTest::newRow("shadow with blur and spread") << QStringList{"fo:box-shadow=2px 3px 4px 1px red"} << QStringList{"fo:box-shadow=2px 3px 4px 1px red"} << QStringList{};
        QTest::newRow("other properties stay") << QStringList{"fo:id=total", "fo:font-size=9pt"} << QStringList{"fo:id=total", "fo:font-size=9pt"} << QStringList{};
        // clang-format on
    }

    void propertiesAfterOpening()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, written);
        QFETCH(QStringList, removed);
        BordersBackgroundDlg dialog(blockInFlow(given));
        dialog.show();
        const PropertyCollection properties = dialog.getCurrentProperties();
        for (const auto& [name, value] : pairs(written)) {
            QCOMPARE(properties.getPropertyValue(name).toQString(), value);
        }
        for (const QString& name : removed) {
            QVERIFY2(!properties.containsProperty(name), qPrintable(name));
        }
    }

    void pagesShowWhatTheObjectHas()
    {
        BordersBackgroundDlg dialog(
            blockInFlow({"fo:background-image=url(data:," + gradientData() + ")",
                         "fo:border-right=2pt groove green"}));
        dialog.show();
        QCOMPARE(dialog.control<ColorCtrl>(4067)->text(), QStringLiteral("Gradient"));
        QVERIFY(dialog.control<ColorCtrl>(4067)->isGradient());
        QCOMPARE(dialog.control<QComboBox>(RightStyle)->currentText(), QStringLiteral("Groove"));
        QCOMPARE(lengthShown(dialog, 12922), QStringLiteral("2pt"));
        QCOMPARE(dialog.control<ColorCtrl>(RightColor)->text(), QStringLiteral("green"));
        // Without an image there is nothing to repeat or offset.
        QVERIFY(!dialog.control(4078)->isEnabled());
        QVERIFY(!dialog.control<LengthOrPercentCtrl>(4079)->numberEdit()->isEnabled());

        // The image shown even when it is too short to be written back.
        BordersBackgroundDlg shortImage(blockInFlow({"fo:background-image=url(a.png)"}));
        shortImage.show();
        QCOMPARE(shortImage.control<QLineEdit>(4069)->text(), QStringLiteral("a.png"));
    }

    void keptValuesGiveWayToAnEdit()
    {
        BordersBackgroundDlg dialog(
            blockInFlow({"fo:padding-left=inherit", "fo:padding-top=inherit",
                         "fo:box-shadow=inset 2px 3px 4px red"}));
        dialog.show();
        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(4252), "5");
        TestSupport::typeText(dialog.control<ColorCtrl>(4066), u"blue"_s);
        QCOMPARE(valueOf(dialog, "fo:padding-left"), u"5px"_s);
        QCOMPARE(valueOf(dialog, "fo:padding-top"), u"inherit"_s);
        QCOMPARE(valueOf(dialog, "fo:box-shadow"), u"2px 3px blue"_s);
    }

    void aTypedColourEndsTheGradient_data()
    {
        QTest::addColumn<bool>("fromPlainObject"); // after "Apply to" moved to one
        QTest::addColumn<QString>("typed");
        QTest::newRow("over Gradient, a name the swatch does not know") << false << u"Red"_s;
        QTest::newRow("over Gradient, hexadecimal") << false << u"#00ff00"_s;
        QTest::newRow("after moving to a plain colour") << true << u"#0000ff"_s;
    }
    void aTypedColourEndsTheGradient()
    {
        QFETCH(bool, fromPlainObject);
        QFETCH(QString, typed);
        TestSupport::RecordingMessageBoxFactory messages;
        messages.answerWith({Win32::IDOK});
        auto document = makeSmart<FakeDocumentInformation>();
        document->addToChain("fo:block", blockPath,
                             {{"fo:background-image", "url(data:," + gradientData() + ")"}});
        document->addToChain("fo:flow", flowPath, {{"fo:background-color", "#ffff00"}});
        document->addToChain("fo:page-sequence", "/fo:root/fo:page-sequence");
        document->addToChain("fo:root", "/fo:root");
        BordersBackgroundDlg dialog(document);
        dialog.show();
        auto* color = dialog.control<ColorCtrl>(4067);
        if (fromPlainObject) {
            TestSupport::pickEntry(dialog.control<QComboBox>(4163), "flow");
            QCOMPARE(color->text(), u"#ffff00"_s);
            QVERIFY(!color->isGradient());
        }
        TestSupport::typeText(color, typed);
        QCOMPARE(valueOf(dialog, "fo:background-color"), typed);
        QVERIFY(!dialog.getCurrentProperties().containsProperty("fo:background-image"));
        QVERIFY(!color->isGradient());
    }

    void shadowColourFromTheColourDialogGetsOffsets_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("offset");
        QTest::newRow("a colour name keeps zero offsets") << u"red"_s << u"0px"_s;
        QTest::newRow("rgb, as the colour dialog writes it") << u"rgb(0,0,255)"_s << u"4px"_s;
    }

    void shadowColourFromTheColourDialogGetsOffsets()
    {
        QFETCH(QString, typed);
        QFETCH(QString, offset);
        BordersBackgroundDlg dialog(blockInFlow());
        dialog.show();
        TestSupport::typeText(dialog.control<ColorCtrl>(4066), typed);
        QCOMPARE(lengthShown(dialog, 4074), offset);
        QCOMPARE(lengthShown(dialog, 4075), offset);
        QCOMPARE(valueOf(dialog, "fo:box-shadow"), offset + ' ' + offset + ' ' + typed);
    }

    void browsedImageIsRelativeToTheTemplate()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("templates"));
        auto document = blockInFlow();
        document->setDocumentPath(folder + QStringLiteral("/invoice.fo"));
        TestSupport::ScriptedFileDialogs files;
        files.answerWith({folder + QStringLiteral("/images/logo.png")});
        BordersBackgroundDlg dialog(document);
        dialog.show();
        QTest::mouseClick(dialog.control<QPushButton>(4077), Qt::LeftButton);

        QCOMPARE(files.requests().size(), 1);
        const SharedUI::FileDialogRequest& request = files.requests().first();
        QCOMPARE(request.kind, SharedUI::FileDialogRequest::Kind::Open);
        QCOMPARE(request.directory.toQString(), folder);
        const QStringList filters = request.filter.toQString().split(QStringLiteral(";;"));
        QCOMPARE(filters.size(), 5);
        QVERIFY(filters[0].contains(QLatin1String("*.png")) &&
                filters[0].contains(QLatin1String("*.zchart")));
        QVERIFY(filters[1].endsWith(QLatin1String("(*.svg)")));
        QVERIFY(filters[4].endsWith(QLatin1String("(*)")));

        QCOMPARE(dialog.control<QLineEdit>(4069)->text(), QStringLiteral("images/logo.png"));
        QCOMPARE(valueOf(dialog, "fo:background-image"), QStringLiteral("url(images/logo.png)"));
        QCOMPARE(valueOf(dialog, "fo:background-repeat"), QStringLiteral("repeat"));
        TestSupport::pickEntry(dialog.control<QComboBox>(4078), Core::String::formatS(63060));
        QCOMPARE(valueOf(dialog, "fo:background-repeat"), QStringLiteral("no-repeat"));

        // Cancelled, the picker changes nothing.
        QTest::mouseClick(dialog.control<QPushButton>(4077), Qt::LeftButton);
        QCOMPARE(dialog.control<QLineEdit>(4069)->text(), QStringLiteral("images/logo.png"));
    }

    void previewShowsTheEditedObject()
    {
        BordersBackgroundDlg dialog(blockInFlow());
        dialog.show();
        const QRgb red = qRgb(255, 0, 0);
        QCOMPARE(pixelsOf(dialog.preview()->grab().toImage(), red), 0);
        TestSupport::typeText(dialog.control<ColorCtrl>(4067), "red");
        const int onBlock = pixelsOf(dialog.preview()->grab().toImage(), red);
        QVERIFY(onBlock > 0);

        // On the flow, the same background also fills the empty blocks below.
        auto flow = makeSmart<FakeDocumentInformation>();
        flow->addToChain("fo:flow", flowPath, {{"fo:background-color", "red"}});
        flow->addToChain("fo:page-sequence", "/fo:root/fo:page-sequence");
        flow->addToChain("fo:root", "/fo:root");
        BordersBackgroundDlg onFlow(flow);
        onFlow.show();
        QVERIFY(pixelsOf(onFlow.preview()->grab().toImage(), red) > 3 * onBlock);
    }

    void recordModeHandsTheRecordBack()
    {
        Data record;
        record.setElementName("Region Before");
        record.setStyle(Data::Bottom, Data::getStyleIdx("solid"));
        record.setWidth(Data::Bottom, Xml::Length(2.0, Xml::Length::Pt));
        record.setColor(Data::Bottom, "rgb(0,0,255)");
        record.setBackgroundColor("yellow");
        record.setPadding(Data::Top, Xml::Length(5.0, Xml::Length::Pt));

        BordersBackgroundDlg dialog(record);
        dialog.show();
        QCOMPARE(entries(dialog.control<QComboBox>(4163)), QStringList{"Region Before"});
        QCOMPARE(dialog.control<QComboBox>(BottomStyle)->currentText(), QStringLiteral("Solid"));
        QCOMPARE(lengthShown(dialog, 4249), QStringLiteral("5pt"));
        // Confirmed without an edit, the record comes back as it went in.
        QVERIFY(dialog.getData() == record);

        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(4249), "8");
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        Data expected = record;
        expected.setPadding(Data::Top, Xml::Length(8.0, Xml::Length::Pt));
        QVERIFY(dialog.getData() == expected);
    }
};

UIEDITOR_TEST_CLASS(TestBordersBackgroundDlg)
#include "tst_bordersbackgrounddlg.moc"
