#include <gtest/gtest.h>

#include "model/InfoComp.h"
#include "platform/rtl/Strings.h"
#include "tests/support/ChampionnatBuilder.h"

TEST(InfoComp, NewMatchDefaults)
{
    TInfoComp m(3, 7, 11, 3);
    EXPECT_EQ(m.IdEquipe(0), 3);
    EXPECT_EQ(m.IdEquipe(1), 7);
    EXPECT_EQ(m.Score(0), 65535);
    EXPECT_EQ(m.Score(1), 65535);
    EXPECT_EQ(m.Affluence(), -1);
    EXPECT_EQ(m.TempsAdd(1), 255);
    EXPECT_EQ(m.TempsAdd(2), 255);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(m.Officiel(k), -1);
        EXPECT_EQ(m.NoteOfficiel(k), 0);
    }
    EXPECT_EQ(m.ScorePeriode(0, 1), 255);
    EXPECT_EQ(m.Commentaire(), "");
    EXPECT_EQ(m.Stade(), 0);
    EXPECT_EQ(m.DateMatch(), 0u);
    EXPECT_EQ(m.CleOrdre(), -1);
    EXPECT_FALSE(m.CompositionSaisie(3));
    for (int s = 1; s <= 14; ++s) {
        EXPECT_EQ(m.Note(3, s), 255);
        EXPECT_EQ(m.Maillot(7, s), 0);
    }
    EXPECT_EQ(m.JoueurTitulaire(3, 11), 0);
}

TEST(InfoComp, LineUpSubstitutionsRatingsAndShirts)
{
    TInfoComp m(3, 7, 11, 3);
    m.SetJoueurTitulaire(3, 1, 0x12345678);
    m.SetJoueurTitulaire(7, 11, 42);
    EXPECT_EQ(m.JoueurTitulaire(3, 1), 0x12345678);
    EXPECT_EQ(m.JoueurTitulaire(7, 11), 42);
    EXPECT_EQ(m.JoueurTitulaire(3, 11), 0);   // sides are apart

    m.SetRemplacement(7, 42, 0x10002, 63, 2);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 1), 42);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 3), 0x10002);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 5), 63);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 6), 255);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 2), 42);   // low word of the player going off
    m.SetValeurRemplacement(7, 2, 70, 5);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 5), 70);

    // Ratings: starters, then the players coming on (slot 11 + record).
    m.SetNote(7, 255, 4);   // out of range: nothing
    EXPECT_FALSE(m.NotesSaisies(7));
    m.SetNote(7, 5, 255);
    EXPECT_FALSE(m.NotesSaisies(7));
    m.SetNote(7, 13, 6);
    EXPECT_TRUE(m.NotesSaisies(7));
    EXPECT_FALSE(m.CompositionSaisie(7));
    EXPECT_EQ(m.Note(7, 13), 6);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 6), 6);
    m.SetCompositionSaisie(7);
    EXPECT_TRUE(m.CompositionSaisie(7));
    EXPECT_TRUE(m.NotesSaisies(7));

    // Shirts of starters and substitutes (low byte), not overlapping anything.
    m.SetMaillot(3, 1, 0x109);
    m.SetMaillot(7, 14, 23);
    EXPECT_EQ(m.Maillot(3, 1), 9);
    EXPECT_EQ(m.Maillot(7, 14), 23);
    EXPECT_EQ(m.JoueurTitulaire(3, 1), 0x12345678);
    EXPECT_EQ(m.ValeurRemplacement(7, 3, 1), 0);

    m.SetCapitaine(3, 77);
    EXPECT_EQ(m.Capitaine(3), 77);
    EXPECT_EQ(m.Capitaine(7), 0);

    m.EffaceComposition(7);
    EXPECT_FALSE(m.CompositionSaisie(7));
    EXPECT_FALSE(m.NotesSaisies(7));
    EXPECT_EQ(m.JoueurTitulaire(7, 11), 0);
    EXPECT_EQ(m.ValeurRemplacement(7, 2, 3), 0);
    EXPECT_EQ(m.Note(7, 13), 255);
    EXPECT_EQ(m.JoueurTitulaire(3, 1), 0x12345678);
}

