#pragma once

#include "outside/render/viewengine.h"

#include <QWidget>

class TemplateDocument;

/// The live preview of the template: its pages one below the other, drawn
/// by the library's renderer, or the renderer's error text when the markup
/// cannot be laid out.
class TemplatePreview : public QWidget
{
    Q_OBJECT

public:
    explicit TemplatePreview(QWidget* parent = nullptr);

    /// Renders `document` again; a null document clears the preview.
    void showDocument(TemplateDocument* document);
    /// Whether fields show the values of the sample data (when the template
    /// has any) instead of their expressions. Takes effect with the next showDocument.
    void setShowSampleData(bool show) { m_showSampleData = show; }
    bool showsSampleData() const { return m_showSampleData; }
    /// What the renderer laid out on `page`, as it is painted.
    std::vector<ViewLayoutBox> pageBoxes(int page) { return m_engine.getPageBoxes(page); }
    /// Pages shown at most, so a runaway template cannot stall the designer.
    static constexpr int maxPages = 20;
    int pageCount() const { return int(m_pageSizes.size()); }
    /// The size of `page` in points; empty for a page not shown.
    QSizeF pageSize(int page) const { return page >= 0 && page < pageCount() ? m_pageSizes[size_t(page)] : QSizeF(); }
    QString errorText() const { return m_error; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ViewEngine m_engine;
    std::vector<QSizeF> m_pageSizes;
    QString m_error;
    bool m_showSampleData = false;
};
