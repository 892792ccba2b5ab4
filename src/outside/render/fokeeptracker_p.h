#pragma once

#include "outside/render/foslice_p.h"

#include <vector>

namespace Fo {

/// Follows the slices of a flow in order and marks on each content slice
/// how strongly it is kept with the content before it: keep-together of the
/// blocks around both, keep-with-next of blocks that ended and
/// keep-with-previous of blocks that started between the two.
class KeepTracker
{
public:
    void observe(Slice& slice);

private:
    struct Open
    {
        int column = 0;
        int page = 0;
        long long contentAtStart = 0;
    };
    std::vector<Open> m_open;
    long long m_content = 0;
    int m_column = 0; ///< keeps met since the last content
    int m_page = 0;
};

} // namespace Fo
