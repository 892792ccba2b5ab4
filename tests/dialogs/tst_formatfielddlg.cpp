// The Format Field dialog: every format it writes opens again on the same
// settings, a hand-written one on the nearest settings without losing its
// text, equal separators are refused, and the number page previews what a
// field prints.
#include "dialogs/field/cformatfielddatedlg.h"
#include "dialogs/field/cformatfieldnumberdlg.h"
#include "dialogs/field/cformatfieldphonedlg.h"
#include "dialogs/field/customnumbersettings.h"
#include "dialogs/field/fieldformatcatalogue.h"
#include "dialogs/field/fieldvalueformatter.h"
#include "dialogs/field/formatfielddlg.h"
#include "dialogs/field/formatfieldlistpage.h"
#include "frame/win32constants.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using Kind = FieldFormat::Kind;
using Number = CFormatFieldNumberDlg;

namespace {

template <class Choices>
QStringList valuesOf(const Choices& choices)
{
    QStringList values;
    for (const auto& choice : choices) {
        values << choice.value;
    }
    return values;
}

// Every setting of the custom number controls the dialog accepts, with the
// leading zeros and decimal places drawn from `counts`.
std::vector<CustomNumberSettings> customSettings(bool currency, const QList<int>& counts)
{
    std::vector<CustomNumberSettings> all;
    const QStringList symbols = currency ? FieldFormatCatalogue::currencySymbols() : QStringList{QString()};
    for (const QString& thousands : valuesOf(FieldFormatCatalogue::thousandsSeparators())) {
        for (const QString& decimal : valuesOf(FieldFormatCatalogue::decimalSeparators())) {
            if (thousands == decimal) {
                continue; // refused
            }
            for (const QString& sign : valuesOf(FieldFormatCatalogue::signs())) {
                for (const QString& symbol : symbols) {
                    for (bool after : {true, false}) {
                        for (int zeros : counts) {
                            for (int places : counts) {
                                all.push_back({zeros, places, thousands, decimal, sign, symbol, after || !currency});
                            }
                        }
                        if (!currency) {
                            break;
                        }
                    }
                }
            }
        }
    }
    return all;
}

// A click on the radio button's circle: its text may not reach the middle.
void choose(QWidget* radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(radio->height() / 2, radio->height() / 2));
    QVERIFY(qobject_cast<QRadioButton*>(radio)->isChecked());
}

void pick(QComboBox* combo, const QVariant& value)
{
    const int index = combo->findData(value);
    QVERIFY2(index >= 0, qPrintable(value.toString()));
    combo->setCurrentIndex(index);
}

void setCustom(Number* page, const CustomNumberSettings& settings)
{
    choose(page->control(Number::IDC_CUSTOM));
    page->control<QSpinBox>(Number::IDC_DECIMAL_PLACES)->setValue(settings.decimalPlaces);
    page->control<QSpinBox>(Number::IDC_LEADING_ZEROS)->setValue(settings.leadingZeros);
    pick(page->control<QComboBox>(Number::IDC_DECIMAL_SEPARATOR), settings.decimal);
    pick(page->control<QComboBox>(Number::IDC_THOUSAND_SEPARATOR), settings.thousands);
    pick(page->control<QComboBox>(Number::IDC_MINUS_SIGN), settings.sign);
    if (page->isCurrency()) {
        pick(page->control<QComboBox>(Number::IDC_CURRENCY_SYMBOL), settings.symbol);
        pick(page->control<QComboBox>(Number::IDC_CURRENCY_POSITION), settings.symbolAfter);
    }
}

// One way to fill in the dialog: a kind, and on its page a predefined row
// (row >= 0), a typed pattern or custom number settings.
struct Filling
{
    Filling(Kind on, int predefinedRow, QString typedPattern = QString(), CustomNumberSettings settings = {})
        : kind(on), row(predefinedRow), typed(std::move(typedPattern)), custom(std::move(settings))
    {
    }

    Kind kind;
    int row;
    QString typed;
    CustomNumberSettings custom;
};

