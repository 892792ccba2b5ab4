#pragma once

#include "outside/core/corestring.h"
#include "outside/dom/xmldocument.h"

/// A sample XML file read and parsed away from the user interface: large
/// samples take seconds. Safe on a worker thread; the document then belongs
/// to whichever thread takes it next.
struct ParsedSample
{
    Core::String path;
    SmartPtr<Xml::XmlDocument> xml;
    /// The parser's message when the file could not be read.
    Core::String error;

    /// Files larger than this are read on a worker thread.
    static constexpr qint64 backgroundBytes = 1024 * 1024;

    /// Whether `path` names an XML sample (not a schema or data aggregation
    /// file, whose samples are built from them) of more than backgroundBytes.
    static bool isLargeXml(const Core::String& path);
    static ParsedSample read(const Core::String& path);
};
