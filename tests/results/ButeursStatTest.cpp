// The statistic sheets of basketball and handball opened through the main
// window (commands 14 and 17): players entered by double click and by drag,
// counts typed with their totals, text that is not a number refused, a row
// dragged back to the list, the shown team written when the tab, the match or
// the page changes, the header (attendance, officials, hall), the compact
// basketball page writing only its codes, switched-off statistics hiding
// their columns, and the season saved, reopened equal and counted by the
// players' statistics and the rankings.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "model/ChampionnatStat.h"
#include "model/Saison_Stats.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursStat.h"
#include "shell/Commandes.h"
#include "tests/results/FeuilleEssai.h"
#include "ui/Afficheur.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace essai;
using namespace feuille_essai;

namespace {

// The pages registered with the sport switch, as at start-up.
const bool pagesInscrites = (EnregistrePagesMatch(), true);

// A made count above its attempts as the page says it: refused in its column
// `nom`, or a line naming the player `nom` and then the column.
std::string Refus(int texte, const std::string& nom, bool gardien, int reussis, int tentes,
                  const std::string& colonne = "")
{
    const auto [fait, tente] = Tf_ButeursStat::ComptesAuDela(gardien, reussis, tentes);
    return colonne.empty() ? TraduireFormat(texte, {nom, fait, tente}) : TraduireFormat(texte, {nom, colonne, fait, tente});
}

// The page shown by the main window, of type T.
template <class T>
T* PageStat(FenetreEssai& f)
{
    return dynamic_cast<T*>(f.Enfant);
}

// Every record of team t on matchday n for the codes, as (player, code, value).
std::vector<std::tuple<int32_t, int, int>> Enregistres(TDonneesChampionnatStat& c, int n, int t, int premier,
                                                        int dernier)
{
    std::vector<std::tuple<int32_t, int, int>> v;
    for (int code = premier; code <= dernier; ++code)
        if (TListeDonnees* l = c.ListeStat(n, code))
            for (int i = 0; i < l->Nombre(); ++i)
                if (l->Donnee(i)->IdEquipe() == t)
                    v.emplace_back(l->Donnee(i)->IdJoueur(), code, l->Donnee(i)->Mot());
    std::sort(v.begin(), v.end());
    return v;
}

TEST(ButeursStat, BasketballCountsEnteredWrittenShownSavedAndCounted)
{
    const std::string dir = Prepare("buteurs_basket");
    TSaisonComplete sc(2);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, "basket.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    auto& c = dynamic_cast<TDonneesChampionnatStat&>(*f->Saison->ChampionnatCourant());

    ASSERT_TRUE(Commande(*f, 14));
    auto* p = PageStat<Tf_ButeursBasket>(*f);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->Complet());
    const TInfoComp* m = c.Match(4, p->MatchCourant);
    const int h = m->IdEquipe(0), a = m->IdEquipe(1);
    EXPECT_EQ(p->IdDomicile, h);
    const auto jh = sc.Joueurs(h);
    TColorStringGrid* g = p->csc_StatTir;
    EXPECT_FALSE(p->csc_StatGardien->Visible());
    EXPECT_EQ(Tf_ButeursStat::NbJoueurs(*g), 0);
    ASSERT_EQ(p->l_EquipeDomicile->Items().Count(), 3);
    EXPECT_EQ(g->LitCellule(2, 0), "Pts");

    // The header: the stored attendance, officials and hall; referees of the
    // competition above the separator.
    EXPECT_EQ(p->AffichageScore->Nombre(), IntToStr(m->Affluence()));
    EXPECT_EQ(feuille::ObjetChoisi(*p->cb_Arbitre2), m->Officiel(2));
    EXPECT_EQ(p->e_NoteArbitre3->Text(), "6");
    EXPECT_EQ(feuille::ObjetChoisi(*p->cb_Stade), m->Stade());
    ASSERT_EQ(p->cb_Arbitre->Items().Count(), 5);
    EXPECT_EQ(p->cb_Arbitre->Items().Objects(1), sc.arbitres[0]);
    EXPECT_EQ(p->cb_Arbitre->Items().Objects(2), sc.arbitres[2]);
    EXPECT_EQ(p->cb_Arbitre->Items()[3], std::string(22, '-'));
    EXPECT_EQ(p->cb_Arbitre->Items().Objects(4), sc.arbitres[1]);

