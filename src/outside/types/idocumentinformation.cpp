#include "outside/types/idocumentinformation.h"

// Out of line so that the interface's type information lives in the library
// alone and casts between host and library agree on it.
IDocumentInformation::~IDocumentInformation() = default;
