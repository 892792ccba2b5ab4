// The base of the property dialogs, on a small form: the collection given is
// shown and returned, protection keeps OK disabled, messages go through the
// registered factory.
#include "frame/featuredialog.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"
#include "ui_paddingform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Edits "fo:padding-left" the way the real property dialogs edit theirs.
class PaddingDialog : public FeatureDialog
{
public:
    PaddingDialog() : FeatureDialog(4060) { m_ui.setupUi(this); }

    QLineEdit* leftEdit() const { return m_ui.leftEdit; }

protected:
    bool OnInitDialog() override
    {
        const bool result = FeatureDialog::OnInitDialog();
        m_ui.leftEdit->setText(m_properties.getPropertyValue("fo:padding-left"));
        return result;
    }
    void OnOK() override
    {
        if (m_ui.leftEdit->text().trimmed().isEmpty()) {
            UIApplication::MessageBoxW(63001, Win32::MB_ICONWARNING);
            m_ui.leftEdit->setFocus();
            return;
        }
        m_properties.setProperty(EditableProperty("fo:padding-left", m_ui.leftEdit->text().trimmed()), true);
        FeatureDialog::OnOK();
    }

private:
    Ui::PaddingForm m_ui;
};

// A template without an OK button, as some host templates are.
class NoOkDialog : public FeatureDialog
{
public:
    NoOkDialog() : FeatureDialog(4999) { new QLabel(QStringLiteral("Read only"), this); }
};

PropertyCollection givenCollection()
{
    PropertyCollection properties;
    properties.addProperty(EditableProperty("fo:padding-left", "4pt"), true);
    properties.addProperty(EditableProperty("fo:color", "red"), true);
    return properties;
}

} // namespace

class TestFeatureDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsAndReturnsTheEditedCollection()
    {
        PaddingDialog dialog;
        dialog.setProperties(givenCollection());
        dialog.show();
        QCOMPARE(dialog.leftEdit()->text(), QStringLiteral("4pt"));
        dialog.leftEdit()->selectAll();
        QTest::keyClicks(dialog.leftEdit(), "2mm");
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const PropertyCollection result = dialog.getProperties();
        QCOMPARE(result.getPropertyValue("fo:padding-left").toQString(), QStringLiteral("2mm"));
        QCOMPARE(result.getPropertyValue("fo:color").toQString(), QStringLiteral("red"));
        QCOMPARE(result.count(), 2);
    }

    void failedValidationTalksThroughTheFactoryAndStaysOpen()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        PaddingDialog dialog;
        dialog.setProperties(givenCollection());
        dialog.show();
        dialog.leftEdit()->clear();
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, 63001u);
        QCOMPARE(messages.last().type, Win32::MB_ICONWARNING);
        // Nothing was written: the host still reads what it gave.
        QCOMPARE(dialog.getProperties().getPropertyValue("fo:padding-left").toQString(), QStringLiteral("4pt"));
    }

    void protectedDialogCannotBeConfirmed()
    {
        PaddingDialog dialog;
        dialog.setProperties(givenCollection());
        dialog.setProtection(true);
        dialog.show();
        auto* ok = dialog.control<QPushButton>(Win32::IDOK);
        QVERIFY(!ok->isEnabled());
        // The controls still work...
        QVERIFY(dialog.leftEdit()->isEnabled());
        dialog.leftEdit()->selectAll();
        QTest::keyClicks(dialog.leftEdit(), "9pt");
        QCOMPARE(dialog.leftEdit()->text(), QStringLiteral("9pt"));
        // ...but neither Enter nor a direct accept confirms them.
        QTest::keyClick(dialog.leftEdit(), Qt::Key_Return);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDCANCEL), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.getProperties().getPropertyValue("fo:padding-left").toQString(), QStringLiteral("4pt"));
    }

    void protectionFollowsEachRun()
    {
        PaddingDialog dialog;
        for (bool protection : {false, true, false}) {
            dialog.setProtection(protection);
            dialog.show();
            QCOMPARE(dialog.control(Win32::IDOK)->isEnabled(), !protection);
            dialog.reject();
        }
    }

    void cancelLeavesTheGivenCollection()
    {
        PaddingDialog dialog;
        dialog.setProperties(givenCollection());
        dialog.show();
        dialog.leftEdit()->setText("1in");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.getProperties() == givenCollection());
    }
};

UIEDITOR_TEST_CLASS(TestFeatureDialog)
#include "tst_featuredialog.moc"
