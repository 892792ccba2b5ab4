#include "outside/iprogressmonitor.h"

IProgressMonitor::~IProgressMonitor() = default;
