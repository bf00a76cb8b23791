// What users met in cups, each case a row driven through the real windows on
// a season made as a user makes it: the creation windows (a league of typed
// teams, the cup's rounds and kinds of tie), the options window (third-place
// match, dates), the results page's list menu adding the cup's teams and
// double clicks placing its first round. Each row reaches its situation on
// the page, makes one gesture with the answers it gives (on the page, in live
// scoring or in the team list), and checks what the page, the check and the
// file hold; every row ends with the check naming nothing and the season
// saved and reopened as it was.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <tuple>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "results/Saisie.h"
#include "results/w_DialoguesResultats.h"
#include "results/w_VuesResultats.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_RetirerChamp.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace essai;
using page_essai::Centre;
using page_essai::ChoisitEquipe;
using page_essai::Retape;

namespace {

// The shape of a cup: its rounds from the first, each its ties and its kind
// of tie as the creation window lists them (1 single match, 2 two legs, 3
// replay, 4 two legs and a decider, 5 to 7 best of 3, 5, 7).
struct Forme
{
    int sport;
    std::vector<std::pair<int, int>> tours;
    bool petiteFinale = false;
    bool dates = false;   // the date system
    int equipes = 0;      // 0: twice the first round's ties
    bool anglais = false; // the program in English
};

// One answer to the next box: a question answered, a shoot-out given or
// closed, a dialog filled by its own hand.
struct Reponse
{
    enum { Oui, Non, Tirs, Ferme, Fenetre } genre;
    int tirsDomicile = 0, tirsExterieur = 0;
    std::function<void(TForm*)> fenetre = nullptr;
};

// The season of a row, its main window and the results page of its cup.
struct Banc
{
    TOwned<FenetreEssai> f;
    TDonneesChampionnat* c = nullptr;
    std::vector<std::string> questions;   // the questions asked, in order
    std::string nom;                      // the row's, for the pictures

    Tf_Resultats& r() const { return *dynamic_cast<Tf_Resultats*>(f->Enfant); }
    // Matchday d shown, as the track bar moves to it.
    void Va(int d) const
    {
        r().TrackBar1->SetPosition(d);
        kit::Process();
    }
    // Row l retyped key by key and left.
    void Tape(int l, const std::string& sh, const std::string& sa) const { Retape(r(), l, sh, sa); }
    // The row of the matchday shown holding the team, -1.
    int LigneDe(int equipe) const
    {
        for (int l = 0; l < r().NbLignes(); ++l)
            if (r().Ligne(l).Domicile->Numero == equipe || r().Ligne(l).Exterieur->Numero == equipe)
                return l;
        return -1;
    }
    // The next boxes get these answers, the questions' texts kept.
    void Repond(const std::vector<Reponse>& reponses)
    {
        for (const Reponse& x : reponses)
            kit::WhenModal([this, x](TForm* m) {
                if (x.genre == Reponse::Fenetre)
                    x.fenetre(m);
                else if (auto* q = dynamic_cast<Tf_MessageUtil*>(m)) {
                    questions.push_back(q->Label1->Caption());
                    kit::GrabToPng(q, "tableau_question_" + nom);
                    q->SetModalResult(x.genre == Reponse::Non ? mrNo : mrYes);
                    EXPECT_TRUE(x.genre == Reponse::Oui || x.genre == Reponse::Non) << q->Label1->Caption();
                } else if (auto* p = dynamic_cast<Tf_Penaltys*>(m)) {
                    EXPECT_TRUE(x.genre == Reponse::Tirs || x.genre == Reponse::Ferme);
                    if (x.genre != Reponse::Tirs) {
                        kit::PressKey(nullptr, VK_ESCAPE);
                        if (p->Visible())
                            p->SetModalResult(mrCancel);
                        return;
                    }
                    p->EditRond1->SetText(IntToStr(x.tirsDomicile));
                    p->EditRond2->SetText(IntToStr(x.tirsExterieur));
                    kit::Click(p->bc_Valider);
                } else {
                    ADD_FAILURE() << "unexpected window " << Classe(m);
                    m->SetModalResult(mrCancel);
                }
            });
    }
    // The results page shown again, as its command shows it.
    void Page() const
    {
        Commande(*f, 13);
        kit::Process();
    }
    // Live scoring of the matchday shown, its match k picked in the list.
    Tf_Minute& Direct(int k) const
    {
        Commande(*f, 23);
        kit::Process();
        auto& m = *dynamic_cast<Tf_Minute*>(f->Enfant);
        const TRect e = m.Listbox1->ItemRect(k);
        kit::Click(m.Listbox1, e.Left + 5, e.Top + 3);
        return m;
    }
    // The season saved and opened again, its results page shown on the
    // matchday it was saved on.
    void Rouvre()
    {
        RepondBoite(mrOk);   // "saved"
        Commande(*f, 7);
        kit::Process(10);
        f->OpenFile(NomFichierCourant);
        kit::Process(10);
        c = f->Saison->ChampionnatCourant();
        ASSERT_TRUE(c && c->EstCoupe());
        Page();
    }
    // The shoot-outs match k of matchday d keeps aside, as "h-a for sh-sa".
    std::vector<std::string> Otes(int d, int k = 0) const
    {
        std::vector<std::string> v;
        const TInfoCompJour* j = c->Journee(d);
        if (const TInfoComp* m = j ? j->Match(k) : nullptr)
            for (const TInfoComp::TTirsOtes& t : m->TirsOtes())
                v.push_back(IntToStr(TirsDomicile(t.Tirs)) + "-" + IntToStr(TirsExterieur(t.Tirs)) + " for " +
                            IntToStr(t.Domicile) + "-" + IntToStr(t.Exterieur));
        return v;
    }
    // Every answer queued was taken.
    void Repondu() const { EXPECT_EQ(kit::ForgetModalActions(), 0u) << "an answer was not asked for"; }
    // The season's document, the time of its writing aside.
    std::string Doc() const
    {
        r().EnregistrerJournee();
        return SansDate(Document(*f->Saison));
    }
    // What "Check" names of the bracket on every matchday of the cup (the
    // shown one through the button, which lists it with the matchday's own
    // findings).
    std::vector<std::string> Verifie() const
    {
        std::vector<std::string> bouton, lignes;
        kit::WhenModal([&](TForm* m) {
            if (auto* v = dynamic_cast<Tf_Validation*>(m))
                for (TLabel* t : v->Lignes)
                    bouton.push_back(t->Caption());
            m->SetModalResult(mrOk);
        });
        kit::Click(r().b_Verification);
        for (int d = 1; d <= c->NbJour(); ++d)
            for (const std::string& l : VerifieTableau(*f->Saison, *c, d)) {
                lignes.push_back("matchday " + IntToStr(d) + ": " + l);
                if (d == c->NbJournee) {
                    EXPECT_NE(std::find(bouton.begin(), bouton.end(), l), bouton.end()) << l;
                }
            }
        return lignes;
    }
    // The teams of matchday d's matches, home and away, with their scores ("-" to play).
    std::vector<std::string> Journee(int d) const
    {
        r().EnregistrerJournee();
        std::vector<std::string> v;
        const TInfoCompJour* j = c->Journee(d);
        for (int k = 0; j && k < j->NbMatchs(); ++k) {
            const TInfoComp* m = j->Match(k);
            v.push_back(f->Saison->NomEquipe(m->IdEquipe(0)) + " " +
                        (m->ScoresSaisis() ? IntToStr(m->Score(0) & 0x7FFF) + "-" + IntToStr(m->Score(1) & 0x7FFF)
                                           : std::string("-")) +
                        " " + f->Saison->NomEquipe(m->IdEquipe(1)));
        }
        return v;
    }
};

void Sport(int s)
{
    feuille_essai::Quand<Tf_ChoixLogiciel>([s](Tf_ChoixLogiciel* f) {
        f->rc_Sport[s]->SetChecked(true);
        f->b_Valider->Click();
    });
}

// The season of the row made through the creation windows, its cup current
// and its results page shown with the first round placed.
bool Cree(Banc& b, const Forme& forme, const std::string& nom)
{
    const std::string dir = Prepare("tableau_" + nom);
    if (forme.anglais)
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
    b.nom = nom;
    b.f = LanceFenetre();
    const int premier = forme.tours.front().first;
    const int equipes = forme.equipes ? forme.equipes : 2 * premier;
    Sport(forme.sport);
    feuille_essai::Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        // A league of its own, its clubs typed.
        feuille_essai::Quand<Tf_Creation>([&](Tf_Creation* d) {
            d->RondCoche2->SetChecked(true);
            d->Edit1->SetText(IntToStr(equipes));
            d->b_Valider->Click();
        });
        feuille_essai::Quand<Tf_SaisieEquipes>([](Tf_SaisieEquipes* s) {
            for (size_t i = 0; i < s->Equipes.size(); ++i)
                s->Equipes[i]->SetText("Club " + IntToStr(static_cast<int>(i) + 1));
            s->b_Ok->Click();
        });
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        c->bc_CreeChamp->Click();
        // The cup under the league's group: its rounds from the final up.
        TTreeNode* groupe = c->tv_Saison->Items().GetFirstNode()->Item(0);
        ASSERT_NE(groupe, nullptr);
        c->tv_Saison->SetSelected(groupe);
        feuille_essai::Quand<Tf_CreationCoupe>([&](Tf_CreationCoupe* k) {
            k->e_NomCoupe->SetText("Coupe");
            k->e_nTour->SetText(IntToStr(static_cast<int>(forme.tours.size())));
            for (size_t t = 0; t < forme.tours.size(); ++t) {
                const int rang = static_cast<int>(forme.tours.size() - t);
                k->NbMatch(rang)->SetPosition(forme.tours[t].first);
                k->TypeMatch(rang)->SetItemIndex(forme.tours[t].second - 1);
            }
            k->b_Valider->Click();
        });
        c->bc_CreeCoupe->Click();
        c->tv_Saison->EndEditing(false);
        RepondBoite(mrOk);   // "saved"
        c->b_Valider->Click();
    });
    if (!Commande(*b.f, 5))
        return false;
    kit::Process(20);
    if (!b.f->Saison)
        return false;
    for (TDonneesChampionnat* x : b.f->Saison->Arbre().ListeChampionnats())
        if (x->EstCoupe())
            b.c = x;
    if (!b.c || !b.f->Saison->SelectionneChampionnat(b.c->CodeChamp))
        return false;
    // Its options: the third-place match, the date system.
    feuille_essai::Quand<Tf_Option>([&](Tf_Option* o) {
        o->cc_PetiteFinale->SetChecked(forme.petiteFinale);
        if (forme.dates)
            o->rc_date->SetChecked(true);
        kit::Click(o->b_Valider);
    });
    Commande(*b.f, 176);
    kit::Process(10);
    // Its results page: the teams added through the list's menu, the first
    // round placed by double clicks.
    if (!Commande(*b.f, 13) || !dynamic_cast<Tf_Resultats*>(b.f->Enfant))
        return false;
    b.Va(1);
    feuille_essai::Quand<Tf_AjoutEquipeCoupe>([&](Tf_AjoutEquipeCoupe* a) {
        for (int i = 0; i < equipes; ++i) {
            a->cb_AjoutEquipe->SetItemIndex(0);
            kit::Click(a->b_Ajouter);
        }
        kit::Click(a->b_Continuer);
    });
    b.r().mi_AjoutEquipe->Click();
    kit::Process();
    for (int i = 0; i < 2 * premier; ++i)
        ChoisitEquipe(b.r(), 0);
    return b.c->NbEquipe() == equipes && b.r().l_Equipe->Items().Count() == equipes - 2 * premier;
}

// ---- the cases ------------------------------------------------------------------------------

