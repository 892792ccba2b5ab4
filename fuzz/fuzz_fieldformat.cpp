// A field format from any text: read, the settings the number page would
// show for it, and those settings written and read again, which must give
// them back; the formatted values and the dialog opened on it must not fail.
#include "dialogs/field/customnumbersettings.h"
#include "dialogs/field/datetimepattern.h"
#include "dialogs/field/fieldformat.h"
#include "dialogs/field/fieldvalueformatter.h"
#include "dialogs/field/formatfielddlg.h"
#include "dialogs/field/numberformat.h"
#include "dialogs/field/numberformatter.h"
#include "frame/messageboxfactory.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "fuzztext.h"

namespace {

// A format the dialog refuses as it stands (equal separators) is answered at once.
class SilentMessages : public MessageBoxFactory
{
public:
    int showMessageBox(unsigned, unsigned, unsigned) override { return Win32::IDOK; }
    int showMessageBox(Core::String, unsigned, unsigned) override { return Win32::IDOK; }
};

void exercise(const QString& text)
{
    for (bool allKinds : {true, false}) {
        const FieldFormat format = FieldFormat::parse(text, allKinds);
        FuzzText::check(format.kind() == FieldFormat::Kind::None || text.endsWith(format.pattern()));
    }
    const NumberFormat number = NumberFormat::parse(text);
    for (bool currency : {false, true}) {
        const CustomNumberSettings settings = CustomNumberSettings::from(number, currency);
        FuzzText::check(settings.leadingZeros <= CustomNumberSettings::maximumDigits &&
                        settings.decimalPlaces <= CustomNumberSettings::maximumDigits);
        if (settings.thousands != settings.decimal) {
            const NumberFormat written = NumberFormat::parse(settings.toFormat().toString());
            FuzzText::check(CustomNumberSettings::from(written, currency) == settings);
        }
    }
    for (double value : {1234.5, -0.004, 1e300}) {
        NumberFormatter::format(value, number);
    }
    for (const char* value : {"1234.5", "2008-10-24T15:51:36", "609 703 2275", ""}) {
        FieldValueFormatter::format(text, QString::fromLatin1(value));
    }
    DateTimePattern::format(QDateTime(QDate(2008, 10, 24), QTime(15, 51, 36)), text);

    // Opening the dialog costs a hundred times the rest: every 32nd input,
    // starting with the first, so that a single input found replays it.
    static unsigned inputs = 0;
    if (inputs++ % 32 != 0) {
        return;
    }
    FormatFieldDlg dialog(text, true);
    dialog.show();
    dialog.accept();
    // Refused, it stays open with the given format.
    FuzzText::check(!dialog.isVisible() || dialog.getFormat() == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages messages;
    FuzzText::ensureApplication();
    UIApplication::registerMessageBoxFactory(&messages);
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
