// PNG codec core: CRC, zlib helpers, the chunk list, loading and saving the file,
// and the ancillary chunks.
#include "codecs/PngImage.h"
#include "codecs/PngImage_Internal.h"

#include "platform/rtl/Strings.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

using namespace png_internal;

const uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

struct CrcTable
{
    uint32_t t[256];
    CrcTable()
    {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
    }
};

// Reads exactly count bytes, or raises the unexpected-end error.
void ReadExact(TStream& stream, void* buffer, long count)
{
    if (count > 0 && stream.Read(buffer, count) != count) throw EPngUnexpectedEnd(PngText::UnexpectedEnd);
}

}  // namespace

// ---- CRC and zlib ----------------------------------------------------------------------

uint32_t PngUpdateCrc(uint32_t crc, const uint8_t* data, size_t size)
{
    static const CrcTable table;
    for (size_t i = 0; i < size; ++i) crc = table.t[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

uint32_t PngCrc(const uint8_t* data, size_t size) { return ~PngUpdateCrc(0xFFFFFFFFu, data, size); }

std::string PngZlibStatusText(int code)
{
    static const char* const texts[] = {"incompatible version (-6)", "buffer error (-5)", "insufficient memory (-4)",
                                        "data error (-3)",           "stream error (-2)", "file error (-1)",
                                        "(0)",                       "stream end (1)",    "need dictionary (2)"};
    if (code < -6 || code > 2) {
        std::string text = "(";
        text += std::to_string(code);
        text += ')';
        return text;
    }
    return texts[code + 6];
}

bool PngInflate(const uint8_t* data, size_t size, std::string& out, size_t maxOutput, std::string* error)
{
    out.clear();
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        if (error) *error = PngZlibStatusText(Z_MEM_ERROR);
        return false;
    }
    zs.next_in = const_cast<Bytef*>(data);
    zs.avail_in = static_cast<uInt>(size);
    uint8_t step[256];
    bool ok = false;
    for (;;) {
        zs.next_out = step;
        zs.avail_out = sizeof step;
        int rc = inflate(&zs, Z_NO_FLUSH);
        size_t produced = sizeof step - zs.avail_out;
        if (out.size() + produced > maxOutput) {
            if (error) *error = "text too large";
            break;
        }
        out.append(reinterpret_cast<const char*>(step), produced);
        if (rc == Z_STREAM_END) {
            ok = true;
            break;
        }
        // A stream that needs a dictionary, or that can make no more progress
        // (input used up before its end), is as bad as a data error.
        if (rc < 0 || rc == Z_NEED_DICT || (rc == Z_OK && produced == 0 && zs.avail_in == 0)) {
            if (error) *error = zs.msg ? zs.msg : PngZlibStatusText(rc);
            break;
        }
    }
    inflateEnd(&zs);
    if (!ok) out.clear();
    return ok;
}

bool PngDeflate(const uint8_t* data, size_t size, int level, std::string& out, std::string* error)
{
    out.clear();
    z_stream zs{};
    if (deflateInit(&zs, std::clamp(level, 0, 9)) != Z_OK) {
        if (error) *error = PngZlibStatusText(Z_MEM_ERROR);
        return false;
    }
    zs.next_in = const_cast<Bytef*>(data);
    zs.avail_in = static_cast<uInt>(size);
    uint8_t step[256];
    bool ok = false;
    for (;;) {
        zs.next_out = step;
        zs.avail_out = sizeof step;
        int rc = deflate(&zs, Z_FINISH);
        out.append(reinterpret_cast<const char*>(step), sizeof step - zs.avail_out);
        if (rc == Z_STREAM_END) {
            ok = true;
            break;
        }
        if (rc < 0 && rc != Z_BUF_ERROR) {
            if (error) *error = zs.msg ? zs.msg : PngZlibStatusText(rc);
            break;
        }
    }
    deflateEnd(&zs);
    if (!ok) out.clear();
    return ok;
}

// ---- TChunk ---------------------------------------------------------------------------

TChunk::TChunk(TPngImage& owner) : owner_(&owner) {}

std::unique_ptr<TChunk> TChunk::NewOfSameClass(TPngImage& owner) const { return std::make_unique<TChunk>(owner); }

void TChunk::CheckSameClass(const TChunk& source) const
{
    if (typeid(source) != typeid(*this)) throw EPngError(PngText::IncompatibleChunks);
}

void TChunk::Assign(const TChunk& source)
{
    name_ = source.name_;
    data_ = source.data_;
}

bool TChunk::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    name_ = name;
    // The length was checked against the bytes left in the stream by the loader.
    data_.assign(size, 0);
    ReadExact(stream, data_.data(), static_cast<long>(size));
    uint8_t crcBytes[4];
    ReadExact(stream, crcBytes, 4);
    uint32_t crc = PngUpdateCrc(0xFFFFFFFFu, reinterpret_cast<const uint8_t*>(name.data()), 4);
    crc = ~PngUpdateCrc(crc, data_.data(), data_.size());
    if (crc != ReadBE32(crcBytes)) throw EPngInvalidCRC(PngText::InvalidCRC);
    return true;
}

