#include "views/w_ChoixHistorique.h"

#include "engine/historique.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/LargeurListe.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"

using vues::Texte;

std::string NomDivisionHistorique(int32_t code, const TSaison* saison)
{
    const TLectureParamMulti* l = LectureParamMulti();
    const TLectureParam* p = l ? l->ParamCourant() : nullptr;
    std::string nom = p ? p->NomCompletDivision(code) : std::string();
    if (!nom.empty() && nom != DeuxPoints("", ""))
        return nom;
    // a championship of the season made by hand: its own name
    if (saison)
        for (const TDonneesChampionnat* c : saison->Arbre().ListeChampionnats())
            if (c->CodeDivision() == code)
                if (const TDescNoeud* n = saison->Arbre().NoeudParCode(c->CodeChamp, true);
                    n && !n->NomAffiche().empty())
                    return n->NomAffiche();
    // The history keeps no name of its own: without the season, one made by
    // hand is named by its number among those, another by its code.
    return code > 1000 ? TraduireFormat(5660, {code - 1000}) : TraduireFormat(5661, {code});
}

Tf_ChoixHistorique::Tf_ChoixHistorique(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ChoixHistorique");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(201);
    SetClientHeight(262);

    lb_Choix = new TListBox(this);
    lb_Choix->SetName("lb_Choix");
    lb_Choix->SetBounds(8, 8, 185, 200);
    lb_Choix->SetParent(this);
    bc_Choisir = BoutonDialogue(this, this, "bc_Choisir", 8, 220, 90);
    bc_Annuler = BoutonDialogue(this, this, "bc_Annuler", 103, 220, 90);
    bc_Choisir->Default = true;
    bc_Annuler->Cancel = true;
    bc_Annuler->ModalResult = mrCancel;

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetColor(CouleurFondFonceDessin);
    Panel1->SetBounds(201, 0, 233, 262);
    Panel1->SetParent(this);
    cb_Champ = new TComboBox(this);
    cb_Champ->SetName("cb_Champ");
    cb_Champ->SetStyle(csDropDownList);
    cb_Champ->SetBounds(8, 8, 217, 22);
    cb_Champ->SetParent(Panel1);
    bc_Ajouter = BoutonDialogue(this, Panel1, "bc_Ajouter", 8, 40, 217);
    Panel1->SetVisible(false);

    SetCaption(Texte(1267, "Choix du championnat"));
    // A caption of its own: in French the text of the other choose buttons
    // reads "Ajouter", the caption of the create button beside it.
    bc_Choisir->SetCaption(Texte(3603, "Choisir"));
    bc_Annuler->SetCaption(Texte(125, "Annuler"));
    bc_Ajouter->SetCaption(Texte(932, "Ajouter"));

    bc_Choisir->OnClick = [this](TObject* s) { bc_ChoisirClick(s); };
    lb_Choix->OnDblClick = [this](TObject* s) { bc_ChoisirClick(s); };
    bc_Ajouter->OnClick = [this](TObject* s) { bc_AjouterClick(s); };
    DoCreate();
}

void Tf_ChoixHistorique::Init(TStats* stats, int32_t code, int sport, const std::string& dossier, bool ajout)
{
    stats_ = stats;
    sport_ = sport;
    dossier_ = dossier;
    choix_ = -1;
    lb_Choix->Items().Clear();
    for (int i = 0; stats && i < stats->Nombre(); ++i) {
        const TStat* s = stats->Stat(i);
        if (s->Sport != sport)
            continue;
        const int k = lb_Choix->Items().AddObject(NomDivisionHistorique(s->IdChampionnat, Saison), i);
        if (s->IdChampionnat == code)
            lb_Choix->SetItemIndex(k);
    }
    cb_Champ->Items().Clear();
    Panel1->SetVisible(ajout);
    if (!ajout) {
        Dispose();
        return;
    }
    const TLectureParamMulti* l = LectureParamMulti();
    const TLectureParam* p = l ? l->ParamCourant() : nullptr;
    int choisi = 0;
    for (int i = 0; p && i < p->NbChampionnat(); ++i) {
        const TCfgChampionnat* t = p->Championnat(i);
        for (int j = 0; j < t->NbDivision(); ++j) {
            const TDivisionParam* d = t->Division(j);
            if (d->nom.empty())
                continue;
            const int k = cb_Champ->Items().AddObject(DeuxPoints(t->Nom, d->nom) + "(" + IntToStr(d->Code) + ")", d->Code);
            if (d->Code == code)
                choisi = k;
        }
    }
    if (cb_Champ->Items().Count() > 0)
        cb_Champ->SetItemIndex(choisi);
    Dispose();
}

void Tf_ChoixHistorique::Dispose()
{
    // Every entry whole, in every language: the list and the box as wide as
    // their widest entry, the window as wide as both.
    lb_Choix->SetWidth(LargeurListe(*lb_Choix, lb_Choix->Items(), MargeListe, 185));
    const int champ = std::max(217, cb_Champ->WidthForItems());
    cb_Champ->SetWidth(champ);
    bc_Ajouter->SetWidth(champ);
    Panel1->SetBounds(lb_Choix->Left() + lb_Choix->Width() + 8, 0, champ + 16, Panel1->Height());
    SetClientWidth(Panel1->Visible() ? Panel1->Left() + Panel1->Width() : Panel1->Left());
}

int Tf_ChoixHistorique::Choix() const
{
    if (choix_ >= 0)
        return choix_;
    const int k = lb_Choix->ItemIndex();
    return k < 0 ? -1 : static_cast<int>(lb_Choix->Items().Objects(k));
}

int Tf_ChoixHistorique::Entree(int i) const { return lb_Choix->Items().IndexOfObject(i); }

void Tf_ChoixHistorique::bc_ChoisirClick(TObject*)
{
    const int k = lb_Choix->ItemIndex();
    if (k < 0)
        return;
    choix_ = static_cast<int>(lb_Choix->Items().Objects(k));
    SetModalResult(mrOk);
}

void Tf_ChoixHistorique::bc_AjouterClick(TObject*)
{
    const int k = cb_Champ->ItemIndex();
    if (!stats_ || k < 0)
        return;
    const auto code = static_cast<int32_t>(cb_Champ->Items().Objects(k));
    // A division has one history file: a second one would overwrite it on saving.
    if (TStat* s = stats_->ChercheStat(code, sport_)) {
        const int i = stats_->IndexStat(s);
        int e = Entree(i);
        if (e < 0)
            e = lb_Choix->Items().AddObject(NomDivisionHistorique(code, Saison), i);
        lb_Choix->SetItemIndex(e);
        Dispose();
        return;
    }
    const std::string dossier = MakePath(dossier_, "stats");
    ForceDirectories(dossier);
    const TStat* s = stats_->AjouteStat(dossier, code, sport_);
    lb_Choix->SetItemIndex(lb_Choix->Items().AddObject(NomDivisionHistorique(code, Saison), stats_->IndexStat(s)));
    Dispose();
}
