#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <vector>

/// What a syntax definition says about one attribute (a property): the kind
/// of its value and, for an enumeration, the values offered. Value editors
/// choose themselves from it: a colour field for a colour, a drop-down of the
/// allowed values for an enumeration, a plain edit otherwise.
///
/// The role tells what a free text stands for ("length", "xpath", "font-family"
/// ...); an enumeration may have one too, for a value typed instead of picked
/// (font-size takes "large" or a length). Empty when the definition has no
/// such attribute.
class UIEDITOR_EXPORT AttributeData
{
public:
    enum class Kind { None, String, Color, Url, Enumeration };

    AttributeData() = default;

    /// True when no definition was found.
    bool isEmpty() const { return m_kind == Kind::None; }
    Kind getKind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }

    /// The attribute's name as its definition writes it, without prefix.
    const Core::String& getName() const { return m_name; }
    void setName(const Core::String& name) { m_name = name; }
    /// The name lists show ("Border Width"); the name itself when none is given.
    const Core::String& getDisplayName() const
    {
        return m_displayName.isEmpty() ? m_name : m_displayName;
    }
    void setDisplayName(const Core::String& name) { m_displayName = name; }
    /// The group lists file the property under ("Borders", "Font").
    const Core::String& getGroup() const { return m_group; }
    void setGroup(const Core::String& group) { m_group = group; }

    /// The allowed values of an enumeration, in the definition's order.
    const std::vector<Core::String>& getValues() const { return m_values; }
    void setValues(std::vector<Core::String> values) { m_values = std::move(values); }
    const Core::String& getRole() const { return m_role; }
    void setRole(const Core::String& role) { m_role = role; }
    const Core::String& getDescription() const { return m_description; }
    void setDescription(const Core::String& description) { m_description = description; }

    bool isColor() const { return m_kind == Kind::Color; }
    bool isUrl() const { return m_kind == Kind::Url; }
    bool isEnumeration() const { return m_kind == Kind::Enumeration; }

private:
    Kind m_kind = Kind::None;
    Core::String m_name;
    Core::String m_displayName;
    Core::String m_group;
    std::vector<Core::String> m_values;
    Core::String m_role;
    Core::String m_description;
};
