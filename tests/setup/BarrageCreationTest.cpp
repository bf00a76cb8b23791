// Play-off championships made through command 194 on seasons composed in the
// program's own windows: a league play-off of two groups whose groups feed
// further play-offs (one offered only once its group exists, one fed by a
// play-off of a single group, a cup without rounds shaped in the cup
// window), the cup play-offs of the football and rugby scenarios with their
// draws; and the guards of the creation window on a season made through the
// model.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "engine/CalculClassement.h"
#include "files/w_ChoixLogiciel.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/w_Resultats.h"
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationBarrage.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageEnEchec);
}

void Sport(int s)
{
    Quand<Tf_ChoixLogiciel>([s](Tf_ChoixLogiciel* c) {
        c->rc_Sport[s]->SetChecked(true);
        c->b_Valider->Click();
    });
}

// A championship of the template division (several for a division of
// groups), its teams typed "prefix group-number team-number".
void Championnats(Tf_CreationSaison* c, int32_t division, int groupes, const std::string& prefixe, int clubs = 0)
{
    Quand<Tf_Creation>([=](Tf_Creation* d) {
        for (int i = 0; i < d->ComponentCount(); ++i)
            if (auto* r = dynamic_cast<TRondCoche*>(d->Components(i)); r && r->Tag == division)
                r->SetChecked(true), r->OnClick(r);
        if (clubs > 0)
            d->Edit1->SetText(IntToStr(clubs));
        d->b_Valider->Click();
    });
    for (int g = 1; g <= groupes; ++g)
        Quand<Tf_SaisieEquipes>([=](Tf_SaisieEquipes* s) {
            for (size_t i = 0; i < s->Equipes.size(); ++i)
                s->Equipes[i]->SetText(prefixe + IntToStr(g) + "-" + IntToStr(static_cast<int>(i) + 1));
            s->b_Ok->Click();
        });
    c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
    c->bc_CreeChamp->Click();
    c->tv_Saison->EndEditing(false);
}

// A promotion play-off defined on the node: the distribution text of each
// row (empty rows left out), a league of that many groups (0: a cup).
void Barrage(Tf_CreationSaison* c, TTreeNode* noeud, std::vector<std::string> textes, int groupes)
{
    c->tv_Saison->SetSelected(noeud);
    Quand<Tf_Barrage>([=](Tf_Barrage* b) {
        ASSERT_EQ(b->Lignes.size(), textes.size());
        for (size_t i = 0; i < textes.size(); ++i)
            b->Lignes[i].Texte->SetText(textes[i]);
        if (groupes > 0) {
            b->rc_Championnat->SetChecked(true);
            b->e_nGroupe->SetText(IntToStr(groupes));
        }
        b->b_ValiderClick();
    });
    c->bc_BarrageClick();
    c->tv_Saison->EndEditing(false);
}

// The team ids the engine ranks at places 1..n of the championship.
std::vector<int> Rangs(TSaison& s, TDonneesChampionnat* c, int n)
{
    TCalculClassement calcul(c, &s);
    const int nb = calcul.Calcule(clsGeneral, 0, 0);
    std::vector<int> ids;
    for (int p = 0; p < n && p < nb; ++p)
        ids.push_back(c->IdEquipe(calcul.ValeurLigne(p, 1)));
    return ids;
}

// With h the smaller of 6 and half the teams, team k below h beats team
// h + k on h - k matchdays: the standings' first h are teams 0 to h - 1.
void Resultats(TDonneesChampionnat* c)
{
    const int h = std::min(6, c->NbEquipe() / 2);
    for (int k = 0; k < h; ++k)
        for (int d = 1; d <= h - k; ++d)
            c->CreeMatch(d, c->IdEquipe(k), c->IdEquipe(h + k), 20, 0);
}

