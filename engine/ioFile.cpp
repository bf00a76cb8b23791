#include "engine/ioFile.h"

#include <cstring>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"

TLecteurFichier::TLecteurFichier(const std::string& nomFichier)
{
    fichier_ = std::fopen(ToNativePath(nomFichier).c_str(), "rb");
    if (!fichier_)
        throw EInOutError("I/O error: cannot open " + nomFichier);
    Remplit(0);
}

TLecteurFichier::~TLecteurFichier()
{
    if (fichier_)
        std::fclose(fichier_);
}

int TLecteurFichier::Remplit(int k)
{
    if (k < 0)
        k = 0;
    if (k > nombre_)
        k = nombre_;
    if (k > 0)
        std::memmove(tampon_, tampon_ + (nombre_ - k), static_cast<size_t>(k));
    size_t lus = 0;
    if (fichier_)
        lus = std::fread(tampon_ + k, 1, static_cast<size_t>(TailleTampon - k), fichier_);
    nombre_ = k + static_cast<int32_t>(lus);
    position_ = 0;
    return nombre_;
}

uint8_t TLecteurFichier::LitOctet()
{
    if (position_ >= nombre_) {
        if (fin_ || Remplit(0) == 0) {
            fin_ = true;
            nombre_ = 0;
            position_ = 0;
            return 0;
        }
    }
    return tampon_[position_++];
}
