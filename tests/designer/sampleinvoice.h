#pragma once

// What the designer suites share: the bundled invoice opened in a window, in
// a scratch folder the test may save into, and the ways to reach its markup,
// its commands and files.
#include "bundledsamples.h"
#include "designerwindow.h"
#include "outside/core/namespaces.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace DesignerTest {

struct SampleInvoice
{
    QTemporaryDir dir;
    QString path = BundledSamples::install(dir.path());
    DesignerWindow window;

    SampleInvoice()
    {
        if (!window.openTemplate(path)) {
            qFatal("the bundled invoice does not open");
        }
    }
};

/// The first element `xpath` finds (fo: and kmb: are known), or a null one.
inline Xml::Element first(const SmartPtr<TemplateDocument>& document, const QString& xpath)
{
    const std::vector<Xml::Node> found =
        document->root().find(xpath, {{"kmb", Xml::Namespaces::KMB}, {"fo", Xml::Namespaces::FO}});
    return found.empty() ? Xml::Element() : Xml::Element(found.front());
}

inline Xml::Element first(DesignerWindow& window, const QString& xpath)
{
    return first(window.document(), xpath);
}

inline QAction* command(const DesignerWindow& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
}

} // namespace DesignerTest
