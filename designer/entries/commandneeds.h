#pragma once

#include "outside/dom/xmlelement.h"

#include <QString>

class DesignerWindow;

/// What the designer's commands need before they can run. Each returns why
/// the command cannot run on the window's current state, or an empty text
/// when it can; the reason becomes the disabled command's status tip.
namespace CommandNeeds {

QString openTemplate(const DesignerWindow& window);
/// A selected object inside a flow, or a page-level selection whose flow
/// holds a block (the command then opens on that block).
QString flowBlock(const DesignerWindow& window);
QString sampleData(const DesignerWindow& window);
/// A selected repeat, or an object inside one, and sample data to build
/// its expressions against.
QString repeatWithSample(const DesignerWindow& window);

/// The repeat `element` is or lies in; null when none.
Xml::Element enclosingRepeat(const Xml::Element& element);

} // namespace CommandNeeds
