// Match sheet pages on a season made through the creation windows, driven by
// mouse and keyboard: a goal box dragged back to its list loses its goal type,
// a captain named on a proposed line-up writes the proposed starters, and the
// attendance display keeps its number unless a digit is typed.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "results/Carton.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursFoot.h"
#include "results/w_Composition.h"
#include "shell/Globales.h"
#include "tests/results/FeuilleEssai.h"
#include "ui/Afficheur.h"

using namespace essai;
using namespace feuille_essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

// The goal words of a team's records on matchday n.
std::vector<std::pair<int32_t, int>> Buts(TDonneesChampionnat& c, int n, int32_t equipe)
{
    std::vector<std::pair<int32_t, int>> v;
    const TListeDonnees* l = c.ListeDonnees(2, n);
    for (int i = 0; l && i < l->Nombre(); ++i)
        if (l->Donnee(i)->IdEquipe() == equipe)
            v.emplace_back(l->Donnee(i)->IdJoueur(), l->Donnee(i)->Mot());
    return v;
}

// The scorers page on the first match of matchday 1 (home h, away a).
Tf_ButeursFoot* PageButeurs(FenetreEssai& f, int32_t h)
{
    if (!Commande(f, 14))
        return nullptr;
    auto* p = dynamic_cast<Tf_ButeursFoot*>(f.Enfant);
    for (int k = 0; p && p->IdDomicile != h && k < 4; ++k)
        p->UpDown1->ClickButton(btNext);
    return p && p->IdDomicile == h ? p : nullptr;
}

}  // namespace

