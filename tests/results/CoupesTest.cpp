// Cup decisions typed on the results page with real keys: a result that sends
// the other team through asks before it replaces or deletes later matches
// holding something typed, the third-place match that held the new finalist
// among them, and touches neither the other ties nor a third-place match it
// does not reach; a round of single matches with replays makes its final
// whatever the order of its results; the third-place row of a final played
// over several matchdays takes the semi-final losers; a level tie whose
// shoot-out is closed without a result has no winner. Then the one guard of
// every gesture that takes a team out of a played match.
#include <gtest/gtest.h>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "results/Saisie.h"
#include "results/w_DialoguesResultats.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/message2.h"
#include "views/Textes.h"

using namespace page_essai;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

// A match of the cup: matchday, home and away ids, scores (V: none), the side
// the page had qualified (-1: none).
struct Jeu
{
    int d, h, a, sh, sa, q;
};

// A cup of four teams of the sport: semi-finals 0-1 and 2-3 of kind `demi`, a
// final of kind `finale`, option word 1 counting the two rounds; the matches
// given are in the championship with a record of each side of those played.
std::unique_ptr<TSaison> Coupe(int sport, uint16_t demi, uint16_t finale, bool petiteFinale,
                               const std::vector<Jeu>& jeux, bool barrage = false)
{
    auto s = TMultiSport::CreeSaison(sport);
    auto c = s->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    for (int i = 0; i < 4; ++i)
        c->AjouteEquipe(s->AjouteEquipe(vues::NomsFoot[i]));
    const TInfoTourCoupe tours[] = {{2, 2, demi}, {1, 1, finale}};
    c->CreeToursCoupe(tours);
    c->SetOption(1, 2);
    c->PetiteFinale = petiteFinale;
    for (const Jeu& j : jeux) {
        c->CreeMatch(j.d, j.h, j.a, j.sh, j.sa);
        if (j.q >= 0)
            c->SetQualifieMatch(j.d, j.h, j.a, j.q == 1);
        if (j.sh != V)
            for (int e : {j.h, j.a})
                c->ListesDonnees(j.d).front()->Ajoute(std::make_unique<TDonneesEvt>(100 + e, e, 30, 0));
    }
    c->NbJournee = 1;
    TDescNoeud* n = nullptr;
    if (barrage) {
        // the cup of a play-off, under its play-off
        auto b = std::make_unique<TDonneesBarrage>();
        b->Code = 3 | 0x8000;
        c->CodeChamp = 3 | 0x8000;
        TDescNoeud* p = s->Arbre().AjouteBarrage("Barrage", "France", std::move(b));
        n = s->Arbre().AjouteNoeudNiveau(p, 3, "Barrage");
        n->SetChampionnat(std::move(c));
    } else
        n = s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "France");
    s->SetChampionnatCourant(n->Championnat());
    return s;
}

void PasDeTirsAuBut(Tf_Resultats& r)
{
    r.DemandeTirsAuBut = [](int, int) -> uint32_t {
        ADD_FAILURE() << "no shoot-out asked for here";
        return 0;
    };
}

// ---- a changed winner and the later matches ---------------------------------------------

struct CasChangement
{
    const char* nom;
    int sport;
    uint16_t demi, finale;
    std::vector<Jeu> jeux;   // typed before
    Jeu petite;              // the third-place match, typed, when the cup has one
    int journee, ligne;      // the row retyped
    const char *sh, *sa;
    std::vector<Jeu> partent;   // matches the change replaces or deletes, in order
    Jeu nouveau;                // the match made in their place (d 0: none)
    Jeu petiteNouvelle;         // the third-place match made in place of the one given (d 0: it stays)
    bool barrage = false;       // the cup is a play-off's
};

class Changement : public ::testing::TestWithParam<std::tuple<CasChangement, bool, bool>>
{
};

