#include "outside/core/coreprocess.h"

#include <QStandardPaths>

namespace Core {

String Process::getUserAppDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace Core
