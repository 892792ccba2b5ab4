#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <utility>
#include <vector>

/// One entry of a page set: a page layout (simple page master) and when it
/// is used: for all pages, once, repeatedly, or for pages meeting a condition.
class UIEDITOR_EXPORT ReferenceInfo
{
public:
    enum ReferenceMasterType { AllPages = 0, OneTimeOnly = 1, MultipleTimes = 2, Conditional = 3 };
    /// Attributes of the markup a record does not model, by qualified name, in order.
    using Attributes = std::vector<std::pair<Core::String, Core::String>>;
    static constexpr const char* NoLimit = "no-limit";

    ReferenceInfo() = default;
    ReferenceInfo(int type, const Core::String& masterName, const Core::String& condition = Core::String(),
                  const Core::String& conditionValue = Core::String(),
                  const Core::String& maximumRepeat = Core::String());

    int getType() const { return m_type; }
    void setType(int type) { m_type = type; }
    const Core::String& getMasterName() const { return m_masterName; }
    void setMasterName(const Core::String& name) { m_masterName = name; }
    /// The page condition ("page-position", "odd-or-even", "blank-or-not-blank"; empty for any page).
    const Core::String& getCondition() const { return m_condition; }
    void setCondition(const Core::String& condition) { m_condition = condition; }
    const Core::String& getConditionValue() const { return m_conditionValue; }
    void setConditionValue(const Core::String& value) { m_conditionValue = value; }
    /// A positive decimal number or "no-limit"; used by "Multiple times".
    const Core::String& getMaximumRepeat() const { return m_maximumRepeat; }
    void setMaximumRepeat(const Core::String& maximum) { m_maximumRepeat = maximum; }

    /// Attributes of the reference's element that are kept as they were read.
    const Attributes& getOtherAttributes() const { return m_otherAttributes; }
    void setOtherAttributes(const Attributes& attributes) { m_otherAttributes = attributes; }
    /// For a conditional reference: the attributes of the alternatives it
    /// belongs to. Neighbouring conditional references with the same
    /// attributes are alternatives of one another.
    const Attributes& getGroupAttributes() const { return m_groupAttributes; }
    void setGroupAttributes(const Attributes& attributes) { m_groupAttributes = attributes; }

    /// What the page set's list shows in brackets after the layout's name;
    /// for a conditional reference the text of its item in the condition list.
    Core::String getInfoString() const;
    /// The condition list's text for a condition and its value; empty when
    /// the pair is none of the list's.
    static Core::String conditionText(const Core::String& condition, const Core::String& value);

    bool operator==(const ReferenceInfo&) const = default;

private:
    int m_type = AllPages;
    Core::String m_masterName;
    Core::String m_condition;
    Core::String m_conditionValue;
    Core::String m_maximumRepeat;
    Attributes m_otherAttributes;
    Attributes m_groupAttributes;
};
