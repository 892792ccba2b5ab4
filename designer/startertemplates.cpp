#include "startertemplates.h"

#include "bundledsamples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QList<StarterTemplates::Starter> StarterTemplates::all()
{
    return {
        {QCoreApplication::translate("StarterTemplates", "Blank A4 page"),
         QCoreApplication::translate(
             "StarterTemplates",
             "An empty A4 page (21 × 29.7 cm) with 2 cm margins and one block to start from."),
         QStringLiteral(":/designer/templates/blank-a4.fo"), false},
        {QCoreApplication::translate("StarterTemplates", "Blank Letter page"),
         QCoreApplication::translate("StarterTemplates",
                                     "An empty US Letter page (8.5 × 11 in) with 1 in margins and "
                                     "one block to start from."),
         QStringLiteral(":/designer/templates/blank-letter.fo"), false},
        {QCoreApplication::translate("StarterTemplates", "Invoice"),
         QCoreApplication::translate("StarterTemplates",
                                     "The sample invoice: letterhead, address, item table and "
                                     "totals, bound to its sample data."),
         QStringLiteral(":/designer/samples/invoice-template.fo"), true},
    };
}

QByteArray StarterTemplates::markup(const Starter& starter)
{
    QFile file(starter.resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    QByteArray text = file.readAll();
    if (starter.withSample) {
        const QString installed = BundledSamples::install(BundledSamples::defaultFolder());
        if (!installed.isEmpty()) {
            const QString sample =
                QDir(QFileInfo(installed).absolutePath()).filePath(QStringLiteral("invoice.xml"));
            text.replace("kmb:sample-xml=\"invoice.xml\"",
                         "kmb:sample-xml=\"" + sample.toHtmlEscaped().toUtf8() + '"');
        }
    }
    return text;
}
