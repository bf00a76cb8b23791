// Dialogs finished from the keyboard: Enter in a dialog's box does what the
// button or the double click beside it does (a team name typed is added, the
// season composition validated, the chosen championship taken); the language
// dialog of the first start moves along its choices with the arrow keys.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "files/w_ChoixNoeud.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Files.h"
#include "results/w_DialoguesResultats.h"
#include "setup/w_Creation.h"
#include "setup/w_Option.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_RetirerChamp.h"
#include "setup/w_SaisieEquipes.h"
#include "shell/w_ChoixLangue.h"
#include "tests/support/DessinEssai.h"
#include "tests/setup/NouvelleSaisonEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

// Two names typed key by key into a box, each followed by Enter.
void TapeDeuxNoms(TWinControl* boite)
{
    boite->SetFocus();
    for (const char* nom : {"Pau", "Castres"}) {
        kit::Type(boite, nom);
        kit::PressKey(boite, VK_RETURN);
    }
}

std::vector<std::string> Lignes(const TStrings& items)
{
    std::vector<std::string> v;
    for (int i = 0; i < items.Count(); ++i)
        v.push_back(items[i]);
    return v;
}

bool Contient(const std::vector<std::string>& v, const std::string& s)
{
    return std::find(v.begin(), v.end(), s) != v.end();
}

// The options dialog of that command, Enter pressed in the box of its first
// number on the page it opens on: closed as by OK.
void EntreeValideOptions(Tf_Principale& f, int commande)
{
    ASSERT_NE(f.Saison, nullptr);
    int resultat = mrNone;
    QuandFenetre<Tf_Option>([&](Tf_Option* o) {
        TWinControl* boite = commande == 176 ? o->UpDown4->Associate() : o->Edit12;
        ASSERT_NE(boite, nullptr);
        boite->SetFocus();
        kit::PressKey(boite, VK_RETURN);
        resultat = o->ModalResult();
        if (resultat == mrNone)
            o->SetModalResult(mrCancel);
    }, TAutresFenetres::MessageEnEchec);
    Commande(f, commande);
    kit::Process(20);
    EXPECT_EQ(resultat, mrOk);
}

}  // namespace

