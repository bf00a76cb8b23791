#include "setup/w_CompetitionInfo.h"

#include <functional>

#include "model/DescTree.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "platform/gui/ComCtrls.h"
#include "records/w_ChoixArbitres.h"
#include "setup/Controles.h"

using namespace setup;

Tf_CompetitionInfo::Tf_CompetitionInfo(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_CompetitionInfo", Traduire(1645), 620, 420);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 604, 362);
    Libelle(this, FondCopie1, "Label1", Traduire(1320), 10, 6, 280);
    tv_Saison = Place(new TTreeView(this), FondCopie1, "tv_Saison", 10, 26, 280, 326);
    tv_Saison->HideSelection = false;
    tv_Saison->OnChange = [this](TObject*, TTreeNode*) { AfficheListes(); };
    Libelle(this, FondCopie1, "Label3", Traduire(937), 300, 6, 290);
    lb_Arbitres = Place(new TListBox(this), FondCopie1, "lb_Arbitres", 300, 26, 294, 120);
    bc_ModifierArbitres = Bouton(this, FondCopie1, "bc_ModifierArbitres", Traduire(1321), 300, 150, 200, 28);
    bc_ModifierArbitres->OnClick = [this](TObject*) { Modifier(0); };
    Libelle(this, FondCopie1, "Label4", Traduire(1008), 300, 186, 290);
    lb_Stades = Place(new TListBox(this), FondCopie1, "lb_Stades", 300, 206, 294, 112);
    bc_ModifierStades = Bouton(this, FondCopie1, "bc_ModifierStades", Traduire(1322), 300, 322, 200, 28);
    bc_ModifierStades->OnClick = [this](TObject*) { Modifier(1); };
    bc_Continuer = Bouton(this, this, "bc_Continuer", Traduire(27), 262, 380);
    bc_Continuer->ModalResult = mrOk;
    bc_Continuer->Cancel = true;
    OnShow = [this](TObject*) {
        if (!rempli_)
            Remplit();
    };
    DoCreate();
}

void Tf_CompetitionInfo::Remplit()
{
    rempli_ = true;
    Modifie = false;
    tv_Saison->Items().Clear();
    if (!Saison)
        return;
    std::function<void(const TDescNoeud&, TTreeNode*)> copie = [&](const TDescNoeud& d, TTreeNode* parent) {
        for (int i = 0; i < d.NbEnfant(); ++i) {
            TDescNoeud* e = d.Enfant(i);
            TTreeNode* n = tv_Saison->Items().AddChildObject(parent, e->NomAffiche(), reinterpret_cast<intptr_t>(e));
            copie(*e, n);
        }
    };
    copie(Saison->Arbre().Racine(), nullptr);
    tv_Saison->FullExpand();
}

TDescNoeud* Tf_CompetitionInfo::NoeudCourant() const
{
    TTreeNode* n = tv_Saison->Selected();
    return n ? n->DataPtr<TDescNoeud>() : nullptr;
}

void Tf_CompetitionInfo::AfficheListes()
{
    lb_Arbitres->Items().Clear();
    lb_Stades->Items().Clear();
    const TDescNoeud* n = NoeudCourant();
    const TDonneesCompetition* d = n ? n->DonneesCompetition() : nullptr;
    if (!d || !Saison)
        return;
    for (int32_t a : d->Arbitres)
        if (const TPersonnel* p = Saison->Arbitres().ChercheNumero(a))
            lb_Arbitres->Items().Add(p->NomAffiche(&Saison->Pays(), true));
    for (int32_t s : d->Stades)
        if (const TStade* st = Saison->Stades().ChercheStade(s))
            lb_Stades->Items().Add(st->NomStade + " (" + st->Ville + " - " + st->NomPays(&Saison->Pays()) + ")");
}

void Tf_CompetitionInfo::Modifier(int genre)
{
    TDescNoeud* n = NoeudCourant();
    if (!n || !Saison)
        return;
    TDonneesCompetition* d = n->DonneesCompetition();
    std::vector<int32_t> liste = d ? (genre == 0 ? d->Arbitres : d->Stades) : std::vector<int32_t>();
    TOwned<TChoixCompetitionForm> f(genre == 0 ? static_cast<TChoixCompetitionForm*>(new Tf_ChoixArbitres(this))
                                               : new Tf_ChoixStades(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    f->Liste = &liste;
    if (f->ShowModal() != mrOk)
        return;
    if (!d)
        d = n->CreeDonneesCompetition();
    (genre == 0 ? d->Arbitres : d->Stades) = liste;
    AfficheListes();
    Modifie = true;
}
