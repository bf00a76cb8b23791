// The football scorers page opened through the main window (command 14): a
// 2-1 match shows two home and one away goal rows; goals entered by drag and
// double click, an own goal, cards by double click once the goals are full, a
// penalty and a free kick through the popup, a minute past the bound, the
// header entries; written when another match shows (missed penalties of the
// second page untouched), shown again; goal records beyond the score dropped
// by minute; saved, reopened equal and counted; two namesakes of one club
// told apart by their record.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/oTraducteur.h"
#include "model/Personnels.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "results/Carton.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursFoot.h"
#include "results/w_ButeursRugby.h"
#include "shell/Commandes.h"
#include "shell/Globales.h"
#include "tests/results/FeuilleEssai.h"
#include "ui/Afficheur.h"

using namespace essai;
using namespace feuille_essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

int Lignes(TFondScroll* f)
{
    int n = 0;
    for (int j = 0; j < f->NbControles(); ++j)
        n += f->Controle(j)->Visible() ? 1 : 0;
    return n;
}

// (team, player, word) of the records of a kind on matchday n for two teams.
std::vector<std::tuple<int, int32_t, int>> Records(TDonneesChampionnat& c, int type, int n, int h, int a)
{
    std::vector<std::tuple<int, int32_t, int>> v;
    const TListeDonnees* l = c.ListeDonnees(type, n);
    for (int i = 0; l && i < l->Nombre(); ++i)
        if (l->Donnee(i)->IdEquipe() == h || l->Donnee(i)->IdEquipe() == a)
            v.emplace_back(l->Donnee(i)->IdEquipe(), l->Donnee(i)->IdJoueur(), l->Donnee(i)->Mot());
    std::sort(v.begin(), v.end());
    return v;
}

int32_t Entree(TListe* l, int i) { return NumeroEntreeListe(l->Items()[i], 8, true); }

