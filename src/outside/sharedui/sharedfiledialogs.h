#pragma once

#include "outside/core/corestring.h"

class QWidget;

namespace SharedUI {

/// One request for a file or folder, as a dialog makes it.
struct FileDialogRequest
{
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    Core::String caption;
    Core::String directory;   ///< folder or file to start from
    Core::String filter;      ///< Qt form: "Images (*.png *.jpg);;All files (*)"
    Core::String defaultExtension;
};

/// Answers file requests instead of the user. Tests install one; the library
/// never owns it.
class UIEDITOR_EXPORT FileDialogHandler
{
public:
    virtual ~FileDialogHandler();
    /// The chosen path, or "" for Cancel.
    virtual Core::String choose(QWidget* parent, const FileDialogRequest& request) = 0;
};

/// The file and folder pickers every dialog uses. By default they are Qt's
/// file dialogs; a handler set with setHandler() answers instead.
class UIEDITOR_EXPORT FileDialogs
{
public:
    static Core::String getOpenFileName(QWidget* parent, const Core::String& caption,
                                        const Core::String& directory, const Core::String& filter);
    static Core::String getSaveFileName(QWidget* parent, const Core::String& caption,
                                        const Core::String& directory, const Core::String& filter,
                                        const Core::String& defaultExtension = Core::String());
    static Core::String getExistingDirectory(QWidget* parent, const Core::String& caption,
                                             const Core::String& directory);

    /// Turns a Windows-style filter ("Images|*.png;*.jpg|All Files|*.*||") into
    /// Qt's form ("Images (*.png *.jpg);;All Files (*)"); a Qt filter passes unchanged.
    static Core::String toQtFilter(const Core::String& filter);

    static void setHandler(FileDialogHandler* handler);
    static FileDialogHandler* handler();

private:
    FileDialogs() = delete;
    static Core::String choose(QWidget* parent, const FileDialogRequest& request);
};

} // namespace SharedUI
