#include "designerwindow.h"

#include "backgroundload.h"
#include "dialogregistry.h"
#include "fonttoggleactions.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "newtemplatedialog.h"
#include "outlineview.h"
#include "parameternames.h"
#include "outside/core/coreexception.h"
#include "outside/core/corelog.h"
#include "outside/sharedui/sharedfiledialogs.h"
#include "propertyinspector.h"
#include "recentfiles.h"
#include "sampledropmarkup.h"
#include "samplepane.h"
#include "sourcefindreplace.h"
#include "templatepreview.h"
#include "templaterecovery.h"
#include "templatesourceview.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

namespace {

const char* const templateFilter = QT_TRANSLATE_NOOP("DesignerWindow", "Templates (*.fo *.xml);;All files (*)");
constexpr int recoveryIntervalMs = 60 * 1000;
const char* const showSampleDataKey = "designer/showSampleData";

} // namespace

DesignerWindow::DesignerWindow(QWidget* parent)
    : QMainWindow(parent), m_outline(new OutlineView), m_preview(new TemplatePreview),
      m_samplePane(new SamplePane), m_inspector(new PropertyInspector), m_result(new QPlainTextEdit), m_source(new TemplateSourceView),
      m_findReplace(new SourceFindReplace(m_source, this)), m_recoveryTimer(new QTimer(this)),
      m_loads(new BackgroundLoad(this))
{
    statusBar()->addPermanentWidget(m_loads->statusWidget());
    connect(m_loads, &BackgroundLoad::cancelled, this, [this] {
        statusBar()->showMessage(tr("Cancelled: the template and its sample data are as they were."));
    });
    m_preview->setObjectName(QStringLiteral("preview"));
    auto* previewArea = new QScrollArea;
    previewArea->setWidget(m_preview);
    previewArea->setAlignment(Qt::AlignHCenter);
    previewArea->setBackgroundRole(QPalette::Dark);
    setCentralWidget(previewArea);

    auto addDock = [this](QWidget* widget, const QString& title, const QString& name, Qt::DockWidgetArea area) {
        auto* dock = new QDockWidget(title, this);
        dock->setObjectName(name);
        dock->setWidget(widget);
        addDockWidget(area, dock);
        return dock;
    };
    QDockWidget* outlineDock = addDock(m_outline, tr("Outline"), QStringLiteral("outlineDock"), Qt::LeftDockWidgetArea);
    QDockWidget* sampleDock = addDock(m_samplePane, tr("Sample Data"), QStringLiteral("sampleDock"),
                                      Qt::RightDockWidgetArea);
    resizeDocks({outlineDock, sampleDock}, {340, 320}, Qt::Horizontal);
    m_inspector->setObjectName(QStringLiteral("inspector"));
    QDockWidget* inspectorDock = addDock(m_inspector, tr("Properties"), QStringLiteral("inspectorDock"),
                                         Qt::RightDockWidgetArea);
    tabifyDockWidget(sampleDock, inspectorDock);
    sampleDock->raise();
    m_result->setReadOnly(true);
    m_result->setObjectName(QStringLiteral("result"));
    QDockWidget* resultDock = addDock(m_result, tr("Dialog Result"), QStringLiteral("resultDock"), Qt::BottomDockWidgetArea);
    m_source->setObjectName(QStringLiteral("source"));
    m_sourceDock = addDock(m_source, tr("Source"), QStringLiteral("sourceDock"), Qt::BottomDockWidgetArea);
    tabifyDockWidget(resultDock, m_sourceDock);
    connect(m_source, &TemplateSourceView::markupEdited, this, &DesignerWindow::onSourceEdited);
    connect(m_findReplace, &SourceFindReplace::status, this, [this](const QString& message) {
        statusBar()->showMessage(message);
    });

    connect(m_outline, &OutlineView::elementSelected, this, [this](const Xml::Element& element) {
        if (m_document) {
            m_document->select(element);
            m_inspector->showObject(m_document, element);
            updateCommands();
            statusBar()->showMessage(m_document->getSelectedObjectPath());
        }
    });
    connect(m_outline, &OutlineView::elementActivated, this, [this](const Xml::Element& element) {
        if (!m_document || element.get_local_name() != "barcode") {
            return;
        }
        selectObject(element);
        // The Format command of the object's kind edits it (it is disabled for other kinds).
        QAction* edit = findChild<QAction*>(QStringLiteral("FormatBarcode"));
        if (edit && edit->isEnabled()) {
            edit->trigger();
        }
    });
    connect(m_outline, &OutlineView::sampleNodeDropped, this, &DesignerWindow::onSampleNodeDropped);
    connect(m_samplePane, &SamplePane::sampleModifiedChanged, this, [this](bool modified) {
        statusBar()->showMessage(modified ? tr("The sample data has changed.")
                                          : tr("The sample data was saved."));
        if (modified && m_preview->showsSampleData()) {
            m_preview->showDocument(m_document.get()); // the values it shows were edited
        }
    });
    createMenus();
    m_recoveryTimer->setInterval(recoveryIntervalMs);
    connect(m_recoveryTimer, &QTimer::timeout, this, &DesignerWindow::saveRecovery);
    m_recoveryTimer->start();
    resize(1200, 800);
    updateTitle();
    // Warnings of the library's core log (a schema reference that cannot be
    // resolved...) are the designer's messages too. They may be written on
    // another thread: the window takes them on its own.
    m_logListener = Core::Log::addListener([this](const Core::String& line) {
        QMetaObject::invokeMethod(this, [this, text = line.toQString()] { addMessage(text); });
    });
}

