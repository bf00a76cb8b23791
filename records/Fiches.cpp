#include "records/Fiches.h"

#include "files/TraiteurFichier.h"
#include "platform/rtl/Files.h"
#include "records/Blasons.h"
#include "records/ImageManager.h"
#include "records/w_Arbitres.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheJoueur.h"

void CreeCataloguesImages(const std::string& dossierProgramme, const std::string& dossierEcriture)
{
    const std::string livres = MakePath(IncludeTrailingPathDelimiter(dossierProgramme), "blasons/");
    const std::string blasons = MakePath(IncludeTrailingPathDelimiter(dossierEcriture), "blasons/");
    if (ExpandFileName(livres) != ExpandFileName(blasons) && !DirectoryExists(blasons) && DirectoryExists(livres))
        TTraiteurFichier::CopieDossier(livres, blasons);
    InstalleBlasons(std::make_unique<TBlasons>(dossierEcriture));
    InstalleImageManager(std::make_unique<TImageManager>(MakePath(IncludeTrailingPathDelimiter(dossierEcriture), "pict")));
}

void EnregistreFiches()
{
    EnregistreFichesJoueur();
    EnregistreEffectifs();
    EnregistreListesPersonnes();
}
