#pragma once

#include "uieditor_export.h"

/// Shows the wait cursor for as long as it lives; nests, and is harmless
/// without a GUI application.
class UIEDITOR_EXPORT WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown = false;
};
