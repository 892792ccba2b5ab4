// The insert-table dialog: switching among the eight table formats (each
// switch repaints the preview) the first time and once every format has been
// laid out, and producing the largest table.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_table -median 11
#include "controls/staticpreview.h"
#include "dialogs/table/inserttabledlg.h"
#include "dialogs/table/predefinedtablespage.h"
#include "dialogs/table/tablepreviewstack.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// Picks every format in turn and paints its preview; answers the pixels drawn.
qint64 switchThroughFormats(InsertTableDlg& dialog)
{
    QComboBox* formats = dialog.page()->formatList();
    qint64 drawn = 0;
    for (int i = 0; i < formats->count(); ++i) {
        formats->setCurrentIndex((formats->currentIndex() + 1) % formats->count());
        const QPixmap picture = dialog.page()->preview()->currentPreview()->grab();
        drawn += qint64(picture.width()) * picture.height();
    }
    return drawn;
}

} // namespace

class BenchTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchFormatsFirstTime()
    {
        qint64 drawn = 0;
        QBENCHMARK
        {
            InsertTableDlg dialog;
            dialog.show();
            drawn += switchThroughFormats(dialog);
            dialog.hide();
        }
        QVERIFY(drawn > 0);
    }

    void switchFormatsLaidOut()
    {
        InsertTableDlg dialog;
        dialog.show();
        switchThroughFormats(dialog);
        qint64 drawn = 0;
        QBENCHMARK
        {
            drawn += switchThroughFormats(dialog);
        }
        QVERIFY(drawn > 0);
    }

    void produceLargestTable()
    {
        InsertTableDlg dialog;
        dialog.show();
        dialog.control<QLineEdit>(InsertTableDlg::IDC_ROWS)->setText(QStringLiteral("100"));
        dialog.control<QLineEdit>(InsertTableDlg::IDC_COLUMNS)->setText(QStringLiteral("20"));
        dialog.accept();
        qsizetype length = 0;
        QBENCHMARK
        {
            length = dialog.getTableXml(false).length();
        }
        QVERIFY(length > 100000);
    }
};

QTEST_MAIN(BenchTable)
#include "bench_table.moc"
