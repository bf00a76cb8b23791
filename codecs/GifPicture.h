// TGifPicture: GIF 87a and 89a pictures on the picture framework. A picture is a
// logical screen (TGIFHeader with the global colour map) and frames
// (TGIFSubImage) with their extensions; it loads, saves, renders frames to
// bitmaps, draws (animated through TGIFPainter, on the interface thread from a
// timer), assigns from other pictures and optimises itself before writing.
//
//   RegisterGifFormat();                     // once at start-up: ".gif" opens as TGifPicture
//   TGifPicture gif; gif.LoadFromFile(name); // GIFException on a file it cannot read
//   const TBitmap* first = gif.Bitmap();     // frame 0 at the logical screen's size
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codecs/GifImage.h"
#include "codecs/GifLzw.h"
#include "codecs/GifReduce.h"
#include "platform/gui/Classes.h"

class TGifPicture;
class TGIFSubImage;
class TGIFPainter;
class TTimer;

namespace GifText {
inline constexpr const char* UnknownBlockType = "Unknown GIF block type";
inline constexpr const char* InvalidIntroducer = "Invalid extension introducer";
inline constexpr const char* UnknownExtension = "Unknown extension type";
inline constexpr const char* ExtensionMismatch = "Internal error: Extension Instance does not match Extension Label";
inline constexpr const char* AppBlockSize = "Unsupported Application Extension block size";
inline constexpr const char* InvalidData = "Invalid GIF data";
inline constexpr const char* ImageColors = "Invalid number of colors specified in Image Descriptor";
inline constexpr const char* ExceedsScreen = "Image exceeds Logical Screen size";
inline constexpr const char* InvalidTrailer = "Invalid Image trailer";
inline constexpr const char* WidthTooSmall = "Image width too small for contained frames";
inline constexpr const char* HeightTooSmall = "Image height too small for contained frames";
inline constexpr const char* InvalidPixel = "Invalid pixel coordinates";
inline constexpr const char* ImageEmpty = "Image is empty";
inline constexpr const char* NoColorTable = "No global or local color table defined";
inline constexpr const char* UnsupportedObject = "Object type not supported for operation";
inline constexpr const char* ClipboardFormat = "Format de Presse-papiers non support\xE9";
inline constexpr const char* ClipboardStore = "Failed to store GIF on clipboard";
inline constexpr const char* InvalidReduction = "Invalid reduction method";
inline constexpr const char* Loading = "Loading...";
inline constexpr const char* Saving = "Saving...";
inline constexpr const char* Rendering = "Rendering...";
inline constexpr const char* Converting = "Converting...";
inline constexpr const char* Copying = "Copying...";
inline constexpr const char* Optimizing = "Optimizing...";
}  // namespace GifText

// ---- extensions ------------------------------------------------------------------------
class TGIFExtension : public TGIFItem
{
public:
    explicit TGIFExtension(TGIFSubImage* frame);
    int GetVersion() const override { return 2; }
    virtual uint8_t GetExtensionType() const = 0;
    // Reads 0x21 and the label and checks them; the classes read their data after.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    TGIFSubImage* Frame;
};

using TGIFExtensionFactory = std::function<std::unique_ptr<TGIFExtension>(TGIFSubImage*)>;
// The class for the extension at the stream (just after its 0x21), or an empty
// function when none is known; the stream is left where it was.
TGIFExtensionFactory FindExtension(TStream& stream);

class TGIFGraphicControlExtension : public TGIFExtension
{
public:
    explicit TGIFGraphicControlExtension(TGIFSubImage* frame);
    ~TGIFGraphicControlExtension() override;
    uint8_t GetExtensionType() const override { return 0xF9; }
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    bool Transparent() const { return PackedFields & 0x01; }
    void SetTransparent(bool transparent);
    int TransparentColorIndex() const { return TransparentIndex; }
    void SetTransparentColorIndex(int index);   // past the active map: a warning and 0
    int Delay() const { return DelayTime; }
    void SetDelay(int delay) { DelayTime = uint16_t(delay); }
    bool UserInput() const { return PackedFields & 0x02; }
    void SetUserInput(bool on) { PackedFields = uint8_t(on ? PackedFields | 0x02 : PackedFields & ~0x02); }
    int Disposal() const { return (PackedFields >> 2) & 7; }
    void SetDisposal(int disposal) { PackedFields = uint8_t((PackedFields & ~0x1C) | ((disposal & 7) << 2)); }