DesignerWindow::~DesignerWindow()
{
    if (m_document) {
        // The document may outlive the window, and its stack reports its end.
        m_document->setChangeListener({});
        m_document->setSampleBinder({});
        m_document->undoStack()->disconnect(this);
    }
    Core::Log::removeListener(m_logListener);
}

void DesignerWindow::createMenus()
{
    m_fontToggles = new FontToggleActions(*this);
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New..."), QKeySequence::New, this, &DesignerWindow::onNew)
        ->setObjectName(QStringLiteral("newAction"));
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &DesignerWindow::onOpen)
        ->setObjectName(QStringLiteral("openAction"));
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    updateRecentMenu();
    file->addAction(tr("&Save"), QKeySequence::Save, this, &DesignerWindow::onSave)
        ->setObjectName(QStringLiteral("saveAction"));
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &DesignerWindow::onSaveAs)
        ->setObjectName(QStringLiteral("saveAsAction"));
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    createUndoActions(edit);
    edit->addSeparator();
    const auto openFindReplace = [this](bool findOnly) {
        m_sourceDock->show();
        m_sourceDock->raise();
        m_findReplace->open(findOnly);
    };
    edit->addAction(tr("&Find..."), QKeySequence::Find, this, [openFindReplace] { openFindReplace(true); })
        ->setObjectName(QStringLiteral("findAction"));
    edit->addAction(tr("&Replace..."), QKeySequence::Replace, this, [openFindReplace] { openFindReplace(false); })
        ->setObjectName(QStringLiteral("replaceAction"));
    createViewMenu();

    const std::pair<DialogEntry::Menu, QString> menus[] = {
        {DialogEntry::Menu::Format, tr("F&ormat")}, {DialogEntry::Menu::Insert, tr("&Insert")},
        {DialogEntry::Menu::Data, tr("&Data")},     {DialogEntry::Menu::Page, tr("&Page")},
        {DialogEntry::Menu::Document, tr("Do&cument")}};
    const std::vector<DialogEntry> commands = DialogRegistry::all();
    for (const auto& [kind, title] : menus) {
        QMenu* menu = nullptr;
        for (const DialogEntry& command : commands) {
            if (command.menu != kind) {
                continue;
            }
            if (!menu) {
                menu = menuBar()->addMenu(title);
            }
            QAction* action = menu->addAction(command.text);
            action->setObjectName(command.className);
            connect(action, &QAction::triggered, this, [this, run = command.run] {
                m_source->applyPendingEdits();
                try {
                    run(*this);
                } catch (const Core::Exception& e) {
                    UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
                }
                if (m_refreshScheduled) {
                    refresh(); // the dialog is closed: the views may show its result at once
                }
            });
            m_commands.emplace_back(action, command);
        }
        if (kind == DialogEntry::Menu::Format && menu) {
            menu->addSeparator();
            menu->addActions(m_fontToggles->actions());
        }
    }
    QToolBar* format = addToolBar(tr("Format"));
    format->setObjectName(QStringLiteral("formatToolBar"));
    format->addActions(m_fontToggles->actions());
    updateCommands();
}

