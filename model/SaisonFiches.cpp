#include "model/SaisonFiches.h"

namespace {

TNomFichierImage& Magasin()
{
    static TNomFichierImage f;
    return f;
}

} // namespace

void InstalleNomFichierImage(TNomFichierImage f)
{
    Magasin() = std::move(f);
}

std::string NomFichierImage(int genre, int32_t numero)
{
    const auto& f = Magasin();
    return f ? f(genre, numero) : std::string();
}
