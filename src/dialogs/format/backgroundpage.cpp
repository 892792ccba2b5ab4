#include "dialogs/format/backgroundpage.h"

#include "controls/colorctrl.h"
#include "controls/lengthorpercentctrl.h"
#include "outside/core/corefilesystem.h"
#include "outside/core/coreformat.h"
#include "outside/sharedui/sharedfiledialogs.h"

#include "ui_backgroundpage.h"

#include <QScopedValueRollback>

namespace {

using Data = BordersAndBackgroundData;

constexpr std::pair<unsigned, Data::RepeatMode> RepeatEntries[] = {
    {63060, Data::NoRepeat}, {63061, Data::Repeat}, {63062, Data::RepeatX}, {63063, Data::RepeatY}};

Core::String imageFilter()
{
    return Core::Format::format(
        "{0}|*.bmp;*.png;*.gif;*.jpeg;*.jpg;*.tiff;*.tif;*.pdf;*.svg;*.zchart;*.eps;*.ps|"
        "{1}|*.svg|{2}|*.pdf|{3}|*.zchart|{4}|*.*||",
        Core::String::formatS(63064), Core::String::formatS(63065), Core::String::formatS(63066),
        Core::String::formatS(63067), Core::String::formatS(63044));
}

// The field's mark for a gradient; the colour field knows it by this text, so it
// is the same in every language.
const QString gradientText = QStringLiteral("Gradient");

bool isZero(const Xml::Length& length)
{
    return length.getSize() == 0.0;
}

} // namespace

BackgroundPage::BackgroundPage(BordersAndBackgroundData& record, QWidget* parent)
    : DialogPage(TemplateId, parent), m_ui(std::make_unique<Ui::BackgroundPage>()), m_data(record)
{
    m_ui->setupUi(this);
    connect(m_ui->backgroundColorEdit, &QLineEdit::textChanged, this,
            &BackgroundPage::OnBackgroundColorChanged);
    connect(m_ui->imageEdit, &QLineEdit::textChanged, this, &BackgroundPage::OnImageChanged);
    connect(m_ui->browseButton, &QPushButton::clicked, this, &BackgroundPage::OnBnClickedBrowse);
    connect(m_ui->repeatCombo, &QComboBox::activated, this, &BackgroundPage::OnRepeatModeChanged);
    for (LengthOrPercentCtrl* field :
         {m_ui->offsetXField, m_ui->offsetYField, m_ui->shadowXField, m_ui->shadowYField}) {
        connect(field, &LengthOrPercentCtrl::lengthOrPercentModified, this,
                &BackgroundPage::OnLengthOrPercentModified);
    }
    connect(m_ui->shadowColorEdit, &QLineEdit::textChanged, this,
            &BackgroundPage::OnShadowColorChanged);
    updateImageControls();
}

BackgroundPage::~BackgroundPage() = default;

void BackgroundPage::showRecord()
{
    QScopedValueRollback showing(m_showing, true);
    if (!m_data.getGradient().isEmpty()) {
        m_ui->backgroundColorEdit->setGradient(m_data.getGradient());
        m_ui->backgroundColorEdit->setText(gradientText);
    } else {
        // The field may still stand for the gradient of an object shown before.
        m_ui->backgroundColorEdit->clearGradient();
        m_ui->backgroundColorEdit->setText(m_data.getBackgroundColor());
    }
    m_ui->imageEdit->setText(m_data.getBackgroundImage());
    fillRepeatModes();
    m_ui->repeatCombo->setCurrentIndex(m_ui->repeatCombo->findData(int(m_data.getRepeatMode())));
    m_ui->offsetXField->setAssignedLengthOrPercent(m_data.getPositionHorizontal(), false, false);
    m_ui->offsetYField->setAssignedLengthOrPercent(m_data.getPositionVertical(), false, false);
    m_ui->shadowXField->setAssignedLengthOrPercent(Xml::LengthOrPercent(m_data.getShadowDx()),
                                                   false, false);
    m_ui->shadowYField->setAssignedLengthOrPercent(Xml::LengthOrPercent(m_data.getShadowDy()),
                                                   false, false);
    m_ui->shadowColorEdit->setText(m_data.getShadowColor());
    updateImageControls();
}

