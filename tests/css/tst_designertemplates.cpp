// The designer-template list and the predefined table formats behind it. The
// formats are read by the insert-table dialog as plain text: it
// looks for "<fo:table-header>", "<fo:table-footer>" and "<fo:table-body>",
// takes the first three cells of each section's first row and fills their
// "<fo:block>". These tests hold every format to that.
//
// ctest runs this class in English, German and French: the display names
// follow the session's language.
#include "css/designertemplates.h"
#include "outside/core/coreapplication.h"
#include "outside/core/coreexception.h"
#include "outside/core/coretextreader.h"
#include "testregistry.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString FoNamespace = QStringLiteral("http://www.w3.org/1999/XSL/Format");

QString listOf(const std::vector<DesignerTemplate>& templates)
{
    QStringList list;
    for (const auto& [display, value] : templates) {
        list << display.toQString() + QLatin1Char('=') + value.toQString();
    }
    return list.join(QLatin1Char(';'));
}

std::vector<DesignerTemplate> templatesOf(const QString& text, const QString& language)
{
    DesignerTemplateConfiguration configuration;
    configuration.parse(text);
    return GetDesignerTemplates(configuration, language);
}

QString templateText(const Core::String& name)
{
    Core::IO::TextReader reader(GetTemplateContent(name), Core::IO::TextEncoding::Utf8);
    return reader.readToEnd().toQString();
}

// The cell texts the dialog would take: the first three cells after the first
// row of the section, whole, as the dialog locates them.
QStringList sectionCells(const QString& table, const QString& section)
{
    const qsizetype start = table.indexOf(QStringLiteral("<fo:table-%1>").arg(section));
    if (start < 0) {
        return {};
    }
    const qsizetype row = table.indexOf(QStringLiteral("<fo:table-row"), start);
    QStringList cells;
    qsizetype from = row;
    for (int i = 0; i < 3 && from >= 0; ++i) {
        const qsizetype open = table.indexOf(QStringLiteral("<fo:table-cell"), from);
        const qsizetype close = table.indexOf(QStringLiteral("</fo:table-cell>"), open);
        if (open < 0 || close < 0) {
            break;
        }
        cells << table.mid(open, close + 16 - open);
        from = close;
    }
    return cells;
}

} // namespace

class TestDesignerTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void configurationLinesAreKeysAndValues()
    {
        DesignerTemplateConfiguration configuration;
        configuration.parse("# comment=not an entry\r\n"
                            "  template.A = a.fo  \r"
                            "=no key\n"
                            "no equals\n"
                            "\n"
                            "template.B=\n"
                            "x # y = b=c # d\r\n");
        QStringList entries;
        for (const auto& [key, value] : configuration.getEntries()) {
            entries << key.toQString() + QLatin1Char('|') + value.toQString();
        }
        QCOMPARE(entries, QStringList({"template.A|a.fo", "template.B|", "x # y|b=c # d"}));
    }

    void displayNamesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("English ignores every language entry") << u"en"_s << u"Blue=blue.fo;Grid=grid.fo;Plain=plain.fo"_s;
        QTest::newRow("German") << u"de"_s << u"Blau=blue.fo;Raster neu=grid.fo;Plain=plain.fo"_s;
        QTest::newRow("French, an empty name falls back") << u"fr"_s << u"Bleu=blue.fo;Grid=grid.fo;Plain=plain.fo"_s;
        // clang-format on
    }
    void displayNamesFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        const QString config = QStringLiteral("template.Blue=blue.fo\n"
                                              "de:Blue=Blau\n"
                                              "DE:Grid=Raster\n"
                                              "de:Grid=Raster neu\n" // a later entry wins
                                              "fr:Blue=Bleu\n"
                                              "fr:Grid=\n"
                                              ":Plain=ignored\n"
                                              "en:Plain=ignored in English\n"
                                              "template.Grid=grid.fo\n"
                                              "template.Plain=plain.fo\n"
                                              "template.Empty=\n");
        QCOMPARE(listOf(templatesOf(config, language)), expected);
    }

    void libraryTemplatesSpeakTheSessionLanguage()
    {
        const std::vector<DesignerTemplate> templates = GetDesignerTemplates();
        QVERIFY2(templates.size() >= 6, qPrintable(listOf(templates)));
        const QString language = Core::Application::getCurrentLanguage().getName().toQString();
        const QString expectedLanguage = qEnvironmentVariable("UIEDITOR_EXPECTED_LANGUAGE", "en");
        QCOMPARE(language, expectedLanguage);
        const QString first = language == QLatin1String("de")   ? QStringLiteral("Klassisch Blau")
                              : language == QLatin1String("fr") ? QStringLiteral("Bleu classique")
                                                                : QStringLiteral("Classic Blue");
        QCOMPARE(templates.front().first.toQString(), first);
        const std::vector<DesignerTemplate> english = GetDesignerTemplates(
            DesignerTemplateConfiguration(Core::Application::loadFileFromResources(
                "DesktopDesignerTemplates.config", "Config")),
            "en");
        QCOMPARE(english.size(), templates.size());
        for (std::size_t i = 0; i < templates.size(); ++i) {
            QCOMPARE(templates[i].second, english[i].second);
            // Every format has its own name in every language.
            QCOMPARE(language == QLatin1String("en"), templates[i].first == english[i].first);
        }
    }

    void everyFormatIsWellFormedXslFo_data()
    {
        QTest::addColumn<QString>("resource");
        for (const auto& [display, value] : GetDesignerTemplates()) {
            QTest::newRow(qPrintable(value.toQString())) << value.toQString();
        }
    }
    void everyFormatIsWellFormedXslFo()
    {
        QFETCH(QString, resource);
        QXmlStreamReader reader(templateText(resource));
        QStringList sections;
        bool rootSeen = false;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (!rootSeen) {
                QCOMPARE(reader.name().toString(), QStringLiteral("root"));
                QCOMPARE(reader.namespaceUri().toString(), FoNamespace);
                rootSeen = true;
            }
            const QString name = reader.name().toString();
            if (name.startsWith(QLatin1String("table-")) && name != QLatin1String("table-column") &&
                name != QLatin1String("table-row") && name != QLatin1String("table-cell")) {
                sections << name;
            }
            QCOMPARE(reader.namespaceUri().toString(), FoNamespace);
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        // XSL-FO puts the footer before the body.
        QCOMPARE(sections, QStringList({"table-header", "table-footer", "table-body"}));
    }

    void everyFormatFitsTheInsertTableDialog_data() { everyFormatIsWellFormedXslFo_data(); }
    void everyFormatFitsTheInsertTableDialog()
    {
        QFETCH(QString, resource);
        const QString text = templateText(resource);
        const qsizetype start = text.indexOf(QStringLiteral("<fo:table"));
        const qsizetype end = text.indexOf(QStringLiteral("</fo:table>"));
        QVERIFY(start >= 0 && end > start);
        QVERIFY(text.mid(start).startsWith(QStringLiteral("<fo:table ")));
        const QString table = text.mid(start, end + 11 - start);
        for (const QString section : {"header", "footer", "body"}) {
            const QStringList cells = sectionCells(table, section);
            QCOMPARE(cells.size(), 3);
            for (const QString& cell : cells) {
                QVERIFY2(cell.contains(QStringLiteral("<fo:block>")) &&
                             cell.contains(QStringLiteral("</fo:block>")),
                         qPrintable(cell));
            }
            // First, middle and last column look different.
            const auto attributesOf = [](const QString& cell) {
                return cell.left(cell.indexOf(u'>'));
            };
            QVERIFY2(attributesOf(cells[0]) != attributesOf(cells[1]) &&
                         attributesOf(cells[1]) != attributesOf(cells[2]) &&
                         attributesOf(cells[0]) != attributesOf(cells[2]),
                     qPrintable(section));
        }
    }
};

UIEDITOR_TEST_CLASS(TestDesignerTemplates)
#include "tst_designertemplates.moc"
