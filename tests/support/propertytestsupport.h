#pragma once

#include "outside/types/propertycollection.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace TestSupport {

/// A collection with these properties, in this order.
inline PropertyCollection collection(const QList<QPair<QString, QString>>& entries)
{
    PropertyCollection properties;
    for (const auto& [name, value] : entries) {
        properties.addProperty(EditableProperty(name, value), true);
    }
    return properties;
}

/// A collection from "name=value;name=value", in this order.
inline PropertyCollection collectionOf(const QString& list)
{
    QList<QPair<QString, QString>> entries;
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        entries.append({entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1)});
    }
    return collection(entries);
}

/// "name=value" pairs in collection order, separated by ";": the order is
/// part of what the helpers promise.
inline QString listOf(const PropertyCollection& properties)
{
    QStringList list;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        list << property->getName().toQString() + QLatin1Char('=') + property->getValue().toQString();
    }
    return list.join(QLatin1Char(';'));
}

} // namespace TestSupport
