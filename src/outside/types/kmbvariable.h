#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// A parameter of a template, used in expressions as "$" and its name.
class UIEDITOR_EXPORT KMBVariable
{
public:
    KMBVariable() = default;
    KMBVariable(const Core::String& name, const Core::String& select)
        : m_name(name), m_select(select)
    {
    }

    const Core::String& getName() const { return m_name; }
    void setName(const Core::String& name) { m_name = name; }
    /// The default value: the XPath select expression the variable is declared
    /// with in a stylesheet.
    const Core::String& getSelect() const { return m_select; }
    void setSelect(const Core::String& select) { m_select = select; }

    bool operator==(const KMBVariable&) const = default;

private:
    Core::String m_name;
    Core::String m_select;
};