    // Two players by double click, the third dragged onto the grid.
    ChoisitEntree(p->l_EquipeDomicile, 0);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    const TRect e = p->l_EquipeDomicile->ItemRect(0);
    kit::Drag(p->l_EquipeDomicile, {e.Left + 5, e.Top + 3}, g, {60, 30});
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 3);
    EXPECT_EQ(p->l_EquipeDomicile->Items().Count(), 0);
    std::vector<int32_t> ids;
    for (int r = 1; r <= 3; ++r)
        ids.push_back(g->DonneeCellule(0, r));
    EXPECT_EQ(std::set<int32_t>(ids.begin(), ids.end()), std::set<int32_t>(jh.begin(), jh.end()));

    // Counts typed: the totals follow ("7" beside 2 and 3 gives 12); a
    // letter is refused and the count stays.
    Saisit(g, 2, 1, "2");
    Saisit(g, 2, 2, "3");
    Saisit(g, 2, 3, "7");
    EXPECT_EQ(g->LitCellule(2, 4), "12");
    Saisit(g, 4, 1, "5");
    Saisit(g, 2, 1, "x");
    EXPECT_EQ(g->LitCellule(2, 1), "2");
    EXPECT_EQ(g->LitCellule(2, 4), "12");
    EXPECT_EQ(p->MasqueEdition(1), p->MasqueEdition(5));   // every statistic column masked
    // Back to zero: that player is not stored.
    Saisit(g, 2, 3, "0");
    EXPECT_EQ(g->LitCellule(2, 4), "5");
    kit::GrabToPng(f.get(), "buteurs_basket");

    // Header entries: attendance typed, a referee with a rating.
    p->AffichageScore->SetFocus();
    kit::Type(p->AffichageScore, "4321");
    p->cb_Arbitre->SetItemIndex(2);
    p->cb_Arbitre->OnChange(p->cb_Arbitre);
    kit::Type(p->e_NoteArbitre, "8");
    EXPECT_TRUE(Enregistres(c, 4, h, 5, 12).empty());   // nothing written while typing

    // The away tab: the home team is written first.
    kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(1).Left + 5, p->tc_StatTir->TabRect(1).Top + 5);
    EXPECT_EQ(p->EquipeOnglet(), a);
    const std::vector<std::tuple<int32_t, int, int>> attendu = {
        {ids[0], 6, 2}, {ids[0], 8, 5}, {ids[1], 6, 3}};
    auto trie = attendu;
    std::sort(trie.begin(), trie.end());
    EXPECT_EQ(Enregistres(c, 4, h, 5, 12), trie);
    EXPECT_EQ(m->Affluence(), 4321);
    EXPECT_EQ(m->Officiel(1), sc.arbitres[2]);
    EXPECT_EQ(m->NoteOfficiel(1), 8);
    EXPECT_EQ(Tf_ButeursStat::NbJoueurs(*g), 0);
    EXPECT_EQ(ModifSaison, 1);

    // The next match and back: the home team shows again, the player with
    // nothing stored in the list.
    kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(0).Left + 5, p->tc_StatTir->TabRect(0).Top + 5);
    p->UpDown1->ClickButton(btNext);
    EXPECT_NE(p->IdDomicile, h);
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 2);
    EXPECT_EQ(p->l_EquipeDomicile->Items().Count(), 1);
    EXPECT_EQ(NumeroEntreeListe(p->l_EquipeDomicile->Items()[0], 8, true), ids[2]);
    EXPECT_EQ(g->LitCellule(2, 3), "5");

    // A row dragged back to the list leaves the grid and its totals.
    const int ligne = g->DonneeCellule(0, 1) == ids[0] ? 1 : 2;
    const TRect cellule = g->CellRect(0, ligne);
    kit::Drag(g, {cellule.Left + 20, cellule.Top + 5}, p->l_EquipeDomicile, {20, 40});
    EXPECT_EQ(Tf_ButeursStat::NbJoueurs(*g), 1);
    EXPECT_EQ(p->l_EquipeDomicile->Items().Count(), 2);
    EXPECT_EQ(g->LitCellule(2, 2), "3");
    EXPECT_EQ(g->LitCellule(4, 2), "0");

    // The compact page writes its own codes only.
    ASSERT_TRUE(Commande(*f, 17));
    p = PageStat<Tf_ButeursBasket>(*f);
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(p->Complet());
    EXPECT_FALSE(p->Panel2->Visible());
    EXPECT_EQ(p->IdDomicile, h);
    EXPECT_EQ(Enregistres(c, 4, h, 5, 12), (std::vector<std::tuple<int32_t, int, int>>{{ids[1], 6, 3}}));
    g = p->csc_StatTir;
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 0);   // no code 13..20 yet
    ChoisitEntree(p->l_EquipeDomicile, 0);
    const int32_t rebond = g->DonneeCellule(0, 1);
    Saisit(g, 2, 1, "9");
    kit::GrabToPng(f.get(), "buteurs_basket_compact");
    const int32_t affluence = m->Affluence();
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(Enregistres(c, 4, h, 13, 20), (std::vector<std::tuple<int32_t, int, int>>{{rebond, 14, 9}}));
    EXPECT_EQ(Enregistres(c, 4, h, 5, 12), (std::vector<std::tuple<int32_t, int, int>>{{ids[1], 6, 3}}));
    EXPECT_EQ(m->Affluence(), affluence);

    // Counted by the players' statistics and the rankings.
    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    const TJoueur* j = f->Saison->Joueurs().ChercheJoueur(ids[1], -1);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->Stat(c.CodeChamp, 6), 3);
    EXPECT_EQ(f->Saison->Joueurs().ChercheJoueur(rebond, -1)->Stat(c.CodeChamp, 14), 9);
    auto classement = c.ListeClassementJoueur(4, 6);
    ASSERT_TRUE(classement);
    bool trouve = false;
    for (int i = 0; i < classement->Nombre(); ++i)
        trouve |= classement->Resultat(i)->IdJoueur() == ids[1] && classement->Resultat(i)->Mot() == 3;
    EXPECT_TRUE(trouve);

    // Saved with the page shown, reopened equal.
    RepondBoite(mrOk);
    Commande(*f, 7);
    EXPECT_EQ(ModifSaison, 0);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TermineFenetre(f);
}

