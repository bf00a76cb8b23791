// Fuzzer of the GIF picture loader over whole files: loading must either succeed
// or raise an error of the codec or the runtime, and leave the picture whole; a
// loaded picture must render frame 0, save, and load again to the same frames.
#include <cstddef>
#include <cstdint>

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
    if (back.Images().Count() != gif.Images().Count()) __builtin_trap();
    for (int i = 0; i < gif.Images().Count(); ++i)
        if (back.Images()[i]->Data != gif.Images()[i]->Data) __builtin_trap();
    return 0;
}
