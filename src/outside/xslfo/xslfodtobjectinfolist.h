#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/smartptr.h"
#include "outside/xslfo/xslfodtobjectinfo.h"
#include "uieditor_export.h"

#include <vector>

namespace XSLFO {

/// A chain of template objects as the host hands it out: from the selected
/// object (index 0) up to the root (last). Shared as SmartPtr<DTObjectInfoList>.
class UIEDITOR_EXPORT DTObjectInfoList : public Core::Object
{
public:
    DTObjectInfoList() = default;
    ~DTObjectInfoList() override;

    int count() const { return int(m_objects.size()); }
    bool isEmpty() const { return m_objects.empty(); }
    /// The object at `index`; null outside 0 .. count() - 1.
    SmartPtr<DTObjectInfo> get(int index) const;
    /// Appends the next object up the chain; a null object is not added.
    void add(const SmartPtr<DTObjectInfo>& object);
    const std::vector<SmartPtr<DTObjectInfo>>& getObjects() const { return m_objects; }

private:
    std::vector<SmartPtr<DTObjectInfo>> m_objects;
};

} // namespace XSLFO
