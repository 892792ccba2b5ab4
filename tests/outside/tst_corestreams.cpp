// Streams and files: text in its encoding, atomic rewrites that never lose the
// old content, readable errors for missing and unreadable files, resources.
#include "outside/core/coreapplication.h"
#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"
#include "outside/core/corefilesystem.h"
#include "outside/core/corememorystream.h"
#include "outside/core/coretextreader.h"
#include "outside/core/coretextwriter.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace Core::IO;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestCoreStreams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textRoundTripsInEveryEncoding_data()
    {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<QByteArray>("start");
        // clang-format off
        QTest::newRow("utf-8") << int(TextEncoding::Utf8) << false << QByteArray("p {");
        QTest::newRow("utf-8 with BOM") << int(TextEncoding::Utf8) << true << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("utf-16le with BOM") << int(TextEncoding::Utf16LE) << true << QByteArray("\xFF\xFE");
        QTest::newRow("utf-16be with BOM") << int(TextEncoding::Utf16BE) << true << QByteArray("\xFE\xFF");
        // clang-format on
    }
    void textRoundTripsInEveryEncoding()
    {
        QFETCH(int, encoding);
        QFETCH(bool, bom);
        QFETCH(QByteArray, start);
        const Core::String text("p { font-family: \"Grüße\"; }\r\n.größe { color: #fe0; }");
        auto memory = makeSmart<MemoryStream>();
        TextWriter writer(memory, TextEncoding(encoding), bom);
        writer.write(text);
        QVERIFY(memory->data().startsWith(start));
        memory->seek(0);
        TextReader reader(memory, TextEncoding::Detect);
        QCOMPARE(reader.readToEnd(), text);
        QCOMPARE(int(reader.encoding()), encoding);
        QCOMPARE(reader.hadByteOrderMark(), bom);
    }

    void invalidUtf8DoesNotStopReading()
    {
        auto memory = makeSmart<MemoryStream>(QByteArray("a\xC3(b\xFF"));
        const Core::String text = TextReader(memory).readToEnd();
        QVERIFY(text.startsWith("a"));
        QVERIFY(text.contains("b"));
    }

    void atomicRewriteKeepsTheOldFileAndItsPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("styles.css");
        writeFile(path, "old content");
        const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, permissions));
        {
            FileStream stream(path, FileStream::Atomic);
            stream.write(QByteArray("new"));
            // Destroyed without commit(): as if the program stopped mid-write.
        }
        QCOMPARE(readFile(path), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no stray temporary file
        {
            FileStream stream(path, FileStream::Atomic);
            stream.write(QByteArray("new"));
            stream.commit();
        }
        QCOMPARE(readFile(path), QByteArray("new"));
        QCOMPARE(QFileInfo(path).permissions() & 0x7077, permissions & 0x7077);
        FileSystem::writeAllBytes(path, "whole");
        QCOMPARE(FileSystem::readAllBytes(path), QByteArray("whole"));
    }

    void writingInPlaceKeepsTheRest()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("data.bin");
        writeFile(path, "0123456789");
        {
            FileStream stream(path, FileStream::Write);
            stream.seek(2);
            stream.write(QByteArray("ab"));
        }
        QCOMPARE(readFile(path), QByteArray("01ab456789"));
        {
            FileStream stream(path, FileStream::Append);
            stream.write(QByteArray("!"));
        }
        QCOMPARE(readFile(path), QByteArray("01ab456789!"));
    }

    void failuresNameTheFile_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("flags");
        // clang-format off
        QTest::newRow("missing file") << u"nothing-here.xml"_s << int(FileStream::Read);
        QTest::newRow("missing without create") << u"nothing-here.xml"_s << int(FileStream::Write);
        QTest::newRow("a folder") << u"."_s << int(FileStream::Read);
        QTest::newRow("atomic into a missing folder") << u"no/such/folder/out.css"_s << int(FileStream::Atomic);
        // clang-format on
    }
    void failuresNameTheFile()
    {
        QFETCH(QString, relative);
        QFETCH(int, flags);
        QTemporaryDir dir;
        const QString path = dir.filePath(relative);
        try {
            FileStream stream(path, flags);
            if (flags & FileStream::Atomic) {
                stream.write(QByteArray("x"));
                stream.commit();
            }
            QFAIL("no error was raised");
        } catch (const Core::Exception& e) {
            QVERIFY2(e.getMessage().contains(path), qPrintable(e.getMessage().toQString()));
        }
        QVERIFY(!QFile::exists(dir.filePath("nothing-here.xml")));
    }

    void pathPieces()
    {
        QCOMPARE(FileSystem::getExtension("/a/b.tar.gz").toQString(), QStringLiteral(".gz"));
        QVERIFY(FileSystem::getExtension("/a/.hidden").isEmpty());
        QCOMPARE(FileSystem::getFileNameWithoutExtension("c:\\docs\\invoice.xml").toQString(), QStringLiteral("invoice"));
        QCOMPARE(FileSystem::getDirectoryName("/a/b/c.xml").toQString(), QStringLiteral("/a/b"));
        QCOMPARE(FileSystem::combine("/a/b", "../c.xml").toQString(), QStringLiteral("/a/c.xml"));
        QCOMPARE(FileSystem::combine("/a/b", "/abs.xml").toQString(), QStringLiteral("/abs.xml"));
    }

    void temporaryFilesAreUnique()
    {
        const Core::String first = FileSystem::createTempFile("xpathcheck", ".xsl");
        const Core::String second = FileSystem::createTempFile("xpathcheck", ".xsl");
        QVERIFY(first != second);
        QVERIFY(FileSystem::fileExists(first) && first.endsWith(".xsl"));
        QVERIFY(FileSystem::deleteFile(first));
        QVERIFY(FileSystem::deleteFile(second));
    }

    void resourcesComeFromTheLibrary()
    {
        SmartPtr<Stream> table = Core::Application::loadFileFromResources("strings.xml", "Strings");
        QVERIFY(TextReader(table).readToEnd().contains("<string id=\"63001\">"));
        QVERIFY(Core::Application::hasResource("strings.xml", "strings"));
        for (const char* name : {"no-such.xml", "../strings/strings.xml", ""}) {
            QVERIFY_THROWS_EXCEPTION(Core::Exception, Core::Application::loadFileFromResources(name, "Strings"));
        }
    }
};

UIEDITOR_TEST_CLASS(TestCoreStreams)
#include "tst_corestreams.moc"
