#include "gallerywindow.h"

#include "gallerycatalog.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

GalleryWindow::GalleryWindow(QWidget* parent) : QMainWindow(parent), m_list(new QListWidget)
{
    setWindowTitle(tr("uieditor designer"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* open = new QPushButton(tr("&Open"));
    layout->addWidget(m_list);
    layout->addWidget(open);
    setCentralWidget(central);
    for (const GalleryEntry& entry : GalleryCatalog::entries()) {
        m_list->addItem(entry.className);
    }
    m_list->setCurrentRow(0);
    connect(open, &QPushButton::clicked, this, &GalleryWindow::openSelected);
    connect(m_list, &QListWidget::itemActivated, this, &GalleryWindow::openSelected);
    resize(420, 360);
}

void GalleryWindow::openSelected()
{
    const int row = m_list->currentRow();
    const std::vector<GalleryEntry> entries = GalleryCatalog::entries();
    if (row < 0 || size_t(row) >= entries.size()) {
        return;
    }
    std::unique_ptr<QWidget> widget = entries[size_t(row)].create();
    if (auto* dialog = qobject_cast<QDialog*>(widget.get())) {
        dialog->setParent(this, dialog->windowFlags());
        dialog->exec();
    }
}