TEST(ClavierDialogues, EnterInABoxDoesWhatItsButtonDoes)
{
    // The program started: its texts, templates and skin.
    const std::string dir = Prepare("clavier_dialogues");
    auto f = LanceFenetre();
    struct TCas
    {
        const char* dialogue;
        std::function<void()> essai;
    };
    const TCas cas[] = {
        // The cup's teams: each name typed is added on its own.
        {"Tf_AjoutEquipeCoupe",
         [] {
             TOwned<Tf_AjoutEquipeCoupe> a(new Tf_AjoutEquipeCoupe(nullptr));
             TStringList presentes, offre;
             presentes.Add("Lens");
             offre.AddObject("Lille", 3);
             a->Prepare(presentes, offre);
             kit::ShowForm(a.get());
             TapeDeuxNoms(a->cb_AjoutEquipe);
             const auto l = Lignes(a->lb_EquipesPresentes->Items());
             EXPECT_EQ(l, (std::vector<std::string>{"Lens", "Pau", "Castres"}));
             EXPECT_EQ(a->Resultat.Count(), 2);
             EXPECT_EQ(a->cb_AjoutEquipe->GetText(), "");
             EXPECT_EQ(a->ModalResult(), mrNone);
             kit::GrabToPng(a.get(), "ajout_equipes_coupe_clavier");
         }},
        // The current championship's teams, the same.
        {"Tf_AjouterEquipe",
         [] {
             auto s = SaisonSport(0);
             TOwned<Tf_AjouterEquipe> a(new Tf_AjouterEquipe(nullptr));
             a->ChangeSaison(s.get());
             kit::ShowForm(a.get());
             const size_t avant = Lignes(a->l_Equipe->Items()).size();
             TapeDeuxNoms(a->cb_Equipes);
             const auto l = Lignes(a->l_Equipe->Items());
             EXPECT_EQ(l.size(), avant + 2);
             EXPECT_TRUE(Contient(l, "Pau"));
             EXPECT_TRUE(Contient(l, "Castres"));
             EXPECT_FALSE(Contient(l, "PauCastres"));
             EXPECT_EQ(a->ModalResult(), mrNone);
         }},
        // "Choose the championship": Enter takes the line the arrows chose,
        // as a double click on it does.
        {"Tf_ChoixNoeud",
         [] {
             dessin_essai::ModelesSports(0);
             int parClic = -2, parEntree = -2;
             for (bool entree : {false, true}) {
                 TOwned<Tf_ChoixNoeud> f(new Tf_ChoixNoeud(nullptr));
                 f->RemplitListe(false);
                 ASSERT_GT(f->lb_Texte->Items().Count(), 2);
                 const int r = kit::RunModal(f.get(), [entree](TForm* m) {
                     auto* c = static_cast<Tf_ChoixNoeud*>(m);
                     if (entree) {
                         c->lb_Texte->SetFocus();
                         c->lb_Texte->SetItemIndex(0);
                         kit::PressKey(c->lb_Texte, VK_DOWN);
                         kit::PressKey(c->lb_Texte, VK_RETURN);
                     } else {
                         c->lb_Texte->SetItemIndex(1);
                         const TRect l = c->lb_Texte->ItemRect(1);
                         kit::DblClick(c->lb_Texte, l.Left + 10, l.Top + 3);
                     }
                 });
                 EXPECT_EQ(r, mrOk) << entree;
                 EXPECT_EQ(f->lb_Texte->ItemIndex(), 1) << entree;
                 (entree ? parEntree : parClic) = f->Choix;
             }
             EXPECT_EQ(parEntree, parClic);
         }},
        // The season composition: Enter in "Season file" validates it as OK
        // does: the season is made and saved under the name typed.
        {"Tf_CreationSaison",
         [&] {
             const std::string fichier = MakePath(dir, "sauvegarde/entree.xmc");
             ASSERT_TRUE(NouvelleSaisonQuatreClubs(*f, [fichier](Tf_CreationSaison* c) {
                 c->e_RepSauve->SetFocus();
                 c->e_RepSauve->SelectAll();
                 kit::Type(c->e_RepSauve, fichier);
                 RepondBoite(mrOk);   // "saved"
                 kit::PressKey(c->e_RepSauve, VK_RETURN);
                 if (c->ModalResult() == mrNone) {
                     ADD_FAILURE() << "composition still open";
                     c->SetModalResult(mrCancel);
                 }
             }));
             kit::ForgetModalActions();
             ASSERT_NE(f->Saison, nullptr);
             EXPECT_EQ(f->Saison->NbEquipe(), 4);
             EXPECT_TRUE(FileExists(fichier));
         }},
        // The championship options and the standings options (the same
        // dialog on its standings page): Enter in a number box validates them
        // as OK does.
        {"Tf_Option 176", [&] { EntreeValideOptions(*f, 176); }},
        {"Tf_Option 226", [&] { EntreeValideOptions(*f, 226); }},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.dialogue);
        c.essai();
        kit::ForgetModalActions();
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// The first start's language dialog: the arrows move along French, English
// and OK (a language reached is chosen and framed, OK framed in its turn);
// Enter takes the one reached. Starting on French each time.
TEST(ClavierDialogues, LanguageDialogMovesWithTheArrows)
{
    struct TCas
    {
        std::vector<WORD> touches;
        int place;            // 0 French, 1 English, 2 OK
        const char* langue;   // written on Enter
    };
    const TCas cas[] = {
        {{}, 0, "fr"},
        {{VK_DOWN}, 1, "en"},
        {{VK_DOWN, VK_DOWN}, 2, "en"},
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}, 1, "en"},
        {{VK_RIGHT, VK_LEFT}, 0, "fr"},
        {{VK_UP}, 0, "fr"},
    };
    CreeDessin();
    const std::string dir = kit::TempDir() + "langue_clavier";
    ForceDirectories(dir);
    int n = 0;
    for (const TCas& c : cas) {
        SCOPED_TRACE(n);
        const std::string ini = dir + "/brivantel" + IntToStr(++n) + ".ini";
        TOwned<Tf_ChoixLangue> d(new Tf_ChoixLangue(nullptr));
        d->FichierIni = ini;
        int place = -1;
        bool anglais = false;
        const int r = kit::RunModal(d.get(), [&](TForm* f) {
            auto* l = static_cast<Tf_ChoixLangue*>(f);
            // The keys to the dialog, whichever of its parts has the focus.
            for (WORD k : c.touches)
                kit::PressKey(l, k);
            kit::Process(5);
            place = l->Focus;
            anglais = l->rc_Anglais->Checked();
            if (c.touches.size() == 1 && c.place == 1)
                kit::GrabToPng(l, "langue_clavier_anglais");
            if (c.place == 2)
                kit::GrabToPng(l, "langue_clavier_ok");
            kit::PressKey(l, VK_RETURN);
        });
        EXPECT_EQ(r, mrOk);
        EXPECT_EQ(place, c.place);
        EXPECT_EQ(anglais, std::string(c.langue) == "en");
        EXPECT_EQ(TIniFile(ini).ReadString("General", "Langue", ""), c.langue);
    }
}
