// Reading the head of a member without unpacking the rest of it.
#include <algorithm>
#include <cstring>
#include <zlib.h>

#include "files/ZipArchive.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr uint32_t kLocalHeaderSig = 0x04034b50;
constexpr int kLocalHeaderSize = 30;
constexpr size_t kBloc = 16 * 1024;

uint16_t Lit16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Lit32(const uint8_t* p) { return static_cast<uint32_t>(Lit16(p)) | (static_cast<uint32_t>(Lit16(p + 2)) << 16); }

struct TInflateur
{
    z_stream z{};
    bool pret = false;
    TInflateur() { pret = inflateInit2(&z, -MAX_WBITS) == Z_OK; }
    ~TInflateur()
    {
        if (pret)
            inflateEnd(&z);
    }
};

}  // namespace

namespace {

// Where a member's data starts in the archive and how long it is, from its
// local header: false when the header is not where the directory puts it or
// the data runs past the end of the file.
bool DonneesMembre(TFileStream& f, const ZipDirEntry& e, int64_t& debut)
{
    const int64_t taille = f.Size();
    uint8_t h[kLocalHeaderSize];
    if (f.Seek(e.LocalHeaderOffset, soFromBeginning) != e.LocalHeaderOffset
        || f.Read(h, kLocalHeaderSize) != kLocalHeaderSize || Lit32(h) != kLocalHeaderSig)
        return false;
    debut = static_cast<int64_t>(e.LocalHeaderOffset) + kLocalHeaderSize + Lit16(h + 26) + Lit16(h + 28);
    return debut + e.PackedSize <= taille && f.Seek(debut, soFromBeginning) == debut;
}

}  // namespace

bool TZipArchive::LocalHeadersMatch() const
{
    if (zipFileName_.empty() || spanned_)
        return false;
    try {
        TFileStream f(zipFileName_, fmOpenRead | fmShareDenyWrite);
        for (const ZipDirEntry& e : entries_) {
            uint8_t h[kLocalHeaderSize];
            if (f.Seek(e.LocalHeaderOffset, soFromBeginning) != e.LocalHeaderOffset ||
                f.Read(h, kLocalHeaderSize) != kLocalHeaderSize)
                return false;
            if (Lit32(h) != kLocalHeaderSig || Lit16(h + 4) != e.VersionNeeded || Lit16(h + 6) != e.GeneralFlags ||
                Lit16(h + 8) != e.Method || Lit32(h + 10) != e.DosDateTime || Lit16(h + 26) != e.NameLength)
                return false;
            // With a data descriptor (flag 8) the local CRC and sizes may be 0.
            const uint32_t crc = Lit32(h + 14), compresse = Lit32(h + 18), taille = Lit32(h + 22);
            const bool differes = (e.GeneralFlags & 8) != 0 && crc == 0 && compresse == 0 && taille == 0;
            if (!differes && (crc != e.Crc32 || compresse != e.PackedSize || taille != e.UnpackedSize))
                return false;
            std::string nom(e.NameLength, '\0');
            if (f.Read(nom.data(), e.NameLength) != static_cast<long>(e.NameLength) || nom != e.NameRaw)
                return false;
        }
        return true;
    } catch (const Exception&) {
        return false;
    }
}

const ZipDirEntry* TZipArchive::MembreLisibleEnPlace(const std::string& EntryName) const
{
    std::string wanted = EntryName;
    std::replace(wanted.begin(), wanted.end(), '/', '\\');
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const ZipDirEntry& e) { return AnsiSameText(e.NameText, wanted); });
    if (found == entries_.end() || found->IsEncrypted || (found->Method != 0 && found->Method != 8))
        return nullptr;
    return &*found;
}

bool TZipArchive::ExtractHead(const std::string& EntryName, size_t maxBytes, std::string& head)
{
    head.clear();
    if (zipFileName_.empty() || spanned_ || structureWarning_ || maxBytes == 0)
        return false;
    const ZipDirEntry* found = MembreLisibleEnPlace(EntryName);
    if (!found)
        return false;
    const ZipDirEntry& e = *found;
    try {
        TFileStream f(zipFileName_, fmOpenRead | fmShareDenyWrite);
        int64_t debut = 0;
        if (!DonneesMembre(f, e, debut))
            return false;
        const size_t voulu = std::min<size_t>(maxBytes, e.UnpackedSize);
        int64_t reste = e.PackedSize;
        if (e.Method == 0) {
            head.resize(std::min<size_t>(voulu, static_cast<size_t>(reste)));
            return f.Read(head.data(), static_cast<long>(head.size())) == static_cast<long>(head.size());
        }
        TInflateur inf;
        if (!inf.pret)
            return false;
        std::vector<uint8_t> entree(kBloc);
        head.resize(voulu);
        inf.z.next_out = reinterpret_cast<Bytef*>(head.data());
        inf.z.avail_out = static_cast<uInt>(voulu);
        while (inf.z.avail_out > 0) {
            if (inf.z.avail_in == 0) {
                if (reste == 0)
                    break;
                const long n = static_cast<long>(std::min<int64_t>(reste, kBloc));
                if (f.Read(entree.data(), n) != n)
                    return false;
                reste -= n;
                inf.z.next_in = entree.data();
                inf.z.avail_in = static_cast<uInt>(n);
            }
            const int r = inflate(&inf.z, Z_NO_FLUSH);
            if (r == Z_STREAM_END)
                break;
            if (r != Z_OK && r != Z_BUF_ERROR)
                return false;
            if (r == Z_BUF_ERROR && inf.z.avail_in == 0 && reste == 0)
                return false;   // the data ends before the member does
        }
        head.resize(voulu - inf.z.avail_out);
        return true;
    } catch (const Exception&) {
        head.clear();
        return false;
    }
}
