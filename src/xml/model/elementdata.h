#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <vector>

/// What a syntax definition says about one element: its name (with the
/// prefix of its vocabulary, "fo:block"), a description, the properties it
/// takes and the elements it may hold, each named with its prefix where it
/// has one ("fo:border-left-style", "kmb:field"), and the auto-fill markup: what
/// a host puts inside a new element of this kind so that it is complete at
/// once (a table gets a body, a row and a cell). Empty when the definition
/// has no such element.
class UIEDITOR_EXPORT ElementData
{
public:
    ElementData() = default;
    ElementData(const Core::String& name, const Core::String& description,
                std::vector<Core::String> properties, std::vector<Core::String> content,
                const Core::String& autoFill);

    /// True when no definition was found.
    bool isEmpty() const { return m_name.isEmpty(); }

    const Core::String& getName() const { return m_name; }
    const Core::String& getDescription() const { return m_description; }
    const std::vector<Core::String>& getProperties() const { return m_properties; }
    const std::vector<Core::String>& getContent() const { return m_content; }
    /// Markup for the inside of a new element, "" when it needs none.
    const Core::String& getAutoFill() const { return m_autoFill; }

    /// Whether the element takes the property, named as in getProperties().
    bool hasProperty(const Core::String& qualifiedName) const;
    /// Whether the element may hold the element, named as in getContent().
    bool canContain(const Core::String& qualifiedName) const;

private:
    Core::String m_name;
    Core::String m_description;
    std::vector<Core::String> m_properties;
    std::vector<Core::String> m_content;
    Core::String m_autoFill;
};
