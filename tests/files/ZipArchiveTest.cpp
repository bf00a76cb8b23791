#include <gtest/gtest.h>

#include <thread>

#include "files/ZipArchive.h"
#include "files/ZipRecords.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Thread.h"
#include "platform/sys/DllLoader.h"
#include "platform/sys/ZipDll.h"
#include "tests/files/ZipTestSupport.h"

using namespace ziptest;

namespace {

struct Messages
{
    std::vector<std::string> texts;
    void attach(TZipArchive& zip)
    {
        zip.OnMessage = [this](TZipArchive*, int32_t, const std::string& m) { texts.push_back(m); };
    }
    bool has(int32_t id) const
    {
        const std::string t = TZipArchive::MessageText(id);
        for (const auto& m : texts)
            if (m.rfind(t, 0) == 0) return true;
        return false;
    }
};

}  // namespace

TEST(ZipArchive, WrittenArchiveIsReadBySystemUnzip)
{
    ScratchDir dir;
    const std::string archive = dir / "saison.xmc";
    const std::string xml = xmlText(300000);
    ASSERT_EQ(addEntry(archive, "gormelide.xml", xml), 1);
    ASSERT_EQ(addEntry(archive, "autre.txt", "second member"), 1);

    int status = -1;
    const std::string listing = run("unzip -l '" + archive + "'", &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(listing.find("gormelide.xml"), std::string::npos);
    EXPECT_NE(listing.find("autre.txt"), std::string::npos);
    EXPECT_EQ(run("unzip -p '" + archive + "' gormelide.xml", &status), xml);
    EXPECT_EQ(status, 0);
    run("unzip -tq '" + archive + "'", &status);
    EXPECT_EQ(status, 0);

    // Replacing the member keeps the other one.
    const std::string xml2 = xmlText(1000, 3);
    ASSERT_EQ(addEntry(archive, "gormelide.xml", xml2), 1);
    EXPECT_EQ(extractEntry(archive, "gormelide.xml"), xml2);
    EXPECT_EQ(extractEntry(archive, "autre.txt"), "second member");
    TZipArchive zip;
    zip.SetZipFileName(archive);
    EXPECT_EQ(zip.EntryCount(), 2);
}

TEST(ZipArchive, ArchiveOfSystemZipIsReadAndUpdatedWithoutLosingAnything)
{
    ScratchDir dir;
    const std::string xml = xmlText(50000, 9);
    writeFile(dir / "GORMELIDE.XML", xml);
    std::filesystem::create_directory(dir.path() / "sub");
    writeFile(dir / "sub/notes.txt", "notes");
    const std::string archive = dir / "sys.zip";
    int status = -1;
    run("cd '" + dir.path().string() + "' && zip -q -9 -r sys.zip GORMELIDE.XML sub && echo 'commentaire' | zip -q -z sys.zip", &status);
    ASSERT_EQ(status, 0);

    TZipArchive zip;
    std::vector<int> seq;
    zip.OnNewName = [&](TZipArchive*, int32_t n, const ZipDirEntry&) { seq.push_back(n); };
    zip.SetZipFileName(archive);
    ASSERT_EQ(zip.ZipFileName(), archive);
    ASSERT_EQ(zip.EntryCount(), 2);   // the folder entry "sub/" is left out
    EXPECT_EQ(zip.DirEntry(0).NameText, "GORMELIDE.XML");
    EXPECT_EQ(zip.DirEntry(1).NameText, "sub\\notes.txt");
    EXPECT_EQ(seq, (std::vector<int>{1, 3}));   // numbers still count the folder
    EXPECT_EQ(zip.ZipComment(), "commentaire");
    EXPECT_EQ(zip.ZipDataOffset(), 0);
    TZipStream* s = zip.ExtractToStream("gormelide.xml");   // without regard to case
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Position(), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s->Memory()), static_cast<size_t>(s->Size())), xml);

    // Saving "gormelide.xml" replaces the upper-case member, keeps the rest and the comment.
    ASSERT_EQ(addEntry(archive, "gormelide.xml", "nouveau"), 1);
    const std::string listing = run("unzip -l '" + archive + "'", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(listing.find("gormelide.xml"), std::string::npos);
    EXPECT_NE(listing.find("GORMELIDE.XML"), std::string::npos);
    EXPECT_NE(listing.find("sub/notes.txt"), std::string::npos);
    EXPECT_NE(listing.find("commentaire"), std::string::npos);
    EXPECT_EQ(run("unzip -p '" + archive + "' GORMELIDE.XML"), "nouveau");
    zip.SetZipFileName(archive);
    EXPECT_EQ(zip.EntryCount(), 2);
}

