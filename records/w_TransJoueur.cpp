#include "records/w_TransJoueur.h"

#include "model/Saison.h"
#include "platform/gui/StdCtrls.h"
#include "records/Controles.h"
#include "ui/Bouton.h"

using namespace ctrl;

Tf_TransJoueur::Tf_TransJoueur(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_TransJoueur", false, 330, 120);
    SetCaption(Texte(991, "Transferer le joueur"));
    Label20 = Etiquette(this, this, "Label20", 12, 12, 994);
    if (Label20->Caption().empty())
        Label20->SetCaption("Transferer le joueur vers le club de :");
    // A drop-down list: the player goes to a team of the season, chosen.
    cb_Club = Combo98(this, this, "cb_Club", 12, 36, 306);
    cb_Club->SetStyle(csDropDownList);
    b_Valider = Bouton(this, this, "b_Valider", 44, 78, 110, 29, mrOk);
    b_Annuler = Bouton(this, this, "b_Annuler", 176, 78, 110, 125, mrCancel);
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_TransJoueur::FormShow(TObject*)
{
    cb_Club->Items().Clear();
    for (int i = 0; Saison && i < Saison->NbEquipe(); ++i)
        cb_Club->Items().AddObject(Saison->NomEquipeIndex(i), Saison->IdEquipe(i));
}

int Tf_TransJoueur::EquipeChoisie() const
{
    const int i = cb_Club->ItemIndex();
    return i >= 0 && i < cb_Club->Items().Count() ? static_cast<int>(cb_Club->Items().Objects(i)) : -1;
}
