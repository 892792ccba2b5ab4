// The page layout dialog edits the caller's record as the user works: page
// formats and their landscape forms, the controls each region has, columns,
// a region's borders and background; and the layout name dialog refuses
// names already taken.
#include "controls/lengthorpercentctrl.h"
#include "controls/spinbuttonctrl.h"
#include "controls/staticpreview.h"
#include "dialogdriver.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "dialogs/page/pagelayoutdlg.h"
#include "dialogs/page/pagemasternamedlg.h"
#include "modalanswerer.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int FormatCombo = 12318, WidthField = 12319, HeightField = 12320;
constexpr int RegionCombo = 12327, VisibleCheck = 12328, PaddingLeft = 12329, ExtentField = 12334,
              PrecedenceCheck = 12335, MarginsGroup = 12336, ColumnCountEdit = 12345, ColumnSpin = 12346,
              BordersButton = 12348;

PageLayoutData sized(const QString& width, const QString& height)
{
    PageLayoutData data;
    data.setWidth(Xml::Length::fromString(width));
    data.setHeight(Xml::Length::fromString(height));
    return data;
}

void openOn(PageLayoutDlg& dialog, PageLayoutDlgTabs tab)
{
    dialog.setStartupTab(tab);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class TestPageLayoutDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point));
    }

    void theFormatFollowsTheDimensions_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("format");
        // clang-format off
        QTest::newRow("letter") << u"8.5in"_s << u"11in"_s << u"Letter"_s;
        QTest::newRow("letter turned") << u"11in"_s << u"8.5in"_s << u"Letter Landscape"_s;
        QTest::newRow("A5 in points") << u"424.8pt"_s << u"597.6pt"_s << u"A5"_s;
        QTest::newRow("metric A4 is no inch A4") << u"21cm"_s << u"29.7cm"_s << u"Custom Size"_s;
        // clang-format on
    }
    void theFormatFollowsTheDimensions()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, format);
        PageLayoutData data = sized(width, height);
        PageLayoutDlg dialog(data);
        openOn(dialog, PagePropertiesTab);
        QCOMPARE(dialog.control<QComboBox>(FormatCombo)->currentText(), format);
        const bool custom = format == u"Custom Size"_s;
        QCOMPARE(dialog.control(WidthField)->isEnabled(), custom);
        QCOMPARE(dialog.control(HeightField)->isEnabled(), custom);
    }

    void aPickedFormatGoesIntoTheRecordAndThePreview()
    {
        PageLayoutData data = sized(u"10cm"_s, u"10cm"_s);
        PageLayoutDlg dialog(data);
        openOn(dialog, PagePropertiesTab);
        TestSupport::pickEntry(dialog.control<QComboBox>(FormatCombo), u"A4 Landscape"_s);
        QCOMPARE(data.getWidth().getValueAsString().toQString(), u"842.4pt"_s);
        QCOMPARE(data.getHeight().getValueAsString().toQString(), u"597.6pt"_s);
        QTRY_VERIFY(dialog.preview()->isLoaded());
        QCOMPARE(dialog.preview()->getViewEngine().getPageSize(0).toSize(), QSize(1123, 797));

        // Typing the exact size of another format selects it.
        TestSupport::pickEntry(dialog.control<QComboBox>(FormatCombo), u"Custom Size"_s);
        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(WidthField), u"612"_s);
        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(HeightField), u"792"_s);
        QCOMPARE(dialog.control<QComboBox>(FormatCombo)->currentText(), u"Letter"_s);
    }

    void eachRegionShowsItsOwnControls_data()
    {
        QTest::addColumn<int>("region");
        QTest::addColumn<bool>("margins");
        QTest::addColumn<bool>("extent");
        QTest::addColumn<bool>("precedence");
        // clang-format off
        QTest::newRow("body") << 0 << true << false << false;
        QTest::newRow("header") << 1 << false << true << true;
        QTest::newRow("footer") << 2 << false << true << true;
        QTest::newRow("left sidebar") << 3 << false << true << false;
        QTest::newRow("right sidebar") << 4 << false << true << false;
        // clang-format on
    }
    void eachRegionShowsItsOwnControls()
    {
        QFETCH(int, region);
        QFETCH(bool, margins);
        QFETCH(bool, extent);
        QFETCH(bool, precedence);
        PageLayoutData data = sized(u"8.5in"_s, u"11in"_s);
        data.getRegion(region).setVisible(true);
        PageLayoutDlg dialog(data);
        openOn(dialog, RegionsTab);
        auto* regions = dialog.control<QComboBox>(RegionCombo);
        TestSupport::pickEntry(regions, regions->itemText(region));
        QCOMPARE(dialog.control(MarginsGroup)->isVisible(), margins);
        QCOMPARE(dialog.control(ExtentField)->isVisible(), extent);
        QCOMPARE(dialog.control(PrecedenceCheck)->isVisible(), precedence);
        auto* visible = dialog.control<QCheckBox>(VisibleCheck);
        QCOMPARE(visible->isEnabled(), region != PageLayoutData::Body);
        if (region == PageLayoutData::Body) {
            return;
        }
        QTest::mouseClick(visible, Qt::LeftButton, {}, QPoint(4, visible->height() / 2));
        QVERIFY(!data.getRegion(region).isVisible());
        QVERIFY(!dialog.control(PaddingLeft)->isEnabled());
        QVERIFY(!dialog.control(ExtentField)->isEnabled());
        QVERIFY(!dialog.control(BordersButton)->isEnabled());
    }

    void theColumnCountStaysAtLeastOne()
    {
        PageLayoutData data = sized(u"8.5in"_s, u"11in"_s);
        PageLayoutDlg dialog(data);
        openOn(dialog, RegionsTab);
        auto* spin = dialog.control<SpinButtonCtrl>(ColumnSpin);
        QTest::mouseClick(spin, Qt::LeftButton, {}, spin->downButtonRect().center());
        QCOMPARE(dialog.control<QLineEdit>(ColumnCountEdit)->text(), u"1"_s);
        QTest::mouseClick(spin, Qt::LeftButton, {}, spin->upButtonRect().center());
        QTest::mouseClick(spin, Qt::LeftButton, {}, spin->upButtonRect().center());
        QCOMPARE(data.getRegion(PageLayoutData::Body).getColumnCount(), 3);
        TestSupport::typeText(dialog.control<QLineEdit>(ColumnCountEdit), u"2"_s);
        QCOMPARE(data.getRegion(PageLayoutData::Body).getColumnCount(), 2);
    }

    void aGradientComesBackFromTheBordersDialogStillAGradient()
    {
        PageLayoutData data = sized(u"8.5in"_s, u"11in"_s);
        BordersAndBackgroundData borders;
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><!--custom svg gradient--><rect/></svg>";
        borders.setBackgroundImage(u"data:,"_s + QString::fromLatin1(svg.toBase64()));
        data.getRegion(PageLayoutData::Body).setBordersAndBackground(borders);
        data.getRegion(PageLayoutData::Body).setPadding(RegionData::Top, Xml::Length(3, Xml::Length::Pt));
        PageLayoutDlg dialog(data);
        openOn(dialog, RegionsTab);
        TestSupport::ModalAnswerer answer;
        QString applyTo;
        answer.onNext<BordersBackgroundDlg>([&applyTo](BordersBackgroundDlg* opened) {
            applyTo = opened->control<QComboBox>(4163)->currentText();
            opened->accept();
        });
        QTest::mouseClick(dialog.control(BordersButton), Qt::LeftButton);
        QVERIFY(answer.handled());
        QCOMPARE(applyTo, dialog.control<QComboBox>(RegionCombo)->currentText());
        const RegionData& body = data.getRegion(PageLayoutData::Body);
        QCOMPARE(body.getBordersAndBackground().getGradient().toQString(), QString::fromLatin1(svg.toBase64()));
        QVERIFY(body.getBordersAndBackground().getBackgroundImage().isEmpty());
        QCOMPARE(body.getPadding(RegionData::Top).getValueAsString().toQString(), u"3pt"_s);
    }

    void aLayoutNameMustBeNew_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        // clang-format off
        QTest::newRow("new") << u"first"_s << true;
        QTest::newRow("same") << u"odd"_s << false;
        QTest::newRow("other case, blanks around") << u" EVEN"_s << false;
        // clang-format on
    }
    void aLayoutNameMustBeNew()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        TestSupport::RecordingMessageBoxFactory messages;
        PageMasterNameDlg dialog(u"New Page Layout"_s);
        dialog.setAllMasterNames({u"odd"_s, u"even "_s});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), u"New Page Layout"_s);
        TestSupport::typeText(dialog.findChild<QLineEdit*>(), typed);
        QTest::mouseClick(dialog.control(1), Qt::LeftButton);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(messages.count(), accepted ? 0 : 1);
        if (accepted) {
            QCOMPARE(dialog.getMasterName().toQString(), typed);
        } else {
            QCOMPARE(messages.last().textId, 63385u);
        }
    }
};

UIEDITOR_TEST_CLASS(TestPageLayoutDlg)
#include "tst_pagelayoutdlg.moc"
