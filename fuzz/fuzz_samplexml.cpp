// Sample data from arbitrary bytes, read as each kind of source: an XML
// sample, a data aggregation file and a schema. Every load ends with either
// a document or an error text, never both; a generated sample always
// writes out as XML that reads back.
#include "frame/messageboxfactory.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "fuzztext.h"
#include "outside/core/coreexception.h"
#include "outside/dom/xmldomparser.h"
#include "xml/model/samplexml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Warnings (default namespace, several global elements) are answered at once.
class SilentMessages : public MessageBoxFactory
{
public:
    int showMessageBox(unsigned, unsigned, unsigned) override { return Win32::IDOK; }
    int showMessageBox(Core::String, unsigned, unsigned) override { return Win32::IDOK; }
};

// Schemas may include each other by name: all three files share a folder.
const QTemporaryDir& folder()
{
    static QTemporaryDir* dir = [] {
        static SilentMessages messages;
        UIApplication::registerMessageBoxFactory(&messages);
        return new QTemporaryDir;
    }();
    return *dir;
}

void loadAs(const QByteArray& bytes, const char* name, DatasourceType type)
{
    const QString path = folder().filePath(QLatin1String(name));
    QFile file(path);
    FuzzText::check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    SampleXml sample;
    FuzzText::check(sample.load(path, type));
    const bool loaded = !sample.getXmlDocument().isNull();
    FuzzText::check(loaded != sample.hasErrors());
    if (!loaded) {
        return;
    }
    const SampleXml::NamespaceMap map = sample.getNamespaceMap();
    for (const auto& [prefix, uri] : map) {
        FuzzText::check(!prefix.isEmpty() && !SampleXml::isDefaultNamespacePrefix(prefix));
    }
    sample.createNamespaceMap();
    FuzzText::check(sample.getNamespaceMap() == map);
    if (type == DatasourceType::XmlFile) {
        return; // the user's own text, which may be deeper than a generated one
    }
    const QByteArray written = sample.getXmlDocument()->writeToBytes(false);
    try {
        Xml::DomParser reader;
        reader.parseMemory(written);
    } catch (const Core::Exception& e) {
        std::fprintf(stderr, "generated sample does not parse: %s\n%s\n", e.what(),
                     written.constData());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    loadAs(bytes, "sample.xml", DatasourceType::XmlFile);
    loadAs(bytes, "sample.lfa", DatasourceType::DataAggregationFile);
    loadAs(bytes, "sample.xsd", DatasourceType::XsdFile);
    return 0;
}
