#pragma once

#include "outside/types/pagemasterdata.h"

namespace Xml {
class Element;
}

/// Page sets as XSL-FO page sequence masters. "All pages" is a repeatable
/// reference without maximum, "One time only" a single reference, "Multiple
/// times" a repeatable reference with its maximum, and neighbouring
/// conditional references are the alternatives of one
/// repeatable-page-master-alternatives.
namespace PageSequenceMasterXml {

/// The page set an fo:page-sequence-master holds. Attributes and conditions
/// the record does not model are kept so that writing gives them back;
/// other children (comments, foreign elements) are not kept.
UIEDITOR_EXPORT PageMasterData read(const Xml::Element& pageSequenceMaster);
/// The fo:page-sequence-master markup of `data`, with the prefixes "fo" and
/// "kmb". Its first line starts without indentation; the lines after it
/// are indented by `indent` and one step more for the references.
UIEDITOR_EXPORT Core::String write(const PageMasterData& data, const Core::String& indent = Core::String(),
                                   const Core::String& lineEnd = "\n");

} // namespace PageSequenceMasterXml
