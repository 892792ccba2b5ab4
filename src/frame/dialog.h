#pragma once

#include "uieditor_export.h"

#include <QDialog>

/// Base of every dialog of the library: a QDialog built from a form that
/// carries a template number, with controls found by their number.
///
/// OnInitDialog() runs at the start of every run, just before the dialog is
/// shown, whether it is run with DoModal()/exec(), open() or show(); a run ends
/// with done(). accept() goes through OnOK(), which validates and closes only
/// on success; reject() through OnCancel().
class UIEDITOR_EXPORT Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(unsigned templateId, QWidget* parent = nullptr);
    ~Dialog() override;

    /// Runs the dialog modally; answers IDOK (1) when accepted, IDCANCEL (2)
    /// when rejected (Cancel, Escape, closing the window), else the code the
    /// dialog ended with.
    int DoModal();
    unsigned templateId() const { return m_templateId; }

    /// The control whose "controlId" property is `id`. 1 and 2 fall back to
    /// the OK and Cancel buttons of the dialog's button box.
    QWidget* control(int id) const;
    template <class T>
    T* control(int id) const
    {
        return qobject_cast<T*>(control(id));
    }
    /// The first child of `root` whose "controlId" property is `id`; null when none.
    static QWidget* findControl(const QWidget* root, int id);

    void accept() override;
    void reject() override;
    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    /// Fills the controls from the inputs. Called before each run shows the
    /// dialog, so it must not add what an earlier run already built.
    virtual bool OnInitDialog();
    /// Validates and, on success, ends the dialog with Accepted (EndDialog).
    virtual void OnOK();
    virtual void OnCancel();
    /// Ends the modal loop with `result` without further checks.
    void EndDialog(int result);
    bool isInitialized() const { return m_initialized; }

private:
    unsigned m_templateId;
    bool m_initialized = false;
};
