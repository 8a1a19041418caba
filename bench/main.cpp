#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The profile model's script engine needs a Qt application object.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
