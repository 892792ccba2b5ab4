#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <QHash>
#include <QStackedWidget>

class StaticPreview;

/// The preview of the insert-table dialog's formats. Every document it is
/// given is laid out once, in a StaticPreview of its own that is kept, so
/// coming back to a format shows it at once.
class UIEDITOR_EXPORT TablePreviewStack : public QStackedWidget
{
    Q_OBJECT

public:
    explicit TablePreviewStack(QWidget* parent = nullptr);
    ~TablePreviewStack() override;

    /// Shows `markup`, laying it out unless it was shown before; an empty
    /// text shows an empty preview.
    void showDocument(const Core::String& markup);
    /// The preview on show.
    StaticPreview* currentPreview() const;
    /// How many documents have been laid out.
    int cachedCount() const { return int(m_previews.size()); }

private:
    QHash<QString, StaticPreview*> m_previews;
};
