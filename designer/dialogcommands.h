#pragma once

#include "dialogcommand.h"

#include <vector>

/// Every dialog the designer offers, in menu order.
class DialogCommands
{
public:
    static std::vector<DialogCommand> all();
};
