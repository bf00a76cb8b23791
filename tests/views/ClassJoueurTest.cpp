// The player rankings: ranks with "-" for equal values, a long ranking going
// on in the text panes, the kinds of the page function ("StatMatch" included),
// an empty referee ranking; pictures.
#include <gtest/gtest.h>

#include "model/Joueurs.h"
#include "model/InfoComp.h"
#include "model/ListeDonnees.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/gui/ExtCtrls.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/GestionFonction.h"
#include "views/w_ClassJoueur.h"

namespace {

// Scorers: Alpha (Olympique Brivant) 3, Beta (Racing Zelvor) 2, Gamma (Stade
// Marnois) 2, Delta (AS Corvelle) 1.
vues::TSaisonVue Buteurs()
{
    auto s = vues::QuatreEquipes();
    const char* noms[] = {"Alpha", "Beta", "Gamma", "Delta"};
    const int buts[] = {3, 2, 2, 1};
    for (int i = 0; i < 4; ++i) {
        const int equipe = s.c1->IdEquipe(i);
        s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur(noms[i], "Jean", 101 + i, equipe));
        for (int b = 0; b < buts[i]; ++b)
            s.c1->ListeButeurs(1 + b)->Ajoute(std::make_unique<TDonneesEvt>(101 + i, equipe, 10 + b, 0));
    }
    return s;
}

struct THoteClass
{
    TOwned<TForm> fenetre;
    Tf_ClassJoueur* vue = nullptr;
    THoteClass(TSaison* saison, int hauteur) : fenetre(kit::NewForm(700, hauteur))
    {
        auto* panneau = new TPanel(fenetre.get());
        panneau->SetAlign(alClient);
        panneau->SetParent(fenetre.get());
        vue = new Tf_ClassJoueur(fenetre.get());
        vue->ChangeCouleurs(vues::Module()->Couleurs);
        vue->ChangeSaison(saison);
        IntegreFiche(vue, panneau);
        kit::ShowForm(fenetre.get());
    }
};

TEST(ClassJoueur, RanksAndRunningText)
{
    auto s = Buteurs();
    {
        THoteClass h(s.saison.get(), 500);
        h.vue->AfficheClassement(0);
        const TColorStringGrid& g = *h.vue->sg_Classjoueurs;
        ASSERT_EQ(g.RowCount(), 5);
        const std::vector<std::string> rangs = {g.Cells(0, 1), g.Cells(0, 2), g.Cells(0, 3), g.Cells(0, 4)};
        EXPECT_EQ(rangs, (std::vector<std::string>{"1", "2", "-", "4"}));
        EXPECT_EQ(g.Cells(1, 1), "Alpha Jean");
        EXPECT_EQ(g.Cells(2, 1), "3");
        EXPECT_EQ(g.DonneeCellule(0, 1), 101);
        EXPECT_FALSE(h.vue->Editeur1->Visible());
        kit::GrabToPng(h.fenetre.get(), "classjoueur-football");
        // a negative kind clears and keeps the kind
        h.vue->AfficheClassement(-1);
        EXPECT_EQ(h.vue->Type(), 0);
        // referees: none ranked
        h.vue->AfficheClassement(12);
        EXPECT_EQ(g.Cells(1, 1), Traduire(108));
        // nothing left of the scorers: no rank, no value, no player behind a double click
        EXPECT_EQ(g.Cells(0, 1), "");
        EXPECT_EQ(g.Cells(2, 1), "");
        EXPECT_EQ(g.DonneeCellule(0, 1), 0);
    }
    // room for two rows: the tie of Beta and Gamma across the limit leaves only
    // Alpha in the grid; the rest goes on as text
    THoteClass h(s.saison.get(), 170);
    h.vue->AfficheClassement(0);
    EXPECT_EQ(h.vue->sg_Classjoueurs->RowCount(), 2);
    TEditeur* e = h.vue->Editeur1->Visible() ? h.vue->Editeur1 : h.vue->Editeur2;
    ASSERT_TRUE(e->Visible());
    const std::string texte = e->Texte();
    EXPECT_NE(texte.find("2. Beta Jean (Racing Zelvor),Gamma Jean (Stade Marnois) 2"), std::string::npos) << texte;
    EXPECT_NE(texte.find("4. Delta Jean (AS Corvelle) 1"), std::string::npos) << texte;
    kit::GrabToPng(h.fenetre.get(), "classjoueur-texte");
}

