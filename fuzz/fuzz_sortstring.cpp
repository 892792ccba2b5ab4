// Sort strings from any text: every criterion read has a select and known
// words, and the criteria whose select can be stored write a string that
// reads back as the same criteria.
#include "fuzztext.h"

#include "dialogs/data/sortcriteria.h"

namespace {

using FuzzText::check;

void exercise(const QString& text)
{
    const std::vector<SortCriteria> criteria = SortCriteria::fromString(text);
    std::vector<SortCriteria> storable;
    for (const SortCriteria& criterion : criteria) {
        check(!criterion.select.isEmpty());
        check(criterion.order == 0 || criterion.order == 1);
        check(criterion.dataType == 0 || criterion.dataType == 1);
        check(criterion.caseOrder == 0 || criterion.caseOrder == 1);
        if (SortCriteria::isStorableSelect(criterion.select)) {
            storable.push_back(criterion);
        }
    }
    check(SortCriteria::fromString(SortCriteria::toString(storable)) == storable);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
