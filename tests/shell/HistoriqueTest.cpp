// Command 192: the current championship into its history file, each result on
// its two teams, read back by the next start of the program; a season the file
// cannot hold is refused.
#include <gtest/gtest.h>

#include "engine/historique.h"
#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "tests/shell/SaisonEssai.h"

using namespace essai;

TEST(HistoriqueCommande, ResultsGoOnTheirTeamsAndSurviveARestart)
{
    const std::string dir = Prepare("historique");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/historique.xmc"), 0);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    // the second league: team ids 6..11 at positions 0..5
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(2));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(c->IdEquipe(0), 0);

    c->SetOption(8, 0);   // year 1900: no place in the file
    Commande(*f, 192);
    ASSERT_EQ(f->Messages.size(), 1u);
    EXPECT_EQ(f->Messages[0], TraduireFormat(3470, {1900}));
    EXPECT_EQ(f->Stats->Nombre(), 0);

    c->SetOption(8, 105);
    f->Messages.clear();
    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{Traduire(1615), Traduire(1616)}));
    TermineFenetre(f);

    // the next start loads the file
    f = LanceFenetre();
    ASSERT_EQ(f->Stats->Nombre(), 1);
    TStat* stat = f->Stats->Stat(0);
    ASSERT_EQ(stat->NombreSaisons(), 1);
    const TSaisonStat* s = stat->Saison(0);
    EXPECT_EQ(s->Saison(), 105);
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(2));
    c = f->Saison->ChampionnatCourant();
    EXPECT_EQ(f->Stats->ChercheStat(c->CodeDivision(), 0), stat);
    int vus = 0;
    for (int d = 1; d <= c->NbJour(); ++d)
        for (int k = 0; k < c->NbMatchJournee(d); ++k) {
            const int sd = c->ValeurMatch(d, 4 * k + 2);
            if (sd == 65535)
                continue;
            const int h = stat->ChercheEquipe(f->Saison->NomEquipe(c->ValeurMatch(d, 4 * k + 1)));
            const int a = stat->ChercheEquipe(f->Saison->NomEquipe(c->ValeurMatch(d, 4 * k + 3)));
            EXPECT_EQ(s->ResultatEquipes(h, a), std::make_pair(sd, c->ValeurMatch(d, 4 * k + 4))) << d << " " << k;
            ++vus;
        }
    EXPECT_EQ(vus, 9);   // three matchdays of three matches
    TermineFenetre(f);
}
