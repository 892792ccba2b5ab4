#pragma once

#include <QIcon>

/// The small pictures of the expression editor's lists and toolbar, drawn
/// once and kept for the process.
class XPathEditIcons
{
public:
    /// Rows of the node list, by image number: 0 the way up, 1 an element,
    /// 2 an attribute, 3 a text, 4 a repeated element, 5 an element with a
    /// reference type.
    static QIcon node(int image);
    /// Rows of the other lists.
    static QIcon category();
    static QIcon function();
    static QIcon operation();
    static QIcon constant();
    static QIcon variable();
    /// Toolbar commands without a text of their own.
    static QIcon undo();
    static QIcon redo();
    static QIcon check();
    static QIcon backToContext();

private:
    XPathEditIcons() = delete;
};
