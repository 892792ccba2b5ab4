#include "frame/dialog.h"

#include "frame/win32constants.h"

#include <QPushButton>
#include <QDialogButtonBox>
#include <QVariant>

Dialog::Dialog(unsigned templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId)
{
    setProperty("templateId", templateId);
}

Dialog::~Dialog() = default;

int Dialog::DoModal()
{
    const int result = exec();
    return result == QDialog::Rejected ? Win32::IDCANCEL : result;
}

QWidget* Dialog::findControl(const QWidget* root, int id)
{
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QVariant value = widget->property("controlId");
        if (value.isValid() && value.toInt() == id) {
            return widget;
        }
    }
    return nullptr;
}

QWidget* Dialog::control(int id) const
{
    if (QWidget* found = findControl(this, id)) {
        return found;
    }
    if (id == Win32::IDOK || id == Win32::IDCANCEL) {
        const QList<QDialogButtonBox*> boxes = findChildren<QDialogButtonBox*>();
        for (QDialogButtonBox* box : boxes) {
            if (QPushButton* button = box->button(id == Win32::IDOK ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)) {
                return button;
            }
        }
    }
    return nullptr;
}

void Dialog::setVisible(bool visible)
{
    if (visible && !m_initialized) {
        m_initialized = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

bool Dialog::OnInitDialog()
{
    return true;
}

void Dialog::accept()
{
    OnOK();
}

void Dialog::reject()
{
    OnCancel();
}

void Dialog::OnOK()
{
    EndDialog(QDialog::Accepted);
}

void Dialog::OnCancel()
{
    EndDialog(QDialog::Rejected);
}

void Dialog::EndDialog(int result)
{
    done(result);
}

void Dialog::done(int result)
{
    // The next run starts from the inputs again, as a new window would.
    m_initialized = false;
    QDialog::done(result);
}