TEST_P(Changement, AsksBeforeReplacingTypedLaterMatchesAndNoKeepsThemWhole)
{
    const auto& [cas, petiteFinale, oui] = GetParam();
    std::vector<Jeu> jeux = cas.jeux, partent = cas.partent;
    if (petiteFinale)
        jeux.push_back(cas.petite);
    // The third-place match that held the semi-final's new winner goes too.
    const bool petiteChange = petiteFinale && cas.petiteNouvelle.d > 0;
    if (petiteChange)
        partent.push_back(cas.petite);
    auto s = Coupe(cas.sport, cas.demi, cas.finale, petiteFinale, jeux, cas.barrage);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    c->NbJournee = static_cast<uint8_t>(cas.journee);
    // The basketball cup and the play-off with their third-place match are shown in English.
    const bool anglais = (std::string(cas.nom) == "basket" || cas.barrage) && petiteFinale;
    struct Langue
    {
        bool anglais;
        void Installe(const char* f) const
        {
            if (anglais)
                InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), f)));
        }
        ~Langue() { Installe("texte\\Textefr.txt"); }
    } langue{anglais};
    langue.Installe("texte\\Texteen.txt");
    auto r = Page(s.get());
    PasDeTirsAuBut(*r);
    // The question names the typed matches that would go, in order.
    std::string liste;
    for (const Jeu& j : partent)
        if (j.sh != V) {
            liste += '\n';
            liste += LibelleMatchRemplace(*s, {j.d, j.h, j.a});
        }
    const bool demande = !liste.empty();
    const bool remplace = oui || !demande;
    std::vector<std::string> dits;
    kit::WhenModal([&](TForm* f) {
        auto* m = dynamic_cast<Tf_MessageUtil*>(f);
        ASSERT_NE(m, nullptr);
        dits.push_back(m->Label1->Caption());
        if (petiteFinale)
            kit::GrabToPng(m, std::string("coupe_question_") + cas.nom);
        m->SetModalResult(oui ? mrYes : mrNo);
    });
    Retape(*r, cas.ligne, cas.sh, cas.sa);
    EXPECT_EQ(kit::ForgetModalActions(), demande ? 0u : 1u);
    ASSERT_EQ(dits.size(), demande ? 1u : 0u);
    if (demande) {
        // naming the competition it is in
        EXPECT_EQ(dits[0], vues::Texte(cas.barrage ? 5955 : 4800) + liste + '\n' + vues::Texte(4801));
    }
    if (petiteFinale && demande)
        kit::GrabToPng(r.get(), std::string("coupe_changement_") + cas.nom);

    const TInfoComp* retape = c->Journee(cas.journee)->Match(cas.ligne);
    const int rh = retape->IdEquipe(0), ra = retape->IdEquipe(1);
    auto garde = [&](const Jeu& j) {
        for (const Jeu& p : partent)
            if (p.d == j.d && p.h == j.h && p.a == j.a)
                return !remplace;
        return true;
    };
    auto verifie = [&](const char* quand) {
        SCOPED_TRACE(quand);
        for (const Jeu& j : jeux) {
            if (j.d == cas.journee && j.h == rh && j.a == ra)
                continue;   // the row retyped
            const TInfoComp* m = c->MatchEquipes(j.d, j.h, j.a);
            SCOPED_TRACE(testing::Message() << "matchday " << j.d << ": " << j.h << "-" << j.a);
            if (!garde(j)) {
                EXPECT_EQ(m, nullptr);
                EXPECT_EQ(Evenements(*c, j.d, j.h), 0);
                continue;
            }
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(m->Score(0) == V ? V : m->Score(0) & 0x7FFF, j.sh);
            EXPECT_EQ(m->Score(1) == V ? V : m->Score(1) & 0x7FFF, j.sa);
            EXPECT_EQ(Evenements(*c, j.d, j.h), j.sh == V ? 0 : 1);
        }
        for (const Jeu& n : {cas.nouveau, petiteChange ? cas.petiteNouvelle : Jeu{}})
            if (n.d > 0) {
                const TInfoComp* m = c->MatchEquipes(n.d, n.h, n.a);
                EXPECT_EQ(m != nullptr, remplace);
                if (m) {
                    EXPECT_EQ(m->Score(0), V);
                }
            }
    };
    verifie("decided");
    // "No" is not asked again while the scores stay.
    if (demande && !oui) {
        essai::RepondBoite(mrYes, &dits);
        r->Ligne(cas.ligne).ScoreExterieur->SetFocus();
        kit::Process();
        r->TrackBar1->SetFocus();
        kit::Process();
        EXPECT_EQ(kit::ForgetModalActions(), 1u);
        EXPECT_EQ(dits.size(), 1u);
    }
    // Written, the matchday changes none of it; the final's first matchday
    // shows the new pairing in its first row and the third-place match, on the
    // last matchday, in the last row.
    r->TrackBar1->SetPosition(c->NbJour() == cas.journee ? 1 : c->NbJour());
    verifie("written");
    if (petiteFinale) {
        r->TrackBar1->SetPosition(c->NbJour());
        ASSERT_EQ(r->NbLignes(), 2);
        const bool nouvelle = petiteChange && remplace;
        EXPECT_EQ(r->Ligne(1).Domicile->Numero, nouvelle ? cas.petiteNouvelle.h : cas.petite.h);
        EXPECT_EQ(r->Ligne(1).ScoreDomicile->Text(), nouvelle ? "" : IntToStr(cas.petite.sh));
    }
    if (remplace && cas.nouveau.d > 0) {
        r->TrackBar1->SetPosition(cas.nouveau.d);
        EXPECT_EQ(r->Ligne(0).Domicile->Numero, cas.nouveau.h);
        EXPECT_EQ(r->Ligne(0).Exterieur->Numero, cas.nouveau.a);
    }
    r.reset();
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfTie, Changement,
    ::testing::Combine(
        ::testing::Values(
            // A semi-final 2-0 retyped 0-1: the typed final goes, its new
            // pairing takes its place; typed "home box first", the row passes
            // 0-0 and asks for no shoot-out.
            CasChangement{"football", 0, 1, 1,
                          {{1, 0, 1, 2, 0, 0}, {1, 2, 3, 1, 0, 0}, {2, 0, 2, 1, 2, 1}},
                          {2, 1, 3, 3, 1, 0}, 1, 0, "0", "1",
                          {{2, 0, 2, 1, 2, 1}}, {2, 1, 2, V, V, -1}, {2, 0, 3, V, V, -1}},
            // The same in a play-off of cup rounds.
            CasChangement{"football_play_off", 0, 1, 1,
                          {{1, 0, 1, 2, 0, 0}, {1, 2, 3, 1, 0, 0}, {2, 0, 2, 1, 2, 1}},
                          {2, 1, 3, 3, 1, 0}, 1, 0, "0", "1",
                          {{2, 0, 2, 1, 2, 1}}, {2, 1, 2, V, V, -1}, {2, 0, 3, V, V, -1}, true},
            // Best of three into best of seven: a semi-final's game 3 retyped,
            // the whole final of the old pairing goes (five games typed).
            CasChangement{"basket", 2, 5, 7,
                          {{1, 0, 1, 80, 70, -1}, {2, 0, 1, 70, 80, -1}, {3, 0, 1, 90, 85, 0},
                           {1, 2, 3, 80, 70, -1}, {2, 2, 3, 80, 75, 0},
                           {4, 0, 2, 85, 80, -1}, {5, 0, 2, 85, 80, -1}, {6, 0, 2, 70, 80, -1},
                           {7, 0, 2, 85, 80, -1}, {8, 0, 2, 85, 80, 0}},
                          {10, 1, 3, 90, 80, 0}, 3, 0, "85", "90",
                          {{4, 0, 2, 85, 80, -1}, {5, 0, 2, 85, 80, -1}, {6, 0, 2, 70, 80, -1},
                           {7, 0, 2, 85, 80, -1}, {8, 0, 2, 85, 80, 0}},
                          {4, 1, 2, V, V, -1}, {10, 0, 3, V, V, -1}},
            // A final with a replay: its first match retyped 28-27 decides the
            // tie, and its typed replay would go.
            CasChangement{"replay", 3, 1, 3,
                          {{1, 0, 1, 30, 25, 0}, {1, 2, 3, 28, 26, 0}, {2, 0, 2, 27, 27, -1}, {3, 2, 0, 30, 25, 0}},
                          {3, 1, 3, 25, 24, 0}, 2, 0, "28", "27",
                          {{3, 2, 0, 30, 25, 0}}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
            // Two legs: the second leg retyped sends the other team through.
            CasChangement{"two_legs", 0, 2, 1,
                          {{1, 0, 1, 1, 0, -1}, {1, 2, 3, 1, 0, -1}, {2, 1, 0, 0, 0, 1}, {2, 3, 2, 0, 2, 1},
                           {3, 0, 2, 2, 1, 0}},
                          {3, 1, 3, 3, 2, 0}, 2, 0, "2", "0",
                          {{3, 0, 2, 2, 1, 0}}, {3, 1, 2, V, V, -1}, {3, 0, 3, V, V, -1}},
            // An empty final is replaced without a question.
            CasChangement{"empty_final", 1, 1, 1,
                          {{1, 0, 1, 20, 10, 0}, {1, 2, 3, 15, 9, 0}, {2, 0, 2, V, V, -1}},
                          {2, 1, 3, 12, 10, 0}, 1, 0, "10", "20",
                          {{2, 0, 2, V, V, -1}}, {2, 1, 2, V, V, -1}, {2, 0, 3, V, V, -1}}),
        ::testing::Bool(), ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nom) + (std::get<1>(info.param) ? "_third_place" : "") +
               (std::get<2>(info.param) ? "_yes" : "_no");
    });

