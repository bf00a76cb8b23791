// libFuzzer target: the archive member's deflate in joined pieces. The first
// two bytes choose the piece size and the level; the rest is deflated, and
// zlib must give it back whole, with the same CRC.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/sys/ZipDeflate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const size_t piece = 16 + static_cast<size_t>(data[0]) * static_cast<size_t>(data[0]) / 2;
    const int level = 1 + data[1] % 9;
    const unsigned threads = data[0] & 1 ? 2 : 1;
    data += 2;
    size -= 2;
    const zipdeflate::Result r = zipdeflate::Deflate(data, size, level, {}, piece, threads);
    if (!r.ok) std::abort();
    if (r.crc != crc32(0L, data, static_cast<uInt>(size))) std::abort();

    z_stream z{};
    inflateInit2(&z, -15);
    std::string back(size + 1, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(r.data.data()));
    z.avail_in = static_cast<uInt>(r.data.size());
    z.next_out = reinterpret_cast<Bytef*>(back.data());
    z.avail_out = static_cast<uInt>(back.size());
    const int ret = inflate(&z, Z_FINISH);
    const bool whole = ret == Z_STREAM_END && z.avail_in == 0 && z.total_out == size;
    inflateEnd(&z);
    if (!whole || back.compare(0, size, reinterpret_cast<const char*>(data), size) != 0) std::abort();
    return 0;
}
