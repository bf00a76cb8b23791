// The clipboard: text crosses as Windows-1252, pictures as bitmaps.
#pragma once

#include <string>

class TBitmap;

class TClipboard
{
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);
    bool HasText() const;
    bool HasPicture() const;
    // Copies the clipboard's picture into a bitmap; false when there is none.
    bool GetBitmap(TBitmap& dest) const;
    void SetBitmap(const TBitmap& bitmap);
    void Clear();
};

TClipboard* Clipboard();
