#include "values/variantctrl.h"

#include "controls/colorctrl.h"
#include "values/propertyvaluesctrl.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>

VariantCtrl::VariantCtrl(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::TabFocus);
}

VariantCtrl::~VariantCtrl() = default;

void VariantCtrl::host(QWidget* control, Kind kind)
{
    delete m_control;
    m_control = control;
    m_kind = kind;
    control->setFont(font());
    layout()->addWidget(control);
    setFocusProxy(control);
    control->show();
}

QLineEdit* VariantCtrl::createEditControl()
{
    auto* edit = new QLineEdit(this);
    connect(edit, &QLineEdit::textEdited, this, [this] { Q_EMIT textEdited(this); });
    edit->installEventFilter(this);
    host(edit, Kind::Edit);
    return edit;
}

QComboBox* VariantCtrl::createComboControl(const AttributeData& attribute)
{
    auto* combo = new QComboBox(this);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const Core::String& value : attribute.getValues()) {
        combo->addItem(value);
    }
    combo->setCurrentIndex(-1);
    host(combo, Kind::DropDown);
    return combo;
}

ColorCtrl* VariantCtrl::createColorControl()
{
    auto* color = new ColorCtrl(this);
    host(color, Kind::Color);
    return color;
}

PropertyValuesCtrl*
VariantCtrl::createPropertyValuesControl(const SmartPtr<IDocumentInformation>& document,
                                         const Core::String& context)
{
    auto* field = new PropertyValuesCtrl(document, context, false, true, this);
    connect(field, &QLineEdit::textEdited, this, [this] { Q_EMIT textEdited(this); });
    field->installEventFilter(this);
    host(field, Kind::PropertyValue);
    return field;
}

QWidget* VariantCtrl::createControlFor(const AttributeData& attribute)
{
    if (attribute.isColor()) {
        return createColorControl();
    }
    if (!attribute.getValues().empty()) {
        return createComboControl(attribute);
    }
    return createEditControl();
}

void VariantCtrl::setValue(const Core::String& text, bool dynamic)
{
    if (m_kind == Kind::PropertyValue) {
        PropertyValueEx value;
        value.setType(dynamic ? PropertyValueType::Dynamic : PropertyValueType::Static);
        if (dynamic) {
            value.setDynamicValue(text);
        } else {
            value.setStaticValue(text);
        }
        static_cast<PropertyValuesCtrl*>(m_control)->setPropertyValueEx(value);
        return;
    }
    setText(text);
}

void VariantCtrl::getValue(Core::String& text, bool& dynamic) const
{
    if (m_kind == Kind::PropertyValue) {
        const PropertyValueEx value =
            static_cast<PropertyValuesCtrl*>(m_control)->getPropertyValueEx();
        if (value.isStatic()) {
            text = value.getStaticValue();
            dynamic = false;
        } else if (value.isDynamic()) {
            text = value.getDynamicValue();
            dynamic = true;
        }
        return;
    }
    text = this->text();
    dynamic = false;
}

Core::String VariantCtrl::text() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_control)) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(m_control)) {
        return combo->currentText();
    }
    return Core::String();
}

void VariantCtrl::setText(const Core::String& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(m_control)) {
        combo->setCurrentIndex(combo->findText(text));
        combo->setEditText(text);
    }
}

bool VariantCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control && event->type() == QEvent::FocusOut) {
        Q_EMIT editingFinished(this);
    }
    return QWidget::eventFilter(watched, event);
}
