// The team sheet through the main window, on a season a user makes: command 5,
// the sport, a custom championship of four typed clubs; two matchdays played.
// Command 121 asks the team (the dialog answered with the third club), every
// other team-sheet command shows its page on the same window, a command naming
// another team changes it, the box titles send the standings commands.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/setup/CreationEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "views/w_Classement.h"
#include "views/w_StatEquipe.h"

using namespace essai;

namespace {

class FicheEquipe : public ::testing::TestWithParam<int>
{
};

TEST_P(FicheEquipe, CommandsOnOneWindowTeamChangesAndClicks)
{
    const int sport = GetParam();
    Prepare("fiche_equipe" + std::to_string(sport));
    auto f = LanceFenetre();
    CreeSaison(*f, sport);
    ASSERT_NE(f->Saison, nullptr);
    auto championnats = f->Saison->Arbre().ListeChampionnats();
    ASSERT_EQ(championnats.size(), 2u);
    TDonneesChampionnat* c = championnats[0];
    if (f->Saison->NomEquipeComplet(c->IdEquipe(0), c) != "Club 1")
        c = championnats[1];
    ASSERT_EQ(c->NbEquipe(), 4);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(c->CodeChamp));
    if (c->NbJour() < 2)
        c->SetNbJournees(2);
    // Club 3 beats Club 1 at home, then draws at Club 2
    const int base = sport == 2 ? 70 : 2;
    c->CreeMatch(1, c->IdEquipe(2), c->IdEquipe(0), base + 1, base);
    c->CreeMatch(2, c->IdEquipe(1), c->IdEquipe(2), base, sport == 2 ? base + 3 : base);
    c->DerniereJournee = 2;

    // 121 asks the team: the third club is ticked in the dialog
    Quand<TBrivantelForm>([](TBrivantelForm* d) {
        for (int i = 0; i < d->ComponentCount(); ++i)
            if (auto* k = dynamic_cast<TCarreCoche*>(d->Components(i)))
                k->SetChecked(k->Tag == 2);
        d->SetModalResult(mrOk);
    });
    ASSERT_TRUE(Commande(*f, 121));
    auto* sheet = dynamic_cast<Tf_StatEquipe*>(f->Enfant);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Label14->Caption(), "Club 3");
    EXPECT_EQ(sheet->IndexPage(), 0);
    ASSERT_EQ(sheet->LignesDomicile().size(), 1u);
    EXPECT_NE(sheet->LignesDomicile()[0]->Caption().find("Club 3 - Club 1"), std::string::npos);
    kit::GrabToPng(f.get(), "fiche-equipe-" + std::to_string(sport) + "-121");

    // every other command: the same window, its page
    const std::pair<int, int> pages[] = {{123, 1}, {124, 2}, {125, 3}, {128, 4}, {129, 5},
                                         {130, 6}, {122, 8}, {221, 7}};
    for (const auto& [commande, index] : pages) {
        SCOPED_TRACE(commande);
        ASSERT_TRUE(Commande(*f, commande));
        EXPECT_EQ(f->Enfant, sheet);
        EXPECT_EQ(sheet->IndexPage(), index);
        EXPECT_EQ(sheet->Label14->Caption(), "Club 3");
        EXPECT_EQ(f->Messages.size(), 0u);
    }
    // the win over Club 1: all the win points of one match
    const int victoire = c->Option(4);
    EXPECT_EQ(sheet->sg_PointPris->Cells(1, 1), std::to_string(victoire) + "/" + std::to_string(victoire));

    // a command naming another team changes it on the same window
    f->ExecuteCommande(121, 1, false);
    EXPECT_EQ(f->Enfant, sheet);
    EXPECT_EQ(sheet->Label14->Caption(), "Club 2");
    EXPECT_EQ(sheet->IndexPage(), 0);

    // the statistics page's box title opens the general standings
    ASSERT_TRUE(Commande(*f, 123));
    kit::Click(sheet->TitresBoites[0]);
    EXPECT_NE(dynamic_cast<Tf_Classement*>(f->Enfant), nullptr);
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, FicheEquipe, ::testing::Values(0, 1, 2, 3));

}  // namespace
