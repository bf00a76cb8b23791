// A new season made in the English interface, for each sport: the sport
// chooser, the season composition and the championship dialog with its
// templates and divisions speak English, and so does the championship made
// from a template. Each dialog is grabbed.
#include <filesystem>

#include <gtest/gtest.h>

#include "files/w_ChoixLogiciel.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/WinInet.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "shell/Aide.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/shell/TextesFrancais.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Annulees);
}

std::vector<std::string> Noeuds(TTreeView* tv)
{
    std::vector<std::string> r;
    for (TTreeNode* n = tv->Items().GetFirstNode(); n; n = n->GetNext())
        r.push_back(n->Text());
    return r;
}

class AnglaisCreation : public essai::THorsLigne<::testing::TestWithParam<int>>
{
};

}  // namespace

TEST_P(AnglaisCreation, NewSeasonDialogsAndTemplatesSpeakEnglish)
{
    const int sport = GetParam();
    const std::string numero = std::to_string(sport);
    const std::string dir = Prepare("anglais_creation" + numero);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
    auto f = LanceFenetre();
    ASSERT_EQ(f->Langue, "en");
    const std::string images = MakePath(kit::OutputDir(), "anglais_creation");
    ForceDirectories(images);
    const std::string suffixe = "_" + numero;

    std::set<std::string> francais;
    std::vector<std::string> sports, boutons, divisions, arbre;
    std::string championnat;
    Quand<Tf_ChoixLogiciel>([&](Tf_ChoixLogiciel* c) {
        TextesFrancais(c, francais);
        for (TRondCoche* r : c->rc_Sport)
            if (r && r->Visible())
                sports.push_back(r->Caption());
        kit::GrabToPng(c, "sport" + suffixe, images);
        kit::Click(c->rc_Sport[sport]);
        kit::Click(c->b_Valider);
    });
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        boutons = {c->bc_CreeCoupe->Caption(), c->sb_Up->Caption(), c->sb_Down->Caption(),
                   c->tv_Saison->Items().GetFirstNode()->Text()};
        Quand<Tf_Creation>([&](Tf_Creation* d) {
            TextesFrancais(d, francais);
            championnat = d->cb_Championnat->Text();
            for (int i = 0; i < d->FondDivisions->ControlCount(); ++i)
                divisions.push_back(d->FondDivisions->Controls(i)->Caption());
            kit::GrabToPng(d, "championnat" + suffixe, images);
            kit::Click(d->RondCoche1);
            kit::Click(d->b_Valider);
        });
        Quand<Tf_SaisieEquipes>([](Tf_SaisieEquipes* e) {
            for (size_t i = 0; i < e->Equipes.size(); ++i)
                e->Equipes[i]->SetText("Club " + IntToStr(static_cast<int>(i) + 1));
            kit::Click(e->b_Ok);
        });
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        kit::Click(c->bc_CreeChamp);
        kit::Process();
        TextesFrancais(c, francais);
        arbre = Noeuds(c->tv_Saison);
        kit::GrabToPng(c, "composition" + suffixe, images);
        RepondBoite(mrYes);
        kit::Click(c->b_Annuler);
    });
    Commande(*f, 5);
    kit::Process(50);
    kit::ForgetModalActions();

    EXPECT_TRUE(francais.empty()) << ::testing::PrintToString(francais);
    EXPECT_EQ(sports, (std::vector<std::string>{"Football", "Rugby", "Basketball", "Handball"}));
    EXPECT_EQ(boutons, (std::vector<std::string>{"Create a cup", "Move up", "Move down", "Season"}));
    // The template's championship and divisions by their English names.
    EXPECT_EQ(championnat, "French championship");
    ASSERT_FALSE(divisions.empty());
    EXPECT_EQ(divisions[0], "First division");
    ASSERT_GE(arbre.size(), 2u);
    EXPECT_EQ(arbre[0], "Season");
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, AnglaisCreation, ::testing::Values(0, 1, 2, 3));