// ---- a round of single matches with replays ---------------------------------------------

// Semi-finals of single matches with replays on matchday 2, the final on 3:
// tie 0-1 is level and replayed, tie 2-3 won at once; the steps are typed in
// the order given (matchday, row, scores), and the final is made either way.
struct CasRejoue
{
    const char* nom;
    std::vector<std::tuple<int, int, const char*, const char*>> etapes;
};

class Rejoue : public ::testing::TestWithParam<CasRejoue>
{
};

TEST_P(Rejoue, TheFinalIsMadeWhateverTheOrderOfTheResults)
{
    auto s = Coupe(0, 3, 1, false, {{1, 0, 1, V, V, -1}, {1, 2, 3, V, V, -1}});
    TDonneesChampionnat* c = s->ChampionnatCourant();
    auto r = Page(s.get());
    PasDeTirsAuBut(*r);
    for (const auto& [d, ligne, sh, sa] : GetParam().etapes) {
        r->TrackBar1->SetPosition(d);
        ASSERT_GT(r->NbLignes(), ligne);
        ASSERT_FALSE(r->Ligne(ligne).Domicile->Text().empty()) << d << " " << ligne;
        Retape(*r, ligne, sh, sa);
    }
    // The replay was 1-0 at home: team 1 meets team 2.
    EXPECT_NE(c->MatchEquipes(3, 1, 2), nullptr);
    EXPECT_EQ(c->Journee(3) ? c->Journee(3)->NbMatchs() : 0, 1);
    r.reset();
}

