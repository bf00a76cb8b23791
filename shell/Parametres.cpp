#include "shell/Parametres.h"

#include "platform/rtl/Files.h"
#include "shell/Globales.h"

std::string CheminParametres()
{
    return MakePath(RepertoireEcriture(), NomFichierParametres);
}