struct CasTableau
{
    const char* nom;
    Forme forme;
    std::function<void(Banc&)> prepare;          // reaches the situation
    std::vector<Reponse> reponses;               // what the gesture's boxes get
    std::function<void(Banc&)> geste;
    size_t questions;                            // the questions the gesture asks
    std::function<void(Banc&, const std::string& avant)> attendu;   // the page and the season after it
    std::function<void(Banc&)> rouvert = nullptr;                   // the season reopened
};

class Tableaux : public ::testing::TestWithParam<CasTableau>
{
};

// Quarter-final 1 won by Club 1, the semi-finals' matchday shown.
void Quart(Banc& b)
{
    b.Tape(0, "1", "0");
    b.Va(2);
}

// The status bar names Club 1 placed alone on the semi-finals' matchday; the
// page shown again no longer holds it.
void Seule(Banc& b, const std::string& avant)
{
    EXPECT_EQ(b.f->Statut->Panels(2).Text, TraduireFormat(5789, {"Club 1 (" + LibelleJournee(*b.c, 2) + ")"}));
    if (!dynamic_cast<Tf_Resultats*>(b.f->Enfant))
        b.Page();
    EXPECT_TRUE(b.Doc() == avant) << "the season changed";
}

// Semi-final 1 decided by its first two matches (Club 1 2-0, then 1-0 away),
// its third match still in the file to play, shown.
void DeciderInutile(Banc& b)
{
    b.Tape(0, "2", "0");
    b.Va(2);
    b.Tape(0, "0", "1");
    b.r().EnregistrerJournee();
    b.c->CreeMatch(3, b.f->Saison->ChercheEquipe("Club 1"), b.f->Saison->ChercheEquipe("Club 2"), TInfoComp::ScoreVide,
                   TInfoComp::ScoreVide);
    ScelleCoupe(*b.c);
    b.Va(3);
}

// Semi-final 1 level after its two legs (1-0 each at home), its decider
// played 3-0; the second legs' matchday shown.
void DeciderJoue(Banc& b)
{
    b.Tape(0, "1", "0");
    b.Va(2);
    b.Tape(0, "1", "0");
    b.Va(3);
    b.Tape(0, "3", "0");
    b.Va(2);
}

// Refused with the check's words; the match then cleared by "Tout effacer"
// (no question: it holds nothing), the check names nothing.
void DeciderRefuse(Banc& b, const std::string&)
{
    ASSERT_EQ(kit::Refusals().size(), 1u);
    EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(5309, {"Club 1", "Club 2"}));
    EXPECT_EQ(b.Journee(3), std::vector<std::string>{"Club 1 - Club 2"});
    kit::Click(b.r().BoutonCopie1);
    kit::Process();
    EXPECT_TRUE(b.Journee(3).empty());
}

// The played matches of the cup, each as a question names it.
std::map<std::tuple<int, int, int>, std::string> Joues(Banc& b)
{
    b.r().EnregistrerJournee();
    std::map<std::tuple<int, int, int>, std::string> v;
    for (int d = 1; d <= b.c->NbJour(); ++d)
        for (int k = 0; b.c->Journee(d) && k < b.c->Journee(d)->NbMatchs(); ++k)
            if (const TInfoComp* m = b.c->Journee(d)->Match(k); m->ScoresSaisis())
                v[{d, m->IdEquipe(0), m->IdEquipe(1)}] =
                    LibelleMatchRemplace(*b.f->Saison, {d, m->IdEquipe(0), m->IdEquipe(1)});
    return v;
}

// The matchday's date picked and left.
void Date(Banc& b, int jour)
{
    b.r().bde_DateJour->SetFocus();
    kit::Process();
    b.r().bde_DateJour->SetDate(TGestionDate::DateVersDateTime(TGestionDate::EncodeDate(jour, 3, 2025)));
    b.r().l_Equipe->SetFocus();
    kit::Process();
}

// One score box of row l typed over (entered, it shows its score selected),
// then the row left.
void TapeCase(Banc& b, int l, bool domicile, const std::string& texte)
{
    TEditRond* e = domicile ? b.r().Ligne(l).ScoreDomicile : b.r().Ligne(l).ScoreExterieur;
    e->SetFocus();
    kit::WaitUntil([e] { return e->Focused(); });
    kit::Type(nullptr, texte);
    b.r().l_Equipe->SetFocus();
    kit::Process();
}

// The cup's matchdays d to f - 1 as the document holds them.
std::string Journees(const std::string& doc, int d, int f)
{
    const size_t debut = doc.rfind("<Journee Numero=\"" + IntToStr(d) + "\"");
    const size_t fin = doc.find("<Journee Numero=\"" + IntToStr(f) + "\"", debut);
    return debut == std::string::npos ? std::string() : doc.substr(debut, fin - debut);
}

void Glisse(TControl* de, TControl* vers)
{
    kit::Drag(de, Centre(de), vers, Centre(vers));
}

bool Contient(const std::string& texte, const std::vector<std::string>& lignes)
{
    for (const std::string& l : lignes)
        if (texte.find("\n" + l + "\n") == std::string::npos)
            return false;
    return true;
}

// Two-legged semi-finals played 2-0 then 1-1, a record of the home side of the
// first second leg, the final placed: a drop between the filled boxes of
// matchday 1 asks once, names every entered match that goes, and does all of
// it on Yes.
CasTableau DepotEntreCadres(int sport)
{
    return {sport == 0 ? "drop_between_filled_boxes_asks_once_football"
                       : sport == 2 ? "drop_between_filled_boxes_asks_once_basketball"
                                    : "drop_between_filled_boxes_asks_once_handball",
            {sport, {{2, 2}, {1, 1}}, false, false, 0, sport == 2},
            [](Banc& b) {
                b.Tape(0, "2", "0");
                b.Tape(1, "2", "0");
                b.Va(2);
                b.Tape(0, "1", "1");
                b.Tape(1, "1", "1");
                const int e = b.r().Ligne(0).Domicile->Numero;
                b.c->ListesDonnees(2).front()->Ajoute(std::make_unique<TDonneesEvt>(1000 + e, e, 30, 0));
                b.Va(1);
            },
            {{Reponse::Oui}, {Reponse::Non}},
            [](Banc& b) { Glisse(b.r().Ligne(1).Domicile, b.r().Ligne(0).Exterieur); },
            1,
            [](Banc& b, const std::string&) {
                EXPECT_EQ(b.r().Ligne(0).Exterieur->Numero, 2);   // Club 3 came from row 1
                EXPECT_EQ(b.r().Ligne(1).Domicile->Numero, 1);
                EXPECT_EQ(b.r().Ligne(0).ScoreDomicile->Text(), "");
                EXPECT_TRUE(b.Journee(2).empty());
                EXPECT_TRUE(b.Journee(3).empty());
                EXPECT_EQ(page_essai::Evenements(*b.c, 2, 0), 0);
            }};
}

// A semi-final 1-1 decided on a shoot-out, the other 2-0; the final's two
// legs 1-0 and 0-0 and the third-place match 2-1 (its losers placed by hand)
// played; the semi-final retyped 3-1, its home score first.
void TirsAuButPuisFinale(Banc& b)
{
    b.Repond({{Reponse::Tirs, 4, 3}});
    b.Tape(0, "1", "1");
    b.Tape(1, "2", "0");
    b.Va(2);
    b.Tape(0, "1", "0");
    b.Va(3);
    ChoisitEquipe(b.r(), 0);
    ChoisitEquipe(b.r(), 0);
    b.Tape(0, "0", "0");
    b.Tape(1, "2", "1");
    b.Va(1);
    TapeCase(b, 0, true, "3");
}

// A final drawn 1-1 and won 5-4 on a shoot-out; live scoring, home "+"
// (2-1): the shoot-out goes, said under the scores; "-" (1-1) gives it back,
// and the cup its winner: the season is as it was.
CasTableau TirsRendus(int sport)
{
    return {sport == 0 ? "live_scoring_plus_then_minus_gives_the_shoot_out_back_football"
                       : "live_scoring_plus_then_minus_gives_the_shoot_out_back_basketball_english",
            {sport, {{1, 1}}, false, false, 0, sport != 0},
            [](Banc& b) {
                b.Repond({{Reponse::Tirs, 5, 4}});
                b.Tape(0, "1", "1");
            },
            {},
            [](Banc& b) {
                Tf_Minute& m = b.Direct(0);
                EXPECT_EQ(m.l_TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                kit::Click(m.Bp1);
                EXPECT_EQ(m.l_TirsAuBut->Caption(), TraduireFormat(5880, {5, 4, 1, 1}));
                const TInfoComp* x = b.c->Journee(1)->Match(0);
                EXPECT_EQ(b.c->Penalty(1, x->IdEquipe(0), x->IdEquipe(1)), nullptr);
                kit::GrabToPng(&m, b.nom + "_plus");
                kit::Click(m.Bm1);
                EXPECT_EQ(m.l_TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                b.Page();
            },
            0,
            [](Banc& b, const std::string& avant) {
                EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 0);
            }};
}

// A row's name: its road, its sport, what follows, and "_english" for the rows
// played in English (the odd sports); kept as long as the tests run.
const char* NomCasSport(const std::string& route, int sport, const std::string& suite = "")
{
    static const char* const sports[4] = {"football", "rugby", "basketball", "handball"};
    static std::deque<std::string> noms;
    noms.push_back(route + sports[sport] + suite + (sport % 2 ? "_english" : ""));
    return noms.back().c_str();
}

// The same final: the shoot-out live scoring took away comes back with the
// score it followed once live scoring is shown again, after another view, after
// the season is saved and opened again, or after "Retirer le match" (whose word
// says it is kept, the match then given 1-0 and 1-1); or with that score typed
// on the results page, which then asks for no shoot-out.
enum class Entre { Vue, Fichier, Retrait, Page, Tape };
CasTableau TirsRendusPlusTard(int sport, Entre entre)
{
    return {NomCasSport(entre == Entre::Vue       ? "live_scoring_gives_the_shoot_out_back_after_another_view_"
                        : entre == Entre::Fichier ? "live_scoring_gives_the_shoot_out_back_after_the_file_reopened_"
                        : entre == Entre::Page    ? "live_scoring_s_shoot_out_comes_back_with_the_score_typed_on_the_page_"
                        : entre == Entre::Tape    ? "a_shoot_out_a_score_typed_on_the_page_took_away_comes_back_with_its_score_"
                                                  : "live_scoring_keeps_the_shoot_out_of_a_removed_result_",
                        sport),
            {sport, {{1, 1}}, false, false, 0, sport % 2 == 1},
            [](Banc& b) {
                b.Repond({{Reponse::Tirs, 5, 4}});
                b.Tape(0, "1", "1");
            },
            {},
            [entre](Banc& b) {
                const std::string ote = TraduireFormat(5880, {5, 4, 1, 1});
                if (entre == Entre::Tape) {
                    // Typed over on the page, the matchday left and shown again.
                    b.Tape(0, "2", "1");
                    EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(6122, {5, 4, 1, 1}));
                    kit::GrabToPng(&b.r(), b.nom + "_ote");
                    b.Direct(0);
                    b.Page();
                    b.Tape(0, "1", "1");
                    EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                    return;
                }
                Tf_Minute* m = &b.Direct(0);
                if (entre == Entre::Retrait) {
                    m->mi_RetirerMatch->Click();
                    EXPECT_EQ(m->l_TirsAuBut->Caption(), ote);
                } else {
                    kit::Click(m->Bp1);
                    EXPECT_EQ(m->l_TirsAuBut->Caption(), ote);
                }
                kit::GrabToPng(m, b.nom + "_ote");
                if (entre == Entre::Fichier) {
                    RepondBoite(mrOk);   // "saved"
                    Commande(*b.f, 7);
                    kit::Process(10);
                    b.f->OpenFile(NomFichierCourant);
                    kit::Process(10);
                    b.c = b.f->Saison->ChampionnatCourant();
                    ASSERT_TRUE(b.c && b.c->EstCoupe());
                } else {
                    b.Page();
                }
                if (entre == Entre::Page) {
                    // Typed back on the results page: no shoot-out asked for.
                    b.Tape(0, "1", "1");
                    EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                    return;
                }
                m = &b.Direct(0);
                // The word stands while the shoot-out is kept aside.
                EXPECT_EQ(m->l_TirsAuBut->Caption(), ote);
                if (entre == Entre::Retrait) {
                    kit::Click(m->Bp1);
                    kit::Click(m->bp2);
                } else {
                    kit::Click(m->Bm1);
                }
                EXPECT_EQ(m->l_TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                kit::GrabToPng(m, b.nom + "_rendu");
                b.Page();
            },
            0,
            [](Banc& b, const std::string& avant) {
                EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 0);
            }};
}