void TChunk::WriteChunk(TStream& stream, const std::string& name, const uint8_t* data, uint32_t size)
{
    uint8_t head[8];
    PutBE32(head, size);
    std::memcpy(head + 4, name.data(), 4);
    stream.WriteBuffer(head, 8);
    if (size) stream.WriteBuffer(data, static_cast<long>(size));
    uint32_t crc = PngUpdateCrc(0xFFFFFFFFu, head + 4, 4);
    crc = ~PngUpdateCrc(crc, data, size);
    uint8_t tail[4];
    PutBE32(tail, crc);
    stream.WriteBuffer(tail, 4);
}

bool TChunk::SaveToStream(TStream& stream) const
{
    WriteChunk(stream, name_, data_.data(), DataSize());
    return true;
}

int TChunk::Index() const { return owner_->Chunks().IndexOf(this); }

TChunkIHDR& TChunk::Header() const { return owner_->Header(); }

// ---- chunk classes: creation ---------------------------------------------------------------

#define BZ_PNG_NEW_SAME(Class) \
    std::unique_ptr<TChunk> Class::NewOfSameClass(TPngImage& owner) const { return std::make_unique<Class>(owner); }
BZ_PNG_NEW_SAME(TChunkIHDR)
BZ_PNG_NEW_SAME(TChunkPLTE)
BZ_PNG_NEW_SAME(TChunktRNS)
BZ_PNG_NEW_SAME(TChunkgAMA)
BZ_PNG_NEW_SAME(TChunkIDAT)
BZ_PNG_NEW_SAME(TChunktIME)
BZ_PNG_NEW_SAME(TChunktEXt)
BZ_PNG_NEW_SAME(TChunkzTXt)
BZ_PNG_NEW_SAME(TChunkIEND)
#undef BZ_PNG_NEW_SAME

std::unique_ptr<TChunk> CreatePngChunk(TPngImage& owner, const std::string& name)
{
    std::unique_ptr<TChunk> c;
    if (name == TChunkIEND::Type) c = std::make_unique<TChunkIEND>(owner);
    else if (name == TChunkIHDR::Type) c = std::make_unique<TChunkIHDR>(owner);
    else if (name == TChunkIDAT::Type) c = std::make_unique<TChunkIDAT>(owner);
    else if (name == TChunkPLTE::Type) c = std::make_unique<TChunkPLTE>(owner);
    else if (name == TChunkgAMA::Type) c = std::make_unique<TChunkgAMA>(owner);
    else if (name == TChunktRNS::Type) c = std::make_unique<TChunktRNS>(owner);
    else if (name == TChunktIME::Type) c = std::make_unique<TChunktIME>(owner);
    else if (name == TChunktEXt::Type) c = std::make_unique<TChunktEXt>(owner);
    else if (name == TChunkzTXt::Type) c = std::make_unique<TChunkzTXt>(owner);
    else c = std::make_unique<TChunk>(owner);
    c->SetName(name);
    return c;
}

// ---- PLTE ------------------------------------------------------------------------------------

void TChunkPLTE::Assign(const TChunk& source)
{
    CheckSameClass(source);
    TChunk::Assign(source);
    count_ = static_cast<const TChunkPLTE&>(source).count_;
}

bool TChunkPLTE::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    if (size % 3 != 0 || size / 3 > 256) throw EPNGInvalidPalette(PngText::InvalidPalette);
    TChunk::LoadFromStream(stream, name, size);
    count_ = static_cast<int>(size / 3);
    TChunkIHDR& h = Header();
    // Only a palette image shows these colours; for the other colour types the
    // chunk is a mere suggestion and the colour table keeps its grey ramp.
    if (h.ColorType() == COLOR_PALETTE) {
        const auto& gamma = owner_->GammaTable;
        for (int i = 0; i < count_; ++i) {
            TRGBQuad& q = h.ColorTable()[static_cast<size_t>(i)];
            q.rgbRed = gamma[data_[size_t(i) * 3]];
            q.rgbGreen = gamma[data_[size_t(i) * 3 + 1]];
            q.rgbBlue = gamma[data_[size_t(i) * 3 + 2]];
            q.rgbReserved = 0;
        }
    }
    return true;
}

