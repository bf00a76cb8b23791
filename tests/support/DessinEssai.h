// Shared set-up of the window tests: the program's data folder (the sources'
// data unless BZ_DATA_DIR says otherwise), the French texts, and the skin module
// with the blue design.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "ui/ChoixDesign.h"
#include "ui/Dessin.h"

namespace dessin_essai {

inline std::string DossierDonnees()
{
    if (const char* d = std::getenv("BZ_DATA_DIR"); d && *d)
        return IncludeTrailingPathDelimiter(d);
    return IncludeTrailingPathDelimiter(std::string(BZ_SOURCE_DIR) + "/data");
}

// The skin module of the tests (created once, blue design and French texts).
inline TDessin* Module()
{
    static TDessin* dessin = [] {
        if (!Traducteur())
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
        auto* d = new TDessin(nullptr, DossierDonnees());
        Tf_ChoixDesign::ChargeDesign(DossierDonnees(), 1, d->Couleurs);
        return d;
    }();
    return dessin;
}

}  // namespace dessin_essai
