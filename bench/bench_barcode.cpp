// How long the barcode dialog's preview takes to follow a change of type:
// from picking the type until the preview has been repainted with the new
// symbol. Each round switches to the measured type and back to OMR, whose
// marks are drawn without the encoder: two repaints per round.
//   QT_QPA_PLATFORM=offscreen build-dev/bench/bench_barcode -median 11
#include "controls/staticpreview.h"
#include "dialogs/insert/insertbarcodedlg.h"
#include "paintwatcher.h"

#include <QComboBox>
#include <QTest>

namespace {

bool pickAndWaitForPaint(QComboBox* types, const QString& type, QWidget* preview)
{
    PaintWatcher watcher(preview);
    types->setCurrentIndex(types->findText(type));
    return watcher.waitUntilPainted();
}

} // namespace

class BenchBarcode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typeSwitchRepaintsPreview_data()
    {
        QTest::addColumn<QString>("type");
        for (const char* type : {"128", "QR Barcode", "PDF417", "Data Matrix"}) {
            QTest::newRow(type) << QString::fromLatin1(type);
        }
    }
    void typeSwitchRepaintsPreview()
    {
        QFETCH(QString, type);
        InsertBarcodeDlg dialog(PropertyValueEx("km:value", ""), {}, "/", nullptr);
        dialog.setBarcodeData("true", "OMR", "0", "text");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* types = dialog.control<QComboBox>(InsertBarcodeDlg::IDC_TYPES);
        const QString back = QStringLiteral("OMR");
        bool painted = true;
        QBENCHMARK
        {
            painted = pickAndWaitForPaint(types, type, dialog.preview()) && painted;
            painted = pickAndWaitForPaint(types, back, dialog.preview()) && painted;
        }
        QVERIFY(painted);
        QVERIFY(dialog.getRejectionReason().toQString().isEmpty());
    }
};

QTEST_MAIN(BenchBarcode)
#include "bench_barcode.moc"
