// A program folder of its own for each shell test: the data of the sources
// copied into a temporary folder, which becomes the program folder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "shell/Globales.h"
#include "shell/Parametres.h"
#include "ui/Dessin.h"

namespace essai {

inline std::string DossierDonnees()
{
    if (const char* d = std::getenv("BZ_DATA_DIR"); d && *d)
        return d;
    return std::string(BZ_SOURCE_DIR) + "/data";
}

// Copies texte/, config/, designs/, help/ and connexion.xml; answers the folder.
inline std::string PrepareProgramme(const std::string& nom, bool avecConnexion = true)
{
    namespace fs = std::filesystem;
    const fs::path dossier = fs::temp_directory_path() / ("bz_shell_" + nom + "_" + std::to_string(::getpid()));
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    const fs::path source = DossierDonnees();
    for (const char* d : {"texte", "config", "designs", "help"})
        fs::copy(source / d, dossier / d, fs::copy_options::recursive);
    if (avecConnexion)
        fs::copy(source / "connexion.xml", dossier / "connexion.xml");
    SetRepertoireProgramme(dossier.string());
    return IncludeTrailingPathDelimiter(dossier.string());
}

// The skin module of the tests, created once with the designs of the sources.
inline void CreeDessin()
{
    if (!Dessin)
        new TDessin(Application, DossierDonnees() + "/");
}

}  // namespace essai