TEST(ButeursFoot, GoalsCardsAndHeaderEnteredWrittenShownSaved)
{
    const std::string dir = Prepare("buteurs_foot");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->SetCategorieEquipe(1, 0);
    // Matchday 5's first match: 2-1, and a missed penalty entered on the second page.
    TInfoComp* mm = sc.ligue->Match(5, 1);
    const int h = mm->IdEquipe(0), a = mm->IdEquipe(1);
    sc.ligue->CreeMatch(5, h, a, 2, 1);
    const auto jh = sc.Joueurs(h), ja = sc.Joueurs(a);
    sc.ligue->ListeDonnees(2, 5)->Ajoute(TDonneesEvt::CreateId(jh[2], h, evtHorsScore));
    sc.ligue->NbJournee = 5;
    const std::string fichier = MakePath(dir, "buteurs.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat& c = *f->Saison->ChampionnatCourant();
    ModifSaison = 0;

    ASSERT_TRUE(Commande(*f, 14));
    auto* p = dynamic_cast<Tf_ButeursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->IdDomicile, h);
    EXPECT_EQ(Lignes(p->Fond(0, 1)), 2);
    EXPECT_EQ(Lignes(p->Fond(0, 2)), 1);
    EXPECT_EQ(Lignes(p->Fond(1, 1)), 1);
    EXPECT_EQ(Lignes(p->Fond(2, 2)), 1);
    EXPECT_TRUE(BoiteVisible(p->Fond(0, 1), 0)->Text().empty());   // the missed penalty is not a goal

    // Goal 1 dragged, goal 2 by double click; the away goal: a home player on
    // the away goals (own goal).
    TListe* lh = p->Liste(1);
    ASSERT_EQ(lh->Items().Count(), 3);
    const int32_t b1 = Entree(lh, 0), b2 = Entree(lh, 1), csc = Entree(lh, 2);
    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    const int butsAvant = f->Saison->Joueurs().ChercheJoueur(b2, -1)->Stat(c.CodeChamp, 1);
    const TRect e0 = lh->ItemRect(0);
    kit::Drag(lh, {e0.Left + 5, e0.Top + 3}, BoiteVisible(p->Fond(0, 1), 0), {20, 10});
    ChoisitEntree(lh, 1);
    const TRect e2 = lh->ItemRect(2);
    kit::Drag(lh, {e2.Left + 5, e2.Top + 3}, BoiteVisible(p->Fond(0, 2), 0), {20, 10});
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 0)->Numero, b1);
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 1)->Numero, b2);
    EXPECT_EQ(BoiteVisible(p->Fond(0, 2), 0)->Numero, csc);
    EXPECT_TRUE(BoiteVisible(p->Fond(0, 2), 0)->Tag & TCarton::FlagContreSonCamp);
    // Goals full: a double click books, a second sends off.
    ChoisitEntree(lh, 0);
    ChoisitEntree(lh, 0);
    EXPECT_EQ(BoiteVisible(p->Fond(1, 1), 0)->Numero, b1);
    EXPECT_EQ(BoiteVisible(p->Fond(2, 1), 0)->Numero, b1);
    // Penalty and free kick through the popup.
    for (const auto& [i, item] : {std::pair{0, p->mi_Penalty}, {1, p->mi_Coupfranc}}) {
        p->pm_TypeBut->PopupComponent = BoiteVisible(p->Fond(0, 1), i);
        p->pm_TypeButPopup();
        EXPECT_TRUE(p->mi_Aucun->Checked());
        item->Click();
    }
    p->pm_TypeBut->PopupComponent = BoiteVisible(p->Fond(0, 1), 0);
    p->pm_TypeButPopup();
    EXPECT_TRUE(p->mi_Penalty->Checked());
    // Minutes: one past the bound, its third key refused aloud (13 kept);
    // the red card at 75.
    kit::Refusals().clear();
    kit::Type(BoiteVisible(p->Fond(0, 1), 0)->Minute(), "130");
    ASSERT_EQ(kit::Refusals().size(), 1u);
    EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(4400, {130, 127}));
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 0)->Minute()->Text(), "13");
    kit::Type(BoiteVisible(p->Fond(0, 1), 1)->Minute(), "44");
    kit::Type(BoiteVisible(p->Fond(2, 1), 0)->Minute(), "75");
    // Header.
    p->AffichageScore->SetFocus();
    kit::Type(p->AffichageScore, "2500");
    p->cb_Arbitre->SetItemIndex(1);
    p->cb_Arbitre->OnChange(p->cb_Arbitre);
    kit::Type(p->e_NoteArbitre, "7");
    kit::Type(p->e_NoteMatch, "8");
    kit::Type(p->e_add1, "3");
    kit::Type(p->e_add2, "5");
    p->cb_Stade->SetItemIndex(1);
    p->cb_Stade->OnChange(p->cb_Stade);
    kit::GrabToPng(f.get(), "buteurs_foot");

    const TInfoComp* m = c.Match(5, 1);
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(ModifSaison, 1);
    std::vector<std::tuple<int, int32_t, int>> buts = {
        {h, b1, 13 | evt100}, {h, b2, 44 | evt200}, {a, csc, evtRouge}, {h, jh[2], evtHorsScore}};
    std::sort(buts.begin(), buts.end());
    EXPECT_EQ(Records(c, 2, 5, h, a), buts);
    std::vector<std::tuple<int, int32_t, int>> cartons = {{h, b1, 0}, {h, b1, 75 | evtRouge}};
    EXPECT_EQ(Records(c, 3, 5, h, a), cartons);
    EXPECT_EQ(m->Affluence(), 2500);
    EXPECT_EQ(m->Arbitre(), static_cast<int32_t>(p->cb_Arbitre->Items().Objects(1)));
    EXPECT_EQ(m->NoteArbitre(), 7);
    EXPECT_EQ(m->NoteMatch(), 8);
    EXPECT_EQ(m->TempsAdd(1), 3);
    EXPECT_EQ(m->TempsAdd(2), 5);
    EXPECT_GT(m->Stade(), 0);

    // Shown again.
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 1)->Numero, b2);   // by minute: 13, then 44
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 1)->Minute()->Text(), "44");
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 0)->Minute()->Text(), "13");
    EXPECT_TRUE(BoiteVisible(p->Fond(0, 1), 0)->Tag & TCarton::FlagPenalty);
    EXPECT_EQ(BoiteVisible(p->Fond(0, 2), 0)->Numero, csc);
    EXPECT_TRUE(BoiteVisible(p->Fond(0, 2), 0)->Tag & TCarton::FlagContreSonCamp);
    EXPECT_EQ(Lignes(p->Fond(1, 1)), 2);
    EXPECT_EQ(p->e_add2->Text(), "5");
    EXPECT_EQ(p->AffichageScore->Nombre(), "2500");

    // Counted: the two home goals (the penalty included).
    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    EXPECT_EQ(f->Saison->Joueurs().ChercheJoueur(b2, -1)->Stat(c.CodeChamp, 1), butsAvant + 1);

    RepondBoite(mrOk);
    Commande(*f, 7);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TermineFenetre(f);
}

