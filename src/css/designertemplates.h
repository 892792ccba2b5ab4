#pragma once

#include "css/designertemplateconfiguration.h"
#include "outside/core/corestream.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "uieditor_export.h"

#include <utility>
#include <vector>

/// (display name, value) of a designer template, as GetDesignerTemplates lists them.
using DesignerTemplate = std::pair<Core::String, Core::String>;

/// The designer templates of "DesktopDesignerTemplates.config" (resource
/// category "Config"), in file order: each "template.NAME=VALUE" line gives
/// NAME, shown under its name in the current language when a "LANG:NAME=..."
/// line gives one (English shows NAME itself), and VALUE, the resource name
/// of its content for GetTemplateContent. Raises Core::Exception when the
/// configuration cannot be loaded.
UIEDITOR_EXPORT std::vector<DesignerTemplate> GetDesignerTemplates();

/// The templates of `configuration` with display names for the language named
/// `languageName` ("en", "de", "fr"); GetDesignerTemplates() passes the
/// current language.
UIEDITOR_EXPORT std::vector<DesignerTemplate>
GetDesignerTemplates(const DesignerTemplateConfiguration& configuration,
                     const Core::String& languageName);

/// The template resource `name` of the category "Templates", as a stream.
/// Raises Core::Exception when there is no such resource.
UIEDITOR_EXPORT SmartPtr<Core::IO::Stream> GetTemplateContent(Core::String name);
