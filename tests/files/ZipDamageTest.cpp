// A corpus of damaged archives, made from a good one: nothing crashes, nothing
// is read outside the file, and what the component says stays consistent.
#include <gtest/gtest.h>

#include "files/ZipArchive.h"
#include "files/ZipRecords.h"
#include "platform/rtl/Streams.h"
#include "tests/files/ZipTestSupport.h"

using namespace ziptest;

namespace {

std::string goodArchive(const ScratchDir& dir)
{
    const std::string archive = dir / "good.zip";
    addEntry(archive, "gormelide.xml", xmlText(3000));
    addEntry(archive, "b.txt", "deuxieme");
    return readFile(archive);
}

// Reads the bytes as an archive from a file and from memory, and extracts.
void exercise(const ScratchDir& dir, const std::string& bytes, const std::string& label)
{
    const std::string file = dir / "damaged.zip";
    writeFile(file, bytes);
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(file);
    if (zip.ZipFileName().empty()) {
        EXPECT_EQ(zip.EntryCount(), 0) << label;
    }
    for (const char* name : {"gormelide.xml", "b.txt"}) {
        TZipStream* s = zip.ExtractToStream(name);
        if (!s) {
            EXPECT_EQ(zip.EntryStream.Size(), 0) << label;
        }
    }
    TMemoryStream mem;
    mem.Write(bytes.data(), static_cast<long>(bytes.size()));
    TZipArchive fromMemory;
    fromMemory.Unattended = true;
    fromMemory.ReadDirectoryFromStream(mem);
}

}  // namespace

TEST(ZipDamage, TruncatedAtEveryLength)
{
    ScratchDir dir;
    const std::string good = goodArchive(dir);
    for (size_t n = 0; n < good.size(); n += (n < 200 || n + 200 > good.size()) ? 1 : 37)
        exercise(dir, good.substr(0, n), "truncated " + std::to_string(n));
}

TEST(ZipDamage, HostileEndRecordAndHeaders)
{
    ScratchDir dir;
    const std::string good = goodArchive(dir);
    const size_t eocd = good.size() - kEndRecordSize;
    const size_t cd = good.find(std::string("PK\x01\x02", 4));
    ASSERT_NE(cd, std::string::npos);
    auto patched16 = [&](size_t at, uint16_t v) {
        std::string s = good;
        Put16(reinterpret_cast<uint8_t*>(&s[at]), v);
        return s;
    };
    auto patched32 = [&](size_t at, uint32_t v) {
        std::string s = good;
        Put32(reinterpret_cast<uint8_t*>(&s[at]), v);
        return s;
    };
    // Comment length past the end: no end record is taken from it.
    {
        const std::string bad = patched16(eocd + 20, 0xFFFF);
        writeFile(dir / "c.zip", bad);
        TZipArchive zip;
        zip.Unattended = true;
        zip.SetZipFileName(dir / "c.zip");
        EXPECT_EQ(zip.EntryCount(), 0);
        EXPECT_EQ(zip.ZipComment(), "");
        exercise(dir, patched16(eocd + 20, 1), "comment length 1");
    }
    for (uint16_t count : {uint16_t(3), uint16_t(1000), uint16_t(65535)}) {
        exercise(dir, patched16(eocd + 10, count), "entries " + std::to_string(count));
        exercise(dir, patched16(eocd + 8, count), "entries on disk " + std::to_string(count));
    }
    for (uint32_t v : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, static_cast<uint32_t>(good.size())}) {
        exercise(dir, patched32(eocd + 12, v), "directory size " + std::to_string(v));
        exercise(dir, patched32(eocd + 16, v), "directory offset " + std::to_string(v));
        exercise(dir, patched32(cd + 42, v), "local offset " + std::to_string(v));
        exercise(dir, patched32(cd + 20, v), "packed size " + std::to_string(v));
        exercise(dir, patched32(cd + 24, v), "unpacked size " + std::to_string(v));
    }
    for (uint16_t len : {uint16_t(0), uint16_t(200), uint16_t(0xFFFF)}) {
        exercise(dir, patched16(cd + 28, len), "name length " + std::to_string(len));
        exercise(dir, patched16(cd + 30, len), "extra length " + std::to_string(len));
        exercise(dir, patched16(cd + 32, len), "comment length " + std::to_string(len));
        exercise(dir, patched16(26, len), "local name length " + std::to_string(len));
    }
    for (uint16_t disk : {uint16_t(1), uint16_t(0xFFFF)}) {
        exercise(dir, patched16(eocd + 4, disk), "this disk");
        exercise(dir, patched16(eocd + 6, disk), "directory disk");
    }
    exercise(dir, patched16(cd + 10, 99), "unknown method");
    exercise(dir, patched16(8, 1), "local header says encrypted");
}

TEST(ZipDamage, RandomByteFlips)
{
    ScratchDir dir;
    const std::string good = goodArchive(dir);
    std::mt19937 rng(42);
    for (int i = 0; i < 400; ++i) {
        std::string s = good;
        const int flips = 1 + static_cast<int>(rng() % 4);
        // Most flips go into the directory and end record, where the reader works.
        for (int f = 0; f < flips; ++f) {
            const size_t tailStart = good.find(std::string("PK\x01\x02", 4));
            const size_t at = (rng() % 4 != 0) ? tailStart + rng() % (good.size() - tailStart) : rng() % good.size();
            s[at] = static_cast<char>(rng());
        }
        exercise(dir, s, "flips " + std::to_string(i));
    }
}
