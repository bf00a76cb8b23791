// The computations of the window foundation, without any window.
#include <gtest/gtest.h>

#include "platform/rtl/Strings.h"
#include "ui/Afficheur.h"
#include "ui/Bouton.h"
#include "ui/BrivantelForm.h"
#include "ui/ChoixDesign.h"
#include "ui/Couleurs.h"
#include "ui/Fond.h"
#include "ui/Motif.h"
#include "ui/TreeViewCombo.h"
#include "ui/message2.h"

#include <memory>
#include <vector>

// ---- nine-patch -------------------------------------------------------------------------
TEST(Motif, CornersEdgesAndRemainderFromTheRight)
{
    const auto plan = PlanMotif(30, 30, 10, 10, 10, 10, Rect(0, 0, 75, 50));
    // top-left corner first, at its size
    EXPECT_EQ(plan.front(), (TPieceMotif{Rect(0, 0, 10, 10), Rect(0, 0, 10, 10)}));
    // the right band is 15 pixels wide, from the picture's 15 rightmost columns
    int bandesDroites = 0, centres = 0;
    for (const auto& p : plan)
    {
        if (p.Dest.Left == 60 && p.Dest.Top >= 10 && p.Dest.Bottom <= 40)
        {
            EXPECT_EQ(p.Source.Left, 15);
            EXPECT_EQ(p.Dest.Width(), 15);
            ++bandesDroites;
        }
        if (p.Source == Rect(10, 10, 20, 20))
            ++centres;
    }
    EXPECT_EQ(bandesDroites, 3);   // ny' + 1 copies
    EXPECT_EQ(centres, 5 * 3);     // nx = 5, ny = 3: (nx' + 1) x (ny' + 1)
    // every pixel of the destination is covered
    std::vector<int> couvert(75 * 50, 0);
    for (const auto& p : plan)
        for (int y = std::max(0, p.Dest.Top); y < std::min(50, p.Dest.Bottom); ++y)
            for (int x = std::max(0, p.Dest.Left); x < std::min(75, p.Dest.Right); ++x)
                couvert[y * 75 + x] = 1;
    EXPECT_EQ(std::count(couvert.begin(), couvert.end(), 0), 0);
}

TEST(Motif, NarrowDestinationHasNoCentre)
{
    const auto plan = PlanMotif(30, 30, 10, 10, 10, 10, Rect(0, 0, 15, 50));
    for (const auto& p : plan)
        EXPECT_FALSE(p.Source == Rect(10, 10, 20, 20)) << "no centre tile";
    bool droite = false;
    for (const auto& p : plan)
        if (p.Dest.Left == 10 && p.Dest.Right == 15 && p.Source.Left == 25)
            droite = true;
    EXPECT_TRUE(droite) << "the right band covers x 10..15";
}

TEST(Motif, WithoutMarginsTilesWholeAndNoCentreDoesNotDivideByZero)
{
    const auto tuiles = PlanMotif(9, 13, 0, 0, 0, 0, Rect(0, 0, 20, 20));
    EXPECT_EQ(tuiles.size(), 3u * 2u);   // i = 0..20/9, j = 0..20/13
    for (const auto& p : tuiles)
        EXPECT_EQ(p.Source, Rect(0, 0, 9, 13));
    // margins that leave no centre column or row: corners and bands only
    const auto plan = PlanMotif(20, 20, 10, 10, 10, 10, Rect(0, 0, 60, 60));
    EXPECT_FALSE(plan.empty());
    for (const auto& p : plan)
    {
        EXPECT_GE(p.Source.Left, 0);
        EXPECT_LE(p.Source.Right, 20);
    }
    EXPECT_TRUE(PlanMotif(0, 10, 1, 1, 1, 1, Rect(0, 0, 10, 10)).empty());
    // horizontal margins only (button pictures): full-height pieces
    const auto bouton = PlanMotif(113, 31, 15, 0, 15, 0, Rect(0, 0, 80, 31));
    for (const auto& p : bouton)
        EXPECT_EQ(p.Source.Height(), 31);
}

