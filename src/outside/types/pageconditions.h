#pragma once

#include "uieditor_export.h"

#include <array>

/// The page conditions a page set offers, in the order its condition list
/// shows them; the last, without condition, matches any other page.
namespace PageConditions {

struct Item
{
    unsigned textId; ///< message number of the list's text
    const char* condition;
    const char* value;
};

UIEDITOR_EXPORT const std::array<Item, 7>& items();

} // namespace PageConditions
