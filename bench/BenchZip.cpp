// Archive component: add and extract of a season-sized XML member (~20 MB),
// against zlib alone on the same bytes (deflate level 9 and inflate in memory).
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "files/ZipArchive.h"
#include "platform/rtl/Files.h"

namespace {

const std::string& xmlMember()
{
    static const std::string s = [] {
        std::mt19937 rng(5);
        std::string x = "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Gormelide>\r\n<Gormelide Type=\"1\" format=\"gormelide\">\r\n";
        x.reserve(20u << 20);
        while (x.size() < (20u << 20))
            x += "  <Match Jour=\"" + std::to_string(rng() % 38) + "\" Dom=\"" + std::to_string(rng() % 20) + "\" Ext=\"" +
                 std::to_string(rng() % 20) + "\" Score=\"" + std::to_string(rng() % 6) + "-" + std::to_string(rng() % 6) +
                 "\" Spectateurs=\"" + std::to_string(rng() % 60000) + "\"/>\r\n";
        return x;
    }();
    return s;
}

std::string benchArchive() { return GetTempDir() + "bench_zip_member.zip"; }

void BM_ZipAddMember(benchmark::State& state)
{
    const std::string& xml = xmlMember();
    const std::string archive = benchArchive();
    for (auto _ : state) {
        DeleteFile(archive);
        TZipArchive zip;
        zip.Unattended = true;
        zip.SetZipFileName(archive);
        zip.EntryStream.Write(xml.data(), static_cast<long>(xml.size()));
        zip.AddFromStream("gormelide.xml", 0, 0);
        if (zip.SuccessCount() != 1) state.SkipWithError("add failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}
BENCHMARK(BM_ZipAddMember)->Unit(benchmark::kMillisecond);

void BM_ZipExtractMember(benchmark::State& state)
{
    const std::string& xml = xmlMember();
    const std::string archive = benchArchive();
    {
        TZipArchive zip;
        zip.SetZipFileName(archive);
        if (zip.EntryCount() != 1) {
            zip.EntryStream.Write(xml.data(), static_cast<long>(xml.size()));
            zip.AddFromStream("gormelide.xml", 0, 0);
        }
    }
    for (auto _ : state) {
        TZipArchive zip;
        zip.Unattended = true;
        zip.SetZipFileName(archive);
        TZipStream* s = zip.ExtractToStream("gormelide.xml");
        if (!s || s->Size() != static_cast<int64_t>(xml.size())) state.SkipWithError("extract failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}
BENCHMARK(BM_ZipExtractMember)->Unit(benchmark::kMillisecond);

// Reference: zlib alone, level 9, in memory.
void BM_ZlibDeflateReference(benchmark::State& state)
{
    const std::string& xml = xmlMember();
    std::vector<Bytef> out(compressBound(xml.size()));
    for (auto _ : state) {
        uLongf len = out.size();
        compress2(out.data(), &len, reinterpret_cast<const Bytef*>(xml.data()), xml.size(), 9);
        benchmark::DoNotOptimize(len);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}
BENCHMARK(BM_ZlibDeflateReference)->Unit(benchmark::kMillisecond);

void BM_ZlibInflateReference(benchmark::State& state)
{
    const std::string& xml = xmlMember();
    std::vector<Bytef> packed(compressBound(xml.size()));
    uLongf packedLen = packed.size();
    compress2(packed.data(), &packedLen, reinterpret_cast<const Bytef*>(xml.data()), xml.size(), 9);
    std::vector<Bytef> out(xml.size());
    for (auto _ : state) {
        uLongf len = out.size();
        uncompress(out.data(), &len, packed.data(), packedLen);
        benchmark::DoNotOptimize(len);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * xml.size()));
}
BENCHMARK(BM_ZlibInflateReference)->Unit(benchmark::kMillisecond);

}  // namespace
