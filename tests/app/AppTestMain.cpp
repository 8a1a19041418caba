#include "AppTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

namespace AppTests {

std::map<QString, Factory> &registry()
{
    static std::map<QString, Factory> tests;
    return tests;
}

} // namespace AppTests

// test_app [Class [QtTest options]]: runs one test class, or all.
int main(int argc, char **argv)
{
    // What the browser library, loaded with the first report window, needs
    // set before the application starts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvern"));
    QApplication::setApplicationName(QStringLiteral("velacps-test"));
    // Caches (the help's search index) stay out of the user's folders.
    QStandardPaths::setTestModeEnabled(true);
    QStringList arguments = QApplication::arguments();
    const QString only = arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1Char('-'))
        ? arguments.takeAt(1)
        : QString();
    int failures = 0;
    for (const auto &[name, make] : AppTests::registry()) {
        if (!only.isEmpty() && name != only)
            continue;
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}
