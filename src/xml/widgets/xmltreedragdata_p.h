#pragma once

#include "outside/dom/xmlnode.h"

#include <QByteArray>
#include <QString>

class QMimeData;

/// What a drag from the XML tree carries under its own format: the id of the
/// process, four bytes left alone, then the address of the dragged node. The
/// address is only compared, never followed, so that a drop from another
/// process or a stale drag cannot reach a node.
class XmlTreeDragData
{
public:
    /// The format the block travels under.
    static QString format();
    /// The block for `node`, dragged from this process.
    static QByteArray encode(const Xml::Node& node);
    /// Whether `data` holds a block that this process made.
    static bool isOwn(const QMimeData* data);
    /// The node address of an own block; 0 for any other data.
    static quint64 nodeAddress(const QMimeData* data);

private:
    static constexpr qsizetype blockSize = 16;
};
