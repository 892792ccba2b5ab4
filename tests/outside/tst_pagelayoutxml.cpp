// Page layouts as fo:simple-page-master markup: any record comes back the
// same from what it writes, and a hand-written master keeps what the page
// dialogs do not edit.
#include "outside/core/namespaces.h"
#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/types/simplepagemasterxml.h"
#include "testregistry.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Records as the dialogs leave them: regions switched off keep their values
// or hold none, the borders dialog's padding slots follow
// the region's padding, and a shadow colour is in the form the reader gives.
class LayoutGenerator
{
public:
    explicit LayoutGenerator(quint32 seed) : m_random(seed) {}

    PageLayoutData next()
    {
        PageLayoutData data;
        data.setMasterName(u"layout %1 & <co>"_s.arg(m_random.bounded(1000)));
        data.setWidth(length());
        data.setHeight(length());
        for (int side = 0; side < RegionData::SideCount; ++side) {
            data.setMargin(RegionData::Side(side), lengthOrPercent());
        }
        if (chance()) {
            data.setKeptAttributes({{u"writing-mode"_s, {}, u"lr-tb"_s}});
        }
        for (int index = 0; index < PageLayoutData::RegionCount; ++index) {
            if (index == PageLayoutData::Body || chance()) {
                data.getRegion(index) = region(index);
                data.getRegion(index).setVisible(index == PageLayoutData::Body || chance());
            }
        }
        return data;
    }

private:
    bool chance() { return m_random.bounded(2) == 0; }
    Xml::Length length()
    {
        static constexpr Xml::Length::Unit units[] = {Xml::Length::Pt, Xml::Length::Mm, Xml::Length::Cm,
                                                      Xml::Length::In, Xml::Length::Px};
        return Xml::Length(m_random.bounded(400) / 4.0, units[m_random.bounded(5)]);
    }
    Xml::LengthOrPercent lengthOrPercent()
    {
        return m_random.bounded(4) == 0 ? Xml::LengthOrPercent(m_random.bounded(100) / 100.0)
                                        : Xml::LengthOrPercent(length());
    }
    Core::String color()
    {
        static const char* const colors[] = {"red", "#00ff80", "rgb(10, 20, 30)", "transparent"};
        return colors[m_random.bounded(4)];
    }

    RegionData region(int index)
    {
        RegionData region;
        region.setVisible(true);
        BordersAndBackgroundData borders;
        for (int side = 0; side < RegionData::SideCount; ++side) {
            region.setPadding(RegionData::Side(side), lengthOrPercent());
        }
        if (index == PageLayoutData::Body) {
            for (int side = 0; side < RegionData::SideCount; ++side) {
                region.setMargin(RegionData::Side(side), lengthOrPercent());
            }
            region.setColumnCount(1 + int(m_random.bounded(4)));
            region.setColumnGap(length());
        } else {
            region.setExtent(length());
        }
        region.setPrecedence((index == PageLayoutData::Before || index == PageLayoutData::After) && chance());
        region.setOrientation(int(m_random.bounded(RegionData::OrientationCount)));
        region.setVerticalAlignment(int(m_random.bounded(RegionData::AlignmentCount)));
        for (int side = 0; side < BordersAndBackgroundData::SideCount; ++side) {
            const auto bordersSide = BordersAndBackgroundData::Side(side);
            const int style = int(m_random.bounded(BordersAndBackgroundData::getStyleCount()));
            borders.setStyle(bordersSide, style);
            if (style != 0) {
                borders.setWidth(bordersSide, Xml::BorderWidth(Xml::Length(m_random.bounded(8) / 2.0, Xml::Length::Pt)));
                borders.setColor(bordersSide, color());
            }
        }
        if (chance()) {
            borders.setShadowDx(length());
            borders.setShadowDy(length());
            borders.setShadowColor(Xml::ColorParse::getColorAsString(*Xml::ColorParse::parseColor(color())));
        }
        borders.setBackgroundColor(chance() ? color() : Core::String());
        switch (m_random.bounded(3)) {
        case 0:
            borders.setBackgroundImage(u"images/a b.png"_s);
            borders.setRepeatMode(BordersAndBackgroundData::RepeatMode(m_random.bounded(4)));
            break;
        case 1:
            borders.setGradient(u"PHN2Zy8+"_s);
            break;
        default:
            break;
        }
        if (chance()) {
            borders.setPositionHorizontal(lengthOrPercent());
            borders.setPositionVertical(lengthOrPercent());
        }
        borders.setPadding(BordersAndBackgroundData::Left, region.getPadding(RegionData::Left));
        borders.setPadding(BordersAndBackgroundData::Right, region.getPadding(RegionData::Right));
        borders.setPadding(BordersAndBackgroundData::Top, region.getPadding(RegionData::Top));
        borders.setPadding(BordersAndBackgroundData::Bottom, region.getPadding(RegionData::Bottom));
        region.setBordersAndBackground(borders);
        if (chance()) {
            region.setKeptAttributes({{u"region-name"_s, {}, u"area-%1"_s.arg(index)},
                                      {u"kmb:note"_s, Core::String(Xml::Namespaces::KMB), u"a\tb\nc"_s}});
        }
        return region;
    }

    QRandomGenerator m_random;
};

const QString FoRoot = u"<r xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:kmb=\"http://www.varnel.com/kmb/1.0\">%1</r>"_s;

} // namespace