// Switched-off statistics hide their columns; the selection skips them and
// never reaches the totals row.
TEST(ButeursStat, HiddenColumnsAreSkipped)
{
    const std::string dir = Prepare("buteurs_masque");
    TSaisonComplete sc(2);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    dynamic_cast<TDonneesChampionnatStat&>(*sc.ligue).SetStatActive(2, 0);
    const std::string fichier = MakePath(dir, "masque.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = PageStat<Tf_ButeursBasket>(*f);
    ASSERT_NE(p, nullptr);
    TColorStringGrid* g = p->csc_StatTir;
    EXPECT_EQ(g->LargeurColonne(3), 0);
    EXPECT_EQ(g->LargeurColonne(4), 0);
    EXPECT_GT(g->LargeurColonne(2), 0);
    EXPECT_GT(g->LargeurColonne(5), 0);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    struct TCas
    {
        int Col, Row, ColAttendue, RowAttendue;
    };
    for (const TCas& k : {TCas{3, 1, 5, 1}, TCas{4, 2, 5, 2}, TCas{2, 3, 2, 2}, TCas{0, 1, 2, 2}}) {
        SCOPED_TRACE(k.Col * 10 + k.Row);
        g->FocusCell(2, 2, true);
        g->FocusCell(k.Col, k.Row, true);
        EXPECT_EQ(g->Col(), k.ColAttendue);
        EXPECT_EQ(g->Row(), k.RowAttendue);
    }
    // The last column of a row moves on to the next row when hidden.
    dynamic_cast<TDonneesChampionnatStat&>(*f->Saison->ChampionnatCourant()).SetStatActive(4, 0);
    p->AfficheMatch();
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 0);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    g->FocusCell(1, 1, true);
    g->FocusCell(7, 1, true);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(g->Row(), 2);
    TermineFenetre(f);
}

TEST(ButeursStat, HandballFieldPlayersAndGoalkeepers)
{
    const std::string dir = Prepare("buteurs_hand");
    TSaisonComplete sc(3);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, "hand.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    auto& c = dynamic_cast<TDonneesChampionnatStat&>(*f->Saison->ChampionnatCourant());
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = PageStat<Tf_ButeursHand>(*f);
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(p->cb_Arbitre3->Visible());
    EXPECT_TRUE(p->csc_StatGardien->Visible());
    const int h = p->IdDomicile;
    TColorStringGrid* g = p->csc_StatTir;
    TColorStringGrid* gg = p->csc_StatGardien;
    EXPECT_EQ(g->ColCount(), 12);
    EXPECT_EQ(g->LitCellule(1, 0), Traduire(1544));
    EXPECT_EQ(g->LitCellule(3, 0), Traduire(4922));   // the 7-metre goals
    EXPECT_EQ(gg->LitCellule(1, 0), L1("Arrêts"));

    // A field player with nothing, one with two goals, a goalkeeper with saves.
    ChoisitEntree(p->l_EquipeDomicile, 0);
    const int32_t vide = g->DonneeCellule(0, 1);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    const int32_t buteur = g->DonneeCellule(0, 2);
    Saisit(g, 1, 2, "2");
    Saisit(g, 6, 2, "1");   // code 30
    const TRect e = p->l_EquipeDomicile->ItemRect(0);
    // The grids scrolled to the last cell typed: the drop on what shows.
    kit::Drag(p->l_EquipeDomicile, {e.Left + 5, e.Top + 3}, gg, {p->ScrollBox1->HorzPosition() + 60, 30});
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*gg), 1);
    const int32_t gardien = gg->DonneeCellule(0, 1);
    Saisit(gg, 1, 1, "11");   // code 25
    EXPECT_GT(g->Top(), gg->Top());
    kit::GrabToPng(f.get(), "buteurs_hand");

    // Goals and saves typed without their shots: kept knowingly.
    std::vector<std::string> dits;
    RepondBoite(mrYes, &dits);
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(dits.size(), 1u);
    const std::vector<std::tuple<int32_t, int, int>> attendu = [&] {
        std::vector<std::tuple<int32_t, int, int>> v = {
            {vide, 36, 1}, {buteur, 21, 2}, {buteur, 30, 1}, {buteur, 36, 1}, {gardien, 25, 11}, {gardien, 36, 129}};
        std::sort(v.begin(), v.end());
        return v;
    }();
    EXPECT_EQ(Enregistres(c, 4, h, 21, 36), attendu);

    // Shown again: the goalkeeper in his grid, the empty player kept.
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 2);
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*gg), 1);
    EXPECT_EQ(gg->DonneeCellule(0, 1), gardien);
    EXPECT_EQ(gg->LitCellule(1, 1), "11");
    EXPECT_EQ(p->l_EquipeDomicile->Items().Count(), 0);

    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    EXPECT_EQ(f->Saison->Joueurs().ChercheJoueur(buteur, -1)->Stat(c.CodeChamp, 21), 2);
    auto classement = c.ListeClassementJoueur(4, 21);
    ASSERT_TRUE(classement);
    bool trouve = false;
    for (int i = 0; i < classement->Nombre(); ++i)
        trouve |= classement->Resultat(i)->IdJoueur() == buteur;
    EXPECT_TRUE(trouve);

    RepondBoite(mrOk);
    Commande(*f, 7);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TermineFenetre(f);
}

