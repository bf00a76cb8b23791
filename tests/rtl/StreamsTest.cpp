#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "TempDir.h"

TEST(Streams, MemoryStreamReadWriteSeek)
{
    TMemoryStream m;
    m.WriteString("hello");
    EXPECT_EQ(m.Position(), 5);
    EXPECT_EQ(m.Size(), 5);
    m.SetPosition(1);
    m.WriteString("EL");
    EXPECT_EQ(m.Size(), 5);   // overwrites in place
    m.Seek(3, soFromEnd);     // past the end: the gap reads as zeros
    m.WriteString("!");
    EXPECT_EQ(m.Size(), 9);
    EXPECT_EQ(m.Memory()[6], 0);
    m.SetPosition(0);
    char buf[16] = {};
    EXPECT_EQ(m.Read(buf, 16), 9);
    EXPECT_EQ(std::string(buf, 5), "hELlo");
    EXPECT_EQ(m.Read(buf, 1), 0);   // at the end
    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(m.Seek(-10, soFromCurrent), 0);   // never before the start
}

TEST(Streams, ReadBufferAndWriteBufferRaise)
{
    TMemoryStream m;
    m.WriteString("abc");
    m.SetPosition(0);
    char buf[8];
    try {
        m.ReadBuffer(buf, 4);
        FAIL() << "short read not reported";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message, "Erreur de lecture de flux");
    }
    m.ReadBuffer(buf, 0);   // nothing asked, nothing raised

    TempDir dir;
    const std::string name = dir.File("lecture.bin");
    ASSERT_TRUE(WriteFileAtomic(name, "xyz"));
    TFileStream readOnly(name, fmOpenRead);
    try {
        readOnly.WriteBuffer("q", 1);
        FAIL() << "write to a read-only stream not reported";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message, L1("Erreur d'écriture de flux"));
    }
}

TEST(Streams, FileStreamCreateOpenAndErrors)
{
    TempDir dir;
    const std::string name = dir.File("data.bin");
    {
        TFileStream f(name, fmCreate);
        f.WriteString("0123456789");
        f.SetSize(4);
        EXPECT_EQ(f.Position(), 4);
        EXPECT_EQ(f.Size(), 4);
    }
    {
        TFileStream f(name, fmOpenReadWrite | fmShareDenyWrite);
        EXPECT_EQ(f.Size(), 4);
        f.Seek(0, soFromEnd);
        f.WriteString("AB");
    }
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(name, bytes));
    EXPECT_EQ(bytes, "0123AB");

    try {
        TFileStream f(dir.File("absent.bin"), fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Impossible d'ouvrir le fichier " + dir.File("absent.bin"));
    }
    EXPECT_THROW(TFileStream(dir.Path(), fmOpenRead), EFOpenError);   // a folder is no file
    try {
        TFileStream f(dir.File("no/such/folder.bin"), fmCreate);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message, L1("Impossible de créer le fichier ") + dir.File("no/such/folder.bin"));
    }
}

TEST(Streams, CopyFromZeroCopiesTheWholeSource)
{
    TStringStream src("abcdefgh");
    src.SetPosition(6);
    TMemoryStream dst;
    EXPECT_EQ(dst.CopyFrom(src, 0), 8);
    EXPECT_EQ(dst.Size(), 8);
    src.SetPosition(2);
    EXPECT_EQ(dst.CopyFrom(src, 3), 3);   // from the current position
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(dst.Memory()), 11), "abcdefghcde");
    src.SetPosition(7);
    EXPECT_THROW(dst.CopyFrom(src, 5), EReadError);
}

TEST(Streams, MemoryStreamFilesAndStreams)
{
    TempDir dir;
    TMemoryStream m;
    std::string big(200000, 'x');
    big[199999] = 'y';
    m.WriteString(big);
    m.SaveToFile(dir.File("m.bin"));
    TMemoryStream back;
    back.LoadFromFile(dir.File("m.bin"));
    EXPECT_EQ(back.Size(), 200000);
    EXPECT_EQ(back.Memory()[199999], 'y');
    EXPECT_EQ(back.Position(), 0);
    EXPECT_THROW(back.LoadFromFile(dir.File("none")), EFOpenError);
    EXPECT_EQ(back.Size(), 200000);   // unchanged by the failed load
    EXPECT_THROW(m.SaveToFile(dir.File("none/m.bin")), EFCreateError);

    TStringStream s;
    back.SaveToStream(s);
    EXPECT_EQ(s.DataString().size(), 200000u);
}

TEST(Streams, StringStreamWritesInPlace)
{
    TStringStream s("abcdef");
    s.SetPosition(2);
    s.WriteString("XY");
    EXPECT_EQ(s.DataString(), "abXYef");   // the tail is kept
    EXPECT_EQ(s.ReadString(10), "ef");
    EXPECT_EQ(s.Seek(100, soFromBeginning), 6);
    s.SetSize(3);
    EXPECT_EQ(s.DataString(), "abX");
    EXPECT_EQ(s.Position(), 3);
}
