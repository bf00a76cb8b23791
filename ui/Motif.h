// Nine-patch painting of the skins: a picture with fixed margins is laid over a
// rectangle of any size. Corners keep their size, edges and centre repeat whole
// tiles, and the last row and column take what remains from the picture's right
// and bottom; pieces are copied one by one. Without margins the picture is
// tiled whole.
#pragma once

#include "platform/gui/Graphics.h"

#include <cstdint>
#include <functional>
#include <vector>

class TBitmap;

// The fixed borders of a nine-patch picture (all 0: tiled whole).
class TMarge
{
public:
    uint16_t Left() const { return left_; }
    uint16_t Top() const { return top_; }
    uint16_t Right() const { return right_; }
    uint16_t Bottom() const { return bottom_; }
    void SetLeft(uint16_t v) { Set(left_, v); }
    void SetTop(uint16_t v) { Set(top_, v); }
    void SetRight(uint16_t v) { Set(right_, v); }
    void SetBottom(uint16_t v) { Set(bottom_, v); }
    void SetMarges(uint16_t l, uint16_t t, uint16_t r, uint16_t b);
    bool Vide() const { return left_ == 0 && top_ == 0 && right_ == 0 && bottom_ == 0; }
    // Called whenever a value actually changes.
    std::function<void(TMarge&)> OnChange;

private:
    void Set(uint16_t& champ, uint16_t v);
    uint16_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// One copy of the plan: a rectangle of the picture and where it goes (same size).
struct TPieceMotif
{
    TRect Source;
    TRect Dest;
    bool operator==(const TPieceMotif&) const = default;
};

// The copies that paint a sw x sh picture with margins (l, t, r, b) into dest,
// in painting order (later pieces cover earlier ones). Pieces may reach past
// dest: the painter clips. A picture whose margins leave no centre column (or
// row) gets its corners and bands only, without repeats in that direction.
std::vector<TPieceMotif> PlanMotif(int sw, int sh, int l, int t, int r, int b, const TRect& dest);

// Paints the plan of the picture into dest on the canvas, clipped to dest,
// honouring the picture's alpha. Nothing for an empty picture.
void PeintMotif(TCanvas& canvas, const TBitmap& image, const TMarge& marge, const TRect& dest);

// Loads a picture file (PNG through the program's codec, or any registered
// format) into a 32-bit bitmap, alpha kept. False, and the bitmap untouched,
// when the file is missing or unreadable.
bool ChargeImageBitmap(const std::string& fichier, TBitmap& bitmap);