INSTANTIATE_TEST_SUITE_P(
    BothOrders, Rejoue,
    ::testing::Values(CasRejoue{"postponed_tie_last", {{1, 0, "1", "1"}, {2, 0, "1", "0"}, {1, 1, "3", "0"}}},
                      CasRejoue{"replay_last", {{1, 1, "3", "0"}, {1, 0, "1", "1"}, {2, 0, "1", "0"}}}),
    [](const auto& info) { return std::string(info.param.nom); });

// ---- the third-place row of a final over several matchdays ------------------------------

class TroisiemePlace : public ::testing::TestWithParam<uint16_t>
{
};

TEST_P(TroisiemePlace, TakesTheSemiFinalLosersOnTheCupsLastMatchday)
{
    auto s = Coupe(0, 1, GetParam(), true, {{1, 0, 1, 2, 0, 0}, {1, 2, 3, 1, 0, 0}, {2, 0, 2, V, V, -1}});
    TDonneesChampionnat* c = s->ChampionnatCourant();
    const int fin = c->NbJour();
    c->NbJournee = static_cast<uint8_t>(fin);
    auto r = Page(s.get());
    PasDeTirsAuBut(*r);
    ASSERT_EQ(r->NbLignes(), 2);
    EXPECT_TRUE(r->l_Finale->Visible());
    EXPECT_TRUE(r->l_PetiteFinale->Visible());
    // The list offers the two losers, not the finalists.
    ASSERT_EQ(r->l_Equipe->Items().Count(), 2);
    ChoisitEquipe(*r, 0);
    DeposeEquipe(*r, 0, r->Ligne(1).Exterieur);
    EXPECT_EQ(r->l_Equipe->Items().Count(), 0);
    EXPECT_EQ(r->Ligne(1).Domicile->Numero + r->Ligne(1).Exterieur->Numero, 1 + 3);
    Retape(*r, 1, "2", "1");
    kit::GrabToPng(r.get(), "coupe_troisieme_place_" + IntToStr(GetParam()));
    const int h = r->Ligne(1).Domicile->Numero, a = r->Ligne(1).Exterieur->Numero;
    r->TrackBar1->SetPosition(1);
    r->TrackBar1->SetPosition(fin);
    const TInfoComp* m = c->MatchEquipes(fin, h, a);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Score(0) & 0x7FFF, 2);
    EXPECT_EQ(r->Ligne(1).Domicile->Numero, h);
    EXPECT_EQ(r->Ligne(1).ScoreExterieur->Text(), "1");
    EXPECT_NE(r->Ligne(0).Domicile->Numero, h);
    r.reset();
}

