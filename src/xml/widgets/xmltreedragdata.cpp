#include "xml/widgets/xmltreedragdata_p.h"

#include <cstring>
#include <QCoreApplication>
#include <QMimeData>

QString XmlTreeDragData::format()
{
    static const QString name = QStringLiteral("VarnelXmlTreeCtrlDragDrop");
    return name;
}

QByteArray XmlTreeDragData::encode(const Xml::Node& node)
{
    QByteArray block(blockSize, '\0');
    const quint32 process = quint32(QCoreApplication::applicationPid());
    const quint64 address = quint64(quintptr(node.identity()));
    std::memcpy(block.data(), &process, sizeof process);
    std::memcpy(block.data() + 8, &address, sizeof address);
    return block;
}

bool XmlTreeDragData::isOwn(const QMimeData* data)
{
    if (!data || !data->hasFormat(format())) {
        return false;
    }
    const QByteArray block = data->data(format());
    if (block.size() != blockSize) {
        return false;
    }
    quint32 process = 0;
    std::memcpy(&process, block.constData(), sizeof process);
    return process == quint32(QCoreApplication::applicationPid());
}

quint64 XmlTreeDragData::nodeAddress(const QMimeData* data)
{
    if (!isOwn(data)) {
        return 0;
    }
    quint64 address = 0;
    std::memcpy(&address, data->data(format()).constData() + 8, sizeof address);
    return address;
}
