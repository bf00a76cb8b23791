#include <gtest/gtest.h>

#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/rtl/Files.h"
#include "TempDir.h"

namespace {

std::string Bytes(const std::string& name)
{
    std::string b;
    ReadFileBytes(name, b);
    return b;
}

bool IsRoot() { return ::geteuid() == 0; }

} // namespace

TEST(Files, MakePathTurnsBackslashNamesIntoPaths)
{
    EXPECT_EQ(MakePath("/opt/bz/", "texte\\Textefr.txt"), "/opt/bz/texte/Textefr.txt");
    EXPECT_EQ(MakePath("/opt/bz", "config\\Championnat1.fr"), "/opt/bz/config/Championnat1.fr");
    EXPECT_EQ(MakePath("/opt/bz/", "\\stats\\"), "/opt/bz/stats/");
    EXPECT_EQ(MakePath("", "a\\b"), "a/b");   // never the root folder
    EXPECT_EQ(ToNativePath("x\\y/z"), "x/y/z");
}

TEST(Files, ExtractionAcceptsBothSeparators)
{
    EXPECT_EQ(ExtractFileName("C:\\Saisons\\ligue.xmc"), "ligue.xmc");
    EXPECT_EQ(ExtractFileName("/home/u/ligue.xmc"), "ligue.xmc");
    EXPECT_EQ(ExtractFilePath("/home/u\\ligue.xmc"), "/home/u\\");
    EXPECT_EQ(ExtractFileDir("/home/u/ligue.xmc"), "/home/u");
    EXPECT_EQ(ExtractFileDir("/ligue.xmc"), "/");
    EXPECT_EQ(ExtractFilePath("ligue.xmc"), "");
    EXPECT_EQ(ExtractFileExt("a.b/ligue.tar.gz"), ".gz");
    EXPECT_EQ(ExtractFileExt("a.b/ligue"), "");
    EXPECT_EQ(ExtractFileExt("a.b\\ligue"), "");
    EXPECT_EQ(ChangeFileExt("a.b/ligue", ".xmc"), "a.b/ligue.xmc");
    EXPECT_EQ(ChangeFileExt("a/ligue.old", ".xmc"), "a/ligue.xmc");
    EXPECT_EQ(ChangeFileExt("a/ligue.old", ""), "a/ligue");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
    EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
    EXPECT_EQ(ExpandFileName("/a/b/"), "/a/b/");
}

TEST(Files, FoldersAndFiles)
{
    TempDir dir;
    const std::string deep = dir.File("a/b/c");
    EXPECT_TRUE(ForceDirectories(deep + "/"));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_FALSE(FileExists(deep));
    EXPECT_TRUE(ForceDirectories(deep));   // already there
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_FALSE(CreateDir(deep));
    const std::string f = deep + "/f.txt";
    ASSERT_TRUE(WriteFileAtomic(f, "12345"));
    EXPECT_TRUE(FileExists(f));
    EXPECT_FALSE(DirectoryExists(f));
    EXPECT_EQ(FileSize(f), 5);
    EXPECT_EQ(FileSize(deep), -1);
    EXPECT_FALSE(RemoveDir(deep));   // not empty
    EXPECT_FALSE(DeleteFile(deep));   // a folder is no file
    ASSERT_TRUE(WriteFileAtomic(dir.File("g.txt"), "old"));
    EXPECT_TRUE(RenameFile(f, dir.File("g.txt")));   // replaces
    EXPECT_EQ(Bytes(dir.File("g.txt")), "12345");
    EXPECT_TRUE(RemoveDir(deep));
    EXPECT_TRUE(DeleteFile(dir.File("g.txt")));
    EXPECT_FALSE(DeleteFile(dir.File("g.txt")));
}

TEST(Files, FileDateRoundTrip)
{
    TempDir dir;
    const std::string f = dir.File("d.txt");
    ASSERT_TRUE(WriteFileAtomic(f, "x"));
    const TDateTime when = 45000.5;   // 15/03/2023 12:00 local
    ASSERT_TRUE(FileSetDate(f, when));
    EXPECT_NEAR(FileDate(f), when, 1.0 / 86400);
    EXPECT_EQ(FileDate(dir.File("none")), 0);
}

TEST(Files, ListFilesWithMasksWithoutRegardToCase)
{
    TempDir dir;
    for (const char* n : {"b.XMC", "a.xmc", "c.txt", "stat12_1.txt", "stat3_1.txt", "noext"})
        ASSERT_TRUE(WriteFileAtomic(dir.File(n), n));
    ASSERT_TRUE(CreateDir(dir.File("sub.xmc")));
    std::vector<std::string> names;
    for (const TSearchRec& r : ListFiles(dir.Path(), "*.xmc"))
        names.push_back(r.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"a.xmc", "b.XMC"}));
    const auto withFolders = ListFiles(dir.Path(), "*.XMC", true);
    ASSERT_EQ(withFolders.size(), 3u);
    EXPECT_TRUE(withFolders[2].Directory);
    const auto stats = ListFiles(dir.Path(), "stat12_*.txt");
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0].Size, 12);
    EXPECT_EQ(ListFiles(dir.Path(), "*.*").size(), 6u);   // names without a dot too
    EXPECT_EQ(ListFiles(dir.Path(), "?.txt").size(), 1u);
    EXPECT_TRUE(ListFiles(dir.File("none"), "*").empty());
    EXPECT_TRUE(MatchesMask("Stat12_9.TXT", "stat*_?.txt"));
    EXPECT_TRUE(MatchesMask(std::string("\xC9t\xE9.txt"), std::string("\xE9T\xC9*")));
    EXPECT_FALSE(MatchesMask("stat12.txt", "stat*_*.txt"));
    EXPECT_TRUE(MatchesMask("noext", "no*.*"));
    EXPECT_FALSE(MatchesMask("noext", "no*.txt"));
}

