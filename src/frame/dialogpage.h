#pragma once

#include "uieditor_export.h"

#include <QWidget>

/// A page of a tabbed dialog, built from a form of its own that carries a
/// template number; its controls are found by number as a dialog's are. A
/// plain widget, not a dialog: Escape and Enter on a page belong to the dialog
/// around it.
class UIEDITOR_EXPORT DialogPage : public QWidget
{
    Q_OBJECT

public:
    explicit DialogPage(unsigned templateId, QWidget* parent = nullptr);
    ~DialogPage() override;

    unsigned templateId() const { return m_templateId; }

    /// The control whose "controlId" property is `id`; null when none.
    QWidget* control(int id) const;
    template <class T>
    T* control(int id) const
    {
        return qobject_cast<T*>(control(id));
    }

private:
    unsigned m_templateId;
};
