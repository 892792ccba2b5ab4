#pragma once

#include "conditionmerge.h"
#include "outside/dom/xmldocument.h"
#include "xml/model/samplexml.h"
#include "xml/model/xpathevaluator.h"


class TemplateDocument;

/// The template as it prints with its sample data, for the preview: a copy in
/// which every kmb:field holds its value and every repeat is unrolled, one
/// copy of its content per node it iterates, evaluated at that node. A field
/// whose expression selects nothing shows the expression in the warning colour.
/// A repeat's nodes come in its sort order and groups; a merged group prints
/// as its first rows, their cells holding the content of the group's others.
/// The template itself is not touched.
class SampleDataMerge
{
public:
    /// The colour of fields that select nothing.
    static constexpr const char* warningColor = "#d9480f";
    /// Copies all repeats together make at most: the preview shows a few
    /// pages, and a sample of a million rows must not stall it.
    static constexpr int maxCopies = 500;

    SampleDataMerge(TemplateDocument& document, const SmartPtr<SampleXml>& sample);

    /// The merged copy, null when the template could not be copied.
    SmartPtr<Xml::XmlDocument> result() const { return m_result; }

private:
    void visitChildren(const Xml::Element& element, const Xml::Node& context);
    void visit(Xml::Element element, const Xml::Node& context);
    void fill(Xml::Element field, const Xml::Node& context);
    void fillBarcode(Xml::Element barcode, const Xml::Node& context);
    /// The repeat stays, holding one copy of its content per node: the
    /// renderer lays out what is inside elements it does not know.
    void unroll(Xml::Element repeat, const Xml::Node& context);
    /// Appends a copy of `content` to `repeat`, evaluated at `node`; answers the element copies.
    std::vector<Xml::Element> copyContent(Xml::Element& repeat, const std::vector<Xml::Node>& content,
                                          const Xml::Node& node);
    /// Merges the rows of a later member of a group into the group's first rows.
    static void mergeInto(const std::vector<Xml::Element>& first, const std::vector<Xml::Element>& copies);

    const TemplateDocument& m_document;
    XPathEvaluator m_evaluator;
    ConditionMerge m_conditions; // after the evaluator, which it uses
    SmartPtr<Xml::XmlDocument> m_result;
    int m_copiesLeft = maxCopies;
};
