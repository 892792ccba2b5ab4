#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class SourceSearch;
class TemplateSourceView;
class XmlViewFindReplaceDlg;

/// Edit → Find and Replace on the source view: opens the library's find and
/// replace window, carries out what it asks on the view, and remembers the
/// texts and options (the regular-expression one included) for the next time.
class SourceFindReplace : public QObject
{
    Q_OBJECT

public:
    SourceFindReplace(TemplateSourceView* view, QWidget* window);
    ~SourceFindReplace() override;

    /// Opens the find window (or the replace window), or brings it forward
    /// when it is open already.
    void open(bool findOnly);
    /// The open window, null when there is none.
    XmlViewFindReplaceDlg* dialog() const;

Q_SIGNALS:
    /// A short report for the status bar: nothing found, how many replaced.
    void status(const QString& message);

private:
    void onFindNext(const QString& findWhat, unsigned flags);
    void onReplace(const QString& findWhat, const QString& replaceWith, unsigned flags);
    void onReplaceAll(const QString& findWhat, const QString& replaceWith, unsigned flags);
    void onTerminating();
    /// Remembers the window's state; false (after saying why) for a pattern that does not compile.
    bool accept(const SourceSearch& search);
    void remember();

    TemplateSourceView* m_view;
    QWidget* m_window;
    QPointer<XmlViewFindReplaceDlg> m_dialog;
    QString m_findWhat;
    QString m_replaceWith;
    unsigned m_flags;
    int m_regularExpression = 0;
};
