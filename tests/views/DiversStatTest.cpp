// The miscellaneous statistics on a championship of four teams worked out by
// hand (see QuatreEquipes): form letters, place held (and a place outside the
// table), best and worst places, a statistic per matchday, frequent scores, a
// matchday's results with its scorers and a missed penalty, attendance, the
// matches of a date and the commands the clicks send; matches still to play;
// the page functions through the registry; pictures of the window.
#include <gtest/gtest.h>

#include <tuple>

#include "model/ListeDonnees.h"
#include "model/ChampionnatStat.h"
#include "model/Penalites.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "model/Joueurs.h"
#include "ui/GestionFonction.h"
#include "views/w_DiversStat.h"
#include "views/w_StatEquipe.h"

namespace {

const std::string OB = "Olympique Brivant", RZ = "Racing Zelvor", SM = "Stade Marnois", AC = "AS Corvelle";

struct THoteDivers
{
    TOwned<TForm> fenetre = kit::NewForm(900, 600);
    Tf_DiversStat* vue = nullptr;
    std::vector<std::pair<int, int>> commandes;

    explicit THoteDivers(TSaison* saison)
    {
        auto* panneau = new TPanel(fenetre.get());
        panneau->SetAlign(alClient);
        panneau->SetParent(fenetre.get());
        vue = new Tf_DiversStat(fenetre.get());
        vue->ChangeCouleurs(vues::Module()->Couleurs);
        vue->ChangeSaison(saison);
        vue->ExecuteCommande = [this](int c, int p, bool) { commandes.emplace_back(c, p); };
        IntegreFiche(vue, panneau);
        kit::ShowForm(fenetre.get());
    }
    const TColorStringGrid& G() const { return *vue->sg_Stats; }
};

// The texts of a language; a handball league of four whose first matchday is
// Olympique Brivant - Racing Zelvor with this score.
vues::TSaisonVue HandballEnLangue(const char* langue, int dom, int ext)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(
        MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + langue + ".txt")));
    auto s = vues::LigueVide(3, 4, 2);
    s.c1->CreeMatch(1, s.c1->IdEquipe(0), s.c1->IdEquipe(1), dom, ext);
    s.c1->DerniereJournee = 1;
    return s;
}

std::vector<std::string> Ligne(const TColorStringGrid& g, int row)
{
    std::vector<std::string> v;
    for (int c = 0; c < g.ColCount(); ++c)
        v.push_back(g.Cells(c, row));
    return v;
}

TEST(DiversStat, FormPlacesAndRanges)
{
    auto s = vues::QuatreEquipes();
    THoteDivers h(s.saison.get());
    h.vue->AfficheFormeEquipe();
    EXPECT_TRUE(h.vue->Panel1->Visible());
    const std::vector<std::vector<std::string>> forme = {
        {OB, "VvV", "VV", "v"}, {RZ, "NDd", "ND", "d"}, {SM, "dvN", "N", "dv"}, {AC, "nDn", "D", "nn"}};
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(Ligne(h.G(), p + 1), forme[static_cast<size_t>(p)]);
    kit::GrabToPng(h.fenetre.get(), "divers-forme");

    // place held: first place (its lead over the team below), last place (its
    // gap behind the team above), a place past the table; one point singular
    h.vue->AffichePlaceOccupee();
    EXPECT_TRUE(h.vue->Edit4->Visible());
    EXPECT_EQ(Ligne(h.G(), 1), (std::vector<std::string>{"1", OB, "3", "+ 2 pts"}));
    EXPECT_EQ(Ligne(h.G(), 3), (std::vector<std::string>{"3", OB, "9", "+ 5 pts"}));
    for (const char* place : {"4", "9"}) {
        h.vue->Edit4->SetText(place);
        EXPECT_EQ(Ligne(h.G(), 3), (std::vector<std::string>{"3", RZ, "1", "- 1 pt"})) << place;
        EXPECT_EQ(h.G().Cells(3, 0), Traduire(216));
    }
    kit::GrabToPng(h.fenetre.get(), "divers-place");

    h.vue->AfficheFourchetteClassement();
    EXPECT_EQ(Ligne(h.G(), 1), (std::vector<std::string>{OB, L1("1°"), L1("1°")}));
    EXPECT_EQ(Ligne(h.G(), 2), (std::vector<std::string>{RZ, L1("4°"), L1("4°")}));

    // scores per matchday, with the total; a single sending-off is a red cell without text
    h.vue->AfficheStatParJournee(2);
    EXPECT_EQ(Ligne(h.G(), 1), (std::vector<std::string>{OB, "2", "3", "1", "6"}));
    s.c1->ListeAvertis(2)->Ajoute(std::make_unique<TDonneesEvt>(5, s.c1->IdEquipe(3), 50, evtRouge));
    h.vue->AfficheStatParJournee(1);
    EXPECT_EQ(Ligne(h.G(), 4), (std::vector<std::string>{AC, "", "", "", "1"}));
    EXPECT_EQ(h.G().CouleurFondCellule(2, 4), clRed);
    h.commandes.clear();
    h.vue->sg_StatsClick(0, 2);
    ASSERT_EQ(h.commandes.size(), 1u);
    EXPECT_EQ(h.commandes[0], std::make_pair(125, 1));

    // six different scores: one each, a sixth of the matches
    h.vue->AfficheScoresFrequents();
    ASSERT_EQ(h.G().RowCount(), 8);
    EXPECT_EQ(h.G().Cells(1, 1), "1");
    EXPECT_EQ(Ligne(h.G(), 7), (std::vector<std::string>{Traduire(328), "0", FormatFloat("0.00", 0)}));
}

