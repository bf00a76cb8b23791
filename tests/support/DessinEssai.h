// Shared set-up of the window tests: the program's data folder (the sources'
// data unless BZ_DATA_DIR says otherwise), the French texts, and the skin module
// with the blue design.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "model/LectureParametre.h"
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

// The championship templates of the four sports, read once from the data
// folder as the main window reads them, the given sport's made current.
inline void ModelesSports(int sport)
{
    if (!LectureParamMulti()) {
        InstalleLectureParamMulti(std::make_unique<TLectureParamMulti>());
        const char* const noms[4] = {"Championnatfoot.fr", "Championnatrugby.fr", "Championnatbasket.fr",
                                     "Championnathand.fr"};
        for (int s = 0; s < 4; ++s)
            LectureParamMulti()->ChargeParam(MakePath(DossierDonnees(), std::string("config/") + noms[s]), s);
    }
    LectureParamMulti()->SetSport(sport);
}

}  // namespace dessin_essai
