#pragma once

#include "conditionalattributes.h"
#include "outside/render/viewdataevaluator.h"
#include "xml/model/samplexml.h"
#include "xml/model/xpathevaluator.h"

class TemplateDocument;

/// The template's sample data, as the preview's engine asks for it: the
/// nodes of repeats in their sort order and groups, the values of fields
/// through their formats, the tests of conditional sections, and the
/// attributes that conditional formatting and data-bound barcode values
/// change. Contexts are the sample's nodes.
class SampleDataEvaluator : public ViewDataEvaluator
{
public:
    /// The document and the sample must outlive this.
    SampleDataEvaluator(TemplateDocument& document, const SmartPtr<SampleXml>& sample);

    Repetition repeat(const Xml::Element& repeat, Context context, int limit) override;
    std::optional<Core::String> value(const Xml::Element& element, Context context) override;
    bool holds(const Core::String& test, Context context) override;
    std::vector<Attribute> attributes(const Xml::Element& element, Context context) override;

private:
    Xml::Node nodeOf(Context context) const;
    /// The nodes a dynamic page set prints a page sequence for: those its
    /// condition holds at, in its sort order.
    Repetition pageSetNodes(const Xml::Element& master, const Xml::Node& context, int limit);
    std::optional<Attribute> barcodeValue(const Xml::Element& barcode, const Xml::Node& context);

    const TemplateDocument& m_document;
    Xml::Node m_sample; ///< for handles on the sample's nodes
    XPathEvaluator m_evaluator;
    ConditionalAttributes m_conditions; // after the evaluator, which it uses
};
