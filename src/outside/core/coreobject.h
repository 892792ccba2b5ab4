#pragma once

#include "uieditor_export.h"

#include <atomic>

namespace Core {

/// Base of every reference-counted object handed around through SmartPtr.
/// The count starts at zero; the first SmartPtr that takes the object owns it,
/// and the last Release() deletes it.
class UIEDITOR_EXPORT Object
{
public:
    Object() = default;
    // A copy is a new object: it starts without owners.
    Object(const Object&) : m_refs(0) {}
    Object& operator=(const Object&) { return *this; }
    virtual ~Object();

    void AddRef() const { m_refs.fetch_add(1, std::memory_order_relaxed); }
    void Release() const;
    int refCount() const { return m_refs.load(std::memory_order_relaxed); }

private:
    mutable std::atomic<int> m_refs{0};
};

} // namespace Core
