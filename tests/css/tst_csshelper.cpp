// CssHelper on real stylesheet files in temporary folders: rules found by
// element and class, rule text in its fixed layout, appending and
// replacing rules while every other byte of the file stays as it was, in every
// encoding and line-break convention, and the files that must be refused.
#include "css/csshelper.h"
#include "css/stylesheetfile.h"
#include "css/stylesheettext.h"
#include "outside/core/coreexception.h"
#include "propertytestsupport.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PropertyCollection)

using TestSupport::collection;
using TestSupport::listOf;

namespace {

using PropertyMap = CssHelper::PropertyMap;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding, bool bom)
{
    QStringEncoder encoder(encoding, bom ? QStringConverter::Flag::WriteBom
                                         : QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

} // namespace

class TestCssHelper : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (!writeBytes(path, content)) {
            qFatal("cannot write the fixture %s", qPrintable(path));
        }
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void itemNamesJoinAndSplit()
    {
        QCOMPARE(CssHelper::composeItemName(" p ", " note ").toQString(), QStringLiteral("p.note"));
        QCOMPARE(CssHelper::composeItemName("", "note").toQString(), QStringLiteral(".note"));
        QCOMPARE(CssHelper::composeItemName("p", "  ").toQString(), QStringLiteral("p"));

        Core::String element("<untouched>");
        Core::String className;
        CssHelper::getElementClassName("a.b.c", element, className);
        QCOMPARE(element.toQString(), QStringLiteral("a"));
        QCOMPARE(className.toQString(), QStringLiteral("b.c"));
        element = "<untouched>";
        CssHelper::getElementClassName(".note", element, className);
        QCOMPARE(element.toQString(), QStringLiteral("<untouched>"));
        QCOMPARE(className.toQString(), QStringLiteral(".note"));
        CssHelper::getElementClassName("note", element, className);
        QCOMPARE(element.toQString(), QStringLiteral("<untouched>"));
        QCOMPARE(className.toQString(), QStringLiteral("note"));
    }

    void ruleTextIsWrittenOnePropertyPerLine_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("className");
        QTest::addColumn<PropertyCollection>("properties");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("element, empty values left out") << u"p"_s << u""_s << collection({{"fo:color", "red"}, {"fo:font-size", ""}}) << u"p\n{\ncolor:red;\n}"_s;
        QTest::newRow("trimmed names, prefix up to the first colon removed") << u" p "_s << u" note "_s << collection({{"fo:font-size", "12pt"}, {"color", "red"}, {"kmb:x:y", "1"}}) << u"p.note\n{\nfont-size:12pt;\ncolor:red;\nx:y:1;\n}"_s;
        QTest::newRow("class only, values as they stand") << u""_s << u"note"_s << collection({{"fo:font-family", "\"Times New Roman\", serif"}}) << u".note\n{\nfont-family:\"Times New Roman\", serif;\n}"_s;
        QTest::newRow("empty name after the prefix left out") << u"p"_s << u""_s << collection({{"fo:", "red"}}) << u"p\n{\n}"_s;
        QTest::newRow("no properties") << u"p"_s << u"x"_s << PropertyCollection() << u"p.x\n{\n}"_s;
        // clang-format on
    }
    void ruleTextIsWrittenOnePropertyPerLine()
    {
        QFETCH(QString, element);
        QFETCH(QString, className);
        QFETCH(PropertyCollection, properties);
        QFETCH(QString, text);
        QCOMPARE(CssHelper::getPropertiesAsString(element, className, properties).toQString(),
                 text);
    }

    void styleMapsFlattenByItemName()
    {
        const std::map<Core::String, PropertyMap> classes{{"note", {{"color", "red"}}},
                                                          {"warn", {{"color", "orange"}}},
                                                          {"a", {{"from", "class"}}}};
        std::map<Core::String, Xml::ElementStyleInfo> elements;
        elements["p"] =
            Xml::ElementStyleInfo({{"margin", "0"}}, {{"note", {{"font-weight", "bold"}}}});
        elements["q"] = Xml::ElementStyleInfo();                 // nothing of its own: no entry
        elements[" "] = Xml::ElementStyleInfo({{"x", "1"}}, {}); // blank name: no entry
        elements[""] = Xml::ElementStyleInfo({}, {{"a", {{"from", "element"}}}});

        const auto combined = CssHelper::combineProperties(classes, elements);
        QCOMPARE(int(combined.size()), 5);
        QCOMPARE(combined.at(".note").at("color").toQString(), QStringLiteral("red"));
        QCOMPARE(combined.at("p").at("margin").toQString(), QStringLiteral("0"));
        QCOMPARE(combined.at("p.note").at("font-weight").toQString(), QStringLiteral("bold"));
        // An element entry replaces the class entry of the same item name.
        QCOMPARE(combined.at(".a").at("from").toQString(), QStringLiteral("element"));

        QStringList names;
        for (const Core::String& name : CssHelper::getExistingNames(classes, elements)) {
            names << name.toQString();
        }
        QCOMPARE(names, QStringList({".a", ".note", ".warn", "p", "p.note"}));
    }

    // Reading rules from files -----------------------------------------------

    void rulesAreFoundByElementAndClass_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("class rules only, later values win in place") << u""_s << u"note"_s << u"fo:font-size=12pt;fo:color=blue;fo:margin=0"_s;
        QTest::newRow("element and class") << u"p"_s << u"note"_s << u"fo:font-weight=bold"_s;
        QTest::newRow("an element alone is never found") << u"p"_s << u""_s << u""_s;
        QTest::newRow("no such class") << u""_s << u"other2"_s << u""_s;
        QTest::newRow("the class of a complex selector is not found") << u"div"_s << u"x"_s << u""_s;
        // clang-format on
    }
    void rulesAreFoundByElementAndClass()
    {
        QFETCH(QString, element);
        QFETCH(QString, className);
        QFETCH(QString, expected);
        const QString path = file("find.css", "/* house style */\n"
                                              "p { color: black }\n"
                                              ".note { font-size: 12pt; color: red }\n"
                                              "p.note { font-weight: bold }\n"
                                              "div > p.note, div.x:hover { color: green }\n"
                                              ".note, .other { margin: 0 }\n"
                                              ".note { color: blue !important }\n"
                                              "@media print { .note { color: gray } }\n");
        QCOMPARE(listOf(CssHelper(path).getStyleProperties(element, className)), expected);
    }

    void rulesInCommentsAndStringsAreNotRules()
    {
        const QByteArray css = "/* .x { a: 1 } */\n.y { content: \".x { a: 2 }\" }\n"
                               ".z { b: 3 } /* unterminated .x { a: 4 }";
        const QString path = file("hidden.css", css);
        CssHelper helper(path);
        QVERIFY(helper.getStyleProperties("", "x").isEmpty());
        helper.editStyle("", "x", collection({{"fo:a", "5"}}));
        QCOMPARE(readBytes(path), css);
        QCOMPARE(listOf(helper.getStyleProperties("", "z")), QStringLiteral("fo:b=3"));
    }

    // Writing rules -----------------------------------------------------------

    void editReplacesTheLastMatchingRuleOnly()
    {
        const QByteArray before = "/* first */\n.x { color: red }\n\n";
        const QByteArray second = ".x,\n.y {\n  color: green; /* keep? */\n}";
        const QByteArray after = "\n  p.x{a:b}   \n/* tail */";
        const QString path = file("edit.css", before + second + after);
        CssHelper(path).editStyle("", "x", collection({{"fo:color", "blue"}, {"fo:margin", "0"}}));
        QCOMPARE(readBytes(path), before + ".x\n{\ncolor:blue;\nmargin:0;\n}" + after);
    }

    void addAppendsOnANewLineAndReadsBack()
    {
        const QByteArray css = "p.a { color: red }"; // no line break at the end
        const QString path = file("add.css", css);
        CssHelper helper(path);
        helper.addStylesToCss("p", "b",
                              collection({{"fo:color", "blue"}, {"fo:font-size", "9pt"}}));
        QCOMPARE(readBytes(path), css + "\np.b\n{\ncolor:blue;\nfont-size:9pt;\n}");
        QCOMPARE(listOf(helper.getStyleProperties("p", "b")),
                 QStringLiteral("fo:color=blue;fo:font-size=9pt"));
        // Adding never looks for an existing rule: the second one follows.
        helper.addStylesToCss("p", "b", collection({{"fo:color", "green"}}));
        QVERIFY(readBytes(path).endsWith("}\np.b\n{\ncolor:green;\n}"));
        QCOMPARE(listOf(helper.getStyleProperties("p", "b")),
                 QStringLiteral("fo:color=green;fo:font-size=9pt"));
    }

    void readEditReadIsARoundTrip()
    {
        const QString path =
            file("roundtrip.css", ".card { border: 1pt solid red; color: navy !important;\n"
                                  "  font-family: \"Segoe UI\", sans-serif }\n.other { x: y }\n");
        CssHelper helper(path);
        const PropertyCollection read = helper.getStyleProperties("", "card");
        QCOMPARE(read.getPropertyValue("fo:color").toQString(), QStringLiteral("navy"));
        helper.editStyle("", "card", read);
        QCOMPARE(listOf(helper.getStyleProperties("", "card")), listOf(read));
        QVERIFY(readBytes(path).contains("color:navy !important;"));
        // A new value keeps the priority; one that gives its own is not doubled.
        helper.editStyle("", "card",
                         collection({{"fo:color", "teal"}, {"fo:border", "0 !IMPORTANT"}}));
        QVERIFY(readBytes(path).startsWith(
            ".card\n{\ncolor:teal !important;\nborder:0 !IMPORTANT;\n}"));
        QVERIFY(readBytes(path).endsWith("}\n.other { x: y }\n"));
    }

    // Encodings and line breaks -------------------------------------------------

    void filesKeepEncodingMarkAndLineBreaks_data()
    {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<QString>("lineBreak");
        const QString lf = QStringLiteral("\n");
        const QString crlf = QStringLiteral("\r\n");
        QTest::newRow("utf-8") << int(QStringConverter::Utf8) << false << lf;
        QTest::newRow("utf-8, crlf") << int(QStringConverter::Utf8) << false << crlf;
        QTest::newRow("utf-8 with BOM") << int(QStringConverter::Utf8) << true << lf;
        QTest::newRow("utf-8 with BOM, crlf") << int(QStringConverter::Utf8) << true << crlf;
        QTest::newRow("utf-16le") << int(QStringConverter::Utf16LE) << true << crlf;
        QTest::newRow("utf-16be") << int(QStringConverter::Utf16BE) << true << lf;
        QTest::newRow("old Mac line breaks") << int(QStringConverter::Utf8) << false << u"\r"_s;
    }
    void filesKeepEncodingMarkAndLineBreaks()
    {
        QFETCH(int, encoding);
        QFETCH(bool, bom);
        QFETCH(QString, lineBreak);
        const auto codec = QStringConverter::Encoding(encoding);
        QString head = QStringLiteral("/* Größe 😀 */\n.x { font-family: \"Grüße\"; }\n");
        QString tail = QStringLiteral("\n.y { content: \"é\" }\n");
        head.replace(QLatin1Char('\n'), lineBreak);
        tail.replace(QLatin1Char('\n'), lineBreak);
        const QString target = QStringLiteral(".é { a: b }");
        const QString path = file("encoded.css", encoded(head + target + tail, codec, bom));

        CssHelper helper(path);
        QCOMPARE(listOf(helper.getStyleProperties("", "x")),
                 QStringLiteral("fo:font-family=\"Grüße\""));
        helper.editStyle("", QStringLiteral("é"), collection({{"fo:color", "rot"}, {"fo:x", "ü"}}));
        QString rule = QStringLiteral(".é\n{\ncolor:rot;\nx:ü;\n}");
        rule.replace(QLatin1Char('\n'), lineBreak);
        QCOMPARE(readBytes(path), encoded(head + rule + tail, codec, bom));

        helper.addStylesToCss("p", "n", collection({{"fo:a", "1"}}));
        QString added = QStringLiteral("\np.n\n{\na:1;\n}");
        added.replace(QLatin1Char('\n'), lineBreak);
        QCOMPARE(readBytes(path), encoded(head + rule + tail + added, codec, bom));
        QCOMPARE(listOf(helper.getStyleProperties("p", "n")), QStringLiteral("fo:a=1"));
    }

    void bytesThatAreNotUtf8AreKept()
    {
        const QByteArray head = "/* \xC3\x28 broken \xA0\xA1 \xED\xA0\x80 */\n";
        const QByteArray tail = "\n/* \xF0\x28\x8C\x28 \xF4\x90\x80\x80 */ .y{c:d} \xFF";
        const QString path = file("latin.css", head + ".x { a: b }" + tail);
        CssHelper helper(path);
        helper.editStyle("", "x", collection({{"fo:a", "c"}}));
        QCOMPARE(readBytes(path), head + ".x\n{\na:c;\n}" + tail);
        QCOMPARE(listOf(helper.getStyleProperties("", "y")), QStringLiteral("fo:c=d"));
    }

    // Files that must be refused ----------------------------------------------------

    void missingFolderOrUnreadableFilesRaiseNamingTheFile()
    {
        const QString missing = m_dir.filePath("missing.css");
        const QString folder = m_dir.filePath("folder.css");
        const QString inMissingFolder = m_dir.filePath("nofolder/first.css");
        QVERIFY(QDir().mkpath(folder));
        QStringList unreadable{missing, folder};
        // Root reads files without read permission.
        if (::geteuid() != 0) {
            unreadable << file("secret.css", ".x{a:b}");
            QVERIFY(QFile::setPermissions(unreadable.last(), QFile::WriteOwner));
        }
        const auto check = [](const QString& path, const std::function<void()>& operation) {
            try {
                operation();
                QFAIL("no exception");
            } catch (const Core::Exception& error) {
                QVERIFY2(error.getMessage().toQString().contains(path),
                         qPrintable(error.getMessage().toQString()));
            }
        };
        for (const QString& path : unreadable) {
            CssHelper helper(path);
            check(path, [&] { helper.getStyleProperties("", "x"); });
            check(path, [&] { helper.editStyle("", "x", collection({{"fo:a", "b"}})); });
        }
        for (const QString& path : {folder, inMissingFolder}) {
            check(path, [&] {
                CssHelper(path).addStylesToCss("", "x", collection({{"fo:a", "b"}}));
            });
        }
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(!QFileInfo::exists(inMissingFolder));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void addCreatesAStylesheetThatDoesNotExistYet()
    {
        const QString path = m_dir.filePath("first.css");
        CssHelper helper(path);
        helper.addStylesToCss("p", "x", collection({{"fo:color", "red"}}));
        QCOMPARE(readBytes(path), QByteArray("\np.x\n{\ncolor:red;\n}"));
        QCOMPARE(listOf(helper.getStyleProperties("p", "x")), QStringLiteral("fo:color=red"));
    }

    void readOnlyFileIsRefusedEvenForRoot()
    {
        const QByteArray css = ".x { a: b }\n";
        const QString path = file("readonly.css", css);
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        CssHelper helper(path);
        QCOMPARE(listOf(helper.getStyleProperties("", "x")), QStringLiteral("fo:a=b"));
        try {
            helper.editStyle("", "x", collection({{"fo:a", "c"}}));
            QFAIL("a read-only stylesheet was rewritten");
        } catch (const Core::Exception& error) {
            QVERIFY(error.getMessage().toQString().contains(QStringLiteral("read-only")));
            QVERIFY(error.getMessage().toQString().contains(path));
        }
        QVERIFY_THROWS_EXCEPTION(Core::Exception,
                                 helper.addStylesToCss("", "z", collection({{"fo:a", "c"}})));
        QCOMPARE(readBytes(path), css);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void symbolicLinkIsEditedThroughAndStaysALink()
    {
        const QString target = file("real.css", ".x { a: b }\n");
        const QString link = m_dir.filePath("link.css");
        QFile::remove(link);
        QVERIFY(QFile::link(target, link));
        CssHelper helper(link);
        helper.editStyle("", "x", collection({{"fo:a", "c"}}));
        helper.addStylesToCss("", "y", collection({{"fo:d", "e"}}));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(target), QByteArray(".x\n{\na:c;\n}\n\n.y\n{\nd:e;\n}"));
    }

    void fileChangedAfterReadingIsNotOverwritten_data()
    {
        QTest::addColumn<QByteArray>("changed");
        QTest::addColumn<bool>("keepTime");
        QTest::newRow("other size") << QByteArray(".x { a: b; c: d }\n") << false;
        QTest::newRow("same size, same time") << QByteArray(".x { a: z }\n") << true;
        QTest::newRow("only touched") << QByteArray(".x { a: b }\n") << false;
    }
    void fileChangedAfterReadingIsNotOverwritten()
    {
        QFETCH(QByteArray, changed);
        QFETCH(bool, keepTime);
        const QString path = file("race.css", ".x { a: b }\n");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                    QFileDevice::FileModificationTime));
        }
        const QDateTime readTime = QFileInfo(path).lastModified();

        StylesheetFile stylesheet(path);
        // Another program saves the file in between.
        QVERIFY(writeBytes(path, changed));
        QFile other(path);
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(other.setFileTime(keepTime ? readTime : QDateTime::currentDateTime(),
                                  QFileDevice::FileModificationTime));
        other.close();

        try {
            stylesheet.replace(0, 10, ".x\n{\na:c;\n}");
            QFAIL("a stylesheet changed on disk was overwritten");
        } catch (const Core::Exception& error) {
            QVERIFY2(error.getMessage().toQString().contains(
                         QStringLiteral("changed by another program")),
                     qPrintable(error.getMessage().toQString()));
        }
        QCOMPARE(readBytes(path), changed);
    }
};

