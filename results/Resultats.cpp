#include "results/Resultats.h"

#include "results/Saisie.h"
#include "views/LiensResultats.h"

void EnregistreResultats()
{
    TLiensResultats liens;
    liens.LibelleJournee = [](TSaison* saison) { return saison ? LibelleJournee(*saison) : std::string(); };
    EnregistreLiensResultats(std::move(liens));
}
