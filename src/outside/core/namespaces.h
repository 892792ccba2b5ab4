#pragma once

// Namespace URIs of the template language and of the data it binds to. Every
// comparison with a namespace goes through these, so a URI is spelt once.
namespace Xml::Namespaces {

/// The designer's own markup, prefix "kmb".
inline constexpr const char* KMB = "http://www.varnel.com/kmb/1.0";
/// The product family's markup, prefix "km".
inline constexpr const char* KM = "http://www.varnel.com/km/1.0";
/// Data aggregation files (.lfa), prefix "lfs".
inline constexpr const char* LFS = "http://www.varnel.com/lfs/1.0";
/// Data types written into generated samples, prefix "dt".
inline constexpr const char* DT = "http://www.varnel.com/dt/1.0";
/// Stands for the namespace of the data a data aggregation file describes
/// when the file names none; generated samples bind it to the prefix "ns".
inline constexpr const char* LFS_SAMPLE = "http://www.varnel.com/lfs/1.0/XML";
/// Charts, prefix "zc".
inline constexpr const char* ZC = "http://www.varnel.com/2008/zc";
/// XSL formatting objects, prefix "fo".
inline constexpr const char* FO = "http://www.w3.org/1999/XSL/Format";
/// XSLT 1.0, prefix "xsl".
inline constexpr const char* XSL = "http://www.w3.org/1999/XSL/Transform";
/// SVG, prefix "svg".
inline constexpr const char* SVG = "http://www.w3.org/2000/svg";
/// W3C XML Schema, prefix "xs".
inline constexpr const char* XSD = "http://www.w3.org/2001/XMLSchema";
/// The namespace bound to the reserved prefix "xml".
inline constexpr const char* XML = "http://www.w3.org/XML/1998/namespace";

} // namespace Xml::Namespaces
