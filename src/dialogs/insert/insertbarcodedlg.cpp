#include "dialogs/insert/insertbarcodedlg.h"

#include "controls/staticpreview.h"
#include "dialogs/insert/barcoderejection.h"
#include "frame/moduleconstants.h"
#include "frame/uiapplication.h"
#include "outside/core/coreexception.h"
#include "values/propertyvaluesctrl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr unsigned CannotRenderMessage = 63029;

unsigned descriptionId(Xml::BarcodeType type)
{
    using Xml::BarcodeType;
    switch (type) {
    case BarcodeType::UpcE:
        return 63020;
    case BarcodeType::Ean8:
        return 63021;
    case BarcodeType::UpcA:
        return 63019;
    case BarcodeType::Ean13:
        return 63022;
    case BarcodeType::DataMatrix:
        return 63023;
    case BarcodeType::Code3of9:
        return 63018;
    case BarcodeType::Code2of5:
        return 63017;
    case BarcodeType::Postnet:
        return 63024;
    case BarcodeType::Planet:
        return 63025;
    case BarcodeType::Code128:
        return 63015;
    case BarcodeType::Code128Raw:
        return 63016;
    case BarcodeType::Code128UCC:
        return 63015;
    case BarcodeType::OMR:
        return 63026;
    case BarcodeType::Pdf417:
        return 63027;
    case BarcodeType::Aztec:
    case BarcodeType::Maxicode:
    case BarcodeType::QRBarcode:
        return 63028;
    case BarcodeType::IntelligentMail:
        return 63392;
    case BarcodeType::None:
        break;
    }
    return 0;
}

/// The linear symbologies print their value under the bars; the others cannot.
bool drawsText(Xml::BarcodeType type)
{
    using Xml::BarcodeType;
    switch (type) {
    case BarcodeType::UpcE:
    case BarcodeType::Ean8:
    case BarcodeType::UpcA:
    case BarcodeType::Ean13:
    case BarcodeType::Code3of9:
    case BarcodeType::Code2of5:
    case BarcodeType::Code128:
    case BarcodeType::Code128Raw:
    case BarcodeType::Code128UCC:
        return true;
    default:
        return false;
    }
}

} // namespace

InsertBarcodeDlg::InsertBarcodeDlg(PropertyValueEx value, SmartPtr<IDocumentInformation> info,
                                   Core::String context, const XSLFO::RulerContext* ruler,
                                   QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ruler(ruler), m_value(std::move(value))
{
    buildControls();
    m_valueCtrl->setPropertyValueEx(m_value);
    m_valueCtrl->setDocumentInformation(info);
    m_valueCtrl->setContext(context);
}

InsertBarcodeDlg::~InsertBarcodeDlg() = default;

void InsertBarcodeDlg::buildControls()
{
    setWindowTitle(tr("Insert Barcode"));
    auto* layout = new QVBoxLayout(this);

    auto* previewLabel = new QLabel(tr("Preview:"), this);
    layout->addWidget(previewLabel);
    m_preview = new StaticPreview(true, this);
    m_preview->setProperty("controlId", IDC_PREVIEW);
    m_preview->setMinimumSize(420, 170);
    layout->addWidget(m_preview, 1);
    m_reason = new QLabel(this);
    m_reason->setWordWrap(true);
    m_reason->setStyleSheet(QStringLiteral("color: #b00000"));
    // Room for a two-line reason, so that the dialog does not jump while typing.
    m_reason->setMinimumHeight(m_reason->fontMetrics().lineSpacing() * 2);
    m_reason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_reason);

    auto* properties = new QGroupBox(tr("Properties"), this);
    auto* grid = new QGridLayout(properties);
    auto* typeLabel = new QLabel(tr("Barcode &Type:"), properties);
    m_types = new QComboBox(properties);
    m_types->setProperty("controlId", IDC_TYPES);
    typeLabel->setBuddy(m_types);
    auto* valueLabel = new QLabel(tr("&Value:"), properties);
    m_valueCtrl = new PropertyValuesCtrl(PropertyValueEx(), SmartPtr<IDocumentInformation>(),
                                         Core::String(), true, true, properties);
    m_valueCtrl->setProperty("controlId", IDC_VALUE);
    valueLabel->setBuddy(m_valueCtrl);
    m_drawTextCheck = new QCheckBox(tr("&Draw Text"), properties);
    m_drawTextCheck->setProperty("controlId", IDC_DRAW_TEXT);
    m_hexCheck = new QCheckBox(tr("&Hex Value"), properties);
    m_hexCheck->setProperty("controlId", IDC_HEX_VALUE);
    grid->addWidget(typeLabel, 0, 0);
    grid->addWidget(m_types, 0, 1, 1, 2);
    grid->addWidget(valueLabel, 1, 0);
    grid->addWidget(m_valueCtrl, 1, 1, 1, 2);
    grid->addWidget(m_drawTextCheck, 2, 1);
    grid->addWidget(m_hexCheck, 2, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(properties);

    auto* rotation = new QGroupBox(tr("Rotation"), this);
    auto* rotationLayout = new QGridLayout(rotation);
    m_rotations = new QButtonGroup(this);
    const struct
    {
        int id;
        QString text;
    } radios[] = {{IDC_ROTATE_0, tr("&0° (None)")},
                  {IDC_ROTATE_90, tr("&90° (To Right)")},
                  {IDC_ROTATE_180, tr("&180°(Reverse)")},
                  {IDC_ROTATE_270, tr("&270°(To Left)")}};
    int index = 0;
    for (const auto& radio : radios) {
        auto* button = new QRadioButton(radio.text, rotation);
        button->setProperty("controlId", radio.id);
        m_rotations->addButton(button, radio.id);
        rotationLayout->addWidget(button, index / 2, index % 2);
        ++index;
    }
    auto* previewButton = new QPushButton(tr("&Preview"), rotation);
    previewButton->setProperty("controlId", IDC_PREVIEW_BTN);
    previewButton->setAutoDefault(false);
    rotationLayout->addWidget(previewButton, 0, 2, 2, 1);
    layout->addWidget(rotation);

    auto* description = new QGroupBox(tr("Description"), this);
    auto* descriptionLayout = new QVBoxLayout(description);
    m_description = new QLabel(tr("Please select barcode type."), description);
    m_description->setProperty("controlId", IDC_DESCRIPTION);
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 3);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descriptionLayout->addWidget(m_description);
    layout->addWidget(description);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(m_types, &QComboBox::currentIndexChanged, this, [this] {
        if (isInitialized()) {
            OnBarcodeTypesListSelectedChange();
        }
    });
    connect(m_valueCtrl, &QLineEdit::textEdited, this, &InsertBarcodeDlg::previewTypedValue);
    connect(m_valueCtrl, &QLineEdit::editingFinished, this, [this] {
        if (isInitialized() && isVisible()) {
            OnEnValueKillFocus();
        }
    });
    connect(m_valueCtrl, &PropertyValuesCtrl::propertyValueChanged, this, [this] { canRender(); });
    connect(previewButton, &QPushButton::clicked, this, &InsertBarcodeDlg::OnBnClickedPreviewBtn);
    connect(m_rotations, &QButtonGroup::idClicked, this, &InsertBarcodeDlg::updateRotation);
    connect(m_drawTextCheck, &QCheckBox::toggled, this, [this] { previewTypedValue(); });
    connect(m_hexCheck, &QCheckBox::toggled, this, [this] { previewTypedValue(); });
}