    uint8_t BlockSize = 4;
    uint8_t PackedFields = 0;
    uint16_t DelayTime = 0;
    uint8_t TransparentIndex = 0;
    uint8_t Terminator = 0;
};

class TGIFTextExtension : public TGIFExtension
{
public:
    using TGIFExtension::TGIFExtension;
    uint8_t GetExtensionType() const override { return 0x01; }
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    uint8_t TextBlock[13] = {12};
    std::vector<std::string> Text;
};

class TGIFCommentExtension : public TGIFExtension
{
public:
    using TGIFExtension::TGIFExtension;
    uint8_t GetExtensionType() const override { return 0xFE; }
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    std::vector<std::string> Text;
};

class TGIFApplicationExtension : public TGIFExtension
{
public:
    using TGIFExtension::TGIFExtension;
    uint8_t GetExtensionType() const override { return 0xFF; }
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    std::string Identifier() const { return std::string(ident_, ident_ + 8); }
    void SetIdentifier(const std::string& id);   // 8 identifier and 3 authentication bytes
    uint8_t ident_[11] = {};

protected:
    virtual void SaveData(TStream& stream) = 0;
    virtual void LoadData(TStream& stream) = 0;
};

// Any other application block: its data sub-blocks kept as they are.
class TGIFUnknownAppExtension : public TGIFApplicationExtension
{
public:
    using TGIFApplicationExtension::TGIFApplicationExtension;
    std::vector<std::string> Blocks;

protected:
    void SaveData(TStream& stream) override;
    void LoadData(TStream& stream) override;
};

// The loop extension (NETSCAPE2.0, ANIMEXTS1.0).
class TGIFAppExtNSLoop : public TGIFApplicationExtension
{
public:
    explicit TGIFAppExtNSLoop(TGIFSubImage* frame);
    uint16_t Loops = 0;
    uint32_t BufferSize = 0;

protected:
    void SaveData(TStream& stream) override;
    void LoadData(TStream& stream) override;
};

class TGIFExtensionList : public TGIFList<TGIFExtension>
{
public:
    explicit TGIFExtensionList(TGIFSubImage* frame);
    void LoadFromStream(TStream& stream, TGIFSubImage* parent);
};

// ---- frames -------------------------------------------------------------------------------
class TGIFLocalColorMap : public TGIFColorMap
{
public:
    explicit TGIFLocalColorMap(TGIFSubImage* frame) : frame_(frame) {}
    void Warning(int severity, const std::string& message) override;
    void BuildHistogram(std::vector<int64_t>& usage) const override;
    void MapImages(const std::vector<uint8_t>& table) override;
    void Changed() override;

private:
    TGIFSubImage* frame_;
};

class TGIFSubImage : public TGIFItem
{
public:
    explicit TGIFSubImage(TGifPicture* image);
    ~TGIFSubImage() override;

    void Clear();
    int GetVersion() const override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void Assign(const TGIFSubImage& source);
    void Assign(const TGraphic& source);
    void AssignTo(TBitmap& dest);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBounds(int left, int top, int width, int height);
    bool Interlaced() const { return PackedFields & 0x40; }
    void SetInterlaced(bool on) { PackedFields = uint8_t(on ? PackedFields | 0x40 : PackedFields & ~0x40); }
    bool Empty() const { return Data.empty() || width_ == 0 || height_ == 0; }
    uint8_t Pixels(int x, int y);
    uint8_t* Scanline(int y);
    TGIFColorMap& ActiveColorMap();
    bool Transparent() const { return transparent_; }
    void SetTransparentFlag(bool transparent) { transparent_ = transparent; }
    int TransparentIndex() const;   // -1 when not transparent
    int Delay() const;              // of the graphic control extension, 0 without one
    TGifPicture* Picture() const;