TEST(DiversStat, MatchdayResultsAttendanceAndDates)
{
    auto s = vues::QuatreEquipes();
    const int ob = s.c1->IdEquipe(0), rz = s.c1->IdEquipe(1);
    auto j = s.saison->CreeJoueur("Buteur", "Jean", 70000, ob);
    s.saison->Joueurs().AjouteJoueur(std::move(j));
    TListeDonnees* buts = s.c1->ListeButeurs(1);
    buts->Ajoute(std::make_unique<TDonneesEvt>(70000, ob, 10, 0));
    buts->Ajoute(std::make_unique<TDonneesEvt>(70000, ob, 60, 0));
    buts->Ajoute(std::make_unique<TDonneesEvt>(0x0FFFFFFF, rz, 0, evtHorsScore));   // missed penalty
    s.c1->ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(555, rz, 40, 0));    // not in the players list
    s.c1->SetAffluenceMatch(1, 1, 1000);
    s.c1->SetAffluenceMatch(1, 2, 3000);
    THoteDivers h(s.saison.get());
    int journee = 1;
    h.vue->AfficheJournee(&journee);
    EXPECT_EQ(Ligne(h.G(), 1), (std::vector<std::string>{OB + " (1)", "2 - 0", RZ + " (4)", "1000"}));
    EXPECT_EQ(h.G().Cells(0, 2), "   Buteur (10)");
    EXPECT_EQ(h.G().Cells(0, 3), "   Buteur (60)");
    EXPECT_EQ(h.G().Cells(2, 2), LibelleEtat(evtHorsScore) + " (" + Traduire(301) + ")   ");
    EXPECT_EQ(h.G().Cells(1, 2), "(1-0)");   // the missed penalty is no goal
    EXPECT_EQ(h.G().DonneeCellule(0, 2), -1 - 70000);   // the player's id stays whole
    h.commandes.clear();
    h.vue->sg_StatsClick(1, 1);
    h.vue->sg_StatsClick(2, 1);
    EXPECT_EQ(h.commandes, (std::vector<std::pair<int, int>>{{14, 256 + 1}, {123, 1}}));
    kit::GrabToPng(h.fenetre.get(), "divers-journee");

    // the detailed text: half-time without the missed penalty, minutes by player, an unknown player
    h.vue->AfficheDetailJournee(&journee);
    EXPECT_TRUE(h.vue->e_Detail->Visible());
    const std::string texte = h.vue->e_Detail->Texte();
    for (const std::string& attendu : {OB + " - " + RZ + " : 2 - 0 (1-0)",
                                       L1("Buteur (10°, 60°) ") + TraduireFormat(340, {OB}),
                                       Traduire(974) + " : " + Traduire(3472) + L1(" (40°)")})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
    kit::GrabToPng(h.fenetre.get(), "divers-detail");

    h.vue->AfficheSpectateursJournee(&journee);
    EXPECT_EQ(h.vue->Label1->Caption(), TraduireFormat(341, {4000, 2000}));
    EXPECT_EQ(h.G().RowCount(), 3);

    // the matches of a date: the second match of matchday 2 opens as match 2
    const uint32_t date = TGestionDate::EncodeDate(14, 8, 2005);
    s.c1->SetOption(11, 4);
    s.c1->SetDateJournee(2, date);
    h.vue->AfficheParDate();
    h.vue->bc_Calendrier->SetDate(TGestionDate::DateVersDateTime(date));
    h.vue->bc_CalendrierDateChange(nullptr);
    ASSERT_EQ(h.G().RowCount(), 3);
    EXPECT_EQ(h.G().Cells(0, 1), "14/08/2005");
    h.commandes.clear();
    h.vue->sg_StatsClick(1, 2);
    EXPECT_EQ(h.commandes, (std::vector<std::pair<int, int>>{{14, 2 + 256 * 2}}));
    kit::GrabToPng(h.fenetre.get(), "divers-date");
}