void InsertBarcodeDlg::setBarcodeData(Core::String drawText, Core::String type,
                                      Core::String rotation, Core::String valueType)
{
    m_drawText = std::move(drawText);
    m_typeDisplayName = getBarcodeDisplayType(type);
    m_rotation = rotation.toQString().trimmed().toInt();
    m_hexValue = valueType.toQString().toLower() == QLatin1String("hex");
}

Xml::BarcodeType InsertBarcodeDlg::getBarcodeType(const Core::String& text)
{
    return Xml::BarcodeTypes::fromText(text);
}

Core::String InsertBarcodeDlg::getBarcodeDisplayType(const Core::String& keyword)
{
    // Hosts store keywords in whatever case the template was written in.
    const Xml::BarcodeType type = Xml::BarcodeTypes::fromKeyword(keyword, Qt::CaseInsensitive);
    return type == Xml::BarcodeType::None ? Core::String("128")
                                          : Xml::BarcodeTypes::getDisplayName(type);
}

Core::String InsertBarcodeDlg::getDefaultValue(Xml::BarcodeType type)
{
    return BarcodeMarkup::defaultValue(type);
}

Core::String InsertBarcodeDlg::getRejectionReason() const
{
    return m_reason->text();
}

bool InsertBarcodeDlg::OnInitDialog()
{
    FeatureDialog::OnInitDialog();
    m_valueCtrl->setPropertyValueEx(m_value);

    const QSignalBlocker blocker(m_types);
    if (m_types->count() == 0) {
        QStringList names;
        for (const Core::String& name : ModuleConstants::barcodeDisplayNames()) {
            names << name.toQString();
        }
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        m_types->addItems(names);
    }
    m_types->setCurrentIndex(m_types->findText(m_typeDisplayName.toQString()));

    m_description->setText(
        Core::String::formatS(descriptionId(Xml::BarcodeType::Code128)).toQString());
    {
        const QSignalBlocker drawBlocker(m_drawTextCheck);
        const QSignalBlocker hexBlocker(m_hexCheck);
        m_drawTextCheck->setChecked(m_drawText == "true");
        m_hexCheck->setChecked(m_hexValue);
    }
    const int radio = m_rotation == 90    ? IDC_ROTATE_90
                      : m_rotation == 270 ? IDC_ROTATE_270
                      : m_rotation == 180 ? IDC_ROTATE_180
                                          : IDC_ROTATE_0;
    m_rotations->button(radio)->setChecked(true);

    if (!canRender()) {
        repaintPreview();
    }
    OnBarcodeTypesListSelectedChange();
    if (!m_value.isStatic()) {
        m_types->setFocus();
        return false;
    }
    return true;
}

