// Creating competitions in the composition window of a new season: a cup
// takes the name typed in its window (a numbered one only without), and the
// championship and team-name dialogs are finished with the keyboard alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

template <class T>
void Puis(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageFerme);
}

// Command 5 with the football sport; the composition window gets the action,
// then is validated (the file saved).
void NouvelleSaison(Tf_Principale& f, std::function<void(Tf_CreationSaison*)> action)
{
    Puis<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    Puis<Tf_CreationSaison>([action](Tf_CreationSaison* c) {
        action(c);
        RepondBoite(mrOk);   // "saved"
        c->b_Valider->Click();
        if (c->ModalResult() == mrNone) {
            ADD_FAILURE() << "composition still open";
            c->SetModalResult(mrCancel);
        }
    });
    ASSERT_TRUE(Commande(f, 5));
    kit::Process(50);
    kit::ForgetModalActions();
}

}  // namespace

// A custom championship of two clubs, then cups: typed "Rugby Cup" with the
// template group selected (its own division node), none typed and "Coupe
// d'hiver" typed under that division.
TEST(CreationClavier, ACupTakesTheTypedName)
{
    Prepare("creation_coupe_nom");
    auto f = LanceFenetre();
    std::vector<std::string> noeuds;
    NouvelleSaison(*f, [&](Tf_CreationSaison* c) {
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        Puis<Tf_Creation>([](Tf_Creation* k) {
            k->RondCoche2->SetChecked(true);
            k->Edit1->SetText("2");
            k->b_Valider->Click();
        });
        Puis<Tf_SaisieEquipes>([](Tf_SaisieEquipes* e) {
            e->Equipes[0]->SetText("Rouge");
            e->Equipes[1]->SetText("Vert");
            e->b_Ok->Click();
        });
        c->bc_CreeChamp->Click();
        c->tv_Saison->EndEditing(false);
        TTreeNode* groupe = c->tv_Saison->Items().GetFirstNode()->getFirstChild();
        ASSERT_NE(groupe, nullptr);
        TTreeNode* division = nullptr;
        const struct
        {
            const char* Tape;
            bool SousDivision;   // selected: the cup division made first, else the group
        } coupes[] = {{"Rugby Cup", false}, {"", true}, {" Coupe d'hiver ", true}};
        for (const auto& k : coupes) {
            c->tv_Saison->SetSelected(k.SousDivision ? division : groupe);
            const std::string tape = k.Tape;
            Puis<Tf_CreationCoupe>([tape](Tf_CreationCoupe* w) {
                kit::Type(w->e_NomCoupe, tape);
                kit::Click(w->b_Valider);
            });
            c->bc_CreeCoupe->Click();
            c->tv_Saison->EndEditing(false);
            if (!division)
                for (TTreeNode* n = groupe->getFirstChild(); n; n = n->getNextSibling())
                    if (n->Text() == "Rugby Cup")
                        division = n;
            ASSERT_NE(division, nullptr);
        }
        for (TTreeNode* n = division->getFirstChild(); n; n = n->getNextSibling())
            noeuds.push_back(n->Text());
        kit::GrabToPng(c, "creation_coupes_nommees");
    });
    EXPECT_EQ(noeuds, (std::vector<std::string>{"Rugby Cup", TraduireFormat(3904, {2}), "Coupe d'hiver"}));
    ASSERT_NE(f->Saison, nullptr);
    std::vector<std::string> coupes;
    for (const TDonneesChampionnat* ch : f->Saison->Arbre().ListeChampionnats())
        if (ch->EstCoupe())
            coupes.push_back(f->Saison->Arbre().NoeudChampionnat(ch)->NomAffiche());
    EXPECT_EQ(coupes, noeuds);
    TermineFenetre(f);
}

// The championship dialog and the team names, by keys only: Tab reaches OK
// and Enter (or Space) on it validates, or Enter from a box validates. A
// name typed that is the start of a team of the season stays as typed.
TEST(CreationClavier, ChampionshipDialogsFinishByKeyboard)
{
    const struct
    {
        const char* Nom;
        bool TabJusquaOk;
        WORD Touche;
        const char* Langue;
        const char* Premier;   // the first name of the second championship
    } cas[] = {{"Tab to OK, Enter", true, VK_RETURN, "fr", "Nord 1"},
               {"Tab to OK, Space", true, VK_SPACE, "fr", "Nord 1"},
               {"Enter in a box", false, VK_RETURN, "fr", "Nord 1"},
               {"English, Tab to OK, Enter", true, VK_RETURN, "en", "Nord 1"},
               {"The start of a team", true, VK_RETURN, "fr", "Sud"},
               {"English, the start of a team", false, VK_RETURN, "en", "Sud"}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.Nom);
        const std::string dir = Prepare("creation_clavier");
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", k.Langue);
        const std::string suffixe = std::string("_") + k.Langue;
        auto f = LanceFenetre();
        bool creation = false, equipes = false;
        NouvelleSaison(*f, [&](Tf_CreationSaison* c) {
            for (int fois = 0; fois < 2; ++fois) {
                c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
                Puis<Tf_Creation>([&](Tf_Creation* w) {
                    ASSERT_TRUE(TabJusqua(w->Edit1));
                    kit::PressKey(nullptr, 'A', ssCtrl);
                    kit::Type(nullptr, "3");
                    if (k.TabJusquaOk) {
                        ASSERT_TRUE(TabJusqua(w->b_Valider));
                        if (fois == 0)
                            kit::GrabToPng(w, "creation_ok_focus" + suffixe);
                    }
                    kit::PressKey(nullptr, k.Touche);
                    creation = w->ModalResult() == mrOk;
                    if (!creation)
                        w->SetModalResult(mrCancel);
                });
                Puis<Tf_SaisieEquipes>([&](Tf_SaisieEquipes* e) {
                    // the window active, its first box taking the keys
                    EXPECT_TRUE(kit::WaitUntil([e] { return e->Equipes[0]->Focused(); }, 1000));
                    for (int i = 0; i < 3; ++i) {
                        kit::Type(nullptr, fois && i == 0 ? std::string(k.Premier)
                                                          : (fois ? "Nord " : "Sud ") + std::to_string(i + 1));
                        if (i < 2 || k.TabJusquaOk)
                            kit::PressKey(nullptr, VK_TAB);
                    }
                    if (k.TabJusquaOk) {
                        EXPECT_TRUE(e->b_Ok->Focused());
                        if (fois == 0)
                            kit::GrabToPng(e, "saisie_equipes_ok_focus" + suffixe);
                    }
                    kit::PressKey(nullptr, k.Touche);
                    equipes = e->ModalResult() == mrOk;
                    if (!equipes)
                        e->SetModalResult(mrCancel);
                });
                c->bc_CreeChamp->Click();
                c->tv_Saison->EndEditing(false);
            }
        });
        EXPECT_TRUE(creation);
        EXPECT_TRUE(equipes);
        ASSERT_NE(f->Saison, nullptr);
        const auto champs = f->Saison->Arbre().ListeChampionnats();
        ASSERT_EQ(champs.size(), 2u);
        std::vector<std::string> noms;
        for (const TDonneesChampionnat* ch : champs)
            for (int i = 0; i < ch->NbEquipe(); ++i)
                noms.push_back(f->Saison->NomEquipe(ch->IdEquipe(i)));
        std::sort(noms.begin(), noms.end());
        std::vector<std::string> tapes = {k.Premier, "Nord 2", "Nord 3", "Sud 1", "Sud 2", "Sud 3"};
        std::sort(tapes.begin(), tapes.end());
        EXPECT_EQ(noms, tapes);
        TermineFenetre(f);
    }
}
