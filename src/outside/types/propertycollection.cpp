#include "outside/types/propertycollection.h"

#include "outside/dom/xmlname.h"

namespace {

void appendEscaped(QString& out, const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'>':
            out += QLatin1String("&gt;");
            continue;
        case u'"':
            out += QLatin1String("&quot;");
            continue;
        // A parser turns literal line breaks and tabs in attributes into blanks.
        case u'\n':
            out += QLatin1String("&#xA;");
            continue;
        case u'\r':
            out += QLatin1String("&#xD;");
            continue;
        case u'\t':
            out += QLatin1String("&#x9;");
            continue;
        default:
            break;
        }
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            out += c;
            out += value.at(++i);
        } else if (c.unicode() >= 0x20 && !c.isSurrogate() && c.unicode() != 0xFFFE &&
                   c.unicode() != 0xFFFF) {
            out += c;
        }
        // Other control characters, lone surrogates and non-characters cannot
        // appear in XML 1.0 even as references.
    }
}

} // namespace

int PropertyCollection::indexOf(const Core::String& name) const
{
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        if (m_properties[i]->getName() == name) {
            return int(i);
        }
    }
    return -1;
}

bool PropertyCollection::setProperty(const EditableProperty& property, bool addIfMissing)
{
    return setProperty(makeSmart<EditableProperty>(property), addIfMissing);
}

bool PropertyCollection::setProperty(const SmartPtr<EditableProperty>& property, bool addIfMissing)
{
    if (!property) {
        return false;
    }
    const int index = indexOf(property->getName());
    if (index >= 0) {
        m_properties[std::size_t(index)] = property;
        return true;
    }
    if (!addIfMissing) {
        return false;
    }
    m_properties.push_back(property);
    return true;
}

bool PropertyCollection::addProperty(const EditableProperty& property, bool replaceExisting)
{
    return addProperty(makeSmart<EditableProperty>(property), replaceExisting);
}

bool PropertyCollection::addProperty(const SmartPtr<EditableProperty>& property,
                                     bool replaceExisting)
{
    if (!property) {
        return false;
    }
    const int index = indexOf(property->getName());
    if (index < 0) {
        m_properties.push_back(property);
        return true;
    }
    if (!replaceExisting) {
        return false;
    }
    m_properties[std::size_t(index)] = property;
    return true;
}

void PropertyCollection::addProperties(const PropertyCollection& other, bool replaceExisting)
{
    // Copied first: `other` may be this collection.
    const PropertyList list = other.m_properties;
    for (const SmartPtr<EditableProperty>& property : list) {
        addProperty(property, replaceExisting);
    }
}

Core::String PropertyCollection::getPropertyValue(const Core::String& name) const
{
    const int index = indexOf(name);
    return index >= 0 ? m_properties[std::size_t(index)]->getValue() : Core::String();
}

SmartPtr<EditableProperty> PropertyCollection::getProperty(const Core::String& name) const
{
    const int index = indexOf(name);
    return index >= 0 ? m_properties[std::size_t(index)] : SmartPtr<EditableProperty>();
}

bool PropertyCollection::containsProperty(const Core::String& name) const
{
    return indexOf(name) >= 0;
}

bool PropertyCollection::removePropertyByName(const Core::String& name)
{
    const int index = indexOf(name);
    if (index < 0) {
        return false;
    }
    m_properties.erase(m_properties.begin() + index);
    return true;
}

Core::String PropertyCollection::getPropertiesString() const
{
    QString text;
    for (const SmartPtr<EditableProperty>& property : m_properties) {
        const QString& name = property->getName();
        if (!Xml::Name::isQName(name)) {
            continue;
        }
        if (!text.isEmpty()) {
            text += u' ';
        }
        text += name;
        text += QLatin1String("=\"");
        appendEscaped(text, property->getValue());
        text += u'"';
    }
    return text;
}

bool operator==(const PropertyCollection& a, const PropertyCollection& b)
{
    if (a.m_properties.size() != b.m_properties.size()) {
        return false;
    }
    // Names are unique on both sides, so equal sizes and every name found equal
    // on the other side make the same set.
    for (const SmartPtr<EditableProperty>& property : a.m_properties) {
        const int index = b.indexOf(property->getName());
        if (index < 0 || b.m_properties[std::size_t(index)]->getValue() != property->getValue()) {
            return false;
        }
    }
    return true;
}
