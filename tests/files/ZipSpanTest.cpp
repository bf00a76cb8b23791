#include <gtest/gtest.h>

#include "files/ZipArchive.h"
#include "files/ZipRecords.h"
#include "files/ZipSpan.h"
#include "platform/rtl/Files.h"
#include "tests/files/ZipTestSupport.h"

using namespace ziptest;

TEST(ZipSpan, PartNames)
{
    EXPECT_EQ(TZipArchive::PartFileName("/d/saison.zip", 0), "/d/saison001.zip");
    EXPECT_EQ(TZipArchive::PartFileName("/d/saison003.zip", 1), "/d/saison002.zip");
    EXPECT_EQ(TZipArchive::PartFileName("/d/ab", 11), "/d/ab012");
}

TEST(ZipSpan, SplitThenJoinGivesTheSameArchive)
{
    ScratchDir dir;
    const std::string archive = dir / "a.zip";
    ASSERT_EQ(addEntry(archive, "gormelide.xml", xmlText(40000)), 1);
    ASSERT_EQ(addEntry(archive, "photo.bin", randomBytes(30000)), 1);
    ASSERT_EQ(addEntry(archive, "x.txt", "petit"), 1);
    const std::string original = readFile(archive);

    TZipArchive zip;
    zip.Unattended = true;
    zip.MaxVolumeSize = 8192;
    zip.MinFreeVolumeSize = 1024;
    WriteSpannedSet(zip, archive, dir / "set.zip");
    int parts = 0;
    while (FileExists(TZipArchive::PartFileName(dir / "set.zip", parts))) {
        EXPECT_LE(FileSize(TZipArchive::PartFileName(dir / "set.zip", parts)), 8192);
        ++parts;
    }
    ASSERT_GE(parts, 5);
    const std::string last = TZipArchive::PartFileName(dir / "set.zip", parts - 1);
    EXPECT_EQ(readFile(TZipArchive::PartFileName(dir / "set.zip", 0)).substr(0, 4), std::string("PK\x07\x08", 4));

    JoinSpannedSet(zip, last, dir / "joined.zip");
    EXPECT_EQ(readFile(dir / "joined.zip"), original);

    // A set is listed from its last part and its members extracted.
    zip.SetZipFileName(last);
    EXPECT_TRUE(zip.IsSpanned());
    EXPECT_EQ(zip.LastDisk(), parts - 1);
    ASSERT_EQ(zip.EntryCount(), 3);
    EXPECT_EQ(extractEntry(last, "x.txt"), "petit");
    EXPECT_EQ(extractEntry(last, "photo.bin"), randomBytes(30000));

    // A missing middle part: no prompt, a message, nothing extracted.
    std::filesystem::remove(TZipArchive::PartFileName(dir / "set.zip", 1));
    TZipArchive broken;
    broken.Unattended = true;
    broken.SetZipFileName(last);
    EXPECT_EQ(broken.ExtractToStream("photo.bin"), nullptr);
    EXPECT_NE(broken.ErrorCode(), 0);
}

TEST(ZipSpan, SpannedAddAndExtract)
{
    ScratchDir dir;
    const std::string target = dir / "saison.xmc";
    const std::string data = randomBytes(50000, 3);
    TZipArchive zip;
    zip.Unattended = true;
    zip.TempDir = dir.path().string();
    zip.AddOptions.Include(AddDiskSpan);
    zip.MaxVolumeSize = 16384;
    zip.MinFreeVolumeSize = 4096;
    zip.SetZipFileName(target);
    zip.EntryStream.Write(data.data(), static_cast<long>(data.size()));
    zip.AddFromStream("gormelide.xml", 0, 0);
    ASSERT_EQ(zip.SuccessCount(), 1) << zip.LastMessage();
    EXPECT_FALSE(FileExists(target));
    const std::string last = TZipArchive::PartFileName(target, 3);
    ASSERT_TRUE(FileExists(last));
    EXPECT_FALSE(FileExists(TZipArchive::PartFileName(target, 4)));
    EXPECT_EQ(extractEntry(last, "gormelide.xml"), data);
    // Only the parts are left: the temporary archives are gone.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 4);

    // Existing parts are not overwritten unattended.
    zip.AddOptions.Include(AddDiskSpan);
    zip.EntryStream.Write(data.data(), static_cast<long>(data.size()));
    zip.AddFromStream("gormelide.xml", 0, 0);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(zip.ErrorCode(), DS_NoUnattSpan);

    // Span options refused with freshen and for self-extractors.
    zip.AddOptions.Include(AddFreshen);
    zip.AddFromStream("gormelide.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), AD_NoFreshenUpdate);
    zip.AddOptions.Exclude(AddFreshen);
    zip.SetZipFileName(dir / "x.exe");
    zip.AddFromStream("gormelide.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), DS_NoSFXSpan);
}

TEST(ZipSpan, DiskNumbersInAPlainFileDoNotMakeASet)
{
    ScratchDir dir;
    const std::string archive = dir / "plain.zip";
    ASSERT_EQ(addEntry(archive, "gormelide.xml", "abc"), 1);
    std::string bytes = readFile(archive);
    const size_t eocd = bytes.size() - kEndRecordSize;
    Put16(reinterpret_cast<uint8_t*>(&bytes[eocd + 4]), 2);
    Put16(reinterpret_cast<uint8_t*>(&bytes[eocd + 6]), 1);
    writeFile(archive, bytes);
    TZipArchive zip;
    zip.Unattended = true;
    bool askedDisk = false;
    zip.OnGetNextDisk = [&](TZipArchive*, int32_t, int32_t, const std::string&, bool&) { askedDisk = true; };
    zip.SetZipFileName(archive);
    EXPECT_FALSE(zip.IsSpanned());
    EXPECT_TRUE(zip.StructureWarning());
    EXPECT_EQ(zip.EntryCount(), 1);
    EXPECT_EQ(zip.ExtractToStream("gormelide.xml"), nullptr);   // the library refuses the damaged record
    EXPECT_FALSE(askedDisk);
}