// The next play-off's panels, checked against the engine's places; then
// "Continuer".
void Continue(TSaison& s, int offerts, const std::vector<std::vector<int>>& attendus,
              std::function<void(Tf_CreeBarrage*)> ensuite = {})
{
    Quand<Tf_CreeBarrage>([=, &s](Tf_CreeBarrage* c) {
        ASSERT_EQ(c->cb_Barrage->Items().Count(), offerts);
        ASSERT_EQ(c->Divisions.size(), attendus.size());
        for (size_t d = 0; d < attendus.size(); ++d) {
            ASSERT_EQ(c->Divisions[d]->Equipes.size(), attendus[d].size());
            for (size_t r = 0; r < attendus[d].size(); ++r)
                EXPECT_EQ(c->Divisions[d]->Equipes[r]->Text(),
                          s.NomEquipeComplet(attendus[d][r], c->Divisions[d]->Championnat));
        }
        if (ensuite)
            ensuite(c);
        else {
            RepondBoite(mrOk);   // "created"
            c->b_ContinuerClick();
        }
    });
}

std::vector<int> Ids(const TDonneesChampionnat* c)
{
    std::vector<int> v;
    for (int i = 0; i < c->NbEquipe(); ++i)
        v.push_back(c->IdEquipe(i));
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<int> Tries(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// Nine teams of the second division in a league of two groups (4 and 5);
// group 2 feeds a league of one group, which feeds a cup without rounds.
TEST(CreationBarrage, GroupsFeedFurtherPlayOffsOnceCreated)
{
    const std::string dir = Prepare("setup_barrage_chaine");
    auto f = LanceFenetre();
    Sport(0);
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        Championnats(c, 1, 1, "Haut ", 10);
        Championnats(c, 2, 1, "Bas ", 12);
        TTreeNode* groupe = c->tv_Saison->Items().GetFirstNode()->Item(0);
        ASSERT_EQ(groupe->Count(), 2);
        // Rows: the first division, the second.
        Barrage(c, groupe->Item(1), {"", "1-9"}, 2);
        // On the play-off: the first division, then one row per group.
        Barrage(c, groupe->Item(1), {"", "", "1-3"}, 1);
        // On the second play-off: the first division, its one group.
        Barrage(c, groupe->Item(1), {"", "1-2"}, 0);
        ASSERT_EQ(groupe->Count(), 5);
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(20);
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    ASSERT_EQ(s.Arbre().ListeBarrages().size(), 3u);
    TDonneesChampionnat* d2 = s.Arbre().ChampionnatParCode(2);
    ASSERT_NE(d2, nullptr);
    Resultats(d2);

    // Only the play-off of the second division: group 2 does not exist yet.
    const std::vector<int> neuf = Rangs(s, d2, 9);
    Continue(s, 1, {neuf}, [](Tf_CreeBarrage* c) {
        c->b_ContinuerClick();
        ASSERT_EQ(c->Groupes.size(), 2u);
        EXPECT_EQ(c->Groupes[0]->Equipes.size(), 4u);
        EXPECT_EQ(c->Groupes[1]->Equipes.size(), 5u);
        EXPECT_EQ(c->Groupes[1]->Taille->Text(), "5");
        int e = 0;
        for (auto& g : c->Groupes)
            for (TComboBox* cb : g->Equipes)
                cb->SetItemIndex(e++);
        kit::GrabToPng(c, "CreeBarrageGroupes");
        // A group's name typed: a blank one is refused with a word, one of
        // a code's shape is kept as typed.
        for (const char* nom : {"   ", "#2"}) {
            std::vector<std::string> dits;
            c->Groupes[0]->Nom->SetText("");
            kit::TypeKeys(c->Groupes[0]->Nom, nom);
            RepondBoite(mrOk, &dits);
            c->b_CreationClick();
            kit::ForgetModalActions();
            EXPECT_EQ(dits, std::vector<std::string>{*nom == ' ' ? Traduire(5401) : Traduire(290)});
        }
    });
    Commande(*f, 194);
    kit::Process(20);
    TDonneesChampionnat* g1 = s.Arbre().ChampionnatParCode(0x18001);
    TDonneesChampionnat* g2 = s.Arbre().ChampionnatParCode(0x28001);
    ASSERT_TRUE(g1 && g2);
    EXPECT_EQ(s.Arbre().NomCode(0x18001), "#2");
    EXPECT_EQ(s.ChampionnatCourant(), g1);
    // Each group holds all its matches: 4 teams over 6 matchdays, 5 over 10.
    EXPECT_EQ(std::make_pair(g1->NbEquipe(), g1->NbJour()), std::make_pair(4, 6));
    EXPECT_EQ(std::make_pair(g2->NbEquipe(), g2->NbJour()), std::make_pair(5, 10));
    EXPECT_EQ(g2->NbMatch(), 2);
    EXPECT_EQ(Ids(g2), Tries({neuf.begin() + 4, neuf.end()}));
    Resultats(g2);

    // Group 2 now exists: its play-off, with the group's teams.
    const std::vector<int> trois = Rangs(s, g2, 3);
    Continue(s, 1, {trois});
    Commande(*f, 194);
    kit::Process(20);
    TDonneesChampionnat* l = s.Arbre().ChampionnatParCode(0x8002);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(Ids(l), Tries(trois));
    EXPECT_EQ(l->NbJour(), 6);
    EXPECT_EQ(s.ChampionnatCourant(), l);
    EXPECT_NE(Noeud(*f, 40), nullptr);

    // The play-off of one group feeds the cup; cancelling the cup window
    // leaves the window as it was, then the cup is shaped there.
    const size_t avant = s.Arbre().ListeChampionnats().size();
    const std::vector<int> deux = Rangs(s, l, 2);
    Continue(s, 1, {deux}, [&](Tf_CreeBarrage* c) {
        Quand<Tf_CreationCoupe>([](Tf_CreationCoupe* k) { k->b_Annuler->Click(); });
        c->b_ContinuerClick();
        EXPECT_EQ(c->ModalResult(), mrNone);
        ASSERT_EQ(c->Divisions.size(), 1u);
        EXPECT_EQ(c->Divisions[0]->Equipes[1]->Text(), s.NomEquipeComplet(deux[1], l));
        EXPECT_TRUE(c->b_Continuer->Visible());
        EXPECT_EQ(s.Arbre().ListeChampionnats().size(), avant);
        Quand<Tf_CreationCoupe>([](Tf_CreationCoupe* k) {
            kit::TypeKeys(k->e_NomCoupe, "Coupe Zelvor");
            k->e_nTour->SetText("1");
            kit::GrabToPng(k, "CreationCoupeBarrage");
            k->b_Valider->Click();
        });
        RepondBoite(mrOk);
        c->b_ContinuerClick();
    });
    Commande(*f, 194);
    kit::Process(20);
    TDonneesChampionnat* coupe = s.Arbre().ChampionnatParCode(0x8003);
    ASSERT_NE(coupe, nullptr);
    EXPECT_TRUE(coupe->EstCoupe());
    EXPECT_EQ(Ids(coupe), Tries(deux));
    EXPECT_EQ(coupe->NbJour(), 1);
    EXPECT_EQ(coupe->Option(1), 1);   // its round count, kept over the play-off's options
    // The menus follow the cup made current: no league standings.
    EXPECT_EQ(s.ChampionnatCourant(), coupe);
    EXPECT_EQ(Noeud(*f, 40), nullptr);
    EXPECT_EQ(s.Arbre().NomCode(0x8003), "Coupe Zelvor");   // the name typed in the cup window
    // Made from play-offs, they follow no team until the user chooses one.
    for (const TDonneesChampionnat* x : {g1, g2, l, coupe})
        EXPECT_EQ(x->Option(10), TDonneesChampionnat::AucuneEquipeSuivie) << x->CodeChamp;

    // Nothing left to create.
    Quand<Tf_CreeBarrage>([](Tf_CreeBarrage* c) {
        EXPECT_EQ(c->cb_Barrage->Items().Count(), 0);
        c->b_Annuler->Click();
    });
    Commande(*f, 194);
    kit::Process(20);

    // Saved to the season's file (no name asked) and reopened equal.
    std::vector<std::string> textes;
    RepondBoite(mrOk, &textes);   // "saved"
    Commande(*f, 7);
    kit::Process(20);
    EXPECT_EQ(textes.size(), 1u);
    kit::ForgetModalActions();
    EXPECT_EQ(ModifSaison, 0);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(MakePath(dir, "sauvegarde\\personnel.xmc"), "", "", {}, TousSports, etat,
                                          true);
    ASSERT_EQ(etat, etatCharge);
    std::vector<int32_t> codes, codesRelus;
    for (auto* c : s.Arbre().ListeChampionnats())
        codes.push_back(c->CodeChamp);
    for (auto* c : relu->Arbre().ListeChampionnats())
        codesRelus.push_back(c->CodeChamp);
    EXPECT_EQ(codesRelus, codes);
    EXPECT_EQ(relu->Arbre().NomCode(0x8003), "Coupe Zelvor");
    EXPECT_EQ(relu->Arbre().NomCode(0x18001), "#2");
    for (const TDonneesBarrage* b : relu->Arbre().ListeBarrages())
        EXPECT_NE(b->Code & 0x8000, 0);
    TermineFenetre(f);
}

// The cup play-offs of the scenarios: four group winners meet in the
// semi-finals (football); the third to sixth play the first round and the
// first two enter at the semi-finals (rugby).
TEST(CreationBarrage, ScenarioCupsDrawTheirFirstRound)
{
    struct Cas
    {
        int sport;
        int32_t division;
        int groupes;
        int qualifies;   // per group
        // First-round matches and byes as (group, place) pairs, from 1.
        std::vector<std::array<int, 4>> matchs;
        std::vector<std::pair<int, int>> exempts;   // next match k: (group, place)
    };
    const Cas cas[] = {
        {0, 10004, 4, 1, {{1, 1, 2, 1}, {3, 1, 4, 1}}, {}},
        {1, 10001, 1, 6, {{1, 4, 1, 5}, {1, 3, 1, 6}}, {{1, 1}, {1, 2}}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.division);
        Prepare("setup_barrage_scenario" + IntToStr(k.sport));
        auto f = LanceFenetre();
        Sport(k.sport);
        Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
            Championnats(c, k.division, k.groupes, "G");
            ASSERT_EQ(c->NouveauxBarrages.size(), 1u);
            RepondBoite(mrOk);
            c->b_Valider->Click();
        });
        ASSERT_TRUE(Commande(*f, 5));
        kit::Process(20);
        ASSERT_NE(f->Saison, nullptr);
        TSaison& s = *f->Saison;
        ASSERT_EQ(static_cast<int>(s.Arbre().ListeChampionnats().size()), k.groupes);
        ASSERT_EQ(s.Arbre().ListeBarrages().size(), 1u);
        // The play-off's sources are the groups in their order.
        const TDonneesBarrage& b = *s.Arbre().ListeBarrages()[0];
        ASSERT_EQ(b.NbDivision(), k.groupes);
        std::vector<std::vector<int>> places;
        for (int g = 0; g < k.groupes; ++g) {
            TDonneesChampionnat* c = s.Arbre().ChampionnatParCode(b.Division(g)->Code);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(s.NomEquipe(c->IdEquipe(0)).rfind("G" + IntToStr(g + 1) + "-", 0), 0u);
            Resultats(c);
            places.push_back(Rangs(s, c, k.qualifies));
        }
        Continue(s, 1, places, [](Tf_CreeBarrage* c) {
            kit::GrabToPng(c, "CreeBarrageCoupe");
            RepondBoite(mrOk);
            c->b_ContinuerClick();
        });
        Commande(*f, 194);
        kit::Process(20);
        TDonneesChampionnat* coupe = s.ChampionnatCourant();
        ASSERT_NE(coupe, nullptr);
        ASSERT_TRUE(coupe->EstCoupe());
        EXPECT_EQ(coupe->NbEquipe(), k.groupes * k.qualifies);
        auto id = [&](int g, int p) { return places[static_cast<size_t>(g - 1)][static_cast<size_t>(p - 1)]; };
        EXPECT_EQ(coupe->NbMatchJournee(1), static_cast<int>(k.matchs.size()));
        for (size_t m = 0; m < k.matchs.size(); ++m) {
            const TInfoComp* match = coupe->Match(1, static_cast<int>(m) + 1);
            ASSERT_NE(match, nullptr);
            EXPECT_EQ(coupe->MatchEquipes(1, id(k.matchs[m][0], k.matchs[m][1]), id(k.matchs[m][2], k.matchs[m][3])),
                      match)
                << "match " << m + 1;
        }
        ASSERT_EQ(coupe->NbMatchsSuiv(), static_cast<int>(k.exempts.size()));
        for (size_t e = 0; e < k.exempts.size(); ++e)
            EXPECT_EQ(coupe->EquipeMatchSuivant(static_cast<int>(e)), id(k.exempts[e].first, k.exempts[e].second));
        TermineFenetre(f);
    }
}

