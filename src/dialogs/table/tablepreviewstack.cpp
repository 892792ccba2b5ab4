#include "dialogs/table/tablepreviewstack.h"

#include "controls/staticpreview.h"

TablePreviewStack::TablePreviewStack(QWidget* parent) : QStackedWidget(parent) {}

TablePreviewStack::~TablePreviewStack() = default;

void TablePreviewStack::showDocument(const Core::String& markup)
{
    StaticPreview* preview = m_previews.value(markup.toQString());
    if (!preview) {
        preview = new StaticPreview(true, this);
        preview->openFromString(markup);
        // Lay the page out now, not on the first paint.
        preview->getViewEngine().hasPage(0);
        m_previews.insert(markup.toQString(), preview);
        addWidget(preview);
    }
    setCurrentWidget(preview);
}

StaticPreview* TablePreviewStack::currentPreview() const
{
    return qobject_cast<StaticPreview*>(currentWidget());
}
