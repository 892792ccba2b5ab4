#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// Stretches the table of a predefined table format to the wanted numbers of
/// rows and columns. The format's table keeps its own attributes; each of its
/// header, footer and body sections gives its first row, whose three cells
/// style the first, the middle and the last column.
class UIEDITOR_EXPORT TableFormatExpander
{
public:
    struct Shape
    {
        int rows = 1;
        int columns = 3;
        bool header = true;
        bool footer = false;
        /// Cells read "Heading 1", "Item 4"... instead of a non-breaking space.
        bool labels = false;
    };

    /// The fo:table made of the first table in `templateText`. Raises
    /// Core::Exception naming `formatName` when the table or a section it
    /// needs is missing or does not start with a row of three cells.
    static Core::String expand(const Core::String& templateText, const Shape& shape,
                               const Core::String& formatName);

    /// The section `section` ("header", "footer", "body") of `table`: one row
    /// for a header or footer, `shape.rows` rows for the body.
    static Core::String processTemplateSection(const QString& section, const QString& table,
                                               const Shape& shape, const Core::String& formatName);
    /// `cell` with the content of its block replaced: "&#x00A0;" without a
    /// label, else "label counter".
    static Core::String processTemplateCell(const QString& cell, const QString& label, int counter);

    /// The text from the first "<fo:table" through the first "</fo:table>";
    /// empty when either is missing.
    static QString tableOf(const QString& text);
};
