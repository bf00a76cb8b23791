// Launchers of the statistics views of the main window.
#include "shell/w_Principale.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "views/w_Statistique.h"

bool Tf_Principale::LanceVues(int c, int&)
{
    if (c >= 158 && c <= 160) {
        AfficheStatistique(c - 158);
        return true;
    }
    return false;
}

void Tf_Principale::AfficheStatistique(int vue)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    auto* f = dynamic_cast<Tf_Statistique*>(Enfant);
    if (!f)
        f = ShowChild<Tf_Statistique>(true, false);
    f->Tag = vue;
    f->AfficheVue(vue);
    p_FondAffiche->SetVisible(true);
}
