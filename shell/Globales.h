// Program-wide values of the shell: the program folder every data path starts
// from, the open season file and its modified state.
#pragma once

#include <string>

// The folder of the program's data (texte\, config\, help\...), with a trailing
// separator: the executable's folder unless the program (or a test) set another.
const std::string& RepertoireProgramme();
void SetRepertoireProgramme(const std::string& dossier);

// The folder where the program writes its settings and reports: the program
// folder when it is writable, else the user's configuration folder
// ($XDG_CONFIG_HOME/brivantel/, or ~/.config/brivantel/), created on demand
// (WritableDir(), which a test process may have given a folder of its own,
// unless the program folder was set).
std::string RepertoireEcriture();

// The open season file, empty when none.
extern std::string NomFichierCourant;

// Modified state of the open season: 0 saved or just opened, 1 modified,
// 99 new season without a file name, 255 nothing to save.
extern int ModifSaison;

// Product strings.
inline constexpr const char* TitreProduit = "Brivantel Zelvor";
inline constexpr const char* NomCourtProduit = "Brivantel";
inline constexpr const char* VersionProduit = "1.03";