bool TChunkPLTE::SaveToStream(TStream& stream) const
{
    TChunkIHDR& h = Header();
    if (h.ColorType() != COLOR_PALETTE) return TChunk::SaveToStream(stream);
    const auto& inv = owner_->InverseGamma;
    std::vector<uint8_t> out(size_t(count_) * 3, 0);
    for (int i = 0; i < count_; ++i) {
        const TRGBQuad& q = h.ColorTable()[static_cast<size_t>(i)];
        out[size_t(i) * 3] = inv[q.rgbRed];
        out[size_t(i) * 3 + 1] = inv[q.rgbGreen];
        out[size_t(i) * 3 + 2] = inv[q.rgbBlue];
    }
    WriteChunk(stream, name_, out.data(), static_cast<uint32_t>(out.size()));
    return true;
}

TRGBQuad TChunkPLTE::Item(int index) const
{
    if (index < 0 || index >= count_) throw EPngError(PngText::NoPaletteEntry);
    return Header().ColorTable()[static_cast<size_t>(index)];
}

// ---- gAMA ------------------------------------------------------------------------------------

TChunkgAMA::TChunkgAMA(TPngImage& owner) : TChunk(owner)
{
    SetName(Type);
    SetGamma(1);
}

void TChunkgAMA::Assign(const TChunk& source)
{
    CheckSameClass(source);
    SetGamma(const_cast<TChunkgAMA&>(static_cast<const TChunkgAMA&>(source)).Gamma());
}

uint32_t TChunkgAMA::Gamma()
{
    if (data_.size() != 4) {
        data_.assign(4, 0);
        return 1;
    }
    return ReadBE32(data_.data());
}

void TChunkgAMA::SetGamma(uint32_t value)
{
    data_.assign(4, 0);
    PutBE32(data_.data(), value);
}

bool TChunkgAMA::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    uint32_t value = Gamma();
    if (value != 0) {
        // Display exponent 1 / (file gamma x 2.2); the value is unsigned and kept
        // to a range where the tables mean something.
        double exponent = 1.0 / ((static_cast<double>(value) / 100000.0) * 2.2);
        exponent = std::clamp(exponent, 1.0 / 64, 64.0);
        for (int i = 0; i < 256; ++i) {
            double g = 255.0 * std::pow(i / 255.0, exponent);
            int v = std::clamp(static_cast<int>(std::lround(g)), 0, 255);
            owner_->GammaTable[size_t(i)] = static_cast<uint8_t>(v);
            owner_->InverseGamma[size_t(v)] = static_cast<uint8_t>(i);
        }
    }
    return true;
}

// ---- tIME ------------------------------------------------------------------------------------

void TChunktIME::Assign(const TChunk& source)
{
    CheckSameClass(source);
    TChunk::Assign(source);
    auto& s = static_cast<const TChunktIME&>(source);
    Year = s.Year;
    Month = s.Month;
    Day = s.Day;
    Hour = s.Hour;
    Minute = s.Minute;
    Second = s.Second;
}

bool TChunktIME::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (size == 7) {
        Year = static_cast<uint16_t>(data_[0] * 256 + data_[1]);
        Month = data_[2];
        Day = data_[3];
        Hour = data_[4];
        Minute = data_[5];
        Second = data_[6];
    }
    return true;
}

bool TChunktIME::SaveToStream(TStream& stream) const
{
    const uint8_t out[7] = {uint8_t(Year >> 8), uint8_t(Year), Month, Day, Hour, Minute, Second};
    WriteChunk(stream, name_, out, 7);
    return true;
}

// ---- tEXt / zTXt -------------------------------------------------------------------------------

void TChunktEXt::Assign(const TChunk& source)
{
    CheckSameClass(source);
    TChunk::Assign(source);
    auto& s = static_cast<const TChunktEXt&>(source);
    Keyword = s.Keyword;
    Text = s.Text;
}