    // Rendering: the frame as a bitmap (kept), its transparency mask (1 = transparent).
    const TBitmap* GetBitmap();
    bool HasMask();
    // Drawn stretched into rect (the frame's place in the picture scaled to rect),
    // or tiled at the picture's size; transparent pixels left out when asked.
    void Draw(TCanvas& canvas, const TRect& rect, bool tile, bool transparent);
    TLogPalette GetPalette();
    void SetPalette(const TLogPalette& palette);
    void FreeBitmap();
    // Crops the transparent border (optimisation).
    void Crop();

    std::vector<uint8_t> Data;
    TGIFLocalColorMap ColorMap{this};
    TGIFExtensionList Extensions{this};
    TGIFGraphicControlExtension* GraphicControlExtension = nullptr;
    uint8_t PackedFields = 0;

private:
    friend class TGIFGraphicControlExtension;
    void RenderDirect(TBitmap& bitmap);
    void RenderDithered(TBitmap& bitmap);
    void ImportTransparency(const std::vector<uint8_t>& mask);
    void AllocateData();

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool transparent_ = false;
    std::unique_ptr<TBitmap> bitmap_;
    std::vector<uint8_t> mask_;
    bool needMask_ = true;
    TLogPalette palette_;
};

class TGIFImageList : public TGIFList<TGIFSubImage>
{
public:
    using TGIFList<TGIFSubImage>::TGIFList;
    void LoadFromStream(TStream& stream, TGifPicture* parent);
    void SaveToStream(TStream& stream) override;
};

class TGIFTrailer : public TGIFItem
{
public:
    using TGIFItem::TGIFItem;
    void SaveToStream(TStream& stream) override { WriteByte(stream, 0x3B); }
    void LoadFromStream(TStream& stream) override;
};

// ---- picture -------------------------------------------------------------------------------
enum TGIFPaintOption : unsigned {
    poThreaded = 1 << 0, poTransparent = 1 << 1, poAnimate = 1 << 2, poLoop = 1 << 3,
    poLoopForever = 1 << 4, poValidateCanvas = 1 << 5, poDirectDraw = 1 << 6, poClearBackground = 1 << 7,
    poTile = 1 << 8, poStandardPalette = 1 << 9, poPaletteDisplaysOnly = 1 << 10,
};
using TGIFPaintOptions = unsigned;
enum TProgressStage { psStarting, psRunning, psEnding };

// Unit defaults and switches.
extern TGIFPaintOptions GIFDefaultPaintOptions;   // 0x060F
extern int GIFDefaultReduceMethod;               // rmNetscape
extern int GIFDefaultReduceBits;                 // 8
extern int GIFDefaultDitherKind;                 // dmNearest
extern int GIFDefaultCompressKind;               // 0: LZW
extern int GIFDefaultSpeedPercent;               // 100
extern bool GIFRenderOnLoad;                     // false
extern bool GIFOptimizeOnStore;                  // false
constexpr int GIFDelayUnitMs = 12;
constexpr int GIFDefaultFrameDelay = 10;
constexpr int GIFMinFrameDelay = 3;
constexpr int GIFMaxFrameDelay = 1000;
constexpr const char* GIFClipboardFormat = "GIF Image";

class TGifPicture : public TGraphic, public TGIFOwner
{
public:
    TGifPicture();
    TGifPicture(const TGifPicture& other);
    ~TGifPicture() override;

    // TGraphic
    int Width() const override { return header_->Width; }
    int Height() const override { return header_->Height; }
    bool Empty() const override { return images_->Count() == 0; }
    // A failed load raises and leaves the picture and the stream position as they were.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    void Assign(const TGraphic& source) override;
    void AssignTo(TBitmap& dest) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::string ClassName() const override { return "TGifPicture"; }
    using TGraphic::LoadFromFile;
    using TGraphic::SaveToFile;

    // TGIFOwner
    void Warning(TGIFPersistent* sender, int severity, const std::string& message) override;
    int MaxVersion() const override;
    int BitsPerPixel() const override;
    int ColorResolution() const override;
    void Changed() override { TGraphic::Changed(); }
    int ImageCount() const override { return images_->Count(); }
    void GlobalHistogram(std::vector<int64_t>& usage) const override;
    void MapGlobalImages(const std::vector<uint8_t>& table) override;

