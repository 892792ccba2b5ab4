#include "sampledocument.h"

#include "xml/model/samplexml.h"

#include <QFile>
#include <QTemporaryDir>

namespace TestSupport {

SmartPtr<FakeDocumentInformation> documentWithSample(const QTemporaryDir& dir, const QByteArray& xml)
{
    const QString path = dir.filePath(QStringLiteral("sample.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size()) {
        qFatal("cannot write the sample");
    }
    file.close();
    auto sample = makeSmart<SampleXml>();
    sample->load(path, DatasourceType::XmlFile);
    auto document = makeSmart<FakeDocumentInformation>();
    document->setSampleXml(sample);
    document->setHasSampleData(true);
    return document;
}

} // namespace TestSupport
