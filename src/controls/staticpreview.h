#pragma once

#include "outside/core/corestring.h"
#include "outside/core/iprogressmonitor.h"
#include "outside/render/viewengine.h"
#include "uieditor_export.h"

#include <QWidget>

#include <atomic>

/// Shows the first page of an XSL-FO document, scaled to fit, on a grey
/// background. The formatting dialogs feed it sample markup to preview their
/// settings; a document that fails to load shows the engine's error text.
class UIEDITOR_EXPORT StaticPreview : public QWidget, public IProgressMonitor
{
    Q_OBJECT

public:
    /// `shrink`: draw the page at 96 % of the size that fits, leaving a grey margin.
    explicit StaticPreview(bool shrink = false, QWidget* parent = nullptr);
    ~StaticPreview() override;

    /// Loads markup and repaints when loading has ended.
    void openFromString(const Core::String& markup);
    /// Loads a document file and repaints when loading has ended.
    void openFromFile(const Core::String& path);

    /// Draws a document into any painter within `rect`. A fragment
    /// (`isFullDocument` false) is first wrapped into a 200 × 152 pixel page
    /// of 12pt Times. Waits, boundedly, for the load to end before drawing.
    static void renderXmlToDC(const Core::String& markup, bool isFullDocument, QPainter& dc,
                              const QRect& rect, bool shrink, bool frame);
    /// The document renderXmlToDC makes of a fragment.
    static Core::String wrapFragment(const Core::String& markup);

    /// True once the engine has reported the end of the last load.
    bool isLoaded() const { return m_loaded.load(); }
    /// The engine, for hosts that ask about pages or errors.
    ViewEngine& getViewEngine() { return m_engine; }

    QSize sizeHint() const override { return QSize(200, 160); }

    // IProgressMonitor: only the end of a load matters here.
    void beginLoad(quint64 size) override;
    void onProgress(quint64 position, int percent) override;
    void endLoad() override;
    void beginRelayout() override;
    void endRelayout(int pageCount, const QRectF& firstPage) override;

protected:
    /// Paints the preview of page 0 into `rect`; with `frame` a one-pixel black frame around it.
    void paint(QPainter& dc, const QRect& rect, bool frame, bool shrink);
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_shrink;
    ViewEngine m_engine;
    std::atomic<bool> m_loaded{false};
};
