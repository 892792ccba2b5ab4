#include "dialogs/format/formatpreviewpage.h"

namespace FormatPreviewPage {

Core::String document(int width, int height, const Core::String& content, const Core::String& flowAttributes)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                          "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
                          "xmlns:kmb=\"http://www.varnel.com/kmb/1.0\" "
                          "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
                          "xmlns:km=\"http://www.varnel.com/km/1.0\" xmlns:zc=\"http://www.varnel.com/2008/zc\" "
                          "xmlns:svg=\"http://www.w3.org/2000/svg\" fo:font-family=\"Times\" fo:font-size=\"12pt\">\n"
                          "<fo:layout-master-set>\n"
                          "<fo:simple-page-master master-name=\"all-pages\" page-height=\"%1px\" page-width=\"%2px\">\n"
                          "<fo:region-body region-name=\"xsl-region-body\" margin=\"15px\"/>\n"
                          "</fo:simple-page-master>\n"
                          "</fo:layout-master-set>\n"
                          "<fo:page-sequence master-reference=\"all-pages\">\n"
                          "<fo:flow flow-name=\"xsl-region-body\" %3>\n")
               .arg(height)
               .arg(width)
               .arg(flowAttributes.toQString()) +
           content.toQString() +
           QStringLiteral("</fo:flow>\n"
                          "</fo:page-sequence>\n"
                          "</fo:root>\n");
}

} // namespace FormatPreviewPage