// Two legs, a replay, two legs and a third match, series of three, five and seven.
INSTANTIATE_TEST_SUITE_P(FinalOverSeveralMatchdays, TroisiemePlace, ::testing::Values(2, 3, 4, 5, 6, 7));

// ---- a shoot-out closed without a result --------------------------------------------------

TEST(Coupe, AShootOutClosedWithoutAResultLeavesTheTieWithoutAWinnerAndAsksAgain)
{
    auto s = Coupe(0, 1, 1, false, {{1, 0, 1, 2, 0, 0}, {1, 2, 3, 1, 0, 0}, {2, 0, 2, V, V, -1}});
    TDonneesChampionnat* c = s->ChampionnatCourant();
    auto r = Page(s.get());
    int dialogues = 0;
    kit::WhenModal([&](TForm* f) {
        ++dialogues;
        EXPECT_NE(dynamic_cast<Tf_Penaltys*>(f), nullptr);
        kit::PressKey(nullptr, VK_ESCAPE);
    });
    // 2-0 typed over as 1-1, home box first: nothing asked until the row is left.
    r->Ligne(0).ScoreDomicile->SetFocus();
    kit::WaitUntil([&] { return r->Ligne(0).ScoreDomicile->Focused(); });
    kit::Type(nullptr, "1");
    kit::PressKey(nullptr, VK_TAB);
    kit::Type(nullptr, "1");
    kit::Process();
    EXPECT_EQ(dialogues, 0);
    kit::PressKey(nullptr, VK_TAB);
    kit::Process();
    EXPECT_EQ(dialogues, 1);
    EXPECT_EQ(r->Ligne(0).Qualifie, 2);
    EXPECT_EQ(r->Ligne(0).TirsAuBut->Caption(), vues::Texte(4802));
    // Team 0 no longer goes through: the empty final goes, without a question.
    EXPECT_EQ(c->MatchEquipes(2, 0, 2), nullptr);
    kit::GrabToPng(r.get(), "coupe_tirs_au_but_ferme");
    // Written, the match keeps no winner; loaded again, the row says so.
    r->TrackBar1->SetPosition(2);
    EXPECT_EQ(c->QualifieMatch(1, 0, 1), 2);
    r->TrackBar1->SetPosition(1);
    EXPECT_EQ(r->Ligne(0).Qualifie, 2);
    EXPECT_EQ(r->Ligne(0).TirsAuBut->Caption(), vues::Texte(4802));
    // Leaving the row again asks again; a result decides the tie.
    kit::WhenModal([&](TForm* f) {
        ++dialogues;
        auto* p = dynamic_cast<Tf_Penaltys*>(f);
        ASSERT_NE(p, nullptr);
        // The dialog names the shoot-out as the row does.
        EXPECT_EQ(p->Caption(), Traduire(5201));
        EXPECT_EQ(TraduireFormat(286, {3, 4}).rfind(p->Caption(), 0), 0u) << p->Caption();
        p->EditRond1->SetText("3");
        p->EditRond2->SetText("4");
        kit::Click(p->bc_Valider);
    });
    r->Ligne(0).ScoreExterieur->SetFocus();
    kit::Process();
    r->TrackBar1->SetFocus();
    kit::Process();
    EXPECT_EQ(dialogues, 2);
    EXPECT_EQ(r->Ligne(0).Qualifie, 1);
    EXPECT_EQ(r->Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {3, 4}));
    EXPECT_NE(c->MatchEquipes(2, 1, 2), nullptr);   // the empty final follows
    r.reset();
}

