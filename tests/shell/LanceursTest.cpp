// The launchers of the main window, each against its row: the window shown in
// the central panel, whether a shown window of the class is kept, which of the
// print and HTML commands are offered, what is shown after opening; for the
// dialogs, whether the child window closes first and how a change reaches the
// season's modified state. Rows whose window is not part of the program yet
// are marked waiting.
#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

#include "files/w_OptionsSauve.h"
#include "model/Championnat.h"
#include "platform/sys/WinInet.h"
#include "records/w_Blasons.h"
#include "records/w_FicheClub.h"
#include "records/w_ModifierClubPrec.h"
#include "records/w_ModifierEquipe.h"
#include "records/w_ModifierNat.h"
#include "setup/w_CompetitionInfo.h"
#include "setup/w_RetirerChamp.h"
#include "shell/Aide.h"
#include "records/w_Effectifs.h"
#include "shell/Commandes.h"
#include "shell/w_OptionsFiltre.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonStatBuilder.h"
#include "views/w_ClassJoueur.h"
#include "views/w_DiversStat.h"
#include "views/w_InfoGeneral.h"
#include "views/w_Statistique.h"

using namespace essai;

namespace {

// A launcher of a child window.
struct TLigneVue
{
    int Commande;
    const char* Classe;
    bool Reutilise, Html, Impression;
    bool EnAttente;
    // What the window shows after opening (empty when the row says nothing more).
    std::function<void(TBrivantelForm*)> Ensuite = {};
    // A kept window leaves the panel's visibility as it was.
    bool PanneauInchange = false;
    // A kept window offers print and HTML again by its page, whatever the
    // page or the card before withdrew or offered.
    bool OffresParPage = false;
};

void Vue(TBrivantelForm* f, int vue) { EXPECT_EQ(dynamic_cast<Tf_Statistique&>(*f).Tag, vue); }
std::function<void(TBrivantelForm*)> PageInfo(int page)
{
    return [page](TBrivantelForm* f) { EXPECT_EQ(dynamic_cast<Tf_InfoGeneral&>(*f).PageActive(), page); };
}

const TLigneVue lignesVues[] = {
    {116, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {117, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {118, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {119, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {246, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {247, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {248, "Tf_ClassJoueur", true, true, true, false, {}, false, true},
    {143, "Tf_Penalite", false, true, true, false},
    // match sheet pages: neither printed nor written as HTML
    {15, "Tf_Composition", false, false, false, false},
    {18, "Tf_Notes", false, false, false, false},
    {147, "Tf_Effectifs", false, true, true, false, [](TBrivantelForm* f) {
         // The followed team's squad.
         auto& e = dynamic_cast<Tf_Effectifs&>(*f);
         const TDonneesChampionnat* c = e.Saison->ChampionnatCourant();
         EXPECT_EQ(e.EquipeAffichee & 0xFFFF, static_cast<uint32_t>(c->IdEquipe(c->Option(10))));
     }},
    {150, "Tf_Recherche", false, true, true, false},
    {148, "Tf_Arbitres", false, true, true, false},
    {152, "Tf_Stades", false, true, true, false},
    {151, "Tf_DiversStat", false, true, true, false},
    {157, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {162, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {163, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {171, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {161, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {21, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {153, "Tf_Comparaison", true, true, false, false, {}, true, true},
    {154, "Tf_Comparaison", true, true, false, false, {}, true, true},
    {155, "Tf_Comparaison", true, true, false, false, {}, true, true},
    // the matchday pages (the matchday asked, validated): the detailed text
    // prints too, and a page shown after it prints
    {26, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {27, "Tf_DiversStat", true, true, true, false, {}, false, true},
    {28, "Tf_DiversStat", true, true, true, false, {}, false, true},
    // the standings, the team information
    {40, "Tf_Classement", true, true, true, false, {}, false, true},
    {135, "Tf_InfoEquipes", true, true, true, false, {}, false, true},
    {225, "Tf_calendrier", false, false, false, false},
    {158, "Tf_Statistique", true, true, false, false, [](TBrivantelForm* f) { Vue(f, 0); }, false, true},
    {159, "Tf_Statistique", true, true, false, false, [](TBrivantelForm* f) { Vue(f, 1); }, false, true},
    {160, "Tf_Statistique", true, true, false, false, [](TBrivantelForm* f) { Vue(f, 2); }, false, true},
    {170, "Tf_recap", false, true, true, false},
    {172, "Tf_InfoGeneral", true, true, true, false, PageInfo(1), false, true},
    {173, "Tf_InfoGeneral", true, true, true, false, PageInfo(4), false, true},
    {174, "Tf_InfoGeneral", true, true, true, false, PageInfo(2), false, true},
    {175, "Tf_InfoGeneral", true, true, true, false, PageInfo(3), false, true},
    {156, "Tf_FicheMatch", false, false, false, false},
    {19, "Tf_FicheMatch", false, false, false, false},
    {20, "Tf_Prevision", false, true, true, false},
    {202, "Tf_Historique", true, false, false, false, {}, false, true},
    // the team sheet: print and HTML on the pages the launch table gives them
    {121, "Tf_StatEquipe", true, true, true, false, {}, false, true},
    {123, "Tf_StatEquipe", true, false, true, false, {}, false, true},
    {124, "Tf_StatEquipe", true, true, true, false, {}, false, true},
    {125, "Tf_StatEquipe", true, true, true, false, {}, false, true},
    {128, "Tf_StatEquipe", true, true, true, false, {}, false, true},
    {129, "Tf_StatEquipe", true, true, true, false, {}, false, true},
    {130, "Tf_StatEquipe", true, true, false, false, {}, false, true},
    {122, "Tf_StatEquipe", true, true, true, false, {}, false, true},
    {221, "Tf_StatEquipe", true, false, true, false, {}, false, true},
    {199, "Tf_Historique", true, false, false, false, {}, false, true},
    {200, "Tf_Historique", true, false, false, false, {}, false, true},
    {201, "Tf_Historique", true, false, false, false, {}, false, true},
};

// How a dialog reports a change: never, by its changed flag, by modal
// result 1 alone, or by modal result 1 with its Tag at 1.
enum TChangement { cJamais, cDrapeau, cResultat, cResultatTag };

struct TLigneDialogue
{
    int Commande;
    const char* Classe;
    bool FermeEnfant;
    TChangement Changement;
    bool EnAttente;
    // Sets the dialog's changed flag (cDrapeau).
    std::function<void(TForm*)> Modifie = {};
    // A team is chosen first (validated as preselected).
    bool ChoixEquipe = false;
};

template <class T>
std::function<void(TForm*)> Drapeau()
{
    return [](TForm* f) { dynamic_cast<T&>(*f).Modifie = true; };
}

const TLigneDialogue lignesDialogues[] = {
    {232, "Tf_AjouterEquipe", true, cDrapeau, false, Drapeau<Tf_AjouterEquipe>()},
    {144, "Tf_ModifierEquipe", true, cDrapeau, false, Drapeau<Tf_ModifierEquipe>()},
    {220, "Tf_ModifierClubPrec", true, cDrapeau, false, Drapeau<Tf_ModifierClubPrec>()},
    {145, "Tf_ModifierLogo", true, cDrapeau, false, Drapeau<Tf_ModifierLogo>()},
    {146, "Tf_ModifierNat", false, cDrapeau, false, Drapeau<Tf_ModifierNat>()},
    {176, "Tf_Option", false, cResultatTag, false},
    {226, "Tf_Option", false, cResultatTag, false},
    // a change of the categories counts once the dialog is validated
    {227, "Tf_OptionsFiltre", false, cDrapeau, false, [](TForm* f) { dynamic_cast<Tf_OptionsFiltre&>(*f).Change = true; }},
    {178, "Tf_OptionSauve", false, cResultatTag, false},
    {219, "Tf_CompetitionInfo", false, cDrapeau, false, Drapeau<Tf_CompetitionInfo>()},
    // The season of these rows has no play-off: 194 answers text 289 there
    // (its window is driven by the play-off creation tests).
    {194, "Tf_CreeBarrage", true, cResultat, true},
    {215, "Tf_Favoris", false, cJamais, false},
    {177, "Tf_FavorisEx", false, cJamais, false},
    {197, "Tf_AboutBox", false, cJamais, false},
    {131, "Tf_FicheClub", false, cDrapeau, false, Drapeau<Tf_FicheClub>(), true},
};

class Lanceurs : public essai::THorsLigne<>
{
protected:
    TOwned<FenetreEssai> Ouvre(const std::string& nom)
    {
        const std::string dir = Prepare(nom);
        const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/" + nom + ".xmc"), 0);
        auto f = LanceFenetre();
        f->OpenFile(fichier);
        EXPECT_TRUE(f->Saison);
        // Its first team followed: the team the team choices propose.
        if (f->Saison)
            f->Saison->ChampionnatCourant()->SetOption(10, 0);
        return f;
    }
};

// Offers of the print and HTML commands as the tree shows them.
bool Offert(FenetreEssai& f, int commande) { return Noeud(f, commande) != nullptr; }

// Runs the command; the modal dialogs on the way are validated.
void Lance(FenetreEssai& f, int commande)
{
    for (int k = 0; k < 3; ++k)
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
    Commande(f, commande);
    kit::ForgetModalActions();
}

}  // namespace

TEST_F(Lanceurs, ChildWindowsFollowTheirRow)
{
    auto f = Ouvre("lanceurs_vues");
    ASSERT_TRUE(f->Saison);
    // the history commands open on the championship's history file, chosen in their dialog
    f->Saison->ChampionnatCourant()->SetOption(8, 110);
    f->Reponses = {mrYes};
    Commande(*f, 192);
    ASSERT_EQ(f->Messages.size(), 2u);
    f->Messages.clear();
    int verifiees = 0;
    std::vector<int> attente;
    for (const TLigneVue& l : lignesVues) {
        SCOPED_TRACE("command " + std::to_string(l.Commande));
        if (l.EnAttente) {
            attente.push_back(l.Commande);
            continue;
        }
        // From another view, both offers withdrawn, the panel hidden.
        Commande(*f, 40);
        f->EntreeImpression(false);
        f->EntreeHTML(false);
        f->p_FondAffiche->SetVisible(false);
        Lance(*f, l.Commande);
        ASSERT_NE(f->Enfant, nullptr);
        EXPECT_EQ(Classe(f->Enfant).rfind(l.Classe, 0), 0u) << Classe(f->Enfant);
        EXPECT_EQ(Offert(*f, 181), l.Impression);
        EXPECT_EQ(Offert(*f, 182), l.Html);
        EXPECT_TRUE(f->p_FondAffiche->Visible());
        if (l.Ensuite)
            l.Ensuite(f->Enfant);

        // Again over the window shown, the offers turned the other way.
        TBrivantelForm* premiere = f->Enfant;
        bool liberee = false;
        auto avant = premiere->OnDestroy;
        premiere->OnDestroy = [&liberee, avant](TObject* s) {
            liberee = true;
            if (avant)
                avant(s);
        };
        f->EntreeImpression(!l.Impression);
        f->EntreeHTML(!l.Html);
        f->p_FondAffiche->SetVisible(false);
        Lance(*f, l.Commande);
        EXPECT_EQ(f->p_FondAffiche->Visible(), !l.PanneauInchange);
        ASSERT_NE(f->Enfant, nullptr);
        EXPECT_EQ(!liberee && f->Enfant == premiere, l.Reutilise);
        EXPECT_EQ(Offert(*f, 181), l.Reutilise && !l.OffresParPage ? !l.Impression : l.Impression);
        EXPECT_EQ(Offert(*f, 182), l.Reutilise && !l.OffresParPage ? !l.Html : l.Html);
        if (!liberee)
            premiere->OnDestroy = avant;
        EXPECT_TRUE(f->Messages.empty()) << ::testing::PrintToString(f->Messages);
        ++verifiees;
    }
    EXPECT_GE(verifiees, 20);
    RecordProperty("waiting", ::testing::PrintToString(attente));
    TermineFenetre(f);
}

TEST_F(Lanceurs, DialogsCloseTheChildAndReportChangesAsTheirRowSays)
{
    auto f = Ouvre("lanceurs_dialogues");
    ASSERT_TRUE(f->Saison);
    int verifiees = 0;
    for (const TLigneDialogue& l : lignesDialogues) {
        SCOPED_TRACE("command " + std::to_string(l.Commande));
        if (l.EnAttente)
            continue;
        // Cancelled, then validated with a change; a standings view shown each time.
        for (const bool valide : {false, true}) {
            Commande(*f, 40);
            ASSERT_NE(f->Enfant, nullptr);
            ModifSaison = 0;
            std::string vu;
            bool enfant = true;
            if (l.ChoixEquipe)
                kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
            kit::WhenModal([&](TForm* m) {
                vu = Classe(m);
                enfant = f->Enfant != nullptr;
                if (!valide) {
                    m->SetModalResult(mrCancel);
                    return;
                }
                if (l.Modifie)
                    l.Modifie(m);
                m->Tag = 1;
                m->SetModalResult(mrOk);
            });
            int p = -1;
            f->MenuDispatch("", static_cast<uint32_t>(l.Commande), nullptr, p, true);
            kit::ForgetModalActions();
            EXPECT_EQ(vu.rfind(l.Classe, 0), 0u) << vu;
            EXPECT_EQ(enfant, !l.FermeEnfant);
            EXPECT_EQ(f->Enfant != nullptr, !l.FermeEnfant);
            EXPECT_EQ(ModifSaison, valide && l.Changement != cJamais ? 1 : 0) << (valide ? "validated" : "cancelled");
        }
        ++verifiees;
    }
    EXPECT_GE(verifiees, 6);
    ModifSaison = 0;
    TermineFenetre(f);
}

// The club card, the match card and the forecast need teams: with fewer, the
// user is told how many and nothing opens.
TEST_F(Lanceurs, TeamCountGuardTellsHowManyTeamsAreNeeded)
{
    struct TGarde
    {
        int Commande, Equipes;
        bool EnAttente;
    };
    const TGarde gardes[] = {{131, 1, true}, {19, 2, false}, {156, 2, false}, {20, 2, false}};
    const std::string dir = Prepare("lanceurs_garde");
    const std::string fichier = MakePath(dir, "sauvegarde/garde.xmc");
    {
        TSaisonStatEssai s(0, 1, 2);   // one team
        ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, s.saison.get(), nullptr, "", "", nullptr, {}, false));
    }
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    int verifiees = 0;
    for (const TGarde& g : gardes) {
        SCOPED_TRACE("command " + std::to_string(g.Commande));
        if (g.EnAttente || g.Equipes < 2)
            continue;   // the club card needs a championship without teams
        Commande(*f, 40);
        TBrivantelForm* avant = f->Enfant;
        f->Messages.clear();
        Lance(*f, g.Commande);
        EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(294, {g.Equipes})}));
        EXPECT_EQ(f->Enfant, avant);
        ++verifiees;
    }
    EXPECT_EQ(verifiees, 3);
    TermineFenetre(f);
}
