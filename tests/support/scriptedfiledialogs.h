#pragma once

#include "outside/sharedui/sharedfiledialogs.h"

#include <QList>
#include <QString>

namespace TestSupport {

/// Answers the library's file and folder pickers from a script and records
/// what was asked. Installs itself on construction, uninstalls on destruction.
class ScriptedFileDialogs : public SharedUI::FileDialogHandler
{
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    /// The next pickers answer these paths in order ("" stands for Cancel);
    /// with the script used up, a picker is cancelled.
    void answerWith(std::initializer_list<QString> paths) { m_answers.append(paths); }

    Core::String choose(QWidget* parent, const SharedUI::FileDialogRequest& request) override;
    const QList<SharedUI::FileDialogRequest>& requests() const { return m_requests; }

private:
    SharedUI::FileDialogHandler* m_previous;
    QList<QString> m_answers;
    QList<SharedUI::FileDialogRequest> m_requests;
};

} // namespace TestSupport