    void Clear();
    TGIFHeader& Header() const { return *header_; }
    TGIFImageList& Images() const { return *images_; }
    // Frame 0 at the logical screen's size; nullptr for an empty picture.
    const TBitmap* Bitmap() const;
    TLogPalette GetPalette() const;
    void SetPalette(const TLogPalette& palette);
    void SetWidth(int width);
    void SetHeight(int height);
    bool Equals(const TGraphic& graphic) const { return &graphic == this; }
    // A graphic becomes a new frame (a TGIFSubImage is taken as it is); its index.
    int Add(const TGraphic& graphic);
    int Add(std::unique_ptr<TGIFSubImage> frame);
    void Optimize(unsigned options, int method, int dither, int bits);
    void WriteData(TStream& stream) const;
    bool UsesStandardPalette() const;

    // The clipboard: the picture as "GIF Image" beside its bitmap; loading takes the
    // GIF data, or the bitmap when there is no GIF data.
    void SaveToClipboard() const;
    void LoadFromClipboard();

    void Progress(TGIFPersistent* sender, TProgressStage stage, int percent, bool redraw, const std::string& message);
    void StopPainters();
    TGIFPainter* ActivePainter() const { return activePainter_; }
    // Raises when the frames of the list hold more pixels than a picture may.
    void CheckTotalPixelsOf(const TGIFImageList& list) const;

    TGIFPaintOptions PaintOptions;
    int ReduceMethod;
    int ReduceBits;
    int DitherKind;
    int CompressKind;
    int PainterPriority = 3;
    int SpeedPercent;
    int FixedFrame = -1;
    TColor BackdropColor = clNone;
    std::function<void(TGIFPersistent* sender, int severity, const std::string& message)> OnWarning;
    std::function<void(TGIFPersistent* sender, TProgressStage stage, int percent, bool redraw,
                       const std::string& message)> OnProgress;
    TNotifyEvent OnPaintStart, OnFramePaint, OnFramePainted, OnLoopRestart, OnPaintEnd;

private:
    friend class TGIFPainter;
    void FreeBitmap() const;
    void StartPainter() const;
    void StretchOrTile(TCanvas& canvas, const TRect& r, const TBitmap& bitmap) const;

    std::unique_ptr<TGIFHeader> header_;
    std::unique_ptr<TGIFImageList> images_;
    mutable std::unique_ptr<TBitmap> bitmap_;
    mutable TLogPalette palette_;
    mutable bool drawing_ = false;
    mutable bool inPalette_ = false;
    mutable std::vector<std::unique_ptr<TGIFPainter>> painters_;
    mutable TGIFPainter* activePainter_ = nullptr;
};

// ---- animation painter ------------------------------------------------------------------
// Paints the frames of a picture into the picture's bitmap one after another, each
// for its delay, from a timer of the window layer; the picture's OnChange tells
// its owner to show the bitmap again after every frame.
class TGIFPainter : public TObject
{
public:
    TGIFPainter(TGifPicture* image, TGIFPaintOptions options);
    ~TGIFPainter() override;
    void Start();
    void Stop();
    // One step of the timer: the next frame (tests call it instead of waiting).
    void Tick();
    bool Finished() const { return finished_; }
    // Milliseconds until the next frame (0 while paused at speed 0 or when finished).
    int CurrentDelay() const { return delayMs_; }

    TGifPicture* Image;
    TGIFPaintOptions Options;
    int Speed;
    int ActiveFrame = -1;
    int Disposal = 0;
    int PreviousDisposal = 0;
    TNotifyEvent OnPaintStart, OnFramePaint, OnFramePainted, OnLoopRestart, OnPaintEnd;

private:
    void Fire(const TNotifyEvent& event);
    uint32_t Ground() const;
    void PaintFrame();
    void RestoreBackground(TBitmap& target, const TGIFSubImage& frame);
    void Schedule(int delayUnits);
    void EndPass();
    void Finish();

    std::unique_ptr<TTimer> timer_;
    std::unique_ptr<TBitmap> buffer_, previous_, background_;
    TColor backgroundColor_ = clWhite;
    int loops_ = 1;
    int loopStart_ = 0;
    bool loopSeen_ = false;
    bool started_ = false;
    bool finished_ = false;
    int delayMs_ = 0;
};

// Registers ".gif" with TPicture ("GIF Image"). Call once at start-up.
void RegisterGifFormat();