class TestPageLayoutXml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRecordReadsBackFromItsMarkup()
    {
        LayoutGenerator generator(20261206);
        for (int i = 0; i < 300; ++i) {
            const PageLayoutData data = generator.next();
            const Core::String written = SimplePageMasterXml::write(data, u"    "_s);
            const PageLayoutData read = SimplePageMasterXml::readText(FoRoot.arg(written.toQString()));
            QVERIFY2(read == data, qPrintable(written.toQString()));
            QCOMPARE(SimplePageMasterXml::write(read, u"    "_s).toQString(), written.toQString());
        }
    }

    void handWrittenMastersKeepWhatIsNotEdited_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("shorthand margins, writing mode, region name") << u"<fo:simple-page-master master-name=\"p\" margin=\"1cm 2cm\" page-width=\"21cm\" page-height=\"29.7cm\" writing-mode=\"lr-tb\"><fo:region-body region-name=\"main\" column-count=\"2\"/></fo:simple-page-master>"_s << u"<fo:simple-page-master master-name=\"p\" page-width=\"21cm\" page-height=\"29.7cm\" margin-left=\"2cm\" margin-right=\"2cm\" margin-top=\"1cm\" margin-bottom=\"1cm\" writing-mode=\"lr-tb\">|  <fo:region-body column-count=\"2\" region-name=\"main\"/>|</fo:simple-page-master>"_s;
        QTest::newRow("values without a field stay as written") << u"<fo:simple-page-master master-name=\"p\" margin-top=\"auto\" page-height=\"indefinite\"><fo:region-before extent=\"1in\" reference-orientation=\"45\" display-align=\"auto\" margin-left=\"3pt\"/></fo:simple-page-master>"_s << u"<fo:simple-page-master master-name=\"p\" margin-top=\"auto\" page-height=\"indefinite\">|  <fo:region-body/>|  <fo:region-before extent=\"1in\" reference-orientation=\"45\" display-align=\"auto\" margin-left=\"3pt\"/>|</fo:simple-page-master>"_s;
        QTest::newRow("a longhand that does not parse wins over the shorthand") << u"<fo:simple-page-master master-name=\"p\" margin=\"1cm\" margin-top=\"auto\"/>"_s << u"<fo:simple-page-master master-name=\"p\" margin-left=\"1cm\" margin-right=\"1cm\" margin-bottom=\"1cm\" margin-top=\"auto\">|  <fo:region-body/>|</fo:simple-page-master>"_s;
        QTest::newRow("border shorthands become longhands") << u"<fo:simple-page-master master-name=\"p\"><fo:region-after border=\"solid 1pt red\" border-top-color=\"blue\" border-left=\"none\" precedence=\"true\" reference-orientation=\"-90\" display-align=\"center\"/></fo:simple-page-master>"_s << u"<fo:simple-page-master master-name=\"p\">|  <fo:region-body/>|  <fo:region-after precedence=\"true\" reference-orientation=\"270\" display-align=\"center\" border-top-style=\"solid\" border-top-width=\"1pt\" border-top-color=\"blue\" border-right-style=\"solid\" border-right-width=\"1pt\" border-right-color=\"red\" border-bottom-style=\"solid\" border-bottom-width=\"1pt\" border-bottom-color=\"red\"/>|</fo:simple-page-master>"_s;
        QTest::newRow("other namespaces are declared where they are used") << u"<fo:simple-page-master xmlns:x=\"urn:x\" xmlns:svg=\"urn:not-svg\" master-name=\"p\" x:note=\"n\" svg:a=\"b\"><fo:region-body padding=\"2pt\" kmb:id=\"i\"/></fo:simple-page-master>"_s << u"<fo:simple-page-master master-name=\"p\" xmlns:x=\"urn:x\" x:note=\"n\" xmlns:ns1=\"urn:not-svg\" ns1:a=\"b\">|  <fo:region-body padding-left=\"2pt\" padding-right=\"2pt\" padding-top=\"2pt\" padding-bottom=\"2pt\" kmb:id=\"i\"/>|</fo:simple-page-master>"_s;
        // clang-format on
    }
    void handWrittenMastersKeepWhatIsNotEdited()
    {
        QFETCH(QString, given);
        QFETCH(QString, written);
        const PageLayoutData data = SimplePageMasterXml::readText(FoRoot.arg(given));
        QCOMPARE(SimplePageMasterXml::write(data).toQString(), written.replace(u'|', u'\n'));
    }

    void thePreviewShowsEveryVisibleRegionUnderItsName()
    {
        PageLayoutData data = SimplePageMasterXml::readText(FoRoot.arg(
            u"<fo:simple-page-master master-name=\"\"><fo:region-body region-name=\"main\"/><fo:region-end extent=\"1cm\"/></fo:simple-page-master>"_s));
        const QString preview = data.getXml().toQString();
        QVERIFY(preview.contains(u"master-reference=\"preview\""_s));
        QVERIFY(preview.contains(u"<fo:flow flow-name=\"main\">"_s));
        QVERIFY(preview.contains(u"<fo:static-content flow-name=\"xsl-region-end\">"_s));
        QVERIFY(!preview.contains(u"xsl-region-before"_s));
    }
};

UIEDITOR_TEST_CLASS(TestPageLayoutXml)
#include "tst_pagelayoutxml.moc"