BarcodeSettings InsertBarcodeDlg::previewSettings(const PropertyValueEx& value) const
{
    BarcodeSettings settings;
    settings.type = getBarcodeType(m_typeDisplayName);
    settings.value = value;
    settings.drawText = m_drawTextCheck->isChecked() ? "true" : "false";
    settings.rotation = m_rotation;
    // Only PDF417 writes its value type, so only PDF417 is previewed as hexadecimal.
    settings.hexValue = m_hexCheck->isChecked() && settings.type == Xml::BarcodeType::Pdf417;
    return settings;
}

bool InsertBarcodeDlg::render(const BarcodeSettings& settings)
{
    try {
        m_preview->openFromString(BarcodeMarkup::previewDocument(settings));
    } catch (const Core::Exception& e) {
        m_reason->setText(BarcodeRejection::describe(e.getMessage()).toQString());
        // The reason below says it in the user's language; the preview stays empty.
        m_preview->openFromString(Core::String());
        return false;
    }
    m_reason->clear();
    return true;
}

bool InsertBarcodeDlg::canRender()
{
    m_value = m_valueCtrl->getPropertyValueEx();
    m_hexValue = m_hexCheck->isChecked();
    if (m_value.getStaticValue().toQString().isEmpty()) {
        m_value.setStaticValue(getDefaultValue(getBarcodeType(m_typeDisplayName)));
        if (m_value.isStatic()) {
            m_valueCtrl->setPropertyValueEx(m_value);
        }
    }
    return render(previewSettings(m_value));
}

void InsertBarcodeDlg::previewTypedValue()
{
    if (!isInitialized()) {
        return;
    }
    PropertyValueEx typed = m_valueCtrl->getPropertyValueEx();
    if (typed.getStaticValue().toQString().isEmpty()) {
        typed.setStaticValue(getDefaultValue(getBarcodeType(m_typeDisplayName)));
    }
    render(previewSettings(typed));
}

void InsertBarcodeDlg::repaintPreview()
{
    m_preview->update();
}

void InsertBarcodeDlg::rejectValue()
{
    repaintPreview();
    reportCannotRender();
}

void InsertBarcodeDlg::reportCannotRender()
{
    // The message box takes the focus from the value field, which would
    // report the same value again.
    if (m_reporting) {
        return;
    }
    m_reporting = true;
    UIApplication::MessageBoxW(CannotRenderMessage);
    m_reporting = false;
}

void InsertBarcodeDlg::OnBarcodeTypesListSelectedChange()
{
    // The previous type's sample value is no one's data: the new type shows its own.
    const Core::String previousDefault = getDefaultValue(getBarcodeType(m_typeDisplayName));
    m_typeDisplayName = m_types->currentText();
    const Xml::BarcodeType type = getBarcodeType(m_typeDisplayName);
    PropertyValueEx shown = m_valueCtrl->getPropertyValueEx();
    if (shown.getStaticValue() == previousDefault && isVisible()) {
        shown.setStaticValue(Core::String());
        m_valueCtrl->setPropertyValueEx(shown);
    }
    m_hexCheck->hide();
    const unsigned id = descriptionId(type);
    m_description->setText(id ? Core::String::formatS(id).toQString() : QString());
    enableDrawTextCheck(type);
    showHexTextCheck(type);
    if (!canRender()) {
        rejectValue();
    }
}

void InsertBarcodeDlg::enableDrawTextCheck(Xml::BarcodeType type)
{
    m_drawTextCheck->setEnabled(drawsText(type));
}

void InsertBarcodeDlg::showHexTextCheck(Xml::BarcodeType type)
{
    m_hexCheck->setVisible(type == Xml::BarcodeType::Pdf417);
}

void InsertBarcodeDlg::updateRotation()
{
    if (m_rotations->button(IDC_ROTATE_90)->isChecked()) {
        m_rotation = 90;
    } else if (m_rotations->button(IDC_ROTATE_270)->isChecked()) {
        m_rotation = 270;
    } else if (m_rotations->button(IDC_ROTATE_180)->isChecked()) {
        m_rotation = 180;
    } else {
        m_rotation = 0;
    }
    canRender();
}

void InsertBarcodeDlg::OnEnValueKillFocus()
{
    if (!canRender()) {
        reportCannotRender();
    }
}

void InsertBarcodeDlg::OnBnClickedPreviewBtn()
{
    OnEnValueKillFocus();
}

void InsertBarcodeDlg::OnOK()
{
    if (!canRender()) {
        reportCannotRender();
        return;
    }
    m_drawText = m_drawTextCheck->isChecked() ? "true" : "false";
    m_hexValue = m_hexCheck->isChecked();
    EndDialog(Accepted);
}

Core::String InsertBarcodeDlg::getFeatureXml()
{
    BarcodeSettings settings;
    settings.type = getBarcodeType(m_typeDisplayName);
    settings.value = m_value;
    settings.drawText = m_drawText;
    settings.rotation = m_rotation;
    settings.hexValue = m_hexValue;
    return BarcodeMarkup::element(settings, m_properties, m_ruler);
}
