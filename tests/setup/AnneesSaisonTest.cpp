// A competition made with its season has the season's years, whichever road
// makes it. Each row composes a new season through the program's windows: a
// custom league of four clubs whose years are typed "2031/32", then one more
// competition made in the same composition window; the years are read where
// the user reads them (the competition's options window, the proposal of the
// championship window), and the season is saved and reopened as it was.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Format.h"
#include "setup/w_Barrage.h"
#include "setup/w_CreationBarrage.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "tests/setup/LigueEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    QuandFenetre<T>(std::move(action), TAutresFenetres::MessageEnEchec);
}

// A cup of one round of two single matches, its name typed.
void Coupe(Tf_CreationSaison* c, TTreeNode* noeud)
{
    c->tv_Saison->SetSelected(noeud);
    Quand<Tf_CreationCoupe>([](Tf_CreationCoupe* k) {
        TapeDans(k->e_NomCoupe, "Coupe");
        k->NbMatch(1)->SetPosition(2);
        kit::Click(k->b_Valider);
    });
    kit::Click(c->bc_CreeCoupe);
    c->tv_Saison->EndEditing(false);
}

// The years the options window of the championship shows, read as the user
// reads them; the window cancelled.
std::string AnneesOptions(FenetreEssai& f, const TDonneesChampionnat* c)
{
    std::string lu;
    if (!c)
        return lu;
    f.ChangeChampionnat(c->CodeChamp, nullptr);
    Quand<Tf_Option>([&](Tf_Option* o) {
        lu = o->MaskEdit1->Text();
        o->PageControl1->SetActivePage(o->ts_Avances);
        kit::GrabToPng(o, "annees_options_" + lu.substr(0, 4));
        kit::Click(o->b_Annuler);
    });
    Commande(f, 176);
    kit::Process(10);
    return lu;
}

const TDonneesChampionnat* Dernier(TSaison& s)
{
    const auto l = s.Arbre().ListeChampionnats();
    return l.empty() ? nullptr : l.back();
}

struct CasAnnees
{
    const char* nom;
    const char* langue;
    // What is made after the league, in the composition window.
    std::function<void(Tf_CreationSaison*, std::string& propose)> cree;
    // The years of what was made, as the user reads them (after the
    // composition, or after the reopening).
    std::function<std::string(FenetreEssai&)> lit;
    bool propose = false;   // the championship window proposed the years
};

TTreeNode* Groupe(Tf_CreationSaison* c) { return c->tv_Saison->Items().GetFirstNode()->getFirstChild(); }

CasAnnees CoupeDuGroupe(const char* nom, const char* langue)
{
    return {nom, langue, [](Tf_CreationSaison* c, std::string&) { Coupe(c, Groupe(c)); },
            [](FenetreEssai& f) { return AnneesOptions(f, Dernier(*f.Saison)); }};
}

// The years the season file holds for the play-off (its championships,
// made once its sources are played, take them).
std::string AnneesBarrage(FenetreEssai& f)
{
    const auto barrages = f.Saison->Arbre().ListeBarrages();
    if (barrages.size() != 1)
        return "no play-off";
    const TDonneesBarrage* b = barrages.front();
    return IntToStr(b->Option(8) + 1900) + "/" + Format("%.2d", {static_cast<int>(b->Option(9))});
}

class AnneesSaisonTable : public ::testing::TestWithParam<CasAnnees>
{
};

INSTANTIATE_TEST_SUITE_P(
    WhatUsersMet, AnneesSaisonTable,
    ::testing::Values(
        // "Créer une coupe" under the league's group.
        CoupeDuGroupe("cup_under_the_group", "fr"), CoupeDuGroupe("cup_under_the_group_english", "en"),
        // A second championship: its window proposes the season's years and
        // they are kept as proposed.
        CasAnnees{"second_championship", "fr",
                  [](Tf_CreationSaison* c, std::string& propose) { LigueTapee(c, "Autre", "", &propose); },
                  [](FenetreEssai& f) { return AnneesOptions(f, Dernier(*f.Saison)); }, true},
        // A play-off of the league's division (a cup, the first two places).
        CasAnnees{"play_off_of_the_division", "fr",
                  [](Tf_CreationSaison* c, std::string&) {
                      c->tv_Saison->SetSelected(Groupe(c)->getFirstChild());
                      Quand<Tf_Barrage>([](Tf_Barrage* b) {
                          ASSERT_FALSE(b->Lignes.empty());
                          TapeDans(b->Lignes.back().Texte, "1-2");
                          kit::Click(b->b_Valider);
                      });
                      kit::Click(c->bc_Barrage);
                      c->tv_Saison->EndEditing(false);
                  },
                  AnneesBarrage}),
    [](const ::testing::TestParamInfo<CasAnnees>& i) { return std::string(i.param.nom); });

TEST_P(AnneesSaisonTable, TheCompetitionTakesTheSeasonYears)
{
    const CasAnnees& k = GetParam();
    const std::string dir = Prepare(std::string("annees_") + k.nom);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", k.langue);
    auto f = LanceFenetre();
    std::string propose;
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        kit::Click(c->b_Valider);
    });
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        LigueTapee(c, "Club", "2031/32");
        k.cree(c, propose);
        kit::GrabToPng(c, std::string("annees_composition_") + k.nom);
        RepondBoite(mrOk);   // "saved"
        kit::Click(c->b_Valider);
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(50);
    kit::ForgetModalActions();
    ASSERT_TRUE(f->Saison);
    if (k.propose) {
        EXPECT_EQ(propose, "2031/32");
    }
    EXPECT_EQ(k.lit(*f), "2031/32");
    // Saved through the season file and opened again, as it was (the league
    // current, as a reopening leaves it when the file had nothing to save).
    f->ChangeChampionnat(1, nullptr);
    const std::string avant = SansDate(Document(*f->Saison));
    RepondBoite(mrOk);
    Commande(*f, 7);
    kit::Process(10);
    ASSERT_EQ(ModifSaison, 0);
    f->OpenFile(NomFichierCourant);
    kit::Process(10);
    ASSERT_TRUE(f->Saison);
    EXPECT_TRUE(SansDate(Document(*f->Saison)) == avant) << "reopened otherwise";
    EXPECT_EQ(k.lit(*f), "2031/32");
    TermineFenetre(f);
}

}  // namespace
