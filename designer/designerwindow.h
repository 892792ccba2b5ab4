#pragma once

#include "templatedocument.h"

#include <QMainWindow>

class OutlineView;
class PropertyInspector;
class QDockWidget;
class QPlainTextEdit;
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

    /// Opens a template; on failure the message is shown and false answered.
    bool openTemplate(const QString& path);
    SmartPtr<TemplateDocument> document() const { return m_document; }

    /// Shows what a dialog returned (markup or properties) in the result pane.
    void showResult(const QString& title, const QString& text);
    /// Messages collected while working (files that could not be read...).
    const QStringList& messages() const { return m_messages; }
    void addMessage(const QString& message);

    /// Reloads the views after the document changed.
    void refresh();
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
    void onOpen();
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
    bool m_applyingSource = false;
    QStringList m_messages;
    int m_logListener = 0;
};