// A player's records gathered on one line of the report, whatever comes
// between them; a missed penalty counted nowhere as a goal; an unplayed match
// of the date page opens the match card on that match.
TEST(DiversStat, ReportGroupsAPlayersRecordsAndMissedPenaltiesAreNoGoals)
{
    auto s = vues::QuatreEquipes();
    const int ob = s.c1->IdEquipe(0), rz = s.c1->IdEquipe(1);
    struct { int32_t id; const char* nom; int equipe; } joueurs[] = {
        {70001, "Alpha", ob}, {70002, "Beta", ob}, {70003, "Gamma", rz}};
    for (const auto& j : joueurs)
        s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur(j.nom, "Jean", j.id, j.equipe));
    // three goals: the sheet makes up a 3-0
    s.c1->SetScoreMatch(1, 0, 0, 3);
    TListeDonnees* buts = s.c1->ListeButeurs(1);
    buts->Ajoute(std::make_unique<TDonneesEvt>(70001, ob, 10, 0));
    buts->Ajoute(std::make_unique<TDonneesEvt>(70002, ob, 30, 0));
    buts->Ajoute(std::make_unique<TDonneesEvt>(70001, ob, 60, 0));
    buts->Ajoute(std::make_unique<TDonneesEvt>(70002, ob, 0, evtHorsScore));   // missed penalty
    TListeDonnees* cartons = s.c1->ListeAvertis(1);
    cartons->Ajoute(std::make_unique<TDonneesEvt>(70003, rz, 20, 0));
    cartons->Ajoute(std::make_unique<TDonneesEvt>(70001, ob, 25, 0));
    cartons->Ajoute(std::make_unique<TDonneesEvt>(70003, rz, 70, 0));
    cartons->Ajoute(std::make_unique<TDonneesEvt>(70001, ob, 80, evtRouge));
    cartons->Ajoute(std::make_unique<TDonneesEvt>(70003, rz, 85, evtRouge));
    THoteDivers h(s.saison.get());
    int journee = 1;
    h.vue->AfficheDetailJournee(&journee);
    const std::string texte = h.vue->e_Detail->Texte();
    const struct { std::string ligne; bool present; } lignes[] = {
        {Traduire(498) + L1(" : Alpha (10°, 60°), Beta (30°) ") + TraduireFormat(340, {OB}), true},
        {Traduire(974) + L1(" : Alpha (25°) ") + TraduireFormat(340, {OB}) + L1(",  Gamma (20°, 70°) ") +
             TraduireFormat(340, {RZ}), true},
        {Traduire(975) + L1(" : Alpha (80°) ") + TraduireFormat(340, {OB}) + L1(",  Gamma (85°) ") +
             TraduireFormat(340, {RZ}), true},
        {L1("(0°)"), false},
        {OB + " - " + RZ + " : 3 - 0 (2-0)", true},
    };
    for (const auto& l : lignes)
        EXPECT_EQ(texte.find(l.ligne) != std::string::npos, l.present) << l.ligne << "\n" << texte;
    kit::GrabToPng(h.fenetre.get(), "divers-detail-groupe");
    // In English, minutes are written 10' and places without a mark.
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Texteen.txt")));
    h.vue->AfficheDetailJournee(&journee);
    const std::string anglais = h.vue->e_Detail->Texte();
    EXPECT_NE(anglais.find(": Alpha (10', 60'), Beta (30') "), std::string::npos) << anglais;
    EXPECT_EQ(anglais.find(" :"), std::string::npos) << anglais;   // no blank before a colon in English
    EXPECT_EQ(anglais.find("\xB0"), std::string::npos) << anglais;
    h.vue->AfficheFourchetteClassement();
    EXPECT_EQ(h.G().Cells(1, 1), "1");
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));

    // a draw decided by a shoot-out: its winner in bold, as in the calendar
    const int sm = s.c1->IdEquipe(2), ac = s.c1->IdEquipe(3);
    for (const auto& tab : {std::pair<int, int>{4, 3}, std::pair<int, int>{2, 5}}) {
        s.c1->SupprimePenalty(1, sm, ac);
        s.c1->AjoutePenalty(1, sm, ac, tab.first, tab.second);
        h.vue->AfficheJournee(&journee);
        int r = 1;
        while (r < h.G().RowCount() && h.G().Cells(0, r).rfind(SM, 0) != 0)
            ++r;
        ASSERT_LT(r, h.G().RowCount());
        EXPECT_EQ(h.G().GrasCellule(0, r), tab.first > tab.second) << tab.first;
        EXPECT_EQ(h.G().GrasCellule(2, r), tab.first < tab.second) << tab.first;
    }

    // scoring records per matchday: the missed penalty is not one
    h.vue->AfficheStatParJournee(3);
    EXPECT_EQ(h.G().Cells(1, 1), "3");

    // the date page: an unplayed match opens the card of that very match
    // (counted from 0), a played one the results counted from 1
    const uint32_t date = TGestionDate::EncodeDate(21, 8, 2005);
    s.c1->SetOption(11, 4);
    s.c1->CreeMatch(4, s.c1->IdEquipe(0), s.c1->IdEquipe(3), 65535, 65535);
    s.c1->CreeMatch(4, s.c1->IdEquipe(1), s.c1->IdEquipe(2), 65535, 65535);
    s.c1->SetDateJournee(4, date);
    h.vue->AfficheParDate();
    h.vue->bc_Calendrier->SetDate(TGestionDate::DateVersDateTime(date));
    h.vue->bc_CalendrierDateChange(nullptr);
    ASSERT_EQ(h.G().RowCount(), 3);
    h.commandes.clear();
    h.vue->sg_StatsClick(1, 1);
    h.vue->sg_StatsClick(1, 2);
    EXPECT_EQ(h.commandes, (std::vector<std::pair<int, int>>{{19, 0 + 256 * 4}, {19, 1 + 256 * 4}}));
}

