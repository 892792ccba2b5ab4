#pragma once

// Documents that show page breaking, hyphenation, leaders, citations and
// footnotes, for the render gallery and the comparison with other engines.

#include <QString>

namespace PageSamples {

inline QString root(const QString& masters, const QString& sequence)
{
    return QStringLiteral("<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
                          "font-family=\"Times\" font-size=\"11pt\"><fo:layout-master-set>%1"
                          "</fo:layout-master-set>%2</fo:root>")
        .arg(masters, sequence);
}

inline QString page(const QString& name = QStringLiteral("p"), int width = 300, int height = 260)
{
    return QStringLiteral("<fo:simple-page-master master-name=\"%1\" page-width=\"%2px\" "
                          "page-height=\"%3px\" margin=\"15px\"><fo:region-body/>"
                          "</fo:simple-page-master>")
        .arg(name)
        .arg(width)
        .arg(height);
}

/// A table of contents: dotted and ruled leaders up to page numbers cited ahead.
inline QString tableOfContents()
{
    QString entries, chapters;
    const char* titles[] = {"Introduction", "Keeps and breaks", "Hyphenation", "Footnotes"};
    for (int i = 0; i < 4; ++i) {
        entries += QStringLiteral("<fo:block text-align-last=\"justify\" space-before=\"4pt\">"
                                  "%1 <fo:leader leader-pattern=\"%2\"/> "
                                  "<fo:page-number-citation ref-id=\"ch%3\"/></fo:block>")
                       .arg(QLatin1String(titles[i]), QLatin1String(i % 2 ? "rule" : "dots"))
                       .arg(i);
        chapters +=
            QStringLiteral("<fo:block id=\"ch%1\" break-before=\"page\" font-weight=\"bold\">"
                           "%2</fo:block>")
                .arg(i)
                .arg(QLatin1String(titles[i])) +
            QStringLiteral("<fo:block break-before=\"page\">continued</fo:block>").repeated(i);
    }
    return root(page(), QStringLiteral("<fo:page-sequence master-reference=\"p\"><fo:flow "
                                       "flow-name=\"xsl-region-body\"><fo:block font-size=\"16pt\">"
                                       "Contents</fo:block>%1<fo:block>Last page: "
                                       "<fo:page-number-citation-last ref-id=\"ch3\"/></fo:block>"
                                       "%2</fo:flow>"
                                       "</fo:page-sequence>")
                            .arg(entries, chapters));
}

/// A justified paragraph hyphenated in `language`.
inline QString hyphenated(const QString& language, const QString& text)
{
    return root(page(),
                QStringLiteral("<fo:page-sequence master-reference=\"p\"><fo:flow "
                               "flow-name=\"xsl-region-body\"><fo:block text-align=\"justify\" "
                               "hyphenate=\"true\" language=\"%1\">%2</fo:block></fo:flow>"
                               "</fo:page-sequence>")
                    .arg(language, text));
}

/// Two footnotes under a rule at the bottom of the page.
inline QString footnotes()
{
    const QString note = QStringLiteral(
        "<fo:footnote><fo:inline baseline-shift=\"super\" font-size=\"8pt\">%1</fo:inline>"
        "<fo:footnote-body><fo:block font-size=\"9pt\">%1 %2</fo:block></fo:footnote-body>"
        "</fo:footnote>");
    return root(
        page(),
        QStringLiteral("<fo:page-sequence master-reference=\"p\"><fo:static-content "
                       "flow-name=\"xsl-footnote-separator\"><fo:block><fo:leader "
                       "leader-pattern=\"rule\" leader-length=\"40%\"/></fo:block>"
                       "</fo:static-content><fo:flow flow-name=\"xsl-region-body\">"
                       "<fo:block>A claim that needs a source%1, and another one%2 in the same "
                       "paragraph.</fo:block><fo:block space-before=\"6pt\">The notes sit at the "
                       "bottom of the page, under the separator.</fo:block></fo:flow>"
                       "</fo:page-sequence>")
            .arg(note.arg(QStringLiteral("1"), QStringLiteral("First source, page 12.")),
                 note.arg(QStringLiteral("2"), QStringLiteral("Second source."))));
}

/// A heading kept with its paragraph: the heading goes to the next page.
inline QString keptHeading()
{
    QString filler;
    for (int i = 0; i < 10; ++i) {
        filler += QStringLiteral("<fo:block>Filler line %1</fo:block>").arg(i);
    }
    return root(page(),
                QStringLiteral("<fo:page-sequence master-reference=\"p\"><fo:flow "
                               "flow-name=\"xsl-region-body\">%1<fo:block font-weight=\"bold\" "
                               "keep-with-next=\"always\" space-before=\"8pt\">A heading</fo:block>"
                               "<fo:block>Its paragraph of three lines, which must not lose "
                               "its heading at the bottom of the page before it.</fo:block>"
                               "</fo:flow></fo:page-sequence>")
                    .arg(filler));
}

/// Two columns balanced above a block across them: a heading kept with its
/// paragraph in the columns, and notes cited in both at the foot of the page.
inline QString spannedFootnotes()
{
    const QString note = QStringLiteral(
        "<fo:footnote><fo:inline baseline-shift=\"super\" font-size=\"8pt\">%1</fo:inline>"
        "<fo:footnote-body><fo:block font-size=\"9pt\">%1 %2</fo:block></fo:footnote-body>"
        "</fo:footnote>");
    QString columns;
    for (int i = 1; i <= 3; ++i) {
        columns += QStringLiteral("<fo:block>Column text %1 before the heading.</fo:block>").arg(i);
    }
    columns += QStringLiteral("<fo:block font-weight=\"bold\" keep-with-next=\"always\">"
                              "A kept heading</fo:block><fo:block>Its paragraph%1 goes on "
                              "here.</fo:block>")
                   .arg(note.arg(QStringLiteral("1"), QStringLiteral("A note from the columns.")));
    return root(
        QStringLiteral("<fo:simple-page-master master-name=\"p\" page-width=\"300px\" "
                       "page-height=\"260px\" margin=\"15px\"><fo:region-body "
                       "column-count=\"2\" column-gap=\"12px\"/></fo:simple-page-master>"),
        QStringLiteral("<fo:page-sequence master-reference=\"p\"><fo:static-content "
                       "flow-name=\"xsl-footnote-separator\"><fo:block><fo:leader "
                       "leader-pattern=\"rule\" leader-length=\"40%\"/></fo:block>"
                       "</fo:static-content><fo:flow flow-name=\"xsl-region-body\">%1"
                       "<fo:block span=\"all\" space-before=\"6pt\" font-weight=\"bold\">"
                       "Across both columns%2</fo:block><fo:block>More column text below "
                       "the spanning block.</fo:block></fo:flow></fo:page-sequence>")
            .arg(columns, note.arg(QStringLiteral("2"), QStringLiteral("A note from the block "
                                                                       "across the columns."))));
}

} // namespace PageSamples
