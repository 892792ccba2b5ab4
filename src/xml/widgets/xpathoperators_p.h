#pragma once

#include <vector>

/// The operators the expression editor lists, in groups: arithmetic,
/// boolean, logical, grouping, comparison; the all-operators row lists them
/// in this order.
class XPathOperators
{
public:
    struct Row
    {
        const char* shown; ///< a word to translate, or null when `shownId` names the text
        unsigned shownId;
        const char* inserted; ///< the text the row puts into the expression
    };

    static const std::vector<std::vector<Row>>& groups();
};
