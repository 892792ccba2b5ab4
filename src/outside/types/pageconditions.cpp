#include "outside/types/pageconditions.h"

const std::array<PageConditions::Item, 7>& PageConditions::items()
{
    static const std::array<Item, 7> all = {{{63196, "page-position", "first"},
                                             {63197, "page-position", "last"},
                                             {63198, "odd-or-even", "odd"},
                                             {63199, "odd-or-even", "even"},
                                             {63200, "blank-or-not-blank", "blank"},
                                             {63201, "blank-or-not-blank", "not-blank"},
                                             {63195, "", ""}}};
    return all;
}