bool TChunktEXt::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    Keyword.clear();
    Text.clear();
    if (size >= 3) {
        auto end = std::find(data_.begin(), data_.end(), uint8_t(0));
        Keyword.assign(data_.begin(), end);
        if (end != data_.end()) Text.assign(end + 1, data_.end());
    }
    return true;
}

bool TChunktEXt::SaveToStream(TStream& stream) const
{
    std::vector<uint8_t> out(Keyword.begin(), Keyword.end());
    out.push_back(0);
    out.insert(out.end(), Text.begin(), Text.end());
    WriteChunk(stream, name_, out.data(), static_cast<uint32_t>(out.size()));
    return true;
}

bool TChunkzTXt::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    TChunktEXt::LoadFromStream(stream, name, size);
    if (size >= 4) {
        Text.clear();
        // Keyword, its zero byte, the method byte, then the compressed text; a chunk
        // without the zero byte or the method byte has no text.
        size_t start = Keyword.size() + 2;
        if (start <= data_.size()) {
            std::string text;
            if (PngInflate(data_.data() + start, data_.size() - start, text, PngLimits::MaxTextInflate))
                Text = std::move(text);
        }
    }
    return true;
}

bool TChunkzTXt::SaveToStream(TStream& stream) const
{
    std::string text = Text.empty() ? std::string(" ") : Text;
    std::string packed;
    if (!PngDeflate(reinterpret_cast<const uint8_t*>(text.data()), text.size(), owner_->CompressionLevel, packed))
        return true;   // the chunk is left out
    std::vector<uint8_t> out(Keyword.begin(), Keyword.end());
    out.push_back(0);
    out.push_back(0);
    out.insert(out.end(), packed.begin(), packed.end());
    WriteChunk(stream, name_, out.data(), static_cast<uint32_t>(out.size()));
    return true;
}

// ---- TPNGList --------------------------------------------------------------------------------

TChunk* TPNGList::Item(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<size_t>(index)].get();
}

TChunk* TPNGList::Append(std::unique_ptr<TChunk> chunk)
{
    items_.push_back(std::move(chunk));
    return items_.back().get();
}

TChunk* TPNGList::Insert(int index, std::unique_ptr<TChunk> chunk)
{
    index = std::clamp(index, 0, Count());
    auto it = items_.insert(items_.begin() + index, std::move(chunk));
    return it->get();
}

int TPNGList::IndexOf(const TChunk* chunk) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].get() == chunk) return i;
    return -1;
}

void TPNGList::SwapWith(TPNGList& other)
{
    items_.swap(other.items_);
    for (auto& c : items_) c->owner_ = owner_;
    for (auto& c : other.items_) c->owner_ = other.owner_;
}

TChunk* TPNGList::AddChunk(std::unique_ptr<TChunk> chunk)
{
    const std::string type = chunk->ClassType();
    if (type == TChunkIHDR::Type || type == TChunkIDAT::Type || type == TChunkPLTE::Type || type == TChunkIEND::Type)
        throw EPngError(PngText::AddExistentChunk);
    if ((type == TChunkgAMA::Type && ItemFromClass<TChunkgAMA>()) ||
        (type == TChunktRNS::Type && ItemFromClass<TChunktRNS>()))
        throw EPngError(PngText::AddExistentChunk);
    auto* ihdr = ItemFromClass<TChunkIHDR>();
    auto* iend = ItemFromClass<TChunkIEND>();
    if (!ihdr || !iend) throw EPngError(PngText::AddInvalidImage);
    chunk->SetName(type);
    if (type == TChunkgAMA::Type) return Insert(IndexOf(ihdr) + 1, std::move(chunk));
    if (type == TChunktRNS::Type) {
        if (auto* plte = ItemFromClass<TChunkPLTE>()) return Insert(IndexOf(plte) + 1, std::move(chunk));
        if (auto* idat = ItemFromClass<TChunkIDAT>()) return Insert(IndexOf(idat), std::move(chunk));
        return Insert(IndexOf(ihdr) + 1, std::move(chunk));
    }
    return Insert(IndexOf(iend), std::move(chunk));
}

// ---- TPngImage: loading and saving ----------------------------------------------------------------

TPngImage::TPngImage() : chunks_(*this) { ResetGamma(); }

void TPngImage::ResetGamma()
{
    for (int i = 0; i < 256; ++i) GammaTable[size_t(i)] = InverseGamma[size_t(i)] = static_cast<uint8_t>(i);
}

