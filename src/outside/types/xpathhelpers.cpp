#include "outside/types/xpathhelpers.h"

#include "outside/dom/xmlname.h"

#include <QStringList>
#include <vector>

namespace {

using Steps = std::vector<QString>;

// Pieces of `text` between top-level `separator`s. Brackets, parentheses and
// string literals hide separators; unbalanced ones simply run to the end.
QStringList splitTopLevel(const QString& text, QChar separator)
{
    QStringList parts;
    int depth = 0;
    QChar quote;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            }
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'[' || c == u'(') {
            ++depth;
        } else if ((c == u']' || c == u')') && depth > 0) {
            --depth;
        } else if (c == separator && depth == 0) {
            parts << text.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << text.mid(start);
    return parts;
}

// Length of the name (colons included, so "child::text" and "fo:block" are one
// name) that starts at `from`; 0 when no name starts there.
qsizetype nameLength(const QString& text, qsizetype from)
{
    if (from >= text.size() || !Xml::Name::isStartChar(text.at(from))) {
        return 0;
    }
    qsizetype end = from + 1;
    while (end < text.size() && Xml::Name::isNameChar(text.at(end), true)) {
        ++end;
    }
    return end - from;
}

bool isNodeType(const QString& name)
{
    // An axis may stand before the node type: "child::text".
    const qsizetype axisEnd = name.lastIndexOf(QStringLiteral("::"));
    const QString type = axisEnd >= 0 ? name.mid(axisEnd + 2) : name;
    return type == u"text" || type == u"node" || type == u"comment" ||
           type == u"processing-instruction";
}

// Whether `text` starts like a relative location path rather than another
// expression (function call, variable, literal, number, parenthesised group).
bool isRelativeLocationPath(const QString& text)
{
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.at(0);
    if (first == u'.') {
        return text.size() == 1 || !text.at(1).isDigit();
    }
    if (first == u'@' || first == u'*') {
        return true;
    }
    const qsizetype length = nameLength(text, 0);
    if (length == 0) {
        return false;
    }
    qsizetype next = length;
    while (next < text.size() && text.at(next).isSpace()) {
        ++next;
    }
    if (next < text.size() && text.at(next) == u'(') {
        return isNodeType(text.left(length));
    }
    return true;
}

// A name test ("line", "fo:block", "*", "km:*") or a node type test ("text()").
bool isNodeTest(const QString& test)
{
    if (test == u"*") {
        return true;
    }
    const qsizetype length = nameLength(test, 0);
    if (length == 0) {
        return false;
    }
    const QString rest = test.mid(length).trimmed();
    if (rest.isEmpty()) {
        return !test.left(length).endsWith(u':') && !test.left(length).contains(u"::");
    }
    if (rest == u"*") {
        return test.left(length).endsWith(u':') && !test.left(length).contains(u"::");
    }
    return rest.startsWith(u'(') && isNodeType(test.left(length));
}

// A step that goes exactly one level down, so that a following ".." undoes it.
bool isDownwardStep(const QString& step)
{
    if (step.isEmpty() || step == u"." || step == u"..") {
        return false;
    }
    // Predicates may hold anything, axes included; only the part before them counts.
    const qsizetype predicate = step.indexOf(u'[');
    const QString head = (predicate >= 0 ? step.left(predicate) : step).trimmed();
    const qsizetype axisEnd = head.indexOf(QStringLiteral("::"));
    if (axisEnd >= 0) {
        const QString axis = head.left(axisEnd).trimmed();
        if (axis != u"child" && axis != u"attribute") {
            return false;
        }
        return isNodeTest(head.mid(axisEnd + 2).trimmed());
    }
    if (head.startsWith(u'@')) {
        return isNodeTest(head.mid(1).trimmed());
    }
    return isNodeTest(head);
}

// Whether ".." after steps[0..index] may simply drop steps[index]. Not after a
// "//" (an empty step): the parent of a descendant is no fixed number of levels up.
bool canClimbOver(const Steps& steps, std::size_t index)
{
    if (index >= steps.size() || !isDownwardStep(steps[index])) {
        return false;
    }
    return index == 0 || !steps[index - 1].isEmpty();
}

struct LocationPath
{
    bool absolute = false;
    Steps steps;
};