// A season made through the creation windows, a result entered in the
// results window's model, the sheet named by the calendar's parameter.
TEST(ButeursStat, SeasonMadeThroughTheCreationWindows)
{
    for (int sport : {2, 3}) {
        SCOPED_TRACE(sport);
        Prepare("buteurs_creation" + std::to_string(sport));
        auto f = LanceFenetre();
        ASSERT_TRUE(CreeSaisonParFenetres(*f, sport));
        TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
        ASSERT_NE(c, nullptr);
        // A result of matchday 2, as the results window enters it.
        const int h = c->IdEquipe(0), a = c->IdEquipe(1);
        c->CreeMatch(2, h, a, 70, 64);
        int m = 1;
        while (m < c->NbMatchJournee(2) && c->ValeurMatch(2, 4 * m - 3) != h)
            ++m;
        ASSERT_EQ(c->ValeurMatch(2, 4 * m - 1), a);
        // The match named as the calendar sends it: matchday x 256 + match.
        f->ExecuteCommande(14, 2 * 256 + m, false);
        auto* p = dynamic_cast<Tf_ButeursStat*>(f->Enfant);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(c->NbJournee, 2);
        EXPECT_EQ(p->MatchCourant, m);
        EXPECT_EQ(p->IdDomicile, h);
        EXPECT_EQ(p->c_ScDomicile->Text(), "70");
        // A player of the home team entered with a count, written when the
        // away team's tab is chosen.
        f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Nouveau", "Joueur", -1, h));
        p->AfficheMatch();
        ASSERT_EQ(p->l_EquipeDomicile->Items().Count(), 1);
        ChoisitEntree(p->l_EquipeDomicile, 0);
        const int32_t id = p->csc_StatTir->DonneeCellule(0, 1);
        Saisit(p->csc_StatTir, 2, 1, "4");
        kit::GrabToPng(f.get(), "buteurs_creation_" + std::to_string(sport));
        kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(1).Left + 5, p->tc_StatTir->TabRect(1).Top + 5);
        EXPECT_EQ(p->EquipeOnglet(), a);
        auto& stat = dynamic_cast<TDonneesChampionnatStat&>(*c);
        const int code = sport == 2 ? 6 : 22;
        EXPECT_EQ(Enregistres(stat, 2, h, code, code), (std::vector<std::tuple<int32_t, int, int>>{{id, code, 4}}));
        TermineFenetre(f);
    }
}

// The main window over a season of the sport made through the creation
// windows, in that language, matchday 1 holding the first two teams' match
// (none when the season could not be made).
TOwned<FenetreEssai> SaisonUnMatch(const std::string& nom, const char* langue, int sport, int hs, int as)
{
    const std::string dir = Prepare(nom);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
    auto f = LanceFenetre();
    if (!CreeSaisonParFenetres(*f, sport)) {
        ADD_FAILURE() << "season not made";
        TermineFenetre(f);
        return nullptr;
    }
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), hs, as);
    c->NbJournee = 1;
    return f;
}

