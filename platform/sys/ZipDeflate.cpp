#include "platform/sys/ZipDeflate.h"

#include <libdeflate.h>
#include <sched.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zipdeflate {

namespace {

struct CompressorDeleter
{
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorDeleter>;

struct Piece
{
    std::string out;
    uint32_t crc = 0;
    bool ok = false;
};

// Makes a complete deflate stream of `size` uncompressed bytes joinable to what
// follows: the final mark of its last block is cleared and an empty stored block
// ends it on a byte boundary. The stream is inflated block by block (zlib tells,
// at each block boundary, how many bits of the last byte read are unused), which
// also checks that it gives back exactly `size` bytes.
bool MakeJoinable(std::string& s, size_t size)
{
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) return false;
    auto* const base = reinterpret_cast<Bytef*>(s.data());
    z.next_in = base;
    z.avail_in = static_cast<uInt>(s.size());
    std::vector<Bytef> junk(size_t{1} << 16);
    size_t headerByte = 0;        // where the header of the block being read starts
    unsigned headerMask = 1;
    uint64_t produced = 0;
    int unusedAtEnd = -1;         // unused bits of the last byte, once the final block ended
    while (unusedAtEnd < 0) {
        z.next_out = junk.data();
        z.avail_out = static_cast<uInt>(junk.size());
        const int ret = inflate(&z, Z_BLOCK);
        produced += junk.size() - z.avail_out;
        if (ret != Z_OK) break;   // an error, or a stream end never reached at a block boundary
        if (!(z.data_type & 128)) {
            if (z.avail_in == 0 && z.avail_out != 0) break;   // truncated
            continue;
        }
        const int unused = z.data_type & 7;
        if (z.data_type & 64) {   // the final block has just ended
            unusedAtEnd = unused;
            break;
        }
        const auto read = static_cast<size_t>(z.next_in - base);
        if (unused > 0) {
            headerByte = read - 1;
            headerMask = 0x100u >> unused;
        } else {
            headerByte = read;
            headerMask = 1;
        }
    }
    const bool whole = z.avail_in == 0;
    inflateEnd(&z);
    if (unusedAtEnd < 0 || !whole || produced != size || headerByte >= s.size()) return false;
    auto& header = reinterpret_cast<unsigned char&>(s[headerByte]);
    if (!(header & headerMask)) return false;
    header = static_cast<unsigned char>(header & ~headerMask);
    if (unusedAtEnd > 0) {
        auto& last = reinterpret_cast<unsigned char&>(s.back());
        last = static_cast<unsigned char>(last & (0xFFu >> unusedAtEnd));
    }
    // The empty stored block: three zero header bits in the free bits of the
    // last byte (or a new byte), then LEN 0 and NLEN 0xFFFF on the boundary.
    if (unusedAtEnd < 3) s.push_back('\0');
    s.append("\x00\x00\xFF\xFF", 4);
    return true;
}

// The whole input through zlib on the calling thread, in 1 MB steps for the
// progress (the steps do not change the output): zlib's own stream at that
// level, so never larger than zlib makes it.
Result ZlibDeflate(const uint8_t* data, size_t size, int level, const Progress& progress)
{
    Result result;
    z_stream z{};
    if (deflateInit2(&z, std::min(level, 9), Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return result;
    // The output's room grows as it fills (the stream does not depend on
    // it): room for the worst case, the size of the input, would be zeroed
    // whole for a stream that is a tenth of it as a rule.
    const size_t bound = deflateBound(&z, static_cast<uLong>(size));
    try {
        result.data.resize(std::min(bound, size / 8 + 65536));
    } catch (const std::bad_alloc&) {
        deflateEnd(&z);
        return result;
    }
    z.next_in = const_cast<Bytef*>(data);
    z.next_out = reinterpret_cast<Bytef*>(result.data.data());
    z.avail_out = static_cast<uInt>(result.data.size());
    constexpr size_t step = size_t{1} << 20;
    size_t done = 0;
    int ret = Z_OK;
    while (ret == Z_OK) {
        if (z.avail_out == 0) {
            const size_t made = z.total_out;
            try {
                result.data.resize(std::max(2 * result.data.size(), made + 65536));
            } catch (const std::bad_alloc&) {
                deflateEnd(&z);
                result.data.clear();
                return result;
            }
            z.next_out = reinterpret_cast<Bytef*>(result.data.data()) + made;
            z.avail_out = static_cast<uInt>(result.data.size() - made);
        }
        const size_t n = std::min(step, size - done);
        z.avail_in = static_cast<uInt>(n);
        ret = deflate(&z, done + n == size ? Z_FINISH : Z_NO_FLUSH);
        done += n - z.avail_in;
        if (progress && progress(done)) {
            result.cancelled = true;
            break;
        }
    }
    const bool ok = ret == Z_STREAM_END && done == size;
    result.data.resize(z.total_out);
    deflateEnd(&z);
    if (!ok || result.cancelled) {
        result.data.clear();
        return result;
    }
    result.crc = static_cast<uint32_t>(libdeflate_crc32(0, data, size));
    result.ok = true;
    return result;
}

}  // namespace

unsigned AvailableCores()
{
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        const int n = CPU_COUNT(&set);
        if (n > 0) return static_cast<unsigned>(n);
    }
    return std::max(std::thread::hardware_concurrency(), 1u);
}

Result Deflate(const uint8_t* data, size_t size, int level, const Progress& progress, size_t pieceSize,
               unsigned threads)
{
    Result result;
    level = std::clamp(level, 1, 12);
    if (threads == 0) threads = std::min(AvailableCores(), 8u);
    // One core: nothing gained by pieces. zlib's own deflate is then the
    // faster of the two on season documents at the archive's level (libdeflate
    // takes 1.1 to 1.3 times as long there, and its faster levels make a
    // slightly larger member).
    if (threads == 1 && pieceSize == kPieceSize) return ZlibDeflate(data, size, level, progress);
    pieceSize = std::max<size_t>(pieceSize, 1);
    const size_t count = size == 0 ? 1 : (size + pieceSize - 1) / pieceSize;
    threads = static_cast<unsigned>(std::min<size_t>(threads, count));

    std::vector<Piece> pieces;
    try {
        pieces.resize(count);
    } catch (const std::bad_alloc&) {
        return result;
    }
    std::atomic<size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable changed;
    uint64_t doneBytes = 0;   // guarded by mutex, as finished
    unsigned finished = 0;

    // Takes pieces until none is left. On the calling thread (inline), it
    // reports the progress itself after each piece.
    auto work = [&](bool inlineReport) {
        Compressor c(libdeflate_alloc_compressor(level));
        for (;;) {
            const size_t i = next.fetch_add(1);
            if (i >= count || stop) break;
            const size_t from = i * pieceSize;
            const size_t n = std::min(pieceSize, size - std::min(size, from));
            Piece& p = pieces[i];
            try {
                if (c) {
                    p.out.resize(libdeflate_deflate_compress_bound(c.get(), n));
                    const size_t m = libdeflate_deflate_compress(c.get(), data + from, n, p.out.data(), p.out.size());
                    p.out.resize(m);
                    p.crc = static_cast<uint32_t>(libdeflate_crc32(0, data + from, n));
                    p.ok = m > 0 && (i + 1 == count || MakeJoinable(p.out, n));
                }
            } catch (const std::bad_alloc&) {
                p.ok = false;
            }
            if (!p.ok) stop = true;
            uint64_t bytes = 0;
            {
                std::lock_guard<std::mutex> lock(mutex);
                bytes = doneBytes += n;
            }
            if (inlineReport && progress && !stop && progress(bytes)) {
                stop = true;
                result.cancelled = true;
            }
            changed.notify_one();
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            ++finished;
        }
        changed.notify_one();
    };

    std::vector<std::thread> workers;
    if (threads > 1) {
        try {
            for (unsigned t = 0; t < threads; ++t)
                workers.emplace_back(work, false);
        } catch (const std::system_error&) {
            // Fewer threads than wished: those started do the work.
        }
    }
    if (workers.empty()) {
        work(true);
    } else {
        std::unique_lock<std::mutex> lock(mutex);
        uint64_t reported = 0;
        // Tells the caller of new progress, outside the lock; a stop it asks for
        // ends the other workers too.
        auto report = [&] {
            if (!progress || doneBytes == reported || stop)
                return;
            reported = doneBytes;
            lock.unlock();
            if (progress(reported)) {
                stop = true;
                result.cancelled = true;
            }
            lock.lock();
        };
        while (finished < workers.size()) {
            changed.wait(lock);
            report();
        }
        // The last pieces may all have ended before this thread woke.
        report();
    }
    for (std::thread& t : workers)
        t.join();
    if (result.cancelled) return result;

    size_t total = 0;
    for (const Piece& p : pieces) {
        if (!p.ok) return result;
        total += p.out.size();
    }
    try {
        result.data.reserve(total);
    } catch (const std::bad_alloc&) {
        return result;
    }
    uLong crc = crc32(0L, Z_NULL, 0);
    for (size_t i = 0; i < count; ++i) {
        Piece& p = pieces[i];
        const size_t from = i * pieceSize;
        const size_t n = std::min(pieceSize, size - std::min(size, from));
        crc = i == 0 ? p.crc : crc32_combine(crc, p.crc, static_cast<z_off_t>(n));
        result.data += p.out;
        std::string().swap(p.out);
    }
    result.crc = static_cast<uint32_t>(crc);
    result.ok = true;
    return result;
}

}  // namespace zipdeflate
