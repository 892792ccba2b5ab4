#pragma once

#include "dialogentry.h"
#include "templatedocument.h"

#include <QMainWindow>

class BackgroundLoad;
class OutlineView;
class QAction;
class PropertyInspector;
class QDockWidget;
class QMenu;
class QPlainTextEdit;
class QTimer;
class SamplePane;
class SourceFindReplace;
class TemplatePreview;
class TemplateSourceView;

/// The designer: the template's outline, its preview, the sample data and
/// what the last dialog returned; menus open every dialog of the library on
/// the selected object.
class DesignerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit DesignerWindow(QWidget* parent = nullptr);
    ~DesignerWindow() override;

    /// Opens a template; on failure the message is shown, false answered and
    /// the template open before stays as it was. A large template, or one
    /// with a large sample, is read on a worker thread: true is answered at
    /// once, and the template shows when backgroundLoad() has finished.
    bool openTemplate(const QString& path);
    /// Reading large templates and samples, with its progress and Cancel.
    BackgroundLoad* backgroundLoad() const { return m_loads; }
    /// View > Show Sample Data: the preview shows the sample's values in the fields.
    QAction* showSampleDataAction() const { return m_showSampleData; }
    /// Offers to restore the work a session that ended without closing left
    /// in the recovery file; answers whether it was restored.
    bool offerRecovery();
    /// Keeps the modified template in the recovery file (every minute while
    /// modified); removes the file when there is nothing unsaved.
    void saveRecovery();
    /// File > Open Recent: the recent templates, then "Clear Recent".
    QMenu* recentMenu() const { return m_recentMenu; }
    SmartPtr<TemplateDocument> document() const { return m_document; }

    /// Shows what a dialog returned (markup or properties) in the result pane.
    void showResult(const QString& title, const QString& text);
    /// Messages collected while working (files that could not be read...).
    const QStringList& messages() const { return m_messages; }
    void addMessage(const QString& message);

    /// Reloads the views after the document changed.
    void refresh();
    /// Makes `element` the object dialogs work on, in every view.
    void selectObject(const Xml::Element& element);
    /// Edit > Undo and Edit > Redo: they step through the template's edits.
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    /// The outline, for selecting objects as a user would.
    OutlineView* outline() const { return m_outline; }
    TemplatePreview* preview() const { return m_preview; }
    /// The template's markup, which Edit → Find and Replace work on.
    TemplateSourceView* source() const { return m_source; }
    SourceFindReplace* findReplace() const { return m_findReplace; }
    /// The sample data with its tree, filter and edit commands.
    SamplePane* samplePane() const { return m_samplePane; }
    /// The selected object's property values.
    PropertyInspector* inspector() const { return m_inspector; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createUndoActions(QMenu* edit);
    void createViewMenu();
    void showOpened(const TemplateDocument::ParsedFile& parsed, const QString& path);
    void refuseOpening(const Core::String& message);
    /// Reads a large sample on a worker thread and binds it to the template when done.
    void bindInBackground(const Core::String& path);
    /// Enables the dialog commands that can act on the selection; the others
    /// say why not in their status tip.
    void updateCommands();
    void scheduleRefresh();
    void onNew();
    void onOpen();
    void openRecent(const QString& path);
    void updateRecentMenu();
    /// Makes `document` the template of every view.
    void showTemplate(const SmartPtr<TemplateDocument>& document);
    bool onSave();
    bool onSaveAs();
    bool mayDiscardChanges();
    void updateTitle();
    void onSourceEdited(const QString& markup);
    void onSampleNodeDropped(const Xml::Node& node, const Xml::Element& target);

    SmartPtr<TemplateDocument> m_document;
    OutlineView* m_outline;
    TemplatePreview* m_preview;
    SamplePane* m_samplePane;
    PropertyInspector* m_inspector;
    QPlainTextEdit* m_result;
    TemplateSourceView* m_source;
    QDockWidget* m_sourceDock = nullptr;
    SourceFindReplace* m_findReplace;
    QMenu* m_recentMenu = nullptr;
    QTimer* m_recoveryTimer;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_showSampleData = nullptr;
    BackgroundLoad* m_loads;
    std::vector<std::pair<QAction*, DialogEntry>> m_commands;
    bool m_refreshScheduled = false;
    const TemplateDocument* m_sourceShows = nullptr; // whose markup the source view has
    QStringList m_messages;
    int m_logListener = 0;
};
