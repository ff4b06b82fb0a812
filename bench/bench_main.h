#pragma once
// main() of the Google Benchmark programs that need a Qt application (fonts,
// palette, widgets): runs on the offscreen platform unless QT_QPA_PLATFORM
// names another one.
#include <QByteArray>
#include <benchmark/benchmark.h>

template <class Application>
int RunQtBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
