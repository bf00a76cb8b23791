// Fuzzer of the GIF picture loader over whole files: loading must either succeed
// or raise an error of the codec or the runtime, and leave the picture whole; a
// loaded picture must render frame 0, save, and load again to the same pixels.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "codecs/GifPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Small caps keep every input fast; the checks are the same at any size.
    GIFMaxPixels = int64_t(1) << 20;
    GIFMaxTotalPixels = int64_t(1) << 22;
    TMemoryStream in;
    in.Write(data, static_cast<long>(size));
    in.SetPosition(0);
    TGifPicture gif;
    try {
        gif.LoadFromStream(in);
    } catch (const Exception&) {
        if (!gif.Empty() || in.Position() != 0) __builtin_trap();
        return 0;
    }
    try {
        (void)gif.Bitmap();
    } catch (const Exception&) {
        // a logical screen past the cap is refused when rendered
    }
    TMemoryStream out;
    try {
        gif.SaveToStream(out);
    } catch (const GIFException&) {
        return 0;   // indexes past the colours, or no frame: not writable
    }
    out.SetPosition(0);
    TGifPicture back;
    back.LoadFromStream(out);   // what the codec writes it must read
    // Every frame with pixels comes back (frames of no pixels keep only their
    // extensions, which join the next frame's).
    auto pixels = [](TGifPicture& p) {
        std::vector<std::vector<uint8_t>> frames;
        for (int i = 0; i < p.Images().Count(); ++i)
            if (!p.Images()[i]->Empty()) frames.push_back(p.Images()[i]->Data);
        return frames;
    };
    if (pixels(back) != pixels(gif)) __builtin_trap();
    return 0;
}
