// Fuzzer of the PNG codec over whole files: loading must either succeed or raise
// one of the codec's errors; a loaded picture must render, save and load again.
#include <cstddef>
#include <cstdint>

#include "codecs/PngImage.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream in;
    in.Write(data, static_cast<long>(size));
    in.SetPosition(0);
    TPngImage png;
    try {
        png.LoadFromStream(in);
    } catch (const EPngError&) {
        return 0;
    }
    std::vector<uint32_t> pixels = png.ToArgb32();
    if (png.Width() > 0) {
        (void)png.GetPixel(png.Width() - 1, png.Height() - 1);
        (void)png.TransparentColor();
    }
    // Small pictures only: re-encoding is the slow part.
    if (pixels.size() <= 4096) {
        png.InterlaceMethod = static_cast<uint8_t>(size & 1);
        png.Filters = static_cast<TFilters>(size & 0x1F);
        TMemoryStream out;
        png.SaveToStream(out);
        out.SetPosition(0);
        TPngImage back;
        back.LoadFromStream(out);   // what the codec writes it must read
        if (back.ToArgb32() != pixels) __builtin_trap();
    }
    return 0;
}
