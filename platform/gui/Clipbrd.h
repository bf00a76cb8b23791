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
    // The text as a box takes it pasted: a character the program's text
    // cannot hold becomes its nearest letter, as a key typed does (a
    // full-width digit its digit); lost tells whether one had none and was
    // left out.
    std::string AsTypedText(bool* lost) const;
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
