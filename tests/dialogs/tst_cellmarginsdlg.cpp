// The cell margins dialog: the four paddings as read from the cell, and as
// written back on OK, always all four and collapsed.
#include "controls/lengthorpercentctrl.h"
#include "dialogdriver.h"
#include "dialogs/format/cellmarginsdlg.h"
#include "propertytestsupport.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::collectionOf;

namespace {

constexpr int Left = 11212, Right = 11213, Top = 11214, Bottom = 11215;

QString shown(const CellMarginsDlg& dialog)
{
    QStringList values;
    for (int id : {Left, Top, Right, Bottom}) {
        values << dialog.control<LengthOrPercentCtrl>(id)->getValueAsString().toQString();
    }
    return values.join(u' ');
}

} // namespace

class TestCellMarginsDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marginsAreReadExpandedAndWrittenCollapsed_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("typedTop");
        QTest::addColumn<QString>("shownLeftTopRightBottom");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("shorthand only") << u"fo:padding=4pt 2pt"_s << u""_s << u"2pt 4pt 2pt 4pt"_s << u"fo:padding=4pt 2pt"_s;
        QTest::newRow("empty collection") << u""_s << u""_s << u"0pt 0pt 0pt 0pt"_s << u"fo:padding=0pt"_s;
        QTest::newRow("one side given") << u"fo:color=red;fo:padding-left=3pt"_s << u""_s << u"3pt 0px 0px 0px"_s << u"fo:color=red;fo:padding=0px 0px 0px 3pt"_s;
        QTest::newRow("typed top") << u"fo:padding=1mm"_s << u"5"_s << u"1mm 1mm 1mm 1mm"_s << u"fo:padding=5mm 1mm 1mm 1mm"_s;
        // clang-format on
    }

    void marginsAreReadExpandedAndWrittenCollapsed()
    {
        QFETCH(QString, given);
        QFETCH(QString, typedTop);
        QFETCH(QString, shownLeftTopRightBottom);
        QFETCH(QString, written);
        CellMarginsDlg dialog;
        dialog.setProperties(collectionOf(given));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(shown(dialog), shownLeftTopRightBottom);
        if (!typedTop.isEmpty()) {
            TestSupport::typeText(dialog.control<LengthOrPercentCtrl>(Top)->numberEdit(), typedTop);
        }
        QTest::mouseClick(dialog.control(1), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(TestSupport::listOf(dialog.getProperties()), written);
    }

    void aNegativeMarginKeepsTheDialogOpen()
    {
        TestSupport::RecordingMessageBoxFactory messages;
        CellMarginsDlg dialog;
        dialog.setProperties(collectionOf(u"fo:padding=2pt"_s));
        dialog.show();
        TestSupport::typeLength(dialog.control<LengthOrPercentCtrl>(Right), u"-1"_s);
        QTest::mouseClick(dialog.control(1), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(TestSupport::listOf(dialog.getProperties()).count(u"padding"_s), 4);
    }
};

UIEDITOR_TEST_CLASS(TestCellMarginsDlg)
#include "tst_cellmarginsdlg.moc"
