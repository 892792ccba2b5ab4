#pragma once

#include <QString>
#include <functional>

class DesignerWindow;

/// One entry of the designer's dialog menus: where it goes, its text, and
/// how it runs the dialog on the current selection.
struct DialogCommand
{
    enum class Menu { Format, Insert, Data, Page, Document };

    Menu menu;
    QString text;
    QString className; ///< the dialog class, as the gallery names it
    std::function<void(DesignerWindow&)> run;
    /// Why the command cannot run now (shown as its status tip while it is
    /// disabled); empty when it can. Null: it always can.
    std::function<QString(const DesignerWindow&)> unavailable;
};
