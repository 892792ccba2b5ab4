#include "parameternames.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ParameterNames)
};

// An XML name without prefix: a prefixed one would need a namespace the
// stylesheet may not declare.
bool isPlainName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^[\p{L}_][\p{L}\p{N}\p{Mn}\p{Mc}_.\-]*$)"));
    return pattern.match(name).hasMatch();
}

} // namespace

namespace ParameterNames {

QString problems(const std::vector<KMBVariable>& variables)
{
    int unnamed = 0;
    QMap<QString, int> counts;
    QStringList order; // the names in the order the user gave them
    QStringList malformed;
    for (const KMBVariable& variable : variables) {
        const QString name = variable.getName().toQString().trimmed();
        if (name.isEmpty()) {
            ++unnamed;
        } else if (counts[name]++ == 0) {
            order << name;
            if (!isPlainName(name)) {
                malformed << name;
            }
        }
    }
    QStringList lines;
    if (unnamed > 0) {
        lines << Tr::tr("%n parameter(s) without a name", nullptr, unnamed);
    }
    for (const QString& name : order) {
        if (counts.value(name) > 1) {
            lines << Tr::tr("\"%1\" %n times", nullptr, counts.value(name)).arg(name);
        }
    }
    for (const QString& name : malformed) {
        lines << Tr::tr("\"%1\" is not a name").arg(name);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace ParameterNames