TEST(InfoComp, TeamOfNeitherSideAndTruncatedSlotsAreIgnored)
{
    TInfoComp m(3, 7, 11, 3);
    m.SetJoueurTitulaire(9, 1, 5);
    m.SetCapitaine(9, 5);
    m.SetNote(9, 1, 4);
    m.SetMaillot(9, 1, 4);
    m.SetRemplacement(9, 1, 2, 3, 1);
    m.SetCompositionSaisie(9);
    for (int e : {3, 7}) {
        EXPECT_EQ(m.JoueurTitulaire(e, 1), 0);
        EXPECT_EQ(m.Capitaine(e), 0);
        EXPECT_EQ(m.Note(e, 1), 255);
        EXPECT_EQ(m.Maillot(e, 1), 0);
        EXPECT_EQ(m.ValeurRemplacement(e, 1, 1), 0);
        EXPECT_FALSE(m.CompositionSaisie(e));
        EXPECT_FALSE(m.NotesSaisies(e));
    }
    EXPECT_EQ(m.JoueurTitulaire(9, 1), 0);
    EXPECT_EQ(m.Note(9, 1), -1);

    // 257 and 256 + 13 are not slots 1 and 13.
    m.SetJoueurTitulaire(3, 257, 8);
    m.SetNote(3, 256 + 13, 2);
    m.SetMaillot(3, 257, 2);
    EXPECT_EQ(m.JoueurTitulaire(3, 1), 0);
    EXPECT_EQ(m.Note(3, 13), 255);
    EXPECT_EQ(m.Maillot(3, 1), 0);
    EXPECT_EQ(m.Note(3, 257), -1);
    EXPECT_EQ(m.Note(3, 0), -1);
    EXPECT_EQ(m.ValeurRemplacement(3, 4, 1), 0);
    EXPECT_EQ(m.ValeurRemplacement(3, 1, 7), 0);
    EXPECT_EQ(m.ValeurRemplacement(3, 1, -1), 0);
    EXPECT_EQ(m.Officiel(0), -1);
    EXPECT_EQ(m.Officiel(4), -1);
    EXPECT_EQ(m.TempsAdd(3), -1);
    EXPECT_EQ(m.ScorePeriode(2, 1), 0);
    EXPECT_EQ(m.ScorePeriode(0, 7), 0);
    EXPECT_EQ(m.Score(2), 65535);
}

TEST(InfoComp, ResizingNeverDropsFilledEntries)
{
    TInfoComp m(1, 2, 11, 3);
    m.SetRemplacement(1, 10, 11, 50, 3);
    m.SetJoueurTitulaire(2, 9, 99);
    m.SetNbRemp(1);
    EXPECT_EQ(m.NbRemp(), 3);
    EXPECT_EQ(m.ValeurRemplacement(1, 3, 3), 11);
    m.SetNbTitulaire(5);
    EXPECT_EQ(m.NbTitulaire(), 9);
    EXPECT_EQ(m.JoueurTitulaire(2, 9), 99);
    m.SetJoueurTitulaire(2, 9, 0);
    m.SetNbTitulaire(5);
    EXPECT_EQ(m.NbTitulaire(), 5);
    m.SetNbTitulaire(7);
    EXPECT_EQ(m.NbTitulaire(), 7);
    EXPECT_EQ(m.Note(1, 7), 255);
    EXPECT_EQ(m.JoueurTitulaire(2, 7), 0);
    // The substitute slots follow the match's own starter count.
    m.SetNote(1, 7 + 3, 5);
    EXPECT_EQ(m.ValeurRemplacement(1, 3, 6), 5);
}

TEST(InfoComp, ChecksAndSortingOfSubstitutions)
{
    TInfoComp m(1, 2, 11, 3);
    m.SetRemplacement(1, 10, 11, 70, 1);
    m.SetRemplacement(1, 12, 13, 0, 2);
    m.SetRemplacement(1, 14, 15, 46, 3);
    EXPECT_FALSE(m.ControleMinutes(1));
    EXPECT_TRUE(m.ControleRemplacements(1));
    m.SetValeurRemplacement(2, 1, 5, 3);   // only the player coming on
    EXPECT_FALSE(m.ControleRemplacements(2));
    EXPECT_TRUE(m.ControleMinutes(2));
    m.TrieRemplacements();
    EXPECT_EQ(m.ValeurRemplacement(1, 1, 5), 46);
    EXPECT_EQ(m.ValeurRemplacement(1, 1, 1), 14);
    EXPECT_EQ(m.ValeurRemplacement(1, 2, 5), 0);   // minute 0 never moves ahead
    EXPECT_EQ(m.ValeurRemplacement(1, 3, 5), 70);
    EXPECT_EQ(m.ValeurRemplacement(1, 3, 3), 11);
}

TEST(InfoComp, LabelAndLineUpText)
{
    TSaisonEssai s;
    const int a = s.AjouteEquipe("Lyon"), b = s.AjouteEquipe("Nantes");
    TInfoComp m(a, b, 11, 3);
    EXPECT_EQ(m.Libelle(&s), "Lyon - Nantes");
    m.SetScore(0, 0x8002);
    EXPECT_EQ(m.Libelle(&s), "Lyon - Nantes");
    m.SetScore(1, 1);
    EXPECT_EQ(m.Libelle(&s), "Lyon - Nantes : 2 - 1");

    s.AjouteJoueur(1, "Jean", "Gardien", 1);
    s.AjouteJoueur(2, "Paul", "Arriere", 2);
    s.AjouteJoueur(3, "Marc", "Arriere", 2);
    s.AjouteJoueur(4, "Luc", "Avant", 4);
    s.AjouteJoueur(5, "Eric", "Remplacant", 4);
    m.SetJoueurTitulaire(a, 1, 4);
    m.SetJoueurTitulaire(a, 2, 2);
    m.SetJoueurTitulaire(a, 3, 1);
    m.SetJoueurTitulaire(a, 4, 3);
    m.SetJoueurTitulaire(a, 5, 999);   // unknown: left out
    m.SetRemplacement(a, 4, 5, 80, 1);
    EXPECT_EQ(m.TexteComposition(a, &s), "Jean Gardien - Paul Arriere, Marc Arriere - Luc Avant (Eric Remplacant 80\xB0)");
    EXPECT_EQ(m.TexteComposition(b, &s), "");
    EXPECT_EQ(m.TexteComposition(9, &s), "");
}
