#include "dialogs/page/pagesetrules.h"

namespace {

bool isCatchAllOrFallback(const ReferenceInfo& reference)
{
    return reference.getCondition().isEmpty() && reference.getConditionValue().isEmpty();
}

int catchAllOrFallback(const PageMasterData& data)
{
    const int found = PageSetRules::catchAll(data);
    return found >= 0 ? found : PageSetRules::fallback(data);
}

bool hasCondition(const PageMasterData& data, const char* condition, const char* value)
{
    for (const ReferenceInfo& reference : data.getReferences()) {
        if (reference.getType() == ReferenceInfo::Conditional &&
            reference.getCondition().toQString().toLower() == QLatin1String(condition) &&
            reference.getConditionValue().toQString().toLower() == QLatin1String(value)) {
            return true;
        }
    }
    return false;
}

} // namespace

int PageSetRules::searchReference(const PageMasterData& data, const Core::String& name, int type,
                                  const Core::String& condition, const Core::String& value,
                                  const Core::String& maximum)
{
    const std::vector<ReferenceInfo>& references = data.getReferences();
    for (int i = 0; i < int(references.size()); ++i) {
        const ReferenceInfo& reference = references[size_t(i)];
        const bool maximumMatches =
            reference.getMaximumRepeat() == maximum ||
            (maximum.isEmpty() && reference.getMaximumRepeat() == ReferenceInfo::NoLimit);
        if ((name.isEmpty() || reference.getMasterName() == name) && reference.getType() == type &&
            reference.getCondition() == condition && reference.getConditionValue() == value && maximumMatches) {
            return i;
        }
    }
    return -1;
}

int PageSetRules::catchAll(const PageMasterData& data)
{
    return searchReference(data, {}, ReferenceInfo::AllPages, {}, {}, {});
}

int PageSetRules::fallback(const PageMasterData& data)
{
    return searchReference(data, {}, ReferenceInfo::Conditional, {}, {}, {});
}

int PageSetRules::addReference(PageMasterData& data, ReferenceInfo reference)
{
    std::vector<ReferenceInfo>& references = data.references();
    const int type = reference.getType();
    if (type == ReferenceInfo::AllPages) {
        if (const int found = catchAllOrFallback(data); found >= 0) {
            ReferenceInfo& existing = references[size_t(found)];
            existing.setMasterName(reference.getMasterName());
            if (references.size() == 1) {
                existing.setType(ReferenceInfo::AllPages);
                data.setMasterName(reference.getMasterName());
            } else {
                existing.setType(ReferenceInfo::Conditional);
            }
            return found;
        }
        if (references.empty()) {
            data.setMasterName(reference.getMasterName());
        } else {
            reference.setType(ReferenceInfo::Conditional);
        }
        references.push_back(reference);
        return int(references.size()) - 1;
    }
    if (type == ReferenceInfo::Conditional && reference.getConditionValue().isEmpty()) {
        if (const int found = catchAllOrFallback(data); found >= 0) {
            references[size_t(found)].setType(ReferenceInfo::Conditional);
            references[size_t(found)].setMasterName(reference.getMasterName());
            return found;
        }
        references.push_back(reference);
        return int(references.size()) - 1;
    }
    if (references.empty()) {
        references.push_back(reference);
        return 0;
    }
    if (type == ReferenceInfo::Conditional) {
        for (size_t i = 0; i < references.size(); ++i) {
            if (references[i].getType() == ReferenceInfo::Conditional &&
                references[i].getCondition() == reference.getCondition() &&
                references[i].getConditionValue() == reference.getConditionValue()) {
                references[i] = reference;
                return int(i);
            }
        }
        // Past the references used once or repeatedly, then past the
        // conditions; a list that ends there gets the new condition first.
        const int last = int(references.size()) - 1;
        int at = 0;
        while (at < last && references[size_t(at)].getType() != ReferenceInfo::Conditional) {
            ++at;
        }
        while (references[size_t(at)].getType() == ReferenceInfo::Conditional && at < last) {
            ++at;
        }
        if (at == last) {
            at = 0;
        }
        references.insert(references.begin() + at, reference);
        if (const int found = catchAll(data); found >= 0) {
            references[size_t(found)].setType(ReferenceInfo::Conditional);
        }
        return at;
    }
    const int found = catchAllOrFallback(data);
    if (found < 0) {
        references.push_back(reference);
        return int(references.size()) - 1;
    }
    references.insert(references.begin() + found, reference);
    references[size_t(found) + 1].setType(ReferenceInfo::Conditional);
    return found;
}

void PageSetRules::removeReference(PageMasterData& data, int index)
{
    std::vector<ReferenceInfo>& references = data.references();
    if (index < 0 || index >= int(references.size())) {
        return;
    }
    references.erase(references.begin() + index);
    if (references.empty()) {
        data.setMasterName({});
    }
}

bool PageSetRules::canSupplyAllPages(const PageMasterData& data)
{
    if (data.isSimplePageMaster()) {
        return true;
    }
    for (const ReferenceInfo& reference : data.getReferences()) {
        if ((reference.getType() == ReferenceInfo::Conditional && isCatchAllOrFallback(reference)) ||
            (reference.getType() == ReferenceInfo::MultipleTimes &&
             reference.getMaximumRepeat() == ReferenceInfo::NoLimit)) {
            return true;
        }
    }
    return (hasCondition(data, "odd-or-even", "odd") && hasCondition(data, "odd-or-even", "even")) ||
           (hasCondition(data, "blank-or-not-blank", "blank") &&
            hasCondition(data, "blank-or-not-blank", "not-blank"));
}
