// The expression check on arbitrary text: the first line is the expression,
// the rest (if any) the select of a template variable. Whatever the text, the
// stylesheet is built and run in the process, and the check answers with a
// message: the valid one, or a single line saying what is wrong.
#include "fuzztext.h"
#include "outside/core/namespaces.h"
#include "xml/model/xpathcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// One pair of files for the whole run, rewritten by every check: the editor's
// two new temporary files per check would pile up by the thousand here.
struct Files
{
    QTemporaryDir dir;
    QString stylesheet = dir.filePath(QStringLiteral("check.xsl"));
    QString input = dir.filePath(QStringLiteral("input.xml"));
};

void exercise(const QString& text)
{
    static Files files;
    static const QString valid = Core::String::formatS(63100).toQString();
    // A run that fails every input would pass every law: make sure one passes.
    static const bool working = XPathCheck::run(XPathCheck::buildStylesheet("1 &lt; 2", {}, {}, {}),
                                                files.stylesheet, files.input, 0)
                                    .valid;
    FuzzText::check(working);
    const qsizetype newline = text.indexOf(u'\n');
    const QString expression = newline >= 0 ? text.left(newline) : text;
    std::vector<KMBVariable> variables;
    if (newline >= 0) {
        variables.emplace_back("v", text.mid(newline + 1));
    }
    const XPathCheck::NamespaceMap namespaces{{"fo", Xml::Namespaces::FO},
                                              {"kmb", Xml::Namespaces::KMB}};
    const std::vector<ManagedScript> scripts{
        ManagedScript("my", "C#", "string f() { return \"\"; }", {"f"})};

    const Core::String stylesheet =
        XPathCheck::buildStylesheet(expression, namespaces, scripts, variables);
    // New files each time, as the editor writes them: truncating a file to
    // rewrite it makes the file system flush it on close, which is slow.
    QFile::remove(files.stylesheet);
    QFile::remove(files.input);
    const XPathCheck::Result result = XPathCheck::run(stylesheet, files.stylesheet, files.input, 0);
    const QString message = result.message.toQString();
    FuzzText::check(!message.isEmpty());
    FuzzText::check(result.valid == (message == valid));
    FuzzText::check(!message.contains(u'\n') && !message.contains(u'\r'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
