#include "sourcefindreplace.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "sourcesearch.h"
#include "templatesourceview.h"
#include "xml/widgets/xmlviewfindreplacedlg.h"

SourceFindReplace::SourceFindReplace(TemplateSourceView* view, QWidget* window)
    : QObject(window), m_view(view), m_window(window), m_flags(Win32::FR_DOWN)
{
}

SourceFindReplace::~SourceFindReplace() = default;

XmlViewFindReplaceDlg* SourceFindReplace::dialog() const
{
    return m_dialog;
}

void SourceFindReplace::open(bool findOnly)
{
    if (m_dialog && m_dialog->isVisible() && m_dialog->IsFindOnly() == findOnly) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    if (m_dialog) {
        remember();
        delete m_dialog;
    }
    // A selection on one line is what the user wants to look for.
    const QString selected = m_view->textCursor().selectedText();
    const bool oneLine = !selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator);
    m_dialog = new XmlViewFindReplaceDlg;
    m_dialog->SetRegularExpression(m_regularExpression);
    connect(m_dialog, &XmlViewFindReplaceDlg::findNextRequested, this,
            &SourceFindReplace::onFindNext);
    connect(m_dialog, &XmlViewFindReplaceDlg::replaceRequested, this,
            &SourceFindReplace::onReplace);
    connect(m_dialog, &XmlViewFindReplaceDlg::replaceAllRequested, this,
            &SourceFindReplace::onReplaceAll);
    connect(m_dialog, &XmlViewFindReplaceDlg::dialogTerminating, this,
            &SourceFindReplace::onTerminating);
    m_dialog->Create(findOnly, oneLine ? selected : m_findWhat, m_replaceWith, m_flags, m_window);
}

void SourceFindReplace::remember()
{
    m_findWhat = m_dialog->GetFindString();
    m_replaceWith = m_dialog->GetReplaceString();
    m_regularExpression = m_dialog->GetRegularExpression();
    m_flags = m_dialog->GetFlags();
}

bool SourceFindReplace::accept(const SourceSearch& search)
{
    remember();
    if (!search.isValid()) {
        UIApplication::MessageBoxW(search.errorText(), Win32::MB_ICONWARNING);
        return false;
    }
    return true;
}

void SourceFindReplace::onFindNext(const QString& findWhat, unsigned flags)
{
    const SourceSearch search(findWhat, flags, m_dialog->GetRegularExpression() != 0);
    if (accept(search) && !m_view->findNext(search)) {
        Q_EMIT status(tr("Cannot find \"%1\".").arg(findWhat));
    }
}

void SourceFindReplace::onReplace(const QString& findWhat, const QString& replaceWith,
                                  unsigned flags)
{
    const SourceSearch search(findWhat, flags, m_dialog->GetRegularExpression() != 0);
    if (accept(search) && !m_view->replaceCurrent(search, replaceWith) &&
        m_view->textCursor().selectedText().isEmpty()) {
        Q_EMIT status(tr("Cannot find \"%1\".").arg(findWhat));
    }
}

void SourceFindReplace::onReplaceAll(const QString& findWhat, const QString& replaceWith,
                                     unsigned flags)
{
    const SourceSearch search(findWhat, flags, m_dialog->GetRegularExpression() != 0);
    if (accept(search)) {
        Q_EMIT status(
            tr("%n occurrence(s) replaced.", "", m_view->replaceAll(search, replaceWith)));
    }
}

void SourceFindReplace::onTerminating()
{
    remember();
    m_dialog->deleteLater();
}
