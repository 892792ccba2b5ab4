#pragma once

#include "outside/core/corestream.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "uieditor_export.h"

#include <map>

namespace Varnel {

/// Runs XSLT stylesheets in the process, with libxslt.
///
/// Every run is fenced in: the stylesheet may not write files, create
/// folders or reach the network, and without AllowFileReads it may not read
/// any file either (document(), xsl:include and xsl:import are refused).
/// Nothing reaches stderr; what libxml2 and libxslt report becomes the
/// message of the Core::Exception a failed run raises.
class UIEDITOR_EXPORT Transform
{
public:
    /// The last argument of xsl2fo: a combination of these.
    enum Flag {
        NoFlags = 0,
        /// Lets document(), xsl:include and xsl:import read local files.
        AllowFileReads = 0x1,
    };

    /// Applies the stylesheet at `stylesheetPath` to the document at
    /// `xmlPath` and writes the serialised result to `output`.
    ///
    /// `parameters` are the stylesheet's top-level parameters, each value
    /// passed as a string. `engine` is the selector the template names; the
    /// only engine here is libxslt, which runs for every value. Raises
    /// Core::Exception, "file, line N: message" where a line is known, when a
    /// file cannot be read or parsed, the stylesheet does not compile, or the
    /// run reports any error (an expression that fails, a refused read).
    ///
    /// Script blocks (msxml:script with implements-prefix) cannot run here:
    /// their functions are answered with an empty string, so that a call to
    /// them does not make the run fail.
    static void xsl2fo(const Core::String& stylesheetPath, const Core::String& xmlPath,
                       const SmartPtr<Core::IO::Stream>& output,
                       const std::map<Core::String, Core::String>& parameters, int engine,
                       int flag = NoFlags);

private:
    Transform() = delete;
};

} // namespace Varnel