TEST(DiversStat, MatchesStillToPlayAndPageFunctions)
{
    for (int sport : {0, 2}) {
        auto s = vues::SaisonVue(sport);
        // matchday 5: one of five missing (listed); matchday 6: four of five (not late matches)
        s.c1->SetScoreMatch(5, 0, 0, 65535);
        for (int m = 0; m < 4; ++m)
            s.c1->SetScoreMatch(6, m, 0, 65535);
        THoteDivers h(s.saison.get());
        h.vue->AfficheMatchsNonJoues();
        ASSERT_EQ(h.G().RowCount(), 2);
        EXPECT_EQ(h.G().Cells(0, 1), "5");
        h.vue->AfficheComportementDomicile();
        EXPECT_EQ(h.G().RowCount(), 11);
        kit::GrabToPng(h.fenetre.get(), sport == 0 ? "divers-domicile-football" : "divers-domicile-basket");
    }
    // each sport's report lines; the best player of each team (basketball)
    const char* lignes[4] = {"Buteurs : ", "Essais : ", "Statistiques de ", "Statistiques de "};
    for (int sport = 0; sport < 4; ++sport) {
        auto v = vues::SaisonVue(sport);
        TEditeur e(nullptr);
        const TColor palette[5] = {};
        Tf_DiversStat::EcritDetailJournee(1, v.saison.get(), false, palette, e);
        EXPECT_NE(e.Texte().find(L1(lignes[sport])), std::string::npos) << sport << e.Texte();
        if (sport == 2) {
            TColorGridModel g;
            Tf_DiversStat::RemplitMeilleursJournee(1, 1, vues::Module()->Couleurs, 6, g, v.saison.get());
            EXPECT_EQ(g.RowCount(), 11);
            EXPECT_GT(StrToIntDef(g.Cells(2, 1), 0), 0);
        }
    }
    // incomplete records: a player without a country code
    auto v = vues::SaisonVue(0);
    v.saison->Joueurs().Joueur(2)->CodePays = 0;
    {
        THoteDivers h(v.saison.get());
        h.vue->AfficheJoueursIncomplets();
        ASSERT_EQ(h.G().RowCount(), 2);
        EXPECT_EQ(h.G().Cells(0, 1), v.saison->Joueurs().Joueur(2)->Nom);
    }

    auto s = vues::QuatreEquipes();
    for (const char* nom : {"FormeEquipe", "StatParJournee", "JourneeSimple", "ScoresFrequents"}) {
        SCOPED_TRACE(nom);
        const TFonctionEnregistree* e = GestionFonctions().Cherche(nom);
        ASSERT_NE(e, nullptr);
        TOwned<TForm> f(e->Classe.Cree(nullptr));
        TStringList p;
        p.Add("Journee=1");
        std::string r;
        dynamic_cast<TFootForm&>(*f).ExecuteFonction(nom, p, r, vues::Module()->Couleurs, "", s.saison.get());
        const html_lu::TPage page = html_lu::Lit(r);
        EXPECT_TRUE(page.equilibree);
        ASSERT_FALSE(page.tables.empty());
        if (std::string(nom) == "FormeEquipe") {
            EXPECT_EQ(page.tables[0][1], (std::vector<std::string>{OB, "VvV", "VV", "v"}));
        }
    }
}

