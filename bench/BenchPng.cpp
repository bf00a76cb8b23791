// PNG codec: decoding and encoding a 1024 x 1024 RGB picture, each against zlib
// alone on the same data (inflate of the same compressed stream, deflate of the
// same filtered rows at the same level). The counter vs_zlib is the ratio of the
// codec's time to zlib's, measured in the same run.
#include <benchmark/benchmark.h>

#include <zlib.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "codecs/PngImage.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr uint32_t kSize = 1024;

// A chart-like picture: smooth gradients, flat areas and some noise.
std::vector<uint8_t> PictureRows()
{
    std::vector<uint8_t> bgr(size_t(kSize) * kSize * 3);
    uint32_t noise = 12345;
    for (uint32_t y = 0; y < kSize; ++y)
        for (uint32_t x = 0; x < kSize; ++x) {
            uint8_t* p = &bgr[(size_t(y) * kSize + x) * 3];
            noise = noise * 1103515245u + 12345u;
            const bool flat = ((x / 128) + (y / 128)) % 3 == 0;
            p[0] = flat ? 240 : uint8_t(x / 4 + ((noise >> 16) & 7));
            p[1] = flat ? 240 : uint8_t(y / 4);
            p[2] = flat ? 255 : uint8_t((x + y) / 8);
        }
    return bgr;
}

void BuildPicture(TPngImage& png)
{
    static const std::vector<uint8_t> bgr = PictureRows();
    std::vector<const uint8_t*> rows;
    for (uint32_t y = 0; y < kSize; ++y) rows.push_back(bgr.data() + size_t(y) * kSize * 3);
    png.AssignPixels(kSize, kSize, 24, {}, rows, false, 0);
}

std::vector<uint8_t> Encoded(const TPngImage& png)
{
    TMemoryStream m;
    png.SaveToStream(m);
    return std::vector<uint8_t>(m.Memory(), m.Memory() + m.Size());
}

// The compressed stream and the filtered rows of an encoded file.
void ImageData(const std::vector<uint8_t>& file, std::vector<uint8_t>& z, std::vector<uint8_t>& raw)
{
    z.clear();
    for (size_t pos = 8; pos + 12 <= file.size();) {
        uint32_t len = (uint32_t(file[pos]) << 24) | (file[pos + 1] << 16) | (file[pos + 2] << 8) | file[pos + 3];
        if (std::equal(file.begin() + long(pos) + 4, file.begin() + long(pos) + 8, "IDAT"))
            z.insert(z.end(), file.begin() + long(pos) + 8, file.begin() + long(pos) + 8 + len);
        pos += 12 + len;
    }
    raw.assign(size_t(kSize) * (kSize * 3 + 1), 0);
    uLongf n = uLongf(raw.size());
    uncompress(raw.data(), &n, z.data(), uLong(z.size()));
}

template <class F> double SecondsPerRun(F f, int runs)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_PngDecode1024(benchmark::State& state)
{
    TPngImage source;
    BuildPicture(source);
    const std::vector<uint8_t> file = Encoded(source);
    std::vector<uint8_t> z, raw;
    ImageData(file, z, raw);
    const double zlib = SecondsPerRun(
        [&] {
            uLongf n = uLongf(raw.size());
            uncompress(raw.data(), &n, z.data(), uLong(z.size()));
            benchmark::DoNotOptimize(raw.data());
        },
        5);
    TMemoryStream in;
    in.Write(file.data(), long(file.size()));
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        TPngImage png;
        in.SetPosition(0);
        png.LoadFromStream(in);
        benchmark::DoNotOptimize(png.Chunks().Count());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["vs_zlib"] = total / double(state.iterations()) / zlib;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(raw.size()));
}
BENCHMARK(BM_PngDecode1024)->Unit(benchmark::kMillisecond);

void BM_PngEncode1024(benchmark::State& state)
{
    TPngImage png;
    BuildPicture(png);
    std::vector<uint8_t> z, raw;
    ImageData(Encoded(png), z, raw);
    const double zlib = SecondsPerRun(
        [&] {
            std::vector<uint8_t> out(compressBound(uLong(raw.size())));
            uLongf n = uLongf(out.size());
            compress2(out.data(), &n, raw.data(), uLong(raw.size()), png.CompressionLevel);
            benchmark::DoNotOptimize(out.data());
        },
        3);
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        TMemoryStream out;
        png.SaveToStream(out);
        benchmark::DoNotOptimize(out.Size());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["vs_zlib"] = total / double(state.iterations()) / zlib;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(raw.size()));
}
BENCHMARK(BM_PngEncode1024)->Unit(benchmark::kMillisecond);

}  // namespace
