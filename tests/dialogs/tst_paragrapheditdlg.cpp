// The paragraph dialog as a user fills it in: what each control writes into
// the block's properties (and what it leaves alone), what it shows of them,
// the preview, and widows or orphans that are no count of lines.
#include "controls/lengthorpercentctrl.h"
#include "controls/staticpreview.h"
#include "controls/unitcombobox.h"
#include "dialogdriver.h"
#include "dialogs/format/paragrapheditdlg.h"
#include "frame/win32constants.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "propertytestsupport.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::collectionOf;

namespace {

// Brings the tab holding `control` to the front with a click on its tab.
void showTabOf(ParagraphEditDlg& dialog, QWidget* control)
{
    auto* tabs = dialog.control<QTabWidget>(9006);
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(control)) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                              tabs->tabBar()->tabRect(i).center());
        }
    }
    QVERIFY(control->isVisible());
}

// One step such as "type 9018 12", "pick 9016 Justify", "click 9011",
// "unit 9021 %", "up 9019" or "pass 9018" (into the field and out with Tab).
void perform(ParagraphEditDlg& dialog, const QString& step)
{
    const QString verb = step.section(u' ', 0, 0);
    QWidget* control = dialog.control(step.section(u' ', 1, 1).toInt());
    const QString text = step.section(u' ', 2);
    QVERIFY2(control, qPrintable(step));
    showTabOf(dialog, control);
    auto* field = qobject_cast<LengthOrPercentCtrl*>(control);
    if (verb == u"type" && field) {
        TestSupport::typeLength(field, text);
    } else if (verb == u"type") {
        TestSupport::typeText(qobject_cast<QLineEdit*>(control), text);
    } else if (verb == u"pick") {
        TestSupport::pickEntry(qobject_cast<QComboBox*>(control), text);
    } else if (verb == u"click") {
        // On the box itself: a check box's row is wider than its text.
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    } else if (verb == u"unit") {
        TestSupport::pickEntry(field->unitList(), text);
    } else if (verb == u"up") {
        QTest::keyClick(field->numberEdit(), Qt::Key_Up);
    } else if (verb == u"pass") {
        QTest::mouseClick(field->numberEdit(), Qt::LeftButton);
        QTest::keyClick(field->numberEdit(), Qt::Key_Tab);
    } else {
        QFAIL(qPrintable(u"unknown step: "_s + step));
    }
}

} // namespace

class TestParagraphEditDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point));
    }

    void writesOnlyWhatTheUserChanged_data()
    {
        QTest::addColumn<QString>("given");    // the block's properties
        QTest::addColumn<QString>("steps");    // what the user does, ", " between steps
        QTest::addColumn<QString>("expected"); // the properties after OK
        // clang-format off
        QTest::newRow("untouched") << u"fo:text-align=start;kmb:src=a.xml;fo:widows=2;fo:start-indent=1cm"_s << u""_s << u"fo:text-align=start;fo:widows=2;fo:start-indent=1cm"_s;
        QTest::newRow("passing through a field") << u"fo:end-indent=1cm"_s << u"pass 9018, pass 9019"_s << u"fo:end-indent=1cm"_s;
        QTest::newRow("justify") << u"fo:text-align=start"_s << u"pick 9016 Justify"_s << u"fo:text-align=justify"_s;
        QTest::newRow("start shown as left, rewritten") << u"fo:text-align=start"_s << u"pick 9016 Left"_s << u"fo:text-align=left"_s;
        QTest::newRow("start indent") << u""_s << u"type 9018 12"_s << u"fo:start-indent=12pt"_s;
        QTest::newRow("zero typed over zero") << u""_s << u"type 9018 0"_s << u"fo:start-indent=0pt"_s;
        QTest::newRow("end indent stepped") << u"fo:end-indent=1cm"_s << u"up 9019"_s << u"fo:end-indent=1.1cm"_s;
        QTest::newRow("negative first line") << u""_s << u"type 9020 -6"_s << u"fo:text-indent=-6pt"_s;
        QTest::newRow("last line to percent") << u"fo:last-line-end-indent=12pt"_s << u"unit 9021 %"_s << u"fo:last-line-end-indent=12%"_s;
        QTest::newRow("keep with next off") << u"fo:keep-with-next.within-page=always;fo:color=red"_s << u"click 9011"_s << u"fo:color=red"_s;
        QTest::newRow("keep with previous on") << u""_s << u"click 9012"_s << u"fo:keep-with-previous.within-line=always;fo:keep-with-previous.within-column=always;fo:keep-with-previous.within-page=always"_s;
        QTest::newRow("keep together on and off") << u"fo:keep-together.within-line=auto"_s << u"click 9013, click 9013"_s << u"fo:keep-together.within-line=always;fo:keep-together.within-column=always;fo:keep-together.within-page=always"_s;
        QTest::newRow("hyphenate false is on") << u"fo:hyphenate=false"_s << u"click 9014"_s << u""_s;
        QTest::newRow("hyphenate off and on") << u"fo:hyphenate=false"_s << u"click 9014, click 9014"_s << u"fo:hyphenate=true"_s;
        QTest::newRow("span none is on") << u"fo:span=none"_s << u"click 9022"_s << u""_s;
        QTest::newRow("span on") << u""_s << u"click 9022"_s << u"fo:span=all"_s;
        QTest::newRow("widows 3") << u""_s << u"type 9015 3"_s << u"fo:widows=3"_s;
        QTest::newRow("widows 0 removes") << u"fo:widows=2"_s << u"type 9015 0"_s << u""_s;
        QTest::newRow("orphans emptied") << u"fo:orphans=2"_s << u"type 9017 "_s << u""_s;
        QTest::newRow("orphans 4, widows kept") << u"fo:widows=2 lines"_s << u"type 9017 4"_s << u"fo:widows=2 lines;fo:orphans=4"_s;
        // clang-format on
    }

    void writesOnlyWhatTheUserChanged()
    {
        QFETCH(QString, given);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        PropertyCollection block = collectionOf(given);
        ParagraphEditDlg dialog;
        dialog.setProprietiesForParagraph(&block);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const QString& step : steps.split(u", "_s, Qt::SkipEmptyParts)) {
            perform(dialog, step);
        }
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(TestSupport::listOf(block), expected);
    }

    void showsTheBlocksValues_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("shown"); // list or edit text, length, or check state
        // clang-format off
        QTest::newRow("center") << u"fo:text-align=center"_s << 9016 << u"Center"_s;
        QTest::newRow("other alignment is left") << u"fo:text-align=end"_s << 9016 << u"Left"_s;
        QTest::newRow("first line indent") << u"fo:text-indent=2.5cm"_s << 9020 << u"2.5cm"_s;
        QTest::newRow("no indent, preferred unit") << u""_s << 9021 << u"0pt"_s;
        QTest::newRow("widows lead") << u"fo:widows=3 lines"_s << 9015 << u"3"_s;
        QTest::newRow("orphans absent") << u""_s << 9017 << u"0"_s;
        // clang-format on
    }

    void showsTheBlocksValues()
    {
        QFETCH(QString, given);
        QFETCH(int, id);
        QFETCH(QString, shown);
        PropertyCollection block = collectionOf(given);
        ParagraphEditDlg dialog;
        dialog.setProprietiesForParagraph(&block);
        dialog.show();
        QWidget* control = dialog.control(id);
        QString text;
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            text = list->currentText();
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            text = edit->text();
        } else if (auto* field = qobject_cast<LengthOrPercentCtrl*>(control)) {
            text = field->getValueAsString().toQString();
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            text = box->isChecked() ? u"checked"_s : u"unchecked"_s;
        }
        QCOMPARE(text, shown);
    }

    void previewShowsEachSetting_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("step");
        // clang-format off
        QTest::newRow("justify") << u"fo:space-before=6pt"_s << u"pick 9016 Justify"_s;
        QTest::newRow("start indent") << u"fo:space-before=6pt"_s << u"type 9018 40"_s;
        QTest::newRow("end indent") << u"fo:space-before=6pt"_s << u"type 9019 120"_s;
        QTest::newRow("first line") << u"fo:space-before=6pt"_s << u"type 9020 30"_s;
        // The renderer moves only an aligned last line; it does not break lines anew.
        QTest::newRow("last line end") << u"fo:text-align=right"_s << u"type 9021 60"_s;
        // clang-format on
    }

    void previewShowsEachSetting()
    {
        QFETCH(QString, given);
        QFETCH(QString, step);
        PropertyCollection block = collectionOf(given);
        ParagraphEditDlg dialog;
        dialog.setProprietiesForParagraph(&block);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage before = dialog.preview()->grab().toImage();
        perform(dialog, step);
        QVERIFY(dialog.preview()->grab().toImage() != before);
    }

    void widowsThatAreNoCountKeepTheDialogOpen()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        PropertyCollection block = collectionOf(u"fo:widows=2"_s);
        ParagraphEditDlg dialog;
        dialog.setProprietiesForParagraph(&block);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        perform(dialog, u"type 9015 5000"_s);
        dialog.control<QTabWidget>(9006)->setCurrentIndex(0);
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().type, Win32::MB_OK | Win32::MB_ICONWARNING);
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), dialog.control(9015));

        perform(dialog, u"type 9015 4"_s);
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(TestSupport::listOf(block), u"fo:widows=4"_s);
    }
};

UIEDITOR_TEST_CLASS(TestParagraphEditDlg)
#include "tst_paragrapheditdlg.moc"
