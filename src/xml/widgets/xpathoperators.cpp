#include "xml/widgets/xpathoperators_p.h"

#include <QtGlobal>

const std::vector<std::vector<XPathOperators::Row>>& XPathOperators::groups()
{
    static const std::vector<std::vector<Row>> groups = {
        {{"+", 0, "+"},
         {"-", 0, "-"},
         {"*", 0, "*"},
         {QT_TRANSLATE_NOOP("XPathEditDlg", "Division ('/' reserved)"), 0, "div"},
         {"<", 0, "&lt;"},
         {">", 0, "&gt;"},
         {"<=", 0, "&lt;="},
         {">=", 0, "&gt;="},
         {QT_TRANSLATE_NOOP("XPathEditDlg", "Modulo"), 0, "mod"}},
        {{QT_TRANSLATE_NOOP("XPathEditDlg", "Boolean And"), 0, "and"},
         {QT_TRANSLATE_NOOP("XPathEditDlg", "Boolean Or"), 0, "or"},
         {QT_TRANSLATE_NOOP("XPathEditDlg", "Boolean Not"), 0, "not()"}},
        {{QT_TRANSLATE_NOOP("XPathEditDlg", "Logical And"), 0, "and"},
         {QT_TRANSLATE_NOOP("XPathEditDlg", "Logical Or"), 0, "or"},
         {QT_TRANSLATE_NOOP("XPathEditDlg", "Logical Not"), 0, "not()"}},
        {{nullptr, 63126, "[]"}, {nullptr, 63127, "()"}, {nullptr, 63128, "|"}},
        {{"=", 0, "="}, {nullptr, 63129, "!="}},
    };
    return groups;
}
