// SPDX-License-Identifier: MIT
#include "tests/headless.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char *argv[])
{
    // The pixel canvas needs a QApplication, but no screen.
    zelvan::testing::UseOffscreenQt("zelvan-bench-runtime");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
