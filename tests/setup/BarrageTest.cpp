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
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    kit::WhenModal([action](TForm* f) {
        if (auto* t = dynamic_cast<T*>(f))
            action(t);
        else
            Quand<T>(action);
    });
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
    TermineFenetre(f);
}

}  // namespace
