// Frames, extensions and the trailer: how the blocks after the header are read and written.
#include <algorithm>
#include <cstring>

#include "codecs/GifPicture.h"

namespace {

void Skip(TStream& stream, int64_t count) { stream.Seek(count, soFromCurrent); }

// Data sub-blocks up to the 0 length or the end of the stream, dropped.
void SkipSubBlocks(TStream& stream)
{
    uint8_t block[255];
    for (int n = ReadByte(stream); n > 0; n = ReadByte(stream))
        if (stream.Read(block, n) != n) return;
}

}  // namespace

// ---- extensions ------------------------------------------------------------------------

TGIFExtension::TGIFExtension(TGIFSubImage* frame) : TGIFItem(frame ? frame->Image : nullptr), Frame(frame) {}

void TGIFExtension::LoadFromStream(TStream& stream)
{
    uint8_t head[2];
    ReadCheck(stream, head, 2);
    if (head[0] != 0x21) Error(GifText::InvalidIntroducer);
    if (head[1] != GetExtensionType()) Error(GifText::ExtensionMismatch);
}

void TGIFExtension::SaveToStream(TStream& stream)
{
    const uint8_t head[2] = {0x21, GetExtensionType()};
    stream.WriteBuffer(head, 2);
}

namespace {

template <class T> TGIFExtensionFactory Factory()
{
    return [](TGIFSubImage* frame) -> std::unique_ptr<TGIFExtension> { return std::make_unique<T>(frame); };
}

// The application block's class from its size and identifier (stream after the label).
TGIFExtensionFactory FindApplication(TStream& stream)
{
    int size = ReadByte(stream);
    if (size < 0) return {};
    // The identifier is the 11 bytes the block is read with at any size, so that a
    // block is read back as the class it was written as (always with size 11).
    uint8_t id[11];
    if (size >= 10 && stream.Read(id, 11) == 11) {
        if (std::memcmp(id, "NETSCAPE2.0", 11) == 0 || std::memcmp(id, "ANIMEXTS1.0", 11) == 0)
            return Factory<TGIFAppExtNSLoop>();
    }
    // Any other identifier, or a block shorter than one: kept as an unknown block.
    return Factory<TGIFUnknownAppExtension>();
}

}  // namespace

TGIFExtensionFactory FindExtension(TStream& stream)
{
    int64_t at = stream.Position();
    TGIFExtensionFactory found;
    switch (ReadByte(stream)) {
    case 0x01: found = Factory<TGIFTextExtension>(); break;
    case 0xF9: found = Factory<TGIFGraphicControlExtension>(); break;
    case 0xFE: found = Factory<TGIFCommentExtension>(); break;
    case 0xFF: found = FindApplication(stream); break;
    default: break;
    }
    stream.SetPosition(at);
    return found;
}

TGIFGraphicControlExtension::TGIFGraphicControlExtension(TGIFSubImage* frame) : TGIFExtension(frame)
{
    if (Frame && !Frame->GraphicControlExtension) Frame->GraphicControlExtension = this;
}

TGIFGraphicControlExtension::~TGIFGraphicControlExtension()
{
    if (!Frame) return;
    if (Transparent()) Frame->SetTransparentFlag(false);
    if (Frame->GraphicControlExtension == this) Frame->GraphicControlExtension = nullptr;
}

void TGIFGraphicControlExtension::SetTransparent(bool transparent)
{
    PackedFields = uint8_t(transparent ? PackedFields | 1 : PackedFields & ~1);
    if (Frame) Frame->SetTransparentFlag(transparent);
}

void TGIFGraphicControlExtension::SetTransparentColorIndex(int index)
{
    if (Frame) {
        TGIFColorMap& map = Frame->ActiveColorMap();
        if (map.Count() > 0 && index >= map.Count()) {
            Warning(1, GifText::InvalidColorIndex);
            index = 0;
        }
    }
    TransparentIndex = uint8_t(index);
}

void TGIFGraphicControlExtension::LoadFromStream(TStream& stream)
{
    TGIFExtension::LoadFromStream(stream);
    uint8_t b[6];
    if (stream.Read(b, 6) < 6) {
        Warning(1, GifText::PrematureEnd);
        return;
    }
    BlockSize = b[0];
    PackedFields = b[1];
    DelayTime = uint16_t(b[2] | (b[3] << 8));
    TransparentIndex = b[4];
    Terminator = b[5];
    if (Transparent() && Frame) Frame->SetTransparentFlag(true);
}

void TGIFGraphicControlExtension::SaveToStream(TStream& stream)
{
    TGIFExtension::SaveToStream(stream);
    const uint8_t b[6] = {BlockSize, PackedFields, uint8_t(DelayTime), uint8_t(DelayTime >> 8), TransparentIndex,
                          Terminator};
    stream.WriteBuffer(b, 6);
}