// A penalty, then an own goal: each box dragged back to the list and filled
// again by double click is an ordinary goal, in the box and in the records.
TEST(FeuilleSaisie, GoalBoxDraggedBackLosesItsGoalType)
{
    (void)pagesInscrites;
    Prepare("feuille_retour");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int32_t h = c->IdEquipe(0), a = c->IdEquipe(1);
    c->CreeMatch(1, h, a, 1, 0);
    c->NbJournee = 1;
    f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Buteur", "Bob", -1, h));
    auto* p = PageButeurs(*f, h);
    ASSERT_NE(p, nullptr);
    const int32_t id = NumeroEntreeListe(p->Liste(1)->Items()[0], 8, true);
    using TType = TMenuItem* Tf_InfoMatchCadreBase::*;
    for (TType item : {&Tf_InfoMatchCadreBase::mi_Penalty, &Tf_InfoMatchCadreBase::mi_Coupfranc}) {
        TMenuItem* type = p->*item;
        SCOPED_TRACE(type->Name());
        ChoisitEntree(p->Liste(1), 0);
        TCarton* b = BoiteVisible(p->Fond(0, 1), 0);
        ASSERT_NE(b, nullptr);
        ASSERT_EQ(b->Numero, id);
        p->pm_TypeBut->PopupComponent = b;
        p->pm_TypeButPopup();
        type->Click();
        ASSERT_NE(b->Tag & (TCarton::FlagPenalty | TCarton::FlagCoupFranc), 0);
        // back to the list
        const TRect l = p->Liste(1)->ClientRect();
        kit::Drag(b, {b->Width() / 2, b->Height() / 2}, p->Liste(1), {l.Right / 2, l.Bottom - 5});
        b = BoiteVisible(p->Fond(0, 1), 0);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->Text().empty());
        EXPECT_EQ(b->Tag & (TCarton::FlagPenalty | TCarton::FlagCoupFranc | TCarton::FlagContreSonCamp), 0);
        ChoisitEntree(p->Liste(1), 0);
        b = BoiteVisible(p->Fond(0, 1), 0);
        EXPECT_EQ(b->Numero, id);
        p->pm_TypeBut->PopupComponent = b;
        p->pm_TypeButPopup();
        EXPECT_TRUE(p->mi_Aucun->Checked());
        kit::GrabToPng(f.get(), "buteurs_retour_liste");
        ASSERT_TRUE(Commande(*f, 13));
        EXPECT_EQ(Buts(*c, 1, h), (std::vector<std::pair<int32_t, int>>{{id, 0}}));
        p = PageButeurs(*f, h);
        ASSERT_NE(p, nullptr);
        // emptied for the next round
        b = BoiteVisible(p->Fond(0, 1), 0);
        ASSERT_NE(b, nullptr);
        ASSERT_EQ(b->Numero, id);
        const TRect l2 = p->Liste(1)->ClientRect();
        kit::Drag(b, {b->Width() / 2, b->Height() / 2}, p->Liste(1), {l2.Right / 2, l2.Bottom - 5});
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// Matchday 1's line-up entered; matchday 2 unplayed proposes it (option word
// 11 value 32): naming a captain there, or removing him, writes the starters.
TEST(FeuilleSaisie, CaptainOnAProposedLineUpWritesTheStarters)
{
    Prepare("feuille_capitaine");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    c->SetOption(11, c->Option(11) | 32);
    const int32_t h = c->IdEquipe(0), a = c->IdEquipe(1), x = c->IdEquipe(2);
    std::vector<int32_t> joueurs;
    for (int k = 0; k < 3; ++k)
        joueurs.push_back(
            f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Joueur" + IntToStr(k), "Jo", -1, h))->Numero);
    c->CreeMatch(1, h, a, 1, 0);
    TInfoComp* premier = c->MatchEquipe(1, h);
    for (int k = 0; k < 3; ++k)
        premier->SetJoueurTitulaire(h, k + 1, joueurs[static_cast<size_t>(k)]);
    premier->SetCompositionSaisie(h);
    c->CreeMatch(2, h, x, 65535, 65535);
    for (TMenuItem* Tf_Composition::*item : {&Tf_Composition::mi_Capitaine, &Tf_Composition::mi_AucunCap}) {
        c->NbJournee = 2;
        TInfoComp* m = c->MatchEquipe(2, h);
        m->EffaceComposition(h);
        ASSERT_FALSE(m->CompositionSaisie(h));
        if (item == &Tf_Composition::mi_AucunCap)
            premier->SetCapitaine(h, joueurs[1]);
        ASSERT_TRUE(Commande(*f, 15));
        auto* p = dynamic_cast<Tf_Composition*>(f->Enfant);
        ASSERT_NE(p, nullptr);
        const int cote = p->IdDomicile == h ? 0 : 1;
        ASSERT_EQ(cote == 0 ? p->IdDomicile : p->IdExterieur, h);
        ASSERT_EQ(p->Enreg(cote, 2).Joueur->Numero, joueurs[1]);   // proposed
        p->pc_Composition->SetActivePage(cote == 0 ? p->ts_Equipe1 : p->ts_Equipe2);
        TCadre* b = p->Enreg(cote, 2).Joueur;
        kit::MouseDown(b, 5, 5, mbRight);
        kit::MouseUp(b, 5, 5, mbRight);
        p->pm_CapitaineEx->CloseMenu();
        p->pm_CapitaineEx->PopupComponent = b;
        p->pm_CapitaineExPopup();
        (p->*item)->Click();
        kit::GrabToPng(f.get(), "composition_capitaine_proposee");
        ASSERT_TRUE(Commande(*f, 13));
        m = c->MatchEquipe(2, h);
        EXPECT_TRUE(m->CompositionSaisie(h));
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(m->JoueurTitulaire(h, k + 1), joueurs[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(m->Capitaine(h), item == &Tf_Composition::mi_Capitaine ? joueurs[1] : 0);
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// The attendance display clicked into: Enter, Escape and a letter keep its
// number, a backspace edits it, a digit starts a new one.
TEST(FeuilleSaisie, AttendanceKeepsItsNumberUnlessADigitIsTyped)
{
    Prepare("feuille_affluence");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int32_t h = c->IdEquipe(0), a = c->IdEquipe(1);
    c->CreeMatch(1, h, a, 1, 0);
    c->CreeMatch(1, c->IdEquipe(2), c->IdEquipe(3), 0, 0);
    c->NbJournee = 1;
    c->MatchEquipe(1, h)->SetAffluence(2500);
    struct
    {
        std::vector<WORD> Touches;
        const char* Lettres;   // typed after the keys
        const char* Nombre;
    } cas[] = {
        {{VK_RETURN}, "", "2500"},
        {{VK_ESCAPE}, "", "2500"},
        {{}, "x", "2500"},
        {{VK_BACK}, "", "250"},
        {{VK_RETURN}, "7", "7"},
        {{}, "31", "31"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(std::string(k.Nombre) + " " + k.Lettres);
        auto* p = PageButeurs(*f, h);
        ASSERT_NE(p, nullptr);
        ASSERT_EQ(p->AffichageScore->Nombre(), "2500");
        kit::Click(p->AffichageScore);
        for (WORD t : k.Touches)
            kit::PressKey(nullptr, t);
        if (*k.Lettres)
            kit::Type(nullptr, k.Lettres);
        kit::Process();
        EXPECT_EQ(p->AffichageScore->Nombre(), k.Nombre);
        // the page moves to the next match: written
        p->UpDown1->ClickButton(btNext);
        EXPECT_EQ(c->MatchEquipe(1, h)->Affluence(), StrToInt(k.Nombre));
        c->MatchEquipe(1, h)->SetAffluence(2500);
        ASSERT_TRUE(Commande(*f, 13));
    }
    ModifSaison = 0;
    TermineFenetre(f);
}