TEST(ZipArchive, EntryDateAndAttributes)
{
    ScratchDir dir;
    const std::string archive = dir / "d.zip";
    TZipArchive zip;
    zip.SetZipFileName(archive);
    zip.EntryStream.WriteString("x");
    const uint32_t date = (uint32_t((2021 - 1980) << 9 | 3 << 5 | 14) << 16) | (10 << 11 | 30 << 5 | 4);
    zip.AddFromStream("a.xml", date, 0x20);
    ASSERT_EQ(zip.SuccessCount(), 1);
    ASSERT_EQ(zip.EntryCount(), 1);
    EXPECT_EQ(zip.DirEntry(0).DosDateTime, date);
    EXPECT_EQ(zip.DirEntry(0).ExternalAttributes, 0x20u);
    EXPECT_EQ(zip.DirEntry(0).HostSystem, 0);

    zip.EntryStream.WriteString("y");
    // Today (or tomorrow, when the add runs past midnight).
    const uint32_t avant = TZipArchive::DosDateTimeNow() >> 16;
    zip.AddFromStream("b.xml", 0, 0);   // now
    const uint32_t apres = TZipArchive::DosDateTimeNow() >> 16;
    ASSERT_EQ(zip.EntryCount(), 2);
    const uint32_t jour = zip.DirEntry(1).DosDateTime >> 16;
    EXPECT_TRUE(jour == avant || jour == apres) << jour;
}

