#include "cellmarginstarget.h"

#include "dialogentry.h"
#include "outside/core/namespaces.h"

namespace {

bool isFo(const Xml::Element& element, const char* local)
{
    return !element.isNull() && element.get_local_name() == local &&
           element.get_namespace_uri() == Xml::Namespaces::FO;
}

void collectCells(const Xml::Element& element, std::vector<Xml::Element>& cells)
{
    for (const Xml::Element& child : element.get_child_elements()) {
        if (isFo(child, "table-cell")) {
            cells.push_back(child);
        } else if (!isFo(child, "table")) { // a nested table's cells are its own
            collectCells(child, cells);
        }
    }
}

} // namespace

CellMarginsTarget::CellMarginsTarget(const Xml::Element& selected)
{
    if (isFo(selected, "table-row")) {
        m_kind = Kind::Row;
        m_container = selected;
        return;
    }
    for (const char* table : {"table", "table-header", "table-body", "table-footer"}) {
        if (isFo(selected, table)) {
            m_kind = Kind::Table;
            m_container = selected;
            return;
        }
    }
    // A cell, or the cell that holds the selected block.
    for (Xml::Element up = selected; !up.isNull(); up = up.get_parent()) {
        if (isFo(up, "table-cell")) {
            m_kind = Kind::Cell;
            m_container = up;
            return;
        }
    }
}

std::vector<Xml::Element> CellMarginsTarget::cellsOf(const Xml::Element& container)
{
    if (isFo(container, "table-cell")) {
        return {container};
    }
    std::vector<Xml::Element> cells;
    collectCells(container, cells);
    return cells;
}

std::vector<Xml::Element> CellMarginsTarget::cells() const
{
    return m_kind == Kind::None ? std::vector<Xml::Element>() : cellsOf(m_container);
}

QString CellMarginsTarget::description() const
{
    switch (m_kind) {
    case Kind::Cell:
        return DialogCommands::tr("Sets the margins of the selected table cell.");
    case Kind::Row:
        return DialogCommands::tr("Sets the margins of every cell of the selected table row.");
    case Kind::Table:
        return DialogCommands::tr("Sets the margins of every cell of the selected table.");
    case Kind::None:
        break;
    }
    return DialogCommands::tr("Select a table cell, row or table to set its cell margins.");
}
