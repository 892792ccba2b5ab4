#include "outside/types/globalunitmeasurenotifier.h"

GlobalUnitMeasureNotifier* GlobalUnitMeasureNotifier::instance()
{
    // Never deleted: windows may disconnect from it while the process ends.
    static auto* notifier = new GlobalUnitMeasureNotifier;
    return notifier;
}