// A final (or the first semi-final, the other played 2-0) drawn 1-1 and won
// 5-4 on a shoot-out, typed over with another score (the row says the
// shoot-out is kept aside for 1-1), then 2-2 won 2-3 on a shoot-out of its
// own (the season saved and opened again after, when `rouvre`): 1-1 typed
// again gives back the 5-4 and its winner, the 2-3 kept aside for 2-2, once;
// 2-2 typed again gives back the 2-3.
CasTableau TirsParDessus(int sport, bool demi, const char* sh, const char* sa, bool rouvre)
{
    return {NomCasSport(std::string("a_shoot_out_comes_back_with_its_own_score_over_another_draw_") +
                            (demi ? "semi_final_" : "final_") + sh + "_" + sa + "_",
                        sport, rouvre ? "_reopened" : ""),
            {sport, demi ? std::vector<std::pair<int, int>>{{2, 1}, {1, 1}} : std::vector<std::pair<int, int>>{{1, 1}},
             false, false, 0, sport % 2 == 1},
            [=](Banc& b) {
                b.Repond({{Reponse::Tirs, 5, 4}});
                b.Tape(0, "1", "1");
                if (demi)
                    b.Tape(1, "2", "0");
                b.Tape(0, sh, sa);
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(6122, {5, 4, 1, 1}));
                b.Repond({{Reponse::Tirs, 2, 3}});
                b.Tape(0, "2", "2");
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {2, 3}));
                if (rouvre)
                    b.Rouvre();
            },
            {},
            [](Banc& b) { b.Tape(0, "1", "1"); },
            0,
            [demi](Banc& b, const std::string&) {
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 0);
                EXPECT_EQ(b.Otes(1), std::vector<std::string>{"2-3 for 2-2"});
                if (demi) {
                    EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 1 - Club 3"});
                }
                b.Tape(0, "2", "2");
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {2, 3}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 1);
                EXPECT_EQ(b.Otes(1), std::vector<std::string>{"5-4 for 1-1"});
                b.Tape(0, "1", "1");
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
            },
            [](Banc& b) {
                b.Va(1);
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                EXPECT_EQ(b.Otes(1), std::vector<std::string>{"2-3 for 2-2"});
            }};
}

// A final drawn 1-1 and won 4-5 on a shoot-out, then 2-2 on the page (the
// shoot-out stays with the draw); typed back 1-1 on the page, or, in live
// scoring, 2-1 (the shoot-out kept aside for the 1-1 it was entered for)
// then 1-1: the 4-5 is the final's again and no copy of it stays aside.
CasTableau TirsSansCopie(int sport, bool direct)
{
    return {NomCasSport(direct ? "live_scoring_gives_back_a_shoot_out_kept_over_a_draw_without_a_copy_"
                               : "a_shoot_out_kept_over_a_draw_stays_once_when_its_score_is_typed_back_",
                        sport),
            {sport, {{1, 1}}, false, false, 0, sport % 2 == 1},
            [](Banc& b) {
                b.Repond({{Reponse::Tirs, 4, 5}});
                b.Tape(0, "1", "1");
                b.Tape(0, "2", "2");
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {4, 5}));
            },
            {},
            [direct](Banc& b) {
                if (!direct) {
                    b.Tape(0, "1", "1");
                    return;
                }
                Tf_Minute& m = b.Direct(0);
                kit::Click(m.bm2);
                EXPECT_EQ(m.l_TirsAuBut->Caption(), TraduireFormat(5880, {4, 5, 1, 1}));
                kit::Click(m.Bm1);
                EXPECT_EQ(m.l_TirsAuBut->Caption(), TraduireFormat(286, {4, 5}));
                b.Page();
            },
            0,
            [](Banc& b, const std::string&) {
                EXPECT_EQ(b.Journee(1), std::vector<std::string>{"Club 1 1-1 Club 2"});
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {4, 5}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 1);
                EXPECT_EQ(b.Otes(1), std::vector<std::string>{});
            }};
}

// A two-legged final, Club 1 1-0 Club 2 then Club 2 1-0 Club 1, Club 2 5-4
// on the shoot-out: the first leg retyped 2-0 sends Club 1 through, and the
// second leg's shoot-out, which no longer decides, is said kept aside there
// (the file keeps it aside too); the first leg typed back 1-0 gives it back.
CasTableau TirsManche(int sport)
{
    return {NomCasSport("a_second_leg_s_shoot_out_that_no_longer_decides_is_said_kept_aside_", sport),
            {sport, {{1, 2}}, false, false, 0, sport % 2 == 1},
            [](Banc& b) {
                b.Tape(0, "1", "0");
                b.Va(2);
                b.Repond({{Reponse::Tirs, 5, 4}});
                b.Tape(0, "1", "0");
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                b.Va(1);
            },
            {},
            [](Banc& b) { b.Tape(0, "2", "0"); },
            0,
            [](Banc& b, const std::string&) {
                const int x = b.f->Saison->ChercheEquipe("Club 1"), y = b.f->Saison->ChercheEquipe("Club 2");
                b.Va(2);
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(6131, {5, 4}));
                EXPECT_EQ(b.c->Penalty(2, y, x), nullptr);
                EXPECT_EQ(b.Otes(2), std::vector<std::string>{"5-4 for 1-0"});
                EXPECT_EQ(Tableau(*b.c, MatchsCoupe(*b.c)).Tours[0].Ties[0].Vainqueur, x);
                EXPECT_EQ(b.Doc().find("<Penalty>"), std::string::npos);
                kit::GrabToPng(b.f.get(), b.nom + "_ote");
                // Level again: the shoot-out decides again.
                b.Va(1);
                b.Tape(0, "1", "0");
                b.Va(2);
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
                EXPECT_EQ(Tableau(*b.c, MatchsCoupe(*b.c)).Tours[0].Ties[0].Vainqueur, y);
                EXPECT_EQ(b.Otes(2), std::vector<std::string>{});
                b.Va(1);
                b.Tape(0, "2", "0");
                b.Va(2);
            },
            [](Banc& b) {
                b.Va(2);
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(6131, {5, 4}));
            }};
}

// The season saved, then its file as an older version wrote it (edite on the
// cup read from it) opened again, its results page shown on matchday 1.
void Ancien(Banc& b, const std::function<void(TSaison&, TDonneesChampionnat&)>& edite)
{
    RepondBoite(mrOk);   // "saved"
    Commande(*b.f, 7);
    kit::Process(10);
    uint8_t etat = 0;
    auto s = TTraiteurFichier::Charger(NomFichierCourant, "", "", nullptr, TousSports, etat, false);
    ASSERT_TRUE(s && etat == etatCharge);
    edite(*s, *s->Arbre().ChampionnatParCode(b.c->CodeChamp));
    ASSERT_TRUE(TTraiteurFichier::Sauver(NomFichierCourant, s.get(), nullptr, "", "", nullptr, {}, false));
    b.f->OpenFile(NomFichierCourant);
    kit::Process(10);
    b.c = b.f->Saison->ChampionnatCourant();
    ASSERT_TRUE(b.c && b.c->EstCoupe());
    b.Page();
    b.Va(1);
}

// Match h - a of matchday 1 holding the level shoot-out an older version
// wrote (4-4) and no side flagged through.
void TirsNuls(TSaison& s, TDonneesChampionnat& c, const char* h, const char* a)
{
    const int x = s.ChercheEquipe(h), y = s.ChercheEquipe(a);
    TInfoComp* m = c.MatchEquipes(1, x, y);
    ASSERT_NE(m, nullptr);
    c.SupprimePenalty(1, x, y);
    c.AjoutePenalty(1, x, y, 4, 4);
    for (int k = 0; k < 2; ++k)
        m->SetScore(k, m->Score(k) & 0x7FFF);
}

// Single-match semi-finals, the first drawn 1-1, in a file an older version
// wrote: its shoot-out a level 4-4 (read as none: no team through yet), the
// final holding Club 2, the side that version sent through, against Club 3
// (played 2-0 when `joue`; with the third-place match, Club 1 there against
// Club 4). The real shoot-out typed on the page (5-4), or live scoring's
// home "+" (2-1), sends Club 1 to the final in Club 2's place (Club 2 to the
// third-place match), asking first about the final played.
CasTableau TirsNulsDuFichier(int sport, bool joue, bool troisieme, bool direct)
{
    const std::string suite = std::string(joue ? "_final_played" : "") + (troisieme ? "_third_place" : "") +
                              (direct ? "_live_scoring" : "");
    std::vector<Reponse> reponses;
    if (!direct)
        reponses.push_back({Reponse::Tirs, 5, 4});
    if (joue)
        reponses.push_back({Reponse::Oui});
    return {NomCasSport("an_older_file_s_level_semi_final_decided_sends_its_winner_to_the_final_", sport, suite),
            {sport, {{2, 1}, {1, 1}}, troisieme, false, 0, sport % 2 == 1},
            [=](Banc& b) {
                b.Repond({{Reponse::Tirs, 5, 4}});
                b.Tape(0, "1", "1");
                b.Tape(1, "2", "0");
                Ancien(b, [=](TSaison& s, TDonneesChampionnat& c) {
                    TirsNuls(s, c, "Club 1", "Club 2");
                    const int c1 = s.ChercheEquipe("Club 1"), c2 = s.ChercheEquipe("Club 2"),
                              c3 = s.ChercheEquipe("Club 3"), c4 = s.ChercheEquipe("Club 4");
                    for (const int e : {c1, c2, c3, c4})
                        c.SupprimeMatchsEquipe(2, e);
                    c.CreeMatch(2, c2, c3, joue ? 2 : TInfoComp::ScoreVide, joue ? 0 : TInfoComp::ScoreVide);
                    if (joue)
                        c.SetQualifieMatch(2, c2, c3, false);
                    if (troisieme)
                        c.CreeMatch(2, c1, c4, TInfoComp::ScoreVide, TInfoComp::ScoreVide);
                });
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 2);
                EXPECT_EQ(b.Journee(2).front(), joue ? "Club 2 2-0 Club 3" : "Club 2 - Club 3");
            },
            reponses,
            [direct](Banc& b) {
                if (!direct) {
                    b.Tape(0, "1", "1");
                    return;
                }
                kit::Click(b.Direct(0).Bp1);
                b.Page();
            },
            joue ? 1u : 0u,
            [=](Banc& b, const std::string&) {
                std::vector<std::string> finale{"Club 1 - Club 3"};
                if (troisieme)
                    finale.push_back("Club 2 - Club 4");
                EXPECT_EQ(b.Journee(2), finale);
                EXPECT_EQ(b.Journee(1).front(), direct ? "Club 1 2-1 Club 2" : "Club 1 1-1 Club 2");
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), direct ? "" : TraduireFormat(286, {5, 4}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 0);
            }};
}

