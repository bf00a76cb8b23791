#include "shell/Globales.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/rtl/Files.h"

std::string NomFichierCourant;
int ModifSaison = 0;

namespace {
std::string& Dossier()
{
    static std::string dossier = ProgramDir();
    return dossier;
}
}  // namespace

const std::string& RepertoireProgramme() { return Dossier(); }

void SetRepertoireProgramme(const std::string& dossier)
{
    Dossier() = IncludeTrailingPathDelimiter(dossier);
}

std::string RepertoireEcriture()
{
    const std::string& prog = RepertoireProgramme();
    if (!prog.empty() && ::access(prog.c_str(), W_OK) == 0)
        return prog;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ExcludeTrailingPathDelimiter(GetTempDir());
    const std::string dir = base + "/brivantel/";
    ForceDirectories(dir);
    return dir;
}
