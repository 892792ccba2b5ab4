#pragma once

#include "outside/types/kmbvariable.h"

#include <QString>
#include <vector>

/// What is wrong with the names of a template's parameters for the
/// stylesheet made from it: each becomes a global parameter there, and an
/// empty or repeated name, or one that is no XML name, keeps that
/// stylesheet from compiling.
namespace ParameterNames {

/// The problems, one per line ("a parameter without a name", "\"total\"
/// twice", "\"my rate\" is not a name"); empty when the names are fine.
QString problems(const std::vector<KMBVariable>& variables);

} // namespace ParameterNames
