// Shared set-up of the record window tests: a temporary folder per test,
// small pictures, a stand-in GIF format, and the texts and skin module.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "codecs/PngPicture.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/gui/GuiKit.h"

namespace fiches_essai {

// A fresh folder of this test process, removed at the end.
class Dossier
{
public:
    Dossier()
    {
        static std::atomic<int> n{0};
        path_ = kit::TempDir() + "fiches" + IntToStr(++n);
        ForceDirectories(path_);
    }
    ~Dossier() { Efface(path_); }
    const std::string& Path() const { return path_; }
    std::string Chemin(const std::string& nom) const { return path_ + "/" + nom; }

private:
    static void Efface(const std::string& d)
    {
        for (const TSearchRec& r : ListFiles(d, "*", true))
        {
            if (r.Directory)
                Efface(d + "/" + r.Name);
            else
                DeleteFile(d + "/" + r.Name);
        }
        RemoveDir(d);
    }
    std::string path_;
};

inline TBitmap Bitmap(int w, int h, uint32_t argb)
{
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = argb ^ static_cast<uint32_t>((x * 16) & 0x3F);
    return b;
}

// A square PNG of one colour (alpha kept).
inline std::unique_ptr<TPngPicture> Carre(int cote, uint32_t argb)
{
    auto p = std::make_unique<TPngPicture>();
    p->Assign(Bitmap(cote, cote, argb));
    return p;
}

inline std::unique_ptr<TJPEGImage> Photo(int w, int h)
{
    auto p = std::make_unique<TJPEGImage>();
    TBitmap b = Bitmap(w, h, 0xFF3060C0);
    b.SetPixelFormat(pf24bit);
    p->Assign(b);
    return p;
}

// A picture format registered by a test: any file reads as a 3 x 3 picture.
class TGifEssai : public TGraphic
{
public:
    int Width() const override { return b_.Width(); }
    int Height() const override { return b_.Height(); }
    void LoadFromStream(TStream&) override { b_.Assign(Bitmap(3, 3, 0xFF00FF00)); }
    void SaveToStream(TStream&) const override {}
    void AssignTo(TBitmap& dest) const override { dest.Assign(b_); }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGifEssai>(*this); }
    void Draw(TCanvas& canvas, const TRect& r) const override { b_.Draw(canvas, r); }
    std::string ClassName() const override { return "TGifEssai"; }

private:
    TBitmap b_;
};

// The texts and skin module, once.
inline void Prepare()
{
    dessin_essai::Module();
}

}  // namespace fiches_essai