TEST(ZipArchive, ArgumentChecksReportTheirMessages)
{
    ScratchDir dir;
    const std::string archive = dir / "a.zip";
    ASSERT_EQ(addEntry(archive, "a.xml", "data"), 1);
    const std::string before = readFile(archive);

    TZipArchive zip;
    Messages m;
    m.attach(zip);
    zip.SetZipFileName(archive);
    zip.AddFromStream("", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), AD_NothingToZip);
    zip.AddFromStream("a*.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), AD_Wildcard);
    zip.AddFromStream("a?.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), AD_Wildcard);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(readFile(archive), before);
    EXPECT_TRUE(m.has(AD_Wildcard));

    // An absent member: no stream, SuccessCount 0.
    EXPECT_EQ(zip.ExtractToStream("absent.xml"), nullptr);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(zip.EntryStream.Size(), 0);

    // A file that does not exist: empty directory, OnDirUpdate, then 10102.
    int updates = 0;
    zip.OnDirUpdate = [&](TZipArchive*) { ++updates; };
    zip.SetZipFileName(dir / "none.zip");
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(zip.EntryCount(), 0);
    EXPECT_EQ(zip.ExtractToStream("a.xml"), nullptr);
    EXPECT_EQ(zip.ErrorCode(), GE_NoZipSpecified);

    zip.SetDLLDirectory("Dll\\");
    EXPECT_EQ(zip.DLLDirectory(), "Dll");
    zip.SetPasswordReqCount(40);
    EXPECT_EQ(zip.PasswordReqCount(), 15u);
    EXPECT_EQ(TZipArchive::MessageText(99999).rfind("ZipMsgXX.res is probably not linked", 0), 0u);
}

TEST(ZipArchive, NotAZipFileIsRefusedAndNotOverwritten)
{
    ScratchDir dir;
    const std::string file = dir / "texte.xmc";
    writeFile(file, std::string(3000, 'a'));
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(file);
    EXPECT_EQ(zip.ErrorCode(), DS_NoValidZip);
    EXPECT_EQ(zip.ZipFileName(), "");
    EXPECT_EQ(zip.EntryCount(), 0);
    zip.EntryStream.WriteString("x");
    zip.AddFromStream("gormelide.xml", 0, 0);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(zip.ErrorCode(), GE_NoZipSpecified);
    EXPECT_EQ(readFile(file), std::string(3000, 'a'));
}

TEST(ZipArchive, EmptyArchiveAndTrailingBytes)
{
    ScratchDir dir;
    const std::string empty = dir / "empty.zip";
    writeFile(empty, std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    TZipArchive zip;
    zip.SetZipFileName(empty);
    EXPECT_EQ(zip.ZipFileName(), empty);
    EXPECT_EQ(zip.EntryCount(), 0);
    EXPECT_EQ(zip.ZipDataOffset(), 0);

    const std::string archive = dir / "g.zip";
    const std::string xml = xmlText(5000);
    ASSERT_EQ(addEntry(archive, "gormelide.xml", xml), 1);
    const std::string good = readFile(archive);

    // Zero padding to a multiple of 512: no warning.
    std::string padded = good + std::string(100, '\0');
    padded.resize((padded.size() + 511) / 512 * 512, '\0');
    if (padded.size() - good.size() >= 512) padded.resize(padded.size() - 512);
    writeFile(archive, padded);
    Messages m;
    m.attach(zip);
    zip.SetZipFileName(archive);
    EXPECT_FALSE(m.has(LI_GarbageAtEOF));
    EXPECT_EQ(zip.EntryCount(), 1);

    // Non-zero bytes: warned, still read and extracted, and an add drops them.
    writeFile(archive, good + std::string(100, 'z'));
    zip.SetZipFileName(archive);
    EXPECT_TRUE(m.has(LI_GarbageAtEOF));
    ASSERT_EQ(zip.EntryCount(), 1);
    TZipStream* s = zip.ExtractToStream("gormelide.xml");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Size(), static_cast<int64_t>(xml.size()));
    ASSERT_EQ(addEntry(archive, "autre.xml", "b"), 1);
    int status = -1;
    run("unzip -tq '" + archive + "'", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(extractEntry(archive, "gormelide.xml"), xml);
}

TEST(ZipArchive, ArchiveBehindAStub)
{
    ScratchDir dir;
    const std::string plain = dir / "p.zip";
    const std::string xml = xmlText(20000, 4);
    ASSERT_EQ(addEntry(plain, "gormelide.xml", xml), 1);
    const std::string stub = randomBytes(1000, 11);
    const std::string archive = dir / "stub.zip";
    writeFile(archive, stub + readFile(plain));   // offsets not adjusted

    TZipArchive zip;
    Messages m;
    m.attach(zip);
    zip.SetZipFileName(archive);
    ASSERT_EQ(zip.EntryCount(), 1);
    EXPECT_EQ(zip.ZipDataOffset(), 1000);
    EXPECT_TRUE(zip.StructureWarning());
    EXPECT_TRUE(m.has(LI_WrongZipStruct));
    EXPECT_EQ(extractEntry(archive, "gormelide.xml"), xml);

    // An add keeps the bytes in front.
    ASSERT_EQ(addEntry(archive, "gormelide.xml", "v2"), 1);
    EXPECT_EQ(readFile(archive).substr(0, 1000), stub);
    EXPECT_EQ(extractEntry(archive, "gormelide.xml"), "v2");
    EXPECT_EQ(run("unzip -p '" + archive + "' gormelide.xml 2>/dev/null"), "v2");

    // Offsets adjusted by the system's zip (-A): the stub is found as data offset.
    const std::string adjusted = dir / "adj.zip";
    writeFile(adjusted, stub + readFile(plain));
    int status = -1;
    run("zip -q -A '" + adjusted + "'", &status);
    ASSERT_EQ(status, 0);
    zip.SetZipFileName(adjusted);
    ASSERT_EQ(zip.EntryCount(), 1);
    EXPECT_EQ(zip.ZipDataOffset(), 1000);
    EXPECT_FALSE(zip.StructureWarning());
    EXPECT_EQ(extractEntry(adjusted, "gormelide.xml"), xml);
    ASSERT_EQ(addEntry(adjusted, "gormelide.xml", "v3"), 1);
    EXPECT_EQ(readFile(adjusted).substr(0, 1000), stub);
    EXPECT_EQ(extractEntry(adjusted, "gormelide.xml"), "v3");
}

TEST(ZipArchive, CancelledAddLeavesTheArchiveUntouched)
{
    ScratchDir dir;
    const std::string archive = dir / "c.zip";
    ASSERT_EQ(addEntry(archive, "gormelide.xml", "ancien"), 1);
    const std::string before = readFile(archive);
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(archive);
    zip.OnProgress = [](TZipArchive* z, ProgressType t, const std::string&, int64_t) {
        if (t == NewFile) z->CancelRequested = true;
    };
    const std::string big = xmlText(2000000);
    zip.EntryStream.Write(big.data(), static_cast<long>(big.size()));
    zip.AddFromStream("gormelide.xml", 0, 0);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(readFile(archive), before);
    EXPECT_FALSE(zip.CancelRequested);
    // Nothing left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(ZipArchive, CrcMismatchIsAnError)
{
    ScratchDir dir;
    const std::string archive = dir / "crc.zip";
    TZipArchive zip;
    zip.AddCompLevel = 0;   // stored: the data bytes are the member's bytes
    zip.SetZipFileName(archive);
    zip.EntryStream.WriteString("0123456789abcdef");
    zip.AddFromStream("m.txt", 0, 0);
    ASSERT_EQ(zip.SuccessCount(), 1);
    std::string bytes = readFile(archive);
    const size_t at = bytes.find("0123456789abcdef");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 3] = 'X';
    writeFile(archive, bytes);

    EXPECT_EQ(extractEntry(archive, "m.txt"), "<null>");
    TZipArchive reader;
    reader.Unattended = true;
    uint32_t found = 0, expected = 0;
    reader.OnCRC32Error = [&](TZipArchive*, const std::string&, uint32_t f, uint32_t e, bool& doExtract) {
        found = f;
        expected = e;
        doExtract = true;   // the handler asks for the data anyway
    };
    reader.SetZipFileName(archive);
    TZipStream* s = reader.ExtractToStream("m.txt");
    ASSERT_NE(s, nullptr);
    EXPECT_NE(found, expected);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s->Memory()), 16), "012X456789abcdef");
}