// A basketball box score: a made count may come before its attempts, but
// never above them once both are typed; a refused count leaves the cell as
// it was and says why.
TEST(ButeursStat, BasketballMadeAtMostAttempted)
{
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        auto f = SaisonUnMatch(std::string("buteurs_reussis_") + langue, langue, 2, 80, 70);
        ASSERT_TRUE(f);
        TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
        const int h = c->IdEquipe(0);
        f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Tireur", "Tom", -1, h));
        ASSERT_TRUE(Commande(*f, 14));
        auto* p = PageStat<Tf_ButeursStat>(*f);
        ASSERT_NE(p, nullptr);
        // the header names its figures: attendance, match rating, officials' ratings
        for (auto [nom, id] : {std::pair{"Label2", 742}, {"Label5", 1035}, {"Label4", 1173}}) {
            auto* l = kit::Find<TLabel>(p, nom);
            ASSERT_NE(l, nullptr) << nom;
            EXPECT_EQ(l->Caption(), Traduire(id)) << nom;
        }
        kit::GrabToPng(f.get(), std::string("buteurs_stat_entete_") + langue);
        while (p->IdDomicile != h)
            p->UpDown1->ClickButton(btNext);
        ASSERT_EQ(p->l_EquipeDomicile->Items().Count(), 1);
        ChoisitEntree(p->l_EquipeDomicile, 0);
        TColorStringGrid* g = p->csc_StatTir;
        const std::string troisPoints = g->LitCellule(5, 0);
        struct Pas
        {
            int col;
            const char* texte;
            int reussis, tentes;   // columns 5 and 6 after it
            std::string message;   // empty: accepted
        };
        const Pas pas[] = {
            {5, "12", 12, 0, ""},
            {6, "5", 12, 0, Refus(3602, troisPoints, false, 12, 5)},
            {6, "15", 12, 15, ""},
            {5, "16", 12, 15, Refus(3602, troisPoints, false, 16, 15)},
            {5, "15", 15, 15, ""},
            {6, "14", 15, 15, Refus(3602, troisPoints, false, 15, 14)},
        };
        for (const Pas& k : pas) {
            SCOPED_TRACE(std::to_string(k.col) + ": " + k.texte);
            std::vector<std::string> textes;
            if (!k.message.empty())
                kit::WhenModal([&](TForm* m) {
                    if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
                        textes.push_back(b->Label1->Caption());
                        kit::GrabToPng(b, std::string("buteurs_basket_reussis_message_") + langue);
                    }
                    m->SetModalResult(mrOk);
                });
            Saisit(g, k.col, 1, k.texte);
            kit::Process();
            if (!k.message.empty()) {
                // The cursor stays on the refused cell, the figure typed
                // selected in its editor; Escape gives the cell back.
                EXPECT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(k.col, 1));
                EXPECT_EQ(g->EditorText(), k.texte);
                kit::PressKey(nullptr, VK_ESCAPE);
            }
            EXPECT_EQ(std::make_pair(g->DonneeCellule(5, 1), g->DonneeCellule(6, 1)),
                      std::make_pair(k.reussis, k.tentes));
            EXPECT_EQ(std::make_pair(g->LitCellule(5, 1), g->LitCellule(6, 1)),
                      std::make_pair(std::to_string(k.reussis), std::to_string(k.tentes)));
            EXPECT_EQ(textes, k.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{k.message});
            kit::ForgetModalActions();
        }
        kit::GrabToPng(f.get(), std::string("buteurs_basket_reussis_") + langue);
        TermineFenetre(f);
    }
}


// The compact basketball page in English: a user types under the caption
// he reads; fouls, blocks and turnovers each reach their own code.
TEST(ButeursStat, CompactPageCaptionsStoreWhatTheyName)
{
    auto f = SaisonUnMatch("buteurs_compact_en", "en", 2, 80, 70);
    ASSERT_TRUE(f);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int h = c->IdEquipe(0);
    f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Pivot", "Pat", -1, h));
    ASSERT_TRUE(Commande(*f, 17));
    auto* p = PageStat<Tf_ButeursBasket>(*f);
    ASSERT_NE(p, nullptr);
    ASSERT_FALSE(p->Complet());
    while (p->IdDomicile != h)
        p->UpDown1->ClickButton(btNext);
    ChoisitEntree(p->l_EquipeDomicile, 0);
    TColorStringGrid* g = p->csc_StatTir;
    const int32_t id = g->DonneeCellule(0, 1);
    struct Legende
    {
        const char* titre;
        const char* texte;
        int code;
    };
    const Legende legendes[] = {{"Fls", "4", 16}, {"Blk", "3", 19}, {"TO", "2", 20}, {"Stl", "1", 18}};
    for (const Legende& k : legendes) {
        int col = -1;
        for (int i = 1; i < g->ColCount(); ++i)
            if (g->LitCellule(i, 0) == k.titre)
                col = i;
        ASSERT_GT(col, 0) << k.titre;
        Saisit(g, col, 1, k.texte);
    }
    kit::GrabToPng(f.get(), "buteurs_basket_compact_en");
    kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(1).Left + 5, p->tc_StatTir->TabRect(1).Top + 5);
    auto& stat = dynamic_cast<TDonneesChampionnatStat&>(*c);
    EXPECT_EQ(Enregistres(stat, 1, h, 13, 20),
              (std::vector<std::tuple<int32_t, int, int>>{{id, 16, 4}, {id, 18, 1}, {id, 19, 3}, {id, 20, 2}}));
    TermineFenetre(f);
}

