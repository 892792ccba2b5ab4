#include "valuesamples.h"

#include "propertyinspector.h"
#include "gallerysamples.h"
#include "values/editconditionalvaluesdlg.h"
#include "values/editpropertyvaluesdlg.h"
#include "xml/model/syntaxxml.h"

namespace {

AttributeData colorAttribute()
{
    return SyntaxXml::get().getAttributeDataByName("color", SyntaxXmlType::FO);
}

} // namespace

std::unique_ptr<QWidget> makeEditPropertyValuesSample()
{
    PropertyValueEx value("color", "payment");
    value.setType(PropertyValueType::Dynamic);
    value.setStaticValue("black");
    value.setDynamicValue("/invoice/payment/@color");
    return std::make_unique<EditPropertyValuesDlg>("color", value, colorAttribute(),
                                                   GallerySamples::invoice(), "/invoice", true);
}

std::unique_ptr<QWidget> makeEditConditionalValuesSample()
{
    const std::vector<ConditionalValue> cases{
        {"red", "", "number(total) > 1000", false},
        {"", "/invoice/payment/@color", "payment/@due < '2027-01-01'", true},
        {"black", "", EditConditionalValuesDlg::DefaultCondition, false}};
    return std::make_unique<EditConditionalValuesDlg>("color", cases, colorAttribute(),
                                                      GallerySamples::invoice(), "/invoice");
}

std::unique_ptr<QWidget> makePropertyInspectorSample()
{
    const SmartPtr<TemplateDocument> document = GallerySamples::invoice();
    const auto found = document->root().find("//*[@id='payment']");
    auto inspector = std::make_unique<PropertyInspector>();
    if (!found.empty()) {
        const Xml::Element payment(found.front());
        PropertyValueEx spacing = document->propertyValue(payment, "space-before");
        spacing.setType(PropertyValueType::Conditional);
        document->setPropertyValue(payment, spacing);
        inspector->showObject(document, payment);
    }
    inspector->resize(380, 420);
    return inspector;
}
