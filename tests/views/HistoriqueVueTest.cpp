// The history window on a history file made through the engine: the entry grid
// (whole scores, headed by the teams, a team's own pair skipped, an emptied pair no result
// any more, a file that cannot be written), removing a season, the head-to-head
// by years and by meetings, the season table and the five standings kinds
// against values worked out by hand; the teams dialog's count and year check.
#include <gtest/gtest.h>

#include <functional>

#include "engine/historique.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/SortieCommande.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Bouton.h"
#include "platform/gui/Menus.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_EquipeHistorique.h"
#include "views/w_Historique.h"

namespace {

const char* const Noms[4] = {"Alpha", "Bravo", "Charlie", "Delta"};

// (home, away, home goals, away goals) by positions.
struct TMatch
{
    int h, a, dh, da;
};

// Season of four teams six years ago (Bravo - Delta not played); 2 seasons of A and B
// one and three years ago (one year ago: A-B 2-0, B-A 1-1; three: B-A unplayed, A-B 0-1).
struct THistoriqueEssai
{
    TStats stats;
    TStat* stat = nullptr;
    int annee = YearOf(Date()) - 1900;

    explicit THistoriqueEssai(const std::string& dossier)
    {
        ForceDirectories(dossier);
        DeleteFile(MakePath(dossier, "stat7_1.txt"));
        stat = stats.AjouteStat(dossier, 7, 0);
        Ajoute(annee - 6, 4, {{0, 1, 2, 1}, {0, 2, 0, 0}, {0, 3, 3, 0}, {1, 0, 1, 1}, {1, 2, 2, 0}, {2, 0, 0, 1},
                        {2, 1, 1, 3}, {2, 3, 2, 2}, {3, 0, 1, 4}, {3, 1, 0, 0}, {3, 2, 1, 0}});
        Ajoute(annee - 1, 3, {{0, 1, 2, 0}, {1, 0, 1, 1}, {2, 0, 5, 5}});
        // the two teams the other way round in the table
        auto s = std::make_unique<TSaisonStat>(2, annee - 3);
        s->AjouteEquipe(stat->IdEquipe("Bravo"));
        s->AjouteEquipe(stat->IdEquipe("Alpha"));
        s->EcritResultat(1, 0, 0, 1);
        stat->AjouteSaison(std::move(s));
        // the file as the window finds it: written already
        stat->Sauve();
    }
    void Ajoute(int numero, int n, std::initializer_list<TMatch> matchs)
    {
        auto s = std::make_unique<TSaisonStat>(n, numero);
        for (int i = 0; i < n; ++i)
            s->AjouteEquipe(stat->IdEquipe(Noms[i]));
        for (const TMatch& m : matchs)
            s->EcritResultat(m.h, m.a, m.dh, m.da);
        stat->AjouteSaison(std::move(s));
    }
};

class HistoriqueVue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // the language file and the design before the window is made
        const TCouleurElement couleurs = vues::Module()->Couleurs;
        h = std::make_unique<THistoriqueEssai>(MakePath(kit::TempDir(), "historique_vue"));
        fenetre = kit::NewForm(900, 620);
        auto* panneau = new TPanel(fenetre.get());
        panneau->SetAlign(alClient);
        panneau->SetParent(fenetre.get());
        f = new Tf_Historique(fenetre.get());
        f->ChangeCouleurs(couleurs);
        IntegreFiche(f, panneau);
        kit::ShowForm(fenetre.get());
        f->SetHistorique(&h->stats, 0, kit::TempDir());
    }
    void TearDown() override { kit::ForgetModalActions(); }
    int SaisonQuatre() const
    {
        for (int i = 0; i < h->stat->NombreSaisons(); ++i)
            if (h->stat->Saison(i)->Saison() == h->annee - 6)
                return i;
        return -1;
    }
    std::vector<std::string> Ligne(TColorStringGrid* g, int r)
    {
        std::vector<std::string> l;
        for (int c = 0; c < g->ColCount(); ++c)
            l.push_back(g->LitCellule(c, r));
        return l;
    }
    std::unique_ptr<THistoriqueEssai> h;
    TOwned<TForm> fenetre;
    Tf_Historique* f = nullptr;
};

using L = std::vector<std::string>;

