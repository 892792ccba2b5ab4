#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestream.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "uieditor_export.h"

#include <utility>
#include <vector>

/// The designer-template list as written in its configuration text: lines of
/// "key=value", in file order. Lines are trimmed; empty lines, lines starting
/// with "#" and lines without "=" after their first character are skipped; key
/// and value are trimmed. A "#" later in a line belongs to the key or value.
class UIEDITOR_EXPORT DesignerTemplateConfiguration : public Core::Object
{
public:
    using Entry = std::pair<Core::String, Core::String>;

    DesignerTemplateConfiguration() = default;
    /// Reads the configuration text (UTF-8, or UTF-16 with a byte-order mark).
    explicit DesignerTemplateConfiguration(const SmartPtr<Core::IO::Stream>& stream);
    ~DesignerTemplateConfiguration() override;

    /// Parses `text`, replacing what was read before. Lines may end with a
    /// carriage return, a line feed or both.
    void parse(const Core::String& text);
    /// The key and value pairs, in file order.
    const std::vector<Entry>& getEntries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};
