#pragma once

namespace Xml {

/// The kind of a simple CSS selector, as CssHelper::parseSelector tells it.
enum SelectorType : int {
    /// ".note": a class alone.
    ClassSelector = 0,
    /// "p.note": an element with a class.
    ElementClassSelector = 1,
    /// "p": an element alone.
    ElementSelector = 2,
    /// Anything with ">", ":" or "+": child, pseudo-class or sibling selectors.
    ComplexSelector = 3,
};

} // namespace Xml
