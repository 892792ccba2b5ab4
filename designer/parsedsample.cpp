#include "parsedsample.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilesystem.h"
#include "outside/dom/xmldomparser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <new>

bool ParsedSample::isLargeXml(const Core::String& path)
{
    if (path.isEmpty()) {
        return false;
    }
    const Core::String extension = Core::IO::FileSystem::getExtension(path).toLower();
    return extension != ".lfa" && extension != ".xsd" && QFileInfo(path.toQString()).size() > backgroundBytes;
}

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SampleXml)
};

} // namespace

ParsedSample ParsedSample::read(const Core::String& path)
{
    ParsedSample sample{path, {}, {}};
    try {
        // As the sample model reads the user's data: without the size limits.
        Xml::DomParser parser;
        parser.setLargeDocuments(true);
        parser.parseFile(path);
        sample.xml = parser.getDocument();
    } catch (const Core::Exception& e) {
        sample.error = e.getMessage();
    } catch (const std::bad_alloc&) {
        sample.error = Core::String(Tr::tr("There is not enough memory to hold the sample data."));
    }
    return sample;
}