// A matchday's half-time score, in its results and in its detailed text,
// comes only from a sheet that makes up the match's score, and never from a
// forfeit; a goalless match is 0-0 at half-time in the text. One match,
// Olympique Brivant at home to Racing Zelvor; records (data kind, side, minute).
TEST(DiversStat, HalfTimeOnlyFromASheetThatMakesUpTheScore)
{
    struct TCas
    {
        const char* nom;
        int sport, dom, ext;
        std::vector<std::tuple<int, int, int>> evts;
        bool forfait;
        std::string resultats, texte;   // "" none
    };
    const TCas cas[] = {
        {"2-1, every goal typed", 0, 2, 1, {{2, 0, 10}, {2, 1, 20}, {2, 0, 70}}, false, "(1-1)", " (1-1)"},
        {"2-1 with one goal typed", 0, 2, 1, {{2, 0, 10}}, false, "", ""},
        {"2-1 typed without its sheet", 0, 2, 1, {}, false, "", ""},
        {"a forfeit whose sheet makes up its 3-0", 0, 3, 0, {{2, 0, 10}, {2, 0, 11}, {2, 0, 12}}, true, "", ""},
        {"0-0 without a record", 0, 0, 0, {}, false, "", " (0-0)"},
        {"rugby 10-3, every score typed", 1, 10, 3, {{2, 0, 10}, {5, 1, 30}, {2, 0, 60}}, false, "(5-3)",
         " (5-3)"},
        {"rugby 12-3 with a try typed", 1, 12, 3, {{2, 0, 10}, {5, 1, 30}}, false, "", ""},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        auto s = vues::LigueVide(k.sport, 4, 2);
        TDonneesChampionnat& c = *s.c1;
        c.TempsPeriode = 40;
        const int ob = c.IdEquipe(0), rz = c.IdEquipe(1);
        c.CreeMatch(1, ob, rz, k.dom, k.ext);
        for (const auto& [genre, cote, minute] : k.evts)
            c.ListeDonnees(genre, 1)->Ajoute(std::make_unique<TDonneesEvt>(0x0FFFFFFF, cote == 0 ? ob : rz, minute, 0));
        if (k.forfait)
            c.Penalites().AjoutePenalite(ob, rz, k.dom, k.ext, 1);
        c.DerniereJournee = 1;
        THoteDivers h(s.saison.get());
        int journee = 1;
        h.vue->AfficheJournee(&journee);
        EXPECT_EQ(h.G().Cells(1, 1), std::to_string(k.dom) + " - " + std::to_string(k.ext));
        EXPECT_EQ(h.G().Cells(1, 2), k.resultats);
        h.vue->AfficheDetailJournee(&journee);
        EXPECT_EQ(h.vue->e_Detail->Ligne(1)->Texte, s.saison->NomEquipe(ob) + " - " + s.saison->NomEquipe(rz) +
                                                        " : " + std::to_string(k.dom) + " - " +
                                                        std::to_string(k.ext) + k.texte);
    }
}