TEST(ZipArchive, CrcMismatchOfDeflatedMemberIsAnError)
{
    ScratchDir dir;
    const std::string archive = dir / "crcd.zip";
    const std::string text = xmlText(50000);
    ASSERT_EQ(addEntry(archive, "m.xml", text), 1);
    EXPECT_EQ(extractEntry(archive, "m.xml"), text);
    std::string bytes = readFile(archive);
    const size_t cd = bytes.rfind(std::string("PK\x01\x02", 4));
    ASSERT_NE(cd, std::string::npos);
    ASSERT_EQ(Get16(reinterpret_cast<uint8_t*>(&bytes[cd + 10])), 8);   // deflated
    const uint32_t crc = Get32(reinterpret_cast<uint8_t*>(&bytes[cd + 16]));
    Put32(reinterpret_cast<uint8_t*>(&bytes[cd + 16]), crc ^ 0x10u);
    Put32(reinterpret_cast<uint8_t*>(&bytes[14]), crc ^ 0x10u);   // the local header agrees
    writeFile(archive, bytes);

    EXPECT_EQ(extractEntry(archive, "m.xml"), "<null>");
    TZipArchive reader;
    reader.Unattended = true;
    uint32_t found = 0, expected = 0;
    reader.OnCRC32Error = [&](TZipArchive*, const std::string&, uint32_t f, uint32_t e, bool& doExtract) {
        found = f;
        expected = e;
        doExtract = true;
    };
    reader.SetZipFileName(archive);
    TZipStream* s = reader.ExtractToStream("m.xml");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(found, crc);
    EXPECT_EQ(expected, crc ^ 0x10u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s->Memory()), static_cast<size_t>(s->Size())), text);
}

TEST(ZipArchive, DeclaredSizesAreChecked)
{
    ScratchDir dir;
    const std::string archive = dir / "size.zip";
    ASSERT_EQ(addEntry(archive, "m.xml", xmlText(10000)), 1);
    std::string bytes = readFile(archive);
    const size_t cd = bytes.rfind(std::string("PK\x01\x02", 4));
    ASSERT_NE(cd, std::string::npos);
    // A central directory claiming 3 GiB.
    std::string huge = bytes;
    Put32(reinterpret_cast<uint8_t*>(&huge[cd + 24]), 0xC0000000u);
    writeFile(archive, huge);
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(archive);
    ASSERT_EQ(zip.EntryCount(), 1);
    EXPECT_EQ(zip.ExtractToStream("m.xml"), nullptr);
    EXPECT_EQ(zip.ErrorCode(), DS_ZipData);
    EXPECT_EQ(zip.EntryStream.Size(), 0);
    // A size one byte off: refused, never handed out cut or padded.
    for (int delta : {-1, 1}) {
        std::string off = bytes;
        const uint32_t size = Get32(reinterpret_cast<uint8_t*>(&off[cd + 24]));
        Put32(reinterpret_cast<uint8_t*>(&off[cd + 24]), size + delta);
        writeFile(archive, off);
        EXPECT_EQ(extractEntry(archive, "m.xml"), "<null>") << delta;
    }
}

