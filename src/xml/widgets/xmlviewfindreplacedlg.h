#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"
#include "xml/model/findreplaceflags.h"

#include <memory>

namespace Ui {
class XmlViewFindReplaceDlg;
}

/// The find and replace window of a host's XML source view. It is modeless:
/// the host creates it with Create(), keeps it, and does the searching itself
/// when the dialog asks through its signals. Each request carries the texts
/// and the flags (Win32 FR_* values, findreplaceflags.h): the options
/// FR_DOWN, FR_MATCHCASE and FR_WHOLEWORD, plus what was asked.
///
/// The regular-expression option is the host's: the dialog shows it and hands
/// it back through GetRegularExpression(), without reading the texts as patterns.
class UIEDITOR_EXPORT XmlViewFindReplaceDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 1541;
    /// Texts longer than this are cut when the dialog is created, and the
    /// fields take no more.
    static constexpr int BufferLength = 1024;

    XmlViewFindReplaceDlg();
    ~XmlViewFindReplaceDlg() override;

    /// Makes the dialog a window of `parent` and shows it: the find dialog
    /// when `findOnly`, else the replace dialog. `flags` give the options
    /// shown at first (FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD) and may disable
    /// (FR_NO...) or hide (FR_HIDE...) the direction, case and whole-word
    /// choices. False when the dialog was created before.
    bool Create(bool findOnly, const Core::String& findWhat,
                const Core::String& replaceWith = Core::String(), unsigned flags = Win32::FR_DOWN,
                QWidget* parent = nullptr);

    /// The host's regular-expression option: non-zero checks the box.
    void SetRegularExpression(int regularExpression);
    /// 1 while the box is checked, else 0.
    int GetRegularExpression() const;

    bool IsFindOnly() const { return m_findOnly; }
    Core::String GetFindString() const;
    Core::String GetReplaceString() const;
    bool SearchDown() const;
    bool MatchCase() const;
    bool MatchWholeWord() const;
    /// The options as flags: FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD.
    unsigned GetFlags() const;

Q_SIGNALS:
    /// "Find Next" (or Enter): find the next occurrence; flags hold FR_FINDNEXT.
    void findNextRequested(const QString& findWhat, unsigned flags);
    /// "Replace": replace the found occurrence and find the next; flags hold FR_REPLACE.
    void replaceRequested(const QString& findWhat, const QString& replaceWith, unsigned flags);
    /// "Replace All"; flags hold FR_REPLACEALL.
    void replaceAllRequested(const QString& findWhat, const QString& replaceWith, unsigned flags);
    /// The dialog is closing ("Close", Escape or the window's close button);
    /// flags hold FR_DIALOGTERM.
    void dialogTerminating(unsigned flags);

protected:
    void OnCancel() override;

private:
    void OnBnClickedFindNext();
    void OnBnClickedReplace();
    void OnBnClickedReplaceAll();
    void updateButtons();

    std::unique_ptr<Ui::XmlViewFindReplaceDlg> m_ui;
    bool m_created = false;
    bool m_findOnly = true;
};
