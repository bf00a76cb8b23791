// The clipboard: text crosses as Windows-1252, pictures as bitmaps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
    // Data of a format of the program (named, e.g. "GIF Image"), with a bitmap of
    // the same picture beside it when one is given; empty when there is none.
    void SetFormatData(const std::string& format, const std::vector<uint8_t>& data, const TBitmap* bitmap = nullptr);
    std::vector<uint8_t> FormatData(const std::string& format) const;
    void Clear();
};

TClipboard* Clipboard();
