#include "outside/types/referenceinfo.h"

#include "outside/types/pageconditions.h"

#include <QCoreApplication>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ReferenceInfo)
};

} // namespace

ReferenceInfo::ReferenceInfo(int type, const Core::String& masterName, const Core::String& condition,
                             const Core::String& conditionValue, const Core::String& maximumRepeat)
    : m_type(type), m_masterName(masterName), m_condition(condition), m_conditionValue(conditionValue),
      m_maximumRepeat(maximumRepeat)
{
}

Core::String ReferenceInfo::conditionText(const Core::String& condition, const Core::String& value)
{
    for (const PageConditions::Item& item : PageConditions::items()) {
        if (condition == item.condition && value == item.value) {
            return Core::String::formatS(item.textId);
        }
    }
    return {};
}

Core::String ReferenceInfo::getInfoString() const
{
    switch (m_type) {
    case AllPages:
        return Core::String(Tr::tr("All Pages"));
    case OneTimeOnly:
        return Core::String(Tr::tr("One Time Only"));
    case MultipleTimes:
        if (m_maximumRepeat.isEmpty() || m_maximumRepeat == NoLimit) {
            return Core::String(Tr::tr("Multiple Times, No Limit"));
        }
        return Core::String(Tr::tr("Multiple Times, at Most %1").arg(m_maximumRepeat.toQString()));
    default:
        break;
    }
    const Core::String text = conditionText(m_condition, m_conditionValue);
    // A condition written by hand that the list does not offer shows as written.
    return text.isEmpty() ? m_condition + "=" + m_conditionValue : text;
}