TEST(ZipArchive, OldLibraryVersionRefusesStreams)
{
    ScratchDir dir;
    const std::string archive = dir / "v.zip";
    ASSERT_EQ(addEntry(archive, "a.xml", "un"), 1);
    const std::string before = readFile(archive);
    static int32_t (*oldVersion)() = [] { return int32_t(159); };
    const TLibraryEntries previous = RegisterLibrary(
        "ZIPDLL.DLL", {{"ZipDllExec", reinterpret_cast<void*>(&ZipDllExec)},
                       {"GetZipDllVersion", reinterpret_cast<void*>(oldVersion)}});
    TZipArchive zip;
    zip.SetZipFileName(archive);
    zip.EntryStream.WriteString("deux");
    zip.AddFromStream("a.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), AD_InIsOutStream);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(readFile(archive), before);

    RegisterLibrary("ZIPDLL.DLL", {{"ZipDllExec", reinterpret_cast<void*>(&ZipDllExec)}});
    zip.AddFromStream("a.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), LZ_NoZipDllVers);
    RegisterLibrary("ZIPDLL.DLL", {});
    zip.AddFromStream("a.xml", 0, 0);
    EXPECT_EQ(zip.ErrorCode(), LZ_NoZipDll);
    RegisterLibrary("ZIPDLL.DLL", previous);
    zip.AddFromStream("a.xml", 0, 0);
    EXPECT_EQ(zip.SuccessCount(), 1);
}

TEST(ZipArchive, PasswordsNeverPromptFromAWorker)
{
    ScratchDir dir;
    const std::string archive = dir / "pw.zip";
    TZipArchive zip;
    zip.SetZipFileName(archive);
    zip.AddOptions.Include(AddEncrypt);
    zip.SetPassword("secret");
    zip.EntryStream.WriteString("confidentiel");
    zip.AddFromStream("p.xml", 0, 0);
    ASSERT_EQ(zip.SuccessCount(), 1);
    ASSERT_TRUE(zip.DirEntry(0).IsEncrypted);
    int status = -1;
    EXPECT_EQ(run("unzip -P secret -p '" + archive + "' p.xml", &status), "confidentiel");

    MarkMainThread();
    bool hookCalled = false;
    std::string result;
    int32_t error = 0;
    std::thread worker([&] {
        TZipArchive w;
        w.PasswordHook = [&](const std::string&, const std::string&, unsigned, TPasswordButton& b) {
            hookCalled = true;
            b = pwbOk;
            return std::string("secret");
        };
        w.ShowMessageHook = [&](const std::string&) { hookCalled = true; };
        w.SetZipFileName(archive);
        TZipStream* s = w.ExtractToStream("p.xml");
        result = s ? "data" : "<null>";
        error = w.ErrorCode();
    });
    worker.join();
    EXPECT_FALSE(hookCalled);
    EXPECT_EQ(result, "<null>");
    EXPECT_NE(error, 0);

    // A handler may give the password; the wrong one first.
    TZipArchive h;
    int asked = 0;
    h.OnPasswordError = [&](TZipArchive*, bool isZip, std::string& pw, const std::string&, uint32_t&, TPasswordButton& a) {
        EXPECT_FALSE(isZip);
        pw = ++asked == 1 ? "wrong" : "secret";
        a = pwbOk;
    };
    h.SetPasswordReqCount(3);
    h.SetZipFileName(archive);
    TZipStream* s = h.ExtractToStream("p.xml");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s->Memory()), static_cast<size_t>(s->Size())), "confidentiel");
}