// Three home goal records for a score of 2: the first two by minute are
// shown and kept.
TEST(ButeursFoot, GoalsBeyondTheScoreDroppedByMinute)
{
    const std::string dir = Prepare("buteurs_surplus");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    const int h = sc.ligue->Match(5, 1)->IdEquipe(0), a = sc.ligue->Match(5, 1)->IdEquipe(1);
    sc.ligue->CreeMatch(5, h, a, 2, 0);
    const auto jh = sc.Joueurs(h);
    for (const auto& [j, minute] : {std::pair{0, 90}, {1, 5}, {2, 50}})
        sc.ligue->ListeDonnees(2, 5)->Ajoute(std::make_unique<TDonneesEvt>(jh[j], h, minute, 0));
    sc.ligue->NbJournee = 5;
    const std::string fichier = MakePath(dir, "surplus.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    TDonneesChampionnat& c = *f->Saison->ChampionnatCourant();
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = dynamic_cast<Tf_ButeursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(Lignes(p->Fond(0, 1)), 2);
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 0)->Numero, jh[1]);
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 1)->Numero, jh[2]);
    ASSERT_TRUE(Commande(*f, 13));   // the page goes: written
    std::vector<std::tuple<int, int32_t, int>> attendu = {{h, jh[1], 5}, {h, jh[2], 50}};
    std::sort(attendu.begin(), attendu.end());
    EXPECT_EQ(Records(c, 2, 5, h, a), attendu);
    TermineFenetre(f);
}

TEST(ButeursFoot, SeasonMadeThroughTheCreationWindows)
{
    Prepare("buteurs_foot_creation");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int h = c->IdEquipe(0), a = c->IdEquipe(1);
    c->CreeMatch(1, h, a, 1, 0);
    c->NbJournee = 1;
    f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Buteur", "Bob", -1, h));
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = dynamic_cast<Tf_ButeursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    while (p->IdDomicile != h)
        p->UpDown1->ClickButton(btNext);
    ASSERT_EQ(p->Liste(1)->Items().Count(), 1);
    ChoisitEntree(p->Liste(1), 0);
    const int32_t id = BoiteVisible(p->Fond(0, 1), 0)->Numero;
    EXPECT_GT(id, 0);
    kit::Type(BoiteVisible(p->Fond(0, 1), 0)->Minute(), "12");
    kit::GrabToPng(f.get(), "buteurs_foot_creation");
    ASSERT_TRUE(Commande(*f, 13));
    EXPECT_EQ(Records(*c, 2, 1, h, a), (std::vector<std::tuple<int, int32_t, int>>{{h, id, 12}}));
    TermineFenetre(f);
}

