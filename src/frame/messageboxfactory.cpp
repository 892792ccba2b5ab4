#include "frame/messageboxfactory.h"

MessageBoxFactory::~MessageBoxFactory() = default;
