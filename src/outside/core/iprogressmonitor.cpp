#include "outside/core/iprogressmonitor.h"

IProgressMonitor::~IProgressMonitor() = default;
