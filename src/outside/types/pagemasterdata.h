#pragma once

#include "outside/types/referenceinfo.h"

#include <vector>

/// A page set: the ordered page layout references of one page sequence
/// master, its name, and the attributes of its markup that the references
/// do not hold (the dynamic settings among them).
class UIEDITOR_EXPORT PageMasterData
{
public:
    PageMasterData() = default;

    /// The name page sequences refer to the page set by: the page sequence
    /// master's name, or the layout's own name while the page set is one
    /// layout used for all pages. Empty for a page set not yet named.
    const Core::String& getMasterName() const { return m_masterName; }
    void setMasterName(const Core::String& name) { m_masterName = name; }
    /// Whether the page set is no more than one layout used for every page.
    bool isSimplePageMaster() const;

    int getReferencesCount() const { return int(m_references.size()); }
    const std::vector<ReferenceInfo>& getReferences() const { return m_references; }
    std::vector<ReferenceInfo>& references() { return m_references; }
    void setReferences(const std::vector<ReferenceInfo>& references) { m_references = references; }

    /// Other attributes of the page sequence master by qualified name
    /// ("kmb:xpath"; plain names for XSL-FO ones), in the order read.
    const ReferenceInfo::Attributes& getAttributes() const { return m_attributes; }
    Core::String getAttribute(const Core::String& name) const;
    /// Sets, adds, or with an empty value removes, one of the other attributes.
    void setAttribute(const Core::String& name, const Core::String& value);

    bool operator==(const PageMasterData&) const = default;

private:
    Core::String m_masterName;
    std::vector<ReferenceInfo> m_references;
    ReferenceInfo::Attributes m_attributes;
};
