#include "sourcesearch.h"

#include "xml/model/findreplaceflags.h"

#include <QCoreApplication>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SourceSearch)
};

QRegularExpression compile(const QString& findWhat, unsigned flags, bool regularExpression)
{
    QString pattern = regularExpression ? findWhat : QRegularExpression::escape(findWhat);
    if (flags & Win32::FR_WHOLEWORD) {
        pattern = QStringLiteral("\\b(?:%1)\\b").arg(pattern);
    }
    QRegularExpression::PatternOptions options =
        QRegularExpression::MultilineOption | QRegularExpression::UseUnicodePropertiesOption;
    if (!(flags & Win32::FR_MATCHCASE)) {
        options |= QRegularExpression::CaseInsensitiveOption;
    }
    return QRegularExpression(pattern, options);
}

} // namespace

SourceSearch::SourceSearch(const QString& findWhat, unsigned flags, bool regularExpression)
    : m_pattern(compile(findWhat, flags, regularExpression)),
      m_regularExpression(regularExpression), m_down(flags & Win32::FR_DOWN)
{
}

QString SourceSearch::errorText() const
{
    return Tr::tr("The regular expression is not valid: %1 (at position %2).")
        .arg(m_pattern.errorString())
        .arg(m_pattern.patternErrorOffset());
}

std::optional<SourceSearch::Range> SourceSearch::find(const QString& text, Range selection) const
{
    if (!isValid()) {
        return std::nullopt;
    }
    std::optional<Range> first;
    std::optional<Range> beforeSelection;
    std::optional<Range> last;
    QRegularExpressionMatchIterator matches = m_pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.capturedLength() == 0) {
            continue;
        }
        const Range range(int(match.capturedStart()), int(match.capturedEnd()));
        if (m_down && range.first >= selection.second && range != selection) {
            return range;
        }
        if (!first) {
            first = range;
        }
        if (range.second <= selection.first && range != selection) {
            beforeSelection = range;
        }
        last = range;
    }
    // Nothing further in the direction of travel: start again from the other end.
    if (m_down) {
        return first;
    }
    return beforeSelection ? beforeSelection : last;
}

bool SourceSearch::matchesExactly(const QString& text, Range range) const
{
    if (!isValid() || range.first >= range.second) {
        return false;
    }
    const QRegularExpressionMatch match =
        m_pattern.match(text, range.first, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
    return match.hasMatch() && match.capturedEnd() == range.second;
}

QString SourceSearch::replacement(const QString& text, Range range, const QString& with) const
{
    const QRegularExpressionMatch match =
        m_pattern.match(text, range.first, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
    return match.hasMatch() ? expand(match, with) : with;
}

QString SourceSearch::replaceAll(const QString& text, const QString& with, int* count) const
{
    int replaced = 0;
    QString result;
    qsizetype done = 0;
    if (isValid()) {
        QRegularExpressionMatchIterator matches = m_pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            result += QStringView(text).mid(done, match.capturedStart() - done);
            result += expand(match, with);
            done = match.capturedEnd();
            ++replaced;
        }
    }
    result += QStringView(text).mid(done);
    if (count) {
        *count = replaced;
    }
    return result;
}

QString SourceSearch::expand(const QRegularExpressionMatch& match, const QString& with) const
{
    if (!m_regularExpression) {
        return with;
    }
    QString result;
    for (qsizetype i = 0; i < with.size(); ++i) {
        const QChar c = with.at(i);
        if (c != u'\\' || i + 1 == with.size()) {
            result += c;
            continue;
        }
        const QChar next = with.at(i + 1);
        if (next == u'\\') {
            result += next;
            ++i;
        } else if (next.isDigit()) {
            int group = next.digitValue();
            ++i;
            // Two digits when that group exists: \12 is group 12 only in a pattern with twelve.
            if (i + 1 < with.size() && with.at(i + 1).isDigit() &&
                group * 10 + with.at(i + 1).digitValue() <= match.lastCapturedIndex()) {
                group = group * 10 + with.at(i + 1).digitValue();
                ++i;
            }
            result += match.captured(group);
        } else {
            result += c;
        }
    }
    return result;
}