TEST(ZipArchive, SelfExtractingArchive)
{
    ScratchDir dir;
    const std::string target = dir / "setup.exe";
    TZipArchive zip;
    zip.Unattended = true;
    zip.SFXPath = dir / "none.bin";
    zip.SetZipFileName(target);
    zip.EntryStream.WriteString("contenu");
    zip.AddFromStream("a.txt", 0, 0);
    EXPECT_EQ(zip.SuccessCount(), 0);
    EXPECT_EQ(zip.ErrorCode(), AD_AutoSFXWrong);
    EXPECT_FALSE(FileExists(target));

    const std::string stub = randomBytes(3000, 5);
    writeFile(dir / "stub.bin", stub);
    zip.SFXPath = dir / "stub.bin";
    zip.SFXCaption = "Saison";
    zip.SFXMessage = "Bonjour";
    zip.SFXOverWriteMode = OvrAlways;
    zip.AddFromStream("a.txt", 0, 0);
    ASSERT_EQ(zip.SuccessCount(), 1) << zip.LastMessage();
    const std::string bytes = readFile(target);
    EXPECT_EQ(bytes.substr(0, stub.size()), stub);
    const std::string header = bytes.substr(stub.size(), 32);
    EXPECT_EQ(header.substr(0, 3), "MPV");
    EXPECT_EQ(static_cast<uint8_t>(header[3]), 8);
    EXPECT_EQ(header[5], 1);
    const int length = static_cast<uint8_t>(header[6]) | static_cast<uint8_t>(header[7]) << 8;
    EXPECT_EQ(length, (12 + 6 + 7 + 3) / 4 * 4);
    EXPECT_EQ(header.substr(8, 7), std::string("\x06Saison", 7));
    EXPECT_EQ(zip.ZipDataOffset(), static_cast<int64_t>(stub.size()) + length);
    EXPECT_EQ(extractEntry(target, "a.txt"), "contenu");
    EXPECT_EQ(run("unzip -p '" + target + "' a.txt 2>/dev/null"), "contenu");
}

// The save's read-back: a member compared with the bytes it should hold, a
// window at a time, for a deflated member larger than a window and a stored
// one; a byte changed anywhere, a length off by one, a damaged member on the
// disk or a wrong CRC all answer false.
TEST(ZipArchive, HoldsEntryComparesEveryByteOfTheMember)
{
    ScratchDir dir;
    const std::string archive = dir / "relu.zip";
    const std::string xml = xmlText(3 << 20, 5);
    const std::string image = xmlText(70000, 2);
    ASSERT_EQ(addEntry(archive, "gormelide.xml", xml), 1);
    ASSERT_EQ(addEntry(archive, "crest.png", image), 1);   // stored, by its extension

    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(archive);
    ASSERT_EQ(zip.EntryCount(), 2);
    const auto octets = [](const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); };
    for (const auto& [nom, texte] : {std::pair{"gormelide.xml", xml}, std::pair{"crest.png", image}}) {
        EXPECT_TRUE(zip.HoldsEntry(nom, octets(texte), texte.size())) << nom;
        for (const size_t ou : {size_t{0}, texte.size() / 2, texte.size() - 1}) {
            std::string autre = texte;
            autre[ou] = static_cast<char>(autre[ou] ^ 1);
            EXPECT_FALSE(zip.HoldsEntry(nom, octets(autre), autre.size())) << nom << " " << ou;
        }
        EXPECT_FALSE(zip.HoldsEntry(nom, octets(texte), texte.size() - 1)) << nom;
        const std::string plus = texte + "x";
        EXPECT_FALSE(zip.HoldsEntry(nom, octets(plus), plus.size())) << nom;
    }
    EXPECT_FALSE(zip.HoldsEntry("absent.xml", octets(xml), xml.size()));

    // The deflated member damaged on the disk, then its CRC alone.
    const std::string sain = readFile(archive);
    const size_t cd = sain.rfind(std::string("PK\x01\x02", 4));
    ASSERT_NE(cd, std::string::npos);
    std::string abime = sain;
    abime[30 + 13 + 5000] = static_cast<char>(abime[30 + 13 + 5000] ^ 0x55);   // inside the first member's data
    writeFile(archive, abime);
    zip.SetZipFileName(archive);
    EXPECT_FALSE(zip.HoldsEntry("gormelide.xml", octets(xml), xml.size()));
    EXPECT_TRUE(zip.HoldsEntry("crest.png", octets(image), image.size()));
    std::string crc = sain;
    const size_t premier = sain.find(std::string("PK\x01\x02", 4));
    Put32(reinterpret_cast<uint8_t*>(&crc[premier + 16]), Get32(reinterpret_cast<uint8_t*>(&crc[premier + 16])) ^ 0x10u);
    writeFile(archive, crc);
    zip.SetZipFileName(archive);
    EXPECT_FALSE(zip.HoldsEntry("gormelide.xml", octets(xml), xml.size()));
}
