// Benchmarks of the program. Each library adds its file here (BenchXxx.cpp).
// main() is ours: the application object that window benchmarks share is freed
// before main returns, not by an exit handler after Qt's own storage is gone.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/BenchAppli.h"

namespace {

std::unique_ptr<TApplication>& AppliPropre()
{
    static std::unique_ptr<TApplication> app;
    return app;
}

}  // namespace

void AppliBanc()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char nom[] = "bench";
    static char* argv[] = {nom, nullptr};
    if (!Application)
        AppliPropre() = std::make_unique<TApplication>(argc, argv);
}

void LibereAppliBanc() { AppliPropre().reset(); }

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    LibereAppliBanc();
    return 0;
}
