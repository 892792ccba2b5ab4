#include "dialogs/field/formatfieldpage.h"

#include <QKeyEvent>

FormatFieldPage::FormatFieldPage(unsigned templateId, QWidget* parent) : Dialog(templateId, parent)
{
    setWindowFlags(Qt::Widget);
}

FormatFieldPage::~FormatFieldPage() = default;

void FormatFieldPage::markEdited()
{
    if (!m_loading) {
        m_edited = true;
    }
}

void FormatFieldPage::keyPressEvent(QKeyEvent* event)
{
    // QDialog would close the page itself on Escape.
    QWidget::keyPressEvent(event);
}
