#include "records/w_ChoixArbitres.h"

#include <algorithm>

#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/TreeViewCombo.h"

namespace {

constexpr int Largeur = 400;

// The first sibling whose text is not smaller than the text, or nullptr.
TTreeNode* PremierNonInferieur(TTreeNode* premier, const std::string& texte)
{
    for (TTreeNode* n = premier; n; n = n->getNextSibling())
        if (!(n->Text() < texte))
            return n;
    return nullptr;
}

}  // namespace

TChoixCompetitionForm::TChoixCompetitionForm(TComponent* AOwner, const std::string& nom, int titre, int texteCase)
    : TBrivantelForm(AOwner)
{
    SetName(nom);
    SetCaption(Traduire(titre));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(Largeur);
    SetClientHeight(440);

    FondCopie1 = new TFondCopie(this);
    FondCopie1->SetName("FondCopie1");
    FondCopie1->SetBounds(8, 8, Largeur - 16, 380);
    if (Dessin)
        FondCopie1->SetModele(Dessin->FondCarrebleuSimple);
    FondCopie1->SetParent(this);

    tvc_Liste = new TTreeViewCombo(this);
    tvc_Liste->SetName("tvc_Liste");
    tvc_Liste->SetBounds(10, 10, Largeur - 36, 330);
    tvc_Liste->SetParent(FondCopie1);

    cb_AffichePays = new TCarreCoche(this);
    cb_AffichePays->SetName("cb_AffichePays");
    cb_AffichePays->SetCaption(Traduire(texteCase));
    cb_AffichePays->Font().SetStyle(fsBold);
    cb_AffichePays->Font().SetColor(clWhite);
    cb_AffichePays->SetBounds(10, 348, Largeur - 36, 20);
    cb_AffichePays->SetParent(FondCopie1);
    cb_AffichePays->OnClick = [this](TObject*) { RemplitArbre(ListeCoches()); };

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetName("b_Valider");
    b_Annuler = new TBoutonCopie(this);
    b_Annuler->SetName("b_Annuler");
    int x = Largeur / 2 - 104;
    for (TBoutonCopie* b : {b_Valider, b_Annuler}) {
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        b->Font().SetStyle(fsBold);
        b->SetBounds(x, 398, 96, 31);
        b->SetParent(this);
        x += 112;
    }
    b_Valider->SetCaption(Traduire(29));
    b_Valider->OnClick = [this](TObject*) {
        if (Liste)
            *Liste = ListeCoches();
        SetModalResult(mrOk);
    };
    b_Annuler->SetCaption(Traduire(125));
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    OnShow = [this](TObject*) { RemplitArbre(Liste ? *Liste : std::vector<int32_t>()); };
}

void TChoixCompetitionForm::RemplitArbre(const std::vector<int32_t>& ids)
{
    TTreeNodes& items = tvc_Liste->Items();
    items.BeginUpdate();
    items.Clear();
    groupe_ = cb_AffichePays->Checked();
    for (const TEntree& e : Entrees(groupe_)) {
        TTreeNode* parent = nullptr;
        if (groupe_) {
            const std::string pays = e.Pays.empty() ? "Autres pays" : e.Pays;
            TTreeNode* n = PremierNonInferieur(items.GetFirstNode(), pays);
            if (!n)
                parent = items.Add(nullptr, pays);
            else if (n->Text() != pays)
                parent = items.Insert(n, pays);
            else
                parent = n;
            if (parent != n)
                parent->SetStateIndex(1);
        }
        TTreeNode* premier = parent ? parent->getFirstChild() : items.GetFirstNode();
        TTreeNode* avant = PremierNonInferieur(premier, e.Libelle);
        TTreeNode* n = avant ? items.InsertObject(avant, e.Libelle, e.Id)
                             : items.AddChildObject(parent, e.Libelle, e.Id);
        n->SetStateIndex(1);
        if (std::find(ids.begin(), ids.end(), e.Id) != ids.end())
            Coche(n);
    }
    tvc_Liste->FullExpand();
    items.EndUpdate();
}

std::vector<int32_t> TChoixCompetitionForm::ListeCoches() const
{
    std::vector<int32_t> l;
    const int niveau = groupe_ ? 1 : 0;
    for (TTreeNode* n = tvc_Liste->Items().GetFirstNode(); n; n = n->GetNext())
        if (n->Level() == niveau && n->StateIndex() == 2)
            l.push_back(static_cast<int32_t>(n->Data));
    return l;
}

// ---- referees -----------------------------------------------------------------------------

Tf_ChoixArbitres::Tf_ChoixArbitres(TComponent* AOwner)
    : TChoixCompetitionForm(AOwner, "f_ChoixArbitres", 1644, 1643)
{
    DoCreate();
}

std::vector<TChoixCompetitionForm::TEntree> Tf_ChoixArbitres::Entrees(bool parPays) const
{
    std::vector<TEntree> v;
    if (!Saison)
        return v;
    const TPersonnels& a = Saison->Arbitres();
    for (int i = 0; i < a.NbPersonnel(); ++i) {
        const TPersonnel* p = a.Personnel(i);
        v.push_back({p->Numero, parPays ? p->NomComplet() : p->NomAffiche(&Saison->Pays(), true),
                     p->NomPays(&Saison->Pays())});
    }
    return v;
}

void Tf_ChoixArbitres::Coche(TTreeNode* n) { tvc_Liste->ChangeEtatNoeud(n, -1); }

// ---- stadiums ------------------------------------------------------------------------------

Tf_ChoixStades::Tf_ChoixStades(TComponent* AOwner) : TChoixCompetitionForm(AOwner, "f_ChoixStades", 1647, 1646)
{
    DoCreate();
}

std::vector<TChoixCompetitionForm::TEntree> Tf_ChoixStades::Entrees(bool parPays) const
{
    std::vector<TEntree> v;
    if (!Saison)
        return v;
    TStades& s = Saison->Stades();
    for (int i = 0; i < s.NbStade(); ++i) {
        const TStade* st = s.Stade(i);
        const std::string pays = st->NomPays(&Saison->Pays());
        v.push_back({st->Code, parPays || pays.empty() ? st->NomStade : st->NomStade + "(" + pays + ")", pays});
    }
    return v;
}

void Tf_ChoixStades::Coche(TTreeNode* n) { n->SetStateIndex(2); }