TEST_F(HistoriqueVue, StandingsOfTheFiveKindsWorkedOutByHand)
{
    f->AfficheClassement();
    ASSERT_EQ(f->cb_Saison2->Items().Count(), 3);
    EXPECT_EQ(f->cb_Saison2->Items()[0], TraduireFormat(356, {h->annee - 1 + 1900, 3}));
    f->cb_Saison2->SetItemIndex(SaisonQuatre());
    f->cb_Saison2->OnChange(f->cb_Saison2);
    struct Cas
    {
        TRondCoche* r;
        std::vector<L> lignes;
    };
    // points W D L for against difference played
    const Cas cas[] = {
        {f->rc_General, {{"1", "Alpha", "14", "4", "2", "0", "11", "3", "8", "6"},
                         {"2", "Bravo", "8", "2", "2", "1", "7", "4", "3", "5"},
                         {"3", "Delta", "5", "1", "2", "2", "4", "9", "-5", "5"},
                         {"4", "Charlie", "2", "0", "2", "4", "3", "9", "-6", "6"}}},
        {f->rc_Domicile, {{"1", "Alpha", "7", "2", "1", "0", "5", "1", "4", "3"},
                          {"2", "Bravo", "4", "1", "1", "0", "3", "1", "2", "2"},
                          {"3", "Delta", "4", "1", "1", "1", "2", "4", "-2", "3"},
                          {"4", "Charlie", "1", "0", "1", "2", "3", "6", "-3", "3"}}},
        {f->rc_exterieur, {{"1", "Alpha", "7", "2", "1", "0", "6", "2", "4", "3"},
                           {"2", "Bravo", "4", "1", "1", "1", "4", "3", "1", "3"},
                           {"3", "Delta", "1", "0", "1", "1", "2", "5", "-3", "2"},
                           {"4", "Charlie", "1", "0", "1", "2", "0", "3", "-3", "3"}}},
        {f->rc_Attaque, {{"1", "Alpha", "11"}, {"2", "Bravo", "7"}, {"3", "Delta", "4"}, {"4", "Charlie", "3"}}},
        // bottom up, the tie marked on the lower line of the two
        {f->rc_Defense, {{"1", "Alpha", "3"}, {"2", "Bravo", "4"}, {"3", "Delta", "9"}, {"-", "Charlie", "9"}}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.r->Name());
        kit::Click(k.r);
        ASSERT_EQ(f->sg_Classement->RowCount(), 5);
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(Ligne(f->sg_Classement, r), k.lignes[static_cast<size_t>(r - 1)]) << r;
    }
    EXPECT_EQ(f->sg_Classement->LitCellule(2, 0), Traduire(49));
    kit::Click(f->rc_General);
    EXPECT_EQ(f->sg_Classement->LitCellule(9, 0), Traduire(47));
    kit::GrabToPng(fenetre.get(), "historique-classement");
    // every heading whole in its column, in both languages
    for (const char* langue : {"en", "fr"}) {
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + langue + ".txt")));
        for (const Cas& k : cas) {
            SCOPED_TRACE(std::string(langue) + " " + k.r->Name());
            kit::Click(k.r);
            TBitmap mesure(1, 1);
            mesure.Canvas().Font = f->sg_Classement->Font();
            mesure.Canvas().Font.SetStyle(fsBold);
            int largeur = 0;
            for (int c = 0; c < f->sg_Classement->ColCount(); ++c) {
                const std::string titre = f->sg_Classement->LitCellule(c, 0);
                EXPECT_LE(mesure.Canvas().TextWidth(titre) + 4, f->sg_Classement->ColWidths(c)) << titre;
                largeur += f->sg_Classement->ColWidths(c);
            }
            EXPECT_GE(f->sg_Classement->Width(), largeur);
        }
        if (std::string(langue) == "en") {
            kit::Click(f->rc_Defense);
            kit::GrabToPng(fenetre.get(), "historique-classement-defense-en");
        }
    }
}

TEST_F(HistoriqueVue, SeasonTable)
{
    f->AfficheTableau();
    f->cb_Saison->SetItemIndex(SaisonQuatre());
    f->cb_Saison->OnChange(f->cb_Saison);
    const std::vector<L> attendu = {{"", "Alp.", "Bra.", "Cha.", "Del."},
                                    {"Alpha", "", "2-1", "0-0", "3-0"},
                                    {"Bravo", "1-1", "", "2-0", "-"},
                                    {"Charlie", "0-1", "1-3", "", "2-2"},
                                    {"Delta", "1-4", "0-0", "1-0", ""}};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(Ligne(f->sg_recap, r), attendu[static_cast<size_t>(r)]) << r;
    // every column whole, the last one too: its cells' texts in their width,
    // its line within the grid
    TColorStringGrid* g = f->sg_recap;
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = g->Font();
    mesure.Canvas().Font.SetStyle(fsBold);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            EXPECT_LE(mesure.Canvas().TextWidth(g->LitCellule(c, r)) + 4, g->ColWidths(c)) << c << " " << r;
    EXPECT_LE(g->CellRect(4, 0).Right + g->VertLineWidth(4), g->ClientWidth());
    kit::GrabToPng(fenetre.get(), "historique-tableau");
}

