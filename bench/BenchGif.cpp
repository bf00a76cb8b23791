// GIF image data: decoding and encoding a 1024 x 1024 picture of 256 colours with
// the codec's LZW coder, each against giflib on the same picture in the same run.
// The counter vs_giflib is the ratio of the codec's time to giflib's (the target
// for decoding is at most 2).
#include <benchmark/benchmark.h>

#include <gif_lib.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "codecs/GifLzw.h"

namespace {

constexpr int kSize = 1024;

// A photo-like picture: smooth gradients with noise, and flat areas.
const std::vector<uint8_t>& Indexes()
{
    static const std::vector<uint8_t> px = [] {
        std::vector<uint8_t> v(size_t(kSize) * kSize);
        uint32_t noise = 12345;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                noise = noise * 1103515245u + 12345u;
                const bool flat = ((x / 128) + (y / 128)) % 3 == 0;
                v[size_t(y) * kSize + size_t(x)] = flat ? 7 : uint8_t((x + y) / 8 + ((noise >> 16) & 3));
            }
        return v;
    }();
    return px;
}

std::vector<uint8_t> OurImageData()
{
    TMemoryStream m;
    TLZWEncoder e;
    e.Compress(m, 8, 256, Indexes().data(), false, kSize, kSize);
    return std::vector<uint8_t>(m.Memory(), m.Memory() + m.Size());
}

ColorMapObject* Map() { return GifMakeMapObject(256, nullptr); }

// giflib writes a file of the picture into memory.
std::vector<uint8_t> GiflibEncode()
{
    std::vector<uint8_t> out;
    auto writeFn = [](GifFileType* g, const GifByteType* buf, int len) -> int {
        auto* o = static_cast<std::vector<uint8_t>*>(g->UserData);
        o->insert(o->end(), buf, buf + len);
        return len;
    };
    int err = 0;
    GifFileType* g = EGifOpen(&out, writeFn, &err);
    ColorMapObject* map = Map();
    EGifPutScreenDesc(g, kSize, kSize, 8, 0, map);
    EGifPutImageDesc(g, 0, 0, kSize, kSize, false, nullptr);
    for (int y = 0; y < kSize; ++y)
        EGifPutLine(g, const_cast<GifPixelType*>(Indexes().data() + size_t(y) * kSize), kSize);
    EGifCloseFile(g, &err);
    GifFreeMapObject(map);
    return out;
}

void GiflibDecode(const std::vector<uint8_t>& file)
{
    struct Mem { const std::vector<uint8_t>* b; size_t pos; } mem{&file, 0};
    auto readFn = [](GifFileType* g, GifByteType* buf, int len) -> int {
        Mem* m = static_cast<Mem*>(g->UserData);
        size_t n = std::min(size_t(len), m->b->size() - m->pos);
        std::copy_n(m->b->data() + m->pos, n, buf);
        m->pos += n;
        return int(n);
    };
    int err = 0;
    GifFileType* g = DGifOpen(&mem, readFn, &err);
    DGifSlurp(g);
    benchmark::DoNotOptimize(g->SavedImages[0].RasterBits);
    DGifCloseFile(g, &err);
}

template <class F> double SecondsPerRun(F f, int runs)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_GifDecode1024(benchmark::State& state)
{
    const std::vector<uint8_t> data = OurImageData();
    const std::vector<uint8_t> file = GiflibEncode();
    const double giflib = SecondsPerRun([&] { GiflibDecode(file); }, 5);
    std::vector<uint8_t> pixels(size_t(kSize) * kSize);
    TMemoryStream in;
    in.Write(data.data(), long(data.size()));
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        in.SetPosition(0);
        Decompress(in, pixels.data(), kSize, kSize, false, nullptr);
        benchmark::DoNotOptimize(pixels.data());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (pixels != Indexes()) state.SkipWithError("decoded pixels differ");
    state.counters["vs_giflib"] = total / double(state.iterations()) / giflib;
    state.SetBytesProcessed(int64_t(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_GifDecode1024)->Unit(benchmark::kMillisecond);

void BM_GifEncode1024(benchmark::State& state)
{
    const double giflib = SecondsPerRun([] { benchmark::DoNotOptimize(GiflibEncode().size()); }, 3);
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(OurImageData().size());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["vs_giflib"] = total / double(state.iterations()) / giflib;
    state.counters["bytes"] = double(OurImageData().size());
    state.counters["giflib_bytes"] = double(GiflibEncode().size());
    state.SetBytesProcessed(int64_t(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_GifEncode1024)->Unit(benchmark::kMillisecond);

}  // namespace
