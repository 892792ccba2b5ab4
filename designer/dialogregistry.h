#pragma once

#include "dialogentry.h"

/// Every dialog and control the designer offers or shows, in menu order.
class DialogRegistry
{
public:
    static std::vector<DialogEntry> all();
};