// A handball box score: goals at most shots and 7-metre goals at most 7-metre
// throws for a field player; saves at most shots faced and 7-metre saves at
// most 7-metre throws faced for a goalkeeper, whose refusal speaks of saves
// and shots faced.
TEST(ButeursStat, HandballMadeAtMostAttempted)
{
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        auto f = SaisonUnMatch(std::string("buteurs_hand_reussis_") + langue, langue, 3, 25, 20);
        ASSERT_TRUE(f);
        TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
        const int h = c->IdEquipe(0);
        // listed by name: the field player first, the goalkeeper next
        f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Ailier", "Tom", -1, h));
        f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Portier", "Gil", -1, h));
        ASSERT_TRUE(Commande(*f, 14));
        auto* p = PageStat<Tf_ButeursHand>(*f);
        ASSERT_NE(p, nullptr);
        while (p->IdDomicile != h)
            p->UpDown1->ClickButton(btNext);
        ASSERT_EQ(p->l_EquipeDomicile->Items().Count(), 2);
        ChoisitEntree(p->l_EquipeDomicile, 0);
        const TRect e = p->l_EquipeDomicile->ItemRect(0);
        kit::Drag(p->l_EquipeDomicile, {e.Left + 5, e.Top + 3}, p->csc_StatGardien, {60, 30});
        ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*p->csc_StatGardien), 1);
        struct Pas
        {
            bool gardien;
            int col;
            const char* texte;
            int reussis, tentes;   // the pair of the column after it
            bool refuse;
        };
        const Pas pas[] = {
            {false, 2, "3", 0, 3, false},   {false, 1, "5", 0, 3, true},   {false, 1, "3", 3, 3, false},
            {false, 2, "2", 3, 3, true},    {false, 3, "2", 2, 0, false},  {false, 4, "1", 2, 0, true},
            {true, 2, "4", 0, 4, false},    {true, 1, "9", 0, 4, true},    {true, 1, "4", 4, 4, false},
            {true, 4, "3", 0, 3, false},    {true, 3, "4", 0, 3, true},    {true, 3, "3", 3, 3, false},
        };
        for (const Pas& k : pas) {
            SCOPED_TRACE(std::string(k.gardien ? "goalkeeper " : "field ") + std::to_string(k.col) + ": " + k.texte);
            TColorStringGrid* g = k.gardien ? p->csc_StatGardien : p->csc_StatTir;
            const int fait = k.col <= 2 ? 1 : 3;
            const std::string attendu =
                k.refuse ? Refus(k.gardien ? 4821 : 3602, g->LitCellule(fait, 0), k.gardien,
                                 fait == k.col ? atoi(k.texte) : k.reussis, fait == k.col ? k.tentes : atoi(k.texte))
                         : std::string();
            std::vector<std::string> textes;
            if (k.refuse)
                kit::WhenModal([&](TForm* m) {
                    if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
                        textes.push_back(b->Label1->Caption());
                    m->SetModalResult(mrOk);
                });
            Saisit(g, k.col, 1, k.texte);
            kit::Process();
            if (k.refuse) {
                EXPECT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(k.col, 1));
                EXPECT_EQ(g->EditorText(), k.texte);
                kit::PressKey(nullptr, VK_ESCAPE);
            }
            EXPECT_EQ(std::make_pair(g->DonneeCellule(fait, 1), g->DonneeCellule(fait + 1, 1)),
                      std::make_pair(k.reussis, k.tentes));
            EXPECT_EQ(std::make_pair(g->LitCellule(fait, 1), g->LitCellule(fait + 1, 1)),
                      std::make_pair(std::to_string(k.reussis), std::to_string(k.tentes)));
            EXPECT_EQ(textes, k.refuse ? std::vector<std::string>{attendu} : std::vector<std::string>{});
            kit::ForgetModalActions();
        }
        kit::GrabToPng(f.get(), std::string("buteurs_hand_reussis_") + langue);
        // What was accepted is what is written when the other team is shown;
        // the 7-metre goals above their throws (typed first) are kept knowingly.
        const std::string ligne =
            Refus(4822, p->csc_StatTir->LitCellule(0, 1), false, 2, 0, p->csc_StatTir->LitCellule(3, 0));
        std::vector<std::string> dits;
        RepondBoite(mrYes, &dits);
        kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(1).Left + 5, p->tc_StatTir->TabRect(1).Top + 5);
        ASSERT_EQ(dits.size(), 1u);
        EXPECT_NE(dits[0].find(ligne), std::string::npos) << dits[0];
        auto& stat = dynamic_cast<TDonneesChampionnatStat&>(*c);
        std::map<int, int> totaux;
        for (const auto& [joueur, code, valeur] : Enregistres(stat, 1, h, 21, 28))
            totaux[code] += valeur;
        EXPECT_EQ(totaux, (std::map<int, int>{{21, 3}, {22, 3}, {23, 2}, {25, 4}, {26, 4}, {27, 3}, {28, 3}}));
        TermineFenetre(f);
    }
}