// The world tournament of the football templates made in the main window:
// eight groups of four played, the first two of each into a single-match cup
// from the last 16 (command 194), which becomes the current championship.
void Mondial(FenetreEssai& fenetre)
{
    auto* f = &fenetre;
    Sport(0);
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        Quand<Tf_Creation>([](Tf_Creation* d) {
            kit::Type(d->cb_Championnat, "T");
            ASSERT_EQ(d->cb_Championnat->Text(), "Tournoi mondial des nations");
            for (int i = 0; i < d->ComponentCount(); ++i)
                if (auto* r = dynamic_cast<TRondCoche*>(d->Components(i)); r && r->Tag == 10200)
                    kit::Click(r);
            d->b_Valider->Click();
        });
        for (int g = 1; g <= 8; ++g)
            Quand<Tf_SaisieEquipes>([=](Tf_SaisieEquipes* s) {
                for (size_t i = 0; i < s->Equipes.size(); ++i)
                    s->Equipes[i]->SetText(std::string("Nation ") + IntToStr(g) + "-" + IntToStr(static_cast<int>(i) + 1));
                s->b_Ok->Click();
            });
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        c->bc_CreeChamp->Click();
        c->tv_Saison->EndEditing(false);
        ASSERT_EQ(c->NouveauxBarrages.size(), 1u);
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(fenetre, 5));
    kit::Process(20);
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    ASSERT_EQ(s.Arbre().ListeChampionnats().size(), 8u);
    const TDonneesBarrage& b = *s.Arbre().ListeBarrages()[0];
    std::vector<std::vector<int>> places;
    for (int g = 0; g < b.NbDivision(); ++g) {
        TDonneesChampionnat* c = s.Arbre().ChampionnatParCode(b.Division(g)->Code);
        ASSERT_NE(c, nullptr);
        Resultats(c);
        places.push_back(Rangs(s, c, 2));
    }
    Continue(s, 1, places, [](Tf_CreeBarrage* c) {
        RepondBoite(mrOk);
        kit::Click(c->b_Continuer);
    });
    Commande(fenetre, 194);
    kit::Process(20);
}