void TGIFTextExtension::LoadFromStream(TStream& stream)
{
    TGIFExtension::LoadFromStream(stream);
    // The text header is one sub-block of 12 bytes; a block of another length is
    // taken as far as it goes, so the lines after it are read where they are.
    int n = ReadByte(stream);
    if (n < 0) Error(GifText::PrematureEnd);
    uint8_t block[255] = {};
    ReadCheck(stream, block, n);
    TextBlock[0] = 12;
    std::copy_n(block, 12, TextBlock + 1);
    ReadStrings(stream, Text);
}

void TGIFTextExtension::SaveToStream(TStream& stream)
{
    TGIFExtension::SaveToStream(stream);
    stream.WriteBuffer(TextBlock, 13);
    WriteStrings(stream, Text);
}

void TGIFCommentExtension::LoadFromStream(TStream& stream)
{
    TGIFExtension::LoadFromStream(stream);
    ReadStrings(stream, Text);
}

void TGIFCommentExtension::SaveToStream(TStream& stream)
{
    TGIFExtension::SaveToStream(stream);
    WriteStrings(stream, Text);
}

void TGIFApplicationExtension::SetIdentifier(const std::string& id)
{
    std::memset(ident_, 0, sizeof ident_);
    std::memcpy(ident_, id.data(), std::min<size_t>(id.size(), 11));
}

void TGIFApplicationExtension::LoadFromStream(TStream& stream)
{
    TGIFExtension::LoadFromStream(stream);
    int size = ReadByte(stream);
    if (size < 0) Error(GifText::PrematureEnd);
    std::memset(ident_, 0, sizeof ident_);
    if (size < 10) {
        // Shorter than its identifier: the block is skipped, what follows is kept.
        Warning(1, GifText::AppBlockSize);
        uint8_t skip[10];
        ReadCheck(stream, skip, size);
    } else {
        ReadCheck(stream, ident_, 11);
        Skip(stream, size - 11);   // back one for size 10, over surplus bytes above 11
    }
    LoadData(stream);
}

void TGIFApplicationExtension::SaveToStream(TStream& stream)
{
    TGIFExtension::SaveToStream(stream);
    WriteByte(stream, 11);
    stream.WriteBuffer(ident_, 11);
    SaveData(stream);
}

void TGIFUnknownAppExtension::LoadData(TStream& stream)
{
    Blocks.clear();
    char block[255];
    for (int n = ReadByte(stream); n > 0; n = ReadByte(stream)) {
        ReadCheck(stream, block, n);
        Blocks.emplace_back(block, size_t(n));
    }
}

void TGIFUnknownAppExtension::SaveData(TStream& stream)
{
    for (const std::string& b : Blocks) {
        WriteByte(stream, uint8_t(b.size()));
        stream.WriteBuffer(b.data(), long(b.size()));
    }
    WriteByte(stream, 0);
}

TGIFAppExtNSLoop::TGIFAppExtNSLoop(TGIFSubImage* frame) : TGIFApplicationExtension(frame)
{
    SetIdentifier("NETSCAPE2.0");
}

void TGIFAppExtNSLoop::LoadData(TStream& stream)
{
    uint8_t b[4];
    for (int n = ReadByte(stream); n > 0; n = ReadByte(stream)) {
        int id = ReadByte(stream);
        if (id < 0) Error(GifText::PrematureEnd);
        int left = n - 1;
        if ((id & 7) == 1) {
            if (left < 2) Error(GifText::InvalidData);
            ReadCheck(stream, b, 2);
            Loops = uint16_t(b[0] | (b[1] << 8));
            left -= 2;
        } else if ((id & 7) == 2) {
            if (left < 4) Error(GifText::InvalidData);
            ReadCheck(stream, b, 4);
            BufferSize = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
            left -= 4;
        }
        if (left > 0) {
            std::vector<uint8_t> skip(static_cast<size_t>(left));
            ReadCheck(stream, skip.data(), left);
        }
    }
}

void TGIFAppExtNSLoop::SaveData(TStream& stream)
{
    const uint8_t loop[4] = {3, 1, uint8_t(Loops), uint8_t(Loops >> 8)};
    stream.WriteBuffer(loop, 4);
    if (BufferSize) {
        const uint8_t buf[6] = {5, 2, uint8_t(BufferSize), uint8_t(BufferSize >> 8), uint8_t(BufferSize >> 16),
                                uint8_t(BufferSize >> 24)};
        stream.WriteBuffer(buf, 6);
    }
    WriteByte(stream, 0);
}

TGIFExtensionList::TGIFExtensionList(TGIFSubImage* frame)
    : TGIFList<TGIFExtension>(frame ? frame->Image : nullptr)
{
}