// A made count typed above its attempts (made typed first, attempts left
// at 0): whatever road leaves the shown team, the page names the player and
// the figure. On the page's own roads (the other tab, the next match, the
// match list) "Yes" keeps it as typed and goes, "No" goes back to its cell
// and writes nothing; the main window taking the page writes it and says
// so. With the attempts not kept by the championship (their statistic off)
// there is nothing to say. The player is put in the grid by Enter on the list.
TEST(ButeursStat, MadeAboveAttemptsNeverLeftUnsaid)
{
    enum TRoute { Onglet, Suivant, ListeMatchs, AutreVue };
    struct TCas
    {
        int sport;
        bool gardien;
        TRoute route;
        int reponse;   // mrYes, mrNo; mrOk: a message only; 0: nothing said
        int eteinte = 0;   // the championship's statistic switched off
    };
    const TCas cas[] = {
        {2, false, Onglet, mrYes},      {2, false, Onglet, mrNo},     {2, false, Suivant, mrYes},
        {2, false, Suivant, mrNo},      {2, false, ListeMatchs, mrYes}, {2, false, ListeMatchs, mrNo},
        {2, false, AutreVue, mrOk},     {3, false, Onglet, mrYes},    {3, false, Suivant, mrNo},
        {3, false, ListeMatchs, mrNo},  {3, false, AutreVue, mrOk},   {3, true, Onglet, mrNo},
        {3, true, Suivant, mrYes},      {3, false, Onglet, 0, 2},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.sport) + (c.gardien ? " goalkeeper " : " ") + std::to_string(c.route) + " " +
                     std::to_string(c.reponse));
        auto f = SaisonUnMatch("reussis_depart", "en", c.sport, 80, 70);
        ASSERT_TRUE(f);
        auto& ch = dynamic_cast<TDonneesChampionnatStat&>(*f->Saison->ChampionnatCourant());
        const int h = ch.IdEquipe(0);
        ch.CreeMatch(1, ch.IdEquipe(2), ch.IdEquipe(3), 60, 50);
        f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Tireur", "Tom", -1, h));
        if (c.eteinte)
            ch.SetStatActive(c.eteinte, 0);
        ASSERT_TRUE(Commande(*f, 14));
        auto* p = PageStat<Tf_ButeursStat>(*f);
        ASSERT_NE(p, nullptr);
        while (p->IdDomicile != h)
            p->UpDown1->ClickButton(btNext);
        const int match = p->MatchCourant;
        TColorStringGrid* g = c.gardien ? p->csc_StatGardien : p->csc_StatTir;
        TListe* l = p->l_EquipeDomicile;
        ASSERT_EQ(l->Items().Count(), 1);
        if (c.gardien) {
            const TRect e = l->ItemRect(0);
            kit::Drag(l, {e.Left + 5, e.Top + 3}, g, {p->ScrollBox1->HorzPosition() + 60, 30});
        } else {
            // The entry pressed, then Enter.
            const TRect e = l->ItemRect(0);
            kit::Click(l, e.Left + 5, e.Top + 3);
            kit::PressKey(l, VK_RETURN);
        }
        ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 1);
        EXPECT_EQ(l->Items().Count(), 0);
        const int32_t id = g->DonneeCellule(0, 1);
        // The made column: two-point shots, goals from play, saves.
        const int col = c.sport == 2 ? 3 : 1;
        const int code = c.sport == 2 ? 7 : c.gardien ? 25 : 21;
        Saisit(g, col, 1, "3");
        ASSERT_EQ(g->DonneeCellule(col, 1), 3);
        EXPECT_EQ(g->LargeurColonne(col + 1) == 0, c.eteinte != 0);
        ASSERT_EQ(g->DonneeCellule(col + 1, 1), 0);
        const std::string ligne = Refus(c.gardien ? 4823 : 4822, g->LitCellule(0, 1), c.gardien, 3, 0, g->LitCellule(col, 0));
        std::vector<std::string> dits;
        kit::WhenModal([&](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
                dits.push_back(b->Label1->Caption());
                kit::GrabToPng(b, "reussis_depart_message" + std::to_string(c.reponse));
            }
            m->SetModalResult(c.reponse);
        });
        switch (c.route) {
        case Onglet:
            kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(1).Left + 5, p->tc_StatTir->TabRect(1).Top + 5);
            break;
        case Suivant:
            p->UpDown1->ClickButton(btNext);
            break;
        case ListeMatchs:
            p->pm_ListeMatchPopup();
            for (int i = 0; i < p->pm_ListeMatch->Items()->Count(); ++i)
                if (TMenuItem* mi = p->pm_ListeMatch->Items()->Items(i); mi->Tag >= 1 && mi->Tag < 20 && mi->Tag != match) {
                    mi->Click();
                    break;
                }
            break;
        case AutreVue:
            ASSERT_TRUE(Commande(*f, 13));
            break;
        }
        ASSERT_EQ(dits.size(), c.reponse ? 1u : 0u);
        if (c.reponse) {
            EXPECT_NE(dits[0].find(ligne), std::string::npos) << dits[0];
            EXPECT_NE(dits[0].find(Traduire(c.reponse == mrOk ? 4826 : 4825)), std::string::npos) << dits[0];
        } else
            EXPECT_EQ(kit::ForgetModalActions(), 1u);
        kit::GrabToPng(f.get(), "reussis_depart");
        int ecrit = -1;
        if (const TListeDonnees* ld = ch.ListeStat(1, code))
            for (int i = 0; i < ld->Nombre(); ++i)
                if (ld->Donnee(i)->IdJoueur() == id)
                    ecrit = ld->Donnee(i)->Mot();
        if (c.reponse == mrNo) {
            // Back to the cell; nothing left, nothing written.
            EXPECT_EQ(p->IdDomicile, h);
            EXPECT_EQ(p->MatchCourant, match);
            EXPECT_EQ(p->tc_StatTir->TabIndex(), 0);
            EXPECT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(col, 1));
            EXPECT_EQ(g->DonneeCellule(col, 1), 3);
            EXPECT_EQ(ecrit, -1);
            // Kept the second time: the same road asks again and goes.
            RepondBoite(mrYes);
            if (c.route == Onglet)
                kit::Click(p->tc_StatTir, p->tc_StatTir->TabRect(1).Left + 5, p->tc_StatTir->TabRect(1).Top + 5);
            else
                p->UpDown1->ClickButton(btNext);
            EXPECT_EQ(kit::ForgetModalActions(), 0u);
        }
        ecrit = -1;
        if (const TListeDonnees* ld = ch.ListeStat(1, code))
            for (int i = 0; i < ld->Nombre(); ++i)
                if (ld->Donnee(i)->IdJoueur() == id)
                    ecrit = ld->Donnee(i)->Mot();
        EXPECT_EQ(ecrit, 3);
        TermineFenetre(f);
    }
}