// The world tournament of the football templates: eight groups of four, the
// first two of each into a single-match cup from the last 16. Two results of
// the last 16 typed on the results page make the first quarter-final.
TEST(CreationBarrage, WorldCupCarriesItsWinnersIntoTheNextRound)
{
    Prepare("setup_barrage_mondial");
    auto f = LanceFenetre();
    Mondial(*f);
    ASSERT_FALSE(HasFatalFailure());
    TDonneesChampionnat* coupe = f->Saison->ChampionnatCourant();
    ASSERT_TRUE(coupe && coupe->EstCoupe());
    EXPECT_EQ(coupe->Option(1), 4);
    ASSERT_EQ(coupe->NbMatchJournee(1), 8);

    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->NbLignes(), 8);
    // Home wins the first tie, away the second.
    const char* scores[2][2] = {{"2", "0"}, {"1", "3"}};
    for (int l = 0; l < 2; ++l) {
        kit::Type(r->Ligne(l).ScoreDomicile, scores[l][0]);
        r->Ligne(l).ScoreExterieur->SetFocus();
        kit::Type(r->Ligne(l).ScoreExterieur, scores[l][1]);
        r->Ligne(l + 1).ScoreDomicile->SetFocus();
        kit::Process();
    }
    const TInfoComp* m1 = coupe->Match(1, 1);
    const TInfoComp* m2 = coupe->Match(1, 2);
    ASSERT_TRUE(m1 && m2);
    const TInfoComp* quart = coupe->MatchEquipes(2, m1->IdEquipe(0), m2->IdEquipe(1));
    ASSERT_NE(quart, nullptr);
    EXPECT_EQ(coupe->NbMatchJournee(2) >= 1 ? coupe->Match(2, 1) : nullptr, quart);
    kit::GrabToPng(r, "BarrageMondialHuitiemes");
    ModifSaison = 0;
    TermineFenetre(f);
}

