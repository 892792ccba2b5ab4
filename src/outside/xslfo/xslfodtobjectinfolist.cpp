#include "outside/xslfo/xslfodtobjectinfolist.h"

namespace XSLFO {

DTObjectInfoList::~DTObjectInfoList() = default;

SmartPtr<DTObjectInfo> DTObjectInfoList::get(int index) const
{
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_objects[std::size_t(index)];
}

void DTObjectInfoList::add(const SmartPtr<DTObjectInfo>& object)
{
    if (object) {
        m_objects.push_back(object);
    }
}

} // namespace XSLFO
