#include "css/designertemplateconfiguration.h"

#include "outside/core/coretextreader.h"

DesignerTemplateConfiguration::DesignerTemplateConfiguration(
    const SmartPtr<Core::IO::Stream>& stream)
{
    Core::IO::TextReader reader(stream, Core::IO::TextEncoding::Detect);
    parse(reader.readToEnd());
}

DesignerTemplateConfiguration::~DesignerTemplateConfiguration() = default;

void DesignerTemplateConfiguration::parse(const Core::String& text)
{
    m_entries.clear();
    for (Core::String line : text.split("\r\n")) {
        line.trim();
        if (line.isEmpty() || line.startsWith("#")) {
            continue;
        }
        const int equals = line.find(QChar(u'='));
        if (equals < 1) {
            continue;
        }
        m_entries.emplace_back(line.subString(0, equals - 1).trimmed(),
                               line.subString(equals + 1).trimmed());
    }
}