// ---- buttons and check boxes ---------------------------------------------------------------
TEST(Bouton, PictureChoiceAndCaption)
{
    EXPECT_EQ(ChoixImageBouton(false, false, true), ibUp);
    EXPECT_EQ(ChoixImageBouton(true, true, true), ibDown);
    EXPECT_EQ(ChoixImageBouton(false, true, true), ibOver);
    EXPECT_EQ(ChoixImageBouton(false, true, false), ibUp);
    EXPECT_EQ(PositionLegende(113, 31, 40, 13, -1, -3, false), (TPoint{35, 6}));
    EXPECT_EQ(PositionLegende(113, 31, 40, 13, -1, -3, true), (TPoint{34, 5}));
    EXPECT_FALSE(SurvolRepeint(false, clBlack, clBlack));
    EXPECT_TRUE(SurvolRepeint(false, clBlack, clWhite));
    EXPECT_TRUE(SurvolRepeint(true, clBlack, clBlack));
}

TEST(Bouton, TypeAheadNormalisesAndFindsFromTheFirstItem)
{
    EXPECT_EQ(NormaliseTexte98(L1("élan")), "ELAN");
    EXPECT_EQ(NormaliseTexte98(L1("Ça")), L1("ÇA"));
    const std::vector<std::string> villes = {"ARLES", "NANTES", "NICE"};
    EXPECT_EQ(CandidatTexte98(villes, "ni"), "NI");
    EXPECT_EQ(CandidatTexte98(villes, "A"), "A") << "the first item can be the candidate";
    EXPECT_EQ(CandidatTexte98(villes, "arles"), "ARLES");
    EXPECT_EQ(CandidatTexte98(villes, "B"), "") << "no item starts with B";
    EXPECT_EQ(CandidatTexte98({"NICE"}, "n"), "N");
    EXPECT_EQ(CandidatTexte98({}, "n"), "");
}

// ---- colours ----------------------------------------------------------------------------------
TEST(Couleurs, DefaultsNamesAndRemapping)
{
    TCouleurElement c;
    EXPECT_EQ(TCouleurElement::Nom(0), std::string("fondclair"));
    EXPECT_EQ(TCouleurElement::Nom(48), std::string("ExtraCouleur3"));
    EXPECT_EQ(TCouleurElement::Nom(51), std::string("FontMenu"));
    EXPECT_EQ(TCouleurElement::Indice("CouleurFondTitreTableau"), 20);
    EXPECT_EQ(*c.Couleur(23), 0xF8CD87u);
    EXPECT_EQ(TCouleurElement::Defaut(37), 0x1C8DFFu);
    c.fondclair = 1;
    c.fondfonce = 2;
    EXPECT_EQ(CouleurFondSchema(0x6F3000, c), 2u);
    EXPECT_EQ(CouleurFondSchema(0x6F3001, c), 1u);
    c.CouleurTexte2 = 77;
    EXPECT_EQ(CouleurTexteSchema(0xFFE155, c), 77u);
    EXPECT_EQ(CouleurTexteSchema(0xEE9C04, c), 77u);
    EXPECT_EQ(CouleurTexteSchema(0x0000FF, c), c.CouleurRouge);
    EXPECT_EQ(CouleurTexteSchema(0x123456, c), 0x123456u);
}

TEST(Couleurs, RowColours)
{
    TCouleurElement c;
    c.CouleurFond1Tableau = 1;
    c.CouleurFond2Tableau = 2;
    c.CouleurTexte1Tableau = 11;
    c.CouleurTexte2Tableau = 12;
    c.CouleurFondSuiviTableau = 21;
    c.CouleurTexteSuiviTableau = 22;
    TColor t = 0, f = 0;
    TBrivantelForm::CouleursLigneSchema(0, t, f, false, c);
    EXPECT_EQ(f, 2u);
    EXPECT_EQ(t, 12u);
    TBrivantelForm::CouleursLigneSchema(2, t, f, false, c);
    EXPECT_EQ(f, 2u);
    TBrivantelForm::CouleursLigneSchema(3, t, f, false, c);
    EXPECT_EQ(f, 1u);
    EXPECT_EQ(t, 11u);
    TBrivantelForm::CouleursLigneSchema(3, t, f, true, c);
    EXPECT_EQ(f, 21u);
    EXPECT_EQ(t, 22u);
    TBrivantelForm::CouleurFondLigneSchema(1, f, c);
    EXPECT_EQ(f, 1u);
}