void DesignerWindow::createViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    m_showSampleData = view->addAction(tr("Show Sample &Data"));
    m_showSampleData->setObjectName(QStringLiteral("showSampleDataAction"));
    m_showSampleData->setCheckable(true);
    m_showSampleData->setChecked(QSettings().value(QLatin1String(showSampleDataKey), false).toBool());
    m_preview->setShowSampleData(m_showSampleData->isChecked());
    connect(m_showSampleData, &QAction::toggled, this, [this](bool show) {
        QSettings().setValue(QLatin1String(showSampleDataKey), show);
        m_preview->setShowSampleData(show);
        m_preview->showDocument(m_document.get());
    });
}

void DesignerWindow::createUndoActions(QMenu* edit)
{
    m_undo = edit->addAction(tr("&Undo"));
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = edit->addAction(tr("Re&do"));
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // Typing waiting in the source view is an edit too: it goes first.
    connect(m_undo, &QAction::triggered, this, [this] {
        m_source->applyPendingEdits();
        if (m_document) {
            m_document->undoStack()->undo();
        }
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        m_source->applyPendingEdits();
        if (m_document) {
            m_document->undoStack()->redo();
        }
    });
}

void DesignerWindow::updateCommands()
{
    for (const auto& [action, command] : m_commands) {
        const QString reason = command.unavailable ? command.unavailable(*this) : QString();
        action->setEnabled(reason.isEmpty());
        action->setStatusTip(reason.isEmpty() && command.actsOn ? command.actsOn(*this) : reason);
    }
    if (m_fontToggles) {
        m_fontToggles->update();
    }
    const QUndoStack* stack = m_document ? m_document->undoStack() : nullptr;
    m_undo->setEnabled(stack && stack->canUndo());
    m_undo->setText(stack && stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
    m_redo->setEnabled(stack && stack->canRedo());
    m_redo->setText(stack && stack->canRedo() ? tr("Re&do %1").arg(stack->redoText()) : tr("Re&do"));
}

void DesignerWindow::selectObject(const Xml::Element& element)
{
    if (!m_document) {
        return;
    }
    m_document->select(element);
    m_outline->selectElement(m_document->selected());
    m_inspector->showObject(m_document, m_document->selected());
    updateCommands();
}

void DesignerWindow::scheduleRefresh()
{
    // Queued: the view that made the change (a field of the inspector) is rebuilt by it.
    if (!m_refreshScheduled) {
        m_refreshScheduled = true;
        QMetaObject::invokeMethod(this, &DesignerWindow::refresh, Qt::QueuedConnection);
    }
}

bool DesignerWindow::openTemplate(const QString& path)
{
    TemplateDocument::ParsedFile parsed;
    Core::String samplePath;
    // Small files, and those refused at once for their size, are read here.
    if (const qint64 size = QFileInfo(path).size();
        size <= ParsedSample::backgroundBytes || size > TemplateDocument::maximumFileSize) {
        try {
            parsed = TemplateDocument::parseFile(path);
        } catch (const Core::Exception& e) {
            refuseOpening(e.getMessage());
            return false;
        }
        samplePath = TemplateDocument::samplePathOf(parsed);
        if (!ParsedSample::isLargeXml(samplePath)) {
            showOpened(parsed, path);
            return true;
        }
    }
    // The worker reads what is large; the window takes the result, or keeps
    // what it shows when the user cancels. The window stays usable meanwhile:
    // edits made to the shown template during the load were not part of the
    // question asked before it, so they are asked about again.
    const TemplateDocument* shown = m_document.get();
    const int editsBefore = shown ? shown->undoStack()->index() : 0;
    const auto editedMeanwhile = [this, shown, editsBefore] {
        return m_document.get() == shown && shown && shown->undoStack()->index() != editsBefore;
    };
    m_loads->start(tr("Opening %1...").arg(QFileInfo(path).fileName()),
                   [this, path, samplePath, editedMeanwhile,
                    parsed = std::move(parsed)]() mutable -> BackgroundLoad::Finish {
                       try {
                           if (parsed.xml.isNull()) {
                               parsed = TemplateDocument::parseFile(path);
                               samplePath = TemplateDocument::samplePathOf(parsed);
                           }
                           if (ParsedSample::isLargeXml(samplePath)) {
                               parsed.sample = ParsedSample::read(samplePath);
                           }
                       } catch (const Core::Exception& e) {
                           return [this, message = e.getMessage()] { refuseOpening(message); };
                       }
                       return [this, path, editedMeanwhile, parsed = std::move(parsed)] {
                           if (!editedMeanwhile() || mayDiscardChanges()) {
                               showOpened(parsed, path);
                           }
                       };
                   });
    return true;
}

void DesignerWindow::refuseOpening(const Core::String& message)
{
    addMessage(message);
    UIApplication::MessageBoxW(message, Win32::MB_ICONERROR);
}

void DesignerWindow::showOpened(const TemplateDocument::ParsedFile& parsed, const QString& path)
{
    showTemplate(TemplateDocument::fromParsed(parsed));
    RecentFiles::add(path);
    updateRecentMenu();
}

void DesignerWindow::bindInBackground(const Core::String& path)
{
    const TemplateDocument* target = m_document.get();
    m_loads->start(tr("Loading %1...").arg(QFileInfo(path.toQString()).fileName()),
                   [this, path, target]() -> BackgroundLoad::Finish {
                       ParsedSample sample = ParsedSample::read(path);
                       return [this, target, sample = std::move(sample)] {
                           if (m_document.get() != target) {
                               return; // another template came meanwhile
                           }
                           m_document->bindParsedSample(sample);
                           if (!m_document->sampleError().isEmpty()) {
                               addMessage(m_document->sampleError());
                           }
                       };
                   });
}

void DesignerWindow::showTemplate(const SmartPtr<TemplateDocument>& document)
{
    if (m_document) {
        m_document->setChangeListener({});
        m_document->setSampleBinder({});
        m_document->undoStack()->disconnect(this);
    }
    m_loads->cancel(); // what it would bring belongs to the template that goes
    m_document = document;
    m_sourceShows = nullptr; // the view's history belongs to the template it showed
    if (!m_document->sampleError().isEmpty()) {
        addMessage(m_document->sampleError());
    }
    m_document->setChangeListener([this] { scheduleRefresh(); });
    m_document->setSampleBinder([this](const Core::String& path) {
        if (!ParsedSample::isLargeXml(path)) {
            return false;
        }
        bindInBackground(path);
        return true;
    });
    connect(m_document->undoStack(), &QUndoStack::cleanChanged, this, &DesignerWindow::updateTitle);
    connect(m_document->undoStack(), &QUndoStack::indexChanged, this, &DesignerWindow::updateCommands);
    // Work starts on the first block of the first flow, where most dialogs act.
    if (const Xml::Element block = m_document->firstFlowBlock(m_document->root()); !block.isNull()) {
        m_document->select(block);
    }
    refresh();
}

bool DesignerWindow::offerRecovery()
{
    if (!TemplateRecovery::exists()) {
        return false;
    }
    const TemplateRecovery::Content content = TemplateRecovery::read();
    const QString name = content.path.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(content.path);
    QMessageBox question(QMessageBox::Question, windowTitle(),
                         tr("The designer was not closed normally. Restore the unsaved changes to %1?").arg(name),
                         QMessageBox::NoButton, this);
    QPushButton* restore = question.addButton(tr("Restore"), QMessageBox::AcceptRole);
    question.setEscapeButton(question.addButton(tr("Discard"), QMessageBox::DestructiveRole));
    question.setDefaultButton(restore);
    question.exec();
    if (question.clickedButton() != restore) {
        TemplateRecovery::remove();
        return false;
    }
    try {
        showTemplate(TemplateDocument::recovered(content.text, content.path));
    } catch (const Core::Exception& e) {
        addMessage(e.getMessage());
        UIApplication::MessageBoxW(tr("The unsaved changes cannot be restored: %1").arg(e.getMessage().toQString()),
                                   Win32::MB_ICONERROR);
        TemplateRecovery::remove();
        return false;
    }
    return true;
}

void DesignerWindow::saveRecovery()
{
    m_source->applyPendingEdits();
    if (!m_document || !m_document->isModified()) {
        TemplateRecovery::remove();
    } else if (!TemplateRecovery::write(m_document->text(), m_document->getDocumentPath().toQString())) {
        statusBar()->showMessage(tr("The unsaved changes cannot be kept in %1.").arg(TemplateRecovery::folder()));
    }
}

void DesignerWindow::refresh()
{
    m_refreshScheduled = false;
    // Another template starts the source view's own history afresh; an edit
    // of the same one joins it, and the caret stays where it was.
    const QString markup = m_document ? QString::fromUtf8(m_document->text()) : QString();
    if (m_document.get() == m_sourceShows) {
        m_source->updateMarkup(markup);
    } else {
        m_source->showMarkup(markup);
        m_sourceShows = m_document.get();
    }
    updateCommands();
    if (!m_document) {
        m_outline->clear();
        m_preview->showDocument(nullptr);
        m_samplePane->showSample({}, QString());
        m_inspector->showObject({}, {});
        updateTitle();
        return;
    }
    m_outline->showTemplate(m_document->root(), m_document->selected());
    m_preview->showDocument(m_document.get());
    m_samplePane->showSample(m_document->getSampleXml(), m_document->sampleError());
    m_inspector->showObject(m_document, m_document->selected());
    updateTitle();
}

void DesignerWindow::onSourceEdited(const QString& markup)
{
    if (!m_document) {
        return;
    }
    try {
        m_document->replaceMarkup(markup.toUtf8());
    } catch (const Core::Exception& e) {
        // Half-typed markup is normal while editing: say why, keep the template.
        statusBar()->showMessage(e.getMessage());
    }
}

void DesignerWindow::showResult(const QString& title, const QString& text)
{
    m_result->setPlainText(title + QStringLiteral("\n\n") + text);
}

void DesignerWindow::addMessage(const QString& message)
{
    m_messages << message;
    statusBar()->showMessage(message);
}

void DesignerWindow::updateTitle()
{
    const QString name = m_document && !m_document->getDocumentPath().isEmpty()
                             ? QFileInfo(m_document->getDocumentPath().toQString()).fileName()
                             : tr("Untitled");
    setWindowTitle(tr("%1[*] - uieditor designer").arg(name));
    setWindowModified(m_document && m_document->isModified());
}

void DesignerWindow::onNew()
{
    if (!mayDiscardChanges()) {
        return;
    }
    NewTemplateDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        showTemplate(
            TemplateDocument::fromText(StarterTemplates::markup(dialog.chosen()), Core::String(tr("Untitled"))));
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
    }
}

