#include "outside/core/stringtable.h"

#include "outside/core/coreapplication.h"

#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>

namespace Core {

namespace {

int languageSlot(QStringView element)
{
    if (element == u"en") {
        return Language::English;
    }
    if (element == u"de") {
        return Language::German;
    }
    if (element == u"fr") {
        return Language::French;
    }
    return -1;
}

} // namespace

const StringTable& StringTable::instance()
{
    static const StringTable table = [] {
        QFile file(QStringLiteral(":/uieditor/strings/strings.xml"));
        if (!file.open(QIODevice::ReadOnly)) {
            StringTable empty;
            empty.m_loadError = String("The message table is missing from the library's resources.");
            return empty;
        }
        return fromXml(file.readAll());
    }();
    return table;
}

StringTable StringTable::fromXml(const QByteArray& xml)
{
    StringTable table;
    QXmlStreamReader reader(xml);
    unsigned currentId = 0;
    bool inString = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == u"string") {
                bool ok = false;
                currentId = reader.attributes().value(QStringLiteral("id")).toUInt(&ok);
                inString = ok;
                if (!ok) {
                    reader.raiseError(QStringLiteral("string without a numeric id"));
                }
            } else if (inString) {
                const int slot = languageSlot(reader.name());
                const QString text = reader.readElementText();
                if (slot >= 0) {
                    table.m_texts[currentId][size_t(slot)] = text;
                }
            }
        } else if (reader.isEndElement() && reader.name() == u"string") {
            inString = false;
        }
    }
    if (reader.hasError()) {
        table.m_loadError = String(QStringLiteral("The message table is damaged (line %1): %2")
                                       .arg(reader.lineNumber())
                                       .arg(reader.errorString()));
    }
    return table;
}

String StringTable::text(unsigned id) const
{
    const String wanted = text(id, Application::getCurrentLanguage());
    // A text that is missing in one language is better shown in English than not at all.
    return wanted.isEmpty() ? text(id, Language::English) : wanted;
}

String StringTable::text(unsigned id, Language language) const
{
    const auto it = m_texts.constFind(id);
    return it == m_texts.constEnd() ? String() : (*it)[size_t(language.code())];
}

QList<unsigned> StringTable::ids() const
{
    QList<unsigned> keys = m_texts.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace Core
