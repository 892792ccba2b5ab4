#include "dialogs/format/formatconditiondlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/xslfo/xslfonamespaces.h"
#include "values/propertyvaluesctrl.h"
#include "xml/model/syntaxnames.h"
#include "xml/model/syntaxxml.h"

#include "ui_formatconditiondlg.h"

#include <QCompleter>
#include <QStandardItemModel>
#include <QStringListModel>

namespace {

constexpr int NameRole = Qt::UserRole;
constexpr int PrefixRole = Qt::UserRole + 1;

bool isHeading(const QComboBox* combo, int row)
{
    return row >= 0 && row < combo->count() && combo->itemData(row, NameRole).toString().isEmpty();
}

} // namespace

FormatConditionDlg::FormatConditionDlg(const SmartPtr<IDocumentInformation>& document,
                                       const Core::String& targetName, const Core::String& context,
                                       bool dynamicAllowed, QWidget* parent, bool editing)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::FormatConditionDlg>()), m_document(document),
      m_targetName(targetName), m_context(context), m_dynamicAllowed(dynamicAllowed), m_editing(editing)
{
    m_ui->setupUi(this);
    m_ui->conditionEdit->setKMBDocument(document);
    m_ui->conditionEdit->setContext(context);
    connect(m_ui->propertyCombo, &QComboBox::currentIndexChanged, this,
            &FormatConditionDlg::OnPropertySelectionChaged);
}

FormatConditionDlg::~FormatConditionDlg() = default;

void FormatConditionDlg::setDefaultValues(const Core::String& name, const Core::String& value,
                                          const Core::String& condition)
{
    m_name = name;
    m_value = value;
    m_dynamic = false;
    m_condition = condition;
}

void FormatConditionDlg::setDefaultValues(const Core::String& name, const Core::String& prefix,
                                          const KMBAttribute& record)
{
    m_name = name;
    m_prefix = prefix;
    m_dynamic = record.getValue().isEmpty() && !record.getDynamicValue().isEmpty();
    m_value = m_dynamic ? record.getDynamicValue() : record.getValue();
    m_condition = record.getCondition();
}

void FormatConditionDlg::getValues(KMBAttribute& record) const
{
    Core::String attributeName;
    Core::String nsPrefix;
    Core::String value;
    Core::String dynamicValue;
    Core::String condition;
    getValues(attributeName, nsPrefix, value, dynamicValue, condition);
    record.setAttributeName(attributeName);
    record.setNsPrefix(nsPrefix);
    record.setValue(value);
    record.setDynamicValue(dynamicValue);
    record.setCondition(condition);
}

void FormatConditionDlg::getValues(Core::String& attributeName, Core::String& nsPrefix, Core::String& value,
                                   Core::String& dynamicValue, Core::String& condition) const
{
    attributeName = m_prefix + ":" + m_name;
    nsPrefix = Core::String();
    value = m_dynamic ? Core::String() : m_value;
    dynamicValue = m_dynamic ? m_value : Core::String();
    condition = m_condition;
}

QString FormatConditionDlg::displayNameOf(const XSLFO::Property& property)
{
    const QString name = property.getName().toQString();
    const QString shown = SyntaxNames::translated(property.getDisplayName());
    if (!name.contains(QLatin1String("border"))) {
        return shown;
    }
    // The catalogue names the four sides' border properties alike.
    if (name.contains(QLatin1String("left"))) {
        return tr("Left %1").arg(shown);
    }
    if (name.contains(QLatin1String("right"))) {
        return tr("Right %1").arg(shown);
    }
    if (name.contains(QLatin1String("top"))) {
        return tr("Top %1").arg(shown);
    }
    if (name.contains(QLatin1String("bottom"))) {
        return tr("Bottom %1").arg(shown);
    }
    return shown;
}

bool FormatConditionDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    SmartPtr<XSLFO::DTObjectInfo> info;
    if (m_document) {
        info = m_targetName.isEmpty() ? m_document->getSelectedObjectInfo() : m_document->getObjectInfo(m_targetName);
    }
    QFont bold = m_ui->targetLabel->font();
    bold.setWeight(QFont::Bold);
    m_ui->targetLabel->setFont(bold);
    m_ui->targetLabel->setText(info ? info->getDisplayName().toQString() : m_targetName.toQString());

    PropertyValuesCtrl* field = m_ui->valueEditor->createPropertyValuesControl(m_document, m_context);
    field->setDialogAllowed(m_dynamicAllowed);
    fillProperties();
    const bool preset = m_editing || !m_name.isEmpty();
    if (preset) {
        selectProperty(m_name, m_prefix);
    } else {
        m_ui->propertyCombo->setCurrentIndex(-1);
    }
    m_ui->valueEditor->setValue(m_value, m_dynamic);
    m_ui->conditionEdit->setText(m_condition);
    return true;
}

