// Play-off settings while composing a season: the distribution texts, a
// promotion play-off of places 3-5 of the second division and 16 of the
// first in one league group with half the points, placed above the second
// division, edited again (an empty row keeps its places), saved and reopened.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Barrage.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Penalites.h"
#include "setup/w_Barrage.h"
#include "setup/w_CreationBarrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Passees);
}

TEST(Repartition, TextsAndTheirPlaces)
{
    struct { const char* texte; bool valide; int nombre; std::vector<std::pair<int, int>> places; } cas[] = {
        {"1-3;5", true, 4, {{1, 3}, {5, 5}}}, {"3-1", true, 3, {{1, 3}}}, {"1-3;", true, 3, {{1, 3}}},
        {"", true, 0, {}},                     {" 2 ; 4 - 6 ", true, 4, {{2, 2}, {4, 6}}},
        {"0", false, 0, {}},                   {"a", false, 0, {}},     {"1;;2", false, 0, {}},
        {"1-256", false, 0, {}},               {"1-255", true, 255, {{1, 255}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        std::vector<TPlaceBarrage> places;
        int n = 0;
        ASSERT_EQ(LitRepartition(c.texte, places, n), c.valide);
        if (!c.valide)
            continue;
        EXPECT_EQ(n, c.nombre);
        ASSERT_EQ(places.size(), c.places.size());
        for (size_t i = 0; i < places.size(); ++i)
            EXPECT_EQ(std::make_pair(places[i].Min, places[i].Max), c.places[i]);
    }
}

void Championnat(Tf_CreationSaison* c, int32_t division, const std::string& prefixe)
{
    Quand<Tf_Creation>([division](Tf_Creation* d) {
        for (int i = 0; i < d->ComponentCount(); ++i)
            if (auto* r = dynamic_cast<TRondCoche*>(d->Components(i)); r && r->Tag == division)
                r->SetChecked(true), r->OnClick(r);
        d->b_Valider->Click();
    });
    Quand<Tf_SaisieEquipes>([prefixe](Tf_SaisieEquipes* s) {
        for (size_t i = 0; i < s->Equipes.size(); ++i)
            s->Equipes[i]->SetText(prefixe + IntToStr(static_cast<int>(i) + 1));
        s->b_Ok->Click();
    });
    c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
    c->bc_CreeChamp->Click();
}

TEST(Barrage, PromotionPlayOffDefinedEditedSavedAndReopened)
{
    const std::string dir = Prepare("setup_barrage");
    auto f = LanceFenetre();
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        Championnat(c, 1, "Haut ");
        Championnat(c, 2, "Bas ");
        TTreeNode* groupe = c->tv_Saison->Items().GetFirstNode()->Item(0);
        ASSERT_EQ(groupe->Count(), 2);
        TTreeNode* d2 = groupe->Item(1);
        c->tv_Saison->SetSelected(d2);
        Quand<Tf_Barrage>([](Tf_Barrage* b) {
            // Above: the first division; then the second itself.
            ASSERT_EQ(b->Lignes.size(), 2u);
            EXPECT_EQ(b->Lignes[0].Nom->Caption(), "Mon championnat 1");
            b->Lignes[0].Texte->SetText("16");
            b->Lignes[1].Texte->SetText("3;;5");
            std::vector<std::string> textes;
            RepondBoite(mrOk, &textes);
            b->b_ValiderClick();
            EXPECT_EQ(b->ModalResult(), mrNone);
            ASSERT_EQ(textes.size(), 1u);
            EXPECT_NE(textes[0].find(b->Lignes[1].Nom->Caption()), std::string::npos);
            b->Lignes[1].Texte->SetText("3-5");
            EXPECT_EQ(b->Lignes[1].Nombre->Caption(), TraduireFormat(118, {3}));
            b->rc_Championnat->SetChecked(true);
            b->rc_MoitiePoint->SetChecked(true);
            kit::GrabToPng(b, "Barrage");
            b->b_ValiderClick();
        });
        c->bc_BarrageClick();
        c->tv_Saison->EndEditing(false);
        // A promotion play-off of the top division: the other teams' row.
        c->tv_Saison->SetSelected(groupe->Item(0));
        Quand<Tf_Barrage>([](Tf_Barrage* b) {
            ASSERT_EQ(b->Lignes.size(), 2u);
            EXPECT_EQ(b->Lignes[1].Nom->Caption(), Traduire(269));
            b->b_Annuler->Click();
        });
        c->bc_BarrageClick();
        ASSERT_EQ(groupe->Count(), 3);
        TTreeNode* barrage = groupe->Item(1);
        EXPECT_EQ(Tf_CreationSaison::Rec(barrage)->Code, 0x8001);
        // Edited again: the first row left empty keeps its places.
        Quand<Tf_Barrage>([](Tf_Barrage* b) {
            ASSERT_EQ(b->Lignes.size(), 2u);
            EXPECT_EQ(b->Lignes[0].Texte->Text(), "16;");
            EXPECT_EQ(b->Lignes[1].Texte->Text(), "3-5;");
            EXPECT_FALSE(b->rc_Promotion->Enabled());
            b->Lignes[0].Texte->SetText("");
            b->Lignes[1].Texte->SetText("3-6");
            b->b_ValiderClick();
        });
        c->EditeBarrage(barrage);
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(20);
    ASSERT_NE(f->Saison, nullptr);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(MakePath(dir, "sauvegarde\\personnel.xmc"), "", "", {}, TousSports, etat,
                                          true);
    ASSERT_EQ(etat, etatCharge);
    const auto barrages = relu->Arbre().ListeBarrages();
    ASSERT_EQ(barrages.size(), 1u);
    const TDonneesBarrage& b = *barrages[0];
    EXPECT_EQ(b.TypeGroupe, 1);
    EXPECT_EQ(b.MoitiePoint, 1);
    ASSERT_EQ(b.NbDivision(), 2);
    EXPECT_EQ(b.Division(0)->Code, 1);
    EXPECT_EQ(b.Division(0)->Places[0].Min, 16);
    EXPECT_EQ(b.Division(1)->Code, 2);
    EXPECT_EQ(b.Division(1)->Places[0].Max, 6);
    // Filed between the two divisions.
    const TDescNoeud* n1 = relu->Arbre().Racine().Enfant(0);
    ASSERT_EQ(n1->NbEnfant(), 3);
    EXPECT_NE(n1->Enfant(1)->Barrage(), nullptr);

    // Results through the model: in the second division the first three
    // positions win their 15 matches (45 points each).
    TSaison& s = *f->Saison;
    TDonneesChampionnat* d2 = s.Arbre().ChampionnatParCode(2);
    for (int d = 1; d <= 15; ++d)
        for (int k = 0; k < 3; ++k)
            d2->CreeMatch(d, d2->IdEquipe(k), d2->IdEquipe(3 + (d - 1 + 5 * k) % 15), 2, 0);
    TCalculClassement calcul(d2, &s);
    const int nb = calcul.Calcule(clsGeneral, 0, 0);
    ASSERT_EQ(nb, 18);
    std::vector<int> attendus = {s.Arbre().ChampionnatParCode(1)->IdEquipe(0)};
    for (int place = 3; place <= 6; ++place)
        attendus.push_back(d2->IdEquipe(calcul.ValeurLigne(place - 1, 1)));
    const int troisieme = attendus[1];
    EXPECT_EQ(calcul.ValeurLigne(2, 2), 45);

    // 194: the play-off offered, its teams preselected from the standings.
    Quand<Tf_CreeBarrage>([&](Tf_CreeBarrage* c) {
        ASSERT_EQ(c->cb_Barrage->Items().Count(), 1);
        ASSERT_EQ(c->Divisions.size(), 2u);
        ASSERT_EQ(c->Divisions[1]->Equipes.size(), 4u);
        for (size_t k = 0; k < 4; ++k)
            EXPECT_EQ(c->Divisions[1]->Equipes[k]->Text(), s.NomEquipe(attendus[k + 1]));
        c->Divisions[0]->Equipes[0]->SetItemIndex(
            c->Divisions[0]->Equipes[0]->Items().IndexOfObject(attendus[0]));
        kit::GrabToPng(c, "CreeBarrage");
        RepondBoite(mrOk);
        c->b_ContinuerClick();
    });
    Commande(*f, 194);
    kit::Process(20);
    TDonneesChampionnat* cree = s.ChampionnatCourant();
    ASSERT_NE(cree, nullptr);
    EXPECT_EQ(cree->CodeChamp, 0x8001);
    EXPECT_EQ(cree->NbEquipe(), 5);
    EXPECT_EQ(cree->NbJour(), 10);   // five teams: a bye on each matchday
    for (int id : attendus)
        EXPECT_GE(cree->IndexEquipe(id), 0);
    // Half of 45 points carried.
    TCalculClassement nouveau(cree, &s);
    nouveau.Calcule(clsGeneral, 0, 0);
    bool vu = false;
    for (int r = 0; r < 5; ++r)
        if (cree->IdEquipe(nouveau.ValeurLigne(r, 1)) == troisieme) {
            EXPECT_EQ(nouveau.ValeurLigne(r, 2), 22);
            vu = true;
        }
    EXPECT_TRUE(vu);
    EXPECT_NE(s.Arbre().NoeudChampionnat(cree)->Parent()->Barrage(), nullptr);
    EXPECT_NE(ModifSaison, 0);
    // Created: no longer offered; the shell says so.
    std::vector<std::string> textes;
    Quand<Tf_CreeBarrage>([](Tf_CreeBarrage* c) {
        EXPECT_EQ(c->cb_Barrage->Items().Count(), 0);
        c->b_Annuler->Click();
    });
    Commande(*f, 194);
    TermineFenetre(f);
}

// The draw of a cup play-off with rounds: semi-finals of four group winners
// and a final, then a bye for a team that enters in the final.
TEST(Barrage, CupDrawFirstRoundAndLaterEntrants)
{
    TDonneesBarrage b;
    b.AjouteDivision(11, {{1, 1}});
    b.AjouteDivision(12, {{1, 1}});
    b.AjouteDivision(13, {{1, 2}});
    TTourCoupe* t1 = b.AjouteTour(2, 1);
    t1->AjouteRencontre(11, 12, 1, 1);
    t1->AjouteRencontre(13, 13, 1, 2);
    TTourCoupe* t2 = b.AjouteTour(1, 1);
    t2->AjouteRencontre(1, 1, 1, 2);
    auto slots = TirageBarrage(b);
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(std::vector<uint16_t>(slots[0].Valeur, slots[0].Valeur + 4), (std::vector<uint16_t>{11, 12, 1, 1}));
    EXPECT_EQ(std::vector<uint16_t>(slots[1].Valeur, slots[1].Valeur + 4), (std::vector<uint16_t>{13, 13, 1, 2}));
    // A final against the winner of semi-final 1 and the third source's
    // second, who enters there; pairing 5 does not exist.
    TDonneesBarrage c;
    c.AjouteDivision(11, {{1, 2}});
    c.AjouteDivision(12, {{1, 2}});
    c.AjouteDivision(13, {{2, 2}});
    TTourCoupe* u1 = c.AjouteTour(1, 1);
    u1->AjouteRencontre(11, 12, 1, 1);
    TTourCoupe* u2 = c.AjouteTour(1, 1);
    u2->AjouteRencontre(1, 1, 1, 0x8000 + 3 * 256 + 2);
    slots = TirageBarrage(c);
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(std::vector<uint16_t>(slots[0].Valeur, slots[0].Valeur + 4), (std::vector<uint16_t>{11, 12, 1, 1}));
    EXPECT_EQ(std::vector<uint16_t>(slots[1].Valeur, slots[1].Valeur + 4),
              (std::vector<uint16_t>{13, 65535, 2, 65535}));
    TDonneesBarrage d;
    d.AjouteTour(1, 1)->AjouteRencontre(11, 12, 1, 1);
    d.AjouteTour(1, 1)->AjouteRencontre(1, 1, 5, 1);
    slots = TirageBarrage(d);
    EXPECT_EQ(slots[1].Valeur[0], 11);   // pairing 1 of round 1
    EXPECT_EQ(slots[0].Valeur[0], 65535);   // pairing 5 does not exist
}

// The count beside a distribution box as the language writes it: "0 teams".
TEST(Barrage, TeamCountsInTheInterfaceLanguage)
{
    const struct { const char* langue; const char* texte; const char* attendu; } cas[] = {
        {"en", "", "0 teams"}, {"en", "1", "1 team"}, {"en", "2-4", "3 teams"}, {"fr", "", "0 équipe"}};
    CreeDessin();
    for (const auto& c : cas) {
        const std::string texte = "texte\\Texte" + std::string(c.langue) + ".txt";
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), texte)));
        TOwned<Tf_Barrage> b(new Tf_Barrage(nullptr));
        b->DonneListe({{"Division 1", 18}});
        if (*c.texte)
            b->Lignes.at(0).Texte->SetText(c.texte);
        EXPECT_EQ(b->Lignes[0].Nombre->Caption(), L1(c.attendu));
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}

}  // namespace
