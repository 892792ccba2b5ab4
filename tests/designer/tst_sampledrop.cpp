// Dragging a node of the sample data onto the outline inserts a field, or a
// repeating table for a repeated element, after the object it lands on.
#include "outlineview.h"
#include "outside/core/namespaces.h"
#include "sampleinvoice.h"
#include "samplepane.h"
#include "templatepreview.h"
#include "testregistry.h"
#include "xml/widgets/xmltreectrl.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

using namespace DesignerTest;

namespace {

const Xml::NamespaceMap namespaces = {{"fo", Xml::Namespaces::FO}, {"kmb", Xml::Namespaces::KMB}};

// The sample tree's item at a path of labels, opened as a user would.
QModelIndex sampleIndex(XmlTreeCtrl* tree, const QStringList& labels)
{
    QTreeWidgetItem* item = tree->topLevelItem(0);
    for (const QString& label : labels) {
        tree->expandItem(item);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i) {
            next = item->child(i)->text(0) == label ? item->child(i) : nullptr;
        }
        if (!next) {
            return {};
        }
        item = next;
    }
    const Xml::Node node = XmlTreeCtrl::getItemNode(item);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (XmlTreeCtrl::getItemNode(*it) == node) {
            tree->setCurrentItem(*it);
            return tree->currentIndex();
        }
    }
    return {};
}

// Sends the drag and the drop to the outline at the centre of `target`'s item;
// answers whether the outline took the drop.
bool dropOn(OutlineView* outline, const Xml::Element& target, QMimeData* mime)
{
    if (!outline->selectElement(target)) {
        return false;
    }
    outline->scrollToItem(outline->currentItem());
    const QPoint position = outline->visualItemRect(outline->currentItem()).center();
    QDragEnterEvent enter(position, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(outline->viewport(), &enter);
    QDragMoveEvent move(position, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(outline->viewport(), &move);
    if (!enter.isAccepted() || !move.isAccepted()) {
        return false;
    }
    QDropEvent drop(position, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(outline->viewport(), &drop);
    return drop.isAccepted();
}

} // namespace

class TestSampleDrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void droppedNodeBecomesMarkupAfterTheObject_data()
    {
        QTest::addColumn<QStringList>("node");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("inserted");
        // clang-format off
        QTest::newRow("field in a flow gets its block") << QStringList{"customer", "name"} << "//*[@id='address']" << "//*[@id='address']/following-sibling::*[1][self::fo:block]/kmb:field[@xpath='/invoice/customer/name']";
        QTest::newRow("repeated element makes a table") << QStringList{"lines", "line"} << "//*[@id='title']" << "//*[@id='title']/following-sibling::*[1][self::fo:table]/fo:table-body/kmb:table-row-repeat[@xpath='/invoice/lines/line']";
        QTest::newRow("inside a repeat the path is relative") << QStringList{"lines", "line", "sku"} << "(//kmb:table-row-repeat//fo:table-cell)[1]/fo:block" << "(//kmb:table-row-repeat//fo:table-cell)[1]/fo:block/following-sibling::fo:block/kmb:field[@xpath='@sku']";
        QTest::newRow("after a field inside a block, no block of its own") << QStringList{"totals", "gross"} << "//*[@id='payment']/kmb:field[1]" << "//*[@id='payment']/kmb:field[1]/following-sibling::*[1][self::kmb:field][@xpath='/invoice/totals/gross']";
        // clang-format on
    }

    void droppedNodeBecomesMarkupAfterTheObject()
    {
        QFETCH(QStringList, node);
        QFETCH(QString, target);
        QFETCH(QString, inserted);
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        XmlTreeCtrl* tree = window.samplePane()->tree();
        const QModelIndex index = sampleIndex(tree, node);
        QVERIFY2(index.isValid(), "sample node not found");
        std::unique_ptr<QMimeData> mime(tree->model()->mimeData({index}));
        QVERIFY(mime);

        const auto targets = window.document()->root().find(target, namespaces);
        QCOMPARE(int(targets.size()), 1);
        QVERIFY(window.document()->root().find(inserted, namespaces).empty());
        QVERIFY(dropOn(window.outline(), Xml::Element(targets.front()), mime.get()));
        QCOMPARE(int(window.document()->root().find(inserted, namespaces).size()), 1);
        QVERIFY(window.document()->isModified());
        QVERIFY(window.preview()->errorText().isEmpty());
    }

    void dragFromAnotherProcessIsRefused()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        XmlTreeCtrl* tree = window.samplePane()->tree();
        std::unique_ptr<QMimeData> mime(tree->model()->mimeData({sampleIndex(tree, {"customer"})}));
        QByteArray block = mime->data(XmlTreeCtrl::getClipboardFormat());
        block[0] = char(block[0] + 1); // another process id
        mime->setData(XmlTreeCtrl::getClipboardFormat(), block);
        const auto address = window.document()->root().find("//*[@id='address']", namespaces);
        QVERIFY(!dropOn(window.outline(), Xml::Element(address.front()), mime.get()));
        QVERIFY(!window.document()->isModified());
    }
};

UIEDITOR_TEST_CLASS(TestSampleDrop)
#include "tst_sampledrop.moc"
