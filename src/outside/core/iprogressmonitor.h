#pragma once

#include "uieditor_export.h"

#include <QRectF>
#include <QtGlobal>

/// What a ViewEngine tells its host while it works. The engine may call it
/// from a thread of its own; endLoad comes after every load, failed or not,
/// so a host waiting for it never waits for ever.
class UIEDITOR_EXPORT IProgressMonitor
{
public:
    virtual ~IProgressMonitor();

    /// A load begins; `size` is the length of the markup in bytes.
    virtual void beginLoad(quint64 size) = 0;
    /// Loading has reached `position` of the size, `percent` done.
    virtual void onProgress(quint64 position, int percent) = 0;
    /// The load is over, successful or not (see ViewEngine::getStatus).
    virtual void endLoad() = 0;
    /// Pages are being laid out.
    virtual void beginRelayout() = 0;
    /// Layout is done: `pageCount` pages, the first one's rectangle in pixels.
    virtual void endRelayout(int pageCount, const QRectF& firstPage) = 0;
};
