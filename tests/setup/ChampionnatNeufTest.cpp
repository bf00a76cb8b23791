// A championship made by the program starts from what its file read back
// gives it: a season created from a template through the composition window,
// a matchday typed through the results window with two teams level on points,
// ranks the same before saving and after reopening, and its forfeit is the
// sport's forfeit score. Every creation path of the model gives the sport's
// option words and the tie-break letters.
#include <gtest/gtest.h>

#include <functional>

#include "engine/CalculClassement.h"
#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/Strings.h"
#include "results/w_Resultats.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/setup/TableEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Passees);
}

}   // namespace

TEST(ChampionnatNeuf, TemplateLeagueRanksTheSameBeforeSavingAndAfterReopening)
{
    const std::string dir = Prepare("neuf_modele");
    auto f = LanceFenetre();
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        // two divisions of the first template: the second made is current
        for (const char* prefixe : {"Sud ", "Club "}) {
            Quand<Tf_Creation>([](Tf_Creation* d) {
                d->Edit1->SetText("4");
                d->b_Valider->Click();
            });
            Quand<Tf_SaisieEquipes>([prefixe](Tf_SaisieEquipes* e) {
                for (size_t i = 0; i < e->Equipes.size(); ++i)
                    e->Equipes[i]->SetText(prefixe + IntToStr(static_cast<int>(i) + 1));
                e->b_Ok->Click();
            });
            c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
            c->bc_CreeChamp->Click();
        }
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(20);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(f->Saison->NomEquipePosition(0).rfind("Club ", 0), 0u);
    EXPECT_EQ(c->OrdreClassement, "ac");
    EXPECT_EQ(c->Option(19), 3);
    EXPECT_EQ(c->Option(20), 0);

    // Club 1 - Club 2 0-1; Club 3 wins by forfeit: Clubs 2 and 3 level on
    // points, Club 3 ahead on the tie-break.
    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->NbLignes(), 2);
    for (int k = 0; k < 4; ++k)
        ChoisitEquipe(*r);
    ASSERT_EQ(r->Ligne(0).Domicile->Text(), "Club 1");
    ASSERT_EQ(r->Ligne(1).Domicile->Text(), "Club 3");
    kit::Type(r->Ligne(0).ScoreDomicile, "0");
    kit::Type(r->Ligne(0).ScoreExterieur, "1");
    r->TrackBar1->SetFocus();
    kit::MouseDown(r->Ligne(1).Domicile, 5, 5, mbRight);
    kit::MouseUp(r->Ligne(1).Domicile, 5, 5, mbRight);
    r->pm_Forfait->CloseMenu();
    r->mi_Forfait->Click();
    EXPECT_EQ(r->Ligne(1).ScoreDomicile->Text(), "3");
    EXPECT_EQ(r->Ligne(1).ScoreExterieur->Text(), "0");
    r->TrackBar1->SetPosition(2);
    const TPenalite* forfait = c->Penalites().Cherche(c->IdEquipe(2), c->IdEquipe(3), 1);
    ASSERT_NE(forfait, nullptr);
    EXPECT_EQ(forfait->s1, 3);
    EXPECT_EQ(forfait->s2, 0);

    const std::vector<std::string> avant = Table(*f->Saison);
    ASSERT_EQ(avant.size(), 4u);
    EXPECT_EQ(avant[0], "Club 3");
    EXPECT_EQ(avant[1], "Club 2");
    TCalculClassement calcul(c, f->Saison.get());
    calcul.Calcule(clsGeneral, 1, c->NbJour());
    // The forfeit counts a win for Club 3 and a defeat for Club 4.
    EXPECT_EQ(calcul.ValeurLigne(0, 2), 3);
    EXPECT_EQ(calcul.ValeurLigne(3, 2), 0);

    const std::string fichier = MakePath(dir, "sauvegarde\\neuf.xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, f->Saison.get(), nullptr, "", "", nullptr, {}, false));
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Table(*relu), avant);
    ModifSaison = 0;
    TermineFenetre(f);
}

// Every sport, every kind the creation windows ask the model for: the option
// words 16 to 26 and the letters a file read back gives.
TEST(ChampionnatNeuf, EveryNewChampionshipHasTheSportsOptionsAndLetters)
{
    struct Cas { int sport; int forfait; };
    const Cas cas[] = {{0, 3}, {1, 51}, {2, 20}, {3, 10}};
    for (const Cas& k : cas)
        for (uint8_t type : {uint8_t(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational),
                             uint8_t(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeInternational)}) {
            SCOPED_TRACE(k.sport * 100 + type);
            auto s = TMultiSport::CreeSaison(k.sport);
            auto c = s->CreeChampionnat(type, 0);
            ASSERT_TRUE(c);
            EXPECT_EQ(c->OrdreClassement, "ac");
            EXPECT_EQ(c->Option(16), 4);
            EXPECT_EQ(c->Option(17), 2);
            EXPECT_EQ(c->Option(18), 2);
            EXPECT_EQ(c->Option(19), k.forfait);
            EXPECT_EQ(c->Option(20), 0);
            EXPECT_EQ(c->Option(25), 1);
        }
}
