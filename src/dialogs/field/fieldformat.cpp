#include "dialogs/field/fieldformat.h"

FieldFormat::FieldFormat(Kind kind, QString pattern) : m_kind(kind), m_pattern(std::move(pattern))
{
    if (m_kind == Kind::None) {
        m_pattern.clear();
    }
}

QString FieldFormat::prefixOf(Kind kind)
{
    switch (kind) {
    case Kind::Number:
        return QStringLiteral("number:");
    case Kind::Currency:
        return QStringLiteral("currency:");
    case Kind::Date:
        return QStringLiteral("date:");
    case Kind::Phone:
        return QStringLiteral("phone:");
    case Kind::Custom:
        return QStringLiteral("custom:");
    case Kind::None:
        break;
    }
    return QString();
}

FieldFormat FieldFormat::parse(const QString& text, bool allKinds)
{
    struct Prefix
    {
        const char* text;
        Kind kind;
        bool needsAllKinds;
    };
    // The order of the checks is the order the kinds are tried in.
    static constexpr Prefix prefixes[] = {{"date:", Kind::Date, true},     {"time:", Kind::Date, true},
                                          {"currency:", Kind::Currency, true}, {"number:", Kind::Number, false},
                                          {"phone:", Kind::Phone, true},   {"custom:", Kind::Custom, true}};
    for (const Prefix& prefix : prefixes) {
        const QLatin1StringView start(prefix.text);
        if ((allKinds || !prefix.needsAllKinds) && text.startsWith(start)) {
            return FieldFormat(prefix.kind, text.mid(start.size()));
        }
    }
    return FieldFormat();
}

QString FieldFormat::toString() const
{
    return m_kind == Kind::None ? QString() : prefixOf(m_kind) + m_pattern;
}
