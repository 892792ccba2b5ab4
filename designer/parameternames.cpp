#include "parameternames.h"

#include <QCoreApplication>
#include <QMap>
#include <QStringList>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ParameterNames)
};

} // namespace

namespace ParameterNames {

QString problems(const std::vector<KMBVariable>& variables)
{
    int unnamed = 0;
    QMap<QString, int> counts;
    QStringList order; // the names in the order the user gave them
    for (const KMBVariable& variable : variables) {
        const QString name = variable.getName().toQString().trimmed();
        if (name.isEmpty()) {
            ++unnamed;
        } else if (counts[name]++ == 0) {
            order << name;
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
    return lines.join(QLatin1Char('\n'));
}

} // namespace ParameterNames
