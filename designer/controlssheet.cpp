#include "controlssheet.h"

#include "controls/colorctrl.h"
#include "controls/controlsdrawingroutines.h"
#include "controls/fontcombobox.h"
#include "controls/lengthorpercentctrl.h"
#include "controls/lengthorpercenteditor.h"
#include "controls/simplecombobox.h"
#include "outside/core/corestring.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>

namespace {

// The four buttons of the owner-drawn fields, each normal, hot and disabled.
class ButtonStrip : public QWidget
{
public:
    ButtonStrip() { setMinimumSize(sizeHint()); }

    QSize sizeHint() const override
    {
        const int side = ControlsDrawingRoutines::get().getScrollbarWidth() + 6;
        return QSize(12 * (side + 4), side);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const ControlsDrawingRoutines& routines = ControlsDrawingRoutines::get();
        const int side = height();
        int x = 0;
        const auto next = [&] {
            const QRect rect(x, 0, side, side);
            x += side + 4;
            return rect;
        };
        for (const auto& [enabled, hot] : {std::pair{true, false}, {true, true}, {false, false}}) {
            routines.drawComboBoxArrow(&painter, this, next(), enabled, hot);
            routines.drawScrollRightButton(&painter, this, next(), enabled, hot);
            routines.drawMoreButton(&painter, this, next(), enabled);
            routines.drawBrowseShortButton(&painter, this, next(), enabled, hot);
        }
    }
};

LengthOrPercentCtrl* lengthField(bool percentAllowed, bool positiveOnly, bool allUnits,
                                 const char* value)
{
    auto* field = new LengthOrPercentCtrl(percentAllowed, positiveOnly, allUnits);
    field->setValue(Core::String(value));
    return field;
}

} // namespace

ControlsSheet::ControlsSheet(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("Common controls"));

    auto* lengths = new QGroupBox(tr("Lengths"));
    auto* lengthRows = new QFormLayout(lengths);
    lengthRows->addRow(tr("Points and pixels:"), lengthField(false, true, false, "12pt"));
    lengthRows->addRow(tr("Decimals:"), lengthField(false, true, false, "12.96pt"));
    lengthRows->addRow(tr("With percent:"), lengthField(true, true, false, "50%"));
    lengthRows->addRow(tr("All units, negatives allowed:"),
                       lengthField(true, false, true, "-2.54cm"));
    auto* disabled = lengthField(false, true, true, "10mm");
    disabled->EnableWindow(false);
    lengthRows->addRow(tr("Disabled:"), disabled);
    auto* editor = new LengthOrPercentEditor(true, false, true);
    editor->setValue(Core::String("2.05cm"));
    lengthRows->addRow(tr("Host's length editor:"), editor);

    auto* colors = new QGroupBox(tr("Colours"));
    auto* colorRows = new QFormLayout(colors);
    colorRows->addRow(tr("No colour:"), new ColorCtrl);
    auto* keyword = new ColorCtrl;
    keyword->setText(QStringLiteral("navy"));
    colorRows->addRow(tr("Colour keyword:"), keyword);
    auto* rgb = new ColorCtrl;
    rgb->setColor(RGB(220, 20, 60));
    colorRows->addRow(tr("Chosen colour:"), rgb);
    auto* gradient = new ColorCtrl;
    gradient->setColor("orange");
    gradient->setGradient("linear-gradient(orange, white)");
    gradient->setText(QStringLiteral("Gradient"));
    colorRows->addRow(tr("Gradient:"), gradient);

    auto* fonts = new QGroupBox(tr("Fonts"));
    auto* fontRows = new QFormLayout(fonts);
    auto* family = new FontComboBox;
    family->setCurrentIndex(family->findText(QStringLiteral("DejaVu Sans"), Qt::MatchExactly));
    fontRows->addRow(tr("Font family:"), family);
    fontRows->addRow(tr("Fixed pitch only:"), new FontComboBox(true, false));
    auto* style = new SimpleComboBox;
    style->setStringsAndData({{0, Core::String::formatS(63131)},
                              {1, Core::String::formatS(63133)},
                              {0x10000, Core::String::formatS(63132)},
                              {0x10001, Core::String::formatS(63134)}},
                             0x10000);
    style->initializeItems();
    fontRows->addRow(tr("Font style:"), style);
    auto* size = new SimpleComboBox;
    std::map<int, QString> sizes;
    for (const int points : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}) {
        sizes.emplace(points, QString::number(points));
    }
    size->setStringsAndData(std::move(sizes), 12);
    size->initializeItems();
    fontRows->addRow(tr("Size:"), size);

    auto* buttons = new QGroupBox(tr("Buttons: normal, hot, disabled"));
    auto* buttonRow = new QFormLayout(buttons);
    buttonRow->addRow(new ButtonStrip);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lengths, 0, 0, 2, 1);
    grid->addWidget(colors, 0, 1);
    grid->addWidget(fonts, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    resize(sizeHint().width() + 40, sizeHint().height());
}
