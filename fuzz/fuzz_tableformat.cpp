// A predefined table format from any text, stretched to a small and a large
// size: either refused with an exception or a table that starts and ends as
// one, with one column element per column.
#include "dialogs/table/tableformatexpander.h"
#include "fuzztext.h"
#include "outside/core/coreexception.h"

namespace {

void exercise(const QString& text)
{
    for (const auto& [rows, columns] : {std::pair{1, 1}, std::pair{4, 7}}) {
        try {
            const QString table =
                TableFormatExpander::expand(text, {rows, columns, true, true, columns > 1}, "fuzz")
                    .toQString();
            FuzzText::check(table.startsWith(QLatin1String("<fo:table")));
            FuzzText::check(table.endsWith(QLatin1String("</fo:table>")));
            FuzzText::check(table.count(QLatin1String("<fo:table-column ")) >= columns);
        } catch (const Core::Exception&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
