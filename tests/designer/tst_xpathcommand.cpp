// Data > Edit XPath: the selected object's expression is edited in the
// context of its repeat and written back into the template.
#include "modalanswerer.h"
#include "outside/core/namespaces.h"
#include "sampleinvoice.h"
#include "testregistry.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace DesignerTest;

namespace {

Xml::Element field(DesignerWindow& window, const QString& xpath)
{
    const std::vector<Xml::Node> found = window.document()->root().find(
        QStringLiteral("//kmb:field[@xpath='%1']").arg(xpath), {{"kmb", Xml::Namespaces::KMB}});
    return found.empty() ? Xml::Element() : Xml::Element(found.front());
}

struct Seen
{
    QString context;
    QString expression;
};

// Runs the command; the editor shows what it was given and accepts `answer`.
Seen runCommand(DesignerWindow& window, const QString& answer)
{
    Seen seen;
    TestSupport::ModalAnswerer answerer;
    answerer.onNext<XPathEditDlg>([&](XPathEditDlg* editor) {
        seen.context = editor->control<QLineEdit>(11208)->text();
        seen.expression = editor->control<QLineEdit>(11202)->text();
        editor->control<QLineEdit>(11202)->setText(answer);
        editor->accept();
    });
    auto* action = command(window, QStringLiteral("XPathEditDlg"));
    if (!action) {
        qWarning("the Data menu has no Edit XPath entry");
        return seen;
    }
    action->trigger();
    if (!answerer.handled()) {
        qWarning("the expression editor did not open");
    }
    return seen;
}

} // namespace

class TestXPathCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldInARepeatIsEditedInItsContextAndSaved()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        Xml::Element quantity = field(window, QStringLiteral("quantity"));
        QVERIFY(!quantity.isNull());
        window.document()->select(quantity);

        const Seen seen = runCommand(window, QStringLiteral("quantity &gt; 2"));
        QCOMPARE(seen.context, QStringLiteral("/invoice/lines/line"));
        QCOMPARE(seen.expression, QStringLiteral("quantity"));
        // The edit is read again from the template: the selection is the field as it is now.
        QCOMPARE(window.document()->selected().get_attribute_value("xpath").toQString(),
                 QStringLiteral("quantity > 2"));
        QVERIFY(window.document()->isModified());

        const QString saved = invoice.dir.filePath(QStringLiteral("saved.fo"));
        window.document()->save(saved);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<kmb:field xpath=\"quantity &gt; 2\"/>"));
    }

    void objectWithoutExpressionShowsTheResult()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        window.document()->select(Xml::Element()); // the root: no expression of its own

        const Seen seen = runCommand(window, QStringLiteral("count(//line)"));
        QCOMPARE(seen.context, QStringLiteral("/"));
        QCOMPARE(seen.expression, QString());
        QVERIFY(!window.document()->isModified());
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("result"))
                    ->toPlainText()
                    .contains(QStringLiteral("count(//line)")));
    }
};

UIEDITOR_TEST_CLASS(TestXPathCommand)
#include "tst_xpathcommand.moc"