// A final drawn 1-1 in a file holding a level 4-4 as its shoot-out beside
// 5-3 kept aside for 1-1, and the side the 4-4 sent through: opened, the
// final holds the 5-3, and Club 1 goes through.
CasTableau TirsGardesDuFichier(int sport)
{
    return {NomCasSport("a_file_s_level_shoot_out_gives_way_to_the_one_kept_aside_for_the_draw_", sport),
            {sport, {{1, 1}}, false, false, 0, sport % 2 == 1},
            [](Banc& b) {
                b.Repond({{Reponse::Tirs, 3, 5}});
                b.Tape(0, "1", "1");
            },
            {},
            [](Banc& b) {
                Ancien(b, [](TSaison& s, TDonneesChampionnat& c) {
                    TirsNuls(s, c, "Club 1", "Club 2");
                    const int c1 = s.ChercheEquipe("Club 1"), c2 = s.ChercheEquipe("Club 2");
                    c.SetQualifieMatch(1, c1, c2, true);
                    c.MatchEquipes(1, c1, c2)->OteTirs((5u << 16) + 3, 1, 1);
                });
            },
            0,
            [](Banc& b, const std::string&) {
                EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 3}));
                EXPECT_EQ(b.r().Ligne(0).Qualifie, 0);
                EXPECT_EQ(b.Otes(1), std::vector<std::string>{});
                EXPECT_EQ(Tableau(*b.c, MatchsCoupe(*b.c)).Tours[0].Ties[0].Vainqueur,
                          b.f->Saison->ChercheEquipe("Club 1"));
            }};
}

// Single-match semi-finals played 1-0 and 2-0, the final 3-1.
void Demis(Banc& b)
{
    b.Tape(0, "1", "0");
    b.Tape(1, "2", "0");
    b.Va(2);
    b.Tape(0, "3", "1");
    b.Va(1);
}

// Every match of the cup's single-match rounds played 1-0.
void ToutJoue(Banc& b)
{
    for (int d = 1; d <= b.c->NbJour(); ++d) {
        b.Va(d);
        for (int l = 0; l < b.r().NbLignes(); ++l)
            b.Tape(l, "1", "0");
    }
    b.Va(1);
}

// The line naming match k of matchday d in a question.
std::string Nomme(Banc& b, int d, int k)
{
    // (a match a fault removed fails the row, and the rows after it still run)
    const TInfoCompJour* j = b.c->Journee(d);
    if (!j || k < 0 || k >= j->NbMatchs()) {
        ADD_FAILURE() << "no match " << k << " on matchday " << d;
        return "(none)";
    }
    const TInfoComp* m = j->Match(k);
    return LibelleMatchRemplace(*b.f->Saison, {d, m->IdEquipe(0), m->IdEquipe(1)});
}

// A team typed into a dialog's box as a user types it, then added.
void TapeEquipe(TWinControl* boite, TControl* ajouter, const std::string& nom)
{
    boite->SetFocus();
    kit::Process();
    kit::Type(boite, nom);
    kit::Click(ajouter);
}

// The season's team list (command 232) filled by `remplit`, then validated;
// a window still open (refused, No) is cancelled.
Reponse ListeEquipes(std::function<void(Tf_AjouterEquipe&)> remplit)
{
    return {Reponse::Fenetre, 0, 0, [remplit](TForm* f) {
                auto& a = *dynamic_cast<Tf_AjouterEquipe*>(f);
                remplit(a);
                kit::Click(a.bc_Valider);
                if (a.ModalResult() == mrNone)
                    kit::Click(a.bc_Annuler);
            }};
}

// Single-match semi-finals 1-0 and 2-0, the final 3-1 and the third-place
// match 2-1 (its losers placed by hand) played.
void DemisEtTroisieme(Banc& b)
{
    b.Tape(0, "1", "0");
    b.Tape(1, "2", "0");
    b.Va(2);
    b.Tape(0, "3", "1");
    ChoisitEquipe(b.r(), 0);
    ChoisitEquipe(b.r(), 0);
    b.Tape(1, "2", "1");
    b.Va(1);
}

// The cup's options (command 176) with the third-place match unticked and
// validated; a window still open (No) is cancelled.
Reponse SansTroisieme()
{
    return {Reponse::Fenetre, 0, 0, [](TForm* f) {
                auto& o = *dynamic_cast<Tf_Option*>(f);
                kit::Click(o.cc_PetiteFinale);
                kit::Click(o.b_Valider);
                if (o.ModalResult() == mrNone)
                    kit::Click(o.b_Annuler);
            }};
}

// Each named team of the list placed by double click, in turn: a draw.
void Tire(Banc& b, const std::vector<std::string>& noms)
{
    for (const std::string& nom : noms) {
        int i = 0;
        while (i < b.r().l_Equipe->Items().Count() && NomEntreeListe(b.r().l_Equipe->Items()[i], 5) != nom)
            ++i;
        ASSERT_LT(i, b.r().l_Equipe->Items().Count()) << nom;
        ChoisitEquipe(b.r(), i);
    }
}

// The second leg of the tie of `equipe` typed on matchday 2, wherever its row.
void Retour(Banc& b, const std::string& equipe, const std::string& sh = "0", const std::string& sa = "0")
{
    b.Va(2);
    const int l = b.LigneDe(b.f->Saison->ChercheEquipe(equipe));
    ASSERT_GE(l, 0) << equipe;
    b.Tape(l, sh, sa);
}

// Sixteen clubs: eight two-legged ties (Club 1 - Club 10, Club 11 - Club 12,
// Club 13 - Club 14, Club 15 - Club 16, Club 2 - Club 3...: the first round
// placed from the list in its order), four single quarter-finals, two
// semi-finals, a final.
const Forme Seize{0, {{8, 2}, {4, 1}, {2, 1}, {1, 1}}};

// Every first leg 1-0; the second legs 0-0, but Club 10 - Club 1 and Club 12
// - Club 11 still to play; the quarter-finals the page placed cleared, then
// drawn by double clicks [Club 2 - Club 6] [Club 4 - Club 8] [Club 13 - Club
// 15] [ - ] and played 1-0; the semi-final Club 2 - Club 4 2-1; the second
// legs shown.
void TirageAvantLesRetours(Banc& b)
{
    for (int l = 0; l < 8; ++l)
        b.Tape(l, "1", "0");
    for (const char* e : {"Club 2", "Club 4", "Club 6", "Club 8", "Club 13", "Club 15"})
        Retour(b, e);
    b.Va(3);
    kit::Click(b.r().BoutonCopie1);
    Tire(b, {"Club 2", "Club 6", "Club 4", "Club 8", "Club 13", "Club 15"});
    for (int l = 0; l < 3; ++l)
        b.Tape(l, "1", "0");
    b.Va(4);
    b.Tape(0, "2", "1");
    b.Va(2);
}

// Then the last second legs 0-0 (Club 1 and Club 11 through, placed in the
// free row), the quarter-final Club 1 - Club 11 1-0, the second legs shown.
void RetoursPuisQuart(Banc& b)
{
    TirageAvantLesRetours(b);
    Retour(b, "Club 1");
    Retour(b, "Club 11");
    b.Va(3);
    b.Tape(3, "1", "0");
    b.Va(2);
}

// The quarter-finals as drawn and played.
const std::vector<std::string> QuartsTires{"Club 2 1-0 Club 6", "Club 4 1-0 Club 8", "Club 13 1-0 Club 15"};

