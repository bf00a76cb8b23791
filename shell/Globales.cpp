#include "shell/Globales.h"

#include "platform/rtl/Files.h"

std::string NomFichierCourant;
int ModifSaison = 0;

namespace {
std::string& Dossier()
{
    static std::string dossier = ProgramDir();
    return dossier;
}
bool donne = false;   // another folder than the executable's
}  // namespace

const std::string& RepertoireProgramme() { return Dossier(); }

void SetRepertoireProgramme(const std::string& dossier)
{
    Dossier() = IncludeTrailingPathDelimiter(dossier);
    donne = true;
}

std::string RepertoireEcriture() { return donne ? WritableDir(RepertoireProgramme()) : WritableDir(); }