// The way back from characters to bytes, on which every edit relies.
class TestStylesheetText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void charactersMapBackToTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qint64>>("offsets"); // of every character, and of the end
        // clang-format off
        QTest::newRow("ascii") << QByteArray("ab") << u"ab"_s << QList<qint64>{0, 1, 2};
        QTest::newRow("BOM and a pair") << QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80x") << QString::fromUtf8("\xF0\x9F\x98\x80x") << QList<qint64>{3, 7, 7, 8};
        QTest::newRow("broken sequences, one character per byte") << QByteArray("\xE2\x82x\xC0\xAF") << QString::fromUtf16(u"\uFFFD\uFFFDx\uFFFD\uFFFD") << QList<qint64>{0, 1, 2, 3, 4, 5};
        QTest::newRow("utf-16le with a lone last byte") << QByteArray("\xFF\xFEx\0y", 5) << QString::fromUtf16(u"x\uFFFD") << QList<qint64>{2, 4, 5};
        QTest::newRow("utf-16be") << QByteArray("\xFE\xFF\0x\0y", 6) << u"xy"_s << QList<qint64>{2, 4, 6};
        QTest::newRow("only a BOM") << QByteArray("\xFE\xFF") << u""_s << QList<qint64>{2};
        // clang-format on
    }
    void charactersMapBackToTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QList<qint64>, offsets);
        const StylesheetText content(bytes);
        QCOMPARE(content.text().toQString(), text);
        for (int i = 0; i < offsets.size(); ++i) {
            QCOMPARE(content.byteOffset(i), offsets[i]);
        }
    }

    void replacingOutsideTheTextRaises()
    {
        const StylesheetText content(QByteArray("abc"));
        QCOMPARE(content.replaced(3, 2, "d"), QByteArray("abcd"));
        QCOMPARE(content.replaced(0, -1, "d"), QByteArray("dabc"));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, content.replaced(2, 3, "d"));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, content.replaced(-1, 0, "d"));
    }
};

UIEDITOR_TEST_CLASS(TestCssHelper)
UIEDITOR_TEST_CLASS(TestStylesheetText)
#include "tst_csshelper.moc"
