#include "results/Resultats.h"

#include "results/PagesMatch.h"
#include "results/Saisie.h"
#include "results/w_FicheMatch.h"
#include "results/w_Resultats.h"
#include "results/w_VuesResultats.h"
#include "ui/GestionFonction.h"
#include "views/LiensResultats.h"

void EnregistreResultats()
{
    // Each window sets its own links, so the registrations do not undo each other.
    LiensResultatsEnregistres().LibelleJournee = [](TSaison* saison) {
        return saison ? LibelleJournee(*saison) : std::string();
    };
    LiensResultatsEnregistres().LibelleJourneeNumero = [](TSaison* saison, int n) {
        return saison ? LibelleJournee(*saison, n) : std::string();
    };
    EnregistreFichesResultats();
    EnregistrePagesMatch();
    static bool fonctions = false;
    if (fonctions)
        return;
    fonctions = true;
    const TClasseVue resultats{"Tf_Resultats", [](TComponent* o) -> TForm* { return new Tf_Resultats(o); }};
    GestionFonctions().Ajoute("Score", resultats, 0);
    GestionFonctions().Ajoute("RapportMatch", resultats, 4);
    GestionFonctions().Ajoute("Recapitulatif", {"Tf_recap", [](TComponent* o) -> TForm* { return new Tf_recap(o); }}, 1);
}
