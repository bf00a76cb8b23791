// TPngPicture: the program's PNG pictures (crests, logos, charts written beside
// HTML pages), a TGraphic of the picture framework over the PNG codec core
// (PngImage.h: chunks, image data, transparency, pixels).
//
//   RegisterPngFormat();                       // once at start-up: ".png" opens as TPngPicture
//   TPngPicture png; png.LoadFromFile(name);   // EPngError subclasses on a bad file
//   png.SetTransparentColor(png.Pixels(0, 0)); // no-op for pictures with an alpha channel
//   canvas.StretchDraw(rect, png);             // alpha / transparent colour honoured
//   TPngPicture chart; chart.Assign(bitmap); chart.SaveToFile(name);
#pragma once

#include "codecs/PngImage.h"
#include "platform/gui/Pictures.h"

class TPngPicture : public TGraphic, public TPngImage
{
public:
    TPngPicture() = default;
    TPngPicture(const TPngPicture& other);

    int Width() const override { return TPngImage::Width(); }
    int Height() const override { return TPngImage::Height(); }
    bool Empty() const override { return TPngImage::Empty(); }
    // True when the picture has an alpha channel, per-entry alpha or a transparent colour.
    bool Transparent() const override { return TransparencyMode() != ptmNone; }

    // Raises the EPng... error of the fault; the picture is then left as it was.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    using TGraphic::LoadFromFile;
    using TGraphic::SaveToFile;

    // From a TPngPicture (a copy) or a TBitmap (RGB 8 bits, or a palette picture for
    // 1-, 4- and 8-bit bitmaps; a transparent bitmap gives its transparent colour).
    // Other pictures are refused as by TGraphic.
    void Assign(const TGraphic& source) override;
    // To a bitmap of the held format; a transparent colour goes with it, per-pixel
    // alpha does not.
    void AssignTo(TBitmap& dest) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // Stretched into r, with the alpha channel, the palette's alpha values or the
    // transparent colour.
    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::string ClassName() const override { return "TPngPicture"; }

    // Setting width or height raises EPngError (assign a bitmap instead).
    void SetWidth(int width);
    void SetHeight(int height);

    TColor Pixels(int x, int y) const { return GetPixel(x, y); }
    void SetPixels(int x, int y, TColor color) { SetPixel(x, y, ColorToRGB(color)); Changed(); }
    TColor TransparentColor() const { return TPngImage::TransparentColor(); }
    // System colours are resolved. Pictures with an alpha channel keep it unchanged.
    void SetTransparentColor(TColor color);
};

// Registers ".png" with TPicture ("Portable Network Graphics"). Call once at start-up.
void RegisterPngFormat();