// The handball detailed text names each player's 7-metre figure: a field
// player's 7-metre goals, a goalkeeper's 7-metre saves, in both languages.
TEST(DiversStat, HandballDetailNamesSevenMetreGoalsAndSaves)
{
    struct TCas
    {
        int32_t id;
        const char* nom;
        bool gardien;
        int codes[4];   // made, attempted, 7-metre made, 7-metre attempted
        int texte, un, plusieurs;
    };
    const TCas cas[] = {
        {601, "Lucas", true, {5, 8, 1, 2}, 1537, 4921, 4920},    // 5 saves of 8, 1 7-metre save of 2
        {602, "Noah", false, {3, 6, 2, 2}, 68, 1509, 1508},      // 3 goals of 6, 2 7-metre goals of 2
        {603, "Hunt", true, {9, 20, 0, 3}, 1537, 4921, 4920},    // 9 saves of 20, no 7-metre save of 3
    };
    for (const char* langue : {"en", "fr"}) {
        SCOPED_TRACE(langue);
        auto s = HandballEnLangue(langue, 25, 20);
        TDonneesChampionnat& c = *s.c1;
        const int ob = c.IdEquipe(0);
        auto& stat = dynamic_cast<TDonneesChampionnatStat&>(c);
        for (const TCas& k : cas) {
            auto j = s.saison->CreeJoueur(k.nom, "Jo", k.id, ob);
            j->SetPoste(k.gardien ? 22 : 23);   // the goalkeeper, a field player
            s.saison->Joueurs().AjouteJoueur(std::move(j));
            for (int i = 0; i < 4; ++i)
                stat.ListeStat(1, (k.gardien ? 25 : 21) + i)
                    ->Ajoute(TDonneesEvt::CreateId(k.id, ob, static_cast<uint16_t>(k.codes[i])));
        }
        THoteDivers h(s.saison.get());
        int journee = 1;
        h.vue->AfficheDetailJournee(&journee);
        const std::string texte = h.vue->e_Detail->Texte();
        for (const TCas& k : cas) {
            const int u = k.codes[2];
            const std::string ligne = DeuxPoints(std::string(k.nom) + " Jo", std::to_string(k.codes[0])) + " " +
                                      LowerCase(Traduire(k.texte)) + " (" +
                                      Format("%.2f", {100.0 * k.codes[0] / k.codes[1]}) + "%)  " +
                                      TraduireFormat(IdTexteNombre(k.plusieurs, k.un, u), {u}) + " (" +
                                      Format("%.2f", {100.0 * u / k.codes[3]}) + "%)";
            EXPECT_NE(texte.find(ligne), std::string::npos) << ligne << "\n" << texte;
        }
        kit::GrabToPng(h.fenetre.get(), std::string("divers-detail-handball-") + langue);
    }
}

// The best player of each team at a handball matchday, as the player rankings
// count him, worked out by hand: the goals from play (Hill's 16 over Horn's 10,
// Horn entered last), the shooting success from play (Horn 10 of 12, 83.33 %,
// over Hill 16 of 22, 72.73 %; Irwin 15 of 20, 75.00 %, over Isles 7 of 10)
// and the goalkeeper's saves (Hunt 12 of 37 shots, 32.43 %; none for Racing).
TEST(DiversStat, HandballBestOfTheMatchdayAsTheRankingsCount)
{
    const struct
    {
        const char* nom;
        int32_t id;
        int equipe;
        std::vector<std::pair<int, int>> codes;
    } joueurs[] = {
        {"Hill", 701, 0, {{21, 16}, {22, 22}}},  {"Horn", 702, 0, {{21, 10}, {22, 12}}},
        {"Hunt", 703, 0, {{25, 12}, {26, 37}}},  {"Irwin", 704, 1, {{21, 15}, {22, 20}}},
        {"Isles", 705, 1, {{21, 7}, {22, 10}}},
    };
    const struct
    {
        int type, code, entete;
        const char* pourcent;
        std::vector<std::string> equipe0, equipe1;   // player, value
    } cas[] = {
        {2, 21, 68, "", {"Hill", "16"}, {"Irwin", "15"}},
        {3, 22, 68, "%", {"Horn", Format("%.2f", {83.33}) + "%"}, {"Irwin", Format("%.2f", {75.0}) + "%"}},
        {4, 25, 1537, "%", {"Hunt", Format("%.2f", {32.43}) + "%"}, {"", ""}},
    };
    for (const char* langue : {"en", "fr"}) {
        SCOPED_TRACE(langue);
        auto s = HandballEnLangue(langue, 26, 22);
        TDonneesChampionnat& c = *s.c1;
        auto& stat = dynamic_cast<TDonneesChampionnatStat&>(c);
        for (const auto& j : joueurs) {
            s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur(j.nom, "Jo", j.id, c.IdEquipe(j.equipe)));
            for (auto [code, v] : j.codes)
                stat.ListeStat(1, code)->Ajoute(
                    TDonneesEvt::CreateId(j.id, c.IdEquipe(j.equipe), static_cast<uint16_t>(v)));
        }
        THoteDivers h(s.saison.get());
        for (const auto& k : cas) {
            SCOPED_TRACE(k.type);
            int journee = 1;
            h.vue->AfficheButeursJournee(&journee, k.type, k.code);
            ASSERT_EQ(h.G().RowCount(), 3);
            EXPECT_EQ(h.G().Cells(2, 0), Traduire(k.entete) + k.pourcent);
            for (int e : {0, 1}) {
                const int row = h.G().Cells(0, 1) == s.saison->NomEquipe(c.IdEquipe(e)) ? 1 : 2;
                const std::vector<std::string>& attendu = e == 0 ? k.equipe0 : k.equipe1;
                EXPECT_EQ(h.G().Cells(1, row), attendu[0].empty() ? Traduire(108) : attendu[0]) << e;
                EXPECT_EQ(h.G().Cells(2, row), attendu[1]) << e;
            }
            kit::GrabToPng(h.fenetre.get(), "divers-meilleurs-" + std::to_string(k.type) + "-" + langue);
        }
    }
}

