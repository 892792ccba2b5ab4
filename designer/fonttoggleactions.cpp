#include "fonttoggleactions.h"

#include "designerwindow.h"
#include "dialogs/format/fontproperties.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>

namespace {

bool hasUnderlineDecoration(const PropertyCollection& properties)
{
    return properties.getPropertyValue("fo:text-decoration")
        .toQString()
        .split(QLatin1Char(' '), Qt::SkipEmptyParts)
        .contains(QStringLiteral("underline"));
}

bool isOn(const PropertyCollection& properties, FontToggleActions::Setting setting)
{
    FontProperties font;
    font.read(properties);
    switch (setting) {
    case FontToggleActions::Setting::Bold:
        return font.style & FontProperties::Bold;
    case FontToggleActions::Setting::Italic:
        return font.style & FontProperties::Italic;
    case FontToggleActions::Setting::Underline:
        return font.underline != FontProperties::NoUnderline || hasUnderlineDecoration(properties);
    }
    return false;
}

// The properties that switching `setting` changes, and nothing else.
PropertyCollection toggled(const PropertyCollection& current, FontToggleActions::Setting setting)
{
    FontProperties font;
    font.read(current);
    PropertyCollection properties = current;
    switch (setting) {
    case FontToggleActions::Setting::Bold:
        font.style ^= FontProperties::Bold;
        font.boldChanged = true;
        break;
    case FontToggleActions::Setting::Italic:
        font.style ^= FontProperties::Italic;
        font.italicChanged = true;
        break;
    case FontToggleActions::Setting::Underline: {
        const bool on = isOn(current, setting);
        font.underline = on ? FontProperties::NoUnderline : FontProperties::Solid;
        font.underlineChanged = true;
        if (on && hasUnderlineDecoration(current)) {
            // An underline given as a decoration goes with its token; the rest stays.
            QStringList tokens = current.getPropertyValue("fo:text-decoration")
                                     .toQString()
                                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            tokens.removeAll(QStringLiteral("underline"));
            const QString rest = tokens.join(QLatin1Char(' '));
            properties.setProperty(EditableProperty("fo:text-decoration", rest.isEmpty() ? QStringLiteral("none") : rest));
        }
        break;
    }
    }
    font.write(properties);
    PropertyCollection changed;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        if (current.getPropertyValue(property->getName()) != property->getValue() ||
            !current.containsProperty(property->getName())) {
            changed.addProperty(property);
        }
    }
    return changed;
}

QIcon letterIcon(const QString& letter, FontToggleActions::Setting setting)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(24);
    font.setBold(setting == FontToggleActions::Setting::Bold);
    font.setItalic(setting == FontToggleActions::Setting::Italic);
    font.setUnderline(setting == FontToggleActions::Setting::Underline);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

} // namespace

FontToggleActions::FontToggleActions(DesignerWindow& window) : QObject(&window), m_window(window)
{
    struct Definition
    {
        Setting setting;
        QString text;
        QString letter; // the usual first letter of the English word
        QKeySequence key;
        const char* name;
    };
    const Definition definitions[] = {
        {Setting::Bold, tr("B&old"), QStringLiteral("B"), QKeySequence::Bold, "boldAction"},
        {Setting::Italic, tr("&Italic"), QStringLiteral("I"), QKeySequence::Italic, "italicAction"},
        {Setting::Underline, tr("&Underline"), QStringLiteral("U"), QKeySequence::Underline, "underlineAction"}};
    for (const Definition& definition : definitions) {
        auto* action = new QAction(letterIcon(definition.letter, definition.setting), definition.text, this);
        action->setObjectName(QString::fromLatin1(definition.name));
        action->setCheckable(true);
        action->setShortcut(definition.key);
        connect(action, &QAction::triggered, this, [this, setting = definition.setting] { toggle(setting); });
        m_actions << action;
    }
}

QAction* FontToggleActions::action(Setting setting) const
{
    return m_actions.at(int(setting));
}

void FontToggleActions::update()
{
    const SmartPtr<TemplateDocument> document = m_window.document();
    QString reason;
    if (document.isNull()) {
        reason = tr("Open a template first.");
    } else if (!TemplateDocument::isInFlow(document->selected())) {
        reason = tr("Select an object in a flow to format its text.");
    }
    const PropertyCollection properties =
        reason.isEmpty() ? TemplateDocument::propertiesOf(document->selected()) : PropertyCollection();
    for (Setting setting : {Setting::Bold, Setting::Italic, Setting::Underline}) {
        QAction* toggle = action(setting);
        toggle->setEnabled(reason.isEmpty());
        toggle->setStatusTip(reason);
        toggle->setChecked(reason.isEmpty() && isOn(properties, setting));
    }
}

void FontToggleActions::toggle(Setting setting)
{
    const SmartPtr<TemplateDocument> document = m_window.document();
    if (document.isNull() || !TemplateDocument::isInFlow(document->selected())) {
        update();
        return;
    }
    const PropertyCollection changed = toggled(TemplateDocument::propertiesOf(document->selected()), setting);
    if (!changed.isEmpty()) {
        document->applyProperties(document->getSelectedObjectPath(), changed, TemplateDocument::ApplyMode::Merge,
                                  action(setting)->text().remove(QLatin1Char('&')));
    }
    update();
}
