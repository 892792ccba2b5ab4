// Every preview document the dialogs use loads and paints something on its
// first page. The pages are written as PNG files for people to look at, with
// their documents as .fo files:
// into $UIEDITOR_RENDER_GALLERY (ctest sets build/render-gallery), else a
// folder in the temporary directory.
#include "outside/render/viewengine.h"
#include "pagesamples.h"
#include "previewsamples.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace RenderTest;
using namespace Qt::StringLiterals;

class TestPreviewGallery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = qEnvironmentVariable("UIEDITOR_RENDER_GALLERY");
        if (m_folder.isEmpty()) {
            m_folder = QDir::temp().filePath("uieditor-render-gallery");
        }
        QVERIFY(QDir().mkpath(m_folder));
    }

    void previewDocumentPaints_data()
    {
        using namespace PreviewSamples;
        QTest::addColumn<QString>("markup");
        QTest::newRow("borders-none") << borders("", "", "");
        // clang-format off
        QTest::newRow("borders-block") << borders("", "fo:border-left-style=\"solid\" fo:border-left-width=\"2px\" fo:border-left-color=\"red\" fo:border-top-style=\"dashed\" fo:border-top-width=\"3px\" fo:border-top-color=\"blue\" fo:border-right-style=\"double\" fo:border-right-width=\"5px\" fo:border-right-color=\"green\" fo:border-bottom-style=\"groove\" fo:border-bottom-width=\"6px\" fo:border-bottom-color=\"rgb(128,100,162)\" fo:background-color=\"rgb(255,255,204)\" fo:box-shadow=\"4px 4px rgb(160,160,160)\" fo:padding-left=\"6px\" fo:padding-top=\"4px\" fo:padding-right=\"6px\" fo:padding-bottom=\"4px\"", "");
        QTest::newRow("borders-inline") << borders("", "", "fo:border-style=\"solid\" fo:border-width=\"1px\" fo:border-color=\"red\" fo:background-color=\"yellow\" fo:padding-left=\"3px\" fo:padding-right=\"3px\"");
        QTest::newRow("borders-flow") << borders("fo:border-style=\"ridge\" fo:border-width=\"4px\" fo:border-color=\"rgb(79,129,189)\" fo:padding-left=\"5px\" fo:padding-top=\"5px\"", "", "");
        QTest::newRow("borders-gradient") << borders("", QStringLiteral("fo:background-image=\"%1\" fo:background-repeat=\"no-repeat\" fo:background-size=\"100%\" fo:border-style=\"solid\" fo:border-width=\"1px\" fo:padding-top=\"20px\" fo:padding-bottom=\"20px\"") .arg(gradient()), "");
        // clang-format on
        QTest::newRow("border-styles") << borderStyles();
        QTest::newRow("font-plain") << font("");
        // clang-format off
        QTest::newRow("font-styled") << font("fo:font-family=\"Arial\" fo:font-weight=\"bold\" fo:font-style=\"italic\" fo:font-size=\"28pt\" fo:color=\"rgb(192,80,77)\" fo:text-underline-style=\"double\" fo:text-line-through-style=\"solid\" fo:font-variant=\"small-caps\"");
        QTest::newRow("font-overline-uppercase") << font("fo:font-family=\"Courier\" fo:font-size=\"20pt\" fo:text-overline-style=\"solid\" fo:text-underline-style=\"dotted\" fo:text-transform=\"uppercase\"");
        QTest::newRow("paragraph-left") << paragraph("");
        QTest::newRow("paragraph-justify-indents") << paragraph("fo:text-align=\"justify\" fo:start-indent=\"20px\" fo:end-indent=\"20px\" fo:text-indent=\"30px\"", QStringLiteral("Sample "));
        QTest::newRow("paragraph-center") << paragraph("fo:text-align=\"center\"", QStringLiteral("Sample "));
        QTest::newRow("paragraph-right") << paragraph("fo:text-align=\"right\"", QStringLiteral("Sample "));
        QTest::newRow("table-3x3") << table();
        QTest::newRow("page-layout") << pageLayout();
        QTest::newRow("page-layout-body-centred") << pageLayout(u"display-align=\"center\""_s, 1);
        QTest::newRow("page-layout-body-after") << pageLayout(u"display-align=\"after\""_s, 1);
        QTest::newRow("page-layout-body-turned-90") << pageLayout(u"reference-orientation=\"90\""_s, 2);
        QTest::newRow("page-layout-body-turned-180") << pageLayout(u"reference-orientation=\"180\""_s, 2);
        QTest::newRow("page-layout-body-turned-270") << pageLayout(u"reference-orientation=\"-90\""_s, 2);
        QTest::newRow("page-layout-body-rl-tb") << pageLayout(u"writing-mode=\"rl-tb\""_s, 1);
        QTest::newRow("areas") << areas();
        // clang-format on
        for (const auto& c : barcodeCases) {
            // clang-format off
            QTest::newRow(qPrintable(QStringLiteral("barcode-%1").arg(QLatin1String(c.keyword)))) << barcode(QLatin1String(c.keyword), QString::fromLatin1(c.value));
            // clang-format on
        }
        QTest::newRow("barcode-Code128-rotated-90") << barcode("Code128", "Hello World!", true, 90);
        QTest::newRow("barcode-Code128-no-text") << barcode("Code128", "Hello World!", false, 0);
        QTest::newRow("barcode-Pdf417-hex") << barcode("Pdf417", "48656C6C6F", false, 0, true);
        // clang-format off
        QTest::newRow("pages-table-of-contents") << PageSamples::tableOfContents();
        QTest::newRow("pages-footnotes") << PageSamples::footnotes();
        QTest::newRow("pages-kept-heading") << PageSamples::keptHeading();
        QTest::newRow("pages-spanned-footnotes") << PageSamples::spannedFootnotes();
        QTest::newRow("pages-hyphenation-en") << PageSamples::hyphenated("en", "Hyphenation breaks the longer words of a justified paragraph at the points its dictionary knows, so that the blanks between words stay even and narrow columns look tidy.");
        QTest::newRow("pages-hyphenation-de") << PageSamples::hyphenated("de", "Die Silbentrennung teilt die längeren Wörter eines Blocksatzes an den Stellen, die das Wörterbuch kennt, damit die Wortabstände gleichmäßig bleiben und schmale Spalten ordentlich aussehen.");
        QTest::newRow("pages-hyphenation-fr") << PageSamples::hyphenated("fr", "La césure coupe les mots les plus longs d'un paragraphe justifié aux endroits que connaît son dictionnaire, afin que les espaces entre les mots restent réguliers et étroits.");
        // clang-format on
    }
    void previewDocumentPaints()
    {
        QFETCH(QString, markup);
        ViewEngine engine;
        engine.loadBuffer(markup);
        QVERIFY2(engine.getStatus() == ViewEngine::StatusReady,
                 qPrintable(engine.getLastError().toQString()));
        QVERIFY(engine.hasPage(0));
        const QImage page = renderPage(engine);
        QVERIFY(inkIn(page, page.rect()) > 100);
        // Written at twice the size, so that details can be seen.
        QImage large(page.size() * 2, QImage::Format_ARGB32);
        large.fill(Qt::white);
        QPainter painter(&large);
        painter.scale(2, 2);
        engine.renderPageStaticPreviewMode(painter, 0);
        painter.end();
        const QString file =
            QDir(m_folder).filePath(QStringLiteral("%1.png").arg(QTest::currentDataTag()));
        QVERIFY(large.save(file));
        // The document beside its picture, to hand to another XSL-FO engine.
        QFile source(QDir(m_folder).filePath(QStringLiteral("%1.fo").arg(QTest::currentDataTag())));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(markup.toUtf8());
    }

private:
    QString m_folder;
};

UIEDITOR_TEST_CLASS(TestPreviewGallery)
#include "tst_previewgallery.moc"
