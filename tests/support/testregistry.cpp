#include "testregistry.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>
#include <memory>
#include <vector>

namespace TestSupport {

namespace {

struct Entry
{
    const char* name;
    TestFactory factory;
};

std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

int registerTestClass(const char* name, TestFactory factory)
{
    registry().push_back({name, std::move(factory)});
    return int(registry().size());
}

int runRegisteredTests(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Decimal separators and month names change parsing: every test sees the same locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QStandardPaths::setTestModeEnabled(true);

    QByteArray only;
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--class=")) {
            only = arg.mid(8);
        } else {
            args << QString::fromLocal8Bit(arg);
        }
    }
    int failed = 0;
    for (const Entry& entry : registry()) {
        if (!only.isEmpty() && only != entry.name) {
            continue;
        }
        std::unique_ptr<QObject> test(entry.factory());
        if (QTest::qExec(test.get(), args) != 0) {
            ++failed;
        }
    }
    return failed;
}

} // namespace TestSupport