TEST_F(HistoriqueVue, HeadToHeadByYearsAndByMeetings)
{
    f->AfficheRencontres();
    ASSERT_EQ(f->cb_Domicile->Items().Count(), 4);
    auto equipe = [&](TComboBox* c, const char* nom) { c->SetItemIndex(c->Items().IndexOf(nom)); };
    struct Cas
    {
        const char *premier, *second;
        bool parAnnees;
        int nombre;
        bool retour;
        std::vector<L> lignes;
        int v, n, d;
    };
    const std::string a = IntToStr(h->annee - 1 + 1900), b = IntToStr(h->annee - 3 + 1900),
                      c = IntToStr(h->annee - 6 + 1900);
    const std::string nul = Traduire(230);
    const Cas cas[] = {
        {"Alpha", "Bravo", true, 10, false, {{a, "Alpha", "2-0"}, {b, "Bravo", "0-1"}, {c, "Alpha", "2-1"}}, 2, 0, 1},
        {"Alpha", "Bravo", true, 3, false, {{a, "Alpha", "2-0"}, {b, "Bravo", "0-1"}}, 1, 0, 1},
        {"Alpha", "Bravo", true, 10, true,
         {{a, "Alpha", "2-0"}, {a, nul, "1-1"}, {b, "Bravo", "0-1"}, {c, "Alpha", "2-1"}, {c, nul, "1-1"}}, 2, 2, 1},
        // three meetings found by the second: the third season is not looked at
        {"Alpha", "Bravo", false, 2, true, {{a, "Alpha", "2-0"}, {a, nul, "1-1"}, {b, "Bravo", "0-1"}}, 1, 1, 1},
        {"Bravo", "Alpha", true, 10, false, {{a, nul, "1-1"}, {c, nul, "1-1"}}, 0, 2, 0},
        {"Bravo", "Delta", true, 10, false, {{"", Traduire(355), ""}}, 0, 0, 0},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(std::string(k.premier) + " " + k.second + " " + std::to_string(k.nombre));
        equipe(f->cb_Domicile, k.premier);
        equipe(f->cb_Exterieur, k.second);
        f->cc_Retour->SetChecked(k.retour);
        (k.parAnnees ? f->ud_Annee : f->ud_Match)->SetPosition(k.nombre);
        kit::Click(k.parAnnees ? f->rb_Annee : f->rb_Match);
        kit::Click(f->bc_Chercher);
        ASSERT_EQ(f->sg_Resultat->RowCount(), static_cast<int>(k.lignes.size()) + 1);
        EXPECT_EQ(Ligne(f->sg_Resultat, 0), (L{Traduire(350), Traduire(351), Traduire(223)}));
        for (size_t r = 0; r < k.lignes.size(); ++r)
            EXPECT_EQ(Ligne(f->sg_Resultat, static_cast<int>(r) + 1), k.lignes[r]) << r;
        EXPECT_EQ(f->l_Vict->Caption(), TraduireFormat(IdTexteNombre(352, 5970, k.v), {k.v, k.premier}));
        EXPECT_EQ(f->l_Nul->Caption(), TraduireNombre(353, 5971, k.n));
        EXPECT_EQ(f->l_Def->Caption(), TraduireFormat(IdTexteNombre(352, 5970, k.d), {k.d, k.second}));
    }
    kit::Click(f->rb_Annee);
    kit::GrabToPng(fenetre.get(), "historique-rencontres");
}

