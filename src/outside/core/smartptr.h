#pragma once

#include "outside/core/corenullpointerexception.h"
#include "outside/core/coreobject.h"

#include <type_traits>
#include <utility>

/// Intrusive reference-counted pointer to a Core::Object. Using a null one
/// through -> or * throws Core::NullPointerException instead of crashing.
///
/// The count is kept through the Core::Object base, remembered when the
/// pointer is made from an object: so a SmartPtr of a type that is only
/// declared (an interface returning SmartPtr<SampleXml>) can still be
/// copied, returned and destroyed.
template <class T>
class SmartPtr
{
public:
    SmartPtr() = default;
    SmartPtr(std::nullptr_t) {}
    SmartPtr(T* object) : m_ptr(object), m_object(object) { retain(); }
    SmartPtr(const SmartPtr& other) : m_ptr(other.m_ptr), m_object(other.m_object) { retain(); }
    SmartPtr(SmartPtr&& other) noexcept
        : m_ptr(std::exchange(other.m_ptr, nullptr)), m_object(std::exchange(other.m_object, nullptr))
    {
    }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    SmartPtr(const SmartPtr<U>& other) : m_ptr(other.get()), m_object(other.get())
    {
        retain();
    }
    ~SmartPtr() { release(); }

    SmartPtr& operator=(const SmartPtr& other)
    {
        SmartPtr copy(other);
        swap(copy);
        return *this;
    }
    SmartPtr& operator=(SmartPtr&& other) noexcept
    {
        SmartPtr moved(std::move(other));
        swap(moved);
        return *this;
    }
    SmartPtr& operator=(T* object)
    {
        SmartPtr copy(object);
        swap(copy);
        return *this;
    }

    void swap(SmartPtr& other) noexcept
    {
        std::swap(m_ptr, other.m_ptr);
        std::swap(m_object, other.m_object);
    }
    void reset() { SmartPtr().swap(*this); }

    T* get() const { return m_ptr; }
    bool isNull() const { return m_ptr == nullptr; }
    explicit operator bool() const { return m_ptr != nullptr; }

    T* operator->() const { return checked(); }
    T& operator*() const { return *checked(); }

    /// Cast along the hierarchy; null when the object is not a U.
    template <class U>
    SmartPtr<U> dynamicCast() const
    {
        return SmartPtr<U>(dynamic_cast<U*>(m_ptr));
    }

    friend bool operator==(const SmartPtr& a, const SmartPtr& b) { return a.m_ptr == b.m_ptr; }
    friend bool operator==(const SmartPtr& a, std::nullptr_t) { return a.m_ptr == nullptr; }

private:
    T* checked() const
    {
        if (!m_ptr) {
            throw Core::NullPointerException();
        }
        return m_ptr;
    }
    void retain()
    {
        if (m_object) {
            m_object->AddRef();
        }
    }
    void release()
    {
        m_ptr = nullptr;
        if (m_object) {
            std::exchange(m_object, nullptr)->Release();
        }
    }

    T* m_ptr = nullptr;
    const Core::Object* m_object = nullptr;
};

/// Creates an object and hands it to its first owner.
template <class T, class... Args>
SmartPtr<T> makeSmart(Args&&... args)
{
    return SmartPtr<T>(new T(std::forward<Args>(args)...));
}