void TPngImage::ClearChunks()
{
    ResetGamma();
    chunks_.Clear();
}

void TPngImage::SetMaxIdatSize(uint32_t value)
{
    maxIdatSize_ = std::clamp(value, PngLimits::MinIdatSize, PngLimits::MaxIdatSize);
}

TChunkIHDR& TPngImage::Header() const
{
    auto* h = dynamic_cast<TChunkIHDR*>(chunks_.Item(0));
    if (!h) throw EPNGHeaderNotPresent(PngText::HeaderNotPresent);
    return *h;
}

bool TPngImage::HeaderPresent() const { return dynamic_cast<TChunkIHDR*>(chunks_.Item(0)) != nullptr; }

void TPngImage::LoadFromStream(TStream& stream)
{
    // Read into a fresh picture: a half-read picture is never kept, and a failed
    // load leaves this one as it was.
    TPngImage loaded;
    loaded.LoadChunks(stream);
    chunks_.SwapWith(loaded.chunks_);
    GammaTable = loaded.GammaTable;
    InverseGamma = loaded.InverseGamma;
    InterlaceMethod = loaded.InterlaceMethod;
}

void TPngImage::LoadChunks(TStream& stream)
{
    uint8_t sig[8];
    if (stream.Read(sig, 8) != 8 || std::memcmp(sig, kSignature, 8) != 0)
        throw EPNGInvalidFileHeader(PngText::InvalidFileHeader);

    bool idatMet = false;
    for (;;) {
        uint8_t head[8];
        ReadExact(stream, head, 8);
        uint32_t length = ReadBE32(head);
        std::string name(reinterpret_cast<const char*>(head + 4), 4);
        const bool first = chunks_.Count() == 0;
        if (first && name != TChunkIHDR::Type) throw EPNGIHDRNotFirst(PngText::IHDRNotFirst);
        // Never allocate or seek for more than the file holds.
        int64_t left = stream.Size() - stream.Position();
        if (length > PngLimits::MaxChunkLength || int64_t(length) + 4 > left)
            throw EPngUnexpectedEnd(PngText::UnexpectedEnd);

        if (name == "cHRM" || (name == TChunkIDAT::Type && idatMet)) {
            stream.Seek(int64_t(length) + 4, soFromCurrent);
            continue;
        }
        // One header, one palette per file.
        if (!first && name == TChunkIHDR::Type) throw EPngInvalidIHDR(PngText::InvalidIHDR);
        if (name == TChunkPLTE::Type && chunks_.ItemFromClass<TChunkPLTE>())
            throw EPNGInvalidPalette(PngText::InvalidPalette);
        if (name == TChunkIDAT::Type) idatMet = true;

        std::unique_ptr<TChunk> chunk = CreatePngChunk(*this, name);
        if (std::string(chunk->ClassType()).empty() && (static_cast<uint8_t>(name[0]) & 32) == 0)
            throw EPNGUnknownCriticalChunk(PngText::UnknownCriticalChunk);
        TChunk* c = chunks_.Append(std::move(chunk));
        if (!c->LoadFromStream(stream, name, length)) break;
        if (name == TChunkIEND::Type) break;
    }
    if (!idatMet) throw EPNGNoImageData(PngText::NoImageData);
}

void TPngImage::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(kSignature, 8);
    for (int i = 0; i < chunks_.Count(); ++i) chunks_.Item(i)->SaveToStream(stream);
}

void TPngImage::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TPngImage::SaveToFile(const std::string& fileName) const
{
    const std::string temp = fileName + ".tmp~";
    try {
        {
            TFileStream stream(temp, fmCreate);
            SaveToStream(stream);
        }
        if (std::rename(temp.c_str(), fileName.c_str()) != 0)
            throw EFCreateError(L1("Impossible de créer le fichier \"") + fileName + "\"");
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
}

void TPngImage::AssignPNG(const TPngImage& source)
{
    if (&source == this) return;
    InterlaceMethod = source.InterlaceMethod;
    SetMaxIdatSize(source.MaxIdatSize());
    CompressionLevel = source.CompressionLevel;
    Filters = source.Filters;
    ClearChunks();
    GammaTable = source.GammaTable;
    InverseGamma = source.InverseGamma;
    for (int i = 0; i < source.Chunks().Count(); ++i) {
        const TChunk* s = source.Chunks().Item(i);
        TChunk* c = chunks_.Append(s->NewOfSameClass(*this));
        c->Assign(*s);
    }
}