void DesignerWindow::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        RecentFiles::remove(path);
        updateRecentMenu();
        UIApplication::MessageBoxW(
            tr("%1 no longer exists. It was removed from the recent templates.").arg(QDir::toNativeSeparators(path)),
            Win32::MB_ICONWARNING);
        return;
    }
    if (mayDiscardChanges()) {
        openTemplate(path);
    }
}

void DesignerWindow::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList paths = RecentFiles::paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths.at(i);
        QAction* action = m_recentMenu->addAction(tr("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setData(path);
        // Queued: what it opens rebuilds the menu this action belongs to.
        connect(action, &QAction::triggered, this, [this, path] {
            QMetaObject::invokeMethod(this, [this, path] { openRecent(path); }, Qt::QueuedConnection);
        });
    }
    m_recentMenu->addSeparator();
    QAction* clear = m_recentMenu->addAction(tr("&Clear Recent"), this, [this] {
        RecentFiles::clear();
        QMetaObject::invokeMethod(this, &DesignerWindow::updateRecentMenu, Qt::QueuedConnection);
    });
    clear->setObjectName(QStringLiteral("clearRecentAction"));
    clear->setEnabled(!paths.isEmpty());
}

void DesignerWindow::onOpen()
{
    if (!mayDiscardChanges()) {
        return;
    }
    const Core::String path = SharedUI::FileDialogs::getOpenFileName(this, tr("Open Template"), QString(), tr(templateFilter));
    if (!path.isEmpty()) {
        openTemplate(path);
    }
}

