// The sample tree as a user and a host meet it: items appear when opened,
// filters keep what matches, edits change the document, drags carry the node.
#include "modalanswerer.h"
#include "outside/dom/xmldomparser.h"
#include "testregistry.h"
#include "xml/widgets/editdatasourcenodedlg.h"
#include "xml/widgets/xmltreectrl.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const char* const invoice = "<invoice number=\"7\">\n"
                            "  <line id=\"1\"><sku>A-1</sku><qty>2</qty></line>\n"
                            "  <line id=\"2\"><sku>B-2</sku><qty>5</qty>\n"
                            "    note\n"
                            "  </line>\n"
                            "  <!-- not shown -->\n"
                            "</invoice>";

SmartPtr<Xml::XmlDocument> parse(const char* text)
{
    Xml::DomParser parser;
    parser.parseMemory(text);
    return parser.getDocument();
}

QStringList labels(const QTreeWidgetItem* item)
{
    QStringList list;
    for (int i = 0; i < item->childCount(); ++i) {
        list << item->child(i)->text(0);
    }
    return list;
}

QList<int> images(const QTreeWidgetItem* item)
{
    QList<int> list;
    for (int i = 0; i < item->childCount(); ++i) {
        list << item->child(i)->data(0, XmlTreeCtrl::ImageRole).toInt();
    }
    return list;
}

// Opens the items along `path` (child positions from the root) as a user would.
QTreeWidgetItem* open(XmlTreeCtrl& tree, std::initializer_list<int> path)
{
    QTreeWidgetItem* item = tree.topLevelItem(0);
    for (int row : path) {
        tree.expandItem(item);
        item = item ? item->child(row) : nullptr;
    }
    return item;
}

// Answers the next node dialog with a name and a value.
void answerNodeDialog(TestSupport::ModalAnswerer& answer, const QString& name, const QString& value,
                      QString* caption = nullptr)
{
    answer.onNext<EditDatasourceNodeDlg>([=](EditDatasourceNodeDlg* dialog) {
        if (caption) {
            *caption = dialog->windowTitle();
        }
        auto* nameEdit = dialog->control<QLineEdit>(EditDatasourceNodeDlg::IDC_NAME);
        auto* valueEdit = dialog->control<QLineEdit>(EditDatasourceNodeDlg::IDC_VALUE);
        if (nameEdit->isEnabled()) {
            nameEdit->clear();
            QTest::keyClicks(nameEdit, name);
        }
        if (valueEdit->isEnabled()) {
            valueEdit->clear();
            QTest::keyClicks(valueEdit, value);
        }
        QTest::mouseClick(dialog->control(1), Qt::LeftButton);
    });
}

// Exposes the search, which hosts reach by deriving from the tree.
class SearchableTree : public XmlTreeCtrl
{
public:
    using XmlTreeCtrl::FindTreeElement;
};

} // namespace

class TestXmlTreeCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheRootOnlyAndAddsChildrenWhenExpanded()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        tree.show();
        QCOMPARE(tree.topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree.topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("invoice"));
        QVERIFY(root->font(0).bold());
        QVERIFY(tree.isRootSelected());
        QCOMPARE(root->childCount(), 0);
        QVERIFY2(tree.model()->hasChildren(tree.model()->index(0, 0)),
                 "the root shows its expand button");

        QTest::keyClick(&tree, Qt::Key_Right); // the user opens the selected root
        QVERIFY(root->isExpanded());
        QCOMPARE(labels(root),
                 QStringList({"number", "line", "line"})); // blanks and comments stay hidden
        QCOMPARE(images(root),
                 QList<int>({XmlTreeCtrl::AttributeImage, XmlTreeCtrl::RepeatedElementImage,
                             XmlTreeCtrl::RepeatedElementImage}));
        QTreeWidgetItem* second = open(tree, {2});
        tree.expandItem(second);
        QCOMPARE(labels(second).mid(0, 3), QStringList({"id", "sku", "qty"}));
        QCOMPARE(labels(second).value(3).trimmed(), QStringLiteral("note"));
        QCOMPARE(images(second), QList<int>({XmlTreeCtrl::AttributeImage, XmlTreeCtrl::ElementImage,
                                             XmlTreeCtrl::ElementImage, XmlTreeCtrl::TextImage}));
        // The collapsed first line previews its attribute.
        QCOMPARE(root->child(1)->data(0, XmlTreeCtrl::PreviewRole).toString(),
                 QStringLiteral(" id=1"));
        QCOMPARE(second->child(1)->data(0, XmlTreeCtrl::PreviewRole).toString(),
                 QStringLiteral(" B-2"));
    }

    void rootWithOnlyBlankTextHasNoExpandButton()
    {
        XmlTreeCtrl tree;
        tree.setData(parse("<root>\n   \t\n</root>"));
        QVERIFY(!tree.model()->hasChildren(tree.model()->index(0, 0)));
    }

    void xpathOfTheSelectionGoesToTheClipboard_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<QString>("xpath");
        QTest::newRow("attribute of the second line") << QList<int>{2, 0} << u"/invoice/line/@id"_s;
        QTest::newRow("text") << QList<int>{2, 3} << u"/invoice/line/text()"_s;
        QTest::newRow("root") << QList<int>{} << u"/invoice"_s;
    }

    void xpathOfTheSelectionGoesToTheClipboard()
    {
        QFETCH(QList<int>, path);
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        QTreeWidgetItem* item = tree.topLevelItem(0);
        for (int row : path) {
            tree.expandItem(item);
            item = item->child(row);
        }
        tree.setCurrentItem(item);
        tree.copyXPathToClipboard();
        QFETCH(QString, xpath);
        QCOMPARE(QGuiApplication::clipboard()->text(), xpath);
    }

    void repeatedChildrenMakeOneColumnOfTheRepeatingTable_data()
    {
        QTest::addColumn<QString>("sample");
        // clang-format off
        QTest::newRow("compact") << u"<order no=\"1\"><item>a</item><sku>K</sku><item>b</item>total</order>"_s;
        QTest::newRow("indented: blanks make no column") << u"<order no=\"1\">\n  <item>a</item>\n  <sku>K</sku>\n  <item>b</item>total</order>"_s;
        // clang-format on
    }
    void repeatedChildrenMakeOneColumnOfTheRepeatingTable()
    {
        QFETCH(QString, sample);
        XmlTreeCtrl tree;
        tree.setData(parse(sample.toUtf8().constData()));
        QTreeWidgetItem* root = open(tree, {});
        tree.expandItem(root);
        QCOMPARE(images(root),
                 QList<int>({XmlTreeCtrl::AttributeImage, XmlTreeCtrl::RepeatedElementImage,
                             XmlTreeCtrl::ElementImage, XmlTreeCtrl::RepeatedElementImage,
                             XmlTreeCtrl::TextImage}));
        const Xml::Element order(XmlTreeCtrl::getItemNode(root));
        const QString cell =
            QStringLiteral("<fo:table-cell border=\"1pt solid "
                           "black\">\n<fo:block>%1</fo:block>\n</fo:table-cell>\n");
        const QString expected =
            QStringLiteral("<fo:table width=\"100%\" table-layout=\"fixed\">\n") +
            QStringLiteral("<fo:table-column/>\n").repeated(4) +
            QStringLiteral("<fo:table-header>\n<fo:table-row>\n") + cell.arg("No") +
            cell.arg("Item") + cell.arg("Sku") + cell.arg("Text") +
            QStringLiteral("</fo:table-row>\n</fo:table-header>\n") +
            QStringLiteral("<fo:table-body>\n<kmb:table-row-repeat xpath=\"/orders/order\">\n") +
            cell.arg("<kmb:field xpath=\"@no\"/>\n") + cell.arg("&#x00A0;") +
            cell.arg("<kmb:field xpath=\"sku\"/>") + cell.arg("<kmb:field xpath=\"text()\"/>") +
            QStringLiteral("</kmb:table-row-repeat>\n</fo:table-body>\n</fo:table>");
        QCOMPARE(XmlTreeCtrl::getRepeatingTableXml(order, "/orders/order").toQString(), expected);
    }

    void filterKeepsMatchesWithTheirAncestorsOpened()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        tree.show();
        tree.filterTree("B-");
        QCOMPARE(tree.getFilterText().toQString(), QStringLiteral("b-"));
        QTreeWidgetItem* root = tree.topLevelItem(0);
        QVERIFY(root && root->isExpanded());
        QVERIFY2(root->isSelected() && tree.isRootSelected(), "the selection stays where it was");
        QCOMPARE(labels(root), QStringList({"line"}));
        QTreeWidgetItem* line = root->child(0);
        QVERIFY(line->isExpanded());
        QCOMPARE(labels(line), QStringList({"sku"}));
        QCOMPARE(labels(line->child(0)), QStringList({"B-2"}));
        QCOMPARE(
            XmlTreeCtrl::getXPath(XmlTreeCtrl::getItemNode(line->child(0)->child(0))).toQString(),
            QStringLiteral("/invoice/line/sku/text()"));

        // A second filter narrows what the first left.
        tree.filterTree("qty");
        QCOMPARE(tree.topLevelItemCount(), 0);
        tree.refresh();
        QCOMPARE(tree.topLevelItemCount(), 1);
        QCOMPARE(tree.getFilterText().toQString(), QStringLiteral("qty"));
        tree.expandItem(tree.topLevelItem(0));
        QCOMPARE(tree.topLevelItem(0)->childCount(), 3);
    }

    void groupsLeftClosedByABigFilterOpenFilteredByEveryText_data()
    {
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("children");
        // clang-format off
        QTest::newRow("too many items: the last group stays closed") << QStringList{"a"} << true << u"a=1;ax=100"_s;
        QTest::newRow("a second filter makes it with both texts") << QStringList{"a", "x"} << false << u"ax=100"_s;
        // clang-format on
    }
    void groupsLeftClosedByABigFilterOpenFilteredByEveryText()
    {
        QFETCH(QStringList, filters);
        QFETCH(bool, closed);
        QFETCH(QString, children);
        // More matching items than a filter makes at once.
        const QByteArray group = "<g>" + QByteArray("<ax/>").repeated(100) + "<a/><x/><b/></g>";
        XmlTreeCtrl tree;
        tree.setData(parse(("<r>" + group.repeated(1100) + "</r>").constData()));
        for (const QString& text : filters) {
            tree.filterTree(text);
            tree.finishPendingItems(); // the user waits for each filter
        }
        QTreeWidgetItem* root = tree.topLevelItem(0);
        QTreeWidgetItem* last = root->child(root->childCount() - 1);
        QCOMPARE(last->childCount() == 0, closed);
        tree.expandItem(last);
        QMap<QString, int> counts;
        for (const QString& label : labels(last)) {
            ++counts[label];
        }
        QStringList summary;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            summary << it.key() + u'=' + QString::number(it.value());
        }
        QCOMPARE(summary.join(u';'), children);
    }

    void bigElementsGetTheirChildrenInBatches_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("children");
        QTest::addColumn<bool>("selects");
        // clang-format off
        QTest::newRow("the event loop makes the rest") << u"wait"_s << 6001 << false;
        QTest::newRow("the remembered selection is found") << u"restore"_s << 6001 << true;
        QTest::newRow("find reaches the last child") << u"find"_s << 6001 << true;
        QTest::newRow("a filter finds it among those not made") << u"filter"_s << 1 << false;
        // clang-format on
    }
    void bigElementsGetTheirChildrenInBatches()
    {
        QFETCH(QString, step);
        QFETCH(int, children);
        QFETCH(bool, selects);
        constexpr int all = 6001;
        const QByteArray text = "<r>" + QByteArray("<c/>").repeated(all - 1) + "<last/></r>";
        SearchableTree tree;
        tree.setData(parse(text.constData()));
        const Xml::Node last = tree.getDocument()->getRootNode().find("last").front();
        QTreeWidgetItem* root = tree.topLevelItem(0);
        tree.expandItem(root);
        QVERIFY2(tree.hasPendingItems() && root->childCount() < all, "every child made at once");
        if (step == u"restore") {
            tree.finishPendingItems();
            tree.setCurrentItem(root->child(root->childCount() - 1));
            tree.saveSelectionStack();
            tree.refresh();
            tree.restoreSelectionFromStack();
        } else if (step == u"find") {
            QVERIFY(tree.FindTreeElement("last", true, false, true));
        } else if (step == u"filter") {
            tree.filterTree("last");
        }
        for (int i = 0; i < all && tree.hasPendingItems(); ++i) {
            QCoreApplication::processEvents(); // the rest comes from the event loop
        }
        root = tree.topLevelItem(0);
        QCOMPARE(root->childCount(), children);
        const int row = children - 1;
        QCOMPARE(XmlTreeCtrl::getItemNode(root->child(row)), last);
        if (selects) {
            QCOMPARE(tree.getSelectedNode(), last);
        }
        const QModelIndex index = tree.model()->index(row, 0, tree.model()->index(0, 0));
        std::unique_ptr<QMimeData> mime(tree.model()->mimeData({index}));
        QCOMPARE(XmlTreeCtrl::getDraggedNode(mime.get()), last);
    }

    void filterMatchingNothingDeletesEveryItem()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        // Items already made are filtered as well, the selected one among them.
        tree.setCurrentItem(open(tree, {1, 1}));
        tree.filterTree("nowhere");
        QCOMPARE(tree.topLevelItemCount(), 0);
        tree.refresh();
        QCOMPARE(tree.topLevelItemCount(), 1);
    }

    void editNodeRenamesAndChangesTheText()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        tree.show();
        QSignalSpy modified(&tree, &XmlTreeCtrl::xmlModified);
        QTreeWidgetItem* sku = open(tree, {2, 1});
        tree.expandItem(sku);
        tree.setCurrentItem(sku);
        TestSupport::ModalAnswerer answer;
        QString caption;
        answerNodeDialog(answer, "code", "C-3", &caption);
        tree.editNode();
        QVERIFY(answer.handled());
        QCOMPARE(caption, QStringLiteral("Edit Element"));
        QCOMPARE(sku->text(0), QStringLiteral("code"));
        QCOMPARE(labels(sku), QStringList({"C-3"}));
        QCOMPARE(modified.count(), 1);
        QVERIFY(tree.isXmlModified());
        const Xml::Element root = tree.getDocument()->getRootNode();
        QCOMPARE(root.find("line[2]/code")[0].get_content().toQString(), QStringLiteral("C-3"));

        QTemporaryDir dir;
        const QString path = dir.filePath("sample.xml");
        tree.saveXml(path);
        QVERIFY(!tree.isXmlModified());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("<code>C-3</code>"));
    }

    void renamingInPlaceRenamesTheNode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::newRow("valid name") << u"code"_s << u"code"_s;
        QTest::newRow("refused name keeps the label") << u"1 code"_s << u"sku"_s;
    }

    void renamingInPlaceRenamesTheNode()
    {
        QFETCH(QString, typed);
        QFETCH(QString, label);
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QTreeWidgetItem* sku = open(tree, {1, 1});
        tree.setCurrentItem(sku);
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_F2);
        auto* editor = tree.viewport()->findChild<QLineEdit*>();
        QVERIFY2(editor, "no in-place editor opened");
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!tree.isPersistentEditorOpen(tree.currentIndex())); // the view commits later
        QCOMPARE(sku->text(0), label);
        QCOMPARE(XmlTreeCtrl::getItemNode(sku).get_name().toQString(), label);
        QCOMPARE(tree.isXmlModified(), typed == label);
    }

    void insertElementAddsAndSelectsTheChild()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        tree.show();
        QTreeWidgetItem* line = open(tree, {1}); // the first line, never opened
        tree.setCurrentItem(line);
        TestSupport::ModalAnswerer answer;
        answerNodeDialog(answer, "price", QString());
        tree.insertElement();
        QVERIFY(answer.handled());
        QVERIFY(line->isExpanded());
        QCOMPARE(labels(line), QStringList({"id", "sku", "qty", "price"}));
        QCOMPARE(tree.currentItem(), line->child(3));
        QCOMPARE(XmlTreeCtrl::getXPath(tree.getSelectedNode()).toQString(),
                 QStringLiteral("/invoice/line/price"));

        // The attribute goes after the attributes, and deleting takes it out again.
        answerNodeDialog(answer, "currency", "EUR");
        tree.setCurrentItem(line);
        tree.insertAttribute();
        QVERIFY(answer.handled());
        QCOMPARE(labels(line).mid(0, 2), QStringList({"id", "currency"}));
        QCOMPARE(Xml::Element(XmlTreeCtrl::getItemNode(line))
                     .get_attribute_value("currency")
                     .toQString(),
                 QStringLiteral("EUR"));
        tree.setCurrentItem(line->child(1));
        tree.deleteNode();
        QCOMPARE(labels(line), QStringList({"id", "sku", "qty", "price"}));
        QVERIFY(Xml::Element(XmlTreeCtrl::getItemNode(line)).get_attribute("currency").isNull());
    }

    void selectionComesBackAfterRefresh()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        QTreeWidgetItem* qty = open(tree, {2, 2});
        tree.setCurrentItem(qty);
        const Xml::Node node = tree.getSelectedNode();
        tree.saveSelectionStack();
        tree.refresh();
        QVERIFY(tree.isRootSelected());
        tree.restoreSelectionFromStack();
        QCOMPARE(tree.getSelectedNode(), node);
        QCOMPARE(XmlTreeCtrl::getXPath(tree.getSelectedNode()).toQString(),
                 QStringLiteral("/invoice/line/qty"));
        QVERIFY(tree.currentItem()->parent()->isExpanded());
    }

    void dragCarriesTheNodeForThisProcessOnly()
    {
        XmlTreeCtrl tree;
        tree.setData(parse(invoice));
        QTreeWidgetItem* id = open(tree, {2, 0});
        const QModelIndex index =
            tree.model()->index(0, 0, tree.model()->index(2, 0, tree.model()->index(0, 0)));
        QCOMPARE(index.data().toString(), id->text(0));
        std::unique_ptr<QMimeData> mime(tree.model()->mimeData({index}));
        QVERIFY(mime);
        const QByteArray block = mime->data(QStringLiteral("VarnelXmlTreeCtrlDragDrop"));
        QCOMPARE(block.size(), 16);
        quint32 pid = 0;
        std::memcpy(&pid, block.constData(), 4);
        QCOMPARE(pid, quint32(QCoreApplication::applicationPid()));
        QVERIFY(XmlTreeCtrl::isOwnDragData(mime.get()));
        QCOMPARE(XmlTreeCtrl::getDraggedNode(mime.get()), XmlTreeCtrl::getItemNode(id));

        QByteArray foreign = block;
        const quint32 other = pid + 1;
        std::memcpy(foreign.data(), &other, 4);
        QMimeData fromElsewhere;
        fromElsewhere.setData(XmlTreeCtrl::getClipboardFormat(), foreign);
        QVERIFY(!XmlTreeCtrl::isOwnDragData(&fromElsewhere));
        QVERIFY(XmlTreeCtrl::getDraggedNode(&fromElsewhere).isNull());

        // An item without a node gives nothing to drag.
        tree.topLevelItem(0)->addChild(new QTreeWidgetItem(QStringList{"foreign"}));
        const QModelIndex last = tree.model()->index(tree.topLevelItem(0)->childCount() - 1, 0,
                                                     tree.model()->index(0, 0));
        QCOMPARE(tree.model()->mimeData({last}), nullptr);
    }

    void annotatedSamplesHideTheirAnnotations()
    {
        XmlTreeCtrl tree;
        tree.setData(parse("<doc xmlns:km=\"http://www.varnel.com/km/1.0\">\n"
                           "  <party km:ref-type=\"Party\" kind=\"x\"><name/></party>\n"
                           "  <amount km:meta-type=\"decimal\">12</amount>\n"
                           "  <row km:repeated-element=\"true\" n=\"1\"/>\n"
                           "</doc>"),
                     XmlTreeCtrl::Annotated);
        QTreeWidgetItem* root = open(tree, {});
        tree.expandItem(root);
        QCOMPARE(labels(root), QStringList({"party", "amount", "row"}));
        QCOMPARE(images(root),
                 QList<int>({XmlTreeCtrl::ReferenceElementImage, XmlTreeCtrl::ElementImage,
                             XmlTreeCtrl::RepeatedElementImage}));
        const QModelIndex rootIndex = tree.model()->index(0, 0);
        QVERIFY(!tree.model()->hasChildren(
            tree.model()->index(1, 0, rootIndex))); // the value is the preview
        tree.expandItem(root->child(0));
        QCOMPARE(labels(root->child(0)),
                 QStringList({"name"})); // a typed element shows no attributes
        QCOMPARE(root->child(2)->data(0, XmlTreeCtrl::PreviewRole).toString(),
                 QStringLiteral(" n"));
    }

    void findOpensItemsAndWrapsAround()
    {
        SearchableTree tree;
        tree.setData(parse(invoice));
        QVERIFY(tree.FindTreeElement("qty", true, false, false));
        QCOMPARE(XmlTreeCtrl::getXPath(tree.getSelectedNode()).toQString(),
                 QStringLiteral("/invoice/line/qty"));
        const Xml::Node first = tree.getSelectedNode();
        QVERIFY(tree.FindTreeElement("QTY", true, false, false));
        QVERIFY(tree.getSelectedNode() != first);
        QVERIFY(tree.FindTreeElement("qty", true, false, false)); // wraps to the first again
        QCOMPARE(tree.getSelectedNode(), first);
        QVERIFY(!tree.FindTreeElement("QTY", false, true, false));
        QVERIFY(!tree.FindTreeElement("qt", true, false, true));
    }
};

UIEDITOR_TEST_CLASS(TestXmlTreeCtrl)
#include "tst_xmltreectrl.moc"
