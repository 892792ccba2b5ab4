// The font dialog as a user fills it in: what each choice writes into the
// object's properties (and what it leaves alone), the check boxes that
// exclude each other, Enter in the family and size boxes, and the preview.
#include "controls/colorctrl.h"
#include "controls/staticpreview.h"
#include "dialogdriver.h"
#include "dialogs/format/fonteditordlg.h"
#include "propertytestsupport.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::collectionOf;

namespace {

constexpr int Family = 11303, Style = 11304, Size = 11305, Color = 11306, Underline = 11307;

QCheckBox* checkBox(const FontEditorDlg& dialog, const QString& text)
{
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (box->text().remove(u'&') == text) {
            return box;
        }
    }
    return nullptr;
}

// One step of a user: "style=Bold", "size=14" (picked), "type-size=13" (typed,
// then Enter), "family=DejaVu Sans", "color=red", "underline=Double",
// "click=Small Caps".
void perform(FontEditorDlg& dialog, const QString& step)
{
    const QString verb = step.section(u'=', 0, 0);
    const QString value = step.section(u'=', 1);
    if (verb == u"click") {
        QCheckBox* box = checkBox(dialog, value);
        QVERIFY2(box, qPrintable(value));
        // On its box: a short label leaves the middle of a wide check box empty.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    } else if (verb == u"color") {
        TestSupport::typeText(dialog.control<ColorCtrl>(Color), value);
    } else if (verb == u"type-size" || verb == u"type-family") {
        auto* box = dialog.control<QComboBox>(verb == u"type-size" ? Size : Family);
        TestSupport::typeText(box->lineEdit(), value);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    } else {
        const int id = verb == u"style" ? Style : verb == u"size" ? Size
                     : verb == u"family" ? Family : Underline;
        TestSupport::pickEntry(dialog.control<QComboBox>(id), value);
    }
}

} // namespace

class TestFontEditorDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheTouchedSettingsAreWritten_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("colour of a bold 10.5pt block") << u"fo:font-weight=bold;fo:font-size=10.5pt"_s << u"color=red"_s << u"fo:font-weight=bold;fo:font-size=10.5pt;fo:color=red"_s;
        QTest::newRow("bold, then regular") << u""_s << u"style=Bold;style=Regular"_s << u"fo:font-weight=normal"_s;
        QTest::newRow("regular first keeps bold") << u"fo:font-weight=bold"_s << u"style=Regular"_s << u"fo:font-weight=bold"_s;
        QTest::newRow("italic leaves the weight") << u"fo:font-weight=bold"_s << u"style=Italic"_s << u"fo:font-weight=bold;fo:font-style=italic"_s;
        QTest::newRow("bold italic, then regular") << u"fo:font-style=italic"_s << u"style=Bold Italic;style=Regular"_s << u"fo:font-style=normal;fo:font-weight=normal"_s;
        QTest::newRow("numeric weight is not bold") << u"fo:font-weight=700"_s << u"style=Bold"_s << u"fo:font-weight=bold"_s;
        QTest::newRow("size picked") << u"fo:font-size=10.5pt"_s << u"size=14"_s << u"fo:font-size=14pt"_s;
        QTest::newRow("family picked") << u"fo:color=blue"_s << u"family=DejaVu Sans"_s << u"fo:color=blue;fo:font-family=DejaVu Sans"_s;
        QTest::newRow("double underline") << u""_s << u"underline=Double"_s << u"fo:text-underline-style=double"_s;
        QTest::newRow("no underline on none") << u""_s << u"underline=None"_s << u""_s;
        QTest::newRow("no underline over dotted") << u"fo:text-underline-style=dotted"_s << u"underline=None"_s << u"fo:text-underline-style=none"_s;
        QTest::newRow("double line-through") << u""_s << u"click=Double Linethrough"_s << u"fo:text-line-through-style=double"_s;
        QTest::newRow("line-through on and off") << u""_s << u"click=Linethrough;click=Linethrough"_s << u"fo:text-line-through-style=none"_s;
        QTest::newRow("overline off") << u"fo:text-overline-style=solid"_s << u"click=Overline"_s << u"fo:text-overline-style=none"_s;
        QTest::newRow("uppercase over small caps") << u"fo:font-variant=small-caps"_s << u"click=Uppercase"_s << u"fo:font-variant=none;fo:text-transform=uppercase"_s;
        QTest::newRow("small caps") << u""_s << u"click=Small Caps"_s << u"fo:font-variant=small-caps"_s;
        QTest::newRow("lowercase off") << u"fo:text-transform=lowercase"_s << u"click=Lowercase"_s << u"fo:text-transform=none"_s;
        // clang-format on
    }

    void onlyTheTouchedSettingsAreWritten()
    {
        QFETCH(QString, given);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        FontEditorDlg dialog;
        dialog.setProperties(collectionOf(given));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (const QString& step : steps.split(u';')) {
            perform(dialog, step);
        }
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.control(1), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(TestSupport::listOf(dialog.getProperties()), expected);
    }

    void checkBoxesExcludeTheirPartners_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("checked");
        // clang-format off
        QTest::newRow("as read") << u"fo:text-line-through-style=double;fo:text-transform=capitalize"_s << u""_s << u"Double Linethrough,Capitalize"_s;
        QTest::newRow("line-through pair") << u""_s << u"Linethrough,Double Linethrough"_s << u"Double Linethrough"_s;
        QTest::newRow("case group") << u""_s << u"Small Caps,Capitalize,Lowercase"_s << u"Lowercase"_s;
        QTest::newRow("unchecked stays off") << u"fo:font-variant=small-caps"_s << u"Small Caps"_s << u""_s;
        QTest::newRow("groups are independent") << u""_s << u"Linethrough,Overline,Uppercase"_s << u"Linethrough,Overline,Uppercase"_s;
        // clang-format on
    }

    void checkBoxesExcludeTheirPartners()
    {
        QFETCH(QString, given);
        QFETCH(QString, clicks);
        QFETCH(QString, checked);
        FontEditorDlg dialog;
        dialog.setProperties(collectionOf(given));
        dialog.show();
        for (const QString& click : clicks.split(u',', Qt::SkipEmptyParts)) {
            perform(dialog, u"click="_s + click);
        }
        QStringList shown;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->isChecked()) {
                shown << box->text().remove(u'&');
            }
        }
        QCOMPARE(shown.join(u','), checked);
    }

    void enterAppliesTheTypedValueAndKeepsTheDialogOpen()
    {
        FontEditorDlg dialog;
        dialog.setProperties(collectionOf(u"fo:font-size=10.5pt"_s));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* size = dialog.control<QComboBox>(Size);
        auto* family = dialog.control<QComboBox>(Family);
        QCOMPARE(size->currentText(), u"10"_s);
        const int families = family->count();

        perform(dialog, u"type-size=13"_s);
        QVERIFY(dialog.isVisible());
        QVERIFY(!size->hasFocus());
        perform(dialog, u"type-family=Frutiger"_s);
        QVERIFY(dialog.isVisible());
        // The typed family is a value, not a new entry of the list.
        QCOMPARE(family->count(), families);
        QCOMPARE(TestSupport::listOf(dialog.getProperties()),
                 u"fo:font-size=13pt;fo:font-family=Frutiger"_s);
    }

    void aSizeThatIsNoSizeKeepsTheDialogOpen()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        FontEditorDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        perform(dialog, u"type-size=big"_s);
        QTest::mouseClick(dialog.control(1), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.count(), 1);
        QVERIFY(dialog.control<QComboBox>(Size)->hasFocus());
        perform(dialog, u"type-size=9"_s);
        QTest::mouseClick(dialog.control(1), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(TestSupport::listOf(dialog.getProperties()), u"fo:font-size=9pt"_s);
    }

    void everySettingShowsInThePreview_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("double underline") << u"underline=Double"_s;
        QTest::newRow("line-through") << u"click=Linethrough"_s;
        QTest::newRow("small caps") << u"click=Small Caps"_s;
        QTest::newRow("colour") << u"color=red"_s;
        QTest::newRow("bold") << u"style=Bold"_s;
    }

    void everySettingShowsInThePreview()
    {
        QFETCH(QString, step);
        FontEditorDlg dialog;
        dialog.show();
        StaticPreview* preview = dialog.preview();
        QTRY_VERIFY(preview->isLoaded());
        const QImage before = preview->grab().toImage();
        perform(dialog, step);
        QTRY_VERIFY(preview->isLoaded());
        QVERIFY(preview->grab().toImage() != before);
    }
};

UIEDITOR_TEST_CLASS(TestFontEditorDlg)
#include "tst_fonteditordlg.moc"
