#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <vector>

/// One key of a sort: the XPath of the key (kept in the escaped form it is
/// written into an attribute with), its order, data type and case order.
/// A new criterion sorts ascending, as text, upper case first.
struct UIEDITOR_EXPORT SortCriteria
{
    enum Order { Ascending = 0, Descending = 1 };
    enum DataType { Text = 0, Number = 1 };
    enum CaseOrder { UpperFirst = 0, LowerFirst = 1 };

    Core::String select;
    int order = Ascending;
    int dataType = Text;
    int caseOrder = UpperFirst;

    friend bool operator==(const SortCriteria&, const SortCriteria&) = default;

    /// The words the sort string and the dialog use: "ascending",
    /// "descending"; "text", "number"; "upper-first", "lower-first".
    static Core::String orderWord(int order);
    static Core::String dataTypeWord(int dataType);
    static Core::String caseOrderWord(int caseOrder);

    /// The criteria of a sort string
    /// ("s:price dt:number or:descending co:upper-first;s:name ..."). Any text
    /// is read: a piece without "s:" is a bare select with the defaults,
    /// unknown words give the defaults, and a piece whose select is empty
    /// (or that has no blank after its select) adds nothing.
    static std::vector<SortCriteria> fromString(const Core::String& sortString);
    /// The sort string of `criteria`, the case order written for number keys too.
    static Core::String toString(const std::vector<SortCriteria>& criteria);
    /// Whether `select` survives being written into a sort string and read
    /// back: it must not be empty nor hold a blank or a ";".
    static bool isStorableSelect(const Core::String& select);
};
