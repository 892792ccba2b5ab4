#include "outside/types/pagelayoutdata.h"

#include "outside/core/namespaces.h"
#include "outside/types/simplepagemasterxml.h"

#include <QStringList>

namespace {

// The flow names the renderer gives regions that name none.
const char* const DefaultRegionNames[PageLayoutData::RegionCount] = {
    "xsl-region-body", "xsl-region-before", "xsl-region-after", "xsl-region-start",
    "xsl-region-end"};
// The region list's item texts.
constexpr unsigned RegionTitles[PageLayoutData::RegionCount] = {63178, 63179, 63180, 63181, 63182};
constexpr unsigned SampleWord = 63036;
// Enough text to fill two or three columns of a small page.
constexpr int BodyWords = 160;

Core::String regionName(const RegionData& region, int index)
{
    for (const KeptAttribute& attribute : region.getKeptAttributes()) {
        if (attribute.namespaceUri.isEmpty() && attribute.qualifiedName == "region-name") {
            return attribute.value;
        }
    }
    return DefaultRegionNames[index];
}

QString previewEscaped(const Core::String& text)
{
    return text.toQString().toHtmlEscaped();
}

} // namespace

PageLayoutData::PageLayoutData()
{
    m_regions[Body].setVisible(true);
}

const RegionData& PageLayoutData::getRegion(int index) const
{
    return m_regions[std::size_t(index >= 0 && index < RegionCount ? index : Body)];
}

RegionData& PageLayoutData::getRegion(int index)
{
    return m_regions[std::size_t(index >= 0 && index < RegionCount ? index : Body)];
}

Core::String PageLayoutData::getXml() const
{
    // The layout under a name of the preview's own, so that any name (even an empty one) works.
    PageLayoutData page = *this;
    page.setMasterName("preview");
    const QString word = previewEscaped(Core::String::formatS(SampleWord));
    QStringList words;
    for (int i = 0; i < BodyWords; ++i) {
        words << word;
    }
    QString regions;
    for (int index = Before; index < RegionCount; ++index) {
        if (m_regions[std::size_t(index)].isVisible()) {
            regions += QStringLiteral("<fo:static-content flow-name=\"%1\"><fo:block "
                                      "color=\"#808080\">%2</fo:block></fo:static-content>\n")
                           .arg(previewEscaped(regionName(m_regions[std::size_t(index)], index)),
                                previewEscaped(Core::String::formatS(RegionTitles[index])));
        }
    }
    const QString body =
        QStringLiteral(
            "<fo:flow flow-name=\"%1\"><fo:block color=\"#808080\">%2</fo:block></fo:flow>\n")
            .arg(previewEscaped(regionName(m_regions[Body], Body)), words.join(u' '));
    return QStringLiteral(
               "<fo:root xmlns:fo=\"%1\" xmlns:kmb=\"%5\">\n<fo:layout-master-set>\n%2\n</fo:layout-master-set>\n"
               "<fo:page-sequence "
               "master-reference=\"preview\">\n%3%4</fo:page-sequence>\n</fo:root>\n")
        .arg(QString::fromLatin1(Xml::Namespaces::FO), SimplePageMasterXml::write(page).toQString(),
             regions, body, QString::fromLatin1(Xml::Namespaces::KMB));
}
