#include "outside/render/fostyletokens_p.h"

namespace Fo {

std::vector<QStringView> valueTokens(QStringView text)
{
    std::vector<QStringView> out;
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'(') {
            ++depth;
        } else if (c == u')' && depth > 0) {
            --depth;
        }
        const bool blank = depth == 0 && (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r');
        if (blank) {
            if (start >= 0) {
                out.push_back(text.mid(start, i - start));
                start = -1;
            }
        } else if (start < 0) {
            start = i;
        }
    }
    if (start >= 0) {
        out.push_back(text.mid(start));
    }
    return out;
}

} // namespace Fo
