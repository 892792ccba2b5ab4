#pragma once

#include "outside/dom/xmlelement.h"

#include <QString>
#include <vector>

/// The table cells Format > Cell Margins acts on for a selection: the cell
/// selected or holding the selection, every cell of a selected row, or every
/// cell of a selected table (or of its header, body or footer).
class CellMarginsTarget
{
public:
    enum class Kind { None, Cell, Row, Table };

    explicit CellMarginsTarget(const Xml::Element& selected);

    Kind kind() const { return m_kind; }
    /// The selected row or table, or the cell itself.
    Xml::Element container() const { return m_container; }
    /// The cells in document order.
    std::vector<Xml::Element> cells() const;
    /// What the command will set, for its status tip; or why it cannot run.
    QString description() const;

    /// The cells of `container` in document order.
    static std::vector<Xml::Element> cellsOf(const Xml::Element& container);

private:
    Kind m_kind = Kind::None;
    Xml::Element m_container;
};
