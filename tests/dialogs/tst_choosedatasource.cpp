// The data source dialog: which kind it opens on, which controls each kind
// shows, and paths made relative to the template's folder only when they can be.
#include "dialogs/data/choosedatasourcedlg.h"
#include "fakedocumentinformation.h"
#include "scriptedfiledialogs.h"
#include "testregistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::FakeDocumentInformation;

namespace {

SmartPtr<FakeDocumentInformation> documentAt(const QString& path)
{
    auto info = makeSmart<FakeDocumentInformation>();
    info->setDocumentPath(path);
    return info;
}

PropertyCollection sources(std::initializer_list<std::pair<const char*, const char*>> values)
{
    PropertyCollection properties;
    for (const auto& [name, value] : values) {
        properties.addProperty(EditableProperty(name, value), false);
    }
    return properties;
}

} // namespace

class TestChooseDatasource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTheKindThatTakesPrecedence()
    {
        ChooseDatasourceDlg dialog(documentAt(u"/work/t.fo"_s),
                                   sources({{"kmb:sample-lfa", "a.lfa"}, {"kmb:sample-xsd", "a.xsd"}}));
        dialog.open();
        QVERIFY(dialog.control<QRadioButton>(ChooseDatasourceDlg::IDC_DATA_AGGREGATION_FILE)->isChecked());
        QVERIFY(dialog.control(ChooseDatasourceDlg::IDC_NOTE)->isVisible());
        QVERIFY(!dialog.control(ChooseDatasourceDlg::IDC_XML_PATH)->isVisible());
        QCOMPARE(dialog.control<QLineEdit>(ChooseDatasourceDlg::IDC_FILE_PATH)->text(), u"a.lfa"_s);

        dialog.control<QRadioButton>(ChooseDatasourceDlg::IDC_XSD_FILE)->click();
        QVERIFY(dialog.control(ChooseDatasourceDlg::IDC_NAMESPACE_PREFIX)->isVisible());
        QVERIFY(!dialog.control(ChooseDatasourceDlg::IDC_NOTE)->isVisible());
        dialog.control<QRadioButton>(ChooseDatasourceDlg::IDC_XML_FILE)->click();
        dialog.accept();
        QCOMPARE(dialog.getDatasourceType(), DatasourceType::XmlFile);
        QCOMPARE(dialog.getXsdFilePath().toQString(), u"a.xsd"_s); // kept across kinds
    }

    void pickedPathsAreRelativeWhereTheyCanBe_data()
    {
        QTest::addColumn<QString>("templatePath");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("relative");
        // clang-format off
        QTest::newRow("saved, same tree") << u"/work/templates/t.fo"_s << u"/work/data/s.xml"_s << u"../data/s.xml"_s << true;
        QTest::newRow("unsaved") << u""_s << u"/work/data/s.xml"_s << u"/work/data/s.xml"_s << false;
        // clang-format on
    }
    void pickedPathsAreRelativeWhereTheyCanBe()
    {
        QFETCH(QString, templatePath);
        QFETCH(QString, picked);
        QFETCH(QString, stored);
        QFETCH(bool, relative);
        TestSupport::ScriptedFileDialogs files;
        files.answerWith({picked});
        ChooseDatasourceDlg dialog(documentAt(templatePath), PropertyCollection());
        dialog.open();
        dialog.control<QPushButton>(ChooseDatasourceDlg::IDC_BROWSE_FILE)->click();
        QVERIFY(files.requests().constFirst().filter.toQString().contains(u"*.xml"_s));
        dialog.accept();
        QCOMPARE(dialog.getDatasourceFilePath().toQString(), stored);
        QCOMPARE(dialog.isPathRelative(), relative);
    }

    void linkforgeIsFoundInTheSystemSettings()
    {
        QTemporaryDir system;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system.path());
        QVERIFY(!ChooseDatasourceDlg::isLFInstalled());
        QSettings(system.filePath(u"Varnel/Install.conf"_s), QSettings::NativeFormat)
            .setValue(u"LFDesigner/Path"_s, u"/opt/linkforge"_s);
        QVERIFY(ChooseDatasourceDlg::isLFInstalled());
    }
};

UIEDITOR_TEST_CLASS(TestChooseDatasource)
#include "tst_choosedatasource.moc"
