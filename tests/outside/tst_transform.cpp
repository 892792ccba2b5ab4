// Stylesheets run in the process: results, readable failures, and the fence
// around what a stylesheet may touch.
#include "outside/core/coreexception.h"
#include "outside/core/corememorystream.h"
#include "outside/transform/transform.h"
#include "testregistry.h"
#include "xmltestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Varnel::Transform;
using XmlTestSupport::stderrOf;

namespace {

const QByteArray stylesheetStart = "<?xml version=\"1.0\"?>\n"
                                   "<xsl:stylesheet version=\"1.0\" "
                                   "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
                                   "xmlns:exsl=\"http://exslt.org/common\" "
                                   "xmlns:msxml=\"urn:schemas-microsoft-com:xslt\" "
                                   "xmlns:s=\"urn:script\" extension-element-prefixes=\"exsl\" "
                                   "exclude-result-prefixes=\"msxml s\">\n";

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

QByteArray templateWith(const QByteArray& body)
{
    return stylesheetStart + "<xsl:template match=\"/\">" + body +
           "</xsl:template>\n</xsl:stylesheet>\n";
}

struct Outcome
{
    QByteArray output;
    QString error; ///< empty when the run succeeded
    QByteArray stderrText;
};

Outcome run(const QTemporaryDir& dir, const QByteArray& stylesheet, int flag = Transform::NoFlags,
            const std::map<Core::String, Core::String>& parameters = {})
{
    const QString xsl = writeFile(dir, QStringLiteral("check.xsl"), stylesheet);
    const QString xml = writeFile(dir, QStringLiteral("input.xml"), "<input><v>42</v></input>");
    auto output = makeSmart<Core::IO::MemoryStream>();
    Outcome outcome;
    outcome.stderrText = stderrOf([&] {
        try {
            Transform::xsl2fo(xsl, xml, output, parameters, 0, flag);
        } catch (const Core::Exception& e) {
            outcome.error = e.getMessage().toQString();
        }
    });
    outcome.output = output->data();
    return outcome;
}

} // namespace

class TestTransform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resultAndParametersReachTheStream()
    {
        QTemporaryDir dir;
        const Outcome outcome =
            run(dir,
                stylesheetStart + "<xsl:param name=\"who\"/><xsl:template match=\"/\">"
                                  "<r n=\"{input/v * 2}\"><xsl:value-of select=\"$who\"/></r>"
                                  "</xsl:template></xsl:stylesheet>",
                Transform::NoFlags, {{"who", "it's \"me\""}});
        QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
        QVERIFY2(outcome.output.contains("<r n=\"84\">it's \"me\"</r>"), outcome.output);
    }

    void failuresSayFileLineAndReason_data()
    {
        QTest::addColumn<QByteArray>("stylesheet");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("not well-formed") << stylesheetStart + "<xsl:template match=\"/\">\n<a></b>\n" << u"check.xsl, line 4: Opening and ending tag mismatch"_s;
        QTest::newRow("syntax error") << stylesheetStart + "<xsl:variable name=\"a\"\n select=\"a[\"/>\n</xsl:stylesheet>" << u"Invalid expression in \"a[\""_s;
        QTest::newRow("unknown function") << templateWith("<xsl:value-of select=\"nosuch(1)\"/>") << u"Unregistered function"_s;
        QTest::newRow("endless recursion") << stylesheetStart + "<xsl:template match=\"/\"><xsl:call-template name=\"loop\"/></xsl:template><xsl:template name=\"loop\"><xsl:call-template name=\"loop\"/></xsl:template></xsl:stylesheet>" << "recursion";
        // clang-format on
    }

    void failuresSayFileLineAndReason()
    {
        QFETCH(QByteArray, stylesheet);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const Outcome outcome = run(dir, stylesheet);
        QVERIFY2(outcome.error.contains(expected), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(QStringLiteral("check.xsl, line ")),
                 qPrintable(outcome.error));
        QVERIFY2(outcome.stderrText.isEmpty(), outcome.stderrText);
    }

    void missingFileIsNamed()
    {
        QTemporaryDir dir;
        const QString xml = writeFile(dir, QStringLiteral("input.xml"), "<input/>");
        try {
            Transform::xsl2fo(dir.filePath(QStringLiteral("none.xsl")), xml,
                              makeSmart<Core::IO::MemoryStream>(), {}, 0);
            QFAIL("a missing stylesheet ran");
        } catch (const Core::Exception& e) {
            QVERIFY2(e.getMessage().contains("none.xsl"), qPrintable(e.getMessage().toQString()));
        }
    }

    void stylesheetsStayInsideTheFence()
    {
        QTemporaryDir dir;
        XmlTestSupport::ConnectionCounter server;
        const QString written = dir.filePath(QStringLiteral("sub/written.txt"));
        const QString local = writeFile(dir, QStringLiteral("other.xml"), "<other>secret</other>");
        const QList<QPair<QByteArray, QString>> attempts = {
            {templateWith("<xsl:value-of select=\"document('/etc/passwd')\"/>"),
             QStringLiteral("Reading \"/etc/passwd\" was refused")},
            {templateWith("<xsl:value-of select=\"document('" + local.toUtf8() + "')\"/>"),
             QStringLiteral("was refused")},
            {templateWith("<xsl:value-of select=\"document('" + server.url() + "/x.xml')\"/>"),
             QStringLiteral("was refused")},
            {templateWith("<exsl:document href=\"" + written.toUtf8() + "\">x</exsl:document>"),
             QStringLiteral("refused")},
            {stylesheetStart + "<xsl:include href=\"" + local.toUtf8() + "\"/></xsl:stylesheet>",
             QString()},
        };
        for (const auto& [stylesheet, expected] : attempts) {
            const Outcome outcome = run(dir, stylesheet);
            QVERIFY2(!outcome.error.isEmpty(), stylesheet);
            QVERIFY2(outcome.error.contains(expected), qPrintable(outcome.error));
            QVERIFY2(!outcome.output.contains("secret"), outcome.output);
        }
        QCOMPARE(server.connections(), 0);
        QVERIFY(!QFile::exists(written));
        QVERIFY(!QDir(dir.filePath(QStringLiteral("sub"))).exists());

        // Reading local files is the one thing a caller may allow.
        const Outcome allowed =
            run(dir, templateWith("<xsl:value-of select=\"document('" + local.toUtf8() + "')\"/>"),
                Transform::AllowFileReads);
        QVERIFY2(allowed.error.isEmpty(), qPrintable(allowed.error));
        QVERIFY(allowed.output.contains("secret"));
    }
};

UIEDITOR_TEST_CLASS(TestTransform)
#include "tst_transform.moc"
