// The XPath field: its button opens the expression editor only when there is
// sample data to build against, and only OK changes the text.
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "sampledocument.h"
#include "testregistry.h"
#include "xml/widgets/xpathctrl.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using TestSupport::FakeDocumentInformation;
using TestSupport::ModalAnswerer;

namespace {

// A window holding the field, as a dialog would.
struct Host
{
    QWidget window;
    XPathCtrl* field;

    explicit Host(XPathCtrl* control) : field(control)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLineEdit); // somewhere else for the focus to be
        layout->addWidget(field);
        window.resize(360, 80);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            qFatal("the window did not show");
        }
    }

    void clickButton()
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, field->getDropDownBtnRect().center());
    }
};

} // namespace

class TestXPathCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonEditsTheExpressionInContext()
    {
        QTemporaryDir dir;
        Host host(new XPathCtrl(TestSupport::documentWithSample(dir), QStringLiteral("/invoice/line")));
        host.field->setText(QStringLiteral("price"));
        QString seenContext;
        QString seenExpression;
        ModalAnswerer answer;
        answer.onNext<XPathEditDlg>([&](XPathEditDlg* editor) {
            seenContext = editor->control<QLineEdit>(11208)->text();
            auto* expression = editor->control<QLineEdit>(11202);
            seenExpression = expression->text();
            expression->setText(QStringLiteral("price &gt; 1 and name != 'it'"));
            editor->accept();
        });
        host.clickButton();
        QVERIFY(answer.handled());
        QCOMPARE(seenContext, QStringLiteral("/invoice/line"));
        QCOMPARE(seenExpression, QStringLiteral("price"));
        QCOMPARE(host.field->text(), QStringLiteral("price > 1 and name != 'it'"));
    }

    void cancelKeepsTheText()
    {
        QTemporaryDir dir;
        TestSupport::RecordingMessageBoxFactory messages;
        messages.answerWith({Win32::IDYES}); // yes, discard the change
        Host host(new XPathCtrl(TestSupport::documentWithSample(dir), QStringLiteral("/")));
        host.field->setText(QStringLiteral("count(//line)"));
        ModalAnswerer answer;
        answer.onNext<XPathEditDlg>([](XPathEditDlg* editor) {
            editor->control<QLineEdit>(11202)->setText(QStringLiteral("something else"));
            editor->reject();
        });
        host.clickButton();
        QVERIFY(answer.handled());
        QCOMPARE(messages.count(), 1); // the editor asked before dropping the change
        QCOMPARE(host.field->text(), QStringLiteral("count(//line)"));
    }

    void buttonDoesNothingWithoutSample_data()
    {
        QTest::addColumn<bool>("withDocument");
        QTest::newRow("no document information") << false;
        QTest::newRow("document without sample") << true;
    }

    void buttonDoesNothingWithoutSample()
    {
        QFETCH(bool, withDocument);
        Host host(new XPathCtrl(withDocument
                                    ? SmartPtr<IDocumentInformation>(makeSmart<FakeDocumentInformation>())
                                    : SmartPtr<IDocumentInformation>(),
                                QStringLiteral("/")));
        host.field->setText(QStringLiteral("a"));
        host.field->setCursorPosition(0);
        ModalAnswerer answer(300);
        answer.onNext<QDialog>([](QDialog* dialog) { dialog->reject(); });
        host.clickButton();
        QTest::qWait(400);
        QVERIFY2(!answer.handled(), "a dialog opened");
        QCOMPARE(host.field->text(), QStringLiteral("a"));
        QCOMPARE(host.field->cursorPosition(), 0); // the press was no click into the text
    }
};

UIEDITOR_TEST_CLASS(TestXPathCtrl)
#include "tst_xpathctrl.moc"
