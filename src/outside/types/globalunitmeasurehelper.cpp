#include "outside/types/globalunitmeasurehelper.h"

#include "outside/types/globalunitmeasurenotifier.h"

#include <atomic>
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

// The stored unit as last read or written; -1 until first read.
std::atomic<int> cachedUnit{-1};

UnitMeasure readStoredUnit()
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

void remember(UnitMeasure unit)
{
    if (cachedUnit.exchange(int(unit)) != int(unit)) {
        Q_EMIT GlobalUnitMeasureNotifier::instance()->unitChanged(unit);
    }
}

} // namespace

UnitMeasure GlobalUnitMeasureHelper::getGlobalUnitMeasure()
{
    const int cached = cachedUnit.load();
    if (cached >= 0) {
        return UnitMeasure(cached);
    }
    const UnitMeasure unit = readStoredUnit();
    cachedUnit.store(int(unit));
    return unit;
}

void GlobalUnitMeasureHelper::reloadGlobalUnitMeasure()
{
    remember(readStoredUnit());
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
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    remember(unit);
    return true;
}