TEST_F(HistoriqueVue, EntryGridTypingSavingAndRemoving)
{
    f->AfficheSaisie();
    ASSERT_EQ(f->cb_Saison3->Items().Count(), 3);
    // the three-team season of last year: Charlie - Alpha 5-5 stored, the rest to type
    TSaisonStat* s = h->stat->Saison(0);
    ASSERT_EQ(s->NombreEquipes(), 3);
    ASSERT_EQ(f->SaisonAffichee(), s);
    TColorStringGrid* g = f->csg_Saisie;
    ASSERT_TRUE(g->Visible());
    EXPECT_EQ(g->ColCount(), 7);
    EXPECT_EQ(g->RowCount(), 4);
    EXPECT_EQ(g->Width(), 80 + 6 * 26 + 7);
    // each pair of columns is headed by its team's name
    EXPECT_EQ(Ligne(g, 0), (L{"", "Alpha", "", "Bravo", "", "Charlie", ""}));
    EXPECT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(3, 1));
    EXPECT_EQ(g->LitCellule(1, 3), "5");
    // a team's own pair cannot be chosen
    EXPECT_FALSE(g->FocusCell(1, 1, true));
    EXPECT_FALSE(g->FocusCell(4, 2, true));
    EXPECT_TRUE(g->FocusCell(5, 1, true));
    EXPECT_TRUE(g->FocusCell(3, 1, true));

    // A cell takes a whole score: Enter or Tab moves on, Shift+Tab back; "*"
    // (once the sign of two digits) and letters are swallowed; the cursor
    // jumps over Bravo's own pair (columns 3 and 4 of row 2)
    struct Pas
    {
        const char* touches;
        WORD touche;   // pressed after them, 0 none
        TShiftState shift;
        int col, row;   // where the cursor stands after them
    };
    const Pas pas[] = {{"*12", VK_RETURN, 0, 4, 1}, {"x0", VK_TAB, 0, 5, 1},      {"3", VK_TAB, 0, 6, 1},
                       {"1", VK_TAB, 0, 1, 2},      {"2", VK_TAB, 0, 2, 2},       {"7", VK_TAB, ssShift, 1, 2},
                       {"", VK_TAB, 0, 2, 2},       {"", VK_TAB, 0, 5, 2},        {"10", VK_TAB, 0, 6, 2},
                       {"0", VK_RETURN, 0, 1, 3},   {"4", VK_RETURN, 0, 2, 3},    {"4", VK_RETURN, 0, 3, 3},
                       {"0", VK_RETURN, 0, 4, 3},   {"9", VK_RETURN, 0, 4, 3}};
    for (const Pas& p : pas) {
        kit::Type(g, p.touches);
        if (p.touche)
            kit::PressKey(g, p.touche, p.shift);
        EXPECT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(p.col, p.row)) << p.touches;
        EXPECT_FALSE(g->Col() == 2 * g->Row() - 1 || g->Col() == 2 * g->Row()) << p.touches;
    }
    EXPECT_EQ(Ligne(g, 1), (L{"Alpha", "", "", "12", "0", "3", "1"}));
    EXPECT_EQ(Ligne(g, 2), (L{"Bravo", "2", "7", "", "", "10", "0"}));
    // the last row ends on its last opponent: Enter there left the cell as typed
    EXPECT_EQ(g->LitCellule(4, 3), "9");
    // a pair emptied before saving is no result any more
    g->EcritCellule(1, 2, "");
    g->EcritCellule(2, 2, "");
    f->cb_Type->SetItemIndex(2);
    kit::Click(f->bc_Enregistrer);
    EXPECT_EQ(s->SystemePoints, 2);
    EXPECT_EQ(s->Resultat(0, 1), std::make_pair(12, 0));
    EXPECT_EQ(s->Resultat(0, 2), std::make_pair(3, 1));
    EXPECT_EQ(s->Resultat(1, 0), std::make_pair(255, 255));   // 1-1 stored before
    EXPECT_EQ(s->Resultat(1, 2), std::make_pair(10, 0));
    EXPECT_EQ(s->Resultat(2, 0), std::make_pair(4, 4));
    EXPECT_EQ(s->Resultat(2, 1), std::make_pair(0, 9));
    TStat relu;
    ASSERT_TRUE(relu.Charge(h->stat->NomFichier));
    std::string a, b;
    relu.EcritOctets(a);
    h->stat->EcritOctets(b);
    EXPECT_EQ(a, b);
    kit::GrabToPng(fenetre.get(), "historique-saisie");

    // a file that cannot be written: said, the entries kept
    const std::string nom = h->stat->NomFichier;
    // its folder is a file
    const std::string bloque = MakePath(kit::TempDir(), "historique_bloque");
    ASSERT_TRUE(WriteFileAtomic(bloque, "x"));
    h->stat->NomFichier = MakePath(bloque, "stat7_1.txt");
    std::vector<std::string> textes;
    kit::WhenModal([&](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            textes.push_back(b->Label1->Caption());
        m->SetModalResult(mrOk);
    });
    kit::Type(g, "7");   // Enter ended the cell's score: a new one replaces it
    kit::Click(f->bc_Enregistrer);
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3471, {h->stat->NomFichier})}));
    EXPECT_EQ(s->Resultat(2, 1), std::make_pair(0, 7));
    EXPECT_EQ(g->LitCellule(4, 3), "7");
    h->stat->NomFichier = nom;

    // removing the season shown, once the user says so: gone from the list, the grid on the next one
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
    kit::Click(f->bc_Retirer);
    EXPECT_EQ(h->stat->NombreSaisons(), 2);
    ASSERT_EQ(f->cb_Saison3->Items().Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(f->cb_Saison3->Items()[i].find(IntToStr(h->annee - 1 + 1900)), std::string::npos);
    EXPECT_EQ(f->SaisonAffichee(), h->stat->Saison(0));
    EXPECT_EQ(g->RowCount(), 3);
    EXPECT_EQ(g->LitCellule(0, 1), "Bravo");
    // typing and saving now reach the season shown only
    kit::Type(g, "5");
    kit::PressKey(g, VK_TAB);
    kit::Type(g, "2");
    kit::Click(f->bc_Enregistrer);
    EXPECT_EQ(h->stat->Saison(0)->Resultat(0, 1), std::make_pair(5, 2));
    for (int i = 0; i < 2; ++i) {
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
        kit::Click(f->bc_Retirer);
    }
    EXPECT_EQ(h->stat->NombreSaisons(), 0);
    EXPECT_EQ(f->cb_Saison3->Items().Count(), 0);
    EXPECT_FALSE(g->Visible());
    EXPECT_EQ(f->SaisonAffichee(), nullptr);
    kit::Click(f->bc_Retirer);   // nothing left: nothing happens
    kit::Type(g, "1");
}

