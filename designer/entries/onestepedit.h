#pragma once

#include <QString>

#include <functional>

class TemplateDocument;

/// Runs `edit` on the template as one undo step named `action`. An edit that
/// fails part way (a Core::Exception) leaves nothing half done: what it
/// changed is undone and the user is told why. Answers whether it succeeded.
bool editInOneStep(TemplateDocument& document, const QString& action, const std::function<void()>& edit);
