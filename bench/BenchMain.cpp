// Benchmarks of the program. Each library adds its file here (BenchXxx.cpp);
// benchmark_main provides main().
#include <benchmark/benchmark.h>