INSTANTIATE_TEST_SUITE_P(
    WhatUsersMet, Tableaux,
    ::testing::Values(
        DepotEntreCadres(0), DepotEntreCadres(3), DepotEntreCadres(2),
        // The second legs to play ("Compléter" on their matchday), matchday
        // 1's first match played: a drop from the row to play onto it asks
        // once; No leaves everything.
        CasTableau{"drop_onto_a_played_row_no_keeps_the_second_legs",
                   {0, {{2, 2}, {1, 1}}},
                   [](Banc& b) {
                       b.Tape(0, "2", "0");
                       b.Va(2);
                       RepondBoite(mrOk);   // what it added
                       kit::Click(b.r().b_Completer);
                       b.Va(1);
                   },
                   {{Reponse::Non}},
                   [](Banc& b) { Glisse(b.r().Ligne(1).Domicile, b.r().Ligne(0).Exterieur); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.Journee(2).size(), 2u);
                       EXPECT_EQ(b.r().Ligne(0).ScoreDomicile->Text(), "2");
                   }},
        // A dated cup of eight, its quarter-finals replayed when level, all
        // won outright: the replays' matchday stays empty and every match
        // keeps its matchday and every matchday its date.
        CasTableau{"a_dated_cup_keeps_its_matchdays",
                   {0, {{4, 3}, {2, 1}, {1, 1}}, false, true},
                   [](Banc& b) {
                       Date(b, 1);
                       for (int l = 0; l < 4; ++l)
                           b.Tape(l, "2", "1");
                       b.Va(2);
                       Date(b, 8);
                       b.Va(3);
                       Date(b, 15);
                       b.Tape(0, "1", "0");
                       b.Tape(1, "3", "1");
                       b.Va(4);
                       Date(b, 22);
                       b.Va(1);
                   },
                   {},
                   [](Banc&) {},
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(2).size(), 0u);
                       EXPECT_EQ(b.Journee(3).size(), 2u);
                       EXPECT_EQ(b.Journee(4).size(), 1u);
                   },
                   [](Banc& b) {
                       EXPECT_EQ(b.c->NbJour(), 4);
                       EXPECT_EQ(b.Journee(1).size(), 4u);
                       EXPECT_EQ(b.Journee(2).size(), 0u);
                       EXPECT_EQ(b.Journee(3), (std::vector<std::string>{"Club 1 1-0 Club 3", "Club 5 3-1 Club 7"}));
                       EXPECT_EQ(b.Journee(4), (std::vector<std::string>{"Club 1 - Club 5"}));
                       for (int d = 1; d <= 4; ++d) {
                           EXPECT_EQ(b.c->DateJournee(d), TGestionDate::EncodeDate(7 * d - 6, 3, 2025)) << d;
                       }
                   }},
        // A dated basketball cup in best-of-seven series: three ties go to a
        // seventh game; its results stay on matchday 7 whatever matchdays
        // are shown.
        CasTableau{"a_dated_series_keeps_its_seventh_games",
                   {2, {{4, 7}, {2, 7}, {1, 7}}, false, true},
                   [](Banc& b) {
                       std::vector<int> a;
                       for (int l = 0; l < 4; ++l)
                           a.push_back(b.r().Ligne(l).Domicile->Numero);
                       for (int d = 1; d <= 7; ++d) {
                           b.Va(d);
                           Date(b, d);
                           for (int t = 0; t < 4; ++t)
                               if (const int l = b.LigneDe(a[size_t(t)]); l >= 0) {
                                   // the first tie won in four, the others three each, the seventh game won by a
                                   const bool gagne = t == 0 || d % 2 == 1;
                                   const bool dom = b.r().Ligne(l).Domicile->Numero == a[size_t(t)];
                                   b.Tape(l, gagne == dom ? "90" : "80", gagne == dom ? "80" : "90");
                               }
                       }
                       b.Va(1);
                   },
                   {},
                   [](Banc& b) {
                       b.Va(8);
                       b.Va(3);
                   },
                   0,
                   [](Banc& b, const std::string& avant) {
                       // the quarter-finals as they were (the first game of the
                       // semi-finals shown completed their second)
                       EXPECT_TRUE(Journees(b.Doc(), 1, 8) == Journees(avant, 1, 8)) << "the season changed";
                       EXPECT_EQ(b.Journee(7).size(), 3u);
                       EXPECT_EQ(b.Journee(6).size(), 3u);
                       EXPECT_EQ(b.Journee(5).size(), 3u);
                       EXPECT_EQ(b.Journee(8).size(), 2u);
                   },
                   [](Banc& b) {
                       EXPECT_EQ(b.Journee(7).size(), 3u);
                       EXPECT_EQ(b.Journee(8).size(), 2u);
                       EXPECT_EQ(b.c->DateJournee(7), TGestionDate::EncodeDate(7, 3, 2025));
                   }},
        // Two legs and a decider, every tie level: on the deciders' matchday
        // a team of row 3 dropped on a team of row 2 is refused beside the box.
        CasTableau{"a_decider_holds_the_teams_of_its_tie",
                   {0, {{4, 4}, {2, 1}, {1, 1}}},
                   [](Banc& b) {
                       for (int l = 0; l < 4; ++l)
                           b.Tape(l, "1", "0");
                       b.Va(2);
                       for (int l = 0; l < 4; ++l)
                           b.Tape(l, "1", "0");
                       b.Va(3);
                   },
                   {},
                   [](Banc& b) { Glisse(b.r().Ligne(3).Domicile, b.r().Ligne(2).Domicile); },
                   0,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.Journee(3).size(), 4u);
                       ASSERT_FALSE(kit::Refusals().empty());
                       EXPECT_EQ(kit::Refusals().back().box, b.r().Ligne(2).Domicile);
                       EXPECT_EQ(kit::Refusals().back().reason, Traduire(5305));
                   }},
        // A basketball cup of twelve, four teams with a bye: the final's
        // matchday offers nobody, the quarter-finals' the four byes.
        CasTableau{"bye_teams_have_no_place_in_the_final",
                   {2, {{4, 1}, {4, 1}, {2, 1}, {1, 1}}, false, false, 12},
                   [](Banc&) {},
                   {},
                   [](Banc& b) { b.Va(4); },
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 0);
                       b.Va(3);
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 0);
                       b.Va(2);
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 4);
                   }},
        // A rugby cup of four, its semi-finals cleared: nobody has a place in
        // the final.
        CasTableau{"after_clear_all_the_final_has_no_team",
                   {1, {{2, 1}, {1, 1}}},
                   [](Banc&) {},
                   {},
                   [](Banc& b) {
                       kit::Click(b.r().BoutonCopie1);
                       b.Va(2);
                   },
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 0);
                       ChoisitEquipe(b.r(), 0);
                       EXPECT_TRUE(b.r().Ligne(0).Domicile->Text().empty());
                       EXPECT_TRUE(b.Journee(2).empty());
                   }},
        // A final's decider won on a shoot-out, cleared, then made again by
        // a second leg retyped level: it starts without the old shoot-out.
        CasTableau{"a_decider_made_again_has_no_old_shoot_out",
                   {2, {{2, 1}, {1, 4}}},
                   [](Banc& b) {
                       b.Tape(0, "80", "70");
                       b.Tape(1, "75", "70");
                       b.Va(2);
                       b.Tape(0, "22", "22");
                       b.Va(3);
                       b.Tape(0, "23", "23");
                       b.Va(4);
                       b.Repond({{Reponse::Tirs, 1, 5}, {Reponse::Oui}});
                       b.Tape(0, "23", "23");
                       kit::Click(b.r().BoutonCopie1);
                       b.Va(3);
                   },
                   {},
                   [](Banc& b) { b.Tape(0, "24", "24"); },
                   0,
                   [](Banc& b, const std::string&) {
                       ASSERT_EQ(b.Journee(4).size(), 1u);
                       const TInfoComp* m = b.c->Journee(4)->Match(0);
                       EXPECT_EQ(b.c->Penalty(4, m->IdEquipe(0), m->IdEquipe(1)), nullptr);
                   }},
        // Its semi-finals and final played: clearing the semi-finals names
        // the three, and the final goes.
        CasTableau{"clear_all_names_the_played_matches_it_erases",
                   {1, {{2, 1}, {1, 1}}},
                   [](Banc& b) {
                       b.Tape(0, "20", "10");
                       b.Tape(1, "15", "12");
                       b.Va(2);
                       b.Tape(0, "20", "10");
                       b.Va(1);
                   },
                   {{Reponse::Oui}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   1,
                   [](Banc& b, const std::string&) {
                       b.Va(2);
                       EXPECT_TRUE(b.Journee(2).empty());
                       EXPECT_TRUE(b.Journee(1).empty());
                   }},
        // A semi-final decided on a shoot-out, the final's two legs and the
        // third-place match played: the semi-final retyped level and its
        // shoot-out closed asks before they go; No keeps all.
        CasTableau{"a_closed_shoot_out_asks_no_keeps_the_final",
                   {0, {{2, 1}, {1, 2}}, true},
                   TirsAuButPuisFinale,
                   {{Reponse::Ferme}, {Reponse::Non}},
                   [](Banc& b) { TapeCase(b, 0, false, "3"); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       // the score typed stays in its box until put back
                       EXPECT_EQ(b.r().Ligne(0).ScoreExterieur->Text(), "3");
                       TapeCase(b, 0, false, "1");
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.Journee(3).size(), 2u);
                   }},
        CasTableau{"a_closed_shoot_out_asks_yes_takes_the_final",
                   {0, {{2, 1}, {1, 2}}, true},
                   TirsAuButPuisFinale,
                   {{Reponse::Ferme}, {Reponse::Oui}},
                   [](Banc& b) { TapeCase(b, 0, false, "3"); },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_TRUE(b.Journee(2).empty());
                       EXPECT_TRUE(b.Journee(3).empty());
                       EXPECT_EQ(b.r().Ligne(0).Qualifie, 2);
                   }},
        // Live scoring, semi-final 1-0, "+" for the away side: 1-1 leaves its
        // tie without a winner; the played final is named, No keeps it.
        CasTableau{"live_scoring_names_the_played_final_no_keeps_it",
                   {0, {{2, 1}, {1, 1}}},
                   Demis,
                   {{Reponse::Non}},
                   [](Banc& b) {
                       kit::Click(b.Direct(0).bp2);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_TRUE(Contient(b.questions[0] + "\n", {Nomme(b, 2, 0)}));
                   }},
        // Yes: the final goes; "+" again, 1-2, sends Club 2 to a new final.
        CasTableau{"live_scoring_yes_sends_the_other_club_to_the_final",
                   {0, {{2, 1}, {1, 1}}},
                   Demis,
                   {{Reponse::Oui}},
                   [](Banc& b) {
                       Tf_Minute& m = b.Direct(0);
                       kit::Click(m.bp2);
                       kit::Click(m.bp2);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(1)[0], "Club 1 1-2 Club 2");
                       EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 2 - Club 3"});
                   }},
        // Its "Retirer le match" on the other semi-final, in English.
        CasTableau{"live_scoring_removing_a_result_names_the_final_english",
                   {1, {{2, 1}, {1, 1}}, false, false, 0, true},
                   Demis,
                   {{Reponse::Oui}},
                   [](Banc& b) {
                       b.Direct(1).mi_RetirerMatch->Click();
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(1)[1], "Club 3 - Club 4");
                       EXPECT_TRUE(b.Journee(2).empty());
                   }},
        // A quarter-final's first leg 2-1 then 0-0, "+" for the away side:
        // 2-2 sends Club 2 through on away goals; the played semi-final and
        // final of Club 1 are named and go.
        CasTableau{"live_scoring_a_first_leg_changes_who_goes_through_on_away_goals",
                   {0, {{4, 2}, {2, 1}, {1, 1}}},
                   [](Banc& b) {
                       b.Tape(0, "2", "1");
                       for (int l = 1; l < 4; ++l)
                           b.Tape(l, "1", "0");
                       b.Va(2);
                       for (int l = 0; l < 4; ++l)
                           b.Tape(l, "0", "0");
                       b.Va(3);
                       b.Tape(0, "1", "0");
                       b.Tape(1, "1", "0");
                       b.Va(4);
                       b.Tape(0, "1", "0");
                       b.Va(1);
                   },
                   {{Reponse::Oui}},
                   [](Banc& b) {
                       kit::Click(b.Direct(0).bp2);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(1)[0], "Club 1 2-2 Club 2");
                       EXPECT_EQ(b.Journee(3)[0], "Club 2 - Club 3");
                       EXPECT_TRUE(b.Journee(4).empty()) << b.Journee(4).front();
                   }},
        TirsRendus(0), TirsRendus(2),
        TirsRendusPlusTard(0, Entre::Vue), TirsRendusPlusTard(1, Entre::Vue), TirsRendusPlusTard(2, Entre::Vue),
        TirsRendusPlusTard(3, Entre::Vue), TirsRendusPlusTard(0, Entre::Fichier),
        TirsRendusPlusTard(1, Entre::Fichier), TirsRendusPlusTard(2, Entre::Fichier),
        TirsRendusPlusTard(3, Entre::Fichier), TirsRendusPlusTard(0, Entre::Retrait),
        TirsRendusPlusTard(1, Entre::Retrait), TirsRendusPlusTard(2, Entre::Retrait),
        TirsRendusPlusTard(3, Entre::Retrait), TirsRendusPlusTard(0, Entre::Page),
        TirsRendusPlusTard(1, Entre::Page), TirsRendusPlusTard(2, Entre::Page), TirsRendusPlusTard(3, Entre::Page),
        TirsRendusPlusTard(0, Entre::Tape), TirsRendusPlusTard(1, Entre::Tape), TirsRendusPlusTard(2, Entre::Tape),
        TirsRendusPlusTard(3, Entre::Tape),
        TirsParDessus(0, false, "2", "1", false), TirsParDessus(1, false, "0", "1", false),
        TirsParDessus(2, true, "4", "6", false), TirsParDessus(3, true, "2", "1", false),
        TirsParDessus(0, true, "0", "1", true), TirsParDessus(3, false, "4", "6", true),
        TirsSansCopie(0, false), TirsSansCopie(2, false), TirsSansCopie(0, true), TirsSansCopie(3, true),
        TirsManche(0), TirsManche(1),
        TirsNulsDuFichier(0, false, false, false), TirsNulsDuFichier(1, true, false, false),
        TirsNulsDuFichier(2, true, false, true), TirsNulsDuFichier(3, false, true, false),
        TirsNulsDuFichier(0, true, true, true), TirsGardesDuFichier(0), TirsGardesDuFichier(3),
        // A semi-final won on a shoot-out, 2-1 live: the shoot-out no longer
        // follows it.
        CasTableau{"live_scoring_drops_the_shoot_out_of_the_score_it_followed",
                   {0, {{2, 1}, {1, 1}}},
                   [](Banc& b) {
                       b.Repond({{Reponse::Tirs, 4, 3}});
                       b.Tape(0, "1", "1");
                       b.Tape(1, "2", "0");
                       b.Va(2);
                       b.Va(1);
                   },
                   {},
                   [](Banc& b) {
                       kit::Click(b.Direct(0).Bp1);
                       b.Page();
                   },
                   0,
                   [](Banc& b, const std::string&) {
                       const TInfoComp* m = b.c->Journee(1)->Match(0);
                       EXPECT_EQ(b.c->Penalty(1, m->IdEquipe(0), m->IdEquipe(1)), nullptr);
                       // The row says it is kept aside, as live scoring does.
                       EXPECT_EQ(b.r().Ligne(0).TirsAuBut->Caption(), TraduireFormat(6122, {4, 3, 1, 1}));
                       EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 1 - Club 3"});
                   }},
        // A cup of seven, its three first-round ties played: "Ajouter des
        // équipes" refuses an eighth club with a word; the semi-finals keep
        // their one bye.
        CasTableau{"a_team_added_mid_cup_takes_no_second_bye",
                   {0, {{3, 1}, {2, 1}, {1, 1}}, false, false, 7},
                   [](Banc& b) {
                       for (int l = 0; l < 3; ++l)
                           b.Tape(l, "1", "0");
                   },
                   {{Reponse::Fenetre, 0, 0,
                     [](TForm* f) {
                         auto& a = *dynamic_cast<Tf_AjoutEquipeCoupe*>(f);
                         TapeEquipe(a.cb_AjoutEquipe, a.b_Ajouter, "Club 8");
                         kit::Click(a.b_Continuer);
                     }},
                    {Reponse::Oui}},
                   [](Banc& b) { b.r().mi_AjoutEquipe->Click(); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_EQ(b.questions[0], TraduireFormat(5370, {7, "Club 8"}));
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_LT(b.f->Saison->ChercheEquipe("Club 8"), 0);
                       // (the bye and the winner still to be paired)
                       b.Va(2);
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 2);
                   }},
        // A ninth club for a full cup of eight, drawn: the team list refuses
        // it with a word, in English.
        CasTableau{"a_ninth_club_for_a_full_cup_of_eight_is_refused_english",
                   {3, {{4, 1}, {2, 1}, {1, 1}}, false, false, 0, true},
                   [](Banc&) {},
                   {ListeEquipes([](Tf_AjouterEquipe& a) { TapeEquipe(a.cb_Equipes, a.bc_Ajouter, "Club 9"); }),
                    {Reponse::Oui}},
                   [](Banc& b) {
                       Commande(*b.f, 232);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_EQ(b.questions[0], TraduireFormat(5370, {8, "Club 9"}));
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.c->NbEquipe(), 8);
                   }},
        // The third-place match switched off in the options once played:
        // one question names it; No keeps it and the option, Yes removes it.
        CasTableau{"switching_off_a_played_third_place_match_no_keeps_it",
                   {0, {{2, 1}, {1, 1}}, true},
                   DemisEtTroisieme,
                   {SansTroisieme(), {Reponse::Non}},
                   [](Banc& b) {
                       Commande(*b.f, 176);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_TRUE(b.c->PetiteFinale);
                       EXPECT_TRUE(Contient(b.questions[0] + "\n", {Nomme(b, 2, 1)}));
                   }},
        CasTableau{"switching_off_a_played_third_place_match_yes_removes_it_english",
                   {0, {{2, 1}, {1, 1}}, true, false, 0, true},
                   DemisEtTroisieme,
                   {SansTroisieme(), {Reponse::Oui}},
                   [](Banc& b) {
                       Commande(*b.f, 176);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_FALSE(b.c->PetiteFinale);
                       EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 1 3-1 Club 3"});
                   }},
        // A best-of-three final won in two games leaves the third-place match
        // alone on the last matchday; switched off, it is the one that goes.
        CasTableau{"switching_off_a_third_place_match_alone_on_the_last_matchday",
                   {3, {{2, 1}, {1, 5}}, true},
                   [](Banc& b) {
                       b.Tape(0, "1", "0");
                       b.Tape(1, "2", "0");
                       b.Va(2);
                       b.Tape(0, "3", "1");
                       b.Va(3);
                       b.Tape(0, "1", "3");
                       b.Va(4);
                       ChoisitEquipe(b.r(), 0);
                       ChoisitEquipe(b.r(), 0);
                       b.Tape(1, "2", "1");
                       b.Va(1);
                   },
                   {SansTroisieme(), {Reponse::Oui}},
                   [](Banc& b) {
                       Commande(*b.f, 176);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_FALSE(b.c->PetiteFinale);
                       EXPECT_TRUE(b.Journee(4).empty()) << b.Journee(4).front();
                   }},
        // The third-place match placed on the last matchday before the
        // final's third game is made there: showing and checking that
        // matchday writes nothing.
        CasTableau{"a_third_place_match_before_the_finals_last_game_stays_where_it_is",
                   {0, {{2, 1}, {1, 5}}, true},
                   [](Banc& b) {
                       b.Tape(0, "1", "0");
                       b.Tape(1, "2", "0");
                       b.Va(4);
                       ChoisitEquipe(b.r(), 0);
                       ChoisitEquipe(b.r(), 0);
                       b.Va(2);
                       b.Tape(0, "1", "0");
                       b.Va(3);
                       b.Tape(0, "1", "0");
                       b.Va(1);
                   },
                   {},
                   [](Banc& b) {
                       b.Va(4);
                       b.Verifie();
                       b.Va(1);
                   },
                   0,
                   [](Banc& b, const std::string& avant) { EXPECT_TRUE(b.Doc() == avant) << b.Journee(4).size(); }},
        // Two legs and a decider, the second leg of a tie still to play: its
        // decider is neither proposed nor added by "Compléter".
        CasTableau{"a_decider_waits_for_its_second_leg",
                   {0, {{2, 4}, {1, 1}}},
                   [](Banc& b) {
                       b.Tape(0, "1", "0");
                       b.Tape(1, "1", "1");
                       b.Va(2);
                       b.Tape(0, "1", "1");
                       b.Va(3);
                   },
                   {{Reponse::Oui}},
                   [](Banc& b) {
                       EXPECT_EQ(b.r().Ligne(0).Domicile->Text(), "");
                       ChoisitEquipe(b.r(), 0);
                       ChoisitEquipe(b.r(), 0);
                       b.Tape(0, "0", "2");
                       kit::Click(b.r().b_Completer);
                   },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant);
                       EXPECT_EQ(b.questions, std::vector<std::string>{Traduire(5581)});
                   },
                   // Played there by hand (an older file): the check names it.
                   [](Banc& b) {
                       const int x = b.f->Saison->ChercheEquipe("Club 4"), y = b.f->Saison->ChercheEquipe("Club 3");
                       TInfoComp* m = b.c->Journees().MatchEquipes(3, x, y, -1, true, 0);
                       ASSERT_NE(m, nullptr);
                       m->SetScore(0, 0);
                       m->SetScore(1, 2);
                       const auto lignes = VerifieTableau(*b.f->Saison, *b.c, 3);
                       EXPECT_EQ(lignes, std::vector<std::string>{TraduireFormat(5683, {"Club 4", "Club 3"})});
                   }},
        // Everything played up to the final: Club 2, beaten by Club 1 in the
        // quarter-finals, taken out of the team list; one question names its
        // quarter-final and Club 1's semi-final and final, which go.
        CasTableau{"taking_out_a_beaten_team_names_its_conquerors_matches",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   ToutJoue,
                   {ListeEquipes([](Tf_AjouterEquipe& a) {
                        a.l_Equipe->SetItemIndex(a.l_Equipe->Items().IndexOf("Club 2"));
                        kit::Click(a.bc_Effacer);
                    }),
                    {Reponse::Oui}},
                   [](Banc& b) {
                       Commande(*b.f, 232);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_LT(b.f->Saison->ChercheEquipe("Club 2") >= 0
                                     ? b.c->IndexEquipe(b.f->Saison->ChercheEquipe("Club 2"))
                                     : -1,
                                 0);
                       EXPECT_EQ(b.Journee(1).size(), 3u);
                       EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 5 1-0 Club 7"});
                       EXPECT_TRUE(b.Journee(3).empty());
                   }},
        // A semi-final 1-1 whose winner stands on its side flagged through
        // alone (its shoot-out not kept, as an older file holds it), the
        // final's two legs played: retyped 3-3 with the shoot-out closed, it
        // names the final's legs before they go.
        CasTableau{"a_retyped_draw_with_the_shoot_out_closed_names_the_final",
                   {0, {{2, 1}, {1, 2}}},
                   [](Banc& b) {
                       b.Repond({{Reponse::Tirs, 4, 3}});
                       b.Tape(0, "1", "1");
                       b.Tape(1, "2", "0");
                       b.Va(2);
                       const TInfoComp* m = b.c->Journee(1)->Match(0);
                       b.c->SupprimePenalty(1, m->IdEquipe(0), m->IdEquipe(1));
                       b.Tape(0, "1", "0");
                       b.Va(3);
                       b.Tape(0, "0", "0");
                       b.Va(1);
                   },
                   {{Reponse::Ferme}, {Reponse::Oui}},
                   [](Banc& b) { b.Tape(0, "3", "3"); },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_TRUE(b.Journee(2).empty());
                       EXPECT_TRUE(b.Journee(3).empty());
                       EXPECT_EQ(b.r().Ligne(0).Qualifie, 2);
                   }},
        // Two-legged semi-finals, nothing played: the second leg shown on
        // matchday 2 is played first, then its first leg; the tie is decided
        // on both and its winner offered for the final.
        CasTableau{"a_second_leg_played_before_its_first",
                   {0, {{2, 2}, {1, 1}}},
                   [](Banc& b) { b.Va(2); },
                   {},
                   [](Banc& b) { b.Tape(0, "1", "0"); },
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_TRUE(kit::Refusals().empty()) << kit::Refusals().front().reason;
                       EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 2 1-0 Club 1"});
                       b.Va(1);
                       b.Tape(0, "2", "0");
                       EXPECT_EQ(b.Journee(1)[0], "Club 1 2-0 Club 2");
                       b.Va(3);
                       ASSERT_EQ(b.r().l_Equipe->Items().Count(), 1);
                       EXPECT_EQ(NomEntreeListe(b.r().l_Equipe->Items()[0], 5), "Club 1");
                   },
                   [](Banc& b) { EXPECT_EQ(b.Journee(2), std::vector<std::string>{"Club 2 1-0 Club 1"}); }},
        // Best-of-three semi-finals, nothing played: a second game typed
        // before its first is refused beside the box in the words of its own
        // rule.
        CasTableau{"a_second_game_before_its_first_says_its_own_reason",
                   {2, {{2, 5}, {1, 1}}},
                   [](Banc& b) { b.Va(2); },
                   {},
                   [](Banc& b) { b.Tape(0, "80", "70"); },
                   0,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       ASSERT_FALSE(kit::Refusals().empty());
                       EXPECT_EQ(kit::Refusals().back().reason,
                                 TraduireFormat(5683, {b.r().Ligne(0).Domicile->Text(), b.r().Ligne(0).Exterieur->Text()}));
                       EXPECT_EQ(kit::Refusals().back().box, b.r().Ligne(0).Domicile);
                   }},
        // A cup of eight, its first round cleared before any match: a ninth
        // club from "Ajouter des équipes" is refused with a word. An older
        // file holding one is named by the check.
        CasTableau{"a_ninth_club_before_the_draw_is_refused",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   {{Reponse::Fenetre, 0, 0,
                     [](TForm* f) {
                         auto& a = *dynamic_cast<Tf_AjoutEquipeCoupe*>(f);
                         TapeEquipe(a.cb_AjoutEquipe, a.b_Ajouter, "Club 9");
                         kit::Click(a.b_Continuer);
                     }},
                    {Reponse::Oui}},
                   [](Banc& b) { b.r().mi_AjoutEquipe->Click(); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_EQ(b.questions[0], TraduireFormat(5787, {8, "Club 9"}));
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.c->NbEquipe(), 8);
                   },
                   [](Banc& b) {
                       b.c->AjouteEquipe(b.f->Saison->AjouteEquipe("Club 9", -1, 0, true));
                       const auto lignes = VerifieTableau(*b.f->Saison, *b.c, 1);
                       EXPECT_EQ(lignes, std::vector<std::string>{TraduireFormat(5784, {8, "Club 9"})});
                   }},
        // A quarter-final won, its winner placed alone on the semi-finals'
        // matchday: shown again after matchday 1, it is still there.
        CasTableau{"a_team_placed_alone_stays_placed",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   [](Banc& b) {
                       b.Tape(0, "1", "0");
                       b.Va(2);
                   },
                   {},
                   [](Banc& b) {
                       ChoisitEquipe(b.r(), 0);
                       b.Va(1);
                       b.Va(2);
                   },
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.r().Ligne(0).Domicile->Text(), "Club 1");
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 0);
                   }},
        // Every match played: a semi-final's away side sent back (Yes, the
        // final goes), the home side stays placed whatever matchday is shown.
        CasTableau{"a_team_left_alone_by_a_team_sent_back_stays_placed",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   ToutJoue,
                   {{Reponse::Oui}},
                   [](Banc& b) {
                       b.Va(2);
                       kit::DblClick(b.r().Ligne(0).Exterieur);
                       kit::Process();
                       b.Va(1);
                       b.Va(2);
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       const int l = b.LigneDe(b.f->Saison->ChercheEquipe("Club 1"));
                       ASSERT_GE(l, 0);
                       EXPECT_EQ(b.r().Ligne(l).Exterieur->Text(), "");
                       EXPECT_EQ(b.r().l_Equipe->Items().Count(), 1);
                       EXPECT_TRUE(b.Journee(3).empty());
                   }},
        // "Tout effacer" on a played final takes no team out: the question
        // names the match it erases; No keeps it, Yes erases it.
        CasTableau{"clear_all_on_a_played_final_names_it_no_keeps_it",
                   {0, {{2, 1}, {1, 1}}},
                   [](Banc& b) {
                       Demis(b);
                       b.Va(2);
                   },
                   {{Reponse::Non}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.questions[0], QuestionCoupe(*b.f->Saison, 5302, {{2, b.c->Journee(2)->Match(0)->IdEquipe(0),
                                                                                   b.c->Journee(2)->Match(0)->IdEquipe(1)}}));
                   }},
        CasTableau{"clear_all_on_a_played_final_yes_erases_it_english",
                   {0, {{2, 1}, {1, 1}}, false, false, 0, true},
                   [](Banc& b) {
                       Demis(b);
                       b.Va(2);
                   },
                   {{Reponse::Oui}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.questions[0].rfind(Traduire(5302), 0), 0u) << b.questions[0];
                       EXPECT_TRUE(b.Journee(2).empty());
                   }},
        // Live scoring, "Retirer le match" on a semi-final (Yes): the match
        // is no longer shown and "+" waits for another.
        CasTableau{"live_scoring_shows_no_removed_match",
                   {0, {{2, 1}, {1, 1}}},
                   Demis,
                   {{Reponse::Oui}},
                   [](Banc& b) {
                       Tf_Minute& m = b.Direct(1);
                       m.mi_RetirerMatch->Click();
                       EXPECT_EQ(m.Cadre9->Text(), "");
                       EXPECT_EQ(m.EditRond1->Text(), "");
                       EXPECT_FALSE(m.Bp1->Enabled());
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(1)[1], "Club 3 - Club 4");
                       EXPECT_TRUE(b.Journee(2).empty());
                   }},
        // Club 2 taken out of the team list before its semi-final: the
        // question says Club 1 is left without an opponent; No keeps all,
        // Yes takes the match out and Club 1 is back in the list.
        CasTableau{"taking_out_a_team_before_its_tie_names_its_opponent_no_keeps_it",
                   {0, {{2, 1}, {1, 1}}},
                   [](Banc&) {},
                   {ListeEquipes([](Tf_AjouterEquipe& a) {
                        a.l_Equipe->SetItemIndex(a.l_Equipe->Items().IndexOf("Club 2"));
                        kit::Click(a.bc_Effacer);
                    }),
                    {Reponse::Non}},
                   [](Banc& b) {
                       Commande(*b.f, 232);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       EXPECT_EQ(b.questions[0], TraduireFormat(5785, {"Club 1", "Club 2", LibelleJournee(*b.c, 1), "Club 1"}) +
                                                     "\n" + Traduire(5786));
                   }},
        CasTableau{"taking_out_a_team_before_its_tie_yes_leaves_its_opponent_to_place_english",
                   {0, {{2, 1}, {1, 1}}, false, false, 0, true},
                   [](Banc&) {},
                   {ListeEquipes([](Tf_AjouterEquipe& a) {
                        a.l_Equipe->SetItemIndex(a.l_Equipe->Items().IndexOf("Club 2"));
                        kit::Click(a.bc_Effacer);
                    }),
                    {Reponse::Oui}},
                   [](Banc& b) {
                       Commande(*b.f, 232);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(1), std::vector<std::string>{"Club 3 - Club 4"});
                       ASSERT_EQ(b.r().l_Equipe->Items().Count(), 1);
                       EXPECT_EQ(NomEntreeListe(b.r().l_Equipe->Items()[0], 5), "Club 1");
                   }},
        // The semi-finals cleared: the final's empty list says why nobody is
        // offered; once a semi-final is played, its winner is.
        CasTableau{"a_round_nobody_has_reached_says_so_over_the_list",
                   {0, {{2, 1}, {1, 1}}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   {},
                   [](Banc& b) { b.Va(2); },
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_TRUE(b.r().l_Aucune->Visible());
                       EXPECT_EQ(b.r().l_Aucune->Caption(), Traduire(5788));
                       kit::GrabToPng(b.f.get(), "tableau_aucune_equipe");
                       b.Va(1);
                       EXPECT_FALSE(b.r().l_Aucune->Visible());
                       ChoisitEquipe(b.r(), 0);
                       ChoisitEquipe(b.r(), 0);
                       b.Tape(0, "1", "0");
                       b.Va(2);
                       EXPECT_FALSE(b.r().l_Aucune->Visible());
                   }},
        // A semi-final won on a shoot-out: "Tout effacer" takes the
        // shoot-out with its match.
        CasTableau{"clear_all_takes_the_shoot_out_with_its_match",
                   {0, {{2, 1}, {1, 1}}},
                   [](Banc& b) {
                       b.Repond({{Reponse::Tirs, 4, 3}});
                       b.Tape(0, "1", "1");
                       b.Tape(1, "2", "0");
                   },
                   {{Reponse::Oui}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   1,
                   [](Banc& b, const std::string&) {
                       const int x = b.f->Saison->ChercheEquipe("Club 1"), y = b.f->Saison->ChercheEquipe("Club 2");
                       EXPECT_EQ(b.c->Penalty(1, x, y), nullptr);
                       EXPECT_TRUE(b.Journee(1).empty());
                   }},
        // A final's decider won on a shoot-out, gone without it (as an older
        // file may hold it): made again by the second leg retyped level, it
        // starts without that shoot-out.
        CasTableau{"a_decider_made_again_drops_a_shoot_out_left_behind",
                   {2, {{2, 1}, {1, 4}}},
                   [](Banc& b) {
                       b.Tape(0, "80", "70");
                       b.Tape(1, "75", "70");
                       b.Va(2);
                       b.Tape(0, "22", "22");
                       b.Va(3);
                       b.Tape(0, "23", "23");
                       b.Va(4);
                       b.Repond({{Reponse::Tirs, 1, 5}});
                       b.Tape(0, "23", "23");
                       b.Va(3);
                       b.c->Journee(4)->SupprimeMatch(0);
                   },
                   {},
                   [](Banc& b) { b.Tape(0, "24", "24"); },
                   0,
                   [](Banc& b, const std::string&) {
                       ASSERT_EQ(b.Journee(4).size(), 1u);
                       const TInfoComp* m = b.c->Journee(4)->Match(0);
                       EXPECT_EQ(b.c->Penalty(4, m->IdEquipe(0), m->IdEquipe(1)), nullptr);
                   }},
        // A team placed alone on the semi-finals' matchday is no match: the
        // page closed, or the season saved, the status bar says it is not
        // kept, naming the team and its round.
        CasTableau{"a_team_placed_alone_is_said_not_kept_when_the_page_closes",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   Quart,
                   {},
                   [](Banc& b) {
                       ChoisitEquipe(b.r(), 0);
                       b.f->FermeFenetreEnfant();
                   },
                   0,
                   Seule},
        CasTableau{"a_team_placed_alone_is_said_not_kept_when_the_season_is_saved_english",
                   {0, {{4, 1}, {2, 1}, {1, 1}}, false, false, 0, true},
                   Quart,
                   {},
                   [](Banc& b) {
                       ChoisitEquipe(b.r(), 0);
                       RepondBoite(mrOk);   // "saved", when the season has changed
                       Commande(*b.f, 7);
                       kit::Process(10);
                   },
                   0,
                   Seule},
        // Club 1 won both matches a decider (or a third game) would follow,
        // whose match the file holds still to play: its score is refused,
        // saying the tie was decided, and the match is kept as it was.
        CasTableau{"a_decider_after_legs_that_decided_the_tie_takes_no_score",
                   {0, {{2, 4}, {1, 1}}},
                   DeciderInutile,
                   {},
                   [](Banc& b) { b.Tape(0, "3", "0"); },
                   0,
                   DeciderRefuse},
        CasTableau{"a_third_game_after_two_won_takes_no_score_english",
                   {0, {{2, 5}, {1, 1}}, false, false, 0, true},
                   DeciderInutile,
                   {},
                   [](Banc& b) { b.Tape(0, "3", "0"); },
                   0,
                   DeciderRefuse},
        // Level after two legs, the decider played; the second leg corrected
        // so that Club 1 won both: the question names the decider, No keeps
        // everything, Yes takes it.
        CasTableau{"a_leg_corrected_that_makes_the_played_decider_needless_no_keeps_it",
                   {0, {{2, 4}, {1, 1}}},
                   DeciderJoue,
                   {{Reponse::Non}},
                   [](Banc& b) { b.Tape(0, "0", "1"); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       // the score typed stays in its box until put back
                       EXPECT_EQ(b.r().Ligne(0).ScoreDomicile->Text(), "0");
                       b.Tape(0, "1", "0");
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                   }},
        CasTableau{"a_leg_corrected_that_makes_the_played_decider_needless_yes_takes_it_english",
                   {0, {{2, 4}, {1, 1}}, false, false, 0, true},
                   DeciderJoue,
                   {{Reponse::Oui}},
                   [](Banc& b) { b.Tape(0, "0", "1"); },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_TRUE(kit::Refusals().empty());
                       EXPECT_TRUE(b.Journee(3).empty());
                   }},
        // A file holding the third-place match before the final: opened, the
        // final comes first and the third-place match last.
        CasTableau{"a_file_with_the_third_place_match_first_opens_with_it_last",
                   {0, {{2, 1}, {1, 1}}, true},
                   [](Banc& b) {
                       DemisEtTroisieme(b);
                       b.c->Journee(2)->DeplaceMatch(1, 0);
                   },
                   {},
                   [](Banc& b) {
                       RepondBoite(mrOk);   // "saved"
                       Commande(*b.f, 7);
                       kit::Process(10);
                       b.f->OpenFile(NomFichierCourant);
                       kit::Process(10);
                       b.c = b.f->Saison->ChampionnatCourant();
                       Commande(*b.f, 13);
                       kit::Process();
                   },
                   0,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(2), (std::vector<std::string>{"Club 1 3-1 Club 3", "Club 2 2-1 Club 4"}));
                   }},
        // The last second legs, typed after the quarter-finals were drawn and
        // played: Club 1 and Club 11 take the free row, the drawn rows and the
        // played semi-final stay; nothing is asked.
        CasTableau{"late_second_legs_keep_the_draw_and_the_played_semi_final",
                   Seize,
                   TirageAvantLesRetours,
                   {},
                   [](Banc& b) {
                       Retour(b, "Club 1");
                       Retour(b, "Club 11");
                   },
                   0,
                   [](Banc& b, const std::string&) {
                       std::vector<std::string> quarts = QuartsTires;
                       quarts.push_back("Club 1 - Club 11");
                       EXPECT_EQ(b.Journee(3), quarts);
                       EXPECT_EQ(b.Journee(4), std::vector<std::string>{"Club 2 2-1 Club 4"});
                       const int l = b.LigneDe(b.f->Saison->ChercheEquipe("Club 1"));
                       ASSERT_GE(l, 0);
                       EXPECT_EQ(b.r().Ligne(l).ScoreDomicile->Text(), "0");
                   }},
        // Then Club 1's second leg retyped 2-0 (Club 10 through): the question
        // names the played quarter-final alone. No keeps the cup, and the
        // score typed stays in its box, said not saved: the box left
        // untouched asks nothing, the matchday shown again shows it, typed
        // again it asks again; the page closed, the status bar names it.
        CasTableau{"a_late_second_leg_retyped_names_only_the_quarter_final_no_keeps_the_score_typed",
                   Seize,
                   RetoursPuisQuart,
                   {{Reponse::Non}},
                   [](Banc& b) { Retour(b, "Club 1", "2", "0"); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       const int un = b.f->Saison->ChercheEquipe("Club 1"), onze = b.f->Saison->ChercheEquipe("Club 11");
                       EXPECT_EQ(b.questions[0], QuestionCoupe(*b.f->Saison, 4800, {{3, un, onze}}));
                       const int l = b.LigneDe(un);
                       ASSERT_GE(l, 0);
                       auto garde = [&b, l] {
                           EXPECT_EQ(b.r().Ligne(l).ScoreDomicile->Text(), "2");
                           EXPECT_EQ(b.r().Ligne(l).TirsAuBut->Caption(), Traduire(5914));
                       };
                       garde();
                       ASSERT_FALSE(kit::Refusals().empty());
                       EXPECT_EQ(kit::Refusals().back().reason, Traduire(5912));
                       EXPECT_EQ(kit::Refusals().back().box, b.r().Ligne(l).ScoreExterieur);
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       b.r().Ligne(l).ScoreDomicile->SetFocus();
                       kit::PressKey(nullptr, VK_TAB);
                       kit::PressKey(nullptr, VK_TAB);
                       kit::Process();
                       b.Va(3);
                       b.Va(2);
                       garde();
                       b.Repond({{Reponse::Non}});
                       b.Tape(l, "2", "0");
                       EXPECT_EQ(b.questions.size(), 2u);
                       garde();
                       b.f->FermeFenetreEnfant();
                       EXPECT_EQ(b.f->Statut->Panels(2).Text,
                                 TraduireFormat(5915, {"Club 10 2\xA0-\xA0" "0 Club 1 (" + LibelleJournee(*b.c, 2) + ")"}));
                       b.Page();
                       EXPECT_EQ(b.r().Ligne(l).ScoreDomicile->Text(), "0");
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                   }},
        // Yes: Club 10 takes Club 1's place in the same quarter-final row.
        CasTableau{"a_late_second_leg_retyped_yes_keeps_the_rows_english",
                   {0, {{8, 2}, {4, 1}, {2, 1}, {1, 1}}, false, false, 0, true},
                   RetoursPuisQuart,
                   {{Reponse::Oui}},
                   [](Banc& b) { Retour(b, "Club 1", "2", "0"); },
                   1,
                   [](Banc& b, const std::string&) {
                       std::vector<std::string> quarts = QuartsTires;
                       quarts.push_back("Club 10 - Club 11");
                       EXPECT_EQ(b.Journee(3), quarts);
                       EXPECT_EQ(b.Journee(4), std::vector<std::string>{"Club 2 2-1 Club 4"});
                       EXPECT_TRUE(kit::Refusals().empty());
                   }},
        // Two quarter-finals won, their winners each placed alone in a row of
        // the semi-finals' matchday: the page closed, the status bar names
        // both in one sentence that agrees with them.
        CasTableau{"two_teams_placed_alone_are_named_in_one_sentence",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   [](Banc& b) {
                       b.Tape(0, "1", "0");
                       b.Tape(2, "1", "0");
                       b.Va(2);
                   },
                   {},
                   [](Banc& b) {
                       for (int l = 0; l < 2; ++l)
                           page_essai::DeposeEquipe(b.r(), 0, b.r().Ligne(l).Domicile);
                       b.f->FermeFenetreEnfant();
                   },
                   0,
                   [](Banc& b, const std::string& avant) {
                       const std::string demis = " (" + LibelleJournee(*b.c, 2) + ")";
                       EXPECT_EQ(b.f->Statut->Panels(2).Text, TraduireFormat(5917, {"Club 1" + demis + ", Club 5" + demis}));
                       b.Page();
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                   }},
        // Two second legs typed in the last rows: shown again, each row keeps
        // its tie.
        CasTableau{"second_legs_keep_their_rows_when_shown_again",
                   {0, {{4, 2}, {2, 1}, {1, 1}}},
                   [](Banc& b) {
                       for (int l = 0; l < 4; ++l)
                           b.Tape(l, "1", "0");
                       b.Va(2);
                       b.Tape(2, "0", "0");
                       b.Tape(3, "0", "0");
                   },
                   {},
                   [](Banc& b) {
                       b.Va(1);
                       b.Va(2);
                   },
                   0,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                       const char* lignes[4][2] = {{"Club 2", "Club 1"}, {"Club 4", "Club 3"}, {"Club 6", "Club 5"},
                                                   {"Club 8", "Club 7"}};
                       for (int l = 0; l < 4; ++l) {
                           EXPECT_EQ(b.r().Ligne(l).Domicile->Text(), lignes[l][0]) << l;
                           EXPECT_EQ(b.r().Ligne(l).Exterieur->Text(), lignes[l][1]) << l;
                           EXPECT_EQ(b.r().Ligne(l).ScoreDomicile->Text(), l < 2 ? "" : "0") << l;
                       }
                   }},
        // The same two legs to play added by "Complete the fixtures", in
        // English: they stand at their ties' rows, in the file as on the page.
        CasTableau{"completed_second_legs_keep_their_ties_rows_english",
                   {2, {{4, 2}, {2, 1}, {1, 1}}, false, false, 0, true},
                   [](Banc& b) {
                       for (int l = 0; l < 4; ++l)
                           b.Tape(l, "1", "0");
                       b.Va(2);
                       b.Tape(2, "0", "0");
                       b.Tape(3, "0", "0");
                   },
                   {{Reponse::Oui}},
                   [](Banc& b) { kit::Click(b.r().b_Completer); },
                   1,
                   [](Banc& b, const std::string&) {
                       EXPECT_EQ(b.Journee(2), (std::vector<std::string>{"Club 2 - Club 1", "Club 4 - Club 3",
                                                                         "Club 6 0-0 Club 5", "Club 8 0-0 Club 7"}));
                       b.Va(1);
                       b.Va(2);
                       for (int l = 0; l < 4; ++l)
                           EXPECT_EQ(b.r().Ligne(l).Domicile->Text(), "Club " + IntToStr(2 * l + 2)) << l;
                   }},
        // A cup's options show its matches per matchday and its matchdays
        // read only, saying why; OK keeps the season.
        CasTableau{"a_cups_counts_are_shown_read_only_in_the_options_english",
                   {0, {{4, 1}, {2, 1}, {1, 1}}, false, false, 0, true},
                   [](Banc&) {},
                   {{Reponse::Fenetre, 0, 0,
                     [](TForm* f) {
                         auto& o = *dynamic_cast<Tf_Option*>(f);
                         kit::GrabToPng(&o, "tableau_options_coupe");
                         for (auto [u, n] : {std::pair{o.UpDown9, 4}, {o.UpDown10, 3}}) {
                             EXPECT_EQ(u->Position(), n);
                             EXPECT_FALSE(u->Visible());
                             EXPECT_FALSE(u->Associate()->Enabled());
                             EXPECT_EQ(u->Associate()->Hint(), Traduire(5913));
                             kit::Click(u->Associate());
                             kit::Type(u->Associate(), "6");
                             EXPECT_EQ(u->Position(), n);
                         }
                         kit::Click(o.b_Valider);
                     }}},
                   [](Banc& b) {
                       Commande(*b.f, 176);
                       b.Page();
                   },
                   0,
                   [](Banc& b, const std::string& avant) { EXPECT_TRUE(b.Doc() == avant) << "the season changed"; }},
        // Four clubs for a cup of eight not yet drawn: one sentence names
        // them, says the rounds are fixed and where a larger cup is made.
        CasTableau{"four_clubs_beyond_the_places_are_refused_in_one_sentence",
                   {0, {{4, 1}, {2, 1}, {1, 1}}},
                   [](Banc& b) { kit::Click(b.r().BoutonCopie1); },
                   {{Reponse::Fenetre, 0, 0,
                     [](TForm* f) {
                         auto& a = *dynamic_cast<Tf_AjoutEquipeCoupe*>(f);
                         for (const char* nom : {"Neuf 0", "Neuf 1", "Neuf 2", "Neuf 3"})
                             TapeEquipe(a.cb_AjoutEquipe, a.b_Ajouter, nom);
                         kit::Click(a.b_Continuer);
                     }},
                    {Reponse::Oui}},
                   [](Banc& b) { b.r().mi_AjoutEquipe->Click(); },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_EQ(b.questions[0], TraduireFormat(5911, {8, "Neuf 0, Neuf 1, Neuf 2, Neuf 3"}));
                       for (const int t : {872, 3902})
                           EXPECT_NE(b.questions[0].find(Traduire(t)), std::string::npos) << t;
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                   }},
        // Two clubs for a drawn cup of eight, from the team list, in English.
        CasTableau{"two_clubs_for_a_drawn_cup_are_refused_in_one_sentence_english",
                   {0, {{4, 1}, {2, 1}, {1, 1}}, false, false, 0, true},
                   [](Banc&) {},
                   {ListeEquipes([](Tf_AjouterEquipe& a) {
                        TapeEquipe(a.cb_Equipes, a.bc_Ajouter, "Club 9");
                        TapeEquipe(a.cb_Equipes, a.bc_Ajouter, "Club 10");
                    }),
                    {Reponse::Oui}},
                   [](Banc& b) {
                       Commande(*b.f, 232);
                       b.Page();
                   },
                   1,
                   [](Banc& b, const std::string& avant) {
                       EXPECT_EQ(b.questions[0], TraduireFormat(5910, {8, "Club 9, Club 10"}));
                       for (const int t : {872, 3902})
                           EXPECT_NE(b.questions[0].find(Traduire(t)), std::string::npos) << t;
                       EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                   }}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_P(Tableaux, OneGestureOneQuestionAndTheCupStaysOneBracket)
{
    const CasTableau& k = GetParam();
    Banc b;
    ASSERT_TRUE(Cree(b, k.forme, k.nom));
    k.prepare(b);
    b.Repondu();
    ASSERT_FALSE(HasFailure());
    const std::string avant = b.Doc();
    const auto joues = Joues(b);
    b.questions.clear();
    kit::Refusals().clear();
    b.Repond(k.reponses);
    k.geste(b);
    kit::Process();
    kit::ForgetModalActions();   // (the second answer of a question asked twice before)
    ASSERT_EQ(b.questions.size(), k.questions);
    kit::GrabToPng(b.f.get(), std::string("tableau_") + k.nom);
    k.attendu(b, avant);
    // A Yes named every played match that went.
    b.r().EnregistrerJournee();
    EXPECT_TRUE(CoupeScellee(*b.c)) << "a window wrote the cup past its one road";
    for (const auto& [m, l] : joues)
        if (!b.c->MatchEquipes(std::get<0>(m), std::get<1>(m), std::get<2>(m))) {
            EXPECT_TRUE(!b.questions.empty() && Contient(b.questions.back() + "\n", {l})) << l << " went unnamed";
        }
    // The check names nothing; the season saved and reopened is the same.
    EXPECT_EQ(b.Verifie(), std::vector<std::string>{});
    const std::string apres = b.Doc();
    RepondBoite(mrOk);   // "saved"
    Commande(*b.f, 7);
    kit::Process(10);
    ASSERT_EQ(ModifSaison, 0);
    b.f->OpenFile(NomFichierCourant);
    kit::Process(10);
    ASSERT_TRUE(b.f->Saison);
    b.c = b.f->Saison->ChampionnatCourant();
    ASSERT_TRUE(b.c && b.c->EstCoupe());
    EXPECT_TRUE(SansDate(Document(*b.f->Saison)) == apres) << "reopened otherwise";
    // Every matchday shown again writes nothing.
    ASSERT_TRUE(Commande(*b.f, 13));
    const int montree = b.c->NbJournee;
    for (int d = 1; d <= b.c->NbJour(); ++d)
        b.Va(d);
    b.Va(montree);
    EXPECT_TRUE(b.Doc() == apres) << "showing the reopened cup changed it";
    if (k.rouvert) {
        ASSERT_TRUE(Commande(*b.f, 13));
        k.rouvert(b);
    }
    TermineFenetre(b.f);
}

}  // namespace