void FormatConditionDlg::fillProperties()
{
    QComboBox* combo = m_ui->propertyCombo;
    auto* model = new QStandardItemModel(combo);
    SmartPtr<XSLFO::DTObjectInfo> info;
    if (m_document) {
        info = m_targetName.isEmpty() ? m_document->getSelectedObjectInfo() : m_document->getObjectInfo(m_targetName);
    }
    if (info) {
        // Groups in the order the catalogue first names them, each under a
        // heading that cannot be chosen.
        std::vector<QString> groups;
        std::map<QString, std::vector<const XSLFO::Property*>> byGroup;
        for (const XSLFO::Property& property : info->getProperties()) {
            const QString group = property.getGroup().toQString();
            if (byGroup.find(group) == byGroup.end()) {
                groups.push_back(group);
            }
            byGroup[group].push_back(&property);
        }
        QFont headingFont = combo->font();
        headingFont.setBold(true);
        for (const QString& group : groups) {
            auto* heading = new QStandardItem(group.isEmpty() ? tr("Other") : SyntaxNames::translated(group));
            heading->setFlags(Qt::NoItemFlags);
            heading->setFont(headingFont);
            model->appendRow(heading);
            for (const XSLFO::Property* property : byGroup[group]) {
                auto* row = new QStandardItem(QStringLiteral("    ") + displayNameOf(*property));
                row->setData(property->getName().toQString(), NameRole);
                row->setData(XSLFO::getDefaultNSPrefix(property->getNamespaceURI()).toQString(), PrefixRole);
                model->appendRow(row);
            }
        }
    }
    const QSignalBlocker quiet(combo);
    combo->setModel(model);
    combo->setCurrentIndex(-1);
    m_lastRow = -1;
}

void FormatConditionDlg::selectProperty(const Core::String& name, const Core::String& prefix)
{
    QComboBox* combo = m_ui->propertyCombo;
    for (int row = 0; row < combo->count(); ++row) {
        if (combo->itemData(row, NameRole).toString() == name.toQString() &&
            (prefix.isEmpty() || combo->itemData(row, PrefixRole).toString() == prefix.toQString())) {
            combo->setCurrentIndex(row);
            return;
        }
    }
}

void FormatConditionDlg::OnPropertySelectionChaged(int row)
{
    QComboBox* combo = m_ui->propertyCombo;
    if (isHeading(combo, row)) {
        // A heading is passed over in the direction the choice moved.
        const int step = row < m_lastRow ? -1 : 1;
        int next = row + step;
        while (isHeading(combo, next)) {
            next += step;
        }
        if (next < 1 || next >= combo->count()) {
            next = row + 1;
            while (isHeading(combo, next)) {
                ++next;
            }
        }
        combo->setCurrentIndex(next < combo->count() ? next : -1);
        return;
    }
    m_lastRow = row;
    updatePropertyInfo();
}

void FormatConditionDlg::updatePropertyInfo()
{
    QComboBox* combo = m_ui->propertyCombo;
    const int row = combo->currentIndex();
    if (row < 0) {
        return;
    }
    readChosenProperty();
    SyntaxXmlType type = SyntaxXml::getSyntaxXmlType(m_prefix);
    if (type == SyntaxXmlType::Unknown) {
        type = SyntaxXmlType::FO;
    }
    m_attribute = SyntaxXml::get().getAttributeDataByName(m_name, type);
    auto* field = qobject_cast<PropertyValuesCtrl*>(m_ui->valueEditor->getControl());
    if (!field) {
        return;
    }
    // The value typed so far stays; the values dialog and the completion
    // now offer what this property takes.
    Core::String text;
    bool dynamic = false;
    m_ui->valueEditor->getValue(text, dynamic);
    PropertyValueEx value(m_prefix + ":" + m_name, Core::String());
    value.setType(dynamic ? PropertyValueType::Dynamic : PropertyValueType::Static);
    if (dynamic) {
        value.setDynamicValue(text);
    } else {
        value.setStaticValue(text);
    }
    field->setData(value, m_displayName, m_attribute);
    QStringList allowed;
    for (const Core::String& entry : m_attribute.getValues()) {
        allowed << entry.toQString();
    }
    if (!m_allowedValues) {
        // Typing offers the values the property allows, as the drop-down of
        // the values dialog does.
        m_allowedValues = new QStringListModel(this);
        auto* completer = new QCompleter(m_allowedValues, this);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        field->setCompleter(completer);
    }
    m_allowedValues->setStringList(allowed);
}

void FormatConditionDlg::readChosenProperty()
{
    const QComboBox* combo = m_ui->propertyCombo;
    const int row = combo->currentIndex();
    if (row < 0 || isHeading(combo, row)) {
        m_name = Core::String();
        m_displayName = Core::String();
        return;
    }
    m_name = combo->itemData(row, NameRole).toString();
    m_prefix = combo->itemData(row, PrefixRole).toString();
    m_displayName = combo->itemText(row).trimmed();
}

void FormatConditionDlg::saveFromControls()
{
    readChosenProperty();
    m_ui->valueEditor->getValue(m_value, m_dynamic);
    m_condition = m_ui->conditionEdit->text();
}

void FormatConditionDlg::OnOK()
{
    saveFromControls();
    if (m_name.isEmpty()) {
        UIApplication::MessageBoxW(63167u, Win32::MB_ICONWARNING);
        m_ui->propertyCombo->setFocus();
        return;
    }
    if (m_value.isEmpty()) {
        UIApplication::MessageBoxW(63168u, Win32::MB_ICONWARNING);
        m_ui->valueEditor->setFocus();
        return;
    }
    EndDialog(Accepted);
}