// ---- the guard of every gesture that takes a team out ------------------------------------

enum class Geste { DoubleClic, VersLaListe, DepotSurLeCadre, VersUneAutreLigne };

class Retrait : public ::testing::TestWithParam<std::tuple<Geste, int, bool>>
{
};

// Matchday 1 of a league of six: 0-1 played 26-6 with a record of each side,
// 2-3 to play, the last row empty and two teams in the list.
TEST_P(Retrait, AsksFirstNoKeepsTheRowAndYesErasesTheMatchWhole)
{
    const auto [geste, sport, oui] = GetParam();
    TLigueSix ligue = LigueSix(sport);
    auto& s = ligue.Saison;
    TDonneesChampionnat* c = ligue.Championnat;
    const int* e = ligue.Equipes;
    for (int k : {0, 1})
        c->ListesDonnees(1).front()->Ajoute(std::make_unique<TDonneesEvt>(100 + k, e[k], 30, 0));
    c->NbJournee = 1;
    auto r = Page(s.get());
    ASSERT_EQ(r->NbLignes(), 3);
    ASSERT_EQ(r->l_Equipe->Items().Count(), 2);
    TCadreDrop* cadre = r->Ligne(0).Exterieur;
    std::vector<std::string> dits;
    essai::RepondBoite(oui ? mrYes : mrNo, &dits);
    switch (geste) {
    case Geste::DoubleClic: kit::DblClick(cadre); break;
    case Geste::VersLaListe: kit::Drag(cadre, Centre(cadre), r->l_Equipe, {20, 60}); break;
    case Geste::DepotSurLeCadre: DeposeEquipe(*r, 0, cadre); break;
    case Geste::VersUneAutreLigne:
        kit::Drag(cadre, Centre(cadre), r->Ligne(2).Domicile, Centre(r->Ligne(2).Domicile));
        break;
    }
    kit::Process();
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(dits, std::vector<std::string>{Traduire(4300)});
    const std::string ext = r->Ligne(0).Exterieur->Text();
    EXPECT_EQ(ext == s->NomEquipeCourant(e[1]), !oui);
    EXPECT_EQ(r->Ligne(0).ScoreDomicile->Text(), oui ? "" : "26");
    EXPECT_EQ(r->Ligne(0).ScoreExterieur->Text(), oui ? "" : "6");
    r->TrackBar1->SetPosition(2);
    const TInfoComp* m = c->MatchEquipes(1, e[0], e[1]);
    EXPECT_EQ(m != nullptr, !oui);
    if (m) {
        EXPECT_EQ(m->Score(0), 26);
    }
    EXPECT_EQ(Evenements(*c, 1, e[0]), oui ? 0 : 1);
    EXPECT_EQ(Evenements(*c, 1, e[1]), oui ? 0 : 1);
    // A team dropped on the box plays the team that stayed, without a score.
    if (oui && geste == Geste::DepotSurLeCadre) {
        const TInfoComp* n = c->Journee(1)->Match(c->Journee(1)->IndexMatchEquipe(e[0]));
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(n->Score(0), V);
    }
    r.reset();
}

INSTANTIATE_TEST_SUITE_P(EveryGesture, Retrait,
                         ::testing::Combine(::testing::Values(Geste::DoubleClic, Geste::VersLaListe,
                                                              Geste::DepotSurLeCadre, Geste::VersUneAutreLigne),
                                            ::testing::Values(0, 2), ::testing::Bool()));

}  // namespace
