#pragma once

#include "uieditor_export.h"

#include <QLineEdit>

/// The number entry of a length field: right-aligned, and typing lets only
/// the characters of a decimal number through. Letters, punctuation and
/// symbols are swallowed except "." and "," (and "-" unless the field is
/// positive only); digits, white space and control keys pass. Typing is any
/// key that inserts text, with or without Alt or AltGr, and what an input
/// method commits. Pasted text is not filtered, so every reader of the text
/// must take any text.
class UIEDITOR_EXPORT NumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumberEdit(QWidget* parent = nullptr);

    bool isPositiveOnly() const { return m_positiveOnly; }
    /// Set by the owning field from its own flag; "-" is then swallowed.
    void setPositiveOnly(bool positiveOnly) { m_positiveOnly = positiveOnly; }

    /// Whether typing `c` reaches the text.
    static bool acceptsCharacter(QChar c, bool positiveOnly);
    /// `text` without the characters that typing may not bring in.
    static QString filterTyped(const QString& text, bool positiveOnly);

    /// The leading decimal number of `text`, as the C library's conversion
    /// reads it: leading white space skipped, an optional sign, digits with an
    /// optional "." and an optional exponent; reading stops at the first
    /// character that cannot continue the number (so "1,5" gives 1 and "12pt"
    /// gives 12). Text without a number gives 0. The result is finite and kept
    /// within +/- Xml::Length::MaxMagnitude, so no caller has to guard against
    /// overflow; "inf", "nan" and hexadecimal forms are not numbers here.
    static double readNumber(QStringView text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool m_positiveOnly = false;
};