TEST(Couleurs, DesignColourText)
{
    EXPECT_EQ(LitCouleurDesign("6F3000", 5), 0x6F3000u);
    EXPECT_EQ(LitCouleurDesign("GG", 0xEE9C04), 0xEE9C04u);
    EXPECT_EQ(LitCouleurDesign("", 7), 7u);
}

// ---- message box ---------------------------------------------------------------------------------
TEST(MessageBox, TheSixDefinedLayoutsStay)
{
    using B = TBoutonMessage;
    auto d = DispositionMessage(1);
    EXPECT_EQ(d.Boutons, (std::vector<B>{{121, 6}}));
    EXPECT_EQ(d.Titre, 122);
    d = DispositionMessage(4);
    EXPECT_EQ(d.Boutons, (std::vector<B>{{123, 1}}));
    EXPECT_EQ(d.Titre, 124);
    EXPECT_EQ(DispositionMessage(1 | 2).Boutons, (std::vector<B>{{121, 6}, {126, 7}}));
    EXPECT_EQ(DispositionMessage(4 | 8).Boutons, (std::vector<B>{{123, 1}, {125, 2}}));
    EXPECT_EQ(DispositionMessage(1 | 2 | 8).Boutons, (std::vector<B>{{121, 6}, {126, 7}, {125, 2}}));
    d = DispositionMessage(0);
    EXPECT_EQ(d.Boutons.size(), 1u);
    EXPECT_EQ(d.Boutons[0].Texte, 0) << "the stored caption";
    EXPECT_EQ(d.Titre, 0) << "the stored window caption";
}

TEST(MessageBox, EveryFlagSetShowsWhatItAsksFor)
{
    for (int flags = 1; flags < 16; ++flags)
    {
        const auto d = DispositionMessage(flags);
        std::vector<int> attendus;
        if (flags & 1) attendus.push_back(6);
        if (flags & 4) attendus.push_back(1);
        if (flags & 2) attendus.push_back(7);
        if (flags & 8) attendus.push_back(2);
        std::vector<int> resultats;
        for (const auto& b : d.Boutons)
        {
            resultats.push_back(b.Resultat);
            EXPECT_NE(b.Texte, 0) << "flags " << flags;
        }
        EXPECT_EQ(resultats, attendus) << "flags " << flags;
    }
}

// ---- check tree -------------------------------------------------------------------------------
namespace
{
struct Noeud
{
    int etat = 1;
    Noeud* parent = nullptr;
    std::vector<std::unique_ptr<Noeud>> enfants;
    int StateIndex() const { return etat; }
    void SetStateIndex(int e) { etat = e; }
    Noeud* Parent() const { return parent; }
    int Count() const { return static_cast<int>(enfants.size()); }
    Noeud* Item(int i) const { return enfants[static_cast<size_t>(i)].get(); }
    Noeud* Ajoute(int e)
    {
        enfants.push_back(std::make_unique<Noeud>());
        enfants.back()->etat = e;
        enfants.back()->parent = this;
        return enfants.back().get();
    }
};
}

TEST(ArbreCoche, ParentFollowsItsChildren)
{
    Noeud racine;
    Noeud* parent = racine.Ajoute(2);
    Noeud* a = parent->Ajoute(2);
    parent->Ajoute(2);
    racine.Ajoute(2);
    ChangeEtatArbre(a, -1, false);
    EXPECT_EQ(a->etat, 1);
    EXPECT_EQ(parent->etat, 1);
    EXPECT_EQ(racine.etat, 1) << "only the direct parent is updated";
    ChangeEtatArbre(a, -1, false);
    EXPECT_EQ(a->etat, 2);
    EXPECT_EQ(parent->etat, 2);
}