// What is typed over last season's stored Alpha 2-0 Bravo, and the points
// system chosen, stay with that season whatever the window shows meanwhile
// (another season, a season added, another page, a deletion answered No)
// until "Enregistrer"; a pair emptied, even on one side, is no result once
// written. Each road ends by writing the file and reading it back.
TEST_F(HistoriqueVue, WhatIsTypedWaitsForEnregistrerOnEveryRoad)
{
    auto choisit = [this](int i) {
        f->cb_Saison3->SetItemIndex(i);
        f->cb_Saison3->OnChange(f->cb_Saison3);
    };
    struct Cas
    {
        const char* nom;
        const char *domicile, *exterieur;   // typed in the pair's two cells, Tab after each
        int type;                           // points system chosen, -1 none
        std::function<void()> route;
        std::pair<int, int> lu;   // Alpha - Bravo read back
        std::pair<int, int> cellules;   // as stored, each side
    };
    const std::pair<int, int> vide{255, 255};
    const Cas cas[] = {
        {"another season and back", "5", "4", -1, [&] { choisit(1), choisit(0); }, {5, 4}, {5, 4}},
        {"a season of another year added",
         "5", "4", -1,
         [&] {
             kit::WhenModal([](TForm* m) {
                 auto* d = dynamic_cast<Tf_EquipeHistorique*>(m);
                 ASSERT_NE(d, nullptr);
                 d->ud_Annee->SetPosition(2099);
                 kit::Type(d->m_Equipe, "Echo\rFoxtrot");
                 kit::Click(d->b_Valider);
             });
             kit::Click(f->bc_Ajouter);
             ASSERT_EQ(f->SaisonAffichee()->Saison(), 199);
             choisit(1);
         },
         {5, 4}, {5, 4}},
        {"the table page and back", "5", "4", -1, [&] { f->AfficheTableau(), f->AfficheSaisie(); }, {5, 4}, {5, 4}},
        {"the table page, showing it", "5", "4", -1,
         [&] {
             f->AfficheTableau();
             EXPECT_EQ(Ligne(f->sg_recap, 1), (L{"Alpha", "", "5-4", "-"}));
             f->AfficheSaisie();
         },
         {5, 4}, {5, 4}},
        {"Effacer on another season answered No",
         "5", "4", -1,
         [&] {
             choisit(1);
             kit::WhenModal([](TForm* m) { m->SetModalResult(mrNo); });
             kit::Click(f->bc_Retirer);
             choisit(0);
         },
         {5, 4}, {5, 4}},
        {"the points system changed, then another season and back", "5", "4", 3,
         [&] { choisit(2), choisit(0); }, {5, 4}, {5, 4}},
        {"the stored result emptied", "\b", "\b", -1, [&] { choisit(1), choisit(0); }, vide, vide},
        {"its home side emptied", "\b", "", -1, [&] { choisit(1), choisit(0); }, vide, {255, 0}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        // a file as written, its last season shown
        f->SetHistorique(nullptr, -1, kit::TempDir());
        h = std::make_unique<THistoriqueEssai>(MakePath(kit::TempDir(), "historique_vue"));
        f->SetHistorique(&h->stats, 0, kit::TempDir());
        f->AfficheSaisie();
        TColorStringGrid* g = f->csg_Saisie;
        ASSERT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(3, 1));
        ASSERT_EQ(Ligne(g, 1), (L{"Alpha", "", "", "2", "0", "", ""}));
        for (const char* t : {k.domicile, k.exterieur}) {
            kit::Type(g, t);
            kit::PressKey(g, VK_TAB);
        }
        if (k.type >= 0)
            f->cb_Type->SetItemIndex(k.type);
        k.route();
        ASSERT_EQ(f->SaisonAffichee(), h->stat->Saison(h->stat->NombreSaisons() == 4 ? 1 : 0));
        kit::Click(f->bc_Enregistrer);
        TStat relu;
        ASSERT_TRUE(relu.Charge(h->stat->NomFichier));
        const TSaisonStat* s = nullptr;
        for (int i = 0; i < relu.NombreSaisons(); ++i)
            if (relu.Saison(i)->Saison() == h->annee - 1)
                s = relu.Saison(i);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->ResultatEquipes(relu.ChercheEquipe("Alpha"), relu.ChercheEquipe("Bravo")), k.lu);
        EXPECT_EQ(s->Buts(0, 1), k.cellules);
        EXPECT_EQ(s->Resultat(1, 0), std::make_pair(1, 1));   // Bravo - Alpha as stored
        EXPECT_EQ(s->SystemePoints, k.type >= 0 ? k.type : 0);
        EXPECT_FALSE(h->stat->Modifie());
    }
}

