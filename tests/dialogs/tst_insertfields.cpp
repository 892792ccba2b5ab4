// Date and time, page numbers and links as an author inserts them: the
// choices made in the dialogs give exactly the markup the designer pastes,
// and that markup parses whatever the user typed.
#include "dialogdriver.h"
#include "dialogs/insert/insertdatetime.h"
#include "dialogs/insert/inserthyperlinkdlg.h"
#include "dialogs/insert/insertpagenumberdlg.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "testregistry.h"
#include "values/propertyvaluesctrl.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// Whether `markup` parses where the designer pastes it.
bool wellFormed(const QString& markup)
{
    Xml::DomParser parser;
    try {
        parser.parseMemory(u"<b xmlns:fo=\"%1\" xmlns:kmb=\"%2\">%3</b>"_s.arg(
            QLatin1String(Xml::Namespaces::FO), QLatin1String(Xml::Namespaces::KMB), markup));
    } catch (const Core::Exception&) {
        return false;
    }
    return true;
}

void clickOk(Dialog& dialog)
{
    QTest::mouseClick(dialog.control<QPushButton>(1), Qt::LeftButton);
}

struct DefaultLocale
{
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

const char* const Link = "<fo:basic-link text-underline-style=\"solid\" "
                         "text-underline-width=\"auto\" color=\"rgb(0,0,255)\" ";

} // namespace

class TestInsertFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("fieldFormat");
        // clang-format off
        QTest::newRow("0") << u"en_US"_s << 0 << u"3/14/2008"_s << u"date:M/dd/yyyy"_s;
        QTest::newRow("1") << u"en_US"_s << 1 << u"Friday,March 14,2008"_s << u"date:EEEE,MMMM dd,yyyy"_s;
        QTest::newRow("2") << u"en_US"_s << 2 << u"3/14/08"_s << u"date:M/dd/yy"_s;
        QTest::newRow("3") << u"en_US"_s << 3 << u"2008-03-14"_s << u"date:yyyy-MM-dd"_s;
        QTest::newRow("4") << u"en_US"_s << 4 << u"14-Mar-08"_s << u"date:dd-MMM-yy"_s;
        QTest::newRow("5") << u"en_US"_s << 5 << u"3.14.2008"_s << u"date:M.dd.yyyy"_s;
        QTest::newRow("6") << u"en_US"_s << 6 << u"Mar.14,08"_s << u"date:MMM.dd,yy"_s;
        QTest::newRow("7") << u"en_US"_s << 7 << u"14 March 2008"_s << u"date:dd MMMM yyyy"_s;
        QTest::newRow("8") << u"en_US"_s << 8 << u"March 08"_s << u"date:MMMM yy"_s;
        QTest::newRow("9") << u"en_US"_s << 9 << u"Mar-08"_s << u"date:MMM-yy"_s;
        QTest::newRow("10") << u"en_US"_s << 10 << u"3/14/2008 2:36 PM"_s << u"date:M/dd/yyyy  h:mm a"_s;
        QTest::newRow("11") << u"en_US"_s << 11 << u"3/14/2008 2:36:54 PM"_s << u"date:M/dd/yyyy  h:mm:ss a"_s;
        QTest::newRow("12") << u"en_US"_s << 12 << u"2:36:54 PM"_s << u"date:h:mm:ss a"_s;
        QTest::newRow("13") << u"en_US"_s << 13 << u"14:36"_s << u"date:HH:mm"_s;
        QTest::newRow("14") << u"en_US"_s << 14 << u"14:36:54"_s << u"date:HH:mm:ss"_s;
        QTest::newRow("de weekday") << u"de_DE"_s << 1 << u"Freitag,M\u00e4rz 14,2008"_s << u"date:EEEE,MMMM dd,yyyy"_s;
        QTest::newRow("fr month") << u"fr_FR"_s << 7 << u"14 mars 2008"_s << u"date:dd MMMM yyyy"_s;
        // clang-format on
    }
    /// The list shows each pattern by the example moment; a field keeps the
    /// pattern, a fixed text is the moment written by it.
    void dateFormats()
    {
        QFETCH(QString, locale);
        QFETCH(int, row);
        QFETCH(QString, example);
        QFETCH(QString, fieldFormat);
        const DefaultLocale fixed{QLocale(locale)};
        for (const bool update : {true, false}) {
            InsertDateTime dialog;
            dialog.setCurrentDateTime(InsertDateTime::exampleMoment());
            dialog.show();
            auto* list = dialog.control<QListWidget>(InsertDateTime::IDC_LIST_TYPES);
            auto* check = dialog.control<QCheckBox>(InsertDateTime::IDC_UPDATE);
            QVERIFY(check->isChecked());
            QCOMPARE(list->item(row)->text(), example);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
            QCOMPARE(dialog.control<QLineEdit>(InsertDateTime::IDC_EFFECTIVE_FORMAT)->text(),
                     QString(fieldFormat).remove(u"date:"_s).replace(u"  "_s, u" "_s));
            if (!update) {
                check->setFocus();
                QTest::keyClick(check, Qt::Key_Space);
            }
            clickOk(dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.getDateTimeXml().toQString(),
                     update ? u"<kmb:field xpath=\"$KMCrtLocalDateTime\" format=\"%1\"/>"_s.arg(fieldFormat)
                            : example);
        }
    }

    void pageNumberChoices_data()
    {
        QTest::addColumn<int>("storedType");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("expectedType");
        QTest::addColumn<QString>("token");
        // clang-format off
        QTest::newRow("as opened") << 0 << QString() << QString() << 0 << u"1"_s;
        QTest::newRow("stored total kept") << 1 << QString() << u"001 002 003 ... 099 100 101..."_s << 1 << u"001"_s;
        QTest::newRow("total, roman") << 0 << u"Total Number of Pages"_s << u"i ii iii iv v vi vii viii ix x..."_s << 1 << u"i"_s;
        QTest::newRow("letters") << 1 << u"Page Number"_s << u"A B C ... Z AA AB AC..."_s << 0 << u"A"_s;
        QTest::newRow("upper roman") << 0 << QString() << u"I II III IV V VI VII VIII IX X..."_s << 0 << u"I"_s;
        // clang-format on
    }
    void pageNumberChoices()
    {
        QFETCH(int, storedType);
        QFETCH(QString, type);
        QFETCH(QString, format);
        QFETCH(int, expectedType);
        QFETCH(QString, token);
        InsertPageNumberDlg dialog;
        dialog.setElementType(storedType);
        dialog.show();
        if (!type.isEmpty()) {
            TestSupport::pickEntry(dialog.control<QComboBox>(InsertPageNumberDlg::IDC_ELEMENT_TYPE), type);
        }
        if (!format.isEmpty()) {
            TestSupport::pickEntry(dialog.control<QComboBox>(InsertPageNumberDlg::IDC_FORMAT), format);
        }
        clickOk(dialog);
        QCOMPARE(dialog.getElementType(), expectedType);
        QCOMPARE(dialog.getFormat().toQString(), token);
    }

    void addressNormalisation_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << QString() << u"http://"_s;
        QTest::newRow("url()") << u"url(https://a.example/x)"_s << u"https://a.example/x"_s;
        QTest::newRow("url('')") << u"url('https://a.example/x')"_s << u"https://a.example/x"_s;
        QTest::newRow("quoted") << u"'mailto:a@b.example'"_s << u"mailto:a@b.example"_s;
        QTest::newRow("trailing quote") << u"https://a.example\""_s << u"https://a.example"_s;
        QTest::newRow("a lone quote stays") << u"'"_s << u"'"_s;
    }
    void addressNormalisation()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        PropertyValueEx address("external-destination", "id1");
        address.setStaticValue(stored);
        InsertHyperlinkDlg dialog({}, nullptr, address, u"Home"_s);
        dialog.show();
        QCOMPARE(dialog.control<QLineEdit>(InsertHyperlinkDlg::IDC_ADDRESS)->text(), shown);
    }

    void linkMarkup_data()
    {
        QTest::addColumn<bool>("dynamic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("typedTitle");
        QTest::addColumn<QString>("typedAddress");
        QTest::addColumn<QString>("markup");
        const QString link = QString::fromLatin1(Link);
        // clang-format off
        QTest::newRow("plain") << false << u"Home"_s << false << QString() << QString() << link + u"external-destination=\"url(https://a.example)\">Home</fo:basic-link>"_s;
        QTest::newRow("escaped") << false << QString() << false << u"Terms & <conditions>"_s << u"https://a.example/?a=1&b=\"2"_s << link + u"external-destination=\"url(https://a.example/?a=1&amp;b=&quot;2)\">Terms &amp; &lt;conditions&gt;</fo:basic-link>"_s;
        QTest::newRow("typed wrapper") << false << u"Home"_s << false << QString() << u"url('https://b.example')"_s << link + u"external-destination=\"url(https://b.example)\">Home</fo:basic-link>"_s;
        QTest::newRow("emptied address") << false << u"Home"_s << false << QString() << u" "_s << link + u">Home</fo:basic-link>"_s;
        QTest::newRow("field title") << false << u"<kmb:field xpath=\"customer/name\"/>"_s << false << QString() << QString() << link + u"external-destination=\"url(https://a.example)\"><kmb:field xpath=\"customer/name\" /></fo:basic-link>"_s;
        QTest::newRow("complex title kept") << false << u"See <fo:inline font-weight=\"bold\">this</fo:inline>"_s << true << QString() << QString() << link + u"external-destination=\"url(https://a.example)\">See <fo:inline font-weight=\"bold\">this</fo:inline></fo:basic-link>"_s;
        QTest::newRow("formatted field is complex") << false << u"<kmb:field xpath=\"a\" format=\"x\"/>"_s << true << QString() << QString() << link + u"external-destination=\"url(https://a.example)\"><kmb:field xpath=\"a\" format=\"x\"/></fo:basic-link>"_s;
        QTest::newRow("complex title typed over") << false << u"A <fo:inline>b</fo:inline>"_s << true << u"New"_s << QString() << link + u"external-destination=\"url(https://a.example)\">New</fo:basic-link>"_s;
        QTest::newRow("dynamic address") << true << u"Home"_s << false << QString() << QString() << link + u"id=\"id42\">Home</fo:basic-link>"_s;
        // clang-format on
    }
    void linkMarkup()
    {
        QFETCH(bool, dynamic);
        QFETCH(QString, title);
        QFETCH(bool, hint);
        QFETCH(QString, typedTitle);
        QFETCH(QString, typedAddress);
        QFETCH(QString, markup);
        PropertyValueEx address("external-destination", "id42");
        address.setStaticValue(u"https://a.example"_s);
        if (dynamic) {
            address.setType(PropertyValueType::Dynamic);
            address.setDynamicValue(u"customer/website"_s);
        }
        InsertHyperlinkDlg dialog({}, nullptr, address, title);
        dialog.show();
        auto* titleField = dialog.control<PropertyValuesCtrl>(InsertHyperlinkDlg::IDC_TITLE);
        QCOMPARE(titleField->isCueBannerShown(), hint);
        if (!typedTitle.isEmpty()) {
            TestSupport::typeText(titleField, typedTitle);
        }
        if (!typedAddress.isEmpty()) {
            TestSupport::typeText(dialog.control<QLineEdit>(InsertHyperlinkDlg::IDC_ADDRESS), typedAddress.trimmed());
        }
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getFeatureXml().toQString(), markup);
        QVERIFY(wellFormed(markup));
        QCOMPARE(dialog.getHyperlinkProperty().getObjectId().toQString(), u"id42"_s);
    }
};

UIEDITOR_TEST_CLASS(TestInsertFields)
#include "tst_insertfields.moc"