TEST(ArbreCoche, GreyedNodeKeepsItsStateAndParentIsStillEvaluated)
{
    Noeud parent;
    parent.etat = 3;
    Noeud* gris = parent.Ajoute(4);
    parent.Ajoute(2);
    ChangeEtatArbre(gris, -1, false);
    EXPECT_EQ(gris->etat, 4);
    EXPECT_EQ(parent.etat, 4);
}

TEST(ArbreCoche, RecursiveStatePassesThroughUnchangedChildren)
{
    Noeud n;
    n.etat = 1;
    Noeud* enfant = n.Ajoute(2);
    Noeud* petit = enfant->Ajoute(1);
    Noeud* autre = n.Ajoute(1);
    ChangeEtatArbre(&n, -1, true);
    EXPECT_EQ(n.etat, 2);
    EXPECT_EQ(enfant->etat, 2) << "given state equal to its own: unchanged";
    EXPECT_EQ(petit->etat, 2) << "but still passed down";
    EXPECT_EQ(autre->etat, 2);
    Noeud seul;
    Noeud* e = seul.Ajoute(1);
    ChangeEtatArbre(&seul, -1, false);
    EXPECT_EQ(e->etat, 1) << "without Recursive the children keep their states";
}

// ---- numeric display -----------------------------------------------------------------------------
TEST(Affichage, DigitsShownAndTyped)
{
    EXPECT_EQ(ChiffresAffichage("7", 3), "007");
    EXPECT_EQ(ChiffresAffichage("123456", 5), "23456") << "a longer number shows its last digits";
    EXPECT_EQ(MasqueSegments('8'), 0x7F);
    EXPECT_EQ(MasqueSegments('x'), 0);
    std::string n = "0";
    bool efface = true;
    for (char c : std::string("1234"))
        ToucheAffichage(n, efface, c, 2);
    EXPECT_EQ(n, "34");
    ToucheAffichage(n, efface, 'a', 2);
    EXPECT_EQ(n, "34");
    ToucheAffichage(n, efface, 8, 2);
    ToucheAffichage(n, efface, 8, 2);
    ToucheAffichage(n, efface, 8, 2);
    EXPECT_EQ(n, "");
    efface = true;
    n = "55";
    ToucheAffichage(n, efface, '9', 2);
    EXPECT_EQ(n, "9") << "the first key after entering replaces the number";
    const auto traits = TraitsSegment(0, 1);
    ASSERT_EQ(traits.size(), 6u);
    EXPECT_EQ(traits[0].De, (TPoint{10, 4}));
    EXPECT_EQ(traits[0].A, (TPoint{24, 4}));
}

// ---- lists of entries -----------------------------------------------------------------------------
TEST(Liste, EntryPartsFollowTheNameLength)
{
    const std::string e4 = std::string("\1") + "0012" + '\3' + "Martin";
    EXPECT_EQ(NumeroEntreeListe(e4, 4, false), 12);
    EXPECT_EQ(CouleurEntreeListe(e4, 4), 3);
    EXPECT_EQ(NomEntreeListe(e4, 4), "Martin");
    const std::string e8 = std::string("\1") + "0000001A" + '\5' + "Durand";
    EXPECT_EQ(NumeroEntreeListe(e8, 8, true), 26);
    EXPECT_EQ(CouleurEntreeListe(e8, 8), 5);
    EXPECT_EQ(NomEntreeListe(e8, 8), "Durand");
    EXPECT_EQ(NumeroEntreeListe(std::string("\1") + "12x4" + '\1' + "A", 4, false), 0);
    // written back in the radix it was read in
    EXPECT_EQ(EntreeListe(26, 8, true, "Durand"), std::string("\1") + "0000001A" + '\1' + "Durand");
    EXPECT_EQ(EntreeListe(26, 4, false, "Durand"), std::string("\1") + "0026" + '\1' + "Durand");
    EXPECT_EQ(NumeroEntreeListe(EntreeListe(26, 8, true, "x"), 8, true), 26);
}

