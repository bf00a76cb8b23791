// Launchers of the people, clubs and venues windows.
#include "records/w_Blasons.h"
#include "records/w_ModifierEquipe.h"
#include "shell/w_Principale.h"

#include "model/Saison.h"

void Tf_Principale::ModifieLogos()
{
    if (!Saison)
        return;
    FermeFenetreEnfant();
    TOwned<Tf_ModifierLogo> f(new Tf_ModifierLogo(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (f->Modifie)
        SignaleModification();
}

void Tf_Principale::ModifieEquipes()
{
    if (!Saison)
        return;
    FermeFenetreEnfant();
    TOwned<Tf_ModifierEquipe> f(new Tf_ModifierEquipe(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (f->Modifie)
        SignaleModification();
}
