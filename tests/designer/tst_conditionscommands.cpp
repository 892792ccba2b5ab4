// Conditions on the sample invoice: Format > Conditional Formatting kept in
// the template, and what conditions and conditional sections print with the
// sample data.
#include "dialogdriver.h"
#include "dialogs/format/conditionalformattingdlg.h"
#include "dialogs/format/formatconditiondlg.h"
#include "modalanswerer.h"
#include "sampleinvoice.h"
#include "templatepreview.h"
#include "testregistry.h"
#include "values/variantctrl.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

const QString amountCell = u"//kmb:table-row-repeat/fo:table-row/fo:table-cell[5]/fo:block"_s;

// Pixels of the preview in pure red, as the user would see them.
int redPixels(DesignerWindow& window)
{
    const QImage image = window.preview()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60;
        }
    }
    return count;
}

int textRuns(DesignerWindow& window, const QString& text)
{
    int count = 0;
    for (const ViewLayoutBox& box : window.preview()->pageBoxes(0)) {
        count += box.kind == ViewLayoutBox::Kind::Text && box.text.toQString().contains(text);
    }
    return count;
}

// The bundled invoice with `from` replaced by `to` in its markup.
QString patchedInvoice(const QTemporaryDir& dir, const QString& from, const QString& to)
{
    const QString path = BundledSamples::install(dir.path());
    QByteArray text = fileBytes(path);
    text.replace(from.toUtf8(), to.toUtf8());
    return writeFile(dir, u"invoice-template.fo"_s, text);
}

} // namespace

class TestConditionsCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QSettings().remove(u"designer/showSampleData"_s); }

    void conditionIsOneStepAndSaved()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        window.selectObject(first(window, amountCell));
        const QByteArray before = window.document()->text();
        TestSupport::ModalAnswerer answer;
        answer.onNext<ConditionalFormattingDlg>([](ConditionalFormattingDlg* dialog) {
            TestSupport::ModalAnswerer condition;
            condition.onNext<FormatConditionDlg>([](FormatConditionDlg* editor) {
                TestSupport::chooseEntry(editor->control<QComboBox>(FormatConditionDlg::IDC_PROPERTY), u"    Color"_s);
                auto* value = editor->control<VariantCtrl>(FormatConditionDlg::IDC_VALUE);
                TestSupport::typeText(qobject_cast<QLineEdit*>(value->getControl()), u"red"_s);
                TestSupport::typeText(editor->control<QLineEdit>(FormatConditionDlg::IDC_CONDITION), u"amount < 0"_s);
                editor->accept();
            });
            dialog->control<QPushButton>(ConditionalFormattingDlg::IDC_ADD)->click();
            QVERIFY(condition.handled());
            dialog->accept();
        });
        QAction* action = command(window, u"ConditionalFormattingDlg"_s);
        QVERIFY2(action && action->isEnabled(), "Format > Conditional Formatting... not found or disabled");
        action->trigger();
        QVERIFY(answer.handled());

        const std::vector<KMBAttribute> conditions = window.document()->conditions();
        QCOMPARE(conditions.size(), size_t(1));
        const Core::String id = first(window, amountCell).get_attribute_value("id");
        QVERIFY(!id.isEmpty());
        QCOMPARE(conditions.front(), KMBAttribute(id, "fo:color", QString(), "red", QString(), "amount < 0"));

        window.undoAction()->trigger();
        QCOMPARE(window.document()->text(), before);
        window.redoAction()->trigger();
        const QString saved = invoice.dir.filePath(u"saved.fo"_s);
        window.document()->save(saved);
        const SmartPtr<TemplateDocument> reopened = TemplateDocument::load(saved);
        QCOMPARE(reopened->conditions(), conditions);
        QCOMPARE(first(reopened, amountCell).get_attribute_value("id"), id);
    }

    void conditionsColourTheAmounts_data()
    {
        QTest::addColumn<QString>("test");
        QTest::addColumn<bool>("data"); // shown with the sample data
        QTest::addColumn<bool>("red");
        QTest::newRow("holds for two lines") << u"amount > 200"_s << true << true;
        QTest::newRow("holds for none") << u"amount > 1000"_s << true << false;
        QTest::newRow("without a test always") << u""_s << true << true;
        QTest::newRow("a broken test never") << u"amount >"_s << true << false;
        QTest::newRow("not without the data") << u"amount > 200"_s << false << false;
    }

    void conditionsColourTheAmounts()
    {
        QFETCH(QString, test);
        QFETCH(bool, data);
        QFETCH(bool, red);
        QTemporaryDir dir;
        const QString path = patchedInvoice(
            dir, u"</fo:root>"_s,
            u"<kmb:conditional-attributes><kmb:attribute object=\"amount\" name=\"fo:color\" value=\"#ff0000\" test=\""_s +
                test.toHtmlEscaped() + u"\"/></kmb:conditional-attributes></fo:root>"_s);
        QByteArray text = fileBytes(path);
        text.replace("<fo:block text-align=\"end\"><kmb:field xpath=\"amount\"/>",
                     "<fo:block id=\"amount\" text-align=\"end\"><kmb:field xpath=\"amount\"/>");
        QVERIFY(!writeFile(dir, u"invoice-template.fo"_s, text).isEmpty());
        DesignerWindow window;
        window.showSampleDataAction()->setChecked(data);
        QVERIFY(window.openTemplate(path));
        QCOMPARE(redPixels(window) > 0, red);
    }

    void sectionsPrintTheAlternativeThatHolds_data()
    {
        QTest::addColumn<QString>("markup"); // put before the payment block; TEST stands for the test
        QTest::addColumn<QString>("test");
        QTest::addColumn<bool>("data");
        QTest::addColumn<int>("tested");   // how often the tested alternative prints
        QTest::addColumn<int>("fallback"); // and the fallback
        const QString blocks = u"<kmb:conditional-block-sequence><kmb:conditional-block test=\"TEST\"><fo:block>Tested alternative</fo:block></kmb:conditional-block><kmb:conditional-block><fo:block>Fallback alternative</fo:block></kmb:conditional-block></kmb:conditional-block-sequence>"_s;
        const QString inlines = u"<fo:block>Ship <kmb:conditional-inline-sequence><kmb:conditional-inline test=\"TEST\"><fo:inline>Tested alternative</fo:inline></kmb:conditional-inline><kmb:conditional-inline><fo:inline>Fallback alternative</fo:inline></kmb:conditional-inline></kmb:conditional-inline-sequence></fo:block>"_s;
        // clang-format off
        QTest::newRow("block: the test holds") << blocks << u"/invoice/totals/gross &gt; 500"_s << true << 1 << 0;
        QTest::newRow("block: the fallback") << blocks << u"/invoice/totals/gross &gt; 5000"_s << true << 0 << 1;
        QTest::newRow("inline: the test holds") << inlines << u"/invoice/@currency = 'EUR'"_s << true << 1 << 0;
        QTest::newRow("inline: the fallback") << inlines << u"/invoice/@currency = 'USD'"_s << true << 0 << 1;
        QTest::newRow("every alternative without the data") << blocks << u"false()"_s << false << 1 << 1;
        // clang-format on
    }

    void sectionsPrintTheAlternativeThatHolds()
    {
        QFETCH(QString, markup);
        QFETCH(QString, test);
        QFETCH(bool, data);
        QFETCH(int, tested);
        QFETCH(int, fallback);
        QTemporaryDir dir;
        const QString path = patchedInvoice(dir, u"<fo:block id=\"payment\""_s,
                                            markup.replace(u"TEST"_s, test) + u"<fo:block id=\"payment\""_s);
        DesignerWindow window;
        window.showSampleDataAction()->setChecked(data);
        QVERIFY(window.openTemplate(path));
        QCOMPARE(textRuns(window, u"Tested alternative"_s), tested);
        QCOMPARE(textRuns(window, u"Fallback alternative"_s), fallback);
    }
};

UIEDITOR_TEST_CLASS(TestConditionsCommands)
#include "tst_conditionscommands.moc"
