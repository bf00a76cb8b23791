// Fuzzer of the GIF extension parser: the bytes after an extension introducer
// (0x21) are read as a frame's extension list; what was read must be written and
// read back to the same list.
#include <cstddef>
#include <cstdint>

#include "codecs/GifPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TGifPicture gif;
    for (int i = 0; i < 4; ++i) gif.Header().ColorMap.Add({uint8_t(i), 0, 0});
    TMemoryStream in;
    const uint8_t introducer = 0x21;
    in.Write(&introducer, 1);
    in.Write(data, static_cast<long>(size));
    in.SetPosition(0);
    TGIFSubImage frame(&gif);
    try {
        frame.Extensions.LoadFromStream(in, &frame);
    } catch (const Exception&) {
        return 0;
    }
    TMemoryStream out;
    frame.Extensions.SaveToStream(out);
    out.SetPosition(0);
    TGIFSubImage again(&gif);
    again.Extensions.LoadFromStream(out, &again);
    if (again.Extensions.Count() != frame.Extensions.Count()) __builtin_trap();
    return 0;
}
