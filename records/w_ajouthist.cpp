#include "records/w_ajouthist.h"

#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {

// A typed club that is an entry's name: %s the name typed, %s the entry
// (twice); the same when another entry of that name is asked about next.
constexpr int TexteQuestionClub = 6070, TexteQuestionClubSuivant = 6071;
// Entries of clubs the caller's card will add: their object.
constexpr int ObjetClubNouveau = -2;

std::string Cle(const std::string& nom) { return UpperCase(SansAccent(Trim(nom))); }

}  // namespace

Tf_ajouthist::Tf_ajouthist(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_ajouthist", true, 330, 262);
    SetCaption(Texte(1259, "Ajouter une saison"));
    auto* fond = Cadre(this, this, "FondCopie1", 6, 6, 318, 214);
    Etiquette(this, fond, "Label1", 10, 13, 10);
    e_Saison = Saisie(this, fond, "e_Saison", 130, 10, 70);
    ud_Saison = Compteur(this, fond, "ud_Saison", e_Saison, 1900, 2100);
    ud_Saison->SetPosition(2003);
    Etiquette(this, fond, "Label2", 10, 39, 176);
    cb_Actuel = Combo98(this, fond, "cb_Actuel", 130, 36, 178);
    Etiquette(this, fond, "Label3", 10, 65, 604);
    cb_Division = Liste(this, fond, "cb_Division", 130, 62, 178);
    Etiquette(this, fond, "Label4", 10, 91, 67);
    e_Matchs = Saisie(this, fond, "e_Matchs", 130, 88, 60);
    ud_Matchs = Compteur(this, fond, "ud_Matchs", e_Matchs, TChamp::HistoriqueMatch);
    Label5 = Etiquette(this, fond, "Label5", 10, 117, 68);
    e_Buts = Saisie(this, fond, "e_Buts", 130, 114, 60);
    ud_Buts = Compteur(this, fond, "ud_Buts", e_Buts, TChamp::HistoriqueBut);
    Etiquette(this, fond, "Label6", 10, 143, 1257);
    e_MatchsSel = Saisie(this, fond, "e_MatchsSel", 130, 140, 60);
    ud_MatchsSel = Compteur(this, fond, "ud_MatchsSel", e_MatchsSel, TChamp::HistoriqueMatchInter);
    Label7 = Etiquette(this, fond, "Label7", 10, 169, 1258);
    e_ButsSel = Saisie(this, fond, "e_ButsSel", 130, 166, 60);
    ud_ButsSel = Compteur(this, fond, "ud_ButsSel", e_ButsSel, TChamp::HistoriqueButInter);
    cb_InsereAutre = new TCheckBox(this);
    cb_InsereAutre->SetName("cb_InsereAutre");
    cb_InsereAutre->SetBounds(10, 192, 290, 18);
    cb_InsereAutre->Font().SetColor(clWhite);
    cb_InsereAutre->SetCaption(Texte(1636, "Ins\xE9rer une autre ann\xE9" "e"));
    cb_InsereAutre->SetParent(fond);
    bc_Choisir = Bouton(this, this, "bc_Choisir", 70, 228, 120, 1251, mrOk);
    bc_Annuler = Bouton(this, this, "bc_Annuler", 198, 228, 120, 125, mrCancel);
    bc_Choisir->Default = true;
    bc_Annuler->Cancel = true;
    bc_Choisir->OnClick = [this](TObject* s) { bc_ChoisirClick(s); };
    DoCreate();
}