void BackgroundPage::fillRepeatModes()
{
    if (m_ui->repeatCombo->count() > 0) {
        return;
    }
    for (const auto& [textId, mode] : RepeatEntries) {
        m_ui->repeatCombo->addItem(Core::String::formatS(textId), int(mode));
    }
}

void BackgroundPage::updateImageControls()
{
    const bool hasImage = !m_ui->imageEdit->text().isEmpty();
    m_ui->repeatCombo->setEnabled(hasImage);
    m_ui->offsetXField->EnableWindow(hasImage);
    m_ui->offsetYField->EnableWindow(hasImage);
}

void BackgroundPage::OnBackgroundColorChanged()
{
    if (m_showing) {
        return;
    }
    ColorCtrl* color = m_ui->backgroundColorEdit;
    // Any text but "Gradient" is a colour the user typed, even one the field
    // itself does not recognise ("Red", "#f00") and so stays in gradient mode for.
    if (color->isGradient() && color->text() != gradientText) {
        color->clearGradient();
    }
    if (color->isGradient() && !color->getGradient().isEmpty()) {
        m_data.setBackgroundImage(Core::String());
        m_data.setGradient(color->getGradient());
    } else {
        m_data.setGradient(Core::String());
        m_data.setBackgroundColor(color->text());
    }
    Q_EMIT recordChanged();
}

void BackgroundPage::OnImageChanged()
{
    if (m_showing) {
        return;
    }
    m_data.setBackgroundImage(m_ui->imageEdit->text());
    updateImageControls();
    Q_EMIT recordChanged();
}

void BackgroundPage::OnRepeatModeChanged(int index)
{
    if (m_showing || index < 0) {
        return;
    }
    m_data.setRepeatMode(Data::RepeatMode(m_ui->repeatCombo->itemData(index).toInt()));
    Q_EMIT recordChanged();
}

void BackgroundPage::OnLengthOrPercentModified(LengthOrPercentCtrl* control,
                                               const Xml::LengthOrPercent& value)
{
    if (m_showing) {
        return;
    }
    if (control == m_ui->offsetXField) {
        m_data.setPositionHorizontal(value);
    } else if (control == m_ui->offsetYField) {
        m_data.setPositionVertical(value);
    } else if (control == m_ui->shadowXField) {
        m_data.setShadowDx(value.getLength());
    } else if (control == m_ui->shadowYField) {
        m_data.setShadowDy(value.getLength());
    }
    Q_EMIT recordChanged();
}

void BackgroundPage::OnShadowColorChanged()
{
    if (m_showing) {
        return;
    }
    const QString color = m_ui->shadowColorEdit->text();
    m_data.setShadowColor(color);
    // A colour picked in the colour dialog (written as rgb()) on a shadow
    // without offsets would not show; give it a visible offset.
    if (color.contains(QLatin1String("rgb")) && isZero(m_data.getShadowDx()) &&
        isZero(m_data.getShadowDy())) {
        const Xml::Length offset(4.0, Xml::Length::Px);
        m_data.setShadowDx(offset);
        m_data.setShadowDy(offset);
        QScopedValueRollback showing(m_showing, true);
        m_ui->shadowXField->setAssignedLengthOrPercent(Xml::LengthOrPercent(offset), false, false);
        m_ui->shadowYField->setAssignedLengthOrPercent(Xml::LengthOrPercent(offset), false, false);
    }
    Q_EMIT recordChanged();
}

void BackgroundPage::OnBnClickedBrowse()
{
    const Core::String folder = m_documentPath.isEmpty()
                                    ? Core::String()
                                    : Core::IO::FileSystem::getDirectoryName(m_documentPath);
    const Core::String image = m_ui->imageEdit->text();
    // Start at the current image (relative to the template), else in the template's folder.
    const Core::String start =
        image.isEmpty() ? folder : Core::IO::FileSystem::combine(folder, image);
    Core::String chosen = SharedUI::FileDialogs::getOpenFileName(this, Core::String::formatS(63045),
                                                                 start, imageFilter());
    if (chosen.isEmpty()) {
        return;
    }
    if (!folder.isEmpty()) {
        chosen = Core::IO::FileSystem::makeRelative(chosen, folder);
    }
    m_ui->imageEdit->setText(chosen); // edits the image as typing would
}
