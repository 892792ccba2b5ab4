#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <vector>

/// A script block of a template: functions written in `language` that
/// expressions call as prefix, ":" and function name.
class UIEDITOR_EXPORT ManagedScript
{
public:
    ManagedScript() = default;
    ManagedScript(const Core::String& nsPrefix, const Core::String& language,
                  const Core::String& code,
                  const std::vector<Core::String>& functionNames = std::vector<Core::String>())
        : m_nsPrefix(nsPrefix), m_language(language), m_code(code), m_functionNames(functionNames)
    {
    }

    const Core::String& getNsPrefix() const { return m_nsPrefix; }
    void setNsPrefix(const Core::String& prefix) { m_nsPrefix = prefix; }
    const Core::String& getLanguage() const { return m_language; }
    void setLanguage(const Core::String& language) { m_language = language; }
    const Core::String& getCode() const { return m_code; }
    void setCode(const Core::String& code) { m_code = code; }
    /// The names of the functions the code defines, without prefix, in the order
    /// the expression editor lists them.
    const std::vector<Core::String>& getFunctionNames() const { return m_functionNames; }
    void setFunctionNames(const std::vector<Core::String>& names) { m_functionNames = names; }

    bool operator==(const ManagedScript&) const = default;

private:
    Core::String m_nsPrefix;
    Core::String m_language;
    Core::String m_code;
    std::vector<Core::String> m_functionNames;
};
