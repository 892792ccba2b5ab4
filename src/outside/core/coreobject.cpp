#include "outside/core/coreobject.h"

namespace Core {

Object::~Object() = default;

void Object::Release() const
{
    if (m_refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete this;
    }
}

} // namespace Core
