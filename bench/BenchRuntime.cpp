// Runtime text functions on the paths the program takes most: a formatted
// line of a standings table, and a long Windows-1252 text shown on screen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {

void BM_FormatStandingsLine(benchmark::State& state)
{
    const std::string team = L1("Olympique Nîmes");
    int rank = 1;
    for (auto _ : state) {
        std::string line = Format("%3d. %-24s %3d pts %2d %2d %2d %4s %5.2f%%",
                                  {rank, team, 48, 14, 6, 4, IntToStr(23), 61.25});
        benchmark::DoNotOptimize(line);
        rank = rank % 20 + 1;
    }
}
BENCHMARK(BM_FormatStandingsLine);

// Reference: the same line through snprintf (no library rounding, '.' decimal).
void BM_SnprintfStandingsLineReference(benchmark::State& state)
{
    const std::string team = L1("Olympique Nîmes");
    int rank = 1;
    char buf[128];
    for (auto _ : state) {
        int n = std::snprintf(buf, sizeof buf, "%3d. %-24s %3d pts %2d %2d %2d %4s %5.2f%%",
                              rank, team.c_str(), 48, 14, 6, 4, "23", 61.25);
        std::string line(buf, static_cast<size_t>(n));
        benchmark::DoNotOptimize(line);
        rank = rank % 20 + 1;
    }
}
BENCHMARK(BM_SnprintfStandingsLineReference);

std::string LongText(size_t size)
{
    const std::string words = L1("Équipe réserve : défaite à l'extérieur, 2 buts à 1 (œuvre de Müller) ");
    std::string text;
    while (text.size() < size)
        text += words;
    text.resize(size);
    return text;
}

void BM_Cp1252ToUtf8(benchmark::State& state)
{
    const std::string text = LongText(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::string u = Cp1252ToUtf8(text);
        benchmark::DoNotOptimize(u);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Cp1252ToUtf8)->Arg(1 << 16)->Arg(1 << 20);

void BM_Utf8ToCp1252(benchmark::State& state)
{
    const std::string text = Cp1252ToUtf8(LongText(static_cast<size_t>(state.range(0))));
    for (auto _ : state) {
        std::string b = Utf8ToCp1252(text);
        benchmark::DoNotOptimize(b);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Utf8ToCp1252)->Arg(1 << 16)->Arg(1 << 20);

} // namespace
