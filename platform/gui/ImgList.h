// Image lists: pictures of one size, by index (tree view images, state images).
#pragma once

#include "platform/gui/Classes.h"
#include "platform/gui/Graphics.h"

#include <memory>

class TBitmap;
class QImage;

class TImageList : public TComponent
{
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    void SetWidth(int w) { SetSize(w, height_); }
    void SetHeight(int h) { SetSize(width_, h); }
    int Count() const;
    // Adds a picture (cut or padded to the list's size); a transparent bitmap
    // keeps its transparent colour out. Answers its index.
    int Add(const TBitmap& image);
    // Adds with maskColor transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    void Replace(int index, const TBitmap& image);
    void Delete(int index);
    void Clear();
    // Draws picture index at (x, y) (nothing for an index out of range).
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // Copies picture index into a bitmap (32-bit, transparent pixels with alpha 0).
    bool GetBitmap(int index, TBitmap& dest) const;
    TNotifyEvent OnChange;

    // Window layer.
    const QImage* Image(int index) const;

private:
    void Changed();
    struct Impl;
    std::unique_ptr<Impl> d_;
    int width_ = 16;
    int height_ = 16;
};
