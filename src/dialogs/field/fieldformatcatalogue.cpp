#include "dialogs/field/fieldformatcatalogue.h"

#include "dialogs/field/numberformat.h"
#include "outside/core/corestring.h"

namespace {

constexpr unsigned NoneText = 63158;
constexpr unsigned DefaultSignText = 63157;

QString blankText()
{
    return FieldFormatCatalogue::tr("(space)");
}

// The symbol is the text before the first blank: the same in every language.
constexpr const char* CurrencyNames[] = {
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "€ Euro"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "$ Dollar"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "¢ Cent"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₤ Lira"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "£ Pound"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "¥ Japanese yen"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "Ұ Chinese Renminbi yuan"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "^ Generic currency"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "฿ Thai baht"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₡ Colón"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₫ Vietnamese đồng"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "ƒ Aruban Florin"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₭ Lao kip"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₥ Mill"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₦ Nigerian naira"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "P Botswana pula"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "Q Guatemalan Quetzal"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "R South African rand"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "Sk Slovak koruna"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₨ Rupee"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "Rp rupiah in Indonesia"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "R$ Brazilian real"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "S/. Peruvian sol"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₮ Mongolian tögrög"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₩ Korean won"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "₪ Israeli new sheqel"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "Lm Malta Lira"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "Br Belarusian Rouble"),
    QT_TRANSLATE_NOOP("FieldFormatCatalogue", "zł Polish Zloty"),
};

} // namespace

std::vector<FieldFormatCatalogue::NumberRow> FieldFormatCatalogue::numberRows(bool currency)
{
    const QString us[] = {QStringLiteral(","), QStringLiteral(".")};
    const QString europe[] = {QStringLiteral("."), QStringLiteral(",")};
    if (!currency) {
        return {{QStringLiteral("#,###.#"), tr("1,234.5 - US Number Format."), us[0], us[1]},
                {QStringLiteral("#.###,#"), tr("1.234,5 - Europe Number Format."), europe[0], europe[1]}};
    }
    return {{QStringLiteral("$#,###.#"), tr("$1,234.5 - US Currency Format 1."), us[0], us[1]},
            {QStringLiteral("#.###,#€"), tr("1.234,5€ - Europe Currency Format 1."), europe[0], europe[1]},
            {QStringLiteral("£#,###.#"), tr("£1,234.5 - UK Currency Format 1."), us[0], us[1]},
            {QStringLiteral("#,###.#$"), tr("1,234.5$ - US Currency Format 2."), us[0], us[1]},
            {QStringLiteral("€#.###,#"), tr("€1.234,5 - Europe Currency Format 2."), europe[0], europe[1]},
            {QStringLiteral("#,###.#£"), tr("1,234.5£ - UK Currency Format 2."), us[0], us[1]}};
}

std::vector<FieldFormatCatalogue::PatternRow> FieldFormatCatalogue::dateRows()
{
    // The examples are fixed texts, the same in every language but for their labels.
    return {{QStringLiteral("yyyy-MM-dd"), QStringLiteral("2008-10-24")},
            {QStringLiteral("dd MMMM yyyy"), QStringLiteral("24 October 2008")},
            {QStringLiteral("dd MMM yyyy"), QStringLiteral("24 Oct 2008")},
            {QStringLiteral("EEEE MM yyyy"), QStringLiteral("Friday 10 2008")},
            {QStringLiteral("EEE MM yyyy"), QStringLiteral("Fri 10 2008")},
            {QStringLiteral("yyyy-MM"), tr("Extract year and month: 2008-10")},
            {QStringLiteral("yyyy"), tr("Extract year: 2008")},
            {QStringLiteral("MM-dd"), tr("Extract month and day: 10-24")},
            {QStringLiteral("MM"), tr("Extract month: 10")},
            {QStringLiteral("dd"), tr("Extract day: 24")},
            {QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("2008-10-24 15:51:36")},
            {QStringLiteral("yyyy-MM-dd hh:mm a"), QStringLiteral("2008-10-24 03:51 PM")},
            {QStringLiteral("yyyy-MM-dd hh:mm:ss a"), QStringLiteral("2008-10-24 03:51:36 PM")},
            {QStringLiteral("hh:mm:ss a"), QStringLiteral("03:51:36 PM")},
            {QStringLiteral("HH:mm"), QStringLiteral("15:51")},
            {QStringLiteral("HH:mm:ss"), QStringLiteral("15:51:36")}};
}

std::vector<FieldFormatCatalogue::PatternRow> FieldFormatCatalogue::phoneRows()
{
    return {{QStringLiteral("### ### ######"), QStringLiteral("358 452 645300")},
            {QStringLiteral("####.###.###"), QStringLiteral("6097.032.175")},
            {QStringLiteral("(###)### ####"), QStringLiteral("(609)703 2275")},
            {QStringLiteral("(###)###-####"), QStringLiteral("(609)703-2275")},
            {QStringLiteral("+## ### #######"), QStringLiteral("+44 703 2275332")},
            {QStringLiteral("+## (###)###-####"), QStringLiteral("+44 (703)703-2275")}};
}

QStringList FieldFormatCatalogue::currencies()
{
    QStringList names;
    for (const char* name : CurrencyNames) {
        names << tr(name);
    }
    return names;
}

QStringList FieldFormatCatalogue::currencySymbols()
{
    QStringList symbols;
    for (const char* name : CurrencyNames) {
        symbols << symbolOf(QString::fromUtf8(name));
    }
    return symbols;
}

QString FieldFormatCatalogue::symbolOf(const QString& currency)
{
    return currency.section(u' ', 0, 0);
}

std::vector<FieldFormatCatalogue::Choice> FieldFormatCatalogue::decimalSeparators()
{
    return {{QString(NumberFormat::Blank), blankText()},
            {QStringLiteral("."), QStringLiteral(".")},
            {QStringLiteral(","), QStringLiteral(",")},
            {QStringLiteral("`"), QStringLiteral("`")},
            {QStringLiteral("|"), QStringLiteral("|")},
            {QStringLiteral("_"), QStringLiteral("_")}};
}

std::vector<FieldFormatCatalogue::Choice> FieldFormatCatalogue::thousandsSeparators()
{
    std::vector<Choice> choices{{QString(), Core::String::formatS(NoneText).toQString()}};
    for (const Choice& choice : decimalSeparators()) {
        choices.push_back(choice);
    }
    // The list offers "," before ".".
    std::swap(choices[2], choices[3]);
    return choices;
}

std::vector<FieldFormatCatalogue::Choice> FieldFormatCatalogue::signs()
{
    return {{QString(), Core::String::formatS(DefaultSignText).toQString()},
            {QStringLiteral("CR"), QStringLiteral("CR")},
            {QStringLiteral("()"), QStringLiteral("()")}};
}