// "20", Tab, "15" is one score, 20-15; a cell keeps up to three digits of a
// score the file can hold (0 to 254), Backspace takes the last one back.
TEST_F(HistoriqueVue, ACellTakesAWholeScore)
{
    f->AfficheSaisie();
    TSaisonStat* s = h->stat->Saison(0);
    TColorStringGrid* g = f->csg_Saisie;
    ASSERT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(3, 1));
    const std::pair<const char*, const char*> cas[] = {
        {"20", "20"}, {"254", "254"}, {"255", "25"}, {"1234", "123"}, {"007", "7"}, {"12\b3", "13"}, {"5\b", ""}};
    for (const auto& [touches, cellule] : cas) {
        kit::Type(g, touches);
        EXPECT_EQ(g->LitCellule(3, 1), cellule) << touches;
        // on and back: the cell takes a new score
        kit::PressKey(g, VK_RETURN);
        kit::PressKey(g, VK_TAB, ssShift);
        ASSERT_EQ(std::make_pair(g->Col(), g->Row()), std::make_pair(3, 1));
    }
    kit::Type(g, "20");
    kit::PressKey(g, VK_TAB);
    kit::Type(g, "15");
    kit::PressKey(g, VK_TAB);
    EXPECT_EQ(Ligne(g, 1), (L{"Alpha", "", "", "20", "15", "", ""}));
    kit::Click(f->bc_Enregistrer);
    EXPECT_EQ(s->Resultat(0, 1), std::make_pair(20, 15));
    EXPECT_EQ(s->Resultat(0, 2), std::make_pair(255, 255));
    kit::GrabToPng(fenetre.get(), "historique-scores");
}

TEST_F(HistoriqueVue, ChangingTheChampionshipShowsTheSameModeOnTheOtherFile)
{
    DeleteFile(MakePath(kit::TempDir(), "historique_vue/stat9_1.txt"));
    TStat* autre = h->stats.AjouteStat(MakePath(kit::TempDir(), "historique_vue"), 9, 0);
    auto s = std::make_unique<TSaisonStat>(2, 101);
    s->AjouteEquipe(autre->IdEquipe("Zulu"));
    s->AjouteEquipe(autre->IdEquipe("Yankee"));
    autre->AjouteSaison(std::move(s));
    h->stats.AjouteStat(MakePath(kit::TempDir(), "historique_vue"), 9, 1);   // another sport: not offered
    f->AfficheRencontres();
    int offerts = -1;
    kit::WhenModal([&](TForm* m) {
        auto* d = dynamic_cast<Tf_ChoixHistorique*>(m);
        ASSERT_NE(d, nullptr);
        offerts = d->lb_Choix->Items().Count();
        EXPECT_EQ(d->Choix(), 0);   // the file shown
        EXPECT_FALSE(d->Panel1->Visible());
        d->lb_Choix->SetItemIndex(d->lb_Choix->Items().IndexOfObject(1));
        d->bc_Choisir->Click();
    });
    f->mi_ChangeChamp->Click();
    EXPECT_EQ(offerts, 2);
    EXPECT_EQ(f->Historique(), autre);
    EXPECT_EQ(f->IndexHistorique(), 1);
    EXPECT_EQ(f->Mode(), 1);
    ASSERT_EQ(f->cb_Domicile->Items().Count(), 2);
    EXPECT_EQ(f->cb_Domicile->Items()[0], "Yankee");   // sorted
    // the other file's season typed in, not written: going back to the first
    // file asks, and Oui writes it
    f->AfficheSaisie();
    kit::Type(f->csg_Saisie, "3");
    kit::PressKey(f->csg_Saisie, VK_TAB);
    kit::Type(f->csg_Saisie, "1");
    std::vector<std::string> textes;
    kit::WhenModal([](TForm* m) {
        auto* d = dynamic_cast<Tf_ChoixHistorique*>(m);
        ASSERT_NE(d, nullptr);
        d->lb_Choix->SetItemIndex(d->lb_Choix->Items().IndexOfObject(0));
        d->bc_Choisir->Click();
    });
    kit::WhenModal([&](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            textes.push_back(b->Label1->Caption());
        m->SetModalResult(mrYes);
    });
    f->mi_ChangeChamp->Click();
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(6140, {NomDivisionHistorique(9)})}));
    EXPECT_EQ(f->Historique(), h->stat);
    TStat relu;
    ASSERT_TRUE(relu.Charge(autre->NomFichier));
    EXPECT_EQ(relu.Saison(0)->ResultatEquipes(relu.ChercheEquipe("Zulu"), relu.ChercheEquipe("Yankee")),
              std::make_pair(3, 1));
}

