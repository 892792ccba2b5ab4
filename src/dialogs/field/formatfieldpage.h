#pragma once

#include "frame/dialog.h"

/// A page of the Format Field dialog: a child dialog without caption that
/// shows and builds the pattern of one kind of format (the text after the
/// kind's prefix).
class UIEDITOR_EXPORT FormatFieldPage : public Dialog
{
    Q_OBJECT

public:
    FormatFieldPage(unsigned templateId, QWidget* parent);
    ~FormatFieldPage() override;

    /// Shows `pattern`; does not count as the user's change.
    virtual void readPattern(const QString& pattern) = 0;
    /// The pattern the controls make.
    virtual QString pattern() const = 0;
    /// False, after telling the user why, when the pattern cannot be written.
    virtual bool validate() { return true; }
    /// Whether the user changed anything since the last readPattern().
    bool isEdited() const { return m_edited; }

protected:
    /// Records a change the user made; ignored while the page loads.
    void markEdited();
    /// Set while readPattern() fills the controls.
    bool m_loading = false;
    /// Escape and Enter belong to the dialog around the page.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_edited = false;

    friend class PageLoading;
};

/// Marks a page as loading for its lifetime and its edits as none.
class PageLoading
{
public:
    explicit PageLoading(FormatFieldPage& page) : m_page(page)
    {
        m_page.m_loading = true;
        m_page.m_edited = false;
    }
    ~PageLoading() { m_page.m_loading = false; }
    PageLoading(const PageLoading&) = delete;
    PageLoading& operator=(const PageLoading&) = delete;

private:
    FormatFieldPage& m_page;
};
