#pragma once

/// The vocabularies a template may contain, one syntax definition each (the
/// SVG and chart vocabularies have none and answer empty data).
/// Unknown stands for a prefix or namespace that is none of them.
enum class SyntaxXmlType : int {
    FO = 0,  ///< XSL formatting objects, prefix "fo"
    KMB = 1, ///< the designer's markup, prefix "kmb"
    XSL = 2, ///< XSLT 1.0, prefix "xsl"
    SVG = 3, ///< SVG, prefix "svg"
    ZC = 4,  ///< charts, prefix "zc"
    KM = 5,  ///< the product family's markup, prefix "km"
    Unknown = -1,
};
