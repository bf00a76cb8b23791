// The squads of a season made as a new user makes it: command 5 with a
// template division of typed clubs and a cup, then command 147 in the main window; a
// player typed in the grid and left half typed is written by the save
// (command 7) and is there when the file is opened again.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "records/w_Effectifs.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace essai;

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

// The next modal form of type T gets the action; others met first are passed.
template <class T>
void Pour(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageEnEchec);
}

// A football season of one template division of eighteen typed clubs, saved.
void CreeSaison()
{
    Pour<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* f) {
        f->rc_Sport[0]->SetChecked(true);
        f->b_Valider->Click();
    });
    Pour<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        Pour<Tf_Creation>([](Tf_Creation* f) {
            for (int i = 0; i < f->ComponentCount(); ++i)
                if (auto* r = dynamic_cast<TRondCoche*>(f->Components(i)); r && r->Tag == 1)
                    r->Click();
            f->Edit1->SetText("18");
            f->b_Valider->Click();
        });
        Pour<Tf_SaisieEquipes>([](Tf_SaisieEquipes* f) {
            for (size_t i = 0; i < f->Equipes.size(); ++i)
                f->Equipes[i]->SetText("Club " + IntToStr(static_cast<int>(i) + 1));
            f->b_Ok->Click();
        });
        c->bc_CreeChamp->Click();
        // A cup beside it: a season holds two competitions at least.
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode()->Item(0));
        Pour<Tf_CreationCoupe>([](Tf_CreationCoupe* k) {
            k->e_NomCoupe->SetText("Coupe");
            k->e_nTour->SetText("3");
            k->b_Valider->Click();
        });
        c->bc_CreeCoupe->Click();
        c->tv_Saison->EndEditing(false);
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
}

}  // namespace

TEST(EffectifsCreation, TypedPlayerKeptThroughSaveAndReopen)
{
    (void)dossierAbsolu;
    const std::string dir = Prepare("setup_effectifs");
    auto f = LanceFenetre();
    CreeSaison();
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(50);
    ASSERT_NE(f->Saison, nullptr);

    Commande(*f, 147);
    auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(f->p_FondAffiche->Visible());
    // The clubs in the championship's order, the first one's empty squad.
    ASSERT_EQ(e->l_Equipe->Items().Count(), 18);
    EXPECT_EQ(NomEntreeListe(e->l_Equipe->Items()[0], 4), "Club 1");
    TColorStringGrid& g = *e->sg_TableauEquipe;
    EXPECT_EQ(g.RowCount(), 2);
    // A name and a first name typed, the editor still open on the first name.
    g.FocusCell(2, 1, true);
    kit::Type(&g, "R");
    kit::Type(nullptr, "ousseau");
    kit::PressKey(nullptr, VK_RETURN);
    g.FocusCell(3, 1, true);
    kit::Type(&g, "A");
    kit::Type(nullptr, "lain");
    ASSERT_TRUE(g.EditorMode());
    kit::GrabToPng(f.get(), "effectifs_creation");

    // Saved (under a name of the user's choice when the program asks for one).
    kit::AnswerDialogs([&](TCommonDialog& d) {
        dynamic_cast<TSaveDialog&>(d).FileName = MakePath(dir, "sauvegarde/effectifs.xmc");
        return true;
    });
    RepondBoite(mrOk);   // "saved"
    Commande(*f, 7);
    kit::Process(50);
    const std::string fichier = NomFichierCourant;
    EXPECT_TRUE(FileExists(fichier));
    EXPECT_EQ(ModifSaison, 0);
    const int club1 = f->Saison->ChampionnatCourant()->IdEquipe(0);
    TJoueur* j = f->Saison->Joueurs().ChercheJoueurNom("ROUSSEAU", "ALAIN");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, club1);

    f->FermeFenetreEnfant();
    f->OpenFile(fichier);
    kit::Process(50);
    EXPECT_EQ(NomFichierCourant, fichier);
    ASSERT_NE(f->Saison, nullptr);
    TJoueur* relu = f->Saison->Joueurs().ChercheJoueurNom("ROUSSEAU", "ALAIN");
    ASSERT_NE(relu, nullptr);
    EXPECT_EQ(relu->ClubActuel, club1);
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    kit::ResetAnswers();
    TermineFenetre(f);
}
