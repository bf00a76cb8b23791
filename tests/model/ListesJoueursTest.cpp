#include <gtest/gtest.h>

#include "model/ListesJoueurs.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "tests/model/Outils.h"
#include "tests/support/SaisonStatBuilder.h"

TEST(ListesJoueurs, NotesMoyennesEtOrdre)
{
    TSaisonStatEssai s(0, 2, 1);
    TJoueur* g = s.Joueur("Zidane", "Gil", s.Equipe(1));
    g->SetPoste(0);   // goalkeeper
    TJoueur* a = s.Joueur("Martin", "Ali", s.Equipe(0));
    a->SetPoste(2);
    TJoueur* b = s.Joueur("Bernard", "Bob", s.Equipe(0));
    b->SetPoste(3);
    TListeNotes l(s.saison.get());
    l.AjouteNote(9999, 5, 2);   // nobody: nothing
    l.AjouteNote(g->Numero, 6, 1);   // mode 1 leaves the goalkeeper out
    EXPECT_EQ(l.Nombre(), 0);
    l.AjouteNote(g->Numero, 6, 0);
    l.AjouteNote(a->Numero, 7, 0);   // mode 0: goalkeepers only
    EXPECT_EQ(l.Nombre(), 1);
    for (TJoueur* j : {b, a})
        l.AjouteNote(j->Numero, 7, 2);
    l.AjouteNote(g->Numero, 8, 2);   // a known entry only counts
    l.AjouteNote(a->Numero, 5, 1);
    ASSERT_EQ(l.Nombre(), 3);
    for (int i = 0; i + 1 < l.Nombre(); ++i)
        EXPECT_LT(l.Note(i)->IdJoueur, l.Note(i + 1)->IdJoueur);
    EXPECT_EQ(l.Note(3), nullptr);
    l.Trie();
    // g 7.0, b 7.0, a 6.0: equal averages by team name ("Club 0-0" first).
    EXPECT_EQ(l.Note(0)->Joueur, b);
    EXPECT_DOUBLE_EQ(l.Note(0)->Moyenne, 7);
    EXPECT_EQ(l.Note(1)->Joueur, g);
    EXPECT_EQ(l.Note(1)->NbNotes, 2);
    EXPECT_EQ(l.Note(2)->Joueur, a);
    EXPECT_DOUBLE_EQ(l.Note(2)->Moyenne, 6);
    l.Supprime(0);
    l.Supprime(7);
    EXPECT_EQ(l.Nombre(), 2);
}

TEST(ListesJoueurs, ChoixEtHomonymes)
{
    TSaisonStatEssai s(0, 1, 1);
    const int e = s.Equipe(0);
    TJoueur* jean = s.Joueur("Dupont", "Jean", e);
    TJoueur* jacques = s.Joueur("Dupont", "Jacques", e);
    TJoueur* jeanne = s.Joueur("Dupont", "jeanne", e);
    TJoueur* autre = s.Joueur("Albert", "Marc", e);
    jean->Maillot = 9;
    TListeJoueur l;
    l.Insere(std::make_unique<TChoixJoueur>(jean, 0), false);
    EXPECT_EQ(l.ChoixJoueur(0)->Texte, "Dupont");
    l.Insere(std::make_unique<TChoixJoueur>(jacques, 1), false);
    EXPECT_EQ(l.ChercheIdJoueur(jean->Numero)->Texte, "Dupont  Je.");
    EXPECT_EQ(l.ChercheIdJoueur(jacques->Numero)->Texte, "Dupont  Ja.");
    l.Insere(std::make_unique<TChoixJoueur>(jeanne, 0), false);
    EXPECT_EQ(l.ChercheIdJoueur(jeanne->Numero)->Texte, "Dupont  jeann.");
    EXPECT_EQ(l.ChercheIdJoueur(jean->Numero)->Texte, "Dupont  Jean.");
    // Jacques, filed before Jean, was met while the count was still 2.
    EXPECT_EQ(l.ChercheIdJoueur(jacques->Numero)->Texte, "Dupont  Ja.");
    l.Insere(std::make_unique<TChoixJoueur>(autre, 0), false);
    EXPECT_EQ(l.ChoixJoueur(0)->Joueur(), autre);
    EXPECT_EQ(l.ChercheNumero(9)->Joueur(), jean);
    EXPECT_EQ(l.ChercheNumero(99), nullptr);
    EXPECT_EQ(l.ChoixJoueur(4), nullptr);

    InstalleTraducteur(nullptr);
    TStringList items;
    items.Add("ancien");
    TexteSeparation(l, items, true, true);
    ASSERT_EQ(items.Count(), 3 + 3);   // Jacques is filtered out
    EXPECT_EQ(items[0], std::string("\x01" "0FFFFFFE\x04"));
    EXPECT_EQ(items[2], std::string("\x01" "0FFFFFFF\x04") + std::string(19, '-'));
    char attendu[32];
    std::snprintf(attendu, sizeof attendu, "\x01%08X\x01", static_cast<unsigned>(autre->Numero));
    EXPECT_EQ(items[3], std::string(attendu) + "Albert");
    TexteSeparation(l, items, false, false);
    EXPECT_EQ(items.Count(), 4);

    // By position: position number first, then name.
    TListeJoueur p;
    jean->SetPoste(3);
    autre->SetPoste(1);
    jacques->SetPoste(3);
    p.Insere(std::make_unique<TChoixJoueur>(jean, 0), true);
    p.Insere(std::make_unique<TChoixJoueur>(jacques, 0), true);
    p.Insere(std::make_unique<TChoixJoueur>(autre, 0), true);
    EXPECT_EQ(p.ChoixJoueur(0)->Joueur(), autre);
    EXPECT_EQ(p.ChoixJoueur(1)->Joueur(), jacques);
    p.Vide();
    EXPECT_EQ(p.Nombre(), 0);
    // The list frees what it still holds when destroyed (checked by the
    // sanitizers and leak checkers that run the tests).
}

TEST(ListesJoueurs, TempsDeJeu)
{
    TSaisonStatEssai s(0, 1, 1);
    TJoueur* a = s.Joueur("A", "a", s.Equipe(0));
    TJoueur* b = s.Joueur("B", "b", s.Equipe(0));
    TListeTemps l;
    TTempsJoueur* ta = l.Ajoute(std::make_unique<TTempsJoueur>(a));
    TTempsJoueur* tb = l.Ajoute(std::make_unique<TTempsJoueur>(b));
    TTempsJoueur* tn = l.Ajoute(std::make_unique<TTempsJoueur>(nullptr));
    ta->Compteurs[0] = 90;
    ta->Compteurs[1] = 1;
    tb->Compteurs[0] = 90;
    tb->Compteurs[1] = 3;
    tb->Compteurs[4] = 12;
    tn->Compteurs[0] = 95;
    EXPECT_EQ(l.ChercheJoueur(b->Numero), tb);
    EXPECT_EQ(l.ChercheJoueur(0), tn);
    EXPECT_EQ(l.ChercheJoueur(12345), nullptr);
    l.RemetAZero();
    EXPECT_EQ(tb->Compteurs[4], 0);
    l.Trie();
    EXPECT_EQ(l.TempsJoueur(0), tn);
    EXPECT_EQ(l.TempsJoueur(1), tb);
    EXPECT_EQ(l.TempsJoueur(2), ta);
    EXPECT_EQ(l.TempsJoueur(3), nullptr);
}