void Tf_ajouthist::Init(TSaison* saison, int division)
{
    Saison = saison;
    cb_Actuel->Items().Clear();
    cb_Division->Items().Clear();
    if (!saison)
        return;
    for (int i = 0; i < saison->NbClubPrec(); ++i)
    {
        int32_t id = 0;
        std::string nom;
        saison->ClubPrecIndex(i, id, nom);
        cb_Actuel->Items().AddObject(nom, id);
    }
    TStringList divisions;
    if (const TLectureParamMulti* m = LectureParamMulti())
        if (const TLectureParam* p = m->ParamCourant())
            p->ListeDivisions(divisions);
    int choisi = 0;
    for (int i = 0; i < divisions.Count(); ++i)
    {
        const auto code = static_cast<int>(divisions.Objects(i));
        cb_Division->Items().AddObject(divisions[i], code);
        if (code == division)
            choisi = i;
    }
    if (cb_Division->Items().Count() > 0)
        cb_Division->SetItemIndex(choisi);
    const TDonneesChampionnat* c = saison->ChampionnatCourant();
    ud_Saison->SetPosition((c ? c->Option(8) : 0) + 1900);
    std::string t1, t2;
    saison->MultiSport().LibellesStatHistorique(t1, t2);
    if (!t1.empty())
        Label5->SetCaption(t1);
    if (!t2.empty())
        Label7->SetCaption(t2);
}

void Tf_ajouthist::DoShow()
{
    for (TUpDown* u : {ud_Matchs, ud_Buts, ud_MatchsSel, ud_ButsSel})
        u->SetPosition(0);
    TBrivantelForm::DoShow();
}

void Tf_ajouthist::AjouteClubNouveau(const std::string& nom)
{
    for (int i = 0; i < cb_Actuel->Items().Count(); ++i)
        if (EstClubNouveau(i) && cb_Actuel->Items()[i] == nom)
            return;
    // The box keeps what it shows.
    const std::string texte = cb_Actuel->GetText();
    const int choisi = cb_Actuel->ItemChoisi();
    const std::string montre = choisi >= 0 ? cb_Actuel->Items()[choisi] : std::string();
    const bool tape = choisi < 0;
    cb_Actuel->Items().AddObject(nom, ObjetClubNouveau);
    if (tape)
        cb_Actuel->SetText(texte);
    else
        for (int i = 0; i < cb_Actuel->Items().Count(); ++i)
            if (cb_Actuel->Items()[i] == montre)
            {
                cb_Actuel->SetItemIndex(i);
                break;
            }
}

bool Tf_ajouthist::EstClubNouveau(int index) const
{
    return index >= 0 && index < cb_Actuel->Items().Count() &&
           static_cast<int>(cb_Actuel->Items().Objects(index)) == ObjetClubNouveau;
}

void Tf_ajouthist::ProposeClub(const std::string& nom)
{
    TStrings& entrees = cb_Actuel->Items();
    int trouve = -1;
    for (int i = 0; trouve < 0 && i < entrees.Count(); ++i)
        if (entrees[i] == nom)
            trouve = i;
    for (int i = 0; trouve < 0 && !Trim(nom).empty() && i < entrees.Count(); ++i)
        if (Cle(entrees[i]) == Cle(nom))
            trouve = i;
    cb_Actuel->SetItemIndex(trouve);
    if (trouve < 0)
        cb_Actuel->SetText(nom);
}

void Tf_ajouthist::bc_ChoisirClick(TObject*)
{
    // The year and the counters as shown, or one refused with a word and
    // focused: the line is not added.
    if (!CompteursRemplis())
    {
        SetModalResult(mrNone);
        return;
    }
    // The entries a typed name designates, in list order: each asked about
    // in turn, the question saying what No does next.
    const std::string cle = Cle(cb_Actuel->GetText());
    int dernier = -1;
    for (int i = 0; i < cb_Actuel->Items().Count(); ++i)
        if (!EstClubNouveau(i) && !cle.empty() && Cle(cb_Actuel->Items()[i]) == cle)
            dernier = i;
    Club = NomDesigne(*cb_Actuel, {}, [this, dernier](int i) {
        if (EstClubNouveau(i))
            return std::string();
        const std::string entree = cb_Actuel->Items()[i];
        return TraduireFormat(i == dernier ? TexteQuestionClub : TexteQuestionClubSuivant,
                              {Trim(cb_Actuel->GetText()), entree, entree});
    });
    if (Club.Genre != TGenreNom::Refuse)
        return;
    SetModalResult(mrNone);
    if (cb_Actuel->CanFocus())
        cb_Actuel->SetFocus();
}
