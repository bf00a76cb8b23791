// Roads through the cards and lists on a season a user makes (command 5, the
// sport, two championships of typed clubs): the club card's stadium "card"
// button on a club without a record, the coach the card replaces, the stadium
// list that typing fills, the player search's titles and its hint on "*", and
// the championship dialog of the season composition opening on the template
// last chosen.
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/Personnels.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "records/w_FicheClub.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheStade.h"
#include "records/w_Recherche.h"
#include "records/w_Stades.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "tests/setup/CreationEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"

using namespace essai;

namespace {

// The club card of the current championship's first team through command 131.
void OuvreFicheClub(FenetreEssai& f, std::function<void(Tf_FicheClub*)> action)
{
    kit::WhenModal([action](TForm* m) {
        if (auto* k = dynamic_cast<Tf_FicheClub*>(m))
            action(k);
        else {
            // The team asked first: the first one.
            Quand<Tf_FicheClub>(action);
            for (int i = 0; i < m->ComponentCount(); ++i)
                if (auto* k = dynamic_cast<TCarreCoche*>(m->Components(i)))
                    k->SetChecked(k->Tag == 0);
            m->SetModalResult(mrOk);
        }
    });
    ASSERT_TRUE(Commande(f, 131));
}

// A new coach typed in his card.
void NouvelEntraineur(const std::string& prenom, const std::string& nom)
{
    Quand<Tf_FicheEntraineur>([=](Tf_FicheEntraineur* e) {
        kit::Type(e->c_Personne->e_Prenom, prenom);
        kit::Type(e->c_Personne->e_Nom, nom);
        kit::Click(e->b_Valider);
    });
}

TEST(FicheClubParcours, StadiumCardOpensFirstTimeAndReplacedCoachLeavesTheClub)
{
    Prepare("parcours_fiche_club");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(c, nullptr);
    const int equipe = c->IdEquipe(0);
    ASSERT_EQ(f->Saison->RensClubs().ChercheRensClub(equipe), nullptr);

    // A stadium made with "Créer", then "Fiche" opens its card at once; the
    // club gets its record; a coach made with "Créer".
    bool ficheStade = false;
    OuvreFicheClub(*f, [&](Tf_FicheClub* k) {
        Quand<Tf_FicheStade>([](Tf_FicheStade* s) {
            kit::Type(s->e_NomStade, "Bollaert");
            kit::Type(s->e_Ville, "Lens");
            kit::Click(s->b_Valider);
        });
        kit::Click(k->bc_CreeStade);
        ASSERT_GT(k->cb_Stade->ItemIndex(), 0);
        Quand<Tf_FicheStade>([&](Tf_FicheStade* s) {
            ficheStade = s->e_NomStade->Text() == "Bollaert";
            s->SetModalResult(mrCancel);
        });
        kit::Click(k->bc_FicheStade);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        k->PageControl1->SetActivePage(k->ts_InfoAdmin);
        NouvelEntraineur("Guy", "Roux");
        kit::Click(k->b_CreeEntr);
        kit::Click(k->b_Valider);
    });
    EXPECT_TRUE(ficheStade);
    const TRensClub* r = f->Saison->RensClubs().ChercheRensClub(equipe);
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->Entraineurs().size(), 1u);
    TEntraineur* ancien = r->Entraineurs().front();
    EXPECT_EQ(ancien->ClubActuel, equipe);

    // Another coach replaces him: the first no longer has this club.
    OuvreFicheClub(*f, [&](Tf_FicheClub* k) {
        k->PageControl1->SetActivePage(k->ts_InfoAdmin);
        NouvelEntraineur("Arsène", "Wenger");
        kit::Click(k->b_CreeEntr);
        kit::GrabToPng(k, "parcours-fiche-club");
        kit::Click(k->b_Valider);
    });
    ASSERT_FALSE(r->Entraineurs().empty());
    EXPECT_NE(r->Entraineurs().front(), ancien);
    EXPECT_EQ(r->Entraineurs().front()->ClubActuel, equipe);
    EXPECT_NE(ancien->ClubActuel, equipe);
    TermineFenetre(f);
}

