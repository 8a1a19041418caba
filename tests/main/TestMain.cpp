#include <QCoreApplication>

#include <gtest/gtest.h>

// The script engine and the event-driven parts of the core need a Qt
// application object for the whole run.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
