// Fuzzer of the GIF image data decoder: the first three bytes choose the frame's
// width, height (1..256) and interlacing, the rest is the image data from its
// minimum code size byte. Decoding must either end or raise GIFException, write
// only inside the frame, and never read past the stream.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "codecs/GifLzw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    const int w = data[0] + 1, h = data[1] + 1;
    const bool interlaced = data[2] & 1;
    TMemoryStream in;
    in.Write(data + 3, static_cast<long>(size - 3));
    in.SetPosition(0);
    std::vector<uint8_t> pixels(size_t(w) * size_t(h), 0xEE);
    try {
        Decompress(in, pixels.data(), w, h, interlaced, [](const std::string&) {});
    } catch (const GIFException&) {
        return 0;
    }
    if (in.Position() > in.Size()) __builtin_trap();
    return 0;
}