// Two players "Jumeau Jean" of the home club (they met before one of them
// joined it), whom the page tells apart by their record alone. The scorer of
// the one goal booked at 40, his namesake
// double-clicked is booked too, not sent off; a goal kind chosen keeps the
// name the list gives the scorer (in English too); a card of the goal's side
// dragged onto a goal of a kind (the penalty, the other's own goal on the
// away goals) is refused: each box keeps its player and his goal its kind.
// On the other's own goal the menu's kinds keep the own goal (penalty and
// free kick greyed), while on the scorer's goal they work as before.
// Written, saved and read back: the records and the rankings name each his
// own.
TEST(ButeursFoot, NamesakesToldApartByTheirRecord)
{
    using TType = TMenuItem* Tf_InfoMatchCadreBase::*;
    struct TCas
    {
        const char* nom;
        const char* langue;
        std::vector<TType> types;   // chosen in turn on the goal box; none: the bookings
        int typeBut;                // the kind the goal box names at the end
        int drapeau;                // the goal record's flags
        int echange = 0;            // the side whose card is dragged onto a goal of a kind (2: an own goal)
        bool csc = false;           // the kinds chosen first on the other's own goal on the away goals
    };
    const TCas cas[] = {
        {"booked", "fr", {}, 0, 0},
        {"penalty", "fr", {&Tf_InfoMatchCadreBase::mi_Penalty}, 1, evt100},
        {"free_kick", "en", {&Tf_InfoMatchCadreBase::mi_Coupfranc}, 2, evt200},
        {"none", "fr", {&Tf_InfoMatchCadreBase::mi_Penalty, &Tf_InfoMatchCadreBase::mi_Aucun}, 0, 0},
        {"card_onto_penalty", "fr", {&Tf_InfoMatchCadreBase::mi_Penalty}, 1, evt100, 1},
        {"card_onto_own_goal", "en", {}, 0, 0, 2},
        {"own_goal_free_kick", "fr", {&Tf_InfoMatchCadreBase::mi_Coupfranc}, 2, evt200, 0, true},
        {"own_goal_penalty_none", "en", {&Tf_InfoMatchCadreBase::mi_Penalty, &Tf_InfoMatchCadreBase::mi_Aucun}, 0, 0,
         0, true},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        const std::string dir = Prepare(std::string("buteurs_homonymes_") + k.nom);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", k.langue);
        auto f = LanceFenetre();
        ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
        TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
        const int h = c->IdEquipe(0), x = c->IdEquipe(1), a = c->IdEquipe(2);
        // One of each club met on matchday 1; the second joins the first's
        // club: namesakes who met stay two.
        TInfoComp* rencontre = c->CreeMatch(1, h, x, 0, 0);
        int32_t jumeaux[2];
        for (int i = 0; i < 2; ++i) {
            const int club = i == 0 ? h : x;
            jumeaux[i] = f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Jumeau", "Jean", -1, club))->Numero;
            rencontre->SetJoueurTitulaire(club, 1, jumeaux[i]);
        }
        f->Saison->Joueurs().ChercheJoueur(jumeaux[1], x)->ChangeEquipe(h);
        ASSERT_NE(f->Saison->Joueurs().ChercheJoueur(jumeaux[1], h), nullptr);
        ASSERT_NE(jumeaux[0], jumeaux[1]);
        const int32_t adverse =
            f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Adverse", "Paul", -1, a))->Numero;
        c->CreeMatch(2, h, a, 1, 1);
        c->NbJournee = 2;
        ASSERT_TRUE(Commande(*f, 14));
        auto* p = dynamic_cast<Tf_ButeursFoot*>(f->Enfant);
        ASSERT_NE(p, nullptr);
        for (int i = 0; i < 4 && p->IdDomicile != h; ++i)
            p->UpDown1->ClickButton(btNext);
        ASSERT_EQ(p->IdDomicile, h);
        TListe* lh = p->Liste(1);
        auto choisit = [&](int32_t id, TListe* l = nullptr, TCarton* vers = nullptr) {
            l = l ? l : lh;
            for (int i = 0; i < l->Items().Count(); ++i)
                if (Entree(l, i) == id) {
                    if (!vers)
                        return ChoisitEntree(l, i);
                    l->SetItemIndex(i);
                    return kit::Drag(l, {5, l->ItemRect(i).Top + 3}, vers, {20, 10});
                }
            ADD_FAILURE() << "no entry " << id;
        };
        choisit(jumeaux[0]);
        TCarton* but = BoiteVisible(p->Fond(0, 1), 0);
        ASSERT_EQ(but->Numero, jumeaux[0]);
        const std::string libelle = but->Text();
        std::vector<std::tuple<int, int32_t, int>> buts = {{h, jumeaux[0], k.drapeau}}, cartons;
        if (k.types.empty() && !k.echange) {
            choisit(jumeaux[0]);
            kit::Type(BoiteVisible(p->Fond(1, 1), 0)->Minute(), "40");
            choisit(jumeaux[1]);
            EXPECT_EQ(BoiteVisible(p->Fond(1, 1), 1)->Numero, jumeaux[1]);
            EXPECT_TRUE(BoiteVisible(p->Fond(2, 1), 0)->Text().empty());
            cartons = {{h, jumeaux[0], 40}, {h, jumeaux[1], 0}};
            std::sort(cartons.begin(), cartons.end());
        }
        // The box's own menu, opened by the right button.
        auto menu = [&](TCarton* b, TType type) {
            kit::RightClick(b, 5, 5);
            ASSERT_TRUE(p->pm_TypeBut->IsOpen());
            ASSERT_EQ(p->pm_TypeBut->PopupComponent, b);
            (p->*type)->Click();
            p->pm_TypeBut->CloseMenu();
        };
        if (k.csc) {
            TCarton* csc = BoiteVisible(p->Fond(0, 2), 0);
            choisit(jumeaux[1], lh, csc);
            const std::string libelleCsc = csc->Text();
            for (TType type : k.types)
                menu(csc, type);
            EXPECT_FALSE(p->mi_Penalty->Enabled());
            EXPECT_FALSE(p->mi_Coupfranc->Enabled());
            EXPECT_EQ(csc->Text(), libelleCsc);
            buts.emplace_back(a, jumeaux[1], evtRouge);
        }
        for (TType type : k.types)
            menu(but, type);
        if (k.echange) {
            TCarton* cible = but;
            if (k.echange == 2) {
                cible = BoiteVisible(p->Fond(0, 2), 0);
                choisit(jumeaux[1], lh, cible);
                choisit(adverse, p->Liste(2));
                buts.emplace_back(a, jumeaux[1], evtRouge);
                cartons = {{a, adverse, 0}};
            } else {
                choisit(jumeaux[1]);
                cartons = {{h, jumeaux[1], 0}};
            }
            kit::Drag(BoiteVisible(p->Fond(1, k.echange), 0), {10, 10}, cible, {10, 10});
        }
        EXPECT_EQ(but->Text(), k.typeBut ? libelle + " " + LibelleTypeBut(k.typeBut) : libelle);
        kit::GrabToPng(f.get(), std::string("buteurs_homonymes_") + k.nom);
        ASSERT_TRUE(Commande(*f, 13));   // the page goes: written

        auto relue = SauveRelit(*f->Saison, MakePath(dir, "homonymes.xmc"));
        ASSERT_TRUE(relue);
        TDonneesChampionnat& r = *relue->ChampionnatCourant();
        std::sort(buts.begin(), buts.end());
        EXPECT_EQ(Records(r, 2, 2, h, a), buts);
        EXPECT_EQ(Records(r, 3, 2, h, a), cartons);
        relue->InvalideStats();
        relue->CalculeStatJoueurs();
        for (int32_t id : jumeaux) {
            const TJoueur* j = relue->Joueurs().ChercheJoueur(id, h);
            ASSERT_NE(j, nullptr);
            EXPECT_EQ(j->NbAvertissement(r.CodeChamp), std::count_if(cartons.begin(), cartons.end(), [&](auto& t) {
                          return std::get<1>(t) == id;
                      }));
            EXPECT_EQ(j->NbExpulsion(r.CodeChamp), 0);
            EXPECT_EQ(j->Stat(r.CodeChamp, 1), id == jumeaux[0] ? 1 : 0);   // an own goal is not his
        }
        ModifSaison = 0;
        TermineFenetre(f);
    }
}

