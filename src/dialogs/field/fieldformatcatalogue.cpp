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
    return {tr("€ Euro"),
            tr("$ Dollar"),
            tr("¢ Cent"),
            tr("₤ Lira"),
            tr("£ Pound"),
            tr("¥ Japanese yen"),
            tr("Ұ Chinese Renminbi yuan"),
            tr("^ Generic currency"),
            tr("฿ Thai baht"),
            tr("₡ Colón"),
            tr("₫ Vietnamese đồng"),
            tr("ƒ Aruban Florin"),
            tr("₭ Lao kip"),
            tr("₥ Mill"),
            tr("₦ Nigerian naira"),
            tr("P Botswana pula"),
            tr("Q Guatemalan Quetzal"),
            tr("R South African rand"),
            tr("Sk Slovak koruna"),
            tr("₨ Rupee"),
            tr("Rp rupiah in Indonesia"),
            tr("R$ Brazilian real"),
            tr("S/. Peruvian sol"),
            tr("₮ Mongolian tögrög"),
            tr("₩ Korean won"),
            tr("₪ Israeli new sheqel"),
            tr("Lm Malta Lira"),
            tr("Br Belarusian Rouble"),
            tr("zł Polish Zloty")};
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