// The same tournament with a match for third place (as the options window
// ticks it), every knock-out result typed on the results page and the
// third-place match placed by hand: the cup keeps its four matchdays, the
// last one holding the final and the third-place match.
TEST(CreationBarrage, WorldCupKeepsItsFinalAndThirdPlaceMatch)
{
    Prepare("setup_barrage_mondial3");
    auto f = LanceFenetre();
    Mondial(*f);
    ASSERT_FALSE(HasFatalFailure());
    TDonneesChampionnat* coupe = f->Saison->ChampionnatCourant();
    ASSERT_TRUE(coupe && coupe->EstCoupe());
    ASSERT_EQ(coupe->NbJour(), 4);
    coupe->PetiteFinale = true;
    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    auto place = [&](int id) {
        const std::string nom = f->Saison->NomEquipeCourant(id);
        for (int i = 0; i < r->l_Equipe->Items().Count(); ++i)
            if (r->l_Equipe->Items()[i].find(nom) != std::string::npos) {
                r->l_Equipe->SetItemIndex(i);
                const TRect e = r->l_Equipe->ItemRect(i);
                kit::DblClick(r->l_Equipe, e.Left + 5, e.Top + 3);
                return;
            }
        ADD_FAILURE() << nom;
    };
    const int lignes[4] = {8, 4, 2, 2};
    for (int d = 1; d <= 4; ++d) {
        r->TrackBar1->SetPosition(d);
        ASSERT_EQ(r->NbLignes(), lignes[d - 1]) << d;
        if (d == 4) {
            // the semi-finals' losers
            for (int k = 1; k <= 2; ++k) {
                const TInfoComp* m = coupe->Match(3, k);
                ASSERT_NE(m, nullptr);
                place(m->IdEquipe(coupe->QualifieMatch(3, m->IdEquipe(0), m->IdEquipe(1)) == 0 ? 1 : 0));
            }
        }
        for (int k = 0; k < r->NbLignes(); ++k) {
            ASSERT_FALSE(r->Ligne(k).Exterieur->Text().empty()) << d << " " << k;
            kit::Type(r->Ligne(k).ScoreDomicile, "2");
            r->Ligne(k).ScoreExterieur->SetFocus();
            kit::Type(r->Ligne(k).ScoreExterieur, "1");
            r->TrackBar1->SetFocus();
            kit::Process();
        }
    }
    r->TrackBar1->SetPosition(1);
    r->TrackBar1->SetPosition(4);
    EXPECT_EQ(coupe->NbJour(), 4);
    EXPECT_EQ(r->NbLignes(), 2);
    ASSERT_NE(coupe->Journee(4), nullptr);
    ASSERT_EQ(coupe->Journee(4)->NbMatchs(), 2);
    for (int k = 1; k <= 2; ++k)
        EXPECT_EQ(coupe->Match(4, k)->Score(0) & 0x7FFF, 2) << k;
    EXPECT_TRUE(r->l_PetiteFinale->Visible());
    kit::GrabToPng(f.get(), "BarrageMondialFinales");
    ModifSaison = 0;
    TermineFenetre(f);
}

