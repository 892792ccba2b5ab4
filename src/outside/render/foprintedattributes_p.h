#pragma once

#include "outside/render/viewdataevaluator.h"

#include <QByteArray>

#include <vector>

struct _xmlAttr;
struct _xmlNode;

namespace Fo {

/// Gives an element of the engine's own copy of a document the attribute
/// values it prints with at one data context, for as long as it is being
/// built, and its own values back afterwards: the same element is built once
/// per node a repeat prints it for. A formatting property replaces the
/// attribute of that name in no namespace or the XSL-FO one. An attribute in
/// a namespace not declared where the element stands is left out.
class PrintedAttributes
{
public:
    PrintedAttributes(_xmlNode* element,
                      const std::vector<ViewDataEvaluator::Attribute>& attributes);
    ~PrintedAttributes();
    PrintedAttributes(const PrintedAttributes&) = delete;
    PrintedAttributes& operator=(const PrintedAttributes&) = delete;

private:
    struct Saved
    {
        _xmlAttr* attribute = nullptr;
        QByteArray value;
        bool added = false;
    };

    _xmlNode* m_element;
    std::vector<Saved> m_saved;
};

} // namespace Fo
