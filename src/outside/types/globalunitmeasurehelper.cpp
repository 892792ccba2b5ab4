#include "outside/types/globalunitmeasurehelper.h"

#include <QSettings>

namespace {

// The one place that names where the designer's user settings live.
const QString settingsOrganization = QStringLiteral("Varnel");
const QString settingsApplication = QStringLiteral("Designer");
const QString globalUnitKey = QStringLiteral("Units/Global");

// Absolute units only; a value cast from an out-of-range number is none of them.
bool isGlobalUnit(UnitMeasure unit)
{
    switch (unit) {
    case UnitMeasure::Point:
    case UnitMeasure::Pixel:
    case UnitMeasure::Inch:
    case UnitMeasure::Centimeter:
    case UnitMeasure::Millimeter:
        return true;
    case UnitMeasure::Em:
        break;
    }
    return false;
}

} // namespace

UnitMeasure GlobalUnitMeasureHelper::getGlobalUnitMeasure()
{
    const QSettings settings(settingsOrganization, settingsApplication);
    if (settings.status() != QSettings::NoError) {
        return UnitMeasure::Point;
    }
    UnitMeasure unit = UnitMeasure::Point;
    if (!UnitMeasureHelper::parseUnitName(settings.value(globalUnitKey).toString(), unit) ||
        !isGlobalUnit(unit)) {
        return UnitMeasure::Point;
    }
    return unit;
}

bool GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure unit)
{
    if (!isGlobalUnit(unit)) {
        return false;
    }
    QSettings settings(settingsOrganization, settingsApplication);
    // A file that did not parse would lose its unreadable lines on the next sync.
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    settings.setValue(globalUnitKey, UnitMeasureHelper::getUnitName(unit).toQString());
    settings.sync();
    return settings.status() == QSettings::NoError;
}