// Typing in the stadium list starts a new stadium with what is typed.
TEST(StadesParcours, TypingStartsANewStadium)
{
    Prepare("parcours_stades");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_TRUE(Commande(*f, 152));
    auto* l = dynamic_cast<Tf_Stades*>(f->Enfant);
    ASSERT_NE(l, nullptr);
    std::string debut;
    Quand<Tf_FicheStade>([&](Tf_FicheStade* s) {
        debut = s->e_NomStade->Text();
        kit::Type(s->e_NomStade, "eaujoire");
        kit::Type(s->e_Ville, "Nantes");
        kit::GrabToPng(s, "parcours-stade-tape");
        kit::Click(s->b_Valider);
    });
    kit::Click(l->sg_TableauStade);
    kit::Type(l->sg_TableauStade, "B");
    EXPECT_EQ(debut, "B");
    ASSERT_EQ(f->Saison->Stades().NbStade(), 1);
    EXPECT_EQ(f->Saison->Stades().Stade(0)->NomStade, "Beaujoire");
    EXPECT_EQ(l->sg_TableauStade->LitCellule(0, 1), "Beaujoire");
    kit::GrabToPng(f.get(), "parcours-stades");
    TermineFenetre(f);
}

// The search's titles stand over what they name, and the hint under the
// name box says how to search by a name's beginning, in both languages.
TEST(RechercheParcours, TitlesInPlaceAndPrefixHint)
{
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        const std::string dir = Prepare(std::string("parcours_recherche_") + langue);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
        auto f = LanceFenetre();
        CreeSaison(*f, 0);
        ASSERT_TRUE(Commande(*f, 150));
        auto* r = dynamic_cast<Tf_Recherche*>(f->Enfant);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Label91->Caption(), Traduire(835));
        EXPECT_EQ(r->Label94->Caption(), Traduire(836));
        EXPECT_EQ(r->l_AideNom->Caption(), Traduire(4100));
        EXPECT_NE(r->l_AideNom->Caption().find('*'), std::string::npos);
        // "find a player" over the name box, the hint under it; "criteria"
        // over the positions.
        EXPECT_LT(r->Label91->Top() + r->Label91->Height(), r->Edit1->Top() + 1);
        EXPECT_EQ(r->Label91->Left(), r->Edit1->Left());
        EXPECT_GT(r->l_AideNom->Top(), r->Edit1->Top() + r->Edit1->Height() - 1);
        EXPECT_LT(r->Label94->Top() + r->Label94->Height(), r->clb_Poste->Top() + 1);
        EXPECT_LT(r->Label94->Top(), r->Label89->Top());
        EXPECT_EQ(r->Label94->Left(), r->clb_Poste->Left());
        kit::GrabToPng(f.get(), std::string("parcours-recherche-") + langue);
        TermineFenetre(f);
    }
}

// The championship dialog opens on the template division chosen last.
TEST(CompositionParcours, CreateAChampionshipOpensOnTheChosenTemplate)
{
    Prepare("parcours_modele");
    auto f = LanceFenetre();
    int32_t choisie = 0, proposee = -1;
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        // First: another template than the first one, its first division.
        Quand<Tf_Creation>([&](Tf_Creation* k) {
            ASSERT_GE(k->cb_Championnat->Items().Count(), 2);
            kit::Click(k->cb_Championnat);
            k->cb_Championnat->SetItemIndex(1);
            if (k->cb_Championnat->OnChange)
                k->cb_Championnat->OnChange(k->cb_Championnat);
            choisie = k->Division();
            k->Edit1->SetText("4");
            Quand<Tf_SaisieEquipes>([](Tf_SaisieEquipes* e) {
                for (size_t i = 0; i < e->Equipes.size(); ++i)
                    e->Equipes[i]->SetText("Team " + IntToStr(static_cast<int>(i) + 1));
                e->b_Ok->Click();
            });
            kit::Click(k->b_Valider);
        });
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        kit::Click(c->bc_CreeChamp);
        // Then: the dialog shows that template again.
        Quand<Tf_Creation>([&](Tf_Creation* k) {
            proposee = k->Division();
            kit::GrabToPng(k, "parcours-creation-modele");
            kit::Click(k->b_Annuler);
        });
        kit::Click(c->bc_CreeChamp);
        c->SetModalResult(mrCancel);
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(20);
    kit::ForgetModalActions();
    EXPECT_GT(choisie, 0);
    EXPECT_EQ(proposee, choisie);
    TermineFenetre(f);
}

}  // namespace