// Home behaviour in every sport: Olympique Brivant's home matches give the
// points won, the points dropped (possible less won) and their share.
TEST(DiversStat, HomeBehaviourShowsThePointsDropped)
{
    struct TCas
    {
        int sport;
        std::vector<std::pair<int, int>> scores;   // at home to teams 1, 2, 3
        std::vector<std::string> ligne;            // won, dropped, share
        int essais = 0;                            // tries of the first match (4 give a bonus point)
        std::vector<std::string> feuille = {};     // the team sheet's points per opponent
    };
    const TCas cas[] = {
        // 3, 1, 0: a win, a draw, a defeat: 4 of 9
        {0, {{2, 0}, {1, 1}, {0, 1}}, {"4", "5", "56 %"}},
        // 3, 1: 2 dropped of 6 is 33 % to the nearest
        {0, {{2, 0}, {1, 1}}, {"4", "2", "33 %"}},
        // two wins, the first with the try bonus: 5 + 4 of 5 + 5
        {1, {{30, 10}, {20, 10}}, {"9", "1", "10 %"}, 4, {"5/5", "4/5"}},
        // 4, 2, 0: 6 of 12
        {1, {{20, 10}, {9, 9}, {3, 13}}, {"6", "6", "50 %"}},
        // 2 for a win, 1 for a defeat, no draws: 3 of 4
        {2, {{80, 70}, {70, 80}}, {"3", "1", "25 %"}},
        // 2, 1, 0: 3 of 6
        {3, {{25, 20}, {22, 22}, {20, 24}}, {"3", "3", "50 %"}},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE("sport " + std::to_string(k.sport));
        auto s = vues::LigueVide(k.sport, 4, 6);
        TDonneesChampionnat& c = *s.c1;
        for (size_t m = 0; m < k.scores.size(); ++m)
            c.CreeMatch(static_cast<int>(m) + 1, c.IdEquipe(0), c.IdEquipe(static_cast<int>(m) + 1),
                        k.scores[m].first, k.scores[m].second);
        c.DerniereJournee = static_cast<uint8_t>(k.scores.size());
        if (k.essais > 0) {
            c.BonusBut = 4;
            c.PointBonusBut = 1;
            for (int e = 0; e < k.essais; ++e)
                c.ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(0x0FFFFFFF, c.IdEquipe(0), 10 + e, 0));
        }
        THoteDivers h(s.saison.get());
        h.vue->AfficheComportementDomicile();
        EXPECT_EQ(h.G().Cells(2, 0), Traduire(220));
        int row = 1;
        while (row < h.G().RowCount() && h.G().Cells(0, row) != s.saison->NomEquipe(c.IdEquipe(0)))
            ++row;
        ASSERT_LT(row, h.G().RowCount());
        const std::vector<std::string> l = Ligne(h.G(), row);
        EXPECT_EQ(std::vector<std::string>(l.begin() + 1, l.end()), k.ligne);
        kit::GrabToPng(h.fenetre.get(), "divers-domicile-perdus-" + std::to_string(k.sport));
        // the team sheet counts each match against the same possible points
        if (!k.feuille.empty()) {
            TColorGridModel g;
            Tf_StatEquipe::TablePointsPris(s.saison.get(), c.IdEquipe(0), {s.c1}, 0, 0, g, vues::Module()->Couleurs,
                                           80);
            for (size_t m = 0; m < k.feuille.size(); ++m)
                EXPECT_EQ(g.Cells(1, static_cast<int>(m) + 1), k.feuille[m]);
        }
    }
}

