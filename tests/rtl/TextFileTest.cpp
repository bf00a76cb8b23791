#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/TextFile.h"
#include "TempDir.h"

TEST(TextFile, ReadsMixedLineEnds)
{
    TempDir dir;
    const std::string name = dir.File("mixte.txt");
    ASSERT_TRUE(WriteFileAtomic(name, "un\r\ndeux\ntrois\rquatre\r\n\r\n\n\xE9t\xE9"));
    TTextReader r(name);
    std::vector<std::string> lines;
    std::string line;
    EXPECT_FALSE(r.Eof());
    while (r.ReadLine(line))
        lines.push_back(line);
    EXPECT_TRUE(r.Eof());
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], "trois");
    EXPECT_EQ(lines[3], "quatre");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "\xE9t\xE9");
}

TEST(TextFile, ReaderEdges)
{
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomic(dir.File("vide.txt"), ""));
    TTextReader empty(dir.File("vide.txt"));
    std::string line = "x";
    EXPECT_TRUE(empty.Eof());
    EXPECT_FALSE(empty.ReadLine(line));
    EXPECT_EQ(line, "");

    ASSERT_TRUE(WriteFileAtomic(dir.File("cr.txt"), "a\r"));
    TTextReader cr(dir.File("cr.txt"));
    EXPECT_TRUE(cr.ReadLine(line));
    EXPECT_EQ(line, "a");
    EXPECT_FALSE(cr.ReadLine(line));   // a final CR makes no empty line

    EXPECT_THROW(TTextReader(dir.File("absent.txt")), EInOutError);
    EXPECT_THROW(TTextReader(dir.Path()), EInOutError);
}

TEST(TextFile, WritesCrLfAndAppends)
{
    TempDir dir;
    const std::string name = dir.File("sortie.txt");
    {
        TTextWriter w(name);
        w.WriteLine("ligne 1");
        w.Write("sans fin ");
        w.WriteLine("ligne 2");
        w.Close();
        w.Close();   // twice is harmless
    }
    {
        TTextWriter w(name, true);
        w.WriteLine("ajout");
    }
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(name, bytes));
    EXPECT_EQ(bytes, "ligne 1\r\nsans fin ligne 2\r\najout\r\n");
    {
        TTextWriter w(name);   // truncates
    }
    EXPECT_EQ(FileSize(name), 0);
    EXPECT_THROW(TTextWriter(dir.File("pas/de/dossier.txt")), EInOutError);
}

TEST(TextFile, FullDiskIsReported)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    TTextWriter w("/dev/full");
    EXPECT_THROW({
        for (int i = 0; i < 10000; ++i)
            w.WriteLine(std::string(100, 'x'));
        w.Close();
    }, EInOutError);
}
