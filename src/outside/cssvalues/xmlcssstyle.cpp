#include "outside/cssvalues/xmlcssstyle.h"

#include "outside/cssvalues/xmlcssparser_p.h"

#include <mutex>

namespace Xml {

struct CssStyle::Data
{
    std::vector<Core::String> selectors;
    int startPos = 0;
    int endPos = -1;
    int media = AllMediaBits;
    // Declarations not read yet: their text, shared with the whole stylesheet.
    Core::String source;
    int declarationsStart = 0;
    int declarationsEnd = 0;
    std::once_flag read;
    std::vector<CssProperty> properties;
};

CssStyle::CssStyle() : m_d(std::make_shared<Data>()) {}

CssStyle::CssStyle(std::vector<Core::String> selectors, std::vector<CssProperty> properties,
                   int startPos, int endPos, int media)
    : m_d(std::make_shared<Data>())
{
    m_d->selectors = std::move(selectors);
    m_d->properties = std::move(properties);
    m_d->startPos = startPos;
    m_d->endPos = endPos;
    m_d->media = media;
}

CssStyle::CssStyle(std::vector<Core::String> selectors, const Core::String& source,
                   int declarationsStart, int declarationsEnd, int startPos, int endPos, int media)
    : m_d(std::make_shared<Data>())
{
    m_d->selectors = std::move(selectors);
    m_d->source = source;
    m_d->declarationsStart = declarationsStart;
    m_d->declarationsEnd = declarationsEnd;
    m_d->startPos = startPos;
    m_d->endPos = endPos;
    m_d->media = media;
}

const std::vector<Core::String>& CssStyle::getSelectors() const
{
    return m_d->selectors;
}

const std::vector<CssProperty>& CssStyle::getProperties() const
{
    Data& d = *m_d;
    std::call_once(d.read, [&d] {
        if (d.declarationsEnd > d.declarationsStart) {
            parseCssDeclarations(d.source.toQString(), d.declarationsStart, d.declarationsEnd,
                                 d.properties);
            d.source = Core::String(); // the stylesheet text need not live on for this rule
        }
    });
    return d.properties;
}

int CssStyle::getStartPos() const
{
    return m_d->startPos;
}

int CssStyle::getEndPos() const
{
    return m_d->endPos;
}

int CssStyle::getMedia() const
{
    return m_d->media;
}

} // namespace Xml