bool DesignerWindow::onSave()
{
    m_source->applyPendingEdits();
    if (!m_document) {
        return false;
    }
    if (m_document->getDocumentPath().isEmpty()) {
        return onSaveAs();
    }
    if (!mayWriteParameters()) {
        return false;
    }
    try {
        m_document->save(m_document->getDocumentPath());
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return false;
    }
    TemplateRecovery::remove();
    updateTitle();
    return true;
}

bool DesignerWindow::onSaveAs()
{
    m_source->applyPendingEdits();
    if (!m_document || !mayWriteParameters()) {
        return false;
    }
    const Core::String path = SharedUI::FileDialogs::getSaveFileName(this, tr("Save Template As"),
                                                                     m_document->getDocumentPath(), tr(templateFilter), ".fo");
    if (path.isEmpty()) {
        return false;
    }
    try {
        m_document->save(path);
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return false;
    }
    TemplateRecovery::remove();
    RecentFiles::add(path);
    updateRecentMenu();
    refresh();
    return true;
}

bool DesignerWindow::mayWriteParameters()
{
    const QString problems = ParameterNames::problems(m_document->getVariables());
    if (problems.isEmpty()) {
        return true;
    }
    return UIApplication::MessageBoxW(
               tr("The stylesheet made from this template will not compile: its parameters need distinct, "
                  "non-empty names (Data > Parameters).\n\n%1\n\nSave anyway?")
                   .arg(problems),
               Win32::MB_YESNO | Win32::MB_ICONQUESTION) == Win32::IDYES;
}

