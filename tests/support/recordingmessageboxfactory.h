#pragma once

#include "frame/messageboxfactory.h"

#include <QList>
#include <QString>

namespace TestSupport {

/// A message-box factory for tests: records every message and answers from a
/// script (in order), or with the style's first button when the script is empty.
/// Registers itself on construction and puts the previous factory back on destruction.
class RecordingMessageBoxFactory : public MessageBoxFactory
{
public:
    struct Message
    {
        unsigned textId; ///< 0 when a text was given
        QString text;    ///< the text shown (resource text for an id)
        unsigned type;
    };

    RecordingMessageBoxFactory();
    ~RecordingMessageBoxFactory() override;
    RecordingMessageBoxFactory(const RecordingMessageBoxFactory&) = delete;
    RecordingMessageBoxFactory& operator=(const RecordingMessageBoxFactory&) = delete;

    int showMessageBox(unsigned textId, unsigned type, unsigned helpId) override;
    int showMessageBox(Core::String text, unsigned type, unsigned helpId) override;

    /// The next questions are answered with these results (Win32::ID*), in order.
    void answerWith(std::initializer_list<int> answers) { m_answers.append(answers); }

    const QList<Message>& messages() const { return m_messages; }
    int count() const { return int(m_messages.size()); }
    const Message& last() const { return m_messages.last(); }
    void clear() { m_messages.clear(); }

private:
    int answer(unsigned type);

    MessageBoxFactory* m_previous;
    QList<Message> m_messages;
    QList<int> m_answers;
};

} // namespace TestSupport