TEST(Files, CopyFileCopiesInFullOrNotAtAll)
{
    TempDir dir;
    const std::string src = dir.File("src.bin");
    std::string data(300000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(WriteFileAtomic(src, data));
    EXPECT_TRUE(CopyFile(src, dir.File("dst.bin"), true));
    EXPECT_EQ(Bytes(dir.File("dst.bin")), data);
    ASSERT_TRUE(WriteFileAtomic(dir.File("kept.bin"), "kept"));
    EXPECT_FALSE(CopyFile(src, dir.File("kept.bin"), true));
    EXPECT_EQ(Bytes(dir.File("kept.bin")), "kept");
    EXPECT_TRUE(CopyFile(src, dir.File("kept.bin"), false));
    EXPECT_EQ(Bytes(dir.File("kept.bin")), data);
    EXPECT_FALSE(CopyFile(dir.File("none"), dir.File("x.bin"), false));
    EXPECT_FALSE(FileExists(dir.File("x.bin")));
    EXPECT_FALSE(CopyFile(dir.Path(), dir.File("x.bin"), false));   // a folder
    EXPECT_EQ(ListFiles(dir.Path(), "*").size(), 3u);   // no temporary left behind
}

TEST(Files, CopyFileToAnUnwritableTargetFailsCleanly)
{
    TempDir dir;
    const std::string src = dir.File("src.bin");
    ASSERT_TRUE(WriteFileAtomic(src, std::string(5000, 'z')));
    ASSERT_TRUE(WriteFileAtomic(dir.File("old.bin"), "old"));
    EXPECT_FALSE(CopyFile(src, dir.File("no/folder/x.bin"), false));
    {
        // Writes past 1000 bytes come up short (for root too).
        FileSizeLimit limit(1000);
        EXPECT_FALSE(CopyFile(src, dir.File("x.bin"), false));
        EXPECT_FALSE(CopyFile(src, dir.File("old.bin"), false));
    }
    EXPECT_FALSE(FileExists(dir.File("x.bin")));
    EXPECT_EQ(Bytes(dir.File("old.bin")), "old");
    EXPECT_EQ(ListFiles(dir.Path(), "*").size(), 2u);   // no partial temporary either
    if (IsRoot())
        return;   // root writes in protected folders and files
    const std::string ro = dir.File("ro");
    ASSERT_TRUE(CreateDir(ro));
    ASSERT_EQ(::chmod(ro.c_str(), 0555), 0);
    EXPECT_FALSE(CopyFile(src, ro + "/x.bin", false));
    EXPECT_FALSE(FileExists(ro + "/x.bin"));
    ::chmod(ro.c_str(), 0755);
    // A write-protected target is kept.
    const std::string prot = dir.File("prot.bin");
    ASSERT_TRUE(WriteFileAtomic(prot, "keep"));
    ASSERT_EQ(::chmod(prot.c_str(), 0444), 0);
    EXPECT_FALSE(CopyFile(src, prot, false));
    EXPECT_EQ(Bytes(prot), "keep");
}

TEST(Files, WriteFileAtomicReplacesWholeFiles)
{
    TempDir dir;
    const std::string f = dir.File("save.xmc");
    ASSERT_TRUE(WriteFileAtomic(f, "first version, long"));
    ASSERT_EQ(::chmod(f.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomic(f, "second"));
    EXPECT_EQ(Bytes(f), "second");
    struct stat st{};
    ASSERT_EQ(::stat(f.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);   // permissions kept
    // Through a link, the file it designates is replaced and the link stays.
    ASSERT_EQ(::symlink(f.c_str(), dir.File("link.xmc").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomic(dir.File("link.xmc"), "third"));
    EXPECT_EQ(Bytes(f), "third");
    struct stat lst{};
    ASSERT_EQ(::lstat(dir.File("link.xmc").c_str(), &lst), 0);
    EXPECT_TRUE(S_ISLNK(lst.st_mode));
    EXPECT_FALSE(WriteFileAtomic(dir.File("none/x"), "x"));
    EXPECT_FALSE(WriteFileAtomic(dir.Path(), "x"));
    EXPECT_EQ(ListFiles(dir.Path(), "*").size(), 2u);   // save.xmc and the link, no temporaries
}

TEST(Files, ProgramAndWellKnownFolders)
{
    EXPECT_EQ(ExtractFileName(ProgramFile()), "test_rtl");
    EXPECT_EQ(ProgramDir(), ExtractFilePath(ProgramFile()));
    EXPECT_EQ(ProgramDir().back(), '/');
    EXPECT_TRUE(DirectoryExists(WritableDir()));
    // a test process writes in a folder of its own, not beside the program
    // the test executables share
    const std::string propre = WritableDir();
    EXPECT_NE(propre, ProgramDir());
    EXPECT_EQ(propre.rfind(GetTempDir(), 0), 0u) << propre;
    SetWritableDir(GetTempDir() + "ailleurs/dedans");
    EXPECT_EQ(WritableDir(), GetTempDir() + "ailleurs/dedans/");
    EXPECT_TRUE(DirectoryExists(GetTempDir() + "ailleurs/dedans"));
    SetWritableDir("");
    EXPECT_EQ(WritableDir(), WritableDir(ProgramDir()));
    SetWritableDir(propre);
    EXPECT_EQ(GetTempDir().back(), '/');
    const std::string t = GetTempFileName("bzt");
    EXPECT_TRUE(FileExists(t));
    EXPECT_EQ(ExtractFileName(t).substr(0, 3), "bzt");
    DeleteFile(t);
}
