// A program folder of its own for each shell test: the data of the sources
// copied into a temporary folder, which becomes the program folder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "shell/Globales.h"
#include "shell/Parametres.h"
#include "shell/w_Principale.h"
#include "tests/support/gui/GuiKit.h"
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

// Creates the main window as the program does and lets it reach its first
// activation; the window is the application's main form meanwhile.
inline TOwned<Tf_Principale> LanceProgramme()
{
    CreeDessin();
    Application->Tag = 0;
    TOwned<Tf_Principale> f(new Tf_Principale(nullptr));
    Application->SetMainForm(f.get());
    kit::ShowForm(f.get());
    kit::WaitUntil([&] { return !f->PremiereActivation || Application->Tag != 0; });
    return f;
}

// Lets the main window go, and the application's end flag with it.
inline void TermineProgramme(TOwned<Tf_Principale>& f)
{
    Application->SetMainForm(nullptr);
    f.reset();
    Application->Tag = 0;
}

}  // namespace essai