// Which play-offs the creation window offers: every source it takes places
// from must exist; a group of a play-off exists once its championship does.
TEST(CreationBarrage, OfferedOnceEverySourceExists)
{
    auto s = SaisonSport(0);   // championships 1 and 2
    vues::Ligue(*s, 0, "Groupe 2", 12, 4, 0, 0x28001, 3u);
    vues::Ligue(*s, 0, "Barrage seul", 16, 4, 0, 0x8002, 4u);
    const TDescTree& a = s->Arbre();
    struct Cas
    {
        const char* nom;
        std::vector<std::pair<int32_t, std::vector<TPlaceBarrage>>> sources;
        int32_t code;
        bool offert;
    };
    const Cas cas[] = {
        {"a league", {{2, {{1, 3}}}}, 1, true},
        {"no place", {{2, {}}}, 1, false},
        {"no source", {}, 1, false},
        {"a missing league", {{2, {{1, 1}}}, {9, {{1, 1}}}}, 1, false},
        {"a missing league without places", {{2, {{1, 1}}}, {9, {}}}, 1, true},
        {"group 2 created", {{0x28001, {{1, 2}}}}, 3, true},
        {"group 3 not created", {{0x38001, {{1, 2}}}}, 3, false},
        {"group 1 of a play-off of one group", {{0x18002, {{1, 2}}}}, 3, true},
        {"group 1 of a play-off not created", {{0x18005, {{1, 2}}}}, 3, false},
        {"already created", {{2, {{1, 3}}}}, 0x8001, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TDonneesBarrage b;
        b.Code = c.code;
        for (const auto& [code, places] : c.sources)
            b.AjouteDivision(code, places);
        EXPECT_EQ(BarrageProposable(a, b), c.offert);
    }
    EXPECT_EQ(ChampionnatSource(a, 0x18002)->CodeChamp, 0x8002);
    EXPECT_EQ(ChampionnatSource(a, 0x28001)->CodeChamp, 0x28001);
    EXPECT_EQ(ChampionnatSource(a, 0x28002), nullptr);
}

// A place beyond the source's teams preselects nothing and must be chosen;
// more groups than half the teams is refused, the window kept as it was;
// a season without play-offs is told so.
TEST(CreationBarrage, PlacesBeyondTheTeamsAndTooManyGroups)
{
    Prepare("setup_barrage_gardes");
    auto f = LanceFenetre();
    f->InstallSeason(SaisonSport(0), "", false, 0);
    Commande(*f, 194);
    kit::Process(10);
    ASSERT_FALSE(f->Messages.empty());
    EXPECT_EQ(f->Messages.back(), Traduire(289));

    TSaison& s = *f->Saison;
    auto b = std::make_unique<TDonneesBarrage>();
    b->Code = 1;
    b->TypeEquipe = 2;
    b->TypeGroupe = 2;
    b->AjouteDivision(2, {{5, 7}});   // six teams: place 7 is none
    s.Arbre().Racine().Enfant(0)->AjouteEnfantNomme("#32769#Barrage")->SetBarrage(std::move(b));
    const size_t avant = s.Arbre().ListeChampionnats().size();
    const std::vector<int> rangs = Rangs(s, s.Arbre().ChampionnatParCode(2), 6);
    std::vector<std::string> textes;
    Quand<Tf_CreeBarrage>([&](Tf_CreeBarrage* c) {
        ASSERT_EQ(c->cb_Barrage->Items().Count(), 1);
        ASSERT_EQ(c->Divisions.size(), 1u);
        const auto& e = c->Divisions[0]->Equipes;
        ASSERT_EQ(e.size(), 3u);
        EXPECT_EQ(e[0]->Text(), s.NomEquipeComplet(rangs[4], c->Divisions[0]->Championnat));
        EXPECT_EQ(e[1]->Text(), s.NomEquipeComplet(rangs[5], c->Divisions[0]->Championnat));
        EXPECT_EQ(e[2]->ItemIndex(), -1);
        RepondBoite(mrOk, &textes);
        c->b_ContinuerClick();
        e[2]->SetItemIndex(e[2]->Items().IndexOfObject(rangs[0]));
        RepondBoite(mrOk, &textes);
        c->b_ContinuerClick();
        EXPECT_EQ(c->ModalResult(), mrNone);
        EXPECT_EQ(c->Divisions.size(), 1u);
        EXPECT_TRUE(c->Groupes.empty());
        EXPECT_TRUE(c->cb_Barrage->Enabled());
        c->b_Annuler->Click();
    });
    Commande(*f, 194);
    kit::Process(20);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0], Traduire(287));
    EXPECT_EQ(textes[1], TraduireFormat(3215, {3, 2}));
    EXPECT_EQ(s.Arbre().ListeChampionnats().size(), avant);
    EXPECT_EQ(s.Arbre().ListeBarrages()[0]->Code, 1);
    TermineFenetre(f);
}

}  // namespace