// The age column of the incomplete records shows what the squads show: the
// age in the season's year, the year of birth when no age can be told (a
// season without a year, born that year or later), "-" when unknown.
TEST(DiversStat, IncompleteRecordsShowTheSquadsAge)
{
    struct TCas
    {
        int annee;   // the season's year - 1900
        int octet;   // the stored year of birth - 1900
        std::string montre;
    };
    const std::vector<TCas> cas = {
        {105, 85, "20"}, {126, 104, "22"}, {0, 90, "1990"}, {105, 105, "2005"}, {105, 110, "2010"}, {105, 0, "-"},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.montre);
        auto v = vues::SaisonVue(0);
        v.c1->SetOption(8, c.annee);
        TJoueur* j = v.saison->Joueurs().Joueur(2);
        j->CodePays = 0;
        j->Age = static_cast<uint8_t>(c.octet);
        THoteDivers h(v.saison.get());
        h.vue->AfficheJoueursIncomplets();
        ASSERT_EQ(h.G().RowCount(), 2);
        EXPECT_EQ(h.G().Cells(0, 1), j->Nom);
        // A season without a year says its column holds years of birth.
        EXPECT_EQ(h.G().Cells(2, 0), Traduire(c.annee ? 293 : 73));
        EXPECT_EQ(h.G().Cells(2, 1), c.montre);
        if (c.annee == 126)
            kit::GrabToPng(h.fenetre.get(), "divers-incomplets");
    }
}

// A grid page and the text page print to PDF.
TEST(DiversStat, PagesPrintToPdf)
{
    auto s = vues::QuatreEquipes();
    THoteDivers h(s.saison.get());
    int journee = 1;
    for (int page : {1, 10}) {
        if (page == 1)
            h.vue->AfficheFormeEquipe();
        else
            h.vue->AfficheDetailJournee(&journee);
        const std::string pdf = MakePath(kit::TempDir(), "divers" + std::to_string(page) + ".pdf");
        DeleteFile(pdf);
        Printer().SetOutputFileName(pdf);
        h.vue->Imprime();
        Printer().SetOutputFileName("");
        std::string octets;
        ASSERT_TRUE(ReadFileBytes(pdf, octets)) << page;
        EXPECT_EQ(octets.substr(0, 5), "%PDF-");
    }
}

// The players list of a matchday names each goal or try once: a side with
// three scores and two missed penalties (missed kicks in rugby) lists three,
// the football scorers (kind 1) as the rugby try scorers (kind 5).
TEST(DiversStat, MatchdayScorersLeaveMissedPenaltiesAndKicksOut)
{
    const struct { int sport, type; } cas[] = {{0, 1}, {1, 5}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.sport);
        auto s = vues::LigueVide(c.sport, 4, 6);
        const int a = s.c1->IdEquipe(0), b = s.c1->IdEquipe(1);
        s.c1->CreeMatch(1, a, b, c.sport == 1 ? 15 : 3, 0);
        s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur("Alpha", "Jean", 71001, a));
        TListeDonnees* buts = s.c1->ListeButeurs(1);
        for (int minute : {10, 30, 50})
            buts->Ajoute(std::make_unique<TDonneesEvt>(71001, a, minute, 0));
        for (int i = 0; i < 2; ++i)
            buts->Ajoute(TDonneesEvt::CreateId(71001, a, evtHorsScore));
        THoteDivers h(s.saison.get());
        int journee = 1;
        h.vue->AfficheJoueursJournee(&journee, c.type);
        int r = 1;
        while (r < h.G().RowCount() && h.G().Cells(0, r) != s.saison->NomEquipeCourant(a))
            ++r;
        ASSERT_LT(r, h.G().RowCount());
        int lignes = 0;
        for (int k = r; k < h.G().RowCount() && (k == r || h.G().Cells(0, k).empty()); ++k)
            lignes += h.G().Cells(1, k).find("Alpha") != std::string::npos;
        EXPECT_EQ(lignes, 3);
        if (c.sport == 1)
            kit::GrabToPng(h.fenetre.get(), "divers-essais-journee");
    }
}

}  // namespace
