// The insert-table dialog as an author fills it in: predefined formats
// stretched to any size keep every style of the format's first, middle and
// last cells; custom tables carry what was typed; the preview follows.
#include "controls/colorctrl.h"
#include "controls/spinbuttonctrl.h"
#include "controls/staticpreview.h"
#include "css/designertemplates.h"
#include "dialogdriver.h"
#include "dialogs/table/inserttabledlg.h"
#include "dialogs/table/predefinedtablespage.h"
#include "dialogs/table/tableformatexpander.h"
#include "dialogs/table/tablepreviewstack.h"
#include "frame/win32constants.h"
#include "outside/core/coretextreader.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using TestSupport::pickEntry;
using TestSupport::typeText;

namespace {

struct Element
{
    QString name;
    QMap<QString, QString> attributes;
    QList<Element> children;
    QString text;

    QList<Element> all(const QString& wanted) const
    {
        QList<Element> found;
        for (const Element& child : children) {
            if (child.name == wanted) {
                found << child;
            }
        }
        return found;
    }
};

Element readElement(QXmlStreamReader& xml)
{
    Element element{xml.qualifiedName().toString(), {}, {}, {}};
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        element.attributes.insert(attribute.qualifiedName().toString(), attribute.value().toString());
    }
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.hasError()) {
        if (xml.isStartElement()) {
            element.children << readElement(xml);
        } else if (xml.isCharacters()) {
            element.text += xml.text();
        }
    }
    return element;
}

// The first element of a fragment that uses the fo: prefix; the name says
// what went wrong when it is no well-formed XML.
Element parse(const QString& fragment)
{
    QXmlStreamReader xml(u"<w xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">"_s + fragment + u"</w>"_s);
    xml.readNextStartElement();
    xml.readNextStartElement();
    const Element element = readElement(xml);
    return xml.hasError() ? Element{u"error: "_s + xml.errorString(), {}, {}, {}} : element;
}

QString formatResource(const QString& displayName)
{
    for (const DesignerTemplate& format : GetDesignerTemplates()) {
        if (format.first.toQString() == displayName) {
            return format.second.toQString();
        }
    }
    return {};
}

Element templateTable(const QString& resource)
{
    Core::IO::TextReader reader(GetTemplateContent(resource), Core::IO::TextEncoding::Utf8);
    return parse(TableFormatExpander::tableOf(reader.readToEnd().toQString()));
}

void setChecked(QAbstractButton* button, bool checked)
{
    if (button->isChecked() != checked) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
}

QString previewTexts(InsertTableDlg& dialog)
{
    QStringList texts;
    for (const ViewLayoutBox& box : dialog.page()->preview()->currentPreview()->getViewEngine().getPageBoxes(0)) {
        if (box.kind == ViewLayoutBox::Kind::Text) {
            texts << box.text.toQString();
        }
    }
    return texts.join(u' ');
}

// A dialog whose predefined format is the text a test gives.
class FormatFromText : public InsertTableDlg
{
public:
    explicit FormatFromText(QString text) : m_text(std::move(text)) { setTemplateName("given.fo"); }
    Core::String getTemplateContent() override { return m_text; }

private:
    QString m_text;
};

} // namespace

class TestInsertTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void predefinedFormatIsStretched_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("footer");
        // clang-format off
        QTest::newRow("one column uses the first cell") << u"Classic Blue"_s << 2 << 1 << true << false;
        QTest::newRow("two columns: first and last") << u"Forest Green"_s << 1 << 2 << false << true;
        QTest::newRow("middle cells repeat") << u"Sunset Orange"_s << 4 << 6 << true << true;
        QTest::newRow("body only") << u"Graphite Grid"_s << 3 << 3 << false << false;
        QTest::newRow("largest") << u"Crimson Report"_s << 100 << 20 << true << true;
        QTest::newRow("seven columns") << u"Royal Purple"_s << 5 << 7 << true << false;
        // clang-format on
    }
    void predefinedFormatIsStretched()
    {
        QFETCH(QString, format);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(bool, header);
        QFETCH(bool, footer);
        InsertTableDlg dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        pickEntry(dialog.page()->formatList(), format);
        typeText(dialog.control<QLineEdit>(InsertTableDlg::IDC_ROWS), QString::number(rows));
        typeText(dialog.control<QLineEdit>(InsertTableDlg::IDC_COLUMNS), QString::number(columns));
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_HEADER), header);
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_FOOTER), footer);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const Element table = parse(dialog.getTableXml(false).toQString());
        const Element model = templateTable(formatResource(format));
        QCOMPARE(table.name, u"fo:table"_s);
        for (auto it = model.attributes.cbegin(); it != model.attributes.cend(); ++it) {
            QCOMPARE(table.attributes.value(it.key()), it.value());
        }
        for (const QString& name : {u"width"_s, u"border-collapse"_s, u"table-layout"_s}) {
            QVERIFY(table.attributes.contains(name));
        }
        const QList<Element> tableColumns = table.all(u"fo:table-column"_s);
        QCOMPARE(tableColumns.size(), columns);
        for (int n = 0; n < columns; ++n) {
            QCOMPARE(tableColumns[n].attributes.value(u"column-number"_s), QString::number(n + 1));
            const QString width = tableColumns[n].attributes.value(u"column-width"_s);
            QVERIFY2(qAbs(width.section(u'(', 1).chopped(1).toDouble() - 100.0 / columns) < 0.001, qPrintable(width));
        }
        QStringList sections;
        for (const Element& child : table.children) {
            if (child.name != u"fo:table-column"_s) {
                sections << child.name.mid(9);
            }
        }
        QStringList expected;
        if (header) {
            expected << u"header"_s;
        }
        if (footer) {
            expected << u"footer"_s;
        }
        QCOMPARE(sections, expected << u"body"_s);
        for (const QString& section : std::as_const(sections)) {
            const Element modelRow = model.all(u"fo:table-"_s + section).first().children.first();
            const QList<Element> madeRows = table.all(u"fo:table-"_s + section).first().children;
            QCOMPARE(madeRows.size(), section == u"body"_s ? rows : 1);
            for (const Element& row : madeRows) {
                QCOMPARE(row.attributes, modelRow.attributes);
                QCOMPARE(row.children.size(), columns);
                for (int column = 0; column < columns; ++column) {
                    const int from = column == 0 ? 0 : column == columns - 1 ? 2 : 1;
                    QCOMPARE(row.children[column].attributes, modelRow.children[from].attributes);
                    QCOMPARE(row.children[column].all(u"fo:block"_s).first().text, QString(QChar(0xA0)));
                }
            }
        }
    }

    void everyFormatAtTheRangeEndsIsValidFo()
    {
        const std::vector<DesignerTemplate> formats = GetDesignerTemplates();
        QCOMPARE(int(formats.size()), 8);
        for (const DesignerTemplate& format : formats) {
            Core::IO::TextReader reader(GetTemplateContent(format.second), Core::IO::TextEncoding::Utf8);
            const Core::String text = reader.readToEnd();
            for (const QSize size : {QSize(1, 1), QSize(20, 1), QSize(1, 100), QSize(20, 100)}) {
                const Core::String markup =
                    TableFormatExpander::expand(text, {size.height(), size.width(), true, true, false}, format.first);
                const QString where = format.first.toQString() + u" %1x%2"_s.arg(size.height()).arg(size.width());
                QVERIFY2(parse(markup.toQString()).name == u"fo:table"_s, qPrintable(where));
                ViewEngine engine;
                engine.loadBuffer(StaticPreview::wrapFragment(markup));
                QVERIFY2(engine.getStatus() != ViewEngine::StatusError, qPrintable(where + engine.getLastError().toQString()));
                QVERIFY2(engine.hasPage(0), qPrintable(where));
            }
        }
    }

    void customTableCarriesTheSettings_data()
    {
        QTest::addColumn<bool>("collapse");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("padding");
        QTest::addColumn<QString>("horizontal");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("cellBorder"); // width, style, colour as written; "" without borders
        // clang-format off
        QTest::newRow("defaults, middle as opened") << true << true << u""_s << u""_s << u""_s << u""_s << u""_s << u""_s << u"1pt solid rgb(0,0,0)"_s;
        QTest::newRow("typed") << true << true << u"2.5"_s << u"dashed"_s << u"navy"_s << u"4"_s << u"right"_s << u"bottom"_s << u"2.5pt dashed navy"_s;
        QTest::newRow("separate, odd colour") << false << true << u"0"_s << u"double"_s << u"a\"<b"_s << u"0.5"_s << u"justify"_s << u"top"_s << u"0pt double a\"<b"_s;
        QTest::newRow("no borders") << true << false << u""_s << u""_s << u"#ff0000"_s << u"20"_s << u"center"_s << u"middle"_s << u""_s;
        // clang-format on
    }
    void customTableCarriesTheSettings()
    {
        QFETCH(bool, collapse);
        QFETCH(bool, borders);
        QFETCH(QString, width);
        QFETCH(QString, style);
        QFETCH(QString, color);
        QFETCH(QString, padding);
        QFETCH(QString, horizontal);
        QFETCH(QString, vertical);
        QFETCH(QString, cellBorder);
        InsertTableDlg dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.control(InsertTableDlg::IDC_CUSTOM), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!dialog.page()->isVisible());
        const auto type = [&dialog](int id, const QString& text) {
            if (!text.isEmpty()) {
                typeText(dialog.control<QLineEdit>(id), text);
            }
        };
        const auto pick = [&dialog](int id, const QString& text) {
            if (!text.isEmpty()) {
                pickEntry(dialog.control<QComboBox>(id), text);
            }
        };
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_COLLAPSE), collapse);
        type(InsertTableDlg::IDC_WIDTH, width);
        pick(InsertTableDlg::IDC_STYLE, style);
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_HAS_BORDERS), borders);
        for (int id : {InsertTableDlg::IDC_COLLAPSE, InsertTableDlg::IDC_WIDTH, InsertTableDlg::IDC_STYLE}) {
            QCOMPARE(dialog.control(id)->isEnabled(), borders);
        }
        type(InsertTableDlg::IDC_COLOR, color);
        type(InsertTableDlg::IDC_PADDING, padding);
        pick(InsertTableDlg::IDC_HORIZONTAL_ALIGN, horizontal);
        pick(InsertTableDlg::IDC_VERTICAL_ALIGN, vertical);
        typeText(dialog.control<QLineEdit>(InsertTableDlg::IDC_ROWS), u"2"_s);
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_FOOTER), true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const Element table = parse(dialog.getTableXml(false).toQString());
        QCOMPARE(table.attributes.value(u"border-collapse"_s), collapse ? u"collapse"_s : u"separate"_s);
        QCOMPARE(table.all(u"fo:table-column"_s).size(), 3);
        QCOMPARE(table.children.last().name, u"fo:table-footer"_s);
        QCOMPARE(table.all(u"fo:table-body"_s).first().children.size(), 2);
        for (const QString& section : {u"fo:table-header"_s, u"fo:table-body"_s, u"fo:table-footer"_s}) {
            const QList<Element> rows = table.all(section).first().children; // the list `all` makes is temporary
            for (const Element& row : rows) {
                QCOMPARE(row.attributes.value(u"display-align"_s), vertical.isEmpty() ? u"middle"_s : vertical);
                QCOMPARE(row.children.size(), 3);
                for (const Element& cell : row.children) {
                    const QStringList border{cell.attributes.value(u"border-width"_s),
                                             cell.attributes.value(u"border-style"_s),
                                             cell.attributes.value(u"border-color"_s)};
                    QCOMPARE(border.join(u' ').trimmed(), cellBorder);
                    QCOMPARE(cell.attributes.value(u"padding"_s), (padding.isEmpty() ? u"2"_s : padding) + u"pt"_s);
                    QCOMPARE(cell.attributes.value(u"text-align"_s), horizontal.isEmpty() ? u"left"_s : horizontal);
                }
            }
        }
    }

    void arrowsStepWithinTheirLimits_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("arrowsId");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("steps"); // > 0 up, < 0 down
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("rows stop at 100") << int(InsertTableDlg::IDC_ROWS) << int(InsertTableDlg::IDC_ROWS_SPIN) << u"98"_s << 3 << u"100"_s;
        QTest::newRow("columns stop at 20") << int(InsertTableDlg::IDC_COLUMNS) << int(InsertTableDlg::IDC_COLUMNS_SPIN) << u"19"_s << 2 << u"20"_s;
        QTest::newRow("columns stop at 0") << int(InsertTableDlg::IDC_COLUMNS) << int(InsertTableDlg::IDC_COLUMNS_SPIN) << u"1"_s << -3 << u"0"_s;
        QTest::newRow("width is rounded, then stepped") << int(InsertTableDlg::IDC_WIDTH) << int(InsertTableDlg::IDC_WIDTH_SPIN) << u"1.04"_s << 1 << u"1.1"_s;
        QTest::newRow("padding stops at 0") << int(InsertTableDlg::IDC_PADDING) << int(InsertTableDlg::IDC_PADDING_SPIN) << u"0.05"_s << -2 << u"0"_s;
        QTest::newRow("width has no upper bound") << int(InsertTableDlg::IDC_WIDTH) << int(InsertTableDlg::IDC_WIDTH_SPIN) << u"19.95"_s << 2 << u"20.2"_s;
        // clang-format on
    }
    void arrowsStepWithinTheirLimits()
    {
        QFETCH(int, id);
        QFETCH(int, arrowsId);
        QFETCH(QString, start);
        QFETCH(int, steps);
        QFETCH(QString, shown);
        InsertTableDlg dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.control(InsertTableDlg::IDC_CUSTOM), Qt::LeftButton, {}, QPoint(4, 4));
        auto* edit = dialog.control<QLineEdit>(id);
        typeText(edit, start);
        auto* arrows = qobject_cast<SpinButtonCtrl*>(dialog.control(arrowsId));
        QVERIFY2(arrows, "no arrows beside the field");
        for (int i = 0; i < qAbs(steps); ++i) {
            const QRect arrow = steps > 0 ? arrows->upButtonRect() : arrows->downButtonRect();
            QTest::mouseClick(arrows, Qt::LeftButton, {}, arrow.center());
        }
        QCOMPARE(edit->text(), shown);
    }

    void okRefusesNumbersOutOfRange_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("no rows") << int(InsertTableDlg::IDC_ROWS) << u"0"_s << u"Please enter an integer between 1 and 100."_s;
        QTest::newRow("too many columns") << int(InsertTableDlg::IDC_COLUMNS) << u"21"_s << u"Please enter an integer between 1 and 20."_s;
        QTest::newRow("rows not a number") << int(InsertTableDlg::IDC_ROWS) << u"x"_s << u"Please enter an integer."_s;
        QTest::newRow("width too large") << int(InsertTableDlg::IDC_WIDTH) << u"20.5"_s << u"Please enter a number between 0 and 20."_s;
        QTest::newRow("padding not a number") << int(InsertTableDlg::IDC_PADDING) << u"1,5"_s << u"Please enter a number."_s;
        // clang-format on
    }
    void okRefusesNumbersOutOfRange()
    {
        QFETCH(int, id);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TestSupport::RecordingMessageBoxFactory messages;
        InsertTableDlg dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.control(InsertTableDlg::IDC_CUSTOM), Qt::LeftButton, {}, QPoint(4, 4));
        typeText(dialog.control<QLineEdit>(id), typed);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, message);
        QCOMPARE(dialog.focusWidget(), dialog.control(id));
    }

    void previewFollowsFormatAndSections()
    {
        InsertTableDlg dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(previewTexts(dialog).contains(u"Heading 1"_s));
        QVERIFY(previewTexts(dialog).contains(u"Item 9"_s));
        QVERIFY(!previewTexts(dialog).contains(u"Footer 3"_s));
        StaticPreview* first = dialog.page()->preview()->currentPreview();

        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_FOOTER), true);
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_HEADER), false);
        QVERIFY(previewTexts(dialog).contains(u"Footer 3"_s));
        QVERIFY(!previewTexts(dialog).contains(u"Heading 1"_s));

        // Each format is laid out once; coming back shows the same layout.
        QComboBox* formats = dialog.page()->formatList();
        for (int i = 1; i < formats->count(); ++i) {
            pickEntry(formats, formats->itemText(i));
        }
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_FOOTER), false);
        setChecked(dialog.control<QCheckBox>(InsertTableDlg::IDC_HEADER), true);
        const int laidOut = dialog.page()->preview()->cachedCount();
        pickEntry(formats, formats->itemText(0));
        QCOMPARE(dialog.page()->preview()->currentPreview(), first);
        QCOMPARE(dialog.page()->preview()->cachedCount(), laidOut);
    }

    void brokenOrMissingFormatIsReported_data()
    {
        QTest::addColumn<QString>("content"); // "" : a resource that does not exist
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("missing") << u""_s << u"The resource \"nosuch.fo\" (Templates) is not part of the library."_s;
        QTest::newRow("no table") << u"<fo:block/>"_s << u"The table format \"given.fo\" holds no table."_s;
        QTest::newRow("no body") << u"<fo:table><fo:table-header><fo:table-row><fo:table-cell><fo:block/></fo:table-cell><fo:table-cell><fo:block/></fo:table-cell><fo:table-cell><fo:block/></fo:table-cell></fo:table-row></fo:table-header></fo:table>"_s << u"The table format \"given.fo\" cannot be used: its body section does not start with a row of three cells."_s;
        QTest::newRow("two cells borrow none") << u"<fo:table><fo:table-header><fo:table-row><fo:table-cell><fo:block/></fo:table-cell><fo:table-cell><fo:block/></fo:table-cell></fo:table-row><fo:table-row><fo:table-cell><fo:block/></fo:table-cell></fo:table-row></fo:table-header></fo:table>"_s << u"The table format \"given.fo\" cannot be used: its header section does not start with a row of three cells."_s;
        // clang-format on
    }
    void brokenOrMissingFormatIsReported()
    {
        QFETCH(QString, content);
        QFETCH(QString, message);
        TestSupport::RecordingMessageBoxFactory messages;
        FormatFromText given(content);
        InsertTableDlg missing;
        missing.setTemplateName("nosuch.fo");
        InsertTableDlg& dialog = content.isEmpty() ? missing : given;
        QCOMPARE(dialog.getTableXml(false).toQString(), QString());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, message);

        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.setTemplateName(content.isEmpty() ? "nosuch.fo" : "given.fo");
        QTest::mouseClick(dialog.control(InsertTableDlg::IDC_CUSTOM), Qt::LeftButton, {}, QPoint(4, 4));
        dialog.accept();
        QCOMPARE(parse(dialog.getTableXml(false).toQString()).all(u"fo:table-column"_s).size(), 3);
    }
};

UIEDITOR_TEST_CLASS(TestInsertTable)
#include "tst_inserttable.moc"
