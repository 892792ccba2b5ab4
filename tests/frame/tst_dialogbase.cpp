// The dialog base: initialisation before the first show, controls by number,
// OK through validation; the log window built on it; temporary files.
#include "frame/dialog.h"
#include "frame/logdlg.h"
#include "frame/tmpfiletodeleteatexit.h"
#include "frame/win32constants.h"
#include "testregistry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A dialog whose OK refuses an empty name, as property dialogs validate.
class NameDialog : public Dialog
{
public:
    NameDialog() : Dialog(4242)
    {
        auto* layout = new QVBoxLayout(this);
        m_name = new QLineEdit(this);
        m_name->setProperty("controlId", 1001);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(m_name);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }

    int initCount = 0;
    int refusals = 0;
    QString nameWhenInitialised;

protected:
    bool OnInitDialog() override
    {
        ++initCount;
        nameWhenInitialised = m_name->text();
        m_name->setText(QStringLiteral("initial"));
        return true;
    }
    void OnOK() override
    {
        if (m_name->text().isEmpty()) {
            ++refusals;
            return;
        }
        Dialog::OnOK();
    }

private:
    QLineEdit* m_name;
};

} // namespace

class TestDialogBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialisesOnceBeforeTheFirstShow()
    {
        NameDialog dialog;
        QCOMPARE(dialog.initCount, 0);
        dialog.show();
        QCOMPARE(dialog.initCount, 1);
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.initCount, 1);
        QCOMPARE(dialog.control<QLineEdit>(1001)->text(), QStringLiteral("initial"));
    }

    // Hosts compare the answer with IDOK and IDCANCEL, and may run one dialog
    // object several times: each run starts from the inputs again.
    void everyModalRunInitialisesAndAnswersAsHostsExpect_data()
    {
        QTest::addColumn<int>("button"); // 0: Escape
        QTest::addColumn<int>("expected");
        QTest::newRow("OK") << int(Win32::IDOK) << int(Win32::IDOK);
        QTest::newRow("Cancel") << int(Win32::IDCANCEL) << int(Win32::IDCANCEL);
        QTest::newRow("Escape") << 0 << int(Win32::IDCANCEL);
    }

    void everyModalRunInitialisesAndAnswersAsHostsExpect()
    {
        QFETCH(int, button);
        QFETCH(int, expected);
        NameDialog dialog;
        for (int run = 1; run <= 2; ++run) {
            QString shown;
            QTimer::singleShot(0, &dialog, [&] {
                auto* name = dialog.control<QLineEdit>(1001);
                shown = name->text();
                name->setText(QStringLiteral("typed"));
                if (button == 0) {
                    QTest::keyClick(name, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(dialog.control<QPushButton>(button), Qt::LeftButton);
                }
            });
            QCOMPARE(dialog.DoModal(), expected);
            QCOMPARE(dialog.initCount, run);
            QCOMPARE(shown, QStringLiteral("initial"));
        }
    }

    void okStaysOpenUntilValidationPasses()
    {
        NameDialog dialog;
        dialog.show();
        auto* name = dialog.control<QLineEdit>(1001);
        name->clear();
        QTest::mouseClick(dialog.control<QPushButton>(1), Qt::LeftButton);
        QCOMPARE(dialog.refusals, 1);
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(name, "Total");
        QTest::mouseClick(dialog.control<QPushButton>(1), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void logWindowCountsAndClears()
    {
        LogDlg log;
        log.show();
        auto* clear = log.control<QPushButton>(1002);
        QVERIFY2(clear, "Clear button (1002) not found. Adapt this test.");
        QVERIFY(!clear->isEnabled());
        log.addMessage("invoice.xml, line 3: unknown element");
        log.addMessage("second");
        QCOMPARE(log.messageCount(), 2);
        QVERIFY(log.control<QLabel>(1003)->text().startsWith(QLatin1String("2 ")));
        QVERIFY(clear->isEnabled());
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(log.messageCount(), 0);
        QVERIFY(log.control<QPlainTextEdit>(1001)->toPlainText().isEmpty());
        QVERIFY(!clear->isEnabled());
    }

    void temporaryFilesAreDeletedWithTheList()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("check-1.xsl");
        const QString second = dir.filePath("check-1.xml");
        const QString keep = dir.filePath("keep.xml");
        for (const QString& path : {first, second, keep}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        {
            TmpFileToDeleteAtExit list;
            list.add(first);
            list.add(second);
            list.add(first); // registered twice: the second attempt fails silently
            list.add(dir.filePath("never-created.tmp"));
            QVERIFY(QFile::exists(first));
        }
        QVERIFY(!QFile::exists(first));
        QVERIFY(!QFile::exists(second));
        QVERIFY(QFile::exists(keep));
    }
};

UIEDITOR_TEST_CLASS(TestDialogBase)
#include "tst_dialogbase.moc"
