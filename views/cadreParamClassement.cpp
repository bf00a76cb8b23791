#include "views/cadreParamClassement.h"

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using vues::Texte;

TParamClassement::TParamClassement(TComponent* AOwner) : TPanel(AOwner)
{
    SetName("CadreParam");
    SetBevelOuter(bvNone);
    SetCaption("");
    SetAlign(alBottom);
    SetHeight(34);
    SetColor(0x6F3000);

    FondCadre = new TFondCopie(this);
    FondCadre->SetName("FondCadre");
    if (Dessin)
        FondCadre->SetModele(Dessin->Fond("FondCarrebleuSimple"));
    FondCadre->SetAlign(alClient);
    FondCadre->SetParent(this);

    Label2 = new TLabel(this);
    Label2->SetName("Label2");
    Label2->SetCaption(Texte(1640, L1("Utiliser les données:")));
    Label2->SetBounds(8, 10, 150, 16);
    Label2->SetParent(FondCadre);

    cb_Champ = new TComboBox(this);
    cb_Champ->SetName("cb_Champ");
    cb_Champ->SetStyle(csDropDownList);
    cb_Champ->SetBounds(160, 6, 190, 22);
    cb_Champ->OnChange = [this](TObject* s) { cb_ChampChange(s); };
    cb_Champ->SetParent(FondCadre);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetCaption(Texte(1641, "Tranche"));
    Label1->SetBounds(7, 10, 56, 16);
    Label1->SetAutoSize(false);
    Label1->SetParent(FondCadre);

    cb_Tranche = new TComboBox(this);
    cb_Tranche->SetName("cb_Tranche");
    cb_Tranche->SetStyle(csDropDownList);
    cb_Tranche->SetBounds(64, 6, 160, 22);
    cb_Tranche->OnChange = [this](TObject* s) { cb_TrancheChange(s); };
    cb_Tranche->SetParent(FondCadre);

    for (TLabel* l : {Label1, Label2}) {
        l->SetTransparent(true);
        l->Font().SetStyle(fsBold);
        l->Font().SetColor(clWhite);
        l->SetVisible(false);
    }
    cb_Champ->SetVisible(false);
    cb_Tranche->SetVisible(false);
    SetVisible(false);
}

TParamClassement::~TParamClassement() = default;

TDonneesChampionnat* TParamClassement::Courant() const
{
    return saison_ ? saison_->ChampionnatCourant() : nullptr;
}

void TParamClassement::Init(TColor couleurTexte, TSaison* saison, bool afficheDonnees, bool afficheTranches)
{
    saison_ = saison;
    Label1->Font().SetColor(couleurTexte);
    Label2->Font().SetColor(couleurTexte);
    TDonneesChampionnat* c = Courant();

    // bands
    if (afficheTranches && c && c->NbTranches() >= 1) {
        if (!Label1->Visible()) {
            Label1->SetVisible(true);
            cb_Tranche->SetVisible(true);
            cb_Tranche->Items().Clear();
            cb_Tranche->Items().AddObject(Texte(432, "Toute la saison"), 0);
            for (int i = 0; i < c->NbTranches(); ++i) {
                int a = 0, b = 0;
                c->Tranche(i, a, b);
                cb_Tranche->Items().AddObject(TraduireFormat(1642, {IntToStr(a) + "-" + IntToStr(b)}), i + 1);
            }
            cb_Tranche->SetItemIndex(0);
            premiere_ = derniere_ = 0;
        }
    } else {
        Label1->SetVisible(false);
        cb_Tranche->SetVisible(false);
        premiere_ = derniere_ = 0;
    }

    // data of the wider nodes
    if (afficheDonnees) {
        if (!cb_Champ->Visible()) {
            cb_Champ->Items().Clear();
            TDescNoeud* noeud = c && saison ? saison->Arbre().NoeudParCode(c->CodeChamp, true) : nullptr;
            if (noeud) {
                cb_Champ->Items().AddObject(noeud->NomAffiche(), 0);
                TDescNoeud* p = noeud->Parent();
                if (p && p->NbEnfant() > 1)
                    cb_Champ->Items().AddObject(p->NomAffiche(), reinterpret_cast<TStrings::Object>(p));
                TDescNoeud* g = p ? p->Parent() : nullptr;
                if (g && g->NbEnfant() > 1)
                    cb_Champ->Items().AddObject(g->NomAffiche(), reinterpret_cast<TStrings::Object>(g));
            }
        }
        Label1->SetLeft(359);
        cb_Tranche->SetLeft(416);
        Label2->SetVisible(true);
        cb_Champ->SetVisible(true);
        if (indexDonnees_ < cb_Champ->Items().Count())
            cb_Champ->SetItemIndex(indexDonnees_);
    } else {
        Label1->SetLeft(7);
        cb_Tranche->SetLeft(64);
        Label2->SetVisible(false);
        cb_Champ->SetVisible(false);
    }
    OffreTranches();
    SetVisible(Label1->Visible() || Label2->Visible());
}

void TParamClassement::TranchesChampionnatSeul(bool seul)
{
    tranchesSeul_ = seul;
    OffreTranches();
}

void TParamClassement::OffreTranches()
{
    const bool aucune = tranchesSeul_ && choisie_;
    if (aucune) {
        premiere_ = derniere_ = 0;
        if (cb_Tranche->Items().Count() > 0)
            cb_Tranche->SetItemIndex(0);
    }
    cb_Tranche->SetEnabled(!aucune);
}

void TParamClassement::cb_ChampChange(TObject*)
{
    indexDonnees_ = cb_Champ->ItemIndex();
    choisie_.reset();
    if (auto* noeud = indexDonnees_ >= 0 ? cb_Champ->Items().ObjectPtr<TDescNoeud>(indexDonnees_) : nullptr)
        choisie_ = std::make_unique<std::vector<TDonneesChampionnat*>>(noeud->ListeChampionnats());
    OffreTranches();
}

void TParamClassement::cb_TrancheChange(TObject*)
{
    const int i = cb_Tranche->ItemIndex();
    const int n = i >= 0 ? static_cast<int>(cb_Tranche->Items().Objects(i)) : 0;
    premiere_ = derniere_ = 0;
    if (n != 0)
        if (TDonneesChampionnat* c = Courant())
            c->Tranche(n - 1, premiere_, derniere_);
    OffreTranches();
}

void TParamClassement::ChoisitTranche(int premiere, int derniere)
{
    premiere_ = premiere & 0xFFFF;
    derniere_ = derniere & 0xFFFF;
    OffreTranches();
}

void TParamClassement::OublieDonnees()
{
    if (choisie_) {
        choisie_.reset();
        indexDonnees_ = 0;
    }
    OffreTranches();
}

int TParamClassement::PremiereJournee() const
{
    return premiere_ == 0 ? 1 : premiere_;
}

int TParamClassement::DerniereJournee() const
{
    if (premiere_ != 0)
        return derniere_;
    TDonneesChampionnat* c = Courant();
    return c ? c->NbJournee : 0;
}

const std::vector<TDonneesChampionnat*>& TParamClassement::ListeChampionnats()
{
    if (choisie_)
        return *choisie_;
    if (!seul_)
        seul_ = std::make_unique<std::vector<TDonneesChampionnat*>>();
    seul_->clear();
    if (TDonneesChampionnat* c = Courant())
        seul_->push_back(c);
    return *seul_;
}
