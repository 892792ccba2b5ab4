#include "scriptedfiledialogs.h"

namespace TestSupport {

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(SharedUI::FileDialogs::handler())
{
    SharedUI::FileDialogs::setHandler(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    SharedUI::FileDialogs::setHandler(m_previous);
}

Core::String ScriptedFileDialogs::choose(QWidget* parent, const SharedUI::FileDialogRequest& request)
{
    Q_UNUSED(parent);
    m_requests.append(request);
    return m_answers.isEmpty() ? Core::String() : Core::String(m_answers.takeFirst());
}

} // namespace TestSupport