// The handball sheet without a match, in English: the tabs name the two
// sides in English and the grids show every column's title; with a match the
// field players' goals column is headed "Goals from play" and the page says
// that the 7-metre goals are apart.
TEST(ButeursStat, HandballSheetCaptionsInEnglish)
{
    const std::string dir = Prepare("buteurs_hand_vide_en");
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 3));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = PageStat<Tf_ButeursHand>(*f);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->c_EqDomicile->Text().empty()) << "the matchday holds a match";
    kit::GrabToPng(f.get(), "buteurs_hand_vide_en");
    EXPECT_EQ(p->tc_StatTir->Tabs()[0], Traduire(222));
    EXPECT_EQ(p->tc_StatTir->Tabs()[1], Traduire(224));
    for (const std::string& t : {p->tc_StatTir->Tabs()[0], p->tc_StatTir->Tabs()[1]})
        EXPECT_EQ(t.find("Equipe"), std::string::npos) << t;
    for (TColorStringGrid* g : {p->csc_StatTir, p->csc_StatGardien}) {
        int largeur = 0;
        for (int k = 0; k < g->ColCount(); ++k)
            largeur += g->LargeurColonne(k);
        EXPECT_GE(g->ClientWidth(), largeur) << g->Name();
    }
    EXPECT_EQ(p->csc_StatTir->LitCellule(1, 0), Traduire(1544));
    EXPECT_EQ(p->l_Note->Caption(), TraduireFormat(4827, {Traduire(1544), p->csc_StatTir->LitCellule(3, 0)}));
    // With a match: the same caption and note under the grid, read whole.
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 25, 20);
    c->NbJournee = 1;
    p->AfficheMatch();
    ASSERT_FALSE(p->c_EqDomicile->Text().empty());
    EXPECT_EQ(p->csc_StatTir->LitCellule(1, 0), Traduire(1544));
    EXPECT_TRUE(p->l_Note->Visible());
    EXPECT_GT(p->l_Note->Top(), p->csc_StatTir->Top() + p->csc_StatTir->Height() - 1);
    EXPECT_LE(p->l_Note->Width(), p->ScrollBox1->ClientWidth());
    kit::GrabToPng(f.get(), "buteurs_hand_note_en");
    TermineFenetre(f);
}

}  // namespace