void TGIFExtensionList::LoadFromStream(TStream& stream, TGIFSubImage* parent)
{
    int b = ReadByte(stream);
    if (b < 0) return;
    while (b != 0x2C && b != 0x3B) {
        if (b != 0x21) {
            Warning(1, GifText::InvalidIntroducer);
            break;
        }
        TGIFExtensionFactory make = FindExtension(stream);
        if (!make) {
            // The format lets readers pass over extensions they do not know.
            Warning(1, GifText::UnknownExtension);
            if (ReadByte(stream) < 0) return;
            SkipSubBlocks(stream);
        } else {
            Skip(stream, -1);
            std::unique_ptr<TGIFExtension> e = make(parent);
            e->LoadFromStream(stream);
            Add(std::move(e));
        }
        // Zero bytes between blocks are passed over here too, so that an
        // extension stays with the image it precedes.
        do b = ReadByte(stream);
        while (b == 0);
        if (b < 0) return;
    }
    Skip(stream, -1);
}

// ---- frames -------------------------------------------------------------------------------

void TGIFLocalColorMap::Warning(int severity, const std::string& message) { frame_->Warning(severity, message); }

void TGIFLocalColorMap::BuildHistogram(std::vector<int64_t>& usage) const
{
    usage.assign(size_t(Count()), 0);
    for (uint8_t p : frame_->Data)
        if (p < usage.size()) ++usage[p];
}

void TGIFLocalColorMap::MapImages(const std::vector<uint8_t>& table)
{
    for (uint8_t& p : frame_->Data) p = table[p];
    if (frame_->Transparent() && frame_->GraphicControlExtension)
        frame_->GraphicControlExtension->TransparentIndex = table[frame_->GraphicControlExtension->TransparentIndex];
    frame_->FreeBitmap();
}

void TGIFLocalColorMap::Changed() { frame_->SetPalette({}); }

TGIFSubImage::TGIFSubImage(TGifPicture* image) : TGIFItem(image) {}

TGIFSubImage::~TGIFSubImage()
{
    // The extensions go before the frame's fields they point back into.
    Extensions.Clear();
}

TGifPicture* TGIFSubImage::Picture() const { return static_cast<TGifPicture*>(Image); }

void TGIFSubImage::Clear()
{
    Extensions.Clear();
    ColorMap.Clear();
    Data.clear();
    Data.shrink_to_fit();
    left_ = top_ = width_ = height_ = 0;
    PackedFields = 0;
    transparent_ = false;
    GraphicControlExtension = nullptr;
    FreeBitmap();
}

void TGIFSubImage::AllocateData()
{
    CheckImageSize(width_, height_);
    Data.assign(size_t(width_) * size_t(height_), 0);
}

int TGIFSubImage::GetVersion() const
{
    if (ColorMap.Optimized()) return 2;
    int v = 1;
    for (int i = 0; i < Extensions.Count(); ++i) v = std::max(v, Extensions[i]->GetVersion());
    return v;
}

int TGIFSubImage::TransparentIndex() const
{
    return transparent_ && GraphicControlExtension ? GraphicControlExtension->TransparentIndex : -1;
}

int TGIFSubImage::Delay() const { return GraphicControlExtension ? GraphicControlExtension->Delay() : 0; }

TGIFColorMap& TGIFSubImage::ActiveColorMap()
{
    if (ColorMap.Count() > 0) return ColorMap;
    TGifPicture* p = Picture();
    if (p && p->Header().ColorMap.Count() > 0) return p->Header().ColorMap;
    return ColorMap;
}

void TGIFSubImage::LoadFromStream(TStream& stream)
{
    Clear();
    Extensions.LoadFromStream(stream, this);
    int b = ReadByte(stream);
    if (b < 0) return;
    Skip(stream, -1);
    if (b == 0x3B || b == 0) return;   // extensions only
    uint8_t d[10];
    ReadCheck(stream, d, 10);
    left_ = d[1] | (d[2] << 8);
    top_ = d[3] | (d[4] << 8);
    width_ = d[5] | (d[6] << 8);
    height_ = d[7] | (d[8] << 8);
    PackedFields = d[9];
    TGifPicture* picture = Picture();
    if ((width_ == 0 || height_ == 0) && picture) {
        width_ = picture->Header().Width;
        height_ = picture->Header().Height;
        Warning(1, GifText::ExceedsScreen);
    }
    if (PackedFields & 0x80) {
        int count = 2 << (PackedFields & 7);
        if (count < 2 || count > 256) Error(GifText::ImageColors);
        ColorMap.LoadFromStream(stream, count);
    }
    CheckImageSize(width_, height_);
    const int fill = transparent_ && GraphicControlExtension ? GraphicControlExtension->TransparentIndex : 0;
    Data.assign(size_t(width_) * size_t(height_), uint8_t(fill));
    Decompress(stream, Data.data(), width_, height_, Interlaced(),
               [this](const std::string& m) { Warning(1, m); });
    if (GIFRenderOnLoad) GetBitmap();
}