bool DesignerWindow::mayDiscardChanges()
{
    m_source->applyPendingEdits();
    if (m_samplePane->isSampleModified()) {
        switch (UIApplication::MessageBoxW(tr("The sample data has changed. Save the changes?"),
                                           Win32::MB_YESNOCANCEL | Win32::MB_ICONQUESTION)) {
        case Win32::IDYES:
            if (!m_samplePane->saveSample()) {
                return false;
            }
            break;
        case Win32::IDNO:
            break;
        default:
            return false;
        }
    }
    if (!m_document || !m_document->isModified()) {
        TemplateRecovery::remove();
        return true;
    }
    switch (UIApplication::MessageBoxW(tr("The template has changed. Save the changes?"),
                                       Win32::MB_YESNOCANCEL | Win32::MB_ICONQUESTION)) {
    case Win32::IDYES:
        return onSave();
    case Win32::IDNO:
        TemplateRecovery::remove(); // discarded: nothing to offer at the next start
        return true;
    default:
        return false;
    }
}

void DesignerWindow::onSampleNodeDropped(const Xml::Node& node, const Xml::Element& target)
{
    const SampleDropMarkup drop(node, target);
    if (!m_document || !drop.isValid()) {
        return;
    }
    m_document->select(target);
    try {
        m_document->insertMarkup(drop.markup(), drop.position(), tr("Insert Field"));
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return;
    }
    statusBar()->showMessage(tr("Inserted %1").arg(drop.xpath().toQString()));
}

void DesignerWindow::closeEvent(QCloseEvent* event)
{
    if (mayDiscardChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}
