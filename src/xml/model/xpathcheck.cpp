#include "xml/model/xpathcheck.h"

#include "frame/tmpfiletodeleteatexit.h"
#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"
#include "outside/core/corefilesystem.h"
#include "outside/core/corememorystream.h"
#include "outside/core/namespaces.h"
#include "outside/transform/transform.h"

#include <exception>
#include <QUuid>

namespace {

constexpr unsigned validMessageId = 63100;
constexpr unsigned unexpectedErrorId = 11;

Core::String escapedForAttribute(const Core::String& expression)
{
    return expression.replaceAll("\"", "&quot;")
        .replaceAll("'", "&apos;")
        .replaceAll("<", "&lt;")
        .replaceAll(">", "&gt;");
}

// Plain text for an attribute value: "&" too, unlike an expression, which
// may already hold entities.
Core::String escapedText(const Core::String& text)
{
    return escapedForAttribute(text.replaceAll("&", "&amp;"));
}

void writeText(const Core::String& path, const Core::String& text)
{
    Core::IO::FileStream stream(path, Core::IO::FileStream::Write | Core::IO::FileStream::Create |
                                          Core::IO::FileStream::Truncate);
    stream.write(text.toUtf8());
}

} // namespace

Core::String XPathCheck::buildStylesheet(const Core::String& expression,
                                         const NamespaceMap& namespaces,
                                         const std::vector<ManagedScript>& scripts,
                                         const std::vector<KMBVariable>& variables)
{
    Core::String declarations;
    bool xslDeclared = false;
    for (const auto& [prefix, uri] : namespaces) {
        // A default namespace has no "xmlns:" form; expressions cannot name it anyway.
        if (prefix.isEmpty()) {
            continue;
        }
        declarations += "xmlns:" + prefix + "='" + uri + "' ";
        xslDeclared = xslDeclared || uri == Xml::Namespaces::XSL;
    }
    Core::String scriptBlocks;
    for (const ManagedScript& script : scripts) {
        // A namespace of its own per run: nothing outside this stylesheet can
        // stand for the script's functions.
        const Core::String uri =
            "urn:" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ":kmb";
        scriptBlocks += "<msxml:script implements-prefix='" + script.getNsPrefix() +
                        "' language='" + script.getLanguage() + "'><![CDATA[" + script.getCode() +
                        "]]></msxml:script>\n";
        declarations += "xmlns:" + script.getNsPrefix() + "='" + uri + "' ";
    }

    Core::String text(
        "<?xml version='1.0' encoding='utf-8' ?> \n<?xsl-test-case type='text/xml'?> \n"
        "<xsl:stylesheet version='1.0' xmlns:msxml='urn:schemas-microsoft-com:xslt' ");
    text += declarations;
    if (!xslDeclared) {
        text += Core::String("xmlns:xsl='") + Xml::Namespaces::XSL + "' ";
    }
    text += "> \n";
    text += scriptBlocks;
    text += "<xsl:output method='xml' encoding='utf-8' indent='yes'/> \n";
    for (const KMBVariable& variable : variables) {
        // The template's parameters come as their text: a default value
        // such as 'EUR' or a & in it must not end the attribute or the
        // stylesheet. Without a default value the variable is empty.
        text += "<xsl:variable name='" + escapedText(variable.getName()) + "'";
        if (!variable.getSelect().isEmpty()) {
            text += " select='" + escapedText(variable.getSelect()) + "'";
        }
        text += " />\n";
    }
    text += "<xsl:variable name='KMCrtLocalDate' />\n"
            "<xsl:variable name='KMCrtLocalTime' />\n"
            "<xsl:variable name='KMCrtLocalDateTime' />\n"
            "<xsl:variable name='KMCrtUTCDate' />\n"
            "<xsl:variable name='KMCrtUTCTime'  />\n"
            "<xsl:variable name='KMCrtUTCDateTime'  />\n"
            "<xsl:variable name='KMOutputFormat'  />\n";
    text += "<xsl:variable name='a' select='" + escapedForAttribute(expression) +
            "'/></xsl:stylesheet> \n";
    // The expression's own apostrophes are entities by now; every other one
    // becomes a quotation mark.
    return text.replaceAll("'", "\"");
}

Core::String XPathCheck::inputDocument()
{
    return Core::String("<?xml version='1.0' encoding='utf-8' ?> \n<noelements/> \n")
        .replaceAll("'", "\"");
}

XPathCheck::Result XPathCheck::check(const Core::String& expression, const NamespaceMap& namespaces,
                                     const std::vector<ManagedScript>& scripts,
                                     const std::vector<KMBVariable>& variables, int engine)
{
    try {
        const Core::String stylesheet = buildStylesheet(expression, namespaces, scripts, variables);
        const Core::String xmlPath =
            Core::IO::FileSystem::createTempFile("uieditor-xpath-", ".xml");
        TmpFileToDeleteAtExit::addFile(xmlPath);
        const Core::String stylesheetPath =
            Core::IO::FileSystem::createTempFile("uieditor-xpath-", ".xsl");
        TmpFileToDeleteAtExit::addFile(stylesheetPath);
        return run(stylesheet, stylesheetPath, xmlPath, engine);
    } catch (const Core::Exception& e) {
        return {false, oneLine(e.getMessage())};
    } catch (const std::exception&) {
        return {false, Core::String::formatS(unexpectedErrorId)};
    }
}

XPathCheck::Result XPathCheck::run(const Core::String& stylesheet,
                                   const Core::String& stylesheetPath, const Core::String& xmlPath,
                                   int engine)
{
    try {
        writeText(xmlPath, inputDocument());
        writeText(stylesheetPath, stylesheet);
        Varnel::Transform::xsl2fo(stylesheetPath, xmlPath, makeSmart<Core::IO::MemoryStream>(),
                                  std::map<Core::String, Core::String>(), engine,
                                  Varnel::Transform::NoFlags);
        return {true, Core::String::formatS(validMessageId)};
    } catch (const Core::Exception& e) {
        return {false, oneLine(e.getMessage())};
    } catch (const std::exception&) {
        return {false, Core::String::formatS(unexpectedErrorId)};
    }
}

Core::String XPathCheck::oneLine(const Core::String& message)
{
    return message.replaceAll("\r", "").replaceAll("\n", " ");
}