TEST(Liste, SortIsReverseStableAndGroupsByColour)
{
    auto e = [](char couleur, const std::string& nom, char n) {
        return std::string("\1") + "000" + n + couleur + nom;
    };
    const std::vector<std::string> items = {e(2, "b", '1'), e(1, "a", '2'), e(1, "B", '3'), e(2, "c", '4')};
    auto tries = TrieEntreesListe(items, 4, true, false, false);
    EXPECT_EQ(NomEntreeListe(tries[0], 4), "a");
    EXPECT_EQ(tries[1], items[2]) << "equal keys in reverse order";
    EXPECT_EQ(tries[2], items[0]);
    tries = TrieEntreesListe(items, 4, true, true, true);
    EXPECT_EQ(CouleurEntreeListe(tries[0], 4), 1);
    EXPECT_EQ(CouleurEntreeListe(tries[1], 4), 1);
    EXPECT_EQ(NomEntreeListe(tries[0], 4), "B") << "case counts: B before a";
}

TEST(Rond, KeyFilter)
{
    std::string t = "0";
    EXPECT_EQ(FiltreTouchesRond('5', t), '5');
    EXPECT_EQ(t, "");
    t = "1";
    EXPECT_EQ(FiltreTouchesRond('a', t), 0);
    EXPECT_EQ(FiltreTouchesRond(8, t), 8);
    EXPECT_EQ(FiltreTouchesRond(13, t), 13);
}

// ---- team choice, comparisons, logo ---------------------------------------------------------------
TEST(ChoixEquipe, GeometryAndPreselection)
{
    const auto g = GeometrieChoixEquipe(7);
    EXPECT_EQ(g.HauteurClient, 100);
    EXPECT_EQ(g.HautBouton, 68);
    EXPECT_EQ(TGeometrieChoixEquipe::Case(1).Left, 10);
    EXPECT_EQ(TGeometrieChoixEquipe::Case(2).Left, 165);
    EXPECT_EQ(TGeometrieChoixEquipe::Case(3).Left, 320);
    EXPECT_EQ(TGeometrieChoixEquipe::Case(4).Top, 25);
    EXPECT_EQ(TGeometrieChoixEquipe::Case(7).Top, 45);
    EXPECT_EQ(PreselectionEquipe(0, 1), 1);
    EXPECT_EQ(PreselectionEquipe(4, 5), 0);
    EXPECT_EQ(PreselectionEquipe(2, 5), 2);
    EXPECT_EQ(PreselectionEquipe(0, 0), 0);
}

// Avant: the second side won; Apres: the first; a shoot-out decides a draw
// the same way round as the scores.
TEST(FootForm, CompareBornes)
{
    const uint8_t gagneDomicile[2] = {5, 2}, gagneExterieur[2] = {3, 4}, egal[2] = {1, 1};
    const struct { int a, b; const uint8_t* departage; bool avant, apres; } cas[] = {
        {1, 2, nullptr, true, false},      {2, 1, nullptr, false, true},
        {3, 3, nullptr, false, false},     {3, 3, gagneDomicile, false, true},
        {3, 3, gagneExterieur, true, false}, {3, 3, egal, false, false},
        {2, 1, gagneExterieur, false, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::to_string(c.a) + "-" + std::to_string(c.b));
        bool avant = !c.avant, apres = !c.apres;
        TFootForm::CompareBornes(avant, apres, c.departage, c.a, c.b);
        EXPECT_EQ(avant, c.avant);
        EXPECT_EQ(apres, c.apres);
    }
}

TEST(Logo, ScaledAtMostOneAndCentred)
{
    EXPECT_EQ(RectLogo(40, 40, 32, 32), Rect(4, 4, 36, 36));
    EXPECT_EQ(RectLogo(40, 40, 76, 38), Rect(1, 10, 39, 29));
    EXPECT_EQ(RectLogo(40, 40, 0, 10), Rect(0, 0, 0, 0));
}
