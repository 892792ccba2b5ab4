#pragma once

#include "outside/cssvalues/xmlcssproperty.h"

#include <QString>
#include <vector>

namespace Xml {

// Reads the declarations of one rule block: the characters `from` to `to`
// (excluded) of `text`, the inside of the braces. CssStyle calls it when its
// declarations are first asked for.
void parseCssDeclarations(const QString& text, int from, int to, std::vector<CssProperty>& out);

} // namespace Xml
