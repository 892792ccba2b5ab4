#pragma once

#include <QByteArray>
#include <QUndoCommand>

class TemplateDocument;

/// One change of a template, as the user undoes and redoes it: the bytes it
/// replaced and the bytes it put there, and the object selected before and
/// after. Undo gives the template back byte for byte.
class TemplateEdit : public QUndoCommand
{
public:
    /// The change from `before` to `after`, which the document has made already.
    TemplateEdit(TemplateDocument& document, const QString& name, const QByteArray& before,
                 const QByteArray& after, int selectedBefore, int selectedAfter);

    void undo() override;
    void redo() override;

private:
    TemplateDocument& m_document;
    qsizetype m_offset = 0;
    QByteArray m_removed;
    QByteArray m_inserted;
    int m_selectedBefore;
    int m_selectedAfter;
    bool m_done = true; // the first redo() comes with push(), after the change
};