TEST_F(HistoriqueVue, OneTeamSeasonTakesNoResultAgainstItself)
{
    auto seule = std::make_unique<TSaisonStat>(1, 199);
    seule->AjouteEquipe(h->stat->IdEquipe("Alpha"));
    TSaisonStat* s = seule.get();
    h->stat->AjouteSaison(std::move(seule));
    f->AfficheSaisie();
    ASSERT_EQ(f->SaisonAffichee(), s);
    kit::Type(f->csg_Saisie, "34");
    EXPECT_EQ(f->csg_Saisie->LitCellule(1, 1), "");
    f->csg_Saisie->EcritCellule(1, 1, "3");
    f->csg_Saisie->EcritCellule(2, 1, "4");
    kit::Click(f->bc_Enregistrer);
    EXPECT_EQ(s->Resultat(0, 0), std::make_pair(255, 255));
}

// A season added with one name given twice, by letter case and blanks: the
// season gets the team once, and the result typed against it is the one the
// head-to-head and the file read back see.
TEST_F(HistoriqueVue, ANameGivenTwiceInASeasonIsOneTeam)
{
    f->AfficheSaisie();
    kit::WhenModal([](TForm* m) {
        auto* d = dynamic_cast<Tf_EquipeHistorique*>(m);
        ASSERT_NE(d, nullptr);
        d->ud_Annee->SetPosition(2099);
        kit::Type(d->m_Equipe, "Alpha\ralpha \rBravo");
        EXPECT_EQ(d->Label1->Caption(), TraduireFormat(640, {2}));
        kit::Click(d->b_Valider);
    });
    kit::Click(f->bc_Ajouter);
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    TSaisonStat* s = f->SaisonAffichee();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Saison(), 199);
    ASSERT_EQ(s->NombreEquipes(), 2);
    EXPECT_EQ(Ligne(f->csg_Saisie, 0), (L{"", "Alpha", "", "Bravo", ""}));
    // Alpha receives Bravo: 3-1
    kit::Type(f->csg_Saisie, "3");
    kit::PressKey(f->csg_Saisie, VK_TAB);
    kit::Type(f->csg_Saisie, "1");
    kit::Click(f->bc_Enregistrer);
    TStat relu;
    ASSERT_TRUE(relu.Charge(h->stat->NomFichier));
    EXPECT_EQ(relu.Saison(0)->ResultatEquipes(relu.ChercheEquipe("Alpha"), relu.ChercheEquipe("Bravo")),
              std::make_pair(3, 1));
    f->AfficheRencontres();
    f->cb_Domicile->SetItemIndex(f->cb_Domicile->Items().IndexOf("Alpha"));
    f->cb_Exterieur->SetItemIndex(f->cb_Exterieur->Items().IndexOf("Bravo"));
    f->ud_Match->SetPosition(1);
    kit::Click(f->rb_Match);
    ASSERT_EQ(f->sg_Resultat->RowCount(), 2);
    EXPECT_EQ(Ligne(f->sg_Resultat, 1), (L{"2099", "Alpha", "3-1"}));
}

