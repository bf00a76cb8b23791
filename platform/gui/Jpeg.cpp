// TJPEGImage through libjpeg (the version-62 interface).
#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "platform/gui/Pictures.h"
#include "platform/rtl/Strings.h"

namespace {

struct JpegError
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {}   // warnings are not shown

// A cleared decompress or compress object whose errors go to err: a fault
// jumps back to err.jump (set by the caller) with its message.
template <class Info>
void PrepareErreurs(Info& cinfo, JpegError& err)
{
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnJpegError;
    err.pub.emit_message = OnJpegMessage;
}

// Decoded pixels, filled by DecodeJpeg. Lives on the heap so that nothing in
// DecodeJpeg's frame changes between setjmp and longjmp.
struct Decoded
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
    std::string error;
};

constexpr long long kMaxPixels = 100'000'000;   // refuses absurd sizes before allocating

bool DecodeJpeg(const uint8_t* data, size_t size, Decoded* out)
{
    jpeg_decompress_struct cinfo;
    JpegError err;
    PrepareErreurs(cinfo, err);
    JSAMPLE* row = nullptr;
    if (setjmp(err.jump)) {
        out->error = err.message;
        std::free(row);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
    int comps = cinfo.output_components;
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > kMaxPixels || (comps != 3 && comps != 4)) {
        std::strcpy(err.message, "bad size");
        std::longjmp(err.jump, 1);
    }
    out->width = w;
    out->height = h;
    out->argb.resize(static_cast<size_t>(w) * h);
    row = static_cast<JSAMPLE*>(std::malloc(static_cast<size_t>(w) * comps));
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&cinfo, rows, 1);
        uint32_t* dst = out->argb.data() + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x) {
            const JSAMPLE* p = row + x * comps;
            uint32_t r, g, b;
            if (comps == 4) {
                // Adobe writes CMYK inverted; plain CMYK is rare in practice.
                uint32_t c = p[0], m = p[1], yy = p[2], k = p[3];
                if (!cinfo.saw_Adobe_marker) {
                    c = 255 - c; m = 255 - m; yy = 255 - yy; k = 255 - k;
                }
                r = c * k / 255;
                g = m * k / 255;
                b = yy * k / 255;
            } else {
                r = p[0];
                g = p[1];
                b = p[2];
            }
            dst[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&cinfo);
    std::free(row);
    row = nullptr;
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct Encoded
{
    unsigned char* buffer = nullptr;   // malloc'd by libjpeg
    unsigned long size = 0;
    std::string error;
};

bool EncodeJpeg(const TBitmap& bmp, int quality, bool grey, Encoded* out)
{
    jpeg_compress_struct cinfo;
    JpegError err;
    PrepareErreurs(cinfo, err);
    JSAMPLE* row = nullptr;
    if (setjmp(err.jump)) {
        out->error = err.message;
        std::free(row);
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &out->buffer, &out->size);
    cinfo.image_width = static_cast<JDIMENSION>(bmp.Width());
    cinfo.image_height = static_cast<JDIMENSION>(bmp.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (grey) jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    int w = bmp.Width();
    row = static_cast<JSAMPLE*>(std::malloc(static_cast<size_t>(w) * 3));
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint32_t* src = bmp.ScanLine(static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < w; ++x) {
            uint32_t px = src[x];
            uint32_t a = px >> 24;
            // Pictures with alpha go on white, as they would show on a page.
            auto ch = [a](uint32_t c) { return static_cast<JSAMPLE>((c * a + 255 * (255 - a)) / 255); };
            row[x * 3] = ch((px >> 16) & 0xFF);
            row[x * 3 + 1] = ch((px >> 8) & 0xFF);
            row[x * 3 + 2] = ch(px & 0xFF);
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::free(row);
    row = nullptr;
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

TJPEGImage::TJPEGImage() : bitmap_(std::make_unique<TBitmap>()) {}

TJPEGImage::TJPEGImage(const TJPEGImage& other)
    : TGraphic(other), bitmap_(std::make_unique<TBitmap>(*other.bitmap_)), data_(other.data_),
      quality_(other.quality_), grayscale_(other.grayscale_)
{
}

TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::Width() const { return bitmap_->Width(); }
int TJPEGImage::Height() const { return bitmap_->Height(); }

void TJPEGImage::SetCompressionQuality(int quality)
{
    quality = std::clamp(quality, 1, 100);
    if (quality == quality_) return;
    quality_ = quality;
    Changed();
}

void TJPEGImage::SetGrayscale(bool grayscale)
{
    if (grayscale == grayscale_) return;
    grayscale_ = grayscale;
    data_.clear();
    Changed();
}

void TJPEGImage::Compress()
{
    if (bitmap_->Empty()) {
        data_.clear();
        return;
    }
    auto enc = std::make_unique<Encoded>();
    bool ok = EncodeJpeg(*bitmap_, quality_, grayscale_, enc.get());
    if (ok) data_.assign(enc->buffer, enc->buffer + enc->size);
    std::free(enc->buffer);
    if (!ok) throw EInvalidGraphicOperation(L1("Erreur JPEG: ") + enc->error);
}

const TBitmap& TJPEGImage::Bitmap() const { return *bitmap_; }

void TJPEGImage::LoadFromStream(TStream& stream)
{
    int64_t size = stream.Size() - stream.Position();
    std::vector<uint8_t> bytes(size > 0 ? static_cast<size_t>(size) : 0);
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<long>(bytes.size()));
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) throw EInvalidGraphic(L1("Image JPEG non valide"));
    auto dec = std::make_unique<Decoded>();
    if (!DecodeJpeg(bytes.data(), bytes.size(), dec.get()))
        throw EInvalidGraphic(L1("Image JPEG non valide: ") + dec->error);
    auto bmp = std::make_unique<TBitmap>(dec->width, dec->height);
    for (int y = 0; y < dec->height; ++y)
        std::memcpy(bmp->ScanLine(y), dec->argb.data() + static_cast<size_t>(y) * dec->width,
                    static_cast<size_t>(dec->width) * 4);
    bitmap_ = std::move(bmp);
    data_ = std::move(bytes);
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) const
{
    if (data_.empty() && !bitmap_->Empty()) const_cast<TJPEGImage*>(this)->Compress();
    if (!data_.empty()) stream.WriteBuffer(data_.data(), static_cast<long>(data_.size()));
}

void TJPEGImage::Assign(const TGraphic& source)
{
    if (&source == this) return;
    if (auto* j = dynamic_cast<const TJPEGImage*>(&source)) {
        bitmap_ = std::make_unique<TBitmap>(*j->bitmap_);
        data_ = j->data_;
        quality_ = j->quality_;
        grayscale_ = j->grayscale_;
    } else {
        auto bmp = std::make_unique<TBitmap>();
        bmp->Assign(source);
        bmp->SetTransparent(false);
        bitmap_ = std::move(bmp);
        data_.clear();
    }
    Changed();
}

void TJPEGImage::AssignTo(TBitmap& dest) const
{
    bitmap_->AssignTo(dest);
    dest.SetPixelFormat(pf24bit);
    dest.SetTransparent(Transparent());
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const { return std::make_unique<TJPEGImage>(*this); }

void TJPEGImage::Draw(TCanvas& canvas, const TRect& r) const
{
    if (Transparent()) {
        // A transparent JPEG leaves out the colour of its bottom-left pixel.
        TBitmap b(*bitmap_);
        b.SetTransparent(true);
        b.Draw(canvas, r);
        return;
    }
    bitmap_->Draw(canvas, r);
}