// The attendance of the football and rugby scorers pages holds six digits:
// 123456 typed is stored whole, a stored 654321 is shown whole.
TEST(ButeursFoot, AttendanceOfSixDigitsTypedAndShownWhole)
{
    for (const auto& [sport, langue] : {std::pair{0, "fr"}, {0, "en"}, {1, "fr"}, {1, "en"}}) {
        const std::string nom = std::to_string(sport) + "_" + langue;
        SCOPED_TRACE(nom);
        const std::string dir = Prepare("buteurs_affluence" + nom);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
        auto f = LanceFenetre();
        ASSERT_TRUE(CreeSaisonParFenetres(*f, sport));
        f->Saison->Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, "Antoine", "Lemarchand"));
        TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
        c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 1, 0);
        c->CreeMatch(1, c->IdEquipe(2), c->IdEquipe(3), 0, 0);
        c->SetAffluenceMatch(1, 2, 654321);
        c->NbJournee = 1;
        ASSERT_TRUE(Commande(*f, 14));
        auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(f->Enfant);
        ASSERT_NE(p, nullptr);
        ASSERT_TRUE(sport == 0 ? dynamic_cast<Tf_ButeursFoot*>(p) != nullptr
                               : dynamic_cast<Tf_ButeursRugby*>(p) != nullptr);
        auto* affluence = kit::Find<TAffichage>(p, "AffichageScore");
        ASSERT_NE(affluence, nullptr);
        ASSERT_EQ(p->MatchCourant, 1);
        kit::Click(affluence);
        kit::Type(affluence, "123456");
        EXPECT_EQ(ChiffresAffichage(affluence->Nombre(), affluence->Nb_case()), "123456");
        auto* arbitre = kit::Find<TComboBox>(p, "cb_Arbitre");
        ASSERT_NE(arbitre, nullptr);
        arbitre->SetItemIndex(1);
        kit::GrabToPng(f.get(), "buteurs_affluence_" + nom);
        // The header's captions name the figures under them and never overlap.
        auto libelle = [&](const char* n) {
            auto* l = kit::Find<TLabel>(p, n);
            return l ? l->Caption() : std::string("(no ") + n + ")";
        };
        EXPECT_EQ(libelle("Label2"), Traduire(742));
        EXPECT_EQ(libelle("Label1"), Traduire(920));
        EXPECT_EQ(libelle(sport == 0 ? "Label6" : "Label3"), Traduire(1034));
        EXPECT_EQ(libelle("Label5"), Traduire(1035));
        if (sport == 0) {
            EXPECT_EQ(libelle("Label7"), Traduire(1368));
            EXPECT_EQ(kit::Find<TEdit>(p, "e_add1")->Hint(), Traduire(1369));
            EXPECT_EQ(kit::Find<TEdit>(p, "e_add2")->Hint(), Traduire(1370));
            EXPECT_EQ(libelle("Label23"), Traduire(4602));
        }
        TWinControl* entete = kit::Find<TLabel>(p, "Label2")->Parent();
        std::vector<TControl*> libelles;
        for (int k = 0; k < entete->ControlCount(); ++k)
            if (dynamic_cast<TLabel*>(entete->Controls(k)) && entete->Controls(k)->Visible())
                libelles.push_back(entete->Controls(k));
        for (size_t i = 0; i < libelles.size(); ++i)
            for (size_t j = i + 1; j < libelles.size(); ++j) {
                const TRect a = libelles[i]->BoundsRect(), b = libelles[j]->BoundsRect();
                EXPECT_TRUE(a.Right <= b.Left || b.Right <= a.Left || a.Bottom <= b.Top || b.Bottom <= a.Top)
                    << libelles[i]->Name() << " over " << libelles[j]->Name();
            }
        p->UpDown1->ClickButton(btNext);
        EXPECT_EQ(c->AffluenceMatch(1, 1), 123456);
        ASSERT_EQ(p->MatchCourant, 2);
        EXPECT_EQ(ChiffresAffichage(affluence->Nombre(), affluence->Nb_case()), "654321");
        TermineFenetre(f);
    }
}

}  // namespace
