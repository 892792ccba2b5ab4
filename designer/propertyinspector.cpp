#include "propertyinspector.h"

#include "outside/dom/xmlattribute.h"
#include "values/propertyvaluesctrl.h"
#include "xml/model/syntaxnames.h"
#include "xml/model/syntaxxml.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The vocabulary whose catalogue describes the attributes of `element`.
SyntaxXmlType vocabularyOf(const Xml::Element& element)
{
    return SyntaxXml::getSyntaxXmlType(element.get_namespace_uri());
}

AttributeData describe(const Xml::Element& element, const Core::String& name)
{
    return SyntaxXml::get().getAttributeDataByQualifiedName(name, vocabularyOf(element));
}

} // namespace

PropertyInspector::PropertyInspector(QWidget* parent)
    : QWidget(parent), m_title(new QLabel), m_addList(new QComboBox), m_form(nullptr)
{
    auto* layout = new QVBoxLayout(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    layout->addWidget(m_title);
    m_addList->setObjectName(QStringLiteral("addProperty"));
    m_addList->setToolTip(tr("Add a property the object accepts"));
    layout->addWidget(m_addList);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* fields = new QWidget;
    m_form = new QFormLayout(fields);
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    scroll->setWidget(fields);
    layout->addWidget(scroll, 1);
    connect(m_addList, &QComboBox::activated, this, &PropertyInspector::onAddChosen);
    rebuild();
}

PropertyInspector::~PropertyInspector() = default;

void PropertyInspector::showObject(const SmartPtr<TemplateDocument>& document,
                                   const Xml::Element& element)
{
    m_document = document;
    m_element = element;
    rebuild();
}

PropertyValuesCtrl* PropertyInspector::field(const QString& name) const
{
    for (PropertyValuesCtrl* candidate : findChildren<PropertyValuesCtrl*>()) {
        if (candidate->objectName() == name) {
            return candidate;
        }
    }
    return nullptr;
}

void PropertyInspector::rebuild()
{
    while (m_form->rowCount() > 0) {
        m_form->removeRow(0);
    }
    m_addList->clear();
    const bool shown = m_document && !m_element.isNull();
    m_addList->setEnabled(shown);
    if (!shown) {
        m_title->setText(tr("No object selected"));
        return;
    }
    m_title->setText(m_element.get_name());
    QStringList present;
    for (const Xml::Attribute& attribute : m_element.get_attributes()) {
        const Core::String name = attribute.get_name();
        present << name.toQString();
        addField(name);
    }
    m_addList->addItem(tr("Add property..."));
    const SmartPtr<XSLFO::DTObjectInfo> info = m_document->infoOf(m_element);
    for (const XSLFO::Property& property : info->getProperties()) {
        if (!present.contains(property.getName().toQString())) {
            m_addList->addItem(SyntaxNames::translated(property.getDisplayName()), property.getName().toQString());
        }
    }
}

PropertyValuesCtrl* PropertyInspector::addField(const Core::String& name)
{
    const PropertyValueEx value = m_document->propertyValue(m_element, name);
    auto* field = new PropertyValuesCtrl(
        value, name, describe(m_element, name), SmartPtr<IDocumentInformation>(m_document),
        TemplateDocument::expressionContext(m_element), true, true);
    field->setObjectName(name.toQString());
    connect(field, &QLineEdit::editingFinished, this, [this, field] { apply(field); });
    connect(field, &PropertyValuesCtrl::propertyValueChanged, this,
            [this, field] { apply(field); });
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint& position) {
        QMenu* menu = createContextMenu(field);
        menu->exec(field->mapToGlobal(position));
        menu->deleteLater();
    });
    m_form->addRow(name.toQString(), field);
    return field;
}

void PropertyInspector::apply(PropertyValuesCtrl* field)
{
    if (!m_document || m_element.isNull()) {
        return;
    }
    const Core::String name = field->objectName();
    PropertyValueEx value = field->getPropertyValueEx();
    value.setAttributeName(name);
    const PropertyValueEx before = m_document->propertyValue(m_element, name);
    const bool attributeExists = !m_element.get_attribute(name).isNull();
    value.setObjectId(before.getObjectId());
    if (attributeExists && value == before) {
        return;
    }
    if (!attributeExists && value.isStatic() && value.getStaticValue().isEmpty()) {
        return; // a property added and left empty
    }
    // A cleared field removes the attribute (the document does not write empty ones).
    m_document->setPropertyValue(m_element, value);
    Q_EMIT templateChanged();
}

QMenu* PropertyInspector::createContextMenu(PropertyValuesCtrl* field)
{
    QMenu* menu = field->createStandardContextMenu();
    menu->addSeparator();
    QAction* remove = menu->addAction(tr("Remove Property"));
    remove->setObjectName(QStringLiteral("removeProperty"));
    remove->setEnabled(m_document && !m_element.isNull() && !m_element.get_attribute(field->objectName()).isNull());
    connect(remove, &QAction::triggered, this, [this, name = field->objectName()] { this->remove(name); });
    return menu;
}

void PropertyInspector::remove(const QString& name)
{
    if (!m_document || m_element.isNull()) {
        return;
    }
    m_document->setPropertyValue(m_element, PropertyValueEx(name, m_document->objectIdOf(m_element)),
                                 tr("Remove %1").arg(name));
    Q_EMIT templateChanged();
}

void PropertyInspector::onAddChosen(int index)
{
    const QString name = m_addList->itemData(index).toString();
    m_addList->setCurrentIndex(0);
    if (name.isEmpty() || field(name)) {
        return;
    }
    PropertyValuesCtrl* added = addField(name);
    m_addList->removeItem(index);
    added->setFocus();
}
