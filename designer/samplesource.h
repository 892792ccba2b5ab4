#pragma once

#include "outside/core/corestring.h"
#include "outside/dom/xmlelement.h"
#include "xml/model/samplexml.h"

/// Where a template's sample data come from, as its root says: a data
/// aggregation file ("kmb:sample-lfa") before a schema ("kmb:sample-xsd")
/// before an XML file ("kmb:sample-xml"), as the data source dialog chooses.
/// For older templates, a kmb:sample-xml naming an .lfa or .xsd file gives
/// that kind. Relative paths start from the template's folder.
struct SampleSource
{
    Core::String path; ///< empty: the template has no sample
    DatasourceType type = DatasourceType::XmlFile;

    static SampleSource of(const Xml::Element& root, const Core::String& templatePath);
    /// The three attributes together: when this changes, the sample is read again.
    static Core::String key(const Xml::Element& root);
};