void TGIFSubImage::SaveToStream(TStream& stream)
{
    Extensions.SaveToStream(stream);
    if (Empty()) return;
    if (ColorMap.Count() > 0) {
        PackedFields = uint8_t(0x80 | (ColorMap.Optimized() ? 0x20 : 0) | ((ColorMap.BitsPerPixel() - 1) & 7) |
                               (PackedFields & 0x40));
    } else {
        PackedFields &= 0x40 | 0x18;
    }
    const uint8_t d[10] = {0x2C, uint8_t(left_), uint8_t(left_ >> 8), uint8_t(top_), uint8_t(top_ >> 8),
                           uint8_t(width_), uint8_t(width_ >> 8), uint8_t(height_), uint8_t(height_ >> 8),
                           PackedFields};
    stream.WriteBuffer(d, 10);
    ColorMap.SaveToStream(stream);
    int bits, colors;
    if (ColorMap.Count() > 0) {
        bits = ColorMap.BitsPerPixel();
        colors = ColorMap.Count();
    } else {
        bits = Picture() ? Picture()->BitsPerPixel() : 8;
        colors = 1 << bits;
    }
    std::unique_ptr<TGIFEncoder> encoder;
    if (Picture() && Picture()->CompressKind == 1)
        encoder = std::make_unique<TRLEEncoder>();
    else
        encoder = std::make_unique<TLZWEncoder>();
    encoder->Compress(stream, bits, colors, Data.data(), Interlaced(), height_, width_);
}

void TGIFSubImage::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    if (width != width_ || height != height_) {
        FreeBitmap();
        width_ = width;
        height_ = height;
        AllocateData();
    }
    TGifPicture* p = Picture();
    if (!p) return;
    bool warned = false;
    if (p->Header().Width < left + width) {
        if (p->Header().Width > 0) {
            Warning(1, GifText::WidthTooSmall);
            warned = true;
        }
        p->Header().Width = uint16_t(left + width);
    }
    if (p->Header().Height < top + height) {
        if (p->Header().Height > 0) {
            Warning(1, GifText::HeightTooSmall);
            warned = true;
        }
        p->Header().Height = uint16_t(top + height);
    }
    if (warned) Warning(1, GifText::ExceedsScreen);
}

uint8_t* TGIFSubImage::Scanline(int y)
{
    if (width_ == 0 || height_ == 0) Error(GifText::ImageEmpty);
    if (y < 0 || y >= height_) Error(GifText::InvalidPixel);
    if (Data.empty()) AllocateData();
    return Data.data() + size_t(y) * size_t(width_);
}

uint8_t TGIFSubImage::Pixels(int x, int y)
{
    if (width_ == 0 || height_ == 0) Error(GifText::ImageEmpty);
    if (x < 0 || x >= width_) Error(GifText::InvalidPixel);
    return Scanline(y)[x];
}

void TGIFImageList::LoadFromStream(TStream& stream, TGifPicture* parent)
{
    auto skipZeros = [&] {
        int b;
        do b = ReadByte(stream);
        while (b == 0);
        return b;
    };
    int b = skipZeros();
    if (b < 0) return;
    const int64_t size = stream.Size();
    while (b != 0x3B) {
        stream.Seek(-1, soFromCurrent);
        if (b != 0x21 && b != 0x2C) {
            Warning(1, GifText::UnknownBlockType);
            break;
        }
        auto frame = std::make_unique<TGIFSubImage>(parent);
        frame->LoadFromStream(stream);
        // A frame left with neither pixels nor extensions (all of them unknown and
        // skipped) holds nothing to keep.
        if (!frame->Empty() || frame->Extensions.Count() > 0) Add(std::move(frame));
        parent->CheckTotalPixelsOf(*this);
        parent->Progress(this, psRunning, size > 0 ? int(stream.Position() * 100 / size) : 0, GIFRenderOnLoad,
                         GifText::Loading);
        b = skipZeros();
        if (b < 0) return;
    }
    stream.Seek(-1, soFromCurrent);
}

void TGIFImageList::SaveToStream(TStream& stream)
{
    for (int i = 0; i < Count(); ++i) {
        (*this)[i]->SaveToStream(stream);
        if (auto* p = dynamic_cast<TGifPicture*>(Image))
            p->Progress(this, psRunning, (i + 1) * 100 / Count(), false, GifText::Saving);
    }
}

void TGIFTrailer::LoadFromStream(TStream& stream)
{
    int b = ReadByte(stream);
    if (b >= 0 && b != 0x3B) Warning(1, GifText::InvalidTrailer);
}
