#pragma once

#include "outside/core/corelanguage.h"

#include <QHash>
#include <QList>
#include <array>

namespace Core {

/// The numbered texts of the library (messages, labels, list items) in
/// English, German and French, read once from the compiled-in table.
class UIEDITOR_EXPORT StringTable
{
public:
    static const StringTable& instance();

    /// The text in the running language (English where that one is missing),
    /// "" when the number is unknown.
    String text(unsigned id) const;
    /// The text exactly as the table has it for `language`.
    String text(unsigned id, Language language) const;
    bool contains(unsigned id) const { return m_texts.contains(id); }
    /// Every number of the table, ascending.
    QList<unsigned> ids() const;
    /// Why the table could not be read; empty when it was.
    const String& loadError() const { return m_loadError; }

    /// Reads a table from its XML text; used for the compiled-in one and by tests.
    static StringTable fromXml(const QByteArray& xml);

private:
    StringTable() = default;

    QHash<unsigned, std::array<String, 3>> m_texts;
    String m_loadError;
};

} // namespace Core
