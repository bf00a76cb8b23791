// Byte and sample helpers shared by the PNG codec's own units (not for callers).
#pragma once

#include <cstdint>

namespace png_internal {

inline uint32_t ReadBE32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

inline void PutBE32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

// Packed sample access (most significant bits first) for 1, 2, 4 and 8 bits.
inline uint8_t GetPacked(const uint8_t* line, uint32_t x, int bits)
{
    switch (bits) {
    case 1: return (line[x >> 3] >> (7 - (x & 7))) & 1;
    case 2: return (line[x >> 2] >> (6 - 2 * (x & 3))) & 3;
    case 4: return (line[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    default: return line[x];
    }
}

inline void SetPacked(uint8_t* line, uint32_t x, int bits, uint8_t v)
{
    switch (bits) {
    case 1: {
        int sh = 7 - int(x & 7);
        line[x >> 3] = uint8_t((line[x >> 3] & ~(1 << sh)) | ((v & 1) << sh));
        break;
    }
    case 2: {
        int sh = 6 - 2 * int(x & 3);
        line[x >> 2] = uint8_t((line[x >> 2] & ~(3 << sh)) | ((v & 3) << sh));
        break;
    }
    case 4: {
        int sh = (x & 1) ? 0 : 4;
        line[x >> 1] = uint8_t((line[x >> 1] & ~(15 << sh)) | ((v & 15) << sh));
        break;
    }
    default: line[x] = v; break;
    }
}

}  // namespace png_internal
