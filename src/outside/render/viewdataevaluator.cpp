#include "outside/render/viewdataevaluator.h"

ViewDataEvaluator::~ViewDataEvaluator() = default;

std::vector<ViewDataEvaluator::Attribute> ViewDataEvaluator::attributes(const Xml::Element&,
                                                                        Context)
{
    return {};
}