std::vector<Filling> everyPageFilling()
{
    std::vector<Filling> fillings{{Kind::None, -1}};
    for (Kind kind : {Kind::Number, Kind::Currency}) {
        const bool currency = kind == Kind::Currency;
        for (int row = 0; row < int(FieldFormatCatalogue::numberRows(currency).size()); ++row) {
            fillings.emplace_back(kind, row);
        }
        // Each control through each of its values, the others as they start.
        const CustomNumberSettings start = CustomNumberSettings::from(NumberFormat(), currency);
        for (const CustomNumberSettings& settings : customSettings(currency, {0, 1, 2, 3, 4, 20})) {
            const int differences = (settings.leadingZeros != start.leadingZeros) +
                                    (settings.decimalPlaces != start.decimalPlaces) +
                                    (settings.thousands != start.thousands) + (settings.decimal != start.decimal) +
                                    (settings.sign != start.sign) + (settings.symbol != start.symbol) +
                                    (settings.symbolAfter != start.symbolAfter);
            if (differences <= 1) {
                fillings.emplace_back(kind, -1, QString(), settings);
            }
        }
    }
    for (int row = 0; row < int(FieldFormatCatalogue::dateRows().size()); ++row) {
        fillings.emplace_back(Kind::Date, row);
    }
    for (int row = 0; row < int(FieldFormatCatalogue::phoneRows().size()); ++row) {
        fillings.emplace_back(Kind::Phone, row);
    }
    fillings.emplace_back(Kind::Date, -1, u"yyyy/MM 'week' ww"_s);
    fillings.emplace_back(Kind::Phone, -1, u"0### / ## ## ##"_s);
    fillings.emplace_back(Kind::Custom, -1, u"###-##-#### th: dec: sign:"_s);
    return fillings;
}

QString fillIn(FormatFieldDlg& dialog, const Filling& filling)
{
    dialog.control<QListWidget>(FormatFieldDlg::IDC_KINDS)->setCurrentRow(int(filling.kind));
    FormatFieldPage* page = dialog.page(filling.kind);
    if (auto* number = qobject_cast<Number*>(page)) {
        if (filling.row >= 0) {
            choose(number->control(Number::IDC_PREDEFINED));
            auto* list = number->control<QTreeWidget>(Number::IDC_PREDEFINED_LIST);
            list->setCurrentItem(list->topLevelItem(filling.row));
        } else {
            setCustom(number, filling.custom);
        }
    } else if (auto* listPage = qobject_cast<FormatFieldListPage*>(page)) {
        const bool date = filling.kind == Kind::Date;
        if (filling.row >= 0) {
            choose(listPage->control(date ? CFormatFieldDateDlg::IDC_PREDEFINED : CFormatFieldPhoneDlg::IDC_PREDEFINED));
            auto* list = listPage->control<QTreeWidget>(date ? CFormatFieldDateDlg::IDC_LIST : CFormatFieldPhoneDlg::IDC_LIST);
            list->setCurrentItem(list->topLevelItem(filling.row));
        } else {
            choose(listPage->control(date ? CFormatFieldDateDlg::IDC_CUSTOM : CFormatFieldPhoneDlg::IDC_CUSTOM));
            listPage->control<QLineEdit>(FormatFieldListPage::IDC_CUSTOM_PATTERN)->setText(filling.typed);
            Q_EMIT listPage->control<QLineEdit>(FormatFieldListPage::IDC_CUSTOM_PATTERN)->textEdited(filling.typed);
        }
    } else if (filling.kind == Kind::Custom) {
        auto* edit = page->control<QLineEdit>(FormatFieldListPage::IDC_CUSTOM_PATTERN);
        edit->setText(filling.typed);
        Q_EMIT edit->textEdited(filling.typed);
    }
    return page->pattern();
}

} // namespace

class TestFormatFieldDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Leading zeros and decimal places cross in full for numbers; currencies
    // cross every symbol and position with the separators and signs.
    void everyCustomNumberReadsBackToItsSettings()
    {
        for (bool currency : {false, true}) {
            QList<int> counts;
            for (int count = 0; count <= CustomNumberSettings::maximumDigits; ++count) {
                counts << count;
            }
            const std::vector<CustomNumberSettings> all =
                customSettings(currency, currency ? QList<int>{0, 1, 2, 3, 4, 20} : counts);
            const Kind kind = currency ? Kind::Currency : Kind::Number;
            for (const CustomNumberSettings& settings : all) {
                const QString written = FieldFormat(kind, settings.toFormat().toString()).toString();
                const FieldFormat read = FieldFormat::parse(written);
                const CustomNumberSettings back = CustomNumberSettings::from(NumberFormat::parse(read.pattern()), currency);
                if (read.kind() != kind || !(back == settings)) {
                    QFAIL(qPrintable(u"\"%1\" reads back as \"%2\""_s.arg(
                        written, FieldFormat(read.kind(), back.toFormat().toString()).toString())));
                }
            }
        }
    }

    void everyFormatThePagesWriteOpensOnItsSettings()
    {
        for (const Filling& filling : everyPageFilling()) {
            FormatFieldDlg dialog(u"custom:left alone"_s, true);
            dialog.show();
            const QString pattern = fillIn(dialog, filling);
            QTest::mouseClick(dialog.control(Win32::IDOK), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            const QString written = dialog.getFormat();
            QCOMPARE(written, FieldFormat(filling.kind, pattern).toString());
            // A blank separator is written as its entity, never as the character.
            QVERIFY(!written.section(u" th:"_s, 1).contains(u'\u00A0'));

            FormatFieldDlg reopened(written, true);
            reopened.show();
            QCOMPARE(reopened.selectedKind(), filling.kind);
            QCOMPARE(reopened.page(filling.kind)->pattern(), pattern);
            if (auto* number = qobject_cast<Number*>(reopened.page(filling.kind)); number && filling.row < 0) {
                QCOMPARE(number->customSettings(), filling.custom);
            }
            QTest::mouseClick(reopened.control(Win32::IDOK), Qt::LeftButton);
            QCOMPARE(reopened.getFormat(), written);
        }
    }

    void formatsOpenOnTheNearestSettingsAndKeepTheirText_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("allKinds");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");  // the pattern the page's controls make
        QTest::addColumn<QString>("afterOk"); // nothing changed
        // clang-format off
        QTest::newRow("empty") << u""_s << true << int(Kind::None) << u""_s << u""_s;
        QTest::newRow("date without all kinds") << u"date:yyyy-MM-dd"_s << false << int(Kind::None) << u""_s << u""_s;
        QTest::newRow("unknown prefix") << u"money:#"_s << true << int(Kind::None) << u""_s << u""_s;
        QTest::newRow("date not listed") << u"date:yyyy/MM"_s << true << int(Kind::Date) << u"yyyy/MM"_s << u"date:yyyy/MM"_s;
        QTest::newRow("time reads as date") << u"time:HH:mm"_s << true << int(Kind::Date) << u"HH:mm"_s << u"time:HH:mm"_s;
        QTest::newRow("predefined row 0") << u"number:#,###.# th:, dec:. sign:"_s << false << int(Kind::Number) << u"#,###.# th:, dec:. sign:"_s << u"number:#,###.# th:, dec:. sign:"_s;
        QTest::newRow("number by hand") << u"number:#,##0.00"_s << true << int(Kind::Number) << u"##,##0.00 th:, dec:. sign:"_s << u"number:#,##0.00"_s;
        QTest::newRow("blank thousands") << u"number:#&#x00A0;###,# th:&#x00A0; dec:, sign:CR"_s << true << int(Kind::Number) << u"#\u00A0###,# th:&#x00A0; dec:, sign:CR"_s << u"number:#&#x00A0;###,# th:&#x00A0; dec:, sign:CR"_s;
        QTest::newRow("currency symbol before") << u"currency:R$ 0.00"_s << true << int(Kind::Currency) << u"R$####0.00 th: dec:. sign:"_s << u"currency:R$ 0.00"_s;
        QTest::newRow("unknown sign") << u"currency:#,##0 th:, dec:. sign:<>"_s << true << int(Kind::Currency) << u"##,##0.#€ th:, dec:. sign:"_s << u"currency:#,##0 th:, dec:. sign:<>"_s;
        // clang-format on
    }

    void formatsOpenOnTheNearestSettingsAndKeepTheirText()
    {
        QFETCH(QString, given);
        QFETCH(bool, allKinds);
        QFETCH(int, kind);
        QFETCH(QString, shown);
        QFETCH(QString, afterOk);
        FormatFieldDlg dialog(given, allKinds);
        dialog.show();
        QCOMPARE(int(dialog.selectedKind()), kind);
        QCOMPARE(dialog.control<QListWidget>(FormatFieldDlg::IDC_KINDS)->count(), allKinds ? 6 : 2);
        QCOMPARE(dialog.page(Kind(kind))->pattern(), shown);
        QTest::mouseClick(dialog.control(Win32::IDOK), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.getFormat(), afterOk);
    }

    void equalSeparatorsAreRefused_data()
    {
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<bool>("refused");
        QTest::newRow("dot and dot") << u"."_s << u"."_s << true;
        QTest::newRow("blank and blank") << u"\u00A0"_s << u"\u00A0"_s << true;
        QTest::newRow("none and dot") << u""_s << u"."_s << false;
        QTest::newRow("comma and dot") << u","_s << u"."_s << false;
    }

    void equalSeparatorsAreRefused()
    {
        QFETCH(QString, thousands);
        QFETCH(QString, decimal);
        QFETCH(bool, refused);
        TestSupport::RecordingMessageBoxFactory messages;
        FormatFieldDlg dialog(u"currency:$#,###.# th:, dec:. sign:"_s, true);
        dialog.show();
        auto* page = qobject_cast<Number*>(dialog.page(Kind::Currency));
        CustomNumberSettings settings = page->customSettings();
        settings.thousands = thousands;
        settings.decimal = decimal;
        setCustom(page, settings);
        QTest::mouseClick(dialog.control(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.isVisible(), refused);
        QCOMPARE(messages.count(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(messages.last().textId, 63295u);
            QVERIFY(messages.last().type & Win32::MB_ICONINFORMATION);
            QCOMPARE(dialog.getFormat(), u"currency:$#,###.# th:, dec:. sign:"_s);
        }
    }

    void thePreviewShowsWhatAFieldPrints_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("positive");
        QTest::addColumn<QString>("negative");
        // clang-format off
        QTest::newRow("US number") << u"number:#,###.# th:, dec:. sign:"_s << u"1,234.5"_s << u"-1,234.5"_s;
        QTest::newRow("places, parentheses") << u"number:##.##0,00 th:. dec:, sign:()"_s << u"1.234,50"_s << u"(1.234,50)"_s;
        QTest::newRow("leading zeros, no grouping") << u"number:####00000.# th: dec:. sign:"_s << u"01234.5"_s << u"-01234.5"_s;
        QTest::newRow("blank groups, euro after, CR") << u"currency:#&#x00A0;###&#x00A0;000,000€ th:&#x00A0; dec:, sign:CR"_s << u"1\u00A0234,500€"_s << u"1\u00A0234,500€CR"_s;
        QTest::newRow("dollar before, no places") << u"currency:$#,###.# th:, dec:. sign:"_s << u"$1,234.5"_s << u"-$1,234.5"_s;
        // clang-format on
    }

    void thePreviewShowsWhatAFieldPrints()
    {
        QFETCH(QString, format);
        QFETCH(QString, positive);
        QFETCH(QString, negative);
        FormatFieldDlg dialog(format, true);
        dialog.show();
        FormatFieldPage* page = dialog.page(dialog.selectedKind());
        QCOMPARE(page->control<QLineEdit>(Number::IDC_POSITIVE)->text(), positive);
        QCOMPARE(page->control<QLineEdit>(Number::IDC_NEGATIVE)->text(), negative);
        QCOMPARE(FieldValueFormatter::format(format, u"1234.5"_s), positive);
        QCOMPARE(FieldValueFormatter::format(format, u" -1234.5 "_s), negative);
    }

    void valuesPrintInTheirFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("printed");
        // clang-format off
        QTest::newRow("German month") << u"date:dd MMMM yyyy"_s << u"2008-10-24"_s << u"de_DE"_s << u"24 Oktober 2008"_s;
        QTest::newRow("French day") << u"date:EEEE MM yyyy"_s << u"2008-10-24T15:51:36"_s << u"fr_FR"_s << u"vendredi 10 2008"_s;
        QTest::newRow("12-hour clock") << u"date:yyyy-MM-dd hh:mm:ss a"_s << u"2008-10-24T15:51:36"_s << u"en_US"_s << u"2008-10-24 03:51:36 PM"_s;
        QTest::newRow("not a date") << u"date:yyyy"_s << u"soon"_s << u"en_US"_s << u"soon"_s;
        QTest::newRow("phone digits") << u"phone:(###)###-####"_s << u"609 703 2275"_s << u"en_US"_s << u"(609)703-2275"_s;
        QTest::newRow("custom, characters left over") << u"custom:###-##-####"_s << u"1234567890"_s << u"en_US"_s << u"123-45-67890"_s;
        QTest::newRow("half away from zero") << u"number:#,###.00 th:, dec:. sign:"_s << u"0.125"_s << u"en_US"_s << u"0.13"_s;
        // clang-format on
    }

    void valuesPrintInTheirFormat()
    {
        QFETCH(QString, format);
        QFETCH(QString, value);
        QFETCH(QString, locale);
        QFETCH(QString, printed);
        QCOMPARE(FieldValueFormatter::format(format, value, QLocale(locale)), printed);
    }
};

UIEDITOR_TEST_CLASS(TestFormatFieldDlg)
#include "tst_formatfielddlg.moc"
