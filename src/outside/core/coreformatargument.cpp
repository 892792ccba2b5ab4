#include "outside/core/coreformatargument.h"

#include "outside/core/coreformat.h"

namespace Core {

String FormatArgument::toString(const String& numberFormat) const
{
    switch (m_kind) {
    case Kind::Integer:
        return Format::formatValue(m_integer, numberFormat);
    case Kind::Real:
        return Format::formatValue(m_real, numberFormat);
    case Kind::Text:
        break;
    }
    return m_text;
}

} // namespace Core
