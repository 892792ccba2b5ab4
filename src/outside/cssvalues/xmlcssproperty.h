#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

namespace Xml {

/// One declaration of a style rule: "font-size: 12pt !important".
class UIEDITOR_EXPORT CssProperty
{
public:
    CssProperty() = default;
    CssProperty(const Core::String& name, const Core::String& value, bool important = false)
        : m_name(name), m_value(value), m_important(important)
    {
    }

    /// The property name, in lower case (custom properties "--x" keep their case).
    const Core::String& getName() const { return m_name; }
    /// The value as written, without comments, "!important" and surrounding
    /// blanks; runs of white space outside strings read as one blank.
    const Core::String& getValue() const { return m_value; }
    /// Whether the declaration ended in "!important".
    bool isImportant() const { return m_important; }

    friend bool operator==(const CssProperty& a, const CssProperty& b)
    {
        return a.m_name == b.m_name && a.m_value == b.m_value && a.m_important == b.m_important;
    }

private:
    Core::String m_name;
    Core::String m_value;
    bool m_important = false;
};

} // namespace Xml
