#pragma once

#include <QObject>
#include <functional>

// Several QtTest classes share one executable per subsystem: each test file
// registers its class with UIEDITOR_TEST_CLASS and the shared main runs them all.
namespace TestSupport {

using TestFactory = std::function<QObject*()>;

int registerTestClass(const char* name, TestFactory factory);

/// Runs every registered class (or the one named by --class=Name) with the
/// remaining QtTest arguments; answers the number of failed classes.
int runRegisteredTests(int argc, char** argv);

} // namespace TestSupport

#define UIEDITOR_TEST_CLASS(Class)                                                                 \
    namespace {                                                                                    \
    [[maybe_unused]] const int registered##Class =                                                 \
        TestSupport::registerTestClass(#Class, [] { return new Class; });                          \
    }
