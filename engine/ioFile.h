// A file read byte by byte through a 4096-byte buffer (the history files of
// past seasons are read this way).
//
// Reading past the end of the file never reads outside the buffer: LitOctet
// then answers 0 and sets FinFichier, which the readers test to stop.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class TLecteurFichier
{
public:
    static constexpr int TailleTampon = 4096;

    // Opens the file for reading and fills the buffer; a missing or unreadable
    // file raises EInOutError.
    explicit TLecteurFichier(const std::string& nomFichier);
    ~TLecteurFichier();
    TLecteurFichier(const TLecteurFichier&) = delete;
    TLecteurFichier& operator=(const TLecteurFichier&) = delete;

    // The next byte of the file; refills the buffer when it is used up. Past
    // the end: 0, and FinFichier becomes true.
    uint8_t LitOctet();
    // Refill keeping the last k bytes of the buffer (k clipped to 0..count of
    // valid bytes): they move to its front, up to 4096 - k bytes are read behind
    // them, the read position becomes 0. Returns k plus the bytes read.
    int Remplit(int k);
    // True once a read asked for a byte past the end of the file.
    bool FinFichier() const { return fin_; }

private:
    std::FILE* fichier_ = nullptr;
    uint8_t tampon_[TailleTampon];
    int32_t position_ = 0;
    int32_t nombre_ = 0;
    bool fin_ = false;
};
