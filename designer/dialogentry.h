#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class DesignerWindow;
class QWidget;

/// One picture of the gallery: the file it is written to (without
/// extension) and how to build the widget in the state it shows.
struct GalleryShot
{
    QString name;
    std::function<std::unique_ptr<QWidget>()> create;
};

/// Everything the designer knows of one dialog or control: the menu command
/// that runs it on the current selection, if it has one, and the pictures the
/// gallery takes of it. The menus and the gallery both read these entries.
struct DialogEntry
{
    enum class Menu { None, Format, Insert, Data, Page, Document };

    QString className; ///< names the menu action (its object name)
    Menu menu = Menu::None;
    QString text; ///< the menu text, with its mnemonic
    std::function<void(DesignerWindow&)> run;
    /// Why the command cannot run now (shown as its status tip while it is
    /// disabled); empty when it can. Null: it always can.
    std::function<QString(const DesignerWindow&)> unavailable;
    std::vector<GalleryShot> shots;
};

/// The translation context of the entries' menu texts and messages.
struct DialogCommands
{
    Q_DECLARE_TR_FUNCTIONS(DialogCommands)
};
