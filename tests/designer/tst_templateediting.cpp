// Editing a template as a person does for a day's work: every change can be
// undone to the byte, an edit touches only its own markup, dialogs act on
// the object they can act on, and every kind of value survives saving.
#include "dialogdriver.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "dialogs/format/paragrapheditdlg.h"
#include "modalanswerer.h"
#include "propertyinspector.h"
#include "sampleinvoice.h"
#include "templatepreview.h"
#include "templatesourceview.h"
#include "testregistry.h"
#include "values/editconditionalvaluesdlg.h"
#include "values/editpropertyvaluesdlg.h"
#include "values/propertyvaluesctrl.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

// Comments, an entity, a character reference, CDATA and an own layout of
// attributes: what an edit elsewhere must leave as typed.
const QByteArray handwritten =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE fo:root [ <!ENTITY co \"Varnel &amp; Co\"> ]>\n"
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:d=\"http://www.varnel.com/kmb/1.0\">\n"
    "  <!-- keep <this> comment -->\n"
    "  <fo:layout-master-set/>\n"
    "  <fo:page-sequence master-reference='p'>\n"
    "    <fo:flow flow-name=\"body\">\n"
    "      <fo:block id='a'  color='red'\n"
    "                padding=\"6pt\">&co; &#169; <![CDATA[<raw>]]></fo:block>\n"
    "      <fo:block id=\"b\"/>\n"
    "    </fo:flow>\n"
    "  </fo:page-sequence>\n"
    "</fo:root>\n";

Xml::Element byId(const SmartPtr<TemplateDocument>& document, const QString& id)
{
    const auto found = document->root().find(u"//*[@id='%1']"_s.arg(id));
    return found.empty() ? Xml::Element() : Xml::Element(found.front());
}

// The inspector field of `name` on the selected object, once the views show the last edit.
PropertyValuesCtrl* field(DesignerWindow& window, const QString& name)
{
    QCoreApplication::processEvents();
    return window.inspector()->field(name);
}

void typeInto(PropertyValuesCtrl* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Makes the value of `name` dynamic or conditional through the field's "..." button.
bool setValueThroughDialogs(DesignerWindow& window, const QString& name, const QString& kind)
{
    PropertyValuesCtrl* edit = field(window, name);
    if (!edit) {
        return false;
    }
    TestSupport::ModalAnswerer answer;
    answer.onNext<EditPropertyValuesDlg>([&kind](EditPropertyValuesDlg* dialog) {
        if (kind == "dynamic"_L1) {
            dialog->control<QRadioButton>(12202)->click();
            dialog->control<QLineEdit>(12205)->setText(u"/invoice/payment/@space"_s);
        } else {
            dialog->control<QRadioButton>(12203)->click();
            TestSupport::ModalAnswerer conditions;
            conditions.onNext<EditConditionalValuesDlg>([](EditConditionalValuesDlg* list) {
                TestSupport::ModalAnswerer condition;
                condition.onNext<XPathEditDlg>([](XPathEditDlg* editor) {
                    editor->control<QLineEdit>(11202)->setText(u"/invoice/@paid = 'yes'"_s);
                    editor->accept();
                });
                list->control<QPushButton>(11103)->click();
                QTest::keyClicks(list->control(12304)->findChild<QLineEdit*>(), u"2em"_s);
                list->accept();
            });
            dialog->control<QPushButton>(12209)->click();
        }
        dialog->accept();
    });
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->dialogButtonRect().center());
    // The field opens its dialog once the click has been handled.
    return QTest::qWaitFor([&answer] { return answer.handled(); });
}

} // namespace

class TestTemplateEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editRewritesOnlyItsStartTag_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tag");
        // clang-format off
        QTest::newRow("changed value keeps quotes and layout") << u"a"_s << u"fo:color"_s << u"blue"_s << u"<fo:block id='a'  color='blue'\n                padding=\"6pt\">"_s;
        QTest::newRow("cleared value goes with its space") << u"a"_s << u"fo:color"_s << u""_s << u"<fo:block id='a'\n                padding=\"6pt\">"_s;
        QTest::newRow("new value after the last") << u"a"_s << u"fo:space-before"_s << u"3pt"_s << u"<fo:block id='a'  color='red'\n                padding=\"6pt\" space-before=\"3pt\">"_s;
        QTest::newRow("escaped for its quote") << u"a"_s << u"fo:color"_s << u"it's \"x\" & <y>"_s << u"<fo:block id='a'  color='it&apos;s \"x\" &amp; &lt;y&gt;'\n                padding=\"6pt\">"_s;
        QTest::newRow("template's own prefix") << u"b"_s << u"kmb:note"_s << u"x"_s << u"<fo:block id=\"b\" d:note=\"x\"/>"_s;
        // clang-format on
    }

    void editRewritesOnlyItsStartTag()
    {
        QFETCH(QString, id);
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(QString, tag);
        auto document = TemplateDocument::fromText(handwritten, "handwritten.fo");
        const Xml::Element element = byId(document, id);
        document->select(element);
        PropertyCollection properties;
        properties.addProperty(EditableProperty(property, value), true);
        document->applyProperties(document->getSelectedObjectPath(), properties);

        // The old start tag is the one the scanner sees at the object's line.
        QByteArray expected = handwritten;
        const qsizetype start = expected.indexOf(id == "a"_L1 ? "<fo:block id='a'" : "<fo:block id=\"b\"");
        const qsizetype end = expected.indexOf('>', expected.indexOf(id == "a"_L1 ? "padding" : "\"b\"", start)) + 1;
        expected.replace(start, end - start, tag.toUtf8());
        QCOMPARE(document->text(), expected);
        document->undoStack()->undo();
        QCOMPARE(document->text(), handwritten);
        QVERIFY(!document->isModified());
    }

    void openedAndSavedIsTheSameFile()
    {
        SampleInvoice invoice;
        const QString copy = invoice.dir.filePath(u"copy.fo"_s);
        invoice.window.document()->save(copy);
        QCOMPARE(fileBytes(copy), fileBytes(invoice.path));
    }

    void undoAndRedoRestoreEveryByte()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const SmartPtr<TemplateDocument> document = window.document();
        window.selectObject(byId(document, u"payment"_s));
        QTextCursor caret = window.source()->textCursor();
        caret.movePosition(QTextCursor::End);
        caret.movePosition(QTextCursor::PreviousBlock);
        window.source()->setTextCursor(caret);
        const QString caretLine = caret.block().text();

        // Six different edits, each one step.
        const std::vector<std::function<void()>> edits = {
            [&] {
                TestSupport::ModalAnswerer answer;
                answer.onNext<BordersBackgroundDlg>([](BordersBackgroundDlg* dialog) {
                    TestSupport::pickEntry(dialog->control<QComboBox>(12920), u"Dashed"_s);
                    QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
                });
                command(window, u"BordersBackgroundDlg"_s)->trigger();
            },
            [&] { typeInto(field(window, u"background-color"_s), QString()); },
            [&] { typeInto(field(window, u"space-before"_s), u"12pt"_s); },
            [&] { QVERIFY(setValueThroughDialogs(window, u"padding-left"_s, u"dynamic"_s)); },
            [&] {
                QMenu* menu = window.inspector()->createContextMenu(field(window, u"padding-top"_s));
                menu->findChild<QAction*>(u"removeProperty"_s)->trigger();
                delete menu;
            },
            [&] {
                QTextCursor typing = window.source()->textCursor();
                typing.insertText(u"<!-- mine -->"_s);
                window.source()->applyPendingEdits();
            },
        };
        std::vector<QByteArray> texts{document->text()};
        for (const auto& edit : edits) {
            edit();
            QCoreApplication::processEvents();
            QVERIFY2(document->text() != texts.back(), qPrintable(u"edit %1 changed nothing"_s.arg(texts.size())));
            texts.push_back(document->text());
        }
        const Xml::Element payment = byId(document, u"payment"_s);
        QCOMPARE(payment.get_attribute_value("border-left-style").toQString(), u"dashed"_s);
        QVERIFY2(payment.get_attribute("background-color").isNull(), "a cleared field removes the attribute");
        QVERIFY(payment.get_attribute("padding-top").isNull());
        QVERIFY(window.isWindowModified());
        // The source view keeps its own history and its caret's line.
        QVERIFY(window.source()->document()->isUndoAvailable());
        QCOMPARE(window.source()->textCursor().block().text(), u"<!-- mine -->"_s + caretLine);

        for (size_t step = edits.size(); step > 0; --step) {
            if (step == 1) {
                QCOMPARE(window.undoAction()->text().remove(u'&'), u"Undo Borders and Background"_s);
            }
            window.undoAction()->trigger();
            QCOMPARE(document->text(), texts[step - 1]);
        }
        QCoreApplication::processEvents();
        QVERIFY(!window.isWindowModified());
        QVERIFY(!window.undoAction()->isEnabled());
        for (size_t step = 1; step <= edits.size(); ++step) {
            window.redoAction()->trigger();
            QCOMPARE(document->text(), texts[step]);
        }
        QCoreApplication::processEvents();
        QCOMPARE(window.source()->toPlainText(), QString::fromUtf8(document->text()));
    }

    void valuesAreSavedAndReadBack_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("kind");
        QTest::newRow("dynamic, object with id") << u"//*[@id='payment']"_s << u"dynamic"_s;
        QTest::newRow("conditional, object with id") << u"//*[@id='payment']"_s << u"conditional"_s;
        QTest::newRow("dynamic, object without id") << u"//*[@id='address']/fo:block[1]"_s << u"dynamic"_s;
        QTest::newRow("conditional, object without id") << u"//*[@id='address']/fo:block[1]"_s << u"conditional"_s;
    }

    void valuesAreSavedAndReadBack()
    {
        QFETCH(QString, object);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = BundledSamples::install(dir.path());
        const QByteArray original = fileBytes(path);
        PropertyValueEx made;
        {
            DesignerWindow window;
            QVERIFY(window.openTemplate(path));
            window.show();
            window.selectObject(first(window.document(), object));
            QComboBox* add = window.inspector()->addList();
            const int indent = add->findData(u"text-indent"_s);
            QVERIFY(indent > 0);
            add->setCurrentIndex(indent);
            Q_EMIT add->activated(indent);
            QVERIFY(setValueThroughDialogs(window, u"text-indent"_s, kind));
            made = window.document()->propertyValue(window.document()->selected(), "text-indent");
            QCOMPARE(made.isDynamic(), kind == "dynamic"_L1);
            QCOMPARE(made.isConditional(), kind == "conditional"_L1);
            window.document()->save(path);
        }
        {
            DesignerWindow window;
            QVERIFY(window.openTemplate(path));
            const Xml::Element reopened = first(window.document(), object);
            QVERIFY(window.document()->propertyValue(reopened, "text-indent") == made);
            QVERIFY2(window.preview()->errorText().isEmpty(), qPrintable(window.preview()->errorText()));
            // Removed again, the value leaves nothing behind: no values, no id made for it.
            window.selectObject(reopened);
            QMenu* menu = window.inspector()->createContextMenu(field(window, u"text-indent"_s));
            menu->findChild<QAction*>(u"removeProperty"_s)->trigger();
            delete menu;
            QCoreApplication::processEvents();
            QCOMPARE(window.document()->text(), original);
        }
    }

    // Opened on a field inside the payment note, the dialog acts on the note,
    // and one undo step takes its edit back.
    void formatParagraphActsOnTheEnclosingBlock()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const SmartPtr<TemplateDocument> document = window.document();
        window.selectObject(first(document, u"//*[@id='payment']/*[1]"_s));
        const QByteArray original = document->text();
        TestSupport::ModalAnswerer answer;
        answer.onNext<ParagraphEditDlg>([](ParagraphEditDlg* dialog) {
            TestSupport::pickEntry(dialog->control<QComboBox>(9016), u"Justify"_s);
            dialog->control<QTabWidget>(9006)->setCurrentIndex(1);
            QWidget* keep = dialog->control(9011);
            QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(6, keep->height() / 2));
            QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
        });
        command(window, u"ParagraphEditDlg"_s)->trigger();
        QVERIFY(answer.handled());
        const Xml::Element payment = byId(document, u"payment"_s);
        QCOMPARE(payment.get_attribute_value("text-align").toQString(), u"justify"_s);
        QCOMPARE(payment.get_attribute_value("keep-with-next.within-page").toQString(), u"always"_s);
        QCOMPARE(payment.get_attribute_value("background-color").toQString(), u"#eef3f8"_s);
        window.undoAction()->trigger();
        QCOMPARE(document->text(), original);
    }

    void dialogsOpenWhereTheyCanAct_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::newRow("root") << u"/fo:root"_s;
        QTest::newRow("page sequence") << u"//fo:page-sequence"_s;
    }

    void dialogsOpenWhereTheyCanAct()
    {
        QFETCH(QString, selected);
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const Xml::Element firstBlock = first(window.document(), u"//fo:flow/fo:block"_s);
        QVERIFY(window.document()->selected() == firstBlock);
        window.selectObject(first(window.document(), selected));
        QString applyTo;
        TestSupport::ModalAnswerer answer;
        answer.onNext<BordersBackgroundDlg>([&applyTo](BordersBackgroundDlg* dialog) {
            applyTo = dialog->control<QComboBox>(4163)->currentText().trimmed();
            TestSupport::pickEntry(dialog->control<QComboBox>(12920), u"Dotted"_s);
            QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
        });
        command(window, u"BordersBackgroundDlg"_s)->trigger();
        QVERIFY(answer.handled());
        QCOMPARE(applyTo, u"block"_s);
        QCOMPARE(first(window.document(), u"//fo:flow/fo:block"_s).get_attribute_value("border-left-style").toQString(),
                 u"dotted"_s);
    }

    void commandsThatCannotActSayWhy_data()
    {
        QTest::addColumn<QByteArray>("markup");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reason");
        const QByteArray noFlow = "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set/></fo:root>";
        // clang-format off
        QTest::newRow("borders without a flow") << noFlow << u"BordersBackgroundDlg"_s << u"The template has no flow with a block to format."_s;
        QTest::newRow("paragraph without a block") << noFlow << u"ParagraphEditDlg"_s << u"The template has no block to set paragraph properties on."_s;
        QTest::newRow("expression without sample") << noFlow << u"XPathEditDlg"_s << u"The template has no sample data to build an expression against."_s;
        // clang-format on
    }

    void commandsThatCannotActSayWhy()
    {
        QFETCH(QByteArray, markup);
        QFETCH(QString, command);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(writeFile(dir, u"plain.fo"_s, markup)));
        QAction* action = DesignerTest::command(window, command);
        QVERIFY(!action->isEnabled());
        QCOMPARE(action->statusTip(), reason);
    }
};

UIEDITOR_TEST_CLASS(TestTemplateEditing)
#include "tst_templateediting.moc"
