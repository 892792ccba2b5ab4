#pragma once

#include "outside/types/unitmeasurehelper.h"
#include "uieditor_export.h"

#include <QObject>

/// Tells open windows that the user's unit changed (see GlobalUnitMeasureHelper),
/// so that the unit is read from the settings once per process and not again
/// for every length field.
class UIEDITOR_EXPORT GlobalUnitMeasureNotifier : public QObject
{
    Q_OBJECT

public:
    /// The one notifier of the process, made on first use.
    static GlobalUnitMeasureNotifier* instance();

Q_SIGNALS:
    /// After the unit was changed in this process or read again with a new value.
    void unitChanged(UnitMeasure unit);

private:
    GlobalUnitMeasureNotifier() = default;
};
