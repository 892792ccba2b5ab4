#pragma once

// Helpers the property readers share to take a value apart.

#include "outside/render/fostyle_p.h"

#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace Fo {

/// Splits at blanks outside parentheses, so "rgb(1, 2, 3) solid" gives two tokens.
std::vector<QStringView> valueTokens(QStringView text);

/// CSS 1-4 value expansion: top, right, bottom, left. False, and `out`
/// untouched, unless every value parsed.
template <typename T>
bool expandFour(const std::vector<std::optional<T>>& values, std::array<T, 4>& out)
{
    if (values.empty() || values.size() > 4) {
        return false;
    }
    for (const auto& v : values) {
        if (!v) {
            return false;
        }
    }
    const size_t n = values.size();
    out[Top] = *values[0];
    out[Right] = n > 1 ? *values[1] : *values[0];
    out[Bottom] = n > 2 ? *values[2] : *values[0];
    out[Left] = n > 3 ? *values[3] : out[Right];
    return true;
}

} // namespace Fo
