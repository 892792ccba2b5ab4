#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

/// One dialog (or control sheet) of the gallery: its class name, which names
/// the screenshot, and how to build it in its initial state.
struct GalleryEntry
{
    QString className;
    std::function<std::unique_ptr<QWidget>()> create;
};
