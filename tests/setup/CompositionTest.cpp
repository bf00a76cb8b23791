// The open season recomposed (command 193: a division moved up, a
// championship taken out with its teams and players), its teams edited
// (command 232) and its competitions' referees set (command 219); each marks
// the season modified, and what stays survives a save and a reopening.
#include <gtest/gtest.h>

#include <functional>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "records/w_ChoixArbitres.h"
#include "setup/w_CompetitionInfo.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_RetirerChamp.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/TreeViewCombo.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Passees);
}

std::vector<int32_t> Codes(const TSaison& s)
{
    std::vector<int32_t> v;
    for (const TDonneesChampionnat* c : s.Arbre().ListeChampionnats())
        v.push_back(c->CodeChamp);
    return v;
}

TEST(Composition, RecomposeTeamsAndReferees)
{
    const std::string dir = Prepare("setup_composition");
    auto f = LanceFenetre();
    auto s = SaisonSport(0);
    TDonneesChampionnat* c3 = vues::Ligue(*s, 0, "Division 3", 12, 6, 2, 3, 19u);
    // A player in each team of the third championship and one in the first.
    for (int i = 0; i < c3->NbEquipe(); ++i)
        s->Joueurs().AjouteJoueur(s->CreeJoueur("Joueur", std::to_string(i), -1, c3->IdEquipe(i)));
    const int idGarde = s->Arbre().ChampionnatParCode(1)->IdEquipe(0);
    s->Joueurs().AjouteJoueur(s->CreeJoueur("Garde", "Paul", -1, idGarde));
    auto arbitre = std::make_unique<TPersonnelStat>();
    arbitre->Nom = "Bardin";
    s->Arbitres().AjoutePersonnel(std::move(arbitre));
    const int equipes = s->NbEquipe();
    const int joueurs = s->Joueurs().NbJoueur();
    ASSERT_EQ(Codes(*s), (std::vector<int32_t>{1, 2, 3}));
    f->InstallSeason(std::move(s), MakePath(dir, "sauvegarde\\essai.xmc"), false, 0);

    // 193: the third championship out (its teams and players ticked), the
    // second division moved above the first.
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        TTreeNode* trois = nullptr;
        TTreeNode* deux = nullptr;
        for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
            if (Tf_CreationSaison::Rec(n)->Objet) {
                if (Tf_CreationSaison::Rec(n)->Objet->Code == 3)
                    trois = n;
                if (Tf_CreationSaison::Rec(n)->Objet->Code == 2)
                    deux = n;
            }
        ASSERT_TRUE(trois && deux);
        c->tv_Saison->SetSelected(trois);
        c->bc_RetirerElementClick();
        EXPECT_EQ(c->lb_ListeFichier->Items().Count(), 1);
        TTreeNode* monte = deux->Parent()->getPrevSibling() ? deux->Parent() : deux;
        c->tv_Saison->SetSelected(monte);
        EXPECT_TRUE(c->sb_Up->Enabled());
        c->sb_UpClick();
        kit::GrabToPng(c, "Composition");
        Quand<Tf_RetirerChamp>([](Tf_RetirerChamp* r) {
            ASSERT_EQ(r->clb_Championnat->Items().Count(), 1);
            r->clb_Championnat->SetChecked(0, true);
            kit::GrabToPng(r, "RetirerChamp");
            r->b_Valider->Click();
        });
        c->b_Valider->Click();
    });
    EXPECT_FALSE(Commande(*f, 193));   // a dialog: no view of its own to select
    kit::Process(20);
    TSaison& saison = *f->Saison;
    EXPECT_EQ(ModifSaison, 1);
    EXPECT_EQ(Codes(saison), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(saison.NbEquipe(), equipes - 6);
    // The players of the teams that left went, or stay without team when
    // the kept championships count them.
    EXPECT_LT(saison.Joueurs().NbJoueur(), joueurs);
    for (int i = 0; i < saison.Joueurs().NbJoueur(); ++i) {
        const int t = saison.Joueurs().Joueur(i)->IdEquipe();
        EXPECT_TRUE(t == 65535 || !saison.NomEquipe(t).empty());
    }
    EXPECT_NE(saison.Joueurs().ChercheJoueurNom("Garde", "Paul"), nullptr);

    // 232: a new team in, a team that played out (after the question).
    ModifSaison = 0;
    ASSERT_TRUE(saison.SelectionneChampionnat(1));
    const int avant = saison.ChampionnatCourant()->NbEquipe();
    Quand<Tf_AjouterEquipe>([](Tf_AjouterEquipe* a) {
        a->cb_Equipes->SetText("Nouvelle Union");
        a->bc_AjouterClick();
        a->l_Equipe->SetItemIndex(0);
        a->bc_EffacerClick();
        kit::GrabToPng(a, "AjouterEquipe");
        RepondBoite(mrYes);
        a->bc_ValiderClick();
    });
    Commande(*f, 232);
    kit::Process(20);
    EXPECT_EQ(ModifSaison, 1);
    const TDonneesChampionnat& c1 = *saison.Arbre().ChampionnatParCode(1);
    EXPECT_EQ(c1.NbEquipe(), avant);
    EXPECT_GE(c1.IndexEquipe(saison.ChercheEquipe("Nouvelle Union")), 0);

    // 219: a referee for the first competition node.
    ModifSaison = 0;
    Quand<Tf_CompetitionInfo>([](Tf_CompetitionInfo* i) {
        i->tv_Saison->SetSelected(i->tv_Saison->Items().GetFirstNode());
        Quand<Tf_ChoixArbitres>([](Tf_ChoixArbitres* a) {
            a->tvc_Liste->ChangeEtatNoeud(a->tvc_Liste->Items().GetFirstNode(), -1);
            a->b_Valider->Click();
        });
        i->Modifier(0);
        i->bc_Continuer->Click();
    });
    Commande(*f, 219);
    kit::Process(20);
    EXPECT_EQ(ModifSaison, 1);

    // Saved and reopened: the same championships, teams and referees.
    const std::string fichier = MakePath(dir, "sauvegarde\\recompose.xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, &saison, nullptr, "", "", nullptr, {}, false));
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
    ASSERT_EQ(etat, etatCharge);
    EXPECT_EQ(Codes(*relu), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(relu->NbEquipe(), saison.NbEquipe());
    const TDescNoeud* n = relu->Arbre().Racine().Enfant(0);
    ASSERT_NE(n->DonneesCompetition(), nullptr);
    EXPECT_EQ(n->DonneesCompetition()->Arbitres.size(), 1u);
    TermineFenetre(f);
}

// A file that cannot be read at validation: the season keeps its
// championships and teams (no championship made in the window joins it, no
// removal is applied), the window stays open, and cancelling it changes
// nothing.
TEST(Composition, UnreadableFileAtValidationChangesNothing)
{
    const std::string dir = Prepare("setup_composition_echec");
    const std::string fichier = MakePath(dir, "autres\\champ.xmd");
    {
        ForceDirectories(ExtractFileDir(fichier));
        auto c = TMultiSport::CreeSaison(0);
        c->SetChampionnatCourant(vues::Ligue(*c, 0, "Division 2", 0, 6, 2, 2, 5u));
        c->ChampionnatCourant()->SetCodeDivision(2);
        ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, c.get(), nullptr, "", "", nullptr, {}, false));
    }
    auto f = LanceFenetre();
    auto s = SaisonSport(0);
    const int equipes = s->NbEquipe();
    f->InstallSeason(std::move(s), MakePath(dir, "sauvegarde\\essai.xmc"), false, 0);
    TSaison& saison = *f->Saison;

    std::vector<std::string> textes;
    bool retrait = false;
    std::function<void(TForm*)> repond = [&](TForm* w) {
        if (auto* r = dynamic_cast<Tf_RetirerChamp*>(w)) {
            retrait = true;
            r->clb_Championnat->SetChecked(0, true);
            r->b_Valider->Click();
            kit::WhenModal(repond);
        } else if (auto* m = dynamic_cast<Tf_MessageUtil*>(w)) {
            textes.push_back(m->Label1->Caption());
            m->SetModalResult(mrOk);
        } else {
            kit::WhenModal(repond);
        }
    };
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        // The file joins the tree, a custom championship is made, the second
        // championship is taken out.
        SetDialogHook([&](TCommonDialog& d) {
            auto& o = static_cast<TOpenDialog&>(d);
            o.Files = {fichier};
            o.FileName = fichier;
            return true;
        });
        c->bc_AjouteFichierClick();
        SetDialogHook(nullptr);
        ASSERT_EQ(c->lb_ListeFichier->Items().Count(), 1);
        c->PlaceEntree(0, c->tv_Saison->Items().GetFirstNode());
        Quand<Tf_Creation>([](Tf_Creation* d) {
            d->RondCoche2->SetChecked(true);
            d->Edit1->SetText("2");
            d->b_Valider->Click();
        });
        Quand<Tf_SaisieEquipes>([](Tf_SaisieEquipes* e) {
            e->Equipes[0]->SetText("Neuve A");
            e->Equipes[1]->SetText("Neuve B");
            e->b_Ok->Click();
        });
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        c->bc_CreeChampClick();
        c->tv_Saison->EndEditing(false);
        for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
            if (Tf_CreationSaison::Rec(n)->Objet && Tf_CreationSaison::Rec(n)->Objet->Code == 2) {
                c->tv_Saison->SetSelected(n);
                c->bc_RetirerElementClick();
                break;
            }
        ASSERT_EQ(c->lb_ListeFichier->Items().Count(), 1);
        // The file goes before validation reads it.
        DeleteFile(fichier);
        kit::WhenModal(repond);
        c->b_Valider->Click();
        EXPECT_EQ(c->ModalResult(), mrNone);
        EXPECT_EQ(Codes(saison), (std::vector<int32_t>{1, 2}));
        EXPECT_EQ(saison.NbEquipe(), equipes + 2);   // the window's new teams, not in a championship
        kit::ForgetModalActions();
        c->b_Annuler->Click();
    });
    Commande(*f, 193);
    kit::Process(20);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("champ.xmd"), std::string::npos);
    EXPECT_FALSE(retrait);
    EXPECT_EQ(Codes(saison), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(saison.NbEquipe(), equipes);
    EXPECT_EQ(saison.Arbre().ChampionnatParCode(2)->NbEquipe(), 6);
    EXPECT_EQ(ModifSaison, 0);
    TermineFenetre(f);
}

}  // namespace