// Printed and written as a page, each mode gives the table it shows: its
// first line is on paper and on the page.
TEST_F(HistoriqueVue, PrintAndPageGiveTheTableShown)
{
    const std::pair<std::function<void()>, TColorStringGrid*> modes[] = {
        {[&] { f->AfficheSaisie(); }, f->csg_Saisie},
        {[&] {
             f->AfficheRencontres();
             f->cb_Domicile->SetItemIndex(f->cb_Domicile->Items().IndexOf("Charlie"));
             f->cb_Exterieur->SetItemIndex(f->cb_Exterieur->Items().IndexOf("Delta"));
             kit::Click(f->bc_Chercher);
         },
         f->sg_Resultat},
        {[&] { f->AfficheTableau(); }, f->sg_recap},
        {[&] { f->AfficheClassement(); }, f->sg_Classement},
    };
    for (const auto& [affiche, grille] : modes) {
        affiche();
        const std::string base = MakePath(kit::TempDir(), "historique-" + std::to_string(f->Mode()));
        f->EnregistreHTML(base + ".html");
        std::string page;
        ASSERT_TRUE(ReadFileBytes(base + ".html", page));
        const html_lu::TPage lu = html_lu::Lit(page);
        Printer().SetOutputFileName(base + ".pdf");
        f->Imprime();
        Printer().SetOutputFileName("");
        const std::string texte = essai::SortieCommande("pdftotext -layout '" + base + ".pdf' -");
        ASSERT_EQ(lu.tables.size(), 1u) << f->Mode();
        for (int c = 0; c < std::min(grille->ColCount(), 3); ++c) {
            const std::string cellule = Cp1252ToUtf8(grille->LitCellule(c, 1));
            EXPECT_EQ(lu.tables[0].at(1).at(static_cast<size_t>(c)), cellule.empty() ? "\u00A0" : cellule) << f->Mode();
            EXPECT_NE(texte.find(cellule), std::string::npos) << f->Mode() << " " << c << ": " << texte;
        }
    }
}

TEST(EquipeHistorique, SeasonNumbersTheFileCanHold)
{
    const int cas[][2] = {{0, -1},    {1, 1},     {105, 105}, {199, 199}, {200, -1}, {1900, -1},
                          {1901, 1},  {2003, 103}, {2099, 199}, {2100, -1}, {5000, -1}};
    for (const auto& k : cas)
        EXPECT_EQ(Tf_EquipeHistorique::NumeroSaison(k[0]), k[1]) << k[0];
}

TEST(EquipeHistorique, CountDragAndRefusedYear)
{
    const TCouleurElement couleurs = vues::Module()->Couleurs;
    Tf_EquipeHistorique d(nullptr);
    d.ChangeCouleurs(couleurs);
    for (const char* n : Noms)
        d.lb_Equipe->Items().Add(n);
    kit::ShowForm(&d);
    EXPECT_EQ(d.Label1->Caption(), TraduireFormat(640, {0}));
    EXPECT_EQ(d.Annee(), 2003);
    // The count is what the season will get: blank lines left out, a name
    // given again in other letters or blanks taken once.
    const struct
    {
        const char* memo;
        std::vector<std::string> equipes;
    } saisies[] = {{"Alpha\r\n\r\nBravo\r\n  \r\n", {"Alpha", "Bravo"}},
                   {"Alpha\r\nalpha \r\n  Bravo\r\nBRAVO", {"Alpha", "Bravo"}},
                   {"Alpha  FC\r\nalpha fc", {"Alpha FC"}},
                   {"Echo\r\n", {"Echo"}}};   // the empty last line does not count
    for (const auto& k : saisies) {
        d.m_Equipe->SetText(k.memo);
        EXPECT_EQ(d.Equipes(), k.equipes) << k.memo;
        EXPECT_EQ(d.Label1->Caption(), TraduireFormat(640, {static_cast<int>(k.equipes.size())})) << k.memo;
    }
    d.lb_Equipe->SetItemIndex(2);
    const TRect item = d.lb_Equipe->ItemRect(2);
    kit::Drag(d.lb_Equipe, {item.Left + 5, item.Top + 3}, d.m_Equipe, {20, 20});
    d.lb_Equipe->SetItemIndex(0);
    kit::DblClick(d.lb_Equipe, item.Left + 5, d.lb_Equipe->ItemRect(0).Top + 3);
    EXPECT_EQ(d.Equipes(), (std::vector<std::string>{"Echo", "Charlie", "Alpha"}));
    EXPECT_EQ(d.Label1->Caption(), TraduireFormat(640, {3}));
    kit::GrabToPng(&d, "equipe-historique");

    // a year the file cannot hold: said, the dialog stays
    std::vector<std::string> textes;
    for (int k = 0; k < 2; ++k)
        kit::WhenModal([&](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
                textes.push_back(b->Label1->Caption());
            m->SetModalResult(mrOk);
        });
    for (int annee : {2100, 1900}) {
        d.ud_Annee->SetPosition(annee);
        d.SetModalResult(mrNone);
        kit::Click(d.b_Valider);
        EXPECT_EQ(d.ModalResult(), mrNone);
    }
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3470, {2100}), TraduireFormat(3470, {1900})}));
    d.ud_Annee->SetPosition(1999);
    kit::Click(d.b_Valider);
    EXPECT_EQ(d.ModalResult(), mrOk);
    kit::ForgetModalActions();
}

}  // namespace