// Ratings going on as text show the value the grid shows: Alpha 9, Beta and
// Gamma 8, Delta 7, each rated once in the outfield.
TEST(ClassJoueur, RatingsGoingOnAsTextShowTheGridsValue)
{
    auto s = vues::QuatreEquipes();
    const char* noms[] = {"Alpha", "Beta", "Gamma", "Delta"};
    const int notes[] = {9, 8, 8, 7};
    for (int i = 0; i < 4; ++i) {
        const int equipe = s.c1->IdEquipe(i);
        s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur(noms[i], "Jean", 101 + i, equipe));
        TInfoComp* m = s.c1->MatchEquipe(1, equipe);
        ASSERT_NE(m, nullptr);
        m->SetJoueurTitulaire(equipe, 2, 101 + i);
        m->SetNote(equipe, 2, notes[i]);
    }
    s.saison->InvalideStats();
    THoteClass h(s.saison.get(), 170);
    h.vue->AfficheClassement(7);
    const TColorStringGrid& g = *h.vue->sg_Classjoueurs;
    ASSERT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "Alpha Jean");
    const auto valeur = [](double v) { return FloatToStrF(v, ffFixed, 4, 2); };
    EXPECT_EQ(g.Cells(2, 1), valeur(9));
    std::string texte;
    for (TEditeur* e : {h.vue->Editeur1, h.vue->Editeur2})
        for (int i = 1; i <= e->NbLigne(); ++i)
            texte += e->Ligne(i)->Texte + "|";
    ASSERT_TRUE(h.vue->Editeur1->Visible() || h.vue->Editeur2->Visible());
    EXPECT_NE(texte.find("Gamma Jean (Stade Marnois) " + valeur(8)), std::string::npos) << texte;
    EXPECT_NE(texte.find("4. Delta Jean (AS Corvelle) " + valeur(7)), std::string::npos) << texte;
    EXPECT_EQ(texte.find("800"), std::string::npos) << texte;
    kit::GrabToPng(h.fenetre.get(), "classjoueur-notes-texte");
}

TEST(ClassJoueur, PageFunctionKinds)
{
    struct Cas
    {
        const char* type;
        bool statMatch;
        int attendu;
    };
    const Cas cas[] = {{"BUTEUR", false, 0}, {"buteur", true, 0},   {"point", true, 32}, {"fautes", true, 45},
                       {"fautesprovoquees", true, 46}, {"tempsjeu", true, 27}, {"evaluation", true, 29},
                       {"inconnu", false, 0}, {"rebond", false, 28}};
    for (const Cas& k : cas)
        EXPECT_EQ(Tf_ClassJoueur::TypeParNom(k.type, k.statMatch), k.attendu) << k.type;

    auto s = Buteurs();
    const TFonctionEnregistree* e = GestionFonctions().Cherche("ClassementJoueur");
    ASSERT_NE(e, nullptr);
    TOwned<TForm> f(e->Classe.Cree(nullptr));
    TStringList p;
    p.Add("Type=buteur");
    std::string r;
    dynamic_cast<TFootForm&>(*f).ExecuteFonction("ClassementJoueur", p, r, vues::Module()->Couleurs, "",
                                                 s.saison.get());
    const html_lu::TPage page = html_lu::Lit(r);
    EXPECT_TRUE(page.equilibree);
    ASSERT_EQ(page.tables.size(), 1u);
    ASSERT_EQ(page.tables[0].size(), 5u);
    EXPECT_EQ(page.tables[0][4][1], "Delta Jean");
    ASSERT_NE(GestionFonctions().Cherche("ClassementArbitre"), nullptr);
}

// The ranking grid heads its value column by what it counts, in English and
// French: rugby two-try games, basketball fouls, handball goals from play and
// 7-metre goals, the saves on shots as the card names them ("Saves") and the
// saves with the 7-metre ones (the menu's first saves ranking).
TEST(ClassJoueur, ValueColumnNamesWhatIsCounted)
{
    const struct
    {
        int sport, fenetre, code, colonne, texte;
    } cas[] = {
        {1, 3, 0, 2, 4902}, {2, 50, 16, 3, 650}, {3, 70, 21, 3, 1544}, {3, 72, 23, 3, 1549},
        {3, 75, 27, 3, 5151}, {3, 76, 25, 3, 1537},
    };
    for (const char* langue : {"en", "fr"}) {
        SCOPED_TRACE(langue);
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + langue + ".txt")));
        for (const auto& c : cas) {
            SCOPED_TRACE(c.fenetre);
            auto s = vues::LigueVide(c.sport, 4, 6);
            const int a = s.c1->IdEquipe(0);
            s.c1->CreeMatch(1, a, s.c1->IdEquipe(1), 20, 10);
            s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur("Alpha", "Jean", 101, a));
            if (c.sport == 1) {
                for (int minute : {10, 30})
                    s.c1->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(101, a, minute, 0));
            } else {
                auto& st = dynamic_cast<TDonneesChampionnatStat&>(*s.c1);
                for (int code : {c.code, c.sport == 3 ? 36 : 5})
                    st.ListeStat(1, code)->Ajoute(TDonneesEvt::CreateId(101, a, 4));
            }
            s.saison->InvalideStats();
            THoteClass h(s.saison.get(), 300);
            h.vue->AfficheClassement(c.fenetre);
            const TColorStringGrid& g = *h.vue->sg_Classjoueurs;
            EXPECT_EQ(g.Cells(c.colonne, 0), Traduire(c.texte));
            EXPECT_EQ(g.Cells(1, 1), "Alpha Jean");
            if (std::string(langue) == "en")
                kit::GrabToPng(h.fenetre.get(), "classjoueur-en-" + std::to_string(c.fenetre));
        }
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
}

}  // namespace
