#pragma once

#include "outside/core/coreexception.h"

#include <optional>
#include <utility>

namespace Xml {

/// A value that may be absent, as an attribute of a CSS value is (the colour of
/// a box shadow, for one): "not given" must stay apart from any real value.
template <class T> class TXmlAttribute
{
public:
    /// Not set.
    TXmlAttribute() = default;
    /// Set to `value`.
    TXmlAttribute(T value) : m_value(std::move(value)) {}

    bool isSet() const { return m_value.has_value(); }

    /// The value; raises Core::Exception when it is not set, rather than handing
    /// out a default that looks like a real value.
    const T& getValue() const
    {
        if (!m_value) {
            throw Core::Exception("The attribute has no value.");
        }
        return *m_value;
    }
    /// The value, or `fallback` when it is not set.
    T getValueOr(T fallback) const { return m_value ? *m_value : std::move(fallback); }

    void setValue(T value) { m_value = std::move(value); }
    /// Back to not set.
    void reset() { m_value.reset(); }

    friend bool operator==(const TXmlAttribute& a, const TXmlAttribute& b)
    {
        return a.m_value == b.m_value;
    }

private:
    std::optional<T> m_value;
};

} // namespace Xml
