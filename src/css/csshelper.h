#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmlelementstyleinfo.h"
#include "outside/cssvalues/xmlselectortype.h"
#include "outside/types/propertycollection.h"
#include "uieditor_export.h"

#include <map>
#include <vector>

/// Reads and edits one CSS stylesheet file for the host: finds the rules that
/// style an element name and class name, returns their declarations as a
/// PropertyCollection named "fo:" plus the CSS name, appends a collection as
/// a new rule or puts it in place of an existing one.
///
/// No file is held open; every member operation reads the file anew. Rules
/// are matched by their simple selectors only: ".note" (element empty, class
/// "note") and "p.note" (element "p", class "note"). A rule for an element
/// alone ("p") or with a complex selector ("div > p", "a:hover") is never
/// found by these operations.
///
/// Files keep their encoding (UTF-8 with or without a byte-order mark, UTF-16
/// with one), their mark and their line breaks; rewrites are atomic and are
/// refused when the file changed on disk in between (see StylesheetFile).
/// A file that cannot be read or written raises Core::Exception naming it.
class UIEDITOR_EXPORT CssHelper
{
public:
    using PropertyMap = Xml::ElementStyleInfo::PropertyMap;

    explicit CssHelper(Core::String path);

    const Core::String& getPath() const { return m_path; }

    /// Tells the kind of a simple selector and takes it apart: ".x" gives
    /// ClassSelector and class "x"; "p.x" gives ElementClassSelector, "p" and
    /// "x" ("p.a.b" an empty class); "p" gives ElementSelector, "p" and an empty
    /// class; anything with ">", ":" or "+" gives ComplexSelector and leaves both
    /// outputs alone. A class selector leaves `element` alone.
    static Xml::SelectorType parseSelector(const Core::String& selector, Core::String& element,
                                           Core::String& className);
    /// "p.note", ".note" or "p" from the trimmed names.
    static Core::String composeItemName(Core::String element, Core::String className);
    /// Splits an item name at its first ".". Without a "." or with one in first
    /// place, the whole name goes to `className` and `element` is left alone.
    static void getElementClassName(Core::String itemName, Core::String& element,
                                    Core::String& className);
    /// The text of one rule: the selector, "{", one "name:value;" line per
    /// property with both a name and a value (the name without its "fo:"
    /// prefix), and "}", lines ending in "\n" and no line break after "}".
    static Core::String getPropertiesAsString(Core::String element, Core::String className,
                                              PropertyCollection properties);
    /// Flattens class styles (keyed by class name) and element styles (keyed
    /// by element name) into one map keyed by item name: ".K", "N.K" and "N"
    /// (the last only when the element has properties of its own).
    static std::map<Core::String, PropertyMap>
    combineProperties(const std::map<Core::String, PropertyMap>& classStyles,
                      const std::map<Core::String, Xml::ElementStyleInfo>& elementStyles);
    /// The item names of combineProperties, in ascending order.
    static std::vector<Core::String>
    getExistingNames(const std::map<Core::String, PropertyMap>& classStyles,
                     const std::map<Core::String, Xml::ElementStyleInfo>& elementStyles);

    /// The declarations of every rule for `element` and `className`, in
    /// stylesheet order, as "fo:" properties; a later value of a repeated name
    /// wins. Values come without "!important" ("red", not "red !important");
    /// editStyle keeps the priority of the declarations it rewrites.
    PropertyCollection getStyleProperties(Core::String element, Core::String className) const;
    /// Appends a line break and the rule text of `properties` to the end of the
    /// file, without looking for an existing rule. The rest of the file stays
    /// byte for byte. A file that does not exist yet is created (UTF-8, "\n"
    /// line breaks); its folder must exist.
    void addStylesToCss(Core::String element, Core::String className,
                        PropertyCollection properties) const;
    /// Puts the rule text of `properties` in place of the last rule for
    /// `element` and `className`; every other character of the file stays as
    /// it was. Without such a rule nothing is written. A property whose
    /// declaration in that rule was "!important" stays so, unless its value
    /// gives a priority itself.
    void editStyle(Core::String element, Core::String className,
                   PropertyCollection properties) const;

private:
    Core::String m_path;
};
