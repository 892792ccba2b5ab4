#pragma once

#include <QMainWindow>

class QListWidget;

/// The window a user sees: every dialog of the library, opened on demand.
class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

private:
    void openSelected();

    QListWidget* m_list;
};
