// Messages to the user: the registered factory, and the default one on QMessageBox.
#include "frame/defaultmessageboxfactory.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using TestSupport::ModalAnswerer;
using TestSupport::RecordingMessageBoxFactory;

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheDefaultFactory()
    {
        QVERIFY(dynamic_cast<DefaultMessageBoxFactory*>(UIApplication::registeredMessageBoxFactory()));
    }

    void registeredFactorySeesEveryLaterMessage()
    {
        MessageBoxFactory* const before = UIApplication::registeredMessageBoxFactory();
        {
            RecordingMessageBoxFactory recorder;
            QCOMPARE(UIApplication::MessageBoxW(63100, 64), Win32::IDOK);
            recorder.answerWith({Win32::IDNO});
            QCOMPARE(UIApplication::MessageBoxW(Core::String("Replace the file?"), 36), Win32::IDNO);
            QCOMPARE(recorder.count(), 2);
            QCOMPARE(recorder.messages().at(0).textId, 63100u);
            QCOMPARE(recorder.messages().at(0).text, Core::String::formatS(63100).toQString());
            QVERIFY(!recorder.messages().at(0).text.isEmpty());
            QCOMPARE(recorder.messages().at(1).text, QStringLiteral("Replace the file?"));
            QCOMPARE(recorder.messages().at(1).type, 36u);
        }
        // The earlier factory comes back untouched and still works.
        QCOMPARE(UIApplication::registeredMessageBoxFactory(), before);
    }

    void defaultFactoryAnswersWithTheButtonPressed_data()
    {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("icon");
        // clang-format off
        QTest::newRow("OK only") << 0u << int(QMessageBox::Ok) << Win32::IDOK << int(QMessageBox::NoIcon);
        QTest::newRow("error") << 16u << int(QMessageBox::Ok) << Win32::IDOK << int(QMessageBox::Critical);
        QTest::newRow("warning") << 48u << int(QMessageBox::Ok) << Win32::IDOK << int(QMessageBox::Warning);
        QTest::newRow("information") << 64u << int(QMessageBox::Ok) << Win32::IDOK << int(QMessageBox::Information);
        QTest::newRow("OK/Cancel, OK") << 33u << int(QMessageBox::Ok) << Win32::IDOK << int(QMessageBox::Question);
        QTest::newRow("OK/Cancel, Cancel") << 33u << int(QMessageBox::Cancel) << Win32::IDCANCEL << int(QMessageBox::Question);
        QTest::newRow("Yes/No, Yes") << 36u << int(QMessageBox::Yes) << Win32::IDYES << int(QMessageBox::Question);
        QTest::newRow("Yes/No, No") << 36u << int(QMessageBox::No) << Win32::IDNO << int(QMessageBox::Question);
        // clang-format on
    }
    void defaultFactoryAnswersWithTheButtonPressed()
    {
        QFETCH(unsigned, style);
        QFETCH(int, button);
        QFETCH(int, expected);
        QFETCH(int, icon);
        DefaultMessageBoxFactory factory;
        ModalAnswerer answer;
        int shownIcon = -1;
        int buttonCount = 0;
        answer.onNext<QMessageBox>([&](QMessageBox* box) {
            shownIcon = box->icon();
            buttonCount = int(box->buttons().size());
            box->button(QMessageBox::StandardButton(button))->click();
        });
        QCOMPARE(factory.showMessageBox(Core::String("Text"), style, 0), expected);
        QVERIFY(answer.handled());
        QCOMPARE(shownIcon, icon);
        QCOMPARE(buttonCount, (style & 0x0F) == 0 ? 1 : 2);
    }

    void escapeClosesAQuestionAsItsNegativeAnswer()
    {
        DefaultMessageBoxFactory factory;
        ModalAnswerer answer;
        answer.onNext<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(factory.showMessageBox(Core::String("Discard?"), 36, 0), Win32::IDNO);
        answer.onNext<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(factory.showMessageBox(Core::String("Continue?"), 33, 0), Win32::IDCANCEL);
    }

    void defaultFactoryShowsTheResourceText()
    {
        DefaultMessageBoxFactory factory;
        ModalAnswerer answer;
        QString shown;
        answer.onNext<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            box->accept();
        });
        factory.showMessageBox(63100u, 64, 0);
        QCOMPARE(shown, Core::String::formatS(63100).toQString());
    }
};

UIEDITOR_TEST_CLASS(TestMessageBoxes)
#include "tst_messageboxes.moc"