LocationPath parsePath(const QString& text)
{
    LocationPath path;
    const QStringList parts = splitTopLevel(text, u'/');
    qsizetype first = 0;
    if (text.startsWith(u'/')) {
        path.absolute = true;
        first = 1;
    }
    for (qsizetype i = first; i < parts.size(); ++i) {
        path.steps.push_back(parts.at(i).trimmed());
    }
    // "./" and "/a/" end in a separator, not in a step.
    while (!path.steps.empty() && path.steps.back().isEmpty()) {
        path.steps.pop_back();
    }
    return path;
}

Steps normalizeSteps(const Steps& steps, bool absolute)
{
    Steps out;
    for (const QString& step : steps) {
        if (step == u".") {
            // "a//." is not "a/": the dot is the only step after the "//".
            if (!out.empty() && out.back().isEmpty()) {
                out.push_back(step);
            }
        } else if (step == u".." && !out.empty() && canClimbOver(out, out.size() - 1)) {
            out.pop_back();
        } else if (step == u".." && absolute && out.empty()) {
            // The root has no parent: stay there.
        } else {
            out.push_back(step);
        }
    }
    return out;
}

QString joinSteps(const Steps& steps, bool absolute)
{
    QString text;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) {
            text += u'/';
        }
        text += steps[i];
    }
    if (absolute) {
        return u'/' + text;
    }
    if (steps.empty()) {
        return QStringLiteral(".");
    }
    // A relative path may not begin with "//": the dot makes it ".//x".
    if (steps.front().isEmpty()) {
        text.prepend(QStringLiteral("./"));
    }
    return text;
}

Steps contextSteps(const QString& context)
{
    QString text = context.trimmed();
    if (!text.startsWith(u'/')) {
        text.prepend(u'/');
    }
    return normalizeSteps(parsePath(text).steps, true);
}

QString normalizeBranch(const QString& branch)
{
    const QString text = branch.trimmed();
    if (text.startsWith(u'/') || isRelativeLocationPath(text)) {
        const LocationPath path = parsePath(text);
        return joinSteps(normalizeSteps(path.steps, path.absolute), path.absolute);
    }
    return text;
}

QString composeBranch(const Steps& context, const QString& branch)
{
    const QString text = branch.trimmed();
    if (text.isEmpty()) {
        return joinSteps(context, true);
    }
    if (text.startsWith(u'/')) {
        return normalizeBranch(text);
    }
    if (!isRelativeLocationPath(text)) {
        return text;
    }
    Steps steps = context;
    const Steps relative = parsePath(text).steps;
    steps.insert(steps.end(), relative.begin(), relative.end());
    return joinSteps(normalizeSteps(steps, true), true);
}

QString relativeBranch(const Steps& context, const QString& branch)
{
    const QString text = branch.trimmed();
    if (!text.startsWith(u'/')) {
        return text;
    }
    const Steps path = normalizeSteps(parsePath(text).steps, true);
    std::size_t common = 0;
    while (common < context.size() && common < path.size() && context[common] == path[common]) {
        ++common;
    }
    for (std::size_t i = common; i < context.size(); ++i) {
        if (!canClimbOver(context, i)) {
            return joinSteps(path, true);
        }
    }
    Steps relative(context.size() - common, QStringLiteral(".."));
    relative.insert(relative.end(), path.begin() + qsizetype(common), path.end());
    const QString result = joinSteps(relative, false);
    // A first step such as "count(x)" would read back as a function call.
    if (!isRelativeLocationPath(result)) {
        return joinSteps(path, true);
    }
    return result;
}

template <class Function> QString forEachBranch(const QString& expression, Function function)
{
    const QStringList branches = splitTopLevel(expression, u'|');
    if (branches.size() == 1) {
        return function(branches.front());
    }
    QStringList results;
    for (const QString& branch : branches) {
        results << function(branch);
    }
    return results.join(QStringLiteral(" | "));
}

} // namespace

Core::String XPathHelpers::getRelativeXPath(const Core::String& context, const Core::String& path)
{
    const Steps steps = contextSteps(context);
    return forEachBranch(path,
                         [&](const QString& branch) { return relativeBranch(steps, branch); });
}

Core::String XPathHelpers::composeXPath(const Core::String& context, const Core::String& path)
{
    const Steps steps = contextSteps(context);
    return forEachBranch(path, [&](const QString& branch) { return composeBranch(steps, branch); });
}

Core::String XPathHelpers::normalizeXPath(const Core::String& path)
{
    return forEachBranch(path, normalizeBranch);
}
