#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

// The widget tests are QtTest classes in one binary; each registers itself
// under its class name, and the binary runs the classes named on its
// command line (all without one).
namespace AppTests {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::map<QString, Factory> &registry();

template <typename Test> struct Registration {
    explicit Registration(const char *name)
    {
        registry()[QString::fromLatin1(name)] = [] { return std::make_unique<Test>(); };
    }
};

} // namespace AppTests

#define APP_TEST(Class) static const AppTests::Registration<Class> registration##Class(#Class)
